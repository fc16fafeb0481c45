// The save format: a match written and read back is the same match, and a
// file that is not a whole, valid save is refused with a reason.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/Engine.h"
#include "magic/SpellCatalogue.h"
#include "save/SaveFormat.h"
#include "tests/core/SampleSaves.h"
#include "windows/Settings.h"
#include "world/Game.h"

namespace gh {
namespace {

using Json = nlohmann::json;
using testing::kEndgameSample;
using testing::kFirstTurnSample;
using testing::kThirtyDaysSample;
using testing::SampleSaveText;

save::SaveSummary Named(const std::string& title)
{
    save::SaveSummary s;
    s.title = title;
    s.savedAt = "2026-12-09T11:00:00";
    s.gameVersion = "0.1";
    return s;
}

std::unique_ptr<Game> Load(const std::string& text)
{
    save::LoadResult r = save::ReadSave(text);
    EXPECT_TRUE(r) << r.error;
    return std::move(r.game);
}

bool SameControls(const Game& a, const Game& b)
{
    return static_cast<const FieldControls&>(a) == static_cast<const FieldControls&>(b);
}

// Every field of the match and the controls away from its default and from
// what the sample held, within what a loaded match may be.
void TouchEveryField(Game& g)
{
    // A record of its own, on a free cell of the field.
    constexpr int kRecord = 60;
    g.UnitCount = kRecord;
    Unit& u = g.U(kRecord);
    for (int col = 1, found = 0; col <= 20 && !found; ++col)
        for (int row = 1; row <= 20 && !found; ++row) {
            bool free = true;
            for (int i = 1; i < kRecord; ++i)
                free =
                    free && !(g.U(i).OnField && g.U(i).PosX == col * 720.0f && g.U(i).PosY == row * 720.0f);
            if (free) {
                u.PosX = col * 720.0f;
                u.PosY = row * 720.0f;
                found = 1;
            }
        }
    u.CellsWide = 1;
    u.CellsHigh = 1;
    u.Facing = 1;
    u.AnimFrame = 3;
    u.UnitType = 5;
    u.AnimTick = 2;
    u.AnimDelay = 6;
    u.Kind = kKindCreature;
    u.Hp = 77;
    u.HpMax = 99;
    u.Actions = 3;
    u.ActionsMax = 4;
    for (int e = 0; e < kElements; ++e) {
        u.Protection[static_cast<std::size_t>(e)] = e + 1;
        u.Immunity[static_cast<std::size_t>(e)] = e % 2 == 0;
        u.Grace[static_cast<std::size_t>(e)] = e % 3 == 0;
        u.Weakness[static_cast<std::size_t>(e)] = e % 5 == 1;
    }
    u.AttackElement = 9;
    u.Strength = 111;
    u.Magic = 222;
    u.Reason = 333;
    u.Name = "Ёжик \"в\" тумане \\ 😀";
    u.Speed = 44;
    u.Exp = 55;
    u.ExpNext = 66;
    u.Leadership = 2;
    u.LeadershipMax = 3;
    u.Level = 7;
    u.ImageBase = 37;
    u.Portrait = 6;
    u.Owner = 4;
    u.Will = 88;
    u.Mana = 12;
    u.ManaMax = 13;
    u.IsMale = true;
    u.HitChance = 70;
    u.AttackRange = 3;
    u.OnField = true;

    g.HorBar = {true, 1234, 5, 9000, 100, 900};
    g.VertBar = {true, 17, 3, 7000, 50, 400};
    g.ViewX = 1234.5f;
    g.ViewY = 3.25f;
    g.Selected = 7;
    g.Target = 8;
    g.Attacker = 9;
    g.Defender = 10;
    g.Day += 3;
    for (int h = 1; h <= kHeroes; ++h)
        g.HeroIsHuman[static_cast<std::size_t>(h)] = true;
    for (int h = 0; h <= kHeroes; ++h) {
        for (int s = 0; s < kSpellSlots; ++s)
            g.Spellbook[h][s] = static_cast<std::int16_t>((h * 7 + s) % 24 - 16);
        for (int t = 0; t <= kHeroes; ++t)
            g.Attitude[h][t] = static_cast<std::int16_t>((h * 6 + t * 11) % 100 - 50);
    }
    g.AnimSpeed = 8;
    g.LoopI = 42;
    g.LoopJ = -3;
    g.TargetCellX = 0.1f;
    g.TargetCellY = -3.75f;
    g.ChosenSlot = 33;
    g.CastChance = 77;
    g.CastMana = 55;
    g.CurrentSpell = SpellOf(5);
    g.AiCursor = 12;
    g.ComputerLevel = {0, 5, 0, 3, 1, 0};
    g.Strong.Day = g.Day;
    g.Strong.Side = 3;
    for (std::size_t i = 0; i < g.Strong.Orders.size(); ++i)
        g.Strong.Orders[i] = static_cast<std::uint8_t>(i % 4);
    g.Strong.Casts = 17;
    g.timers.SetInterval(TimerId::Tmr, 500);
    g.timers.SetInterval(TimerId::Tmr2, 1);
    g.timers.SetEnabled(TimerId::Tmr4, true);
    g.timers.SetEnabled(TimerId::TmrEnemy, true);
    for (int i = 0; i < 5; ++i)
        g.timers.Tick(); // no handlers: only the clock moves
    for (int i = 0; i < 7; ++i)
        g.Generator.Rnd();

    g.ShpSel = {true, 12.5f, -7.0f};
    g.ShpAt = {true, 3.0f, 4.0f};
    g.LblUdar = {true, "мимо", {1, 2, 3}, -11.0f, 12.0f};
    g.LblXP = {true, "повышение", kGreen, 5.5f, 6.5f};
}

// ---- what a save holds --------------------------------------------------

TEST(SaveFormat, EveryFieldOfTheMatchAndTheControlsComesBack)
{
    auto g = Load(SampleSaveText(kThirtyDaysSample));
    ASSERT_TRUE(g);
    TouchEveryField(*g);
    ASSERT_EQ(save::CheckMatch(*g), "");

    const std::string text = save::WriteSave(*g, Named("все поля"));
    auto back = Load(text);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->Match() == g->Match());
    EXPECT_TRUE(SameControls(*back, *g));
    EXPECT_TRUE(save::WriteSave(*back, Named("все поля")) == text);
    EXPECT_EQ(back->U(60).Name, "Ёжик \"в\" тумане \\ 😀");
    EXPECT_EQ(back->timers.Interval(TimerId::Tmr), 500);
    EXPECT_EQ(back->Generator.Drawn(), g->Generator.Drawn());
    EXPECT_EQ(back->Generator.Rnd(), g->Generator.Rnd());
}

// When this fails, a field was added to or taken from the match, a record or
// the controls. Add it to save/Layout.h (and its range to save/Check.cpp),
// raise kFormatVersion with an upgrade step from the old version and commit
// samples of the new version beside the old ones; then write the new size
// here. The sizes are those of x86-64 with libstdc++.
TEST(SaveFormat, KnowsTheSizeOfEverythingItSaves)
{
#if defined(__x86_64__) && defined(__GLIBCXX__)
    EXPECT_EQ(sizeof(Unit), 272u);
    EXPECT_EQ(sizeof(SpellRecord), 44u);
    EXPECT_EQ(sizeof(StrongTurnNotes), 116u);
    EXPECT_EQ(sizeof(Scheduler::State), 112u);
    EXPECT_EQ(sizeof(FieldControls), 184u);
    // The scheduler's handlers and its tick watcher count here too, though
    // they are never saved.
    EXPECT_EQ(sizeof(MatchTally), 144u);
    EXPECT_EQ(sizeof(MatchState), 31472u);
#else
    GTEST_SKIP() << "the sizes are recorded for x86-64 with libstdc++";
#endif
}

TEST(SaveFormat, TheSameMatchAlwaysGivesTheSameText)
{
    auto g = Load(SampleSaveText(kThirtyDaysSample));
    ASSERT_TRUE(g);
    const std::string first = save::WriteSave(*g, Named("a"));
    const Game copy(*g);
    EXPECT_TRUE(save::WriteSave(copy, Named("a")) == first);
    EXPECT_TRUE(save::WriteSave(*g, Named("a")) == first);
    // Only what the caller names differs between saves of one match.
    EXPECT_FALSE(save::WriteSave(*g, Named("b")) == first);
    EXPECT_EQ(first.rfind("{\n \"format\": \"grimhollow-save\",\n \"version\": 3,", 0), 0u)
        << first.substr(0, 80);
}

TEST(SaveFormat, FloatsReadBackToTheLastBit)
{
    auto g = Load(SampleSaveText(kFirstTurnSample));
    ASSERT_TRUE(g);
    const float values[] = {0.1f, -0.0f, 1e-40f, 9999999.5f, 1.0f / 3.0f, -7654321.25f, 8388607.5f};
    for (float v : values) {
        g->TargetCellX = v;
        g->ShpAt.Left = std::nextafter(v, 1e7f);
        g->LblXP.Top = -v;
        auto back = Load(save::WriteSave(*g, Named("x")));
        ASSERT_TRUE(back);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back->TargetCellX), std::bit_cast<std::uint32_t>(v));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back->ShpAt.Left),
                  std::bit_cast<std::uint32_t>(g->ShpAt.Left));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back->LblXP.Top), std::bit_cast<std::uint32_t>(-v));
    }
}

TEST(SaveFormat, ALoadedMatchStartsTheMomentAtRestAndDrawsFromItsOwnGenerator)
{
    auto g = Load(SampleSaveText(kThirtyDaysSample));
    ASSERT_TRUE(g);
    EXPECT_TRUE(static_cast<const Moment&>(*g) == Moment{});
    EXPECT_EQ(g->rnd, &g->Generator);
    EXPECT_FALSE(g->Generator.Pinned()) << "the samples are unpinned, as the program's generator is";
}

// ---- the summary --------------------------------------------------------

TEST(SaveSummary, NamesTheHeroesThatTookPartAndWhoIsAlive)
{
    auto g = Load(SampleSaveText(kEndgameSample));
    ASSERT_TRUE(g);
    const save::SaveSummary s = save::SummaryOf(*g, "конец", true, "2026-12-09T12:00:00", "0.1");
    ASSERT_EQ(s.heroes.size(), 3u);
    int alive = 0;
    for (const auto& h : s.heroes) {
        EXPECT_EQ(h.name, g->U(h.slot).Name);
        EXPECT_EQ(h.unitType, g->U(h.slot).UnitType);
        alive += h.alive;
    }
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(s.day, g->Day);
    EXPECT_EQ(s.activeHero, g->ActiveHero);

    // A hero left out by the selection is not listed, nor an empty record.
    Game two(*g);
    two.U(3).OnField = false;
    two.U(3).Hp = two.U(3).HpMax;
    two.U(4) = Unit{};
    const auto fewer = save::SummaryOf(two, "", false, "", "");
    for (const auto& h : fewer.heroes)
        EXPECT_TRUE(h.slot != 3 && h.slot != 4) << h.slot;
}

TEST(SaveSummary, IsReadWithoutTheMatchAndAgreesWithIt)
{
    const std::string text = SampleSaveText(kThirtyDaysSample);
    save::SaveSummary s;
    std::string error;
    ASSERT_TRUE(save::ReadSummary(text, s, error)) << error;
    auto g = Load(text);
    ASSERT_TRUE(g);
    const auto own = save::SummaryOf(*g, s.title, s.autosave, s.savedAt, s.gameVersion);
    EXPECT_EQ(s.day, own.day);
    EXPECT_EQ(s.heroes.size(), 5u);
    EXPECT_EQ(s.version, 1);
    EXPECT_FALSE(s.title.empty());

    // A damaged match still lists by its summary; it will not load.
    Json doc = Json::parse(text);
    doc["match"]["Units"][3]["Hp"] = "много";
    const std::string damaged = doc.dump();
    ASSERT_TRUE(save::ReadSummary(damaged, s, error)) << error;
    EXPECT_FALSE(save::ReadSave(damaged));

    // A title too long is cut between characters when written.
    const std::string title(3000, 'x');
    auto named = save::WriteSave(*g, Named("ж" + title + "жжжжжжж"));
    ASSERT_TRUE(save::ReadSummary(named, s, error)) << error;
    EXPECT_LE(s.title.size(), save::kMaxTitleBytes);
    EXPECT_EQ(s.title.rfind("ж" + title, 0), 0u);
}

// ---- refused files ------------------------------------------------------

struct Refusal {
    const char* what;
    std::function<void(Json&)> edit;
    const char* says; // a part of the message
};

TEST(SaveRefused, FieldsOfTheWrongKindOrOutOfRange)
{
    const std::string text = SampleSaveText(kThirtyDaysSample);
    const Json sample = Json::parse(text);
    const std::vector<Refusal> cases = {
        {"no match", [](Json& j) { j.erase("match"); }, "нет поля «match»"},
        {"no field", [](Json& j) { j["match"]["Units"][7].erase("Hp"); }, "нет поля «match.Units[7].Hp»"},
        {"extra field", [](Json& j) { j["match"]["Units"][7]["Luck"] = 3; },
         "лишнее поле «match.Units[7].Luck»"},
        {"text for a number", [](Json& j) { j["match"]["Day"] = "31"; }, "«match.Day» должно быть целым"},
        {"fraction for a whole number", [](Json& j) { j["match"]["Day"] = 31.5; }, "должно быть целым"},
        {"number for a flag", [](Json& j) { j["match"]["MatchRunning"] = 1; }, "true или false"},
        {"short array", [](Json& j) { j["match"]["Units"].erase(100); }, "массивом из 101"},
        {"number past its type", [](Json& j) { j["match"]["LoopI"] = 40000; }, "вне допустимых пределов"},
        {"huge number", [](Json& j) { j["match"]["Units"][2]["Hp"] = 1e300; }, "должно быть целым"},
        {"float overflow", [](Json& j) { j["match"]["ViewX"] = 1e300; }, "слишком велико"},
        {"past a cap", [](Json& j) { j["match"]["Units"][2]["Speed"] = 1000; },
         "«match.Units[2].Speed» равно 1000"},
        {"negative", [](Json& j) { j["match"]["Units"][2]["Strength"] = -1; }, "Strength"},
        {"owner", [](Json& j) { j["match"]["Units"][12]["Owner"] = 6; }, "Owner"},
        {"kind", [](Json& j) { j["match"]["Units"][12]["Kind"] = 4; }, "Kind"},
        {"unit type", [](Json& j) { j["match"]["Units"][12]["UnitType"] = 8; }, "UnitType"},
        {"spellbook", [](Json& j) { j["match"]["Spellbook"][2][3] = -17; }, "Spellbook[2][3]"},
        {"spellbook creature", [](Json& j) { j["match"]["Spellbook"][2][3] = 8; }, "Spellbook[2][3]"},
        {"spell number", [](Json& j) { j["match"]["CurrentSpell"]["SpellNo"] = 17; }, "SpellNo"},
        {"strong notes", [](Json& j) { j["match"]["Strong"]["Side"] = 6; }, "Strong.Side"},
        {"index", [](Json& j) { j["match"]["Selected"] = 101; }, "Selected"},
        {"index", [](Json& j) { j["match"]["ActiveHero"] = 6; }, "ActiveHero"},
        {"count", [](Json& j) { j["match"]["UnitCount"] = -1; }, "UnitCount"},
        {"off a corner", [](Json& j) { j["match"]["Units"][40]["PosX"] = 1000.0; }, "не в углу клетки"},
        {"off the field", [](Json& j) { j["match"]["Units"][40]["PosY"] = 21 * 720.0; }, "не в углу клетки"},
        {"a walk under way", [](Json& j) { j["match"]["InputMode"] = 4; }, "InputMode 4"},
        {"a blow under way", [](Json& j) { j["match"]["timers"]["Tmr3"]["enabled"] = true; }, "Tmr3"},
        {"odd interval", [](Json& j) { j["match"]["timers"]["Tmr4"]["interval"] = 100; }, "Tmr4.interval"},
        {"the clock", [](Json& j) { j["match"]["timers"]["ticks"] = 5; }, "не согласуются"},
        {"generator", [](Json& j) { j["match"]["Generator"] = "1 2 3"; }, "генератора"},
        {"caption", [](Json& j) { j["controls"]["LblXP"]["Caption"] = std::string(300, 'a'); },
         "LblXP.Caption"},
        {"colour", [](Json& j) { j["controls"]["LblXP"]["ForeColor"][1] = 256; }, "ForeColor[1]"},
        {"bar", [](Json& j) { j["controls"]["HorBar"]["Value"] = 20000; }, "HorBar.Value"},
        {"no match running", [](Json& j) { j["match"]["MatchRunning"] = false; }, "нет идущей партии"},
        {"neutral person", [](Json& j) { j["match"]["HeroIsHuman"][0] = true; }, "Нейтральной"},
        {"name with a line break", [](Json& j) { j["match"]["Units"][30]["Name"] = "a\nb"; },
         "перевод строки"},
        {"summary heroes", [](Json& j) { j["summary"]["heroes"][0]["name"] = "Другой"; }, "не совпадает"},
        {"summary day", [](Json& j) { j["summary"]["day"] = 1; }, "не совпадает"},
        {"summary order", [](Json& j) { j["summary"]["heroes"][1]["slot"] = 1; }, "не по порядку"},
        {"not ours", [](Json& j) { j["format"] = "other-game"; }, "не является сохранением"},
        {"no version", [](Json& j) { j.erase("version"); }, "Версия формата"},
        {"version zero", [](Json& j) { j["version"] = 0; }, "Версия формата"},
        {"version as text", [](Json& j) { j["version"] = "1"; }, "Версия формата"},
    };
    for (const Refusal& c : cases) {
        Json doc = sample;
        c.edit(doc);
        const save::LoadResult r = save::ReadSave(doc.dump());
        EXPECT_FALSE(r) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
        EXPECT_FALSE(r.newerVersion) << c.what;
    }
    // The sample itself, dumped the same way, loads: the refusals are the edits'.
    EXPECT_TRUE(save::ReadSave(sample.dump()));
}

TEST(SaveRefused, RecordsThatContradictEachOther)
{
    const Json sample = Json::parse(SampleSaveText(kThirtyDaysSample));
    auto loaded = Load(sample.dump());
    ASSERT_TRUE(loaded);
    const Game& g = *loaded;
    int a = 0, b = 0; // two records on the field
    for (int i = 1; i <= g.UnitCount && !b; ++i)
        if (g.U(i).OnField)
            (a ? b : a) = i;
    int human = 0;
    for (int h = 1; h <= kHeroes; ++h)
        human = g.HeroIsHuman[static_cast<std::size_t>(h)] ? h : human;
    ASSERT_TRUE(a && b && human);

    const std::vector<Refusal> cases = {
        {"shared cell",
         [&](Json& j) {
             j["match"]["Units"][b]["PosX"] = g.U(a).PosX;
             j["match"]["Units"][b]["PosY"] = g.U(a).PosY;
         },
         "на одной клетке"},
        {"on the field past UnitCount", [&](Json& j) { j["match"]["UnitCount"] = b - 1; }, "UnitCount равно"},
        {"scratch record on the field", [](Json& j) { j["match"]["Units"][0]["OnField"] = true; },
         "запись 0"},
        {"life past its maximum", [&](Json& j) { j["match"]["Units"][a]["Hp"] = g.U(a).HpMax + 1; },
         "больше наибольшего"},
        {"leads more than it can",
         [&](Json& j) { j["match"]["Units"][a]["Leadership"] = g.U(a).LeadershipMax + 1; }, "ведёт больше"},
        {"the border", [&](Json& j) { j["match"]["Units"][a]["PosX"] = 0.0; }, "на краю поля"},
        {"hero off the field on its turn",
         [&](Json& j) { j["match"]["Units"][g.ActiveHero]["OnField"] = false; }, "которого нет на поле"},
        {"computer's turn with its timer off",
         [&](Json& j) {
             j["match"]["HeroIsHuman"][g.ActiveHero] = false;
             j["match"]["timers"]["TmrEnemy"]["enabled"] = false;
         },
         "TmrEnemy"},
        {"view outside the bars", [](Json& j) { j["match"]["ViewX"] = 20000.0; }, "полос прокрутки"},
    };
    for (const Refusal& c : cases) {
        Json doc = sample;
        c.edit(doc);
        const save::LoadResult r = save::ReadSave(doc.dump());
        EXPECT_FALSE(r) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
    }
}

TEST(SaveRefused, TextThatIsNoWholeSave)
{
    const std::string text = SampleSaveText(kFirstTurnSample);
    ASSERT_TRUE(save::ReadSave(text));
    struct Case {
        const char* what;
        std::string text;
        const char* says;
    };
    std::string repeated = text;
    repeated.replace(repeated.find("\"Day\":"), 6, "\"Day\": 5, \"Day\":");
    std::string badByte = text;
    badByte.insert(badByte.find("\"title\": \"") + 10, "\xc3\x28");
    std::string surrogate = text;
    surrogate.insert(surrogate.find("\"title\": \"") + 10, "\xed\xa0\x80");
    std::string overlong = text;
    overlong.insert(overlong.find("\"title\": \"") + 10, "\xc0\xaf");
    std::string escapedSurrogate = text;
    escapedSurrogate.insert(escapedSurrogate.find("\"title\": \"") + 10, "\\ud800");
    std::string deep = text;
    deep.replace(deep.find("\"autosave\": false"), 17, "\"autosave\": [[[[[[false]]]]]]");
    const std::vector<Case> cases = {
        {"empty", "", "пуст"},
        {"too big", std::string(save::kMaxSaveBytes + 1, ' '), "слишком велик"},
        {"cut short", text.substr(0, text.size() / 2), "оборван"},
        {"not JSON", "Это не сохранение", "не JSON"},
        {"an array", "[1, 2, 3]", "не похож на сохранение"},
        {"a repeated key", repeated, "встречается в одном объекте дважды"},
        {"invalid UTF-8", badByte, "UTF-8"},
        {"an encoded surrogate", surrogate, "UTF-8"},
        {"an overlong form", overlong, "UTF-8"},
        {"a lone escaped surrogate", escapedSurrogate, "не JSON"},
        {"nested too deep", deep, "вложены глубже"},
        {"nested a million deep", std::string(1000000, '[') + std::string(1000000, ']'), "вложены глубже"},
    };
    for (const Case& c : cases) {
        const save::LoadResult r = save::ReadSave(c.text);
        EXPECT_FALSE(r) << c.what;
        EXPECT_NE(r.error.find(c.says), std::string::npos) << c.what << ": " << r.error;
        save::SaveSummary s;
        std::string error;
        EXPECT_FALSE(save::ReadSummary(c.text, s, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(SaveRefused, ANewerFormatAsksForANewerGame)
{
    Json doc = Json::parse(SampleSaveText(kFirstTurnSample));
    doc["version"] = save::kFormatVersion + 1;
    doc["match"]["SomethingNew"] = true;
    const save::LoadResult r = save::ReadSave(doc.dump());
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.newerVersion);
    EXPECT_NE(r.error.find("Обновите игру"), std::string::npos) << r.error;

    save::SaveSummary s;
    std::string error;
    EXPECT_FALSE(save::ReadSummary(doc.dump(), s, error));
    EXPECT_EQ(s.version, save::kFormatVersion + 1);
    EXPECT_NE(error.find("более новой версией"), std::string::npos) << error;
}

TEST(SaveRefused, NamesAsLongAsTheSelectionTakesAndNoLonger)
{
    auto g = Load(SampleSaveText(kFirstTurnSample));
    ASSERT_TRUE(g);
    // A character outside the basic plane takes two units, as in Qt.
    std::string name;
    for (std::size_t i = 0; i < save::kMaxNameUnits / 2; ++i)
        name += "😀";
    name += "я";
    g->U(7).Name = name;
    EXPECT_EQ(save::CheckMatch(*g), "");
    EXPECT_TRUE(save::ReadSave(save::WriteSave(*g, Named("длинное имя"))));
    g->U(7).Name += "я";
    EXPECT_NE(save::CheckMatch(*g).find("длиннее"), std::string::npos);
    EXPECT_FALSE(save::ReadSave(save::WriteSave(*g, Named("слишком длинное имя"))));
}

// A match started in a game that played another keeps some of the last
// one: the strong player's notes of a later day, records past UnitCount.
TEST(SaveFormat, WhatAnEarlierMatchLeftBehindStillLoads)
{
    auto g = Load(SampleSaveText(kFirstTurnSample));
    ASSERT_TRUE(g);
    g->Strong.Day = g->Day + 40;
    g->Strong.Side = 4;
    Unit& old = g->U(70);
    old = g->U(7);
    old.OnField = false;
    old.Hp = -300; // remains rot on long after they leave the field
    old.Owner = 0;
    old.Kind = kKindRemains;
    EXPECT_EQ(save::CheckMatch(*g), "");
    auto back = Load(save::WriteSave(*g, Named("вторая партия")));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->Match() == g->Match());
}

TEST(SaveRefused, TheIdlePaceSpansWhatTheSettingsOffer)
{
    auto g = Load(SampleSaveText(kFirstTurnSample));
    ASSERT_TRUE(g);
    ApplyIdlePace(*g, kIdlePaceMax);
    EXPECT_EQ(save::CheckMatch(*g), "");
    ApplyIdlePace(*g, kIdlePaceMin);
    EXPECT_EQ(save::CheckMatch(*g), "");
    g->timers.SetInterval(TimerId::Tmr, kIdlePaceMax + 1);
    EXPECT_NE(save::CheckMatch(*g).find("Tmr.interval"), std::string::npos);
}

// ---- over the live match ------------------------------------------------

TEST(AdoptMatch, ReplacesTheMatchAndKeepsTheLiveServicesAndHandlers)
{
    auto loaded = Load(SampleSaveText(kThirtyDaysSample));
    ASSERT_TRUE(loaded);
    auto live = std::make_unique<Game>();
    BindTimers(*live);
    live->PathSteps = 9; // a moment of the match it replaces
    live->EffectFrame = 3;
    int told = 0;
    live->timers.SetActivityListener([&] { ++told; });

    save::AdoptMatch(*live, *loaded);
    EXPECT_TRUE(live->Match() == loaded->Match());
    EXPECT_TRUE(SameControls(*live, *loaded));
    EXPECT_TRUE(static_cast<const Moment&>(*live) == Moment{});
    EXPECT_EQ(live->rnd, &live->Generator);
    EXPECT_GT(told, 0) << "the program's driver must hear that the timers changed";

    // The live handlers still drive the rules: the experience label hides.
    live->LblXP.Visible = true;
    live->timers.SetEnabled(TimerId::Tmr4, true);
    for (int i = 0; i < 13; ++i)
        live->timers.Tick();
    EXPECT_FALSE(live->LblXP.Visible);
}

} // namespace
} // namespace gh
