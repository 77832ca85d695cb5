#pragma once
// One design driven headless, as a user would drive the window: the program
// starts with the scripted platform and no settings file, then the options
// are played on the named controls (lists selected, values typed, menu
// entries clicked) in a fixed order, so that every number comes from the
// window's own handlers. The design commands of pilecorr-cli (check, search,
// summary, batch) and their benchmark are built on it.
//
// Numbers are read and written with a decimal point whatever the locale.

#include "catalogue/catalogue.h"
#include "output/report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pc {
class App;
class ScriptedPlatform;
} // namespace pc

namespace pc::driver {

// JSON whose keys keep the order they were written in.
using Json = nlohmann::ordered_json;

// Exit statuses of the design commands.
constexpr int DesignOk = 0;
constexpr int DesignFileError = 1;   // a file cannot be read or written; the report stopped
constexpr int DesignOptionError = 2; // a wrong command line or option value
constexpr int DesignRowsFailed = 3;  // a batch ran to its end but some cases failed

// A failure of one design: its exit status and a message naming the option.
struct DesignFault
{
    int status = DesignOptionError;
    QString message;
};

// The options of one design: long option name (no dashes) -> value text.
// Options that take no value (reduced) hold an empty text.
using DesignOptions = std::map<QString, QString>;

// The options a design takes (those of check; search adds sfmin and sfmax,
// summary adds reduced), in the order they are played.
const QStringList &designOptionNames();

// Reads a catalogue file the way the window does at start-up: `path` may
// name the file or a folder holding "SSP Pilecorr.pkd"; empty, the working
// directory's, else that of the first of `folders` (an installed program's
// data folder) that holds one. Throws DesignFault with the window's
// messages, which then say where the program looked.
Catalogue loadDesignCatalogue(const QString &path, const QStringList &folders = {});

// What a design is for: the order of the actions is the same, only the end
// differs (the search turns the section list into the Sfmin search, the
// summary shows the summary page).
enum class DesignMode { Check, Search, Summary };

class DesignSession
{
public:
    // The program over a copy of `catalogue`, started; throws DesignFault.
    explicit DesignSession(const Catalogue &catalogue);
    ~DesignSession();
    DesignSession(const DesignSession &) = delete;
    DesignSession &operator=(const DesignSession &) = delete;

    // Plays the options; throws DesignFault naming the first option the
    // window refuses (an unknown or ambiguous name, a value out of range).
    void apply(const DesignOptions &options, DesignMode mode);

    // The report file of "Print To File" for the design (Windows-1252, CR LF).
    QByteArray reportText() const;
    // Every value of the report with its unit, the status bar texts and the
    // messages of the run.
    Json checkJson() const;
    // The result columns of a batch row (batchResultColumns()).
    QStringList batchResult() const;

    // The service life curve of the design: the series as CSV followed by
    // the two years it finds, or as JSON with them.
    QByteArray lifeCsv() const;
    QByteArray lifeJson() const;

    // The passing sections of the search, in catalogue order.
    struct SearchHit
    {
        QString section, welIni, sfIni, sfRed, unitWel;
    };
    std::vector<SearchHit> searchHits();
    QByteArray searchText();
    Json searchJson();

    // The summary grid as the window shows it: rows of cells, the first row
    // the headers; the availability marks and the legend.
    QByteArray summaryCsv() const;
    Json summaryJson() const;

    // The status bar's error and note texts seen while the options were
    // played, in order, each once.
    const QStringList &statusTexts() const { return status_; }
    // The texts of the message boxes shown.
    QStringList messageTexts() const;

    App &app() { return *app_; }

private:
    void noteStatus();
    ReportTable table() const;

    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<App> app_;
    QStringList status_;
    bool metric_ = true;
};

// The result columns a batch writes after "line" and "status".
const QStringList &batchResultColumns();

// One CSV field, quoted when it must be.
QString csvField(const QString &text);
// Splits CSV text into records of fields; `lines` receives the line number
// where each record starts. A quote left open is reported in `error`.
std::vector<QStringList> parseCsv(const QString &text, std::vector<int> &lines, QString &error);

} // namespace pc::driver
