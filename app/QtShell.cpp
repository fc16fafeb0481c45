#include "app/QtShell.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "battlefield/FrmMain.h"
#include "app/Forms.h"
#include "platform/qt/TickDriver.h"

namespace gh {

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
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (request.buttons == BoxButtons::Ok)
        return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
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
