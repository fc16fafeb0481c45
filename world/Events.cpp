#include "world/Events.h"

#include "world/Game.h"

namespace gh {

namespace {

bool IsSide(int side)
{
    return side >= 0 && side <= kHeroes;
}

SideTally* SideOf(Game& g, int side)
{
    return IsSide(side) ? &g.Tally.Sides[static_cast<std::size_t>(side)] : nullptr;
}

void Count(Game& g, const MatchEvent& e)
{
    switch (e.kind) {
    case EventKind::MatchStarted:
        g.Tally = {};
        for (int h = 1; h <= kHeroes; ++h) {
            SideTally& t = g.Tally.Sides[static_cast<std::size_t>(h)];
            t.TookPart = g.U(h).OnField;
            t.DaysSurvived = HeroAlive(g, h) ? 1 : 0;
        }
        break;
    case EventKind::DayBegins:
        for (int h = 1; h <= kHeroes; ++h)
            if (HeroAlive(g, h))
                g.Tally.Sides[static_cast<std::size_t>(h)].DaysSurvived += 1;
        break;
    case EventKind::Kill:
        if (SideTally* killer = SideOf(g, e.side))
            killer->Kills += 1;
        if (Game::ValidUnit(e.whom))
            if (SideTally* victim = SideOf(g, g.U(e.whom).Owner))
                victim->Losses += 1;
        break;
    case EventKind::Summoned:
        if (SideTally* t = SideOf(g, e.who))
            t->Summoned += 1;
        break;
    case EventKind::SpellCast:
        if (SideTally* t = SideOf(g, e.who))
            t->SpellsCast += 1;
        break;
    default: break;
    }
}

} // namespace

bool HeroAlive(const Game& g, int hero)
{
    if (hero < 1 || hero > kHeroes)
        return false;
    const Unit& h = g.U(hero);
    return h.OnField && h.Hp >= 1 && h.Owner == hero;
}

void Report(Game& g, const MatchEvent& e)
{
    Count(g, e);
    g.events->OnEvent(g, e);
}

} // namespace gh
