#pragma once

#include "world/Game.h"

namespace gh {

// What the battlefield's keys do to the match. Keys that give orders act,
// like the toolbar, only while the person whose turn it is has the field at
// rest; keys that only look (centring the view) work whenever a match runs.

// The visible part of the field in window twips: right of `left`, below
// `top` (the toolbar), left of `right` and above `bottom` (the scroll bars).
struct ViewArea {
    float left = 0, top = 0, right = 0, bottom = 0;
};

// The own unit after (forward) or before `from`, round the records, that
// can still act this turn: alive, on the field, with action points left.
// 0 when there is none. The active hero counts as its own side's.
int NextReadyUnit(const Game& g, int from, bool forward);

// Tab and Shift+Tab: selects that unit through the order door; returns it,
// or 0 when nothing was selected.
int SelectNextReady(Game& g, bool forward);

// Esc: calls off a pending summon or spell as a right click does, or else
// lets go of the selected unit. True when either happened.
bool CancelByKey(Game& g);

// Whether the unit's cell lies wholly in the visible part of the field.
bool UnitInView(const Game& g, int unit, const ViewArea& view);

// The scroll bar values that bring the unit's cell to the middle of the
// visible part, within the bars' range. {HorBar, VertBar}.
struct ViewValues {
    int x = 0, y = 0;
};
ViewValues ViewCentredOn(const Game& g, int unit, const ViewArea& view);

} // namespace gh
