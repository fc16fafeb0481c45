#pragma once

#include <QWidget>

namespace gh {

// A read-only window the player sends away with any click (its labels and
// pictures pass their clicks on to it) or the Esc key; other keys do nothing.
// The speech and both information windows behave so.
class PassingWindow : public QWidget {
    Q_OBJECT
public:
    explicit PassingWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace gh
