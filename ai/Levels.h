#pragma once

#include <cstdint>
#include <string>

#include "ai/StrongPlayer.h"
#include "world/Game.h"

namespace gh {

// How the strong player is held back at each level. The game's own player
// (kGameLevel) plays none of this: it sends every unit at a unit drawn at
// random. The levels above it give the strong player's orders, but (the
// defaults are full strength):
struct LevelStyle {
    // It looks for foes to strike, to cast at and to call creatures beside
    // only this many cells (on both axes) from one of its own units; 0 is
    // the whole field. A player who cannot see a rival across the field does
    // not burn it down on the first day.
    int sight = 0;
    // Pages of the spellbook it reads in one turn.
    int castsPerTurn = kCastsPerTurn;
    // Out of a hundred orders, how many it gives carelessly: the unit is
    // sent at a unit drawn at random, as the game's own player sends it, and
    // a page it meant to read stays unread this turn. Drawn from the match's
    // own generator, so a match against a level replays exactly.
    int carelessPercent = 0;
    // Whether it weighs what could reach its hero before its next turn.
    bool guardsHero = true;
};

LevelStyle StyleOf(std::int32_t level);

// The level's name as the windows show it: «Новичок» ... «Беспощадный».
std::string LevelName(std::int32_t level);

// A level read from elsewhere (settings, the simulator's command line) kept
// within kGameLevel..kStrongestLevel.
std::int32_t ClampLevel(long long level);

} // namespace gh
