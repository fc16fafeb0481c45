#pragma once

#include "world/Game.h"

namespace gh {

// Carries out CurrentSpell on the unit at (TargetCellX, TargetCellY) once the
// spell's pictures have played.
void ApplySpell(Game& g);

} // namespace gh
