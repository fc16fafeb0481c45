#include "windows/FrmSaveName.h"

#include <QKeyEvent>

#include "battlefield/WindowOpener.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/SaveState.h"

namespace gh {

namespace {

// A title becomes the file's name; longer ones would be cut there.
constexpr int kMaxTitle = 80;

} // namespace

FrmSaveName::FrmSaveName(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms)
{
    setWindowTitle(QTr("FrmSaveName", "Сохранить партию"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(TwipsSize(6000, 1980));

    LblName = new QLabel(QTr("FrmSaveName", "Название сохранения:"), this);
    LblName->setTextFormat(Qt::PlainText);
    LblName->setGeometry(TwipsRect(240, 180, 5520, 330));

    TxtName = new QLineEdit(this);
    TxtName->setGeometry(TwipsRect(240, 540, 5520, 375));
    TxtName->setMaxLength(kMaxTitle);
    TxtName->setToolTip(QTr("FrmSaveName", "Под этим названием партия появится в списке сохранений"));
    TxtName->setText(QString::fromStdString(SuggestedSaveTitle(forms_.g)).left(kMaxTitle));
    TxtName->selectAll();
    LblName->setBuddy(TxtName);
    TxtName->setAccessibleName(LblName->text());

    CmdOK = new QPushButton(QTr("FrmSaveName", "Сохранить"), this);
    CmdOK->setGeometry(TwipsRect(2640, 1320, 1455, 375));
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &FrmSaveName::Save);

    CmdCancel = new QPushButton(QTr("FrmSaveName", "Отмена"), this);
    CmdCancel->setGeometry(TwipsRect(4305, 1320, 1455, 375));
    CmdCancel->setAutoDefault(false);
    connect(CmdCancel, &QPushButton::clicked, this, &QWidget::close);

    // A name of blanks alone names nothing.
    auto enableOk = [this] { CmdOK->setEnabled(!TxtName->text().trimmed().isEmpty()); };
    connect(TxtName, &QLineEdit::textChanged, this, enableOk);
    connect(TxtName, &QLineEdit::returnPressed, this, [this] {
        if (CmdOK->isEnabled())
            CmdOK->click();
    });
    enableOk();

    CentreOnScreen(this);
    TxtName->setFocus();
}

void FrmSaveName::Save()
{
    const QString title = TxtName->text().simplified();
    if (title.isEmpty())
        return;
    if (forms_.SaveAs(title))
        close();
}

void FrmSaveName::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        CmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
