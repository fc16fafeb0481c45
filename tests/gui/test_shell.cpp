// The Qt side of the rules' services: the tick driver and the message boxes
// that hold it, and ending the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

#include "GuiGame.h"
#include "app/QtShell.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/TickDriver.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

using gui::GuiGame;

// How long a wait for the ticks may take before the test gives up: long, so
// that only a driver that stopped ticking fails, never a busy machine.
constexpr int kPatienceMs = 120000;

// Runs `inspect` on the modal box once it is up (and `ready` holds), then
// answers it with `answer`. Looks for the box until it comes, however busy
// the machine; the limit only catches a box that never opens.
void WhenBoxOpens(
    std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton answer,
    std::function<bool()> ready = [] { return true; })
{
    auto* poll = new QTimer(qApp);
    auto* since = new QElapsedTimer;
    since->start();
    QObject::connect(poll, &QTimer::timeout, [poll, since, inspect, answer, ready] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !ready()) {
            if (since->elapsed() < kPatienceMs)
                return;
            ADD_FAILURE() << "waited " << kPatienceMs / 1000 << " s for "
                          << (box ? "the state the box is looked at in" : "a message box to open");
            if (box)
                box->button(answer)->click(); // the test goes on to report, not hang
        } else {
            inspect(*box);
            box->button(answer)->click();
        }
        poll->stop();
        poll->deleteLater();
        delete since;
    });
    poll->start(10);
}

struct Driven : GuiGame {
    Driven()
    {
        g.shell = &qtShell;
        qtShell.leaveEventLoop = [this] { ++leftLoop; };
        forms.driver = &driver;
        g.timers.SetHandler(TimerId::Tmr, [this] { ++tmrRuns; });
        g.timers.SetInterval(TimerId::Tmr, 1);
        g.timers.SetEnabled(TimerId::Tmr, true);
    }
    QtShell qtShell{forms};
    int renders = 0;
    TickDriver driver{g.timers, [this] { ++renders; }};
    int tmrRuns = 0;
    int leftLoop = 0;
};

TEST(TickDriver, TicksTheTimersAndLetsTheWindowsRender)
{
    Driven d;
    d.driver.Start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.tmrRuns >= 3; }, kPatienceMs));
    EXPECT_GE(d.renders, d.tmrRuns);
    d.driver.Stop();
    const int runs = d.tmrRuns;
    QTest::qWait(100);
    EXPECT_EQ(d.tmrRuns, runs);
}

TEST(TickDriver, TicksOnlyWhileSomeTimerIsOnAndNoModalBoxHoldsThem)
{
    GuiGame gg;
    Game& g = gg.g;
    int renders = 0;
    TickDriver driver{g.timers, [&] { ++renders; }};
    g.timers.DisableAll();
    driver.Start();
    // Before a match: no timer, so no system tick at all.
    EXPECT_FALSE(driver.Running());
    QTest::qWait(60);
    EXPECT_EQ(driver.SystemTicks(), 0u);
    EXPECT_EQ(renders, 0);

    g.timers.SetEnabled(TimerId::Tmr4, true);
    EXPECT_TRUE(driver.Running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.timers.Ticks() >= 2; }, kPatienceMs));

    // A box holds the timers: the tick stops, after showing the field once.
    const int before = renders;
    g.timers.Hold();
    EXPECT_FALSE(driver.Running());
    EXPECT_EQ(renders, before + 1);
    const auto ticks = driver.SystemTicks();
    QTest::qWait(60);
    EXPECT_EQ(driver.SystemTicks(), ticks);
    g.timers.Release();
    EXPECT_TRUE(driver.Running());

    // A victory switches the last timer off.
    g.timers.SetEnabled(TimerId::Tmr4, false);
    EXPECT_FALSE(driver.Running());
    g.timers.SetEnabled(TimerId::Tmr2, true);
    EXPECT_TRUE(driver.Running());
    driver.Stop();
    EXPECT_FALSE(driver.Running());
    g.timers.SetEnabled(TimerId::Tmr, true);
    EXPECT_FALSE(driver.Running()); // stopped for good, whatever the timers do
}

TEST(TickDriver, NoTimerRunsWhileAModalBoxIsOpenAndAllGoOnAfterwards)
{
    Driven d;
    d.driver.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.tmrRuns >= 1; }, kPatienceMs));

    const int runsBefore = d.tmrRuns;
    const auto ticksBefore = d.g.timers.Ticks();
    int runsInside = -1;
    int rendersInside = 0;
    const int rendersBefore = d.renders;
    WhenBoxOpens(
        [&](QMessageBox&) {
            runsInside = d.tmrRuns;
            rendersInside = d.renders;
            EXPECT_TRUE(d.g.timers.Held());
            EXPECT_EQ(d.g.timers.Ticks(), ticksBefore);
        },
        QMessageBox::Ok,
        // Looked at once the window has repainted under the box.
        [&] { return d.renders > rendersBefore; });
    MessageBoxRequest box;
    box.title = "День 1";
    box.text = "Ходит Маг Эльза";
    EXPECT_EQ(d.qtShell.MessageBox(box), BoxAnswer::Ok);

    EXPECT_EQ(runsInside, runsBefore);
    // The driver itself kept running (the window still repaints under the box).
    EXPECT_GT(rendersInside, rendersBefore);
    EXPECT_FALSE(d.g.timers.Held());
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.tmrRuns >= runsBefore + 3; }, kPatienceMs));
}

TEST(QtShell, QuestionsArePlainTextWithRussianButtonsAndNoAsDefault)
{
    Driven d;
    MessageBoxRequest ask;
    ask.title = "Grimhollow";
    ask.text = "<b>Выйти</b> в систему?";
    ask.buttons = BoxButtons::YesNo;
    ask.icon = BoxIcon::Question;
    ask.defaultNo = true;
    for (auto [answer, expected] :
         {std::pair{QMessageBox::Yes, BoxAnswer::Yes}, std::pair{QMessageBox::No, BoxAnswer::No}}) {
        WhenBoxOpens(
            [&](QMessageBox& box) {
                EXPECT_EQ(box.windowTitle(), QStringLiteral("Grimhollow"));
                EXPECT_EQ(box.text(), QStringLiteral("<b>Выйти</b> в систему?"));
                EXPECT_EQ(box.textFormat(), Qt::PlainText);
                EXPECT_EQ(box.icon(), QMessageBox::Question);
                EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
                EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
                EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                          QStringLiteral("Да"));
                EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')),
                          QStringLiteral("Нет"));
            },
            answer);
        EXPECT_EQ(d.qtShell.MessageBox(ask), expected);
    }
}

TEST(QtShell, InformationAndWarningBoxesHaveOneOkButton)
{
    Driven d;
    MessageBoxRequest warn;
    warn.title = "Выбор участников";
    warn.text = "Минимум два героя должны быть выбраны.";
    warn.icon = BoxIcon::Exclamation;
    WhenBoxOpens(
        [](QMessageBox& box) {
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Выбор участников"));
        },
        QMessageBox::Ok);
    EXPECT_EQ(d.qtShell.MessageBox(warn), BoxAnswer::Ok);

    MessageBoxRequest info;
    info.title = "День 2";
    info.text = "Ходят нейтральные юниты ";
    WhenBoxOpens([](QMessageBox& box) { EXPECT_EQ(box.icon(), QMessageBox::NoIcon); }, QMessageBox::Ok);
    EXPECT_EQ(d.qtShell.MessageBox(info), BoxAnswer::Ok);
}

TEST(QtShell, QuitClosesEveryWindowAndStopsEveryTimer)
{
    Driven d;
    FrmMain* main = d.forms.LoadMain();
    main->show();
    QPointer<FrmMenu> menu = d.forms.OpenMenu();
    d.g.timers.SetEnabled(TimerId::TmrEnemy, true);
    d.driver.Start();

    d.qtShell.Quit();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(menu == nullptr || !menu->isVisible());
    EXPECT_FALSE(d.driver.Running());
    for (TimerId t : {TimerId::Tmr, TimerId::TmrEnemy})
        EXPECT_FALSE(d.g.timers.Enabled(t));
    EXPECT_EQ(d.leftLoop, 1);
    // It went without asking.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(QtShell, CloseSelectionAndShowSpeechReachTheWindows)
{
    Driven d;
    d.qtShell.CloseSelection(); // nothing open: nothing happens
    d.forms.OpenSelect();
    ASSERT_NE(d.forms.Select(), nullptr);
    d.qtShell.CloseSelection();
    gui::FlushDeletes();
    EXPECT_EQ(d.forms.Select(), nullptr);

    d.qtShell.ShowSpeech();
    ASSERT_NE(d.forms.Speech(), nullptr);
    EXPECT_TRUE(d.forms.Speech()->isVisible());
    EXPECT_FALSE(d.forms.Speech()->isModal());
}

TEST(QtShell, TheTurnAnnouncementNeverCoversTheSpeech)
{
    Driven d;
    FrmMain* main = d.forms.LoadMain();
    main->showFullScreen();
    CreateUnit(d.g, 2, kNecromancer, 2);
    d.g.U(2).Name = "Морг";
    d.g.ActiveHero = 2;
    d.qtShell.ShowSpeech();
    QPointer<FrmMes> mes = d.forms.Speech();
    ASSERT_NE(mes, nullptr);
    const QRect screen = mes->screen()->availableGeometry();
    EXPECT_LE(mes->frameGeometry().bottom(), screen.center().y() - kAnnouncementClearance);
    EXPECT_NEAR(mes->frameGeometry().center().x(), screen.center().x(), 2);

    // A short announcement fits below by itself; one with a hero name that
    // runs over many lines has to step down.
    MessageBoxRequest box;
    box.title = "День 3";
    std::string longName;
    for (int i = 0; i < 120; ++i)
        longName += " Морг Ужасный";
    for (const std::string& text : {std::string("Ходит Некромант Морг"), "Ходит Некромант" + longName}) {
        box.text = text;
        QRect seen;
        WhenBoxOpens([&](QMessageBox& b) { seen = b.frameGeometry(); }, QMessageBox::Ok);
        d.qtShell.MessageBox(box);
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_FALSE(seen.intersects(mes->frameGeometry())) << text.size();
    }
}

} // namespace
} // namespace gh
