#pragma once

#include <cstdint>

#include "battlefield/FieldPrefs.h"
#include "world/Game.h"

namespace gh {

// What the player prefers about the windows, as the settings window and the
// battlefield's keys change it. Plain values, to be remembered with the
// other settings.
struct Preferences : FieldPrefs {
    // «Объявлять ходы компьютера»: the turns of sides the computer plays are
    // announced with a box. Off, they go by in the status strip and the log;
    // a person's turn always has its box.
    bool AnnounceComputerTurns = true;
    // The battlefield covers the whole screen without a frame; off (F11), it
    // is a framed window that can be moved and resized.
    bool FullScreen = true;
    // The level a computer hero's row of the hero selection starts at when
    // that row has none remembered.
    std::int32_t ComputerLevel = kDefaultComputerLevel;
};

} // namespace gh
