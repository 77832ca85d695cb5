// Random user events through both programs: a script of random actions on
// the controls a person can reach is made from a seed, played by the
// headless driver and by the Qt program, and their outputs must agree line
// by line.
//
//   pilecorr_random_events --seed N --steps N --cwd DIR --cli PROGRAM
//                          --gui PROGRAM --work DIR [--look-every N]
//                          [--decimal-separator C]
//
// The script is made by playing it while it is written: the headless driver
// runs a script of placeholder lines, and at each of them this program's
// script target picks an action that the state of the run allows at that
// moment (a control on the active page, enabled and visible, an item that
// exists), plays it as the driver plays it and writes its line. So no action
// is a script error, and every action does something a person could do.
//
// After each action `get` lines ask for the beeps so far and for a property
// of a control picked at random, and every so often `get` lines ask for every dumped property of
// every control and the run state. Each `get` prints exactly one line, so the
// first line on which the outputs differ names the script line that printed
// it; the actions before it are reported with it. The script and both
// outputs stay in the work folder to be replayed.
//
// Left out, each for a reason: `close` and the "&Close" menu entry end the
// run (nothing after them would be compared); actions on the corrosion table
// window, the about box and the splash (the script reaches them only while
// they show, and the main window's controls are what the runs are about);
// "Open design ..." and "Save design ...", whose dialogs the script does not
// answer here, so that a click is a cancelled dialog that runs nothing (their
// replay is a chain of the user actions this run makes anyway, and has tests
// of its own).

#include "driver/property_text.h"
#include "driver/run_state_text.h"
#include "driver/script_runner.h"
#include "driver/script_target.h"
#include "platform/scripted_platform.h"
#include "window/app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <random>
#include <sstream>

namespace {

using pc::form::ActionResult;
using pc::form::Control;
using pc::form::Form;
using pc::form::Kind;

// Run-state variables read with every full look at the state.
const char *const StateVariables[] = {"DesignMoment",
                                      "DesignLoad",
                                      "DesignDeflection",
                                      "SfMinRequired",
                                      "SfMaxRequired",
                                      "SfIni",
                                      "SfRed",
                                      "CurrentFy",
                                      "WelIni",
                                      "WelRed",
                                      "AIni",
                                      "ARed",
                                      "LossFront",
                                      "LossBack",
                                      "LossFrontReduced",
                                      "LossTotal",
                                      "WallLength",
                                      "SspLength",
                                      "SteelMassTotal",
                                      "UnitsMetric",
                                      "CurrentSectionName",
                                      "CurrentGradeText",
                                      "GradeListCount",
                                      "SectionListMap",
                                      "GradeListMap",
                                      "Beeps",
                                      "ExclamationBeeps",
                                      "Messages",
                                      "Clipboard"};

// Menu entries left out (see above).
bool leftOut(const Control &c)
{
    return c.name() == QLatin1String("MenuClose") || c.name() == QLatin1String("MenuOpenDesign") ||
           c.name() == QLatin1String("MenuSaveDesign");
}

// Text of a script line: blanks at either end and backslashes escaped.
QString escaped(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (ch == QChar(8))
            out += QLatin1String("\\b");
        else if (ch == QLatin1Char(' ') && (i == 0 || i == text.size() - 1))
            out += QLatin1String("\\s");
        else
            out += ch;
    }
    return out;
}

class Generator : public pc::driver::ScriptTarget
{
public:
    Generator(unsigned seed, int steps, int lookEvery)
        : random_(seed), steps_(steps), lookEvery_(lookEvery)
    {}

    const QStringList &script() const { return script_; }

    void attach(pc::App &app) override { app_ = &app; }
    void detach(pc::App &) override { app_ = nullptr; }

    // Each placeholder line of the driver's script is one random action.
    ActionResult leave(Form &form) override
    {
        if (!app_ || app_->ended())
            return ActionResult::Done;
        ++step_;
        script_ << QStringLiteral("# step %1").arg(step_);
        act(form);
        if (app_->ended())
            return ActionResult::Done;
        checkInvariants();
        // Beeps count the handlers that ran (a focus move too many shows here
        // first).
        script_ << QStringLiteral("get $Beeps");
        lookAtOne(form);
        if (step_ % lookEvery_ == 0 || step_ == steps_)
            lookAtAll();
        return ActionResult::Done;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return pick(100) < percent; }

    template <typename Check> std::vector<Control *> candidates(const Form &form, Check ok) const
    {
        std::vector<Control *> out;
        for (Control *c : form.controls())
            if (ok(*c))
                out.push_back(c);
        return out;
    }

    QString typedText()
    {
        static const QString keys = QStringLiteral("0123456789012345678901234567.,.-ex ");
        const int n = 1 + pick(5);
        QString t;
        for (int i = 0; i < n; ++i)
            t += keys[pick(static_cast<int>(keys.size()))];
        return t;
    }

    QString pastedText()
    {
        switch (pick(10)) {
        case 0:
            return QString();
        case 1:
            return QString::number(pick(10));
        case 2:
            return QString::number(-pick(100));
        case 3:
            return QStringLiteral("1e3");
        case 4:
            return QString::number(pick(100000000));
        case 5:
            return QStringLiteral("%1,%2").arg(pick(500)).arg(pick(100));
        case 6:
            return QStringLiteral(" %1 ").arg(pick(300));
        default:
            return QStringLiteral("%1.%2").arg(pick(1500)).arg(pick(100));
        }
    }

    // Plays one action that the state allows and writes its line.
    void act(Form &form)
    {
        enum Action { Enter, Leave, Type, Key, Replace, Select, DropDown, Click, Page, Mouse };
        static const std::pair<Action, int> weights[] = {
            {Enter, 8},   {Leave, 5},    {Type, 14},  {Key, 8},   {Replace, 14},
            {Select, 18}, {DropDown, 3}, {Click, 14}, {Page, 10}, {Mouse, 6}};
        int total = 0;
        for (const auto &w : weights)
            total += w.second;
        for (int attempt = 0; attempt < 20; ++attempt) {
            int r = pick(total);
            Action a = Enter;
            for (const auto &w : weights) {
                if (r < w.second) {
                    a = w.first;
                    break;
                }
                r -= w.second;
            }
            if (tryAction(form, a))
                return;
        }
        // Nothing else was possible: the focus leaves.
        script_ << QStringLiteral("leave");
        pc::driver::ScriptTarget::leave(form);
    }

    bool tryAction(Form &form, int action)
    {
        const auto any = [this](const std::vector<Control *> &cs) {
            return cs.empty() ? nullptr
                              : cs[static_cast<size_t>(pick(static_cast<int>(cs.size())))];
        };
        switch (action) {
        case 0: { // enter
            Control *c = any(candidates(form, [&form](const Control &x) {
                return x.kind() != Kind::PageControl && form.enterCheck(x) == ActionResult::Done;
            }));
            if (!c)
                return false;
            script_ << QStringLiteral("enter ") + c->name();
            form.userEnter(*c);
            return true;
        }
        case 1: // leave
            script_ << QStringLiteral("leave");
            form.userLeave();
            return true;
        case 2:
        case 3:
        case 4: { // type, key, replace
            // The focused edit most of the time, as a person goes on typing.
            Control *c = nullptr;
            if (form.focused() && form.editCheck(*form.focused()) == ActionResult::Done &&
                chance(60))
                c = form.focused();
            else
                c = any(candidates(form, [&form](const Control &x) {
                    return form.editCheck(x) == ActionResult::Done;
                }));
            if (!c)
                return false;
            if (action == 2) {
                const QString t = typedText();
                script_ << QStringLiteral("type %1 %2").arg(c->name(), escaped(t));
                form.userType(*c, t);
            } else if (action == 3) {
                static const QString keys = QStringLiteral("0123456789.,-x\b\b\b");
                const QChar k = keys[pick(static_cast<int>(keys.size()))];
                script_ << QStringLiteral("key %1 %2").arg(c->name(), escaped(QString(k)));
                form.userKey(*c, k);
            } else {
                const QString t = pastedText();
                script_ << QStringLiteral("replace %1 %2").arg(c->name(), escaped(t)).trimmed();
                form.userReplace(*c, t);
            }
            return true;
        }
        case 5: { // select
            Control *c = any(candidates(form, [&form](const Control &x) {
                return &x != form.pageControl() && x.itemCount() > 0 &&
                       form.selectCheck(x, 0) != ActionResult::WrongKind &&
                       form.check(x) == ActionResult::Done;
            }));
            if (!c)
                return false;
            const int index = pick(c->itemCount());
            if (form.selectCheck(*c, index) != ActionResult::Done)
                return false;
            script_ << QStringLiteral("select %1 %2").arg(c->name()).arg(index);
            form.userSelect(*c, index);
            return true;
        }
        case 6: { // dropdown
            Control *c = any(candidates(form, [&form](const Control &x) {
                return form.dropDownCheck(x) == ActionResult::Done;
            }));
            if (!c)
                return false;
            script_ << QStringLiteral("dropdown ") + c->name();
            form.userDropDown(*c);
            return true;
        }
        case 7: { // click
            Control *c = any(candidates(form, [&form](const Control &x) {
                return !leftOut(x) && form.clickCheck(x) == ActionResult::Done;
            }));
            if (!c)
                return false;
            script_ << QStringLiteral("click ") + c->name();
            form.userClick(*c);
            return true;
        }
        case 8: { // page
            const int pages = static_cast<int>(form.pages().size());
            if (pages == 0)
                return false;
            const int index = pick(pages);
            if (form.pageCheck(index) != ActionResult::Done)
                return false;
            script_ << QStringLiteral("page %1").arg(index);
            form.userPage(index);
            return true;
        }
        case 9: { // mouse
            Control *c = any(candidates(form, [&form](const Control &x) {
                switch (x.kind()) {
                case Kind::Grid:
                case Kind::GroupBox:
                case Kind::Chart:
                case Kind::TabControl:
                    return form.check(x) == ActionResult::Done;
                default:
                    return false;
                }
            }));
            if (!c)
                return false;
            const int w = c->width() > 0 ? c->width() : 200;
            const int h = c->height() > 0 ? c->height() : 100;
            const int x = pick(w), y = pick(h);
            script_ << QStringLiteral("mouse %1 %2 %3").arg(c->name()).arg(x).arg(y);
            form.userMouse(*c, x, y);
            return true;
        }
        default:
            return false;
        }
    }

    // One property of one control of the main window.
    void lookAtOne(const Form &form)
    {
        const auto &all = form.controls();
        const Control *c = all[static_cast<size_t>(pick(static_cast<int>(all.size())))];
        const auto props = c->dumpedProperties();
        if (props.empty()) {
            script_ << QStringLiteral("get $Beeps");
            return;
        }
        const auto p = props[static_cast<size_t>(pick(static_cast<int>(props.size())))];
        script_
            << QStringLiteral("get %1.%2").arg(form.qualifiedName(*c), pc::driver::propertyName(p));
    }

    // Every dumped property of every control, and the run state.
    void lookAtAll()
    {
        for (const Form *form :
             {static_cast<const Form *>(&app_->f), static_cast<const Form *>(&app_->tableWindow)})
            for (const Control *c : form->controls())
                for (const auto p : c->dumpedProperties())
                    script_ << QStringLiteral("get %1.%2")
                                   .arg(form->qualifiedName(*c), pc::driver::propertyName(p));
        for (const char *v : StateVariables)
            script_ << QStringLiteral("get $") + QLatin1String(v);
    }

public:
    // What broke an invariant, first time only: the step and the reason.
    const QString &brokenInvariant() const { return broken_; }

private:
    // After every action each run-state value is a finite number and every
    // list's selection lies inside its list (or is none).
    void checkInvariants()
    {
        if (!broken_.isEmpty())
            return;
        const auto *platform = dynamic_cast<const pc::ScriptedPlatform *>(&app_->p);
        // The run state's numbers print as JSON numbers, a non-finite one as
        // null; the records of the platform ($Clipboard, ...) may be null.
        static const char *const Numbers[] = {"DesignMoment",
                                              "DesignLoad",
                                              "DesignDeflection",
                                              "SfMinRequired",
                                              "SfMaxRequired",
                                              "SfIni",
                                              "SfRed",
                                              "CurrentFy",
                                              "WelIni",
                                              "WelRed",
                                              "IIni",
                                              "IRed",
                                              "AIni",
                                              "ARed",
                                              "TfIni",
                                              "TfRed",
                                              "TwIni",
                                              "TwRed",
                                              "CurrentWidth",
                                              "CurrentMass",
                                              "LossFront",
                                              "LossBack",
                                              "LossFrontReduced",
                                              "LossTotal",
                                              "LossTotalMils",
                                              "WallLength",
                                              "SspLength",
                                              "SspPairCount",
                                              "CoveredWallLength",
                                              "SteelMassTotal",
                                              "MaxSSPLength",
                                              "MaxSSPLengthImp"};
        for (const char *v : Numbers) {
            const std::optional<std::string> json =
                platform ? pc::driver::runStateJson(*app_, *platform, QString::fromLatin1(v))
                         : std::nullopt;
            if (!json || *json == "null") {
                broken_ = QStringLiteral("step %1: $%2 is not a finite value (%3)")
                              .arg(step_)
                              .arg(QLatin1String(v), QString::fromStdString(json.value_or("?")));
                return;
            }
        }
        for (const Form *form :
             {static_cast<const Form *>(&app_->f), static_cast<const Form *>(&app_->tableWindow)})
            for (const Control *c : form->controls()) {
                const bool listed = c->kind() == Kind::ListBox || c->kind() == Kind::ComboBox ||
                                    c->kind() == Kind::RadioGroup;
                if (listed && !(c->itemIndex() >= -1 && c->itemIndex() < c->itemCount())) {
                    broken_ = QStringLiteral("step %1: %2 selects item %3 of %4")
                                  .arg(step_)
                                  .arg(c->name())
                                  .arg(c->itemIndex())
                                  .arg(c->itemCount());
                    return;
                }
            }
    }

    QString broken_;
    std::mt19937 random_;
    int steps_;
    int lookEvery_;
    int step_ = 0;
    pc::App *app_ = nullptr;
    QStringList script_;
};

struct Run
{
    QByteArray out;
    QByteArray err;
    int status = -1;
};

Run runProgram(const QString &program, const QStringList &args, bool offscreen)
{
    QProcess p;
    if (offscreen) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
    }
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(-1)) {
        r.err = "cannot start " + program.toUtf8();
        return r;
    }
    p.closeWriteChannel();
    (void)p.waitForFinished(-1);
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

int usage()
{
    std::fprintf(stderr, "usage: pilecorr_random_events --seed N --steps N --cwd DIR --cli PROGRAM "
                         "--gui PROGRAM --work DIR [--look-every N] [--decimal-separator C]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QString cwd, cli, gui, work;
    QChar decimal = QLatin1Char('.');
    unsigned seed = 0;
    int steps = 0, lookEvery = 100;
    for (int i = 0; i + 1 < args.size(); i += 2) {
        const QString &o = args[i];
        const QString &v = args[i + 1];
        if (o == QLatin1String("--seed"))
            seed = v.toUInt();
        else if (o == QLatin1String("--steps"))
            steps = v.toInt();
        else if (o == QLatin1String("--look-every"))
            lookEvery = v.toInt();
        else if (o == QLatin1String("--cwd"))
            cwd = QDir(v).absolutePath();
        else if (o == QLatin1String("--cli"))
            cli = v;
        else if (o == QLatin1String("--gui"))
            gui = v;
        else if (o == QLatin1String("--work"))
            work = v;
        else if (o == QLatin1String("--decimal-separator") && v.size() == 1)
            decimal = v[0];
        else
            return usage();
    }
    if (args.size() % 2 != 0 || steps <= 0 || lookEvery <= 0 || cwd.isEmpty() || cli.isEmpty() ||
        gui.isEmpty() || work.isEmpty())
        return usage();

    // Make the script.
    QByteArray placeholders;
    for (int i = 0; i < steps; ++i)
        placeholders += "leave\n";
    pc::driver::ScriptOptions options;
    options.workingDirectory = cwd;
    options.decimalSeparator = decimal;
    Generator generator(seed, steps, lookEvery);
    std::ostringstream ignored;
    std::ostringstream errors;
    if (pc::driver::runScript(placeholders, options, ignored, errors, {}, &generator) !=
        pc::driver::ScriptOk) {
        std::cerr << "making the script failed: " << errors.str();
        return 1;
    }
    const QStringList &script = generator.script();
    QDir().mkpath(work);
    const QString scriptPath = QDir(work).filePath(QStringLiteral("random.script"));
    if (!writeFile(scriptPath, (script.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8())) {
        std::cerr << "cannot write " << scriptPath.toStdString() << '\n';
        return 1;
    }
    if (!generator.brokenInvariant().isEmpty()) {
        std::cerr << generator.brokenInvariant().toStdString() << " (" << scriptPath.toStdString()
                  << ")\n";
        return 1;
    }

    // Play it both ways, each with a settings file of its own.
    const auto playArgs = [&](const QString &first, const QString &settings) {
        QStringList a{first,
                      scriptPath,
                      QStringLiteral("--cwd"),
                      cwd,
                      QStringLiteral("--settings"),
                      QDir(work).filePath(settings),
                      QStringLiteral("--decimal-separator"),
                      QString(decimal)};
        QFile::remove(QDir(work).filePath(settings));
        return a;
    };
    const Run headless =
        runProgram(cli, playArgs(QStringLiteral("script"), QStringLiteral("cli.ini")), false);
    const Run widgets =
        runProgram(gui, playArgs(QStringLiteral("--script"), QStringLiteral("gui.ini")), true);
    writeFile(QDir(work).filePath(QStringLiteral("cli.out")), headless.out);
    writeFile(QDir(work).filePath(QStringLiteral("gui.out")), widgets.out);

    const QList<QByteArray> a = headless.out.split('\n');
    const QList<QByteArray> b = widgets.out.split('\n');
    int gets = 0;
    for (const QString &line : script)
        gets += line.startsWith(QLatin1String("get ")) ? 1 : 0;
    std::cout << "seed " << seed << ": " << steps << " actions, " << gets << " lines compared\n";
    if (headless.status != 0 || a.size() != gets + 1) {
        std::cerr << "the headless driver did not play the script to its end (exit "
                  << headless.status << "): " << headless.err.toStdString() << '\n';
        return 1;
    }

    for (int i = 0; i < a.size(); ++i) {
        const QByteArray other = i < b.size() ? b[i] : QByteArray("<no line>");
        if (a[i] == other)
            continue;
        // The script line that printed output line i, and the actions before it.
        int getIndex = -1, at = -1;
        for (int k = 0; k < script.size(); ++k)
            if (script[k].startsWith(QLatin1String("get ")) && ++getIndex == i) {
                at = k;
                break;
            }
        std::cerr << "the programs disagree on output line " << (i + 1) << " (script line "
                  << (at + 1) << ", " << scriptPath.toStdString() << "):\n"
                  << "  pilecorr-cli script: " << a[i].toStdString() << '\n'
                  << "  pilecorr --script:   " << other.toStdString() << '\n'
                  << "the actions before it:\n";
        std::vector<int> before;
        for (int k = at; k >= 0 && before.size() < 12; --k)
            if (!script[k].startsWith(QLatin1String("get ")) &&
                !script[k].startsWith(QLatin1Char('#')))
                before.insert(before.begin(), k);
        for (int k : before)
            std::cerr << "  " << (k + 1) << ": " << script[k].toStdString() << '\n';
        if (widgets.status != 0)
            std::cerr << "pilecorr --script ended with " << widgets.status << ": "
                      << widgets.err.toStdString() << '\n';
        return 1;
    }
    if (b.size() != a.size() || widgets.status != headless.status) {
        std::cerr << "pilecorr --script printed " << b.size() - 1 << " lines (exit "
                  << widgets.status << "), pilecorr-cli script " << a.size() - 1 << '\n';
        return 1;
    }
    std::cout << "both programs printed the same\n";
    return 0;
}
