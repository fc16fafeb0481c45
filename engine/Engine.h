#pragma once

#include "world/Game.h"

namespace gh {

// Connects the six battlefield timers of g to the rules they drive:
// Tmr idle animation, Tmr1 walk, Tmr2 effects, Tmr3 blows, Tmr4 the
// experience label, TmrEnemy the computer player.
void BindTimers(Game& g);

} // namespace gh
