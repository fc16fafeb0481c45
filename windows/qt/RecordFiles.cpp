#include "windows/qt/RecordFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/qt/Translations.h"
#include "save/Record.h"
#include "windows/qt/SaveFiles.h"

namespace gh {

RecordFiles::RecordFiles(QString folder) : folder_(folder.isEmpty() ? DefaultFolder() : std::move(folder)) {}

QString RecordFiles::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/replays");
}

QStringList RecordFiles::Records() const
{
    const QString pattern =
        QStringLiteral("*") + QString::fromUtf8(save::kRecordExtension.data(),
                                                static_cast<qsizetype>(save::kRecordExtension.size()));
    QStringList out;
    // Names are the moment the match ended, so name order is age order.
    const QFileInfoList files =
        QDir(folder_).entryInfoList({pattern}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo& f : files)
        out << f.absoluteFilePath();
    return out;
}

QList<RecordEntry> RecordFiles::List() const
{
    QList<RecordEntry> out;
    for (const QString& path : Records())
        out.push_back(ReadEntry(path));
    return out;
}

RecordEntry RecordFiles::ReadEntry(const QString& path)
{
    RecordEntry e;
    e.path = path;
    const QFileInfo info(path);
    e.fileName = info.fileName();
    e.recordedAt = info.lastModified();
    std::string text;
    QString error;
    if (!SaveFiles::ReadText(path, text, error)) {
        e.error = error;
        return e;
    }
    // Read through, with every check the viewer makes, so that a file the
    // list offers is one the viewer opens.
    const save::RecordReadResult read = save::ReadRecord(text, true);
    if (!read) {
        e.error = QString::fromStdString(read.error);
        return e;
    }
    save::SaveSummary start;
    std::string why;
    if (!save::ReadSummary(read.record.header.start, start, why)) {
        e.error = QString::fromStdString(why);
        return e;
    }
    e.readable = true;
    e.heroes = start.heroes;
    // Who was still on the field at the end: the record's last position.
    for (save::SaveSummary::Hero& h : e.heroes)
        h.alive = read.record.end.winner == h.slot || (read.record.end.running && h.alive);
    e.days = read.record.end.day;
    e.winner = read.record.end.winner;
    e.finished = !read.record.end.running;
    e.orders = read.record.lines.size();
    const QDateTime when =
        QDateTime::fromString(QString::fromStdString(read.record.header.recordedAt), Qt::ISODate);
    if (when.isValid())
        e.recordedAt = when;
    return e;
}

bool RecordFiles::Store(const std::string& text, QString& path, QString& error) const
{
    if (!QDir().mkpath(folder_)) {
        error = QTr("RecordFiles", "не удаётся создать папку %1").arg(QDir::toNativeSeparators(folder_));
        return false;
    }
    const QString ext = QString::fromUtf8(save::kRecordExtension.data(),
                                          static_cast<qsizetype>(save::kRecordExtension.size()));
    // To the millisecond, and a counter of fixed width should two records
    // still meet: name order stays age order.
    const QString stem = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz"));
    path = folder_ + QLatin1Char('/') + stem + ext;
    for (int n = 1; QFileInfo::exists(path); ++n)
        path =
            folder_ + QLatin1Char('/') + stem + QStringLiteral("-%1").arg(n, 4, 10, QLatin1Char('0')) + ext;
    if (!SaveFiles::Write(path, text, error))
        return false;
    const QStringList all = Records();
    for (int i = kKept; i < all.size(); ++i)
        QFile::remove(all[i]);
    return true;
}

} // namespace gh
