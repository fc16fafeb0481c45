#include "windows/qt/Autosave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaObject>

#include "engine/Placement.h"
#include "platform/qt/Translations.h"
#include "windows/SaveState.h"
#include "world/Catalogue.h"

namespace gh {

Autosave::Autosave(Game& g, SaveFiles& files, QObject* parent) : QObject(parent), g_(g), files_(files)
{
    writer_ = new QObject;
    writer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, writer_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("autosave"));
    thread_.start(QThread::LowPriority);
}

Autosave::~Autosave()
{
    // Whatever was asked for reaches the disk before the program goes.
    onFailure = nullptr;
    Flush();
    thread_.quit();
    thread_.wait();
}

void Autosave::SetEnabled(bool on)
{
    enabled_ = on;
    if (!on)
        pending_ = false;
}

bool Autosave::Ready(const Game& g)
{
    const int hero = g.ActiveHero;
    if (!g.MatchRunning || hero < 1 || hero > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(hero)])
        return false;
    // A box that announces the turn holds the timers from inside a handler
    // that has not finished yet: the match is not between two orders then.
    return FieldAtRest(g) && !g.timers.Held() && !g.timers.InTick();
}

void Autosave::Observe()
{
    const TurnKey now{g_.MatchRunning, g_.Day, g_.ActiveHero};
    if (!(now == seen_)) {
        seen_ = now;
        pending_ = now.running && enabled_;
    }
    if (!pending_ || queued_ || !Ready(g_))
        return;
    queued_ = true;
    QMetaObject::invokeMethod(this, &Autosave::WriteQueued, Qt::QueuedConnection);
}

void Autosave::MatchStarted()
{
    seen_ = {g_.MatchRunning, g_.Day, g_.ActiveHero};
    pending_ = g_.MatchRunning && enabled_;
}

void Autosave::TurnAlreadySaved()
{
    seen_ = {g_.MatchRunning, g_.Day, g_.ActiveHero};
    pending_ = false;
}

std::string Autosave::Text(const Game& g, const save::MatchMemory* memory)
{
    // The list says it is an autosave in a column of its own; the title
    // says whose turn of which day it caught.
    // The file says it in Russian, whatever the player's language: a save
    // holds no translated text.
    const Unit& hero = g.U(g.ActiveHero);
    std::string title;
    {
        const RussianTexts russian;
        const TextsInUse inRussian(russian);
        title = AutosaveTitle(g.Day, AutosaveWho(hero.Name, hero.UnitType));
    }
    const save::SaveSummary summary =
        save::SummaryOf(g, title, true, SaveTimestamp(QDateTime::currentDateTime()),
                        QCoreApplication::applicationVersion().toStdString());
    return save::WriteSave(g, summary, memory);
}

QString Autosave::PathOf(const Game& g, const SaveFiles& files)
{
    return files.AutosavePath(g.Day, g.ActiveHero);
}

bool Autosave::Store(const SaveFiles& files, const QString& path, const std::string& text, QString& error)
{
    if (!SaveFiles::Write(path, text, error))
        return false;
    files.RotateAutosaves();
    return true;
}

void Autosave::WriteQueued()
{
    queued_ = false;
    // The turn may have moved on, or the player may have acted, while this
    // waited its turn in the event queue.
    if (!pending_ || !enabled_ || !Ready(g_))
        return;
    pending_ = false;

    QElapsedTimer clock;
    clock.start();
    const QString path = PathOf(g_, files_);
    const save::MatchMemory kept = memory ? memory() : save::MatchMemory{};
    std::string text = Text(g_, &kept);
    const std::int64_t built = clock.nsecsElapsed();
    costs_.buildLast = built;
    costs_.buildMax = std::max(costs_.buildMax, built);
    costs_.buildTotal += built;

    const SaveFiles* files = &files_;
    QMetaObject::invokeMethod(writer_, [this, files, path, text = std::move(text)] {
        QElapsedTimer writing;
        writing.start();
        QString error;
        const bool ok = Store(*files, path, text, error);
        const std::int64_t ns = writing.nsecsElapsed();
        QMetaObject::invokeMethod(
            this, [this, ok, path, error, ns] { Written(ok, path, error, ns); }, Qt::QueuedConnection);
    });
}

void Autosave::Written(bool ok, const QString& path, const QString& error, std::int64_t ns)
{
    ++costs_.saves;
    costs_.writeLast = ns;
    costs_.writeMax = std::max(costs_.writeMax, ns);
    costs_.writeTotal += ns;
    if (ok) {
        failing_ = false;
        return;
    }
    if (failing_)
        return;
    failing_ = true;
    if (onFailure)
        onFailure(QTr("Autosave", "Автосохранение «%1» не записано: %2.\n\nИгра продолжается; "
                                  "следующее автосохранение будет сделано в начале следующего хода.")
                      .arg(QFileInfo(path).fileName(), error));
}

void Autosave::Flush()
{
    // An autosave still waiting for its queued call is made first.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    // The writer takes its jobs in order: once this empty one has run, every
    // earlier one has, and their reports wait in this thread's queue.
    QMetaObject::invokeMethod(
        writer_, [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

} // namespace gh
