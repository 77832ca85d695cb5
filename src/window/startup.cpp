// Program start, the creation of the main window and its close. The logic
// steps run in their binding order; the steps of subsystems that are not in
// the program yet are marked where they belong.

#include "window/app.h"

#include "window/wiring.h"
#include "units/rounding.h"

namespace pc {

std::optional<Catalogue> defaultCatalogueLoader(Platform &platform); // load_catalogue.cpp

namespace {

// What the settings give when there is no settings file.
const QString NoSettingsSfMax = QStringLiteral("10.00");
constexpr long double NoSettingsSfMin = 1.5L;
constexpr long double NoSettingsSfMaxValue = 10.0L;

int scaled(int pixels, long double scale)
{
    return static_cast<int>(roundEven(pixels * scale));
}

} // namespace

App::App(Platform &platform, AppOptions opts)
    : p(platform), options(std::move(opts)), catalogueLoader(defaultCatalogueLoader)
{
    wireEvents();
}

void App::endProgram(int code)
{
    if (ended_)
        return;
    ended_ = true;
    exitCode_ = code;
}

void App::start()
{
    // The random generator and the toolkit belong to the platform.
    splash.Version.setCaption(VersionText);
    splash.show();

    // The application title is ApplicationTitle, the caption of plain
    // messages and of the disclaimer question.
    f.TForm1.setCaption(MainWindowCaption);
    FormCreate();
    if (ended_)
        return;

    about.Version.setCaption(splash.Version.caption());
    // The corrosion table window of annex 0 is created here by the table
    // window's own code once it is in the program.

    hintHidePause = HintHidePauseMs;

    // The event loop starts: the main window comes on screen (its active
    // page's show handler runs) and the splash loses activation, which asks
    // the liability question.
    f.show();
    if (options.askDisclaimer && !askDisclaimer()) {
        endProgram(0);
        return;
    }
    splash.hide();
}

void App::FormCreate()
{
    // The window's font is a presentation matter of the Qt program.

    SystemFormat.decimalSeparator = p.systemDecimalSeparator();

    if (!LoadCatalogue())
        return;

    // Settings: without a settings file the run is metric with Sfmin "1.50"
    // and Sfmax "10.00". Writing Sfmax runs its change handler, which builds
    // the section and grade lists. The settings file reader takes this place.
    s.UnitsMetric = true;
    f.MenuMetric.setChecked(true);
    f.Edit_SfMax.setText(NoSettingsSfMax);
    if (ended_)
        return;
    // The settings reader then takes both band values from the texts.
    s.SfMinRequired = NoSettingsSfMin;
    s.SfMaxRequired = NoSettingsSfMaxValue;

    RefreshGradeList(false);
    f.CB_SteelGrades.setItemIndex(0);
    // Corrosion: FitDropDownWidth(CB_EC3NAD) goes here.

    for (int16_t years : cat().ServiceLife)
        f.CB_ServiceLife.addItem(QLatin1Char(' ') + QString::number(years));

    // Corrosion: FillExposureDetails(front), FillExposureDetails(back).
    // Summary: SetUpSummaryGrid().
    // Property grid set-up.
    // Corrosion: MenuEC3RatesClick().

    const long double scale = p.pixelsPerInch() / 96.0L;
    f.SB1.setPanelWidth(0, scaled(300, scale));

    s.LastFrontExposure = 0;
    s.LastBackExposure = 0;

    for (form::Control *c : {&f.Lbl_Summary_Front4, &f.Lbl_Summary_Back4}) {
        c->setMaxHeight(scaled(c->maxHeight(), scale) + 5);
        c->setMaxWidth(scaled(c->maxWidth(), scale));
        c->setMinWidth(scaled(c->minWidth(), scale));
    }

    f.showPage(form::MainForm::PageInput);

    ShowBendingMomentCapacity();

    f.TabSheetSFTable.setTabVisible(false);
}

void App::FormClose()
{
    // The settings file writer saves the unit system, Sfmin and Sfmax here.
}

void App::closeMainWindow()
{
    if (ended_)
        return;
    FormClose();
    f.hide();
    endProgram(0);
}

void App::MenuCloseClick()
{
    closeMainWindow();
}

void App::MenuHelpClick()
{
    // The entry only opens its submenu.
}

void App::MenuToggleFontQualityClick()
{
    f.SB1.setVisible(false);
    fontQuality = fontQuality == FontQuality::ClearTypeNatural ? FontQuality::Default
                                                               : FontQuality::ClearTypeNatural;
    if (onFontQualityChanged)
        onFontQualityChanged(fontQuality);
    f.SB1.setVisible(true);
}

} // namespace pc
