#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace gh::save {

// Brings a parsed save of format `from` up to format from + 1, in place:
// renames, new fields with the value an older game implied, and the like.
// Returns "" or, when the file cannot be brought up, why (plain Russian).
using Upgrade = std::string (*)(nlohmann::json& save);

// The step from `from` to from + 1; nullptr past the last format. Format 1 is
// the first and the current one, so there are no steps yet. Format 2 adds a
// function UpgradeV1 (its own file, save/UpgradeV1.cpp) and lists it here;
// the reader then runs every step from the file's version to kFormatVersion
// and reads the result as the current format. Old sample saves stay committed
// under tests/data/saves/ and keep loading through the steps.
Upgrade UpgradeFrom(int from);

} // namespace gh::save
