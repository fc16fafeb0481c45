#pragma once

#include <QString>

#include <vector>

namespace gh {

// What the network window asks of network play (app/NetPlay.cpp): hosting
// the match on screen or joining another machine's, the seats, and how it
// stands.
class NetworkPlay {
public:
    enum class Mode { None, Hosting, Joined };
    static constexpr unsigned short kDefaultPort = 27183; // as grimhollow-host's

    virtual ~NetworkPlay() = default;

    virtual Mode Current() const = 0;
    bool Active() const { return Current() != Mode::None; }

    // Hosts the match on screen on `port` (0: any free port); `remote` are
    // the sides played at other machines. False with the reason.
    virtual bool Host(unsigned short port, const QString& joinCode, const std::vector<int>& remote,
                      QString& error) = 0;
    virtual unsigned short Port() const = 0;
    // Host: every offered side has its person.
    virtual bool Full() const = 0;
    virtual bool Started() const = 0;
    // Host: the match goes to everyone and play begins.
    virtual void StartMatch() = 0;

    // Joins the match at `address`:`port`, the person's hero of `heroClass`
    // (1 Маг, 2 Некромант, 3 Лучница; 0 as the host set it up) and named
    // `heroName` ("" as the host named it); what comes of it shows in the
    // seats, Connected, Started and Problem.
    virtual void Join(const QString& address, unsigned short port, const QString& name, const QString& joinCode,
                      int heroClass = 0, const QString& heroName = {}) = 0;
    // Peer: asks the host for the open seat of `side`, the hero as chosen.
    virtual void Claim(int side) = 0;
    virtual bool Connected() const = 0;

    // Ends network play on this machine (a goodbye to the others). The match
    // on screen stays and goes on at this machine.
    virtual void Leave() = 0;

    // The seats as they stand: the side, who holds it ("" when open),
    // whether that is this machine's person and whether they are connected.
    struct SeatView {
        int side = 0;
        QString person;
        bool here = false;
        bool connected = false;
        int heroClass = 0; // as its person chose it (0: as the host set it up)
    };
    virtual std::vector<SeatView> Seats() const = 0;

    // Who the match waits for and how long is left ("" for nobody), and what
    // went wrong last ("" when nothing did).
    virtual QString Waiting() const = 0;
    virtual const QString& Problem() const = 0;
};

} // namespace gh
