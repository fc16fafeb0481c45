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

} // namespace gh
