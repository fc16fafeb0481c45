// The committed sample saves load, say what they were made to show, and play
// on with every invariant holding.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Invariants.h"
#include "Roundtrip.h"
#include "SaveFuzz.h"
#include "engine/Engine.h"
#include "save/SaveFormat.h"
#include "save/Upgrades.h"
#include "tests/core/SampleSaves.h"

namespace gh {
namespace {

using testing::kEndgameSample;
using testing::kFirstTurnSample;
using testing::kThirtyDaysSample;
using testing::SampleOfVersion;
using testing::SampleSaveText;

struct Loaded {
    std::unique_ptr<Game> game;
    save::SaveSummary summary;
};

Loaded LoadSample(const std::string& name)
{
    const std::string text = SampleSaveText(name);
    EXPECT_FALSE(text.empty()) << name;
    save::LoadResult r = save::ReadSave(text);
    EXPECT_TRUE(r) << name << ": " << r.error;
    if (r.game)
        BindTimers(*r.game);
    return {std::move(r.game), r.summary};
}

std::vector<std::string> AllSamples()
{
    std::vector<std::string> names;
    for (int version = 1; version <= save::kFormatVersion; ++version)
        for (const char* v1 : {kFirstTurnSample, kThirtyDaysSample, kEndgameSample})
            names.push_back(SampleOfVersion(v1, version));
    return names;
}

int AliveHeroes(const Game& g)
{
    int n = 0;
    for (int h = 1; h <= kHeroes; ++h)
        n += g.U(h).OnField && g.U(h).Hp >= 1 && g.U(h).Owner == h;
    return n;
}

bool AnyPageSpent(const Game& g)
{
    for (int h = 1; h <= kHeroes; ++h)
        for (int s = 0; s <= 20; ++s)
            if (g.Spellbook[h][s] == 0)
                return true;
    return false;
}

int OnField(const Game& g, const std::function<bool(const Unit&)>& which, int from = 1)
{
    int n = 0;
    for (int i = from; i <= g.UnitCount; ++i)
        n += g.U(i).OnField && which(g.U(i));
    return n;
}

// The facts of each moment hold in the samples of every format version.
class SampleOfEachVersion : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(SampleSaves, SampleOfEachVersion, ::testing::Range(1, save::kFormatVersion + 1));

TEST_P(SampleOfEachVersion, TheFirstTurnOfTwoHeroes)
{
    const int version = GetParam();
    Loaded s = LoadSample(SampleOfVersion(kFirstTurnSample, version));
    ASSERT_TRUE(s.game);
    const Game& g = *s.game;
    EXPECT_EQ(g.Day, 1);
    EXPECT_EQ(g.ActiveHero, 1);
    EXPECT_TRUE(g.HeroIsHuman[1]);
    EXPECT_FALSE(g.timers.Enabled(TimerId::TmrEnemy));
    ASSERT_EQ(s.summary.heroes.size(), 2u);
    EXPECT_EQ(s.summary.heroes[0].name, g.U(1).Name);
    EXPECT_EQ(g.UnitCount, 10);
    EXPECT_EQ(AliveHeroes(g), 2);
    EXPECT_FALSE(AnyPageSpent(g));
    EXPECT_EQ(OnField(g, [](const Unit& u) { return u.Kind == kKindRemains; }), 0);
    EXPECT_EQ(sim::CheckInvariants(g), "");
}

TEST_P(SampleOfEachVersion, FiveHeroesThirtyDaysOn)
{
    const int version = GetParam();
    Loaded s = LoadSample(SampleOfVersion(kThirtyDaysSample, version));
    ASSERT_TRUE(s.game);
    const Game& g = *s.game;
    EXPECT_GE(g.Day, 30);
    EXPECT_EQ(s.summary.heroes.size(), 5u);
    EXPECT_TRUE(g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)]);
    EXPECT_GE(OnField(
                  g, [](const Unit& u) { return u.Hp >= 1; }, 11),
              1)
        << "a summoned creature";
    EXPECT_GE(OnField(g, [](const Unit& u) { return u.Kind == kKindRemains; }), 1) << "remains";
    EXPECT_TRUE(AnyPageSpent(g));
    EXPECT_EQ(sim::CheckInvariants(g), "");
    // One seat was the strong player's; a file from before the levels
    // gives it the strongest.
    EXPECT_EQ(std::count(g.ComputerLevel.begin(), g.ComputerLevel.end(), kStrongestLevel), 1);
    EXPECT_EQ(std::count(g.ComputerLevel.begin(), g.ComputerLevel.end(), kGameLevel), kHeroes);
    // A file that holds the tally keeps what was counted; an older one
    // starts it at nothing.
    int kills = 0;
    for (const SideTally& side : g.Tally.Sides)
        kills += side.Kills;
    if (version >= 2)
        EXPECT_GT(kills, 0);
    else
        EXPECT_EQ(kills, 0);
}

TEST_P(SampleOfEachVersion, OneBlowFromTheEnd)
{
    const int version = GetParam();
    Loaded s = LoadSample(SampleOfVersion(kEndgameSample, version));
    ASSERT_TRUE(s.game);
    Game& g = *s.game;
    EXPECT_EQ(AliveHeroes(g), 2);
    EXPECT_EQ(s.summary.heroes.size(), 3u);
    // Its own generator replays the blow that decides the match.
    const std::int32_t day = g.Day;
    for (int tick = 0; tick < 5000 && g.MatchRunning; ++tick) {
        g.timers.Tick();
        ASSERT_EQ(sim::CheckInvariants(g), "");
    }
    EXPECT_FALSE(g.MatchRunning);
    EXPECT_LE(g.Day, day + 1);
}

TEST(SampleSaves, EachPlaysOnForTenDaysUnderAFixedSeed)
{
    for (const std::string& name : AllSamples()) {
        for (std::uint64_t seed : {1u, 2u}) {
            Loaded s = LoadSample(name);
            ASSERT_TRUE(s.game);
            s.game->Generator.Pin(seed);
            sim::HandToComputer(*s.game);
            EXPECT_EQ(sim::PlayOn(*s.game, 10), "") << name << ", seed " << seed;
        }
    }
}

TEST(SampleSaves, SaveAgainToTheSameSave)
{
    for (const std::string& name : AllSamples()) {
        const std::string text = SampleSaveText(name);
        Loaded s = LoadSample(name);
        ASSERT_TRUE(s.game);
        const std::string again = save::WriteSave(*s.game, s.summary);
        // A sample of an older format saves again as that format brought up
        // to this one, and nothing else changes.
        nlohmann::json upgraded = nlohmann::json::parse(text);
        for (int from = upgraded["version"].get<int>(); from < save::kFormatVersion; ++from) {
            ASSERT_EQ(save::UpgradeFrom(from)(upgraded), "") << name;
            upgraded["version"] = from + 1;
        }
        // The journal and the log are the match's memory, written beside
        // the match by whoever keeps them; the match itself saves as it was.
        nlohmann::json resaved = nlohmann::json::parse(again);
        for (const char* memory : {"journal", "log"}) {
            resaved.erase(memory);
            upgraded.erase(memory);
        }
        EXPECT_EQ(resaved, upgraded) << name;
    }
}

TEST(SampleSaves, TheFuzzFindsThemAll)
{
    EXPECT_EQ(sim::ReadSampleSaves(GH_SAMPLE_SAVES).size(), AllSamples().size());
}

} // namespace
} // namespace gh
