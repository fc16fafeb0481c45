// Saving the match under a name and putting a saved one in its place.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <optional>

#include "app/Forms.h"
#include "battlefield/Drawing.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/Translations.h"
#include "save/Record.h"
#include "save/SaveFormat.h"
#include "windows/FrmInfo.h"
#include "windows/FrmLog.h"
#include "windows/FrmMes.h"
#include "windows/FrmObj.h"
#include "windows/SaveState.h"
#include "windows/Settings.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"

namespace gh {

namespace {

const char* const kSaveTitle = GH_TR_NOOP("Keeping", "Сохранение партии");
const char* const kLoadTitle = GH_TR_NOOP("Keeping", "Загрузка партии");

void Tell(Game& g, const char* title, const QString& text)
{
    MessageBoxRequest box;
    box.title = GH_TR("Keeping", title);
    box.text = text.toStdString();
    box.icon = BoxIcon::Exclamation;
    g.shell->MessageBox(box);
}

bool Ask(Game& g, const char* title, const QString& text)
{
    MessageBoxRequest box;
    box.title = GH_TR("Keeping", title);
    box.text = text.toStdString();
    box.buttons = BoxButtons::YesNo;
    box.icon = BoxIcon::Question;
    box.defaultNo = true;
    return g.shell->MessageBox(box) == BoxAnswer::Yes;
}

// The reader's words as one sentence of a box: a capital and a full stop.
QString Sentence(QString text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return QTr("Keeping", "Файл повреждён или не является сохранением этой игры.");
    text[0] = text[0].toUpper();
    if (!text.endsWith(u'.') && !text.endsWith(u'!') && !text.endsWith(u'?'))
        text += u'.';
    return text;
}

QString Shown(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The readable autosave saved just before the one at `path`, if any.
std::optional<SaveEntry> OlderAutosave(const SaveFiles& files, const QString& path)
{
    const QList<SaveEntry> autosaves = files.Autosaves();
    bool past = false;
    for (const SaveEntry& e : autosaves) {
        if (past && e.readable)
            return e;
        if (QFileInfo(e.path) == QFileInfo(path))
            past = true;
    }
    return std::nullopt;
}

} // namespace

SaveFiles& Forms::Saves()
{
    if (saves)
        return *saves;
    if (!ownSaves_)
        ownSaves_ = std::make_unique<SaveFiles>();
    return *ownSaves_;
}

void Forms::CloseMatchWindows()
{
    // Windows that show the old match's records go with it; the selection
    // dialog puts its heroes back as it closes, before the new match comes.
    CloseSelection();
    if (cast)
        cast->close();
    if (mes_)
        mes_->close();
    if (main_) {
        for (QWidget* w : main_->findChildren<FrmInfo*>(Qt::FindDirectChildrenOnly))
            w->close();
        for (QWidget* w : main_->findChildren<FrmObj*>(Qt::FindDirectChildrenOnly))
            w->close();
    }
}

void Forms::BeginJournal()
{
    recorder.Begin(g, QCoreApplication::applicationVersion().toStdString(),
                   QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString());
}

void Forms::MatchStarted()
{
    BeginJournal();
    lastRecord_.clear();
    if (store) {
        store->RememberSelection(g);
        store->ApplyFrameSkip(g);
    }
    if (autosave)
        autosave->MatchStarted();
}

bool Forms::SaveAs(const QString& title)
{
    const std::string why = WhySaveIsUnavailable(g);
    if (!why.empty()) {
        Tell(g, kSaveTitle, QTr("Keeping", "Партия не сохранена. ") + QString::fromStdString(why));
        return false;
    }
    const QString path = Saves().ManualPath(title);
    if (QFileInfo::exists(path) &&
        !Ask(g, kSaveTitle, QTr("Keeping", "Сохранение «%1» уже есть. Заменить его?").arg(Shown(path))))
        return false;
    const save::SaveSummary summary =
        save::SummaryOf(g, title.toStdString(), false, SaveTimestamp(QDateTime::currentDateTime()),
                        QCoreApplication::applicationVersion().toStdString());
    const save::MatchMemory memory = Memory();
    const std::string text = save::WriteSave(g, summary, &memory);
    QString error;
    if (!SaveFiles::Write(path, text, error)) {
        Tell(g, kSaveTitle,
             QTr("Keeping", "Партия не сохранена в «%1»: %2.\n\nФайл, если он был, остался прежним; "
                            "партия продолжается.")
                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    return true;
}

bool Forms::LoadFile(const QString& path)
{
    std::string text;
    QString error;
    save::LoadResult loaded;
    if (SaveFiles::ReadText(path, text, error)) {
        loaded = save::ReadSave(text);
        if (!loaded)
            error = QString::fromStdString(loaded.error);
    }
    const QString running = g.MatchRunning ? QTr("Keeping", "\n\nТекущая партия продолжается.") : QString();
    if (!loaded && loaded.newerVersion) {
        Tell(g, kLoadTitle,
             QTr("Keeping", "Партия «%1» сохранена более новой версией игры, и эта версия не может её "
                            "прочесть.\n\nОбновите игру, чтобы загрузить эту партию.%2")
                 .arg(Shown(path), running));
        return false;
    }
    if (!loaded) {
        const QString said =
            QTr("Keeping", "Не удаётся загрузить «%1».\n\n%2").arg(Shown(path), Sentence(error));
        // A damaged autosave is not the end: the one before it may serve.
        const QFileInfo where(path);
        if (SaveFiles::IsAutosaveName(where.fileName()) &&
            QFileInfo(where.absolutePath()) == QFileInfo(Saves().Folder())) {
            if (const auto older = OlderAutosave(Saves(), path)) {
                if (Ask(g, kLoadTitle,
                        said + running +
                            QTr("Keeping", "\n\nЗагрузить предыдущее автосохранение «%1»?")
                                .arg(QString::fromStdString(older->summary.title))))
                    return LoadFile(older->path);
                return false;
            }
        }
        Tell(g, kLoadTitle, said + running);
        return false;
    }
    if (g.MatchRunning &&
        !Ask(g, kLoadTitle,
             QTr("Keeping", "Идущая партия будет заменена партией «%1». Её несохранённые ходы пропадут.\n\n"
                            "Загрузить?")
                 .arg(QString::fromStdString(loaded.summary.title))))
        return false;

    CloseMatchWindows();

    // The idle pace is the program's setting, not the match's: the loaded
    // match plays with the one set now. The computer's levels were chosen
    // for the match and go on with it.
    const int pace = IdlePace(g);
    save::AdoptMatch(g, *loaded.game);
    ApplyIdlePace(g, pace);
    if (store)
        store->ApplyFrameSkip(g);
    if (autosave)
        autosave->TurnAlreadySaved();

    // The loaded match's log and journal replace the last match's: never two
    // matches' lines in one log. A save of an older format has neither; its
    // journal begins here.
    journal.Restore(loaded.memory.log);
    if (log_)
        log_->Reload();
    save::RecordReadResult kept;
    if (!loaded.memory.journal.empty())
        kept = save::ReadRecord(loaded.memory.journal, false);
    if (kept)
        recorder.Continue(g, std::move(kept.record));
    else
        BeginJournal();
    lastRecord_.clear();

    g.canvas->Clear();
    if (g.MatchRunning)
        DrawUnits(g);
    Refresh();
    return true;
}

} // namespace gh
