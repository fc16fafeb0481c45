#include "battlefield/Orders.h"

#include "engine/Movement.h"
#include "engine/Order.h"
#include "engine/Placement.h"
#include "platform/Numbers.h"
#include "world/Units.h"

namespace gh {

namespace {

int LastUnit(const Game& g)
{
    return g.UnitCount < kMaxUnit ? g.UnitCount : kMaxUnit;
}

bool HumanSide(const Game& g)
{
    return g.ActiveHero >= 0 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

// Corner of the cell under a window coordinate, in field twips.
float CellCorner(float view, float m)
{
    return static_cast<float>(Int(static_cast<double>(view + m) / kCell)) * kCell;
}

bool Occupied(const Game& g, float x, float y)
{
    for (int i = 1; i <= LastUnit(g); ++i) {
        const Unit& u = g.U(i);
        if (u.PosX == x && u.PosY == y && u.OnField)
            return true;
    }
    return false;
}

std::vector<InfoRequest> RightClick(Game& g, float mx, float my)
{
    std::vector<InfoRequest> open;
    if (GiveOrder(g, {OrderKind::Cancel}) == Refusal::None)
        return open;
    if (g.InputMode != kModeOrders)
        return open;
    // Every unit under the pointer gets its window, lower records first. The
    // windows read Selected as they open, so it points at each in turn.
    for (int i = 1; i <= LastUnit(g); ++i) {
        const Unit& u = g.U(i);
        if (!HitTest(g, i, mx, my) || !u.OnField)
            continue;
        const int remembered = g.Selected;
        g.Selected = i;
        const bool own = (u.Kind == kKindCreature && u.Owner == g.ActiveHero) ||
                         (i == g.ActiveHero && u.Kind != kKindRemains);
        open.push_back({i, own ? InfoWindow::Creature : InfoWindow::Object});
        g.Selected = remembered;
    }
    return open;
}

// The order a left click in orders mode gives at cell (x, y): only the
// player's own units are selected; a click anywhere else sends the one
// already selected there, into an exchange when an enemy stands on it.
Order OrderOfClick(const Game& g, float mx, float my, float x, float y)
{
    Order o;
    o.x = x;
    o.y = y;
    for (int i = 1; i <= LastUnit(g); ++i) {
        const Unit& u = g.U(i);
        if (HitTest(g, i, mx, my) && (u.Owner == g.ActiveHero || i == g.ActiveHero)) {
            o.kind = OrderKind::Select;
            o.who = i;
            return o;
        }
    }
    o.kind = OrderKind::Walk;
    o.who = g.Selected;
    o.kind = CheckOrder(g, {OrderKind::Exchange, o.who, x, y}) == Refusal::None ? OrderKind::Exchange
                                                                                : OrderKind::Walk;
    return o;
}

} // namespace

bool HitTest(const Game& g, int i, float mx, float my)
{
    if (!Game::ValidUnit(i))
        return false;
    const Unit& u = g.U(i);
    // Strictly inside: the border lines of the footprint belong to no unit.
    const double left = static_cast<double>(u.PosX) - g.ViewX;
    const double top = static_cast<double>(u.PosY) - g.ViewY;
    return left < mx && mx < left + static_cast<double>(kCell) * u.CellsWide && top < my &&
           my < top + static_cast<double>(kCell) * u.CellsHigh;
}

std::vector<InfoRequest> FieldMouseDown(Game& g, int button, float mx, float my)
{
    if (!HumanSide(g) || !g.MatchRunning)
        return {};
    // While a spell's pictures play the cast is already paid for; another
    // click would pay again or lose the spell, so the field waits.
    const bool spellUnderWay = g.InputMode == kModeSpell && g.timers.Enabled(TimerId::Tmr2);
    if (spellUnderWay)
        return {};

    if (button == kRightButton)
        return RightClick(g, mx, my);
    if (button != kLeftButton)
        return {};

    // A walk and a result label read the target cell on every tick; clicks
    // during them are shut out so they cannot steer the unit mid-way. A blow
    // runs with InputMode 0 and Selected on the striker, which may be the
    // other side's unit: an order then would send it walking mid-blow. A
    // summoned creature's pictures still play after the placement ends; an
    // order then would walk a unit beside the animation.
    if (g.InputMode == kModeResult || g.InputMode == kModeWalk || g.timers.Enabled(TimerId::Tmr3) ||
        (g.InputMode == kModeOrders && g.timers.Enabled(TimerId::Tmr2)))
        return {};

    const float x = CellCorner(g.ViewX, mx);
    const float y = CellCorner(g.ViewY, my);
    // The click names its cell whatever comes of it, as the pointer's cell
    // has always been the target cell; the order then goes through the door.
    g.TargetCellX = x;
    g.TargetCellY = y;
    Order o;
    switch (g.InputMode) {
    case kModeOrders: o = OrderOfClick(g, mx, my, x, y); break;
    case kModeSummon: o = {OrderKind::Summon, g.ActiveHero, x, y}; break;
    case kModeSpell: o = {OrderKind::Cast, g.ActiveHero, x, y}; break;
    default: return {};
    }
    GiveOrder(g, o);
    return {};
}

bool PointerRestsOn(Game& g, float x, float y)
{
    if (!g.MatchRunning || !HumanSide(g) || g.InputMode == kModeResult)
        return false;
    // Hovering over a unit names it as Target, which the first tick of a walk
    // uses to reach it from afar. During a walk Target must stay the walk's,
    // and during a blow it is the unit being struck: the pointer must not
    // move the damage onto whatever stands under it.
    if (g.InputMode == kModeWalk || g.timers.Enabled(TimerId::Tmr3))
        return Occupied(g, x, y);
    return !IsCellFree(g, x, y);
}

void FieldMouseMove(Game& g, float mx, float my)
{
    if (!g.MatchRunning)
        return;
    g.ShpAt.Visible = false;
    if (!HumanSide(g) || g.InputMode == kModeResult)
        return;
    const float cx = CellCorner(g.ViewX, mx) - g.ViewX;
    const float cy = CellCorner(g.ViewY, my) - g.ViewY;
    g.ShpAt.Top = cy - 120;
    g.ShpAt.Left = cx - 120;
    const bool unitThere = PointerRestsOn(g, g.ViewX + cx, g.ViewY + cy);
    if (unitThere || g.InputMode == kModeOrders || g.InputMode == kModeSummon)
        g.ShpAt.Visible = true;
}

} // namespace gh
