#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Simulation.h"
#include "save/SaveFormat.h"

namespace gh::sim {

// The summary every save the simulator makes carries: fixed, so that the
// texts it compares differ only where the matches do.
save::SaveSummary SimSummary();

// The field is at rest and the match runs: a save may be made.
bool AtRest(const Game& g);

// Every hero becomes the computer's, as a loaded match is played on in the
// simulator: a person's turn goes on at once.
void HandToComputer(Game& g);

// Plays g on (its timers bound, its services its own) until `days` more days
// have begun or the match is over, checking the invariants after every tick.
// "" when all held; otherwise what broke, or that the match stalled.
std::string PlayOn(Game& g, int days, std::uint64_t ticksPerDayCap = 200000);

// One match played with a save at every turn start at rest: the match is
// written, read into a fresh state and written again, and the two texts must
// be the same; the loaded copy then plays on beside the original with the
// same generator state, and at the next turn start (and at the end) the two
// must save to the same text.
struct RoundtripResult {
    int saves = 0;
    int differences = 0;
    std::string firstDifference; // what the first difference was, and where
    std::string violation;       // an invariant the original broke
    int days = 0;
};

RoundtripResult PlayRoundtrip(const Options& options, std::uint64_t seed, const Seats& levels = {});

} // namespace gh::sim
