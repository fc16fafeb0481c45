// The state hash, the journal of orders, records and their replay, and the
// journal and log a save keeps.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/Engine.h"
#include "engine/Journal.h"
#include "engine/Movement.h"
#include "engine/Order.h"
#include "engine/Placement.h"
#include "magic/Casting.h"
#include "save/Layout.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "tests/core/SampleSaves.h"
#include "world/Events.h"
#include "world/Units.h"

namespace gh {
namespace {

using namespace gh::save;

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// ---- the state hash ----------------------------------------------------------

TEST(StateHash, KeepsToItsVectors)
{
    // FNV-1a 64 as published, then the hash of two fixed matches: a change
    // here means every record ever written stops verifying.
    EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ULL);
    MatchState empty; // its generator seeded from the clock until pinned
    empty.Generator.Pin(42);
    EXPECT_EQ(HashText(StateHash(empty)), "1dd120ff0b65bc92");
    const LoadResult sample = ReadSave(testing::SampleSaveText(testing::kFirstTurnSample));
    ASSERT_TRUE(sample) << sample.error;
    EXPECT_EQ(HashText(StateHash(sample.game->Match())), "ce88127eb31d103b");
}

TEST(StateHash, HexTextReadsBackAndRefusesAnythingElse)
{
    std::uint64_t v = 0;
    ASSERT_TRUE(ParseHashText(HashText(0x0123456789abcdefULL), v));
    EXPECT_EQ(v, 0x0123456789abcdefULL);
    EXPECT_EQ(HashText(0), "0000000000000000");
    for (const char* bad :
         {"", "0123", "0123456789ABCDEF", "0123456789abcdeg", "0123456789abcdef0", " 123456789abcdef"})
        EXPECT_FALSE(ParseHashText(bad, v)) << bad;
}

// Changes the n-th leaf the layout visits (a number, a flag, an element of a
// list, the timers, the generator) and names it by its top-level field. Of
// lists and tables it takes the first few elements, of the records the
// first few: enough to see every kind of leaf, in a test that stays quick.
class OneChange {
public:
    explicit OneChange(int which) : which_(which) {}
    std::string changed; // the top-level field whose leaf was changed
    int seen = 0;

    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char* key, T& v)
    {
        if (Hit(key))
            v = static_cast<T>(std::is_same_v<T, bool> ? !v : v + 1);
    }
    void operator()(const char* key, std::string& v)
    {
        if (Hit(key))
            v += "x";
    }
    void operator()(const char* key, Rgb& c)
    {
        if (Hit(key))
            c.r ^= 1;
    }
    template <class T, std::size_t N> void operator()(const char* key, std::array<T, N>& values)
    {
        for (std::size_t i = 0; i < N && i < kFew; ++i)
            (*this)(key, values[i]);
    }
    template <class T, std::size_t R, std::size_t C> void operator()(const char* key, T (&rows)[R][C])
    {
        for (std::size_t r = 0; r < R && r < kFew; ++r)
            for (std::size_t c = 0; c < C && c < kFew; ++c)
                (*this)(key, rows[r][c]);
    }
    template <class T, class F> void Object(const char* key, T& value, F visit)
    {
        Nest(key, [&] { visit(value, *this); });
    }
    template <class A, class F> void Records(const char* key, A& records, F visit)
    {
        Nest(key, [&] {
            std::size_t n = 0;
            for (auto& r : records)
                if (n++ < kFew)
                    visit(r, *this);
        });
    }
    void Timers(const char* key, Scheduler& s)
    {
        if (Hit(key))
            s.SetInterval(TimerId::Tmr4, s.Interval(TimerId::Tmr4) + 1);
    }
    void Generator(const char* key, ClockRandom& r)
    {
        if (Hit(key))
            r.Rnd();
    }

private:
    static constexpr std::size_t kFew = 3;
    template <class F> void Nest(const char* key, F f)
    {
        if (!top_.empty())
            return f();
        top_ = key;
        f();
        top_.clear();
    }
    bool Hit(const char* key)
    {
        if (seen++ != which_)
            return false;
        changed = top_.empty() ? key : top_;
        return true;
    }
    int which_;
    std::string top_;
};

TEST(StateHash, CoversTheSharedFieldsOnly)
{
    // Every leaf of the match changed in turn: the hash moves for each shared
    // field and for no per-seat one, and the per-seat ones are exactly the
    // view named beside MatchState.
    const LoadResult sample = ReadSave(testing::SampleSaveText(testing::kThirtyDaysSample));
    ASSERT_TRUE(sample) << sample.error;
    const std::uint64_t base = StateHash(sample.game->Match());
    std::set<std::string> perSeat, shared;
    for (int n = 0;; ++n) {
        MatchState copy = sample.game->Match();
        OneChange change(n);
        VisitMatch(copy, change);
        if (change.changed.empty())
            break;
        const bool moved = StateHash(copy) != base;
        EXPECT_EQ(moved, IsSharedField(change.changed)) << "leaf " << n << " of " << change.changed;
        (moved ? shared : perSeat).insert(change.changed);
    }
    EXPECT_EQ(perSeat, (std::set<std::string>{"ViewX", "ViewY"}));
    EXPECT_TRUE(shared.count("Units") && shared.count("Generator") && shared.count("timers") &&
                shared.count("Target") && shared.count("Tally"));
}

TEST(StateHash, TheRulesFingerprintIsStable)
{
    EXPECT_EQ(RulesFingerprint(), RulesFingerprint());
    EXPECT_NE(RulesFingerprint(), 0u);
}

// ---- recording and replaying ---------------------------------------------------

// A person's match, loaded from the first-turn sample as the program loads one.
struct LiveMatch {
    LiveMatch()
    {
        LoadResult r =
            ReadSave(testing::SampleSaveText(testing::SampleOfVersion(testing::kFirstTurnSample, 2)));
        EXPECT_TRUE(r) << r.error;
        BindTimers(g);
        AdoptMatch(g, *r.game);
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n && g.MatchRunning; ++i)
            g.timers.Tick();
    }
    void UntilAtRest()
    {
        for (int i = 0; i < 5000 && !FieldTakesOrders(g); ++i)
            g.timers.Tick();
    }
    // A free cell beside hero 1, which the first-turn sample hands to a person.
    Order WalkBeside() const
    {
        const Unit& h = g.U(1);
        for (float dx : {720.0f, -720.0f})
            for (float dy : {0.0f, 720.0f, -720.0f}) {
                Order o{OrderKind::Walk, 1, h.PosX + dx, h.PosY + dy};
                if (CheckOrder(g, o) == Refusal::None && InWalkArea(o.x, o.y) && OccupantAt(g, o.x, o.y) == 0)
                    return o;
            }
        return {OrderKind::Walk, 1, h.PosX, h.PosY + 720};
    }
    Game g;
};

// A person's turn with every kind of input the windows give: the view moved,
// the pointer resting on a unit, an order, the walking speed changed between
// two ticks, the end of the turn; then the computer plays a while.
Record PlayAPersonsTurn(LiveMatch& m, Recorder& rec)
{
    Game& g = m.g;
    rec.Begin(g, "test", "person");
    m.Ticks(7);
    g.ViewX = 720;
    g.Target = 2;
    m.Ticks(3);
    GiveOrder(g, {OrderKind::Select, 1, g.U(1).PosX, g.U(1).PosY});
    m.Ticks(2);
    GiveOrder(g, m.WalkBeside());
    m.UntilAtRest();
    g.AnimSpeed = 8;
    m.Ticks(5);
    GiveOrder(g, {OrderKind::EndTurn});
    m.Ticks(600);
    return rec.Closed();
}

TEST(Record, APersonsTurnReplaysToTheSameMatch)
{
    LiveMatch m;
    ASSERT_TRUE(m.g.HeroIsHuman[1]);
    Recorder rec;
    const Record r = PlayAPersonsTurn(m, rec);
    int seats = 0, inputs = 0, computer = 0;
    for (const RecordLine& l : r.lines) {
        seats += l.kind == RecordLine::Kind::Seat;
        inputs += l.kind == RecordLine::Kind::Order && l.input;
        computer += !l.input;
    }
    EXPECT_GE(seats, 2);  // the view and pointer, then the speed
    EXPECT_EQ(inputs, 3); // select, walk, end of turn
    EXPECT_GT(computer, 0);

    const std::string text = WriteRecord(r);
    RecordReadResult read = ReadRecord(text, true);
    ASSERT_TRUE(read) << read.error;
    EXPECT_EQ(read.record.lines, r.lines);
    EXPECT_EQ(WriteRecord(read.record), text);
    Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_EQ(StateHash(replay.Match()), StateHash(m.g));
    EXPECT_TRUE(replay.Match().Match() == m.g.Match());
}

TEST(Record, ACellClickedForAnOrderTheRulesRefuseIsWrittenDown)
{
    // A click notes its cell, then gives its order; with nobody selected the
    // walk is refused in silence, and the cell it noted must still be in the
    // journal, or the replay differs from there.
    LiveMatch m;
    Recorder rec;
    rec.Begin(m.g, "test", "refused");
    m.Ticks(3);
    m.g.TargetCellX = 5040;
    m.g.TargetCellY = 2160;
    ASSERT_EQ(GiveOrder(m.g, {OrderKind::Walk, 0, 5040, 2160}), Refusal::NoSuchUnit);
    m.Ticks(3);
    const Record r = rec.Closed();
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0].kind, RecordLine::Kind::Seat);
    EXPECT_EQ(r.lines[0].seat.TargetCellX, 5040);
    RecordReadResult read = ReadRecord(WriteRecord(r), true);
    ASSERT_TRUE(read) << read.error;
    Replayer replay(read.record, *read.start);
    EXPECT_TRUE(replay.PlayToEnd()) << replay.Error();
}

TEST(Record, AReplayStopsAtTheFirstDifference)
{
    LiveMatch m;
    Recorder rec;
    const Record r = PlayAPersonsTurn(m, rec);
    RecordReadResult read = ReadRecord(WriteRecord(r), true);
    ASSERT_TRUE(read);

    auto firstInput = [&](RecordLine::Kind kind) {
        for (std::size_t i = 0; i < r.lines.size(); ++i)
            if (r.lines[i].input && r.lines[i].kind == kind)
                return i;
        return r.lines.size();
    };
    { // a change of the view left out: the pointer's Target differs
        Record bad = r;
        bad.lines.erase(bad.lines.begin() + static_cast<std::ptrdiff_t>(firstInput(RecordLine::Kind::Seat)));
        Replayer replay(bad, *read.start);
        EXPECT_FALSE(replay.PlayToEnd());
        EXPECT_FALSE(replay.Error().empty());
    }
    { // the person's walk given a tick later
        Record bad = r;
        const std::size_t walk = firstInput(RecordLine::Kind::Order) + 1;
        ASSERT_EQ(bad.lines[walk].order.kind, OrderKind::Walk);
        bad.lines[walk].tick += 1;
        Replayer replay(bad, *read.start);
        EXPECT_FALSE(replay.PlayToEnd());
        EXPECT_LE(replay.Done(), walk);
    }
    { // the final hash
        Record bad = r;
        bad.end.hash ^= 1;
        Replayer replay(bad, *read.start);
        EXPECT_FALSE(replay.PlayToEnd());
        EXPECT_EQ(replay.Done(), r.lines.size());
    }
}

TEST(Record, KeyframesGoBackToExactlyTheSameReplay)
{
    LiveMatch m;
    Recorder rec;
    const Record r = PlayAPersonsTurn(m, rec);
    RecordReadResult read = ReadRecord(WriteRecord(r), true);
    ASSERT_TRUE(read);
    Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayTo(3));
    const auto mark = replay.Keep();
    const std::uint64_t at = StateHash(replay.Match());
    ASSERT_TRUE(replay.PlayToEnd());
    replay.Restore(*mark);
    EXPECT_EQ(StateHash(replay.Match()), at);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_EQ(StateHash(replay.Match()), r.end.hash);
}

TEST(Record, OnlyTheMatchWithTheRecorderIsRecorded)
{
    LiveMatch m;
    Recorder rec;
    rec.Begin(m.g, "test", "copy");
    Game preview(m.g); // a preview plays on its own copy
    EXPECT_EQ(preview.orders, nullptr);
    GiveOrder(preview, {OrderKind::EndTurn});
    EXPECT_TRUE(rec.Journal().lines.empty());
    rec.Detach();
    GiveOrder(m.g, {OrderKind::EndTurn});
    EXPECT_TRUE(rec.Journal().lines.empty());
}

TEST(Record, CommittedSamplesVerify)
{
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(GH_SAMPLE_RECORDS)) {
        if (e.path().extension() != std::string(kRecordExtension))
            continue;
        ++n;
        RecordReadResult read = ReadRecord(ReadText(e.path().string()), true);
        ASSERT_TRUE(read) << e.path() << ": " << read.error;
        Replayer replay(read.record, *read.start);
        EXPECT_TRUE(replay.PlayToEnd()) << e.path() << ": " << replay.Error();
    }
    EXPECT_GE(n, 2);
}

// ---- the reader ----------------------------------------------------------------

std::string SampleRecord()
{
    return ReadText(std::string(GH_SAMPLE_RECORDS) + "/v1-two-heroes-seed-7.ghrec");
}

std::string ReplaceFirst(std::string s, const std::string& from, const std::string& to)
{
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        s.replace(at, from.size(), to);
    return s;
}

TEST(RecordRefused, DamagedFilesWithAPlainReason)
{
    const std::string good = SampleRecord();
    ASSERT_TRUE(ReadRecord(good, true));
    const std::size_t firstLine = good.find('\n') + 1;
    const std::string secondLine = good.substr(firstLine, good.find('\n', firstLine) - firstLine);
    const std::string cases[] = {
        "",
        "not a record\n",
        "{\"format\":\"grimhollow-save\",\"version\":1}\n",
        good.substr(0, good.size() / 2),                                     // cut
        good.substr(0, good.rfind('\n', good.size() - 2) + 1),               // no closing line
        ReplaceFirst(good, "\"seq\":0", "\"seq\":1"),                        // out of order
        ReplaceFirst(good, "\"seq\":0", "\"seq\":0,\"extra\":1"),            // a field the format lacks
        ReplaceFirst(good, "\"hash\":\"", "\"hash\":\"x"),                   // not a hash
        ReplaceFirst(good, "\"kind\":\"", "\"kind\":\"fly"),                 // no such order
        ReplaceFirst(good, "\"who\":", "\"who\":1000"),                      // no such unit
        ReplaceFirst(good, "\"side\":", "\"side\":-"),                       // no such side
        ReplaceFirst(good, secondLine, secondLine + std::string(5000, ' ')), // a line too long
        ReplaceFirst(good, secondLine, "{\"a\":[[[[1]]]]}"),                 // nesting
        ReplaceFirst(good, "\"match\":", "\"match\":\"\\u0001\",\"x\":"), // a control character, a field more
        ReplaceFirst(good, "\"start\":\"{", "\"start\":\"{]"),            // the start is no save
        good.substr(0, firstLine) + good.substr(good.find('\n', firstLine) + 1), // a line dropped
        good + "\xff\n",                                                         // not UTF-8
    };
    for (const std::string& bad : cases) {
        const RecordReadResult r = ReadRecord(bad, true);
        EXPECT_FALSE(r) << bad.substr(0, 120);
        EXPECT_FALSE(r.error.empty());
    }
}

TEST(RecordRefused, ANewerFormatOrOtherRulesSaySo)
{
    const std::string good = SampleRecord();
    const RecordReadResult newer = ReadRecord(ReplaceFirst(good, "\"version\":1", "\"version\":" + std::to_string(kRecordFormatVersion + 1)), true);
    EXPECT_FALSE(newer);
    EXPECT_TRUE(newer.newerVersion);
    EXPECT_NE(newer.error.find("Обновите игру"), std::string::npos) << newer.error;

    const std::string rules = "\"rules\":\"" + HashText(RulesFingerprint()) + "\"";
    const RecordReadResult other =
        ReadRecord(ReplaceFirst(good, rules, "\"rules\":\"" + HashText(RulesFingerprint() ^ 1) + "\""), true);
    EXPECT_FALSE(other);
    EXPECT_TRUE(other.otherRules);
    EXPECT_NE(other.error.find("другим правилам"), std::string::npos) << other.error;
}

// The end of a person's turn brings the next person's hero into view while
// the order goes through: no replay moves it there, so it is written down
// before anything else, as a page read later takes its aiming frame's first
// cell from the view. Found by the window fuzz.
TEST(Record, AViewMovedWhileAnOrderWentThroughIsWrittenDown)
{
    struct ViewMover final : EventSink {
        Game* g = nullptr;
        void OnEvent(const Game&, const MatchEvent& e) override
        {
            if (e.kind == EventKind::TurnBegins)
                g->ViewY = 1234; // as the battlefield centres a hero
        }
    } mover;
    LiveMatch m;
    mover.g = &m.g;
    m.g.events = &mover;
    Recorder rec;
    rec.Begin(m.g, "test", "view");
    m.Ticks(3);
    ASSERT_EQ(GiveOrder(m.g, {OrderKind::EndTurn}), Refusal::None);
    ASSERT_EQ(m.g.ViewY, 1234);
    const Record r = rec.Closed();
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(r.lines.back().kind, RecordLine::Kind::Seat);
    EXPECT_EQ(r.lines.back().seat.ViewY, 1234);

    RecordReadResult read = ReadRecord(WriteRecord(r), true);
    ASSERT_TRUE(read) << read.error;
    Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_EQ(replay.Match().ViewY, 1234);
}

// The casting dialog's list picks a page through the order door: a
// creature's page draws what would come from the match's generator, so the
// pick is a line of its own and a replay draws the same. A record of the
// first version cannot hold one.
TEST(Record, APagePickedInTheDialogIsAnOrderThatReplays)
{
    LiveMatch m;
    Game& g = m.g;
    int creature = -1, spell = -1;
    for (int slot = 0; slot < kSpellSlots; ++slot) {
        const int v = g.Spellbook[1][slot];
        if (v > 0 && creature < 0)
            creature = slot;
        if (v < 0 && spell < 0)
            spell = slot;
    }
    ASSERT_GE(creature, 0);
    ASSERT_GE(spell, 0);
    int empty = 0;
    while (g.Spellbook[1][empty] != 0)
        ++empty;
    EXPECT_EQ(CheckOrder(g, {OrderKind::PickPage, 2, 0, 0, creature}), Refusal::NotTheirTurn);
    EXPECT_EQ(CheckOrder(g, {OrderKind::PickPage, 1, 0, 0, empty}), Refusal::NoPage);
    EXPECT_EQ(CheckOrder(g, {OrderKind::PickPage, 1, 0, 0, kSpellSlots}), Refusal::NoPage);

    Recorder rec;
    rec.Begin(g, "test", "pick");
    m.Ticks(4);
    const std::size_t drawn = g.Generator.Drawn();
    ASSERT_EQ(GiveOrder(g, {OrderKind::PickPage, 1, 0, 0, creature}), Refusal::None);
    EXPECT_GT(g.Generator.Drawn(), drawn); // the creature to come is drawn up
    EXPECT_EQ(g.ChosenSlot, creature);
    const CastEntry shown = ChosenEntry(g);
    EXPECT_EQ(shown.slot, creature);
    EXPECT_EQ(shown.portrait, g.U(0).Portrait);
    m.Ticks(3);
    ASSERT_EQ(GiveOrder(g, {OrderKind::PickPage, 1, 0, 0, spell}), Refusal::None);
    EXPECT_EQ(ChosenEntry(g).value, g.Spellbook[1][spell]);
    m.Ticks(3);
    ASSERT_EQ(GiveOrder(g, {OrderKind::PickPage, 1, 0, 0, creature}), Refusal::None);
    m.Ticks(2);
    GiveOrder(g, {OrderKind::EndTurn});
    m.Ticks(300);
    const Record r = rec.Closed();
    ASSERT_EQ(std::count_if(r.lines.begin(), r.lines.end(),
                            [](const RecordLine& l) {
                                return l.kind == RecordLine::Kind::Order && l.order.kind == OrderKind::PickPage;
                            }),
              3);

    const std::string text = WriteRecord(r);
    EXPECT_NE(text.find("\"kind\":\"pick\""), std::string::npos);
    RecordReadResult read = ReadRecord(text, true);
    ASSERT_TRUE(read) << read.error;
    Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_TRUE(replay.Match().Match() == g.Match());

    const std::string v2 = "\"version\":" + std::to_string(kRecordFormatVersion);
    const RecordReadResult old = ReadRecord(ReplaceFirst(text, v2, "\"version\":1"), true);
    EXPECT_FALSE(old);
    EXPECT_NE(old.error.find("«pick»"), std::string::npos) << old.error;
}

// ---- the journal and the log in a save ------------------------------------------

TEST(SaveFormat3, KeepsTheJournalAndTheLogOfTheMatch)
{
    LiveMatch m;
    Recorder rec;
    Journal log;
    m.g.events = &log;
    rec.Begin(m.g, "test", "kept");
    GiveOrder(m.g, {OrderKind::EndTurn});
    m.Ticks(300);
    for (int i = 0; i < 2000 && !FieldAtRest(m.g); ++i)
        m.g.timers.Tick();
    ASSERT_TRUE(CheckMatch(m.g).empty()) << CheckMatch(m.g);
    ASSERT_FALSE(log.Entries().empty());

    rec.Sync();
    MatchMemory memory;
    memory.journal = WriteRecord(rec.Journal());
    memory.log.assign(log.Entries().begin(), log.Entries().end());
    const LoadResult loaded = ReadSave(WriteSave(m.g, SaveSummary{}, &memory));
    ASSERT_TRUE(loaded) << loaded.error;
    EXPECT_EQ(loaded.memory.journal, memory.journal);
    ASSERT_EQ(loaded.memory.log.size(), memory.log.size());
    for (std::size_t i = 0; i < memory.log.size(); ++i) {
        EXPECT_EQ(loaded.memory.log[i].Text, memory.log[i].Text);
        EXPECT_EQ(loaded.memory.log[i].Day, memory.log[i].Day);
        EXPECT_EQ(loaded.memory.log[i].Side, memory.log[i].Side);
        EXPECT_EQ(loaded.memory.log[i].Turn, memory.log[i].Turn);
    }
}

// The journal a committed sample of format 3 keeps replays from the match's
// start to exactly the saved match.
TEST(SaveFormat3, ASamplesJournalLeadsToTheSavedMatch)
{
    for (const char* v1 : {testing::kFirstTurnSample, testing::kThirtyDaysSample, testing::kEndgameSample}) {
        const std::string name = testing::SampleOfVersion(v1, 3);
        const LoadResult loaded = ReadSave(testing::SampleSaveText(name));
        ASSERT_TRUE(loaded) << name << ": " << loaded.error;
        ASSERT_FALSE(loaded.memory.journal.empty()) << name;
        RecordReadResult journal = ReadRecord(loaded.memory.journal, false);
        ASSERT_TRUE(journal) << journal.error;
        Replayer replay(journal.record, *journal.start);
        ASSERT_TRUE(replay.PlayToEnd()) << name << ": " << replay.Error();
        Game& g = replay.Match();
        while (g.timers.Ticks() < loaded.game->timers.Ticks())
            g.timers.Tick();
        EXPECT_EQ(StateHash(g), StateHash(*loaded.game)) << name;
        if (std::string(v1) != testing::kFirstTurnSample) {
            EXPECT_FALSE(loaded.memory.log.empty()) << name;
        }
    }
}

TEST(SaveFormat3, OlderSavesLoadWithAnEmptyJournalAndLog)
{
    for (int version = 1; version <= 2; ++version) {
        const LoadResult loaded =
            ReadSave(testing::SampleSaveText(testing::SampleOfVersion(testing::kThirtyDaysSample, version)));
        ASSERT_TRUE(loaded) << loaded.error;
        EXPECT_TRUE(loaded.memory.journal.empty());
        EXPECT_TRUE(loaded.memory.log.empty());
    }
}

TEST(SaveFormat3, ADamagedJournalOrLogRefusesTheSave)
{
    const std::string good = testing::SampleSaveText(testing::SampleOfVersion(testing::kThirtyDaysSample, 3));
    ASSERT_TRUE(ReadSave(good));
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\\\"seq\\\":3", "\\\"seq\\\":4"},
                                   {"\"journal\": \"", "\"journal\": \"x"},
                                   {"\"Side\": ", "\"Side\": 9"},
                                   {"\"Day\": ", "\"Day\": -"}}) {
        const std::size_t at = good.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        std::string bad = good;
        bad.replace(at, from.size(), to);
        const LoadResult r = ReadSave(bad);
        EXPECT_FALSE(r) << from;
        EXPECT_FALSE(r.error.empty());
        EXPECT_TRUE(r.memory.log.empty());
    }
}

TEST(Journal, ALoadedMatchsLogReplacesTheLastMatchsLines)
{
    Journal log;
    Game g;
    g.Day = 3;
    log.OnEvent(g, {EventKind::DayBegins});
    ASSERT_EQ(log.Entries().size(), 1u);
    const std::vector<JournalEntry> loaded{{2, 1, true, "Ходит Маг"}, {2, 1, false, "удар"}};
    log.Restore(loaded);
    ASSERT_EQ(log.Entries().size(), 2u);
    EXPECT_EQ(log.Entries().front().Text, "Ходит Маг");
    EXPECT_EQ(log.Written(), 2u);
    log.Restore({});
    EXPECT_TRUE(log.Entries().empty());
}

} // namespace
} // namespace gh
