#pragma once
// The main window TForm1 as a program: it owns the catalogue, the named
// controls of every window, the run state and the platform; it runs the
// program's lifecycle and the window's calculation chain (section list and
// grades, design input, corrosion losses, reduced properties and safety
// factors, the unit switch), whose handlers call each other in the order the
// window runs them and are methods named as the window names them
// (Edit_MomentChange, RG_SSPClick, ...).
//
// The outputs and side windows are subsystems of their own (report, chart,
// snapshot, property grid, steel quantities, corrosion table window, service
// life curve, about box, design files, summary page): each is given only the
// forms, the state, the catalogue and the services it uses, read-only where it
// only reads, and App holds them as members. A test checks that none of them
// includes this header.
//
// Each part binds its events in its own wire function (window/wiring.h, or
// beside a subsystem's class); an event whose handler is not bound does
// nothing.

#include "catalogue/catalogue.h"
#include "catalogue/section_list.h"
#include "form/about_form.h"
#include "form/life_curve_form.h"
#include "form/main_form.h"
#include "form/splash_form.h"
#include "form/table_window_form.h"
#include "platform/platform.h"
#include "window/about_box_handlers.h"
#include "window/app_texts.h"
#include "window/chart_handlers.h"
#include "window/corrosion_table_handlers.h"
#include "window/design_handlers.h"
#include "window/handler_trace.h"
#include "window/life_curve_handlers.h"
#include "window/property_grid_handlers.h"
#include "window/report_handlers.h"
#include "window/run_state.h"
#include "window/snapshot_handlers.h"
#include "window/steel_quantities_handlers.h"
#include "window/summary_handlers.h"
#include "window/window_metrics.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace pc {

// How a run is started.
struct AppOptions
{
    // The settings file to read at start and write at a normal close. The
    // programs put their normal location here (defaultSettingsLocation(),
    // window/settings_file.h) unless told another; empty: no settings file is
    // read or written, as a run of the tests wants.
    QString settingsPath;
    // Ask the disclaimer question at start; without it the run starts as if
    // the user had accepted it.
    bool askDisclaimer = false;
    // The catalogue file named at start (a file of any name, or a folder
    // holding "SSP Pilecorr.pkd"); empty: the working directory's.
    QString cataloguePath;
    // Where else to look for "SSP Pilecorr.pkd" when nothing was named and
    // the working directory holds none: the installed program's data folder.
    QStringList catalogueFolders;
};

// The number format of the system's default locale, taken once at start-up;
// only one length text is written with it.
struct NumberFormat
{
    QChar decimalSeparator = QLatin1Char('.');
};

// Font quality of the main window's controls (a presentation matter the Qt
// program applies; the model only keeps and toggles it).
enum class FontQuality { Default, ClearTypeNatural };

class App final : private SummaryChain
{
public:
    explicit App(Platform &platform, AppOptions options = {});
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Platform &p;
    AppOptions options;

    form::MainForm f;                    // TForm1
    form::TableWindowForm tableWindow;   // TForm2, the corrosion table window
    form::LifeCurveForm lifeCurveWindow; // the service life curve window
    form::SplashForm splash;
    form::AboutForm about;

    RunState s;
    NumberFormat SystemFormat;
    // The handlers each user action runs (window/handler_trace.h).
    HandlerTrace trace;

    // The catalogue: empty until LoadCatalogue has read it, and never changed
    // afterwards, so a handler never reads through nothing and a subsystem
    // may keep a reference to it from the start.
    const Catalogue &cat() const { return catalogue_; }
    // Reads the catalogue file (locating it, asking to browse, showing the
    // failure messages); nothing when it cannot be read. Tests replace it.
    std::function<std::optional<Catalogue>(Platform &)> catalogueLoader;
    // The folder of the catalogue file in use (empty for a catalogue a test
    // put in): the section sketches are also looked for beside it.
    QString catalogueFolder;
    // False while the catalogue is being loaded and the family list is first
    // selected: the grade fields (names, strengths, availability) are read
    // after that selection, so its handlers find no grade data yet.
    bool gradeDataLoaded = false;

    FontQuality fontQuality = FontQuality::ClearTypeNatural;
    HintTiming hints;

private:
    Catalogue catalogue_;

public:
    // ---- Subsystems that see only what they use ----------------------------
    // Each is given the state, the controls and the services it reads or
    // writes, read-only where it only reads; the window's calculation chain
    // below calls them where a chain reaches them.
    ReportHandlers report{p, f, about, s};
    ChartHandlers chart{p, f, s, catalogue_, trace};
    SnapshotHandlers snapshot{p, f, s, catalogueFolder};
    PropertyGridHandlers propertyGrid{f, s};
    SteelQuantitiesHandlers steelQuantities{p, f, s, catalogue_, trace};
    CorrosionTableHandlers corrosionTable{p, f, tableWindow, s, catalogue_, trace};
    LifeCurveHandlers curve{p, f, lifeCurveWindow, s, catalogue_, trace};
    AboutBoxHandlers aboutBox{p, about, hints};
    DesignFileHandlers designFiles{p, f, s, catalogue_};
    SummaryHandlers summary{p, f, s, catalogue_, trace, *this};

    // ---- Lifecycle (window/startup.cpp) -------------------------------------
    // Program start: runs FormCreate and everything up to the event loop.
    // Check ended() afterwards: a missing or damaged catalogue or a declined
    // disclaimer end the run inside it.
    void start();
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }
    // Ends the program at once with `code`; nothing further runs and the
    // settings are not written.
    void endProgram(int code);
    // The main window is closed (close button, system menu or "&Close"):
    // FormClose runs, then the run ends with exit code 0.
    void closeMainWindow();

    // ---- Shell: main window lifecycle (window/startup.cpp) -------------------
    void FormCreate();
    void FormClose();
    // Asks the liability question of the splash; false when declined.
    bool askDisclaimer();
    // Called when the font quality changes, so that the Qt program can apply it.
    std::function<void(FontQuality)> onFontQualityChanged;

    // ---- Catalogue loading (window/load_catalogue.cpp) -----------------------
    // Reads the catalogue and fills RG_SSP, CB_EC3NAD and Lbl_NAD; ends the
    // program (false) when the file is missing or damaged.
    bool LoadCatalogue();

    // The steps of the calculation chain follow: the event handlers below
    // and the unit switch run them, and a test or benchmark may run one on
    // its own. Each subsystem's file defines them.

    // ---- Section list and steel grades (window/section_list_handlers.cpp)
    // The section list's selection changed (also run by the unit switch).
    void LB_SSPClick();
    void FillSectionList(int first, int last);
    void RefreshGradeList(bool force);
    void LoadSectionMaxLength(int section);
    // The section shown by the selected row of LB_SSP, or -1.
    int selectedSection() const;

    // ---- Engine: reduced properties and safety factors (window/*_handlers.cpp)
    void ComputeReducedProperties(int section) override;
    void ComputeSafetyFactors();
    void ShowBendingMomentCapacity();
    void RecomputeAfterInput();

    // ---- Corrosion (window/corrosion_handlers.cpp: tables, exposures and details;
    // service_life_handlers.cpp; project_rates_handlers.cpp; loss_finishing.cpp:
    // reduction factors; corrosion_table_handlers.cpp: the table window) ------
    using Face = pc::Face;
    void FillExposureDetails(Face face);
    void FitDropDownWidth(form::Control &combo);
    void ComputeTableLoss();
    void ComputeProjectLoss();
    void CheckProjectValue(form::Control &edit);
    void TidyProjectValue(form::Control &edit);
    // Finishing step of every loss computation (window/loss_finishing.cpp).
    void ApplyReductionFactor() override;

    // ---- Units (window/units_handlers.cpp) -----------------------------------
    void ShowMetricUnitLabels();
    void ShowImperialUnitLabels();

    // ---- Settings file (window/settings.cpp) --------------------------------
    void ReadSettings();
    void WriteSettings();

    // ---- Splash (window/about_handlers.cpp) -------------------------------------
    // Closes and releases the splash (its timer stops).
    void closeSplash();

private:
    // ---- Event handlers -------------------------------------------------------
    // Bound to the controls' events by the wire functions and run only
    // through them (a script's or a user's action, or a control that a
    // handler changes); the chain's steps above are what other code calls.
    friend void wireShell(App &a);
    friend void wireSectionList(App &a);
    friend void wireDesignInput(App &a);
    friend void wireCorrosion(App &a);
    friend void wireUnits(App &a);
    friend void wireSplash(App &a);

    void MenuCloseClick();
    void MenuHelpClick();
    void MenuToggleFontQualityClick();
    void RG_SSPClick();
    void CB_SteelGradesChange();
    void CB_SteelGradesEnter();
    void ChB_SteelGradesAllClick();
    void Edit_MomentChange();
    void Edit_MomentEnter();
    void Edit_MomentExit();
    void Edit_MomentKeyPress(QChar &key);
    void Edit_LoadChange();
    void Edit_LoadEnter();
    void Edit_LoadExit();
    void Edit_LoadKeyPress(QChar &key);
    void Edit_DeflectionChange();
    void Edit_DeflectionEnter();
    void Edit_DeflectionExit();
    void Edit_DeflectionKeyPress(QChar &key);
    void Edit_SfminChange();
    void Edit_SfminEnter();
    void Edit_SfminExit();
    void Edit_SfminKeyPress(QChar &key);
    void Edit_SfMaxChange();
    void Edit_SfMaxEnter();
    void Edit_SfMaxExit();
    void Edit_SfMaxKeyPress(QChar &key);
    void MenuSelectSectionClick();
    void MenuSelectSfminClick();
    void TabSheetInputShow();
    // The page change of the notebook: the menu entries of each page, the
    // loss summary's layout on the input page, the summary grid's fill
    // (window/startup.cpp).
    void PageControl1Change();
    void CB_EC3NADChange();
    void CB_EC3NADDropDown();
    void RG_FrontClick();
    void RG_BackClick();
    void CB_Front_DetailChange();
    void CB_Front_DetailDropDown();
    void CB_Back_DetailChange();
    void CB_Back_DetailDropDown();
    void MenuEC3RatesClick();
    void CB_ServiceLifeChange();
    void CB_Protection_FrontChange();
    void CB_Protection_BackChange();
    void RG_A690Click();
    void TabSheetRatesShow();
    void RG_Project_RatesClick();
    void MenuProjectRatesClick();
    void Edit_FrontChange();
    void Edit_FrontEnter();
    void Edit_FrontExit();
    void Edit_FrontKeyPress(QChar &key);
    void Edit_BackChange();
    void Edit_BackEnter();
    void Edit_BackExit();
    void Edit_BackKeyPress(QChar &key);
    void Edit_Front_DescrChange();
    void Edit_Back_DescrChange();
    void MenuMetricClick();
    void MenuImperialClick();
    void Timer1Timer();
    void SplashFormClick();
    // The splash loses activation: the liability question, once.
    void SplashFormDeactivate();

    // Binds every event to its handler (window/wiring.cpp).
    void wireEvents();

    // How deep FillSectionList and RefreshGradeList are nested in each other
    // (through LB_SSPClick), and whether a chain of them too deep to be a
    // normal run is being cut off; see section_list_handlers.cpp.
    int sectionListNesting_ = 0;
    bool sectionListChainCut_ = false;
    // The section list's row texts, kept between fills.
    SectionRowTexts sectionRowTexts_;
    bool ended_ = false;
    int exitCode_ = 0;
};

} // namespace pc
