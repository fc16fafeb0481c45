#include "ai/StrongPlayer.h"

#include "ai/Levels.h"
#include "ai/StrongBoard.h"
#include "engine/Order.h"
#include "engine/Placement.h"
#include "platform/Numbers.h"
#include "world/Units.h"

namespace gh {

namespace {

// Below these an order is not worth the page, the mana or the walk.
constexpr double kWorthCasting = 8;
constexpr double kWorthCalling = 10;
constexpr double kWorthWalking = 0.25;

bool Carried(const Game& g)
{
    for (TimerId t : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
        if (g.timers.Enabled(t))
            return true;
    return false;
}

// An order that ended within the tick (a failed roll, a walk that found no
// path) leaves nothing running: the player goes on at the next tick.
void GoOnIfIdle(Game& g)
{
    if (!Carried(g))
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

// "Магия", a pick of the page, "Прочитать", then the click on the field.
void ReadAndClick(Game& g, const StrongOrder& order)
{
    g.Strong.Casts += 1; // counted whatever comes of it: a turn must not go round in circles
    Order read;
    read.kind = OrderKind::ReadPage;
    read.who = g.ActiveHero;
    read.slot = order.slot;
    read.hand = Hand::Strong;
    if (GiveOrder(g, read) != Refusal::None)
        return;
    Order click;
    click.kind = g.InputMode == kModeSummon ? OrderKind::Summon : OrderKind::Cast;
    click.who = g.ActiveHero;
    click.x = order.x;
    click.y = order.y;
    click.hand = Hand::Strong;
    GiveOrder(g, click);
}

// A left click on the unit selects it and the click on the cell sends it;
// on an enemy's cell the walk ends in an exchange.
void SendUnit(Game& g, const StrongOrder& order)
{
    Order walk;
    const int there = OccupantAt(g, order.x, order.y);
    const bool enemy = there != 0 && there != order.unit && g.U(there).Owner != g.ActiveHero &&
                       there != g.ActiveHero && g.U(there).Kind != kKindRemains;
    walk.kind = enemy ? OrderKind::Exchange : OrderKind::Walk;
    walk.who = order.unit;
    walk.x = order.x;
    walk.y = order.y;
    walk.hand = Hand::Strong;
    g.Strong.Orders[static_cast<std::size_t>(order.unit)] += 1;
    GiveOrder(g, walk);
}

// The turn change sets AiCursor to 0 for a computer side: a fresh turn, even
// on the same day and side as the notes (a new match after a first-day win).
// The cursor then marks the turn as begun; should the game's own player take
// over mid-turn, it goes on from there.
void NoteTurn(Game& g)
{
    StrongTurnNotes& n = g.Strong;
    if (g.AiCursor != 0 && n.Day == g.Day && n.Side == g.ActiveHero)
        return;
    n = StrongTurnNotes{};
    n.Day = g.Day;
    n.Side = g.ActiveHero;
    g.AiCursor = 1;
}

// A careless order, as a person who has not thought it through gives one.
// Whether it is careless is drawn from the match's generator, and only at
// the levels that give such orders: at full strength nothing is drawn.
bool Careless(Game& g, const LevelStyle& style)
{
    return style.carelessPercent > 0 && g.rnd->Rnd() * 100.0f < static_cast<float>(style.carelessPercent);
}

// The unit is sent at a unit drawn at random, as the game's own player sends
// it, and gets no other order this turn.
void SendCarelessly(Game& g, int u)
{
    g.Strong.Orders[static_cast<std::size_t>(u)] = kOrdersPerUnit;
    const std::int32_t last = g.UnitCount < kMaxUnit ? g.UnitCount : kMaxUnit;
    const int t = CInt(Int(g.rnd->Rnd() * static_cast<float>(last)) + 1);
    if (t == u || !Game::ValidUnit(t) || g.U(t).Hp < 1)
        return;
    Order walk;
    walk.kind = OrderKind::Walk;
    walk.who = u;
    walk.x = g.U(t).PosX + 24;
    walk.y = g.U(t).PosY + 24;
    GiveOrder(g, walk);
}

} // namespace

bool StrongPlays(const Game& g)
{
    const int side = g.ActiveHero;
    if (!g.MatchRunning || side < 1 || side > kHeroes)
        return false;
    const auto s = static_cast<std::size_t>(side);
    return !g.HeroIsHuman[s] && g.ComputerLevel[s] > kGameLevel;
}

StrongOrder ChooseStrongOrder(const Game& g)
{
    const StrongBoard b(g);
    StrongOrder best; // ending the turn is worth nothing, and costs nothing
    if (g.Strong.Casts < b.style.castsPerTurn && FieldAtRest(g)) {
        const StrongOrder cast = BestCast(g, b);
        if (cast.value > kWorthCasting)
            best = cast;
        const StrongOrder call = BestSummon(g, b);
        if (call.value > kWorthCalling && call.value > best.value)
            best = call;
    }
    const StrongOrder walk = BestWalk(g, b);
    if (walk.value > kWorthWalking && walk.value > best.value)
        best = walk;
    return best;
}

void StrongComputerTick(Game& g)
{
    if (!StrongPlays(g))
        return;
    NoteTurn(g);
    const StrongOrder order = ChooseStrongOrder(g);
    g.timers.SetEnabled(TimerId::TmrEnemy, false);
    if (order.kind != StrongOrder::EndTurn &&
        Careless(g, StyleOf(g.ComputerLevel[static_cast<std::size_t>(g.ActiveHero)]))) {
        if (order.kind == StrongOrder::Walk)
            SendCarelessly(g, order.unit);
        else
            g.Strong.Casts = kCastsPerTurn; // the page stays unread, and so do the rest this turn
        GoOnIfIdle(g);
        return;
    }
    switch (order.kind) {
    case StrongOrder::EndTurn: GiveOrder(g, {OrderKind::EndTurn}); return;
    case StrongOrder::Walk: SendUnit(g, order); break;
    case StrongOrder::Cast:
    case StrongOrder::Summon: ReadAndClick(g, order); break;
    }
    GoOnIfIdle(g);
}

} // namespace gh
