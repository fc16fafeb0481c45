// The ground's pattern: what it is made from, that a save keeps it, that it
// draws no random number, and that it makes a meadow rather than a board.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "battlefield/GroundPattern.h"
#include "save/SaveFormat.h"
#include "tests/core/SampleSaves.h"
#include "world/Game.h"

namespace gh {
namespace {

std::unique_ptr<Game> Load(const std::string& text)
{
    save::LoadResult r = save::ReadSave(text);
    EXPECT_TRUE(r) << r.error;
    return std::move(r.game);
}

TEST(GroundPattern, IsTheSameWhenTheMatchIsSavedAndLoadedAndDrawsNoRandomNumber)
{
    for (const auto* sample :
         {testing::kFirstTurnSample, testing::kThirtyDaysSample, testing::kEndgameSample}) {
        auto g = Load(testing::SampleSaveText(sample));
        ASSERT_TRUE(g);
        const std::size_t drawn = g->Generator.Drawn();
        const std::string state = g->Generator.State();
        const std::uint64_t pattern = GroundPattern(*g);
        // The whole field's layout, as the battlefield works it out.
        for (int c = -1; c < 30; ++c)
            for (int r = -1; r < 23; ++r)
                GroundHexAt(pattern, c, r, GroundMixAt(pattern, c * 0.75, r + 0.5));
        EXPECT_EQ(g->Generator.Drawn(), drawn) << sample;
        EXPECT_EQ(g->Generator.State(), state) << sample;

        save::SaveSummary s;
        s.title = "земля";
        s.savedAt = "2026-12-10T04:00:00";
        s.gameVersion = "0.1";
        auto again = Load(save::WriteSave(*g, s));
        ASSERT_TRUE(again);
        EXPECT_EQ(GroundPattern(*again), pattern) << sample;
    }
}

TEST(GroundPattern, ComesFromTheHeroesAndNotFromWhatChangesDuringTheMatch)
{
    auto g = Load(testing::SampleSaveText(testing::kThirtyDaysSample));
    ASSERT_TRUE(g);
    const std::uint64_t pattern = GroundPattern(*g);

    // What a match does as it goes leaves the ground alone.
    Game played(*g);
    played.U(1).PosX += 720;
    played.U(2).Hp = 0;
    played.U(3).OnField = false;
    played.Day += 5;
    played.ViewX = 1500;
    played.Generator.Rnd();
    played.UnitCount = 40;
    EXPECT_EQ(GroundPattern(played), pattern);

    // Other heroes, or heroes who regard each other otherwise (another
    // match of the same heroes), lie on other ground.
    Game renamed(*g);
    renamed.U(2).Name += "а";
    EXPECT_NE(GroundPattern(renamed), pattern);
    Game other(*g);
    other.Attitude[1][2] = static_cast<std::int16_t>(other.Attitude[1][2] + 1);
    EXPECT_NE(GroundPattern(other), pattern);
}

TEST(GroundLayout, IsAMeadowWithPatchesAndTheSameForTheSamePattern)
{
    double dry = 0, earth = 0, flowers = 0, stones = 0;
    int points = 0, hexes = 0;
    std::set<int> grassSeen;
    for (std::uint64_t pattern = 1; pattern <= 40; ++pattern) {
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const GroundMix mix = GroundMixAt(pattern * 7919, x * 0.5, y * 0.5);
                ASSERT_GE(mix.dry, 0.0);
                ASSERT_LE(mix.dry, 1.0);
                ASSERT_GE(mix.earth, 0.0);
                ASSERT_LE(mix.earth, 1.0);
                dry += mix.dry;
                earth += mix.earth;
                ++points;
            }
        for (int c = 0; c < 27; ++c)
            for (int r = 0; r < 21; ++r) {
                const GroundHex hex = GroundHexAt(pattern * 7919, c, r, GroundMix{});
                ASSERT_GE(hex.grass, 1);
                ASSERT_LE(hex.grass, kGroundGrass);
                ASSERT_GT(hex.dry, kGroundGrass);
                ASSERT_LE(hex.dry, kGroundGrass + kGroundDry);
                ASSERT_GT(hex.earth, kGroundGrass + kGroundDry);
                ASSERT_LE(hex.earth, kGroundPictures);
                ASSERT_GE(hex.bit, 0);
                ASSERT_LE(hex.bit, kGroundBits);
                grassSeen.insert(hex.grass);
                flowers += hex.bit >= 1 && hex.bit <= kGroundFlowers;
                stones += hex.bit > kGroundFlowers;
                ++hexes;
            }
    }
    // Mostly grass, some dry grass, a little bare earth; a flower or a stone
    // on one hex in a few; every grass picture used.
    EXPECT_GT(dry / points, 0.05);
    EXPECT_LT(dry / points, 0.35);
    EXPECT_GT(earth / points, 0.01);
    EXPECT_LT(earth / points, 0.2);
    EXPECT_GT(flowers / hexes, 0.02);
    EXPECT_GT(stones / hexes, 0.02);
    EXPECT_LT((flowers + stones) / hexes, 0.2);
    EXPECT_EQ(grassSeen.size(), static_cast<std::size_t>(kGroundGrass));

    // Patches, not noise: points a tenth of a cell apart agree far more
    // closely than points three cells apart, and another pattern differs.
    double near = 0, apart = 0, other = 0;
    for (std::uint64_t pattern = 90; pattern < 100; ++pattern)
        for (int i = 0; i < 400; ++i) {
            const double x = i * 0.05, y = 3.3 + static_cast<double>(pattern);
            const GroundMix a = GroundMixAt(pattern, x, y);
            const GroundMix b = GroundMixAt(pattern, x + 0.1, y);
            const GroundMix c = GroundMixAt(pattern, x + 3, y);
            const GroundMix d = GroundMixAt(pattern + 1000, x, y);
            near += std::abs(a.dry - b.dry) + std::abs(a.earth - b.earth);
            apart += std::abs(a.dry - c.dry) + std::abs(a.earth - c.earth);
            other += std::abs(a.dry - d.dry) + std::abs(a.earth - d.earth);
        }
    EXPECT_GT(apart, 4 * near);
    EXPECT_GT(other, 4 * near);
    const GroundHex x = GroundHexAt(5, 3, 4, GroundMixAt(5, 2.75, 4.5));
    const GroundHex y = GroundHexAt(5, 3, 4, GroundMixAt(5, 2.75, 4.5));
    EXPECT_TRUE(x.grass == y.grass && x.dry == y.dry && x.earth == y.earth && x.bit == y.bit);
}

} // namespace
} // namespace gh
