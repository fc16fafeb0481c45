#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Simulation.h"
#include "engine/Aids.h"
#include "world/Game.h"

namespace gh::sim {

// The play aids against the real thing. At a position of a match, for every
// unit of the side to move, every planned cell is ordered on a copy of the
// match the way a person orders it (the pointer rests on the cell, a click
// gives the walk) and the copy is ticked until the walk is over: where the
// unit then stands, with how many points, and whom it fights is compared
// with what the aids said. The exchanges the aids forecast are then fought
// on copies with many seeds and their mean compared with the forecast.
struct AidsTally {
    long positions = 0;
    long reachMismatches = 0; // cells reached or not, enemies fought or not
    long costMismatches = 0;  // points spent, and where a walk that falls short ends
    long walks = 0;           // orders tried on copies
    long exchanges = 0;       // exchanges fought for the forecast
    // Forecast against fought, summed over every exchange fought: life lost
    // by each side (and the life it started with), and deaths.
    double lossGap[2] = {0, 0};
    double lifeAtStake[2] = {0, 0};
    double deathGap[2] = {0, 0};
    std::string firstMismatch;

    // The largest pooled gap, in percent: life lost as a share of the life
    // at stake, deaths as percentage points of the chance.
    double ForecastErrorPercent() const;
    void Add(const AidsTally& other);
};

struct AidsCheckOptions {
    int positionsPerMatch = 16;   // positions checked in each match, at most
    int exchangesPerPosition = 2; // forecasts fought at each position
    int seedsPerExchange = 100;   // fights of each
};

// Checks the aids at the position `g` stands in (the field at rest on a
// side's turn); `g` is only read. `reachOf` stands in for ComputeReach when
// given (a test shows the check catches a reach that is merely close).
using ReachOf = std::function<Reach(const Game&, int)>;
void CheckAidsAt(const Game& g, const AidsCheckOptions& options, std::uint64_t seed, AidsTally& tally,
                 const ReachOf& reachOf = {});

// Plays match `seed` as PlayMatch does and checks the aids at positions
// spread over it. Also reports the invariant violations PlayMatch finds.
AidsTally CheckAidsInMatch(const Options& options, std::uint64_t seed, const AidsCheckOptions& check,
                           MatchResult& result);

} // namespace gh::sim
