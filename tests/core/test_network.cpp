// The network match's wire format and its host and peer sessions, wired
// directly to each other: joins and refusals, lockstep, orders only for the
// connection's own side, rejoining, hostile peers and a peer that differs.
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "engine/Setup.h"
#include "net/Session.h"
#include "net/Wire.h"
#include "save/Recorder.h"
#include "save/Undo.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "tests/core/SampleSaves.h"
#include "tests/support/ScriptedShell.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

using namespace gh::net;

std::vector<Message> OneOfEach()
{
    std::vector<Message> all;
    for (int t = 1; t <= static_cast<int>(kLastMsgType); ++t) {
        Message m;
        m.type = static_cast<MsgType>(t);
        switch (m.type) {
        case MsgType::Hello:
            m.hello = {kProtocolVersion, "1.2.3", 77, 3, 2, "code", "Ирина", "tok", 5};
            break;
        case MsgType::Welcome:
            m.welcome = {4, "token", true};
            m.code = 2;
            break;
        case MsgType::Refuse:
            m.reason = RefuseReason::Full;
            m.text = "every seat is taken";
            break;
        case MsgType::Lobby: m.seats = {{1, 0, false, 0, 2, "Хозяин"}, {2, kNoOwner, true, 3, 1, ""}}; break;
        case MsgType::Claim: m.claim = {3, 5, false, 0, 1, "Гость"}; break;
        case MsgType::Paused:
            m.code = 2;
            m.tick = 120000;
            break;
        case MsgType::Refused:
            m.id = 9;
            m.code = 3;
            break;
        default:
            m.seq = 12;
            m.id = 34;
            m.tick = 56;
            m.hash = 0xFEDCBA9876543210ULL;
            m.from = 7;
            m.text = "{\"a\":1}";
            break;
        }
        // Fields a type does not carry stay at their defaults.
        Message clean;
        clean.type = m.type;
        const std::string frame = Encode(m);
        Message back;
        std::string why;
        EXPECT_TRUE(Decode(std::string_view(frame).substr(4), back, why)) << t << ": " << why;
        all.push_back(back);
        EXPECT_NE(back, clean) << "type " << t << " carries none of its fields";
    }
    return all;
}

TEST(NetWire, EveryMessageComesThroughWholeEvenOneByteAtATime)
{
    const std::vector<Message> all = OneOfEach();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(kLastMsgType));
    std::string stream;
    for (const Message& m : all)
        stream += Encode(m);
    Deframer in(kMaxFrameBytes);
    std::vector<Message> got;
    for (char c : stream) {
        ASSERT_TRUE(in.Feed(std::string_view(&c, 1)));
        while (auto body = in.Next()) {
            Message m;
            std::string why;
            ASSERT_TRUE(Decode(*body, m, why)) << why;
            got.push_back(m);
        }
    }
    EXPECT_EQ(got, all);
    EXPECT_EQ(in.Held(), 0u);
}

TEST(NetWire, ALengthOverTheCapOrADamagedBodyIsRefusedAtOnce)
{
    // A 4 GiB frame announced: refused on its four bytes, nothing kept.
    Deframer in(kMaxPeerFrameBytes);
    EXPECT_FALSE(in.Feed(std::string("\xFF\xFF\xFF\xFF", 4)));
    EXPECT_TRUE(in.Broken());
    EXPECT_EQ(in.Held(), 0u);
    EXPECT_FALSE(in.Feed("more"));
    Deframer zero(kMaxPeerFrameBytes);
    EXPECT_FALSE(zero.Feed(std::string("\0\0\0\0", 4)));
    Deframer justOver(kMaxPeerFrameBytes);
    const std::uint32_t n = kMaxPeerFrameBytes + 1;
    const char over[4] = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                          static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
    EXPECT_FALSE(justOver.Feed(std::string_view(over, 4)));

    Message ping;
    ping.type = MsgType::Ping;
    const std::string body = Encode(ping).substr(4);
    Message m;
    std::string why;
    EXPECT_FALSE(Decode("", m, why));
    EXPECT_FALSE(Decode(std::string("\x63", 1), m, why)) << "an unknown type";
    EXPECT_FALSE(Decode(body + "x", m, why));
    EXPECT_EQ(why, "bytes after the last field");
    EXPECT_FALSE(Decode(body.substr(0, body.size() - 1), m, why));
    // A text whose length runs past the frame.
    Message chat;
    chat.type = MsgType::Chat;
    chat.text = "hello";
    std::string lying = Encode(chat).substr(4);
    lying[5] = '\x7F';
    EXPECT_FALSE(Decode(lying, m, why));
}

TEST(NetWire, NamesAndChatTravelAsOneLineOfPlainText)
{
    EXPECT_EQ(CleanText("  Ирина\n\tвторая\x1b[31m  ", 32), "Ирина  вторая [31m");
    EXPECT_EQ(CleanText("<b>Злодей</b>", 32), "<b>Злодей</b>"); // shown as it is, never as markup
    EXPECT_EQ(CleanText("abc\xC3", 32), "abc");                 // a cut character is dropped
    EXPECT_EQ(CleanText("\xC0\xAF/", 32), "/");                 // an overlong one too
    EXPECT_EQ(CleanText("ab\xE2\x80\xAE" "cd", 32), "ab cd");   // no turning the text round
    EXPECT_EQ(CleanText("Щщщщщщщщщщ", 4), "Щщщщ");              // characters, not bytes
    EXPECT_EQ(CleanText(" \n ", 32), "");
}

// ---- sessions --------------------------------------------------------------

// The host's match (the first-turn sample: hero 1 a person, hero 2 the
// computer) with its journal, and peers wired to it without delay.
struct Table {
    Table()
    {
        save::LoadResult r =
            save::ReadSave(testing::SampleSaveText(testing::SampleOfVersion(testing::kFirstTurnSample, 2)));
        EXPECT_TRUE(r) << r.error;
        BindTimers(g);
        save::AdoptMatch(g, *r.game);
        journal.Begin(g, "test", "net");
        host = std::make_unique<Host>(g, journal, "test", code, Limits{}, 99);
    }

    struct Seat {
        std::unique_ptr<Peer> peer;
        ConnId conn = 0;
        bool wired = true;
        std::vector<std::string> closes; // why the host closed it
    };

    Seat& Join(const std::string& name, const std::string& joinCode = "", const std::string& version = "test")
    {
        auto s = std::make_unique<Seat>();
        s->peer = std::make_unique<Peer>(version, name, joinCode, Limits{});
        s->conn = next++;
        host->Opened(s->conn, now);
        s->peer->Opened(now);
        seats.push_back(std::move(s));
        Pump();
        return *seats.back();
    }

    void Rewire(Seat& s)
    {
        s.conn = next++;
        s.wired = true;
        host->Opened(s.conn, now);
        s.peer->Opened(now);
        Pump();
    }

    void Cut(Seat& s)
    {
        host->Closed(s.conn, now);
        s.peer->Closed(now);
        s.wired = false;
    }

    // Until nothing more is said; the host's words to an unwired seat are lost.
    void Pump()
    {
        for (int round = 0; round < 20; ++round) {
            bool any = false;
            for (Send& out : host->Take()) {
                for (auto& s : seats)
                    if (s->conn == out.conn && s->wired) {
                        if (!out.bytes.empty())
                            s->peer->Received(out.bytes, now);
                        if (out.close) {
                            s->closes.push_back(out.why);
                            s->peer->Closed(now);
                            s->wired = false;
                        }
                        any = true;
                    }
            }
            for (auto& s : seats) {
                if (!s->wired)
                    continue;
                for (std::string& bytes : s->peer->Take()) {
                    host->Received(s->conn, bytes, now);
                    any = true;
                }
            }
            if (!any)
                return;
        }
    }

    // The host's clock runs `ticks` ticks, the peers following.
    void Ticks(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            now += 10;
            g.timers.Tick();
            host->Poll(now);
            Pump();
            for (auto& s : seats) {
                if (!s->wired)
                    continue;
                s->peer->Poll(now);
                s->peer->Run(1000, now);
                // Never past what the host has run.
                if (const Game* m = s->peer->Match()) {
                    EXPECT_LE(m->timers.Ticks(), g.timers.Ticks());
                }
            }
            Pump();
        }
    }

    void UntilAtRest()
    {
        for (int i = 0; i < 3000 && !FieldTakesOrders(g); ++i)
            Ticks(1);
    }

    // One person's seat, joined, the match started and at rest.
    Seat& Started(const std::string& name)
    {
        host->OfferSide(1);
        Seat& s = Join(name);
        host->Start(now);
        Ticks(30);
        UntilAtRest();
        Ticks(2);
        EXPECT_TRUE(InStep(s));
        return s;
    }

    bool InStep(const Seat& s) const
    {
        const Game* m = s.peer->Match();
        return m && s.peer->Lines() == journal.Journal().lines.size() &&
               m->timers.Ticks() == g.timers.Ticks() && save::StateHash(*m) == save::StateHash(g);
    }

    // A free cell beside hero 1.
    Order WalkBeside() const
    {
        const Unit& h = g.U(1);
        for (float dx : {720.0f, -720.0f})
            for (float dy : {0.0f, 720.0f, -720.0f}) {
                Order o{OrderKind::Walk, 1, h.PosX + dx, h.PosY + dy};
                o.hand = Hand::Strong;
                if (CheckOrder(g, o) == Refusal::None && InWalkArea(o.x, o.y) && OccupantAt(g, o.x, o.y) == 0)
                    return o;
            }
        return {OrderKind::Walk, 1, h.PosX, h.PosY + 720, -1, Hand::Strong};
    }

    Game g;
    save::Recorder journal;
    std::string code = "";
    std::unique_ptr<Host> host;
    std::vector<std::unique_ptr<Seat>> seats;
    Millis now = 1000;
    ConnId next = 1;
};

TEST(NetHost, AJoinIsRefusedWithItsReasonAndTheMatchGoesOn)
{
    Table t;
    t.code = "secret";
    t.host = std::make_unique<Host>(t.g, t.journal, "test", "secret", Limits{}, 5);
    t.host->OfferSide(1);
    const std::uint64_t before = save::StateHash(t.g);

    Table::Seat& wrongVersion = t.Join("Старый", "secret", "0.9");
    EXPECT_TRUE(wrongVersion.peer->Refused());
    EXPECT_NE(wrongVersion.peer->Refusal().find("game 0.9"), std::string::npos) << wrongVersion.peer->Refusal();
    EXPECT_FALSE(wrongVersion.wired);
    Table::Seat& wrongCode = t.Join("Чужой", "guess");
    EXPECT_EQ(wrongCode.peer->Refusal(), "wrong join code");
    Table::Seat& first = t.Join("Ирина", "secret");
    EXPECT_TRUE(first.peer->Joined());
    EXPECT_EQ(first.peer->Side(), 1);
    Table::Seat& late = t.Join("Опоздавший", "secret");
    EXPECT_EQ(late.peer->Refusal(), "every seat is taken");

    // Speaking before the hello, or not speaking at all, ends a connection.
    t.host->Opened(50, t.now);
    Message ping;
    ping.type = MsgType::Ping;
    t.host->Received(50, Encode(ping), t.now);
    t.host->Opened(51, t.now);
    t.host->Poll(t.now + Limits{}.handshake + 1);
    std::vector<std::string> closed;
    for (const Send& s : t.host->Take())
        if (s.close)
            closed.push_back(s.why);
    ASSERT_EQ(closed.size(), 2u) << "50 and 51; the joined peer may be quiet longer";
    EXPECT_EQ(closed[0], "a message before the hello");
    EXPECT_EQ(closed[1], "no hello within 10 s");
    EXPECT_EQ(save::StateHash(t.g), before);
    EXPECT_GE(t.host->log.size(), 5u);
}

TEST(NetLockstep, APeerFollowsTheHostAndGivesOrdersOnlyForItsOwnSide)
{
    Table t;
    ASSERT_TRUE(t.g.HeroIsHuman[1]);
    t.host->OfferSide(1);
    t.host->OfferSide(2);
    Table::Seat& mine = t.Join("Ирина");
    Table::Seat& other = t.Join("Пётр");
    ASSERT_EQ(mine.peer->Side(), 1);
    ASSERT_EQ(other.peer->Side(), 2);
    t.host->Start(t.now);
    t.Pump();
    t.Ticks(40);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(mine));
    EXPECT_TRUE(t.InStep(other));

    // The order names hero 1, but the connection holds side 2: not taken,
    // whatever the message says.
    const Order walk = t.WalkBeside();
    const std::uint64_t before = save::StateHash(t.g);
    const std::uint64_t stolen = other.peer->Propose(walk, t.now);
    t.Pump();
    ASSERT_TRUE(other.peer->answers.count(stolen));
    EXPECT_EQ(other.peer->answers.at(stolen), static_cast<std::int32_t>(Refusal::NotTheirTurn));
    EXPECT_EQ(save::StateHash(t.g), before);
    // A unit of another side, from the side whose turn it is: the rules say no.
    Order foreign = walk;
    foreign.who = 2;
    const std::uint64_t wrongUnit = mine.peer->Propose(foreign, t.now);
    t.Pump();
    EXPECT_NE(mine.peer->answers.at(wrongUnit), 0);

    const std::size_t lines = t.journal.Journal().lines.size();
    const std::uint64_t id = mine.peer->Propose(walk, t.now);
    t.Pump();
    EXPECT_EQ(mine.peer->answers.at(id), 0);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines + 1);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(mine));
    EXPECT_TRUE(t.InStep(other));
    EXPECT_FALSE(mine.peer->Desynced());
    EXPECT_EQ(t.g.U(1).PosX, walk.x);
    EXPECT_EQ(mine.peer->Match()->U(1).PosX, walk.x);

    // Chat reaches everyone, with the speaker's name, as plain text.
    mine.peer->SendChat("привет\nвсем", t.now);
    t.Pump();
    ASSERT_EQ(other.peer->chat.size(), 1u);
    EXPECT_EQ(other.peer->chat[0], "Ирина: привет всем");
}

TEST(NetLockstep, APeerCanFollowOnTheProgramsOwnMatchWhosePersonsOrdersGoToTheHost)
{
    // The program's match, with its own door and shell: the peer's replay
    // borrows them while it follows the host and gives them back after.
    Game live;
    BindTimers(live);
    save::Recorder ownJournal;
    ownJournal.Begin(live, "test", "own");
    ScriptedShell ownShell;
    live.shell = &ownShell;
    ScriptedShell outer;

    Table t;
    t.host->OfferSide(1);
    auto seat = std::make_unique<Table::Seat>();
    seat->peer = std::make_unique<Peer>("test", "Ирина", "", Limits{});
    Peer& peer = *seat->peer;
    int adopted = 0, diverted = 0;
    peer.Follow(&live, &outer);
    peer.adopted = [&](const save::LoadResult&) { ++adopted; };
    peer.divert = [&](Game&, const Order& o) -> std::optional<Refusal> {
        ++diverted;
        peer.Propose(o, t.now);
        return Refusal::None;
    };
    ownJournal.Detach();
    seat->conn = t.next++;
    t.host->Opened(seat->conn, t.now);
    peer.Opened(t.now);
    t.seats.push_back(std::move(seat));
    t.Pump();
    t.host->Start(t.now);
    t.Pump();
    t.Ticks(30);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_EQ(adopted, 1);
    ASSERT_EQ(peer.Match(), &live);
    EXPECT_TRUE(t.InStep(*t.seats.back()));
    EXPECT_NE(live.orders, nullptr);

    // The person's order goes to the host and not into the match; the line
    // that comes back moves the unit on both.
    const Order walk = t.WalkBeside();
    const std::uint64_t before = save::StateHash(live);
    EXPECT_EQ(GiveOrder(live, walk), Refusal::None);
    EXPECT_EQ(diverted, 1);
    EXPECT_EQ(save::StateHash(live), before);
    t.Pump();
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(*t.seats.back()));
    EXPECT_EQ(live.U(1).PosX, walk.x);
    EXPECT_FALSE(peer.Desynced());
    // The computer's orders and the host's lines are the replay's own: none
    // of them went to the divert.
    EXPECT_EQ(diverted, 1);

    // The view is the person's whose turn it is: it moves every machine's.
    const float x = t.g.ViewX + 720.0f;
    const std::uint64_t view = peer.ProposeView(x, t.g.ViewY, t.now);
    t.Pump();
    EXPECT_EQ(peer.answers.at(view), 0);
    EXPECT_EQ(t.g.ViewX, x);
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(*t.seats.back()));
    EXPECT_EQ(live.ViewX, x);
    // The same view again is taken with no line to show for it.
    const std::size_t lines = t.journal.Journal().lines.size();
    const std::uint64_t again = peer.ProposeView(x, t.g.ViewY, t.now);
    t.Pump();
    EXPECT_EQ(peer.answers.at(again), 0);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines);

    // Given back: the match keeps what it has, with its own door and shell.
    peer.Follow(nullptr, nullptr);
    EXPECT_EQ(live.orders, nullptr); // the journal stood aside before the join
    EXPECT_EQ(live.shell, &ownShell);
    EXPECT_EQ(save::StateHash(live), save::StateHash(t.g));
}

TEST(NetHostile, AViewOffTheFieldOrOutOfTurnGetsNowhere)
{
    Table t;
    t.host->OfferSide(1);
    t.host->OfferSide(2);
    Table::Seat& mine = t.Join("Ирина");
    Table::Seat& other = t.Join("Пётр");
    t.host->Start(t.now);
    t.Pump();
    t.Ticks(30);
    t.UntilAtRest();
    t.Ticks(2);
    ASSERT_EQ(t.g.ActiveHero, 1);
    // Side 2 looks elsewhere while side 1 is on the move: refused.
    const float x = t.g.ViewX;
    const std::uint64_t id = other.peer->ProposeView(x + 1440, 0, t.now);
    t.Pump();
    EXPECT_EQ(other.peer->answers.at(id), static_cast<std::int32_t>(Refusal::NotTheirTurn));
    EXPECT_EQ(t.g.ViewX, x);
    // A view no field has: that connection ends, the match goes on.
    mine.peer->ProposeView(1.0e9f, 0, t.now);
    t.Pump();
    ASSERT_EQ(mine.closes.size(), 1u);
    EXPECT_NE(mine.closes[0].find("ViewX"), std::string::npos) << mine.closes[0];
    EXPECT_TRUE(std::isfinite(t.g.ViewX));
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(other));
}

TEST(NetHost, APersonMovesToAnOpenSeatBeforeTheStartAndEveryoneIsTold)
{
    Table t;
    for (int side = 1; side <= 3; ++side)
        t.host->OfferSide(side);
    Table::Seat& a = t.Join("Ирина");
    Table::Seat& b = t.Join("Пётр");
    ASSERT_EQ(a.peer->Side(), 1);
    ASSERT_EQ(b.peer->Side(), 2);
    // Both hear who sits where, before the match comes.
    ASSERT_EQ(a.peer->seats.size(), 3u);
    EXPECT_EQ(a.peer->seats[1].name, "Пётр");
    EXPECT_EQ(a.peer->seats[2].owner, kNoOwner);

    b.peer->Claim(3, 2, "Морвен\nЧёрная", t.now);
    t.Pump();
    EXPECT_EQ(b.peer->Side(), 3);
    // The hero as the person chose it goes with the seat, as plain text.
    EXPECT_EQ(t.host->Seats()[2].heroClass, 2);
    EXPECT_EQ(t.host->Seats()[2].heroName, "Морвен Чёрная");
    EXPECT_EQ(t.host->Seats()[1].heroName, "");
    EXPECT_EQ(a.peer->seats[1].owner, kNoOwner);
    EXPECT_EQ(a.peer->seats[2].name, "Пётр");
    // A seat someone holds is not taken from them.
    b.peer->Claim(1, 0, "", t.now);
    t.Pump();
    EXPECT_EQ(b.peer->Side(), 3);
    EXPECT_EQ(a.peer->Side(), 1);
    // The one left open takes the next person; once the match runs the
    // seats stay where they are.
    Table::Seat& c = t.Join("Анна");
    EXPECT_EQ(c.peer->Side(), 2);
    EXPECT_TRUE(t.host->Full());
    t.host->Start(t.now);
    t.Pump();
    c.peer->Claim(1, 0, "", t.now);
    t.Pump();
    EXPECT_EQ(c.peer->Side(), 2);
    EXPECT_EQ(t.host->Seats()[1].name, "Анна");
}

TEST(NetHost, AHeroChangesClassWhereHeStandsOnlyBeforeAnyoneHasActed)
{
    Table t;
    ASSERT_EQ(t.g.Day, 1);
    const Unit before = t.g.U(2);
    const int other = ClassOfHeroType(before.UnitType) == 2 ? 3 : 2;
    ASSERT_TRUE(ChangeHeroClass(t.g, 2, other));
    EXPECT_EQ(t.g.U(2).UnitType, HeroTypeOfClass(other));
    EXPECT_EQ(t.g.U(2).Name, before.Name);
    EXPECT_EQ(t.g.U(2).PosX, before.PosX);
    EXPECT_EQ(t.g.U(2).PosY, before.PosY);
    EXPECT_EQ(t.g.U(2).Hp, t.g.U(2).HpMax);
    // No class that is none, and not once the hero has acted.
    const std::uint64_t now = save::StateHash(t.g);
    EXPECT_FALSE(ChangeHeroClass(t.g, 2, 7));
    t.g.U(1).Actions -= 1;
    EXPECT_FALSE(ChangeHeroClass(t.g, 1, ClassOfHeroType(t.g.U(1).UnitType) == 1 ? 2 : 1));
    t.g.U(1).Actions += 1;
    EXPECT_EQ(save::StateHash(t.g), now);
}

TEST(NetLockstep, AWalkTakenBackAtAPeersAskingIsTakenBackOnEveryMachine)
{
    Table t;
    save::WalkUndo walks(t.journal);
    t.journal.undo = &walks;
    walks.Begin(t.g);
    t.host->undo = [&] { return walks.Undo(); };
    t.host->OfferSide(1);
    t.host->OfferSide(2);
    Table::Seat& mine = t.Join("Ирина");
    Table::Seat& other = t.Join("Пётр");
    t.host->Start(t.now);
    t.Pump();
    t.Ticks(30);
    t.UntilAtRest();
    t.Ticks(2);
    const Order walk = t.WalkBeside();
    const float x = t.g.U(1).PosX;
    const std::size_t lines = t.journal.Journal().lines.size();
    mine.peer->Propose(walk, t.now);
    t.Pump();
    t.UntilAtRest();
    t.Ticks(2);
    ASSERT_EQ(t.g.U(1).PosX, walk.x);
    // Not the other person's to take back.
    const std::uint64_t stolen = other.peer->ProposeUndo(t.now);
    t.Pump();
    ASSERT_TRUE(other.peer->answers.count(stolen));
    EXPECT_EQ(other.peer->answers.at(stolen), static_cast<std::int32_t>(Refusal::NotTheirTurn));
    EXPECT_EQ(t.g.U(1).PosX, walk.x);
    // The walker's own: back at the host, and every peer gets the match again.
    const std::uint64_t id = mine.peer->ProposeUndo(t.now);
    t.Pump();
    ASSERT_TRUE(mine.peer->answers.count(id));
    EXPECT_EQ(mine.peer->answers.at(id), 0);
    EXPECT_EQ(t.g.U(1).PosX, x);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines);
    t.Ticks(3);
    EXPECT_TRUE(t.InStep(mine));
    EXPECT_TRUE(t.InStep(other));
    EXPECT_EQ(mine.peer->Match()->U(1).PosX, x);
    // Nothing more to take back: refused, and nothing changes.
    const std::uint64_t again = mine.peer->ProposeUndo(t.now);
    t.Pump();
    ASSERT_TRUE(mine.peer->answers.count(again));
    EXPECT_EQ(mine.peer->answers.at(again), kNothingToUndo);
    EXPECT_TRUE(t.InStep(mine));
    t.journal.undo = nullptr;
}

TEST(NetLockstep, TheHostsOwnPersonIsKeptFromSidesPlayedElsewhere)
{
    Table t;
    t.host->OfferSide(1);
    Table::Seat& s = t.Join("Ирина");
    t.host->Start(t.now);
    t.Pump();
    t.Ticks(30);
    t.UntilAtRest();
    t.Ticks(2);
    // The host's window asks its door; side 1 is played at the peer.
    t.journal.gate = [&](const Game& g, const Order&) -> std::optional<Refusal> {
        if (g.timers.InTick() || t.host->Giving())
            return std::nullopt;
        return g.ActiveHero == 1 ? std::optional<Refusal>(Refusal::NotTheirTurn) : std::nullopt;
    };
    const std::size_t lines = t.journal.Journal().lines.size();
    const std::uint64_t before = save::StateHash(t.g);
    EXPECT_EQ(GiveOrder(t.g, t.WalkBeside()), Refusal::NotTheirTurn);
    EXPECT_EQ(save::StateHash(t.g), before);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines);
    // The person at the peer gives it, through the same door.
    const std::uint64_t id = s.peer->Propose(t.WalkBeside(), t.now);
    t.Pump();
    EXPECT_EQ(s.peer->answers.at(id), 0);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines + 1);
}

TEST(NetLockstep, ACutConnectionRejoinsAndNothingIsLostOrRepeated)
{
    Table t;
    Table::Seat& s = t.Started("Ирина");
    ASSERT_TRUE(t.InStep(s));

    // The order reaches the host, which takes it; the answer is lost with
    // the connection.
    const Order walk = t.WalkBeside();
    const std::uint64_t id = s.peer->Propose(walk, t.now);
    for (std::string& bytes : s.peer->Take())
        t.host->Received(s.conn, bytes, t.now);
    t.host->Take();
    t.Cut(s);
    const std::size_t lines = t.journal.Journal().lines.size();
    t.Ticks(200); // the host plays on meanwhile
    EXPECT_TRUE(t.host->Away(1));
    EXPECT_EQ(s.peer->Pending().count(id), 1u);

    // Back with its token: the missed lines come, the order goes again
    // under its id and is answered without being given twice.
    t.Rewire(s);
    EXPECT_TRUE(s.peer->Joined());
    EXPECT_EQ(s.peer->Side(), 1);
    EXPECT_FALSE(t.host->Away(1));
    t.Ticks(5);
    EXPECT_EQ(t.host->Tally().duplicates, 1);
    EXPECT_EQ(t.host->Tally().committed, 1);
    EXPECT_EQ(t.journal.Journal().lines.size(), lines);
    EXPECT_TRUE(s.peer->Pending().empty());
    EXPECT_EQ(s.peer->answers.at(id), 0);
    EXPECT_EQ(s.peer->doubleTaken, 0);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(s));

    // A stranger's token names no seat once the match runs.
    Table::Seat& stranger = t.Join("Чужой");
    EXPECT_TRUE(stranger.peer->Refused());
}

TEST(NetHostile, FloodsSilenceAndAPeerThatDoesNotReadAreDroppedAndTheRestGoOn)
{
    Table t;
    t.host->OfferSide(1);
    t.host->OfferSide(2);
    Table::Seat& good = t.Join("Ирина");
    Table::Seat& bad = t.Join("Злодей");
    t.host->Start(t.now);
    t.Ticks(20);

    // A flood of orders from side 2 out of its turn.
    save::RecordLine end;
    end.kind = save::RecordLine::Kind::Order;
    for (int i = 0; i < 100; ++i) {
        Message m;
        m.type = MsgType::Propose;
        m.id = static_cast<std::uint64_t>(i + 1);
        m.text = save::OrderLine(end, 0);
        t.host->Received(bad.conn, Encode(m), t.now);
    }
    t.Pump();
    ASSERT_EQ(bad.closes.size(), 1u);
    EXPECT_EQ(bad.closes[0], "a flood of orders");
    EXPECT_TRUE(good.wired);

    // Back, then a frame of 4 GiB announced.
    t.Rewire(bad);
    ASSERT_TRUE(bad.peer->Joined());
    t.host->Received(bad.conn, std::string("\xF0\xFF\xFF\xFF", 4), t.now);
    t.Pump();
    ASSERT_EQ(bad.closes.size(), 2u);
    EXPECT_NE(bad.closes[1].find("4294967280 bytes"), std::string::npos) << bad.closes[1];

    // Back, then it stops reading: its unread bytes pile up past the limit.
    t.Rewire(bad);
    t.host->Backlog(bad.conn, Limits{}.backlog + 1, t.now);
    t.Pump();
    ASSERT_EQ(bad.closes.size(), 3u);
    EXPECT_NE(bad.closes[2].find("does not read"), std::string::npos);

    // Back, then silent: heartbeats go, and after the silence it is gone.
    t.Rewire(bad);
    bad.wired = false; // it hears nothing and says nothing
    for (int i = 0; i < 1700 && good.wired; ++i)
        t.Ticks(1);
    EXPECT_TRUE(good.wired) << "the good peer answers the heartbeats";
    bool silent = false;
    for (const std::string& line : t.host->log)
        silent = silent || line.find("silent for 15 s") != std::string::npos;
    EXPECT_TRUE(silent);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(good));
    EXPECT_EQ(t.host->Tally().committed, 0);
}

TEST(NetLockstep, APeerThatDiffersIsFoundAndGivenTheHostsMatch)
{
    Table t;
    Table::Seat& s = t.Started("Ирина");
    ASSERT_TRUE(t.InStep(s));
    // Something changes the peer's match behind the rules' back.
    s.peer->Match()->U(1).Hp -= 1;
    s.peer->Propose(t.WalkBeside(), t.now);
    t.Pump();
    t.Ticks(3);
    EXPECT_EQ(s.peer->desyncs, 1);
    ASSERT_EQ(s.peer->desyncNotes.size(), 1u);
    EXPECT_EQ(t.host->Tally().resyncs, 1);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(s));
    EXPECT_FALSE(s.peer->Desynced());
}

} // namespace
} // namespace gh

namespace gh {
namespace {

TEST(NetLockstep, ALostPersonsTurnWaitsWithACountdownThenTheComputerPlaysItEverywhere)
{
    Table t;
    Limits limits;
    limits.away = 5000;
    t.host = std::make_unique<Host>(t.g, t.journal, "test", "", limits, 7);
    t.host->OfferSide(1);
    t.host->OfferSide(2); // the computer's side: its person only watches
    Table::Seat& person = t.Join("Ирина");
    Table::Seat& watcher = t.Join("Пётр");
    ASSERT_EQ(person.peer->Side(), 1);
    t.host->Start(t.now);
    t.Ticks(30);
    t.UntilAtRest();
    ASSERT_EQ(t.g.ActiveHero, 1);

    t.Cut(person);
    EXPECT_EQ(t.host->AwayLeft(1, t.now), limits.away);
    EXPECT_EQ(t.host->AwayLeft(2, t.now), -1);
    t.Ticks(300); // three seconds of the host's clock
    EXPECT_EQ(watcher.peer->pausedSide, 1);
    EXPECT_GT(watcher.peer->pausedLeft, limits.away - 4000);
    EXPECT_LT(watcher.peer->pausedLeft, limits.away - 1000);
    EXPECT_EQ(t.g.ActiveHero, 1) << "nobody plays the person's turn meanwhile";

    // The countdown runs out; the host lets the computer play side 1, on
    // every machine alike.
    t.Ticks(200);
    EXPECT_EQ(t.host->AwayLeft(1, t.now), 0);
    t.host->HandToComputer(1);
    EXPECT_EQ(t.host->AwayLeft(1, t.now), -1);
    for (int i = 0; i < 6000 && t.g.ActiveHero == 1; ++i)
        t.Ticks(1);
    EXPECT_NE(t.g.ActiveHero, 1);
    t.UntilAtRest();
    t.Ticks(2);
    EXPECT_TRUE(t.InStep(watcher)) << watcher.peer->DesyncWhy();
    EXPECT_FALSE(watcher.peer->Match()->HeroIsHuman[1]);

    // The person comes back to a side the computer now plays, and follows.
    t.Rewire(person);
    t.Ticks(5);
    EXPECT_TRUE(t.InStep(person));
}

} // namespace
} // namespace gh
