#include "output/design_file.h"

#include "output/json_depth.h"
#include "output/whole_file.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <initializer_list>
#include <string>

namespace pc {

namespace {

using Json = nlohmann::ordered_json;

// A design is a few hundred bytes; anything much larger is not one, and is
// not read into memory.
constexpr qint64 MaxDesignFileBytes = 1 << 20;

const char *const ExposureNames[] = {"atmospheric", "soil", "water"};

// A refusal on its way out of the reader.
struct Refusal
{
    DesignFileFault fault;
};

[[noreturn]] void refuse(const QString &key, const QString &reason)
{
    throw Refusal{{key, reason}};
}

QString joined(const QString &path, const char *key)
{
    return path.isEmpty() ? QString::fromUtf8(key)
                          : path + QLatin1Char('.') + QString::fromUtf8(key);
}

std::string text(const QString &s)
{
    return s.toStdString();
}

Json optionalText(const std::optional<QString> &s)
{
    return s ? Json(text(*s)) : Json(nullptr);
}

// An object whose keys are exactly `keys`: a missing key or one the format
// does not know is named.
const Json &object(const Json &j, const QString &path, std::initializer_list<const char *> keys)
{
    if (!j.is_object())
        refuse(path.isEmpty() ? QStringLiteral("(document)") : path,
               QStringLiteral("is not an object"));
    for (const char *k : keys)
        if (!j.contains(k))
            refuse(joined(path, k), QStringLiteral("is missing"));
    for (auto it = j.begin(); it != j.end(); ++it) {
        bool known = false;
        for (const char *k : keys)
            known = known || it.key() == k;
        if (!known)
            refuse(joined(path, QString::fromStdString(it.key()).toUtf8().constData()),
                   QStringLiteral("is not a key of a design"));
    }
    return j;
}

QString readText(const Json &j, const QString &key)
{
    if (!j.is_string())
        refuse(key, QStringLiteral("is not a text"));
    return QString::fromStdString(j.get<std::string>());
}

std::optional<QString> readOptionalText(const Json &j, const QString &key)
{
    if (j.is_null())
        return std::nullopt;
    if (!j.is_string())
        refuse(key, QStringLiteral("is neither a text nor null"));
    return QString::fromStdString(j.get<std::string>());
}

bool readBool(const Json &j, const QString &key)
{
    if (!j.is_boolean())
        refuse(key, QStringLiteral("is not true or false"));
    return j.get<bool>();
}

// A finite number; the window decides which range it takes.
double readNumber(const Json &j, const QString &key)
{
    if (!j.is_number())
        refuse(key, QStringLiteral("is not a number"));
    const double v = j.get<double>();
    if (!std::isfinite(v))
        refuse(key, QStringLiteral("is not a finite number"));
    return v;
}

// A whole number of years, 0 to 32767 (what the window's lists can hold).
int readYears(const Json &j, const QString &key)
{
    const double v = readNumber(j, key);
    if (!(v >= 0 && v <= 32767) || v != std::floor(v))
        refuse(key, QStringLiteral("is not a whole number of years from 0 to 32767"));
    return static_cast<int>(v);
}

template <typename E>
E readChoice(const Json &j, const QString &key,
             std::initializer_list<std::pair<const char *, E>> choices)
{
    const QString t = readText(j, key);
    QStringList names;
    for (const auto &[name, value] : choices) {
        if (t == QLatin1String(name))
            return value;
        names << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    }
    refuse(key,
           QStringLiteral("is \"%1\", not one of %2").arg(t, names.join(QStringLiteral(", "))));
}

Json faceJson(const DesignFace &f)
{
    Json j;
    j["exposure"] = text(exposureName(f.exposure));
    j["detail"] = optionalText(f.detail);
    j["protection_years"] = f.protectionYears;
    j["project_value"] = f.projectValue;
    j["project_description"] = text(f.projectDescription);
    return j;
}

DesignFace readFace(const Json &j, const QString &path)
{
    object(j, path,
           {"exposure", "detail", "protection_years", "project_value", "project_description"});
    DesignFace f;
    f.exposure = readChoice<DesignExposure>(j["exposure"], joined(path, "exposure"),
                                            {{ExposureNames[0], DesignExposure::Atmospheric},
                                             {ExposureNames[1], DesignExposure::Soil},
                                             {ExposureNames[2], DesignExposure::Water}});
    f.detail = readOptionalText(j["detail"], joined(path, "detail"));
    f.protectionYears = readYears(j["protection_years"], joined(path, "protection_years"));
    f.projectValue = readNumber(j["project_value"], joined(path, "project_value"));
    f.projectDescription = readText(j["project_description"], joined(path, "project_description"));
    return f;
}

Design readDesign(const Json &doc)
{
    if (!doc.is_object() || !doc.contains("format"))
        refuse(QStringLiteral("format"), QStringLiteral("is missing: this is not a design file"));
    const Json &format = doc["format"];
    if (!format.is_number_integer() || format.get<long long>() != DesignFormatVersion)
        refuse(QStringLiteral("format"),
               QStringLiteral("is %1, not a design format this program reads (%2)")
                   .arg(QString::fromStdString(format.dump()))
                   .arg(DesignFormatVersion));
    object(doc, QString(),
           {"format", "units", "family", "section", "grade", "show_all_grades", "reduction",
            "actions", "lengths", "search", "corrosion"});
    Design d;
    d.metric = readChoice<bool>(doc["units"], QStringLiteral("units"),
                                {{"metric", true}, {"imperial", false}});
    d.family = readOptionalText(doc["family"], QStringLiteral("family"));
    d.section = readOptionalText(doc["section"], QStringLiteral("section"));
    d.grade = readOptionalText(doc["grade"], QStringLiteral("grade"));
    d.showAllGrades = readBool(doc["show_all_grades"], QStringLiteral("show_all_grades"));
    d.reduction = readOptionalText(doc["reduction"], QStringLiteral("reduction"));

    const Json &actions =
        object(doc["actions"], QStringLiteral("actions"), {"moment", "load", "deflection"});
    d.moment = readNumber(actions["moment"], QStringLiteral("actions.moment"));
    d.load = readNumber(actions["load"], QStringLiteral("actions.load"));
    d.deflection = readNumber(actions["deflection"], QStringLiteral("actions.deflection"));

    const Json &lengths = object(doc["lengths"], QStringLiteral("lengths"), {"wall", "pile"});
    d.wallLength = readNumber(lengths["wall"], QStringLiteral("lengths.wall"));
    d.pileLength = readNumber(lengths["pile"], QStringLiteral("lengths.pile"));

    const Json &search =
        object(doc["search"], QStringLiteral("search"), {"mode", "sfmin", "sfmax"});
    d.searchMode = readChoice<DesignSearchMode>(
        search["mode"], QStringLiteral("search.mode"),
        {{"section", DesignSearchMode::Section}, {"sfmin", DesignSearchMode::Sfmin}});
    d.sfMin = readNumber(search["sfmin"], QStringLiteral("search.sfmin"));
    d.sfMax = readNumber(search["sfmax"], QStringLiteral("search.sfmax"));

    const Json &c = object(doc["corrosion"], QStringLiteral("corrosion"),
                           {"rates", "annex", "service_life", "project_mode", "front", "back"});
    d.rates = readChoice<DesignRateSource>(
        c["rates"], QStringLiteral("corrosion.rates"),
        {{"tables", DesignRateSource::Tables}, {"project", DesignRateSource::Project}});
    d.annex = readOptionalText(c["annex"], QStringLiteral("corrosion.annex"));
    d.serviceLife = readYears(c["service_life"], QStringLiteral("corrosion.service_life"));
    d.projectMode = readChoice<DesignProjectMode>(
        c["project_mode"], QStringLiteral("corrosion.project_mode"),
        {{"rates", DesignProjectMode::Rates}, {"total_loss", DesignProjectMode::TotalLoss}});
    d.front = readFace(c["front"], QStringLiteral("corrosion.front"));
    d.back = readFace(c["back"], QStringLiteral("corrosion.back"));
    return d;
}

} // namespace

QString exposureName(DesignExposure e)
{
    return QString::fromLatin1(ExposureNames[static_cast<int>(e)]);
}

QByteArray designToJson(const Design &d)
{
    Json j;
    j["format"] = DesignFormatVersion;
    j["units"] = d.metric ? "metric" : "imperial";
    j["family"] = optionalText(d.family);
    j["section"] = optionalText(d.section);
    j["grade"] = optionalText(d.grade);
    j["show_all_grades"] = d.showAllGrades;
    j["reduction"] = optionalText(d.reduction);
    j["actions"] = {{"moment", d.moment}, {"load", d.load}, {"deflection", d.deflection}};
    j["lengths"] = {{"wall", d.wallLength}, {"pile", d.pileLength}};
    j["search"] = {{"mode", d.searchMode == DesignSearchMode::Sfmin ? "sfmin" : "section"},
                   {"sfmin", d.sfMin},
                   {"sfmax", d.sfMax}};
    Json c;
    c["rates"] = d.rates == DesignRateSource::Project ? "project" : "tables";
    c["annex"] = optionalText(d.annex);
    c["service_life"] = d.serviceLife;
    c["project_mode"] = d.projectMode == DesignProjectMode::TotalLoss ? "total_loss" : "rates";
    c["front"] = faceJson(d.front);
    c["back"] = faceJson(d.back);
    j["corrosion"] = c;
    const std::string out = j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

std::variant<Design, DesignFileFault> designFromJson(const QByteArray &bytes)
{
    if (jsonNestingDepth(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                         MaxJsonNesting) > MaxJsonNesting)
        return DesignFileFault{
            QStringLiteral("file"),
            QStringLiteral("nests arrays and objects deeper than %1 levels").arg(MaxJsonNesting)};
    const Json doc = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (doc.is_discarded())
        return DesignFileFault{QStringLiteral("file"), QStringLiteral("is not a JSON document")};
    try {
        return readDesign(doc);
    } catch (const Refusal &r) {
        return r.fault;
    } catch (const nlohmann::json::exception &) {
        // A number that does not convert, for one: the reader names every
        // case it knows, this only keeps a surprise from ending the program.
        return DesignFileFault{QStringLiteral("file"), QStringLiteral("is not a design file")};
    }
}

std::variant<Design, DesignFileFault> readDesignFile(const QString &path)
{
    const QString fileKey = QStringLiteral("file");
    if (path.isEmpty())
        return DesignFileFault{fileKey, QStringLiteral("no file name")};
    const FileRead read = readRegularFile(path, MaxDesignFileBytes);
    switch (read.fault) {
    case FileRead::None:
        return designFromJson(read.bytes);
    case FileRead::TooLarge:
        return DesignFileFault{fileKey, QStringLiteral("it is far larger than a design file")};
    default:
        return DesignFileFault{fileKey, fileReadReason(read)};
    }
}

} // namespace pc
