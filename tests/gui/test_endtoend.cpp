// A whole turn through the real windows: the match is configured in the
// selection dialog, the person's hero walks up to a vampire bat and kills it
// with the mouse, the toolbar ends the turn, and the computer hero and the
// neutral side play theirs on the virtual clock until the person is back.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTest>
#include <QToolBar>

#include <string>
#include <vector>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "platform/Numbers.h"
#include "tests/support/ScriptedRandom.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

// Declared before the game so that it outlives every window that draws.
struct SeededSource {
    ClockRandom setupRnd{20240611};
    ScriptedRandom fightRnd;
};

struct EndToEnd : SeededSource, gui::GuiGame {
    EndToEnd()
    {
        g.rnd = &setupRnd;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // The pixel at the centre of a cell, in window coordinates.
    QPoint CellCentre(float posX, float posY) const
    {
        return QPoint(static_cast<int>((posX - g.ViewX) / 15) + 24,
                      static_cast<int>((posY - g.ViewY) / 15) + 24);
    }
    QPoint CentreOf(int unit) const { return CellCentre(g.U(unit).PosX, g.U(unit).PosY); }

    void PressToolbar(const char* caption)
    {
        QAction* a = main->ToolbarButton(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        QTest::mouseClick(main->Toolbar1->widgetForAction(a), Qt::LeftButton);
    }

    // One system tick as the program's driver runs it.
    void Tick()
    {
        g.timers.Tick();
        main->RenderControls();
    }

    void Shot(const char* name) { ASSERT_TRUE(main->grab().save(gui::ShotPath(QString::fromUtf8(name)))); }

    FrmMain* main = nullptr;
};

void Place(Game& g, int unit, int col, int row)
{
    g.U(unit).PosX = static_cast<float>(col * kCell);
    g.U(unit).PosY = static_cast<float>(row * kCell);
}

TEST(EndToEnd, PersonKillsABatThenTheComputerAndTheNeutralsPlayTheirTurns)
{
    EndToEnd e;
    Game& g = e.g;

    // --- the match, configured the way a player does it -------------------
    e.PressToolbar("Главное меню");
    ASSERT_NE(e.forms.Menu(), nullptr);
    QTest::mouseClick(e.forms.Menu()->Cmd[0], Qt::LeftButton); // "Заново"
    gui::FlushDeletes();
    FrmSelect* sel = e.forms.Select();
    ASSERT_NE(sel, nullptr);
    // A third hero is ticked and unticked again; the first is made a Маг
    // (the class list stops at its first entry) and played by the person,
    // the second by the computer.
    QTest::mouseClick(sel->Iss[2], Qt::LeftButton);
    EXPECT_TRUE(sel->Iss[2]->isChecked());
    QTest::mouseClick(sel->Iss[2], Qt::LeftButton);
    EXPECT_FALSE(sel->Iss[2]->isChecked());
    QTest::mouseClick(sel->CmdD[0], Qt::LeftButton);
    QTest::mouseClick(sel->CmdD[0], Qt::LeftButton);
    ASSERT_EQ(g.U(1).UnitType, kMage);
    if (sel->Ai[0]->isChecked())
        QTest::mouseClick(sel->Ai[0], Qt::LeftButton);
    if (!sel->Ai[1]->isChecked())
        QTest::mouseClick(sel->Ai[1], Qt::LeftButton);
    QTest::mouseClick(sel->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    EXPECT_EQ(e.forms.Select(), nullptr);

    ASSERT_TRUE(g.MatchRunning);
    ASSERT_EQ(g.ActiveHero, 1);
    EXPECT_TRUE(g.HeroIsHuman[1]);
    EXPECT_FALSE(g.HeroIsHuman[2]);
    EXPECT_FALSE(g.U(3).OnField);
    ASSERT_EQ(e.shell.boxes.size(), 1u);
    EXPECT_EQ(e.shell.boxes[0].title, "День 1");
    EXPECT_EQ(e.shell.boxes[0].text, "Ходит " + UnitTypeName(kMage) + " " + g.U(1).Name);
    e.shell.boxes.clear();

    // --- the field, arranged ------------------------------------------------
    // Setup scatters everybody at random; a script needs to know who stands
    // where, so the records are moved to chosen cells (the field is drawn
    // afresh on the next idle tick). The hero stands three cells left of a
    // neutral vampire bat; everything else is far off.
    CreateUnit(g, 6, kVampireBat, 0);
    g.U(6).Actions = g.U(6).ActionsMax;
    Place(g, 1, 3, 5);
    Place(g, 6, 6, 5);
    Place(g, 2, 14, 11);
    for (int i = 7; i <= 10; ++i)
        Place(g, i, 9 + i, 13);
    for (int i = 0; i < 3; ++i)
        e.Tick();

    const Unit hero = g.U(1);
    const Unit bat = g.U(6);
    // The bat is quicker and strikes first, but its reach is one cell; the
    // Маг reaches two. Every blow of the hero kills it.
    ASSERT_GT(bat.Speed, hero.Speed);
    ASSERT_EQ(bat.AttackRange, 1);
    ASSERT_EQ(hero.AttackRange, 2);
    ASSERT_GE(hero.Strength, bat.Hp);
    const int elem = hero.AttackElement;
    ASSERT_FALSE(bat.Immunity[elem] || bat.Grace[elem] || bat.Weakness[elem]);
    ASSERT_EQ(bat.Protection[elem], 0);
    const std::int32_t gain = Int(bat.ExpNext / 1.37);
    ASSERT_LT(hero.Exp + gain, hero.ExpNext) << "the kill would promote; the label would not show a number";

    // From here on every draw is 0. The idle animation draws too, between
    // the blows, so a sequence would be consumed by it; a constant is what
    // every rule sees: no extra damage (Int(0 * 5)), a hit roll that cannot
    // miss, no speech, and every computer unit's target is record 1.
    g.rnd = &e.fightRnd;
    e.fightRnd.Push(0.0f);

    // --- select the hero ----------------------------------------------------
    QTest::mouseMove(e.main, e.CentreOf(1));
    QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, e.CentreOf(1));
    EXPECT_EQ(g.Selected, 1);
    e.Tick();
    EXPECT_TRUE(g.ShpSel.Visible);
    EXPECT_EQ(g.ShpSel.Left, hero.PosX - g.ViewX - 120);
    EXPECT_EQ(g.ShpSel.Top, hero.PosY - g.ViewY - 120);

    // --- order the attack ---------------------------------------------------
    QTest::mouseMove(e.main, e.CentreOf(6));
    EXPECT_TRUE(g.ShpAt.Visible);
    QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, e.CentreOf(6));
    EXPECT_EQ(g.TargetCellX, bat.PosX);
    EXPECT_EQ(g.TargetCellY, bat.PosY);
    ASSERT_EQ(g.InputMode, kModeWalk);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr1));

    // --- the walk, the two blows and their labels ---------------------------
    // The walk reads the target cell and Target on every tick; the pointer
    // must not steer it.
    bool pokedDuringWalk = false;
    bool shotMidBlow = false;
    bool sawUnitWalked = false;
    std::vector<std::string> udar; // each result label, as it appeared
    bool udarShown = false;
    std::string xp;
    bool sawXp = false;
    for (int tick = 0; tick < 400 && !(g.InputMode == kModeOrders && g.timers.Enabled(TimerId::TmrEnemy));
         ++tick) {
        if (g.InputMode == kModeWalk && !pokedDuringWalk) {
            pokedDuringWalk = true;
            const float tx = g.TargetCellX, ty = g.TargetCellY;
            const int target = g.Target;
            const QPoint elsewhere = e.CellCentre(10 * kCell, 9 * kCell);
            QTest::mouseMove(e.main, e.CentreOf(2)); // over a unit: would name it Target
            QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, elsewhere);
            QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, e.CentreOf(2));
            EXPECT_EQ(g.TargetCellX, tx);
            EXPECT_EQ(g.TargetCellY, ty);
            EXPECT_EQ(g.Target, target);
            EXPECT_EQ(g.InputMode, kModeWalk);
        }
        if (g.timers.Enabled(TimerId::Tmr3) && !sawUnitWalked) {
            // A click on the field during the blow orders nobody: the striker
            // is the bat, and it must not set off walking mid-blow.
            QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, e.CellCentre(10 * kCell, 9 * kCell));
            EXPECT_EQ(g.InputMode, kModeOrders);
            EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
            EXPECT_EQ(g.U(6).PosX, bat.PosX);
            // The first blow starts: the hero has stopped after one step,
            // two cells short of the bat, and paid one action point.
            sawUnitWalked = true;
            EXPECT_EQ(g.U(1).PosX, hero.PosX + kCell);
            EXPECT_EQ(g.U(1).PosY, hero.PosY);
            EXPECT_EQ(g.U(1).Actions, hero.Actions - 1);
            EXPECT_EQ(g.Attacker, 1);
            EXPECT_EQ(g.Defender, 6);
            EXPECT_EQ(g.Selected, 6); // the quicker bat strikes first
        }
        if (g.LblUdar.Visible && !udarShown)
            udar.push_back(g.LblUdar.Caption);
        udarShown = g.LblUdar.Visible;
        if (g.timers.Enabled(TimerId::Tmr3) && g.StrikeFrame == 3 && !shotMidBlow && g.Selected == 1) {
            shotMidBlow = true;
            e.Shot("endtoend_mid_blow.png");
        }
        if (g.LblXP.Visible && !sawXp) {
            sawXp = true;
            xp = g.LblXP.Caption;
            e.Shot("endtoend_kill_label.png");
        }
        e.Tick();
    }
    EXPECT_TRUE(pokedDuringWalk);
    EXPECT_TRUE(sawUnitWalked);
    EXPECT_TRUE(shotMidBlow);

    // The bat's blow could not reach; the hero's return blow killed it.
    ASSERT_EQ(udar.size(), 2u);
    EXPECT_EQ(udar[0], "мимо");
    EXPECT_EQ(udar[1], std::to_string(hero.Strength));
    EXPECT_EQ(g.U(1).Hp, hero.Hp);
    EXPECT_EQ(g.U(6).Kind, kKindRemains);
    EXPECT_LT(g.U(6).Hp, 1);
    EXPECT_TRUE(sawXp);
    EXPECT_EQ(xp, std::to_string(gain));
    EXPECT_EQ(g.U(1).Exp, hero.Exp + gain);
    EXPECT_EQ(g.U(1).Actions, 0);

    // The exchange is over: the hero is selected again and the field waits.
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_FALSE(g.LblUdar.Visible);
    for (TimerId busy : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
        EXPECT_FALSE(g.timers.Enabled(busy));
    for (int i = 0; i < 20; ++i)
        e.Tick();
    EXPECT_FALSE(g.LblXP.Visible);
    EXPECT_EQ(g.ActiveHero, 1);
    EXPECT_TRUE(e.shell.boxes.empty());

    // --- end of the person's turn -------------------------------------------
    e.PressToolbar("Закончить ход");
    ASSERT_EQ(g.ActiveHero, 2) << "the toolbar did not end the turn";
    ASSERT_EQ(e.shell.boxes.size(), 1u);
    EXPECT_EQ(e.shell.boxes[0].title, "День 1");
    EXPECT_EQ(e.shell.boxes[0].text, "Ходит " + UnitTypeName(g.U(2).UnitType) + " " + g.U(2).Name);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FALSE(g.ShpSel.Visible);
    // The turn's end gave the hero its action points back.
    EXPECT_EQ(g.U(1).Actions, g.U(1).ActionsMax);

    // --- the computer hero and the neutral side ----------------------------
    // Every drawn target is record 1 (the repeated 0), so each computer unit
    // walks at the person's hero.
    const float hero2X = g.U(2).PosX;
    int ticks = 0;
    std::vector<int> sides{g.ActiveHero};
    while (!(g.ActiveHero == 1 && e.shell.boxes.size() >= 3) && ticks < 20000) {
        e.Tick();
        ++ticks;
        if (sides.back() != g.ActiveHero)
            sides.push_back(g.ActiveHero);
        ASSERT_TRUE(g.MatchRunning);
    }
    EXPECT_EQ(sides, (std::vector<int>{2, 0, 1}));
    ASSERT_EQ(e.shell.boxes.size(), 3u);
    EXPECT_EQ(e.shell.boxes[1].title, "День 2");
    EXPECT_EQ(e.shell.boxes[1].text, "Ходят нейтральные юниты ");
    EXPECT_EQ(e.shell.boxes[2].title, "День 2");
    EXPECT_EQ(e.shell.boxes[2].text, "Ходит " + UnitTypeName(kMage) + " " + g.U(1).Name);
    EXPECT_EQ(g.Day, 2);
    EXPECT_TRUE(g.HeroIsHuman[g.ActiveHero]);
    // The computer hero walked towards the person's hero.
    EXPECT_LT(g.U(2).PosX, hero2X);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    // The bat's remains rot at the neutral side's turn end.
    EXPECT_EQ(g.U(6).Hp, -1);

    e.Shot("endtoend_end.png");
}

} // namespace
} // namespace gh
