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
    // The driver's names of the run-state values ($DesignMoment, ...) and
    // where each lives in the run state's records.
#define PC_STATE_AT(name, field)                                                                   \
    {                                                                                              \
        QStringLiteral(#name),                                                                     \
            [](const App &a, const ScriptedPlatform &) { return num(a.s.field); }                  \
    }
#define PC_STATE(field) PC_STATE_AT(field, field)
#define PC_TEXT(field)                                                                             \
    {                                                                                              \
        QStringLiteral(#field),                                                                    \
            [](const App &a, const ScriptedPlatform &) { return jsonString(a.s.field); }           \
    }
    static const std::map<QString, Getter> table = {
        PC_STATE_AT(DesignMoment, actions.moment),
        PC_STATE_AT(DesignLoad, actions.load),
        PC_STATE_AT(DesignDeflection, actions.deflection),
        PC_STATE_AT(SfMinRequired, band.sfMin),
        PC_STATE_AT(SfMaxRequired, band.sfMax),
        PC_STATE_AT(SfIni, factors.sfIni),
        PC_STATE_AT(SfRed, factors.sfRed),
        PC_STATE(CurrentFy),
        PC_STATE_AT(WelIni, initial.wel),
        PC_STATE_AT(WelRed, reduced.wel),
        PC_STATE_AT(IIni, initial.i),
        PC_STATE_AT(IRed, reduced.i),
        PC_STATE_AT(AIni, initial.a),
        PC_STATE_AT(ARed, reduced.a),
        PC_STATE_AT(TfIni, initial.tf),
        PC_STATE_AT(TfRed, reduced.tf),
        PC_STATE_AT(TwIni, initial.tw),
        PC_STATE_AT(TwRed, reduced.tw),
        PC_STATE(CurrentWidth),
        PC_STATE(CurrentMass),
        PC_STATE_AT(LossFront, losses.front),
        PC_STATE_AT(LossBack, losses.back),
        PC_STATE_AT(LossFrontReduced, losses.frontReduced),
        PC_STATE_AT(LossTotal, losses.total),
        PC_STATE_AT(LossTotalMils, losses.totalMils),
        PC_STATE(CurrentServiceLife),
        PC_STATE(ProtectionFront),
        PC_STATE(ProtectionBack),
        PC_STATE_AT(WallLength, lengths.wall),
        PC_STATE_AT(SspLength, lengths.pile),
        PC_STATE_AT(SspPairCount, quantities.pairCount),
        PC_STATE_AT(CoveredWallLength, quantities.coveredLength),
        PC_STATE_AT(SteelMassTotal, quantities.massTotal),
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
             for (auto v : a.s.GradeListMap)
                 e.push_back(jsonInt(v));
             return jsonArray(e);
         }},
        PC_STATE(CurrentAnnex),
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
#undef PC_STATE_AT
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
