#include "save/Upgrades.h"

#include <array>

#include "save/SaveFormat.h"

namespace gh::save {

namespace {

// Step i brings format i + 1 to format i + 2.
constexpr std::array<Upgrade, kFormatVersion - 1> kSteps{UpgradeV1, UpgradeV2};

} // namespace

Upgrade UpgradeFrom(int from)
{
    if (from < 1 || from >= kFormatVersion)
        return nullptr;
    return kSteps[static_cast<std::size_t>(from - 1)];
}

} // namespace gh::save
