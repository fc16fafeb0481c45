#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// What a toolbar command asks the window to open.
enum class ToolbarAction { None, OpenMenu, OpenCast, OpenSettings, OpenHelp };

// A toolbar button clicked, by caption. Rules that answer with a message box
// do so through g.shell; windows to open are returned.
ToolbarAction ToolbarCommand(Game& g, const std::string& caption);

// The window asked to close: true when the player confirmed leaving.
bool ConfirmExit(Game& g);

} // namespace gh
