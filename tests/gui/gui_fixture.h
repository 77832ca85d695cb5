#pragma once
// A started program with its real windows on the offscreen platform, on the
// in-memory catalogue of the handler tests; dialogs answered by the scripted
// platform.

#include "app_fixture.h"
#include "binders.h"
#include "gui_session.h"
#include "windows.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pc::test {

struct GuiRun
{
    ScriptedPlatform p;
    App a;
    form::MainForm &f = a.f;
    std::unique_ptr<gui::Session> session;

    explicit GuiRun(gui::Session::Options options = {}, Catalogue c = handlerCatalogue(),
                    AppOptions appOptions = {})
        : a(p, std::move(appOptions))
    {
        a.catalogueLoader = [c](Platform &) { return std::optional<Catalogue>(c); };
        session = std::make_unique<gui::Session>(a, options);
        a.start();
        session->afterUserAction();
        activate();
    }

    ~GuiRun() { session.reset(); }

    gui::MainWindow &window() const { return session->mainWindow(); }

    // The main window is the active window, as after a click on it.
    void activate()
    {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window(), 5000))
            << "the main window did not become active";
        session->flush();
    }

    template <typename W = QWidget> W *widget(const form::Control &c) const
    {
        return qobject_cast<W *>(session->widgetFor(c));
    }

    // The text a status bar panel shows.
    QString panel(int i) const;

    // The user clicks into an edit, selects its text and types `text`.
    QLineEdit *retype(const form::Control &edit, const QString &text) const
    {
        auto *w = widget<QLineEdit>(edit);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, text);
        return w;
    }
};

} // namespace pc::test
