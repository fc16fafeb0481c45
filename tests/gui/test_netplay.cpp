// Network play between two games in one process, over the loopback address:
// the host's windows and the peer's battlefield, which follows the host's
// journal and sends its person's orders as proposals.
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <functional>
#include <random>

#include "app/NetPlay.h"
#include "engine/Movement.h"
#include "net/Bots.h"
#include "save/Record.h"
#include "save/Recorder.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "world/Catalogue.h"
#include "tests/gui/GuiGame.h"
#include "tests/gui/SavesGame.h"
#include "windows/FrmLog.h"
#include "windows/FrmNet.h"
#include "windows/qt/SaveFiles.h"
#include "world/Units.h"

namespace gh::gui {
namespace {

// Runs the host's clock a tick at a time with both event loops turning,
// until `done` or `ms` have gone by; whether it came.
bool Play(GuiGame& host, const std::function<bool()>& done, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        if (host.g.MatchRunning && !host.g.timers.Held())
            host.g.timers.Tick();
        QTest::qWait(2);
    }
    return true;
}

// The peer has played everything the host sent, and stands where it stands.
bool InStep(GuiGame& host, GuiGame& peer)
{
    // (The view is not in the hash: the rules never move it.)
    return peer.forms.Net().HasMatch() && peer.g.timers.Ticks() == host.g.timers.Ticks() &&
           save::StateHash(peer.g) == save::StateHash(host.g) && peer.g.ViewX == host.g.ViewX &&
           peer.g.ViewY == host.g.ViewY;
}

// A walk of `side`'s hero to a free cell beside it, as a click gives it
// (whatever else stands near on this run's board).
Order WalkBeside(const Game& g, int side)
{
    const Unit& h = g.U(side);
    for (float dx : {720.0f, -720.0f, 0.0f})
        for (float dy : {0.0f, 720.0f, -720.0f}) {
            Order o{OrderKind::Walk, side, h.PosX + dx, h.PosY + dy};
            o.hand = Hand::Strong;
            if ((dx != 0 || dy != 0) && InWalkArea(o.x, o.y) && OccupantAt(g, o.x, o.y) == 0 &&
                CheckOrder(g, o) == Refusal::None)
                return o;
        }
    ADD_FAILURE() << "no free cell beside hero " << side;
    return {OrderKind::EndTurn};
}

// With the host's clock standing, lets the peer catch up; whether it did.
bool Settle(GuiGame& host, GuiGame& peer, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!InStep(host, peer)) {
        if (t.elapsed() > ms) {
            ADD_FAILURE() << "the peer is at tick " << peer.g.timers.Ticks() << " of " << host.g.timers.Ticks()
                          << "; " << peer.forms.Net().Events().join('\n').toStdString();
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

struct TwoMachines {
    // Each with saves, settings and autosaves in folders of its own.
    SavesGame host, peer;
    NetPlay& hn = host.forms.Net();
    NetPlay& pn = peer.forms.Net();

    // A match of the selection's heroes in which sides 1 and 2 are people,
    // side 2 at the peer.
    void Open(const QString& code = QStringLiteral("дуб"))
    {
        host.ShowMain();
        peer.ShowMain();
        host.StartFromSelection();
        for (int side = 1; side <= kHeroes; ++side)
            host.g.HeroIsHuman[static_cast<std::size_t>(side)] = side <= 2;
        QString error;
        ASSERT_TRUE(hn.Host(0, code, {2}, error)) << error.toStdString();
        ASSERT_NE(hn.Port(), 0);
    }
    void Join(const QString& code = QStringLiteral("дуб"))
    {
        pn.Join(QStringLiteral("127.0.0.1"), hn.Port(), QStringLiteral("Петя"), code);
    }
    // Plays on (the host's person ending side 1's turns) until side 2's
    // person is on the move at both machines.
    bool UntilPeersTurn()
    {
        return Play(host, [this] {
                   if (host.g.ActiveHero == 1 && CheckOrder(host.g, {OrderKind::EndTurn}) == Refusal::None)
                       GiveOrder(host.g, {OrderKind::EndTurn});
                   return host.g.ActiveHero == 2 && CheckOrder(host.g, {OrderKind::EndTurn}) == Refusal::None;
               }) &&
               Settle(host, peer) && pn.FieldIsOurs();
    }
};

TEST(NetPlay, APeerFollowsTheHostsMatchAndItsPersonPlaysOnlyTheirOwnSide)
{
    TwoMachines m;
    m.Open();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000)) << "the peer never took its seat";
    // The host's window lists the seat and its person; «Начать» is there.
    m.host.forms.OpenNetwork();
    auto* window = qobject_cast<FrmNet*>(m.host.forms.network.data());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->LstSeats->count(), 1);
    EXPECT_TRUE(window->LstSeats->item(0)->text().contains(QStringLiteral("Петя")))
        << window->LstSeats->item(0)->text().toStdString();
    EXPECT_TRUE(window->CmdStart->isEnabled());
    window->CmdStart->click();
    EXPECT_TRUE(m.hn.Started());

    ASSERT_TRUE(Settle(m.host, m.peer)) << "the peer never caught up";
    // The peer's own clock and journal stand aside; the host's journal runs.
    EXPECT_FALSE(m.peer.forms.recorder.Attached());

    ASSERT_TRUE(m.UntilPeersTurn()) << "side 2's turn never came at both machines";
    // The strip says where the turn is played: at the peer, by Петя.
    m.host.forms.Main()->RenderControls();
    EXPECT_EQ(m.host.forms.NetworkPlayer(), QStringLiteral("Петя"));
    EXPECT_EQ(m.peer.forms.NetworkPlayer(), QString());
    // The host's person cannot order the side played at the peer...
    EXPECT_EQ(GiveOrder(m.host.g, {OrderKind::EndTurn}), Refusal::NotTheirTurn);
    EXPECT_FALSE(m.host.forms.FieldIsOurs());
    // ...and the peer's person orders it: a walk, then the end of the turn,
    // each taken by the host and played at both machines.
    std::mt19937_64 rng(7);
    const Order walk = net::BotOrder(m.peer.g, 2, 0, rng);
    const std::size_t before = m.host.forms.recorder.Journal().lines.size();
    EXPECT_EQ(GiveOrder(m.peer.g, walk), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return m.host.forms.recorder.Journal().lines.size() > before; }))
        << "the host never took the walk";
    ASSERT_TRUE(Play(m.host, [&] { return CheckOrder(m.host.g, {OrderKind::EndTurn}) == Refusal::None; }));
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_EQ(GiveOrder(m.peer.g, {OrderKind::EndTurn}), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ActiveHero != 2; }, 5000))
        << "the peer's end of turn never went through";
    ASSERT_TRUE(Settle(m.host, m.peer));
    // An order out of turn at the peer goes nowhere.
    if (m.host.g.ActiveHero != 2) {
        EXPECT_EQ(GiveOrder(m.peer.g, {OrderKind::EndTurn}), Refusal::NotTheirTurn);
    }

    // Chat: plain text, with the name the person gave, at both machines and
    // in the peer's log.
    m.peer.forms.ToggleLog();
    FrmLog* log = m.peer.forms.Log();
    ASSERT_NE(log, nullptr);
    m.peer.forms.NetworkSay(QStringLiteral("привет <b>всем</b>"));
    const QString said = QStringLiteral("Петя: привет <b>всем</b>");
    ASSERT_TRUE(Play(m.host, [&] { return m.pn.Chat().contains(said) && m.hn.Chat().contains(said); }, 5000));
    Play(m.host, [&] { return !log->LstLog->findItems(said, Qt::MatchExactly).isEmpty(); }, 2000);
    EXPECT_EQ(log->LstLog->findItems(said, Qt::MatchExactly).size(), 1);
    EXPECT_TRUE(log->TxtChat->isVisible());

    EXPECT_EQ(m.peer.forms.NetworkWaiting(), QString());
    // No difference was ever found.
    EXPECT_TRUE(m.pn.Events().filter(QStringLiteral("разошлась")).isEmpty()) << m.pn.Events().join('\n').toStdString();

    // The peer leaves: its match goes on at its own machine, with a journal
    // of its own; the host waits for the person, the countdown running.
    m.pn.Leave();
    EXPECT_FALSE(m.pn.Active());
    EXPECT_TRUE(m.peer.forms.recorder.Attached());
    EXPECT_EQ(m.peer.g.orders, &m.peer.forms.recorder);
    EXPECT_EQ(m.peer.g.shell, &m.peer.shell);
    m.hn.Leave();
    EXPECT_EQ(m.host.g.shell, &m.host.shell);
    EXPECT_EQ(GiveOrder(m.host.g, {OrderKind::Cancel}) != Refusal::NotTheirTurn, true);
}

TEST(NetPlay, TheViewIsMovedByThePersonWhoseTurnItIs)
{
    TwoMachines m;
    m.Open();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(m.UntilPeersTurn());
    // The peer's person scrolls: the host's match (and so everyone's) looks
    // there once the line comes back.
    const float x = m.host.g.ViewX == 720 ? 1440 : 720;
    m.peer.g.ViewX = x;
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ViewX == x; }, 5000))
        << "the view never moved: host " << m.host.g.ViewX << ", peer " << m.peer.g.ViewX << "; "
        << m.hn.Events().join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(Settle(m.host, m.peer));
    // The peer's bar shows where the field is seen from, as far as it goes.
    EXPECT_EQ(m.peer.g.HorBar.Value, std::clamp(static_cast<int>(x), m.peer.g.HorBar.Min, m.peer.g.HorBar.Max));
    // What the peer's windows write into the shared state otherwise does
    // not survive the next frame.
    const std::int32_t target = m.host.g.Target;
    m.peer.g.Target = target + 1;
    ASSERT_TRUE(Play(m.host, [&] { return m.peer.g.Target == target; }, 2000));
    m.pn.Leave();
    m.hn.Leave();
}

TEST(NetPlay, ALostPersonsTurnWaitsWithACountdownOnTheStripThenTheHostChooses)
{
    TwoMachines m;
    m.hn.limits.away = 1500;
    m.Open();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(m.UntilPeersTurn());
    int asked = 0;
    QString askedWho;
    m.hn.askOnTimeout = [&](int side, const QString& who) {
        ++asked;
        askedWho = who;
        EXPECT_EQ(side, 2);
        return 1; // the computer plays the side
    };
    // The peer's machine is gone: the host's strip counts down for its person.
    m.pn.Leave();
    ASSERT_TRUE(Play(m.host, [&] { return !m.hn.Waiting().isEmpty(); }, 5000));
    const QString hero = QString::fromStdString(m.host.g.U(2).Name);
    EXPECT_TRUE(m.hn.Waiting().startsWith(hero + QStringLiteral(": связь потеряна, ждём 0:0")))
        << m.hn.Waiting().toStdString();
    EXPECT_EQ(m.host.forms.NetworkWaiting(), m.hn.Waiting());
    EXPECT_EQ(m.host.g.ActiveHero, 2);
    // When it runs out the host is asked, once; the computer ends the turn
    // and plays the side from then on.
    ASSERT_TRUE(Play(m.host, [&] { return asked > 0; }, 10000));
    EXPECT_EQ(askedWho, QStringLiteral("Петя"));
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ActiveHero != 2; }, 5000));
    EXPECT_FALSE(m.host.g.HeroIsHuman[2]);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(m.hn.Waiting().isEmpty());
    m.hn.Leave();
}

TEST(NetPlay, TheHostsSaveOfANetworkMatchIsHostedAgainAndThePeerTakesItsSeat)
{
    TwoMachines m;
    m.Open();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(m.UntilPeersTurn());
    // The peer's machine keeps autosaves of the match it follows, and its
    // person may save a copy for themselves, which loads as any save does.
    m.peer.Settle();
    EXPECT_FALSE(m.peer.files.Autosaves().isEmpty());
    ASSERT_TRUE(m.peer.forms.SaveAs(QStringLiteral("Моя копия")));
    {
        std::string text;
        QString error;
        ASSERT_TRUE(SaveFiles::ReadText(m.peer.files.ManualPath(QStringLiteral("Моя копия")), text, error));
        const save::LoadResult copy = save::ReadSave(text);
        ASSERT_TRUE(copy) << copy.error;
        EXPECT_EQ(save::StateHash(*copy.game), save::StateHash(m.host.g));
    }

    // The host saves and stops: the peer is told, and its match goes on there.
    ASSERT_TRUE(m.host.forms.SaveAs(QStringLiteral("Сетевая партия")));
    const std::uint64_t saved = save::StateHash(m.host.g);
    m.hn.Leave();
    ASSERT_TRUE(Play(m.host, [&] { return !m.pn.Active(); }, 5000));
    EXPECT_TRUE(m.pn.Problem().contains(QStringLiteral("закончил сетевую игру"))) << m.pn.Problem().toStdString();
    EXPECT_TRUE(m.peer.forms.recorder.Attached());

    // Later: the save is loaded and hosted again; the peer joins and plays on.
    ASSERT_TRUE(m.host.forms.LoadFile(m.host.files.ManualPath(QStringLiteral("Сетевая партия"))));
    EXPECT_EQ(save::StateHash(m.host.g), saved);
    QString error;
    ASSERT_TRUE(m.hn.Host(0, QStringLiteral("дуб"), {2}, error)) << error.toStdString();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(m.UntilPeersTurn());
    EXPECT_EQ(GiveOrder(m.peer.g, {OrderKind::EndTurn}), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ActiveHero != 2; }, 5000));
    ASSERT_TRUE(Settle(m.host, m.peer));
    m.pn.Leave();
    m.hn.Leave();
}

// A relay on the loopback address between a peer and its host, whose
// connections the test cuts as a failing network would.
class Relay {
public:
    explicit Relay(quint16 hostPort) : hostPort_(hostPort)
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* in = server_.nextPendingConnection()) {
                auto* out = new QTcpSocket(in);
                out->connectToHost(QHostAddress::LocalHost, hostPort_);
                QObject::connect(in, &QTcpSocket::readyRead, out, [in, out] { out->write(in->readAll()); });
                QObject::connect(out, &QTcpSocket::readyRead, in, [in, out] { in->write(out->readAll()); });
                QObject::connect(out, &QTcpSocket::disconnected, in, [in] { in->disconnectFromHost(); });
                QObject::connect(in, &QTcpSocket::disconnected, out, [out] { out->disconnectFromHost(); });
                pairs_.push_back(in);
            }
        });
    }
    quint16 Port() const { return server_.serverPort(); }
    // Every connection through the relay is reset at once.
    void Cut()
    {
        for (QPointer<QTcpSocket>& in : pairs_)
            if (in) {
                for (auto* out : in->findChildren<QTcpSocket*>())
                    out->abort();
                in->abort();
                in->deleteLater();
            }
        pairs_.clear();
    }
    int Connections() const { return static_cast<int>(pairs_.size()); }

private:
    quint16 hostPort_;
    QTcpServer server_;
    std::vector<QPointer<QTcpSocket>> pairs_;
};

TEST(NetPlay, ACutConnectionComesBackOnItsOwnAndNothingIsLostOrRepeated)
{
    TwoMachines m;
    m.Open();
    Relay relay(m.hn.Port());
    m.pn.Join(QStringLiteral("127.0.0.1"), relay.Port(), QStringLiteral("Петя"), QStringLiteral("дуб"));
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(m.UntilPeersTurn());
    const std::size_t lines = m.host.forms.recorder.Journal().lines.size();

    // The link fails during the peer's turn: the host counts down, the peer
    // connects again by itself, and its seat is its own again.
    relay.Cut();
    ASSERT_TRUE(Play(m.host, [&] { return !m.hn.Waiting().isEmpty(); }, 5000)) << "the host never noticed";
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Waiting().isEmpty() && m.pn.Connected(); }, 10000))
        << "the peer never came back";
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_EQ(m.host.forms.recorder.Journal().lines.size(), lines);
    EXPECT_TRUE(m.pn.FieldIsOurs());

    // Its person goes on: the end of the turn is taken once, at both machines.
    EXPECT_EQ(GiveOrder(m.peer.g, {OrderKind::EndTurn}), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ActiveHero != 2; }, 5000));
    ASSERT_TRUE(Settle(m.host, m.peer));
    const auto& journal = m.host.forms.recorder.Journal().lines;
    const auto ends = std::count_if(journal.begin() + static_cast<std::ptrdiff_t>(lines), journal.end(),
                                    [](const save::RecordLine& l) {
                                        return l.input && l.side == 2 && l.kind == save::RecordLine::Kind::Order &&
                                               l.order.kind == OrderKind::EndTurn;
                                    });
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(m.pn.Events().filter(QStringLiteral("разошлась")).isEmpty()) << m.pn.Events().join('\n').toStdString();
    m.pn.Leave();
    m.hn.Leave();
}

TEST(NetPlay, AJoiningPersonChoosesTheirHerosClassAndNameAndTheRecordStillReplays)
{
    TwoMachines m;
    m.Open();
    ASSERT_EQ(m.host.g.Day, 1);
    const int wanted = m.host.g.U(2).UnitType == HeroTypeOfClass(2) ? 3 : 2;
    const float x = m.host.g.U(2).PosX, y = m.host.g.U(2).PosY;
    m.pn.Join(QStringLiteral("127.0.0.1"), m.hn.Port(), QStringLiteral("Петя"), QStringLiteral("дуб"), wanted,
              QStringLiteral("Морвен"));
    // The choice travels after the welcome, with the seat.
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full() && m.hn.Seats()[0].heroClass == wanted; }, 10000));
    m.hn.StartMatch();
    // The hero is of the chosen class, named as chosen, where he stood.
    EXPECT_EQ(m.host.g.U(2).UnitType, HeroTypeOfClass(wanted));
    EXPECT_EQ(m.host.g.U(2).Name, "Морвен");
    EXPECT_EQ(m.host.g.U(2).PosX, x);
    EXPECT_EQ(m.host.g.U(2).PosY, y);
    ASSERT_TRUE(m.UntilPeersTurn());
    EXPECT_EQ(m.peer.g.U(2).Name, "Морвен");
    // The host's record begins where the network match began, and plays to
    // its end as recorded.
    const std::string text = save::WriteRecord(m.host.forms.recorder.Closed());
    save::RecordReadResult read = save::ReadRecord(text, false);
    ASSERT_TRUE(read) << read.error;
    save::Replayer replay(std::move(read.record), *read.start);
    EXPECT_TRUE(replay.PlayToEnd()) << replay.Error();
    m.pn.Leave();
    m.hn.Leave();
}

TEST(NetPlay, UndoTakesAWalkBackOnEveryMachine)
{
    TwoMachines m;
    m.Open();
    m.Join();
    ASSERT_TRUE(Play(m.host, [&] { return m.hn.Full(); }, 10000));
    m.hn.StartMatch();
    ASSERT_TRUE(Settle(m.host, m.peer));

    // The host's person walks on their turn and takes it back: the peer's
    // field goes back with the host's.
    ASSERT_TRUE(Play(m.host, [&] {
        return m.host.g.ActiveHero == 1 && CheckOrder(m.host.g, {OrderKind::EndTurn}) == Refusal::None;
    }));
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_FALSE(m.peer.forms.Main()->CmdUndo->isEnabled()); // not the peer's turn
    const Order hostWalk = WalkBeside(m.host.g, 1);
    ASSERT_EQ(hostWalk.kind, OrderKind::Walk);
    const float hx = m.host.g.U(hostWalk.who).PosX, hy = m.host.g.U(hostWalk.who).PosY;
    const std::size_t lines = m.host.forms.recorder.Journal().lines.size();
    ASSERT_EQ(GiveOrder(m.host.g, hostWalk), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return CheckOrder(m.host.g, {OrderKind::EndTurn}) == Refusal::None; }));
    ASSERT_TRUE(Settle(m.host, m.peer));
    m.host.forms.Main()->RenderControls();
    EXPECT_TRUE(m.host.forms.Main()->CmdUndo->isEnabled());
    ASSERT_TRUE(m.host.forms.Main()->UndoWalk());
    EXPECT_EQ(m.host.g.U(hostWalk.who).PosX, hx);
    EXPECT_EQ(m.host.g.U(hostWalk.who).PosY, hy);
    EXPECT_EQ(m.host.forms.recorder.Journal().lines.size(), lines);
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_EQ(m.peer.g.U(hostWalk.who).PosX, hx);

    // The peer's person walks on their turn and asks for it back.
    ASSERT_TRUE(m.UntilPeersTurn());
    m.peer.forms.Main()->RenderControls();
    EXPECT_TRUE(m.peer.forms.Main()->CmdUndo->isEnabled());
    const Order walk = WalkBeside(m.peer.g, 2);
    ASSERT_EQ(walk.kind, OrderKind::Walk);
    const float px = m.host.g.U(walk.who).PosX, py = m.host.g.U(walk.who).PosY;
    const std::size_t before = m.host.forms.recorder.Journal().lines.size();
    EXPECT_EQ(GiveOrder(m.peer.g, walk), Refusal::None);
    auto moved = [&](const Game& g) { return g.U(walk.who).PosX != px || g.U(walk.who).PosY != py; };
    ASSERT_TRUE(Play(m.host, [&] {
        return moved(m.host.g) && CheckOrder(m.host.g, {OrderKind::EndTurn}) == Refusal::None;
    })) << "the peer's walk never went through";
    ASSERT_TRUE(Settle(m.host, m.peer));
    ASSERT_TRUE(moved(m.peer.g));
    EXPECT_TRUE(m.peer.forms.Main()->UndoWalk());
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.U(walk.who).PosX == px && m.host.g.U(walk.who).PosY == py; },
                     5000))
        << "the host never took the peer's walk back";
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_EQ(m.peer.g.U(walk.who).PosX, px);
    EXPECT_EQ(m.peer.g.U(walk.who).PosY, py);
    EXPECT_EQ(m.host.forms.recorder.Journal().lines.size(), before);
    // Still the peer's turn: it goes on from there, in step.
    EXPECT_EQ(GiveOrder(m.peer.g, {OrderKind::EndTurn}), Refusal::None);
    ASSERT_TRUE(Play(m.host, [&] { return m.host.g.ActiveHero != 2; }, 5000));
    ASSERT_TRUE(Settle(m.host, m.peer));
    EXPECT_TRUE(m.pn.Events().filter(QStringLiteral("разошлась")).isEmpty()) << m.pn.Events().join('\n').toStdString();
    m.pn.Leave();
    m.hn.Leave();
}

TEST(NetPlay, AWrongJoinCodeIsRefusedWithAReadableReason)
{
    TwoMachines m;
    m.Open();
    m.Join(QStringLiteral("клён"));
    ASSERT_TRUE(Play(m.host, [&] { return !m.pn.Active(); }, 10000));
    EXPECT_EQ(m.pn.Problem(), QStringLiteral("Неверный код партии."));
    EXPECT_FALSE(m.hn.Full());
    // The peer's own match (none) is as it was; the host still waits.
    EXPECT_FALSE(m.peer.g.MatchRunning);
    EXPECT_TRUE(m.hn.Active());
    m.hn.Leave();
}

TEST(NetPlay, NobodyAtTheAddressIsSaidAndLeavingStopsTheAttempts)
{
    GuiGame peer;
    peer.ShowMain();
    NetPlay& pn = peer.forms.Net();
    // A port nothing listens on, on this machine only.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    pn.Join(QStringLiteral("127.0.0.1"), port, QStringLiteral("Петя"), {});
    peer.forms.OpenNetwork();
    auto* window = qobject_cast<FrmNet*>(peer.forms.network.data());
    ASSERT_NE(window, nullptr);
    QTest::qWait(300);
    EXPECT_TRUE(pn.Active());
    EXPECT_FALSE(pn.Connected());
    EXPECT_TRUE(window->LblStatus->text().contains(QStringLiteral("Подключаемся")))
        << window->LblStatus->text().toStdString();
    EXPECT_FALSE(window->Tabs->isEnabled());
    // The attempts end with what went wrong, in the window.
    QElapsedTimer t;
    t.start();
    while (pn.Active() && t.elapsed() < 15000)
        QTest::qWait(20);
    EXPECT_FALSE(pn.Active());
    EXPECT_TRUE(pn.Problem().contains(QStringLiteral("никто не ждёт"))) << pn.Problem().toStdString();
    EXPECT_EQ(window->LblStatus->text(), pn.Problem());
    EXPECT_TRUE(window->Tabs->isEnabled());

    // Leaving while it still tries stops the attempts at once.
    pn.Join(QStringLiteral("127.0.0.1"), port, QStringLiteral("Петя"), {});
    EXPECT_TRUE(pn.Active());
    window->CmdLeave->click();
    EXPECT_FALSE(pn.Active());
    EXPECT_TRUE(pn.Problem().isEmpty());
}

} // namespace
} // namespace gh::gui
