#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include <functional>

#include "battlefield/Status.h"

namespace gh {

// The status strip at the right of the battlefield's toolbar: whose turn it
// is, in the side's colour, and the day; the selected unit's life, mana and
// action points; what a pending summon or spell waits for. Its «Журнал»
// shows and hides the log.
class StatusStrip final : public QWidget {
    Q_OBJECT
public:
    explicit StatusStrip(QWidget* parent = nullptr);

    // Shows these lines; does nothing when they are what it shows already.
    void Show(const StatusLines& lines);
    void SetLogShown(bool shown);
    const StatusLines& Shown() const { return shown_; }

    std::function<void()> onLog;

    QLabel* ShpSide; // a square in the side's colour
    QLabel* LblTurn;
    QLabel* LblDay;
    QLabel* LblUnit;
    QLabel* LblAwaiting;
    QToolButton* CmdLog;

private:
    StatusLines shown_;
    bool first_ = true;
};

} // namespace gh
