#pragma once

#include <cstdint>
#include <vector>

#include "Simulation.h"

namespace gh::sim {

// One pair of levels played against each other: two heroes, the seats
// alternating from match to match, match m on seed + m.
struct PairResult {
    int upper = 0, lower = 0; // the levels
    int matches = 0;
    int decided = 0; // matches a hero won (the neutral side's wins and draws are not)
    int upperWon = 0;
    int upperFirstDay = 0; // matches the upper level won on the first day
    long long days = 0;
    long long upperSpells = 0, upperSummons = 0;
    std::string violation; // the first broken invariant, if any

    double UpperShare() const { return decided > 0 ? 100.0 * upperWon / decided : 0.0; }
};

PairResult PlayPair(const Options& options, int upper, int lower);

// Plays every neighbouring pair and every level against the game's own,
// prints a line a pair and one summary line:
//   ladder: N steps from P % to Q %, strongest against the game's own S %
// and says whether the ladder holds: every step wins 60..85 % of the decided
// matches, the strongest at least 95 % against the game's own.
bool RunLadder(const Options& options);

} // namespace gh::sim
