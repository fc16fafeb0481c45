#pragma once

#include "world/FieldView.h"
#include "world/Game.h"

namespace gh {

// DrawUnits and AnimateIdle, which the rules call too, are declared in
// world/FieldView.h.

// Scroll bar change: ViewX/ViewY take the bar's value, clear, redraw.
void HorBarChanged(Game& g, int value);
void VertBarChanged(Game& g, int value);

} // namespace gh
