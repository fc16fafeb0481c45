#pragma once

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/Journal.h"
#include "platform/qt/QtCanvas.h"
#include "save/Recorder.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;

namespace gh {

// The viewer of a record: the battlefield in watching mode. It takes no
// orders; a bar of controls plays and pauses, sets the speed, steps one
// order forward or back, jumps to the previous or next side's turn or to a
// day, and slides over the whole match. Going back and jumping start from
// the nearest keyframe (one every kEvery lines, taken as the record is first
// read through) and replay forward. Every hash is checked as it plays: at
// the first difference the viewer stops and says so, and shows nothing past
// the last line that matched.
class FrmReplay final : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kEvery = 32;

    explicit FrmReplay(QWidget* parent = nullptr);
    ~FrmReplay() override;

    // Reads and checks the record in `path` and plays it through once for its
    // keyframes; false with the reason (naming the file) when it cannot be shown.
    bool Open(const QString& path, QString& error);

    // Lines played (0..Lines()), where the viewer stands.
    std::size_t Line() const;
    std::size_t Lines() const;
    // Goes to the moment just after `line` lines (0: the start).
    void JumpTo(std::size_t line);
    // One order back. Orders a computer gives within one tick go together:
    // the viewer stops only between ticks.
    void StepBack();
    void JumpToDay(std::int32_t day);
    void NextTurn();
    void PreviousTurn();
    void SetPlaying(bool on);
    bool Playing() const { return timer_.isActive(); }
    // Ticks per 16 ms: 0.25 .. 8, or 0 for as fast as the machine goes.
    void SetSpeed(double ticksPerTick);
    const Game& Match() const { return replay_->Match(); }
    // What went wrong (a hash that differs), "" while all matches.
    QString Failure() const { return failure_; }

    QPushButton* CmdPlay = nullptr;
    QComboBox* CboSpeed = nullptr;
    QPushButton* CmdBack = nullptr;
    QPushButton* CmdForward = nullptr;
    QPushButton* CmdPrevTurn = nullptr;
    QPushButton* CmdNextTurn = nullptr;
    QSpinBox* SpnDay = nullptr;
    QSlider* Slider = nullptr;
    QLabel* LblStatus = nullptr;
    QListWidget* LstLog = nullptr;
    QWidget* Field = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Key {
        std::unique_ptr<save::Replayer::Mark> mark;
        std::deque<JournalEntry> log;
    };
    void Bind(Game& g);
    void Played();       // after any move: the field, the log, the controls
    bool Check(bool ok); // a difference stops the viewer
    void Tick();
    void Redraw();
    void ReloadLog();
    std::size_t TurnStart(std::size_t line) const;

    std::unique_ptr<save::Replayer> replay_;
    std::vector<Key> keys_;
    std::vector<std::int32_t> dayAt_; // the day after each line
    std::size_t good_ = 0;            // the lines known to match
    Journal log_;
    bool quiet_ = false; // seeking: the log list is filled once at the end
    QtCanvas canvas_;
    QTimer timer_;
    double speed_ = 1;
    double owed_ = 0;
    QString failure_;
    QString name_;
};

} // namespace gh
