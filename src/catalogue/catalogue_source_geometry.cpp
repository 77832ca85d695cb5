#include "catalogue/catalogue_source_geometry.h"

#include "catalogue/catalogue_json.h"
#include "catalogue/section_geometry.h"
#include "units/rounding.h"

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace pc {

namespace {

using nlohmann::json;

constexpr int MaxNameLength = 18;

// `field` is the path of the faulty value, as the plain source's errors give it.
[[noreturn]] void fail(const std::string &field, const std::string &reason)
{
    throw CatalogueSourceError(field, reason);
}

// The catalogue keeps properties to the precision a maker's table gives.
double roundTo(double x, int pow10)
{
    return static_cast<double>(roundToPow10(static_cast<Extended>(x), pow10));
}

double number(const json &obj, const char *key, const std::string &where)
{
    const auto it = obj.find(key);
    if (it == obj.end())
        fail(where, std::string("\"") + key + "\" is missing");
    if (!it->is_number() || !std::isfinite(it->get<double>()))
        fail(where, std::string("\"") + key + "\" must be a number");
    return it->get<double>();
}

double optionalNumber(const json &obj, const char *key, const std::string &where)
{
    return obj.contains(key) ? number(obj, key, where) : 0.0;
}

std::vector<double> column(const json &obj, const char *key, size_t rows, const std::string &where)
{
    const auto it = obj.find(key);
    if (it == obj.end() || !it->is_array())
        fail(where, std::string("\"") + key + "\" must be an array with one value per loss step");
    if (it->size() != rows)
        fail(where, std::string("\"") + key + "\" has " + std::to_string(it->size()) +
                        " values for " + std::to_string(rows) + " loss steps");
    std::vector<double> out;
    for (const json &v : *it) {
        if (!v.is_number() || !std::isfinite(v.get<double>()))
            fail(where, std::string("\"") + key + "\" holds a value that is not a number");
        out.push_back(v.get<double>());
    }
    return out;
}

} // namespace

PairGeometry pairGeometryFromJson(const json &g, const std::string &where)
{
    if (!g.is_object())
        fail(where, "\"Geometry\" must be an object");
    PairGeometry p;
    const auto shape = g.find("Shape");
    if (shape == g.end() || !shape->is_string())
        fail(where, "\"Geometry\" needs \"Shape\": \"Z\" or \"U\"");
    if (*shape == "Z")
        p.shape = PileShape::Z;
    else if (*shape == "U")
        p.shape = PileShape::U;
    else
        fail(where, "\"Shape\" must be \"Z\" or \"U\"");
    p.width = number(g, "Width", where);
    p.height = number(g, "Height", where);
    p.tf = number(g, "Tf", where);
    p.tw = number(g, "Tw", where);
    p.webAngle = optionalNumber(g, "WebAngle", where);
    p.flangeWidth = optionalNumber(g, "FlangeWidth", where);
    p.interlockArea = optionalNumber(g, "InterlockArea", where);
    if (g.contains("WebAngle") && g.contains("FlangeWidth"))
        fail(where, "give either \"WebAngle\" or \"FlangeWidth\", not both");
    const QString problem = checkPairGeometry(p);
    if (!problem.isEmpty())
        fail(where, "geometry refused: " + problem.toStdString());
    return p;
}

namespace {

std::vector<int> availabilityOf(const json &sec, const std::vector<std::string> &grades,
                                const std::string &where)
{
    const auto it = sec.find("Availability");
    // Grades a section does not name are available: most sections are rolled
    // in most grades, and the source lists only the exceptions.
    std::vector<int> codes(grades.size(), 1);
    if (it == sec.end())
        return codes;
    auto code = [&where](const json &v) {
        if (!v.is_number_integer() || v.get<int>() < 0 || v.get<int>() > 3)
            fail(where, "an availability code must be 0, 1, 2 or 3");
        return v.get<int>();
    };
    if (it->is_array()) {
        if (it->size() != grades.size())
            fail(where, "\"Availability\" needs one code per grade (" +
                            std::to_string(grades.size()) + ")");
        for (size_t g = 0; g < grades.size(); ++g)
            codes[g] = code((*it)[g]);
    } else if (it->is_object()) {
        for (const auto &[name, value] : it->items()) {
            size_t g = 0;
            while (g < grades.size() && grades[g] != name)
                ++g;
            if (g == grades.size())
                fail(where, "\"Availability\" names the unknown grade \"" + name + "\"");
            codes[g] = code(value);
        }
    } else {
        fail(where, "\"Availability\" must be an array of codes or an object by grade name");
    }
    return codes;
}

std::vector<std::string> gradeNames(const json &source)
{
    const auto it = source.find("GradeName");
    if (it == source.end() || !it->is_array() || it->empty())
        fail("GradeName",
             "\"GradeName\" must list the grades before sections can give availability");
    std::vector<std::string> names;
    for (const json &n : *it) {
        if (!n.is_string())
            fail("GradeName", "\"GradeName\" must hold texts");
        names.push_back(n.get<std::string>());
    }
    return names;
}

std::vector<int> lossSteps(const json &source)
{
    const auto it = source.find("LossStep");
    if (it == source.end() || !it->is_array() || it->empty())
        fail("LossStep", "\"LossStep\" must list the loss steps in whole mm");
    std::vector<int> steps;
    for (const json &v : *it) {
        if (!v.is_number_integer())
            fail("LossStep", "\"LossStep\" must hold whole numbers of mm");
        steps.push_back(v.get<int>());
    }
    return steps;
}

// Catalogue names are short texts; a longer one would be cut on reading and
// could then clash with another.
std::string shortName(const json &v, const std::string &where, const char *what)
{
    if (!v.is_string())
        fail(where, std::string(what) + " must be a text");
    const std::string name = v.get<std::string>();
    if (QString::fromStdString(name).size() > MaxNameLength)
        fail(where, std::string(what) + " \"" + name + "\" is longer than 18 characters");
    return name;
}

const char *const PlainSectionKeys[] = {
    "SectionName", "SectionWidth", "SectionMass", "SectionTf",    "SectionTw",   "SectionMaxLength",
    "RedA",        "RedI",         "RedWel",      "Availability", "FamilyRange",
};

} // namespace

nlohmann::json expandSectionGeometry(const nlohmann::json &source)
{
    if (!source.is_object() || !source.contains("Sections"))
        return source;
    const json &sections = source["Sections"];
    if (!sections.is_array() || sections.empty())
        fail("Sections", "\"Sections\" must be an array of at least one section");
    for (const char *key : PlainSectionKeys)
        if (source.contains(key))
            fail(key, std::string("\"") + key + "\" cannot be given beside \"Sections\"");

    const std::vector<int> steps = lossSteps(source);
    const std::vector<std::string> grades = gradeNames(source);
    const size_t rows = steps.size();

    // Families in the order given, or in order of first appearance.
    std::vector<std::string> families;
    const bool familiesGiven = source.contains("FamilyName");
    if (familiesGiven) {
        if (!source["FamilyName"].is_array())
            fail("FamilyName", "\"FamilyName\" must be an array of texts");
        for (const json &f : source["FamilyName"])
            families.push_back(shortName(f, "FamilyName", "a family name"));
    }
    std::map<std::string, std::pair<int, int>> range;

    json names = json::array(), widths = json::array(), masses = json::array(), tfs = json::array(),
         tws = json::array(), lengths = json::array(), availability = json::array();
    std::vector<json> redA(rows, json::array()), redI(rows, json::array()),
        redWel(rows, json::array());
    std::string lastFamily;

    for (size_t s = 0; s < sections.size(); ++s) {
        const json &sec = sections[s];
        std::string where = "Sections[" + std::to_string(s) + "]";
        if (!sec.is_object())
            fail(where, "must be an object");
        const std::string name =
            shortName(sec.contains("Name") ? sec["Name"] : json(), where, "\"Name\"");
        where += " (" + name + ")";

        if (sec.contains("Family")) {
            const std::string family = shortName(sec["Family"], where, "\"Family\"");
            auto known = range.find(family);
            if (known != range.end() && lastFamily != family)
                fail(where, "the sections of family \"" + family + "\" must follow one another");
            if (known == range.end()) {
                bool listed = false;
                for (const std::string &f : families)
                    listed = listed || f == family;
                if (!listed) {
                    if (familiesGiven)
                        fail(where, "family \"" + family + "\" is not in \"FamilyName\"");
                    families.push_back(family);
                }
                range[family] = {static_cast<int>(s), static_cast<int>(s)};
            } else {
                known->second.second = static_cast<int>(s);
            }
            lastFamily = family;
        } else {
            lastFamily.clear();
        }

        names.push_back(name);
        lengths.push_back(number(sec, "MaxLength", where));
        availability.push_back(availabilityOf(sec, grades, where));

        if (sec.contains("Geometry")) {
            for (const char *key : {"RedA", "RedI", "RedWel", "Width", "Mass", "Tf", "Tw"})
                if (sec.contains(key))
                    fail(where, std::string("\"") + key + "\" cannot be given beside \"Geometry\"");
            const PairGeometry g = pairGeometryFromJson(sec["Geometry"], where);
            widths.push_back(g.width);
            masses.push_back(roundTo(pairMass(g), -1));
            tfs.push_back(g.tf);
            tws.push_back(g.tw);
            for (size_t r = 0; r < rows; ++r) {
                const WallProperties w = pairProperties(g, steps[r]);
                redA[r].push_back(roundTo(w.area, -1));
                redI[r].push_back(roundTo(w.inertia, 0));
                redWel[r].push_back(roundTo(w.wel, 0));
            }
        } else {
            widths.push_back(number(sec, "Width", where));
            masses.push_back(number(sec, "Mass", where));
            tfs.push_back(number(sec, "Tf", where));
            tws.push_back(number(sec, "Tw", where));
            const std::vector<double> a = column(sec, "RedA", rows, where);
            const std::vector<double> i = column(sec, "RedI", rows, where);
            const std::vector<double> w = column(sec, "RedWel", rows, where);
            for (size_t r = 0; r < rows; ++r) {
                redA[r].push_back(a[r]);
                redI[r].push_back(i[r]);
                redWel[r].push_back(w[r]);
            }
        }
    }

    // Row 0 of the family ranges is " ALL": every section.
    json familyRange = json::array();
    familyRange.push_back({0, static_cast<int>(sections.size()) - 1});
    for (const std::string &f : families) {
        const auto it = range.find(f);
        if (it == range.end())
            fail("FamilyName", "family \"" + f + "\" has no section");
        familyRange.push_back({it->second.first, it->second.second});
    }

    json out = source;
    out.erase("Sections");
    out["FamilyName"] = families;
    out["FamilyRange"] = familyRange;
    out["SectionName"] = names;
    out["SectionWidth"] = widths;
    out["SectionMass"] = masses;
    out["SectionTf"] = tfs;
    out["SectionTw"] = tws;
    out["SectionMaxLength"] = lengths;
    out["RedA"] = redA;
    out["RedI"] = redI;
    out["RedWel"] = redWel;
    out["Availability"] = availability;
    return out;
}

} // namespace pc
