#include "platform/qt/TickDriver.h"

namespace gh {

TickDriver::TickDriver(Game& g, std::function<void()> afterTick) : g_(g), afterTick_(std::move(afterTick))
{
    timer_.setInterval(Scheduler::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickDriver::OnTick);
}

void TickDriver::Start()
{
    timer_.start();
}

void TickDriver::Stop()
{
    timer_.stop();
}

void TickDriver::OnTick()
{
    // A tick that arrives inside a modal box's event loop, or inside another
    // handler, is swallowed by the scheduler itself.
    g_.timers.Tick();
    if (afterTick_)
        afterTick_();
}

} // namespace gh
