#include "windows/SaveState.h"

#include "engine/Placement.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

std::string WhySaveIsUnavailable(const Game& g)
{
    if (!g.MatchRunning)
        return GH_TR("SaveState", "Нет начатой партии: сохранять пока нечего.");
    const int hero = g.ActiveHero;
    if (hero < 1 || hero > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(hero)])
        return GH_TR("SaveState", "Ходит компьютер: сохранить партию можно в ход игрока.");
    if (g.InputMode == kModeSummon)
        return GH_TR("SaveState",
                     "Сначала призовите существо щелчком по полю или отмените призыв правым щелчком.");
    if (g.InputMode == kModeSpell)
        return GH_TR("SaveState",
                     "Сначала выберите цель заклинания щелчком по полю или отмените его правым щелчком.");
    if (g.InputMode == kModeWalk || g.timers.Enabled(TimerId::Tmr1))
        return GH_TR("SaveState", "Дождитесь, пока юнит дойдёт до места.");
    if (g.timers.Enabled(TimerId::Tmr3))
        return GH_TR("SaveState", "Дождитесь конца удара.");
    if (g.InputMode == kModeResult)
        return GH_TR("SaveState", "Дождитесь, пока погаснет результат удара.");
    if (g.timers.Enabled(TimerId::Tmr2))
        return GH_TR("SaveState", "Дождитесь конца заклинания.");
    if (!FieldAtRest(g))
        return GH_TR("SaveState", "Дождитесь, пока на поле всё замрёт.");
    return {};
}

std::string AutosaveTitle(std::int32_t day, const std::string& who)
{
    return Fill(GH_TR("SaveState", "День %1, ход: %2"), {std::to_string(day), who});
}

std::string AutosaveWho(const std::string& name, int unitType)
{
    return name.empty() ? UnitTypeName(unitType) : name;
}

std::string SuggestedSaveTitle(const Game& g)
{
    std::string names;
    int count = 0;
    for (int h = 1; h <= kHeroes; ++h) {
        const Unit& hero = g.U(h);
        if (!hero.OnField || hero.Kind != kKindHero)
            continue;
        const std::string name = hero.Name.empty() ? UnitTypeName(hero.UnitType) : hero.Name;
        // Five long names would make a title no one reads to its end.
        if (count > 0 && names.size() + name.size() > 80) {
            names += GH_TR("SaveState", " и другие");
            break;
        }
        if (count > 0)
            names += ", ";
        names += name;
        ++count;
    }
    if (names.empty())
        return Fill(GH_TR("SaveState", "День %1"), {std::to_string(g.Day)});
    return names + Fill(GH_TR("SaveState", " — день %1"), {std::to_string(g.Day)});
}

} // namespace gh
