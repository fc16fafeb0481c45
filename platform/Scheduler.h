#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace gh {

// The six battlefield timers. Handlers fire in this order within one tick.
enum class TimerId { Tmr, Tmr1, Tmr2, Tmr3, Tmr4, TmrEnemy };
inline constexpr int kTimerCount = 6;

// Owns the battlefield timers and fires them on a fixed system tick of 16 ms.
// A timer fires on the first tick at which its interval has passed since it
// was switched on or last fired. The program drives Tick() from one QTimer;
// tests and the simulator drive it with a virtual clock.
class Scheduler {
public:
    static constexpr int kTickMs = 16;

    // What a timer is between ticks: the part a saved match keeps.
    struct TimerState {
        int interval = 1;
        bool enabled = false;
        std::int64_t since = 0; // time it was switched on or last fired
        friend bool operator==(const TimerState&, const TimerState&) = default;
    };
    // Every timer and the clock: copied, compared, saved and restored as one.
    struct State {
        std::array<TimerState, kTimerCount> timers{};
        std::int64_t now = 0;
        std::uint64_t ticks = 0;
        friend bool operator==(const State&, const State&) = default;
    };

    Scheduler() = default;
    // A copy carries the timers' state and never their handlers, listener or
    // holds: those belong to the match that bound them. Assigning keeps the
    // handlers already bound here, so a match restored into a running game
    // goes on driving the same rules.
    Scheduler(const Scheduler& other) : state_(other.state_) {}
    Scheduler& operator=(const Scheduler& other)
    {
        if (this != &other)
            Restore(other.state_);
        return *this;
    }
    // Two schedulers are equal when their timers and clocks are.
    friend bool operator==(const Scheduler& a, const Scheduler& b) { return a.state_ == b.state_; }

    const State& Saved() const { return state_; }
    void Restore(const State& state)
    {
        state_ = state;
        Notify();
    }

    void SetHandler(TimerId id, std::function<void()> handler)
    {
        handlers_[static_cast<std::size_t>(id)] = std::move(handler);
    }

    // Switching on a timer that is already on leaves its count alone, as the
    // controls this models do; switching it on afresh starts counting now.
    void SetEnabled(TimerId id, bool on);
    bool Enabled(TimerId id) const { return At(id).enabled; }

    // Re-timing restarts the count from now.
    void SetInterval(TimerId id, int ms);
    int Interval(TimerId id) const { return At(id).interval; }

    void DisableAll();

    // Whether a tick could fire anything: some timer is on and no modal box
    // holds them. While it is false the program need not tick at all.
    bool WantsTicks() const;
    // Told whenever WantsTicks may have changed (a timer switched on or off,
    // a hold taken or released), so the driver can start or stop ticking.
    void SetActivityListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // Told as each tick begins (true, before the clock moves) and as it ends
    // (false, after the last handler): a recorder of the match notes there
    // what changed between two ticks. Like the handlers, never copied.
    void SetTickWatcher(std::function<void(bool starting)> watcher) { tickWatcher_ = std::move(watcher); }

    // One system tick: advance the clock by 16 ms and fire every due timer.
    // Ignored while held (a modal box is open) or when re-entered.
    void Tick();

    // While a modal message box is open no handler may run.
    void Hold()
    {
        ++holds_;
        Notify();
    }
    void Release()
    {
        if (holds_ > 0)
            --holds_;
        Notify();
    }
    bool Held() const { return holds_ > 0; }
    bool InTick() const { return inTick_; }
    // The timer whose handler runs right now, if any: what the idle
    // animation draws is told apart from what a blow draws by this.
    std::optional<TimerId> Firing() const
    {
        return firing_ < 0 ? std::nullopt : std::optional<TimerId>(static_cast<TimerId>(firing_));
    }

    std::int64_t Now() const { return state_.now; }
    std::uint64_t Ticks() const { return state_.ticks; }

    // Deliver a single timer's event directly (tests of a handler in isolation).
    void Fire(TimerId id);

private:
    void Notify()
    {
        if (listener_)
            listener_();
    }
    TimerState& At(TimerId id) { return state_.timers[static_cast<std::size_t>(id)]; }
    const TimerState& At(TimerId id) const { return state_.timers[static_cast<std::size_t>(id)]; }

    State state_;
    std::array<std::function<void()>, kTimerCount> handlers_{};
    int holds_ = 0;
    bool inTick_ = false;
    // Beside inTick_, where it takes no room of its own: the match's size
    // is what a save knows it to be.
    std::int8_t firing_ = -1;
    std::function<void()> listener_;
    std::function<void(bool)> tickWatcher_;
};

// Holds the scheduler for the lifetime of a modal box.
class SchedulerHold {
public:
    explicit SchedulerHold(Scheduler* s) : s_(s)
    {
        if (s_)
            s_->Hold();
    }
    ~SchedulerHold()
    {
        if (s_)
            s_->Release();
    }
    SchedulerHold(const SchedulerHold&) = delete;
    SchedulerHold& operator=(const SchedulerHold&) = delete;

private:
    Scheduler* s_;
};

} // namespace gh
