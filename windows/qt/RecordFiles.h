#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <string>

#include "save/SaveFormat.h"

namespace gh {

// One record file, as the list of records shows it.
struct RecordEntry {
    QString path;
    QString fileName;
    // The record could be read through; otherwise `error` says why not.
    bool readable = false;
    QString error;
    // The heroes as the match began (their names and sides), and whether
    // each was still on the field at its end.
    std::vector<save::SaveSummary::Hero> heroes;
    std::int32_t days = 0;
    std::int32_t winner = -1; // the side, 0 the neutral one; -1 none
    bool finished = false;    // false: left unfinished
    std::size_t orders = 0;
    // When it was written: the record's own time, else its file's.
    QDateTime recordedAt;
};

// Where finished matches' records are kept: replays/ in the program's data
// folder, the newest kKept of them.
class RecordFiles {
public:
    static constexpr int kKept = 20;

    // The folder, made on first use; `folder` overrides it (tests).
    explicit RecordFiles(QString folder = {});
    QString Folder() const { return folder_; }

    // Writes a record under a name made of the moment (and a number should
    // two matches end within one second), then removes all but the newest
    // kKept. False with a message when it could not be written.
    bool Store(const std::string& text, QString& path, QString& error) const;
    // The records in the folder, newest first.
    QStringList Records() const;
    // Each of them read for the list, newest first.
    QList<RecordEntry> List() const;
    static RecordEntry ReadEntry(const QString& path);

    static QString DefaultFolder();

private:
    QString folder_;
};

} // namespace gh
