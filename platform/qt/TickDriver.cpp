#include "platform/qt/TickDriver.h"

namespace gh {

TickDriver::TickDriver(Scheduler& timers, std::function<void()> afterTick)
    : timers_(timers), afterTick_(std::move(afterTick))
{
    timer_.setInterval(Scheduler::kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TickDriver::OnTick);
    timers_.SetActivityListener([this] { Follow(); });
}

TickDriver::~TickDriver()
{
    timers_.SetActivityListener({});
}

void TickDriver::Start()
{
    started_ = true;
    Follow();
}

void TickDriver::Stop()
{
    started_ = false;
    timer_.stop();
}

void TickDriver::Follow()
{
    const bool wanted = started_ && timers_.WantsTicks();
    if (wanted == timer_.isActive())
        return;
    if (wanted) {
        timer_.start();
        return;
    }
    timer_.stop();
    // A handler that opens a modal box has painted its part of the field
    // first; the window shows it under the box.
    if (timers_.Held() && afterTick_)
        afterTick_();
}

void TickDriver::OnTick()
{
    ++systemTicks_;
    // A tick that arrives inside another handler is swallowed by the
    // scheduler itself.
    timers_.Tick();
    if (afterTick_)
        afterTick_();
}

} // namespace gh
