#include "battlefield/Orders.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "battlefield/Drawing.h"
#include "engine/Effects.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "platform/Numbers.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kFirstSummonRecord = 6;
constexpr int kLastSummonRecord = 20;

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

void ShowBox(Game& g, const std::string& title, const std::string& text)
{
    g.shell->MessageBox({title, text, BoxButtons::Ok, BoxIcon::None, false});
}

bool AskYes(Game& g, const std::string& title, const std::string& text)
{
    return g.shell->MessageBox({title, text, BoxButtons::YesNo, BoxIcon::None, false}) == BoxAnswer::Yes;
}

bool ValidSlot(const Game& g)
{
    return g.ChosenSlot >= 0 && g.ChosenSlot < kSpellSlots;
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

void PlaceSummon(Game& g, UnrulySummon unruly)
{
    const int h = g.ActiveHero;
    if (h < 1 || h > kHeroes)
        return;
    Unit& hero = g.U(h);
    // Outside the planned area a creature could never take a step, and
    // nothing could ever reach it: it would stand there for good.
    if (!InWalkArea(g.TargetCellX, g.TargetCellY)) {
        ShowBox(g, "Не получается",
                "Туда не дойдёт ни одно существо! Выберите место поближе или правый клик для отмены.");
        return;
    }
    if (hero.Leadership == hero.LeadershipMax) {
        if (unruly == UnrulySummon::DoNotCall)
            return;
        const std::string question =
            UnitTypeName(hero.UnitType) + " " + hero.Name + " может возглавить только " +
            std::to_string(hero.LeadershipMax) +
            " существ. Если призвать это существо, оно не будет подчиняться! Так вызвать или нет?";
        if (unruly == UnrulySummon::AskThePlayer && !AskYes(g, "Предупреждение", question))
            return;
    }
    if (!IsCellFree(g, g.TargetCellX, g.TargetCellY)) {
        ShowBox(g, "Не получается", "Это место уже занято! Выберите другое или правый клик для отмены.");
        return;
    }
    g.Selected = h;
    g.ShpSel.Visible = true;
    DrawUnits(g);

    const int record = FreeSummonRecord(g);
    if (record == 0) {
        ShowBox(g, "Не получается",
                "Не удалось призвать " + UnitTypeName(g.U(0).UnitType) +
                    "! Слишком много живности развелось...");
        g.InputMode = kModeOrders;
        return;
    }

    g.InputMode = kModeOrders;
    hero.Mana -= g.CastMana;

    if (!SummonLands(hero, g.CastChance, g.rnd->Rnd() * 100.0f)) {
        ShowBox(g, "Заклинание провалено",
                "Заклинание провалено! " + UnitTypeName(g.U(0).UnitType) +
                    " призвать не удалось, и мана протрачена впустую!");
        if (ValidSlot(g))
            g.Spellbook[h][g.ChosenSlot] = 0;
        return;
    }

    const int type = ValidSlot(g) ? std::abs(static_cast<int>(g.Spellbook[h][g.ChosenSlot])) : 0;
    if (!CreateUnit(g, record, type, h))
        return; // the casting dialog only offers creatures; nothing to place
    Unit& born = g.U(record);
    born.PosX = g.TargetCellX;
    born.PosY = g.TargetCellY;
    g.Spellbook[h][g.ChosenSlot] = 0;
    if (hero.Leadership == hero.LeadershipMax)
        born.Owner = 0; // more than the hero can lead: it obeys nobody
    else
        hero.Leadership += 1;
    if (record > g.UnitCount)
        g.UnitCount = record;
    StartEffect(g, g.TargetCellX - 120, g.TargetCellY - 120, 1, 1);
    DrawUnits(g);
}

int FreeSummonRecord(const Game& g)
{
    for (int i = kFirstSummonRecord; i <= kLastSummonRecord; ++i)
        if (!g.U(i).OnField)
            return i;
    return 0;
}

bool SummonLands(const Unit& hero, std::int32_t castChance, float r)
{
    const float chance = static_cast<float>(Int(hero.Magic / 13.0) + castChance);
    return chance >= r;
}

double SummonLandChance(const Unit& hero, std::int32_t castChance)
{
    return std::clamp((Int(hero.Magic / 13.0) + castChance) / 100.0, 0.0, 1.0);
}

void AimSpell(Game& g)
{
    const int h = g.ActiveHero;
    if (h < 1 || h > kHeroes)
        return;
    g.Selected = h;
    g.ShpSel.Visible = true;
    DrawUnits(g);
    g.U(h).Mana -= g.CastMana;
    if (ValidSlot(g))
        g.Spellbook[h][g.ChosenSlot] = 0;
    // InputMode stays 2: the spell lands when its pictures have played.
    StartEffect(g, g.TargetCellX - 120, g.TargetCellY - 120, g.CurrentSpell.AnimFirstFrame,
                g.CurrentSpell.AnimCycles);
}

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
    // Hovering over a unit names it as Target, which the first tick of a walk
    // uses to reach it from afar. During a walk Target must stay the walk's,
    // and during a blow it is the unit being struck: the pointer must not
    // move the damage onto whatever stands under it.
    bool unitThere;
    if (g.InputMode == kModeWalk || g.timers.Enabled(TimerId::Tmr3))
        unitThere = Occupied(g, g.ViewX + cx, g.ViewY + cy);
    else
        unitThere = !IsCellFree(g, g.ViewX + cx, g.ViewY + cy);
    if (unitThere || g.InputMode == kModeOrders || g.InputMode == kModeSummon)
        g.ShpAt.Visible = true;
}

bool CancelPendingPlacement(Game& g)
{
    const bool pending =
        g.InputMode == kModeSummon || (g.InputMode == kModeSpell && !g.timers.Enabled(TimerId::Tmr2));
    if (pending)
        g.InputMode = kModeOrders;
    return pending;
}

bool FieldAtRest(const Game& g)
{
    if (g.InputMode != kModeOrders)
        return false;
    for (TimerId busy : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
        if (g.timers.Enabled(busy))
            return false;
    return true;
}

} // namespace gh
