#pragma once

#include "world/Game.h"

namespace gh {

// Plans a path for Selected to (TargetCellX, TargetCellY) and starts the walk.
void PlanPath(Game& g);

// Tmr1's tick: one step of the walk.
void WalkTick(Game& g);

} // namespace gh
