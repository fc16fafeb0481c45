#include "windows/FrmMenu.h"

#include <QFont>
#include <QKeyEvent>

#include "battlefield/Toolbar.h"
#include "battlefield/WindowOpener.h"
#include "platform/qt/Twips.h"

namespace gh {

namespace {

struct MenuButton {
    const char* caption;
    int top;
    bool enabled;
};

// By index; the buttons are stacked on screen by their tops, not their index.
constexpr MenuButton kButtons[6] = {
    {"Заново", 360, true},     {"Сохранить", 840, false},  {"Загрузить", 1320, false},
    {"От Автора", 2280, true}, {"Продолжить", 1800, true}, {"Выход", 2880, true},
};

} // namespace

FrmMenu::FrmMenu(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms)
{
    setWindowTitle(QStringLiteral("Главное Меню"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(3165, 3660));

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    for (int i = 0; i < 6; ++i) {
        Cmd[i] = new QPushButton(QString::fromUtf8(kButtons[i].caption), this);
        Cmd[i]->setFont(font);
        Cmd[i]->setGeometry(TwipsRect(480, kButtons[i].top, 2175, 375));
        Cmd[i]->setEnabled(kButtons[i].enabled);
        Cmd[i]->setAutoDefault(false);
        connect(Cmd[i], &QPushButton::clicked, this, [this, i] { CmdClicked(i); });
        if (i > 0)
            setTabOrder(Cmd[i - 1], Cmd[i]);
    }
    CentreOnScreen(this);
}

void FrmMenu::CmdClicked(int index)
{
    switch (index) {
    case 0:
        forms_.OpenSelect();
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
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
