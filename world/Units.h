#pragma once

#include "world/Game.h"

namespace gh {

// Fills record `index` as a fresh unit of `type` commanded by hero `owner`.
// Leaves PosX, PosY and Name alone. A type outside 1..7 is refused and the
// record is left exactly as it was; returns whether the record was filled.
bool CreateUnit(Game& g, int index, int type, int owner);

// The part of CreateUnit that draws nothing: the type's statistics, full life,
// mana and points, and its worth. What a creature about to be called would be.
bool FillUnitStatistics(Unit& u, int type);

// The lowest record 1..UnitCount on the field standing at exactly (x, y), 0
// when there is none. Record `moved`, when given, is taken to stand where
// `as` stands: a walk that is only being foreseen has not moved it yet.
int OccupantAt(const Game& g, float x, float y, int moved = 0, const Unit* as = nullptr);

// True when no record 1..UnitCount on the field stands at exactly (x, y);
// otherwise false, with Target set to the lowest such record.
bool IsCellFree(Game& g, float x, float y);

} // namespace gh
