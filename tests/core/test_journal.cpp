// What the rules report as the match goes: blows, kills, promotions, summons,
// spells and turns; the tally the match keeps of them; and the log's lines.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedMatch.h"
#include "engine/Blows.h"
#include "engine/Journal.h"
#include "engine/Placement.h"
#include "engine/Setup.h"
#include "engine/TurnCycle.h"
#include "magic/SpellCatalogue.h"
#include "magic/Spells.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using testing::Pick;

struct Recorder final : EventSink {
    void OnEvent(const Game&, const MatchEvent& e) override { events.push_back(e); }
    std::vector<EventKind> Kinds() const
    {
        std::vector<EventKind> k;
        for (const MatchEvent& e : events)
            k.push_back(e.kind);
        return k;
    }
    std::vector<MatchEvent> events;
};

class Reported : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.events = &journal;
        journal.listener = [this](const Game&, const MatchEvent& e, const JournalEntry*) {
            heard.events.push_back(e);
        };
        g.MatchRunning = true;
        g.ActiveHero = 1;
        g.Day = 3;
        g.HeroIsHuman[1] = true;
        Place(1, kMage, 1, 2, 2, "Гэндальф");
        Place(2, kArcheress, 2, 9, 9, "Арвен");
        Place(a, kSkeleton, 1, 3, 3);
        Place(b, kSkeleton, 0, 4, 3);
        for (int i : {a, b}) {
            Unit& u = g.U(i);
            u.Protection = {};
            u.Immunity = {};
            u.Grace = {};
            u.Weakness = {};
            u.AttackElement = 2;
            u.HpMax = u.Hp = 100;
            u.HitChance = 50;
            u.AttackRange = 1;
            u.Strength = 10;
        }
        g.U(a).Speed = 60;
        g.U(b).Speed = 50;
    }

    // Unit a strikes b once: damage draw `dmg`, hit draw `hit` (none
    // against immunity, which is not rolled for).
    void Strike(float dmg, float hit = -1)
    {
        rnd.Push(dmg);
        if (hit >= 0)
            rnd.Push(hit);
        g.Selected = g.Attacker = a;
        g.Target = g.Defender = b;
        g.StrikeFrame = 1;
        for (int i = 0; i < 4; ++i)
            BlowTick(g);
    }

    std::string LastLine() const { return JournalLine(journal.Entries().back()); }

    Journal journal;
    Recorder heard;
    static constexpr int a = 7, b = 8;
};

TEST_F(Reported, EachBlowSaysWhoStruckWhomAndWhatItDid)
{
    Strike(Pick(2, 5), 0.0f); // 12, a hit
    ASSERT_EQ(heard.Kinds(), std::vector<EventKind>{EventKind::Blow});
    EXPECT_EQ(heard.events[0].who, a);
    EXPECT_EQ(heard.events[0].whom, b);
    EXPECT_EQ(heard.events[0].amount, -12);
    EXPECT_EQ(heard.events[0].outcome, Outcome::Landed);
    EXPECT_EQ(LastLine(), "День 3. Скелет (Гэндальф) \u2192 Скелет: урон 12 (жизнь 88/100)");
    EXPECT_EQ(journal.Entries().back().Side, 1);

    Strike(Pick(0, 5), 0.99f); // the roll misses
    EXPECT_EQ(heard.events.back().outcome, Outcome::Missed);
    EXPECT_EQ(heard.events.back().amount, 0);
    EXPECT_EQ(LastLine(), "День 3. Скелет (Гэндальф) \u2192 Скелет: мимо");

    g.U(b).Immunity[2] = true;
    Strike(Pick(0, 5));
    EXPECT_EQ(rnd.Left(), 0u);
    EXPECT_EQ(heard.events.back().outcome, Outcome::Immune);
    EXPECT_EQ(LastLine(), "День 3. Скелет (Гэндальф) \u2192 Скелет: иммунитет");

    // A blow that heals says how much life it gave, up to the maximum.
    g.U(b).Immunity[2] = false;
    g.U(b).Grace[2] = true;
    g.U(b).Hp = 95;
    Strike(Pick(4, 5), 0.0f); // +14, but only 5 are missing
    EXPECT_EQ(heard.events.back().amount, 5);
    EXPECT_EQ(LastLine(), "День 3. Скелет (Гэндальф) \u2192 Скелет: лечение 5 (жизнь 100/100)");
    // Nothing was ever killed.
    EXPECT_EQ(g.Tally.Sides[1].Kills, 0);
    EXPECT_EQ(g.Tally.Sides[0].Losses, 0);
}

TEST_F(Reported, AKillFollowsItsBlowCountsForBothSidesAndAPromotionFollowsIt)
{
    g.U(b).Hp = 5;
    g.U(a).Exp = g.U(a).ExpNext - 1; // one kill from the next level
    const int level = g.U(a).Level;
    Strike(Pick(0, 5), 0.0f);
    ASSERT_EQ(heard.Kinds(),
              (std::vector<EventKind>{EventKind::Blow, EventKind::Kill, EventKind::Promotion}));
    EXPECT_EQ(heard.events[0].amount, -5); // life stops at nothing
    EXPECT_EQ(heard.events[1].side, 1);
    EXPECT_EQ(heard.events[2].who, a);
    EXPECT_EQ(heard.events[2].amount, level + 1);
    EXPECT_EQ(g.Tally.Sides[1].Kills, 1);
    EXPECT_EQ(g.Tally.Sides[0].Losses, 1);
    EXPECT_EQ(g.Tally.Sides[0].Kills, 0);
    EXPECT_EQ(g.Tally.Sides[1].Losses, 0);

    const auto& lines = journal.Entries();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Text, "Скелет (Гэндальф) \u2192 Скелет: урон 5");
    EXPECT_EQ(lines[1].Text, "Скелет гибнет; сразил Скелет (Гэндальф)");
    EXPECT_EQ(lines[2].Text, "Скелет (Гэндальф): повышение до уровня " + std::to_string(level + 1));
}

TEST_F(Reported, SummonsAreCountedOnlyWhenTheCreatureComes)
{
    g.InputMode = kModeSummon;
    g.ChosenSlot = 3;
    g.Spellbook[1][3] = kDemon;
    g.U(0).UnitType = kDemon;
    g.U(1).Magic = 0;
    g.U(1).Mana = 100;
    g.CastChance = 50;
    g.TargetCellX = 5 * 720;
    g.TargetCellY = 5 * 720;
    rnd.Push({0.9f}); // 90 > 50: it fails
    PlaceSummon(g, UnrulySummon::AskThePlayer);
    ASSERT_EQ(heard.events.size(), 1u);
    EXPECT_EQ(heard.events[0].kind, EventKind::SummonFailed);
    EXPECT_EQ(heard.events[0].amount, kDemon);
    EXPECT_EQ(LastLine(), "День 3. Маг Гэндальф: заклинание провалено, Демон призвать не удалось");
    EXPECT_EQ(g.Tally.Sides[1].Summoned, 0);

    g.InputMode = kModeSummon;
    g.Spellbook[1][3] = kDemon;
    rnd.Push({0.1f});
    PlaceSummon(g, UnrulySummon::AskThePlayer);
    ASSERT_EQ(heard.events.size(), 2u);
    const MatchEvent& called = heard.events[1];
    EXPECT_EQ(called.kind, EventKind::Summoned);
    EXPECT_EQ(called.who, 1);
    EXPECT_EQ(g.U(called.whom).UnitType, kDemon);
    EXPECT_EQ(called.outcome, Outcome::Landed);
    EXPECT_EQ(g.Tally.Sides[1].Summoned, 1);
    EXPECT_EQ(LastLine(), "День 3. Маг Гэндальф призывает: Демон");

    // One more than the hero can lead comes, but serves nobody; it still counts.
    g.U(1).Leadership = g.U(1).LeadershipMax;
    g.InputMode = kModeSummon;
    g.Spellbook[1][3] = kDemon;
    g.TargetCellX = 6 * 720;
    rnd.Push({0.1f});
    PlaceSummon(g, UnrulySummon::AskThePlayer);
    EXPECT_EQ(heard.events.back().outcome, Outcome::Unruly);
    EXPECT_EQ(g.Tally.Sides[1].Summoned, 2);
    EXPECT_EQ(LastLine(), "День 3. Маг Гэндальф призывает: Демон (никому не подчиняется)");
}

TEST_F(Reported, ASpellIsCountedWhenAimedAndItsOutcomeAndKillFollow)
{
    LoadSpell(g, 15); // a fireball, 66 of life
    g.CastMana = 4;
    g.U(1).Mana = 50;
    g.InputMode = kModeSpell;
    g.TargetCellX = 12 * 720;
    g.TargetCellY = 12 * 720;
    AimSpell(g);
    ASSERT_EQ(heard.events.size(), 1u);
    EXPECT_EQ(heard.events[0].kind, EventKind::SpellCast);
    EXPECT_EQ(heard.events[0].spell, 15);
    EXPECT_EQ(g.Tally.Sides[1].SpellsCast, 1);
    EXPECT_EQ(LastLine(), "День 3. Маг Гэндальф творит «Пламенный шар»");

    // Nobody stands on the cell: the spell fizzles, and says so.
    ApplySpell(g);
    EXPECT_EQ(heard.events.back().kind, EventKind::SpellResult);
    EXPECT_EQ(heard.events.back().whom, 0);
    EXPECT_EQ(heard.events.back().outcome, Outcome::Fizzled);
    EXPECT_EQ(LastLine(), "День 3. «Пламенный шар»: на клетке никого нет");

    // On the archeress it lands, and then again to kill her.
    Unit& arwen = g.U(2);
    arwen.Protection = {};
    arwen.Weakness = {};
    arwen.Grace = {};
    arwen.Immunity = {};
    arwen.HpMax = 200;
    arwen.Hp = 100;
    g.TargetCellX = 9 * 720;
    g.TargetCellY = 9 * 720;
    g.InputMode = kModeSpell;
    rnd.Push({0.0f});
    ApplySpell(g);
    EXPECT_EQ(heard.events.back().outcome, Outcome::Landed);
    EXPECT_EQ(heard.events.back().amount, -66);
    EXPECT_EQ(LastLine(), "День 3. «Пламенный шар» \u2192 Лучница Арвен: жизнь \u221266 (жизнь 34/200)");

    LoadSpell(g, 15);
    g.InputMode = kModeSpell;
    rnd.Push({0.0f});
    ApplySpell(g);
    ASSERT_GE(heard.events.size(), 2u);
    EXPECT_EQ(heard.events[heard.events.size() - 2].kind, EventKind::SpellResult);
    const MatchEvent& kill = heard.events.back();
    EXPECT_EQ(kill.kind, EventKind::Kill);
    EXPECT_EQ(kill.whom, 2);
    EXPECT_EQ(kill.spell, 15);
    EXPECT_EQ(g.Tally.Sides[1].Kills, 1);
    EXPECT_EQ(g.Tally.Sides[2].Losses, 1);
    EXPECT_EQ(LastLine(), "День 3. Лучница Арвен гибнет от заклинания «Пламенный шар»");
}

TEST_F(Reported, ANewMatchStartsTheTallyAndTheLogAfreshWithTheHeroesThatTakePart)
{
    g.Tally.Sides[3].Kills = 9; // left from an earlier match
    g.rnd = &g.Generator;       // setup draws a good many numbers
    g.Generator.Pin(5);
    for (int h = 1; h <= kHeroes; ++h) {
        CreateUnit(g, h, kMage, h);
        g.U(h).OnField = h <= 3;
    }
    g.HeroIsHuman[1] = g.HeroIsHuman[2] = g.HeroIsHuman[3] = true;
    g.ActiveHero = 0;
    SetUpMatch(g);
    ASSERT_FALSE(heard.events.empty());
    EXPECT_EQ(heard.events[0].kind, EventKind::MatchStarted);
    EXPECT_EQ(heard.events[1].kind, EventKind::TurnBegins);
    EXPECT_EQ(heard.events[1].side, 1);
    for (int h = 1; h <= kHeroes; ++h) {
        const SideTally& t = g.Tally.Sides[static_cast<std::size_t>(h)];
        EXPECT_EQ(t.TookPart, h <= 3) << h;
        EXPECT_EQ(t.DaysSurvived, h <= 3 ? 1 : 0) << h;
        EXPECT_EQ(t.Kills, 0) << h;
    }
    ASSERT_EQ(journal.Entries().size(), 2u);
    EXPECT_EQ(JournalLine(journal.Entries()[0]), "День 1. Битва начинается");
    EXPECT_EQ(journal.Entries()[1].Text, "Ходит Маг " + g.U(1).Name);
    EXPECT_TRUE(journal.Entries()[1].Turn);
}

TEST_F(Reported, DaysAreCountedForTheHeroesStillAliveWhenTheyBegin)
{
    g.Tally.Sides[1] = {true, 0, 0, 0, 0, 3};
    g.Tally.Sides[2] = {true, 0, 0, 0, 0, 3};
    g.HeroIsHuman[2] = true;
    g.ActiveHero = 5; // the last hero's turn ends; slots 3..5 are empty
    g.U(2).Hp = 0;    // the archeress has fallen, her rival plays on
    g.U(2).Kind = kKindRemains;
    Place(3, kMage, 3, 12, 12, "Джэк"); // a third keeps the match going
    g.HeroIsHuman[3] = true;
    PassTurn(g, 1);
    EXPECT_EQ(g.Day, 4);
    EXPECT_EQ(g.Tally.Sides[1].DaysSurvived, 4);
    EXPECT_EQ(g.Tally.Sides[2].DaysSurvived, 3);
    const std::vector<EventKind> kinds = heard.Kinds();
    ASSERT_EQ(kinds.size(), 2u);
    EXPECT_EQ(kinds[0], EventKind::DayBegins);
    EXPECT_EQ(kinds[1], EventKind::TurnBegins);
    EXPECT_EQ(heard.events[1].side, 0);
    EXPECT_EQ(journal.Entries()[0].Text, "Наступает день 4");
    EXPECT_EQ(journal.Entries()[1].Text, "Ходят нейтральные юниты");
}

TEST_F(Reported, TheVictoryIsReportedAfterItsBoxWithTheWinner)
{
    g.HeroIsHuman[2] = false;
    g.U(2).Hp = 0;
    g.U(2).Kind = kKindRemains;
    journal.listener = [this](const Game& now, const MatchEvent& e, const JournalEntry*) {
        heard.events.push_back(e);
        // By now the box has been answered and the match is over.
        EXPECT_EQ(shell.boxes.size(), 1u);
        EXPECT_FALSE(now.MatchRunning);
    };
    PassTurn(g, 1);
    ASSERT_EQ(heard.Kinds(), std::vector<EventKind>{EventKind::Victory});
    EXPECT_EQ(heard.events[0].side, 1);
    EXPECT_EQ(LastLine(), "День 3. В битве победил Маг Гэндальф");
}

TEST(Journal, KeepsTheLastLinesAndHearsEveryEvent)
{
    Game g;
    Journal journal;
    int told = 0;
    journal.listener = [&](const Game&, const MatchEvent&, const JournalEntry* entry) {
        ++told;
        EXPECT_NE(entry, nullptr);
    };
    g.events = &journal;
    g.Day = 2;
    for (std::size_t i = 0; i < Journal::kKept + 5; ++i) {
        g.Day = static_cast<std::int32_t>(i);
        Report(g, {EventKind::DayBegins});
    }
    EXPECT_EQ(journal.Entries().size(), Journal::kKept);
    EXPECT_EQ(journal.Written(), Journal::kKept + 5);
    EXPECT_EQ(journal.Entries().front().Day, 5);
    EXPECT_EQ(told, static_cast<int>(Journal::kKept) + 5);
    Report(g, {EventKind::MatchStarted});
    EXPECT_EQ(journal.Entries().size(), 1u);
}

// A shell that lets computer turns go by, as the player may prefer.
struct QuietShell final : ScriptedShell {
    void AnnounceComputerTurn(const MessageBoxRequest& box) override { skipped.push_back(box.text); }
    std::vector<std::string> skipped;
};

TEST(ComputerTurns, GoByWithoutABoxWhenTheShellSaysSoButAPersonsTurnNever)
{
    testing::ScriptedMatch m;
    QuietShell quiet;
    m.g.shell = &quiet;
    m.Place(1, kMage, 1, 1, 1, "Эльза");
    m.Place(2, kNecromancer, 2, 5, 5, "Морг");
    m.g.HeroIsHuman[1] = true;
    m.g.MatchRunning = true;
    m.g.Day = 1;
    m.g.ActiveHero = 1;
    m.rnd.Push({0.9f}); // Морг speaks
    PassTurn(m.g, 1);
    EXPECT_TRUE(quiet.boxes.empty());
    EXPECT_EQ(quiet.skipped, std::vector<std::string>{"Ходит Некромант Морг"});
    EXPECT_EQ(quiet.speeches, 1); // the speech is no box, and stays
    PassTurn(m.g, 1);             // the neutral side
    EXPECT_EQ(quiet.skipped.size(), 2u);
    EXPECT_EQ(quiet.skipped.back(), "Ходят нейтральные юниты ");
    PassTurn(m.g, 1); // the person's turn, on a new day
    ASSERT_EQ(quiet.boxes.size(), 1u);
    EXPECT_EQ(quiet.boxes[0].title, "День 2");
    EXPECT_EQ(quiet.boxes[0].text, "Ходит Маг Эльза");
}

} // namespace
} // namespace gh
