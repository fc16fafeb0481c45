#include "engine/Placement.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/Effects.h"
#include "engine/Movement.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/FieldView.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr int kFirstSummonRecord = 6;
constexpr int kLastSummonRecord = 20;

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
        ShowBox(g, GH_TR("Placement", "Не получается"),
                GH_TR("Placement",
                      "Туда не дойдёт ни одно существо! Выберите место поближе или правый клик для отмены."));
        return;
    }
    if (hero.Leadership == hero.LeadershipMax) {
        if (unruly == UnrulySummon::DoNotCall)
            return;
        const std::string question = Fill(
            GH_TR("Placement", "%1 %2 может возглавить только %3 существ. Если призвать это существо, оно не "
                               "будет подчиняться! Так вызвать или нет?"),
            {UnitTypeName(hero.UnitType), hero.Name, std::to_string(hero.LeadershipMax)});
        if (unruly == UnrulySummon::AskThePlayer &&
            !AskYes(g, GH_TR("Placement", "Предупреждение"), question))
            return;
    }
    if (!IsCellFree(g, g.TargetCellX, g.TargetCellY)) {
        ShowBox(g, GH_TR("Placement", "Не получается"),
                GH_TR("Placement", "Это место уже занято! Выберите другое или правый клик для отмены."));
        return;
    }
    g.Selected = h;
    g.ShpSel.Visible = true;
    DrawUnits(g);

    MatchEvent failed;
    failed.kind = EventKind::SummonFailed;
    failed.who = h;
    failed.amount = g.U(0).UnitType;

    const int record = FreeSummonRecord(g);
    if (record == 0) {
        ShowBox(g, GH_TR("Placement", "Не получается"),
                Fill(GH_TR("Placement", "Не удалось призвать %1! Слишком много живности развелось..."),
                     {UnitTypeName(g.U(0).UnitType)}));
        g.InputMode = kModeOrders;
        failed.outcome = Outcome::NoRoom;
        Report(g, failed);
        return;
    }

    g.InputMode = kModeOrders;
    hero.Mana -= g.CastMana;

    if (!SummonLands(hero, g.CastChance, g.rnd->Rnd() * 100.0f)) {
        ShowBox(g, GH_TR("Placement", "Заклинание провалено"),
                Fill(GH_TR("Placement",
                           "Заклинание провалено! %1 призвать не удалось, и мана протрачена впустую!"),
                     {UnitTypeName(g.U(0).UnitType)}));
        if (ValidSlot(g))
            g.Spellbook[h][g.ChosenSlot] = 0;
        failed.outcome = Outcome::Missed;
        Report(g, failed);
        return;
    }

    const int type = ValidSlot(g) ? std::abs(static_cast<int>(g.Spellbook[h][g.ChosenSlot])) : 0;
    if (!CreateUnit(g, record, type, h))
        return; // the casting dialog only offers creatures; nothing to place
    Unit& born = g.U(record);
    born.PosX = g.TargetCellX;
    born.PosY = g.TargetCellY;
    g.Spellbook[h][g.ChosenSlot] = 0;
    MatchEvent called;
    called.kind = EventKind::Summoned;
    called.who = h;
    called.whom = record;
    if (hero.Leadership == hero.LeadershipMax) {
        born.Owner = 0; // more than the hero can lead: it obeys nobody
        called.outcome = Outcome::Unruly;
    } else {
        hero.Leadership += 1;
    }
    if (record > g.UnitCount)
        g.UnitCount = record;
    Report(g, called);
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
    MatchEvent cast;
    cast.kind = EventKind::SpellCast;
    cast.who = h;
    cast.spell = g.CurrentSpell.SpellNo;
    Report(g, cast);
    // InputMode stays 2: the spell lands when its pictures have played.
    StartEffect(g, g.TargetCellX - 120, g.TargetCellY - 120, g.CurrentSpell.AnimFirstFrame,
                g.CurrentSpell.AnimCycles);
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
