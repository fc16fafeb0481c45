#pragma once

#include <QStyledItemDelegate>
#include <QVariant>

#include <vector>

#include "save/SaveFormat.h"

namespace gh {

// The heroes of a save or a record side by side, each after a square of its
// side's colour, the name in that colour; a fallen hero is struck through.
// A row keeps them under kHeroesRole of its column (HeroMarks makes that).
inline constexpr int kHeroesRole = Qt::UserRole + 1;

QVariant HeroMarks(const std::vector<save::SaveSummary::Hero>& heroes);

class HeroesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace gh
