#include "driver/script_runner.h"

#include "driver/json_text.h"
#include "driver/property_text.h"
#include "driver/run_state_text.h"
#include "driver/script_target.h"
#include "platform/scripted_platform.h"
#include "units/format.h"
#include "window/app.h"
#include "window/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace pc::driver {

namespace {

using form::ActionResult;
using form::Control;
using form::Form;

// A script error: the message is printed with the line number.
struct ScriptFault
{
    QString message;
};

[[noreturn]] void fail(const QString &message)
{
    throw ScriptFault{message};
}

// The script split at its line ends: LF, CR LF, or CR alone (a file saved
// with the old Macintosh line ends is as many lines as it shows).
QStringList scriptLines(const QString &script)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(script.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && script[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(script.mid(start));
    return lines;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Splits off the next word (up to a blank); `rest` keeps what follows it.
QString nextWord(QString &rest)
{
    int i = 0;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    int j = i;
    while (j < rest.size() && !isBlank(rest[j]))
        ++j;
    const QString word = rest.mid(i, j - i);
    rest = rest.mid(j);
    return word;
}

QString trimmedBlanks(const QString &s)
{
    int b = 0;
    int e = static_cast<int>(s.size());
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// The rest of a line as text: outer blanks dropped, escapes decoded.
QString decodeText(const QString &raw)
{
    const QString s = trimmedBlanks(raw);
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('\\')) {
            out += s[i];
            continue;
        }
        if (i + 1 >= s.size())
            fail(QStringLiteral("a backslash ends the text"));
        const QChar e = s[++i];
        switch (e.unicode()) {
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'b':
            out += QChar(8);
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default:
            fail(QStringLiteral("unknown escape \\%1").arg(e));
        }
    }
    return out;
}

void noMoreWords(const QString &rest, const QString &command)
{
    if (!trimmedBlanks(rest).isEmpty())
        fail(QStringLiteral("%1 takes no more than what it names; found '%2'")
                 .arg(command, trimmedBlanks(rest)));
}

int parseIndex(const QString &word, const QString &what)
{
    if (word.isEmpty())
        fail(QStringLiteral("%1 is missing").arg(what));
    const auto v = parseInteger(word);
    if (!v || *v < INT_MIN || *v > INT_MAX)
        fail(QStringLiteral("%1 '%2' is not a whole number").arg(what, word));
    return static_cast<int>(*v);
}

class Runner
{
public:
    Runner(const ScriptOptions &o, std::ostream &out, ScriptTarget &target)
        : out_(out), target_(target)
    {
        platform_.setCurrentDirectory(o.workingDirectory);
        platform_.setDecimalSeparator(o.decimalSeparator);
        platform_.setSystemDecimalSeparator(o.systemDecimalSeparator);
        platform_.setPixelsPerInch(o.pixelsPerInch);
        AppOptions ao;
        ao.settingsPath = o.settingsPath;
        ao.askDisclaimer = o.askDisclaimer;
        app_ = std::make_unique<App>(platform_, ao);
    }

    App &app() { return *app_; }
    bool started() const { return started_; }

    void start()
    {
        started_ = true;
        app_->start();
    }

    // Queues the button or path of an `answer` or `answer-file` line.
    void queueAnswer(const QString &command, QString rest)
    {
        if (command == QLatin1String("answer")) {
            const QString word = nextWord(rest).toLower();
            noMoreWords(rest, command);
            if (word == QLatin1String("yes"))
                platform_.queueButton(MessageButton::Yes);
            else if (word == QLatin1String("no"))
                platform_.queueButton(MessageButton::No);
            else if (word == QLatin1String("ok"))
                platform_.queueButton(MessageButton::Ok);
            else if (word == QLatin1String("cancel"))
                platform_.queueButton(MessageButton::Cancel);
            else
                fail(QStringLiteral("answer takes yes, no, ok or cancel, not '%1'").arg(word));
        } else {
            const QString path = decodeText(rest);
            if (path.isEmpty())
                fail(QStringLiteral("answer-file needs a path"));
            platform_.queuePath(path);
        }
    }

    // Runs one line that is neither blank nor a comment.
    void run(const QString &command, QString rest)
    {
        if (command == QLatin1String("answer") || command == QLatin1String("answer-file"))
            return queueAnswer(command, rest);
        if (command == QLatin1String("get"))
            return get(rest);
        if (command == QLatin1String("dump")) {
            noMoreWords(rest, command);
            return dump();
        }
        if (command == QLatin1String("close")) {
            noMoreWords(rest, command);
            target_.close(*app_);
            return;
        }
        if (command == QLatin1String("leave")) {
            noMoreWords(rest, command);
            target_.leave(app_->f);
            return;
        }
        if (command == QLatin1String("page")) {
            const QString word = nextWord(rest);
            noMoreWords(rest, command);
            const int index = parseIndex(word, QStringLiteral("page index"));
            report(target_.page(app_->f, index), command, QStringLiteral("PageControl1"),
                   QString::number(index));
            return;
        }
        if (command == QLatin1String("enter") || command == QLatin1String("dropdown") ||
            command == QLatin1String("click")) {
            const QString name = nextWord(rest);
            noMoreWords(rest, command);
            auto [form, c] = control(name);
            ActionResult r = command == QLatin1String("enter")      ? target_.enter(*form, *c)
                             : command == QLatin1String("dropdown") ? target_.dropDown(*form, *c)
                                                                    : target_.click(*form, *c);
            report(r, command, name, QString());
            return;
        }
        if (command == QLatin1String("type") || command == QLatin1String("replace") ||
            command == QLatin1String("key")) {
            const QString name = nextWord(rest);
            auto [form, c] = control(name);
            const QString text = decodeText(rest);
            ActionResult r;
            if (command == QLatin1String("type")) {
                r = target_.type(*form, *c, text);
            } else if (command == QLatin1String("replace")) {
                r = target_.replace(*form, *c, text);
            } else {
                if (text.size() != 1)
                    fail(QStringLiteral("key takes exactly one character"));
                r = target_.key(*form, *c, text[0]);
            }
            report(r, command, name, QString());
            return;
        }
        if (command == QLatin1String("select")) {
            const QString name = nextWord(rest);
            const QString word = nextWord(rest);
            noMoreWords(rest, command);
            auto [form, c] = control(name);
            const int index = parseIndex(word, QStringLiteral("item index"));
            report(target_.select(*form, *c, index), command, name, QString::number(index));
            return;
        }
        if (command == QLatin1String("mouse")) {
            const QString name = nextWord(rest);
            const QString xs = nextWord(rest);
            const QString ys = nextWord(rest);
            noMoreWords(rest, command);
            auto [form, c] = control(name);
            const int x = parseIndex(xs, QStringLiteral("x"));
            const int y = parseIndex(ys, QStringLiteral("y"));
            report(target_.mouse(*form, *c, x, y), command, name, QString());
            return;
        }
        fail(QStringLiteral("unknown command '%1'").arg(command));
    }

private:
    std::vector<Form *> forms() const
    {
        return {&app_->f, &app_->tableWindow, &app_->lifeCurveWindow, &app_->splash, &app_->about};
    }

    std::pair<Form *, Control *> control(const QString &qualified) const
    {
        if (qualified.isEmpty())
            fail(QStringLiteral("a control name is missing"));
        const int dot = static_cast<int>(qualified.indexOf(QLatin1Char('.')));
        const QString prefix = dot < 0 ? QString() : qualified.left(dot);
        const QString name = dot < 0 ? qualified : qualified.mid(dot + 1);
        for (Form *form : forms())
            if (form->prefix() == prefix)
                if (Control *c = form->find(name))
                    return {form, c};
        fail(QStringLiteral("unknown control '%1'").arg(qualified));
    }

    void report(ActionResult r, const QString &command, const QString &name,
                const QString &index) const
    {
        switch (r) {
        case ActionResult::Done:
        case ActionResult::Ignored:
            return;
        case ActionResult::OffPage:
            fail(QStringLiteral("%1 lies on a page that is not the active page").arg(name));
        case ActionResult::WrongKind:
            fail(QStringLiteral("%1 does not apply to %2").arg(command, name));
        case ActionResult::BadIndex:
            fail(QStringLiteral("%1 has no item %2").arg(name, index));
        }
    }

    void get(QString rest)
    {
        const QString what = nextWord(rest);
        noMoreWords(rest, QStringLiteral("get"));
        if (what.isEmpty())
            fail(QStringLiteral("get needs NAME.PROP or $VAR"));
        if (what.startsWith(QLatin1Char('$'))) {
            const auto v = runStateJson(*app_, platform_, what.mid(1));
            if (!v)
                fail(QStringLiteral("unknown variable '%1'").arg(what));
            print(what, *v);
            return;
        }
        const int dot = static_cast<int>(what.lastIndexOf(QLatin1Char('.')));
        if (dot <= 0 || dot == what.size() - 1)
            fail(QStringLiteral("get needs NAME.PROP, not '%1'").arg(what));
        auto [form, c] = control(what.left(dot));
        const QString propName = what.mid(dot + 1);
        const auto p = propertyByName(propName);
        if (!p)
            fail(QStringLiteral("unknown property '%1'").arg(propName));
        if (!hasProperty(*c, *p))
            fail(QStringLiteral("%1 has no property %2").arg(what.left(dot), propName));
        print(what, shownJson(*c, *p));
    }

    std::string shownJson(const Control &c, form::Property p) const
    {
        if (auto shown = target_.shown(c, p))
            return *shown;
        return propertyJson(c, p);
    }

    void dump()
    {
        struct Line
        {
            QString control;
            QString property;
            std::string value;
        };
        std::vector<Line> lines;
        for (Form *form : {static_cast<Form *>(&app_->f), static_cast<Form *>(&app_->tableWindow)})
            for (Control *c : form->controls())
                for (form::Property p : c->dumpedProperties())
                    lines.push_back({form->qualifiedName(*c), propertyName(p), shownJson(*c, p)});
        std::sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
            return a.control != b.control ? a.control < b.control : a.property < b.property;
        });
        for (const Line &l : lines)
            print(l.control + QLatin1Char('.') + l.property, l.value);
    }

    void print(const QString &name, const std::string &value)
    {
        out_ << name.toStdString() << '=' << value << '\n';
    }

    ScriptedPlatform platform_;
    std::unique_ptr<App> app_;
    std::ostream &out_;
    ScriptTarget &target_;
    bool started_ = false;
};

// Tells the target before the program goes, however the run ends.
struct Detach
{
    ScriptTarget &target;
    App &app;
    ~Detach() { target.detach(app); }
};

} // namespace

QString printableText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case u'\t':
            out += QLatin1String("\\t");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += QLatin1String("\\x") +
                   QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
    }
    return out;
}

void ScriptTarget::close(App &app)
{
    app.closeMainWindow();
}

int runScript(const QByteArray &script, const ScriptOptions &options, std::ostream &out,
              std::ostream &err, const std::function<void(App &)> &prepare, ScriptTarget *target)
{
    const QStringList lines = scriptLines(QString::fromUtf8(script));
    ScriptTarget headless;
    ScriptTarget &t = target ? *target : headless;
    Runner runner(options, out, t);
    if (prepare)
        prepare(runner.app());
    t.attach(runner.app());
    const Detach detach{t, runner.app()};

    for (int i = 0; i <= lines.size(); ++i) {
        QString command;
        QString rest;
        if (i < lines.size()) {
            rest = lines[i];
            command = nextWord(rest);
            if (command.isEmpty() || command.startsWith(QLatin1Char('#')))
                continue;
        }
        const bool isAnswer =
            command == QLatin1String("answer") || command == QLatin1String("answer-file");
        try {
            // Answers at the top are queued before start-up so that its
            // questions can be answered; the first other line starts the run.
            if (!runner.started() && !isAnswer) {
                runner.start();
                if (runner.app().ended()) {
                    out << "ended " << runner.app().exitCode() << '\n';
                    return ScriptOk;
                }
            }
            if (i == lines.size())
                break;
            runner.run(command, rest);
        } catch (const ScriptFault &f) {
            out.flush();
            err << options.programName.toStdString() << ": line " << (i + 1) << ": "
                << printableText(f.message).toStdString() << '\n';
            return ScriptError;
        }
        if (runner.app().ended()) {
            out << "ended " << runner.app().exitCode() << '\n';
            return ScriptOk;
        }
    }
    return ScriptOk;
}

bool readScriptFile(const QString &path, QByteArray &script)
{
    QFile file;
    const bool ok = path == QLatin1String("-")
                        ? file.open(stdin, QIODevice::ReadOnly)
                        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!ok)
        return false;
    script = file.readAll();
    return true;
}

bool parseScriptArguments(const QStringList &args, ScriptOptions &options, QString &scriptPath,
                          QString &error)
{
    options.workingDirectory = QDir::currentPath();
    // The program's own settings file unless --settings names another.
    options.settingsPath = defaultSettingsLocation();
    scriptPath.clear();
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString &into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--disclaimer")) {
            options.askDisclaimer = true;
        } else if (a == QLatin1String("--cwd")) {
            if (!value(v) || !QFileInfo(v).isDir()) {
                error = QStringLiteral("--cwd needs an existing directory");
                return false;
            }
            options.workingDirectory = QFileInfo(v).absoluteFilePath();
        } else if (a == QLatin1String("--settings")) {
            if (!value(v) || v.isEmpty()) {
                error = QStringLiteral("--settings needs a file");
                return false;
            }
            options.settingsPath = QFileInfo(v).absoluteFilePath();
        } else if (a == QLatin1String("--decimal-separator") ||
                   a == QLatin1String("--system-decimal-separator")) {
            // A digit, a sign or a blank as the separator would make numbers
            // read as other numbers.
            if (!value(v) || v.size() != 1 || v[0].isDigit() || v[0].isSpace() ||
                v[0].category() == QChar::Other_Control || v[0] == QLatin1Char('+') ||
                v[0] == QLatin1Char('-')) {
                error = printableText(a) +
                        QStringLiteral(" needs one character that is no digit, sign or blank");
                return false;
            }
            (a == QLatin1String("--decimal-separator") ? options.decimalSeparator
                                                       : options.systemDecimalSeparator) = v[0];
        } else if (a == QLatin1String("--ppi")) {
            bool ok = false;
            const int ppi = value(v) ? v.toInt(&ok) : 0;
            if (!ok || ppi < 1 || ppi > 10000) {
                error = QStringLiteral("--ppi needs a whole number from 1 to 10000");
                return false;
            }
            options.pixelsPerInch = ppi;
        } else if (a.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(printableText(a));
            return false;
        } else if (scriptPath.isEmpty()) {
            scriptPath = a;
        } else {
            error = QStringLiteral("only one script file, not also %1").arg(printableText(a));
            return false;
        }
    }
    if (scriptPath.isEmpty()) {
        error = QStringLiteral("no script file (use - for standard input)");
        return false;
    }
    return true;
}

} // namespace pc::driver
