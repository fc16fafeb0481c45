#include "sound/SoundPrefs.h"

#include <algorithm>

namespace gh {

float GainOf(const SoundPrefs& p, SoundKind kind, bool windowActive)
{
    if (p.Muted)
        return 0.0f;
    const int volume = kind == SoundKind::Music       ? p.MusicVolume
                       : kind == SoundKind::Interface ? p.InterfaceVolume
                                                      : p.EffectsVolume;
    const float v = static_cast<float>(std::clamp(volume, kVolumeMin, kVolumeMax)) / kVolumeMax;
    float gain = v * v;
    if (p.QuietInBackground && !windowActive)
        gain = kind == SoundKind::Music ? gain * kBackgroundMusic : 0.0f;
    return gain;
}

} // namespace gh
