// Saving, loading and the autosave through the windows: the menu's buttons,
// the save's name, the list of saves, the messages about bad files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTest>

#include <nlohmann/json.hpp>

#include "SavesGame.h"
#include "battlefield/FrmMain.h"
#include "engine/TurnCycle.h"
#include "save/SaveFormat.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSaveName.h"
#include "windows/FrmSaves.h"

namespace gh {
namespace {

using gui::SavesGame;

std::string LastBoxText(const SavesGame& sg)
{
    return sg.shell.boxes.empty() ? std::string() : sg.shell.boxes.back().text;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

std::string SaveText(const Game& g, const std::string& title, const std::string& savedAt,
                     bool autosave = false)
{
    return save::WriteSave(g, save::SummaryOf(g, title, autosave, savedAt, "0.1"));
}

TEST(FrmMenu, SaveFollowsTheMatchAndSaysWhyNotWhileLoadIsAlwaysThere)
{
    SavesGame sg;
    QPointer<FrmMenu> menu = sg.forms.OpenMenu();
    EXPECT_FALSE(menu->Cmd[1]->isEnabled());
    EXPECT_TRUE(menu->Cmd[1]->toolTip().contains(QStringLiteral("Нет начатой партии")));
    EXPECT_TRUE(menu->Cmd[2]->isEnabled());

    sg.StartMatch();
    sg.forms.Refresh();
    EXPECT_TRUE(menu->Cmd[1]->isEnabled());
    EXPECT_EQ(menu->Cmd[1]->toolTip(), QStringLiteral("Сохранить партию"));

    struct Busy {
        const char* what;
        std::function<void(Game&)> make, undo;
        const char* reason;
    };
    const Busy busy[] = {
        {"summon", [](Game& g) { g.InputMode = kModeSummon; }, [](Game& g) { g.InputMode = kModeOrders; },
         "призыв"},
        {"spell", [](Game& g) { g.InputMode = kModeSpell; }, [](Game& g) { g.InputMode = kModeOrders; },
         "заклинани"},
        {"walk", [](Game& g) { g.timers.SetEnabled(TimerId::Tmr1, true); },
         [](Game& g) { g.timers.SetEnabled(TimerId::Tmr1, false); }, "дойдёт"},
        {"blow", [](Game& g) { g.timers.SetEnabled(TimerId::Tmr3, true); },
         [](Game& g) { g.timers.SetEnabled(TimerId::Tmr3, false); }, "удара"},
        {"result", [](Game& g) { g.InputMode = kModeResult; }, [](Game& g) { g.InputMode = kModeOrders; },
         "результат"},
        {"computer", [](Game& g) { g.ActiveHero = 2; }, [](Game& g) { g.ActiveHero = 1; }, "компьютер"},
    };
    for (const Busy& b : busy) {
        b.make(sg.g);
        sg.forms.Refresh();
        EXPECT_FALSE(menu->Cmd[1]->isEnabled()) << b.what;
        EXPECT_TRUE(menu->Cmd[1]->toolTip().contains(QString::fromUtf8(b.reason))) << b.what;
        // A click that gets through anyway does nothing.
        menu->Cmd[1]->setEnabled(true);
        menu->Cmd[1]->click();
        EXPECT_EQ(sg.forms.saveName, nullptr) << b.what;
        b.undo(sg.g);
        sg.forms.Refresh();
        EXPECT_TRUE(menu->Cmd[1]->isEnabled()) << b.what;
        EXPECT_TRUE(sg.files.List().isEmpty()) << b.what;
    }
}

TEST(FrmSaveName, SuggestsHeroesAndDayWritesAndAsksBeforeReplacing)
{
    SavesGame sg;
    sg.StartMatch();
    QPointer<FrmMenu> menu = sg.forms.OpenMenu();
    menu->Cmd[1]->click();
    gui::FlushDeletes();
    EXPECT_TRUE(menu.isNull()); // the menu makes way for the dialog
    QPointer<FrmSaveName> dialog = qobject_cast<FrmSaveName*>(sg.forms.saveName.data());
    ASSERT_NE(dialog, nullptr);
    const QString suggested = dialog->TxtName->text();
    EXPECT_TRUE(suggested.contains(QString::fromStdString(sg.g.U(1).Name))) << suggested.toStdString();
    EXPECT_TRUE(suggested.contains(QString::fromStdString(sg.g.U(2).Name))) << suggested.toStdString();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("день 1"))) << suggested.toStdString();

    // Blanks name nothing.
    dialog->TxtName->setText(QStringLiteral("   "));
    EXPECT_FALSE(dialog->CmdOK->isEnabled());
    dialog->TxtName->setText(QStringLiteral("Первый бой"));
    QTest::keyClick(dialog->TxtName, Qt::Key_Return);
    gui::FlushDeletes();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(sg.shell.boxes.empty());
    const QString path = sg.SavePath(QStringLiteral("Первый бой.ghsave"));
    ASSERT_TRUE(QFileInfo::exists(path));
    const QList<SaveEntry> list = sg.files.List();
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(list[0].readable);
    EXPECT_FALSE(list[0].autosave);
    EXPECT_EQ(list[0].summary.title, "Первый бой");
    EXPECT_EQ(list[0].summary.day, 1);

    // The same name again: asked, and "no" keeps the file as it was.
    std::string before, after;
    QString error;
    ASSERT_TRUE(SaveFiles::ReadText(path, before, error));
    sg.g.U(1).Name = "Другое имя";
    sg.forms.OpenSaveName();
    dialog = qobject_cast<FrmSaveName*>(sg.forms.saveName.data());
    dialog->TxtName->setText(QStringLiteral("Первый бой"));
    sg.shell.answers = {BoxAnswer::No};
    dialog->CmdOK->click();
    ASSERT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_EQ(sg.shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(sg.shell.boxes[0].defaultNo);
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "уже есть")) << sg.shell.boxes[0].text;
    ASSERT_TRUE(SaveFiles::ReadText(path, after, error));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(dialog.isNull()); // still there for another name

    sg.shell.answers = {BoxAnswer::Yes};
    dialog->CmdOK->click();
    gui::FlushDeletes();
    EXPECT_TRUE(dialog.isNull());
    ASSERT_TRUE(SaveFiles::ReadText(path, after, error));
    EXPECT_NE(after, before);
    EXPECT_EQ(sg.files.List().size(), 1);
}

TEST(SaveFiles, AManualSaveNeverTakesAnAutosavesFile)
{
    SavesGame sg;
    sg.StartMatch();
    const QString autosave = sg.files.AutosavePath(1, 1);
    QString error;
    ASSERT_TRUE(Autosave::Store(sg.files, autosave, Autosave::Text(sg.g), error)) << error.toStdString();
    std::string before, after;
    ASSERT_TRUE(SaveFiles::ReadText(autosave, before, error));

    // Its very file name as a title, and names a file system would choke on.
    const QString sneaky = QFileInfo(autosave).completeBaseName();
    ASSERT_TRUE(sg.forms.SaveAs(sneaky));
    EXPECT_TRUE(sg.shell.boxes.empty()); // nothing to replace
    ASSERT_TRUE(SaveFiles::ReadText(autosave, after, error));
    EXPECT_EQ(after, before);
    EXPECT_NE(sg.files.ManualPath(sneaky), autosave);
    for (const QString& title : {QStringLiteral("../../вне папки"), QStringLiteral(".скрытое"),
                                 QStringLiteral("a/b\\c:d*e?f\"g<h>i|j")}) {
        const QFileInfo file(sg.files.ManualPath(title));
        EXPECT_EQ(file.absolutePath(), QFileInfo(sg.files.Folder()).absoluteFilePath())
            << title.toStdString();
        EXPECT_FALSE(file.fileName().startsWith(u'.')) << title.toStdString();
        ASSERT_TRUE(sg.forms.SaveAs(title)) << title.toStdString();
        EXPECT_TRUE(file.exists()) << title.toStdString();
    }
    const QList<SaveEntry> list = sg.files.List();
    EXPECT_EQ(list.size(), 5);
    EXPECT_EQ(sg.files.Autosaves().size(), 1);
}

TEST(SaveFiles, AnUnwritableFolderSaysSoAndKeepsTheMatch)
{
    SavesGame sg;
    sg.StartMatch();
    // A file where the saves folder should be: no folder can be made there.
    sg.WriteFile(sg.files.Folder(), "not a folder");
    const MatchState before = sg.g.Match();
    EXPECT_FALSE(sg.forms.SaveAs(QStringLiteral("Куда-нибудь")));
    ASSERT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_TRUE(Contains(LastBoxText(sg), "Партия не сохранена")) << LastBoxText(sg);
    EXPECT_TRUE(Contains(LastBoxText(sg), "папку")) << LastBoxText(sg);
    EXPECT_TRUE(sg.g.Match() == before);
}

TEST(LoadFile, ABadFileIsNamedAndExplainedAndTheMatchGoesOnUntouched)
{
    SavesGame sg;
    sg.StartMatch();
    QDir().mkpath(sg.files.Folder());
    const MatchState before = sg.g.Match();

    struct Bad {
        const char* file;
        QByteArray bytes;
        const char* says;
    };
    const std::string good = SaveText(sg.g, "целое", "2026-01-01T10:00:00");
    nlohmann::json newer = nlohmann::json::parse(good);
    newer["version"] = save::kFormatVersion + 1;
    const Bad bad[] = {
        {"обрывок.ghsave", QByteArray::fromStdString(good.substr(0, good.size() / 2)), nullptr},
        {"чужой.ghsave", "{\"format\": \"something-else\", \"version\": 1}", nullptr},
        {"мусор.ghsave", QByteArray("\xff\xfe\x00\x01garbage", 11), nullptr},
        {"пустой.ghsave", "", nullptr},
        {"огромный.ghsave", QByteArray(static_cast<qsizetype>(save::kMaxSaveBytes) + 1, ' '), "велик"},
        {"новый.ghsave", QByteArray::fromStdString(newer.dump()), "Обновите игру"},
    };
    for (const Bad& b : bad) {
        sg.shell.boxes.clear();
        const QString path = sg.SavePath(QString::fromUtf8(b.file));
        sg.WriteFile(path, b.bytes);
        EXPECT_FALSE(sg.forms.LoadFile(path)) << b.file;
        ASSERT_EQ(sg.shell.boxes.size(), 1u) << b.file;
        const MessageBoxRequest& box = sg.shell.boxes[0];
        EXPECT_EQ(box.buttons, BoxButtons::Ok) << b.file;
        EXPECT_EQ(box.title, "Загрузка партии");
        EXPECT_TRUE(Contains(box.text, b.file)) << box.text;
        EXPECT_TRUE(Contains(box.text, "Текущая партия продолжается")) << box.text;
        if (b.says) {
            EXPECT_TRUE(Contains(box.text, b.says)) << box.text;
        }
        EXPECT_TRUE(sg.g.Match() == before) << b.file;
    }
    // The list says the same of a newer game's save, without opening it.
    const SaveEntry newerEntry = SaveFiles::ReadEntry(sg.SavePath(QStringLiteral("новый.ghsave")));
    EXPECT_FALSE(newerEntry.readable);
    EXPECT_TRUE(newerEntry.error.contains(QStringLiteral("более новой версией")))
        << newerEntry.error.toStdString();

    // Nor does a file that is not there at all break anything.
    sg.shell.boxes.clear();
    EXPECT_FALSE(sg.forms.LoadFile(sg.SavePath(QStringLiteral("нет такого.ghsave"))));
    EXPECT_TRUE(Contains(LastBoxText(sg), "нет такого.ghsave"));
    EXPECT_TRUE(sg.g.Match() == before);
}

TEST(LoadFile, AsksWhileAMatchRunsThenPutsTheSavedMatchOnTheField)
{
    SavesGame sg;
    FrmMain* main = sg.forms.LoadMain();
    main->setGeometry(0, 0, 1280, 800);
    main->show();
    sg.StartMatch();
    ASSERT_TRUE(sg.forms.SaveAs(QStringLiteral("Запомненный")));
    const MatchState saved = sg.g.Match();

    // The match moves on: another name, a wound, the view elsewhere.
    sg.g.U(1).Name = "Переименованный";
    sg.g.U(1).Hp = 1;
    sg.g.HorBar.Value = 3000;
    sg.forms.Refresh();
    const QString path = sg.SavePath(QStringLiteral("Запомненный.ghsave"));

    sg.shell.answers = {BoxAnswer::No};
    EXPECT_FALSE(sg.forms.LoadFile(path));
    ASSERT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_EQ(sg.shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(sg.shell.boxes[0].defaultNo);
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "Запомненный")) << sg.shell.boxes[0].text;
    EXPECT_EQ(sg.g.U(1).Name, "Переименованный");

    sg.shell.boxes.clear();
    sg.shell.answers = {BoxAnswer::Yes};
    EXPECT_TRUE(sg.forms.LoadFile(path));
    EXPECT_TRUE(sg.g.Units == saved.Units);
    EXPECT_EQ(sg.g.Day, saved.Day);
    EXPECT_EQ(sg.g.ActiveHero, saved.ActiveHero);
    EXPECT_EQ(sg.g.InputMode, kModeOrders);
    // The battlefield shows it: its bars where the saved match had them.
    EXPECT_EQ(main->HorBar->value(), sg.g.HorBar.Value);
    EXPECT_TRUE(main->HorBar->isVisible());
    // The loaded turn is the player's to go on with, and it is not saved again.
    sg.Settle();
    EXPECT_TRUE(sg.files.Autosaves().isEmpty());
    EXPECT_TRUE(Autosave::Ready(sg.g));
}

TEST(FrmSaves, ListsNewestFirstShowsTheUnreadableByNameHidesTemporariesAndAsksBeforeDeleting)
{
    SavesGame sg;
    sg.StartMatch();
    QDir().mkpath(sg.files.Folder());
    QString error;
    ASSERT_TRUE(SaveFiles::Write(sg.SavePath(QStringLiteral("старое.ghsave")),
                                 SaveText(sg.g, "Старое", "2026-01-01T10:00:00"), error));
    ASSERT_TRUE(SaveFiles::Write(sg.SavePath(QStringLiteral("новое.ghsave")),
                                 SaveText(sg.g, "Новое", "2026-06-01T10:00:00"), error));
    ASSERT_TRUE(SaveFiles::Write(sg.files.AutosavePath(1, 1),
                                 SaveText(sg.g, "Авто", "2026-03-01T10:00:00", true), error));
    sg.WriteFile(sg.SavePath(QStringLiteral("сломанное.ghsave")), "{ not json");
    // What an interrupted atomic write leaves, and what is no save at all.
    sg.WriteFile(sg.SavePath(QStringLiteral("новое.ghsave.Ab12Cd")), "{ half");
    sg.WriteFile(sg.SavePath(QStringLiteral("заметки.txt")), "text");
    // The broken file is the oldest by its time on disk.
    QFile broken(sg.SavePath(QStringLiteral("сломанное.ghsave")));
    ASSERT_TRUE(broken.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        broken.setFileTime(QDateTime(QDate(2025, 1, 1), QTime(9, 0)), QFileDevice::FileModificationTime));
    broken.close();

    sg.forms.OpenSaves();
    QPointer<FrmSaves> list = qobject_cast<FrmSaves*>(sg.forms.savesList.data());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Загрузить партию"));
    ASSERT_EQ(list->LstSaves->topLevelItemCount(), 4);
    auto row = [&](int r, int c) { return list->LstSaves->topLevelItem(r)->text(c); };
    EXPECT_EQ(row(0, FrmSaves::ColTitle), QStringLiteral("Новое"));
    EXPECT_EQ(row(1, FrmSaves::ColTitle), QStringLiteral("Авто"));
    EXPECT_EQ(row(1, FrmSaves::ColKind), QStringLiteral("автосохранение"));
    EXPECT_EQ(row(2, FrmSaves::ColTitle), QStringLiteral("Старое"));
    EXPECT_EQ(row(2, FrmSaves::ColKind), QStringLiteral("сохранение"));
    EXPECT_EQ(row(0, FrmSaves::ColDay), QStringLiteral("1"));
    EXPECT_EQ(row(3, FrmSaves::ColTitle), QStringLiteral("сломанное.ghsave"));
    EXPECT_TRUE(row(3, FrmSaves::ColHeroes).startsWith(QStringLiteral("не читается")))
        << row(3, 2).toStdString();
    EXPECT_FALSE(list->Entries()[3].readable);
    // The heroes of a readable save are there with their sides.
    const QVariantList heroes =
        list->LstSaves->topLevelItem(0)->data(FrmSaves::ColHeroes, Qt::UserRole + 1).toList();
    ASSERT_EQ(heroes.size(), 2);
    EXPECT_EQ(heroes[0].toMap().value(QStringLiteral("slot")).toInt(), 1);
    EXPECT_EQ(heroes[1].toMap().value(QStringLiteral("name")).toString(),
              QString::fromStdString(sg.g.U(2).Name));
    gui::FlushDeletes();
    list->grab().save(gui::ShotPath(QStringLiteral("saves-list.png")));

    // Loading the unreadable one says what is wrong and changes nothing.
    const MatchState before = sg.g.Match();
    list->LstSaves->setCurrentItem(list->LstSaves->topLevelItem(3));
    list->CmdLoad->click();
    ASSERT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "сломанное.ghsave")) << sg.shell.boxes[0].text;
    EXPECT_TRUE(sg.g.Match() == before);
    ASSERT_FALSE(list.isNull());

    // Deleting asks, "no" keeps the file, "yes" removes it from the disk and the list.
    sg.shell.boxes.clear();
    list->LstSaves->setCurrentItem(list->LstSaves->topLevelItem(2));
    sg.shell.answers = {BoxAnswer::No};
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_TRUE(sg.shell.boxes[0].defaultNo);
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "Старое")) << sg.shell.boxes[0].text;
    EXPECT_TRUE(QFileInfo::exists(sg.SavePath(QStringLiteral("старое.ghsave"))));
    EXPECT_EQ(list->LstSaves->topLevelItemCount(), 4);
    sg.shell.answers = {BoxAnswer::Yes};
    list->CmdDelete->click();
    EXPECT_FALSE(QFileInfo::exists(sg.SavePath(QStringLiteral("старое.ghsave"))));
    ASSERT_EQ(list->LstSaves->topLevelItemCount(), 3);
    EXPECT_EQ(row(2, FrmSaves::ColTitle), QStringLiteral("сломанное.ghsave"));

    // Loading from the list asks (a match runs), then closes it.
    sg.shell.boxes.clear();
    list->LstSaves->setCurrentItem(list->LstSaves->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);
    gui::FlushDeletes();
    EXPECT_EQ(sg.shell.boxes.size(), 1u);
    EXPECT_TRUE(list.isNull());
}

TEST(FrmSaves, AnEmptyFolderSaysSoAndOpensAFileFromElsewhere)
{
    SavesGame sg;
    sg.StartMatch();
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("подарок.ghsave"));
    QString error;
    ASSERT_TRUE(SaveFiles::Write(outside, SaveText(sg.g, "Подарок", "2026-01-01T10:00:00"), error));
    const MatchState saved = sg.g.Match();
    sg.g.U(1).Name = "Другой";

    sg.forms.OpenSaves();
    QPointer<FrmSaves> list = qobject_cast<FrmSaves*>(sg.forms.savesList.data());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->LblEmpty->isVisibleTo(list));
    EXPECT_FALSE(list->LstSaves->isVisibleTo(list));
    EXPECT_FALSE(list->CmdLoad->isEnabled());
    EXPECT_FALSE(list->CmdDelete->isEnabled());

    list->CmdOpen->click();
    QPointer<QFileDialog> dialog = list->FileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->nameFilters().front().contains(QStringLiteral("*.ghsave")));
    emit dialog->fileSelected(outside);
    gui::FlushDeletes();
    EXPECT_TRUE(list.isNull());
    EXPECT_TRUE(sg.g.Units == saved.Units);
}

TEST(Autosave, AtTheStartOfEveryPersonsTurnOnceTheFieldRests)
{
    SavesGame sg;
    // The same match every run: with the clock's seed the computer now and
    // then ended it on day 2 (the person's hero only ever passes its turns).
    sg.g.Generator.Pin(11);
    sg.StartMatch();
    // A walk already under way when the turn is noticed: not yet.
    sg.g.InputMode = kModeWalk;
    sg.Settle();
    EXPECT_TRUE(sg.files.Autosaves().isEmpty());
    sg.g.InputMode = kModeOrders;
    sg.Settle();
    QList<SaveEntry> autosaves = sg.files.Autosaves();
    ASSERT_EQ(autosaves.size(), 1);
    EXPECT_EQ(autosaves[0].fileName, QStringLiteral("autosave-day0001-hero1.ghsave"));
    EXPECT_TRUE(autosaves[0].readable);
    EXPECT_TRUE(autosaves[0].summary.autosave);
    EXPECT_EQ(autosaves[0].summary.activeHero, 1);
    EXPECT_EQ(sg.autosave.Cost().saves, 1);
    // Once a turn: the same turn at rest again writes nothing more.
    const QDateTime first = QFileInfo(autosaves[0].path).lastModified();
    sg.Settle();
    EXPECT_EQ(sg.autosave.Cost().saves, 1);
    EXPECT_EQ(QFileInfo(autosaves[0].path).lastModified(), first);

    // The turn goes to the computer and comes back on the next day.
    PassTurn(sg.g, 1);
    for (int tick = 0; tick < 200000 && !(sg.g.Day == 2 && sg.g.ActiveHero == 1); ++tick) {
        sg.g.timers.Tick();
        sg.forms.Refresh();
        QCoreApplication::sendPostedEvents();
    }
    ASSERT_EQ(sg.g.Day, 2);
    sg.Settle();
    autosaves = sg.files.Autosaves();
    ASSERT_EQ(autosaves.size(), 2); // none for the computer's turn
    EXPECT_EQ(autosaves[0].fileName, QStringLiteral("autosave-day0002-hero1.ghsave"));

    // Switched off in the settings, the next turn is not saved.
    sg.autosave.SetEnabled(false);
    PassTurn(sg.g, 1);
    for (int tick = 0; tick < 200000 && !(sg.g.Day == 3 && sg.g.ActiveHero == 1); ++tick) {
        sg.g.timers.Tick();
        sg.forms.Refresh();
        QCoreApplication::sendPostedEvents();
    }
    ASSERT_TRUE(sg.g.MatchRunning) << "the match ended on day " << sg.g.Day;
    ASSERT_EQ(sg.g.Day, 3);
    sg.Settle();
    EXPECT_EQ(sg.files.Autosaves().size(), 2);
}

TEST(Autosave, AFolderThatTakesNoFileIsToldOnceUntilAnAutosaveSucceedsAgain)
{
    SavesGame sg;
    std::vector<QString> told;
    sg.autosave.onFailure = [&told](const QString& message) { told.push_back(message); };
    // A file where the saves folder should be: no folder can be made there.
    QDir().mkpath(QFileInfo(sg.files.Folder()).absolutePath());
    sg.WriteFile(sg.files.Folder(), "not a folder");
    sg.StartMatch();
    sg.Settle();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains(QStringLiteral("autosave-day0001-hero1.ghsave"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(QStringLiteral("Игра продолжается"))) << told[0].toStdString();
    EXPECT_TRUE(sg.g.MatchRunning);

    // The next turn fails the same way: no second box.
    sg.g.Day = 2;
    sg.Settle();
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(sg.autosave.Cost().saves, 2);

    // Once the folder can be made, autosaves are written again, and a later
    // failure is told again.
    QFile::remove(sg.files.Folder());
    sg.g.Day = 3;
    sg.Settle();
    EXPECT_EQ(sg.files.Autosaves().size(), 1);
    QDir(sg.files.Folder()).removeRecursively();
    sg.WriteFile(sg.files.Folder(), "not a folder");
    sg.g.Day = 4;
    sg.Settle();
    EXPECT_EQ(told.size(), 2u);
}

TEST(Autosave, KeepsTheFiveNewestAndLeavesManualSavesAlone)
{
    SavesGame sg;
    sg.StartMatch();
    QString error;
    ASSERT_TRUE(sg.forms.SaveAs(QStringLiteral("Моё")));
    // A temporary file an interrupted write left two hours ago, and one of a
    // write that may still be under way.
    QDir().mkpath(sg.files.Folder());
    sg.WriteFile(sg.SavePath(QStringLiteral("autosave-day0001-hero1.ghsave.Qw3rTy")), "{");
    {
        QFile stale(sg.SavePath(QStringLiteral("autosave-day0001-hero1.ghsave.Qw3rTy")));
        ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
        stale.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime);
    }
    sg.WriteFile(sg.SavePath(QStringLiteral("Моё.ghsave.As5dFg")), "{");
    for (int day = 1; day <= 8; ++day) {
        sg.g.Day = day;
        ASSERT_TRUE(Autosave::Store(sg.files, Autosave::PathOf(sg.g, sg.files), Autosave::Text(sg.g), error));
    }
    const QList<SaveEntry> autosaves = sg.files.Autosaves();
    ASSERT_EQ(autosaves.size(), SaveFiles::kAutosavesKept);
    for (int i = 0; i < autosaves.size(); ++i)
        EXPECT_EQ(autosaves[i].summary.day, 8 - i) << i;
    EXPECT_TRUE(QFileInfo::exists(sg.SavePath(QStringLiteral("Моё.ghsave"))));
    EXPECT_FALSE(QFileInfo::exists(sg.SavePath(QStringLiteral("autosave-day0001-hero1.ghsave.Qw3rTy"))));
    EXPECT_TRUE(QFileInfo::exists(sg.SavePath(QStringLiteral("Моё.ghsave.As5dFg"))));
    EXPECT_EQ(sg.files.List().size(), SaveFiles::kAutosavesKept + 1);
}

TEST(Autosave, ADamagedNewestAutosaveOffersTheOneBefore)
{
    SavesGame sg;
    sg.StartMatch();
    QString error;
    ASSERT_TRUE(Autosave::Store(sg.files, Autosave::PathOf(sg.g, sg.files), Autosave::Text(sg.g), error));
    const MatchState older = sg.g.Match();
    sg.g.Day = 2;
    sg.g.U(1).Name = "Позже";
    const QString newest = Autosave::PathOf(sg.g, sg.files);
    ASSERT_TRUE(Autosave::Store(sg.files, newest, Autosave::Text(sg.g), error));
    // Torn by something other than the game: the disk, a copy cut short.
    QFile torn(newest);
    ASSERT_TRUE(torn.open(QIODevice::ReadWrite));
    torn.resize(torn.size() / 3);
    torn.close();

    sg.shell.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
    EXPECT_TRUE(sg.forms.LoadFile(newest));
    ASSERT_EQ(sg.shell.boxes.size(), 2u);
    EXPECT_EQ(sg.shell.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "autosave-day0002-hero1.ghsave")) << sg.shell.boxes[0].text;
    EXPECT_TRUE(Contains(sg.shell.boxes[0].text, "предыдущее автосохранение")) << sg.shell.boxes[0].text;
    EXPECT_TRUE(sg.g.Units == older.Units);
    EXPECT_EQ(sg.g.Day, 1);
}

} // namespace
} // namespace gh
