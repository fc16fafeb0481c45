#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

#include "world/Game.h"

namespace gh {

// Drives the battlefield timers from one system tick and lets the windows
// show what the handlers changed.
class TickDriver final : public QObject {
    Q_OBJECT
public:
    TickDriver(Game& g, std::function<void()> afterTick);

    void Start();
    void Stop();
    bool Running() const { return timer_.isActive(); }

private:
    void OnTick();

    Game& g_;
    std::function<void()> afterTick_;
    QTimer timer_;
};

} // namespace gh
