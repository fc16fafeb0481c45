// The battlefield window: start-up, toolbar, scrolling by keys, the mouse in
// twips, the controls drawn from the game data and the exit question.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/qt/StatusStrip.h"
#include "platform/qt/Twips.h"
#include "windows/FrmImg.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSplash.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using gui::GuiGame;

struct Battlefield : GuiGame {
    Battlefield()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // A fresh match the way the player makes one: menu, "Заново", "Начать"
    // with the dialog's proposal (hero 1 a person, hero 2 the computer).
    void StartMatch()
    {
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        shell.boxes.clear();
        ASSERT_TRUE(g.MatchRunning);
        ASSERT_EQ(g.ActiveHero, 1);
        ASSERT_TRUE(g.HeroIsHuman[1]);
    }

    QImage Shot() { return main->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    FrmMain* main = nullptr;
};

const char* const kCaptions[] = {"Главное меню",  "Магия",   "Дипломатия", "Отменить",
                                 "Закончить ход", "Сдаться", "Настройки",  "Помощь"};
// «Отменить» says why it is greyed out: without a match there is nothing.
const char* const kToolTips[] = {"В главное меню",
                                 "Скастовать спелл",
                                 "Дипломатия пока недоступна",
                                 "Отменить нечего: партия не идёт",
                                 "Закончить ход",
                                 "Признать себя побежденным",
                                 "Меню настроек",
                                 "Помощь"};

TEST(FrmMain, StartsBorderlessAndEmptyWithTheScrollBarsPlacedInTwips)
{
    Battlefield b;
    EXPECT_EQ(b.main->windowTitle(), QStringLiteral("Grimhollow"));
    EXPECT_TRUE(b.main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(b.g.MatchRunning);
    EXPECT_FALSE(b.main->HorBar->isVisible());
    EXPECT_FALSE(b.main->VertBar->isVisible());
    EXPECT_EQ(b.g.UnitCount, 0);

    // 1280 x 800 pixels are 19200 x 12000 twips.
    EXPECT_EQ(b.main->Toolbar1->geometry(), QRect(0, 0, 1280, 58));
    EXPECT_EQ(b.main->VertBar->geometry(), TwipsRect(19200 - 375, 840, 375, 12000 - 840 - 375));
    EXPECT_EQ(b.main->HorBar->geometry(), TwipsRect(0, 12000 - 375, 19200 - 375, 375));
    // The view may stand as far above the field as the toolbar covers, so
    // that the first row can be seen whole.
    EXPECT_EQ(b.main->HorBar->minimum(), 0);
    EXPECT_EQ(b.main->VertBar->minimum(), -870);
    for (QScrollBar* bar : {b.main->HorBar, b.main->VertBar}) {
        EXPECT_EQ(bar->maximum(), 10000);
        EXPECT_EQ(bar->singleStep(), 250);
        EXPECT_EQ(bar->pageStep(), 1000);
        EXPECT_EQ(bar->value(), 0);
    }

    // The splash has gone; the portrait holder is loaded but never on screen.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<FrmSplash*>(w)) {
            EXPECT_FALSE(w->isVisible());
        }
        if (qobject_cast<FrmImg*>(w)) {
            EXPECT_TRUE(w->testAttribute(Qt::WA_DontShowOnScreen));
            EXPECT_FALSE(w->windowHandle() && w->windowHandle()->isExposed());
        }
    }
    EXPECT_NE(b.forms.Img(), nullptr);

    // The surface is black below the toolbar.
    const QImage shot = b.Shot();
    EXPECT_EQ(shot.pixel(640, 400) & 0xFFFFFF, 0u);
    EXPECT_EQ(shot.pixel(10, 790) & 0xFFFFFF, 0u);
}

TEST(FrmMain, ToolbarShowsTheEightButtonsWithIconsAndToolTips)
{
    Battlefield b;
    const QList<QAction*> actions = b.main->Toolbar1->actions();
    // The eight buttons; the status strip lies over the rest of the toolbar.
    ASSERT_EQ(actions.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(actions[i]->text(), QString::fromUtf8(kCaptions[i]));
        EXPECT_EQ(actions[i]->toolTip(), QString::fromUtf8(kToolTips[i]));
        EXPECT_FALSE(actions[i]->icon().isNull());
        auto* button = qobject_cast<QToolButton*>(b.main->Toolbar1->widgetForAction(actions[i]));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        // «Дипломатия» has nothing to do yet, and «Отменить» nothing to
        // take back: both are greyed out for it.
        EXPECT_EQ(actions[i]->isEnabled(), i != 2 && i != 3) << kCaptions[i];
        EXPECT_EQ(button->isEnabled(), i != 2 && i != 3) << kCaptions[i];
    }
    EXPECT_EQ(b.main->Strip->geometry().top(), b.main->Toolbar1->geometry().top());
    EXPECT_GE(b.main->Strip->geometry().left(),
              b.main->Toolbar1->widgetForAction(actions[7])->geometry().right());

    // Greyed out, «Дипломатия» still says why when the pointer rests on it.
    QWidget* diplomacy = b.main->Toolbar1->widgetForAction(actions[2]);
    QHelpEvent rest(QEvent::ToolTip, QPoint(10, 10), diplomacy->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(diplomacy, &rest);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Дипломатия пока недоступна"));
    QToolTip::hideText();
}

TEST(FrmMain, WithoutAMatchEndingTheTurnIsNotUnderstoodAndTheMenuOpens)
{
    Battlefield b;
    QTest::mouseClick(
        b.main->Toolbar1->widgetForAction(b.main->ToolbarButton(QStringLiteral("Закончить ход"))),
        Qt::LeftButton);
    ASSERT_EQ(b.shell.boxes.size(), 1u);
    EXPECT_EQ(b.shell.boxes[0].title, "Не понимаю");
    EXPECT_EQ(b.shell.boxes[0].text,
              "Предлагаю Вам для начала начать новую игру. (Клик по кнопке \"Главное меню\") ...");
    b.main->ToolbarButton(QStringLiteral("Магия"))->trigger();
    EXPECT_EQ(b.shell.boxes.size(), 2u);
    EXPECT_EQ(b.shell.boxes[1].title, "Не понимаю");

    for (const char* idle : {"Дипломатия", "Настройки"})
        b.main->ToolbarButton(QString::fromUtf8(idle))->trigger();
    EXPECT_EQ(b.shell.boxes.size(), 2u);
    EXPECT_EQ(b.forms.Menu(), nullptr);
    // Nobody can give up a match that has not begun; help is there at any time.
    b.main->ToolbarButton(QStringLiteral("Сдаться"))->trigger();
    ASSERT_EQ(b.shell.boxes.size(), 3u);
    EXPECT_EQ(b.shell.boxes[2].title, "Не понимаю");
    EXPECT_TRUE(b.forms.help.isNull());
    b.main->ToolbarButton(QStringLiteral("Помощь"))->trigger();
    ASSERT_FALSE(b.forms.help.isNull());
    EXPECT_TRUE(b.forms.help->isVisible());
    EXPECT_EQ(b.shell.boxes.size(), 3u);

    QTest::mouseClick(
        b.main->Toolbar1->widgetForAction(b.main->ToolbarButton(QStringLiteral("Главное меню"))),
        Qt::LeftButton);
    ASSERT_NE(b.forms.Menu(), nullptr);
    EXPECT_TRUE(b.forms.Menu()->isVisible());
    // A second press brings the same menu forward.
    FrmMenu* first = b.forms.Menu();
    b.main->ToolbarButton(QStringLiteral("Главное меню"))->trigger();
    EXPECT_EQ(b.forms.Menu(), first);
}

TEST(FrmMain, InAMatchTheToolbarEndsTheTurnAndRefusesADeadCaster)
{
    Battlefield b;
    b.StartMatch();
    b.g.U(1).Hp = 0;
    b.main->ToolbarButton(QStringLiteral("Магия"))->trigger();
    ASSERT_EQ(b.shell.boxes.size(), 1u);
    EXPECT_EQ(b.shell.boxes[0].title, "Не выйдет");
    EXPECT_EQ(b.shell.boxes[0].text, UnitTypeName(b.g.U(1).UnitType) + " " + b.g.U(1).Name +
                                         ", к сожалению, слшком мертв, чтобы творить заклинания...");

    // With the person's hero fallen only the rival lives: ending the turn
    // ends the match in its favour.
    b.main->ToolbarButton(QStringLiteral("Закончить ход"))->trigger();
    EXPECT_FALSE(b.g.MatchRunning);
    ASSERT_EQ(b.shell.boxes.size(), 2u);
    const Unit& rival = b.g.U(2);
    EXPECT_EQ(b.shell.boxes[1].text, std::string(rival.IsMale ? "В битве победил " : "В битве победила ") +
                                         UnitTypeName(rival.UnitType) + " " + rival.Name);
}

TEST(FrmMain, ShiftArrowAndPageKeysScrollThroughTheBars)
{
    Battlefield b;
    // Before a match the bars are hidden and the keys do nothing.
    QTest::keyClick(b.main, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(b.g.ViewX, 0.0f);

    b.StartMatch();
    ASSERT_TRUE(b.main->HorBar->isVisible());
    ASSERT_TRUE(b.main->VertBar->isVisible());
    QTest::keyClick(b.main, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(b.main, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(b.main->HorBar->value(), 500);
    EXPECT_EQ(b.g.ViewX, 500.0f);
    EXPECT_EQ(b.g.HorBar.Value, 500);
    QTest::keyClick(b.main, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(b.g.ViewX, 250.0f);

    QTest::keyClick(b.main, Qt::Key_PageDown);
    QTest::keyClick(b.main, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(b.main->VertBar->value(), 1250);
    EXPECT_EQ(b.g.ViewY, 1250.0f);
    QTest::keyClick(b.main, Qt::Key_PageUp);
    QTest::keyClick(b.main, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(b.g.ViewY, 0.0f);
    // The bar's range holds: no scrolling further above the top edge than
    // the toolbar covers.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(b.main, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(b.g.ViewY, -870.0f);
    QTest::keyClick(b.main, Qt::Key_PageDown);
    QTest::keyClick(b.main, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(b.main, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(b.g.ViewY, 130.0f);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(b.main, Qt::Key_PageDown);
    EXPECT_EQ(b.g.ViewY, 10000.0f);
    EXPECT_EQ(b.main->HorBar->value(), 250);
}

TEST(FrmMain, ThePointerIsReportedInTwipsOfTheWindow)
{
    Battlefield b;
    b.StartMatch();
    QTest::keyClick(b.main, Qt::Key_Right, Qt::ShiftModifier); // ViewX 250

    // Pixel (100, 200) is twips (1500, 3000), field (1750, 3000): cell 1440, 2880.
    QTest::mouseMove(b.main, QPoint(100, 200));
    EXPECT_TRUE(b.g.ShpAt.Visible);
    EXPECT_EQ(b.g.ShpAt.Left, 1440.0f - 250.0f - 120.0f);
    EXPECT_EQ(b.g.ShpAt.Top, 2880.0f - 120.0f);

    b.g.Selected = 0;
    QTest::mousePress(b.main, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTest::mouseRelease(b.main, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    EXPECT_EQ(b.g.TargetCellX, 1440.0f);
    EXPECT_EQ(b.g.TargetCellY, 2880.0f);

    // The right button is button 2: it cancels a pending placement.
    b.g.InputMode = kModeSummon;
    QTest::mouseClick(b.main, Qt::MiddleButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_EQ(b.g.InputMode, kModeSummon);
    QTest::mouseClick(b.main, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_EQ(b.g.InputMode, kModeOrders);

    // A press on the toolbar's empty part is no click on the field.
    QTest::mouseClick(b.main->Toolbar1, Qt::LeftButton, Qt::NoModifier, QPoint(1000, 20));
    EXPECT_EQ(b.g.TargetCellX, 1440.0f);
    EXPECT_EQ(b.g.TargetCellY, 2880.0f);
}

int CountPixels(const QImage& image, QRect area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                ++n;
    return n;
}

TEST(FrmMain, DrawsTheFramesAndLabelsFromTheGameData)
{
    Battlefield b;
    // Far from the units and the toolbar: cells around (1000, 600) pixels.
    const QRect selArea(900, 500, 65, 65);
    const QRect atArea(1000, 500, 65, 65);
    const QRect udarArea(900, 650, 44, 22);
    const QRect xpArea(1000, 650, 32, 18);
    auto draw = [&](bool visible) {
        b.g.ShpSel = {visible, 900 * 15.0f, 500 * 15.0f};
        b.g.ShpAt = {visible, 1000 * 15.0f, 500 * 15.0f};
        b.g.LblUdar.Visible = visible;
        b.g.LblUdar.Caption = "-12";
        b.g.LblUdar.ForeColor = kWhite;
        b.g.LblUdar.Left = 900 * 15.0f;
        b.g.LblUdar.Top = 650 * 15.0f;
        b.g.LblXP.Visible = visible;
        b.g.LblXP.Caption = "+7";
        b.g.LblXP.Left = 1000 * 15.0f;
        b.g.LblXP.Top = 650 * 15.0f;
        b.main->RenderControls();
        return b.Shot();
    };
    const QImage shown = draw(true);
    // Frames: the outline only, the inside stays as the canvas has it.
    EXPECT_GT(CountPixels(shown, selArea, qRgb(0, 255, 0)), 4 * 60);
    EXPECT_EQ(CountPixels(shown, selArea.adjusted(4, 4, -4, -4), qRgb(0, 255, 0)), 0);
    EXPECT_GT(CountPixels(shown, atArea, qRgb(255, 0, 0)), 4 * 60);
    EXPECT_EQ(shown.pixel(selArea.center()) & 0xFFFFFF, 0u);
    EXPECT_GT(CountPixels(shown, udarArea, qRgb(255, 255, 255)), 10);
    EXPECT_GT(CountPixels(shown, xpArea, qRgb(255, 255, 128)), 5);

    const QImage hidden = draw(false);
    for (QRect area : {selArea, atArea, udarArea, xpArea})
        EXPECT_EQ(CountPixels(hidden, area, qRgb(0, 0, 0)), area.width() * area.height());
}

TEST(FrmMain, ClosingAsksAndNoKeepsTheWindowAndTheMatch)
{
    Battlefield b;
    b.StartMatch();
    const std::string hero = b.g.U(1).Name;
    b.shell.answers = {BoxAnswer::No};
    EXPECT_FALSE(b.main->close());
    EXPECT_TRUE(b.main->isVisible());
    ASSERT_EQ(b.shell.boxes.size(), 1u);
    EXPECT_EQ(b.shell.boxes[0].title, "Grimhollow");
    EXPECT_EQ(b.shell.boxes[0].text, "Выйти в систему?");
    EXPECT_EQ(b.shell.boxes[0].icon, BoxIcon::Question);
    EXPECT_TRUE(b.shell.boxes[0].defaultNo);
    EXPECT_EQ(b.shell.quits, 0);
    EXPECT_TRUE(b.g.MatchRunning);
    EXPECT_EQ(b.g.U(1).Name, hero);
    EXPECT_TRUE(b.g.timers.Enabled(TimerId::Tmr));

    b.shell.answers = {BoxAnswer::Yes};
    EXPECT_TRUE(b.main->close());
    EXPECT_EQ(b.shell.quits, 1);
}

TEST(FrmMain, ScreenshotOfAFreshMatch)
{
    Battlefield b;
    b.StartMatch();
    for (int i = 0; i < 10; ++i)
        b.g.timers.Tick();
    QTest::mouseMove(b.main, QPoint(b.g.U(1).PosX / 15 + 20, b.g.U(1).PosY / 15 + 20));
    QTest::mouseClick(b.main, Qt::LeftButton, Qt::NoModifier,
                      QPoint(b.g.U(1).PosX / 15 + 20, b.g.U(1).PosY / 15 + 20));
    EXPECT_EQ(b.g.Selected, 1);
    b.g.timers.Tick();
    b.main->RenderControls();
    EXPECT_TRUE(b.g.ShpSel.Visible);
    const QImage shot = b.Shot();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("frmmain-match.png"))));
    // Something other than black is on the field: the units.
    EXPECT_LT(CountPixels(shot, QRect(0, 60, 1250, 710), qRgb(0, 0, 0)), 1250 * 710);
}

} // namespace
} // namespace gh
