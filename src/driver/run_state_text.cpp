#include "driver/run_state_text.h"

#include "driver/json_text.h"
#include "platform/scripted_platform.h"
#include "window/app.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <map>

namespace pc::driver {

namespace {

using Getter = std::function<std::string(const App &, const ScriptedPlatform &)>;

template <typename T> std::string num(T v)
{
    return jsonNumber(static_cast<double>(v));
}

// A description the platform recorded (clipboard, printed page).
std::string clipboardJson(const QString &description)
{
    if (description.isEmpty())
        return "null";
    // The description is JSON already, its keys in the order they were
    // written; anything else is printed as a text.
    const std::string raw = description.toStdString();
    if (nlohmann::ordered_json::accept(raw))
        return nlohmann::ordered_json::parse(raw).dump(
            -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    return jsonString(description);
}

const std::map<QString, Getter> &getters()
{
#define PC_STATE(field)                                                                            \
    {                                                                                              \
        QStringLiteral(#field),                                                                    \
            [](const App &a, const ScriptedPlatform &) { return num(a.s.field); }                  \
    }
#define PC_TEXT(field)                                                                             \
    {                                                                                              \
        QStringLiteral(#field),                                                                    \
            [](const App &a, const ScriptedPlatform &) { return jsonString(a.s.field); }           \
    }
    static const std::map<QString, Getter> table = {
        PC_STATE(DesignMoment),
        PC_STATE(DesignLoad),
        PC_STATE(DesignDeflection),
        PC_STATE(SfMinRequired),
        PC_STATE(SfMaxRequired),
        PC_STATE(SfIni),
        PC_STATE(SfRed),
        PC_STATE(CurrentFy),
        PC_STATE(WelIni),
        PC_STATE(WelRed),
        PC_STATE(IIni),
        PC_STATE(IRed),
        PC_STATE(AIni),
        PC_STATE(ARed),
        PC_STATE(TfIni),
        PC_STATE(TfRed),
        PC_STATE(TwIni),
        PC_STATE(TwRed),
        PC_STATE(CurrentWidth),
        PC_STATE(CurrentMass),
        PC_STATE(LossFront),
        PC_STATE(LossBack),
        PC_STATE(LossFrontReduced),
        PC_STATE(LossTotal),
        PC_STATE(LossTotalMils),
        PC_STATE(CurrentServiceLife),
        PC_STATE(ProtectionFront),
        PC_STATE(ProtectionBack),
        PC_STATE(WallLength),
        PC_STATE(SspLength),
        PC_STATE(SspPairCount),
        PC_STATE(CoveredWallLength),
        PC_STATE(SteelMassTotal),
        PC_STATE(MaxSSPLength),
        PC_STATE(MaxSSPLengthImp),
        PC_STATE(GradeListCount),
        PC_STATE(LastFrontExposure),
        PC_STATE(LastBackExposure),
        PC_TEXT(CurrentSectionName),
        PC_TEXT(CurrentSectionLabel),
        PC_TEXT(CurrentGradeText),
        {QStringLiteral("UnitsMetric"),
         [](const App &a, const ScriptedPlatform &) { return jsonBool(a.s.UnitsMetric); }},
        {QStringLiteral("SectionListMap"),
         [](const App &a, const ScriptedPlatform &) {
             std::vector<std::string> e;
             for (auto v : a.s.SectionListMap)
                 e.push_back(jsonInt(v));
             return jsonArray(e);
         }},
        {QStringLiteral("GradeListMap"),
         [](const App &a, const ScriptedPlatform &) {
             std::vector<std::string> e;
             for (auto v : a.cat().GradeListMap)
                 e.push_back(jsonInt(v));
             return jsonArray(e);
         }},
        {QStringLiteral("CurrentAnnex"),
         [](const App &a, const ScriptedPlatform &) { return jsonInt(a.cat().CurrentAnnex); }},
        {QStringLiteral("Beeps"),
         [](const App &, const ScriptedPlatform &p) { return jsonInt(p.beeps()); }},
        {QStringLiteral("ExclamationBeeps"),
         [](const App &, const ScriptedPlatform &p) { return jsonInt(p.exclamationBeeps()); }},
        {QStringLiteral("Messages"),
         [](const App &, const ScriptedPlatform &p) { return jsonStrings(p.messageTexts()); }},
        {QStringLiteral("Clipboard"),
         [](const App &, const ScriptedPlatform &p) {
             return clipboardJson(p.clipboardDescription());
         }},
        {QStringLiteral("Printed"),
         [](const App &, const ScriptedPlatform &p) {
             return clipboardJson(p.printedDescription());
         }},
        {QStringLiteral("ChartOutputs"),
         [](const App &, const ScriptedPlatform &p) { return jsonStrings(p.chartOutputs()); }},
        {QStringLiteral("Ended"),
         [](const App &a, const ScriptedPlatform &) { return jsonBool(a.ended()); }},
        {QStringLiteral("ExitCode"),
         [](const App &a, const ScriptedPlatform &) { return jsonInt(a.exitCode()); }},
    };
#undef PC_STATE
#undef PC_TEXT
    return table;
}

} // namespace

std::optional<std::string> runStateJson(const App &app, const ScriptedPlatform &platform,
                                        const QString &name)
{
    const auto &table = getters();
    auto it = table.find(name);
    if (it == table.end())
        return std::nullopt;
    return it->second(app, platform);
}

} // namespace pc::driver
