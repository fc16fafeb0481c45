// The strong computer player in scripted scenarios: what it chooses and how
// its orders run on the game's own timers. Every random number is 0 unless
// a test says otherwise, so every roll hits with the least damage.
#include <gtest/gtest.h>

#include <cmath>

#include "ScriptedMatch.h"
#include "ai/StrongBoard.h"
#include "ai/StrongPlayer.h"
#include "engine/Blows.h"
#include "engine/Computer.h"
#include "engine/Engine.h"
#include "engine/Forecast.h"
#include "engine/Movement.h"
#include "windows/Settings.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float C = 720;

class Strong : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.MatchRunning = true;
        g.Day = 1;
        Place(1, kMage, 1, 2, 2, "Гэндальф");
        Place(2, kNecromancer, 2, 18, 18, "Мордор");
        g.HeroIsHuman[2] = true; // the chain stops when hero 2's turn comes
        g.ComputerLevel[1] = kStrongestLevel;
        g.ActiveHero = 1;
        BindTimers(g);
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
    }

    bool Busy() const
    {
        for (TimerId t : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
            if (g.timers.Enabled(t))
                return true;
        return false;
    }

    // Runs the timers until the order under way has been carried out and the
    // computer player has the next tick, or the turn has passed.
    void CarryOut()
    {
        for (int i = 0; i < 5000 && g.ActiveHero == 1; ++i) {
            g.timers.Tick();
            if (!Busy() && g.timers.Enabled(TimerId::TmrEnemy))
                return;
        }
    }

    Unit& Corpse(int index, int col, int row)
    {
        Unit& u = Place(index, kSkeleton, 0, col, row);
        u.Hp = -1;
        u.Kind = kKindRemains;
        return u;
    }
};

TEST_F(Strong, KillsTheUnitItCanKillRatherThanTradeBlows)
{
    Place(6, kDemon, 1, 10, 10);
    Place(7, kVampireBat, 2, 11, 10).Hp = 5;
    Place(8, kDemon, 2, 9, 10);
    ComputerTick(g);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_EQ(g.Target, 7); // the pointer rests on the bat as the order is given
    EXPECT_FLOAT_EQ(g.TargetCellX, 11 * C);
    EXPECT_EQ(g.InputMode, kModeWalk);
    CarryOut();
    EXPECT_EQ(g.U(7).Kind, kKindRemains);
    EXPECT_EQ(g.U(8).Hp, g.U(8).HpMax);
}

TEST_F(Strong, ANewTurnStartsWithFreshNotesEvenOnTheSameDayAndSide)
{
    // Notes left by the last turn of an earlier match, won on day 1.
    g.Strong.Day = 1;
    g.Strong.Side = 1;
    g.Strong.Orders[6] = kOrdersPerUnit;
    g.Strong.Casts = kCastsPerTurn;
    g.AiCursor = 0; // what the turn change leaves for a computer side
    Place(6, kDemon, 1, 10, 10);
    Place(7, kVampireBat, 2, 11, 10);
    ComputerTick(g);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_EQ(g.Strong.Orders[6], 1);
    EXPECT_NE(g.AiCursor, 0);
}

TEST_F(Strong, StrikesFromRangeWithoutStepping)
{
    Place(1, kArcheress, 1, 5, 5, "Арвен");
    Place(7, kVampireBat, 2, 8, 5);
    ComputerTick(g);
    ASSERT_EQ(g.Selected, 1);
    WalkTick(g);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr3));
    EXPECT_EQ(g.Attacker, 1);
    EXPECT_EQ(g.Defender, 7);
    EXPECT_FLOAT_EQ(g.U(1).PosX, 5 * C);
    CarryOut();
    EXPECT_EQ(g.U(7).Kind, kKindRemains);
}

TEST_F(Strong, NeverOpensAnExchangeWithItsOwnSide)
{
    Place(1, kArcheress, 1, 3, 10, "Арвен");
    for (int i = 0; i < 3; ++i)
        Place(6 + i, kSkeleton, 1, 4, 9 + i);
    for (int i = 0; i < 3; ++i)
        Place(9 + i, kSkeleton, 2, 8, 9 + i).Hp = 20;
    Place(12, kSkeleton, 1, 5, 12);

    // Wrap the walk: an exchange it opens is either struck (Tmr3 on, the
    // defender someone else's) or refused, and a refused one leaves the
    // no-target point behind without a blow.
    int opened = 0, refused = 0, own = 0;
    g.timers.SetHandler(TimerId::Tmr1, [&] {
        const int walker = g.Selected;
        const bool wasWalking = g.InputMode == kModeWalk;
        WalkTick(g);
        if (!wasWalking || g.timers.Enabled(TimerId::Tmr1))
            return;
        if (g.timers.Enabled(TimerId::Tmr3)) {
            ++opened;
            if (g.U(g.Defender).Owner == 1)
                ++own;
        } else if (g.TargetCellX == g.U(walker).PosX - 120 && g.TargetCellY == g.U(walker).PosY - 120) {
            ++refused;
        }
    });
    for (int i = 0; i < 100000 && g.ActiveHero == 1; ++i)
        g.timers.Tick();
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_GE(opened, 2);
    EXPECT_EQ(own, 0);
    EXPECT_EQ(refused, 0);
}

TEST_F(Strong, HealsItsWoundedUnitThroughTheCastingChecksAndCosts)
{
    g.Spellbook[1][4] = -3; // "Слабое лечение", +35 life
    Place(6, kDemon, 1, 10, 10).Hp = 100;
    ComputerTick(g);
    EXPECT_EQ(g.InputMode, kModeSpell); // read and clicked: the pictures play
    EXPECT_EQ(g.Spellbook[1][4], 0);
    EXPECT_EQ(g.U(1).Mana, 200 - 4);
    EXPECT_FLOAT_EQ(g.ShpAt.Left, 10 * C - 120); // the frame is over the cell clicked
    EXPECT_FLOAT_EQ(g.ShpAt.Top, 10 * C - 120);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
    CarryOut();
    EXPECT_EQ(g.U(6).Hp, 135);
    EXPECT_TRUE(shell.boxes.empty()); // nothing refused, nothing failed
    EXPECT_TRUE(g.timers.Enabled(TimerId::TmrEnemy));
}

TEST_F(Strong, NeverSummonsWhereNoWalkReaches)
{
    g.Spellbook[1][0] = kGhost; // strikes from two cells
    Place(7, kVampireBat, 2, 10, 10);
    int index = 21;
    for (int dc = -1; dc <= 1; ++dc)
        for (int dr = -1; dr <= 1; ++dr)
            if (dc != 0 || dr != 0)
                Corpse(index++, 10 + dc, 10 + dr);
    // Hero 2 in the corner, walled in by remains: the free cells two away
    // from it lead nowhere either.
    g.U(2).PosX = g.U(2).PosY = 20 * C;
    Corpse(index++, 19, 19);
    Corpse(index++, 19, 20);
    Corpse(index++, 20, 19);
    EXPECT_NE(ChooseStrongOrder(g).kind, StrongOrder::Summon);

    // A gap in the ring: the ghost is called where it can walk to the bat,
    // and strikes from there at once.
    g.U(21).OnField = false;
    const StrongOrder call = ChooseStrongOrder(g);
    ASSERT_EQ(call.kind, StrongOrder::Summon);
    ComputerTick(g);
    CarryOut();
    ASSERT_EQ(g.U(6).UnitType, kGhost);
    EXPECT_EQ(g.U(6).Owner, 1);
    EXPECT_FLOAT_EQ(g.U(6).PosX, call.x);
    PathCells grid;
    EXPECT_GE(LayPath(g, g.U(6), g.U(7).PosX, g.U(7).PosY, grid), 0);
    ComputerTick(g);
    EXPECT_EQ(g.Selected, 6);
    CarryOut();
    EXPECT_EQ(g.U(7).Kind, kKindRemains);
}

TEST_F(Strong, EndsItsTurnWhenNothingIsWorthDoing)
{
    ComputerTick(g);
    EXPECT_EQ(g.ActiveHero, 2);
    EXPECT_FLOAT_EQ(g.U(1).PosX, 2 * C);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr1));
    EXPECT_EQ(rnd.Drawn(), 0u);
}

TEST_F(Strong, KeepsAWeakenedHeroOutOfReach)
{
    g.U(1).Hp = 30;
    Place(7, kDemon, 2, 5, 2); // three cells off: two steps and it strikes
    ComputerTick(g);
    ASSERT_EQ(g.Selected, 1);
    CarryOut();
    const Unit& h = g.U(1);
    const Unit& d = g.U(7);
    // Out of the demon's reach: more cells than its points, its range added.
    EXPECT_GT(std::fabs(h.PosX - d.PosX) / C + std::fabs(h.PosY - d.PosY) / C, d.Actions);
}

TEST_F(Strong, OnlyHeroesTheComputerPlaysAndNeverTheNeutralSide)
{
    for (std::int32_t level = kGameLevel + 1; level <= kStrongestLevel; ++level) {
        g.ComputerLevel[1] = level;
        EXPECT_TRUE(StrongPlays(g)) << level;
    }
    g.ActiveHero = 0;
    EXPECT_FALSE(StrongPlays(g)); // the neutral side keeps the game's own player
    g.ActiveHero = 2;
    EXPECT_FALSE(StrongPlays(g)); // a person plays hero 2
    g.ActiveHero = 1;
    g.ComputerLevel[1] = kGameLevel; // «Новичок»: the game's own player
    EXPECT_FALSE(StrongPlays(g));
    // The game's own player draws a target at random; the strong one draws nothing.
    rnd.Push(testing::Pick(1, g.UnitCount));
    ComputerTick(g);
    EXPECT_EQ(rnd.Drawn(), 1u);
}

// The forecast of an exchange against the real blows, played many times
// with real random numbers.
TEST(StrongForecast, MatchesTheBlowsPlayedOut)
{
    testing::ScriptedMatch m;
    ClockRandom real(7);
    NullCanvas quiet; // thousands of exchanges: nothing to look at
    m.g.MatchRunning = true;
    m.g.ActiveHero = 1;
    m.Place(1, kArcheress, 1, 5, 5);
    m.Place(2, kMage, 2, 7, 5);
    m.Place(3, kSkeleton, 1, 6, 5);
    m.Place(4, kGhost, 2, 7, 6);
    BindTimers(m.g);
    m.g.rnd = &real;
    m.g.canvas = &quiet;
    // Ranged against ranged with a weakness; melee against an immune ghost.
    for (auto [opener, other] : {std::pair{1, 2}, std::pair{3, 4}, std::pair{4, 3}}) {
        const Unit a0 = m.g.U(opener), b0 = m.g.U(other);
        const ExchangeOdds odds = ForecastExchange(a0, b0);
        constexpr int kRuns = 2000;
        double lossA = 0, lossB = 0;
        int deaths = 0;
        for (int run = 0; run < kRuns; ++run) {
            m.g.U(opener) = a0;
            m.g.U(other) = b0;
            m.g.ActiveHero = a0.Owner;
            m.g.Selected = opener;
            m.g.Target = other;
            m.g.ReturnBlowDue = true;
            StartBlow(m.g);
            for (int t = 0; t < 200 && !m.g.timers.Enabled(TimerId::TmrEnemy); ++t)
                m.g.timers.Tick();
            m.g.timers.SetEnabled(TimerId::TmrEnemy, false);
            lossA += a0.Hp - m.g.U(opener).Hp;
            lossB += b0.Hp - m.g.U(other).Hp;
            deaths += m.g.U(other).Hp < 1;
        }
        EXPECT_NEAR(lossA / kRuns, odds.openerLoss, 1.5 + 0.05 * odds.openerLoss) << opener;
        EXPECT_NEAR(lossB / kRuns, odds.otherLoss, 1.5 + 0.05 * odds.otherLoss) << opener;
        EXPECT_NEAR(static_cast<double>(deaths) / kRuns, odds.otherDies, 0.04) << opener;
    }
}

} // namespace
} // namespace gh

namespace gh {
namespace {

TEST_F(Strong, ALevelLooksOnlyAsFarAsItsSightFromItsOwnUnits)
{
    Place(6, kVampireBat, 0, 5, 5);
    g.ComputerLevel[1] = kStrongestLevel;
    {
        const StrongBoard b(g);
        EXPECT_TRUE(b.InSight(2));
        EXPECT_TRUE(b.InSight(6));
    }
    g.ComputerLevel[1] = 1; // four cells on both axes
    {
        const StrongBoard b(g);
        EXPECT_FALSE(b.InSight(2)); // sixteen cells away
        EXPECT_TRUE(b.InSight(6));  // three
        EXPECT_TRUE(b.InSight(1));  // its own units are always seen
    }
    // A unit of its own standing near the rival lets it see the rival.
    Place(7, kDemon, 1, 15, 15);
    const StrongBoard b(g);
    EXPECT_TRUE(b.InSight(2));
}

TEST_F(Strong, ACarelessOrderIsDrawnFromTheMatchAndSendsTheUnitAsTheGamesOwnPlayerWould)
{
    Place(6, kDemon, 1, 10, 10);
    Place(7, kVampireBat, 2, 11, 10).Hp = 5;
    const int lastUnit = g.UnitCount;

    // At full strength nothing is drawn: the bat dies.
    g.ComputerLevel[1] = kStrongestLevel;
    ComputerTick(g);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_EQ(g.Target, 7);
    EXPECT_EQ(g.Selected, 6);
    CarryOut();
    ASSERT_EQ(g.U(7).Kind, kKindRemains);

    // «Ученик» gives nine orders in ten carelessly: the first draw says
    // whether, the second whom the unit is sent at (here hero 2).
    Place(7, kVampireBat, 2, 11, 10).Hp = 5;
    g.U(6).Actions = g.U(6).ActionsMax;
    g.Strong = {};
    g.AiCursor = 0;
    g.ComputerLevel[1] = 1;
    rnd.Push(0.5f);
    rnd.Push(testing::Pick(1, lastUnit)); // record 2
    const std::size_t before = rnd.Drawn();
    ComputerTick(g);
    EXPECT_EQ(rnd.Drawn(), before + 2);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_EQ(g.InputMode, kModeWalk);
    EXPECT_FLOAT_EQ(g.TargetCellX, g.U(2).PosX + 24); // a point inside the drawn unit's cell
    EXPECT_EQ(g.Strong.Orders[6], kOrdersPerUnit);    // and no other order this turn
}

TEST_F(Strong, ACarefulDrawGivesTheOrderTheStrongPlayerWould)
{
    Place(6, kDemon, 1, 10, 10);
    Place(7, kVampireBat, 2, 11, 10).Hp = 5;
    g.ComputerLevel[1] = 1;
    rnd.Push(0.95f); // not among the nine in ten
    ComputerTick(g);
    EXPECT_EQ(rnd.Drawn(), 1u);
    EXPECT_EQ(g.Target, 7);
    EXPECT_EQ(g.Selected, 6);
    EXPECT_FLOAT_EQ(g.TargetCellX, 11 * C); // the bat's cell itself: it strikes from where it stands
    EXPECT_EQ(g.InputMode, kModeWalk);
}

} // namespace
} // namespace gh
