#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/Order.h"
#include "net/Wire.h"
#include "save/Record.h"
#include "save/SaveFormat.h"
#include "save/Recorder.h"
#include "world/Game.h"

namespace gh::net {

// The two ends of a network match, without sockets or a clock ("sans-IO"):
// the shell (or a test's fake network) hands them the bytes that came and
// the time, and takes from them the bytes to send and the connections to
// close. Every state and every fault is reachable from a test.
//
// Lockstep with the host as the only clock: the host plays the match and
// keeps its journal (save::Recorder); every line of the journal goes to every
// peer as it is written, then the horizon, the tick up to which every line is
// sent. A peer follows the journal with a live replay (save::Replayer): it
// runs the same ticks, gives the persons' orders at their ticks, checks the
// computer's orders and the state hash after every line, and never runs past
// the horizon. A person at a peer proposes an order; the host checks it
// against the side the connection holds (never the side the message names),
// gives it, and the line it writes is the commit.

using ConnId = std::uint32_t;
using Millis = std::int64_t;

struct Limits {
    Millis handshake = 10'000;   // a hello must come within this
    Millis heartbeat = 2'000;    // a ping when nothing was sent for this long
    Millis silence = 15'000;     // a peer heard from not for this long is gone
    // Proposals: a bucket of `proposalBurst` that fills at `proposalsPerSecond`.
    double proposalsPerSecond = 20;
    double proposalBurst = 40;
    double chatsPerSecond = 0.5;
    double chatBurst = 5;
    std::size_t backlog = 8u * 1024u * 1024u; // unsent bytes a peer may leave unread
    Millis away = 120'000;       // the countdown for a person whose connection is lost
};

// What a session asks the carrier to do.
struct Send {
    ConnId conn = 0;
    std::string bytes; // to send, in order
    bool close = false; // then close the connection
    std::string why;    // why it is closed (for the log)
};

// ---- the host -----------------------------------------------------------------

class Host {
public:
    struct Seat {
        std::int32_t side = 0;
        std::uint32_t peer = kNoOwner; // 0: the host's own person
        std::string token;
        std::string name;
        std::map<std::uint64_t, std::int32_t> answered; // proposal id -> 0 taken, else the refusal
        double proposalTokens = 0, chatTokens = 0;
        Millis refilled = 0;
        Millis awaySince = -1; // its connection lost during the match
        // What the person chose for the hero before the start (0, "": as
        // the host set it up).
        std::int32_t heroClass = 0;
        std::string heroName;
    };

    // `g` is the host's match, with `journal` watching it; `version` and
    // `joinCode` as the host was started.
    Host(Game& g, save::Recorder& journal, std::string gameVersion, std::string joinCode, Limits limits,
         std::uint64_t tokenSeed);

    // The carrier's news.
    void Opened(ConnId conn, Millis now);
    void Received(ConnId conn, std::string_view bytes, Millis now);
    void Closed(ConnId conn, Millis now);
    // Bytes sent to `conn` but not yet taken by the other end.
    void Backlog(ConnId conn, std::size_t unsent, Millis now);
    // Timeouts and heartbeats; the journal's new lines and the horizon go out.
    void Poll(Millis now);
    std::vector<Send> Take();

    // The seats: sides handed to peers before the match starts. A peer that
    // joins takes the first open one.
    void OfferSide(std::int32_t side);
    // Sends the match as it stands to every peer: from here on the journal
    // goes out as it is written.
    void Start(Millis now);
    bool Started() const { return started_; }
    // Whether every offered side has its person.
    bool Full() const;
    // The match is over (or the host stops): every peer gets the journal to
    // its end, then a goodbye with `code` (kByeMatchOver, kByeHostStopped).
    void Finish(std::int32_t code, const std::string& why, Millis now);

    // Whether `side` is held by a peer that is not connected now.
    bool Away(std::int32_t side) const;
    // What is left of the countdown for the person of `side`, whose
    // connection was lost during the match (at least 0); -1 when it is not
    // away. While the side whose turn it is is away, every peer is told
    // (Paused) every second.
    Millis AwayLeft(std::int32_t side, Millis now) const;
    // When the countdown has run out, the host may let the computer play the
    // side: its turn under way ends, and from its next turn on the computer
    // plays it (written in the journal: every machine plays it).
    void HandToComputer(std::int32_t side);
    const std::vector<Seat>& Seats() const { return seats_; }
    // Takes the last walk of the person whose turn it is back, as their
    // «Отменить» does at one machine (the program's WalkUndo); false when it
    // cannot. Asked when a peer's person asks for it.
    std::function<bool()> undo;
    // The host's match went back (a walk taken back, here or for a peer):
    // every peer gets the match as it stands now, and the journal from there.
    void TakenBack(Millis now);
    // Whether the host is giving a peer's order (or the end of a lost
    // person's turn) right now: the host's own door lets those through.
    bool Giving() const { return giving_; }
    // A peer's person moved the shared view (the match's ViewX/ViewY): the
    // host's window shows it.
    std::function<void()> viewChanged;
    // What happened: joins, leaves and why a peer was dropped.
    std::vector<std::string> log;
    // Chat lines as shown: "name: text".
    std::vector<std::string> chat;
    // A chat line of the host's own person, to everyone.
    void Say(const std::string& name, const std::string& text, Millis now);

    struct Stats {
        long long committed = 0, refused = 0, duplicates = 0, dropped = 0, resyncs = 0;
    };
    const Stats& Tally() const { return stats_; }

private:
    struct Conn {
        bool joined = false;
        std::size_t seat = 0;
        Millis opened = 0, heard = 0, sent = 0;
        std::unique_ptr<Deframer> in;
        std::uint64_t sentLines = 0; // lines of the journal this connection has
        std::uint64_t horizon = 0;
        bool started = false; // it has the match
        bool resync = false;  // its match differs: the host's goes to it
    };
    void Drop(ConnId conn, const std::string& why);
    void Release(const Conn& c);
    void Out(ConnId conn, const Message& m, Millis now);
    void Handle(ConnId conn, const Message& m, Millis now);
    void Hello(ConnId conn, const Message& m, Millis now);
    void Propose(ConnId conn, const Message& m, Millis now);
    void CatchUp(ConnId conn, Millis now);
    // Fills the seat's buckets for the time gone by and takes one from
    // `bucket` (one of them); false when it is empty.
    bool Spend(Seat& seat, double& bucket, Millis now);
    std::string NewToken();
    // Tells the peers that have no match yet who holds which seat.
    void SendLobby(Millis now);

    Game& g_;
    save::Recorder& journal_;
    std::string version_, code_;
    Limits limits_;
    std::uint64_t tokenState_;
    std::map<ConnId, Conn> conns_;
    std::vector<Seat> seats_;
    std::vector<Send> out_;
    // line seq -> the proposer's peer id and its proposal's id
    std::map<std::uint64_t, std::pair<std::uint32_t, std::uint64_t>> proposalOfLine_;
    bool started_ = false;
    bool giving_ = false;
    Millis lastPaused_ = -1;
    Millis now_ = 0; // the time of the latest news
    Stats stats_;
};

// ---- a peer ---------------------------------------------------------------------

class Peer {
public:
    Peer(std::string gameVersion, std::string name, std::string joinCode, Limits limits);

    // The carrier's news about the one connection to the host. After a
    // close the peer keeps its match and its seat's token: Opened again is
    // a rejoin.
    void Opened(Millis now);
    void Received(std::string_view bytes, Millis now);
    void Closed(Millis now);
    void Poll(Millis now);
    std::vector<std::string> Take();
    bool WantsClose() const { return wantsClose_; }
    // The host said goodbye: the match is over (kByeMatchOver) or the host
    // stopped (kByeHostStopped); -1 before.
    std::int32_t Farewell() const { return farewell_; }

    // Runs the match on as far as the host allows, at most `ticks` steps (a
    // tick or a line each).
    void Run(int ticks, Millis now);

    // An order for the peer's own side; its id. Sent again after a rejoin
    // until the host answers it.
    std::uint64_t Propose(const Order& order, Millis now, std::vector<BoxAnswer> answers = {});
    void SendChat(const std::string& text, Millis now);
    // On this person's turn: asks the host to take their last walk back;
    // its id (answered as a proposal is).
    std::uint64_t ProposeUndo(Millis now);
    // Before the start: asks the host for the seat of `side` (its own, or
    // an open one) with the hero's class and name the person chose (0, "":
    // as the host set them up).
    void Claim(std::int32_t side, std::int32_t heroClass, const std::string& heroName, Millis now);
    // The person whose turn it is moved the view: the host is asked to move
    // the match's (every machine's) view there; its id, 0 without a match.
    std::uint64_t ProposeView(float x, float y, Millis now);

    // Follows the host's match on `live` (the program's own match, on
    // screen) instead of a match of its own: each Start or Resync replaces
    // what `live` holds, and the replay hands the boxes it does not answer
    // from the journal to `outer`. Set before joining; Follow(nullptr,
    // nullptr) gives the live match back, as it stands, for good.
    void Follow(Game* live, Shell* outer);
    // After a Start or Resync has put the host's match in place (the save
    // it came as, for its log).
    std::function<void(const save::LoadResult&)> adopted;
    // An order a person at this machine gives: see OrderWatcher::Diverted.
    std::function<std::optional<gh::Refusal>(Game&, const Order&)> divert;
    // Why the host refused this peer (valid when Refused()).
    RefuseReason RefusedFor() const { return refuseReason_; }
    // The seats as the host last told them (before the start; they stay so).
    std::vector<LobbySeat> seats;

    bool Joined() const { return joined_; }
    bool Refused() const { return !refusal_.empty(); }
    const std::string& Refusal() const { return refusal_; }
    std::uint32_t Id() const { return id_; }
    std::int32_t Side() const { return side_; }
    // The match as this machine has it, once started.
    Game* Match() { return replay_ ? &replay_->Match() : nullptr; }
    const Game* Match() const { return replay_ ? &replay_->Match() : nullptr; }
    const save::Replayer* Replay() const { return replay_.get(); }
    // Lines of the host's journal received; and played.
    std::uint64_t Lines() const { return lines_; }
    // The first difference from the host's match, if any.
    bool Desynced() const { return replay_ && replay_->Failed(); }
    std::string DesyncWhy() const { return replay_ ? replay_->Error() : std::string(); }
    // Proposals sent and not yet answered; answers as they came (id -> 0
    // taken, else the refusal).
    const std::map<std::uint64_t, save::RecordLine>& Pending() const { return pending_; }
    std::map<std::uint64_t, std::int32_t> answers;
    std::vector<std::string> chat;
    // The side whose person the match waits for (0: none) and what the
    // host's countdown had left when it last said so.
    std::int32_t pausedSide = 0;
    Millis pausedLeft = 0;
    long long duplicates = 0; // lines that came twice (after a rejoin) and were let go
    long long doubleTaken = 0; // proposals the host took twice (never, if it keeps its word)
    // Differences from the host's match found, and what each was.
    long long desyncs = 0;
    std::vector<std::string> desyncNotes;
    static constexpr std::uint64_t kReportEvery = 64;

private:
    void Out(const Message& m, Millis now);
    void Handle(const Message& m, Millis now);
    void Broken(const std::string& why);
    // Keeps a proposal until the host answers it, and sends it when joined.
    std::uint64_t Pend(std::uint64_t id, save::RecordLine line, Millis now);
    void SendProposal(std::uint64_t id, const save::RecordLine& line, Millis now);

    std::string version_, name_, code_;
    Limits limits_;
    std::unique_ptr<Deframer> in_;
    std::vector<std::string> out_;
    bool connected_ = false, joined_ = false, wantsClose_ = false;
    std::int32_t farewell_ = -1;
    std::string refusal_;
    RefuseReason refuseReason_ = RefuseReason::Malformed;
    Game* live_ = nullptr;
    Shell* outer_ = nullptr;
    std::string token_;
    std::uint32_t id_ = 0;
    std::int32_t side_ = 0;
    std::unique_ptr<save::Replayer> replay_;
    std::uint64_t lines_ = 0, base_ = 0, reported_ = 0;
    bool told_ = false;
    std::uint64_t nextId_ = 1;
    std::map<std::uint64_t, save::RecordLine> pending_;
    std::set<std::uint64_t> undos_; // asked, not answered (never sent again)
    Millis heard_ = 0, sent_ = 0;
};

} // namespace gh::net
