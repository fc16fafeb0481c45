#pragma once

#include "world/Game.h"

namespace gh {

// Opens an exchange (ReturnBlowDue true) or strikes the return blow.
void StartBlow(Game& g);

// Tmr3's tick: the blow animation and, at its end, the damage.
void BlowTick(Game& g);

} // namespace gh
