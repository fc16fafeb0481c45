#include "battlefield/Status.h"

#include "engine/Journal.h"
#include "magic/SpellCatalogue.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

bool IsSide(int side)
{
    return side >= 0 && side <= kHeroes;
}

bool AnyoneTookPart(const Game& g)
{
    for (const SideTally& t : g.Tally.Sides)
        if (t.TookPart)
            return true;
    return false;
}

std::string OfMax(std::int32_t v, std::int32_t max)
{
    return std::to_string(v) + "/" + std::to_string(max);
}

bool PersonsTurn(const Game& g)
{
    return IsSide(g.ActiveHero) && g.ActiveHero != 0 && g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

// The unit whose figures the strip shows, or 0.
int ShownUnit(const Game& g)
{
    const int s = g.Selected;
    if (s < 1 || !Game::ValidUnit(s) || !g.U(s).OnField || g.U(s).Hp < 1)
        return 0;
    if (PersonsTurn(g) && s != g.ActiveHero && g.U(s).Owner != g.ActiveHero)
        return 0;
    return s;
}

void FillUnit(const Game& g, StatusLines& lines)
{
    const int s = ShownUnit(g);
    if (s == 0)
        return;
    const Unit& u = g.U(s);
    lines.unit = UnitLabel(g, s);
    lines.figures = Fill(GH_TR("Status", "жизнь %1"), {OfMax(u.Hp, u.HpMax)});
    lines.shortFigures = lines.figures;
    if (u.ManaMax > 0) {
        lines.figures += Fill(GH_TR("Status", ", мана %1"), {OfMax(u.Mana, u.ManaMax)});
        lines.shortFigures += Fill(GH_TR("Status", " мана %1"), {OfMax(u.Mana, u.ManaMax)});
    }
    lines.figures += Fill(GH_TR("Status", ", очки действия %1"), {OfMax(u.Actions, u.ActionsMax)});
    lines.shortFigures += Fill(GH_TR("Status", " очки %1"), {OfMax(u.Actions, u.ActionsMax)});
}

std::string AwaitingLine(const Game& g)
{
    if (g.InputMode == kModeSummon)
        return Fill(GH_TR("Status", "Призыв: %1 ждёт клетку. Правый клик или Esc — отмена"),
                    {UnitTypeName(g.U(0).UnitType)});
    // Once its pictures play, a spell no longer waits: it is under way.
    if (g.InputMode == kModeSpell && !g.timers.Enabled(TimerId::Tmr2)) {
        const std::string name = SpellName(g.CurrentSpell.SpellNo);
        return Fill(GH_TR("Status", "Заклинание «%1» ждёт цель. Правый клик или Esc — отмена"), {name});
    }
    return {};
}

} // namespace

StatusLines StatusOf(const Game& g)
{
    StatusLines s;
    if (!g.MatchRunning) {
        s.turn = AnyoneTookPart(g) ? GH_TR("Status", "Битва окончена") : GH_TR("Status", "Игра не начата");
        s.unit = GH_TR("Status", "Новая игра: «Главное меню», затем «Заново»");
        return s;
    }
    const int side = IsSide(g.ActiveHero) ? g.ActiveHero : 0;
    s.side = side;
    if (side == 0) {
        s.turn = Fill(GH_TR("Status", "Ходят %1"), {UnitTypeName(0)});
    } else {
        const Unit& hero = g.U(side);
        s.turn = hero.Name.empty()
                     ? Fill(GH_TR("Status", "Ходит %1"), {UnitTypeName(hero.UnitType)})
                     : Fill(GH_TR("Status", "Ходит %1 %2"), {UnitTypeName(hero.UnitType), hero.Name});
    }
    s.day = Fill(GH_TR("Status", "День %1"), {std::to_string(g.Day)});
    FillUnit(g, s);
    s.awaiting = AwaitingLine(g);
    return s;
}

} // namespace gh
