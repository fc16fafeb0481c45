#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "world/Game.h"

namespace gh::sim {

struct Options {
    int matches = 1;
    int heroes = 5;         // heroes taking part, 2..5
    std::uint64_t seed = 1; // match m plays with seed + m
    int days = 100;         // a match that reaches this day ends without a winner
    // A day that takes more ticks than this has stalled: the turn engine has
    // stopped advancing.
    std::uint64_t ticksPerDayCap = 200000;
    // Hero slots the strong computer player plays; the rest keep the game's own.
    std::array<bool, kHeroes + 1> strong{};
    // Seats alternate: match m moves every strong seat m slots on, round the
    // heroes taking part, so no seat's luck of the draw favours either player.
    bool alternate = false;
};

// The strong seats of match number m (0-based) of a run.
std::array<bool, kHeroes + 1> StrongSeats(const Options& options, int m);

struct MatchResult {
    std::uint64_t seed = 0;
    int days = 0;              // days played
    int winner = -1;           // winning side (0 the neutral side), -1 none
    std::string winnerName;    // type name and name, or "нет"
    bool winnerAlive = false;  // a hero winner still had life in it when crowned
    bool strongWinner = false; // the winner was played by the strong player
    std::uint64_t ticks = 0;
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
// `strong` names the hero slots the strong computer player plays.
MatchResult PlayMatch(const Options& options, std::uint64_t seed,
                      const std::function<void(Game&)>& onTick = nullptr,
                      const std::array<bool, kHeroes + 1>& strong = {});

} // namespace gh::sim
