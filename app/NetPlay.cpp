#include "app/NetPlay.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <random>

#include "app/Forms.h"
#include "battlefield/Drawing.h"
#include "engine/Setup.h"
#include "platform/qt/Translations.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "windows/FrmLog.h"
#include "windows/SaveState.h"
#include "windows/qt/Autosave.h"
#include "windows/qt/SaveFiles.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string GameVersion()
{
    return QCoreApplication::applicationVersion().toStdString();
}

QString HeroName(const Game& g, int side)
{
    if (side < 1 || side > kHeroes)
        return {};
    return Q(g.U(side).Name);
}

// A walk and an exchange are proposed as the strong player gives them: the
// host names what stands on the cell as the pointer resting there would have.
Order AsProposed(Order o)
{
    if (o.kind == OrderKind::Walk || o.kind == OrderKind::Exchange)
        o.hand = Hand::Strong;
    return o;
}

} // namespace

// The boxes of a match followed from the host. A question is answered from
// the journal (the person who gave the order answered it at their machine);
// what is only told shows without holding the match up, one box at a time;
// the computer's speech and the pointer are the program's.
class NetPlay::PeerShell final : public Shell {
public:
    PeerShell(NetPlay& net, Shell& own) : net_(net), own_(own) {}
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        net_.ShowNews(Q(box.title), Q(box.text));
        return BoxAnswer::Ok;
    }
    void AnnounceComputerTurn(const MessageBoxRequest&) override {}
    void CloseSelection() override { own_.CloseSelection(); }
    void ShowSpeech() override { own_.ShowSpeech(); }
    void DefaultPointer() override { own_.DefaultPointer(); }

private:
    NetPlay& net_;
    Shell& own_;
};

// The host's boxes: while a side played at another machine is on the move,
// what the rules tell does not wait for this machine's person (the match
// would stand still for everyone until they clicked).
class NetPlay::HostShell final : public Shell {
public:
    HostShell(NetPlay& net, Shell& own, Game& g) : net_(net), own_(own), g_(g) {}
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        if (box.buttons == BoxButtons::Ok && !net_.PlaysHere(g_.ActiveHero) && g_.ActiveHero >= 1 &&
            g_.ActiveHero <= kHeroes && g_.HeroIsHuman[static_cast<std::size_t>(g_.ActiveHero)]) {
            net_.ShowNews(Q(box.title), Q(box.text));
            return BoxAnswer::Ok;
        }
        return own_.MessageBox(box);
    }
    void AnnounceComputerTurn(const MessageBoxRequest& box) override { own_.AnnounceComputerTurn(box); }
    void CloseSelection() override { own_.CloseSelection(); }
    void ShowSpeech() override { own_.ShowSpeech(); }
    void DefaultPointer() override { own_.DefaultPointer(); }
    void Quit() override { own_.Quit(); }

private:
    NetPlay& net_;
    Shell& own_;
    Game& g_;
};

namespace {

// Asks this machine's person what the order asks (on a copy of the match,
// which changes nothing on screen) and keeps the answers for the proposal;
// what the rules only tell (a refusal) shows as at one machine.
class AskingShell final : public Shell {
public:
    explicit AskingShell(Shell& own) : own_(own) {}
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        const BoxAnswer a = own_.MessageBox(box);
        if (box.buttons == BoxButtons::YesNo)
            answers.push_back(a);
        return a;
    }
    std::vector<BoxAnswer> answers;

private:
    Shell& own_;
};

} // namespace

NetPlay::NetPlay(Forms& forms) : forms_(forms)
{
    pulse_.setTimerType(Qt::PreciseTimer);
    connect(&pulse_, &QTimer::timeout, this, [this] {
        if (mode_ == Mode::Hosting)
            HostPulse();
        else if (mode_ == Mode::Joined)
            PeerFrame();
    });
}

NetPlay::~NetPlay()
{
    pulse_.stop();
    if (Active())
        Leave();
    for (auto& r : retired_) {
        if (r->tcpHost)
            r->tcpHost->changed = nullptr;
        if (r->tcpPeer)
            r->tcpPeer->changed = nullptr;
    }
    retired_.clear();
}

QString NetPlay::RefusalText(net::RefuseReason why, const QString& hostText)
{
    switch (why) {
    case net::RefuseReason::Protocol:
    case net::RefuseReason::Version:
        return QTr("NetPlay", "У хозяина партии другая версия игры. Играть вместе можно только одной и той же "
                              "версией.\n\nХозяин ответил: %1")
            .arg(hostText);
    case net::RefuseReason::JoinCode: return QTr("NetPlay", "Неверный код партии.");
    case net::RefuseReason::Full: return QTr("NetPlay", "В этой партии все места уже заняты.");
    case net::RefuseReason::Started: return QTr("NetPlay", "Партия уже идёт, и места для вас в ней нет.");
    case net::RefuseReason::Malformed: break;
    }
    return QTr("NetPlay", "Хозяин партии не принял подключение: %1").arg(hostText);
}

// ---- hosting ------------------------------------------------------------------

bool NetPlay::Host(unsigned short port, const QString& joinCode, const std::vector<int>& remote, QString& error)
{
    Game& g = forms_.g;
    if (Active())
        Leave();
    if (!g.MatchRunning) {
        error = QTr("NetPlay", "Сначала начните партию: «Заново» в главном меню.");
        return false;
    }
    if (remote.empty()) {
        error = QTr("NetPlay", "Отметьте хотя бы одного героя, за которого играют по сети.");
        return false;
    }
    if (!forms_.recorder.Attached())
        forms_.BeginNetworkJournal();
    std::random_device entropy;
    const std::uint64_t seed = (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
    host_ = std::make_unique<net::Host>(g, forms_.recorder, GameVersion(), joinCode.toStdString(), limits, seed);
    for (const int side : remote)
        host_->OfferSide(side);
    tcpHost_ = std::make_unique<net::TcpHost>(*host_, clock_);
    if (!tcpHost_->Listen(QHostAddress::Any, port, error)) {
        error = QTr("NetPlay", "Не удаётся принимать подключения на порту %1: %2").arg(port).arg(error);
        tcpHost_.reset();
        host_.reset();
        return false;
    }
    remote_ = remote;
    mode_ = Mode::Hosting;
    problem_.clear();
    events_.clear();
    hostLogSeen_ = chatSeen_ = 0;
    asked_ = false;
    tcpHost_->changed = [this] { Told(); };
    host_->viewChanged = [this] { RedrawView(); };
    host_->undo = [this] {
        if (!forms_.undo.Undo())
            return false;
        forms_.Refresh();
        return true;
    };
    // This machine's person orders only the sides played here.
    forms_.recorder.gate = [this](const Game& game, const Order&) -> std::optional<Refusal> {
        if (game.timers.InTick() || (host_ && host_->Giving()) || PlaysHere(game.ActiveHero))
            return std::nullopt;
        return Refusal::NotTheirTurn;
    };
    ownShell_ = g.shell;
    hostShell_ = std::make_unique<HostShell>(*this, *ownShell_, g);
    g.shell = hostShell_.get();
    pulse_.start(20);
    Told();
    return true;
}

unsigned short NetPlay::Port() const
{
    return tcpHost_ ? tcpHost_->Port() : 0;
}

bool NetPlay::Full() const
{
    return host_ && host_->Full();
}

bool NetPlay::Started() const
{
    if (host_)
        return host_->Started();
    return peer_ && peer_->Match();
}

void NetPlay::StartMatch()
{
    if (!host_ || host_->Started())
        return;
    // The heroes as their persons chose them. The match is changed outside
    // any order, so its journal begins again here: the network match's
    // record starts as the match starts for everyone.
    Game& g = forms_.g;
    bool changed = false;
    for (const auto& s : host_->Seats()) {
        if (s.peer == net::kNoOwner)
            continue;
        if (s.heroClass != 0 && g.U(s.side).UnitType != HeroTypeOfClass(s.heroClass))
            changed |= ChangeHeroClass(g, s.side, s.heroClass);
        if (!s.heroName.empty() && g.U(s.side).Name != s.heroName) {
            g.U(s.side).Name = s.heroName;
            changed = true;
        }
    }
    if (changed) {
        forms_.BeginNetworkJournal();
        g.canvas->Clear();
        DrawUnits(g);
    }
    host_->Start(clock_.Now());
    tcpHost_->Flush();
    Told();
}

void NetPlay::HostPulse()
{
    const net::Millis now = clock_.Now();
    Game& g = forms_.g;
    host_->Poll(now);
    tcpHost_->Flush();
    if (host_->Started() && !g.MatchRunning) {
        host_->Finish(net::kByeMatchOver, "the match is over", now);
        tcpHost_->Flush();
        Stop({});
        return;
    }
    const int side = g.ActiveHero;
    if (host_->Started() && host_->AwayLeft(side, now) == 0 && !asked_) {
        asked_ = true;
        QString who;
        for (const auto& s : host_->Seats())
            if (s.side == side)
                who = Q(s.name);
        const int choice = askOnTimeout ? askOnTimeout(side, who) : 0;
        if (choice == 1) {
            host_->HandToComputer(side);
            forms_.Refresh();
        } else if (choice == 2) {
            if (forms_.autosave && forms_.saves && WhySaveIsUnavailable(g).empty()) {
                const save::MatchMemory memory = forms_.Memory();
                QString error;
                Autosave::Store(*forms_.saves, Autosave::PathOf(g, *forms_.saves), Autosave::Text(g, &memory), error);
            }
            host_->Finish(net::kByeHostStopped, "the host saved the match and stopped", now);
            tcpHost_->Flush();
            Stop({});
            return;
        }
    }
    if (host_->AwayLeft(side, now) != 0)
        asked_ = false;
    Told();
}

// ---- joining ------------------------------------------------------------------

void NetPlay::Join(const QString& address, unsigned short port, const QString& name, const QString& joinCode,
                   int heroClass, const QString& heroName)
{
    if (Active())
        Leave();
    name_ = name;
    peer_ = std::make_unique<net::Peer>(GameVersion(), name.toStdString(), joinCode.toStdString(), limits);
    ownShell_ = forms_.g.shell;
    peerShell_ = std::make_unique<PeerShell>(*this, *ownShell_);
    peer_->Follow(&forms_.g, peerShell_.get());
    peer_->adopted = [this](const save::LoadResult& loaded) { Adopted(loaded); };
    peer_->divert = [this](Game& g, const Order& o) { return Divert(g, o); };
    tcpPeer_ = std::make_unique<net::TcpPeer>(*peer_, clock_);
    tcpPeer_->changed = [this] { PeerNews(); };
    mode_ = Mode::Joined;
    problem_.clear();
    events_.clear();
    chat_.clear();
    chatSeen_ = 0;
    haveShadow_ = false;
    lastHeard_ = joinedAt_ = clock_.Now();
    everJoined_ = false;
    address_ = address;
    port_ = port;
    heroClass_ = heroClass;
    heroName_ = heroName.trimmed();
    tcpPeer_->Connect(address, port);
    pulse_.start(Scheduler::kTickMs);
    Told();
}

void NetPlay::Claim(int side)
{
    if (peer_) {
        peer_->Claim(side, heroClass_, heroName_.toStdString(), clock_.Now());
        tcpPeer_->Flush();
    }
}

bool NetPlay::Connected() const
{
    return peer_ ? peer_->Joined() : host_ != nullptr;
}

int NetPlay::OwnSide() const
{
    return peer_ ? peer_->Side() : 0;
}

bool NetPlay::HasMatch() const
{
    return peer_ && peer_->Match();
}

void NetPlay::Adopted(const save::LoadResult&)
{
    // The host's match replaces whatever this machine had: its windows go
    // with the old match, the log begins afresh, and the program's own
    // journal and clock stand aside (the host's journal is the match's).
    forms_.FollowNetworkMatch(!running_);
    shadow_ = save::SeatInputsOf(forms_.g);
    haveShadow_ = true;
    running_ = true;
    RedrawView();
    Told();
}

std::optional<Refusal> NetPlay::Divert(Game& g, const Order& order)
{
    if (!FieldIsOurs())
        return Refusal::NotTheirTurn;
    const Order o = AsProposed(order);
    const Refusal check = CheckOrder(g, o);
    if (check != Refusal::None && !RefusalIsTold(check))
        return check;
    // What the order asks is asked here, of the person giving it.
    Game probe(g);
    AskingShell asking(*ownShell_);
    probe.shell = &asking;
    const Refusal why = GiveOrder(probe, o);
    if (why != Refusal::None)
        return why;
    peer_->Propose(o, clock_.Now(), asking.answers);
    tcpPeer_->Flush();
    return Refusal::None;
}

void NetPlay::PeerFrame()
{
    const net::Millis now = clock_.Now();
    peer_->Poll(now);
    Game& g = forms_.g;
    if (peer_->Match() && haveShadow_) {
        // The windows may have written the shared state since the last
        // frame (the pointer names a target, the bars move the view): it
        // is the host's journal's alone. A view the person whose turn it is
        // chose goes to the host, and comes back as a line.
        const save::SeatInputs ui = save::SeatInputsOf(g);
        if (!(ui == shadow_)) {
            if ((ui.ViewX != shadow_.ViewX || ui.ViewY != shadow_.ViewY) && FieldIsOurs())
                peer_->ProposeView(ui.ViewX, ui.ViewY, now);
            save::ApplySeatInputs(g, shadow_);
            RedrawView();
        }
        const float vx = g.ViewX, vy = g.ViewY;
        const std::uint64_t ticks = g.timers.Ticks();
        const std::uint64_t horizon = peer_->Replay()->Horizon();
        // Behind the host (after a join or a stall), the match runs faster
        // until it has caught up.
        const std::uint64_t behind = horizon > ticks ? horizon - ticks : 0;
        const int steps = behind > 4 ? static_cast<int>(std::min<std::uint64_t>(behind / 2, 240)) : 1;
        if (!g.timers.Held())
            peer_->Run(steps, now);
        shadow_ = save::SeatInputsOf(g);
        if (g.ViewX != vx || g.ViewY != vy)
            RedrawView();
        if (afterTick)
            afterTick();
    }
    tcpPeer_->Flush();
    PeerNews();
}

void NetPlay::PeerNews()
{
    if (!peer_)
        return;
    const net::Millis now = clock_.Now();
    if (peer_->Joined())
        lastHeard_ = now;
    for (; chatSeen_ < peer_->chat.size(); ++chatSeen_)
        chat_ << Q(peer_->chat[chatSeen_]);
    if (peer_->Desynced() && !problem_.startsWith(QLatin1Char('!'))) {
        events_ << QTr("NetPlay", "Партия здесь разошлась с партией хозяина (%1); хозяин присылает свою.")
                       .arg(Q(peer_->DesyncWhy()));
    }
    if (!peer_->Joined() && !everJoined_ && now - joinedAt_ > kFirstContactMs && !tcpPeer_->Problem().isEmpty()) {
        Stop(QTr("NetPlay", "Не удаётся подключиться к %1, порт %2: там никто не ждёт игроков.\n\n%3")
                 .arg(address_)
                 .arg(port_)
                 .arg(tcpPeer_->Problem()));
        return;
    }
    if (peer_->Joined() && !everJoined_) {
        everJoined_ = true;
        // The hero as the person chose it, for the seat the host gave.
        if (heroClass_ != 0 || !heroName_.isEmpty())
            Claim(peer_->Side());
    }
    if (peer_->Refused()) {
        Stop(RefusalText(peer_->RefusedFor(), Q(peer_->Refusal())));
        return;
    }
    if (peer_->Farewell() == net::kByeMatchOver) {
        // The journal came to its end: the last ticks play before the end.
        if (!peer_->Replay() || peer_->Replay()->Waiting() || peer_->Desynced()) {
            Stop(QTr("NetPlay", "Партия окончена."));
            return;
        }
    } else if (peer_->Farewell() == net::kByeHostStopped) {
        Stop(QTr("NetPlay", "Хозяин партии закончил сетевую игру. Партия осталась на этом компьютере: её можно "
                            "продолжить здесь или загрузить из автосохранения."));
        return;
    } else if (now - lastHeard_ > kHostGoneMs) {
        Stop(QTr("NetPlay", "Хозяин партии не отвечает уже две минуты. Партия осталась на этом компьютере: её "
                            "можно продолжить здесь или загрузить из автосохранения."));
        return;
    }
    Told();
}

// ---- both ---------------------------------------------------------------------

bool NetPlay::PlaysHere(int side) const
{
    if (mode_ == Mode::Hosting)
        return std::find(remote_.begin(), remote_.end(), side) == remote_.end();
    if (mode_ == Mode::Joined)
        return peer_ && side == peer_->Side();
    return true;
}

bool NetPlay::FieldIsOurs() const
{
    const Game& g = forms_.g;
    if (mode_ == Mode::Joined && !HasMatch())
        return false;
    return PlaysHere(g.ActiveHero);
}

std::vector<NetPlay::SeatView> NetPlay::Seats() const
{
    std::vector<SeatView> out;
    if (host_) {
        for (const auto& s : host_->Seats()) {
            SeatView v;
            v.side = s.side;
            v.person = s.peer == net::kNoOwner ? QString() : Q(s.name);
            v.connected = s.peer != net::kNoOwner && !host_->Away(s.side);
            v.heroClass = s.heroClass;
            out.push_back(v);
        }
    } else if (peer_) {
        for (const auto& s : peer_->seats) {
            SeatView v;
            v.side = s.side;
            v.person = s.owner == net::kNoOwner ? QString() : Q(s.name);
            v.here = s.owner != net::kNoOwner && s.owner == peer_->Id();
            v.connected = s.owner != net::kNoOwner;
            out.push_back(v);
        }
    }
    return out;
}

bool NetPlay::Undo()
{
    if (!FieldIsOurs())
        return false;
    if (host_) {
        if (!forms_.undo.Undo())
            return false;
        host_->TakenBack(clock_.Now());
        tcpHost_->Flush();
        forms_.Refresh();
        return true;
    }
    if (peer_ && peer_->ProposeUndo(clock_.Now()) != 0) {
        tcpPeer_->Flush();
        return true;
    }
    return false;
}

save::UndoBar NetPlay::UndoBarNow() const
{
    if (!FieldIsOurs())
        return save::UndoBar::NotPersonsTurn;
    // The host knows its walks; a peer's person asks, and the host decides.
    return host_ ? forms_.undo.Why() : save::UndoBar::None;
}

QString NetPlay::PlayedBy(int side) const
{
    const Game& g = forms_.g;
    if (!Active() || PlaysHere(side) || side < 1 || side > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(side)])
        return {};
    for (const SeatView& s : Seats())
        if (s.side == side && !s.person.isEmpty())
            return s.person;
    return mode_ == Mode::Joined ? QTr("NetPlay", "хозяин партии") : QString();
}

void NetPlay::Say(const QString& text)
{
    const std::string line = text.trimmed().toStdString();
    if (line.empty())
        return;
    if (host_) {
        host_->Say(QTr("NetPlay", "Хозяин").toStdString(), line, clock_.Now());
        tcpHost_->Flush();
    } else if (peer_) {
        peer_->SendChat(line, clock_.Now());
        tcpPeer_->Flush();
    }
    Told();
}

QString NetPlay::Waiting() const
{
    const Game& g = forms_.g;
    int side = 0;
    net::Millis left = 0;
    if (host_ && host_->Started()) {
        left = host_->AwayLeft(g.ActiveHero, clock_.Now());
        side = left >= 0 ? g.ActiveHero : 0;
    } else if (peer_ && peer_->pausedSide != 0) {
        side = peer_->pausedSide;
        left = peer_->pausedLeft;
    }
    if (side == 0)
        return {};
    const long long seconds = (left + 999) / 1000;
    if (seconds <= 0)
        return QTr("NetPlay", "%1: связь потеряна, время ожидания вышло").arg(HeroName(g, side));
    return QTr("NetPlay", "%1: связь потеряна, ждём %2:%3")
        .arg(HeroName(g, side))
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void NetPlay::ShowNews(const QString& title, const QString& text)
{
    // One box for what the match tells, never holding it up: the newest
    // message replaces the one before.
    if (!news_) {
        news_ = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, forms_.DialogParent());
        news_->setAttribute(Qt::WA_DeleteOnClose);
        news_->setModal(false);
        news_->setWindowModality(Qt::NonModal);
    } else {
        news_->setWindowTitle(title);
        news_->setText(text);
    }
    news_->show();
}

void NetPlay::RedrawView()
{
    // The view is the match's: the bars show it and the field is drawn
    // there anew, as a move of the bars does at one machine.
    Game& g = forms_.g;
    g.HorBar.Value = std::clamp(static_cast<int>(std::lround(g.ViewX)), g.HorBar.Min, g.HorBar.Max);
    g.VertBar.Value = std::clamp(static_cast<int>(std::lround(g.ViewY)), g.VertBar.Min, g.VertBar.Max);
    g.canvas->Clear();
    if (g.MatchRunning)
        DrawUnits(g);
    forms_.Refresh();
}

void NetPlay::Told()
{
    if (host_) {
        for (; hostLogSeen_ < host_->log.size(); ++hostLogSeen_)
            events_ << Q(host_->log[hostLogSeen_]);
        for (; chatSeen_ < host_->chat.size(); ++chatSeen_)
            chat_ << Q(host_->chat[chatSeen_]);
    }
    if (changed)
        changed();
}

void NetPlay::Stop(const QString& problem)
{
    problem_ = problem;
    const Mode was = mode_;
    Leave();
    if (!problem.isEmpty() && was == Mode::Joined)
        ShowNews(QTr("NetPlay", "Сетевая игра"), problem);
    if (changed)
        changed();
}

void NetPlay::Leave()
{
    pulse_.stop();
    Game& g = forms_.g;
    const bool followed = peer_ && peer_->Match();
    if (host_) {
        if (host_->Started() || !host_->Seats().empty())
            host_->Finish(net::kByeHostStopped, "the host stopped", clock_.Now());
        if (tcpHost_)
            tcpHost_->Flush();
        forms_.recorder.gate = nullptr;
    }
    if (tcpPeer_)
        tcpPeer_->Stop();
    // The replay gives the match its own door and shell back now.
    if (peer_)
        peer_->Follow(nullptr, nullptr);
    // A host's goodbyes are on their way: its connections close once they
    // are out (closing at once would throw them away).
    const int linger = host_ ? kGoodbyeMs : 0;
    auto retired = std::make_unique<Retired>();
    retired->host = std::move(host_);
    retired->peer = std::move(peer_);
    retired->tcpHost = std::move(tcpHost_);
    retired->tcpPeer = std::move(tcpPeer_);
    Retired* gone = retired.get();
    retired_.push_back(std::move(retired));
    QTimer::singleShot(linger, this, [this, gone] {
        std::erase_if(retired_, [gone](const std::unique_ptr<Retired>& r) { return r.get() == gone; });
    });
    if (ownShell_)
        g.shell = ownShell_;
    ownShell_ = nullptr;
    hostShell_.reset();
    peerShell_.reset();
    remote_.clear();
    mode_ = Mode::None;
    haveShadow_ = false;
    if (followed) {
        // The match followed from the host goes on here, on this machine's
        // own clock and journal.
        forms_.LeaveNetworkMatch();
    }
    running_ = false;
    if (changed)
        changed();
}

} // namespace gh
