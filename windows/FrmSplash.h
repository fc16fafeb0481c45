#pragma once

#include <QLabel>
#include <QWidget>

namespace gh {

// The title card shown while the battlefield window loads.
class FrmSplash final : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QLabel* Picture1;
    QLabel* Label1[2];
    QLabel* Label2[3];
};

} // namespace gh
