#include "windows/FrmMenu.h"

#include <QFont>
#include <QKeyEvent>

#include "battlefield/Toolbar.h"
#include "battlefield/WindowOpener.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/qt/EnterKey.h"
#include "windows/SaveState.h"

namespace gh {

namespace {

struct MenuButton {
    const char* caption;
    int top;
};

// By index; the buttons are stacked on screen by their tops, not their index.
constexpr MenuButton kButtons[6] = {
    {GH_TR_NOOP("FrmMenu", "Заново"), 360},      {GH_TR_NOOP("FrmMenu", "Сохранить"), 840},
    {GH_TR_NOOP("FrmMenu", "Загрузить"), 1320},  {GH_TR_NOOP("FrmMenu", "От Автора"), 2280},
    {GH_TR_NOOP("FrmMenu", "Продолжить"), 1800}, {GH_TR_NOOP("FrmMenu", "Выход"), 3840},
};

} // namespace

FrmMenu::FrmMenu(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms)
{
    setWindowTitle(QTr("FrmMenu", "Главное Меню"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(3165, 4620));

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    for (int i = 0; i < 6; ++i) {
        Cmd[i] = new QPushButton(QTr("FrmMenu", kButtons[i].caption), this);
        Cmd[i]->setFont(font);
        Cmd[i]->setGeometry(TwipsRect(480, kButtons[i].top, 2175, 375));
        Cmd[i]->setAutoDefault(false);
        connect(Cmd[i], &QPushButton::clicked, this, [this, i] { CmdClicked(i); });
        if (i > 0)
            setTabOrder(Cmd[i - 1], Cmd[i]);
    }
    CmdNetwork = new QPushButton(QTr("FrmMenu", "Сетевая игра"), this);
    CmdNetwork->setFont(font);
    CmdNetwork->setGeometry(TwipsRect(480, 2880, 2175, 375));
    CmdNetwork->setAutoDefault(false);
    CmdNetwork->setToolTip(QTr("FrmMenu", "Создать партию для игры по сети или подключиться к чужой"));
    connect(CmdNetwork, &QPushButton::clicked, this, [this] {
        close();
        forms_.OpenNetwork();
    });
    CmdRecords = new QPushButton(QTr("FrmMenu", "Записи партий"), this);
    CmdRecords->setFont(font);
    CmdRecords->setGeometry(TwipsRect(480, 3360, 2175, 375));
    CmdRecords->setAutoDefault(false);
    CmdRecords->setToolTip(QTr("FrmMenu", "Посмотреть записанную партию"));
    connect(CmdRecords, &QPushButton::clicked, this, [this] {
        close();
        forms_.OpenRecords();
    });
    setTabOrder(Cmd[3], CmdNetwork);
    setTabOrder(CmdNetwork, CmdRecords);
    setTabOrder(CmdRecords, Cmd[5]);
    Cmd[2]->setToolTip(QTr("FrmMenu", "Загрузить сохранённую партию"));
    ShowSaveState();
    CentreOnScreen(this);
    // Opened from the keyboard, the menu is played from it: Enter presses
    // the first button until another is chosen.
    Cmd[0]->setFocus();
}

std::string FrmMenu::WhyNotSave() const
{
    // The selection lends the waiting match's heroes to its own rows.
    if (forms_.SelectionHoldsMatch())
        return GH_TR("FrmMenu", "Сначала закройте выбор участников: пока он открыт, партия ждёт.");
    return WhySaveIsUnavailable(forms_.g);
}

void FrmMenu::ShowSaveState()
{
    // The menu stays open while the match goes on under it: the button
    // follows every tick.
    const std::string why = WhyNotSave();
    Cmd[1]->setEnabled(why.empty());
    const QString tip = why.empty()
                            ? QTr("FrmMenu", "Сохранить партию")
                            : QTr("FrmMenu", "Сохранить сейчас нельзя. ") + QString::fromStdString(why);
    if (Cmd[1]->toolTip() != tip)
        Cmd[1]->setToolTip(tip);
}

void FrmMenu::CmdClicked(int index)
{
    switch (index) {
    case 0:
        // A new match would replace the shared one: network play ends first.
        if (!forms_.LeaveNetworkFirst())
            break;
        forms_.OpenSelect();
        close();
        break;
    case 1:
        if (!WhyNotSave().empty())
            break;
        forms_.OpenSaveName();
        close();
        break;
    case 2:
        if (!forms_.LeaveNetworkFirst())
            break;
        forms_.OpenSaves();
        close();
        break;
    case 3:
        forms_.OpenAuthor();
        close();
        break;
    case 4: close(); break;
    case 5:
        if (ConfirmExit(forms_.g))
            forms_.g.shell->Quit();
        break;
    default: break;
    }
}

void FrmMenu::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressForEnter(this, nullptr);
        return;
    // The buttons stand in a column: the arrows go up and down it, as Tab
    // and Shift+Tab do.
    case Qt::Key_Up: focusNextPrevChild(false); return;
    case Qt::Key_Down: focusNextPrevChild(true); return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace gh
