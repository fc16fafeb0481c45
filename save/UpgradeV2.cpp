#include "save/Upgrades.h"

namespace gh::save {

// Format 2 kept neither the journal of orders nor the log. A match read from
// it starts both empty: its journal begins where it was loaded, and its log
// with the lines written from then on.
std::string UpgradeV2(nlohmann::json& save)
{
    if (save.contains("journal") || save.contains("log"))
        return "Поля journal и log появились только в формате 3.";
    save["journal"] = "";
    save["log"] = nlohmann::json::array();
    return "";
}

} // namespace gh::save
