// The window registry's side of network play: the network window, what
// the battlefield asks, and the match handed between this machine's own
// clock and the host's journal.
#include <QMessageBox>

#include "app/Forms.h"
#include "app/NetPlay.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Translations.h"
#include "windows/FrmLog.h"
#include "windows/FrmNet.h"
#include "windows/qt/AppSettings.h"
#include "windows/qt/Autosave.h"
#include "world/FieldView.h"

namespace gh {

NetPlay& Forms::Net()
{
    if (!net_) {
        net_ = std::make_unique<NetPlay>(*this);
        net_->afterTick = [this] { Refresh(); };
        net_->changed = [this] {
            if (auto* w = qobject_cast<FrmNet*>(network.data()))
                w->Follow();
            if (log_)
                log_->FollowChat(net_->Active(), net_->Chat());
            if (main_)
                main_->RenderControls();
        };
        net_->askOnTimeout = [this](int side, const QString& who) {
            QMessageBox box(QMessageBox::Question, QTr("Network", "Сетевая игра"),
                            QTr("Network", "Игрок «%1» (%2) не вернулся вовремя. Что делать?")
                                .arg(who, QString::fromStdString(g.U(side).Name)),
                            QMessageBox::NoButton, DialogParent());
            QPushButton* wait = box.addButton(QTr("Network", "Ждать дальше"), QMessageBox::RejectRole);
            QPushButton* computer = box.addButton(QTr("Network", "Пусть играет компьютер"), QMessageBox::AcceptRole);
            QPushButton* stop = box.addButton(QTr("Network", "Сохранить и закончить"), QMessageBox::DestructiveRole);
            box.setDefaultButton(wait);
            box.exec();
            if (box.clickedButton() == computer)
                return 1;
            if (box.clickedButton() == stop)
                return 2;
            return 0;
        };
    }
    return *net_;
}

bool Forms::InNetworkMatch() const
{
    return net_ && net_->Active();
}

bool Forms::FieldIsOurs() const
{
    return !net_ || net_->FieldIsOurs();
}

QString Forms::NetworkWaiting() const
{
    return net_ ? net_->Waiting() : QString();
}

QString Forms::NetworkPlayer() const
{
    return net_ ? net_->PlayedBy(g.ActiveHero) : QString();
}

void Forms::NetworkSay(const QString& text)
{
    if (InNetworkMatch())
        net_->Say(text);
}

void Forms::OpenNetwork()
{
    if (!network)
        network = new FrmNet(*this, Net(), DialogParent());
    network->show();
    network->raise();
    network->activateWindow();
}

bool Forms::NetworkUndo()
{
    return InNetworkMatch() && net_->Undo();
}

save::UndoBar Forms::NetworkUndoBar() const
{
    return net_ ? net_->UndoBarNow() : undo.Why();
}

bool Forms::LeaveNetworkFirst()
{
    if (!InNetworkMatch())
        return true;
    QMessageBox box(QMessageBox::Question, QTr("Network", "Сетевая игра"),
                    QTr("Network", "Идёт сетевая игра. Выйти из неё? Партия останется на этом компьютере."),
                    QMessageBox::Yes | QMessageBox::No, DialogParent());
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QTr("Network", "Выйти"));
    box.button(QMessageBox::No)->setText(QTr("Network", "Остаться"));
    if (box.exec() != QMessageBox::Yes)
        return false;
    net_->Leave();
    return true;
}

void Forms::FollowNetworkMatch(bool first)
{
    // The match has come: the network window has done its part, as the
    // host's closes on «Начать».
    if (first && network)
        network->close();
    CloseMatchWindows();
    // The host's journal drives the match; this machine's own clock and
    // journal wait until network play ends.
    recorder.Detach();
    if (driver)
        driver->Stop();
    // A match sent again (after a walk taken back, or a difference) goes on
    // with the log it has.
    if (first) {
        journal.Restore({});
        if (log_)
            log_->Reload();
    }
    lastRecord_.clear();
    if (autosave)
        autosave->MatchStarted();
    g.canvas->Clear();
    if (g.MatchRunning)
        DrawUnits(g);
    Refresh();
}

void Forms::LeaveNetworkMatch()
{
    if (g.MatchRunning)
        BeginJournal();
    if (driver)
        driver->Start();
    Refresh();
}

} // namespace gh
