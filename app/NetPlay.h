#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/Order.h"
#include "net/Session.h"
#include "platform/Shell.h"
#include "platform/qt/net/Tcp.h"
#include "save/Record.h"
#include "save/Undo.h"
#include "windows/NetworkPlay.h"

class QMessageBox;

namespace gh {

class Forms;

// Network play in the program: this machine hosts the match on screen, or
// joins another machine's match and shows it on its own battlefield.
//
// Hosting, the match is played here as at one machine, with the sessions'
// host beside it: the sides offered are played at other machines, and this
// machine's person cannot order them. Joining, the battlefield follows the
// host's journal (a live replay of the program's own match): the person's
// orders go to the host as proposals and come back as the journal's lines,
// on every machine at the same tick.
class NetPlay final : public QObject, public NetworkPlay {
    Q_OBJECT
public:
    // A lost host is given this long to come back before the match ends here.
    static constexpr net::Millis kHostGoneMs = 120'000;
    // A first connection that has not come in this long is given up.
    static constexpr net::Millis kFirstContactMs = 4'000;
    // How long a host that stops keeps its connections for its goodbyes.
    static constexpr int kGoodbyeMs = 1'500;

    explicit NetPlay(Forms& forms);
    ~NetPlay() override;

    Mode Current() const override { return mode_; }

    // Hosts the match on screen on `port` (0: any free port); `remote` are
    // the sides played at other machines. False with the reason.
    bool Host(unsigned short port, const QString& joinCode, const std::vector<int>& remote,
              QString& error) override;
    unsigned short Port() const override;
    // Host: every offered side has its person.
    bool Full() const override;
    bool Started() const override;
    // Host: the match goes to everyone and play begins.
    void StartMatch() override;

    // Joins the match at `address`:`port`; what comes of it is told through
    // `changed` (Joined, Refusal, the seats, the start).
    void Join(const QString& address, unsigned short port, const QString& name, const QString& joinCode,
              int heroClass = 0, const QString& heroName = {}) override;
    // Peer: asks the host for the open seat of `side`.
    void Claim(int side) override;
    bool Connected() const override;
    // Peer: the side this machine's person plays (0 before the welcome).
    int OwnSide() const;
    bool HasMatch() const;

    // Ends network play on this machine (a goodbye to the others). The match
    // on screen stays and goes on at this machine.
    void Leave() override;

    // Whether this machine's person plays `side`.
    bool PlaysHere(int side) const;
    // Whether the field takes this machine's pointer and keys now: the side
    // whose turn it is is played here.
    bool FieldIsOurs() const;

    std::vector<SeatView> Seats() const override;

    // «Отменить» in a network match: the host takes the walk back and
    // sends everyone the match as it is then; a peer asks the host. False
    // when nothing was taken back or asked.
    bool Undo();
    // Why «Отменить» is greyed now (None when it can be pressed).
    save::UndoBar UndoBarNow() const;

    // Who plays `side` at another machine ("" when it is played here or by
    // the computer): the person's name, or the host.
    QString PlayedBy(int side) const;

    void Say(const QString& text);
    // Chat lines, "name: text", as they came.
    const QStringList& Chat() const { return chat_; }
    // For the status strip: who the match waits for and how long is left
    // ("" when it waits for nobody).
    QString Waiting() const override;
    // What went wrong last (a refusal, a lost host), "" when nothing did.
    const QString& Problem() const override { return problem_; }
    // What happened, for this machine's person: joins, leaves, drops.
    QStringList Events() const { return events_; }

    // After anything changed (the network window and the log follow it).
    std::function<void()> changed;
    // What the program's tick driver does after a tick: the peer runs the
    // match's ticks itself and then does the same.
    std::function<void()> afterTick;
    // Asked when a person's countdown has run out, on the host (tests
    // answer it): 0 wait on, 1 the computer plays the side, 2 save and stop.
    std::function<int(int side, const QString& who)> askOnTimeout;

    // The sessions' limits (the countdown for a lost person among them);
    // taken when hosting or joining.
    net::Limits limits;

    // Texts for the reasons a host refuses, as a person reads them.
    static QString RefusalText(net::RefuseReason why, const QString& hostText);

private:
    class PeerShell;
    class HostShell;
    void HostPulse();
    void PeerFrame();
    void PeerNews();
    std::optional<Refusal> Divert(Game& g, const Order& order);
    void Adopted(const save::LoadResult& loaded);
    void ShowNews(const QString& title, const QString& text);
    void RedrawView();
    void Stop(const QString& problem);
    void Told();

    Forms& forms_;
    Mode mode_ = Mode::None;
    // Sessions and carriers that have ended go a moment later: the end is
    // often told from within one of their own handlers.
    struct Retired {
        std::unique_ptr<net::Host> host;
        std::unique_ptr<net::Peer> peer;
        std::unique_ptr<net::TcpHost> tcpHost;
        std::unique_ptr<net::TcpPeer> tcpPeer;
    };
    std::vector<std::unique_ptr<Retired>> retired_;
    net::Clock clock_;
    std::unique_ptr<net::Host> host_;
    std::unique_ptr<net::TcpHost> tcpHost_;
    std::unique_ptr<net::Peer> peer_;
    std::unique_ptr<net::TcpPeer> tcpPeer_;
    std::unique_ptr<PeerShell> peerShell_;
    std::unique_ptr<HostShell> hostShell_;
    Shell* ownShell_ = nullptr;
    QTimer pulse_;
    std::vector<int> remote_;
    QString name_;
    QStringList chat_;
    QStringList events_;
    QString problem_;
    std::size_t hostLogSeen_ = 0, chatSeen_ = 0;
    // The shared state as the host's journal left it after the last frame:
    // what this machine's windows wrote into it since goes back (the view
    // becomes a proposal when the field is this person's).
    save::SeatInputs shadow_;
    bool haveShadow_ = false;
    bool running_ = false;
    bool asked_ = false;
    net::Millis lastHeard_ = 0, joinedAt_ = 0;
    bool everJoined_ = false;
    QString address_;
    int heroClass_ = 0;
    QString heroName_;
    quint16 port_ = 0;
    QPointer<QMessageBox> news_;
};

} // namespace gh
