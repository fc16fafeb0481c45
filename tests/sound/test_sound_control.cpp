// The sound's settings as a player meets them: «Звук» in the settings window,
// the M key, clicks on buttons and check boxes, the window in the background,
// everything remembered; and the program's own sink with no audio device.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "../gui/GuiGame.h"
#include "platform/qt/Twips.h"
#include "sound/SoundDirector.h"
#include "sound/qt/QtSound.h"
#include "sound/qt/SoundControl.h"
#include "sound/qt/SoundPanel.h"
#include "sound/qt/SoundSettings.h"
#include "windows/FrmSet.h"

namespace gh {
namespace {

using gui::GuiGame;

std::vector<std::string> Names(const RecordingSoundSink& sink)
{
    std::vector<std::string> names;
    for (const SoundCue& c : sink.heard)
        names.push_back(CueName(c));
    return names;
}

TEST(SoundSettings, ReadTheDefaultsRememberEveryChangeAndRefuseNonsense)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    EXPECT_EQ(ReadSoundPrefs(file), SoundPrefs{});
    EXPECT_FALSE(SoundPrefs{}.QuietInBackground); // off unless asked for

    SoundPrefs p;
    p.MusicVolume = 0;
    p.EffectsVolume = 100;
    p.InterfaceVolume = 35;
    p.TurnBell = false;
    p.QuietInBackground = true;
    p.Muted = true;
    WriteSoundPrefs(file, p);
    EXPECT_EQ(ReadSoundPrefs(file), p);
    {
        // Another program's settings in the same file stay.
        QSettings s(file, QSettings::IniFormat);
        s.setValue(QStringLiteral("settings/autosave"), false);
    }
    WriteSoundPrefs(file, p);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("settings/autosave")).toString(),
              QStringLiteral("false"));
    {
        QSettings s(file, QSettings::IniFormat);
        s.setValue(QStringLiteral("sound/musicVolume"), 101);
        s.setValue(QStringLiteral("sound/effectsVolume"), QStringLiteral("loud"));
        s.setValue(QStringLiteral("sound/muted"), QStringLiteral("perhaps"));
    }
    const SoundPrefs read = ReadSoundPrefs(file);
    EXPECT_EQ(read.MusicVolume, SoundPrefs{}.MusicVolume);
    EXPECT_EQ(read.EffectsVolume, SoundPrefs{}.EffectsVolume);
    EXPECT_EQ(read.Muted, SoundPrefs{}.Muted);
    EXPECT_EQ(read.InterfaceVolume, 35);
}

TEST(SoundPanel, TheSettingsWindowShowsTheVolumesAndSwitchesAndEachChangeSoundsAndIsRemembered)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    RecordingSoundSink sink;
    SoundControl sound(sink, file);
    std::vector<SoundPrefs> applied;
    sound.apply = [&](const SoundPrefs& p, bool) { applied.push_back(p); };

    GuiGame gg;
    // Without the program's sound the window is as it always was.
    gg.forms.OpenSettings();
    auto* plain = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->Sound, nullptr);
    const QSize plainSize = plain->size();
    const QRect plainClose = plain->CmdCancel->geometry();
    plain->close();
    gui::FlushDeletes();

    gg.forms.sound = &sound;
    gg.forms.OpenSettings();
    auto* set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    SoundPanel* panel = set->Sound;
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->title(), QStringLiteral("Звук"));
    EXPECT_EQ(panel->LblVolume[0]->text(), QStringLiteral("Музыка"));
    EXPECT_EQ(panel->LblVolume[1]->text(), QStringLiteral("Эффекты"));
    EXPECT_EQ(panel->LblVolume[2]->text(), QStringLiteral("Интерфейс"));
    EXPECT_EQ(panel->ChkQuiet->text(), QStringLiteral("Тише в фоне"));
    // The window grew by the panel, "Закрыть" moved below it, nothing overlaps.
    const int grow = TwipsSize(0, SoundPanel::kHeightTwips).height();
    EXPECT_EQ(set->size(), plainSize + QSize(0, grow));
    EXPECT_EQ(set->CmdCancel->geometry(), plainClose.translated(0, grow));
    EXPECT_LE(panel->geometry().bottom(), set->CmdCancel->geometry().top());
    EXPECT_GE(panel->geometry().top(), set->ChkAids->geometry().bottom());
    EXPECT_TRUE(set->rect().contains(panel->geometry()));
    for (QSlider* s : panel->SldVolume) {
        EXPECT_EQ(s->minimum(), 0);
        EXPECT_EQ(s->maximum(), 100);
        EXPECT_TRUE(panel->rect().contains(s->geometry()));
    }
    // For people to look at (shots/ is not versioned).
    set->grab().save(gui::ShotPath(QStringLiteral("settings-sound.png")));
    // It shows what is set, and opening it changed nothing.
    EXPECT_EQ(panel->SldVolume[0]->value(), SoundPrefs{}.MusicVolume);
    EXPECT_TRUE(panel->ChkBell->isChecked());
    EXPECT_FALSE(panel->ChkQuiet->isChecked());
    EXPECT_TRUE(applied.empty());
    EXPECT_FALSE(QFile::exists(file));

    panel->SldVolume[1]->setValue(30);
    panel->SldVolume[2]->setValue(0);
    QTest::mouseClick(panel->ChkBell, Qt::LeftButton);
    QTest::mouseClick(panel->ChkQuiet, Qt::LeftButton);
    ASSERT_FALSE(applied.empty());
    EXPECT_EQ(applied.back().EffectsVolume, 30);
    EXPECT_EQ(applied.back().InterfaceVolume, 0);
    EXPECT_FALSE(applied.back().TurnBell);
    EXPECT_TRUE(applied.back().QuietInBackground);
    EXPECT_FALSE(sound.Director().TurnBell());
    // Remembered at once, as the next start reads it.
    const SoundPrefs next = ReadSoundPrefs(file);
    EXPECT_EQ(next, sound.Prefs());
    EXPECT_EQ(next.EffectsVolume, 30);

    // M mutes from the battlefield or a dialog, and the panel shows it.
    QWidget field;
    field.show();
    sound.InstallMuteKey(&field);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    field.activateWindow();
    QTest::keyClick(&field, Qt::Key_M);
    EXPECT_TRUE(sound.Prefs().Muted);
    EXPECT_TRUE(panel->ChkMute->isChecked());
    EXPECT_TRUE(ReadSoundPrefs(file).Muted);
    QTest::keyClick(set, Qt::Key_M);
    EXPECT_FALSE(sound.Prefs().Muted);
    EXPECT_FALSE(panel->ChkMute->isChecked());

    set->close();
    gui::FlushDeletes();
    gg.forms.sound = nullptr;
}

TEST(SoundControl, ButtonsAndCheckBoxesClickAndTheBackgroundIsToldToTheSink)
{
    RecordingSoundSink sink;
    SoundControl sound(sink, QString());
    bool lastActive = true;
    int told = 0;
    sound.apply = [&](const SoundPrefs&, bool active) {
        lastActive = active;
        ++told;
    };
    sound.ClickSounds();
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Начать"), &window);
    auto* box = new QCheckBox(QStringLiteral("AI"), &window);
    box->move(0, 40);
    auto* off = new QPushButton(QStringLiteral("Нельзя"), &window);
    off->move(0, 80);
    off->setEnabled(false);
    window.show();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(off, Qt::LeftButton);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(150, 150)); // not on a control
    EXPECT_EQ(Names(sink), (std::vector<std::string>{"click", "check"}));

    sound.SetActive(false);
    EXPECT_FALSE(lastActive);
    sound.SetActive(false);
    EXPECT_EQ(told, 1);
    sound.SetActive(true);
    EXPECT_TRUE(lastActive);
}

TEST(QtSound, WithoutAnAudioDeviceItSaysSoOnceAndEverythingStillGoesThrough)
{
    // The test runs with PULSE_SERVER pointing nowhere (tests/sound/CMakeLists.txt).
    testing::internal::CaptureStderr();
    {
        QtSound speakers;
        EXPECT_FALSE(speakers.EffectsAvailable());
        EXPECT_FALSE(speakers.MusicAvailable());
        SoundPrefs p;
        speakers.Apply(p, true);
        SoundDirector director(speakers);
        director.Begin();
        for (int i = 0; i < kSfxCount; ++i)
            speakers.Play(static_cast<Sfx>(i));
        speakers.PlayMusic(Music::Battle);
        speakers.PlayMusic(Music::Victory);
        EXPECT_EQ(speakers.MusicPlaying(), Music::Victory);
        QTest::qWait(50);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "grimhollow: no audio device; the game plays without sound\n");
}

} // namespace
} // namespace gh
