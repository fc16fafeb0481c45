#include "save/Upgrades.h"

#include <array>

#include "platform/Texts.h"
#include "world/Game.h"

namespace gh::save {

// Format 1 kept no tally of the match. A match read from it counts from the
// load on: nothing killed, lost, called or cast yet, and the days a hero has
// seen begin alive are all the match's days when it is alive now (a fallen
// hero's are not known, and stay at none).
std::string UpgradeV1(nlohmann::json& save)
{
    // A summary read without the match, or a file without one (the reader
    // says what is missing), has nothing to bring up.
    auto match = save.find("match");
    if (match == save.end() || !match->is_object())
        return "";
    if (match->contains("Tally"))
        return GH_TR("UpgradeV1", "Поле match.Tally появилось только в формате 2.");
    const auto units = match->find("Units");
    const auto day = match->find("Day");
    if (units == match->end() || !units->is_array() || units->size() != kMaxUnit + 1 || day == match->end() ||
        !day->is_number_integer())
        return ""; // the reader names what is missing
    nlohmann::json sides = nlohmann::json::array();
    for (int side = 0; side <= kHeroes; ++side) {
        bool tookPart = false, alive = false;
        if (side >= 1) {
            const nlohmann::json& hero = (*units)[static_cast<std::size_t>(side)];
            if (hero.is_object()) {
                const auto type = hero.find("UnitType");
                const auto onField = hero.find("OnField");
                const auto hp = hero.find("Hp");
                const bool typed =
                    type != hero.end() && type->is_number_integer() && type->get<long long>() != 0;
                tookPart = typed && onField != hero.end() && onField->is_boolean() && onField->get<bool>();
                alive = tookPart && hp != hero.end() && hp->is_number_integer() && hp->get<long long>() >= 1;
            }
        }
        const long long days = day->get<long long>();
        sides.push_back({{"TookPart", tookPart},
                         {"Kills", 0},
                         {"Losses", 0},
                         {"Summoned", 0},
                         {"SpellsCast", 0},
                         {"DaysSurvived", alive && days > 0 ? days : 0}});
    }
    (*match)["Tally"] = {{"Sides", std::move(sides)}};
    return "";
}

} // namespace gh::save
