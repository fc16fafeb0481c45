#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <cstdint>
#include <functional>
#include <string>

#include "save/SaveFormat.h"
#include "windows/qt/SaveFiles.h"
#include "world/Game.h"

namespace gh {

// Saves the match on its own at the start of every person's turn, once the
// field is at rest. The text is made on the game's thread right after the
// event or tick that began the turn has been shown, from a queued call, so
// it never runs inside a battlefield tick; the file is written and the old
// autosaves removed on a thread of its own, so a slow disk never holds the
// battlefield up.
class Autosave final : public QObject {
    Q_OBJECT
public:
    Autosave(Game& g, SaveFiles& files, QObject* parent = nullptr);
    ~Autosave() override;

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }

    // After every tick and every event: notices that a turn has begun and,
    // once it is a person's and the field rests, queues its autosave.
    void Observe();
    // A new match's first turn is new even when its day and hero are those
    // of the last turn seen.
    void MatchStarted();
    // A loaded match's turn is already in the file it came from.
    void TurnAlreadySaved();

    // Waits until every autosave asked for so far is on disk and reported.
    void Flush();

    // Told when an autosave could not be written, once until one succeeds
    // again: a full disk must not bring a box up at every turn.
    std::function<void(const QString& message)> onFailure;

    // What autosaving has cost the game's thread (making the text) and the
    // writer's (the file, the clean-up), in nanoseconds.
    struct Costs {
        int saves = 0;
        std::int64_t buildLast = 0, buildMax = 0, buildTotal = 0;
        std::int64_t writeLast = 0, writeMax = 0, writeTotal = 0;
    };
    const Costs& Cost() const { return costs_; }

    // What the autosave keeps beside the match: its journal and its log (the
    // registry of windows, which holds both, sets this).
    std::function<save::MatchMemory()> memory;

    // The autosave of g as it is now: where it goes and its text.
    static std::string Text(const Game& g, const save::MatchMemory* memory = nullptr);
    static QString PathOf(const Game& g, const SaveFiles& files);
    // Writes it and keeps only the newest autosaves; false with a message.
    static bool Store(const SaveFiles& files, const QString& path, const std::string& text, QString& error);

    // A person's turn with nothing moving, asking or waiting on the field.
    static bool Ready(const Game& g);

private:
    void WriteQueued();
    void Written(bool ok, const QString& path, const QString& error, std::int64_t ns);

    struct TurnKey {
        bool running = false;
        std::int32_t day = 0;
        std::int32_t hero = 0;
        friend bool operator==(const TurnKey&, const TurnKey&) = default;
    };

    Game& g_;
    SaveFiles& files_;
    bool enabled_ = true;
    TurnKey seen_;
    bool pending_ = false;
    bool queued_ = false;
    bool failing_ = false;
    Costs costs_;
    QThread thread_;
    QObject* writer_ = nullptr;
};

} // namespace gh
