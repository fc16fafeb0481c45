// The journal in the running game: a loaded match's log and journal, the
// record written when a match ends, and the viewer.
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPointer>

#include "SavesGame.h"
#include "battlefield/FrmMain.h"
#include "engine/Order.h"
#include "save/Record.h"
#include "save/StateHash.h"
#include "windows/FrmLog.h"
#include "windows/FrmMenu.h"
#include "windows/FrmRecords.h"
#include "windows/FrmReplay.h"
#include "windows/FrmStats.h"
#include "windows/qt/HeroesDelegate.h"
#include "windows/qt/RecordFiles.h"

namespace gh::gui {
namespace {

QString SampleRecord(const char* name)
{
    return QStringLiteral(GH_SAMPLE_RECORDS "/") + QString::fromUtf8(name);
}

bool LogHas(const Journal& log, const std::string& text)
{
    for (const JournalEntry& e : log.Entries())
        if (e.Text.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(LoadFile, TheLoadedMatchBringsItsLogAndJournalAndNothingOfTheLastMatch)
{
    SavesGame sg;
    sg.forms.LoadMain()->show();
    sg.StartMatch();
    GiveOrder(sg.g, {OrderKind::EndTurn});
    for (int i = 0; i < 3000 && sg.g.ActiveHero != 1; ++i)
        sg.g.timers.Tick();
    ASSERT_EQ(sg.g.ActiveHero, 1);
    const std::size_t linesAtSave = sg.forms.journal.Entries().size();
    ASSERT_GT(linesAtSave, 1u);
    ASSERT_TRUE(sg.forms.SaveAs(QStringLiteral("С журналом")));
    const std::size_t journalAtSave = sg.forms.recorder.Journal().lines.size();
    ASSERT_GT(journalAtSave, 1u);

    // The match goes on a day, and writes a line the saved match never had.
    sg.g.Day += 1;
    sg.forms.journal.OnEvent(sg.g, {EventKind::DayBegins});
    ASSERT_TRUE(LogHas(sg.forms.journal, "Наступает день " + std::to_string(sg.g.Day)));
    sg.forms.ToggleLog();

    sg.shell.answers = {BoxAnswer::Yes};
    ASSERT_TRUE(sg.forms.LoadFile(sg.SavePath(QStringLiteral("С журналом.ghsave"))));
    EXPECT_EQ(sg.forms.journal.Entries().size(), linesAtSave);
    EXPECT_FALSE(LogHas(sg.forms.journal, "Наступает день " + std::to_string(sg.g.Day + 1)));
    ASSERT_TRUE(sg.forms.Log());
    EXPECT_EQ(static_cast<std::size_t>(sg.forms.Log()->LstLog->count()), linesAtSave);
    // The journal goes on from the save's, not afresh.
    EXPECT_TRUE(sg.forms.recorder.Attached());
    EXPECT_EQ(sg.forms.recorder.Journal().lines.size(), journalAtSave);
}

TEST(Records, AnEndedMatchIsWrittenTheNewestTwentyKeptAndTheSummaryOffersIt)
{
    SavesGame sg;
    sg.forms.recordsFolder = sg.dir.filePath(QStringLiteral("replays"));
    RecordFiles files(sg.forms.recordsFolder);
    for (int i = 0; i < 22; ++i) {
        QString path, error;
        ASSERT_TRUE(files.Store("old " + std::to_string(i), path, error)) << error.toStdString();
    }
    EXPECT_EQ(files.Records().size(), RecordFiles::kKept);

    sg.forms.LoadMain()->show();
    sg.StartMatch();
    // The person gives up: the computer's side wins, the box is answered.
    GiveOrder(sg.g, {OrderKind::Concede, sg.g.ActiveHero});
    for (int i = 0; i < 3000 && sg.g.MatchRunning; ++i)
        sg.g.timers.Tick();
    ASSERT_FALSE(sg.g.MatchRunning);
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents();
    ASSERT_FALSE(sg.forms.LastRecord().isEmpty());
    EXPECT_EQ(files.Records().size(), RecordFiles::kKept);
    EXPECT_EQ(files.Records().front(), sg.forms.LastRecord());
    ASSERT_TRUE(sg.forms.Stats());
    EXPECT_TRUE(sg.forms.Stats()->CmdWatch->isEnabled());
    EXPECT_TRUE(sg.forms.Stats()->CmdKeep->isEnabled());
    // «Сохранить запись…» asks for a place without stopping the game's clock,
    // and copies the record there.
    sg.forms.Stats()->CmdKeep->click();
    QPointer<QFileDialog> keep = sg.forms.Stats()->KeepDialog();
    ASSERT_NE(keep, nullptr);
    EXPECT_TRUE(keep->isVisible()); // and the click came back: nothing waits in a loop of its own
    const QString copy = sg.dir.filePath(QStringLiteral("копия.ghrec"));
    emit keep->fileSelected(copy);
    keep->close();
    gui::FlushDeletes();
    EXPECT_TRUE(keep.isNull());
    std::string copied, original;
    QString copyError;
    ASSERT_TRUE(SaveFiles::ReadText(copy, copied, copyError)) << copyError.toStdString();
    ASSERT_TRUE(SaveFiles::ReadText(sg.forms.LastRecord(), original, copyError));
    EXPECT_EQ(copied, original);

    std::string text;
    QString error;
    ASSERT_TRUE(SaveFiles::ReadText(sg.forms.LastRecord(), text, error));
    save::RecordReadResult read = save::ReadRecord(text, true);
    ASSERT_TRUE(read) << read.error;
    save::Replayer replay(read.record, *read.start);
    ASSERT_TRUE(replay.PlayToEnd()) << replay.Error();
    EXPECT_EQ(save::StateHash(replay.Match()), save::StateHash(sg.g));

    sg.forms.Stats()->CmdWatch->click();
    FrmReplay* viewer = sg.forms.Main()->findChild<FrmReplay*>();
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(viewer->Failure().isEmpty());
    viewer->close();
}

TEST(FrmReplay, EveryControlMovesThroughTheRecordAndBackToTheSameMatch)
{
    FrmReplay viewer;
    QString error;
    ASSERT_TRUE(viewer.Open(SampleRecord("v1-five-heroes-strong-seed-3.ghrec"), error))
        << error.toStdString();
    viewer.show();
    const std::size_t lines = viewer.Lines();
    ASSERT_GT(lines, 20u);
    EXPECT_EQ(viewer.Line(), 0u);
    EXPECT_FALSE(viewer.CmdBack->isEnabled());

    viewer.CmdForward->click();
    viewer.CmdForward->click();
    const std::size_t two = viewer.Line();
    EXPECT_GE(two, 2u);
    const std::uint64_t atTwo = save::StateHash(viewer.Match());
    viewer.CmdNextTurn->click();
    EXPECT_GT(viewer.Line(), two);
    viewer.JumpTo(lines);
    const std::uint64_t atEnd = save::StateHash(viewer.Match());
    viewer.JumpTo(two); // back from the end: a keyframe, then forward
    EXPECT_EQ(save::StateHash(viewer.Match()), atTwo);
    viewer.CmdBack->click();
    EXPECT_LT(viewer.Line(), two);
    viewer.CmdPrevTurn->click();
    EXPECT_LE(viewer.Line(), two);

    viewer.SpnDay->setValue(2);
    EXPECT_EQ(viewer.Match().Day, 2);
    viewer.Slider->setValue(static_cast<int>(lines));
    viewer.Slider->triggerAction(QAbstractSlider::SliderToMaximum);
    QCoreApplication::processEvents();
    EXPECT_EQ(viewer.Line(), lines);
    EXPECT_EQ(save::StateHash(viewer.Match()), atEnd);
    EXPECT_FALSE(viewer.CmdForward->isEnabled());

    // Playing as fast as possible reaches the end of the record.
    viewer.JumpTo(lines - 3);
    viewer.CboSpeed->setCurrentIndex(viewer.CboSpeed->count() - 1);
    viewer.CmdPlay->click();
    EXPECT_TRUE(viewer.Playing());
    for (int i = 0; i < 500 && viewer.Playing(); ++i)
        QTest::qWait(16);
    EXPECT_FALSE(viewer.Playing());
    EXPECT_TRUE(viewer.Failure().isEmpty()) << viewer.Failure().toStdString();
    EXPECT_GT(viewer.LstLog->count(), 0);
    viewer.grab().save(ShotPath(QStringLiteral("replay-viewer.png")));
}

TEST(FrmReplay, ARecordThatDiffersStopsAtTheDifferenceAndADamagedOneIsRefusedByName)
{
    std::string text;
    QString error;
    ASSERT_TRUE(SaveFiles::ReadText(SampleRecord("v1-two-heroes-seed-7.ghrec"), text, error));
    QTemporaryDir dir;
    // A hash in the middle changed: the viewer shows what matched and says so.
    std::size_t line = 0;
    for (int i = 0; i < 12; ++i)
        line = text.find('\n', line) + 1;
    const std::size_t hash = text.find("\"hash\":\"", line) + 8;
    text[hash] = text[hash] == '0' ? '1' : '0';
    const QString differs = dir.filePath(QStringLiteral("differs.ghrec"));
    SavesGame::WriteFile(differs, QByteArray::fromStdString(text));
    FrmReplay viewer;
    ASSERT_TRUE(viewer.Open(differs, error));
    EXPECT_FALSE(viewer.Failure().isEmpty());
    EXPECT_LT(viewer.Lines(), 11u);
    viewer.JumpTo(1000);
    EXPECT_EQ(viewer.Line(), viewer.Lines());

    const QString cut = dir.filePath(QStringLiteral("cut.ghrec"));
    SavesGame::WriteFile(cut, QByteArray::fromStdString(text.substr(0, text.size() / 3)));
    FrmReplay refused;
    EXPECT_FALSE(refused.Open(cut, error));
    EXPECT_TRUE(error.contains(QStringLiteral("cut.ghrec"))) << error.toStdString();
}

TEST(FrmRecords, TheMenuListsTheRecordsWithHeroesDaysWinnerAndDateAndADamagedOneByName)
{
    SavesGame sg;
    sg.forms.recordsFolder = sg.dir.filePath(QStringLiteral("replays"));
    ASSERT_TRUE(QDir().mkpath(sg.forms.recordsFolder));
    const QStringList samples = {QStringLiteral("v1-two-heroes-seed-7.ghrec"),
                                 QStringLiteral("v1-five-heroes-strong-seed-3.ghrec")};
    for (const QString& name : samples)
        ASSERT_TRUE(
            QFile::copy(SampleRecord(name.toUtf8().constData()), sg.forms.recordsFolder + "/" + name));
    SavesGame::WriteFile(sg.forms.recordsFolder + QStringLiteral("/broken.ghrec"),
                         "{\"format\":\"grimhollow-rec");
    sg.forms.LoadMain()->show();

    FrmMenu* menu = sg.forms.OpenMenu();
    QTest::mouseClick(menu->CmdRecords, Qt::LeftButton);
    FlushDeletes();
    auto* list = qobject_cast<FrmRecords*>(sg.forms.recordsList.data());
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    // No file dialog came up by itself: the list is the way in.
    EXPECT_EQ(list->FileDialog(), nullptr);
    ASSERT_EQ(list->Entries().size(), 3);
    ASSERT_EQ(list->LstRecords->topLevelItemCount(), 3);

    int damaged = 0;
    for (int row = 0; row < 3; ++row) {
        const RecordEntry& e = list->Entries()[row];
        QTreeWidgetItem* item = list->LstRecords->topLevelItem(row);
        if (!e.readable) {
            ++damaged;
            EXPECT_EQ(e.fileName, QStringLiteral("broken.ghrec"));
            EXPECT_TRUE(
                item->text(FrmRecords::ColHeroes).startsWith(QStringLiteral("broken.ghrec не читается: ")))
                << item->text(FrmRecords::ColHeroes).toStdString();
            list->LstRecords->setCurrentItem(item);
            EXPECT_FALSE(list->CmdWatch->isEnabled());
            continue;
        }
        // What the row shows is what the record holds.
        std::string text;
        QString error;
        ASSERT_TRUE(SaveFiles::ReadText(e.path, text, error));
        const save::RecordReadResult read = save::ReadRecord(text, true);
        ASSERT_TRUE(read) << read.error;
        EXPECT_EQ(item->text(FrmRecords::ColDays), QString::number(read.record.end.day));
        EXPECT_GE(item->data(FrmRecords::ColHeroes, kHeroesRole).toList().size(), 2);
        if (read.record.end.running) {
            EXPECT_EQ(item->text(FrmRecords::ColWinner), QStringLiteral("не окончена"));
        } else if (read.record.end.winner > 0) {
            EXPECT_EQ(item->data(FrmRecords::ColWinner, kHeroesRole).toList().size(), 1);
        }
        EXPECT_NE(item->text(FrmRecords::ColRecorded), QStringLiteral("—"));
    }
    EXPECT_EQ(damaged, 1);
    list->grab().save(ShotPath(QStringLiteral("records-list.png")));

    // A readable row opens in the viewer.
    list->LstRecords->setCurrentItem(list->LstRecords->topLevelItem(0));
    ASSERT_TRUE(list->CmdWatch->isEnabled());
    list->CmdWatch->click();
    FrmReplay* viewer = sg.forms.Main()->findChild<FrmReplay*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Failure().isEmpty()) << viewer->Failure().toStdString();
    viewer->close();

    // A record from elsewhere: the standard dialog, which does not hold the
    // click (nor the game's clock) until it is answered.
    list->CmdOpen->click();
    QPointer<QFileDialog> files = list->FileDialog();
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(files->isVisible());
    emit files->fileSelected(SampleRecord("v1-five-heroes-strong-seed-3.ghrec"));
    files->close();
    FlushDeletes();
    int viewers = 0;
    for (FrmReplay* v : sg.forms.Main()->findChildren<FrmReplay*>())
        viewers += v->isVisible();
    EXPECT_EQ(viewers, 1);
    EXPECT_TRUE(sg.shell.boxes.empty());
    list->close();
}

} // namespace
} // namespace gh::gui
