#pragma once

#include <vector>

#include "sound/SoundTable.h"
#include "world/Events.h"

namespace gh {

// Turns the match's events into sounds through the table, and keeps the music
// in step with the match. It only listens: the match never waits for it and
// never learns of it. The program hears the live match on screen through it;
// a replay being watched is fed to it the same way (OnEvent with the replay's
// match), and sounds the same as the match played.
class SoundDirector final : public EventSink {
public:
    explicit SoundDirector(SoundSink& sink) : sink_(sink) {}

    void OnEvent(const Game& g, const MatchEvent& e) override;

    // Follows the match between events (called as the field is shown): the
    // battle music while a match runs that began without an event heard (a
    // save loaded), the calm track when none does; the end's piece plays out.
    void Observe(const Game& g);

    // The calm track, as the program starts.
    void Begin();

    void SetTurnBell(bool on) { turnBell_ = on; }
    bool TurnBell() const { return turnBell_; }
    Music Playing() const { return music_; }

private:
    void Turn(Music m);

    SoundSink& sink_;
    bool turnBell_ = true;
    Music music_ = Music::None;
};

// Keeps every cue it is given, in order: the tests' sink, and a way to see
// what a stretch of play would have sounded like.
class RecordingSoundSink final : public SoundSink {
public:
    void Play(Sfx s) override { heard.push_back(SoundCue::Effect(s)); }
    void PlayMusic(Music m) override { heard.push_back(SoundCue::Turn(m)); }
    std::vector<SoundCue> heard;
};

} // namespace gh
