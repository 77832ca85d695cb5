// The design commands: check, search, summary and batch. Each drives the
// window's form model headless (driver/design_session.h) so that its numbers
// are the window's; none reads or writes a settings file.

#include "commands.h"

#include "driver/design_batch.h"
#include "driver/design_session.h"
#include "driver/script_runner.h"
#include "output/whole_file.h"
#include "window/app.h"
#include "window/catalogue_locator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

#include <unistd.h>

namespace {

using namespace pc::driver;

struct OptionSpec
{
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *help;
};

// The design options shared by check, search, summary and the batch columns.
const OptionSpec DesignSpecs[] = {
    {"design", "FILE",
     "Design file (File > Save design); the options given beside it change its values."},
    {"units", "metric|imperial", "Unit system of every input and output (default metric)."},
    {"family", "NAME", "Family of sections, or ALL (default: ALL)."},
    {"section", "NAME", "Section (default: the first one listed)."},
    {"grade", "NAME", "Steel grade (default: the first one offered)."},
    {"life", "YEARS", "Service life in years, one of the catalogue's."},
    {"protect-front", "YEARS", "Years of protection of the front face."},
    {"protect-back", "YEARS", "Years of protection of the back face."},
    {"annex", "NAME|INDEX", "Table set of the corrosion losses (index from 0)."},
    {"front", "EXPOSURE:DETAIL",
     "Front face: atmospheric, soil or water, and the detail's index from 0."},
    {"back", "EXPOSURE:DETAIL", "Back face, as --front."},
    {"rates", "FRONT,BACK", "Project corrosion rates per year (mm or mils)."},
    {"total-loss", "FRONT,BACK", "Project total losses of thickness (mm or mils)."},
    {"cip", "FACTOR", "Reduction factor of the front loss of a corrosion-resistant grade."},
    {"moment", "M", "Bending moment (kNm/m or kips*ft/ft)."},
    {"load", "N", "Compression load (kN/m or kips/ft)."},
    {"deflection", "F", "Deflection (cm or in)."},
    {"wall-length", "LENGTH", "Length of the wall (m or ft)."},
    {"pile-length", "LENGTH", "Length of the piles (m or ft)."},
};

// An installed pilecorr-cli finds the installed catalogue when the working
// directory holds none.
QStringList installedFolders()
{
    return {pc::installedDataFolder(QCoreApplication::applicationDirPath())};
}

void writeOut(const QByteArray &bytes, FILE *to)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
    std::fflush(to);
}

void printError(const QString &command, const QString &message)
{
    // A name quoted from the command line may hold control characters: they
    // reach the terminal escaped.
    writeOut(
        (QStringLiteral("pilecorr-cli %1: %2\n").arg(command, printableText(message))).toUtf8(),
        stderr);
}

class Command
{
public:
    Command(QString name, QString synopsis, QString description)
        : name_(std::move(name)), synopsis_(std::move(synopsis))
    {
        parser_.setApplicationDescription(description);
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser_.addOption(
            {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Prints this help.")});
        parser_.addOption({QStringLiteral("version"), QStringLiteral("Prints the version.")});
    }

    void add(const QString &name, const QString &valueName, const QString &help)
    {
        QCommandLineOption o(name, help);
        if (!valueName.isEmpty())
            o.setValueName(valueName);
        parser_.addOption(o);
    }

    // The design options but `except` (life has no --life: it runs over
    // every year).
    void addDesignOptions(const char *except = nullptr)
    {
        add(QStringLiteral("catalogue"), QStringLiteral("FILE"),
            QStringLiteral("Catalogue file or its folder (default: \"SSP Pilecorr.pkd\" in the "
                           "current directory, else the installed one)."));
        for (const OptionSpec &s : DesignSpecs)
            if (!except || qstrcmp(s.name, except) != 0)
                add(QLatin1String(s.name), QLatin1String(s.valueName), QLatin1String(s.help));
    }

    QString usage() const
    {
        QString help = parser_.helpText();
        // Qt names the program by its path; the usage names the command.
        help = help.mid(help.indexOf(QLatin1Char('\n')) + 1);
        return QStringLiteral("Usage: pilecorr-cli %1 %2\n").arg(name_, synopsis_) + help;
    }

    // Parses; a status to return at once (help, version, a wrong option) or
    // -1 to go on.
    int parse(const QStringList &args, int positionals)
    {
        if (!parser_.parse(QStringList{QStringLiteral("pilecorr-cli")} + args))
            return wrong(parser_.errorText());
        if (parser_.isSet(QStringLiteral("help"))) {
            writeOut(usage().toUtf8(), stdout);
            return 0;
        }
        if (parser_.isSet(QStringLiteral("version"))) {
            writeOut(versionText().toUtf8(), stdout);
            return 0;
        }
        // An empty file name is a slip (a shell variable left unset), not a
        // request for the default file.
        for (const char *file : {"catalogue", "design", "output"}) {
            const QString name = QLatin1String(file);
            if (parser_.optionNames().contains(name) && parser_.value(name).isEmpty())
                return wrong(QStringLiteral("--%1 needs a file name").arg(name));
        }
        // The result written over the catalogue or the design it was made
        // from would lose the engineer's file, and the next run its input.
        if (parser_.optionNames().contains(QStringLiteral("output"))) {
            const QString out =
                QFileInfo(parser_.value(QStringLiteral("output"))).canonicalFilePath();
            QStringList inputs;
            if (parser_.optionNames().contains(QStringLiteral("design")))
                inputs << parser_.value(QStringLiteral("design"));
            if (parser_.optionNames().contains(QStringLiteral("catalogue"))) {
                const QString named = parser_.value(QStringLiteral("catalogue"));
                inputs << (QFileInfo(named).isDir() ? QDir(named).filePath(pc::CatalogueFileName)
                                                    : named);
            } else {
                for (const QString &folder : QStringList{QDir::currentPath()} + installedFolders())
                    inputs << QDir(folder).filePath(pc::CatalogueFileName);
            }
            for (const QString &in : inputs)
                if (!out.isEmpty() && out == QFileInfo(in).canonicalFilePath())
                    return wrong(QStringLiteral("--output \"%1\" is the %2 the result is made "
                                                "from; it would be replaced")
                                     .arg(parser_.value(QStringLiteral("output")),
                                          in == parser_.value(QStringLiteral("design"))
                                              ? QStringLiteral("design")
                                              : QStringLiteral("catalogue")));
        }
        if (parser_.positionalArguments().size() != positionals)
            return wrong(positionals == 0 ? QStringLiteral("unexpected argument '%1'")
                                                .arg(parser_.positionalArguments().value(0))
                                          : QStringLiteral("one file is needed"));
        return -1;
    }

    int wrong(const QString &message) const
    {
        writeOut((QStringLiteral("pilecorr-cli %1: %2\n").arg(name_, message) + usage()).toUtf8(),
                 stderr);
        return DesignOptionError;
    }

    void addPositional(const QString &name, const QString &help)
    {
        parser_.addPositionalArgument(name, help);
    }

    bool isSet(const QString &name) const { return parser_.isSet(name); }
    QString value(const QString &name) const { return parser_.value(name); }
    QStringList positionals() const { return parser_.positionalArguments(); }

    DesignOptions designOptions() const
    {
        DesignOptions o;
        for (const OptionSpec &s : DesignSpecs) {
            const QString name = QLatin1String(s.name);
            if (parser_.optionNames().contains(name) && parser_.isSet(name)) {
                const QStringList values = parser_.values(name);
                o[name] = values.last();
            }
        }
        return o;
    }

    // An option given more than once would be a silent choice: refused.
    int refuseRepeats() const
    {
        for (const QString &name : parser_.optionNames())
            if (parser_.values(name).size() > 1)
                return wrong(QStringLiteral("--%1 is given more than once").arg(name));
        return -1;
    }

    const QString &name() const { return name_; }

private:
    QString name_;
    QString synopsis_;
    QCommandLineParser parser_;
};

// Writes the result to standard output or, whole or not at all, to --output.
// "-" is standard output, as it is standard input for the batch file.
int writeResult(const Command &c, const QByteArray &bytes)
{
    if (!c.isSet(QStringLiteral("output")) ||
        c.value(QStringLiteral("output")) == QLatin1String("-")) {
        errno = 0;
        writeOut(bytes, stdout);
        if (std::ferror(stdout)) {
            // A full disk or a closed descriptor behind a redirection: the
            // status alone would leave the engineer guessing.
            printError(c.name(),
                       QStringLiteral("the result cannot be written to standard output: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
            return DesignFileError;
        }
        return DesignOk;
    }
    const QString path = c.value(QStringLiteral("output"));
    if (const std::optional<QString> why = pc::writeWholeFile(path, bytes)) {
        printError(c.name(), QStringLiteral("%1 cannot be written: %2").arg(path, *why));
        return DesignFileError;
    }
    return DesignOk;
}

QString formatOf(const Command &c, const QStringList &allowed, int &status)
{
    const QString f =
        c.isSet(QStringLiteral("format")) ? c.value(QStringLiteral("format")) : allowed.first();
    if (!allowed.contains(f))
        status = c.wrong(QStringLiteral("--format \"%1\" is not known; one of %2")
                             .arg(f, allowed.join(QStringLiteral(", "))));
    return f;
}

// Parses a design command's line: a status to return at once (help,
// version, a wrong or repeated option, an unknown format) or -1 with the
// output format chosen.
int parseDesignCommand(Command &c, const QStringList &args, const QStringList &formats,
                       QString &format)
{
    if (const int status = c.parse(args, 0); status >= 0)
        return status;
    if (const int status = c.refuseRepeats(); status >= 0)
        return status;
    int status = -1;
    format = formatOf(c, formats, status);
    return status;
}

QByteArray jsonBytes(const Json &j)
{
    return QByteArray::fromStdString(j.dump(2) + '\n');
}

int runDesign(const QString &command, const QStringList &args)
{
    const bool check = command == QLatin1String("check");
    const bool search = command == QLatin1String("search");
    Command c(command, QStringLiteral("[options]"),
              check    ? QStringLiteral("The report of one design, as the window's \"Print To "
                                           "File\" writes it, or its values as JSON.")
              : search ? QStringLiteral("The sections of a family whose Sf,red lies between "
                                        "--sfmin and --sfmax, in catalogue order.")
                       : QStringLiteral("The safety factor summary of a family: every section "
                                        "in every grade."));
    c.addDesignOptions();
    if (search) {
        c.add(QStringLiteral("sfmin"), QStringLiteral("SF"),
              QStringLiteral("Lowest Sf,red of a passing section (1 to 5; default 1.50)."));
        c.add(QStringLiteral("sfmax"), QStringLiteral("SF"),
              QStringLiteral("Highest Sf,red of a passing section (up to 20; default 10.00)."));
    }
    if (command == QLatin1String("summary"))
        c.add(QStringLiteral("reduced"), QString(),
              QStringLiteral("Sf,red after corrosion instead of Sf,ini."));
    const QStringList formats = command == QLatin1String("summary")
                                    ? QStringList{QStringLiteral("csv"), QStringLiteral("json")}
                                    : QStringList{QStringLiteral("text"), QStringLiteral("json")};
    c.add(QStringLiteral("format"), formats.join(QLatin1Char('|')),
          QStringLiteral("Output format (default %1).").arg(formats.first()));
    c.add(QStringLiteral("output"), QStringLiteral("FILE"),
          QStringLiteral("Writes the output to FILE instead of standard output."));
    QString format;
    if (const int status = parseDesignCommand(c, args, formats, format); status >= 0)
        return status;

    DesignOptions options = c.designOptions();
    for (const char *extra : {"sfmin", "sfmax"})
        if (search && c.isSet(QLatin1String(extra)))
            options[QLatin1String(extra)] = c.value(QLatin1String(extra));
    if (command == QLatin1String("summary") && c.isSet(QStringLiteral("reduced")))
        options[QStringLiteral("reduced")] = QString();
    try {
        const pc::Catalogue catalogue =
            loadDesignCatalogue(c.value(QStringLiteral("catalogue")), installedFolders());
        DesignSession session(catalogue);
        const DesignMode mode = check    ? DesignMode::Check
                                : search ? DesignMode::Search
                                         : DesignMode::Summary;
        session.apply(options, mode);
        if (check)
            return writeResult(c, format == QLatin1String("json") ? jsonBytes(session.checkJson())
                                                                  : session.reportText());
        if (search)
            return writeResult(c, format == QLatin1String("json") ? jsonBytes(session.searchJson())
                                                                  : session.searchText());
        return writeResult(c, format == QLatin1String("json") ? jsonBytes(session.summaryJson())
                                                              : session.summaryCsv());
    } catch (const DesignFault &f) {
        printError(command, f.message);
        return f.status;
    }
}

// The service life curve of one design: the design is played as check plays
// it, then the series is computed from the window's state by the curve
// window's own function.
int runLife(const QStringList &args)
{
    Command c(QStringLiteral("life"), QStringLiteral("[options]"),
              QStringLiteral("The service life curve of one design: every year from 0 to the "
                             "last year of the tables (150 with project values), the losses, "
                             "the reduced section and the safety factors, and the first year "
                             "Sf,red falls below the required factor."));
    c.addDesignOptions("life");
    c.add(QStringLiteral("sfmin"), QStringLiteral("SF"),
          QStringLiteral("The required safety factor (1 to 5; default 1.50 or the design's)."));
    const QStringList formats = {QStringLiteral("csv"), QStringLiteral("json")};
    c.add(QStringLiteral("format"), formats.join(QLatin1Char('|')),
          QStringLiteral("Output format (default csv)."));
    c.add(QStringLiteral("output"), QStringLiteral("FILE"),
          QStringLiteral("Writes the output to FILE instead of standard output."));
    QString format;
    if (const int status = parseDesignCommand(c, args, formats, format); status >= 0)
        return status;
    DesignOptions options = c.designOptions();
    if (c.isSet(QStringLiteral("sfmin")))
        options[QStringLiteral("sfmin")] = c.value(QStringLiteral("sfmin"));
    try {
        const pc::Catalogue catalogue =
            loadDesignCatalogue(c.value(QStringLiteral("catalogue")), installedFolders());
        DesignSession session(catalogue);
        session.apply(options, DesignMode::Check);
        return writeResult(c, format == QLatin1String("json") ? session.lifeJson()
                                                              : session.lifeCsv());
    } catch (const DesignFault &f) {
        printError(QStringLiteral("life"), f.message);
        return f.status;
    }
}

// Progress of a long batch on a terminal: cases done, cases per second and
// the time left, rewritten in place.
class Progress
{
public:
    explicit Progress(size_t total)
        : total_(total), start_(std::chrono::steady_clock::now()), terminal_(isatty(2) == 1)
    {}
    void operator()(size_t done)
    {
        if (!terminal_)
            return;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        if (seconds < 1.0)
            return;
        const double rate = done / seconds;
        const double left = rate > 0 ? (total_ - done) / rate : 0;
        std::fprintf(stderr, "\r%zu/%zu cases, %.0f cases/s, %.0f s left   ", done, total_, rate,
                     std::ceil(left));
        std::fflush(stderr);
        shown_ = true;
    }
    ~Progress()
    {
        if (shown_)
            std::fputs("\n", stderr);
    }

private:
    size_t total_;
    std::chrono::steady_clock::time_point start_;
    bool terminal_;
    bool shown_ = false;
};

int runBatchCommand(const QStringList &args)
{
    Command c(QStringLiteral("batch"), QStringLiteral("[options] FILE.csv"),
              QStringLiteral("One design per row of FILE.csv (- for standard input): a header "
                             "row names the options of check (without --), each row gives "
                             "their values; one CSV result row per case, in input order."));
    c.add(QStringLiteral("catalogue"), QStringLiteral("FILE"),
          QStringLiteral("Catalogue file or its folder (default: \"SSP Pilecorr.pkd\" in the "
                         "current directory, else the installed one), read once for the whole "
                         "batch."));
    c.add(QStringLiteral("output"), QStringLiteral("FILE"),
          QStringLiteral("Writes the results to FILE instead of standard output."));
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    c.add(QStringLiteral("jobs"), QStringLiteral("N"),
          QStringLiteral("Cases run on N threads at once (default: %1, the number of cores).")
              .arg(cores));
    c.addPositional(QStringLiteral("FILE.csv"), QStringLiteral("The cases, one a row."));
    if (const int status = c.parse(args, 1); status >= 0)
        return status;
    if (const int status = c.refuseRepeats(); status >= 0)
        return status;
    int jobs = static_cast<int>(cores);
    if (c.isSet(QStringLiteral("jobs"))) {
        bool ok = false;
        jobs = c.value(QStringLiteral("jobs")).toInt(&ok);
        if (!ok || jobs < 1 || jobs > 256)
            return c.wrong(QStringLiteral("--jobs \"%1\" is not admissible: a whole number from "
                                          "1 to 256")
                               .arg(c.value(QStringLiteral("jobs"))));
    }
    const QString path = c.positionals().first();
    // The results written over the cases would lose the engineer's file.
    if (c.isSet(QStringLiteral("output")) && path != QLatin1String("-")) {
        const QString in = QFileInfo(path).canonicalFilePath();
        if (!in.isEmpty() && in == QFileInfo(c.value(QStringLiteral("output"))).canonicalFilePath())
            return c.wrong(QStringLiteral("--output \"%1\" is the batch file itself; the results "
                                          "would replace the cases")
                               .arg(c.value(QStringLiteral("output"))));
    }
    // A batch of many thousand cases is a few megabytes; a file far beyond
    // that is not one, and is refused before it fills the memory.
    constexpr qint64 MaxBatchFileBytes = qint64(64) << 20;
    QByteArray bytes;
    if (path == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            printError(c.name(),
                       QStringLiteral("standard input cannot be read: %1").arg(in.errorString()));
            return DesignFileError;
        }
        bytes = in.readAll();
    } else {
        pc::FileRead read = pc::readRegularFile(path, MaxBatchFileBytes);
        if (read.fault != pc::FileRead::None) {
            printError(c.name(),
                       QStringLiteral("%1 cannot be read: %2").arg(path, pc::fileReadReason(read)));
            return DesignFileError;
        }
        bytes = std::move(read.bytes);
    }
    try {
        const std::vector<BatchCase> cases = readBatchCases(QString::fromUtf8(bytes));
        const pc::Catalogue catalogue =
            loadDesignCatalogue(c.value(QStringLiteral("catalogue")), installedFolders());
        std::vector<BatchOutcome> outcomes;
        {
            Progress progress(cases.size());
            outcomes = runBatch(catalogue, cases, jobs, std::ref(progress));
        }
        bool failed = false;
        for (size_t i = 0; i < cases.size(); ++i) {
            if (outcomes[i].ok)
                continue;
            failed = true;
            printError(c.name(),
                       QStringLiteral("line %1: %2").arg(cases[i].line).arg(outcomes[i].message));
        }
        const int written = writeResult(c, batchCsv(cases, outcomes));
        if (written != DesignOk)
            return written;
        return failed ? DesignRowsFailed : DesignOk;
    } catch (const DesignFault &f) {
        printError(c.name(), f.message);
        return f.status;
    }
}

} // namespace

QString versionText()
{
    return pc::ApplicationTitle.trimmed() + QLatin1Char('\n');
}

int runDesignCommand(const QString &command, const QStringList &args)
{
    if (command == QLatin1String("batch"))
        return runBatchCommand(args);
    if (command == QLatin1String("life"))
        return runLife(args);
    return runDesign(command, args);
}
