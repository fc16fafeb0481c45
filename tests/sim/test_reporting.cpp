// Reporting the match's events changes nothing: a match played with the log
// listening is the very match played without it, and the tally it keeps
// agrees with what the log heard.
#include <gtest/gtest.h>

#include <memory>

#include "Simulation.h"
#include "engine/Engine.h"
#include "engine/Journal.h"

namespace gh::sim {
namespace {

struct Counter final : EventSink {
    void OnEvent(const Game& g, const MatchEvent& e) override
    {
        journal.OnEvent(g, e);
        switch (e.kind) {
        case EventKind::Kill: ++kills; break;
        case EventKind::Summoned: ++summons; break;
        case EventKind::SpellCast: ++casts; break;
        case EventKind::Victory: ++victories; break;
        default: break;
        }
    }
    Journal journal;
    int kills = 0, summons = 0, casts = 0, victories = 0;
};

// Plays a match of `heroes` on seed `seed` (the strong player in slot 1, so
// that spells and summons happen too) until it ends or `cap` ticks pass.
std::unique_ptr<Game> Play(std::uint64_t seed, int heroes, EventSink* sink, std::uint64_t cap = 400000)
{
    auto g = std::make_unique<Game>();
    g->Generator.Pin(seed);
    if (sink)
        g->events = sink;
    g->ComputerLevel[1] = kStrongestLevel;
    PrepareMatch(*g, heroes);
    BindTimers(*g);
    while (g->MatchRunning && g->timers.Ticks() < cap)
        g->timers.Tick();
    return g;
}

TEST(Reporting, AMatchPlaysTheSameWithTheLogListeningAndItsTallyAgreesWithTheLog)
{
    int matchesWon = 0;
    for (std::uint64_t seed : {3u, 8u, 21u}) {
        SCOPED_TRACE(seed);
        Counter heard;
        const auto quiet = Play(seed, 4, nullptr);
        const auto listened = Play(seed, 4, &heard);
        EXPECT_TRUE(quiet->Match() == listened->Match());
        EXPECT_EQ(quiet->Generator.Drawn(), listened->Generator.Drawn());

        const MatchTally& t = listened->Tally;
        int kills = 0, losses = 0, summons = 0, casts = 0;
        for (const SideTally& side : t.Sides) {
            kills += side.Kills;
            losses += side.Losses;
            summons += side.Summoned;
            casts += side.SpellsCast;
        }
        // Every death is one side's kill and one side's loss.
        EXPECT_EQ(kills, heard.kills);
        EXPECT_EQ(losses, heard.kills);
        EXPECT_EQ(summons, heard.summons);
        EXPECT_EQ(casts, heard.casts);
        EXPECT_GT(heard.kills, 0);
        EXPECT_FALSE(heard.journal.Entries().empty());
        for (int h = 1; h <= 4; ++h) {
            EXPECT_TRUE(t.Sides[static_cast<std::size_t>(h)].TookPart);
            EXPECT_GE(t.Sides[static_cast<std::size_t>(h)].DaysSurvived, 1);
            EXPECT_LE(t.Sides[static_cast<std::size_t>(h)].DaysSurvived, listened->Day);
        }
        EXPECT_FALSE(t.Sides[5].TookPart);
        if (!listened->MatchRunning) {
            ++matchesWon;
            EXPECT_EQ(heard.victories, 1);
            // The winner saw every day the match had.
            const int winner = listened->LoopJ;
            if (winner >= 1) {
                EXPECT_EQ(t.Sides[static_cast<std::size_t>(winner)].DaysSurvived, listened->Day);
            }
        }
    }
    EXPECT_GT(matchesWon, 0);
}

} // namespace
} // namespace gh::sim
