#include "sound/qt/SoundSettings.h"

#include <QSettings>

namespace gh {

namespace {

const QString kMusic = QStringLiteral("sound/musicVolume");
const QString kEffects = QStringLiteral("sound/effectsVolume");
const QString kInterface = QStringLiteral("sound/interfaceVolume");
const QString kBell = QStringLiteral("sound/turnBell");
const QString kQuiet = QStringLiteral("sound/quietInBackground");
const QString kMuted = QStringLiteral("sound/muted");

int Volume(const QSettings& s, const QString& key, int fallback)
{
    bool ok = false;
    const int v = s.value(key).toString().trimmed().toInt(&ok);
    return ok && v >= kVolumeMin && v <= kVolumeMax ? v : fallback;
}

bool Flag(const QSettings& s, const QString& key, bool fallback)
{
    const QString text = s.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

} // namespace

SoundPrefs ReadSoundPrefs(const QString& settingsFile)
{
    const QSettings s(settingsFile, QSettings::IniFormat);
    const SoundPrefs d;
    SoundPrefs p;
    p.MusicVolume = Volume(s, kMusic, d.MusicVolume);
    p.EffectsVolume = Volume(s, kEffects, d.EffectsVolume);
    p.InterfaceVolume = Volume(s, kInterface, d.InterfaceVolume);
    p.TurnBell = Flag(s, kBell, d.TurnBell);
    p.QuietInBackground = Flag(s, kQuiet, d.QuietInBackground);
    p.Muted = Flag(s, kMuted, d.Muted);
    return p;
}

void WriteSoundPrefs(const QString& settingsFile, const SoundPrefs& p)
{
    QSettings s(settingsFile, QSettings::IniFormat);
    s.setValue(kMusic, p.MusicVolume);
    s.setValue(kEffects, p.EffectsVolume);
    s.setValue(kInterface, p.InterfaceVolume);
    s.setValue(kBell, p.TurnBell);
    s.setValue(kQuiet, p.QuietInBackground);
    s.setValue(kMuted, p.Muted);
    // At once, not at exit: a crash or a killed program keeps the change.
    s.sync();
}

} // namespace gh
