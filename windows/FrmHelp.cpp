#include "windows/FrmHelp.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/HelpText.h"

namespace gh {

FrmHelp::FrmHelp(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QTr("FrmHelp", "Помощь"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 720);
    setMinimumSize(420, 300);

    TxtHelp = new QTextBrowser(this);
    TxtHelp->setObjectName(QStringLiteral("TxtHelp"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    TxtHelp->setFont(font);
    TxtHelp->setOpenLinks(false);
    // Our own page: no player's text ever goes into it.
    TxtHelp->setHtml(QString::fromStdString(HelpPage()));

    CmdOK = new QPushButton(QTr("FrmHelp", "Закрыть"), this);
    CmdOK->setAutoDefault(false);
    connect(CmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TxtHelp);
    layout->addLayout(buttons);

    CentreOnScreen(this);
}

void FrmHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F1) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
