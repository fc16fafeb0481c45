// One picture of all the art, labelled with the 1-based indices the game uses,
// so a bad frame, a transparent hole or leftover magenta is seen at a glance.
#include "platform/qt/Fonts.h"
#include "platform/qt/ImageLists.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace {

using gh::ImageList;
using gh::ImageLists;

constexpr int kMargin = 12;
constexpr int kLabel = 14;
constexpr int kGap = 6;

const QStringList kTypeNames = {
    QStringLiteral("Демон"),      QStringLiteral("Скелет"),
    QStringLiteral("Маг"),        QStringLiteral("Летучая мышь-вампир"),
    QStringLiteral("Некромант"),  QStringLiteral("Лучница"),
    QStringLiteral("Привидение"),
};
const QStringList kFrameNames = {
    QStringLiteral("покой 1"), QStringLiteral("покой 2"), QStringLiteral("покой 3"),
    QStringLiteral("удар 1"),  QStringLiteral("удар 2"),  QStringLiteral("удар 3"),
    QStringLiteral("удар 4"),  QStringLiteral("ранен"),   QStringLiteral("труп"),
};

class Sheet {
public:
    explicit Sheet(QPainter& painter) : p_(painter) {}

    void Heading(const QString& text)
    {
        y_ += kGap;
        p_.setPen(QColor(255, 255, 128));
        p_.setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
        p_.drawText(kMargin, y_ + 16, text);
        y_ += 22;
        p_.setFont(QFont(QStringLiteral("Arial"), 8));
    }

    // A labelled cell; pictures sit on a dark grey ground so that a picture
    // that is not opaque black at its edges shows where it ends.
    void Cell(const QPixmap& pixmap, const QString& label)
    {
        const int w = std::max(pixmap.width(), 44);
        p_.fillRect(x_ - 1, y_ - 1, pixmap.width() + 2, pixmap.height() + 2, QColor(70, 70, 70));
        p_.drawPixmap(x_, y_, pixmap);
        p_.setPen(Qt::white);
        p_.drawText(QRect(x_, y_ + pixmap.height() + 1, w + kGap, kLabel), Qt::AlignLeft, label);
        x_ += w + kGap;
        rowHeight_ = std::max(rowHeight_, pixmap.height() + kLabel + 4);
    }

    void Note(const QString& text)
    {
        p_.setPen(QColor(180, 180, 180));
        p_.drawText(x_, y_ + 20, text);
        rowHeight_ = std::max(rowHeight_, 28);
    }

    void EndRow()
    {
        y_ += rowHeight_;
        x_ = kMargin;
        rowHeight_ = 0;
    }

    int Bottom() const { return y_; }

private:
    QPainter& p_;
    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
};

int Paint(QPainter& painter)
{
    const ImageLists& lists = ImageLists::Get();
    Sheet sheet(painter);

    sheet.Heading(QStringLiteral("ImgUnit: 63 × 48×48, без цвета команды"));
    for (int type = 0; type < 7; ++type) {
        for (int k = 0; k < 9; ++k) {
            const int n = type * 9 + k + 1;
            sheet.Cell(lists.Picture(ImageList::Unit, n), QString::number(n));
        }
        sheet.Note(kTypeNames[type] + QStringLiteral(" (база ") + QString::number(type * 9 + 1) + ")");
        sheet.EndRow();
    }
    QString legend;
    for (int k = 0; k < 9; ++k)
        legend += QString::number(k) + "=" + kFrameNames[k] + "  ";
    sheet.Note(legend);
    sheet.EndRow();

    sheet.Heading(QStringLiteral("Цвета команд 0..5 (маг 19, некромант 37, лучница 46) и зеркально"));
    for (int base : {19, 37, 46}) {
        for (int team = 0; team < ImageLists::kTeams; ++team)
            sheet.Cell(lists.Picture(ImageList::Unit, base, false, team),
                       QStringLiteral("%1 к%2").arg(base).arg(team));
        for (int team = 0; team < ImageLists::kTeams; ++team)
            sheet.Cell(lists.Picture(ImageList::Unit, base + 3, true, team),
                       QStringLiteral("%1з к%2").arg(base + 3).arg(team));
        sheet.EndRow();
    }

    sheet.Heading(QStringLiteral("Зеркально: покой 1 каждого типа; маски цвета команды"));
    for (int type = 0; type < 7; ++type)
        sheet.Cell(lists.Picture(ImageList::Unit, type * 9 + 1, true), QString::number(type * 9 + 1) + "з");
    for (int type = 0; type < 7; ++type)
        sheet.Cell(QPixmap::fromImage(lists.TeamMask(type * 9 + 1)), QString::number(type * 9 + 1) + "м");
    sheet.EndRow();

    sheet.Heading(QStringLiteral("ImgSpell: 8 × 64×64"));
    for (int n = 1; n <= lists.Count(ImageList::Spell); ++n)
        sheet.Cell(lists.Picture(ImageList::Spell, n), QString::number(n));
    sheet.EndRow();

    sheet.Heading(QStringLiteral(
        "ImgIcons: 8 × 32×32 (меню, магия, дипломатия, ход, сдаться, настройки, помощь, запас)"));
    for (int n = 1; n <= lists.Count(ImageList::Icons); ++n)
        sheet.Cell(lists.Picture(ImageList::Icons, n), QString::number(n));
    sheet.EndRow();

    sheet.Heading(QStringLiteral("ImgLstFace: 8 × 97×97 (4 = останки)"));
    for (int n = 1; n <= lists.Count(ImageList::Face); ++n)
        sheet.Cell(lists.Picture(ImageList::Face, n), QString::number(n));
    sheet.EndRow();

    sheet.Heading(QStringLiteral("Заставка"));
    sheet.Cell(lists.Splash(), QStringLiteral("splash"));
    sheet.EndRow();
    return sheet.Bottom();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    gh::LoadBundledFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("contact-sheet.png");

    QImage canvas(1000, 2000, QImage::Format_RGB32);
    canvas.fill(QColor(24, 24, 32));
    QPainter painter(&canvas);
    const int bottom = Paint(painter);
    painter.end();
    const QImage sheet = canvas.copy(0, 0, canvas.width(), bottom + kMargin);

    if (!sheet.save(out)) {
        QTextStream(stderr) << "cannot write " << out << "\n";
        return 1;
    }
    QTextStream(stdout) << "wrote " << out << "\n";
    return 0;
}
