#include "sound/qt/SoundControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QShortcut>

#include "sound/qt/SoundSettings.h"

namespace gh {

SoundControl::SoundControl(SoundSink& sink, const QString& settingsFile, QObject* parent)
    : QObject(parent), sink_(sink), director_(sink), file_(settingsFile)
{
    if (!file_.isEmpty())
        prefs_ = ReadSoundPrefs(file_);
    director_.SetTurnBell(prefs_.TurnBell);
    if (qApp)
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) { SetActive(state == Qt::ApplicationActive); });
}

SoundControl::~SoundControl()
{
    if (clicks_ && qApp)
        qApp->removeEventFilter(this);
}

void SoundControl::SetPrefs(const SoundPrefs& prefs, bool remember)
{
    if (prefs == prefs_)
        return;
    prefs_ = prefs;
    Changed(remember);
}

void SoundControl::Remember()
{
    if (!file_.isEmpty())
        WriteSoundPrefs(file_, prefs_);
}

void SoundControl::ToggleMute()
{
    prefs_.Muted = !prefs_.Muted;
    Changed(true);
}

void SoundControl::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    Changed(false);
}

void SoundControl::Changed(bool remember)
{
    director_.SetTurnBell(prefs_.TurnBell);
    if (apply)
        apply(prefs_, active_);
    if (remember && !file_.isEmpty())
        WriteSoundPrefs(file_, prefs_);
    if (changed)
        changed();
}

void SoundControl::InstallMuteKey(QWidget* window)
{
    // An application shortcut: the key works from the dialogs too, and a
    // text field that takes the letter gets it first.
    auto* key = new QShortcut(QKeySequence(Qt::Key_M), window);
    key->setContext(Qt::ApplicationShortcut);
    connect(key, &QShortcut::activated, this, &SoundControl::ToggleMute);
}

void SoundControl::ClickSounds()
{
    if (clicks_ || !qApp)
        return;
    clicks_ = true;
    qApp->installEventFilter(this);
}

bool SoundControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A press that ends on the control, as Qt counts a click.
        if (button && button->isEnabled() && mouse->button() == Qt::LeftButton &&
            button->rect().contains(mouse->position().toPoint()))
            sink_.Play(qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button) ? Sfx::Check
                                                                                               : Sfx::Click);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gh
