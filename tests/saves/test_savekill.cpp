// A program writing autosaves in a loop is killed (SIGKILL) at fifty random
// moments. After each kill the saves folder must still hold the newest save
// that was complete, loadable, and nothing half-written may be listed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "Simulation.h"
#include "battlefield/Orders.h"
#include "engine/Engine.h"
#include "engine/Placement.h"
#include "save/SaveFormat.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"

namespace gh {
namespace {

// The writer: computer-only matches, one after another, an autosave at the
// start of every turn once the field rests and again every few ticks while
// it rests (writing over the turn's file, as a player's repeated saves
// would: the old file must survive a kill as well as a new one), numbered
// from `first` on, each number printed once its file is complete. Writing
// takes most of its time, so most kills land in the middle of one.
constexpr std::uint64_t kTicksBetweenWrites = 8;

int WriteForever(const QString& folder, long first)
{
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.Generator.Pin(static_cast<std::uint64_t>(first));
    sim::PrepareMatch(g, 5);
    BindTimers(g);
    const SaveFiles files(folder);
    long number = first;
    std::int32_t day = -1, hero = -1;
    for (;;) {
        g.timers.Tick();
        if (!g.MatchRunning) {
            sim::PrepareMatch(g, 5);
            day = hero = -1;
            continue;
        }
        const bool newTurn = g.Day != day || g.ActiveHero != hero;
        if (!FieldAtRest(g) || (!newTurn && g.timers.Ticks() % kTicksBetweenWrites != 0))
            continue;
        day = g.Day;
        hero = g.ActiveHero;
        const std::string text =
            save::WriteSave(g, save::SummaryOf(g, std::to_string(number), true,
                                               SaveTimestamp(QDateTime::currentDateTime()), "test"));
        QString error;
        if (!Autosave::Store(files, files.AutosavePath(day, hero), text, error)) {
            std::fprintf(stderr, "write failed: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("saved %ld\n", number);
        std::fflush(stdout);
        ++number;
    }
}

long LastSaved(const QByteArray& out)
{
    long last = -1;
    for (const QByteArray& line : out.split('\n'))
        if (line.startsWith("saved "))
            last = line.mid(6).toLong();
    return last;
}

TEST(AutosaveKill, FiftyKillsLeaveTheNewestCompleteSaveLoadableAndNothingTornListed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("saves"));
    const SaveFiles files(folder);
    std::mt19937 random(20261209);
    int tornOnDisk = 0;
    for (int kill = 0; kill < 50; ++kill) {
        const long first = 1000000L * (kill + 1);
        QProcess writer;
        writer.setProgram(QCoreApplication::applicationFilePath());
        writer.setArguments({QStringLiteral("--write"), folder, QString::number(first)});
        writer.start();
        ASSERT_TRUE(writer.waitForStarted()) << kill;
        // Let it finish one save, so each run has something to leave, then
        // kill it somewhere in the middle of what follows.
        QByteArray out;
        while (LastSaved(out) < 0) {
            ASSERT_TRUE(writer.waitForReadyRead(60000)) << "kill " << kill << ": no save came";
            out += writer.readAllStandardOutput();
        }
        QThread::usleep(std::uniform_int_distribution<unsigned>(0, 80000)(random));
        writer.kill(); // SIGKILL: no handler, no flush, no clean-up
        ASSERT_TRUE(writer.waitForFinished(10000)) << kill;
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit) << kill;
        out += writer.readAllStandardOutput();
        const long last = LastSaved(out);

        const QList<SaveEntry> list = files.List();
        ASSERT_FALSE(list.isEmpty()) << kill;
        for (const SaveEntry& e : list) {
            EXPECT_TRUE(e.readable) << "kill " << kill << ": " << e.fileName.toStdString()
                                    << " is torn: " << e.error.toStdString();
            EXPECT_TRUE(SaveFiles::IsAutosaveName(e.fileName)) << e.fileName.toStdString();
        }
        // A kill between a write and the clean-up after it may leave one more.
        EXPECT_LE(list.size(), SaveFiles::kAutosavesKept + 1) << kill;

        // The newest is the last one reported complete, or one finished in
        // the moment between its rename and its report.
        const SaveEntry& newest = list.front();
        const long number = std::stol(newest.summary.title);
        EXPECT_TRUE(number == last || number == last + 1)
            << "kill " << kill << ": newest " << number << ", last reported " << last;
        std::string text;
        QString error;
        ASSERT_TRUE(SaveFiles::ReadText(newest.path, text, error)) << error.toStdString();
        const save::LoadResult loaded = save::ReadSave(text);
        ASSERT_TRUE(loaded) << "kill " << kill << ": " << loaded.error;
        EXPECT_EQ(loaded.game->Day, newest.summary.day);
        EXPECT_EQ(loaded.game->ActiveHero, newest.summary.activeHero);

        for (const QString& name : QDir(folder).entryList(QDir::Files))
            if (!name.endsWith(QStringLiteral(".ghsave")))
                ++tornOnDisk;
    }
    // Half-written files a kill left on disk (never listed, cleared later).
    RecordProperty("temporary_files_left", tornOnDisk);
}

} // namespace
} // namespace gh

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--write") {
        QCoreApplication app(argc, argv);
        return gh::WriteForever(QString::fromLocal8Bit(argv[2]), std::atol(argv[3]));
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
