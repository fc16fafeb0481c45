#include "windows/FrmInfo.h"

#include <QFont>

#include "battlefield/WindowOpener.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/FrmImg.h"
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

void ShowPortrait(WindowOpener& forms, QLabel* face, int portrait)
{
    if (portrait == 0)
        return;
    face->setPixmap(
        ScaledPicture(forms.Img()->ImgLstFace(portrait), face->size(), face->devicePixelRatioF()));
}

FrmInfo::FrmInfo(WindowOpener& forms, QWidget* parent) : PassingWindow(parent)
{
    setWindowTitle(QTr("FrmInfo", "Информация"));
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

} // namespace gh
