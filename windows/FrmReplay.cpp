#include "windows/FrmReplay.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/SideColours.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "save/Record.h"
#include "windows/qt/SaveFiles.h"
#include "world/Catalogue.h"
#include "world/FieldView.h"

namespace gh {

namespace {

// The field as the replay paints it, scaled to the window.
class FieldPicture final : public QWidget {
public:
    FieldPicture(QtCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas)
    {
        setMinimumSize(480, 360);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const QImage& image = canvas_.Image();
        if (image.isNull())
            return;
        const QSizeF logical = canvas_.LogicalSize();
        const double scale = std::min(width() / logical.width(), height() / logical.height());
        const QSizeF shown = logical * scale;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown),
                    image);
    }

private:
    QtCanvas& canvas_;
};

struct Speed {
    const char* caption;
    double ticks;
};
constexpr Speed kSpeeds[] = {{"×¼", 0.25},
                             {"×½", 0.5},
                             {"×1", 1},
                             {"×2", 2},
                             {"×4", 4},
                             {"×8", 8},
                             {GH_TR_NOOP("FrmReplay", "как можно быстрее"), 0}};

QString SideName(const Game& g, int side)
{
    if (side <= 0 || side > kHeroes)
        return QString::fromStdString(UnitTypeName(0));
    const Unit& h = g.U(side);
    return QString::fromStdString(h.Name.empty() ? UnitTypeName(h.UnitType) : h.Name);
}

} // namespace

void FrmReplay::keyPressEvent(QKeyEvent* event)
{
    // A viewer opened from the keyboard is left from it.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

FrmReplay::FrmReplay(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QTr("FrmReplay", "Запись партии"));
    setAttribute(Qt::WA_DeleteOnClose);

    Field = new FieldPicture(canvas_, this);
    LstLog = new QListWidget(this);
    LstLog->setMinimumWidth(300);
    LstLog->setSelectionMode(QAbstractItemView::NoSelection);

    CmdPrevTurn = new QPushButton(QTr("FrmReplay", "◀◀ ход"), this);
    CmdPrevTurn->setToolTip(QTr("FrmReplay", "К ходу предыдущей стороны"));
    CmdPrevTurn->setAccessibleName(CmdPrevTurn->toolTip());
    CmdBack = new QPushButton(QStringLiteral("|◀"), this);
    CmdBack->setToolTip(QTr("FrmReplay", "На приказ назад"));
    CmdBack->setAccessibleName(CmdBack->toolTip()); // its arrows say nothing aloud
    CmdPlay = new QPushButton(QStringLiteral("▶"), this);
    CmdPlay->setToolTip(QTr("FrmReplay", "Смотреть / пауза (пробел)"));
    CmdPlay->setAccessibleName(CmdPlay->toolTip());
    CmdPlay->setShortcut(Qt::Key_Space);
    CmdForward = new QPushButton(QStringLiteral("▶|"), this);
    CmdForward->setToolTip(QTr("FrmReplay", "На приказ вперёд"));
    CmdForward->setAccessibleName(CmdForward->toolTip());
    CmdNextTurn = new QPushButton(QTr("FrmReplay", "ход ▶▶"), this);
    CmdNextTurn->setToolTip(QTr("FrmReplay", "К ходу следующей стороны"));
    CmdNextTurn->setAccessibleName(CmdNextTurn->toolTip());
    CboSpeed = new QComboBox(this);
    CboSpeed->setToolTip(QTr("FrmReplay", "Скорость"));
    CboSpeed->setAccessibleName(CboSpeed->toolTip());
    for (const Speed& s : kSpeeds)
        CboSpeed->addItem(QTr("FrmReplay", s.caption));
    CboSpeed->setCurrentIndex(2);
    auto* dayLabel = new QLabel(QTr("FrmReplay", "День:"), this);
    SpnDay = new QSpinBox(this);
    SpnDay->setToolTip(QTr("FrmReplay", "Перейти к началу дня"));
    SpnDay->setAccessibleName(SpnDay->toolTip());
    SpnDay->setKeyboardTracking(false);
    Slider = new QSlider(Qt::Horizontal, this);
    Slider->setToolTip(QTr("FrmReplay", "Вся партия: приказ за приказом"));
    Slider->setAccessibleName(Slider->toolTip());
    LblStatus = new QLabel(this);
    LblStatus->setTextFormat(Qt::PlainText);

    auto* bar = new QHBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(CmdPrevTurn), static_cast<QWidget*>(CmdBack), static_cast<QWidget*>(CmdPlay),
          static_cast<QWidget*>(CmdForward), static_cast<QWidget*>(CmdNextTurn),
          static_cast<QWidget*>(CboSpeed), static_cast<QWidget*>(dayLabel), static_cast<QWidget*>(SpnDay)})
        bar->addWidget(w);
    bar->addWidget(Slider, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(Field, 3);
    top->addWidget(LstLog, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(bar);
    all->addWidget(LblStatus);

    connect(CmdPlay, &QPushButton::clicked, this, [this] { SetPlaying(!Playing()); });
    connect(CmdBack, &QPushButton::clicked, this, [this] {
        SetPlaying(false);
        StepBack();
    });
    connect(CmdForward, &QPushButton::clicked, this, [this] {
        SetPlaying(false);
        JumpTo(Line() + 1);
    });
    connect(CmdPrevTurn, &QPushButton::clicked, this, [this] {
        SetPlaying(false);
        PreviousTurn();
    });
    connect(CmdNextTurn, &QPushButton::clicked, this, [this] {
        SetPlaying(false);
        NextTurn();
    });
    connect(CboSpeed, &QComboBox::currentIndexChanged, this,
            [this](int i) { SetSpeed(kSpeeds[std::clamp(i, 0, 6)].ticks); });
    connect(SpnDay, &QSpinBox::valueChanged, this, [this](int day) {
        if (replay_ && day != replay_->Match().Day) {
            SetPlaying(false);
            JumpToDay(day);
        }
    });
    connect(Slider, &QSlider::sliderMoved, this, [this](int v) {
        SetPlaying(false);
        JumpTo(static_cast<std::size_t>(std::max(v, 0)));
    });
    connect(Slider, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            QTimer::singleShot(0, this, [this] { JumpTo(static_cast<std::size_t>(Slider->value())); });
    });
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });

    log_.listener = [this](const Game&, const MatchEvent&, const JournalEntry* entry) {
        if (entry && !quiet_) {
            auto* item = new QListWidgetItem(QString::fromStdString(JournalLine(*entry)));
            if (entry->Side >= 1)
                item->setForeground(SideTextColour(entry->Side, false));
            LstLog->addItem(item);
            LstLog->scrollToBottom();
        }
    };
    resize(1100, 720);
}

FrmReplay::~FrmReplay()
{
    log_.listener = nullptr;
}

void FrmReplay::Bind(Game& g)
{
    g.events = &log_;
    g.canvas = &canvas_;
}

bool FrmReplay::Open(const QString& path, QString& error)
{
    name_ = QFileInfo(path).fileName();
    std::string text;
    QString why;
    if (!SaveFiles::ReadText(path, text, why)) {
        error = QTr("FrmReplay", "Не удаётся открыть запись «%1»: %2.").arg(name_, why);
        return false;
    }
    save::RecordReadResult read = save::ReadRecord(text, true);
    if (!read) {
        error =
            QTr("FrmReplay", "Запись «%1» не открыть.\n\n%2").arg(name_, QString::fromStdString(read.error));
        return false;
    }
    setWindowTitle(QTr("FrmReplay", "Запись партии — %1").arg(name_));
    canvas_.Resize(QSize(1008, 756), devicePixelRatioF());
    replay_ = std::make_unique<save::Replayer>(std::move(read.record), *read.start);
    replay_->bind = [this](Game& g) { Bind(g); };
    Bind(replay_->Match());

    // The first pass: every hash checked, a keyframe every kEvery lines, the
    // day after every line.
    const std::size_t lines = replay_->Played().lines.size();
    quiet_ = true;
    dayAt_.assign(lines + 1, replay_->Match().Day);
    keys_.push_back({replay_->Keep(), log_.Entries()});
    bool ok = true;
    for (std::size_t n = 1; n <= lines && ok; ++n) {
        ok = replay_->PlayTo(n);
        for (std::size_t i = n; i <= std::min(replay_->Done(), lines); ++i)
            dayAt_[i] = replay_->Match().Day;
        n = std::max(n, replay_->Done());
        if (ok && replay_->Done() >= keys_.size() * kEvery)
            keys_.push_back({replay_->Keep(), log_.Entries()});
    }
    if (ok)
        ok = replay_->PlayToEnd();
    good_ = ok ? lines : (replay_->Done() > 0 ? replay_->Done() - 1 : 0);
    if (!ok)
        failure_ = QTr("FrmReplay", "Запись «%1» расходится с игрой: %2. Показано только то, что совпало.")
                       .arg(name_, QString::fromStdString(replay_->Error()));
    Slider->setRange(0, static_cast<int>(good_));
    SpnDay->setRange(dayAt_.front(), *std::max_element(dayAt_.begin(), dayAt_.end()));
    JumpTo(0);
    return true;
}

std::size_t FrmReplay::Line() const
{
    return replay_ ? replay_->Done() : 0;
}

std::size_t FrmReplay::Lines() const
{
    return good_;
}

bool FrmReplay::Check(bool ok)
{
    if (ok && !replay_->Failed())
        return true;
    SetPlaying(false);
    if (failure_.isEmpty())
        failure_ = QTr("FrmReplay", "Запись «%1» расходится с игрой: %2.")
                       .arg(name_, QString::fromStdString(replay_->Error()));
    // Never a match that differs: back to the last keyframe that matched.
    JumpTo(std::min(good_, replay_->Done() > 0 ? replay_->Done() - 1 : 0));
    return false;
}

void FrmReplay::JumpTo(std::size_t line)
{
    if (!replay_)
        return;
    line = std::min(line, good_);
    quiet_ = true;
    if (line < replay_->Done() || replay_->Failed()) {
        std::size_t k = std::min(line / kEvery, keys_.size() - 1);
        while (k > 0 && keys_[k].mark->done > line)
            --k;
        replay_->Restore(*keys_[k].mark);
        std::vector<JournalEntry> lines(keys_[k].log.begin(), keys_[k].log.end());
        log_.Restore(lines);
    }
    const bool ok = replay_->PlayTo(line);
    quiet_ = false;
    ReloadLog();
    Redraw();
    if (!ok && !replay_->Failed())
        return;
    Played();
}

void FrmReplay::StepBack()
{
    const std::size_t from = Line();
    for (std::size_t to = from; to > 0;) {
        JumpTo(--to);
        if (Line() < from)
            return;
    }
}

void FrmReplay::JumpToDay(std::int32_t day)
{
    for (std::size_t i = 0; i <= good_ && i < dayAt_.size(); ++i)
        if (dayAt_[i] >= day) {
            JumpTo(i);
            return;
        }
    JumpTo(good_);
}

std::size_t FrmReplay::TurnStart(std::size_t line) const
{
    const auto& lines = replay_->Played().lines;
    if (line == 0 || line > lines.size())
        return 0;
    const std::int32_t side = lines[line - 1].side;
    while (line > 1 && lines[line - 2].side == side)
        --line;
    return line - 1;
}

void FrmReplay::NextTurn()
{
    const auto& lines = replay_->Played().lines;
    std::size_t i = Line();
    const std::int32_t side = i < lines.size() ? lines[i].side : -1;
    while (i < lines.size() && lines[i].side == side)
        ++i;
    JumpTo(i);
}

void FrmReplay::PreviousTurn()
{
    std::size_t start = TurnStart(Line());
    if (start + 1 >= Line() && start > 0) // already at its start: the turn before
        start = TurnStart(start);
    JumpTo(start);
}

void FrmReplay::SetPlaying(bool on)
{
    if (!replay_)
        return;
    if (on && (replay_->AtEnd() || Line() >= good_))
        JumpTo(0);
    if (on)
        timer_.start();
    else
        timer_.stop();
    CmdPlay->setText(on ? QStringLiteral("❚❚") : QStringLiteral("▶"));
}

void FrmReplay::SetSpeed(double ticksPerTick)
{
    speed_ = ticksPerTick;
    owed_ = 0;
}

void FrmReplay::Tick()
{
    QElapsedTimer clock;
    clock.start();
    owed_ += speed_ > 0 ? speed_ : 0;
    bool ok = true;
    while (ok && !replay_->AtEnd() && Line() <= good_) {
        if (speed_ > 0) {
            if (owed_ < 1)
                break;
            owed_ -= 1;
        } else if (clock.elapsed() >= 12) {
            break;
        }
        ok = replay_->Step();
    }
    if (!Check(ok))
        return;
    if (replay_->AtEnd())
        SetPlaying(false);
    if (speed_ == 0)
        Redraw();
    Played();
}

void FrmReplay::Redraw()
{
    canvas_.Clear();
    if (replay_->Match().MatchRunning || replay_->Match().UnitCount > 0)
        DrawUnits(replay_->Match());
}

void FrmReplay::ReloadLog()
{
    LstLog->clear();
    for (const JournalEntry& e : log_.Entries()) {
        auto* item = new QListWidgetItem(QString::fromStdString(JournalLine(e)));
        if (e.Side >= 1)
            item->setForeground(SideTextColour(e.Side, false));
        LstLog->addItem(item);
    }
    LstLog->scrollToBottom();
}

void FrmReplay::Played()
{
    const Game& g = replay_->Match();
    const QSignalBlocker a(Slider), b(SpnDay);
    Slider->setValue(static_cast<int>(Line()));
    SpnDay->setValue(g.Day);
    CmdBack->setEnabled(Line() > 0);
    CmdPrevTurn->setEnabled(Line() > 0);
    CmdForward->setEnabled(Line() < good_);
    CmdNextTurn->setEnabled(Line() < good_);
    QString status = QTr("FrmReplay", "День %1, ходит %2 · приказ %3 из %4")
                         .arg(g.Day)
                         .arg(SideName(g, g.ActiveHero))
                         .arg(Line())
                         .arg(good_);
    if (replay_->AtEnd())
        status += QTr("FrmReplay", " · конец записи");
    if (!failure_.isEmpty())
        status += QStringLiteral(" · ") + failure_;
    LblStatus->setText(status);
    Field->update();
}

} // namespace gh
