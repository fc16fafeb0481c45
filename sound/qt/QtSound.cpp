#include "sound/qt/QtSound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

#include "sound/qt/MusicPlugins.h"

namespace gh {

namespace {

// Qt Multimedia reports a missing sound server in several lines of its own
// while the devices are first looked for; the game says it once, itself.
QtMessageHandler previousHandler = nullptr;

void Hush(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtWarningMsg || type == QtInfoMsg)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

QUrl EffectUrl(Sfx s)
{
    return QUrl(QStringLiteral("qrc:/sound/effects/%1.wav").arg(QString::fromStdString(SfxName(s))));
}

QUrl MusicUrl(Music m)
{
    return QUrl(QStringLiteral("qrc:/sound/music/%1.ogg").arg(QString::fromStdString(MusicName(m))));
}

} // namespace

QtSound::QtSound(QObject* parent) : QObject(parent)
{
    // The player's and the sound server's own complaints would come on top
    // of the one line below, and again each time the server is away.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*.warning=false"));
    previousHandler = qInstallMessageHandler(Hush);
    const bool device = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    if (!device) {
        Say(QStringLiteral("no audio device; the game plays without sound"));
        return;
    }
    StartEffects();
    StartMusic();
}

QtSound::~QtSound()
{
    if (player_)
        player_->stop();
}

void QtSound::Say(const QString& line)
{
    if (said_)
        return;
    said_ = true;
    std::fprintf(stderr, "grimhollow: %s\n", qPrintable(line));
}

void QtSound::StartEffects()
{
    effectsOn_ = true;
    // One voice of each effect from the start; more only when blows come
    // faster than one sounds out (each voice is a stream of the sound server).
    for (int i = 0; i < kSfxCount; ++i)
        AddVoice(static_cast<Sfx>(i));
}

QSoundEffect* QtSound::AddVoice(Sfx s)
{
    // Every voice of one effect shares the one decoded sample.
    auto* fx = new QSoundEffect(this);
    fx->setSource(EffectUrl(s));
    fx->setVolume(GainOf(prefs_, KindOf(s), active_));
    voices_[static_cast<std::size_t>(s)].push_back(fx);
    return fx;
}

void QtSound::StartMusic()
{
    const std::string missing = MissingMusicPlugin();
    if (!missing.empty()) {
        Say(QStringLiteral("no music: GStreamer lacks %1 (gstreamer1.0-plugins-base and -good)")
                .arg(QString::fromStdString(missing)));
        return;
    }
    output_ = new QAudioOutput(this);
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            MusicEnded();
    });
    // A sound server that goes away mid-game only stops the music.
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        Say(QStringLiteral("the music stopped: %1").arg(text));
    });
    UpdateGains();
}

bool QtSound::EffectsLoaded() const
{
    for (const auto& voices : voices_)
        for (const QSoundEffect* fx : voices)
            if (fx->status() != QSoundEffect::Ready)
                return false;
    return effectsOn_;
}

void QtSound::Play(Sfx s)
{
    if (!effectsOn_)
        return;
    const auto i = static_cast<std::size_t>(s);
    std::vector<QSoundEffect*>& voices = voices_[i];
    if (voices.empty())
        return;
    // The next voice that is not sounding; if all are, the oldest gives way.
    QSoundEffect* chosen = nullptr;
    for (std::size_t tried = 0; tried < voices.size() && !chosen; ++tried) {
        QSoundEffect* fx = voices[static_cast<std::size_t>(next_[i])];
        next_[i] = (next_[i] + 1) % static_cast<int>(voices.size());
        if (!fx->isPlaying())
            chosen = fx;
    }
    if (!chosen && voices.size() < static_cast<std::size_t>(kVoices))
        chosen = AddVoice(s); // plays as soon as it has loaded
    if (!chosen)
        chosen = voices[static_cast<std::size_t>(next_[i])];
    if (chosen->volume() <= 0.0f)
        return;
    chosen->play();
}

void QtSound::PlayMusic(Music m)
{
    if (m == music_)
        return;
    music_ = m;
    if (!player_)
        return;
    if (m == Music::None) {
        player_->stop();
        return;
    }
    // The calm and the battle music go round; the end's piece plays once
    // and gives way to the calm track.
    player_->setLoops(m == Music::Calm || m == Music::Battle ? QMediaPlayer::Infinite : 1);
    player_->setSource(MusicUrl(m));
    if (GainOf(prefs_, SoundKind::Music, active_) > 0.0f)
        player_->play();
    else
        player_->pause(); // the piece waits at its start until it may be heard
}

void QtSound::MusicEnded()
{
    if (music_ == Music::Victory || music_ == Music::Defeat)
        PlayMusic(Music::Calm);
}

void QtSound::Apply(const SoundPrefs& prefs, bool windowActive)
{
    prefs_ = prefs;
    active_ = windowActive;
    UpdateGains();
}

void QtSound::UpdateGains()
{
    for (int i = 0; i < kSfxCount; ++i) {
        const float gain = GainOf(prefs_, KindOf(static_cast<Sfx>(i)), active_);
        for (QSoundEffect* fx : voices_[static_cast<std::size_t>(i)]) {
            fx->setVolume(gain);
            // Muted is silent at once, not only from the next sound on.
            if (gain <= 0.0f && fx->isPlaying())
                fx->stop();
        }
    }
    if (!output_)
        return;
    const float music = GainOf(prefs_, SoundKind::Music, active_);
    output_->setVolume(music);
    // Silent music is not decoded for nobody: it waits where it is.
    if (music <= 0.0f && player_->playbackState() == QMediaPlayer::PlayingState)
        player_->pause();
    else if (music > 0.0f && music_ != Music::None && player_->playbackState() == QMediaPlayer::PausedState)
        player_->play();
}

} // namespace gh
