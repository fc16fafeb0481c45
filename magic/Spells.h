#pragma once

#include "world/Game.h"

namespace gh {

// Carries out CurrentSpell on the unit at (TargetCellX, TargetCellY) once the
// spell's pictures have played, caster ActiveHero. Shows the outcome in
// LblUdar and starts it rising when there is one to show.
void ApplySpell(Game& g);

} // namespace gh
