#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "world/Events.h"
#include "world/Game.h"

namespace gh {

// One line of the match's log.
struct JournalEntry {
    std::int32_t Day = 0;
    int Side = -1;     // whose colour the line carries: 0 the neutral side, 1..5 a hero, -1 nobody's
    bool Turn = false; // a turn or a new day, which the log sets apart
    std::string Text;  // without the day, in the game's own Russian: a save holds it
    // The same in the player's language when that is not Russian; empty
    // otherwise, and for a line restored from a save.
    std::string Shown = {};

    // What the log shows: the player's language when there is one.
    const std::string& Displayed() const { return Shown.empty() ? Text : Shown; }
};

// The line as the log lists it: the day, then the text (Displayed).
std::string JournalLine(const JournalEntry& e);

// How the log names a unit: a hero by type and name, a creature by type and,
// in brackets, the name of the hero it serves.
std::string UnitLabel(const Game& g, int unit);

// The log's entry for an event, read from the match right after it; an
// empty Text for an event the log does not write down.
JournalEntry DescribeEvent(const Game& g, const MatchEvent& e);

// The match's log: written down as the rules report, the last kKept lines
// kept. A new match starts it afresh.
class Journal final : public EventSink {
public:
    static constexpr std::size_t kKept = 2000;

    void OnEvent(const Game& g, const MatchEvent& e) override;

    const std::deque<JournalEntry>& Entries() const { return entries_; }
    // The log of another match in place of this one's (a loaded match's, or
    // none): never two matches' lines in one log. Tells nobody.
    void Restore(const std::vector<JournalEntry>& lines);
    // Lines written since the journal began, those no longer kept included.
    std::uint64_t Written() const { return written_; }

    // Told of every event once it is written down (entry nullptr for one
    // the log leaves out): the windows follow the match through this.
    std::function<void(const Game&, const MatchEvent&, const JournalEntry*)> listener;

private:
    std::deque<JournalEntry> entries_;
    std::uint64_t written_ = 0;
};

} // namespace gh
