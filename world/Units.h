#pragma once

#include "world/Game.h"

namespace gh {

// Fills record `index` as a fresh unit of `type` commanded by hero `owner`.
// Leaves PosX, PosY and Name alone. A type outside 1..7 is refused and the
// record is left exactly as it was; returns whether the record was filled.
bool CreateUnit(Game& g, int index, int type, int owner);

// True when no record 1..UnitCount on the field stands at exactly (x, y);
// otherwise false, with Target set to the lowest such record.
bool IsCellFree(Game& g, float x, float y);

} // namespace gh
