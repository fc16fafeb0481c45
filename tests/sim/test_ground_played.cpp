// The ground of a match stays the same from its first tick to its last: what
// it is made from is never changed by the rules while a match is played.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "Simulation.h"
#include "battlefield/GroundPattern.h"

namespace gh::sim {
namespace {

TEST(GroundOfAMatch, StaysTheSameWhileTheMatchIsPlayedToItsEnd)
{
    Options options;
    options.heroes = 4;
    options.days = 40;
    std::optional<std::uint64_t> first;
    std::uint64_t ticks = 0, changed = 0;
    const MatchResult r = PlayMatch(options, 11, [&](Game& g) {
        if (!g.MatchRunning)
            return;
        const std::uint64_t now = GroundPattern(g);
        if (!first)
            first = now;
        changed += now != *first;
        ++ticks;
    });
    EXPECT_EQ(r.violation, "");
    EXPECT_GT(r.days, 1);
    EXPECT_GT(ticks, 100u);
    EXPECT_EQ(changed, 0u);
}

} // namespace
} // namespace gh::sim
