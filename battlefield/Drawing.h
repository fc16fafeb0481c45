#pragma once

#include "world/Game.h"

namespace gh {

// Paints every unit on the field onto g.canvas and places ShpSel.
void DrawUnits(Game& g);

// Tmr's tick: one step of the idle animation, then DrawUnits.
void AnimateIdle(Game& g);

// Scroll bar change: ViewX/ViewY take the bar's value, clear, redraw.
void HorBarChanged(Game& g, int value);
void VertBarChanged(Game& g, int value);

} // namespace gh
