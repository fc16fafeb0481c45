#include "windows/FrmInfo.h"

#include <QFont>

#include "app/Forms.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Twips.h"
#include "windows/FrmImg.h"
#include "windows/FrmObj.h"
#include "windows/InfoText.h"

namespace gh {

QFont InfoFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    return font;
}

QLabel* InfoLabel(QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    // Hero names are typed by players: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QString LabelText(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QChar(kCR), QChar('\n'));
    return s;
}

void ShowPortrait(Forms& forms, QLabel* face, int portrait)
{
    if (portrait == 0)
        return;
    face->setPixmap(
        ScaledPicture(forms.Img()->ImgLstFace(portrait), face->size(), face->devicePixelRatioF()));
}

FrmInfo::FrmInfo(Forms& forms, QWidget* parent) : PassingWindow(parent)
{
    setWindowTitle(QStringLiteral("Информация"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6435, 7200));
    setFont(InfoFont());

    // Everything is read once, now: the window is a snapshot, not a live view.
    const CreatureInfo info = CreatureInfoOf(forms.g, forms.g.Selected);

    ImgFace = new QLabel(this);
    ImgFace->setGeometry(TwipsRect(120, 120, 1455, 1455));
    ShowPortrait(forms, ImgFace, info.Portrait);

    LblInfo = InfoLabel(this, TwipsRect(1680, 240, 4575, 1215));
    if (info.HasInfo)
        LblInfo->setText(LabelText(info.LblInfo));
    Lbl1 = InfoLabel(this, TwipsRect(120, 1800, 2775, 5175));
    Lbl1->setText(LabelText(info.Lbl1));
    Lbl2 = InfoLabel(this, TwipsRect(3120, 1800, 3135, 5175));
    Lbl2->setText(LabelText(info.Lbl2));

    CentreOnScreen(this);
}

// Each request gets a window of its own, so a right click on two units
// standing together leaves both windows open, the later one in front.
void Forms::OpenInfo(const InfoRequest& request)
{
    if (!Game::ValidUnit(request.unit))
        return;
    // Without the battlefield (the selection dialog alone) the portrait holder
    // keeps the window, so it is still cleaned up when the game ends.
    QWidget* parent = DialogParent() ? DialogParent() : Img();
    // The windows read Units(Selected) while they load; the selection itself
    // is not the window's business and comes back as it was.
    const std::int32_t remembered = g.Selected;
    g.Selected = request.unit;
    QWidget* window = request.window == InfoWindow::Creature
                          ? static_cast<QWidget*>(new FrmInfo(*this, parent))
                          : static_cast<QWidget*>(new FrmObj(*this, parent));
    g.Selected = remembered;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace gh
