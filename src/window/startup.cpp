// Program start, the creation of the main window and its close. The logic
// steps run in their binding order.

#include "window/app.h"
#include "window/catalogue_locator.h"

#include "engine/summary_grid.h"
#include "units/rounding.h"
#include "window/wiring.h"

namespace pc {

namespace {

int scaled(int pixels, long double scale)
{
    return static_cast<int>(roundEven(pixels * scale));
}

} // namespace

App::App(Platform &platform, AppOptions opts)
    : p(platform), options(std::move(opts)), catalogueLoader([this](Platform &pl) {
          return loadCatalogue(pl, options.cataloguePath, options.catalogueFolders,
                               &catalogueFolder);
      })
{
    wireEvents();
}

void App::PageControl1Change()
{
    const int page = f.PageControl1.activePageIndex();
    const bool input = page == form::MainForm::PageInput;
    // A list that shows the no-match lines has no section to report on.
    const bool printable = input && f.LB_SSP.enabled();
    f.MenuPrint.setEnabled(printable);
    f.MenuPrintToFile.setEnabled(printable);
    if (input) {
        // The environment descriptions sit in the middle of the space below
        // their captions.
        const long double scale = screenScale(p);
        const FontSpec font;
        const auto width = [this, &font](const QString &text) { return p.textWidth(text, font); };
        const int lineHeight = p.textHeight(QStringLiteral("Mg"), font);
        const std::pair<form::Control *, form::Control *> pairs[] = {
            {&f.Lbl_Summary_Front1, &f.Lbl_Summary_Front4},
            {&f.Lbl_Summary_Back1, &f.Lbl_Summary_Back4}};
        for (const auto &[caption, description] : pairs) {
            description->setHeight(wrappedTextHeight(description->caption(),
                                                     description->maxWidth(), lineHeight,
                                                     description->maxHeight(), width));
            description->setTop(centredDescriptionTop(caption->top(), caption->height(),
                                                      f.GB_Loss_Summary.height(),
                                                      description->height(), scale));
        }
    }
    f.MenuSelectSection.setEnabled(input);
    f.MenuSelectSfmin.setEnabled(input);

    const bool rates = page == form::MainForm::PageRates;
    f.MenuEC3Rates.setEnabled(rates);
    f.MenuProjectRates.setEnabled(rates);

    const bool summaryPage = page == form::MainForm::PageSFTable;
    f.MenuMetric.setEnabled(!summaryPage);
    f.MenuImperial.setEnabled(!summaryPage);
    if (summaryPage) {
        summary.SetUpSummaryGrid();
        summary.FillSummaryGrid();
    }
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
    // The corrosion table window is created with the table of annex 0 and
    // shown; it loses activation at once, when the splash takes the focus,
    // and closes.
    corrosionTable.BuildCorrosionTable();
    tableWindow.hide();

    // The splash takes the focus and starts fading.
    splash.Timer1.setEnabled(true);
    hints.hidePause = HintHidePauseMs;

    // The event loop starts: the main window comes on screen (its active
    // page's show handler runs) and becomes active, so the splash loses
    // activation, which asks the liability question.
    f.show();
    SplashFormDeactivate();
}

void App::FormCreate()
{
    // The window's font is a presentation matter of the Qt program.

    SystemFormat.decimalSeparator = p.systemDecimalSeparator();

    if (!LoadCatalogue())
        return;

    ReadSettings();
    if (ended_)
        return;

    RefreshGradeList(false);
    f.CB_SteelGrades.setItemIndex(0);
    FitDropDownWidth(f.CB_EC3NAD);

    for (int16_t years : cat().ServiceLife)
        f.CB_ServiceLife.addItem(QLatin1Char(' ') + QString::number(years));

    FillExposureDetails(Face::Front);
    FillExposureDetails(Face::Back);
    summary.SetUpSummaryGrid();
    propertyGrid.SetUpPropertyGrid();
    MenuEC3RatesClick();

    const long double scale = screenScale(p);
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
    WriteSettings();
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
