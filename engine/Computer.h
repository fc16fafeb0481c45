#pragma once

#include "world/Game.h"

namespace gh {

// TmrEnemy's tick: plays the active side when the computer plays it.
void ComputerTick(Game& g);

} // namespace gh
