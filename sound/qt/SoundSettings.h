#pragma once

#include <QString>

#include "sound/SoundPrefs.h"

namespace gh {

// The sound settings in the program's settings file (the keys are in
// docs/saves-and-settings.md). A value that is missing or out of range reads
// as its default; each change is written at once.
SoundPrefs ReadSoundPrefs(const QString& settingsFile);
void WriteSoundPrefs(const QString& settingsFile, const SoundPrefs& prefs);

} // namespace gh
