#include "platform/Scheduler.h"

namespace gh {

void Scheduler::SetEnabled(TimerId id, bool on)
{
    Timer& t = At(id);
    if (on && !t.enabled)
        t.since = now_;
    const bool changed = t.enabled != on;
    t.enabled = on;
    if (changed)
        Notify();
}

bool Scheduler::WantsTicks() const
{
    if (holds_ > 0)
        return false;
    for (const Timer& t : timers_)
        if (t.enabled)
            return true;
    return false;
}

void Scheduler::SetInterval(TimerId id, int ms)
{
    Timer& t = At(id);
    t.interval = ms < 1 ? 1 : ms;
    t.since = now_;
}

void Scheduler::DisableAll()
{
    for (Timer& t : timers_)
        t.enabled = false;
    Notify();
}

void Scheduler::Tick()
{
    if (holds_ > 0 || inTick_)
        return;
    inTick_ = true;
    now_ += kTickMs;
    ++ticks_;
    for (int i = 0; i < kTimerCount; ++i) {
        Timer& t = timers_[i];
        if (!t.enabled || now_ - t.since < t.interval)
            continue;
        t.since = now_;
        if (t.handler)
            t.handler();
    }
    inTick_ = false;
}

void Scheduler::Fire(TimerId id)
{
    Timer& t = At(id);
    t.since = now_;
    if (t.handler)
        t.handler();
}

} // namespace gh
