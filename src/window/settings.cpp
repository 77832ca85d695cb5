// The settings file: unit system, Sfmin and Sfmax between runs.
//
// Until the file is read and written, a run starts as it would without a
// settings file (metric, Sfmin "1.50", Sfmax "10.00") and a close saves nothing.

#include "window/app.h"

namespace pc {

namespace {

const QString NoSettingsSfMax = QStringLiteral("10.00");
constexpr long double NoSettingsSfMin = 1.5L;
constexpr long double NoSettingsSfMaxValue = 10.0L;

} // namespace

void App::ReadSettings()
{
    // Writing Sfmax runs its change handler, which builds the section and
    // grade lists.
    s.UnitsMetric = true;
    f.MenuMetric.setChecked(true);
    f.Edit_SfMax.setText(NoSettingsSfMax);
    if (ended())
        return;
    s.SfMinRequired = NoSettingsSfMin;
    s.SfMaxRequired = NoSettingsSfMaxValue;
}

void App::WriteSettings() {}

} // namespace pc
