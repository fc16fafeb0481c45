#include "windows/FrmStats.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "battlefield/WindowOpener.h"
#include "platform/Shell.h"
#include "platform/qt/SideColours.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/qt/EnterKey.h"
#include "windows/MatchSummary.h"
#include "world/Game.h"

namespace gh {

namespace {

const char* const kColumns[] = {GH_TR_NOOP("FrmStats", "Герой"),    GH_TR_NOOP("FrmStats", "Итог"),
                                GH_TR_NOOP("FrmStats", "Убито"),    GH_TR_NOOP("FrmStats", "Потери"),
                                GH_TR_NOOP("FrmStats", "Призвано"), GH_TR_NOOP("FrmStats", "Заклинаний"),
                                GH_TR_NOOP("FrmStats", "Дней")};
constexpr int kColumnCount = 7;

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* Number(std::int32_t v)
{
    return Cell(QString::number(v), Qt::AlignHCenter);
}

constexpr int kFigureWidth = 100;

} // namespace

void FrmStats::RecordWritten(bool ok, bool done)
{
    for (QPushButton* b : {CmdWatch, CmdKeep}) {
        b->setEnabled(ok);
        b->setToolTip(ok ? QString()
                      : done ? QTr("FrmStats", "Запись этой партии не удалось сохранить")
                             : QTr("FrmStats", "Запись партии ещё сохраняется"));
    }
}

FrmStats::FrmStats(WindowOpener& forms, int winner, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QTr("FrmStats", "Итоги битвы"));
    setAttribute(Qt::WA_DeleteOnClose);
    const Game& g = forms.g;

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    setFont(font);

    LblWinner = new QLabel(this);
    LblWinner->setTextFormat(Qt::PlainText); // a hero's name as typed
    QFont big = font;
    big.setPointSizeF(13);
    big.setBold(true);
    LblWinner->setFont(big);
    LblWinner->setText(QString::fromStdString(SummaryHeadline(g, winner)));
    if (winner >= 1)
        LblWinner->setStyleSheet(QStringLiteral("color: %1").arg(SideTextColour(winner, false).name()));

    const std::vector<SummaryRow> rows = MatchSummary(g, winner);
    TblStats = new QTableWidget(static_cast<int>(rows.size()), kColumnCount, this);
    TblStats->setObjectName(QStringLiteral("TblStats"));
    QStringList headers;
    for (const char* c : kColumns)
        headers << QTr("FrmStats", c);
    TblStats->setHorizontalHeaderLabels(headers);
    TblStats->verticalHeader()->hide();
    TblStats->setSelectionMode(QAbstractItemView::NoSelection);
    TblStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblStats->setFocusPolicy(Qt::NoFocus);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SummaryRow& row = rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* name = Cell(QString::fromStdString(row.name), Qt::AlignLeft);
        name->setForeground(SideTextColour(row.side, false));
        QFont bold = font;
        bold.setBold(true);
        name->setFont(bold);
        TblStats->setItem(r, 0, name);
        TblStats->setItem(r, 1, Cell(QString::fromStdString(row.fate), Qt::AlignLeft));
        TblStats->setItem(r, 2, Number(row.tally.Kills));
        TblStats->setItem(r, 3, Number(row.tally.Losses));
        TblStats->setItem(r, 4, Number(row.tally.Summoned));
        TblStats->setItem(r, 5, Number(row.tally.SpellsCast));
        TblStats->setItem(r, 6, Number(row.tally.DaysSurvived));
    }
    TblStats->resizeColumnsToContents();
    for (int c = 2; c < kColumnCount; ++c)
        TblStats->setColumnWidth(c, std::max(TblStats->columnWidth(c) + 16, kFigureWidth));
    TblStats->setColumnWidth(1, TblStats->columnWidth(1) + 24);
    TblStats->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    TblStats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TblStats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int tableHeight = TblStats->horizontalHeader()->sizeHint().height() + 2 * TblStats->frameWidth();
    for (int r = 0; r < TblStats->rowCount(); ++r)
        tableHeight += TblStats->rowHeight(r);
    TblStats->setFixedHeight(tableHeight);

    // The match's record, written as it ended (app/Forms): watch it or keep
    // a copy of it elsewhere.
    CmdWatch = new QPushButton(QTr("FrmStats", "Посмотреть запись"), this);
    CmdKeep = new QPushButton(QTr("FrmStats", "Сохранить запись…"), this);
    for (QPushButton* b : {CmdWatch, CmdKeep})
        b->setAutoDefault(false);
    RecordWritten(!forms.LastRecordPath().isEmpty(), false);
    connect(CmdWatch, &QPushButton::clicked, this, [&forms] { forms.OpenReplay(forms.LastRecordPath()); });
    connect(CmdKeep, &QPushButton::clicked, this, [this, &forms] {
        // Not a blocking dialog: the game's clock and the other windows go on
        // while the player looks for a folder.
        if (keepDialog_) {
            keepDialog_->raise();
            keepDialog_->activateWindow();
            return;
        }
        const QString from = forms.LastRecordPath();
        auto* dialog = new QFileDialog(this, QTr("FrmStats", "Сохранить запись"),
                                       QDir::homePath() + QLatin1Char('/') + QFileInfo(from).fileName(),
                                       QTr("FrmStats", "Записи партий (*.ghrec)"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        connect(dialog, &QFileDialog::fileSelected, this, [&forms, from](const QString& to) {
            if (to.isEmpty() || QFileInfo(to) == QFileInfo(from))
                return;
            QFile::remove(to);
            if (QFile::copy(from, to))
                return;
            MessageBoxRequest box;
            box.title = GH_TR("FrmStats", "Сохранить запись");
            box.text =
                QTr("FrmStats", "Не удалось записать «%1».").arg(QDir::toNativeSeparators(to)).toStdString();
            box.icon = BoxIcon::Exclamation;
            forms.g.shell->MessageBox(box);
        });
        keepDialog_ = dialog;
        dialog->open();
    });
    CmdOK = new QPushButton(QTr("FrmStats", "Закрыть"), this);
    CmdOK->setDefault(true);
    connect(CmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdWatch);
    buttons->addWidget(CmdKeep);
    buttons->addWidget(CmdOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(LblWinner);
    layout->addWidget(TblStats);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    TblStats->setMinimumWidth(760);

    adjustSize();
    CentreOnScreen(this);
    CmdOK->setFocus();
}

void FrmStats::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the button the player has tabbed to, «Закрыть»
        // from anywhere else.
        PressForEnter(this, CmdOK);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace gh
