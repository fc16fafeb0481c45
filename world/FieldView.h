#pragma once

namespace gh {

struct Game;

// The few drawing calls the rules make while they play: a walk, a blow, an
// effect, a placement or the start of a match repaints the field as it
// goes, and the idle timer's tick animates it. The battlefield implements
// them (battlefield/Drawing.cpp); the rules see only these declarations and
// never how the field is painted.

// Paints every unit on the field onto g.canvas and places ShpSel.
void DrawUnits(Game& g);

// Tmr's tick: one step of the idle animation, then DrawUnits.
void AnimateIdle(Game& g);

} // namespace gh
