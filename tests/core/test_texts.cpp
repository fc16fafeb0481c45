// The rules' text service: Russian answers every text as written, another
// language answers through the service the shell installs; numbers and names
// go in through placeholders, plurals by the language's own rule.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "battlefield/AidsText.h"
#include "engine/Journal.h"
#include "magic/SpellCatalogue.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/Vocabulary.h"

namespace gh {
namespace {

// A translation a test writes out by hand: a table by context and source,
// and English's two plural forms. A source it does not know comes back as
// it is, as from a translator.
class TableTexts final : public Texts {
public:
    explicit TableTexts(std::map<std::pair<std::string, std::string>, std::string> table)
        : table_(std::move(table))
    {
    }
    std::string Text(const char* context, const char* source) const override
    {
        ++asked;
        const auto it = table_.find({context, source});
        return it == table_.end() ? source : it->second;
    }
    int PluralForm(long long n) const override { return n == 1 ? 0 : 1; }
    mutable int asked = 0;

private:
    std::map<std::pair<std::string, std::string>, std::string> table_;
};

const char* const kPoints = "%1 очко действия|%1 очка действия|%1 очков действия";

TEST(Texts, RussianAnswersEveryTextByteForByte)
{
    const RussianTexts russian;
    for (const char* s : {"", "Маг", "\"лучший друг\"", " - на это заклинание нет инфы...", "%1 %2", "a|b|c"})
        EXPECT_EQ(russian.Text("Any", s), s);
    // With nothing installed the service is Russian.
    EXPECT_EQ(GH_TR("Catalogue", "Маг"), "Маг");
    EXPECT_EQ(UnitTypeName(kMage), "Маг");
    EXPECT_EQ(SpellName(15), "Пламенный шар");
    EXPECT_EQ(ElementNameGenitive(2), "огня");
}

TEST(Texts, RussianPluralsFollowTheOneFewManyRule)
{
    const RussianTexts russian;
    const std::pair<long long, int> cases[] = {{0, 2},   {1, 0},   {2, 1},  {4, 1},  {5, 2},    {11, 2},
                                               {12, 2},  {14, 2},  {21, 0}, {22, 1}, {25, 2},   {101, 0},
                                               {111, 2}, {112, 2}, {-1, 0}, {-3, 1}, {1001, 0}, {1011, 2}};
    for (const auto& [n, form] : cases)
        EXPECT_EQ(russian.PluralForm(n), form) << n;
    // The same choice the field's aids have always made.
    for (long n = 0; n <= 250; ++n)
        EXPECT_EQ(TrN(GH_PLURAL("Test", "очко|очка|очков"), n), CountNoun(n, "очко", "очка", "очков")) << n;
}

TEST(Texts, PluralTextsTakeTheFormAndTheNumberInEachLanguage)
{
    auto points = [](long long n) {
        return Fill(TrN(GH_PLURAL("AidsText", kPoints), n), {std::to_string(n)});
    };
    EXPECT_EQ(points(1), "1 очко действия");
    EXPECT_EQ(points(3), "3 очка действия");
    EXPECT_EQ(points(5), "5 очков действия");
    EXPECT_EQ(points(21), "21 очко действия");
    EXPECT_EQ(points(0), "0 очков действия");

    const TableTexts english({{{"AidsText", kPoints}, "%1 action point|%1 action points"}});
    const TextsInUse inEnglish(english);
    EXPECT_EQ(points(1), "1 action point");
    EXPECT_EQ(points(2), "2 action points");
    EXPECT_EQ(points(21), "21 action points");
    EXPECT_EQ(points(0), "0 action points");
    // A translation with fewer forms than the rule asks for gives its last.
    const TableTexts oneForm({{{"AidsText", kPoints}, "%1 AP"}});
    const TextsInUse terse(oneForm);
    EXPECT_EQ(points(7), "7 AP");
}

TEST(Texts, PlaceholdersGoWhereTheLanguagePutsThem)
{
    EXPECT_EQ(Fill("%1 гибнет; сразил %2", {"Скелет", "Маг Мерлин"}), "Скелет гибнет; сразил Маг Мерлин");
    EXPECT_EQ(Fill("%2 slew %1", {"the Skeleton", "Mage Merlin"}), "Mage Merlin slew the Skeleton");
    // A name is put in as typed: its own "%1" is not read again.
    EXPECT_EQ(Fill("%1 творит %2", {"Маг %2", "«Сила жизни»"}), "Маг %2 творит «Сила жизни»");
    // A placeholder with no argument and a lone '%' stay as written.
    EXPECT_EQ(Fill("%1 из %3, 100%", {"5"}), "5 из %3, 100%");
    EXPECT_EQ(Fill("%", {}), "%");
    EXPECT_EQ(Fill("", {"x"}), "");
}

TEST(Texts, AnInstalledServiceAnswersTheRulesTextsAndGoesWithItsScope)
{
    const TableTexts english({{{"Catalogue", "Маг"}, "Mage"},
                              {{"SpellCatalogue", "Пламенный шар"}, "Fireball"},
                              {{"Vocabulary", "огня"}, "fire"}});
    {
        const TextsInUse inEnglish(english);
        EXPECT_EQ(UnitTypeName(kMage), "Mage");
        EXPECT_EQ(SpellName(15), "Fireball");
        EXPECT_EQ(ElementNameGenitive(2), "fire");
        EXPECT_EQ(UnitTypeName(kSkeleton), "Скелет"); // not in the table: as written
        EXPECT_GE(english.asked, 4);
        {
            const RussianTexts russian;
            const TextsInUse nested(russian);
            EXPECT_EQ(UnitTypeName(kMage), "Маг");
        }
        EXPECT_EQ(UnitTypeName(kMage), "Mage");
    }
    EXPECT_EQ(UnitTypeName(kMage), "Маг");
}

TEST(Texts, TheLogKeepsTheRussianLineForTheSaveAndShowsThePlayersLanguage)
{
    Game g;
    g.Day = 3;
    MatchEvent day;
    day.kind = EventKind::DayBegins;

    const JournalEntry russian = DescribeEvent(g, day);
    EXPECT_EQ(russian.Text, "Наступает день 3");
    EXPECT_TRUE(russian.Shown.empty());
    EXPECT_EQ(JournalLine(russian), "День 3. Наступает день 3");

    const TableTexts english(
        {{{"Journal", "Наступает день %1"}, "Day %1 dawns"}, {{"Journal", "День %1. %2"}, "Day %1. %2"}});
    const TextsInUse inEnglish(english);
    const JournalEntry shown = DescribeEvent(g, day);
    EXPECT_EQ(shown.Text, "Наступает день 3"); // what a save holds
    EXPECT_EQ(shown.Shown, "Day 3 dawns");
    EXPECT_EQ(JournalLine(shown), "Day 3. Day 3 dawns");
    // A line restored from a save has only its Russian, and shows that.
    JournalEntry restored;
    restored.Day = 2;
    restored.Text = "Битва начинается";
    EXPECT_EQ(JournalLine(restored), "Day 2. Битва начинается");
}

} // namespace
} // namespace gh
