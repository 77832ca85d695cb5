// The windows' design has one source: the form model's design state (what
// each form sets before any handler runs) is what the user sees, because the
// binders write it over whatever the .ui files hold. The .ui files must
// therefore say the same, so that the designer shows the real window; this
// test builds every window from its .ui file alone and compares each named
// widget's text (or title), tooltip and the geometry the model sets with the
// model's design state, naming the widget and the property on a difference.

#include "binder_support.h"
#include "binders.h"
#include "form/about_form.h"
#include "form/life_curve_form.h"
#include "form/main_form.h"
#include "form/splash_form.h"
#include "form/table_window_form.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace pc;
using form::Control;
using form::Kind;
using form::Property;

namespace {

// One window: its model in the design state and its widgets built from the
// .ui file with nothing bound.
struct DesignedWindow
{
    std::unique_ptr<form::Form> model;
    std::unique_ptr<QWidget> window;
};

template <typename Ui, typename Host> std::unique_ptr<QWidget> fromUi()
{
    auto host = std::make_unique<Host>();
    auto ui = std::make_unique<Ui>();
    ui->setupUi(host.get());
    return host;
}

struct WindowCase
{
    const char *name;
    std::function<DesignedWindow()> build;
};

const WindowCase windows[] = {
    {"main window",
     [] {
         return DesignedWindow{std::make_unique<form::MainForm>(),
                               fromUi<Ui::TForm1, QMainWindow>()};
     }},
    {"corrosion table window",
     [] {
         return DesignedWindow{std::make_unique<form::TableWindowForm>(),
                               fromUi<Ui::TForm2, QWidget>()};
     }},
    {"service life curve window",
     [] {
         return DesignedWindow{std::make_unique<form::LifeCurveForm>(),
                               fromUi<Ui::TFormLife, QWidget>()};
     }},
    {"about box",
     [] {
         return DesignedWindow{std::make_unique<form::AboutForm>(),
                               fromUi<Ui::TPilecorrAboutBox, QDialog>()};
     }},
    {"splash window",
     [] {
         return DesignedWindow{std::make_unique<form::SplashForm>(),
                               fromUi<Ui::TPilecorrSplashScreenBox, QWidget>()};
     }},
};

QObject *objectNamed(QWidget *window, const QString &name)
{
    if (window->objectName() == name)
        return window;
    return window->findChild<QObject *>(name);
}

// The text a control of this kind shows (its caption or its text), as the
// .ui file gives it; nothing for kinds that show no text of their own.
std::optional<QString> designedText(const Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::Window:
        return qobject_cast<QWidget *>(o)->windowTitle();
    case Kind::Page: {
        int index = -1;
        const QTabWidget *tabs = gui::detail::tabWidgetOf(qobject_cast<QWidget *>(o), &index);
        return tabs ? tabs->tabText(index) : QStringLiteral("<not a page>");
    }
    case Kind::GroupBox:
    case Kind::RadioGroup:
        return qobject_cast<QGroupBox *>(o)->title();
    case Kind::Label:
        return qobject_cast<QLabel *>(o)->text();
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
        return qobject_cast<QAbstractButton *>(o)->text();
    case Kind::Edit:
        return qobject_cast<QLineEdit *>(o)->text();
    case Kind::MenuItem:
        if (auto *menu = qobject_cast<QMenu *>(o))
            return menu->title();
        return qobject_cast<QAction *>(o)->text();
    default:
        return std::nullopt;
    }
}

std::optional<QString> modelText(const Control &c)
{
    return c.kind() == Kind::Edit ? c.text() : c.caption();
}

// The tooltip the binders give the control, and the one the .ui file gives.
QString modelTooltip(const Control &c)
{
    if (c.kind() == Kind::MenuItem)
        return gui::tooltipOf(c.hint());
    return c.showHint() ? gui::tooltipOf(c.hint()) : QString();
}

QString designedTooltip(QObject *o)
{
    if (auto *w = qobject_cast<QWidget *>(o); w && !qobject_cast<QMenu *>(o))
        return w->toolTip();
    QAction *a = qobject_cast<QAction *>(o);
    if (auto *menu = qobject_cast<QMenu *>(o))
        a = menu->menuAction();
    // An action without a tooltip of its own reports its text as one.
    QAction plain;
    plain.setText(a->text());
    return a->toolTip() == plain.toolTip() ? QString() : a->toolTip();
}

// The geometry the model sets, against the .ui file's. A main window's
// model height is its client area: the .ui file's height less the menu bar.
std::vector<std::pair<const char *, std::pair<int, int>>> geometry(const Control &c, QObject *o)
{
    std::vector<std::pair<const char *, std::pair<int, int>>> out;
    const auto *w = qobject_cast<const QWidget *>(o);
    if (!w)
        return out;
    int menuHeight = 0;
    if (const auto *mw = qobject_cast<const QMainWindow *>(w); mw && mw->menuWidget())
        menuHeight = mw->menuWidget()->geometry().height();
    if (c.geometrySet(Property::Left))
        out.push_back({"left", {w->x(), c.left()}});
    if (c.geometrySet(Property::Top))
        out.push_back({"top", {w->y(), c.top()}});
    if (c.geometrySet(Property::Width))
        out.push_back({"width", {w->width(), c.width()}});
    if (c.geometrySet(Property::Height))
        out.push_back({"height", {w->height() - menuHeight, c.height()}});
    return out;
}

} // namespace

TEST(DesignState, EveryUiWidgetSaysWhatTheModelsDesignStateSays)
{
    for (const WindowCase &wc : windows) {
        SCOPED_TRACE(wc.name);
        const DesignedWindow d = wc.build();
        int compared = 0;
        for (Control *c : d.model->controls()) {
            if (c->kind() == Kind::Timer)
                continue; // no widget: the window makes its timer itself
            const std::string name = d.model->qualifiedName(*c).toStdString();
            QObject *o = objectNamed(d.window.get(), c->name());
            ASSERT_NE(o, nullptr) << name << ": no widget of that name in the .ui file";
            if (const auto shown = designedText(*c, o)) {
                EXPECT_EQ(shown->toStdString(), modelText(*c)->toStdString())
                    << name << " text/title";
                ++compared;
            }
            if (qobject_cast<QWidget *>(o) || qobject_cast<QAction *>(o)) {
                EXPECT_EQ(designedTooltip(o).toStdString(), modelTooltip(*c).toStdString())
                    << name << " tooltip";
            }
            for (const auto &[property, values] : geometry(*c, o))
                EXPECT_EQ(values.first, values.second) << name << " " << property;
        }
        EXPECT_GT(compared, 0) << "no text was compared";
    }
}

// The comparison itself finds a difference: a widget whose .ui text, tooltip
// or geometry differs from the model is named with the property.
TEST(DesignState, ADifferenceIsFoundAndNamed)
{
    form::MainForm model;
    auto window = fromUi<Ui::TForm1, QMainWindow>();
    auto *label = window->findChild<QLabel *>(QStringLiteral("Lbl_Moment"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(designedText(model.Lbl_Moment, label), modelText(model.Lbl_Moment));
    label->setText(QStringLiteral("Moment"));
    EXPECT_NE(designedText(model.Lbl_Moment, label), modelText(model.Lbl_Moment));

    auto *box = window->findChild<QGroupBox *>(QStringLiteral("GB_Red_Properties"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(designedTooltip(box), modelTooltip(model.GB_Red_Properties));
    box->setToolTip(QString());
    EXPECT_NE(designedTooltip(box), modelTooltip(model.GB_Red_Properties));

    auto *action = window->findChild<QAction *>(QStringLiteral("MenuMetric"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(designedTooltip(action), modelTooltip(model.MenuMetric));
    action->setToolTip(QString());
    EXPECT_NE(designedTooltip(action), modelTooltip(model.MenuMetric));

    auto *loss = window->findChild<QWidget *>(QStringLiteral("GB_Loss_Summary"));
    ASSERT_NE(loss, nullptr);
    loss->resize(loss->width(), model.GB_Loss_Summary.height() + 1);
    const auto g = geometry(model.GB_Loss_Summary, loss);
    ASSERT_EQ(g.size(), 1u);
    EXPECT_STREQ(g.front().first, "height");
    EXPECT_NE(g.front().second.first, g.front().second.second);
}
