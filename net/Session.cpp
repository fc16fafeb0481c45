#include "net/Session.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "save/SaveFormat.h"
#include "save/StateHash.h"
// Up a layer, on purpose: a match goes to a peer only when it can be saved
// whole, and that rule (nothing walking, striking or waiting) lives with the
// saving windows; it is rules-core code with no Qt.
#include "windows/SaveState.h"

namespace gh::net {

namespace {

// Answers the questions a peer's order asks as the peer answered them, and
// shows nothing on the host's screen.
class ProposalShell final : public Shell {
public:
    explicit ProposalShell(const std::vector<BoxAnswer>& answers) : answers_(answers) {}
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        if (box.buttons != BoxButtons::YesNo)
            return BoxAnswer::Ok;
        return next_ < answers_.size() ? answers_[next_++] : BoxAnswer::No;
    }

private:
    const std::vector<BoxAnswer>& answers_;
    std::size_t next_ = 0;
};

std::string MatchText(const Game& g, const std::string& version)
{
    return save::WriteSave(g, save::SummaryOf(g, "network", false, "", version));
}

void Refill(double& tokens, double perSecond, double burst, Millis elapsed)
{
    tokens = std::min(burst, tokens + perSecond * static_cast<double>(std::max<Millis>(0, elapsed)) / 1000.0);
}

} // namespace

// ---- the host -------------------------------------------------------------------

Host::Host(Game& g, save::Recorder& journal, std::string gameVersion, std::string joinCode, Limits limits,
           std::uint64_t tokenSeed)
    : g_(g), journal_(journal), version_(std::move(gameVersion)), code_(std::move(joinCode)), limits_(limits),
      tokenState_(tokenSeed | 1)
{
}

std::string Host::NewToken()
{
    // xorshift64*: the carrier seeds it from the system's randomness.
    std::string t;
    for (int part = 0; part < 2; ++part) {
        tokenState_ ^= tokenState_ >> 12;
        tokenState_ ^= tokenState_ << 25;
        tokenState_ ^= tokenState_ >> 27;
        char buf[17];
        std::snprintf(buf, sizeof buf, "%016llx",
                      static_cast<unsigned long long>(tokenState_ * 2685821657736338717ULL));
        t += buf;
    }
    return t;
}

void Host::OfferSide(std::int32_t side)
{
    for (const Seat& s : seats_)
        if (s.side == side)
            return;
    Seat s;
    s.side = side;
    s.proposalTokens = limits_.proposalBurst;
    s.chatTokens = limits_.chatBurst;
    seats_.push_back(std::move(s));
}

bool Host::Away(std::int32_t side) const
{
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].side != side || seats_[i].peer == kNoOwner)
            continue;
        for (const auto& [id, c] : conns_)
            if (c.joined && c.seat == i)
                return false;
        return true;
    }
    return false;
}

void Host::Opened(ConnId conn, Millis now)
{
    now_ = now;
    Conn c;
    c.opened = c.heard = c.sent = now;
    c.in = std::make_unique<Deframer>(kMaxPeerFrameBytes);
    conns_[conn] = std::move(c);
}

void Host::Closed(ConnId conn, Millis now)
{
    now_ = now;
    auto it = conns_.find(conn);
    if (it == conns_.end())
        return;
    if (it->second.joined)
        log.push_back("left: " + seats_[it->second.seat].name + " (side " +
                      std::to_string(seats_[it->second.seat].side) + ")");
    Release(it->second);
    conns_.erase(it);
}

Millis Host::AwayLeft(std::int32_t side, Millis now) const
{
    for (const Seat& s : seats_)
        if (s.side == side && s.awaySince >= 0 && Away(side))
            return std::max<Millis>(0, limits_.away - (now - s.awaySince));
    return -1;
}

void Host::HandToComputer(std::int32_t side)
{
    if (side < 1 || side > kHeroes)
        return;
    // The turn under way ends as its person would end it; from its next
    // turn on the computer plays the side. Both are in the journal: the end
    // of the turn as an order, the hand-over as a change of the seat.
    if (g_.ActiveHero == side && CheckOrder(g_, {OrderKind::EndTurn}) == Refusal::None) {
        giving_ = true;
        GiveOrder(g_, {OrderKind::EndTurn});
        giving_ = false;
    }
    g_.HeroIsHuman[static_cast<std::size_t>(side)] = false;
    for (Seat& s : seats_)
        if (s.side == side) {
            s.awaySince = -1;
            log.push_back("the computer plays side " + std::to_string(side) + " (" + s.name + ")");
        }
}

void Host::Release(const Conn& c)
{
    // During the match the seat waits for its person, the countdown running.
    if (started_ && c.joined && seats_[c.seat].awaySince < 0)
        seats_[c.seat].awaySince = now_;
    // Before the start nothing is lost: the seat is open again, and whoever
    // comes (the same person included) takes it afresh.
    if (!started_ && c.joined) {
        seats_[c.seat].peer = kNoOwner;
        seats_[c.seat].token.clear();
        seats_[c.seat].answered.clear();
    }
}

void Host::Drop(ConnId conn, const std::string& why)
{
    auto it = conns_.find(conn);
    if (it == conns_.end())
        return;
    const std::string who = it->second.joined ? seats_[it->second.seat].name : "connection " + std::to_string(conn);
    log.push_back("dropped " + who + ": " + why);
    ++stats_.dropped;
    out_.push_back({conn, {}, true, why});
    Release(it->second);
    conns_.erase(it);
    SendLobby(now_);
}

void Host::Say(const std::string& name, const std::string& text, Millis now)
{
    const std::string clean = CleanText(text, kMaxChatChars);
    if (clean.empty())
        return;
    Message out;
    out.type = MsgType::Chat;
    out.from = 0;
    out.text = CleanText(name, kMaxNameChars) + ": " + clean;
    chat.push_back(out.text);
    for (const auto& [id, other] : conns_)
        if (other.joined)
            Out(id, out, now);
}

void Host::SendLobby(Millis now)
{
    if (started_)
        return;
    Message l;
    l.type = MsgType::Lobby;
    for (const Seat& s : seats_) {
        LobbySeat ls;
        ls.side = s.side;
        ls.owner = s.peer;
        ls.name = s.peer == kNoOwner ? std::string() : s.name;
        l.seats.push_back(std::move(ls));
    }
    for (const auto& [id, c] : conns_)
        if (c.joined && !c.started)
            Out(id, l, now);
}

void Host::Out(ConnId conn, const Message& m, Millis now)
{
    auto it = conns_.find(conn);
    if (it == conns_.end())
        return;
    it->second.sent = now;
    if (!out_.empty() && out_.back().conn == conn && !out_.back().close)
        out_.back().bytes += Encode(m);
    else
        out_.push_back({conn, Encode(m), false, {}});
}

std::vector<Send> Host::Take()
{
    return std::exchange(out_, {});
}

void Host::Backlog(ConnId conn, std::size_t unsent, Millis now)
{
    now_ = now;
    if (unsent > limits_.backlog)
        Drop(conn, "does not read (" + std::to_string(unsent) + " bytes waiting)");
}

void Host::Received(ConnId conn, std::string_view bytes, Millis now)
{
    now_ = now;
    auto it = conns_.find(conn);
    if (it == conns_.end())
        return;
    Conn& c = it->second;
    c.heard = now;
    if (!c.in->Feed(bytes)) {
        Drop(conn, c.in->Why());
        return;
    }
    while (conns_.count(conn)) {
        std::optional<std::string> body = conns_[conn].in->Next();
        if (!body)
            break;
        Message m;
        std::string why;
        if (!Decode(*body, m, why)) {
            Drop(conn, "malformed message: " + why);
            return;
        }
        Handle(conn, m, now);
    }
}

void Host::Handle(ConnId conn, const Message& m, Millis now)
{
    Conn& c = conns_[conn];
    if (!c.joined) {
        if (m.type != MsgType::Hello) {
            Drop(conn, "a message before the hello");
            return;
        }
        Hello(conn, m, now);
        return;
    }
    Seat& seat = seats_[c.seat];
    switch (m.type) {
    case MsgType::Claim: {
        if (!Spend(seat, seat.proposalTokens, now)) {
            Drop(conn, "a flood of claims");
            return;
        }
        if (started_)
            return; // the seats are fixed once the match runs
        for (std::size_t i = 0; i < seats_.size() && m.claim.side != seat.side; ++i) {
            Seat& open = seats_[i];
            if (open.side != m.claim.side || open.peer != kNoOwner)
                continue;
            // The person moves to the open seat with everything of theirs.
            const std::int32_t side = open.side;
            open = seat;
            open.side = side;
            Seat& left = seats_[c.seat];
            const std::int32_t leftSide = left.side;
            left = Seat{};
            left.side = leftSide;
            left.proposalTokens = limits_.proposalBurst;
            left.chatTokens = limits_.chatBurst;
            c.seat = i;
            log.push_back("moved: " + open.name + " (side " + std::to_string(side) + ")");
            break;
        }
        // The hero as the person would have them, on the seat they hold now.
        if (Seat& held = seats_[c.seat]; held.side == m.claim.side) {
            held.heroClass = m.claim.heroClass;
            held.heroName = CleanText(m.claim.name, kMaxNameChars);
        }
        SendLobby(now);
        return;
    }
    case MsgType::Propose:
        if (!started_) {
            Drop(conn, "an order before the match");
            return;
        }
        Propose(conn, m, now);
        return;
    case MsgType::Undo: {
        if (!started_) {
            Drop(conn, "an undo before the match");
            return;
        }
        if (!Spend(seat, seat.proposalTokens, now)) {
            Drop(conn, "a flood of orders");
            return;
        }
        Message r;
        r.type = MsgType::Refused;
        r.id = m.id;
        // Only the person whose turn it is takes a walk back, and only one
        // the rules would let them take back at one machine.
        const bool theirs = g_.ActiveHero == seat.side && g_.HeroIsHuman[static_cast<std::size_t>(seat.side)];
        r.code = !theirs ? static_cast<std::int32_t>(Refusal::NotTheirTurn) : (undo && undo()) ? 0 : kNothingToUndo;
        Out(conn, r, now);
        if (r.code == 0)
            TakenBack(now);
        return;
    }
    case MsgType::HashReport: {
        if (!started_ || !c.started) {
            Drop(conn, "a hash before the match");
            return;
        }
        const auto& lines = journal_.Journal().lines;
        if (m.seq > lines.size())
            return; // a line the host has not written (or has taken back): nothing to compare
        // Line 0 is the peer saying it differs before any line it could name.
        if (m.seq == 0 || lines[m.seq - 1].hash != m.hash) {
            // A match is large: asking for it costs as an order does.
            if (!Spend(seat, seat.proposalTokens, now)) {
                Drop(conn, "a flood of requests for the match");
                return;
            }
            // The peer's match differs: it gets the host's as it stands.
            log.push_back("desync: " + seat.name + " after line " + std::to_string(m.seq));
            ++stats_.resyncs;
            // It gets the host's match as soon as the match can be written
            // down whole (nothing under way); until then it waits.
            c.started = false;
            c.resync = true;
            CatchUp(conn, now);
        }
        return;
    }
    case MsgType::Chat: {
        if (!Spend(seat, seat.chatTokens, now)) {
            Drop(conn, "too much chat");
            return;
        }
        const std::string text = CleanText(m.text, kMaxChatChars);
        if (text.empty())
            return;
        Message out;
        out.type = MsgType::Chat;
        out.from = seat.peer;
        out.text = seat.name + ": " + text;
        chat.push_back(out.text);
        for (const auto& [id, other] : conns_)
            if (other.joined)
                Out(id, out, now);
        return;
    }
    case MsgType::Ping: {
        Message pong;
        pong.type = MsgType::Pong;
        pong.id = m.id;
        Out(conn, pong, now);
        return;
    }
    case MsgType::Pong: return;
    case MsgType::Bye: Drop(conn, "left: " + CleanText(m.text, 80)); return;
    default: Drop(conn, "a message the host does not take"); return;
    }
}

void Host::Hello(ConnId conn, const Message& m, Millis now)
{
    const net::Hello& h = m.hello;
    auto refuse = [&](RefuseReason reason, const std::string& why) {
        Message r;
        r.type = MsgType::Refuse;
        r.reason = reason;
        r.text = why;
        Out(conn, r, now);
        Drop(conn, "refused: " + why);
    };
    if (h.protocol != kProtocolVersion)
        return refuse(RefuseReason::Protocol, "protocol " + std::to_string(h.protocol) + ", the host speaks " +
                                                  std::to_string(kProtocolVersion));
    if (h.gameVersion != version_ || h.rules != save::RulesFingerprint() ||
        h.saveFormat != save::kFormatVersion || h.recordFormat != save::kRecordFormatVersion)
        return refuse(RefuseReason::Version, "game " + CleanText(h.gameVersion, 40) + ", the host runs " + version_);
    if (!code_.empty() && h.joinCode != code_)
        return refuse(RefuseReason::JoinCode, "wrong join code");

    std::size_t seatIndex = seats_.size();
    bool rejoin = false;
    for (std::size_t i = 0; i < seats_.size() && !h.token.empty(); ++i)
        if (!seats_[i].token.empty() && seats_[i].token == h.token)
            seatIndex = i;
    if (seatIndex == seats_.size() && !h.token.empty() && started_)
        return refuse(RefuseReason::Started, "no seat holds that token");
    if (seatIndex < seats_.size()) {
        rejoin = true;
        // The same person on a new connection: the old one is let go.
        for (auto& [id, other] : conns_)
            if (id != conn && other.joined && other.seat == seatIndex) {
                Drop(id, "replaced by a new connection");
                break;
            }
    } else {
        for (std::size_t i = 0; i < seats_.size(); ++i)
            if (seats_[i].peer == kNoOwner) {
                seatIndex = i;
                break;
            }
        if (seatIndex == seats_.size())
            return refuse(RefuseReason::Full, "every seat is taken");
        std::uint32_t id = 1;
        for (const Seat& s : seats_)
            if (s.peer != kNoOwner && s.peer >= id)
                id = s.peer + 1;
        seats_[seatIndex].peer = id;
        seats_[seatIndex].token = NewToken();
        seats_[seatIndex].name = CleanText(h.name, kMaxNameChars);
        if (seats_[seatIndex].name.empty())
            seats_[seatIndex].name = "side " + std::to_string(seats_[seatIndex].side);
        seats_[seatIndex].refilled = now;
    }
    Conn& joined = conns_[conn];
    joined.joined = true;
    joined.seat = seatIndex;
    Seat& seat = seats_[seatIndex];
    seat.awaySince = -1;
    log.push_back((rejoin ? "rejoined: " : "joined: ") + seat.name + " (side " + std::to_string(seat.side) + ")");
    Message w;
    w.type = MsgType::Welcome;
    w.welcome.peerId = seat.peer;
    w.welcome.token = seat.token;
    w.welcome.rejoined = rejoin;
    w.code = seat.side;
    Out(conn, w, now);
    if (started_) {
        if (rejoin && h.lastSeq > 0 && h.lastSeq - 1 <= journal_.Journal().lines.size()) {
            // It has the match up to its last line: it gets what it missed.
            joined.started = true;
            joined.sentLines = h.lastSeq - 1;
            joined.horizon = 0;
        }
        CatchUp(conn, now);
    }
    SendLobby(now);
}

void Host::TakenBack(Millis now)
{
    const std::size_t lines = journal_.Journal().lines.size();
    proposalOfLine_.erase(proposalOfLine_.lower_bound(lines), proposalOfLine_.end());
    for (auto& [id, c] : conns_)
        if (c.joined && c.started) {
            c.started = false;
            c.resync = true;
            CatchUp(id, now);
        }
}

void Host::Start(Millis now)
{
    started_ = true;
    for (auto& [id, c] : conns_)
        if (c.joined)
            CatchUp(id, now);
}

bool Host::Full() const
{
    for (const Seat& s : seats_)
        if (s.peer == kNoOwner)
            return false;
    return !seats_.empty();
}

void Host::Finish(std::int32_t code, const std::string& why, Millis now)
{
    std::vector<ConnId> joined;
    for (auto& [id, c] : conns_)
        if (c.joined)
            joined.push_back(id);
    for (ConnId id : joined) {
        if (started_)
            CatchUp(id, now);
        Message bye;
        bye.type = MsgType::Bye;
        bye.code = code;
        bye.text = why;
        Out(id, bye, now);
        out_.push_back({id, {}, true, why});
        conns_.erase(id);
    }
}

void Host::CatchUp(ConnId conn, Millis now)
{
    Conn& c = conns_[conn];
    journal_.Sync();
    if (!c.started) {
        // A match is written whole only at rest: a walk or a blow under way
        // is not in a save. The peer waits for that moment.
        if (!WhySaveIsUnavailable(g_).empty() && g_.MatchRunning)
            return;
        Message s;
        s.type = c.resync ? MsgType::Resync : MsgType::Start;
        c.resync = false;
        s.seq = journal_.Journal().lines.size();
        s.tick = g_.timers.Ticks();
        s.text = MatchText(g_, version_);
        Out(conn, s, now);
        c.started = true;
        c.sentLines = s.seq;
        c.horizon = s.tick;
    }
    const auto& lines = journal_.Journal().lines;
    if (c.sentLines > lines.size())
        c.sentLines = lines.size(); // cannot happen: the host's journal only grows while peers follow it
    for (; c.sentLines < lines.size(); ++c.sentLines) {
        Message l;
        l.type = MsgType::Commit;
        l.seq = c.sentLines;
        if (const auto p = proposalOfLine_.find(l.seq); p != proposalOfLine_.end()) {
            l.from = p->second.first;
            l.id = p->second.second;
        }
        l.text = save::OrderLine(lines[l.seq], l.seq);
        Out(conn, l, now);
    }
    if (g_.timers.Ticks() > c.horizon) {
        Message h;
        h.type = MsgType::Horizon;
        h.tick = g_.timers.Ticks();
        Out(conn, h, now);
        c.horizon = h.tick;
    }
}

bool Host::Spend(Seat& seat, double& bucket, Millis now)
{
    Refill(seat.proposalTokens, limits_.proposalsPerSecond, limits_.proposalBurst, now - seat.refilled);
    Refill(seat.chatTokens, limits_.chatsPerSecond, limits_.chatBurst, now - seat.refilled);
    seat.refilled = now;
    if (bucket < 1)
        return false;
    bucket -= 1;
    return true;
}

void Host::Propose(ConnId conn, const Message& m, Millis now)
{
    Conn& c = conns_[conn];
    Seat& seat = seats_[c.seat];
    if (!Spend(seat, seat.proposalTokens, now)) {
        Drop(conn, "a flood of orders");
        return;
    }
    if (m.id == 0) {
        Drop(conn, "an order without an id");
        return;
    }
    auto answer = [&](std::int32_t code) {
        Message r;
        r.type = MsgType::Refused;
        r.id = m.id;
        r.code = code;
        Out(conn, r, now);
    };
    if (auto done = seat.answered.find(m.id); done != seat.answered.end()) {
        // Sent again after a rejoin: taken once, answered again.
        ++stats_.duplicates;
        if (done->second != 0)
            answer(done->second);
        return;
    }
    save::RecordLine line;
    if (std::string why = save::ReadOrderLineText(m.text, 0, line); !why.empty()) {
        Drop(conn, "a damaged order: " + why);
        return;
    }
    const bool view = line.kind == save::RecordLine::Kind::Seat;
    if ((!view && line.kind != save::RecordLine::Kind::Order) || line.answers.size() > save::kMaxAnswers) {
        Drop(conn, "not an order");
        return;
    }
    // The side is the connection's, whatever the order names.
    Refusal why = Refusal::None;
    if (g_.ActiveHero != seat.side || !g_.HeroIsHuman[static_cast<std::size_t>(seat.side)])
        why = Refusal::NotTheirTurn;
    else if (!view)
        why = CheckOrder(g_, line.order);
    if (why != Refusal::None) {
        seat.answered[m.id] = static_cast<std::int32_t>(why);
        ++stats_.refused;
        answer(static_cast<std::int32_t>(why));
        return;
    }
    if (view) {
        // The person whose turn it is looks where they like (the record's
        // reader keeps a view within the field's reach): the view is
        // the match's (the rules paint and aim by it), so it goes into the
        // journal as a change of the seat, and every machine looks there too.
        journal_.Sync();
        const std::size_t before = journal_.Journal().lines.size();
        g_.ViewX = std::round(line.seat.ViewX);
        g_.ViewY = std::round(line.seat.ViewY);
        journal_.Sync();
        if (journal_.Journal().lines.size() == before) {
            // It looks there already: taken, with no line to show for it.
            seat.answered[m.id] = 0;
            ++stats_.committed;
            answer(0);
            return;
        }
        if (viewChanged)
            viewChanged();
    } else {
        ProposalShell shell(line.answers);
        Shell* own = g_.shell;
        g_.shell = &shell;
        giving_ = true;
        GiveOrder(g_, line.order);
        giving_ = false;
        g_.shell = own;
    }
    seat.answered[m.id] = 0;
    ++stats_.committed;
    const auto& lines = journal_.Journal().lines;
    if (!lines.empty())
        proposalOfLine_[lines.size() - 1] = {seat.peer, m.id};
    for (auto& [id, other] : conns_)
        if (other.joined && other.started)
            CatchUp(id, now);
}

void Host::Poll(Millis now)
{
    now_ = now;
    std::vector<std::pair<ConnId, std::string>> drop;
    for (auto& [id, c] : conns_) {
        if (!c.joined && now - c.opened > limits_.handshake)
            drop.emplace_back(id, "no hello within " + std::to_string(limits_.handshake / 1000) + " s");
        else if (c.joined && now - c.heard > limits_.silence)
            drop.emplace_back(id, "silent for " + std::to_string((now - c.heard) / 1000) + " s");
    }
    for (const auto& [id, why] : drop)
        Drop(id, why);
    // While the side whose turn it is waits for its person, everyone is told
    // how long the countdown has left, once a second.
    const Millis left = started_ ? AwayLeft(g_.ActiveHero, now) : -1;
    const bool tellPause = left >= 0 && (lastPaused_ < 0 || now - lastPaused_ >= 1000);
    if (tellPause)
        lastPaused_ = now;
    for (auto& [id, c] : conns_) {
        if (!c.joined)
            continue;
        if (started_)
            CatchUp(id, now);
        if (tellPause) {
            Message p;
            p.type = MsgType::Paused;
            p.code = g_.ActiveHero;
            p.tick = static_cast<std::uint64_t>(left);
            Out(id, p, now);
        }
        if (now - c.sent >= limits_.heartbeat) {
            Message p;
            p.type = MsgType::Ping;
            p.id = static_cast<std::uint64_t>(now);
            Out(id, p, now);
        }
    }
}

// ---- a peer -----------------------------------------------------------------------

Peer::Peer(std::string gameVersion, std::string name, std::string joinCode, Limits limits)
    : version_(std::move(gameVersion)), name_(std::move(name)), code_(std::move(joinCode)), limits_(limits)
{
}

void Peer::Out(const Message& m, Millis now)
{
    if (!connected_)
        return;
    sent_ = now;
    out_.push_back(Encode(m));
}

std::vector<std::string> Peer::Take()
{
    return std::exchange(out_, {});
}

void Peer::Opened(Millis now)
{
    connected_ = true;
    joined_ = false;
    wantsClose_ = false;
    heard_ = sent_ = now;
    in_ = std::make_unique<Deframer>(kMaxFrameBytes);
    Message h;
    h.type = MsgType::Hello;
    h.hello.gameVersion = version_;
    h.hello.rules = save::RulesFingerprint();
    h.hello.saveFormat = static_cast<std::uint16_t>(save::kFormatVersion);
    h.hello.recordFormat = static_cast<std::uint16_t>(save::kRecordFormatVersion);
    h.hello.joinCode = code_;
    h.hello.name = name_;
    h.hello.token = token_;
    // A match that differs is not gone on with: the host sends its own.
    h.hello.lastSeq = replay_ && !replay_->Failed() ? lines_ + 1 : 0;
    Out(h, now);
}

void Peer::Closed(Millis)
{
    connected_ = false;
    joined_ = false;
    in_.reset();
}

void Peer::Broken(const std::string& why)
{
    if (refusal_.empty() && !joined_)
        refusal_ = why;
    wantsClose_ = true;
    connected_ = false;
}

void Peer::Received(std::string_view bytes, Millis now)
{
    if (!connected_ || !in_)
        return;
    heard_ = now;
    if (!in_->Feed(bytes))
        return Broken(in_->Why());
    while (connected_) {
        std::optional<std::string> body = in_->Next();
        if (!body)
            break;
        Message m;
        std::string why;
        if (!Decode(*body, m, why))
            return Broken("malformed message from the host: " + why);
        Handle(m, now);
    }
}

void Peer::Handle(const Message& m, Millis now)
{
    switch (m.type) {
    case MsgType::Welcome:
        if (joined_)
            return Broken("a second welcome");
        joined_ = true;
        id_ = m.welcome.peerId;
        token_ = m.welcome.token;
        side_ = m.code;
        // What the host never answered goes again, under the same ids.
        for (const auto& [id, line] : pending_)
            SendProposal(id, line, now);
        return;
    case MsgType::Refuse:
        refusal_ = m.text.empty() ? "refused" : m.text;
        refuseReason_ = m.reason;
        wantsClose_ = true;
        return;
    case MsgType::Start:
    case MsgType::Resync: {
        if (!joined_)
            return Broken("a match before the welcome");
        save::LoadResult r = save::ReadSave(m.text);
        if (!r)
            return Broken("the host's match does not read: " + r.error);
        if (live_) {
            // The program's own match takes the host's: the old replay gives
            // the match's door and shell back before the new one takes them.
            replay_.reset();
            save::AdoptMatch(*live_, *r.game);
            replay_ = std::make_unique<save::Replayer>(save::Record{}, *live_, outer_);
        } else {
            replay_ = std::make_unique<save::Replayer>(save::Record{}, *r.game);
        }
        replay_->divert = divert;
        replay_->GoLive(m.tick);
        lines_ = base_ = reported_ = m.seq;
        told_ = false;
        if (adopted)
            adopted(r);
        return;
    }
    case MsgType::Commit: {
        if (!replay_)
            return Broken("a line before the match");
        if (m.seq < lines_) {
            ++duplicates;
            return;
        }
        if (m.seq > lines_)
            return Broken("line " + std::to_string(m.seq) + " came before line " + std::to_string(lines_));
        save::RecordLine line;
        if (std::string why = save::ReadOrderLineText(m.text, static_cast<std::size_t>(m.seq), line); !why.empty())
            return Broken("a damaged line from the host: " + why);
        replay_->Append(std::move(line));
        ++lines_;
        pausedSide = 0;
        // The proposer's own order: answered (and never twice).
        if (m.id != 0 && m.from == id_) {
            if (answers.count(m.id))
                ++doubleTaken;
            if (pending_.erase(m.id))
                answers[m.id] = 0;
        }
        return;
    }
    case MsgType::Refused:
        if (pending_.erase(m.id) || undos_.erase(m.id))
            answers[m.id] = m.code;
        return;
    case MsgType::Horizon:
        if (!replay_)
            return Broken("a horizon before the match");
        replay_->SetHorizon(m.tick);
        return;
    case MsgType::Chat: chat.push_back(m.text); return;
    case MsgType::Ping: {
        Message pong;
        pong.type = MsgType::Pong;
        pong.id = m.id;
        Out(pong, now);
        return;
    }
    case MsgType::Paused:
        pausedSide = m.code;
        pausedLeft = static_cast<Millis>(m.tick);
        return;
    case MsgType::Lobby:
        seats = m.seats;
        for (const LobbySeat& s : seats)
            if (s.owner == id_)
                side_ = s.side;
        return;
    case MsgType::Pong: return;
    case MsgType::Bye:
        farewell_ = m.code;
        return Broken("the host left: " + CleanText(m.text, 80));
    default: return Broken("a message a peer does not take");
    }
}

void Peer::Poll(Millis now)
{
    if (!connected_)
        return;
    if (now - heard_ > limits_.silence) {
        Broken("the host is silent");
        return;
    }
    if (now - sent_ >= limits_.heartbeat) {
        Message p;
        p.type = MsgType::Ping;
        p.id = static_cast<std::uint64_t>(now);
        Out(p, now);
    }
}

void Peer::Run(int ticks, Millis now)
{
    if (!replay_)
        return;
    for (int i = 0; i < ticks && !replay_->Failed() && !replay_->Waiting(); ++i)
        replay_->Step();
    const std::uint64_t played = base_ + replay_->Done();
    // A difference is told at once, with this machine's hash: the host
    // answers with its match. Otherwise the hash goes every so often, for the
    // host to compare.
    if (replay_->Failed()) {
        if (told_)
            return; // told once; the host's match is on its way
        told_ = true;
        ++desyncs;
        desyncNotes.push_back(replay_->Error());
    } else if (played == 0 || played < reported_ + kReportEvery || replay_->Done() == 0) {
        return;
    }
    reported_ = played;
    Message r;
    r.type = MsgType::HashReport;
    // Line 0: "mine differs", whatever the hash after the last good line.
    r.seq = replay_->Failed() ? 0 : played;
    // The hash this match had just after that line, as the replay checked
    // it: the match has run on since (idle ticks up to the horizon), and its
    // hash now is no line's.
    r.hash = replay_->Failed() ? save::StateHash(replay_->Match())
                               : replay_->Played().lines[replay_->Done() - 1].hash;
    Out(r, now);
}

std::uint64_t Peer::Propose(const Order& order, Millis now, std::vector<BoxAnswer> answers)
{
    const std::uint64_t id = nextId_++;
    save::RecordLine line;
    line.kind = save::RecordLine::Kind::Order;
    line.input = true;
    line.order = order;
    line.answers = std::move(answers);
    return Pend(id, std::move(line), now);
}

std::uint64_t Peer::Pend(std::uint64_t id, save::RecordLine line, Millis now)
{
    pending_[id] = std::move(line);
    if (joined_)
        SendProposal(id, pending_[id], now);
    return id;
}

void Peer::SendProposal(std::uint64_t id, const save::RecordLine& line, Millis now)
{
    Message p;
    p.type = MsgType::Propose;
    p.id = id;
    p.text = save::OrderLine(line, 0);
    Out(p, now);
}

void Peer::Claim(std::int32_t side, std::int32_t heroClass, const std::string& heroName, Millis now)
{
    if (!joined_ || replay_)
        return;
    Message c;
    c.type = MsgType::Claim;
    c.claim.side = side;
    c.claim.heroClass = heroClass;
    c.claim.name = CleanText(heroName, kMaxNameChars);
    Out(c, now);
}

std::uint64_t Peer::ProposeView(float x, float y, Millis now)
{
    if (!replay_)
        return 0;
    const std::uint64_t id = nextId_++;
    save::RecordLine line;
    line.kind = save::RecordLine::Kind::Seat;
    line.input = true;
    line.seat = save::SeatInputsOf(replay_->Match());
    line.seat.ViewX = x;
    line.seat.ViewY = y;
    line.tick = line.seat.timers.ticks; // a seat's line is read against its clock
    return Pend(id, std::move(line), now);
}

std::uint64_t Peer::ProposeUndo(Millis now)
{
    if (!replay_ || !joined_)
        return 0;
    Message u;
    u.type = MsgType::Undo;
    u.id = nextId_++;
    undos_.insert(u.id);
    Out(u, now);
    return u.id;
}

void Peer::Follow(Game* live, Shell* outer)
{
    // A replay on the live match gives it back (its door and its shell).
    if (live_ && live != live_)
        replay_.reset();
    live_ = live;
    outer_ = outer;
}

void Peer::SendChat(const std::string& text, Millis now)
{
    if (!joined_)
        return;
    Message c;
    c.type = MsgType::Chat;
    c.text = CleanText(text, kMaxChatChars);
    if (!c.text.empty())
        Out(c, now);
}

} // namespace gh::net
