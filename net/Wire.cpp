#include "net/Wire.h"

#include <algorithm>

namespace gh::net {

namespace {

constexpr std::size_t kMaxSeats = 5;

class Writer {
public:
    void U8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v) { Bytes(v, 2); }
    void U32(std::uint32_t v) { Bytes(v, 4); }
    void U64(std::uint64_t v) { Bytes(v, 8); }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void Text(std::string_view s)
    {
        U32(static_cast<std::uint32_t>(s.size()));
        out_.append(s);
    }
    std::string Framed() const
    {
        Writer w;
        w.U32(static_cast<std::uint32_t>(out_.size()));
        return w.out_ + out_;
    }

private:
    void Bytes(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    // A little-endian integer of its own width.
    template <class T> bool Int(T& v)
    {
        std::uint64_t x = 0;
        if (!Bytes(x, sizeof(T)))
            return false;
        v = static_cast<T>(x);
        return true;
    }
    bool U8(std::uint8_t& v) { return Int(v); }
    bool U16(std::uint16_t& v) { return Int(v); }
    bool U32(std::uint32_t& v) { return Int(v); }
    bool U64(std::uint64_t& v) { return Int(v); }
    bool I32(std::int32_t& v)
    {
        std::uint32_t x = 0;
        if (!U32(x))
            return false;
        v = static_cast<std::int32_t>(x);
        return true;
    }
    bool Bool(bool& v)
    {
        std::uint8_t x = 0;
        if (!U8(x) || x > 1)
            return false;
        v = x == 1;
        return true;
    }
    // A text of at most `cap` bytes; the length is checked against what is
    // left before anything is copied.
    bool Text(std::string& s, std::size_t cap)
    {
        std::uint32_t n = 0;
        if (!U32(n) || n > cap || n > in_.size() - at_)
            return false;
        s.assign(in_.substr(at_, n));
        at_ += n;
        return true;
    }
    bool Done() const { return at_ == in_.size(); }

private:
    bool Bytes(std::uint64_t& v, std::size_t n)
    {
        if (in_.size() - at_ < n)
            return false;
        v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in_[at_ + i])) << (8 * i);
        at_ += n;
        return true;
    }
    std::string_view in_;
    std::size_t at_ = 0;
};

// Lines of a record are short; a save's text is at most a match's bytes.
constexpr std::size_t kMaxLine = 4096;
constexpr std::size_t kMaxState = kMaxFrameBytes - 64;
constexpr std::size_t kMaxVersionText = 64;
constexpr std::size_t kMaxToken = 64;
constexpr std::size_t kMaxReason = 512;

void WriteSeat(Writer& w, const LobbySeat& s)
{
    w.I32(s.side);
    w.U32(s.owner);
    w.U8(s.computer ? 1 : 0);
    w.I32(s.level);
    w.I32(s.heroClass);
    w.Text(s.name);
}

bool ReadSeat(Reader& r, LobbySeat& s)
{
    return r.I32(s.side) && s.side >= 1 && s.side <= static_cast<std::int32_t>(kMaxSeats) && r.U32(s.owner) &&
           r.Bool(s.computer) && r.I32(s.level) && s.level >= 0 && s.level <= 16 && r.I32(s.heroClass) &&
           s.heroClass >= 0 && s.heroClass <= 64 && r.Text(s.name, kMaxNameChars * 4);
}

} // namespace

std::string Encode(const Message& m)
{
    Writer w;
    w.U8(static_cast<std::uint8_t>(m.type));
    switch (m.type) {
    case MsgType::Hello:
        w.U16(m.hello.protocol);
        w.Text(m.hello.gameVersion);
        w.U64(m.hello.rules);
        w.U16(m.hello.saveFormat);
        w.U16(m.hello.recordFormat);
        w.Text(m.hello.joinCode);
        w.Text(m.hello.name);
        w.Text(m.hello.token);
        w.U64(m.hello.lastSeq);
        break;
    case MsgType::Welcome:
        w.U32(m.welcome.peerId);
        w.Text(m.welcome.token);
        w.U8(m.welcome.rejoined ? 1 : 0);
        w.I32(m.code);
        break;
    case MsgType::Refuse:
        w.U8(static_cast<std::uint8_t>(m.reason));
        w.Text(m.text);
        break;
    case MsgType::Lobby:
        w.U8(static_cast<std::uint8_t>(m.seats.size()));
        for (const LobbySeat& s : m.seats)
            WriteSeat(w, s);
        break;
    case MsgType::Claim: WriteSeat(w, m.claim); break;
    case MsgType::Start:
    case MsgType::Resync:
        w.U64(m.seq);
        w.U64(m.tick);
        w.Text(m.text);
        break;
    case MsgType::Propose:
        w.U64(m.id);
        w.Text(m.text);
        break;
    case MsgType::Commit:
        w.U64(m.seq);
        w.U32(m.from);
        w.U64(m.id);
        w.Text(m.text);
        break;
    case MsgType::Refused:
        w.U64(m.id);
        w.I32(m.code);
        break;
    case MsgType::Horizon: w.U64(m.tick); break;
    case MsgType::HashReport:
        w.U64(m.seq);
        w.U64(m.hash);
        break;
    case MsgType::Chat:
        w.U32(m.from);
        w.Text(m.text);
        break;
    case MsgType::Ping:
    case MsgType::Pong:
    case MsgType::Undo: w.U64(m.id); break;
    case MsgType::Bye:
        w.I32(m.code);
        w.Text(m.text);
        break;
    case MsgType::Paused:
        w.I32(m.code);
        w.U64(m.tick);
        break;
    }
    return w.Framed();
}

bool Decode(std::string_view body, Message& out, std::string& why)
{
    Reader r(body);
    std::uint8_t type = 0;
    if (!r.U8(type) || type < 1 || type > static_cast<std::uint8_t>(kLastMsgType)) {
        why = "unknown message type";
        return false;
    }
    Message m;
    m.type = static_cast<MsgType>(type);
    bool ok = false;
    switch (m.type) {
    case MsgType::Hello:
        ok = r.U16(m.hello.protocol) && r.Text(m.hello.gameVersion, kMaxVersionText) && r.U64(m.hello.rules) &&
             r.U16(m.hello.saveFormat) && r.U16(m.hello.recordFormat) && r.Text(m.hello.joinCode, kMaxJoinCode) &&
             r.Text(m.hello.name, kMaxNameChars * 4) && r.Text(m.hello.token, kMaxToken) && r.U64(m.hello.lastSeq);
        break;
    case MsgType::Welcome:
        ok = r.U32(m.welcome.peerId) && r.Text(m.welcome.token, kMaxToken) && r.Bool(m.welcome.rejoined) &&
             r.I32(m.code) && m.code >= 0 && m.code <= 5;
        break;
    case MsgType::Refuse: {
        std::uint8_t reason = 0;
        ok = r.U8(reason) && reason >= 1 && reason <= static_cast<std::uint8_t>(RefuseReason::Malformed) &&
             r.Text(m.text, kMaxReason);
        m.reason = static_cast<RefuseReason>(reason);
        break;
    }
    case MsgType::Lobby: {
        std::uint8_t n = 0;
        ok = r.U8(n) && n <= kMaxSeats;
        for (std::uint8_t i = 0; ok && i < n; ++i) {
            m.seats.emplace_back();
            ok = ReadSeat(r, m.seats.back());
        }
        break;
    }
    case MsgType::Claim: ok = ReadSeat(r, m.claim); break;
    case MsgType::Start:
    case MsgType::Resync: ok = r.U64(m.seq) && r.U64(m.tick) && r.Text(m.text, kMaxState); break;
    case MsgType::Propose: ok = r.U64(m.id) && r.Text(m.text, kMaxLine); break;
    case MsgType::Commit: ok = r.U64(m.seq) && r.U32(m.from) && r.U64(m.id) && r.Text(m.text, kMaxLine); break;
    case MsgType::Refused: ok = r.U64(m.id) && r.I32(m.code) && m.code >= 0 && m.code < 64; break;
    case MsgType::Horizon: ok = r.U64(m.tick); break;
    case MsgType::HashReport: ok = r.U64(m.seq) && r.U64(m.hash); break;
    case MsgType::Chat: ok = r.U32(m.from) && r.Text(m.text, kMaxChatChars * 4); break;
    case MsgType::Ping:
    case MsgType::Pong:
    case MsgType::Undo: ok = r.U64(m.id); break;
    case MsgType::Bye: ok = r.I32(m.code) && m.code >= 0 && m.code <= 2 && r.Text(m.text, kMaxReason); break;
    case MsgType::Paused: ok = r.I32(m.code) && m.code >= 0 && m.code <= 5 && r.U64(m.tick); break;
    }
    if (!ok) {
        why = "a damaged or oversized field";
        return false;
    }
    if (!r.Done()) {
        why = "bytes after the last field";
        return false;
    }
    out = std::move(m);
    return true;
}

bool Deframer::Feed(std::string_view bytes)
{
    if (Broken())
        return false;
    buffer_.append(bytes);
    for (;;) {
        if (buffer_.size() < 4)
            return true;
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<std::uint32_t>(static_cast<unsigned char>(buffer_[static_cast<std::size_t>(i)]))
                 << (8 * i);
        if (n == 0 || n > cap_) {
            why_ = "a frame of " + std::to_string(n) + " bytes (at most " + std::to_string(cap_) + ")";
            buffer_.clear();
            buffer_.shrink_to_fit();
            ready_.clear();
            return false;
        }
        if (buffer_.size() - 4 < n)
            return true;
        ready_.push_back(buffer_.substr(4, n));
        buffer_.erase(0, 4 + static_cast<std::size_t>(n));
    }
}

std::optional<std::string> Deframer::Next()
{
    if (ready_.empty())
        return std::nullopt;
    std::string body = std::move(ready_.front());
    ready_.pop_front();
    return body;
}

std::string CleanText(std::string_view text, std::size_t chars)
{
    std::string out;
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size() && count < chars) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > text.size()) {
            ++i; // not UTF-8: dropped
            continue;
        }
        std::uint32_t cp = len == 1 ? c : c & (0x7F >> len);
        bool valid = true;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc >> 6) != 0x2) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        const bool overlong = (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
        if (!valid || overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            ++i;
            continue;
        }
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x2028 || cp == 0x2029 ||
                             (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
        if (control)
            out.push_back(' ');
        else
            out.append(text.substr(i, len));
        ++count;
        i += len;
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = out.find_last_not_of(' ');
    return out.substr(first, last - first + 1);
}

} // namespace gh::net
