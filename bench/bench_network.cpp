// grimhollow-bench-net: what an order costs over the network.
//   round trip: a peer proposes an order on a real loopback connection, the
//   host checks and gives it and sends the line to every peer; measured from
//   the proposal to the line applied at the proposer and at a second peer.
//   host cost: the host's work for one order (read, check, give, journal,
//   write the line for two peers), without the sockets.
// Prints percentiles; docs/performance.md keeps the figures.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/Order.h"
#include "net/Session.h"
#include "platform/qt/net/Tcp.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"

namespace {

using namespace gh;

std::string SampleText()
{
    std::ifstream in(std::string(GH_SAMPLE_SAVES) + "/v2-two-heroes-first-turn.ghsave", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Match {
    Match()
    {
        save::LoadResult r = save::ReadSave(SampleText());
        if (!r) {
            std::fprintf(stderr, "the sample does not load: %s\n", r.error.c_str());
            std::exit(1);
        }
        BindTimers(g);
        save::AdoptMatch(g, *r.game);
        journal.Begin(g, "bench", "bench");
        for (int i = 0; i < 3000 && !FieldTakesOrders(g); ++i)
            g.timers.Tick();
    }
    Game g;
    save::Recorder journal;
};

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

// The host's own work for one order, sockets left out.
void HostCost(int orders)
{
    Match m;
    net::Host host(m.g, m.journal, "bench", "", net::Limits{}, 1);
    host.OfferSide(1);
    host.OfferSide(2);
    net::Peer a("bench", "A", "", net::Limits{}), b("bench", "B", "", net::Limits{});
    net::Millis now = 0;
    auto pump = [&] {
        for (int round = 0; round < 8; ++round) {
            for (net::Send& s : host.Take())
                (s.conn == 1 ? a : b).Received(s.bytes, now);
            for (std::string& bytes : a.Take())
                host.Received(1, bytes, now);
            for (std::string& bytes : b.Take())
                host.Received(2, bytes, now);
        }
    };
    host.Opened(1, now);
    a.Opened(now);
    host.Opened(2, now);
    b.Opened(now);
    pump();
    host.Start(now);
    pump();
    const Order select{OrderKind::Select, 1, m.g.U(1).PosX, m.g.U(1).PosY, -1, Hand::Strong};
    std::vector<double> micros;
    for (int i = 0; i < orders; ++i) {
        now += 100; // inside the order rate a peer is allowed
        a.Propose(select, now);
        std::vector<std::string> out = a.Take();
        const auto start = std::chrono::steady_clock::now();
        for (std::string& bytes : out)
            host.Received(1, bytes, now);
        host.Take();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        host.Poll(now);
        pump();
    }
    std::printf("host cost per order: %d orders, median %.1f us, p99 %.1f us\n", orders, Percentile(micros, 0.5),
                Percentile(micros, 0.99));
}

// Proposal to line applied, over real loopback connections.
int RoundTrip(int orders)
{
    Match m;
    net::Host host(m.g, m.journal, "bench", "", net::Limits{}, 2);
    host.OfferSide(1);
    host.OfferSide(2);
    net::Clock clock;
    net::TcpHost tcpHost(host, clock);
    QString error;
    if (!tcpHost.Listen(QHostAddress::LocalHost, 0, error)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(error));
        return 1;
    }
    net::Peer a("bench", "A", "", net::Limits{}), b("bench", "B", "", net::Limits{});
    net::TcpPeer tcpA(a, clock), tcpB(b, clock);
    tcpA.Connect(QStringLiteral("127.0.0.1"), tcpHost.Port());
    tcpB.Connect(QStringLiteral("127.0.0.1"), tcpHost.Port());
    QElapsedTimer limit;
    limit.start();
    while (!(a.Joined() && b.Joined()) && limit.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!a.Joined() || !b.Joined()) {
        std::fprintf(stderr, "the peers did not join\n");
        return 1;
    }
    host.Start(clock.Now());
    tcpHost.Flush();
    net::Peer& person = a.Side() == 1 ? a : b;
    net::Peer& watcher = a.Side() == 1 ? b : a;
    net::TcpPeer& personTcp = a.Side() == 1 ? tcpA : tcpB;
    const Order select{OrderKind::Select, 1, m.g.U(1).PosX, m.g.U(1).PosY, -1, Hand::Strong};
    std::vector<double> toPerson, toWatcher;
    for (int i = 0; i < orders && limit.elapsed() < 120000; ++i) {
        QElapsedTimer t;
        t.start();
        const std::uint64_t lines = watcher.Lines();
        const std::uint64_t id = person.Propose(select, clock.Now());
        personTcp.Flush();
        double personMs = -1;
        while (limit.elapsed() < 120000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (personMs < 0 && person.answers.count(id))
                personMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
            if (personMs >= 0 && watcher.Lines() > lines)
                break;
        }
        toPerson.push_back(personMs);
        toWatcher.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        // Inside the rate a person may give orders at.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 50)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    std::printf("round trip on loopback: %zu orders; to the proposer median %.2f ms, p99 %.2f ms; "
                "to the other peer median %.2f ms, p99 %.2f ms\n",
                toPerson.size(), Percentile(toPerson, 0.5), Percentile(toPerson, 0.99), Percentile(toWatcher, 0.5),
                Percentile(toWatcher, 0.99));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int orders = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    HostCost(orders);
    return RoundTrip(orders);
}
