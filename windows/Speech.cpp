#include "windows/Speech.h"

#include <array>

#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

constexpr std::array<const char*, 10> kLines{{
    GH_TR_NOOP("Speech", "Убирайся, пока цел!"),
    GH_TR_NOOP("Speech", "Ты мне не равен!"),
    GH_TR_NOOP("Speech", "Вы все ничто передо мною!"),
    GH_TR_NOOP("Speech", "Тебе не избежать физической расправы..."),
    "...",
    GH_TR_NOOP("Speech", "Сдавайся, пока еще есть возможность."),
    GH_TR_NOOP("Speech", "Мы могли бы управлять миром вместе... Подумай об этом!"),
    GH_TR_NOOP("Speech", "Мммозззги... Нннужны мозззгииии..."),
    GH_TR_NOOP("Speech", "Они умрут."),
    GH_TR_NOOP("Speech", "Эээээ..."),
}};

} // namespace

std::string SpeechLine(int n)
{
    if (n < 1 || n > static_cast<int>(kLines.size()))
        return "";
    return GH_TR("Speech", kLines[static_cast<std::size_t>(n - 1)]);
}

std::string PickSpeech(Game& g)
{
    return SpeechLine(Int(g.rnd->Rnd() * 10.0f) + 1);
}

std::string SpeechText(const Game& g, Random& taunts)
{
    // The taunt is drawn whatever the speaker's class: a mage may well
    // grumble about brains.
    const int h = g.ActiveHero;
    const Unit& hero = g.U(Game::ValidUnit(h) ? h : 0);
    return UnitTypeName(hero.UnitType) + " " + hero.Name + ": \"" +
           SpeechLine(Int(taunts.Rnd() * 10.0f) + 1) + "\"";
}

std::string SpeechText(Game& g)
{
    return SpeechText(g, *g.rnd);
}

} // namespace gh
