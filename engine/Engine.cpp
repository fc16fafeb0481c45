#include "engine/Engine.h"

#include "engine/Blows.h"
#include "engine/Computer.h"
#include "engine/Effects.h"
#include "engine/Movement.h"
#include "world/Experience.h"
#include "world/FieldView.h"

namespace gh {

void BindTimers(Game& g)
{
    g.timers.SetHandler(TimerId::Tmr, [&g] { AnimateIdle(g); });
    g.timers.SetHandler(TimerId::Tmr1, [&g] { WalkTick(g); });
    g.timers.SetHandler(TimerId::Tmr2, [&g] { EffectTick(g); });
    g.timers.SetHandler(TimerId::Tmr3, [&g] { BlowTick(g); });
    g.timers.SetHandler(TimerId::Tmr4, [&g] { HideExperienceLabel(g); });
    g.timers.SetHandler(TimerId::TmrEnemy, [&g] { ComputerTick(g); });
}

} // namespace gh
