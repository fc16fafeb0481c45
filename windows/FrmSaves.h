#pragma once

#include <QFileDialog>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "windows/qt/SaveFiles.h"

namespace gh {

class WindowOpener;

// The saved matches, newest first: name, day, the heroes in their sides'
// colours, when it was saved and whether it is an autosave. Loads one,
// deletes one (asking first) or opens a save from elsewhere. A file that
// cannot be read is listed by its file name, with why, and breaks nothing.
class FrmSaves final : public QWidget {
    Q_OBJECT
public:
    enum Column { ColTitle, ColDay, ColHeroes, ColSaved, ColKind, kColumns };

    FrmSaves(WindowOpener& forms, SaveFiles& files, QWidget* parent = nullptr);

    QTreeWidget* LstSaves;
    QLabel* LblEmpty;
    QPushButton* CmdLoad;
    QPushButton* CmdDelete;
    QPushButton* CmdOpen;
    QPushButton* CmdCancel;

    // Reads the folder afresh.
    void Reload();
    // What each row of the list stands for, in the list's order.
    const QList<SaveEntry>& Entries() const { return entries_; }
    // The standard file dialog "Открыть файл…" opened, while it is open.
    QFileDialog* FileDialog() const { return fileDialog_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int CurrentRow() const;
    void LoadCurrent();
    void DeleteCurrent();
    void OpenElsewhere();
    void ShowButtons();

    WindowOpener& forms_;
    SaveFiles& files_;
    QList<SaveEntry> entries_;
    QPointer<QFileDialog> fileDialog_;
};

} // namespace gh
