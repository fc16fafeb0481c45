#include "ai/StrongPlayer.h"

#include "ai/StrongBoard.h"
#include "engine/Movement.h"
#include "engine/Placement.h"
#include "engine/TurnCycle.h"
#include "magic/Casting.h"
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

// The list line of a spellbook page, as the casting dialog lists it.
int LineOfSlot(const Game& g, int slot)
{
    for (int line = 0; line < kSpellSlots; ++line)
        if (SlotOfLine(g, line) == slot)
            return line;
    return -1;
}

// "Магия", a pick of the page, "Прочитать", then the click on the field.
void ReadAndClick(Game& g, const StrongOrder& order)
{
    g.Strong.Casts += 1; // counted whatever comes of it: a turn must not go round in circles
    const int line = LineOfSlot(g, order.slot);
    if (line < 0)
        return;
    PickEntry(g, line);
    if (ReadEntry(g, g.ActiveHero) != ReadOutcome::Aiming)
        return;
    // The cell frame follows the pointer to the cell about to be clicked, and
    // the selection frame the click puts up stands over the caster, where a
    // person watching expects them: on a computer's turn the field leaves
    // both where they last were.
    g.ShpAt.Left = order.x - g.ViewX - 120;
    g.ShpAt.Top = order.y - g.ViewY - 120;
    const Unit& hero = g.U(g.ActiveHero);
    g.ShpSel.Left = hero.PosX - g.ViewX - 120;
    g.ShpSel.Top = hero.PosY - g.ViewY - 120;
    g.TargetCellX = order.x;
    g.TargetCellY = order.y;
    if (g.InputMode == kModeSummon) {
        PlaceSummon(g, UnrulySummon::DoNotCall);
        // A placement still pending is given up, as a right click would.
        if (g.InputMode == kModeSummon)
            g.InputMode = kModeOrders;
    } else {
        AimSpell(g);
    }
}

// A left click on the unit selects it; the pointer rests on the target while
// the order is clicked, which names what stands there (the walk's reach
// test looks at it), and the click on the cell sends the unit.
void SendUnit(Game& g, const StrongOrder& order)
{
    g.Selected = order.unit;
    IsCellFree(g, order.x, order.y);
    g.TargetCellX = order.x;
    g.TargetCellY = order.y;
    g.Strong.Orders[static_cast<std::size_t>(order.unit)] += 1;
    PlanPath(g);
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

} // namespace

bool StrongPlays(const Game& g)
{
    const int side = g.ActiveHero;
    if (!g.MatchRunning || side < 1 || side > kHeroes)
        return false;
    const auto s = static_cast<std::size_t>(side);
    return !g.HeroIsHuman[s] && g.StrongComputer[s];
}

StrongOrder ChooseStrongOrder(const Game& g)
{
    const StrongBoard b(g);
    StrongOrder best; // ending the turn is worth nothing, and costs nothing
    if (g.Strong.Casts < kCastsPerTurn && FieldAtRest(g)) {
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
    switch (order.kind) {
    case StrongOrder::EndTurn: PassTurn(g, 1); return;
    case StrongOrder::Walk: SendUnit(g, order); break;
    case StrongOrder::Cast:
    case StrongOrder::Summon: ReadAndClick(g, order); break;
    }
    GoOnIfIdle(g);
}

} // namespace gh
