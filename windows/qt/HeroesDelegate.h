#pragma once

#include <QDateTime>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVariant>

#include <vector>

#include "save/SaveFormat.h"

namespace gh {

// The heroes of a save or a record side by side, each after a square of its
// side's colour, the name in that colour; a fallen hero is struck through.
// A row keeps them under kHeroesRole of its column (HeroMarks makes that).
inline constexpr int kHeroesRole = Qt::UserRole + 1;

QVariant HeroMarks(const std::vector<save::SaveSummary::Hero>& heroes);

// When a save or a record was made, as both lists say it: "today, 14:05",
// "yesterday, …" or the date, with month names in the game's language.
QString WhenInList(const QDateTime& when);

// The row of `list` that is current and selected; -1 when none is.
int SelectedRow(const QTreeWidget* list);

// Shows the list, or `empty` in its place when it has no rows, and makes the
// row `keep` current (held to the rows there are).
void ShowRowsOrEmpty(QTreeWidget* list, QLabel* empty, int keep);

class HeroesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace gh
