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
