#include "windows/FrmObj.h"

#include <QPalette>

#include "battlefield/WindowOpener.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/FrmInfo.h"
#include "windows/InfoText.h"

namespace gh {

namespace {

// A bar is a flat filled shape; the life bar's colour tells at a glance how
// badly the unit is hurt.
QFrame* Bar(QWidget* parent, const QRect& geometry, const QColor& colour)
{
    auto* bar = new QFrame(parent);
    bar->setGeometry(geometry);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    return bar;
}

QColor ToQColor(const Rgb& c)
{
    return {c.r, c.g, c.b};
}

} // namespace

FrmObj::FrmObj(WindowOpener& forms, QWidget* parent) : PassingWindow(parent)
{
    setWindowTitle(QTr("FrmObj", "Информация"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6105, 3555));
    setFont(InfoFont());

    // Read once, now: the window is a snapshot, not a live view.
    const ObjectInfo info = ObjectInfoOf(forms.g, forms.g.Selected);

    ImgFace = new QLabel(this);
    ImgFace->setGeometry(TwipsRect(2280, 120, 1455, 1455));
    ShowPortrait(forms, ImgFace, info.Portrait);

    LblAP = InfoLabel(this, TwipsRect(120, 1200, 2055, 195));
    LblAP->setText(QTr("FrmObj", "Действия"));
    ShpAPMax = Bar(this, TwipsRect(120, 1440, 2055, 135), QColor(128, 0, 128));
    ShpAP = Bar(this, TwipsRect(120, 1440, 0, 135), QColor(192, 0, 192));
    ShpAP->setFixedWidth(TwipsToPixels(info.ApWidth));

    LblHP = InfoLabel(this, TwipsRect(3840, 1200, 2085, 195));
    LblHP->setText(QTr("FrmObj", "Жизнь"));
    ShpHPMax = Bar(this, TwipsRect(3840, 1440, 2175, 135), QColor(0, 64, 0));
    ShpHP = Bar(this, TwipsRect(3840, 1440, 0, 135), ToQColor(info.HpColour));
    ShpHP->setFixedWidth(TwipsToPixels(info.HpWidth));

    for (QWidget* w :
         {static_cast<QWidget*>(LblAP), static_cast<QWidget*>(ShpAPMax), static_cast<QWidget*>(ShpAP),
          static_cast<QWidget*>(LblHP), static_cast<QWidget*>(ShpHPMax), static_cast<QWidget*>(ShpHP)})
        w->setVisible(info.ShowBars);

    LblInfo = InfoLabel(this, TwipsRect(120, 1800, 5775, 1095));
    if (info.HasInfo)
        LblInfo->setText(LabelText(info.LblInfo));

    // The master line runs from its corner to the window's right margin; a
    // master with a name longer than that is cut short with an ellipsis
    // rather than running out of the window.
    LblMaster = InfoLabel(this, TwipsRect(240, 3120, 6105 - 240 - 120, 315));
    LblMaster->setWordWrap(false);
    LblMaster->setText(
        LblMaster->fontMetrics().elidedText(LabelText(info.LblMaster), Qt::ElideRight, LblMaster->width()));

    CentreOnScreen(this);
}

} // namespace gh
