#pragma once

#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>

namespace gh {

// The help window: the battlefield's keys, what each aid on the field shows,
// and how to play. «Помощь» and F1 open it; Esc, F1 and «Закрыть» close it.
class FrmHelp final : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelp(QWidget* parent = nullptr);

    QTextBrowser* TxtHelp;
    QPushButton* CmdOK;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace gh
