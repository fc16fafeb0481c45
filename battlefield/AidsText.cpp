#include "battlefield/AidsText.h"

#include <cmath>
#include <cstdio>

#include "engine/Order.h"
#include "engine/Placement.h"
#include "magic/SpellCatalogue.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

// One decimal with the Russian comma; whole numbers without it.
std::string Amount(double v)
{
    const double r = std::round(v * 10.0) / 10.0;
    char text[48];
    if (r == std::floor(r))
        std::snprintf(text, sizeof text, "%.0f", r);
    else
        std::snprintf(text, sizeof text, "%.1f", r);
    std::string s(text);
    for (char& c : s)
        if (c == '.')
            c = ',';
    if (s == "-0")
        return "0";
    // A real minus sign, as print has it.
    if (!s.empty() && s[0] == '-')
        s = "\u2212" + s.substr(1);
    return s;
}

std::string Points(long n)
{
    return Fill(TrN(GH_PLURAL("AidsText", "%1 очко действия|%1 очка действия|%1 очков действия"), n),
                {std::to_string(n)});
}

// How a side of an exchange fares: life lost or healed, and the chance to fall.
std::string FateLine(const Game& g, int unit, double loss, double dies)
{
    const std::string who = AidUnitLabel(g, unit);
    const std::string chance = Percent(dies);
    if (loss > 0.05)
        return Fill(GH_TR("AidsText", "%1: потеряет около %2 из %3 жизни, погибнет с шансом %4"),
                    {who, Amount(loss), std::to_string(g.U(unit).Hp), chance});
    if (loss < -0.05)
        return Fill(GH_TR("AidsText", "%1: вылечится примерно на %2 жизни, погибнет с шансом %3"),
                    {who, Amount(-loss), chance});
    return Fill(GH_TR("AidsText", "%1: не пострадает, погибнет с шансом %2"), {who, chance});
}

std::string StatWord(int statKind)
{
    switch (statKind) {
    case 1: return GH_TR("AidsText", "жизни");
    case 2: return GH_TR("AidsText", "очков действия");
    case 3: return GH_TR("AidsText", "маны");
    default: return "";
    }
}

} // namespace

std::string AidUnitLabel(const Game& g, int i)
{
    if (!Game::ValidUnit(i))
        return {};
    const Unit& u = g.U(i);
    std::string label = UnitTypeName(u.UnitType);
    if (u.Kind == kKindHero || (i >= 1 && i <= kHeroes))
        if (!u.Name.empty())
            label += " " + u.Name;
    return label;
}

std::string CountNoun(long n, const char* one, const char* few, const char* many)
{
    const long m100 = std::labs(n) % 100;
    const long m10 = m100 % 10;
    if (m100 >= 11 && m100 <= 14)
        return many;
    if (m10 == 1)
        return one;
    if (m10 >= 2 && m10 <= 4)
        return few;
    return many;
}

std::string Percent(double share)
{
    const double p = share * 100.0;
    if (p <= 0.0)
        return "0 %";
    if (p >= 100.0)
        return "100 %";
    if (p < 1.0)
        return GH_TR("AidsText", "меньше 1 %");
    if (p > 99.0)
        return GH_TR("AidsText", "больше 99 %");
    return std::to_string(static_cast<long>(std::lround(p))) + " %";
}

std::vector<std::string> WalkLines(const Game& g, int walker, const WalkPreview& walk, int foe)
{
    if (foe != 0) {
        std::vector<std::string> lines{
            Fill(GH_TR("AidsText", "До цели не дотянуться за этот ход: %1"), {AidUnitLabel(g, foe)})};
        if (walk.starts && walk.steps.count > 0)
            lines.push_back(
                Fill(GH_TR("AidsText", "Дойдёт только до отмеченной клетки: %1, останется %2"),
                     {Points(walk.actionsBefore - walk.actionsLeft), std::to_string(walk.actionsLeft)}));
        return lines;
    }
    if (!walk.starts)
        return {GH_TR("AidsText", "Сюда пути нет")};
    const long spent = walk.actionsBefore - walk.actionsLeft;
    if (walk.arrives)
        return {Fill(GH_TR("AidsText", "Путь: %1, останется %2"),
                     {Points(spent), std::to_string(walk.actionsLeft)})};
    // Walking up to remains or to a unit of one's own opens no fight: the
    // walker stops beside it. Boxed in, it stops where it stands.
    if (walk.exchangeWith != 0 && walk.exchangeWith != walker)
        return {GH_TR("AidsText", "Сюда не встать: клетка занята"),
                GH_TR("AidsText", "Дойдёт до отмеченной клетки и остановится")};
    if (walk.steps.count == 0)
        return {GH_TR("AidsText", "Сюда не дойти за этот ход")};
    return {GH_TR("AidsText", "Сюда не дойти за этот ход"),
            Fill(GH_TR("AidsText", "Дойдёт только до отмеченной клетки: %1, останется %2"),
                 {Points(spent), std::to_string(walk.actionsLeft)})};
}

std::vector<std::string> ExchangeLines(const Game& g, int walker, const WalkPreview& walk,
                                       const ExchangeOdds& odds)
{
    const int other = walk.exchangeWith;
    std::vector<std::string> lines;
    lines.push_back(
        Fill(GH_TR("AidsText", "%1 нападёт на: %2"), {AidUnitLabel(g, walker), AidUnitLabel(g, other)}));
    const long spent = walk.actionsBefore - walk.actionsLeft;
    if (walk.steps.count == 0)
        lines.push_back(GH_TR("AidsText", "Удар с места; после боя очков действия не останется"));
    else
        lines.push_back(
            Fill(GH_TR("AidsText", "Путь: %1; после боя очков действия не останется"), {Points(spent)}));
    lines.push_back(FateLine(g, walker, odds.openerLoss, odds.openerDies));
    lines.push_back(FateLine(g, other, odds.otherLoss, odds.otherDies));
    return lines;
}

std::vector<std::string> SpellLines(const Game& g, const SpellOutlook& o)
{
    const std::string name = SpellName(g.CurrentSpell.SpellNo);
    if (o.target == 0)
        return {Fill(GH_TR("AidsText", "%1: здесь никого нет, заклинание пропадёт"), {name})};
    std::vector<std::string> lines{name + " → " + AidUnitLabel(g, o.target)};
    if (o.immune) {
        lines.push_back(GH_TR("AidsText", "Иммунитет: заклинание не подействует"));
        return lines;
    }
    const Unit& b = o.before;
    const Unit& h = o.onHit;
    const bool changes = !(h == b);
    if (!changes && !(o.onMiss == b)) {
        // Only a miss changes anything: the floor of a percentage lifts a stat at nothing.
    } else if (!changes) {
        lines.push_back(GH_TR("AidsText", "Заклинание не подействует"));
        return lines;
    }
    if (o.rolled)
        lines.push_back(Fill(GH_TR("AidsText", "Подействует с шансом %1"), {Percent(o.chance)}));
    else
        lines.push_back(GH_TR("AidsText", "Подействует наверняка"));
    if (b.Hp < 1 && h.Hp >= 1)
        lines.push_back(Fill(GH_TR("AidsText", "Восстанет из мёртвых с %1 жизни"), {std::to_string(h.Hp)}));
    else if (b.Hp >= -3 && b.Hp < 1 && h.Hp < -3)
        lines.push_back(GH_TR("AidsText", "Обратится в кости"));
    if (h.Owner != b.Owner && h.Owner == g.ActiveHero)
        lines.push_back(GH_TR("AidsText", "Перейдёт под ваше начало"));
    if (o.statKind != 0 && b.Hp >= 1) {
        const double e = o.ExpectedChange();
        std::string sign = e > 0 ? "+" : "";
        lines.push_back(
            Fill(GH_TR("AidsText", "В среднем %1 %2 (сейчас %3)"),
                 {sign + Amount(e), StatWord(o.statKind), std::to_string(SpellStatOf(b, o.statKind))}));
        if (o.statKind == 1) {
            const double dies = h.Hp < 1 ? (o.onMiss.Hp < 1 ? 1.0 : o.chance) : 0.0;
            if (dies > 0)
                lines.push_back(Fill(GH_TR("AidsText", "Погибнет с шансом %1"), {Percent(dies)}));
        }
    }
    return lines;
}

std::vector<std::string> SummonLines(const Game& g, float x, float y)
{
    const Refusal why = CheckOrder(g, {OrderKind::Summon, g.ActiveHero, x, y});
    if (why != Refusal::None)
        return {std::string(RefusalText(why))};
    const int h = g.ActiveHero;
    const Unit& hero = g.U(h);
    std::vector<std::string> lines{
        Fill(GH_TR("AidsText", "Призвать сюда: %1, получится с шансом %2"),
             {UnitTypeName(g.U(0).UnitType), Percent(SummonLandChance(hero, g.CastChance))})};
    if (hero.Leadership == hero.LeadershipMax)
        lines.push_back(Fill(GH_TR("AidsText", "Больше существ %1 не возглавит: это не будет подчиняться"),
                             {AidUnitLabel(g, h)}));
    return lines;
}

} // namespace gh
