#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

std::string ElementName(int e);
std::string ElementNameGenitive(int e);
std::string AttitudeWord(int a);
std::string OwnerName(const Game& g, int owner);

} // namespace gh
