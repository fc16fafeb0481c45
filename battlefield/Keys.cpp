#include "battlefield/Keys.h"

#include <algorithm>
#include <cmath>

#include "engine/Order.h"
#include "platform/Numbers.h"
#include "world/FieldView.h"

namespace gh {

namespace {

bool PersonsTurn(const Game& g)
{
    return g.MatchRunning && g.ActiveHero >= 1 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

bool Ready(const Game& g, int i)
{
    const Unit& u = g.U(i);
    const bool own = u.Owner == g.ActiveHero || i == g.ActiveHero;
    return own && u.OnField && u.Hp >= 1 && u.Kind != kKindRemains && u.Actions > 0;
}

int Clamp(const ScrollBarControl& bar, double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), bar.Min, bar.Max);
}

int CellOf(float twips)
{
    return static_cast<int>(std::floor(static_cast<double>(twips) / kCell));
}

// The view offset along one axis that shows [lo, hi) whole within
// [near, far) of the window, moving as little as it takes.
double Follow(double offset, double lo, double hi, double nearEdge, double farEdge)
{
    if (lo - offset < nearEdge)
        return lo - nearEdge;
    if (hi - offset > farEdge)
        return hi - farEdge;
    return offset;
}

// Whether one of the person's own units stands on the cursor's cell.
bool OwnUnitAt(const Game& g, const FieldCursor& c)
{
    const WindowPoint p = CursorPoint(g, c);
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        if (u.OnField && (u.Owner == g.ActiveHero || i == g.ActiveHero) && HitTest(g, i, p.x, p.y))
            return true;
    }
    return false;
}

} // namespace

int NextReadyUnit(const Game& g, int from, bool forward)
{
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    if (last < 1)
        return 0;
    int i = std::clamp(from, 0, last);
    for (int step = 0; step < last; ++step) {
        i = forward ? i % last + 1 : (i <= 1 ? last : i - 1);
        if (Ready(g, i))
            return i;
    }
    return 0;
}

int SelectNextReady(Game& g, bool forward)
{
    if (!PersonsTurn(g) || !FieldTakesOrders(g))
        return 0;
    const int next = NextReadyUnit(g, g.Selected, forward);
    if (next == 0)
        return 0;
    const Unit& u = g.U(next);
    if (GiveOrder(g, {OrderKind::Select, next, u.PosX, u.PosY}) != Refusal::None)
        return 0;
    DrawUnits(g); // the selection frame moves at once, whatever the idle pace
    return next;
}

bool CancelByKey(Game& g)
{
    if (!PersonsTurn(g))
        return false;
    if (GiveOrder(g, {OrderKind::Cancel}) == Refusal::None)
        return true;
    if (!FieldTakesOrders(g) || g.Selected == 0)
        return false;
    g.Selected = 0;
    DrawUnits(g);
    return true;
}

bool UnitInView(const Game& g, int unit, const ViewArea& view)
{
    if (!Game::ValidUnit(unit))
        return false;
    const Unit& u = g.U(unit);
    const float x = u.PosX - g.ViewX, y = u.PosY - g.ViewY;
    return x >= view.left && y >= view.top && x + kCell <= view.right && y + kCell <= view.bottom;
}

ViewValues ViewCentredOn(const Game& g, int unit, const ViewArea& view)
{
    if (!Game::ValidUnit(unit))
        return {g.HorBar.Value, g.VertBar.Value};
    const Unit& u = g.U(unit);
    const double cx = (static_cast<double>(view.left) + view.right) / 2.0;
    const double cy = (static_cast<double>(view.top) + view.bottom) / 2.0;
    return {Clamp(g.HorBar, u.PosX + kCell / 2.0 - cx), Clamp(g.VertBar, u.PosY + kCell / 2.0 - cy)};
}

int CursorLimit(const Game& g)
{
    int limit = kPlannedCells - 1;
    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        if (u.OnField)
            limit = std::max({limit, CellOf(u.PosX) + u.CellsWide - 1, CellOf(u.PosY) + u.CellsHigh - 1});
    }
    return limit;
}

void CursorToUnit(const Game& g, FieldCursor& c, int unit)
{
    if (!Game::ValidUnit(unit) || !g.U(unit).OnField)
        return;
    const int limit = CursorLimit(g);
    c.col = std::clamp(CellOf(g.U(unit).PosX), 0, limit);
    c.row = std::clamp(CellOf(g.U(unit).PosY), 0, limit);
    c.shown = true;
}

bool MoveCursor(const Game& g, FieldCursor& c, int dcol, int drow)
{
    if (!g.MatchRunning)
        return false;
    const int limit = CursorLimit(g);
    if (!c.shown) {
        const int at = Game::ValidUnit(g.Selected) && g.U(g.Selected).OnField ? g.Selected : g.ActiveHero;
        CursorToUnit(g, c, at);
        c.shown = true;
        c.col = std::clamp(c.col, 0, limit);
        c.row = std::clamp(c.row, 0, limit);
        return true;
    }
    const int col = std::clamp(c.col + dcol, 0, limit);
    const int row = std::clamp(c.row + drow, 0, limit);
    if (col == c.col && row == c.row)
        return false;
    c.col = col;
    c.row = row;
    return true;
}

WindowPoint CursorPoint(const Game& g, const FieldCursor& c)
{
    return {static_cast<float>(c.col) * kCell + kCell / 2.0f - g.ViewX,
            static_cast<float>(c.row) * kCell + kCell / 2.0f - g.ViewY};
}

void RestCursor(Game& g, const FieldCursor& c)
{
    if (c.shown)
        PointerRestsOn(g, static_cast<float>(c.col) * kCell, static_cast<float>(c.row) * kCell);
}

void ClickAtCursor(Game& g, const FieldCursor& c)
{
    if (!c.shown)
        return;
    // The pointer always rests on a cell before it clicks there; the cursor
    // does the same, so the order finds Target as a click would.
    RestCursor(g, c);
    const WindowPoint p = CursorPoint(g, c);
    FieldMouseDown(g, kLeftButton, p.x, p.y);
}

int SelectAtCursor(Game& g, const FieldCursor& c)
{
    if (!c.shown || g.InputMode != kModeOrders || !OwnUnitAt(g, c))
        return 0;
    ClickAtCursor(g, c);
    return g.Selected != 0 && OwnUnitAt(g, c) &&
                   HitTest(g, g.Selected, CursorPoint(g, c).x, CursorPoint(g, c).y)
               ? g.Selected
               : 0;
}

std::vector<InfoRequest> InspectAtCursor(Game& g, const FieldCursor& c)
{
    if (!c.shown)
        return {};
    RestCursor(g, c);
    const WindowPoint p = CursorPoint(g, c);
    return FieldMouseDown(g, kRightButton, p.x, p.y);
}

ViewValues ViewFollowingCursor(const Game& g, const FieldCursor& c, const ViewArea& view)
{
    const double x = static_cast<double>(c.col) * kCell, y = static_cast<double>(c.row) * kCell;
    return {Clamp(g.HorBar, Follow(g.ViewX, x, x + kCell, view.left, view.right)),
            Clamp(g.VertBar, Follow(g.ViewY, y, y + kCell, view.top, view.bottom))};
}

} // namespace gh
