#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <map>

// Up a layer, on purpose: these carriers exist only to move the network
// sessions' bytes, and they tell those sessions (net/, rules core, no Qt)
// what came and went; nothing else of the platform layer depends on them.
#include "net/Session.h"

namespace gh::net {

// The sessions' bytes on real connections (Qt Network): the host's listening
// socket and its peers' connections, and a peer's one connection to the
// host. They carry bytes and tell the sessions what happened; everything
// the bytes mean is the sessions'.

// Milliseconds on a steady clock, from the carrier's start.
class Clock {
public:
    Clock() { clock_.start(); }
    Millis Now() const { return clock_.elapsed(); }

private:
    QElapsedTimer clock_;
};

class TcpHost final : public QObject {
    Q_OBJECT
public:
    TcpHost(Host& session, const Clock& clock, QObject* parent = nullptr);
    ~TcpHost() override;

    // Listens on `address`:`port` (0: any free port). False with `error`.
    bool Listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 Port() const { return server_.serverPort(); }
    // Hands what the session wants sent to the connections, and tells it
    // how much each has left unread.
    void Flush();
    int Connections() const { return static_cast<int>(sockets_.size()); }

    // After anything came in (the owner shows it, logs it).
    std::function<void()> changed;

private:
    void Accept();
    Host& host_;
    const Clock& clock_;
    QTcpServer server_;
    std::map<ConnId, QTcpSocket*> sockets_;
    ConnId next_ = 1;
};

class TcpPeer final : public QObject {
    Q_OBJECT
public:
    TcpPeer(Peer& session, const Clock& clock, QObject* parent = nullptr);
    ~TcpPeer() override;

    // Connects, and connects again a second after every loss until the
    // host refuses it, says goodbye, or Stop.
    void Connect(const QString& host, quint16 port);
    void Stop();
    void Flush();
    bool Connected() const { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }
    // Why the last attempt failed ("" while connected).
    const QString& Problem() const { return problem_; }

    std::function<void()> changed;

private:
    void Open();
    void Lost();
    Peer& peer_;
    const Clock& clock_;
    QTcpSocket* socket_ = nullptr;
    QString host_;
    quint16 port_ = 0;
    QString problem_;
    QTimer retry_;
    bool stopped_ = false;
};

} // namespace gh::net
