#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

#include "platform/Scheduler.h"

namespace gh {

// Drives the battlefield timers (the match's Scheduler) from one system tick
// and lets the windows show what the handlers changed. The system tick only runs while some
// battlefield timer is on and no modal box holds them: before a match, after
// a victory and while a box waits the program does not wake up at all.
class TickDriver final : public QObject {
    Q_OBJECT
public:
    TickDriver(Scheduler& timers, std::function<void()> afterTick);
    ~TickDriver() override;

    // Start lets the driver tick whenever a timer needs it; Stop ends that.
    void Start();
    void Stop();
    // Whether the system tick is running right now.
    bool Running() const { return timer_.isActive(); }

    std::uint64_t SystemTicks() const { return systemTicks_; }

private:
    void OnTick();
    void Follow();

    Scheduler& timers_;
    std::function<void()> afterTick_;
    QTimer timer_;
    bool started_ = false;
    std::uint64_t systemTicks_ = 0;
};

} // namespace gh
