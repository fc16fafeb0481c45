// The soak's invariant checker must notice what it is there to notice: a
// checker that never complains would let every simulated match pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AidsCheck.h"
#include "Invariants.h"
#include "Simulation.h"
#include "engine/Aids.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh::sim {
namespace {

class Checker : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rnd = &rnd;
        g.MatchRunning = true;
        g.ActiveHero = 1;
        for (int i : {1, 2}) {
            CreateUnit(g, i, kMage, i);
            g.U(i).PosX = 720.0f * i;
            g.U(i).PosY = 1440;
        }
        g.UnitCount = 2;
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
    }
    Game g;
    ClockRandom rnd{2};
};

TEST_F(Checker, AQuietComputerTurnPasses)
{
    EXPECT_EQ(CheckInvariants(g), "");
    EXPECT_EQ(Carriers(g), 1);
}

TEST_F(Checker, CatchesPlantedFaults)
{
    g.U(2).PosX = 720; // both on one cell
    EXPECT_NE(CheckInvariants(g).find("share the cell"), std::string::npos);
    g.U(2).PosX = 1440;

    g.U(1).Hp = g.U(1).HpMax + 1;
    EXPECT_NE(CheckInvariants(g).find("Hp"), std::string::npos);
    g.U(1).Hp = 1;

    g.U(2).HitChance = 100;
    EXPECT_NE(CheckInvariants(g).find("HitChance"), std::string::npos);
    g.U(2).HitChance = 50;

    g.Target = 101;
    EXPECT_NE(CheckInvariants(g).find("Target"), std::string::npos);
    g.Target = 0;

    g.InputMode = 5;
    EXPECT_NE(CheckInvariants(g).find("InputMode"), std::string::npos);
    g.InputMode = 0;
    EXPECT_EQ(CheckInvariants(g), "");
}

TEST_F(Checker, CountsCarriersByWhoPlaysTheSide)
{
    g.timers.SetEnabled(TimerId::Tmr3, true);
    EXPECT_EQ(Carriers(g), 2);
    EXPECT_NE(CheckInvariants(g).find("carry"), std::string::npos);

    g.timers.SetEnabled(TimerId::Tmr3, false);
    g.timers.SetEnabled(TimerId::TmrEnemy, false);
    EXPECT_NE(CheckInvariants(g), ""); // a computer side with nothing running is stuck

    g.HeroIsHuman[1] = true; // a person's side may wait with nothing running
    EXPECT_EQ(CheckInvariants(g), "");
    g.timers.SetEnabled(TimerId::TmrEnemy, true); // idle there
    EXPECT_EQ(Carriers(g), 0);

    g.timers.SetEnabled(TimerId::Tmr1, true); // enabled but no walk: idle
    EXPECT_EQ(Carriers(g), 0);
    g.InputMode = kModeWalk;
    EXPECT_EQ(Carriers(g), 1);
}

TEST_F(Checker, TheWalkerMidStepIsExempt)
{
    g.Selected = 1;
    g.InputMode = kModeWalk;
    g.Moving = 1;
    g.U(1).PosX = 1080;
    g.timers.SetEnabled(TimerId::TmrEnemy, false);
    g.timers.SetEnabled(TimerId::Tmr1, true);
    EXPECT_EQ(CheckInvariants(g), "");
    g.Moving = 0;
    EXPECT_NE(CheckInvariants(g).find("off a cell corner"), std::string::npos);
}

TEST(Simulation, AMatchReportsAPlantedFaultWithSeedAndTick)
{
    Options o;
    o.heroes = 2;
    o.days = 5;
    const MatchResult r = PlayMatch(o, 7, [](Game& g) {
        if (g.timers.Ticks() == 30)
            g.U(6).Hp = g.U(6).HpMax + 5;
    });
    EXPECT_NE(r.violation.find("seed 7, tick 30"), std::string::npos) << r.violation;
    EXPECT_EQ(r.winner, -1);
}

TEST(Simulation, AStalledTurnIsReported)
{
    Options o;
    o.heroes = 2;
    o.days = 5;
    o.ticksPerDayCap = 1000;
    // Every timer but the idle animation stops, as if a hand-over were lost.
    const MatchResult r = PlayMatch(o, 3, [](Game& g) {
        if (g.timers.Ticks() >= 20) {
            g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)] = true;
            g.timers.SetEnabled(TimerId::TmrEnemy, false);
        }
    });
    EXPECT_NE(r.violation.find("stalled"), std::string::npos) << r.violation;
}

TEST(Simulation, TheSameSeedPlaysTheSameMatch)
{
    Options o;
    o.heroes = 3;
    o.days = 30;
    const MatchResult a = PlayMatch(o, 11), b = PlayMatch(o, 11);
    EXPECT_EQ(a.violation, "");
    EXPECT_EQ(a.ticks, b.ticks);
    EXPECT_EQ(a.days, b.days);
    EXPECT_EQ(a.winnerName, b.winnerName);
}

TEST(Simulation, SeatLevelsGoRoundTheHeroesTakingPartAndTheStrongPlayerPlaysThem)
{
    Options o;
    o.heroes = 3;
    o.level[1] = kStrongestLevel;
    o.level[2] = 2;
    o.alternate = true;
    for (int m = 0; m < 6; ++m) {
        const auto seats = SeatLevels(o, m);
        EXPECT_EQ(std::count(seats.begin(), seats.end(), kStrongestLevel), 1) << m;
        EXPECT_EQ(seats[static_cast<std::size_t>(m % 3 + 1)], kStrongestLevel) << m;
        EXPECT_EQ(seats[static_cast<std::size_t>((m + 1) % 3 + 1)], 2) << m;
    }
    o.alternate = false;
    EXPECT_EQ(SeatLevels(o, 4)[1], kStrongestLevel);

    // The same seed with the strong player in seat 2 is another match, and
    // it is still the same match each time it is played.
    o.days = 30;
    Seats seat2{};
    seat2[2] = kStrongestLevel;
    const MatchResult plain = PlayMatch(o, 11), a = PlayMatch(o, 11, nullptr, seat2),
                      b = PlayMatch(o, 11, nullptr, seat2);
    EXPECT_EQ(a.violation, "");
    EXPECT_EQ(a.ticks, b.ticks);
    EXPECT_EQ(a.winnerName, b.winnerName);
    EXPECT_NE(a.ticks, plain.ticks);
    EXPECT_EQ(a.strongWinner, a.winner == 2);
}

} // namespace
} // namespace gh::sim

// The aids' check must catch aids that are only nearly right.
namespace gh::sim {
namespace {

class AidsChecker : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rnd = &rnd;
        g.MatchRunning = true;
        g.ActiveHero = 1;
        g.AnimSpeed = 4;
        auto put = [&](int i, int type, int owner, int col, int row) {
            CreateUnit(g, i, type, owner);
            g.U(i).PosX = 720.0f * col;
            g.U(i).PosY = 720.0f * row;
        };
        put(1, kMage, 1, 5, 5);
        put(2, kMage, 2, 15, 15);
        put(6, kSkeleton, 0, 7, 5);
        put(7, kSkeleton, 1, 5, 7);
        g.UnitCount = 7;
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
    }
    Game g;
    ClockRandom rnd{2};
};

TEST_F(AidsChecker, FindsTheRealAidsRightAndTheForecastClose)
{
    AidsTally t;
    AidsCheckOptions options;
    options.seedsPerExchange = 400;
    CheckAidsAt(g, options, 1, t);
    EXPECT_EQ(t.positions, 1);
    EXPECT_EQ(t.reachMismatches, 0) << t.firstMismatch;
    EXPECT_EQ(t.costMismatches, 0) << t.firstMismatch;
    // Two units of the side, every planned cell but the two they stand on.
    EXPECT_EQ(t.walks, 2 * (400 - 2));
    EXPECT_EQ(t.exchanges, 2 * 400);
    EXPECT_LT(t.ForecastErrorPercent(), 5.0);
}

TEST_F(AidsChecker, CatchesAReachThatIsOnlyNearlyRight)
{
    // Every free cell within the points, in steps of any kind: what a
    // player might guess, but diagonal steps cost two.
    auto guess = [](const Game& game, int who) {
        Reach r = ComputeReach(game, who);
        const Unit& u = game.U(who);
        const int wc = static_cast<int>(u.PosX / 720), wr = static_cast<int>(u.PosY / 720);
        for (int c = 1; c <= 20; ++c)
            for (int w = 1; w <= 20; ++w)
                if (std::max(std::abs(c - wc), std::abs(w - wr)) <= u.Actions && (c != wc || w != wr) &&
                    OccupantAt(game, 720.0f * c, 720.0f * w) == 0)
                    r.cost[static_cast<std::size_t>(c)][static_cast<std::size_t>(w)] =
                        static_cast<std::int16_t>(std::max(std::abs(c - wc), std::abs(w - wr)));
        return r;
    };
    AidsTally t;
    CheckAidsAt(g, AidsCheckOptions{}, 1, t, guess);
    EXPECT_GT(t.reachMismatches, 0);
    EXPECT_GT(t.costMismatches, 0);
    EXPECT_FALSE(t.firstMismatch.empty());
}

} // namespace
} // namespace gh::sim
