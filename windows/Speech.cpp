#include "windows/Speech.h"

#include <array>

#include "platform/Numbers.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

constexpr std::array<const char*, 10> kLines{{
    "Убирайся, пока цел!",
    "Ты мне не равен!",
    "Вы все ничто передо мною!",
    "Тебе не избежать физической расправы...",
    "...",
    "Сдавайся, пока еще есть возможность.",
    "Мы могли бы управлять миром вместе... Подумай об этом!",
    "Мммозззги... Нннужны мозззгииии...",
    "Они умрут.",
    "Эээээ...",
}};

} // namespace

std::string SpeechLine(int n)
{
    if (n < 1 || n > static_cast<int>(kLines.size()))
        return "";
    return kLines[static_cast<std::size_t>(n - 1)];
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
