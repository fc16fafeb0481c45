#pragma once

#include "world/Game.h"

namespace gh {

struct StrongBoard;

// The strong computer player: an option for the heroes the computer plays.
// It gives only the orders a person can give (select a unit and send it to
// a cell, read a page of the spellbook and click where it lands, end the
// turn) and leaves every consequence to the game's own rules, one order per
// tick of TmrEnemy, so the walk, the blows and the spells run on their own
// timers exactly as for a person.

// The strong player plays the side whose turn it is.
bool StrongPlays(const Game& g);

// TmrEnemy's tick on such a side: gives the next order, or ends the turn.
void StrongComputerTick(Game& g);

// The order it would give now.
struct StrongOrder {
    enum Kind { EndTurn, Walk, Cast, Summon } kind = EndTurn;
    int unit = 0;       // Walk: the unit sent
    int pointAt = 0;    // Walk: the unit under the pointer as the order is given
    int slot = -1;      // Cast, Summon: the spellbook page read
    float x = 0, y = 0; // the cell clicked (its corner, twips)
    double value = 0;   // what it expects to gain by it
};
StrongOrder ChooseStrongOrder(const Game& g);

// The parts of the choice (StrongMagic.cpp, StrongOrders.cpp).
StrongOrder BestCast(const Game& g, const StrongBoard& b);
StrongOrder BestSummon(const Game& g, const StrongBoard& b);
StrongOrder BestWalk(const Game& g, const StrongBoard& b);

// Orders a record may have in one turn: enough to strike, be hastened and
// strike again, never so many that a turn could go round in circles.
inline constexpr int kOrdersPerUnit = 3;
inline constexpr int kCastsPerTurn = 30;

} // namespace gh
