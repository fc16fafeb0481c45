#include "windows/FrmImg.h"

#include "platform/qt/ImageLists.h"

namespace gh {

FrmImg::FrmImg(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle(QStringLiteral("FrmImg"));
    setAttribute(Qt::WA_DontShowOnScreen);
}

const QPixmap& FrmImg::ImgLstFace(int index) const
{
    return ImageLists::Get().Picture(ImageList::Face, index);
}

} // namespace gh
