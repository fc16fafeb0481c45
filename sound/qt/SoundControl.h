#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "sound/SoundDirector.h"
#include "sound/SoundPrefs.h"

class QWidget;

namespace gh {

// The sound of one running program: the player's settings, the table's
// director and the sink it plays into (Qt Multimedia in the game, a recorder
// in tests), the window's being active, the M key and the interface's clicks.
// The settings window changes the settings through it; each change sounds at
// once and is remembered.
class SoundControl final : public QObject {
    Q_OBJECT
public:
    // settingsFile "" remembers nothing (a test's).
    SoundControl(SoundSink& sink, const QString& settingsFile, QObject* parent = nullptr);
    ~SoundControl() override;

    const SoundPrefs& Prefs() const { return prefs_; }
    // remember false: heard at once, written when the slider is let go.
    void SetPrefs(const SoundPrefs& prefs, bool remember = true);
    void Remember();
    void ToggleMute();

    // Whether the game's window is the active one (Qt tells this by itself;
    // tests set it).
    void SetActive(bool active);
    bool Active() const { return active_; }

    // What the match's events go to, and the music at start.
    SoundDirector& Director() { return director_; }

    // M on this window or any of its dialogs mutes and unmutes everything
    // (not while a text field takes the letter).
    void InstallMuteKey(QWidget* window);
    // A click on any button or check box of the program's windows.
    void ClickSounds();

    // Told after every change (the settings window shows it).
    std::function<void()> changed;
    // Told of each change to the volumes and switches (the program's own
    // sink follows them).
    std::function<void(const SoundPrefs&, bool active)> apply;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed(bool remember);

    SoundSink& sink_;
    SoundDirector director_;
    QString file_;
    SoundPrefs prefs_;
    bool active_ = true;
    bool clicks_ = false;
};

} // namespace gh
