// The settings file: the unit system, Sfmin and Sfmax between runs. Read once
// while the main window is created, written once when it closes.

#include "catalogue/section_list.h"
#include "units/format.h"
#include "window/app.h"
#include "window/settings_file.h"

namespace pc {

void App::ReadSettings()
{
    const QChar decimal = p.decimalSeparator();
    const StoredSettings stored = readSettingsFile(options.settingsPath);

    // A missing key or a value that is not a whole number keeps the unit
    // system as it is (imperial at this point of start-up).
    if (stored.metric)
        if (const auto metric = parseInteger(*stored.metric))
            s.UnitsMetric = *metric != 0;

    // Each text that differs from the field's runs the field's change
    // handler, which stores and checks it and re-runs the section search.
    f.Edit_Sfmin.setText(stored.sfMin.value_or(QString()));
    f.Edit_SfMax.setText(stored.sfMax.value_or(QString()));

    const auto sfMin = parseNumber(f.Edit_Sfmin.text(), decimal);
    if (sfMin)
        s.band.sfMin = *sfMin;
    const auto sfMax = parseNumber(f.Edit_SfMax.text(), decimal);
    if (sfMax)
        s.band.sfMax = *sfMax;

    // Without both numbers all three settings take their defaults together.
    if (!sfMin || !sfMax) {
        // The lists were built in the unit system read so far. The working fy
        // follows the flag, as it does in a unit switch: left in the other
        // system, every refresh of the grade list would see a change of fy
        // and refill the section list, which refreshes the grade list again,
        // without end.
        s.UnitsMetric = true;
        const int grade = f.CB_SteelGrades.itemIndex();
        if (grade >= 0)
            s.CurrentFy = workingFyOfItem(cat(), s.GradeListMap, s.GradeListCount, grade, true);
        f.Edit_Sfmin.setText(settingsNumberText(decimal, SettingsDefaultSfMin));
        s.band.sfMin = SettingsDefaultSfMin;
        f.Edit_SfMax.setText(settingsNumberText(decimal, SettingsDefaultSfMax));
        s.band.sfMax = SettingsDefaultSfMax;
    }

    if (s.UnitsMetric) {
        f.MenuMetric.click();
    } else {
        ShowImperialUnitLabels();
        f.MenuImperial.click();
    }
}

void App::WriteSettings()
{
    if (options.settingsPath.isEmpty())
        return;
    const QChar decimal = p.decimalSeparator();
    const QString sfMin = settingsSfMinText(f.Edit_Sfmin.text(), decimal);
    const QString sfMax = settingsSfMaxText(f.Edit_SfMax.text(), f.Edit_Sfmin.text(), decimal);
    const QString metric = s.UnitsMetric ? QStringLiteral("1") : QStringLiteral("0");
    if (!writeSettingsFile(options.settingsPath, metric, sfMin, sfMax))
        p.message(MessageKind::Plain, ApplicationTitle,
                  QStringLiteral("The settings could not be saved in\r\n") + options.settingsPath);
}

} // namespace pc
