#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Order.h"
#include "save/Record.h"

namespace gh::save {

class WalkUndo;

// The match's journal: watches every order through the door and every tick
// of the clock, and writes down each order with the tick it was given at,
// its side and the state hash after it. A change the windows made to the
// shared state between two ticks (world/Game.h lists what they may write) is
// written down as a line of its own before the next tick or order.
//
// The idle animation draws a number for every living unit on its step, so
// the ticks between two orders matter as much as the orders: the journal's
// ticks are the virtual clock's, which a replay runs the same.
class Recorder final : public OrderWatcher {
public:
    Recorder();
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Begins a journal of g as it stands now (a match just set up, or one just
    // loaded from a save without a journal) and watches g from here on.
    void Begin(Game& g, std::string gameVersion, std::string matchId);
    // Goes on with a journal read with its save; `journal` ends where g stands.
    void Continue(Game& g, Record journal);
    // Stops watching; the journal stays as it is.
    void Detach();
    bool Attached() const { return g_ != nullptr; }

    // The journal so far, without a closing line.
    const Record& Journal() const { return record_; }
    // Writes down what the windows changed since the last tick or order, so
    // that the journal ends exactly where the match stands (before a save of
    // the match, before a closing line).
    void Sync();
    // The journal with its closing line: the match as it stands now.
    Record Closed();

    // Cuts the journal back to its first `lines` lines, with g standing as
    // it stood after them: a walk taken back (save/Undo.h) was never given.
    void TakeBack(std::size_t lines, const Game& g);

    // Told of every order after the journal and of the journal's beginning
    // and end: the undo of walks, which keeps the journal's length with each.
    WalkUndo* undo = nullptr;

    // In a network match, the host's: keeps this machine's person from
    // ordering a side played at another machine (see OrderWatcher::Diverted).
    std::function<std::optional<Refusal>(const Game&, const Order&)> gate;

    void Giving(Game& g, const Order& order) override;
    void Given(Game& g, const Order& order, Refusal why) override;
    std::optional<Refusal> Diverted(Game& g, const Order& order) override;

private:
    class AnswerTap;
    void TickEdge(bool starting);

    Game* g_ = nullptr;
    Record record_;
    SeatInputs last_;
    int depth_ = 0;
    Shell* outerShell_ = nullptr;
    std::vector<BoxAnswer> answers_;
    std::unique_ptr<AnswerTap> tap_;
    std::int32_t side_ = 0;
    std::uint64_t tick_ = 0;
    bool input_ = false;
};

// Plays a record again on a fresh match: the ticks run as they ran, an input
// line is given at its tick, an order the ticks give is checked against its
// line, and the state hash after every line is compared. It stops at the
// first difference with a message, never going on with a match that differs.
class Replayer final : public OrderWatcher {
public:
    // `record` and `start` as ReadRecord gives them. The replay owns its match.
    Replayer(Record record, const Game& start);
    // On a match that the caller owns and shows (a network match followed
    // on this machine's battlefield): while the replay lives it is the
    // match's door and its shell, and gives the shell's calls other than the
    // questions it answers from the record to `outer` (which may be null).
    // The match's own door and shell come back when the replay goes.
    Replayer(Record record, Game& live, Shell* outer);
    ~Replayer() override;
    Replayer(const Replayer&) = delete;
    Replayer& operator=(const Replayer&) = delete;

    Game& Match() { return *g_; }
    const Game& Match() const { return *g_; }
    const Record& Played() const { return record_; }
    // Lines played so far (0..lines), and whether the closing line was reached.
    std::size_t Done() const { return done_; }
    bool AtEnd() const { return atEnd_; }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }

    // Plays on until `lines` lines are done (at most the record's). False on a
    // difference; Error says what.
    bool PlayTo(std::size_t lines);
    // One tick of the clock at most, as a viewer plays at a chosen speed; the
    // line due now is given first. False on a difference.
    bool Step();
    // Plays every line and on to the closing line's tick, comparing the final
    // hash. False on a difference.
    bool PlayToEnd();

    // Live: the record grows while it is played (a network match follows
    // the host's journal as it is written). Lines are added at its end, the
    // clock runs no further than the horizon (every line before that tick
    // is in), and running out of lines is no end of the record.
    void GoLive(std::uint64_t horizon);
    void Append(RecordLine line);
    void SetHorizon(std::uint64_t tick) { horizon_ = std::max(horizon_, tick); }
    std::uint64_t Horizon() const { return horizon_; }
    // Live, every line played and the clock at the horizon: nothing to do
    // until more comes.
    bool Waiting() const;

    // A copy of the replay as it stands, to go back to (keyframes).
    struct Mark;
    std::unique_ptr<Mark> Keep() const;
    void Restore(const Mark& mark);

    // Points a match (the replay's, or one it went back to) at the watcher's
    // own services: the viewer hangs its log and its canvas here.
    std::function<void(Game&)> bind;
    // Asked of an order given from outside the replay (a person at this
    // machine, in a network match): see OrderWatcher::Diverted. Without it
    // such an order goes into the match, and the match no longer follows
    // the record.
    std::function<std::optional<Refusal>(Game&, const Order&)> divert;

    void Giving(Game& g, const Order& order) override;
    void Given(Game& g, const Order& order, Refusal why) override;
    std::optional<Refusal> Diverted(Game& g, const Order& order) override;

private:
    class AnswerPlayer;
    bool Fail(std::string why);
    bool GiveLine(const RecordLine& line);
    bool StepOnce();
    void Bind();

    Record record_;
    std::unique_ptr<Game> owned_;
    Game* g_ = nullptr;
    std::unique_ptr<AnswerPlayer> shell_;
    // A live match's own door and shell, given back at the end.
    OrderWatcher* liveOrders_ = nullptr;
    Shell* liveShell_ = nullptr;
    bool stepping_ = false;
    std::size_t done_ = 0;
    bool atEnd_ = false;
    int depth_ = 0;
    bool givingInput_ = false;
    std::string error_;
    std::int32_t side_ = 0;
    bool live_ = false;
    std::uint64_t horizon_ = 0;
};

struct Replayer::Mark {
    explicit Mark(const Game& g) : game(g) {}
    Game game;
    std::size_t done = 0;
    bool atEnd = false;
};

} // namespace gh::save
