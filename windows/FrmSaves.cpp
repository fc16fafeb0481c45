#include "windows/FrmSaves.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

#include "battlefield/WindowOpener.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/SaveState.h"
#include "windows/qt/HeroesDelegate.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

// An autosave's title is the game's own (Russian) in the file: the list says
// it in the player's language, from the day and the hero it caught. A title
// the player gave is shown as given.
std::string ShownTitle(const save::SaveSummary& s)
{
    if (!s.autosave)
        return s.title;
    for (const save::SaveSummary::Hero& h : s.heroes)
        if (h.slot == s.activeHero) {
            const RussianTexts russian;
            std::string asSaved;
            {
                const TextsInUse inRussian(russian);
                asSaved = AutosaveTitle(s.day, AutosaveWho(h.name, h.unitType));
            }
            // A title of another making (an older version's) stays as it is.
            return asSaved == s.title ? AutosaveTitle(s.day, AutosaveWho(h.name, h.unitType)) : s.title;
        }
    return s.title;
}

// "Файл повреждён." after "не читается: " reads "файл повреждён".
QString InSentence(QString why)
{
    if (why.size() > 1 && why[0].isUpper() && why[1].isLower())
        why[0] = why[0].toLower();
    if (why.endsWith(u'.'))
        why.chop(1);
    return why;
}

} // namespace

FrmSaves::FrmSaves(WindowOpener& forms, SaveFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), files_(files)
{
    setWindowTitle(QTr("FrmSaves", "Загрузить партию"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(TwipsSize(14400, 6300));
    setMinimumSize(TwipsSize(7200, 3600));

    LstSaves = new QTreeWidget(this);
    LstSaves->setColumnCount(kColumns);
    LstSaves->setHeaderLabels({QTr("FrmSaves", "Название"), QTr("FrmSaves", "День"), QTr("FrmSaves", "Герои"),
                               QTr("FrmSaves", "Сохранено"), QTr("FrmSaves", "Вид")});
    LstSaves->setRootIsDecorated(false);
    LstSaves->setUniformRowHeights(true);
    LstSaves->setAllColumnsShowFocus(true);
    LstSaves->setSelectionMode(QAbstractItemView::SingleSelection);
    LstSaves->setItemDelegateForColumn(ColHeroes, new HeroesDelegate(LstSaves));
    LstSaves->header()->setStretchLastSection(false);
    LstSaves->header()->setSectionResizeMode(ColHeroes, QHeaderView::Stretch);
    connect(LstSaves, &QTreeWidget::itemSelectionChanged, this, &FrmSaves::ShowButtons);
    // Enter reaches the window, which presses "Загрузить"; a double click loads too.
    connect(LstSaves, &QTreeWidget::itemDoubleClicked, this, [this] { LoadCurrent(); });

    LblEmpty = new QLabel(QTr("FrmSaves", "Сохранённых партий пока нет. Сохранить партию можно кнопкой "
                                          "«Сохранить» главного меню; в начале каждого хода игрока партия "
                                          "сохраняется и сама."),
                          this);
    LblEmpty->setTextFormat(Qt::PlainText);
    LblEmpty->setWordWrap(true);
    LblEmpty->setAlignment(Qt::AlignCenter);

    CmdOpen = new QPushButton(QTr("FrmSaves", "Открыть файл…"), this);
    CmdOpen->setToolTip(QTr("FrmSaves", "Загрузить сохранение из другой папки"));
    CmdDelete = new QPushButton(QTr("FrmSaves", "Удалить"), this);
    CmdDelete->setToolTip(QTr("FrmSaves", "Удалить выбранное сохранение с диска"));
    CmdLoad = new QPushButton(QTr("FrmSaves", "Загрузить"), this);
    CmdLoad->setToolTip(QTr("FrmSaves", "Продолжить выбранную партию"));
    CmdLoad->setDefault(true);
    CmdCancel = new QPushButton(QTr("FrmSaves", "Закрыть"), this);
    for (QPushButton* b : {CmdOpen, CmdDelete, CmdCancel})
        b->setAutoDefault(false);
    connect(CmdOpen, &QPushButton::clicked, this, &FrmSaves::OpenElsewhere);
    connect(CmdDelete, &QPushButton::clicked, this, &FrmSaves::DeleteCurrent);
    connect(CmdLoad, &QPushButton::clicked, this, &FrmSaves::LoadCurrent);
    connect(CmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdOpen);
    buttons->addStretch(1);
    buttons->addWidget(CmdDelete);
    buttons->addWidget(CmdLoad);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LstSaves, 1);
    layout->addWidget(LblEmpty, 1);
    layout->addLayout(buttons);

    Reload();
    CentreOnScreen(this);
    LstSaves->setFocus();
}

void FrmSaves::Reload()
{
    const int keep = CurrentRow();
    entries_ = files_.List();
    LstSaves->clear();
    for (const SaveEntry& e : entries_) {
        auto* item = new QTreeWidgetItem;
        const QString kind = e.autosave ? QTr("FrmSaves", "автосохранение") : QTr("FrmSaves", "сохранение");
        if (e.readable) {
            item->setText(ColTitle, QString::fromStdString(ShownTitle(e.summary)));
            item->setText(ColDay, QString::number(e.summary.day));
            item->setData(ColHeroes, kHeroesRole, HeroMarks(e.summary.heroes));
            item->setText(ColKind, kind);
            item->setToolTip(ColTitle, QStringLiteral("%1\n%2").arg(item->text(ColTitle), e.fileName));
        } else {
            item->setText(ColTitle, e.fileName);
            item->setText(ColDay, QStringLiteral("—"));
            item->setText(ColHeroes, QTr("FrmSaves", "не читается: ") + InSentence(e.error));
            item->setForeground(ColHeroes, QColor(160, 0, 0));
            item->setText(ColKind, e.autosave ? kind : QStringLiteral("—"));
            for (int c = 0; c < kColumns; ++c)
                item->setToolTip(c, QTr("FrmSaves", "Файл «%1» не читается: %2").arg(e.fileName, e.error));
        }
        item->setText(ColSaved, WhenInList(e.savedAt));
        item->setTextAlignment(ColDay, Qt::AlignRight | Qt::AlignVCenter);
        LstSaves->addTopLevelItem(item);
    }
    for (int c : {ColTitle, ColDay, ColSaved, ColKind})
        LstSaves->resizeColumnToContents(c);
    // A long title must leave the heroes room; the whole of it is in its tool tip.
    const int widest = std::max(LstSaves->viewport()->width(), width()) * 2 / 5;
    if (LstSaves->columnWidth(ColTitle) > widest)
        LstSaves->setColumnWidth(ColTitle, widest);
    ShowRowsOrEmpty(LstSaves, LblEmpty, keep);
    ShowButtons();
}

int FrmSaves::CurrentRow() const
{
    return SelectedRow(LstSaves);
}

void FrmSaves::ShowButtons()
{
    const bool chosen = CurrentRow() >= 0;
    CmdLoad->setEnabled(chosen);
    CmdDelete->setEnabled(chosen);
}

void FrmSaves::LoadCurrent()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    if (forms_.LoadFile(entries_[row].path)) {
        close();
        return;
    }
    // A refused file may have been replaced by an older autosave's offer
    // being declined; the folder is shown as it is now.
    if (isVisible())
        Reload();
}

void FrmSaves::DeleteCurrent()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    const SaveEntry& e = entries_[row];
    const QString name = e.readable ? QString::fromStdString(e.summary.title) : e.fileName;
    MessageBoxRequest box;
    box.title = windowTitle().toStdString();
    box.text = QTr("FrmSaves", "Удалить сохранение «%1»?\n\nФайл «%2» будет удалён с диска.")
                   .arg(name, e.fileName)
                   .toStdString();
    box.buttons = BoxButtons::YesNo;
    box.icon = BoxIcon::Question;
    box.defaultNo = true;
    if (forms_.g.shell->MessageBox(box) != BoxAnswer::Yes)
        return;
    QString error;
    if (!files_.Remove(e.path, error)) {
        MessageBoxRequest fail;
        fail.title = box.title;
        fail.text = QTr("FrmSaves", "Сохранение «%1» не удалено: %2.").arg(name, error).toStdString();
        fail.icon = BoxIcon::Exclamation;
        forms_.g.shell->MessageBox(fail);
    }
    Reload();
}

void FrmSaves::OpenElsewhere()
{
    if (fileDialog_) {
        fileDialog_->raise();
        fileDialog_->activateWindow();
        return;
    }
    const QString extension =
        QString::fromUtf8(save::kExtension.data(), static_cast<qsizetype>(save::kExtension.size()));
    auto* dialog =
        new QFileDialog(this, QTr("FrmSaves", "Открыть сохранение"),
                        QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                        QTr("FrmSaves", "Сохранения Grimhollow (*%1);;Все файлы (*)").arg(extension));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (forms_.LoadFile(path))
            close();
    });
    fileDialog_ = dialog;
    dialog->open();
}

void FrmSaves::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: CmdCancel->click(); return;
    case Qt::Key_Delete: CmdDelete->click(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled())
            focused->click();
        else
            CmdLoad->click();
        return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace gh
