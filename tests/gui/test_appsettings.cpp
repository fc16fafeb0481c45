// What the program remembers between runs, and what it does with a settings
// file it cannot use.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "SavesGame.h"
#include "app/WindowMemory.h"
#include "battlefield/FrmMain.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/Settings.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

using gui::SavesGame;

QString Setting(const QString& file, const QString& key)
{
    return QSettings(file, QSettings::IniFormat).value(key).toString();
}

TEST(AppSettings, EachChangeIsOnDiskAtOnceAndComesBackNextTime)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    {
        AppSettings store(file);
        EXPECT_FALSE(QFileInfo::exists(file)); // nothing written until something changes
        store.SetFrameSkip(3);
        // Another reader sees it while this program still runs.
        EXPECT_EQ(Setting(file, QStringLiteral("settings/frameSkip")), QStringLiteral("3"));
        store.SetIdlePace(501);
        store.SetComputerLevel(4);
        store.SetAutosave(false);
        store.SetBattlefield(AppSettings::Window::Maximized);
        EXPECT_EQ(Setting(file, QStringLiteral("settings/autosave")), QStringLiteral("false"));
        EXPECT_EQ(Setting(file, QStringLiteral("battlefield/state")), QStringLiteral("maximized"));
    }
    AppSettings again(file);
    EXPECT_EQ(again.FrameSkip(), 3);
    EXPECT_EQ(again.IdlePace(), 501);
    EXPECT_EQ(again.ComputerLevel(), 4);
    // The default is every row's level until the selection chooses another.
    for (int i = 0; i < kHeroes; ++i)
        EXPECT_EQ(again.Selection(i).level, 4) << i;
    EXPECT_FALSE(again.Autosave());
    EXPECT_EQ(again.Battlefield(), AppSettings::Window::Maximized);
    EXPECT_TRUE(again.MovedAside().isEmpty());

    Game g;
    again.ApplyTo(g);
    EXPECT_EQ(g.AnimSpeed, 4);
    EXPECT_EQ(IdlePace(g), 501);
    Preferences prefs;
    again.ApplyTo(prefs);
    EXPECT_EQ(prefs.ComputerLevel, 4);
}

TEST(AppSettings, APlayerWhoTickedTheOldFullStrengthBoxFindsTheStrongestLevel)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    SavesGame::WriteFile(file, "[settings]\nfullStrength=true\n");
    EXPECT_EQ(AppSettings(file).ComputerLevel(), kStrongestLevel);
    SavesGame::WriteFile(file, "[settings]\nfullStrength=false\n");
    EXPECT_EQ(AppSettings(file).ComputerLevel(), kDefaultComputerLevel);
    // A level chosen since wins over the old tick.
    SavesGame::WriteFile(file, "[settings]\nfullStrength=true\ncomputerLevel=1\n");
    EXPECT_EQ(AppSettings(file).ComputerLevel(), 1);
}

TEST(AppSettings, WithNothingRememberedTheProgramStartsAsItAlwaysHas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    AppSettings store(file);
    EXPECT_FALSE(store.FrameSkip().has_value());
    EXPECT_EQ(store.IdlePace(), 1);
    EXPECT_EQ(store.ComputerLevel(), kDefaultComputerLevel);
    EXPECT_TRUE(store.Autosave());
    EXPECT_EQ(store.Battlefield(), AppSettings::Window::FullScreen);
    for (int i = 0; i < kHeroes; ++i) {
        const AppSettings::Slot s = store.Selection(i);
        EXPECT_FALSE(s.taking || s.heroClass || s.name || s.ai || s.level) << i;
    }
    Game g;
    const MatchState before = g.Match();
    store.ApplyTo(g);
    EXPECT_TRUE(g.Match() == before);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST(AppSettings, AValueNoControlCouldHoldFallsBackAloneToItsDefault)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    SavesGame::WriteFile(file, "[settings]\n"
                               "frameSkip=9\n"
                               "idlePace=1001\n"
                               "fullStrength=banana\n"
                               "computerLevel=9\n"
                               "autosave=false\n"
                               "[battlefield]\n"
                               "state=sideways\n"
                               "[selection]\n"
                               "hero1\\taking=true\n"
                               "hero1\\class=7\n"
                               "hero1\\name=Арвен\n"
                               "hero1\\ai=maybe\n"
                               "hero2\\class=0\n"
                               "hero2\\ai=true\n"
                               "hero2\\level=-1\n"
                               "hero3\\level=3\n"
                               "hero3\\class=3\n"
                               "hero3\\taking=-1\n");
    AppSettings store(file);
    EXPECT_TRUE(store.MovedAside().isEmpty());
    EXPECT_FALSE(store.FrameSkip().has_value());
    EXPECT_EQ(store.IdlePace(), 1001);
    EXPECT_EQ(store.ComputerLevel(), kDefaultComputerLevel);
    EXPECT_FALSE(store.Autosave());
    EXPECT_EQ(store.Battlefield(), AppSettings::Window::FullScreen);
    const AppSettings::Slot one = store.Selection(0), two = store.Selection(1), three = store.Selection(2);
    EXPECT_EQ(one.taking, true);
    EXPECT_FALSE(one.heroClass.has_value());
    EXPECT_EQ(one.name, QStringLiteral("Арвен"));
    EXPECT_FALSE(one.ai.has_value());
    EXPECT_FALSE(two.heroClass.has_value());
    EXPECT_EQ(two.ai, true);
    EXPECT_FALSE(two.level.has_value());
    EXPECT_EQ(three.level, 3);
    EXPECT_EQ(three.heroClass, 3);
    EXPECT_FALSE(three.taking.has_value());
}

TEST(AppSettings, AFileThatCannotBeParsedIsMovedAsideAndTheDefaultsUsed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    const QByteArray garbage = "[settings\nframeSkip=2\nthis line has no equals sign\n";
    SavesGame::WriteFile(file, garbage);
    {
        AppSettings store(file);
        ASSERT_FALSE(store.MovedAside().isEmpty());
        QFile aside(store.MovedAside());
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), garbage);
        EXPECT_FALSE(store.FrameSkip().has_value());
        EXPECT_TRUE(store.Autosave());
        // The new file works as a new one would.
        store.SetFrameSkip(2);
    }
    AppSettings again(file);
    EXPECT_TRUE(again.MovedAside().isEmpty());
    EXPECT_EQ(again.FrameSkip(), 2);
    // A second broken file does not overwrite the first one kept aside.
    SavesGame::WriteFile(file, garbage);
    AppSettings third(file);
    EXPECT_EQ(third.MovedAside(), file + QStringLiteral(".damaged-2"));
}

TEST(AppSettings, TheSettingsWindowWritesEveryChangeAndReadsTheAutosaveBack)
{
    SavesGame sg;
    sg.forms.OpenSettings();
    QPointer<FrmSet> set = qobject_cast<FrmSet*>(sg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->ChkAutosave->text(), QStringLiteral("Автосохранение"));
    EXPECT_TRUE(set->ChkAutosave->isChecked());
    EXPECT_TRUE(set->ChkAutosave->geometry().bottom() < set->CmdCancel->geometry().top());
    EXPECT_TRUE(set->ChkAutosave->geometry().top() > set->CboLevel->geometry().bottom());

    QTest::keyClick(set->SldSpeed[0], Qt::Key_Right);
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("settings/frameSkip")), QStringLiteral("2"));
    set->SldSpeed[1]->setValue(300);
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("settings/idlePace")), QStringLiteral("300"));
    set->CboLevel->setCurrentIndex(kStrongestLevel);
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("settings/computerLevel")),
              QString::number(kStrongestLevel));
    set->ChkAutosave->click();
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("settings/autosave")), QStringLiteral("false"));
    EXPECT_FALSE(sg.autosave.Enabled());
    set->close();
    gui::FlushDeletes();

    // The next run shows what this one set.
    SavesGame next(sg.settingsPath);
    next.store.ApplyTo(next.g);
    next.store.ApplyTo(next.forms.prefs);
    next.autosave.SetEnabled(next.store.Autosave());
    next.forms.OpenSettings();
    set = qobject_cast<FrmSet*>(next.forms.settings.data());
    EXPECT_EQ(set->SldSpeed[0]->value(), 2);
    EXPECT_EQ(set->SldSpeed[1]->value(), 300);
    EXPECT_EQ(set->CboLevel->currentIndex(), kStrongestLevel);
    EXPECT_FALSE(set->ChkAutosave->isChecked());
}

TEST(AppSettings, TheHeroesLastChosenComeBackAndANewMatchKeepsTheChosenWalkingSpeed)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("Grimhollow.conf"));
    std::array<std::string, kHeroes> names;
    std::array<int, kHeroes> classes{};
    {
        SavesGame sg(settings);
        sg.store.SetFrameSkip(1);
        FrmSelect* sel = sg.forms.OpenSelect();
        sel->Iss[2]->click(); // three heroes
        sel->Ai[0]->click();  // the first played by the computer
        sel->Ai[1]->click();  // and the second by a person
        sel->CboLevel[0]->setCurrentIndex(4); // «Сильный»
        sel->Txt[2]->setText(QStringLiteral("Третья"));
        sel->ChooseClass(1, 3);
        for (int i = 0; i < kHeroes; ++i)
            classes[static_cast<std::size_t>(i)] = ClassOfHeroType(sg.g.U(i + 1).UnitType);
        sel->CmdOK->click();
        gui::FlushDeletes();
        ASSERT_TRUE(sg.g.MatchRunning);
        EXPECT_EQ(sg.g.AnimSpeed, 1); // not the 4 of a match with nothing remembered
        EXPECT_EQ(sg.g.ComputerLevel[1], 4);
        EXPECT_EQ(sg.g.ComputerLevel[2], kDefaultComputerLevel);
        for (int i = 0; i < kHeroes; ++i)
            names[static_cast<std::size_t>(i)] = sg.g.U(i + 1).Name;
    }
    SavesGame next(settings);
    FrmSelect* sel = next.forms.OpenSelect();
    const bool taking[] = {true, true, true, false, false};
    const bool ai[] = {true, false, false, false, false};
    for (int i = 0; i < kHeroes; ++i) {
        const auto s = static_cast<std::size_t>(i);
        EXPECT_EQ(sel->Iss[i]->isChecked(), taking[i]) << i;
        EXPECT_EQ(sel->Txt[i]->isEnabled(), taking[i]) << i;
        EXPECT_EQ(sel->Ai[i]->isChecked(), ai[i]) << i;
        EXPECT_EQ(sel->CboLevel[i]->currentIndex(), i == 0 ? 4 : kDefaultComputerLevel) << i;
        EXPECT_EQ(sel->CboLevel[i]->isEnabled(), taking[i] && ai[i]) << i;
        EXPECT_EQ(sel->Txt[i]->text().toStdString(), names[s]) << i;
        EXPECT_EQ(next.g.U(i + 1).Name, names[s]) << i;
        EXPECT_EQ(ClassOfHeroType(next.g.U(i + 1).UnitType), classes[s]) << i;
    }
    EXPECT_EQ(names[2], "Третья");
    EXPECT_EQ(classes[1], 3);
}

TEST(AppSettings, TheBattlefieldShowsAsItWasLastAndF11SwitchesAndIsRemembered)
{
    SavesGame sg;
    FrmMain* main = sg.forms.LoadMain();
    sg.store.ApplyTo(sg.forms.prefs);
    ShowBattlefield(main, &sg.store);
    EXPECT_TRUE(main->isFullScreen());
    EXPECT_FALSE(QFileInfo::exists(sg.settingsPath)); // as it always was: nothing written
    QTest::keyClick(main, Qt::Key_F11);
    EXPECT_FALSE(main->isFullScreen());
    EXPECT_TRUE(main->windowFlags().testFlag(Qt::Window));
    EXPECT_FALSE(main->windowFlags().testFlag(Qt::FramelessWindowHint)) << "a framed window";
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("battlefield/state")), QStringLiteral("framed"));
    main->showMaximized();
    EXPECT_EQ(Setting(sg.settingsPath, QStringLiteral("battlefield/state")), QStringLiteral("maximized"));
    delete main;

    SavesGame next(sg.settingsPath);
    main = next.forms.LoadMain();
    next.store.ApplyTo(next.forms.prefs);
    ShowBattlefield(main, &next.store);
    EXPECT_TRUE(main->isMaximized());
    EXPECT_FALSE(main->isFullScreen());
    QTest::keyClick(main, Qt::Key_F11);
    EXPECT_TRUE(main->isFullScreen());
    EXPECT_EQ(Setting(next.settingsPath, QStringLiteral("battlefield/state")), QStringLiteral("fullscreen"));
}

} // namespace
} // namespace gh
