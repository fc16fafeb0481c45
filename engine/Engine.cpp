#include "engine/Engine.h"

#include "engine/Blows.h"
#include "engine/Computer.h"
#include "engine/Effects.h"
#include "engine/Movement.h"
#include "engine/TurnCycle.h"
#include "world/Experience.h"
#include "world/FieldView.h"

namespace gh {

void BindTimers(Game& g)
{
    // The idle animation runs whenever the field is at rest, and the
    // computer player whenever it is its move: either one first sees that
    // the last rival has fallen, and the match ends there.
    g.timers.SetHandler(TimerId::Tmr, [&g] {
        if (!DeclareVictoryIfDecided(g))
            AnimateIdle(g);
    });
    g.timers.SetHandler(TimerId::Tmr1, [&g] { WalkTick(g); });
    g.timers.SetHandler(TimerId::Tmr2, [&g] { EffectTick(g); });
    g.timers.SetHandler(TimerId::Tmr3, [&g] { BlowTick(g); });
    g.timers.SetHandler(TimerId::Tmr4, [&g] { HideExperienceLabel(g); });
    g.timers.SetHandler(TimerId::TmrEnemy, [&g] {
        if (!DeclareVictoryIfDecided(g))
            ComputerTick(g);
    });
}

} // namespace gh
