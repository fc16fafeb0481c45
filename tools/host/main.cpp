// grimhollow-host: a network match without windows.
//
//   grimhollow-host [--listen ADDR] [--port P] [--code CODE] [--heroes N]
//                   [--persons N] [--seed S] [--days D] [--pace MS]
//                   [--journal FILE] [--autosave FILE]
//     hosts a match of N heroes (2..5, default 2), the first `persons` of
//     them (default 1) played by people who join; the rest and the neutral
//     side are the computer's. The match starts when every person's seat is
//     taken. Prints "listening on ADDR:PORT", a line for every join, leave
//     and dropped connection, and at the end
//       result: winner W, day D, lines L, hash H
//     A match that reaches day D (default 100) ends there. SIGTERM or SIGINT
//     stops it cleanly: an autosave of the match (--autosave, by default in
//     the game's data folder) as soon as nothing is under way, then goodbye
//     to every peer. A person whose connection is lost has two minutes to
//     come back; then --on-timeout decides: "computer" (the default) lets
//     the computer play that hero from its next turn, "stop" stops as
//     SIGTERM does, "wait" waits on.
//
//   grimhollow-host --join ADDR:PORT [--name NAME] [--code CODE] [--seed S]
//     joins a match as a bot person that gives random orders the rules take
//     on its side's turns; at the end prints
//       peer: side S, lines L, hash H
//
//   --verbose: a peer prints where it stands every 2 s (on stderr).
//   --pace MS: the host's clock ticks every MS milliseconds (the game's own
//   pace is 16; 0 as fast as the machine allows). --journal writes the
//   match's journal there as a record at the end.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "engine/Engine.h"
#include "net/Bots.h"
#include "net/Session.h"
#include "platform/qt/net/Tcp.h"
#include "platform/Scheduler.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "windows/SaveState.h"

namespace {

std::atomic<bool> g_stop{false};

void OnSignal(int)
{
    g_stop = true;
}

std::string Hex(std::uint64_t v)
{
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

bool WriteFile(const QString& path, const std::string& text)
{
    if (path.isEmpty())
        return true;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

int Usage()
{
    std::fprintf(stderr, "usage: grimhollow-host [--listen ADDR] [--port P] [--code CODE] [--heroes N] [--persons N] "
                         "[--seed S] [--days D] [--pace MS] [--journal FILE] [--autosave FILE] "
                         "[--on-timeout computer|stop|wait]\n"
                         "       grimhollow-host --join ADDR:PORT [--name NAME] [--code CODE] [--seed S] [--verbose]\n");
    return 2;
}

struct Args {
    QString listen = QStringLiteral("0.0.0.0");
    quint16 port = gh::net::kDefaultPort;
    QString code, join, name = QStringLiteral("Bot"), journal, autosave;
    QString onTimeout = QStringLiteral("computer");
    int heroes = 2, persons = 1, days = 100, pace = gh::Scheduler::kTickMs;
    std::uint64_t seed = 1;
    bool verbose = false;
};

bool Number(const char* text, long long lo, long long hi, long long& out)
{
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (!*text || *end || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

int Host(const Args& a)
{
    using namespace gh;
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.Generator.Pin(a.seed);
    net::PrepareNetworkMatch(g, a.heroes, a.persons);
    BindTimers(g);
    save::Recorder journal;
    journal.Begin(g, GH_VERSION, "host-" + std::to_string(a.seed));
    std::random_device entropy;
    const std::uint64_t tokenSeed = (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
    net::Host host(g, journal, GH_VERSION, a.code.toStdString(), net::Limits{}, tokenSeed);
    for (int side = 1; side <= a.persons; ++side)
        host.OfferSide(side);
    net::Clock clock;
    net::TcpHost tcp(host, clock);
    QString error;
    if (!tcp.Listen(QHostAddress(a.listen), a.port, error)) {
        std::fprintf(stderr, "grimhollow-host: cannot listen on %s:%u: %s\n", qPrintable(a.listen), a.port,
                     qPrintable(error));
        return 1;
    }
    std::printf("listening on %s:%u\n", qPrintable(a.listen), tcp.Port());
    std::fflush(stdout);

    std::size_t logged = 0;
    auto printLog = [&] {
        for (; logged < host.log.size(); ++logged)
            std::printf("%s\n", host.log[logged].c_str());
        std::fflush(stdout);
    };
    tcp.changed = printLog;

    QString autosave = a.autosave;
    if (autosave.isEmpty()) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dir);
        autosave = dir + QStringLiteral("/host-autosave.ghsave");
    }
    int exitCode = 0;
    net::Millis lastStatus = 0;
    bool ending = false;
    int restWait = 0;
    auto finish = [&](std::int32_t code, const std::string& why) {
        ending = true;
        host.Finish(code, why, clock.Now());
        tcp.Flush();
        printLog();
        if (!WriteFile(a.journal, save::WriteRecord(journal.Closed()))) {
            std::fprintf(stderr, "grimhollow-host: cannot write %s\n", qPrintable(a.journal));
            exitCode = 1;
        }
        std::printf("result: winner %d, day %d, lines %zu, hash %s\n", save::WinnerOf(g), g.Day,
                    journal.Journal().lines.size(), Hex(save::StateHash(g)).c_str());
        std::fflush(stdout);
        // The goodbyes go out before the program ends.
        QTimer::singleShot(500, qApp, &QCoreApplication::quit);
    };

    QTimer clockTimer;
    clockTimer.setInterval(a.pace);
    QObject::connect(&clockTimer, &QTimer::timeout, [&] {
        if (ending)
            return;
        if (g_stop) {
            // An autosave as soon as the match can be written down whole.
            if (!WhySaveIsUnavailable(g).empty() && g.MatchRunning && restWait++ < 2000) {
                // One tick an event while it waits, as before the signal:
                // the match must not run on at twice its pace (and end
                // without its autosave) while the host looks for rest.
                g.timers.Tick();
                host.Poll(clock.Now());
                tcp.Flush();
                printLog();
                return;
            } else {
                if (WhySaveIsUnavailable(g).empty() || !g.MatchRunning) {
                    const std::string text =
                        save::WriteSave(g, save::SummaryOf(g, "host", true, "", GH_VERSION));
                    if (WriteFile(autosave, text))
                        std::printf("autosave: %s\n", qPrintable(autosave));
                    else
                        std::fprintf(stderr, "grimhollow-host: cannot write %s\n", qPrintable(autosave));
                } else {
                    std::fprintf(stderr, "grimhollow-host: no autosave: the match never came to rest\n");
                }
                finish(net::kByeHostStopped, "the host stopped");
                return;
            }
        }
        if (!host.Started() && host.Full()) {
            host.Start(clock.Now());
            std::printf("started\n");
        }
        if (host.Started() && host.AwayLeft(g.ActiveHero, clock.Now()) == 0) {
            // The countdown for the person whose turn it is has run out.
            if (a.onTimeout == QLatin1String("computer")) {
                host.HandToComputer(g.ActiveHero);
            } else if (a.onTimeout == QLatin1String("stop")) {
                g_stop = true;
            }
        }
        if (host.Started()) {
            if (g.MatchRunning && g.Day <= a.days)
                g.timers.Tick();
            else {
                host.Poll(clock.Now());
                finish(net::kByeMatchOver, "the match is over");
                return;
            }
        }
        host.Poll(clock.Now());
        tcp.Flush();
        printLog();
        if (a.verbose && clock.Now() - lastStatus >= 2000) {
            lastStatus = clock.Now();
            std::fprintf(stderr, "status: %s, day %d, turn of %d, ticks %llu, lines %zu, %d connections%s%s\n",
                         host.Started() ? "started" : "waiting", g.Day, g.ActiveHero,
                         static_cast<unsigned long long>(g.timers.Ticks()), journal.Journal().lines.size(),
                         tcp.Connections(), WhySaveIsUnavailable(g).empty() ? ", at rest" : ", busy: ",
                         WhySaveIsUnavailable(g).c_str());
        }
    });
    clockTimer.start();
    return QCoreApplication::exec() == 0 ? exitCode : 1;
}

int Join(const Args& a)
{
    using namespace gh;
    const int colon = a.join.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const quint16 port = colon > 0 ? a.join.mid(colon + 1).toUShort(&ok) : 0;
    if (!ok)
        return Usage();
    QString address = a.join.left(colon);
    if (address.startsWith(QLatin1Char('[')) && address.endsWith(QLatin1Char(']')))
        address = address.mid(1, address.size() - 2);
    net::Peer peer(GH_VERSION, a.name.toStdString(), a.code.toStdString(), net::Limits{});
    net::Clock clock;
    net::TcpPeer tcp(peer, clock);
    std::mt19937_64 rng(a.seed * 0x9E3779B97F4A7C15ULL + 5);
    int turnKey = -1, ordersThisTurn = 0, exitCode = 0;
    net::Millis lastStatus = 0, lastConnected = 0;
    // As long as the game's countdown for a lost player.
    constexpr net::Millis kGiveUpMs = 120'000;
    bool done = false;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (done)
            return;
        const net::Millis now = clock.Now();
        if (tcp.Connected())
            lastConnected = now;
        else if (now - lastConnected > kGiveUpMs) {
            std::fprintf(stderr, "grimhollow-host: the host is gone (%s)\n", qPrintable(tcp.Problem()));
            exitCode = 1;
            done = true;
            QCoreApplication::quit();
            return;
        }
        peer.Poll(now);
        peer.Run(4000, now);
        if (peer.Refused()) {
            std::fprintf(stderr, "grimhollow-host: refused: %s\n", peer.Refusal().c_str());
            exitCode = 1;
            done = true;
            QCoreApplication::quit();
            return;
        }
        if (peer.Farewell() >= 0) {
            // Everything the host sent has come: the match as far as it went.
            for (int i = 0; i < 100000 && peer.Replay() && !peer.Replay()->Waiting() && !peer.Desynced(); ++i)
                peer.Run(4000, now);
            done = true;
            const Game* m = peer.Match();
            std::printf("peer: side %d, lines %llu, hash %s%s\n", peer.Side(),
                        static_cast<unsigned long long>(peer.Lines()),
                        m ? Hex(save::StateHash(*m)).c_str() : "none", peer.Desynced() ? " (differs)" : "");
            std::fflush(stdout);
            if (peer.Desynced() || peer.desyncs > 0)
                exitCode = 1;
            QCoreApplication::quit();
            return;
        }
        Game* m = peer.Match();
        if (a.verbose && now - lastStatus >= 2000) {
            lastStatus = now;
            std::fprintf(stderr, "status: %s, side %d, lines %llu, ticks %llu of %llu, pending %zu, turn of %d%s\n",
                         tcp.Connected() ? (peer.Joined() ? "joined" : "connected") : "away", peer.Side(),
                         static_cast<unsigned long long>(peer.Lines()),
                         static_cast<unsigned long long>(m ? m->timers.Ticks() : 0),
                         static_cast<unsigned long long>(peer.Replay() ? peer.Replay()->Horizon() : 0),
                         peer.Pending().size(), m ? m->ActiveHero : -1, peer.Desynced() ? ", differs" : "");
        }
        if (m && peer.Joined() && peer.Pending().empty() && peer.Replay()->Waiting() && !peer.Desynced() &&
            m->ActiveHero == peer.Side() && m->MatchRunning && FieldTakesOrders(*m)) {
            const int key = m->Day * 8 + peer.Side();
            if (key != turnKey) {
                turnKey = key;
                ordersThisTurn = 0;
            }
            peer.Propose(net::BotOrder(*m, peer.Side(), ordersThisTurn++, rng), now);
        }
        tcp.Flush();
    });
    tcp.Connect(address, port);
    timer.start();
    const int status = QCoreApplication::exec();
    (void)a.journal;
    return status == 0 ? exitCode : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Grimhollow"));
    QCoreApplication::setApplicationName(QStringLiteral("Grimhollow"));
    Args a;
    for (int i = 1; i < argc; ++i) {
        const char* flag = argv[i];
        if (!std::strcmp(flag, "--verbose")) {
            a.verbose = true;
            continue;
        }
        if (i + 1 >= argc)
            return Usage();
        const char* value = argv[++i];
        long long v = 0;
        if (!std::strcmp(flag, "--listen"))
            a.listen = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--port") && Number(value, 0, 65535, v))
            a.port = static_cast<quint16>(v);
        else if (!std::strcmp(flag, "--code"))
            a.code = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--heroes") && Number(value, 2, 5, v))
            a.heroes = static_cast<int>(v);
        else if (!std::strcmp(flag, "--persons") && Number(value, 1, 5, v))
            a.persons = static_cast<int>(v);
        else if (!std::strcmp(flag, "--seed") && Number(value, 0, 1LL << 62, v))
            a.seed = static_cast<std::uint64_t>(v);
        else if (!std::strcmp(flag, "--days") && Number(value, 1, 1000000, v))
            a.days = static_cast<int>(v);
        else if (!std::strcmp(flag, "--pace") && Number(value, 0, 1000, v))
            a.pace = static_cast<int>(v);
        else if (!std::strcmp(flag, "--on-timeout") &&
                 (!std::strcmp(value, "computer") || !std::strcmp(value, "stop") || !std::strcmp(value, "wait")))
            a.onTimeout = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--journal"))
            a.journal = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--autosave"))
            a.autosave = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--join"))
            a.join = QString::fromUtf8(value);
        else if (!std::strcmp(flag, "--name"))
            a.name = QString::fromUtf8(value);
        else
            return Usage();
    }
    if (a.persons > a.heroes)
        return Usage();
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    return a.join.isEmpty() ? Host(a) : Join(a);
}
