#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gh::net {

// What machines of a network match say to each other, as bytes. Every
// message is a frame: a 4-byte little-endian length, then that many bytes:
// a type byte and the message's fields (integers little-endian, texts as a
// 4-byte length and UTF-8). The length is checked against the cap before a
// byte of the frame is kept, so a hostile length costs nothing.
//
// No sockets and no clock here: the sessions (net/Session.h) feed bytes in
// and take bytes out, and the shell carries them.

// 1: the first.
inline constexpr std::uint16_t kProtocolVersion = 2;
// A start or a resync carries the whole match as a save's text.
inline constexpr std::uint32_t kMaxFrameBytes = 9u * 1024u * 1024u;
// Anything but a start or resync is far smaller: a peer may send no more.
inline constexpr std::uint32_t kMaxPeerFrameBytes = 16u * 1024u;
inline constexpr std::size_t kMaxNameChars = 32;
inline constexpr std::size_t kMaxChatChars = 200;
inline constexpr std::size_t kMaxJoinCode = 32;
inline constexpr std::uint16_t kDefaultPort = 27183;

enum class MsgType : std::uint8_t {
    Hello = 1,      // peer: who it is and what it runs; first, and only first
    Welcome = 2,    // host: you are in; your id and seat token
    Refuse = 3,     // host: not in, and why (then the host closes)
    Lobby = 4,      // host: the seats as they stand before the start
    Claim = 5,      // peer: this seat, class and name for me
    Start = 6,      // host: the match begins from this save's text
    Propose = 7,    // peer: an order for my side (a record's line)
    Commit = 8,     // host: line `seq` of the match's journal
    Refused = 9,    // host: your proposal `id` was not taken, and why
    Horizon = 10,   // host: every line before tick T is sent; run up to T
    HashReport = 11, // peer: my state hash after line `seq`
    Chat = 12,      // peer: a line of chat; host: a line from someone
    Ping = 13,
    Pong = 14,
    Bye = 15,       // either: leaving (code: kByeLeaving, kByeMatchOver, kByeHostStopped) and why
    Resync = 16,    // host: the match as it stands after line `seq`
    Paused = 17,    // host: waiting for a side's person to come back (tick: ms left)
    Undo = 18,      // peer: take my last walk back (id: answered as a proposal is; then a Resync)
};
inline constexpr MsgType kLastMsgType = MsgType::Undo;

// Why the host refuses a join.
enum class RefuseReason : std::uint8_t {
    Protocol = 1,   // another protocol version
    Version = 2,    // another version of the game or its rules
    JoinCode = 3,   // the join code is wrong
    Full = 4,       // every seat is taken
    Started = 5,    // the match runs and the token names no seat
    Malformed = 6,  // the hello could not be read
};

struct Hello {
    std::uint16_t protocol = kProtocolVersion;
    std::string gameVersion;
    std::uint64_t rules = 0;
    std::uint16_t saveFormat = 0;
    std::uint16_t recordFormat = 0;
    std::string joinCode;
    std::string name;
    std::string token;        // a seat's token when coming back, else ""
    // Coming back: 0 when it holds no match yet, else 1 + the lines of the
    // journal it holds.
    std::uint64_t lastSeq = 0;
    friend bool operator==(const Hello&, const Hello&) = default;
};

struct Welcome {
    std::uint32_t peerId = 0;
    std::string token;
    bool rejoined = false;
    friend bool operator==(const Welcome&, const Welcome&) = default;
};

struct LobbySeat {
    std::int32_t side = 0;     // 1..5
    std::uint32_t owner = 0;   // peer id; 0: the host's person; kNoOwner: open
    bool computer = false;
    std::int32_t level = 0;
    std::int32_t heroClass = 0;
    std::string name;
    friend bool operator==(const LobbySeat&, const LobbySeat&) = default;
};
inline constexpr std::uint32_t kNoOwner = 0xFFFFFFFFu;
// Refused's code for an Undo the host could not carry out (nothing of the
// person's to take back, as «Отменить» would have said greyed); the rules'
// refusals are the codes below it.
inline constexpr std::int32_t kNothingToUndo = 63;
inline constexpr std::int32_t kByeLeaving = 0;
inline constexpr std::int32_t kByeMatchOver = 1;
inline constexpr std::int32_t kByeHostStopped = 2;

struct Message {
    MsgType type = MsgType::Ping;
    Hello hello;                   // Hello
    Welcome welcome;               // Welcome
    RefuseReason reason = RefuseReason::Malformed; // Refuse
    std::vector<LobbySeat> seats;  // Lobby
    LobbySeat claim;               // Claim
    std::uint64_t seq = 0;         // Commit, HashReport, Resync, Start (lines so far)
    std::uint64_t id = 0;          // Propose, Refused, Commit (the proposal it took, or 0);
                                   // Ping/Pong's number
    std::uint64_t tick = 0;        // Horizon, Resync, Start
    std::uint64_t hash = 0;        // HashReport
    std::int32_t code = 0;         // Refused: the rules' refusal; Paused, Welcome: the side; Bye
    std::uint32_t from = 0;        // Chat from the host: whose line; Commit: whose proposal
    std::string text;              // Refuse, Bye, Chat, Commit/Propose (a record's line),
                                   // Start/Resync (a save's text)
    friend bool operator==(const Message&, const Message&) = default;
};

// The frame of a message, length included.
std::string Encode(const Message& m);

// Reads a frame's body (type and fields, no length). False, with `why`,
// for anything short, long, unknown or out of range.
bool Decode(std::string_view body, Message& out, std::string& why);

// Cuts a stream of bytes into frames' bodies. A length over `cap` is an
// error at once: nothing of it is kept or allocated.
class Deframer {
public:
    explicit Deframer(std::uint32_t cap) : cap_(cap) {}
    // Takes bytes in; false once the stream is broken (and from then on).
    bool Feed(std::string_view bytes);
    // The next whole body, if one is in.
    std::optional<std::string> Next();
    bool Broken() const { return !why_.empty(); }
    const std::string& Why() const { return why_; }
    // Bytes held for a frame not yet whole.
    std::size_t Held() const { return buffer_.size(); }

private:
    std::uint32_t cap_;
    std::string buffer_;
    std::deque<std::string> ready_;
    std::string why_;
};

// A name or a chat line as it may travel: valid UTF-8, no control
// characters, at most `chars` characters, trimmed. "" when nothing is left.
std::string CleanText(std::string_view text, std::size_t chars);

} // namespace gh::net
