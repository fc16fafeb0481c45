#include "windows/qt/SaveFiles.h"

#include "platform/qt/Translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace gh {

namespace {

QString Extension()
{
    return QString::fromUtf8(save::kExtension.data(), static_cast<qsizetype>(save::kExtension.size()));
}

// "autosave-day0012-hero3.ghsave": sorts by day in a file manager too.
const QRegularExpression& AutosavePattern()
{
    static const QRegularExpression re(QStringLiteral("^autosave-day\\d{4,}-hero[0-5]") +
                                       QRegularExpression::escape(Extension()) + QStringLiteral("$"));
    return re;
}

// What QSaveFile writes into before it renames: the file's name and six
// letters of its own.
const QRegularExpression& TemporaryPattern()
{
    static const QRegularExpression re(QStringLiteral("^.+") + QRegularExpression::escape(Extension()) +
                                       QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    return re;
}

// A temporary file this old belongs to no write still under way.
constexpr qint64 kStaleTemporarySecs = 3600;

// A title is typed by the player; the file name keeps it readable but can
// hold no folder separator, no character a desktop's file systems refuse,
// and no leading dot that would hide the file.
QString FileStem(const QString& title)
{
    QString stem;
    for (QChar c : title.simplified()) {
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c))
            stem += u'_';
        else
            stem += c;
    }
    while (stem.startsWith(u'.') || stem.startsWith(u' '))
        stem.remove(0, 1);
    // Well under the 255 bytes of a file name, in UTF-8.
    constexpr int kMaxStem = 80;
    if (stem.size() > kMaxStem)
        stem = stem.left(kMaxStem).trimmed();
    if (stem.isEmpty())
        stem = QTr("SaveFiles", "Сохранение");
    return stem;
}

QString FolderTrouble(const QString& folder, qint64 bytesNeeded, const QString& detail)
{
    const QFileInfo dir(folder);
    if (dir.exists() && !dir.isWritable())
        return QTr("SaveFiles", "нет права записи в папку «%1»").arg(QDir::toNativeSeparators(folder));
    const QStorageInfo storage(folder);
    // A little headroom for the file system's own bookkeeping.
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < bytesNeeded + 65536)
        return QTr("SaveFiles", "на диске не хватает места");
    return QTr("SaveFiles", "запись на диск не удалась (%1)").arg(detail);
}

bool NewerFirst(const SaveEntry& a, const SaveEntry& b)
{
    if (a.savedAt != b.savedAt)
        return a.savedAt > b.savedAt;
    if (a.modified != b.modified)
        return a.modified > b.modified;
    return a.fileName > b.fileName;
}

} // namespace

std::string SaveTimestamp(const QDateTime& when)
{
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString();
}

SaveFiles::SaveFiles(QString folder) : folder_(std::move(folder)) {}

QString SaveFiles::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/saves");
}

bool SaveFiles::IsAutosaveName(const QString& fileName)
{
    return AutosavePattern().match(fileName).hasMatch();
}

QString SaveFiles::ManualPath(const QString& title) const
{
    QString name = FileStem(title) + Extension();
    // A title that reads like an autosave's file name still gets a file of
    // its own: a manual save never replaces an autosave.
    if (IsAutosaveName(name))
        name = QStringLiteral("save-") + name;
    return QDir(folder_).filePath(name);
}

QString SaveFiles::AutosavePath(int day, int hero) const
{
    return QDir(folder_).filePath(QStringLiteral("autosave-day%1-hero%2")
                                      .arg(std::max(day, 0), 4, 10, QLatin1Char('0'))
                                      .arg(std::clamp(hero, 0, 5)) +
                                  Extension());
}

bool SaveFiles::ReadText(const QString& path, std::string& text, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QTr("SaveFiles", "файла нет");
        return false;
    }
    if (!info.isFile()) {
        error = QTr("SaveFiles", "это не файл");
        return false;
    }
    if (static_cast<quint64>(info.size()) > save::kMaxSaveBytes) {
        error = QTr("SaveFiles", "файл слишком велик для сохранения игры (%1 КБ, сохранение не больше %2 КБ)")
                    .arg(info.size() / 1024)
                    .arg(save::kMaxSaveBytes / 1024);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = info.isReadable() ? QTr("SaveFiles", "файл не открывается (%1)").arg(file.errorString())
                                  : QTr("SaveFiles", "нет права на чтение файла");
        return false;
    }
    // Read no more than a save can hold, even if the file grew since.
    const QByteArray bytes = file.read(static_cast<qint64>(save::kMaxSaveBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        error = QTr("SaveFiles", "файл не читается с диска (%1)").arg(file.errorString());
        return false;
    }
    if (static_cast<quint64>(bytes.size()) > save::kMaxSaveBytes) {
        error = QTr("SaveFiles", "файл слишком велик для сохранения игры");
        return false;
    }
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

SaveEntry SaveFiles::ReadEntry(const QString& path)
{
    SaveEntry e;
    const QFileInfo info(path);
    e.path = path;
    e.fileName = info.fileName();
    e.autosave = IsAutosaveName(e.fileName);
    e.modified = info.lastModified();
    e.savedAt = e.modified;
    std::string text;
    QString error;
    if (!ReadText(path, text, error)) {
        e.error = error;
        return e;
    }
    std::string why;
    if (!save::ReadSummary(text, e.summary, why)) {
        e.error = QString::fromStdString(why);
        if (e.summary.version > save::kFormatVersion)
            e.error =
                QTr("SaveFiles", "сохранено более новой версией игры; обновите игру, чтобы загрузить его");
        if (e.error.isEmpty())
            e.error = QTr("SaveFiles", "это не сохранение этой игры");
        return e;
    }
    e.readable = true;
    e.autosave = e.summary.autosave;
    const QDateTime saved = QDateTime::fromString(QString::fromStdString(e.summary.savedAt), Qt::ISODate);
    if (saved.isValid())
        e.savedAt = saved;
    return e;
}

QList<SaveEntry> SaveFiles::List() const
{
    QList<SaveEntry> entries;
    const QDir dir(folder_);
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*") + Extension()}, QDir::Files | QDir::Readable | QDir::Hidden);
    for (const QFileInfo& info : files) {
        // The name filter ignores case; the extension does not.
        if (!info.fileName().endsWith(Extension()))
            continue;
        entries.push_back(ReadEntry(info.filePath()));
    }
    std::sort(entries.begin(), entries.end(), NewerFirst);
    return entries;
}

QList<SaveEntry> SaveFiles::Autosaves() const
{
    QList<SaveEntry> all = List();
    all.removeIf([](const SaveEntry& e) { return !e.autosave; });
    return all;
}

bool SaveFiles::Write(const QString& path, const std::string& text, QString& error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QTr("SaveFiles", "не удаётся создать папку «%1»").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const auto size = static_cast<qint64>(text.size());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = FolderTrouble(folder, size, file.errorString());
        return false;
    }
    if (file.write(text.data(), size) != size) {
        error = FolderTrouble(folder, size, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = FolderTrouble(folder, size, file.errorString());
        return false;
    }
    return true;
}

bool SaveFiles::Remove(const QString& path, QString& error) const
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    error = QTr("SaveFiles", "не удаётся удалить файл (%1)").arg(file.errorString());
    return false;
}

void SaveFiles::RotateAutosaves() const
{
    const QDir dir(folder_);
    // By the files' own times: an autosave too damaged to show its summary
    // still ages and goes in its turn.
    QFileInfoList autosaves;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (IsAutosaveName(info.fileName()))
            autosaves.push_back(info);
        else if (TemporaryPattern().match(info.fileName()).hasMatch() &&
                 info.lastModified().secsTo(now) > kStaleTemporarySecs)
            QFile::remove(info.filePath());
    }
    std::sort(autosaves.begin(), autosaves.end(), [](const QFileInfo& a, const QFileInfo& b) {
        if (a.lastModified() != b.lastModified())
            return a.lastModified() > b.lastModified();
        return a.fileName() > b.fileName();
    });
    for (qsizetype i = kAutosavesKept; i < autosaves.size(); ++i)
        QFile::remove(autosaves[i].filePath());
}

} // namespace gh
