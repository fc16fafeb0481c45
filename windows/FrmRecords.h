#pragma once

#include <QFileDialog>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "windows/qt/RecordFiles.h"

namespace gh {

class WindowOpener;

// The records of finished matches, newest first: the heroes in their sides'
// colours, how many days the match went, who won and when it was recorded.
// Opens one in the viewer, or a record from elsewhere through the standard
// file dialog, which never stops the game's clock. A file that cannot be read
// is listed by its file name, with why, and breaks nothing.
class FrmRecords final : public QWidget {
    Q_OBJECT
public:
    enum Column { ColHeroes, ColDays, ColWinner, ColRecorded, kColumns };

    FrmRecords(WindowOpener& forms, QString folder, QWidget* parent = nullptr);

    QTreeWidget* LstRecords;
    QLabel* LblEmpty;
    QPushButton* CmdWatch;
    QPushButton* CmdOpen;
    QPushButton* CmdCancel;

    // Reads the folder afresh.
    void Reload();
    const QList<RecordEntry>& Entries() const { return entries_; }
    // The standard file dialog "Открыть файл…" opened, while it is open.
    QFileDialog* FileDialog() const { return fileDialog_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int CurrentRow() const;
    void WatchCurrent();
    void OpenElsewhere();
    void ShowButtons();

    WindowOpener& forms_;
    RecordFiles files_;
    QList<RecordEntry> entries_;
    QPointer<QFileDialog> fileDialog_;
};

} // namespace gh
