#include "driver/json_text.h"

#include "units/format.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace pc::driver {

std::string jsonString(const QString &s)
{
    return nlohmann::json(s.toStdString())
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string jsonNumber(double v)
{
    if (!std::isfinite(v))
        return "null";
    // JSON wants a point whatever the process locale.
    return format(QLatin1Char('.'), "%.17g", {v}).toStdString();
}

std::string jsonInt(long long v)
{
    return std::to_string(v);
}

std::string jsonBool(bool v)
{
    return v ? "true" : "false";
}

std::string jsonStrings(const QStringList &list)
{
    std::vector<std::string> e;
    e.reserve(static_cast<size_t>(list.size()));
    for (const QString &s : list)
        e.push_back(jsonString(s));
    return jsonArray(e);
}

std::string jsonInts(const std::vector<int> &values)
{
    std::vector<std::string> e;
    e.reserve(values.size());
    for (int v : values)
        e.push_back(jsonInt(v));
    return jsonArray(e);
}

std::string jsonArray(const std::vector<std::string> &elements)
{
    std::string out = "[";
    for (size_t i = 0; i < elements.size(); ++i) {
        if (i)
            out += ',';
        out += elements[i];
    }
    return out + "]";
}

} // namespace pc::driver
