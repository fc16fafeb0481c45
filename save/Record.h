#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Order.h"
#include "platform/Scheduler.h"
#include "platform/Shell.h"
#include "save/SaveFormat.h"
#include "world/Game.h"

namespace gh::save {

// A record of a match: UTF-8 JSON Lines. The first line is the header (the
// format's name and version, the game's version, the rules' fingerprint, the
// match's id and the match as it stood when the journal began, as a save
// holds it); then one line per order and per change the windows made between
// two ticks, each with the state hash after it; a finished match ends with a
// closing line (its result and the final hash). docs/replays.md has the rest.
inline constexpr std::string_view kRecordFormatName = "grimhollow-record";
// 1: the first.
// 2: the casting dialog's pick of a page is an order ("pick"): a creature's
//    page draws from the match's generator as it is picked.
inline constexpr int kRecordFormatVersion = 2;
inline constexpr std::string_view kRecordExtension = ".ghrec";
// Larger files are refused before anything is parsed.
inline constexpr std::size_t kMaxRecordBytes = 64u * 1024u * 1024u;
// The header holds the starting save (a match without a journal, escaped as
// a JSON text); any other line is far shorter.
inline constexpr std::size_t kMaxHeaderBytes = 2 * kMaxMatchBytes + 4096;
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr std::size_t kMaxRecordLines = 2'000'000;
// A box answered within one order (a summon asks whether to call a creature
// it could not lead): more is a damaged file.
inline constexpr std::size_t kMaxAnswers = 8;

// What the windows write into the shared state between two ticks (world/
// Game.h lists them), with the view that the rules read to place things.
struct SeatInputs {
    float ViewX = 0;
    float ViewY = 0;
    std::int32_t Target = 0;
    float TargetCellX = 0;
    float TargetCellY = 0;
    std::int32_t Selected = 0;
    std::int16_t ChosenSlot = 0;
    std::int32_t CastChance = 0;
    std::int32_t CastMana = 0;
    SpellRecord CurrentSpell;
    std::int32_t AnimSpeed = 0;
    std::array<std::int32_t, kHeroes + 1> ComputerLevel{};
    std::array<bool, kHeroes + 1> HeroIsHuman{}; // a side handed to a person or back
    Scheduler::State timers;
    friend bool operator==(const SeatInputs&, const SeatInputs&) = default;
};
SeatInputs SeatInputsOf(const Game& g);
void ApplySeatInputs(Game& g, const SeatInputs& s);

struct RecordLine {
    enum class Kind { Order, Seat };
    Kind kind = Kind::Order;
    std::uint64_t tick = 0; // the virtual clock's ticks when it was given
    std::int32_t side = 0;  // whose turn it was (ActiveHero)
    // Given from outside a tick (a person, a dialog, a key): a replay gives
    // it at its tick. An order given within a tick (a computer player's) is
    // not given by a replay but comes again from the ticks and is checked.
    bool input = true;
    Order order;                    // Kind::Order
    std::vector<BoxAnswer> answers; // questions the order asked, as answered
    SeatInputs seat;                // Kind::Seat
    std::uint64_t hash = 0;         // the state hash after the line
    friend bool operator==(const RecordLine& a, const RecordLine& b);
};

struct RecordHeader {
    int version = kRecordFormatVersion;
    std::string gameVersion;
    std::uint64_t rules = 0;
    std::string matchId;
    std::string recordedAt; // local time, ISO 8601, when the record was written
    std::string start;      // the match as the journal began, a save's text
};

struct RecordEnd {
    std::uint64_t tick = 0;
    bool running = false; // the match was left unfinished
    std::int32_t day = 0;
    std::int32_t winner = -1; // the winning side, 0 the neutral one; -1 none
    std::uint64_t hash = 0;
};

struct Record {
    RecordHeader header;
    std::vector<RecordLine> lines;
    bool closed = false; // the closing line is there
    RecordEnd end;
};

// The text of a record (a journal so far has no closing line).
std::string WriteRecord(const Record& r);
// The header line and each order line, one at a time (no line break).
std::string HeaderLine(const RecordHeader& h);
std::string OrderLine(const RecordLine& line, std::size_t seq);

struct RecordReadResult {
    Record record;
    // The starting match, read and checked as a save is, and its summary.
    std::unique_ptr<Game> start;
    SaveSummary summary;
    std::string error; // plain Russian, naming no file
    bool newerVersion = false;
    bool otherRules = false; // played under rules other than these
    explicit operator bool() const { return start != nullptr; }
};

// Reads a record: limits on size first, then the header (nothing else is
// looked at until it is valid), then every line, every field checked.
// `requireEnd` refuses a record without its closing line (a record file
// always has one; a save's journal never).
RecordReadResult ReadRecord(std::string_view text, bool requireEnd);

// Reads one order line as OrderLine wrote it (line `seq`, 0-based), every
// field checked as ReadRecord checks it: "" or why it is refused.
std::string ReadOrderLineText(std::string_view text, std::size_t seq, RecordLine& line);

// The result of a finished match: the side the turn cycle crowned (LoopJ).
std::int32_t WinnerOf(const Game& g);

} // namespace gh::save
