#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <vector>

#include "sound/SoundPrefs.h"
#include "sound/Sounds.h"

class QSoundEffect;
class QMediaPlayer;
class QAudioOutput;

namespace gh {

// The game's sounds through Qt Multimedia: QSoundEffect for the effects,
// several of each so that blows in quick succession overlap instead of
// cutting each other off, and one QMediaPlayer for the music. Without an
// audio device, or without the GStreamer elements the music needs, it says
// so in one line on the error output and stays quiet; the game plays on.
class QtSound final : public QObject, public SoundSink {
    Q_OBJECT
public:
    explicit QtSound(QObject* parent = nullptr);
    ~QtSound() override;

    void Play(Sfx s) override;
    void PlayMusic(Music m) override;

    // The volumes as set and whether the game's window is the active one.
    void Apply(const SoundPrefs& prefs, bool windowActive);

    bool EffectsAvailable() const { return effectsOn_; }
    bool MusicAvailable() const { return player_ != nullptr; }
    // Every effect decoded and ready to sound (they load in the background).
    bool EffectsLoaded() const;
    Music MusicPlaying() const { return music_; }

    // How many copies of one effect may sound at once.
    static constexpr int kVoices = 4;

private:
    void StartEffects();
    QSoundEffect* AddVoice(Sfx s);
    void StartMusic();
    void Say(const QString& line);
    void MusicEnded();
    void UpdateGains();

    bool effectsOn_ = false;
    bool said_ = false;
    std::array<std::vector<QSoundEffect*>, kSfxCount> voices_{};
    std::array<int, kSfxCount> next_{};
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    Music music_ = Music::None;
    SoundPrefs prefs_;
    bool active_ = true;
};

} // namespace gh
