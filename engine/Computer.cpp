#include "engine/Computer.h"

#include "ai/StrongPlayer.h"
#include "engine/Order.h"
#include "platform/Numbers.h"

namespace gh {

namespace {

bool HumanSide(const Game& g)
{
    return g.ActiveHero >= 0 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

} // namespace

void ComputerTick(Game& g)
{
    if (StrongPlays(g)) {
        StrongComputerTick(g);
        return;
    }
    // A unit that cannot be given an order gives the cursor straight to the
    // next one within this tick; every pass moves the cursor, so the loop ends
    // at the latest when the cursor runs past UnitCount.
    if (!g.MatchRunning) {
        // No match, no turn to play: the timer goes off until a match is set up.
        g.timers.SetEnabled(TimerId::TmrEnemy, false);
        return;
    }
    for (;;) {
        if (HumanSide(g))
            return; // the timer may stay on during a person's turn

        g.AiCursor += 1;
        const std::int32_t last = g.UnitCount < kMaxUnit ? g.UnitCount : kMaxUnit;
        if (g.AiCursor >= last + 1 || g.AiCursor < 1) {
            // Every unit has had its chance: the side's turn is over.
            g.AiCursor = 0;
            g.timers.SetEnabled(TimerId::TmrEnemy, false);
            GiveOrder(g, {OrderKind::EndTurn});
            return;
        }

        const int u = g.AiCursor;
        if (g.U(u).Owner != g.ActiveHero || g.U(u).Kind == kKindRemains)
            return;

        g.Selected = u;
        g.timers.SetEnabled(TimerId::TmrEnemy, false);

        // Any living record can be drawn, whichever side it is on.
        const int t = CInt(Int(g.rnd->Rnd() * static_cast<float>(last)) + 1);
        if (t != u && Game::ValidUnit(t) && g.U(t).Hp >= 1) {
            // Towards a point just inside the drawn record's cell.
            Order walk;
            walk.kind = OrderKind::Walk;
            walk.who = u;
            walk.x = g.U(t).PosX + 24;
            walk.y = g.U(t).PosY + 24;
            GiveOrder(g, walk);
            return;
        }

        g.U(u).Actions = 0;
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
    }
}

} // namespace gh
