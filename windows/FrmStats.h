#pragma once

#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

namespace gh {

class WindowOpener;

// The end of a match: after the victory box, each hero's kills, losses,
// creatures summoned, spells cast and days survived, as counted while the
// match went on.
class FrmStats final : public QWidget {
    Q_OBJECT
public:
    // `winner` is the side that won (0 the neutral side).
    FrmStats(WindowOpener& forms, int winner, QWidget* parent = nullptr);

    QLabel* LblWinner;
    QTableWidget* TblStats;
    // The match's record is on disk (ok) or could not be written (done).
    void RecordWritten(bool ok, bool done = true);

    QPushButton* CmdWatch;
    QPushButton* CmdKeep;
    QPushButton* CmdOK;
    // The folder dialog «Сохранить запись…» opened, while it is open.
    QFileDialog* KeepDialog() const { return keepDialog_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QFileDialog> keepDialog_;
};

} // namespace gh
