// The splash that fades and asks the liability question once, and the about
// box: alpha values, closing, the layout of the mail row and the hint timing
// of the authorship spot.

#include "app_fixture.h"

#include <gtest/gtest.h>

#include <set>

using namespace pc;
using pc::test::handlerCatalogue;

namespace {

struct Started
{
    ScriptedPlatform p;
    App a;
    explicit Started(bool askDisclaimer = false, std::vector<MessageButton> answers = {})
        : a(p, AppOptions{QString(), askDisclaimer, QString(), QStringList()})
    {
        for (MessageButton b : answers)
            p.queueButton(b);
        const Catalogue c = handlerCatalogue();
        a.catalogueLoader = [c](Platform &) { return std::optional<Catalogue>(c); };
    }
};

} // namespace

TEST(Splash, AcceptingTheQuestionClosesTheFadingSplashAndDecliningEndsTheRun)
{
    for (const bool accept : {true, false}) {
        Started r(true, {accept ? MessageButton::Yes : MessageButton::No});
        r.a.start();
        ASSERT_EQ(r.p.messages().size(), 1u);
        EXPECT_EQ(r.p.messages()[0].kind, MessageKind::Question);
        EXPECT_EQ(r.p.messages()[0].caption, QStringLiteral(" Pilecorr 2.5.0.3 "));
        EXPECT_EQ(r.a.ended(), !accept);
        EXPECT_EQ(r.a.exitCode(), 0);
        if (accept) {
            EXPECT_FALSE(r.a.splash.shown());
            EXPECT_FALSE(r.a.splash.Timer1.enabled());
        }
    }
}

TEST(Splash, FadesByTwentyAtEachTickAndClosesAtTheSeventh)
{
    Started r;
    // Shown again while the question would still be open: the timer runs.
    r.a.splash.show();
    r.a.splash.Timer1.setEnabled(true);
    const form::Control &box = r.a.splash.TPilecorrSplashScreenBox;
    ASSERT_EQ(box.alphaBlend(), 255);
    std::vector<int> seen;
    for (int tick = 0; tick < 6; ++tick) {
        r.a.splash.Timer1.onTimer();
        seen.push_back(box.alphaBlend());
        EXPECT_TRUE(r.a.splash.shown()) << tick;
    }
    EXPECT_EQ(seen, (std::vector<int>{235, 215, 195, 175, 155, 135}));
    r.a.splash.Timer1.onTimer();
    EXPECT_EQ(box.alphaBlend(), 115);
    EXPECT_FALSE(r.a.splash.shown());
    EXPECT_FALSE(r.a.splash.Timer1.enabled());
    // A tick that arrives after the seventh changes nothing.
    r.a.splash.Timer1.onTimer();
    EXPECT_EQ(box.alphaBlend(), 115);
    EXPECT_EQ(r.a.splash.tickCount, 7);
}

TEST(Splash, AClickClosesItAtOnceAndTheQuestionIsNeverAskedTwice)
{
    Started r(true, {MessageButton::Yes, MessageButton::No});
    r.a.start();
    ASSERT_EQ(r.p.messages().size(), 1u);
    // A second loss of activation asks nothing (and so cannot end the run).
    r.a.splash.show();
    r.a.splash.Timer1.setEnabled(true);
    r.a.splash.TPilecorrSplashScreenBox.onDeactivate();
    EXPECT_EQ(r.p.messages().size(), 1u);
    EXPECT_FALSE(r.a.ended());
    r.a.splash.userClick(r.a.splash.Image1);
    EXPECT_FALSE(r.a.splash.shown());
    EXPECT_FALSE(r.a.splash.Timer1.enabled());
}

TEST(AboutBox, EachShowDrawsAnAlphaFrom205To244AndWritesTheNotice)
{
    Started r;
    r.a.start();
    std::set<int> alphas;
    for (int i = 0; i < 40; ++i) {
        r.a.f.userClick(r.a.f.MenuAbout);
        ASSERT_TRUE(r.a.about.shown());
        const int alpha = r.a.about.TPilecorrAboutBox.alphaBlend();
        EXPECT_GE(alpha, 205);
        EXPECT_LE(alpha, 244);
        alphas.insert(alpha);
        r.a.about.userClick(r.a.about.OKButton);
        EXPECT_FALSE(r.a.about.shown());
    }
    EXPECT_GT(alphas.size(), 5u);
    const QStringList lines = r.a.about.Copyright.caption().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[2], QStringLiteral(" No liability for any possible error. "));
    EXPECT_EQ(lines[3], QStringLiteral(" Changes possible without prior notice. "));
    EXPECT_EQ(lines[4], QStringLiteral(" Need help ? "));
    for (const QString &l : lines)
        EXPECT_TRUE(l.startsWith(QLatin1Char(' ')) && l.endsWith(QLatin1Char(' ')))
            << l.toStdString();
}

TEST(AboutBox, TheMailRowIsCentredAboveTheButtonAndLosingActivationHidesTheBox)
{
    Started r;
    r.a.start();
    r.a.f.userClick(r.a.f.MenuAbout);
    const form::AboutForm &b = r.a.about;
    // Scripted metrics: 7 pixels a character. "e-mail  " is 56 wide, the
    // 28-character address 196; round(337 / 2) = 168 (ties to even),
    // round(252 / 2) = 126, so the label starts at 42.
    EXPECT_EQ(b.LblEmail.top(), b.OKButton.top() - 25);
    EXPECT_EQ(b.LblEmailLink.top(), b.OKButton.top() - 25);
    EXPECT_EQ(b.LblEmail.left(), 42);
    EXPECT_EQ(b.LblEmailLink.left(), 98);
    r.a.about.TPilecorrAboutBox.onDeactivate();
    EXPECT_FALSE(r.a.about.shown());
}

TEST(AboutBox, TheMailLinkOpensAMessageToItsAddress)
{
    Started r;
    r.a.start();
    r.a.f.userClick(r.a.f.MenuAbout);
    r.a.about.userClick(r.a.about.LblEmailLink);
    EXPECT_EQ(r.p.openedUrls(), QStringList{QStringLiteral("mailto:pilecorr-support@example.org")});
}

TEST(AboutBox, TheAuthorshipSpotSlowsHintsWhileOverItAndItsHintShowsOnce)
{
    Started r;
    r.a.start();
    EXPECT_EQ(r.a.hints.hidePause, 2500);
    r.a.f.userClick(r.a.f.MenuAbout);
    r.a.about.userMouse(r.a.about.Lbl_Author, 3, 3);
    EXPECT_EQ(r.a.hints.pause, 4000);
    EXPECT_EQ(r.a.hints.hidePause, 2000);
    EXPECT_TRUE(r.a.about.Lbl_Author.showHint());
    r.a.about.userMouseOut();
    EXPECT_EQ(r.a.hints.pause, 1000);
    EXPECT_EQ(r.a.hints.hidePause, 1500);
    EXPECT_FALSE(r.a.about.Lbl_Author.showHint());
}
