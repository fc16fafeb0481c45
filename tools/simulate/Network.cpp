#include "Network.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "engine/Engine.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "engine/Setup.h"
#include "net/Bots.h"
#include "net/Session.h"
#include "platform/Numbers.h"
#include "save/Recorder.h"
#include "save/StateHash.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh::sim {

namespace {

using net::BotOrder;
using net::Millis;
using net::PrepareNetworkMatch;

constexpr Millis kTickMs = 10;      // the host's clock: a tick a step
constexpr int kPeerStepsPerTick = 400; // a peer catches up far faster than the host plays
constexpr float kCell = 720;        // twips

struct Chunk {
    Millis at = 0;
    std::string bytes;
    bool close = false;
};

// One connection of the fake network: each way its bytes arrive in order,
// after a delay.
struct Link {
    net::ConnId id = 0;
    bool open = true;
    std::deque<Chunk> toHost, toPeer;
    Millis lastToHost = 0, lastToPeer = 0;
    long long sent = 0;   // chunks sent on it, both ways
    long long cutAt = -1; // cut once this many are sent
};

struct Person {
    std::unique_ptr<net::Peer> peer;
    int side = 0;
    std::unique_ptr<Link> link;
    Millis reconnectAt = -1;
    int cuts = 0;
    int turnKey = -1;
    int ordersThisTurn = 0;
};

class NetworkMatch {
public:
    NetworkMatch(std::uint64_t seed, int heroes, int persons, bool faults, int matchIndex, NetworkResult& result)
        : seed_(seed), faults_(faults), match_(matchIndex), r_(result), rng_(seed * 0x9E3779B97F4A7C15ULL + 1)
    {
        game_ = std::make_unique<Game>();
        Game& g = *game_;
        g.Generator.Pin(seed);
        PrepareNetworkMatch(g, heroes, persons);
        BindTimers(g);
        journal_.Begin(g, "sim", "net-" + std::to_string(seed));
        net::Limits limits;
        host_ = std::make_unique<net::Host>(g, journal_, "sim", "code", limits, seed * 7919 + 17);
        for (int side = 1; side <= persons; ++side) {
            host_->OfferSide(side);
            Person p;
            p.side = side;
            p.peer = std::make_unique<net::Peer>("sim", "Bot " + std::to_string(side), "code", limits);
            people_.push_back(std::move(p));
        }
    }

    void Play(int days)
    {
        Game& g = *game_;
        for (Person& p : people_)
            Connect(p);
        // Everyone joins before the match starts.
        for (int i = 0; i < 2000 && !AllJoined(); ++i)
            Step(false, true);
        if (!AllJoined()) {
            Note("not everyone joined");
            return;
        }
        host_->Start(now_);
        std::int32_t day = g.Day;
        std::uint64_t dayStart = g.timers.Ticks();
        while (g.MatchRunning && g.Day <= days) {
            Step(true, true);
            if (g.Day != day) {
                day = g.Day;
                dayStart = g.timers.Ticks();
            } else if (g.timers.Ticks() - dayStart > 60000) {
                Note("stalled on day " + std::to_string(g.Day));
                break;
            }
        }
        // The host stops; the network settles and every peer catches up.
        for (int i = 0; i < 40000 && !Settled(); ++i)
            Step(false, false);
        Compare();
    }

private:
    void Note(const std::string& what)
    {
        r_.notes.push_back("seed " + std::to_string(seed_) + ": " + what);
    }

    bool AllJoined() const
    {
        for (const Person& p : people_)
            if (!p.peer->Joined())
                return false;
        return true;
    }

    bool Settled() const
    {
        const std::size_t lines = journal_.Journal().lines.size();
        for (const Person& p : people_) {
            if (!p.peer->Joined() || !p.peer->Pending().empty() || p.peer->Lines() != lines || !p.link ||
                !p.link->toHost.empty() || !p.link->toPeer.empty())
                return false;
            if (p.peer->Replay() && !p.peer->Replay()->Waiting() && !p.peer->Replay()->Failed())
                return false;
        }
        return true;
    }

    void Connect(Person& p)
    {
        p.link = std::make_unique<Link>();
        p.link->id = nextConn_++;
        p.link->lastToHost = p.link->lastToPeer = now_;
        if (faults_ && p.cuts < 3) {
            // Match m cuts its people's first connections at message m (and
            // on): a run of matches cuts at every index in turn.
            p.link->cutAt = p.cuts == 0 ? 1 + (match_ + 37 * (p.side - 1)) % 160
                                        : (rng_() % 2 ? 20 + static_cast<long long>(rng_() % 400) : -1);
        }
        p.reconnectAt = -1;
        host_->Opened(p.link->id, now_);
        p.peer->Opened(now_);
        Route(p);
    }

    Millis Delay()
    {
        return 5 + static_cast<Millis>(rng_() % 26);
    }

    // One chunk on its way; a cut when the link's count comes round.
    void Put(Person& p, bool toHost, std::string bytes, bool close)
    {
        Link& l = *p.link;
        Millis at = std::max(toHost ? l.lastToHost : l.lastToPeer, now_ + Delay());
        if (faults_ && rng_() % 400 == 0) {
            at += 500 + static_cast<Millis>(rng_() % 2500); // a stall
            ++r_.stalls;
        }
        (toHost ? l.lastToHost : l.lastToPeer) = at;
        (toHost ? l.toHost : l.toPeer).push_back({at, std::move(bytes), close});
        if (++l.sent == l.cutAt)
            Cut(p);
    }

    void Cut(Person& p)
    {
        if (!p.link)
            return;
        ++r_.cuts;
        ++p.cuts;
        host_->Closed(p.link->id, now_);
        p.peer->Closed(now_);
        p.link.reset();
        p.reconnectAt = now_ + 200 + static_cast<Millis>(rng_() % 1800);
    }

    // What the peer wants sent goes on the link.
    void Route(Person& p)
    {
        for (std::string& bytes : p.peer->Take())
            if (p.link)
                Put(p, true, std::move(bytes), false);
        if (p.link && p.peer->WantsClose()) {
            if (p.peer->Refused()) {
                Note("bot " + std::to_string(p.side) + " refused: " + p.peer->Refusal());
                return;
            }
            host_->Closed(p.link->id, now_);
            p.peer->Closed(now_);
            p.link.reset();
            p.reconnectAt = now_ + 500;
        }
    }

    void RouteHost()
    {
        for (net::Send& s : host_->Take()) {
            for (Person& p : people_)
                if (p.link && p.link->id == s.conn) {
                    Put(p, false, std::move(s.bytes), s.close);
                    break;
                }
        }
    }

    void Deliver(Person& p)
    {
        while (p.link && !p.link->toHost.empty() && p.link->toHost.front().at <= now_) {
            Chunk c = std::move(p.link->toHost.front());
            p.link->toHost.pop_front();
            host_->Received(p.link->id, c.bytes, now_);
            RouteHost();
        }
        while (p.link && !p.link->toPeer.empty() && p.link->toPeer.front().at <= now_) {
            Chunk c = std::move(p.link->toPeer.front());
            p.link->toPeer.pop_front();
            if (!c.bytes.empty())
                p.peer->Received(c.bytes, now_);
            if (c.close) {
                p.peer->Closed(now_);
                p.link.reset();
                p.reconnectAt = now_ + 300;
            }
            Route(p);
        }
    }

    void Act(Person& p)
    {
        net::Peer& peer = *p.peer;
        Game* m = peer.Match();
        if (!m || !peer.Joined() || !peer.Pending().empty() || !peer.Replay()->Waiting() || peer.Desynced())
            return;
        // The seat the host gave it, whichever it asked for first.
        const int side = peer.Side();
        if (m->ActiveHero != side || !m->MatchRunning || !FieldTakesOrders(*m))
            return;
        const int key = m->Day * 8 + side;
        if (key != p.turnKey) {
            p.turnKey = key;
            p.ordersThisTurn = 0;
        }
        const Order o = BotOrder(*m, side, p.ordersThisTurn, rng_);
        ++p.ordersThisTurn;
        ++r_.proposals;
        peer.Propose(o, now_);
        if (rng_() % 50 == 0)
            peer.SendChat("ход " + std::to_string(m->Day), now_);
    }

    void Step(bool hostTicks, bool botsAct)
    {
        now_ += kTickMs;
        Game& g = *game_;
        for (Person& p : people_)
            Deliver(p);
        if (hostTicks)
            g.timers.Tick();
        host_->Poll(now_);
        RouteHost();
        for (Person& p : people_) {
            if (!p.link) {
                if (p.reconnectAt >= 0 && now_ >= p.reconnectAt && !p.peer->Refused())
                    Connect(p);
                continue;
            }
            p.peer->Poll(now_);
            p.peer->Run(kPeerStepsPerTick, now_);
            if (botsAct)
                Act(p);
            Route(p);
        }
    }

    void Compare()
    {
        const Game& g = *game_;
        const auto& lines = journal_.Journal().lines;
        for (const auto& l : lines)
            if (l.kind == save::RecordLine::Kind::Order)
                ++r_.orders;
        const std::uint64_t hash = save::StateHash(g);
        for (const net::Host::Seat& seat : host_->Seats()) {
            const Person* person = nullptr;
            for (const Person& p : people_)
                if (p.peer->Id() == seat.peer)
                    person = &p;
            if (!person)
                continue;
            const net::Peer& peer = *person->peer;
            r_.desyncs += peer.desyncs;
            for (const std::string& why : peer.desyncNotes)
                Note("side " + std::to_string(seat.side) + ": " + why);
            r_.duplicated += peer.doubleTaken;
            r_.lost += static_cast<long long>(peer.Pending().size());
            if (!peer.Pending().empty())
                Note("side " + std::to_string(seat.side) + ": " + std::to_string(peer.Pending().size()) +
                     " orders never answered");
            for (const auto& [id, answer] : seat.answered)
                if (answer == 0 && peer.answers.count(id) == 0) {
                    ++r_.lost;
                    Note("side " + std::to_string(seat.side) + ": order " + std::to_string(id) +
                         " taken by the host, never seen taken");
                }
            for (const auto& [id, answer] : peer.answers)
                r_.refused += answer != 0;
            if (peer.desyncs == 0 &&
                (peer.Lines() != lines.size() || !peer.Replay() ||
                 save::StateHash(*peer.Match()) != hash)) {
                ++r_.desyncs;
                Note("side " + std::to_string(seat.side) + ": ends with " + std::to_string(peer.Lines()) +
                     " lines of " + std::to_string(lines.size()) + (peer.Replay() ? "" : ", no match"));
            }
        }
        r_.resyncs += host_->Tally().resyncs;
    }

    std::uint64_t seed_;
    bool faults_;
    int match_;
    NetworkResult& r_;
    std::mt19937_64 rng_;
    std::unique_ptr<Game> game_;
    save::Recorder journal_;
    std::unique_ptr<net::Host> host_;
    std::vector<Person> people_;
    Millis now_ = 0;
    net::ConnId nextConn_ = 1;
};

} // namespace

NetworkResult PlayNetworkMatches(const Options& options, const NetworkOptions& net)
{
    NetworkResult result;
    for (int m = 0; m < options.matches; ++m) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(m);
        const int heroes =
            net.heroesLo + static_cast<int>(seed % static_cast<std::uint64_t>(net.heroesHi - net.heroesLo + 1));
        const int persons = 1 + static_cast<int>(seed % static_cast<std::uint64_t>(heroes));
        try {
            NetworkMatch match(seed, heroes, persons, net.faults, m, result);
            match.Play(net.days);
        } catch (const std::exception& e) {
            result.notes.push_back("seed " + std::to_string(seed) + ": exception: " + e.what());
            ++result.desyncs;
        }
        ++result.matches;
    }
    return result;
}

namespace {

// A host with a match under way (hero 1 a person at a peer, hero 2 the
// computer), a good peer that stays joined throughout, and hostile
// connections that come and go.
class FuzzHost {
public:
    explicit FuzzHost(std::uint64_t seed)
    {
        game_ = std::make_unique<Game>();
        game_->Generator.Pin(seed);
        PrepareNetworkMatch(*game_, 3, 2);
        BindTimers(*game_);
        journal_.Begin(*game_, "sim", "fuzz");
        host_ = std::make_unique<net::Host>(*game_, journal_, "sim", "", net::Limits{}, seed + 3);
        host_->OfferSide(1);
        host_->OfferSide(2);
        good_ = std::make_unique<net::Peer>("sim", "Good", "", net::Limits{});
        host_->Opened(kGood, now_);
        good_->Opened(now_);
        Pump();
        host_->Start(now_);
        Pump();
        for (int i = 0; i < 50; ++i) {
            game_->timers.Tick();
            host_->Poll(now_);
            Pump();
        }
    }

    // What the host sends: the good peer's goes to it; the hostile ones'
    // is looked at. True when the hostile connection was closed.
    bool Pump()
    {
        bool closed = false;
        for (int round = 0; round < 4; ++round) {
            for (net::Send& s : host_->Take()) {
                if (s.conn == kGood) {
                    if (!s.bytes.empty())
                        good_->Received(s.bytes, now_);
                    if (s.close)
                        goodDropped_ = s.why.empty() ? "closed" : s.why;
                } else if (s.close) {
                    closed = true;
                    open_.erase(s.conn);
                }
            }
            for (std::string& bytes : good_->Take())
                host_->Received(kGood, bytes, now_);
        }
        return closed;
    }

    net::Host& Host() { return *host_; }
    Game& Match() { return *game_; }
    net::Peer& Good() { return *good_; }
    const std::string& GoodDropped() const { return goodDropped_; }
    net::Millis& Now() { return now_; }
    std::set<net::ConnId> open_;

    static constexpr net::ConnId kGood = 1;

private:
    std::unique_ptr<Game> game_;
    save::Recorder journal_;
    std::unique_ptr<net::Host> host_;
    std::unique_ptr<net::Peer> good_;
    std::string goodDropped_;
    net::Millis now_ = 0;
};

std::string Frame(std::uint32_t length, std::string_view body)
{
    std::string f;
    for (int i = 0; i < 4; ++i)
        f.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
    return f + std::string(body);
}

// A real message of some kind, as a peer (or a host) might send it.
net::Message SampleMessage(std::mt19937_64& rng, const Game& g)
{
    net::Message m;
    m.type = static_cast<net::MsgType>(1 + rng() % static_cast<std::uint64_t>(net::kLastMsgType));
    m.hello.gameVersion = "sim";
    m.hello.rules = save::RulesFingerprint();
    m.hello.saveFormat = static_cast<std::uint16_t>(save::kFormatVersion);
    m.hello.recordFormat = static_cast<std::uint16_t>(save::kRecordFormatVersion);
    m.hello.name = rng() % 2 ? "<b>Злодей</b>" : std::string(40, 'x');
    if (rng() % 3 == 0)
        m.hello.token = "0123456789abcdef";
    m.id = rng() % 4;
    m.seq = rng() % 100;
    m.tick = rng() % 100000;
    m.hash = rng();
    m.code = static_cast<std::int32_t>(rng() % 6);
    m.text = std::string(static_cast<std::size_t>(rng() % 300), 'a');
    if (m.type == net::MsgType::Propose || m.type == net::MsgType::Commit) {
        save::RecordLine line;
        line.kind = save::RecordLine::Kind::Order;
        line.order.kind = static_cast<OrderKind>(rng() % 10);
        line.order.who = static_cast<int>(rng() % 12);
        line.order.x = kCell * static_cast<float>(rng() % 30);
        line.order.y = kCell * static_cast<float>(rng() % 20);
        line.order.hand = Hand::Strong;
        (void)g;
        m.text = save::OrderLine(line, 0);
    }
    m.seats.resize(rng() % 3);
    for (auto& s : m.seats)
        s.side = 1 + static_cast<std::int32_t>(rng() % 5);
    m.claim.side = 1;
    return m;
}

std::string Mutate(std::string bytes, std::mt19937_64& rng)
{
    switch (rng() % 6) {
    case 0: // a flipped byte
        if (!bytes.empty())
            bytes[rng() % bytes.size()] ^= static_cast<char>(1 + rng() % 255);
        break;
    case 1: // cut short
        bytes.resize(rng() % (bytes.size() + 1));
        break;
    case 2: { // a length that lies
        const std::uint32_t lies[] = {0xFFFFFFFFu, 0x80000000u, net::kMaxPeerFrameBytes + 1, 0,
                                      static_cast<std::uint32_t>(rng())};
        const std::uint32_t n = lies[rng() % 5];
        for (int i = 0; i < 4 && bytes.size() >= 4; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
        break;
    }
    case 3: // bytes after
        bytes += std::string(1 + rng() % 8, static_cast<char>(rng()));
        break;
    case 4: // random bytes
        bytes.clear();
        for (std::uint64_t i = 0, n = 1 + rng() % 64; i < n; ++i)
            bytes.push_back(static_cast<char>(rng()));
        break;
    default: break; // sent as it is: right, but perhaps out of its state
    }
    return bytes;
}

} // namespace

NetFuzzResult FuzzNetwork(long long messages, std::uint64_t seed)
{
    NetFuzzResult r;
    std::mt19937_64 rng(seed * 0x2545F4914F6CDD1DULL + 7);
    std::unique_ptr<FuzzHost> f;
    net::ConnId next = 100;
    net::ConnId hostile = 0;
    auto fault = [&r](const std::string& why) {
        ++r.faults;
        if (r.notes.size() < 20)
            r.notes.push_back(why);
    };
    for (long long i = 0; i < messages; ++i) {
        if (!f || i % 2000 == 0) {
            f = std::make_unique<FuzzHost>(seed + static_cast<std::uint64_t>(i));
            hostile = 0;
        }
        try {
            FuzzHost& h = *f;
            h.Now() += 5;
            if (hostile == 0 || !h.open_.count(hostile) || rng() % 8 == 0) {
                hostile = next++;
                h.open_.insert(hostile);
                h.Host().Opened(hostile, h.Now());
                // Half the hostile connections say a proper hello first.
                if (rng() % 2) {
                    net::Message hello;
                    hello.type = net::MsgType::Hello;
                    hello.hello.gameVersion = "sim";
                    hello.hello.rules = save::RulesFingerprint();
                    hello.hello.saveFormat = static_cast<std::uint16_t>(save::kFormatVersion);
                    hello.hello.recordFormat = static_cast<std::uint16_t>(save::kRecordFormatVersion);
                    hello.hello.name = "Hostile";
                    h.Host().Received(hostile, net::Encode(hello), h.Now());
                    h.Pump();
                }
            }
            const std::uint64_t before = save::StateHash(h.Match());
            const long long committed = h.Host().Tally().committed;
            std::string bytes = Mutate(net::Encode(SampleMessage(rng, h.Match())), rng);
            if (rng() % 50 == 0)
                bytes = Frame(0xFFFFFFF0u, "x"); // a 4 GiB frame announced
            h.Host().Received(hostile, bytes, h.Now());
            ++r.messages;
            if (h.Pump())
                ++r.refused;
            if (save::StateHash(h.Match()) != before && h.Host().Tally().committed == committed)
                fault("message " + std::to_string(i) + ": the match changed without an order taken");
            // The good peer is still answered.
            h.Good().Poll(h.Now() + 2'500);
            h.Pump();
            if (!h.GoodDropped().empty()) {
                fault("message " + std::to_string(i) + ": the good peer was dropped: " + h.GoodDropped());
                f.reset();
            }
        } catch (const std::exception& e) {
            fault("message " + std::to_string(i) + ": exception: " + e.what());
            f.reset();
        }
    }
    return r;
}


} // namespace gh::sim
