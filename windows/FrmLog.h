#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

#include "engine/Journal.h"

namespace gh {

class WindowOpener;

// The match's log: every event written down as it happens, newest last,
// each line in the colour of the side that acted. It floats beside the
// battlefield without taking the keyboard from it, and can be moved,
// resized, shown and hidden (F2, or the strip's «Журнал») while the match
// goes on.
class FrmLog final : public QWidget {
    Q_OBJECT
public:
    FrmLog(WindowOpener& forms, QWidget* parent = nullptr);

    // Lists the journal afresh (a new match has cleared it).
    void Reload();
    // One line more; the list follows it when it showed the newest line.
    void Append(const JournalEntry& entry);

    QListWidget* LstLog;
    // A network match's chat: the line to write in (shown only then), and
    // the lines said, among the match's in the list.
    QLineEdit* TxtChat;
    void FollowChat(bool network, const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddItem(const JournalEntry& entry);

    WindowOpener& forms_;
    qsizetype chatShown_ = 0;
};

} // namespace gh
