#include "windows/FrmCast.h"

#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>

#include "battlefield/WindowOpener.h"
#include "engine/Order.h"
#include "magic/Casting.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/qt/EnterKey.h"
#include "windows/FrmImg.h"

namespace gh {

namespace {

QString Plain(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QChar(kLineBreak), QChar('\n'));
    return s;
}

QLabel* MakeLabel(QWidget* parent, int left, int top, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setTextFormat(Qt::PlainText); // names come from the tables, but plain all the same
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

FrmCast::FrmCast(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), caster_(forms.g.ActiveHero)
{
    setWindowTitle(QTr("FrmCast", "Магия"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(8145, 6990));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(9);
    setFont(arial);

    Label1 = MakeLabel(this, 120, 240, 1845, 195);
    Label1->setText(QTr("FrmCast", "Доступные заклинания:"));
    // The heading's box is only a line high and just wide enough at the
    // smaller size.
    QFont heading = arial;
    heading.setPointSizeF(8);
    Label1->setFont(heading);

    List1 = new QListWidget(this);
    List1->setGeometry(TwipsRect(120, 480, 3615, 5970));

    ImgFace = MakeLabel(this, 5160, 240, 1455, 1455);
    ImgFace->installEventFilter(this);

    LblInfo = MakeLabel(this, 3960, 1800, 3975, 2535);
    LblInfo->setWordWrap(true);

    LblSuc = MakeLabel(this, 4080, 4440, 3855, 1695);

    CmdCast = new QPushButton(QTr("FrmCast", "Прочитать"), this);
    CmdCast->setGeometry(TwipsRect(4200, 6360, 1575, 495));
    CmdCast->setAutoDefault(false);
    // Nothing to read until a page is picked in this opening: the figures
    // left over from an earlier pick may belong to a page used up since.
    CmdCast->setEnabled(false);
    CmdCancel = new QPushButton(QTr("FrmCast", "Ненадо"), this);
    CmdCancel->setGeometry(TwipsRect(6240, 6360, 1455, 495));
    CmdCancel->setAutoDefault(false);

    for (const std::string& line : SpellbookLines(forms_.g))
        List1->addItem(QString::fromStdString(line));

    // A pick is a selected line. The list makes its first line current when it
    // takes the focus, without selecting it; that is not the player's choice.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty())
            Pick(List1->row(List1->selectedItems().first()));
    });
    connect(CmdCast, &QPushButton::clicked, this, &FrmCast::Read);
    connect(CmdCancel, &QPushButton::clicked, this, &QWidget::close);
    CentreOnScreen(this);
    // The arrows go through the pages from the start.
    List1->setFocus();
}

void FrmCast::Pick(int line)
{
    // While the match waits (the hero selection is open) nothing is picked.
    if (line < 0 || forms_.g.timers.Held())
        return;
    // Picking a creature's page draws up what would come from the match's
    // generator: an order like any other, so that a record holds it.
    Order pick;
    pick.kind = OrderKind::PickPage;
    pick.who = caster_;
    pick.slot = SlotOfLine(forms_.g, line);
    if (GiveOrder(forms_.g, pick) != Refusal::None)
        return;
    const CastEntry entry = ChosenEntry(forms_.g);
    if (entry.slot < 0)
        return;
    pickedValue_ = entry.value;
    if (entry.portrait > 0)
        ImgFace->setPixmap(
            ScaledPicture(forms_.Img()->ImgLstFace(entry.portrait), ImgFace->size(), devicePixelRatioF()));
    else
        ImgFace->clear();
    LblInfo->setText(Plain(entry.info));
    LblSuc->setText(Plain(entry.figures));
    CmdCast->setEnabled(true);
}

void FrmCast::Read()
{
    if (pickedValue_ == 0 || forms_.g.timers.Held())
        return;
    Order read;
    read.kind = OrderKind::ReadPage;
    read.who = caster_;
    read.slot = forms_.g.ChosenSlot;
    switch (GiveOrder(forms_.g, read)) {
    case Refusal::None:
        // The field waits for the click that places it.
        forms_.Refresh();
        close();
        break;
    case Refusal::Busy:          // something still moves: try again later
    case Refusal::ShortOfReason: // the player has been told
    case Refusal::ShortOfMana: break;
    default: close(); break; // nobody here can cast any more
    }
}

void FrmCast::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The list picks a page with the arrows; Enter reads it, or presses
        // the button the player has tabbed to.
        PressForEnter(this, CmdCast);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

bool FrmCast::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImgFace && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && pickedValue_ > 0) {
        // The information window describes Units(Selected) as it opens; the
        // creature to be called waits in the scratch record 0.
        Game& g = forms_.g;
        const int remembered = g.Selected;
        g.Selected = 0;
        forms_.OpenInfo({0, InfoWindow::Creature});
        g.Selected = remembered;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gh
