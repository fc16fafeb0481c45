#pragma once

#include <array>
#include <cstdint>

namespace gh {

// What one side did in the match, counted as it goes: the end-of-match
// window shows it, and it belongs to the match (a saved match carries it).
struct SideTally {
    bool TookPart = false;         // the hero stood on the field when the match began
    std::int32_t Kills = 0;        // units of other sides (or its own) the side's units killed
    std::int32_t Losses = 0;       // the side's own units that died, its hero included
    std::int32_t Summoned = 0;     // creatures the hero called onto the field
    std::int32_t SpellsCast = 0;   // spells the hero paid for and aimed
    std::int32_t DaysSurvived = 0; // days the hero saw begin alive, the first day included
    friend bool operator==(const SideTally&, const SideTally&) = default;
};

// Side 0 is the neutral side, 1..5 the heroes.
struct MatchTally {
    std::array<SideTally, 6> Sides{};
    friend bool operator==(const MatchTally&, const MatchTally&) = default;
};

} // namespace gh
