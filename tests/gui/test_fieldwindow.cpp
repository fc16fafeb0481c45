// The battlefield at the window sizes players have: the status strip shows
// what it must at each of them, the view brings every cell whole into
// sight at every zoom, a computer hero's speech goes on Esc, and the log
// stays in front when the window changes between full screen and a frame.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>
#include <QWindow>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/qt/StatusStrip.h"
#include "windows/FrmLog.h"
#include "windows/FrmMes.h"
#include "windows/FrmSelect.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

struct Battle : gui::GuiGame {
    explicit Battle(QSize size = {1920, 1080})
    {
        g.Generator.Pin(77);
        main = forms.LoadMain();
        main->setGeometry(QRect(QPoint(0, 0), size));
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // Hero 1 a person, hero 2 the computer, as the dialog proposes.
    void StartMatch()
    {
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        shell.boxes.clear();
        ASSERT_TRUE(g.MatchRunning);
        ASSERT_EQ(g.ActiveHero, 1);
        main->RenderControls();
    }

    void Key(Qt::Key key) { QTest::keyClick(main, key); }

    // Where the unit's cell is drawn in the window, in pixels.
    QRectF CellOnScreen(int unit) const
    {
        const double zoom = main->Zoom();
        const Unit& u = g.U(unit);
        return {(u.PosX - g.ViewX) / 15.0 * zoom, (u.PosY - g.ViewY) / 15.0 * zoom, 48 * zoom, 48 * zoom};
    }

    // What shows of the field: below the toolbar, clear of the two bars.
    QRectF FieldOnScreen() const
    {
        const double top = main->Toolbar1->geometry().bottom() + 1;
        return {0, top, static_cast<double>(main->VertBar->geometry().left()),
                main->HorBar->geometry().top() - top};
    }

    FrmMain* main = nullptr;
};

std::string Text(const QLabel* l)
{
    return l->text().toStdString();
}

// The label shows all of its text, and lies wholly inside the window.
void ExpectWhole(const QLabel* label, const QWidget* window, const char* what)
{
    ASSERT_TRUE(label->isVisibleTo(window)) << what;
    const QFontMetrics fm(label->font());
    EXPECT_LE(fm.horizontalAdvance(label->text()), label->contentsRect().width())
        << what << ": " << Text(label);
    const QRect inWindow(label->mapTo(window, QPoint(0, 0)), label->size());
    EXPECT_TRUE(window->rect().contains(inWindow)) << what;
}

TEST(FieldWindow, TheStripShowsTurnDayAndFiguresAtEverySizeAndShortensLongNames)
{
    const std::string longName = "Повелительница Бесконечных Туманов Северных Гор";
    for (const QSize size : {QSize(1024, 600), QSize(1280, 720), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        Battle b(size);
        b.StartMatch();
        Game& g = b.g;
        g.U(1).Name = longName;
        g.Selected = 1;
        b.main->RenderControls();
        StatusStrip* strip = b.main->Strip;
        ExpectWhole(strip->LblTurn, b.main, "turn");
        ExpectWhole(strip->LblDay, b.main, "day");
        ExpectWhole(strip->LblUnit, b.main, "unit");
        EXPECT_EQ(Text(strip->LblDay), "День 1");
        const Unit& hero = g.U(1);
        const std::string life = std::to_string(hero.Hp) + "/" + std::to_string(hero.HpMax);
        const std::string mana = std::to_string(hero.Mana) + "/" + std::to_string(hero.ManaMax);
        const std::string points = std::to_string(hero.Actions) + "/" + std::to_string(hero.ActionsMax);
        const std::string unit = Text(strip->LblUnit);
        EXPECT_NE(unit.find("жизнь " + life), std::string::npos) << unit;
        EXPECT_NE(unit.find("мана " + mana), std::string::npos) << unit;
        EXPECT_NE(unit.find("очки"), std::string::npos) << unit;
        EXPECT_NE(unit.find(points), std::string::npos) << unit;
        EXPECT_EQ(Text(strip->LblTurn).rfind("Ходит ", 0), 0u);
        // Shortened, the whole line is in the tooltip.
        const std::string whole = UnitTypeName(hero.UnitType) + " " + longName + " — жизнь " + life;
        if (unit.find(longName) == std::string::npos) {
            EXPECT_EQ(strip->LblUnit->toolTip().toStdString().rfind(whole, 0), 0u) << unit;
        }
        if (Text(strip->LblTurn).find(longName) == std::string::npos) {
            EXPECT_NE(strip->LblTurn->toolTip().toStdString().find(longName), std::string::npos);
        }
        // The strip is clear of the buttons, and «Журнал» is there.
        for (QAction* a : b.main->Toolbar1->actions()) {
            QWidget* button = b.main->Toolbar1->widgetForAction(a);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible()) << a->text().toStdString();
            const QRect at(button->mapTo(b.main, QPoint(0, 0)), button->size());
            EXPECT_FALSE(strip->geometry().intersects(at)) << a->text().toStdString();
        }
        EXPECT_TRUE(strip->CmdLog->isVisibleTo(b.main));
        EXPECT_LE(strip->geometry().right(), b.main->width() - 1);

        // A summons waiting for its cell says so.
        g.U(0).UnitType = kDemon;
        g.InputMode = kModeSummon;
        b.main->RenderControls();
        ExpectWhole(strip->LblAwaiting, b.main, "awaiting");
        EXPECT_EQ(strip->LblAwaiting->text().toStdString().rfind("Призыв: Демон", 0), 0u);
        ExpectWhole(strip->LblUnit, b.main, "unit while summoning");
        const QString name = QStringLiteral("strip-%1x%2.png").arg(size.width()).arg(size.height());
        EXPECT_TRUE(b.main->grab(QRect(0, 0, size.width(), 80)).save(gui::ShotPath(name)));
        g.InputMode = kModeOrders;
    }

    // Narrower still, the strip does not hide behind a button.
    Battle small(QSize(700, 450));
    small.StartMatch();
    small.g.Selected = 1;
    small.main->RenderControls();
    ExpectWhole(small.main->Strip->LblDay, small.main, "day at 700");
    EXPECT_TRUE(small.main->Strip->LblUnit->isVisibleTo(small.main));
    EXPECT_NE(Text(small.main->Strip->LblUnit).find("/"), std::string::npos);
}

// The start of a person's turn brings the hero whole into view at every
// zoom, and every cell, the top row under the toolbar included, can be
// brought whole into sight.
TEST(FieldWindow, EveryCellComesWholeIntoViewAtEveryZoom)
{
    for (const double zoom : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(zoom);
        Battle b(QSize(1024, 600));
        b.StartMatch();
        Game& g = b.g;
        b.main->ZoomTo(zoom, QPointF(0, 0));
        ASSERT_EQ(b.main->Zoom(), zoom);
        // At one time the scale was forgotten: a hero in view unzoomed
        // counted as in view zoomed in.
        g.U(1).PosX = 15 * 720;
        g.U(1).PosY = 7 * 720;
        b.main->HorBar->setValue(0);
        b.main->VertBar->setValue(0);
        MatchEvent turn;
        turn.kind = EventKind::TurnBegins;
        turn.side = 1;
        b.main->MatchReported(turn);
        EXPECT_TRUE(b.FieldOnScreen().contains(b.CellOnScreen(1)))
            << "hero at " << b.CellOnScreen(1).x() << "," << b.CellOnScreen(1).y();

        // The corners of the field: Home brings the hero to each, whole.
        for (const auto& [col, row] :
             {std::pair{0, 0}, std::pair{20, 0}, std::pair{0, 20}, std::pair{20, 20}}) {
            g.U(1).PosX = static_cast<float>(col * 720);
            g.U(1).PosY = static_cast<float>(row * 720);
            b.main->RenderControls();
            b.Key(Qt::Key_Home);
            EXPECT_TRUE(b.FieldOnScreen().contains(b.CellOnScreen(1)))
                << col << "," << row << ": " << b.CellOnScreen(1).x() << "," << b.CellOnScreen(1).y();
        }
        if (zoom == 2.0) {
            EXPECT_TRUE(b.main->grab().save(gui::ShotPath(QStringLiteral("zoom2-corner.png"))));
        }
    }
}

TEST(FieldWindow, EscSendsTheSpeechAwayBeforeItLetsGoOfTheSelection)
{
    Battle b;
    b.StartMatch();
    Game& g = b.g;
    g.ActiveHero = 2;
    b.forms.OpenSpeech();
    g.ActiveHero = 1;
    ASSERT_NE(b.forms.Speech(), nullptr);
    // The turn's box gave the keyboard back to the battlefield.
    b.main->activateWindow();
    b.main->setFocus();
    g.Selected = 1;
    b.Key(Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_EQ(b.forms.Speech(), nullptr);
    EXPECT_EQ(g.Selected, 1);
    b.Key(Qt::Key_Escape);
    EXPECT_EQ(g.Selected, 0);
}

TEST(FieldWindow, APersonsTurnShowsOnlyTheirOwnSelectionOnTheStrip)
{
    Battle b;
    b.StartMatch();
    Game& g = b.g;
    // The neutral side's last unit was still in hand when the turn came.
    int neutral = 0;
    for (int i = kHeroes + 1; i <= g.UnitCount && neutral == 0; ++i)
        if (g.U(i).Owner == 0 && g.U(i).Hp >= 1 && g.U(i).OnField)
            neutral = i;
    ASSERT_NE(neutral, 0);
    g.Selected = neutral;
    b.main->RenderControls();
    EXPECT_EQ(b.main->Strip->LblUnit->text(), QString());
    // The person's own hero shows.
    g.Selected = 1;
    b.main->RenderControls();
    EXPECT_NE(Text(b.main->Strip->LblUnit).find("жизнь"), std::string::npos);
    // On the computer's turn, what it has in hand shows.
    g.ActiveHero = 2;
    g.Selected = neutral;
    b.main->RenderControls();
    EXPECT_NE(Text(b.main->Strip->LblUnit).find("жизнь"), std::string::npos);
}

TEST(FieldWindow, TheLogStaysInFrontOfTheBattlefieldAfterF11)
{
    Battle b;
    b.StartMatch();
    b.main->activateWindow();
    b.Key(Qt::Key_F2);
    FrmLog* log = b.forms.Log();
    ASSERT_NE(log, nullptr);
    for (int round = 0; round < 2; ++round) {
        b.Key(Qt::Key_F11);
        // Once the window manager has restacked the battlefield, the log is
        // shown afresh over it, where it was, tied to its native window.
        const QRect place = log->geometry();
        QTest::qWait(600);
        ASSERT_EQ(b.forms.Log(), log);
        ASSERT_TRUE(log->isVisible());
        EXPECT_EQ(log->geometry(), place);
        ASSERT_NE(log->windowHandle(), nullptr);
        EXPECT_EQ(log->windowHandle()->transientParent(), b.main->windowHandle()) << round;
        EXPECT_TRUE(b.forms.LogShown());
    }
    // One F2 hides it.
    b.Key(Qt::Key_F2);
    gui::FlushDeletes();
    EXPECT_EQ(b.forms.Log(), nullptr);
}

} // namespace
} // namespace gh
