#include "engine/Order.h"

#include "engine/Movement.h"
#include "engine/Placement.h"
#include "engine/TurnCycle.h"
#include "magic/Casting.h"
#include "magic/SpellCatalogue.h"
#include "platform/Texts.h"
#include "world/Units.h"

namespace gh {

namespace {

bool IsHero(int h)
{
    return h >= 1 && h <= kHeroes;
}

bool OwnUnit(const Game& g, int who)
{
    return g.U(who).Owner == g.ActiveHero || who == g.ActiveHero;
}

// What shuts the board out for a click: a walk or a result label reads the
// target cell on every tick, a blow has Selected on the striker, and a
// summoned creature's pictures still play after its placement.
bool BoardBusy(const Game& g)
{
    return g.InputMode == kModeResult || g.InputMode == kModeWalk || g.timers.Enabled(TimerId::Tmr3) ||
           (g.InputMode == kModeOrders && g.timers.Enabled(TimerId::Tmr2));
}

// Select, walk and exchange: orders for a unit on the board.
Refusal CheckBoardOrder(const Game& g, const Order& o)
{
    if (BoardBusy(g) || g.InputMode != kModeOrders)
        return Refusal::Busy;
    if (o.who < 1 || o.who > kMaxUnit)
        return Refusal::NoSuchUnit;
    if (!OwnUnit(g, o.who))
        return Refusal::NotTheirTurn;
    if (o.kind == OrderKind::Select)
        return Refusal::None;
    if (g.U(o.who).Kind == kKindRemains)
        return Refusal::NoSuchUnit;
    if (o.kind == OrderKind::Exchange) {
        const int there = OccupantAt(g, o.x, o.y);
        if (there == 0 || there == o.who || OwnUnit(g, there) || g.U(there).Kind == kKindRemains)
            return Refusal::NoEnemyThere;
    }
    return Refusal::None;
}

// What the page costs to read: the spell's own figures, or a creature's by
// its worth. The page picked in the dialog has them loaded already.
void PageCost(const Game& g, int slot, std::int32_t& reason, std::int32_t& mana)
{
    if (slot == g.ChosenSlot) {
        reason = g.CurrentSpell.ReasonNeeded;
        mana = g.CastMana;
        return;
    }
    const int v = g.Spellbook[g.ActiveHero][slot];
    if (v < 0) {
        const SpellRecord s = SpellOf(-v);
        reason = s.ReasonNeeded;
        mana = s.ManaCost;
        return;
    }
    Unit creature;
    FillUnitStatistics(creature, v);
    const SummonCost cost = SummonCostOf(creature.ExpNext);
    reason = cost.reason;
    mana = cost.mana;
}

// The dialog's list picks a page whenever it is open, while units move too.
Refusal CheckPick(const Game& g, const Order& o)
{
    if (o.who != g.ActiveHero || !IsHero(o.who) || g.U(o.who).Hp < 1)
        return Refusal::NotTheirTurn;
    if (o.slot < 0 || o.slot >= kSpellSlots || g.Spellbook[o.who][o.slot] == 0)
        return Refusal::NoPage;
    return Refusal::None;
}

Refusal CheckRead(const Game& g, const Order& o)
{
    if (o.who != g.ActiveHero || !IsHero(o.who) || g.U(o.who).Hp < 1)
        return Refusal::NotTheirTurn;
    if (!FieldAtRest(g))
        return Refusal::Busy;
    if (o.slot < 0 || o.slot >= kSpellSlots)
        return Refusal::NoPage;
    const bool empty = g.Spellbook[o.who][o.slot] == 0;
    if (empty && o.slot != g.ChosenSlot)
        return Refusal::NoPage;
    // The page picked in the dialog is weighed first and found empty after,
    // as the reading itself does.
    std::int32_t reason = 0, mana = 0;
    PageCost(g, o.slot, reason, mana);
    switch (CheckRead(g.U(o.who), reason, mana)) {
    case ReadCheck::ShortOfReason: return Refusal::ShortOfReason;
    case ReadCheck::ShortOfMana: return Refusal::ShortOfMana;
    case ReadCheck::Ok: break;
    }
    return empty ? Refusal::NoPage : Refusal::None;
}

Refusal CheckPlacement(const Game& g, const Order& o)
{
    const bool awaited = o.kind == OrderKind::Summon
                             ? g.InputMode == kModeSummon
                             : g.InputMode == kModeSpell && !g.timers.Enabled(TimerId::Tmr2);
    if (!awaited)
        return Refusal::NotAwaited;
    if (g.timers.Enabled(TimerId::Tmr3))
        return Refusal::Busy;
    if (o.who != g.ActiveHero || !IsHero(o.who))
        return Refusal::NotTheirTurn;
    if (o.kind == OrderKind::Summon) {
        if (!InWalkArea(o.x, o.y))
            return Refusal::OutsideField;
        if (OccupantAt(g, o.x, o.y) != 0)
            return Refusal::CellTaken;
    }
    return Refusal::None;
}

// The list line of a spellbook page, as the casting dialog lists it.
int LineOfSlot(const Game& g, int slot)
{
    for (int line = 0; line < kSpellSlots; ++line)
        if (SlotOfLine(g, line) == slot)
            return line;
    return -1;
}

// The strong player's hand over the field as it clicks a placement: the cell
// frame on the cell, the selection frame over the caster, where a person
// watching expects them (on a computer's turn nothing else moves them).
void ShowStrongHand(Game& g, const Order& o)
{
    g.ShpAt.Left = o.x - g.ViewX - 120;
    g.ShpAt.Top = o.y - g.ViewY - 120;
    const Unit& hero = g.U(g.ActiveHero);
    g.ShpSel.Left = hero.PosX - g.ViewX - 120;
    g.ShpSel.Top = hero.PosY - g.ViewY - 120;
}

} // namespace

Refusal CheckOrder(const Game& g, const Order& o)
{
    if (!g.MatchRunning)
        return Refusal::NoMatch;
    switch (o.kind) {
    case OrderKind::Select:
    case OrderKind::Walk:
    case OrderKind::Exchange: return CheckBoardOrder(g, o);
    case OrderKind::ReadPage: return CheckRead(g, o);
    case OrderKind::PickPage: return CheckPick(g, o);
    case OrderKind::Summon:
    case OrderKind::Cast: return CheckPlacement(g, o);
    case OrderKind::Cancel:
        return g.InputMode == kModeSummon || (g.InputMode == kModeSpell && !g.timers.Enabled(TimerId::Tmr2))
                   ? Refusal::None
                   : Refusal::NotAwaited;
    case OrderKind::EndTurn: return FieldAtRest(g) ? Refusal::None : Refusal::Busy;
    case OrderKind::Concede:
        if (o.who != g.ActiveHero || !IsHero(o.who))
            return Refusal::NotTheirTurn;
        return FieldAtRest(g) ? Refusal::None : Refusal::Busy;
    }
    return Refusal::NoSuchUnit;
}

bool RefusalIsTold(Refusal why)
{
    switch (why) {
    case Refusal::OutsideField:
    case Refusal::CellTaken:
    case Refusal::ShortOfReason:
    case Refusal::ShortOfMana: return true;
    default: return false;
    }
}

namespace {

Refusal GiveOrderNow(Game& g, const Order& o)
{
    if (o.kind == OrderKind::ReadPage && g.MatchRunning &&
        (o.hand == Hand::Strong || o.slot != g.ChosenSlot)) {
        // A page not picked yet is picked as the dialog's list would on a
        // click, whatever comes of the reading (the strong player always
        // opens the book at its page).
        const int line = LineOfSlot(g, o.slot);
        if (line < 0)
            return Refusal::NoPage;
        PickEntry(g, line);
    }
    const Refusal why = CheckOrder(g, o);
    if (why != Refusal::None && !RefusalIsTold(why))
        return why;

    switch (o.kind) {
    case OrderKind::Select:
        g.TargetCellX = o.x;
        g.TargetCellY = o.y;
        g.Selected = g.U(o.who).Kind == kKindRemains ? 0 : o.who;
        break;
    case OrderKind::Walk:
    case OrderKind::Exchange:
        // The strong player's pointer rests on the cell as it clicks, which
        // names what stands there: the walk's reach test looks at it.
        if (o.hand == Hand::Strong)
            IsCellFree(g, o.x, o.y);
        g.Selected = o.who;
        g.TargetCellX = o.x;
        g.TargetCellY = o.y;
        PlanPath(g);
        break;
    case OrderKind::ReadPage: ReadEntry(g, o.who); break;
    case OrderKind::Summon:
        if (o.hand == Hand::Strong)
            ShowStrongHand(g, o);
        g.TargetCellX = o.x;
        g.TargetCellY = o.y;
        PlaceSummon(g, o.hand == Hand::Strong ? UnrulySummon::DoNotCall : UnrulySummon::AskThePlayer);
        // The strong player calls no creature it could not lead; the
        // placement it leaves pending is given up, as a right click would.
        if (o.hand == Hand::Strong && g.InputMode == kModeSummon)
            g.InputMode = kModeOrders;
        break;
    case OrderKind::Cast:
        if (o.hand == Hand::Strong)
            ShowStrongHand(g, o);
        g.TargetCellX = o.x;
        g.TargetCellY = o.y;
        AimSpell(g);
        break;
    case OrderKind::Cancel: CancelPendingPlacement(g); break;
    case OrderKind::EndTurn: PassTurn(g, 1); break;
    case OrderKind::Concede: Concede(g); break;
    case OrderKind::PickPage: PickEntry(g, LineOfSlot(g, o.slot)); break;
    }
    return why;
}

} // namespace

Refusal GiveOrder(Game& g, const Order& o)
{
    OrderWatcher* watcher = g.orders;
    if (!watcher)
        return GiveOrderNow(g, o);
    if (const std::optional<Refusal> diverted = watcher->Diverted(g, o))
        return *diverted;
    watcher->Giving(g, o);
    const Refusal why = GiveOrderNow(g, o);
    watcher->Given(g, o, why);
    return why;
}

std::string RefusalText(Refusal why)
{
    switch (why) {
    case Refusal::None: return "";
    case Refusal::NoMatch: return GH_TR("Order", "Игра не начата");
    case Refusal::Busy: return GH_TR("Order", "Подождите: на поле ещё идёт действие");
    case Refusal::NotTheirTurn: return GH_TR("Order", "Сейчас не ваш ход");
    case Refusal::NoSuchUnit: return GH_TR("Order", "Некому выполнить приказ");
    case Refusal::NotAwaited: return GH_TR("Order", "Ничего не ждёт места на поле");
    case Refusal::NoEnemyThere: return GH_TR("Order", "Там нет врага");
    case Refusal::NoPage: return GH_TR("Order", "Эта страница пуста");
    case Refusal::OutsideField: return GH_TR("Order", "Туда не дойдёт ни одно существо");
    case Refusal::CellTaken: return GH_TR("Order", "Это место уже занято");
    case Refusal::ShortOfReason: return GH_TR("Order", "Не хватает разума");
    case Refusal::ShortOfMana: return GH_TR("Order", "Не хватает маны");
    }
    return "";
}

bool FieldTakesOrders(const Game& g)
{
    return g.MatchRunning && !BoardBusy(g) && g.InputMode == kModeOrders;
}

} // namespace gh
