#include "world/Game.h"

namespace gh {

Game::Game()
{
    rnd = &Generator;
    // Design-time intervals of the battlefield timers; all start disabled.
    timers.SetInterval(TimerId::Tmr, 1);
    timers.SetInterval(TimerId::Tmr1, 1);
    timers.SetInterval(TimerId::Tmr2, 20);
    timers.SetInterval(TimerId::Tmr3, 15);
    timers.SetInterval(TimerId::Tmr4, 200);
    timers.SetInterval(TimerId::TmrEnemy, 1);
}

Game::Game(const Game& other) : Services(), MatchState(other), Moment(other), FieldControls(other)
{
    rnd = &Generator;
}

} // namespace gh
