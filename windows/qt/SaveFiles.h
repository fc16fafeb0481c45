#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <string>

#include "save/SaveFormat.h"

namespace gh {

// One file of the saves folder, as the list of saves shows it.
struct SaveEntry {
    QString path;
    QString fileName;
    // The summary could be read; otherwise `error` says why not.
    bool readable = false;
    // By the summary, or by the file's name when the summary cannot be read.
    bool autosave = false;
    save::SaveSummary summary;
    QString error;
    // When it was saved: the summary's time, or the file's when unreadable.
    QDateTime savedAt;
    // The file's own time, which tells apart saves made in the same second.
    QDateTime modified;
};

// The saves on disk: one folder of files with the save extension, manual
// saves named after their titles and autosaves named by day and hero.
// Every write is atomic (a temporary file renamed over the old one), so a
// crash leaves the old file or the new one and never half of either.
class SaveFiles {
public:
    // How many autosaves are kept; older ones are removed.
    static constexpr int kAutosavesKept = 5;

    explicit SaveFiles(QString folder = DefaultFolder());
    // AppDataLocation + "/saves".
    static QString DefaultFolder();
    const QString& Folder() const { return folder_; }

    // Every save in the folder, newest first. Only files with the save
    // extension count: a temporary file a crash left behind is not a save.
    QList<SaveEntry> List() const;
    // The autosaves alone, newest first.
    QList<SaveEntry> Autosaves() const;
    static SaveEntry ReadEntry(const QString& path);

    // The whole text of a save file; a file larger than any save is refused
    // before it is read. False with a message in Russian.
    static bool ReadText(const QString& path, std::string& text, QString& error);

    // Where a manual save of this title goes. Never an autosave's name.
    QString ManualPath(const QString& title) const;
    // Where the autosave of this day and hero's turn goes.
    QString AutosavePath(int day, int hero) const;
    static bool IsAutosaveName(const QString& fileName);

    // Writes atomically, creating the folder if needed. False with a message
    // in Russian; an earlier file of that name is then left as it was.
    static bool Write(const QString& path, const std::string& text, QString& error);
    bool Remove(const QString& path, QString& error) const;

    // Keeps the newest kAutosavesKept autosaves, removes the rest, and
    // clears away temporary files that an interrupted write left long ago.
    void RotateAutosaves() const;

private:
    QString folder_;
};

// Local time as the saves carry it ("2026-12-09T10:15:00").
std::string SaveTimestamp(const QDateTime& when);

} // namespace gh
