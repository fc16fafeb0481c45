#pragma once

#include <string>
#include <vector>

#include "engine/Aids.h"
#include "magic/SpellForecast.h"
#include "world/Game.h"

namespace gh {

// The lines the board's hints show beside the pointer, in the game's
// Russian. Each takes what engine/Aids and the forecasts worked out and
// only words it.

// A unit as the hints name it: its type name and, for a hero, its name.
std::string AidUnitLabel(const Game& g, int i);

// "1 очко", "2 очка", "5 очков" and the like: the noun after a number.
std::string CountNoun(long n, const char* one, const char* few, const char* many);

// A walk of `walker` to the hovered cell, which holds no unit of its side;
// `foe`, when not 0, is the enemy standing there whom the walk does not reach.
std::vector<std::string> WalkLines(const Game& g, int walker, const WalkPreview& walk, int foe = 0);

// The exchange the walk opens, with the odds for both sides.
std::vector<std::string> ExchangeLines(const Game& g, int walker, const WalkPreview& walk,
                                       const ExchangeOdds& odds);

// The spell waiting for its cell, over the hovered cell.
std::vector<std::string> SpellLines(const Game& g, const SpellOutlook& outlook);

// The creature waiting for its cell, over the hovered cell at (x, y).
std::vector<std::string> SummonLines(const Game& g, float x, float y);

// A share as the hints print it: "35 %", and never "0 %" or "100 %" for
// what is merely unlikely or likely.
std::string Percent(double share);

} // namespace gh
