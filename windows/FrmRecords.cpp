#include "windows/FrmRecords.h"

#include "platform/qt/Translations.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

#include "battlefield/WindowOpener.h"
#include "platform/qt/Twips.h"
#include "windows/qt/EnterKey.h"
#include "save/Record.h"
#include "windows/qt/HeroesDelegate.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

// The winner as the heroes column shows a hero: the side's colour and name.
void ShowWinner(QTreeWidgetItem* item, const RecordEntry& e)
{
    if (!e.finished) {
        item->setText(FrmRecords::ColWinner, QTr("FrmRecords", "не окончена"));
        return;
    }
    if (e.winner == 0) {
        item->setText(FrmRecords::ColWinner, QString::fromStdString(UnitTypeName(0)));
        return;
    }
    for (const save::SaveSummary::Hero& h : e.heroes)
        if (h.slot == e.winner) {
            item->setData(FrmRecords::ColWinner, kHeroesRole, HeroMarks({h}));
            return;
        }
    item->setText(FrmRecords::ColWinner, QStringLiteral("—"));
}

} // namespace

FrmRecords::FrmRecords(WindowOpener& forms, QString folder, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), files_(std::move(folder))
{
    setWindowTitle(QTr("FrmRecords", "Записи партий"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(TwipsSize(14400, 6300));
    setMinimumSize(TwipsSize(7200, 3600));

    LstRecords = new QTreeWidget(this);
    LstRecords->setColumnCount(kColumns);
    LstRecords->setHeaderLabels({QTr("FrmRecords", "Герои"), QTr("FrmRecords", "Дней"),
                                 QTr("FrmRecords", "Победитель"), QTr("FrmRecords", "Записана")});
    LstRecords->setRootIsDecorated(false);
    LstRecords->setUniformRowHeights(true);
    LstRecords->setAllColumnsShowFocus(true);
    LstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* heroes = new HeroesDelegate(LstRecords);
    LstRecords->setItemDelegateForColumn(ColHeroes, heroes);
    LstRecords->setItemDelegateForColumn(ColWinner, heroes);
    LstRecords->header()->setStretchLastSection(false);
    LstRecords->header()->setSectionResizeMode(ColHeroes, QHeaderView::Stretch);
    connect(LstRecords, &QTreeWidget::itemSelectionChanged, this, &FrmRecords::ShowButtons);
    connect(LstRecords, &QTreeWidget::itemDoubleClicked, this, [this] { WatchCurrent(); });

    LblEmpty = new QLabel(QTr("FrmRecords", "Записей пока нет. Когда партия кончается, её запись появляется "
                                         "здесь; хранятся последние %1.")
                              .arg(RecordFiles::kKept),
                          this);
    LblEmpty->setTextFormat(Qt::PlainText);
    LblEmpty->setWordWrap(true);
    LblEmpty->setAlignment(Qt::AlignCenter);

    CmdOpen = new QPushButton(QTr("FrmRecords", "Открыть файл…"), this);
    CmdOpen->setToolTip(QTr("FrmRecords", "Посмотреть запись из другой папки"));
    CmdWatch = new QPushButton(QTr("FrmRecords", "Посмотреть"), this);
    CmdWatch->setToolTip(QTr("FrmRecords", "Посмотреть выбранную запись"));
    CmdWatch->setDefault(true);
    CmdCancel = new QPushButton(QTr("FrmRecords", "Закрыть"), this);
    for (QPushButton* b : {CmdOpen, CmdCancel})
        b->setAutoDefault(false);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmRecords::OpenElsewhere);
    connect(CmdWatch, &QPushButton::clicked, this, &FrmRecords::WatchCurrent);
    connect(CmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdOpen);
    buttons->addStretch(1);
    buttons->addWidget(CmdWatch);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LstRecords, 1);
    layout->addWidget(LblEmpty, 1);
    layout->addLayout(buttons);

    Reload();
    CentreOnScreen(this);
    LstRecords->setFocus();
}

void FrmRecords::Reload()
{
    const int keep = CurrentRow();
    entries_ = files_.List();
    LstRecords->clear();
    for (const RecordEntry& e : entries_) {
        auto* item = new QTreeWidgetItem;
        if (e.readable) {
            item->setData(ColHeroes, kHeroesRole, HeroMarks(e.heroes));
            item->setText(ColDays, QString::number(e.days));
            ShowWinner(item, e);
            item->setToolTip(ColHeroes, QTr("FrmRecords", "%1\nприказов: %2").arg(e.fileName).arg(e.orders));
        } else {
            item->setText(ColHeroes, QTr("FrmRecords", "%1 не читается: %2").arg(e.fileName, e.error));
            item->setForeground(ColHeroes, QColor(160, 0, 0));
            item->setText(ColDays, QStringLiteral("—"));
            item->setText(ColWinner, QStringLiteral("—"));
            for (int c = 0; c < kColumns; ++c)
                item->setToolTip(c, QTr("FrmRecords", "Файл «%1» не читается: %2").arg(e.fileName, e.error));
        }
        item->setText(ColRecorded, WhenInList(e.recordedAt));
        item->setTextAlignment(ColDays, Qt::AlignRight | Qt::AlignVCenter);
        LstRecords->addTopLevelItem(item);
    }
    for (int c : {ColDays, ColWinner, ColRecorded})
        LstRecords->resizeColumnToContents(c);
    ShowRowsOrEmpty(LstRecords, LblEmpty, keep);
    ShowButtons();
}

int FrmRecords::CurrentRow() const
{
    return SelectedRow(LstRecords);
}

void FrmRecords::ShowButtons()
{
    const int row = CurrentRow();
    CmdWatch->setEnabled(row >= 0 && entries_[row].readable);
}

void FrmRecords::WatchCurrent()
{
    const int row = CurrentRow();
    if (row < 0 || !entries_[row].readable)
        return;
    forms_.OpenReplay(entries_[row].path);
}

void FrmRecords::OpenElsewhere()
{
    // Not a blocking dialog: the game's clock and its windows go on meanwhile.
    if (fileDialog_) {
        fileDialog_->raise();
        fileDialog_->activateWindow();
        return;
    }
    const QString ext = QString::fromUtf8(save::kRecordExtension.data(),
                                          static_cast<qsizetype>(save::kRecordExtension.size()));
    auto* dialog = new QFileDialog(this, QTr("FrmRecords", "Открыть запись партии"),
                                   QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                                   QTr("FrmRecords", "Записи партий (*%1);;Все файлы (*)").arg(ext));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (!path.isEmpty())
            forms_.OpenReplay(path);
    });
    fileDialog_ = dialog;
    dialog->open();
}

void FrmRecords::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: CmdCancel->click(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressForEnter(this, CmdWatch);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace gh
