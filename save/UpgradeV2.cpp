#include "save/Upgrades.h"

#include "platform/Texts.h"
#include "world/Game.h"

namespace gh::save {

// Format 2 knew two ways for the computer to play a hero: the game's own
// player, or the strong one at full strength (StrongComputer, a tick per
// side). They are the lowest and the highest of the levels.
//
// Format 2 kept neither the journal of orders nor the log. A match read from
// it starts both empty: its journal begins where it was loaded, and its log
// with the lines written from then on.
std::string UpgradeV2(nlohmann::json& save)
{
    if (save.contains("journal") || save.contains("log"))
        return GH_TR("UpgradeV2", "Поля journal и log появились только в формате 3.");
    save["journal"] = "";
    save["log"] = nlohmann::json::array();

    // A summary read without the match, or a file without one (the reader
    // says what is missing), has no levels to bring up.
    auto match = save.find("match");
    if (match == save.end() || !match->is_object())
        return "";
    if (match->contains("ComputerLevel"))
        return GH_TR("UpgradeV2", "Поле match.ComputerLevel появилось только в формате 3.");
    const auto strong = match->find("StrongComputer");
    if (strong == match->end() || !strong->is_array())
        return GH_TR("UpgradeV2", "Поле «match.StrongComputer» отсутствует или не является списком.");
    nlohmann::json levels = nlohmann::json::array();
    for (const nlohmann::json& tick : *strong) {
        if (!tick.is_boolean())
            return GH_TR("UpgradeV2", "Поле «match.StrongComputer» содержит не флажок.");
        levels.push_back(tick.get<bool>() ? kStrongestLevel : kGameLevel);
    }
    match->erase(strong);
    (*match)["ComputerLevel"] = std::move(levels);
    return "";
}

} // namespace gh::save
