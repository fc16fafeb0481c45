#include "platform/qt/net/Tcp.h"

namespace gh::net {

namespace {

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

// ---- the host -------------------------------------------------------------------

TcpHost::TcpHost(Host& session, const Clock& clock, QObject* parent)
    : QObject(parent), host_(session), clock_(clock)
{
    connect(&server_, &QTcpServer::newConnection, this, &TcpHost::Accept);
}

TcpHost::~TcpHost()
{
    for (auto& [id, socket] : sockets_) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

bool TcpHost::Listen(const QHostAddress& address, quint16 port, QString& error)
{
    if (server_.listen(address, port))
        return true;
    error = server_.errorString();
    return false;
}

void TcpHost::Accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const ConnId id = next_++;
        sockets_[id] = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        host_.Opened(id, clock_.Now());
        connect(socket, &QTcpSocket::readyRead, this, [this, id, socket] {
            host_.Received(id, View(socket->readAll()), clock_.Now());
            Flush();
            if (changed)
                changed();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, id, socket] {
            if (sockets_.erase(id)) {
                host_.Closed(id, clock_.Now());
                Flush();
            }
            socket->deleteLater();
            if (changed)
                changed();
        });
        Flush();
    }
}

void TcpHost::Flush()
{
    for (Send& s : host_.Take()) {
        auto it = sockets_.find(s.conn);
        if (it == sockets_.end())
            continue;
        QTcpSocket* socket = it->second;
        if (!s.bytes.empty())
            socket->write(s.bytes.data(), static_cast<qint64>(s.bytes.size()));
        if (s.close) {
            sockets_.erase(it);
            socket->disconnectFromHost(); // after what is written has gone
        }
    }
    for (auto& [id, socket] : sockets_)
        host_.Backlog(id, static_cast<std::size_t>(socket->bytesToWrite()), clock_.Now());
    // A peer dropped for its backlog is closed on the next round.
    for (Send& s : host_.Take())
        if (auto it = sockets_.find(s.conn); it != sockets_.end() && s.close) {
            it->second->abort();
            sockets_.erase(it);
        }
}

// ---- a peer ----------------------------------------------------------------------

TcpPeer::TcpPeer(Peer& session, const Clock& clock, QObject* parent)
    : QObject(parent), peer_(session), clock_(clock)
{
    retry_.setSingleShot(true);
    retry_.setInterval(1000);
    connect(&retry_, &QTimer::timeout, this, &TcpPeer::Open);
}

TcpPeer::~TcpPeer()
{
    Stop();
}

void TcpPeer::Connect(const QString& host, quint16 port)
{
    host_ = host;
    port_ = port;
    stopped_ = false;
    Open();
}

void TcpPeer::Stop()
{
    stopped_ = true;
    retry_.stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void TcpPeer::Open()
{
    if (stopped_)
        return;
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    socket_ = new QTcpSocket(this);
    QTcpSocket* socket = socket_;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        problem_.clear();
        peer_.Opened(clock_.Now());
        Flush();
        if (changed)
            changed();
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        peer_.Received(View(socket->readAll()), clock_.Now());
        Flush();
        if (changed)
            changed();
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
        problem_ = socket->errorString();
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] { Lost(); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
        if (socket->state() == QAbstractSocket::UnconnectedState)
            Lost();
    });
    socket->connectToHost(host_, port_);
}

void TcpPeer::Lost()
{
    peer_.Closed(clock_.Now());
    if (!stopped_ && !peer_.Refused() && peer_.Farewell() < 0 && !retry_.isActive())
        retry_.start();
    if (changed)
        changed();
}

void TcpPeer::Flush()
{
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) {
        peer_.Take(); // nothing to send them on: a rejoin says hello afresh
        return;
    }
    for (const std::string& bytes : peer_.Take())
        socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (peer_.WantsClose())
        socket_->disconnectFromHost();
}

} // namespace gh::net
