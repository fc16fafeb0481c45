// The computer player: its cursor over the records, whom it orders and how
// a drawn target that cannot be walked to is handled, and the end of a turn.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "engine/Computer.h"
#include "engine/Engine.h"
#include "engine/Movement.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;

class Computer : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.Day = 1;
        Place(1, kMage, 1, 2, 2);
        Place(2, kNecromancer, 2, 10, 10);
        g.ActiveHero = 1;
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
    }

    // Rnd value that draws record t among UnitCount.
    float Draw(int t) const { return testing::Pick(t - 1, g.UnitCount); }
};

TEST_F(Computer, APersonsSideIsLeftAlone)
{
    g.HeroIsHuman[1] = true;
    ComputerTick(g);
    EXPECT_EQ(g.AiCursor, 0);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
}

TEST_F(Computer, OrdersAUnitTowardsTheDrawnUnitAndWaitsForTheWalk)
{
    rnd.Push(Draw(2));
    ComputerTick(g);
    EXPECT_EQ(g.AiCursor, 1);
    EXPECT_EQ(g.Selected, 1);
    EXPECT_FLOAT_EQ(g.TargetCellX, 10 * C + 24);
    EXPECT_FLOAT_EQ(g.TargetCellY, 10 * C + 24);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr1));
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
}

TEST_F(Computer, OtherSidesAndRemainsAreSkippedOnePerTick)
{
    Place(3, kSkeleton, 2, 5, 5); // another side
    Place(4, kSkeleton, 1, 6, 6); // own, but remains
    g.U(4).Kind = kKindRemains;
    g.U(4).Hp = -1;
    Place(5, kSkeleton, 1, 7, 7);
    g.AiCursor = 1;
    ComputerTick(g);
    EXPECT_EQ(g.AiCursor, 2);
    ComputerTick(g);
    ComputerTick(g);
    EXPECT_EQ(g.AiCursor, 4);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    rnd.Push(Draw(2));
    ComputerTick(g);
    EXPECT_EQ(g.Selected, 5);
}

TEST_F(Computer, SelfAndDeadTargetsSpendTheUnitAndMoveOnWithinTheTick)
{
    Place(3, kSkeleton, 1, 5, 5);
    Place(4, kSkeleton, 1, 6, 6);
    Place(5, kSkeleton, 1, 8, 8);
    Place(6, kSkeleton, 0, 9, 9);
    g.U(6).Hp = 0;
    g.U(6).Kind = kKindRemains;
    g.AiCursor = 2;
    rnd.Push({Draw(3), Draw(6), Draw(2)}); // 3 draws itself, 4 draws remains, 5 draws hero 2
    ComputerTick(g);
    EXPECT_EQ(g.U(3).Actions, 0);
    EXPECT_EQ(g.U(4).Actions, 0);
    EXPECT_NE(g.U(5).Actions, 0);
    EXPECT_EQ(g.Selected, 5);
    EXPECT_EQ(g.AiCursor, 5);
    EXPECT_EQ(rnd.Drawn(), 3u);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
}

TEST_F(Computer, ASideWithNoLivingUnitEndsItsTurnAfterUnitCountPlusOneTicks)
{
    g.ActiveHero = 0; // the neutral side owns nothing here
    for (int t = 1; t <= g.UnitCount; ++t) {
        ComputerTick(g);
        EXPECT_EQ(g.ActiveHero, 0) << t;
    }
    ComputerTick(g);
    EXPECT_EQ(g.AiCursor, 0);
    EXPECT_EQ(g.ActiveHero, 1);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text.rfind("Ходит ", 0), 0u);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
}

TEST_F(Computer, AUnitWithoutPointsIsOrderedAndStoppedAtOnce)
{
    g.U(1).Actions = 0;
    rnd.Push(Draw(2));
    ComputerTick(g);
    EXPECT_EQ(g.InputMode, kModeWalk);
    WalkTick(g);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_FLOAT_EQ(g.U(1).PosX, 2 * C);
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
}

TEST_F(Computer, AFarTargetIsWalkedToNotShotAt)
{
    // The archeress' range would reach, but the computer's aim point is
    // inside the cell, so she walks until she bumps into somebody.
    Place(3, kArcheress, 1, 7, 10);
    g.AiCursor = 2;
    g.Target = 2;
    rnd.Push(Draw(2));
    ComputerTick(g);
    ASSERT_EQ(g.Selected, 3);
    WalkTick(g);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_GT(g.U(3).PosX, 7 * C);
}

TEST_F(Computer, AComputerTurnRunsToItsEndOnTheTimers)
{
    BindTimers(g);
    g.HeroIsHuman[2] = true; // the next side is a person: the chain stops there
    std::uint64_t ticks = 0;
    while (g.ActiveHero == 1 && ticks < 5000) {
        g.timers.Tick();
        ++ticks;
    }
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3));
}

} // namespace
} // namespace gh
