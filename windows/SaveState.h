#pragma once

#include <cstdint>
#include <string>

#include "world/Game.h"

namespace gh {

// Why the match cannot be saved at this moment, in Russian, for the menu's
// tool tip; empty when it can. A save is made only between two orders of a
// person: nothing walks, strikes, casts, rises or waits for a click.
std::string WhySaveIsUnavailable(const Game& g);

// The name the save dialog suggests: the heroes still in the match and the day.
std::string SuggestedSaveTitle(const Game& g);

// An autosave's title: the day and who was to move (a hero's name, or the
// class of a nameless one), in the current language. The file holds it in
// Russian; the list of saves says it again in the player's language.
std::string AutosaveTitle(std::int32_t day, const std::string& who);
// Who was to move, as that title names them: the name, or the class's.
std::string AutosaveWho(const std::string& name, int unitType);

} // namespace gh
