#include "windows/FrmNet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "battlefield/WindowOpener.h"
#include "platform/qt/SideColours.h"
#include "platform/qt/Translations.h"
#include "platform/qt/Twips.h"
#include "windows/NetworkPlay.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

constexpr int kMaxCode = 32;
constexpr int kMaxName = 32;

QSpinBox* PortBox(QWidget* parent, const QString& name)
{
    auto* box = new QSpinBox(parent);
    box->setRange(1, 65535);
    box->setValue(NetworkPlay::kDefaultPort);
    box->setAccessibleName(name);
    box->setToolTip(QTr("FrmNet", "Порт: у хозяина и у того, кто подключается, он должен быть один и тот же"));
    return box;
}

// "Лучница Эовин": the hero's class and name, as the strip says them.
QString HeroTitle(const Game& g, int side)
{
    const Unit& hero = g.U(side);
    return QString::fromStdString(UnitTypeName(hero.UnitType) + " " + hero.Name);
}

QString PersonName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = QTr("FrmNet", "Игрок");
    return name.left(kMaxName);
}

} // namespace

FrmNet::FrmNet(WindowOpener& forms, NetworkPlay& net, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      forms_(forms), net_(net)
{
    setWindowTitle(QTr("FrmNet", "Сетевая игра"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(460);

    Tabs = new QTabWidget(this);

    // Hosting: the match on screen, played by people at other machines.
    auto* hostPage = new QWidget(Tabs);
    auto* hostForm = new QFormLayout(hostPage);
    LblMatch = new QLabel(hostPage);
    LblMatch->setTextFormat(Qt::PlainText);
    LblMatch->setWordWrap(true);
    hostForm->addRow(LblMatch);
    heroesBox_ = new QWidget(hostPage);
    new QVBoxLayout(heroesBox_);
    heroesBox_->layout()->setContentsMargins(0, 0, 0, 0);
    hostForm->addRow(heroesBox_);
    SpnHostPort = PortBox(hostPage, QTr("FrmNet", "Порт для подключений"));
    hostForm->addRow(QTr("FrmNet", "Порт:"), SpnHostPort);
    TxtHostCode = new QLineEdit(hostPage);
    TxtHostCode->setMaxLength(kMaxCode);
    TxtHostCode->setPlaceholderText(QTr("FrmNet", "необязательно"));
    TxtHostCode->setAccessibleName(QTr("FrmNet", "Код партии"));
    TxtHostCode->setToolTip(QTr("FrmNet", "Подключиться смогут только те, кто знает этот код"));
    hostForm->addRow(QTr("FrmNet", "Код партии:"), TxtHostCode);
    CmdHost = new QPushButton(QTr("FrmNet", "Открыть партию"), hostPage);
    CmdHost->setToolTip(QTr("FrmNet", "Ждать подключений других игроков"));
    connect(CmdHost, &QPushButton::clicked, this, &FrmNet::Host);
    hostForm->addRow(CmdHost);
    Tabs->addTab(hostPage, QTr("FrmNet", "Создать"));

    // Joining a match on another machine.
    auto* joinPage = new QWidget(Tabs);
    auto* joinForm = new QFormLayout(joinPage);
    TxtAddress = new QLineEdit(joinPage);
    TxtAddress->setPlaceholderText(QTr("FrmNet", "адрес или имя компьютера"));
    TxtAddress->setAccessibleName(QTr("FrmNet", "Адрес хозяина партии"));
    joinForm->addRow(QTr("FrmNet", "Адрес:"), TxtAddress);
    SpnJoinPort = PortBox(joinPage, QTr("FrmNet", "Порт хозяина партии"));
    joinForm->addRow(QTr("FrmNet", "Порт:"), SpnJoinPort);
    TxtName = new QLineEdit(PersonName(), joinPage);
    TxtName->setMaxLength(kMaxName);
    TxtName->setAccessibleName(QTr("FrmNet", "Ваше имя"));
    joinForm->addRow(QTr("FrmNet", "Ваше имя:"), TxtName);
    TxtJoinCode = new QLineEdit(joinPage);
    TxtJoinCode->setMaxLength(kMaxCode);
    TxtJoinCode->setPlaceholderText(QTr("FrmNet", "если хозяин его задал"));
    TxtJoinCode->setAccessibleName(QTr("FrmNet", "Код партии"));
    joinForm->addRow(QTr("FrmNet", "Код партии:"), TxtJoinCode);
    CboClass = new QComboBox(joinPage);
    CboClass->addItem(QTr("FrmNet", "как решит хозяин"), 0);
    for (int heroClass = 1; heroClass <= 3; ++heroClass)
        CboClass->addItem(QString::fromStdString(UnitTypeName(HeroTypeOfClass(heroClass))), heroClass);
    CboClass->setAccessibleName(QTr("FrmNet", "Класс героя"));
    CboClass->setToolTip(QTr("FrmNet", "Каким героем играть: хозяин сменит класс перед началом партии"));
    joinForm->addRow(QTr("FrmNet", "Класс героя:"), CboClass);
    TxtHeroName = new QLineEdit(joinPage);
    TxtHeroName->setMaxLength(kMaxName);
    TxtHeroName->setPlaceholderText(QTr("FrmNet", "как назовёт хозяин"));
    TxtHeroName->setAccessibleName(QTr("FrmNet", "Имя героя"));
    joinForm->addRow(QTr("FrmNet", "Имя героя:"), TxtHeroName);
    CmdJoin = new QPushButton(QTr("FrmNet", "Подключиться"), joinPage);
    connect(CmdJoin, &QPushButton::clicked, this, &FrmNet::Join);
    connect(TxtAddress, &QLineEdit::returnPressed, CmdJoin, &QPushButton::click);
    joinForm->addRow(CmdJoin);
    Tabs->addTab(joinPage, QTr("FrmNet", "Подключиться"));

    // The seats and what goes on.
    LstSeats = new QListWidget(this);
    LstSeats->setAccessibleName(QTr("FrmNet", "Места в партии"));
    LstSeats->setToolTip(QTr("FrmNet", "Двойной щелчок по свободному месту — занять его"));
    LstSeats->setMinimumHeight(110);
    connect(LstSeats, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        net_.Claim(item->data(Qt::UserRole).toInt());
    });
    LblStatus = new QLabel(this);
    LblStatus->setTextFormat(Qt::PlainText);
    LblStatus->setWordWrap(true);
    LblStatus->setAccessibleName(QTr("FrmNet", "Состояние сетевой игры"));
    CmdStart = new QPushButton(QTr("FrmNet", "Начать"), this);
    CmdStart->setToolTip(QTr("FrmNet", "Начать партию: у каждого места есть игрок"));
    connect(CmdStart, &QPushButton::clicked, this, [this] {
        net_.StartMatch();
        close();
    });
    CmdLeave = new QPushButton(QTr("FrmNet", "Выйти из сетевой игры"), this);
    connect(CmdLeave, &QPushButton::clicked, this, [this] { net_.Leave(); });
    CmdClose = new QPushButton(QTr("FrmNet", "Закрыть"), this);
    connect(CmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdStart);
    buttons->addWidget(CmdLeave);
    buttons->addStretch(1);
    buttons->addWidget(CmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabs);
    layout->addWidget(new QLabel(QTr("FrmNet", "Места:"), this));
    layout->addWidget(LstSeats);
    layout->addWidget(LblStatus);
    layout->addLayout(buttons);

    FillHeroes();
    Tabs->setCurrentIndex(forms_.g.MatchRunning ? 0 : 1);
    Follow();
    adjustSize();
    CentreOnScreen(this);
}

void FrmNet::FillHeroes()
{
    // The match's persons: the first plays here, the others at other
    // machines, until the host says otherwise.
    for (auto& [side, box] : ChkRemote)
        delete box;
    ChkRemote.clear();
    const Game& g = forms_.g;
    bool first = true;
    if (g.MatchRunning)
        for (int side = 1; side <= kHeroes; ++side) {
            if (!g.HeroIsHuman[static_cast<std::size_t>(side)] || !g.U(side).OnField)
                continue;
            auto* box = new QCheckBox(
                QTr("FrmNet", "%1 — играет по сети").arg(HeroTitle(g, side)), heroesBox_);
            box->setChecked(!first);
            first = false;
            heroesBox_->layout()->addWidget(box);
            ChkRemote[side] = box;
        }
    if (!g.MatchRunning)
        LblMatch->setText(QTr("FrmNet", "Сначала начните партию («Заново» в главном меню): по сети играют "
                                        "героями, за которых играют люди."));
    else if (ChkRemote.empty())
        LblMatch->setText(QTr("FrmNet", "В этой партии за всех героев играет компьютер. Отметьте людей в "
                                        "выборе участников («Заново»)."));
    else
        LblMatch->setText(QTr("FrmNet", "Партия на этом экране. Отметьте героев, за которых играют на других "
                                        "компьютерах:"));
}

void FrmNet::Host()
{
    std::vector<int> remote;
    for (const auto& [side, box] : ChkRemote)
        if (box->isChecked())
            remote.push_back(side);
    QString error;
    if (!net_.Host(static_cast<quint16>(SpnHostPort->value()), TxtHostCode->text().trimmed(), remote, error)) {
        LblStatus->setText(error);
        return;
    }
    Follow();
}

void FrmNet::Join()
{
    const QString address = TxtAddress->text().trimmed();
    if (address.isEmpty()) {
        LblStatus->setText(QTr("FrmNet", "Укажите адрес компьютера, на котором открыта партия."));
        TxtAddress->setFocus();
        return;
    }
    if (forms_.g.MatchRunning && !forms_.InNetworkMatch()) {
        // The host's match will replace the one on screen.
        LblStatus->setText(QTr("FrmNet", "Партия хозяина заменит партию на этом экране."));
    }
    net_.Join(address, static_cast<quint16>(SpnJoinPort->value()), TxtName->text().trimmed(),
              TxtJoinCode->text().trimmed(), CboClass->currentData().toInt(), TxtHeroName->text().trimmed());
    Follow();
}

void FrmNet::Follow()
{
    const bool active = net_.Active();
    const bool hosting = net_.Current() == NetworkPlay::Mode::Hosting;
    const bool started = net_.Started();
    Tabs->setEnabled(!active);
    CmdHost->setEnabled(!active && !ChkRemote.empty());
    CmdJoin->setEnabled(!active);
    CmdStart->setVisible(hosting);
    CmdStart->setEnabled(hosting && !started && net_.Full());
    CmdLeave->setEnabled(active);

    const Game& g = forms_.g;
    const auto seats = net_.Seats();
    if (LstSeats->count() != static_cast<int>(seats.size())) {
        LstSeats->clear();
        for (std::size_t i = 0; i < seats.size(); ++i)
            LstSeats->addItem(QString());
    }
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const auto& s = seats[i];
        QString hero = QTr("FrmNet", "Сторона %1").arg(s.side);
        if (hosting || started)
            hero = HeroTitle(g, s.side);
        QString who;
        if (s.person.isEmpty())
            who = QTr("FrmNet", "свободно");
        else if (s.here)
            who = QTr("FrmNet", "%1 (вы)").arg(s.person);
        else if (!s.connected)
            who = QTr("FrmNet", "%1 — нет связи").arg(s.person);
        else
            who = s.person;
        QListWidgetItem* item = LstSeats->item(static_cast<int>(i));
        const QString text = hero + QStringLiteral(": ") + who;
        if (item->text() != text)
            item->setText(text);
        item->setData(Qt::UserRole, s.side);
        item->setForeground(SideTextColour(s.side, false));
    }

    QString status;
    if (!net_.Problem().isEmpty() && !active)
        status = net_.Problem();
    else if (hosting && !started)
        status = net_.Full() ? QTr("FrmNet", "Все на местах: можно начинать.")
                             : QTr("FrmNet", "Партия открыта на порту %1. Ждём игроков…").arg(net_.Port());
    else if (hosting)
        status = QTr("FrmNet", "Партия идёт. Порт %1.").arg(net_.Port());
    else if (active && !net_.Connected())
        status = QTr("FrmNet", "Подключаемся…");
    else if (active && !started)
        status = QTr("FrmNet", "Подключено. Ждём, пока хозяин начнёт партию.");
    else if (active)
        status = QTr("FrmNet", "Партия идёт.");
    if (const QString waiting = net_.Waiting(); !waiting.isEmpty())
        status += QLatin1Char('\n') + waiting;
    if (LblStatus->text() != status)
        LblStatus->setText(status);
}

void FrmNet::showEvent(QShowEvent* event)
{
    if (!net_.Active())
        FillHeroes();
    Follow();
    QWidget::showEvent(event);
}

void FrmNet::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gh
