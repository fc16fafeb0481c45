#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace gh {

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

    static QString DefaultFolder();

private:
    QString folder_;
};

} // namespace gh
