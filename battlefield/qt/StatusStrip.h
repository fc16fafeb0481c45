#pragma once

#include <QLabel>
#include <QStringList>
#include <QToolButton>
#include <QWidget>

#include <functional>

#include "battlefield/Status.h"

namespace gh {

// A one-line label for a name followed by figures: the figures keep their
// room and the name is cut short with "…" first; when even that is too
// wide, the figures' shorter wording takes their place, and only then is
// the whole line cut. Whenever what shows is not the whole text, the
// tooltip carries it.
class FittingLabel final : public QLabel {
    Q_OBJECT
public:
    explicit FittingLabel(QWidget* parent = nullptr);

    // `tails` follow the head, longest first.
    void SetWordings(const QString& head, const QStringList& tails = {});
    QString Whole() const { return head_ + tails_.value(0); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();
    QString head_;
    QStringList tails_;
};

// The status strip beside the battlefield's toolbar: whose turn it is, in
// the side's colour, and the day; the selected unit and its life, mana and
// action points; what a pending summon or spell waits for. Long names are
// shortened so that the figures always show. Its «Журнал» shows and hides
// the log.
class StatusStrip final : public QWidget {
    Q_OBJECT
public:
    explicit StatusStrip(QWidget* parent = nullptr);

    // Shows these lines; does nothing when they are what it shows already.
    void Show(const StatusLines& lines);
    void SetLogShown(bool shown);
    const StatusLines& Shown() const { return shown_; }

    // The width below which the strip cannot show the turn, the day and the
    // unit's figures.
    static constexpr int kNarrowest = 420;

    std::function<void()> onLog;

    QLabel* ShpSide; // a square in the side's colour
    FittingLabel* LblTurn;
    QLabel* LblDay;
    FittingLabel* LblUnit; // the unit and its figures
    FittingLabel* LblAwaiting;
    QToolButton* CmdLog;

private:
    StatusLines shown_;
    bool first_ = true;
    bool distinct_ = false; // the sides' palette shown
};

} // namespace gh
