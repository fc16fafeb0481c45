#pragma once

#include "world/Game.h"

namespace gh {

// Plans a path for Selected to (TargetCellX, TargetCellY) and starts the walk.
void PlanPath(Game& g);

// Tmr1's tick: one step of the walk.
void WalkTick(Game& g);

// Whether the cell with corner (x, y), field twips, lies where paths are
// planned (columns and rows 1..20): only there can a unit walk, and only
// there can anything walk up to it.
bool InWalkArea(float x, float y);

} // namespace gh
