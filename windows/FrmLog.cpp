#include "windows/FrmLog.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "battlefield/WindowOpener.h"
#include "platform/qt/SideColours.h"
#include "platform/qt/Translations.h"

namespace gh {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 560;
constexpr int kMargin = 12;
// Below the battlefield's toolbar and its status strip.
constexpr int kBelowToolbar = 70;

} // namespace

FrmLog::FrmLog(WindowOpener& forms, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms)
{
    setWindowTitle(QTr("FrmLog", "Журнал битвы"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The battlefield keeps the keyboard when the log comes up.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(260, 160);

    LstLog = new QListWidget(this);
    LstLog->setObjectName(QStringLiteral("LstLog"));
    LstLog->setSelectionMode(QAbstractItemView::NoSelection);
    LstLog->setFocusPolicy(Qt::NoFocus);
    LstLog->setWordWrap(true);
    LstLog->setUniformItemSizes(false);
    LstLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    LstLog->setFont(font);
    // Dark like the field, so that every side's colour reads as it does there.
    QPalette pal = LstLog->palette();
    pal.setColor(QPalette::Base, QColor(12, 12, 12));
    pal.setColor(QPalette::Text, SideTextColour(-1, true));
    LstLog->setPalette(pal);

    TxtChat = new QLineEdit(this);
    TxtChat->setObjectName(QStringLiteral("TxtChat"));
    TxtChat->setMaxLength(200);
    TxtChat->setPlaceholderText(QTr("FrmLog", "Сообщение всем игрокам (Enter — отправить)"));
    TxtChat->setAccessibleName(QTr("FrmLog", "Сообщение всем игрокам"));
    TxtChat->hide();
    connect(TxtChat, &QLineEdit::returnPressed, this, [this] {
        const QString text = TxtChat->text().trimmed();
        if (text.isEmpty())
            return;
        forms_.NetworkSay(text);
        TxtChat->clear();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LstLog);
    layout->addWidget(TxtChat);

    resize(kWidth, kHeight);
    // Along the right edge of the battlefield, under its toolbar.
    const QWidget* field = parentWidget();
    QRect area = field ? field->geometry() : QRect();
    if (area.isEmpty())
        if (QScreen* screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    move(area.right() - kWidth - kMargin - 20, area.top() + kBelowToolbar + kMargin);

    Reload();
}

void FrmLog::AddItem(const JournalEntry& entry)
{
    auto* item = new QListWidgetItem(QString::fromStdString(JournalLine(entry)));
    // Plain text always: the lines carry the heroes' names as typed.
    item->setForeground(SideTextColour(entry.Side, true));
    if (entry.Turn) {
        QFont bold = LstLog->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    LstLog->addItem(item);
}

void FrmLog::Reload()
{
    LstLog->clear();
    chatShown_ = 0;
    for (const JournalEntry& e : forms_.journal.Entries())
        AddItem(e);
    LstLog->scrollToBottom();
}

void FrmLog::Append(const JournalEntry& entry)
{
    const QScrollBar* bar = LstLog->verticalScrollBar();
    const bool following = bar->value() >= bar->maximum();
    AddItem(entry);
    // As many lines as the journal keeps, no more.
    while (LstLog->count() > static_cast<int>(Journal::kKept))
        delete LstLog->takeItem(0);
    if (following)
        LstLog->scrollToBottom();
}

void FrmLog::FollowChat(bool network, const QStringList& lines)
{
    if (TxtChat->isVisible() != network)
        TxtChat->setVisible(network);
    if (lines.size() < chatShown_)
        chatShown_ = 0; // another network match
    if (lines.size() == chatShown_)
        return;
    const QScrollBar* bar = LstLog->verticalScrollBar();
    const bool following = bar->value() >= bar->maximum();
    for (; chatShown_ < lines.size(); ++chatShown_) {
        // Plain text, as typed: a name is never markup.
        auto* item = new QListWidgetItem(lines[chatShown_]);
        QFont italic = LstLog->font();
        italic.setItalic(true);
        item->setFont(italic);
        item->setForeground(QColor(230, 230, 160));
        LstLog->addItem(item);
    }
    if (following)
        LstLog->scrollToBottom();
}

void FrmLog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F2) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
