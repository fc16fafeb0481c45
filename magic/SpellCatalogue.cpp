#include "magic/SpellCatalogue.h"

#include "platform/Texts.h"

namespace gh {

namespace {

struct SpellRow {
    const char* name;
    std::int32_t range, effect;
    bool isPercent;
    std::int32_t statKind, element, chance, reasonNeeded, manaCost, animFirstFrame, animCycles;
};

// Stat kinds: 1 life, 2 action points, 3 mana, 0 a rule of its own.
constexpr SpellRow kSpells[kSpellCount] = {
    {GH_TR_NOOP("SpellCatalogue", "Песнь некроманта"), 1, 5, true, 1, 6, 96, 50, 9, 5, 1},
    {GH_TR_NOOP("SpellCatalogue", "Разложение"), 2, 0, false, 0, 6, 97, 25, 6, 1, 2},
    {GH_TR_NOOP("SpellCatalogue", "Слабое лечение"), 1, 35, false, 1, 7, 99, 23, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Скороход"), 1, 50, true, 2, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Голос ангела"), 2, 100, true, 1, 9, 99, 19, 4, 5, 1},
    {GH_TR_NOOP("SpellCatalogue", "Магический поток"), 1, 30, true, 3, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Слово черепахи"), 1, -75, true, 2, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Ущерб души"), 1, -15, true, 1, 13, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Избиение поневоле"), 1, -66, true, 1, 1, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Мана-урон"), 1, -99, true, 3, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Мана-потеря"), 1, -37, true, 3, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Песчаная буря"), 1, -99, true, 1, 4, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Сила жизни"), 1, 100, true, 1, 7, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Эстонская песнь"), 1, -100, true, 2, 12, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Пламенный шар"), 1, -66, false, 1, 2, 99, 19, 4, 1, 1},
    {GH_TR_NOOP("SpellCatalogue", "Контроль разума"), 1, 0, false, 0, 13, 99, 19, 4, 1, 1},
};

} // namespace

namespace {

// Fills the fields of `s` from row `number`, which must be 1..16.
void FromRow(SpellRecord& s, int number)
{
    const SpellRow& row = kSpells[number - 1];
    s.Range = row.range;
    s.Effect = row.effect;
    s.IsPercent = row.isPercent;
    s.StatKind = row.statKind;
    s.Element = row.element;
    s.Chance = row.chance;
    s.ReasonNeeded = row.reasonNeeded;
    s.ManaCost = row.manaCost;
    s.AnimFirstFrame = row.animFirstFrame;
    s.AnimCycles = row.animCycles;
}

} // namespace

std::string LoadSpell(Game& g, int number)
{
    SpellRecord& s = g.CurrentSpell;
    s.SpellNo = number;
    if (number < 1 || number > kSpellCount)
        return {};
    FromRow(s, number);
    return GH_TR("SpellCatalogue", kSpells[number - 1].name);
}

std::string SpellName(int number)
{
    return number >= 1 && number <= kSpellCount ? GH_TR("SpellCatalogue", kSpells[number - 1].name) : "";
}

SpellRecord SpellOf(int number)
{
    SpellRecord s;
    s.SpellNo = number;
    if (number >= 1 && number <= kSpellCount)
        FromRow(s, number);
    return s;
}

std::string SpellDescription(int number)
{
    switch (number) {
    case 1:
        return GH_TR(
            "SpellCatalogue",
            " - призвать зловещие силы некромантов, для воскрешения мертвеца. Оживленное существо очень "
            "слабо, поэтому, после воскрешения необходимо подлечить его.");
    case 2:
        return GH_TR("SpellCatalogue", " - превратить труп недавно умершего существа в кучу гнилых костей.");
    case 3: return GH_TR("SpellCatalogue", " - восстанавливает немного жизни у выбранного существа.");
    default: return GH_TR("SpellCatalogue", " - на это заклинание нет инфы...");
    }
}

} // namespace gh
