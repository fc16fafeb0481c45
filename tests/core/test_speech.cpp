// What a computer hero says at the start of its turn.
#include <gtest/gtest.h>

#include <string>

#include "ScriptedMatch.h"
#include "windows/Speech.h"

namespace gh {
namespace {

using testing::Pick;
using testing::ScriptedMatch;

TEST(Speech, EachOfTheTenLinesInQuotesAfterTheHero)
{
    const char* lines[] = {
        "Убирайся, пока цел!",
        "Ты мне не равен!",
        "Вы все ничто передо мною!",
        "Тебе не избежать физической расправы...",
        "...", // the whole line: Маг Гэндальф: "..."
        "Сдавайся, пока еще есть возможность.",
        "Мы могли бы управлять миром вместе... Подумай об этом!",
        "Мммозззги... Нннужны мозззгииии...",
        "Они умрут.",
        "Эээээ...",
    };
    for (int n = 1; n <= 10; ++n) {
        ScriptedMatch m;
        m.Place(2, 2, 2, 1, 2, "Гэндальф");
        m.g.ActiveHero = 2;
        m.rnd.Push(Pick(n - 1, 10));
        EXPECT_EQ(SpeechText(m.g), std::string("Маг Гэндальф: \"") + lines[n - 1] + "\"") << n;
        EXPECT_EQ(m.rnd.Drawn(), 1u);
        EXPECT_EQ(SpeechLine(n), lines[n - 1]);
    }
}

TEST(Speech, SpeakerIsTheActiveHeroWhateverItsClass)
{
    ScriptedMatch m;
    m.Place(1, 2, 1, 1, 2, "Гэндальф");
    m.Place(4, 6, 4, 2, 2, "Принцесса Гарнет");
    m.g.ActiveHero = 4;
    m.rnd.Push(Pick(7, 10));
    EXPECT_EQ(SpeechText(m.g), "Лучница Принцесса Гарнет: \"Мммозззги... Нннужны мозззгииии...\"");
}

TEST(Speech, TheExtremesOfTheDrawStayInTheList)
{
    ScriptedMatch m;
    m.rnd.Push({0.0f, 0.99999994f});
    EXPECT_EQ(PickSpeech(m.g), "Убирайся, пока цел!");
    EXPECT_EQ(PickSpeech(m.g), "Эээээ...");
    EXPECT_EQ(SpeechLine(0), "");
    EXPECT_EQ(SpeechLine(11), "");
}

} // namespace
} // namespace gh
