#include "magic/Casting.h"

#include "engine/Placement.h"
#include "magic/SpellCatalogue.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/Units.h"
#include "world/Vocabulary.h"

namespace gh {

namespace {

bool IsHero(int h)
{
    return h >= 1 && h <= kHeroes;
}

std::int32_t MagicBonus(const Game& g)
{
    return Int(g.U(Game::ValidUnit(g.ActiveHero) ? g.ActiveHero : 0).Magic / 13.0);
}

std::string ChanceLine(const Game& g)
{
    return Fill(GH_TR("Casting", "Шанс успеха: %1% + %2%"),
                {std::to_string(g.CastChance), std::to_string(MagicBonus(g))});
}

std::string StatWord(int kind)
{
    switch (kind) {
    case 1: return GH_TR("Casting", "жизни");
    case 2: return GH_TR("Casting", "перемещений");
    case 3: return GH_TR("Casting", "маны");
    default: return "";
    }
}

void DescribeSpell(const Game& g, int n, CastEntry& entry)
{
    entry.info = SpellName(n) + SpellDescription(n);
    const SpellRecord& s = g.CurrentSpell;
    std::string& f = entry.figures;
    f = Fill(GH_TR("Casting", "Дальность: %1"), {std::to_string(s.Range)}) + kLineBreak;
    if (s.Effect != 0) {
        const std::string effect = std::string(s.Effect > 0 ? "+" : "") + std::to_string(s.Effect);
        f += Fill(s.IsPercent ? GH_TR("Casting", "Действие: %1% %2") : GH_TR("Casting", "Действие: %1 %2"),
                  {effect, StatWord(s.StatKind)}) +
             kLineBreak;
    }
    f += Fill(GH_TR("Casting", "Источник воздействия: %1"), {ElementName(s.Element)}) + kLineBreak;
    f += ChanceLine(g) + kLineBreak;
    f += Fill(GH_TR("Casting", "Требуется разума: %1"), {std::to_string(s.ReasonNeeded)}) + kLineBreak;
    f += Fill(GH_TR("Casting", "Уходит маны: %1"), {std::to_string(s.ManaCost)});
}

void DescribeCreature(const Game& g, int type, CastEntry& entry)
{
    entry.portrait = g.U(0).Portrait;
    entry.info = UnitTypeName(type) + UnitTypeDescription(type);
    entry.figures = ChanceLine(g) + kLineBreak +
                    Fill(GH_TR("Casting", "Требуется разума: %1"),
                         {std::to_string(g.CurrentSpell.ReasonNeeded)}) +
                    kLineBreak + Fill(GH_TR("Casting", "Уходит маны: %1"), {std::to_string(g.CastMana)});
}

void PickSpell(Game& g, int n)
{
    LoadSpell(g, n);
    g.CastChance = g.CurrentSpell.Chance;
    g.CastMana = g.CurrentSpell.ManaCost;
}

void PickCreature(Game& g, int type)
{
    // The scratch record shows what would come: its portrait, its worth and,
    // on a right click, everything about it. It never stands on the field.
    Unit& preview = g.U(0);
    CreateUnit(g, 0, type, g.ActiveHero);
    preview.OnField = false;
    const SummonCost cost = SummonCostOf(preview.ExpNext);
    g.CastChance = cost.chance;
    g.CastMana = cost.mana;
    g.CurrentSpell.ReasonNeeded = cost.reason;
}

void Tell(Game& g, const std::string& title, const std::string& text)
{
    g.shell->MessageBox({title, text, BoxButtons::Ok, BoxIcon::None, false});
}

} // namespace

SummonCost SummonCostOf(std::int32_t worth)
{
    // The worthier the creature, the harder it is to call.
    return {100 - Int(worth / 19.0), Int(worth / 17.0), Int(worth / 7.0)};
}

ReadCheck CheckRead(const Unit& hero, std::int32_t reasonNeeded, std::int32_t mana)
{
    if (hero.Reason < reasonNeeded)
        return ReadCheck::ShortOfReason;
    return hero.Mana < mana ? ReadCheck::ShortOfMana : ReadCheck::Ok;
}

std::vector<std::string> SpellbookLines(Game& g)
{
    std::vector<std::string> lines;
    if (!IsHero(g.ActiveHero))
        return lines;
    for (int slot = 0; slot < kSpellSlots; ++slot) {
        const int v = g.Spellbook[g.ActiveHero][slot];
        if (v > 0)
            lines.push_back(UnitTypeName(v));
        else if (v < 0)
            lines.push_back(LoadSpell(g, -v));
    }
    return lines;
}

int SlotOfLine(const Game& g, int line)
{
    if (!IsHero(g.ActiveHero) || line < 0)
        return -1;
    int count = 0;
    for (int slot = 0; slot < kSpellSlots; ++slot)
        if (g.Spellbook[g.ActiveHero][slot] != 0 && ++count == line + 1)
            return slot;
    return -1;
}

CastEntry PickEntry(Game& g, int line)
{
    CastEntry entry;
    entry.slot = SlotOfLine(g, line);
    if (entry.slot < 0)
        return entry;
    g.ChosenSlot = static_cast<std::int16_t>(entry.slot);
    const int value = g.Spellbook[g.ActiveHero][entry.slot];
    if (value < 0)
        PickSpell(g, -value);
    else
        PickCreature(g, value);
    return ChosenEntry(g);
}

CastEntry ChosenEntry(const Game& g)
{
    CastEntry entry;
    if (!IsHero(g.ActiveHero) || g.ChosenSlot < 0 || g.ChosenSlot >= kSpellSlots)
        return entry;
    entry.slot = g.ChosenSlot;
    entry.value = g.Spellbook[g.ActiveHero][entry.slot];
    if (entry.value < 0)
        DescribeSpell(g, -entry.value, entry);
    else if (entry.value > 0)
        DescribeCreature(g, entry.value, entry);
    else
        entry.slot = -1;
    return entry;
}

ReadOutcome ReadEntry(Game& g, int caster)
{
    // The dialog is modeless: the turn may have passed, or the match ended,
    // while it stood open. Its list then belongs to nobody who can cast.
    if (!g.MatchRunning || caster != g.ActiveHero || !IsHero(caster) || g.U(caster).Hp < 1)
        return ReadOutcome::Closed;
    if (!FieldAtRest(g))
        return ReadOutcome::NotNow;

    Unit& h = g.U(caster);
    const std::string type = UnitTypeName(h.UnitType);
    switch (CheckRead(h, g.CurrentSpell.ReasonNeeded, g.CastMana)) {
    case ReadCheck::ShortOfReason:
        Tell(g, GH_TR("Casting", "Не повезло"),
             Fill(GH_TR("Casting", "У %1 %2 не хватает мозгов, чтобы прочесть заклинание!"), {type, h.Name}));
        return ReadOutcome::Refused;
    case ReadCheck::ShortOfMana:
        Tell(
            g, GH_TR("Casting", "Не выходит"),
            Fill(GH_TR("Casting", "У %1 %2, к несчастью, нету требуемого количества маны!"), {type, h.Name}));
        return ReadOutcome::Refused;
    case ReadCheck::Ok: break;
    }

    const int v = (g.ChosenSlot >= 0 && g.ChosenSlot < kSpellSlots) ? g.Spellbook[caster][g.ChosenSlot] : 0;
    if (v == 0)
        return ReadOutcome::Closed;
    g.InputMode = v > 0 ? kModeSummon : kModeSpell;
    g.TargetCellX = h.PosX - 120 - g.ViewX;
    g.TargetCellY = h.PosY - 120 - g.ViewY;
    g.ShpAt.Visible = true;
    return ReadOutcome::Aiming;
}

} // namespace gh
