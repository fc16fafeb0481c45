#pragma once

#include <vector>

#include "battlefield/Orders.h"
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

// The keyboard's cell cursor: a cell of the field, in columns and rows from
// the field's corner. It belongs to this seat's view, as the pointer does.
struct FieldCursor {
    int col = 0, row = 0;
    bool shown = false;
};

// The farthest column and row the cursor may reach: the planned field, or
// further where anything stands beyond it.
int CursorLimit(const Game& g);

// Puts the cursor on the unit's cell (the top left one of a large unit).
void CursorToUnit(const Game& g, FieldCursor& c, int unit);

// An arrow key: one cell that way, within the field. A cursor not yet shown
// appears first, on the selected unit or else the active hero, without
// moving. True when the cursor changed.
bool MoveCursor(const Game& g, FieldCursor& c, int dcol, int drow);

// The cursor's cell's middle in window twips, as the rules read the pointer.
struct WindowPoint {
    float x = 0, y = 0;
};
WindowPoint CursorPoint(const Game& g, const FieldCursor& c);

// The cursor has come to its cell: it names what stands there as Target,
// as the pointer resting there does.
void RestCursor(Game& g, const FieldCursor& c);

// Space: the left button at the cursor. Selects one's own unit there, sends
// the selected one there otherwise (a walk or an exchange), or places the
// summon or aims the spell waiting for a cell.
void ClickAtCursor(Game& g, const FieldCursor& c);

// Shift+Space: only selects one's own unit at the cursor, never orders.
// Returns the unit, or 0.
int SelectAtCursor(Game& g, const FieldCursor& c);

// The menu key: the right button at the cursor. Calls off a waiting summon
// or spell, or asks for the information windows of what stands there.
std::vector<InfoRequest> InspectAtCursor(Game& g, const FieldCursor& c);

// The scroll bar values that bring the cursor's cell wholly into the
// visible part, moving the view as little as it takes.
ViewValues ViewFollowingCursor(const Game& g, const FieldCursor& c, const ViewArea& view);

} // namespace gh
