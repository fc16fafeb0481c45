#include "Ladder.h"

#include <algorithm>
#include <cstdio>

#include "ai/Levels.h"

namespace gh::sim {

namespace {

constexpr double kStepLow = 60, kStepHigh = 85, kTopOverGame = 95;

void Print(const PairResult& r)
{
    std::printf("%s (%d) against %s (%d): %d matches, %d decided, won %d (%.1f %%), on the first day %d "
                "(%.1f %%), %.1f days, %.1f spells and %.1f summons a match\n",
                LevelName(r.upper).c_str(), r.upper, LevelName(r.lower).c_str(), r.lower, r.matches,
                r.decided, r.upperWon, r.UpperShare(), r.upperFirstDay,
                100.0 * r.upperFirstDay / std::max(r.matches, 1),
                static_cast<double>(r.days) / std::max(r.matches, 1),
                static_cast<double>(r.upperSpells) / std::max(r.matches, 1),
                static_cast<double>(r.upperSummons) / std::max(r.matches, 1));
    std::fflush(stdout);
}

} // namespace

PairResult PlayPair(const Options& options, int upper, int lower)
{
    PairResult r;
    r.upper = upper;
    r.lower = lower;
    Options o = options;
    o.heroes = 2;
    for (int m = 0; m < options.matches && r.violation.empty(); ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        // The upper level sits in slot 1 in even matches and in slot 2 in odd ones.
        const int seat = m % 2 == 0 ? 1 : 2;
        Seats levels{};
        levels[static_cast<std::size_t>(seat)] = upper;
        levels[static_cast<std::size_t>(3 - seat)] = lower;
        const MatchResult match = PlayMatch(o, seed, nullptr, levels);
        ++r.matches;
        r.violation = match.violation;
        r.days += match.days;
        r.upperSpells += match.tally.Sides[static_cast<std::size_t>(seat)].SpellsCast;
        r.upperSummons += match.tally.Sides[static_cast<std::size_t>(seat)].Summoned;
        if (match.winner < 1)
            continue;
        ++r.decided;
        if (match.winner == seat) {
            ++r.upperWon;
            if (match.days <= 1)
                ++r.upperFirstDay;
        }
    }
    return r;
}

bool RunLadder(const Options& options)
{
    bool holds = true;
    double lowest = 100, highest = 0, top = 0;
    std::vector<PairResult> results;
    for (int upper = kGameLevel + 1; upper <= kStrongestLevel; ++upper) {
        const PairResult step = PlayPair(options, upper, upper - 1);
        Print(step);
        if (!step.violation.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", step.violation.c_str());
            return false;
        }
        lowest = std::min(lowest, step.UpperShare());
        highest = std::max(highest, step.UpperShare());
        holds = holds && step.UpperShare() >= kStepLow && step.UpperShare() <= kStepHigh;
    }
    for (int upper = kGameLevel + 2; upper <= kStrongestLevel; ++upper) {
        const PairResult over = PlayPair(options, upper, kGameLevel);
        Print(over);
        if (!over.violation.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", over.violation.c_str());
            return false;
        }
        if (upper == kStrongestLevel)
            top = over.UpperShare();
    }
    holds = holds && top >= kTopOverGame;
    std::printf("ladder: %d steps from %.1f %% to %.1f %%, strongest against the game's own %.1f %%: %s\n",
                kStrongestLevel - kGameLevel, lowest, highest, top, holds ? "holds" : "does not hold");
    return holds;
}

} // namespace gh::sim
