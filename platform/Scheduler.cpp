#include "platform/Scheduler.h"

namespace gh {

void Scheduler::SetEnabled(TimerId id, bool on)
{
    TimerState& t = At(id);
    if (on && !t.enabled)
        t.since = state_.now;
    const bool changed = t.enabled != on;
    t.enabled = on;
    if (changed)
        Notify();
}

bool Scheduler::WantsTicks() const
{
    if (holds_ > 0)
        return false;
    for (const TimerState& t : state_.timers)
        if (t.enabled)
            return true;
    return false;
}

void Scheduler::SetInterval(TimerId id, int ms)
{
    TimerState& t = At(id);
    t.interval = ms < 1 ? 1 : ms;
    t.since = state_.now;
}

void Scheduler::DisableAll()
{
    for (TimerState& t : state_.timers)
        t.enabled = false;
    Notify();
}

void Scheduler::Tick()
{
    if (holds_ > 0 || inTick_)
        return;
    if (tickWatcher_)
        tickWatcher_(true);
    inTick_ = true;
    state_.now += kTickMs;
    ++state_.ticks;
    for (std::size_t i = 0; i < kTimerCount; ++i) {
        TimerState& t = state_.timers[i];
        if (!t.enabled || state_.now - t.since < t.interval)
            continue;
        t.since = state_.now;
        if (handlers_[i]) {
            firing_ = static_cast<std::int8_t>(i);
            handlers_[i]();
            firing_ = -1;
        }
    }
    inTick_ = false;
    if (tickWatcher_)
        tickWatcher_(false);
}

void Scheduler::Fire(TimerId id)
{
    At(id).since = state_.now;
    if (const auto& handler = handlers_[static_cast<std::size_t>(id)]) {
        const std::int8_t outer = firing_;
        firing_ = static_cast<std::int8_t>(id);
        handler();
        firing_ = outer;
    }
}

} // namespace gh
