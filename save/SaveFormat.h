#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Journal.h"
#include "world/Game.h"

namespace gh::save {

// A saved match is one UTF-8 JSON object: the format's name and version, the
// game's version, when it was saved, what the list of saves shows, and the
// match itself (MatchState and the battlefield's controls; the moment is at
// rest whenever a match is saved and is not written).
inline constexpr std::string_view kFormatName = "grimhollow-save";
// 1: the first. 2: each side's tally of the match (kills, losses, summons,
// spells, days survived). 3: the computer's level for each hero (ComputerLevel)
// in place of the strong player's ticks (StrongComputer), the match's journal
// of orders (the text of its record so far, save/Record.h) and its log.
inline constexpr int kFormatVersion = 3;
// The extension the file dialogs, the MIME type and the saves folder use.
inline constexpr std::string_view kExtension = ".ghsave";
// Larger files are refused before they are parsed: a real save is far smaller.
// The match itself stays within kMaxMatchBytes (the start of a record is such
// a save, without a journal); the journal of a long match takes the rest.
inline constexpr std::size_t kMaxMatchBytes = 4u * 1024u * 1024u;
inline constexpr std::size_t kMaxSaveBytes = 72u * 1024u * 1024u;
// The log keeps its last lines (engine/Journal.h), each of them short.
inline constexpr std::size_t kMaxLogLines = 2000;
inline constexpr std::size_t kMaxLogLineBytes = 4096;
// The deepest the format nests arrays and objects (a unit's protections sit
// in a record in the list of units in the match in the file: five). A file
// nested deeper is refused before it is parsed.
inline constexpr int kMaxNesting = 5;
// A hero's name is at most what the hero selection's line edit takes, in
// UTF-16 units; longer texts of the summary are cut when written.
inline constexpr std::size_t kMaxNameUnits = 32767;
inline constexpr std::size_t kMaxTitleBytes = 4096;
inline constexpr std::size_t kMaxLabelBytes = 64; // the game's version, the moment of saving

// What the list of saves shows of a file, read without the match.
struct SaveSummary {
    int version = kFormatVersion;
    std::string gameVersion;
    std::string savedAt; // local time, ISO 8601 ("2026-12-09T10:15:00")
    std::string title;   // the name the player gave, or the autosave's
    bool autosave = false;
    std::int32_t day = 0;
    std::int32_t activeHero = 0;
    struct Hero {
        int slot = 0; // 1..5, its side colour
        std::string name;
        std::int32_t unitType = 0;
        bool human = false;
        bool alive = false;
    };
    std::vector<Hero> heroes; // the heroes that took part, by slot
};

// What a save keeps of a match beside the match itself: its journal of
// orders (the text of its record so far, empty when it keeps none) and the
// last lines of its log.
struct MatchMemory {
    std::string journal;
    std::vector<JournalEntry> log;
};

// The summary of the live match, as a save of it would carry.
SaveSummary SummaryOf(const Game& g, std::string title, bool autosave, std::string savedAt,
                      std::string gameVersion);

// The whole text of a save. Pure: reads g, changes nothing; the same match
// always gives the same text. Of `summary` only the title, autosave, savedAt
// and gameVersion are used (texts longer than the limits above are cut at a
// character); the day and the heroes are taken from g.
std::string WriteSave(const Game& g, const SaveSummary& summary, const MatchMemory* memory = nullptr);

// Why a save of g would not load, in the words ReadSave would use; "" when
// it would. A match can be saved only while it runs and its field is at rest
// (InputMode 0, no walk, blow or effect under way).
std::string CheckMatch(const Game& g);

// The result of reading a save: a fresh match, or why there is none.
struct LoadResult {
    std::unique_ptr<Game> game; // set when the file was a valid save
    SaveSummary summary;
    // In plain Russian, naming no file (the shell names it): what is wrong.
    std::string error;
    bool newerVersion = false; // written by a newer game: the player should update
    // The journal and the log as saved; both empty for a save of an older
    // format. A journal of a match played under other rules is left out
    // (the match loads and its journal begins afresh).
    MatchMemory memory;
    explicit operator bool() const { return game != nullptr; }
};

// Reads a save into a fresh match and checks everything before returning it:
// types, ranges, references between records, sizes, nesting. The live match
// is never touched. Version 1 files and every later version's upgrades come
// through here.
LoadResult ReadSave(std::string_view text);

// Reads only what the list of saves shows. False with `error` set when the
// text is not a save this game can show; a save of a newer format sets
// out.version to that format's version and says so in `error`.
bool ReadSummary(std::string_view text, SaveSummary& out, std::string& error);

// Puts a loaded match in place of the live one: the match value and the
// controls are copied, the moment starts at rest, the live services and the
// timers' handlers stay as they are.
void AdoptMatch(Game& live, const Game& loaded);

} // namespace gh::save
