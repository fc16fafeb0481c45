#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// Why the match cannot be saved at this moment, in Russian, for the menu's
// tool tip; empty when it can. A save is made only between two orders of a
// person: nothing walks, strikes, casts, rises or waits for a click.
std::string WhySaveIsUnavailable(const Game& g);

// The name the save dialog suggests: the heroes still in the match and the day.
std::string SuggestedSaveTitle(const Game& g);

} // namespace gh
