#pragma once

#include "sound/Sounds.h"

namespace gh {

inline constexpr int kVolumeMin = 0;
inline constexpr int kVolumeMax = 100;

// What the player sets about sound, remembered with the other settings.
struct SoundPrefs {
    int MusicVolume = 60;
    int EffectsVolume = 80;
    int InterfaceVolume = 50;
    // The bell when a person's turn begins.
    bool TurnBell = true;
    // «Тише в фоне»: while the game's window is not the active one, the music
    // plays lower and the effects are silent.
    bool QuietInBackground = false;
    // M: everything silent, the volumes kept for when it is switched back.
    bool Muted = false;
    friend bool operator==(const SoundPrefs&, const SoundPrefs&) = default;
};

// How much of the music left while the window is in the background.
inline constexpr float kBackgroundMusic = 0.3f;

// The gain (0..1) a sound of this kind plays at. The volume is a position on
// the ear's scale: half way sounds about half as loud, which is a quarter of
// the amplitude.
float GainOf(const SoundPrefs& p, SoundKind kind, bool windowActive);

} // namespace gh
