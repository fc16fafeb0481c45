#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "world/Game.h"

namespace gh::sim {

// The computer's level for each hero slot 1..5 (entry 0, the neutral side,
// is always the game's own player).
using Seats = std::array<std::int32_t, kHeroes + 1>;

struct Options {
    int matches = 1;
    int heroes = 5;         // heroes taking part, 2..5
    std::uint64_t seed = 1; // match m plays with seed + m
    int days = 100;         // a match that reaches this day ends without a winner
    // A day that takes more ticks than this has stalled: the turn engine has
    // stopped advancing.
    std::uint64_t ticksPerDayCap = 200000;
    // The computer's level in each hero slot (kGameLevel: the game's own
    // player; --strong gives a slot kStrongestLevel).
    Seats level{};
    // Seats alternate: match m moves every seat's level m slots on, round the
    // heroes taking part, so no seat's luck of the draw favours either player.
    bool alternate = false;
};

// The levels of the seats of match number m (0-based) of a run.
Seats SeatLevels(const Options& options, int m);

struct MatchResult {
    std::uint64_t seed = 0;
    int days = 0;              // days played
    int winner = -1;           // winning side (0 the neutral side), -1 none
    std::string winnerName;    // type name and name, or "нет"
    bool winnerAlive = false;  // a hero winner still had life in it when crowned
    bool strongWinner = false; // the winner was played at full strength
    int winnerLevel = -1;      // the level the winner was played at, -1 without a hero winner
    std::uint64_t ticks = 0;
    MatchTally tally;      // what each side did
    std::string violation; // empty when every tick kept the invariants
};

// Prepares the heroes the way the selection dialog does, all played by the
// computer, the first `heroes` of them taking part, and sets up the match.
// The caller owns the services g points to.
void PrepareMatch(Game& g, int heroes);

// Plays one match with seed `seed` on a NullCanvas and a shell that answers
// every box with OK (Yes to questions), checking the invariants after every
// tick. `onTick`, when given, runs after each tick before the check (tests
// plant faults through it).
// `levels` are the computer's levels in the hero slots.
MatchResult PlayMatch(const Options& options, std::uint64_t seed,
                      const std::function<void(Game&)>& onTick = nullptr, const Seats& levels = {});

} // namespace gh::sim
