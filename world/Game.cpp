#include "world/Game.h"

namespace gh {

Game::Game()
    : ownRnd_(std::make_unique<ClockRandom>()), ownCanvas_(std::make_unique<NullCanvas>()),
      ownShell_(std::make_unique<ScriptedShell>())
{
    rnd = ownRnd_.get();
    canvas = ownCanvas_.get();
    shell = ownShell_.get();
    // Design-time intervals of the battlefield timers; all start disabled.
    timers.SetInterval(TimerId::Tmr, 1);
    timers.SetInterval(TimerId::Tmr1, 1);
    timers.SetInterval(TimerId::Tmr2, 20);
    timers.SetInterval(TimerId::Tmr3, 15);
    timers.SetInterval(TimerId::Tmr4, 200);
    timers.SetInterval(TimerId::TmrEnemy, 1);
}

} // namespace gh
