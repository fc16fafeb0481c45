#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace gh::save {

// Brings a parsed save of format `from` up to format from + 1, in place:
// renames, new fields with the value an older game implied, and the like.
// Returns "" or, when the file cannot be brought up, why (plain Russian).
using Upgrade = std::string (*)(nlohmann::json& save);

// The step from `from` to from + 1; nullptr past the last format. Each format
// adds a function UpgradeVn (its own file, save/UpgradeVn.cpp) and lists it
// in Upgrades.cpp; the reader runs every step from the file's version to
// kFormatVersion and reads the result as the current format. Old sample
// saves stay committed under tests/data/saves/ and keep loading through the
// steps.
Upgrade UpgradeFrom(int from);

// 1 -> 2: the tally of the match.
std::string UpgradeV1(nlohmann::json& save);
// 2 -> 3: the computer's level for each hero; the journal of orders and the
// log, both empty.
std::string UpgradeV2(nlohmann::json& save);

} // namespace gh::save
