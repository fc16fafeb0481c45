#pragma once

#include <cstdint>

namespace gh {

struct Game;

// What happens in a match, as the rules tell it: each blow, kill, promotion,
// summons, spell and turn. The rules report an event the moment it happens
// (through Report, below), after the match has changed for it and before
// anything else does. Reporting changes nothing the rules read and draws no
// random number: a match plays the same with or without anyone listening.
enum class EventKind {
    MatchStarted, // a match has been set up; its first turn follows
    DayBegins,    // a new day: Game::Day
    TurnBegins,   // `side` has the turn
    Blow,         // `who` struck `whom`; `amount` is the change of whom's life (negative harms)
    Kill,         // `whom` died of `who`'s blow or `who`'s spell (`spell` then names it)
    Promotion,    // `who` rose to level `amount`
    Summoned,     // hero `who` called the creature now in record `whom`
    SummonFailed, // hero `who` did not call a creature of type `amount`
    SpellCast,    // hero `who` paid for spell `spell` and aimed it
    SpellResult,  // spell `spell` of hero `who` on `whom` (0: nobody stood there)
    HeroLeft,     // hero `who` gave up and left the field
    Victory,      // `side` won the match (0: the neutral side)
};

// How a blow or a spell ended.
enum class Outcome {
    Landed,     // the amount took effect
    Missed,     // "мимо"
    Immune,     // "иммунитет"
    Fizzled,    // nobody stood on the cell, or nothing there could be touched
    Raised,     // the dead rose
    Rotted,     // a corpse turned to bones
    Controlled, // the creature now serves the caster
    Unruly,     // a summons that obeys nobody
    NoRoom,     // a summons with no free record left
};

struct MatchEvent {
    EventKind kind = EventKind::TurnBegins;
    int who = 0;
    int whom = 0;
    std::int32_t amount = 0;
    int spell = 0;
    int side = 0;
    Outcome outcome = Outcome::Landed;
};

// Whoever wants to hear of the match's events (the log window). Called with
// the match as it is right after the event, so names and numbers can be read.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void OnEvent(const Game& g, const MatchEvent& e) = 0;
};

// Hears nothing: what a match has until someone listens, and what every copy
// of a match has (a preview must not write into the log).
class NullEventSink final : public EventSink {
public:
    void OnEvent(const Game&, const MatchEvent&) override {}
};

// The rules' one way to report: counts the event into the match's tally
// (MatchState::Tally) and tells g.events.
void Report(Game& g, const MatchEvent& e);

// A hero is in the match while it stands on the field with life in it under
// its own banner (a rival's skeleton raised from its bones is not the hero).
bool HeroAlive(const Game& g, int hero);

} // namespace gh
