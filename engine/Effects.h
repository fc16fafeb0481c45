#pragma once

#include "world/Game.h"

namespace gh {

// Starts a spell picture loop (firstImage > 0) or a rising result label
// (firstImage 0) at field point (x, y).
void StartEffect(Game& g, float x, float y, int firstImage, int ticks);

// Tmr2's tick.
void EffectTick(Game& g);

} // namespace gh
