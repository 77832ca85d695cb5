#include "catalogue/catalogue_json.h"

#include "catalogue/catalogue_checks.h"
#include "catalogue/name_codec.h"

#include <cmath>
#include <limits>
#include <set>

namespace pc {

using nlohmann::json;

CatalogueSourceError::CatalogueSourceError(std::string field, std::string reason)
    : std::runtime_error(field + ": " + reason), field_(std::move(field)),
      reason_(std::move(reason))
{}

namespace {

// ---- writing ---------------------------------------------------------------

json number(double v)
{
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v > 0 ? "Infinity" : "-Infinity";
    return v;
}

template <typename Values> json numbers(const Values &values)
{
    json out = json::array();
    for (double v : values)
        out.push_back(number(v));
    return out;
}

template <typename Table> json rows(const Table &table)
{
    json out = json::array();
    for (const auto &row : table)
        out.push_back(numbers(row));
    return out;
}

template <typename T> json integers(const std::vector<T> &values)
{
    json out = json::array();
    for (T v : values)
        out.push_back(static_cast<int>(v));
    return out;
}

json texts(const std::vector<QString> &values)
{
    json out = json::array();
    for (const QString &v : values)
        out.push_back(v.toStdString());
    return out;
}

// ---- reading ---------------------------------------------------------------

constexpr int MaxCount16 = 32767;

// A field path ("Annexes[1].SoilLoss[2]") with the value found there.
struct Node
{
    const json &value;
    std::string path;

    [[noreturn]] void error(const std::string &reason) const
    {
        throw CatalogueSourceError(path, reason);
    }

    Node at(size_t i) const { return Node{value[i], path + "[" + std::to_string(i) + "]"}; }
};

Node member(const Node &object, const char *key)
{
    const std::string path = object.path.empty() ? key : object.path + "." + key;
    const auto it = object.value.find(key);
    if (it == object.value.end())
        throw CatalogueSourceError(path, "missing");
    return Node{*it, path};
}

void requireObject(const Node &node, const std::set<std::string> &known,
                   const std::set<std::string> &ignored)
{
    if (!node.value.is_object())
        node.error("expected an object");
    for (auto it = node.value.begin(); it != node.value.end(); ++it) {
        const std::string &key = it.key();
        if (known.count(key) || ignored.count(key) || (!key.empty() && key[0] == '_'))
            continue;
        throw CatalogueSourceError(node.path.empty() ? key : node.path + "." + key,
                                   "unknown field");
    }
}

// An array of `low` .. `high` elements.
size_t arrayOf(const Node &node, size_t low, size_t high)
{
    if (!node.value.is_array())
        node.error("expected an array");
    const size_t n = node.value.size();
    if (n < low || n > high)
        node.error("holds " + std::to_string(n) + " entries; " + std::to_string(low) + " to " +
                   std::to_string(high) + " are allowed");
    return n;
}

// An array of exactly `n` elements (a row of a table).
void arrayOfExactly(const Node &node, size_t n)
{
    if (!node.value.is_array())
        node.error("expected an array");
    if (node.value.size() != n)
        node.error("holds " + std::to_string(node.value.size()) + " entries; " + std::to_string(n) +
                   " are needed");
}

double toNumber(const Node &node)
{
    if (node.value.is_number())
        return node.value.get<double>();
    if (node.value.is_string()) {
        const std::string s = node.value.get<std::string>();
        if (s == "NaN")
            return std::numeric_limits<double>::quiet_NaN();
        if (s == "Infinity")
            return std::numeric_limits<double>::infinity();
        if (s == "-Infinity")
            return -std::numeric_limits<double>::infinity();
    }
    node.error("expected a number");
}

long toInteger(const Node &node, long low, long high)
{
    long v = 0;
    if (node.value.is_number_unsigned()) {
        const auto u = node.value.get<json::number_unsigned_t>();
        if (u > static_cast<json::number_unsigned_t>(high))
            node.error(std::to_string(u) + " is above " + std::to_string(high));
        v = static_cast<long>(u);
    } else if (node.value.is_number_integer()) {
        v = static_cast<long>(node.value.get<json::number_integer_t>());
    } else {
        node.error("expected a whole number");
    }
    if (v < low || v > high)
        node.error(std::to_string(v) + " is outside " + std::to_string(low) + " .. " +
                   std::to_string(high));
    return v;
}

QString toText(const Node &node)
{
    if (!node.value.is_string())
        node.error("expected a text");
    return QString::fromStdString(node.value.get<std::string>());
}

std::vector<double> numberRow(const Node &node, size_t n)
{
    arrayOfExactly(node, n);
    std::vector<double> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = toNumber(node.at(i));
    return out;
}

std::vector<std::vector<double>> numberTable(const Node &node, size_t rows, size_t cols)
{
    arrayOfExactly(node, rows);
    std::vector<std::vector<double>> out(rows);
    for (size_t r = 0; r < rows; ++r)
        out[r] = numberRow(node.at(r), cols);
    return out;
}

std::vector<int16_t> int16List(const Node &node, size_t low)
{
    const size_t n = arrayOf(node, low, MaxCount16);
    std::vector<int16_t> out(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<int16_t>(toInteger(node.at(i), -32768, 32767));
    return out;
}

std::vector<QString> shortNames(const Node &node, size_t high, NameList list)
{
    const size_t n = arrayOf(node, 1, high);
    std::vector<QString> out(n);
    NameShiftKey key(list);
    for (size_t i = 0; i < n; ++i) {
        const Node item = node.at(i);
        out[i] = toText(item);
        const int k = key.next();
        if (out[i].size() > MaxShortNameLength)
            item.error("\"" + out[i].toStdString() + "\" is longer than 18 characters");
        if (!isAnsiText(out[i]))
            item.error("\"" + out[i].toStdString() + "\" has a character outside Windows-1252");
        if (!encodeShiftedName(out[i], k))
            item.error("\"" + out[i].toStdString() +
                       "\" cannot be stored: a character shifted by its position and the key " +
                       std::to_string(k) + " has no Windows-1252 form");
    }
    return out;
}

QString wideText(const Node &node)
{
    QString text = toText(node);
    if (text.size() > MaxCount16)
        node.error("longer than 32767 characters");
    if (!isAnsiText(text))
        node.error("\"" + text.toStdString() + "\" has a character outside Windows-1252");
    return text;
}

void columnTable(const Node &annex, const char *nameKey, const char *lossKey, size_t years,
                 std::vector<QString> &names, std::vector<std::vector<double>> &losses)
{
    const Node nameNode = member(annex, nameKey);
    const size_t n = arrayOf(nameNode, 1, MaxCount16);
    names.resize(n);
    for (size_t i = 0; i < n; ++i)
        names[i] = wideText(nameNode.at(i));
    losses = numberTable(member(annex, lossKey), years, n);
}

Annex annexFromJson(const Node &node)
{
    requireObject(node,
                  {"AnnexName", "AnnexYear", "AtmosColName", "AtmosLoss", "SoilColName", "SoilLoss",
                   "WaterColName", "WaterLoss"},
                  {});
    Annex a;
    a.AnnexName = wideText(member(node, "AnnexName"));
    a.AnnexYear = int16List(member(node, "AnnexYear"), 1);
    const size_t years = a.AnnexYear.size();
    columnTable(node, "AtmosColName", "AtmosLoss", years, a.AtmosColName, a.AtmosLoss);
    columnTable(node, "SoilColName", "SoilLoss", years, a.SoilColName, a.SoilLoss);
    columnTable(node, "WaterColName", "WaterLoss", years, a.WaterColName, a.WaterLoss);
    return a;
}

} // namespace

json catalogueToJson(const Catalogue &c)
{
    json out = json::object();
    out["FamilyName"] = texts(c.FamilyName);
    json ranges = json::array();
    for (const auto &r : c.FamilyRange)
        ranges.push_back({r[0], r[1]});
    out["FamilyRange"] = ranges;
    out["LossStep"] = integers(c.LossStep);
    out["RedA"] = rows(c.RedA);
    out["RedI"] = rows(c.RedI);
    out["RedWel"] = rows(c.RedWel);
    out["SectionName"] = texts(c.SectionName);
    out["SectionWidth"] = numbers(c.SectionWidth);
    out["SectionMass"] = numbers(c.SectionMass);
    out["SectionTf"] = numbers(c.SectionTf);
    out["SectionTw"] = numbers(c.SectionTw);
    out["SectionMaxLength"] = numbers(c.SectionMaxLength);
    out["GradeName"] = texts(c.GradeName);
    out["GradeFy"] = numbers(c.GradeFy);
    out["GradeFyKsi"] = numbers(c.GradeFyKsi);
    json availability = json::array();
    for (const auto row : c.Availability)
        availability.push_back(std::vector<int>(row.begin(), row.end()));
    out["Availability"] = availability;
    json annexes = json::array();
    for (const Annex &a : c.Annexes) {
        annexes.push_back({
            {"AnnexName", a.AnnexName.toStdString()},
            {"AnnexYear", integers(a.AnnexYear)},
            {"AtmosColName", texts(a.AtmosColName)},
            {"AtmosLoss", rows(a.AtmosLoss)},
            {"SoilColName", texts(a.SoilColName)},
            {"SoilLoss", rows(a.SoilLoss)},
            {"WaterColName", texts(a.WaterColName)},
            {"WaterLoss", rows(a.WaterLoss)},
        });
    }
    out["Annexes"] = annexes;
    out["ServiceLife"] = integers(c.ServiceLife);
    out["ProtectionYears"] = integers(c.ProtectionYears);
    out["MaxWallLength"] = number(c.MaxWallLength);
    out["MaxCorrosionRate"] = number(c.MaxCorrosionRate);
    out["MaxWallLengthFt"] = number(c.MaxWallLengthFt);
    out["MaxMoment"] = Catalogue::MaxMoment;
    out["MaxLoad"] = Catalogue::MaxLoad;
    out["MaxDeflection"] = Catalogue::MaxDeflection;
    out["MaxMomentImp"] = number(c.MaxMomentImp);
    out["MaxLoadImp"] = number(c.MaxLoadImp);
    out["MaxDeflectionImp"] = number(c.MaxDeflectionImp);
    return out;
}

Catalogue catalogueFromJson(const json &source)
{
    const Node root{source, ""};
    requireObject(root,
                  {"FamilyName",
                   "FamilyRange",
                   "LossStep",
                   "RedA",
                   "RedI",
                   "RedWel",
                   "SectionName",
                   "SectionWidth",
                   "SectionMass",
                   "SectionTf",
                   "SectionTw",
                   "SectionMaxLength",
                   "GradeName",
                   "GradeFy",
                   "GradeFyKsi",
                   "Availability",
                   "Annexes",
                   "ServiceLife",
                   "ProtectionYears",
                   "MaxWallLength",
                   "MaxCorrosionRate"},
                  {"MaxWallLengthFt", "MaxMoment", "MaxLoad", "MaxDeflection", "MaxMomentImp",
                   "MaxLoadImp", "MaxDeflectionImp"});

    Catalogue c;
    c.FamilyName = shortNames(member(root, "FamilyName"), MaxCount16, NameList::Family);
    c.SectionName = shortNames(member(root, "SectionName"), MaxCount16, NameList::Section);
    c.GradeName = shortNames(member(root, "GradeName"), 127, NameList::Grade);
    const size_t families = c.FamilyName.size();
    const size_t sections = c.SectionName.size();
    const size_t grades = c.GradeName.size();

    const Node ranges = member(root, "FamilyRange");
    arrayOfExactly(ranges, families + 1);
    for (size_t r = 0; r <= families; ++r) {
        const Node pair = ranges.at(r);
        arrayOfExactly(pair, 2);
        c.FamilyRange.push_back({static_cast<int16_t>(toInteger(pair.at(0), -32768, 32767)),
                                 static_cast<int16_t>(toInteger(pair.at(1), -32768, 32767))});
    }

    c.LossStep = int16List(member(root, "LossStep"), 1);
    const size_t steps = c.LossStep.size();
    c.RedA.assignRows(numberTable(member(root, "RedA"), steps, sections));
    c.RedI.assignRows(numberTable(member(root, "RedI"), steps, sections));
    c.RedWel.assignRows(numberTable(member(root, "RedWel"), steps, sections));

    c.SectionWidth = numberRow(member(root, "SectionWidth"), sections);
    c.SectionMass = numberRow(member(root, "SectionMass"), sections);
    c.SectionTf = numberRow(member(root, "SectionTf"), sections);
    c.SectionTw = numberRow(member(root, "SectionTw"), sections);
    c.SectionMaxLength = numberRow(member(root, "SectionMaxLength"), sections);

    c.GradeFy = numberRow(member(root, "GradeFy"), grades);
    c.GradeFyKsi = numberRow(member(root, "GradeFyKsi"), grades);
    const Node availability = member(root, "Availability");
    arrayOfExactly(availability, sections);
    std::vector<int8_t> codes;
    codes.reserve(sections * grades);
    for (size_t s = 0; s < sections; ++s) {
        const Node row = availability.at(s);
        arrayOfExactly(row, grades);
        for (size_t g = 0; g < grades; ++g)
            codes.push_back(static_cast<int8_t>(toInteger(row.at(g), -128, 127)));
    }
    c.Availability.assign(sections, grades, codes.data());

    const Node annexes = member(root, "Annexes");
    const size_t annexCount = arrayOf(annexes, 0, MaxCount16);
    for (size_t a = 0; a < annexCount; ++a)
        c.Annexes.push_back(annexFromJson(annexes.at(a)));

    c.ServiceLife = int16List(member(root, "ServiceLife"), 1);
    c.ProtectionYears = int16List(member(root, "ProtectionYears"), 1);
    c.MaxWallLength = toNumber(member(root, "MaxWallLength"));
    c.MaxCorrosionRate = toNumber(member(root, "MaxCorrosionRate"));

    if (const auto d = findCatalogueDamage(c))
        throw CatalogueSourceError(d->field.toStdString(), d->reason.toStdString());
    c.deriveLoadedValues();
    return c;
}

} // namespace pc
