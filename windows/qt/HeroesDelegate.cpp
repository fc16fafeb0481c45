#include "windows/qt/HeroesDelegate.h"

#include <QDate>
#include <QLocale>
#include <QPainter>

#include <algorithm>

#include "platform/qt/ImageLists.h"
#include "platform/qt/Translations.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

struct HeroMark {
    QString name;
    int slot = 0;
    bool alive = true;
};

QList<HeroMark> MarksOf(const QModelIndex& index)
{
    QList<HeroMark> marks;
    for (const QVariant& v : index.data(kHeroesRole).toList()) {
        const QVariantMap m = v.toMap();
        marks.push_back({m.value(QStringLiteral("name")).toString(), m.value(QStringLiteral("slot")).toInt(),
                         m.value(QStringLiteral("alive")).toBool()});
    }
    return marks;
}

} // namespace

QVariant HeroMarks(const std::vector<save::SaveSummary::Hero>& heroes)
{
    QVariantList list;
    for (const save::SaveSummary::Hero& h : heroes) {
        QVariantMap m;
        m[QStringLiteral("name")] =
            QString::fromStdString(h.name.empty() ? UnitTypeName(h.unitType) : h.name);
        m[QStringLiteral("slot")] = h.slot;
        m[QStringLiteral("alive")] = h.alive;
        list.push_back(m);
    }
    return list;
}

// Names are painted as plain text: they were typed by players.
void HeroesDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QList<HeroMark> marks = MarksOf(index);
    if (marks.isEmpty()) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, p, option.widget);

    p->save();
    p->setClipRect(option.rect);
    const QFontMetrics fm(option.font);
    // With the distinct palette each swatch carries its side's number.
    const bool numbered = ImageLists::DistinctSides();
    const int swatch = numbered ? fm.height() : fm.height() * 2 / 3;
    int x = option.rect.left() + 4;
    const int mid = option.rect.center().y();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    for (const HeroMark& m : marks) {
        const QColor side = ImageLists::TeamColour(m.slot);
        p->fillRect(QRect(x, mid - swatch / 2, swatch, swatch), side);
        p->setPen(QColor(0, 0, 0, 90));
        p->drawRect(QRect(x, mid - swatch / 2, swatch - 1, swatch - 1));
        if (numbered) {
            QFont digit = option.font;
            digit.setBold(true);
            digit.setPixelSize(std::max(6, swatch * 3 / 4));
            p->setFont(digit);
            p->setPen(side.lightnessF() > 0.5 ? Qt::black : Qt::white);
            p->drawText(QRect(x, mid - swatch / 2, swatch, swatch), Qt::AlignCenter, QString::number(m.slot));
        }
        x += swatch + 4;
        QFont font = option.font;
        font.setStrikeOut(!m.alive);
        font.setBold(m.alive);
        p->setFont(font);
        QColor ink = m.alive ? side.darker(135) : QColor(120, 120, 120);
        if (selected)
            ink = option.palette.color(QPalette::HighlightedText);
        p->setPen(ink);
        const int w = QFontMetrics(font).horizontalAdvance(m.name);
        p->drawText(QRect(x, option.rect.top(), w + 1, option.rect.height()),
                    Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, m.name);
        x += w + 12;
    }
    p->restore();
}

QSize HeroesDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QList<HeroMark> marks = MarksOf(index);
    if (marks.isEmpty())
        return size;
    QFont bold = option.font;
    bold.setBold(true);
    const QFontMetrics fm(bold);
    int w = 4;
    for (const HeroMark& m : marks)
        w += (ImageLists::DistinctSides() ? fm.height() : fm.height() * 2 / 3) + 4 + fm.horizontalAdvance(m.name) + 12;
    size.setWidth(std::max(size.width(), w));
    return size;
}

QString WhenInList(const QDateTime& when)
{
    if (!when.isValid())
        return QStringLiteral("—");
    // Month names in the game's language, not the system's.
    const QLocale locale = CurrentLanguage() == Language::English
                               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                               : QLocale(QLocale::Russian, QLocale::Russia);
    const QDate day = when.date();
    const QDate today = QDate::currentDate();
    const QString time = locale.toString(when.time(), QStringLiteral("HH:mm"));
    if (day == today)
        return QTr("FrmSaves", "сегодня, %1").arg(time);
    if (day == today.addDays(-1))
        return QTr("FrmSaves", "вчера, %1").arg(time);
    return QTr("FrmSaves", "%1, %2").arg(locale.toString(day, QStringLiteral("d MMMM yyyy")), time);
}

int SelectedRow(const QTreeWidget* list)
{
    const QTreeWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return -1;
    return list->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

void ShowRowsOrEmpty(QTreeWidget* list, QLabel* empty, int keep)
{
    const int rows = list->topLevelItemCount();
    list->setVisible(rows > 0);
    empty->setVisible(rows == 0);
    if (rows > 0)
        list->setCurrentItem(list->topLevelItem(std::clamp(keep, 0, rows - 1)));
}

} // namespace gh
