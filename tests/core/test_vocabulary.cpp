// The words the information windows use for elements, attitudes and owners.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ScriptedMatch.h"
#include "world/Vocabulary.h"

namespace gh {
namespace {

using testing::ScriptedMatch;

TEST(Vocabulary, ElementsInBothCasesAndNothingOutsideTheTable)
{
    const std::vector<std::pair<const char*, const char*>> words = {
        {"не стихийный", "не стихийного"},
        {"оружие", "оружия"},
        {"огонь", "огня"},
        {"вода", "воды"},
        {"воздух", "воздуха"},
        {"земля", "земли"},
        {"смерть", "смерти"},
        {"жизнь", "жизни"},
        {"тьма", "тьмы"},
        {"свет", "света"},
        {"молния", "молнии"},
        {"яд", "яда"},
        {"магия", "магии"},
        {"разум", "разума"},
    };
    for (int e = 0; e < 14; ++e) {
        EXPECT_EQ(ElementName(e), words[static_cast<std::size_t>(e)].first) << e;
        EXPECT_EQ(ElementNameGenitive(e), words[static_cast<std::size_t>(e)].second) << e;
    }
    for (int e : {-1, 14, 1000}) {
        EXPECT_EQ(ElementName(e), "") << e;
        EXPECT_EQ(ElementNameGenitive(e), "") << e;
    }
}

TEST(Vocabulary, AttitudeBandsMeetAtTheirEdges)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {-32768, "непонятное"},     {-100, "непонятное"},    {-99, "\"заклятый враг\""},
        {-51, "\"заклятый враг\""}, {-50, "хуже некуда"},    {-41, "хуже некуда"},
        {-40, "ужасное"},           {-31, "ужасное"},        {-30, "дрянное"},
        {-21, "дрянное"},           {-20, "плохое"},         {-11, "плохое"},
        {-10, "недоверчивое"},      {-1, "недоверчивое"},    {0, "никакое"},
        {1, "снисходительное"},     {10, "снисходительное"}, {11, "добренькое"},
        {20, "добренькое"},         {21, "хорошее"},         {30, "хорошее"},
        {31, "отличное"},           {40, "отличное"},        {41, "прекрасное"},
        {50, "прекрасное"},         {51, "\"лучший друг\""}, {99, "\"лучший друг\""},
        {100, "непонятное"},        {32767, "непонятное"},
    };
    for (const auto& [a, word] : cases)
        EXPECT_EQ(AttitudeWord(a), word) << a;
}

TEST(Vocabulary, OwnerIsNobodyOrTheHeroByTypeAndName)
{
    ScriptedMatch m;
    m.Place(3, 6, 3, 1, 2, "Эовин");
    m.Place(1, 5, 1, 2, 2, "Кащей Смертный");
    EXPECT_EQ(OwnerName(m.g, 0), "нету");
    EXPECT_EQ(OwnerName(m.g, 3), "Лучница Эовин");
    EXPECT_EQ(OwnerName(m.g, 1), "Некромант Кащей Смертный");
    // A hero's name changes with what the player types.
    m.g.U(3).Name = "Шива";
    EXPECT_EQ(OwnerName(m.g, 3), "Лучница Шива");
    EXPECT_EQ(OwnerName(m.g, 101), "");
    EXPECT_EQ(OwnerName(m.g, -1), "");
}

} // namespace
} // namespace gh
