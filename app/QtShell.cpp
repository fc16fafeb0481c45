#include "app/QtShell.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QString>
#include <QWidget>

#include "app/Forms.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/TickDriver.h"
#include "platform/qt/Translations.h"
#include "windows/FrmMes.h"

namespace gh {

namespace {

// A box that opens while a computer hero's speech is up must not hide it:
// a box with a long text could still reach up over the speech window, so
// once the box knows its size it steps down below the speech.
class KeepClearOf final : public QObject {
public:
    KeepClearOf(QWidget* box, QWidget* speech) : QObject(box), box_(box), speech_(speech) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box_ && event->type() == QEvent::Show && speech_ && speech_->isVisible()) {
            const QRect face = speech_->frameGeometry();
            const QRect mine = box_->frameGeometry();
            if (mine.intersects(face))
                box_->move(mine.left(), face.bottom() + 1 + kGap);
        }
        return false;
    }

private:
    static constexpr int kGap = 8;
    QWidget* box_;
    QPointer<QWidget> speech_;
};

// Room for a window manager's icon and close, minimise and maximise buttons.
constexpr int kTitleBarButtons = 110;

} // namespace

QtShell::QtShell(Forms& forms) : leaveEventLoop([] { QCoreApplication::quit(); }), forms_(forms) {}

BoxAnswer QtShell::MessageBox(const MessageBoxRequest& request)
{
    // No battlefield timer may run while the box waits: the nested event loop
    // would otherwise re-enter the rule that opened it.
    SchedulerHold hold(&forms_.g.timers);

    // On the battlefield, not on whichever dialog is active: a speech window
    // may be replaced by the next turn's while a box sits on it.
    QWidget* parent = forms_.DialogParent();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowTitle(QString::fromStdString(request.title));
    box.setText(QString::fromStdString(request.text));
    switch (request.icon) {
    case BoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case BoxIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (request.buttons == BoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else if (request.buttons == BoxButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(request.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        // Esc and the close box take nothing back and lose nothing.
        box.setEscapeButton(QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QTr("QtShell", "Отмена"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    if (request.buttons != BoxButtons::Ok) {
        if (!request.yesCaption.empty())
            box.button(QMessageBox::Yes)->setText(QString::fromStdString(request.yesCaption));
        if (!request.noCaption.empty())
            box.button(QMessageBox::No)->setText(QString::fromStdString(request.noCaption));
    }
    if (QWidget* speech = forms_.Speech())
        box.installEventFilter(new KeepClearOf(&box, speech));
    // The window manager cuts a title that is wider than the box ("День 12"
    // over a short text); the box is made wide enough for it and for the
    // title bar's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int answer = box.exec();
    if (request.buttons == BoxButtons::Ok)
        return BoxAnswer::Ok;
    if (answer == QMessageBox::Yes)
        return BoxAnswer::Yes;
    if (answer == QMessageBox::Cancel)
        return BoxAnswer::Cancel;
    return BoxAnswer::No;
}

void QtShell::AnnounceComputerTurn(const MessageBoxRequest& box)
{
    // Otherwise the strip and the log say whose turn it is.
    if (forms_.prefs.AnnounceComputerTurns)
        MessageBox(box);
}

void QtShell::CloseSelection()
{
    forms_.CloseSelection();
}

void QtShell::ShowSpeech()
{
    forms_.OpenSpeech();
}

void QtShell::DefaultPointer()
{
    if (FrmMain* main = forms_.Main())
        main->unsetCursor();
}

void QtShell::Quit()
{
    forms_.quitting = true;
    forms_.g.timers.DisableAll();
    if (forms_.driver)
        forms_.driver->Stop();
    // Every window goes, dialogs first, the battlefield last.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && w != forms_.Main())
            w->close();
    if (FrmMain* main = forms_.Main())
        main->close();
    if (leaveEventLoop)
        leaveEventLoop();
}

} // namespace gh
