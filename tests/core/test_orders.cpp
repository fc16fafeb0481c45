// Pointer input on the battlefield: the hit test, selection and orders,
// information windows, summon placement, spell targeting and the cell frame,
// each by input mode.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "battlefield/Orders.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;
constexpr float Px = 15; // one pixel

class Orders : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        Place(1, kMage, 1, 2, 2);
        Place(2, kNecromancer, 2, 9, 9);
        Place(6, kSkeleton, 1, 4, 2);
        Place(7, kDemon, 0, 6, 6);
        for (int i = 8; i <= 10; ++i)
            g.U(i).OnField = false;
        g.UnitCount = 10;
    }

    // A click in the middle of cell (col, row), window coordinates.
    std::vector<InfoRequest> Click(int button, float col, float row)
    {
        return FieldMouseDown(g, button, col * C + 360 - g.ViewX, row * C + 360 - g.ViewY);
    }

    void Move(float col, float row) { FieldMouseMove(g, col * C + 360 - g.ViewX, row * C + 360 - g.ViewY); }

    // Summoning as the casting dialog leaves it: a skeleton from slot 3.
    void ReadySummon()
    {
        g.InputMode = kModeSummon;
        g.ChosenSlot = 3;
        g.Spellbook[1][3] = kSkeleton;
        g.CastMana = 20;
        g.CastChance = 50;
        g.U(0).UnitType = kSkeleton;
        g.U(1).Magic = 0;
    }
};

TEST_F(Orders, HitTestExcludesTheBorderLines)
{
    g.ViewX = 250;
    g.ViewY = 1000;
    const float left = 2 * C - 250, top = 2 * C - 1000;
    EXPECT_FALSE(HitTest(g, 1, left, top + 100)); // leftmost pixel column
    EXPECT_TRUE(HitTest(g, 1, left + Px, top + 100));
    EXPECT_FALSE(HitTest(g, 1, left + 100, top)); // top pixel row
    EXPECT_TRUE(HitTest(g, 1, left + 100, top + Px));
    EXPECT_TRUE(HitTest(g, 1, left + C - Px, top + C - Px));
    EXPECT_FALSE(HitTest(g, 1, left + C, top + 100)); // the next cell's border
    EXPECT_FALSE(HitTest(g, 1, left + 100, top + C));
    EXPECT_FALSE(HitTest(g, 101, left + 100, top + 100));
    EXPECT_FALSE(HitTest(g, -1, left + 100, top + 100));
}

TEST_F(Orders, ClicksAreIgnoredOnAComputerSideOrWithoutAMatch)
{
    g.HeroIsHuman[1] = false;
    Click(kLeftButton, 4, 2);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FLOAT_EQ(g.TargetCellX, 0);
    g.HeroIsHuman[1] = true;
    g.MatchRunning = false;
    Click(kLeftButton, 4, 2);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_FLOAT_EQ(g.TargetCellX, 0);
}

TEST_F(Orders, LeftClickSelectsOwnUnitsOnlyAndOrdersTheSelected)
{
    Click(kLeftButton, 4, 2);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_EQ(g.InputMode, kModeOrders);
    Click(kLeftButton, 2, 2);
    EXPECT_EQ(g.Selected, 1);

    // somebody else's unit is an order for the selected one, not a selection
    Click(kLeftButton, 6, 6);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_FLOAT_EQ(g.TargetCellX, 6 * C);
    EXPECT_FLOAT_EQ(g.TargetCellY, 6 * C);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr1));
}

TEST_F(Orders, TheClickedCellSnapsToItsCornerUnderTheView)
{
    g.ViewX = 250;
    g.ViewY = 500;
    FieldMouseDown(g, kLeftButton, 470 - 250 + 719, 220); // field x 1189, y 720
    EXPECT_FLOAT_EQ(g.TargetCellX, 720);
    EXPECT_FLOAT_EQ(g.TargetCellY, 720);
}

TEST_F(Orders, NothingSelectedGivesNoOrder)
{
    Click(kLeftButton, 12, 12);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
}

TEST_F(Orders, ClickOnAnOwnCorpseClearsTheSelectionWithoutAnOrder)
{
    g.Selected = 1;
    g.U(6).Kind = kKindRemains;
    g.U(6).Hp = 0;
    Click(kLeftButton, 4, 2);
    EXPECT_EQ(g.Selected, 0);
    EXPECT_EQ(g.InputMode, kModeOrders);

    // and a selected corpse takes no orders
    g.Selected = 6;
    Click(kLeftButton, 12, 12);
    EXPECT_EQ(g.InputMode, kModeOrders);
}

TEST_F(Orders, RightClickAsksForAWindowPerUnitUnderThePointer)
{
    g.Selected = 1;
    Place(8, kVampireBat, 0, 4, 2); // on the skeleton's cell
    auto open = Click(kRightButton, 4, 2);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].unit, 6);
    EXPECT_EQ(open[0].window, InfoWindow::Creature);
    EXPECT_EQ(open[1].unit, 8);
    EXPECT_EQ(open[1].window, InfoWindow::Object);
    EXPECT_EQ(g.Selected, 1);

    open = Click(kRightButton, 2, 2);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].window, InfoWindow::Creature); // the active hero himself
    open = Click(kRightButton, 9, 9);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].window, InfoWindow::Object); // another hero

    g.U(1).Kind = kKindRemains;
    open = Click(kRightButton, 2, 2);
    EXPECT_EQ(open[0].window, InfoWindow::Object);

    g.U(8).OnField = false;
    EXPECT_EQ(Click(kRightButton, 4, 2).size(), 1u);
}

TEST_F(Orders, RightClickCancelsPlacementAndTargetingWithoutCost)
{
    for (int mode : {kModeSummon, kModeSpell}) {
        ReadySummon();
        g.InputMode = mode;
        const int mana = g.U(1).Mana;
        EXPECT_TRUE(Click(kRightButton, 4, 2).empty());
        EXPECT_EQ(g.InputMode, kModeOrders);
        EXPECT_EQ(g.U(1).Mana, mana);
        EXPECT_EQ(g.Spellbook[1][3], kSkeleton);
    }
}

TEST_F(Orders, WalkAndResultLabelShutOutClicks)
{
    for (int mode : {kModeResult, kModeWalk}) {
        g.InputMode = mode;
        g.TargetCellX = 5 * C;
        g.TargetCellY = 5 * C;
        g.Selected = 1;
        EXPECT_TRUE(Click(kRightButton, 4, 2).empty());
        Click(kLeftButton, 12, 12);
        EXPECT_FLOAT_EQ(g.TargetCellX, 5 * C) << mode;
        EXPECT_FLOAT_EQ(g.TargetCellY, 5 * C) << mode;
        EXPECT_EQ(g.InputMode, mode);
        EXPECT_EQ(g.Selected, 1);
    }
}

TEST_F(Orders, TheCellFrameFollowsThePointerByMode)
{
    g.ViewX = 100;
    g.ViewY = 40;
    Move(12, 12);
    EXPECT_TRUE(g.ShpAt.Visible); // orders: every cell
    EXPECT_FLOAT_EQ(g.ShpAt.Left, 12 * C - 100 - 120);
    EXPECT_FLOAT_EQ(g.ShpAt.Top, 12 * C - 40 - 120);
    Move(6, 6);
    EXPECT_EQ(g.Target, 7); // naming the unit under the pointer

    g.InputMode = kModeSpell;
    Move(12, 12);
    EXPECT_FALSE(g.ShpAt.Visible);
    Move(6, 6);
    EXPECT_TRUE(g.ShpAt.Visible);

    g.InputMode = kModeWalk;
    g.Target = 3;
    Move(4, 2);
    EXPECT_TRUE(g.ShpAt.Visible);
    EXPECT_EQ(g.Target, 3); // a walk's Target is not touched
    Move(12, 12);
    EXPECT_FALSE(g.ShpAt.Visible);

    g.InputMode = kModeOrders;
    g.timers.SetEnabled(TimerId::Tmr3, true); // a blow is being struck
    g.Target = 3;
    Move(6, 6);
    EXPECT_TRUE(g.ShpAt.Visible);
    EXPECT_EQ(g.Target, 3); // the struck unit stays the struck unit
    g.timers.SetEnabled(TimerId::Tmr3, false);

    g.InputMode = kModeResult;
    Move(4, 2);
    EXPECT_FALSE(g.ShpAt.Visible);

    g.InputMode = kModeOrders;
    g.HeroIsHuman[1] = false;
    g.ShpAt.Visible = true;
    Move(4, 2);
    EXPECT_FALSE(g.ShpAt.Visible);
}

TEST_F(Orders, ASummonThatSucceedsStandsOnTheCellAndObeys)
{
    ReadySummon();
    const int mana = g.U(1).Mana;
    rnd.Push(0.49f); // 49 <= 50
    Click(kLeftButton, 12, 3);
    const int r = 8; // the lowest free record in 6..20
    EXPECT_TRUE(g.U(r).OnField);
    EXPECT_EQ(g.U(r).UnitType, kSkeleton);
    EXPECT_EQ(g.U(r).Owner, 1);
    EXPECT_FLOAT_EQ(g.U(r).PosX, 12 * C);
    EXPECT_FLOAT_EQ(g.U(r).PosY, 3 * C);
    EXPECT_EQ(g.U(1).Leadership, 1);
    EXPECT_EQ(g.U(1).Mana, mana - 20);
    EXPECT_EQ(g.Spellbook[1][3], 0);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_TRUE(g.ShpSel.Visible);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_EQ(g.EffectFirstImage, 1);
    EXPECT_FLOAT_EQ(g.EffectX, 12 * C - 120);
    EXPECT_TRUE(shell.boxes.empty());
    EXPECT_EQ(g.UnitCount, 10);
}

TEST_F(Orders, ASummonIntoAHigherRecordRaisesUnitCount)
{
    for (int i = 8; i <= 14; ++i)
        Place(i, kSkeleton, 0, 1, i);
    ReadySummon();
    rnd.Push(0.0f);
    Click(kLeftButton, 12, 3);
    EXPECT_TRUE(g.U(15).OnField);
    EXPECT_EQ(g.UnitCount, 15);
}

TEST_F(Orders, MagicAddsToTheChanceAndAFailureStillCosts)
{
    ReadySummon();
    g.U(1).Magic = 130; // +10
    rnd.Push(0.595f);   // 59.5 <= 60
    Click(kLeftButton, 12, 3);
    EXPECT_TRUE(g.U(8).OnField);

    ReadySummon();
    const int mana = g.U(1).Mana;
    rnd.Push(0.61f);
    Click(kLeftButton, 13, 3);
    EXPECT_FALSE(g.U(9).OnField);
    EXPECT_EQ(g.U(1).Mana, mana - 20);
    EXPECT_EQ(g.Spellbook[1][3], 0);
    EXPECT_EQ(g.InputMode, kModeOrders);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Заклинание провалено");
    EXPECT_EQ(shell.boxes[0].text,
              "Заклинание провалено! Скелет призвать не удалось, и мана протрачена впустую!");
}

TEST_F(Orders, AnOccupiedCellKeepsThePlacementPending)
{
    ReadySummon();
    g.U(7).Hp = -5; // bones still take the cell
    g.U(7).Kind = kKindRemains;
    const int mana = g.U(1).Mana;
    Click(kLeftButton, 6, 6);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].title, "Не получается");
    EXPECT_EQ(shell.boxes[0].text, "Это место уже занято! Выберите другое или правый клик для отмены.");
    EXPECT_EQ(g.InputMode, kModeSummon);
    EXPECT_EQ(g.U(1).Mana, mana);
    EXPECT_EQ(rnd.Drawn(), 0u);
}

TEST_F(Orders, ASummonOnlyGoesWhereUnitsCanWalk)
{
    // Paths cover columns and rows 1..20; the screen shows far more.
    g.ViewX = 10 * C;
    g.ViewY = 10 * C;
    ReadySummon();
    const int mana = g.U(1).Mana;
    for (const auto& [col, row] : {std::pair{21, 12}, std::pair{39, 12}, std::pair{12, 21}}) {
        Click(kLeftButton, static_cast<float>(col), static_cast<float>(row));
        EXPECT_EQ(g.InputMode, kModeSummon) << col << "," << row;
    }
    g.ViewX = 0;
    g.ViewY = 0;
    Click(kLeftButton, 0, 5); // the border column
    ASSERT_EQ(shell.boxes.size(), 4u);
    for (const auto& box : shell.boxes) {
        EXPECT_EQ(box.title, "Не получается");
        EXPECT_EQ(box.text,
                  "Туда не дойдёт ни одно существо! Выберите место поближе или правый клик для отмены.");
    }
    EXPECT_EQ(g.U(1).Mana, mana);
    EXPECT_EQ(g.Spellbook[1][3], kSkeleton);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_FALSE(g.U(8).OnField);

    // The far corner of the walkable field is still fine.
    rnd.Push(0.0f);
    Click(kLeftButton, 20, 20);
    EXPECT_TRUE(g.U(8).OnField);
    EXPECT_FLOAT_EQ(g.U(8).PosX, 20 * C);
    EXPECT_EQ(g.InputMode, kModeOrders);
}

TEST_F(Orders, NoFreeRecordInSixToTwentyRefusesWithoutCost)
{
    for (int i = 8; i <= 20; ++i)
        Place(i, kSkeleton, 0, 1, i);
    g.U(20).Hp = -6; // bones count too
    ReadySummon();
    const int mana = g.U(1).Mana;
    Click(kLeftButton, 12, 3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Не удалось призвать Скелет! Слишком много живности развелось...");
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_EQ(g.U(1).Mana, mana);
    EXPECT_EQ(g.Spellbook[1][3], kSkeleton);
    EXPECT_FALSE(g.U(21).OnField);
}

TEST_F(Orders, AFullLeaderIsAskedAndHisNewCreatureObeysNobody)
{
    ReadySummon();
    g.U(1).Name = "Гэндальф";
    g.U(1).Leadership = g.U(1).LeadershipMax;
    shell.answers.push_back(BoxAnswer::No);
    Click(kLeftButton, 12, 3);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(shell.boxes[0].title, "Предупреждение");
    EXPECT_EQ(shell.boxes[0].text,
              "Маг Гэндальф может возглавить только 5 существ. Если призвать это существо, "
              "оно не будет подчиняться! Так вызвать или нет?");
    EXPECT_EQ(g.InputMode, kModeSummon);

    shell.answers.push_back(BoxAnswer::Yes);
    rnd.Push(0.0f);
    Click(kLeftButton, 12, 3);
    EXPECT_TRUE(g.U(8).OnField);
    EXPECT_EQ(g.U(8).Owner, 0);
    EXPECT_EQ(g.U(1).Leadership, 5);
}

TEST_F(Orders, ASpellClickPaysAndPlaysItsPicturesOnce)
{
    g.InputMode = kModeSpell;
    g.ChosenSlot = 4;
    g.Spellbook[1][4] = -3;
    g.CastMana = 15;
    g.CurrentSpell.AnimFirstFrame = 5;
    g.CurrentSpell.AnimCycles = 2;
    const int mana = g.U(1).Mana;
    Click(kLeftButton, 14, 14); // an empty cell is a target too
    EXPECT_EQ(g.U(1).Mana, mana - 15);
    EXPECT_EQ(g.Spellbook[1][4], 0);
    EXPECT_EQ(g.InputMode, kModeSpell);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_EQ(g.EffectFirstImage, 5);
    EXPECT_EQ(g.EffectTicks, 2);
    EXPECT_FLOAT_EQ(g.EffectY, 14 * C - 120);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr2));

    // while the pictures play the cast is paid for: further clicks wait
    Click(kLeftButton, 3, 3);
    Click(kRightButton, 3, 3);
    EXPECT_EQ(g.U(1).Mana, mana - 15);
    EXPECT_FLOAT_EQ(g.TargetCellX, 14 * C);
    EXPECT_EQ(g.InputMode, kModeSpell);
}

} // namespace
} // namespace gh
