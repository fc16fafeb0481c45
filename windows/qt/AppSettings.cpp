#include "windows/qt/AppSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "platform/qt/Translations.h"
#include "windows/FrmSelect.h"
#include "windows/Settings.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

// The keys, as documented in docs/saves-and-settings.md.
const QString kFrameSkip = QStringLiteral("settings/frameSkip");
const QString kIdlePace = QStringLiteral("settings/idlePace");
// The tick the levels replaced: true stands for the strongest level.
const QString kFullStrength = QStringLiteral("settings/fullStrength");
const QString kComputerLevel = QStringLiteral("settings/computerLevel");
const QString kAutosave = QStringLiteral("settings/autosave");
const QString kAnnounce = QStringLiteral("settings/announceComputerTurns");
const QString kBattlefield = QStringLiteral("battlefield/state");
const QString kFieldAids = QStringLiteral("settings/fieldAids");
const QString kBlackField = QStringLiteral("settings/blackField");
const QString kDistinctSides = QStringLiteral("settings/distinctSides");
const QString kZoom = QStringLiteral("battlefield/zoom");

QString SlotKey(int slot, const char* part)
{
    return QStringLiteral("selection/hero%1/%2").arg(slot + 1).arg(QLatin1StringView(part));
}

// A name as long as anyone types; a longer one is not the dialog's.
constexpr int kMaxName = 200;

std::optional<int> IntIn(const QSettings& s, const QString& key, int min, int max)
{
    const QVariant v = s.value(key);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return n;
}

// QVariant calls any text but "false" and "0" true; a remembered tick must
// be one of the words QSettings writes for it.
std::optional<bool> Flag(const QSettings& s, const QString& key)
{
    const QVariant v = s.value(key);
    if (!v.isValid())
        return std::nullopt;
    const QString text = v.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

std::optional<QString> Name(const QSettings& s, const QString& key)
{
    const QVariant v = s.value(key);
    if (!v.isValid() || v.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString name = v.toString();
    if (name.size() > kMaxName || name.contains(u'\n') || name.contains(u'\r') || name.contains(u'\t'))
        return std::nullopt;
    return name;
}

} // namespace

AppSettings::AppSettings()
{
    // The file the organization and application names point at.
    Open(QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                   QCoreApplication::applicationName())
             .fileName());
}

AppSettings::AppSettings(const QString& path)
{
    Open(path);
}

AppSettings::~AppSettings() = default;

void AppSettings::Open(const QString& path)
{
    store_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    if (store_->status() != QSettings::FormatError)
        return;
    // Kept for whoever wants to look at it, out of the way of the new one.
    store_.reset();
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1").arg(n);
    if (QFile::rename(path, aside))
        movedAside_ = aside;
    else
        QFile::remove(path);
    store_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString AppSettings::FilePath() const
{
    return store_->fileName();
}

void AppSettings::Written()
{
    // At once, not at exit: a crash or a killed program keeps the change.
    store_->sync();
}

std::optional<int> AppSettings::FrameSkip() const
{
    return IntIn(*store_, kFrameSkip, kFrameSkipMin, kFrameSkipMax);
}

int AppSettings::IdlePace() const
{
    return IntIn(*store_, kIdlePace, kIdlePaceMin, kIdlePaceMax).value_or(kIdlePaceMin);
}

int AppSettings::ComputerLevel() const
{
    if (const auto level = IntIn(*store_, kComputerLevel, kGameLevel, kStrongestLevel))
        return *level;
    if (Flag(*store_, kFullStrength).value_or(false))
        return kStrongestLevel;
    return kDefaultComputerLevel;
}

bool AppSettings::Autosave() const
{
    return Flag(*store_, kAutosave).value_or(true);
}

bool AppSettings::AnnounceComputerTurns() const
{
    return Flag(*store_, kAnnounce).value_or(true);
}

AppSettings::Window AppSettings::Battlefield() const
{
    const QString state = store_->value(kBattlefield).toString();
    if (state == QLatin1String("maximized"))
        return Window::Maximized;
    if (state == QLatin1String("framed"))
        return Window::Framed;
    return Window::FullScreen;
}

AppSettings::Slot AppSettings::Selection(int slot) const
{
    Slot s;
    s.taking = Flag(*store_, SlotKey(slot, "taking"));
    s.heroClass = IntIn(*store_, SlotKey(slot, "class"), 1, 3);
    s.name = Name(*store_, SlotKey(slot, "name"));
    s.ai = Flag(*store_, SlotKey(slot, "ai"));
    s.level = IntIn(*store_, SlotKey(slot, "level"), kGameLevel, kStrongestLevel);
    return s;
}

void AppSettings::SetFrameSkip(int position)
{
    store_->setValue(kFrameSkip, position);
    Written();
}

void AppSettings::SetIdlePace(int intervalMs)
{
    store_->setValue(kIdlePace, intervalMs);
    Written();
}

void AppSettings::SetComputerLevel(int level)
{
    store_->setValue(kComputerLevel, level);
    for (int i = 0; i < kHeroes; ++i)
        store_->setValue(SlotKey(i, "level"), level);
    Written();
}

void AppSettings::SetAutosave(bool on)
{
    store_->setValue(kAutosave, on);
    Written();
}

QString AppSettings::Language() const
{
    const QString v = store_->value(QString::fromLatin1(kLanguageKey)).toString();
    return v == QLatin1String("ru") || v == QLatin1String("en") ? v : QString();
}

void AppSettings::SetLanguage(const QString& language)
{
    store_->setValue(QString::fromLatin1(kLanguageKey), language);
    Written();
}

void AppSettings::SetAnnounceComputerTurns(bool on)
{
    store_->setValue(kAnnounce, on);
    Written();
}

void AppSettings::SetBattlefield(Window state)
{
    store_->setValue(kBattlefield, state == Window::Maximized ? QStringLiteral("maximized")
                                   : state == Window::Framed  ? QStringLiteral("framed")
                                                              : QStringLiteral("fullscreen"));
    Written();
}

void AppSettings::ApplyTo(Preferences& prefs) const
{
    prefs.AnnounceComputerTurns = AnnounceComputerTurns();
    prefs.ComputerLevel = ComputerLevel();
    prefs.FullScreen = Battlefield() == Window::FullScreen;
    prefs.aidsOn = Flag(*store_, kFieldAids).value_or(true);
    prefs.blackField = Flag(*store_, kBlackField).value_or(false);
    prefs.distinctSides = Flag(*store_, kDistinctSides).value_or(false);
    // Only the field's own scales, in percent: 100, 150 or 200.
    if (const auto percent = IntIn(*store_, kZoom, 100, 200))
        for (double level : kZoomLevels)
            if (static_cast<int>(level * 100) == *percent)
                prefs.zoom = level;
}

void AppSettings::Remember(const Preferences& prefs)
{
    const bool aids = Flag(*store_, kFieldAids).value_or(true);
    const bool black = Flag(*store_, kBlackField).value_or(false);
    const bool distinct = Flag(*store_, kDistinctSides).value_or(false);
    const int percent = static_cast<int>(prefs.zoom * 100 + 0.5);
    const int was = IntIn(*store_, kZoom, 100, 200).value_or(100);
    // Nothing is written while nothing differs from what the file says.
    if (aids == prefs.aidsOn && black == prefs.blackField && distinct == prefs.distinctSides && was == percent)
        return;
    store_->setValue(kFieldAids, prefs.aidsOn);
    store_->setValue(kBlackField, prefs.blackField);
    store_->setValue(kDistinctSides, prefs.distinctSides);
    store_->setValue(kZoom, percent);
    Written();
}

void AppSettings::RememberSelection(const Game& g)
{
    for (int i = 0; i < kHeroes; ++i) {
        const int h = i + 1;
        const Unit& hero = g.U(h);
        store_->setValue(SlotKey(i, "taking"), hero.OnField);
        const int k = ClassOfHeroType(hero.UnitType);
        if (k >= 1 && k <= 3)
            store_->setValue(SlotKey(i, "class"), k);
        store_->setValue(SlotKey(i, "name"), QString::fromStdString(hero.Name).left(kMaxName));
        store_->setValue(SlotKey(i, "ai"), !g.HeroIsHuman[static_cast<std::size_t>(h)]);
        store_->setValue(SlotKey(i, "level"), g.ComputerLevel[static_cast<std::size_t>(h)]);
    }
    Written();
}

void AppSettings::ApplyTo(Game& g) const
{
    // Only what is remembered: with nothing on disk the program starts as
    // it always has.
    ApplyFrameSkip(g);
    if (const auto pace = IntIn(*store_, kIdlePace, kIdlePaceMin, kIdlePaceMax))
        gh::ApplyIdlePace(g, *pace);
}

void AppSettings::ApplyFrameSkip(Game& g) const
{
    if (const auto position = FrameSkip())
        g.AnimSpeed = AnimSpeedForSlider(*position);
}

void AppSettings::RestoreSelection(FrmSelect& dialog) const
{
    for (int i = 0; i < FrmSelect::kSlots; ++i) {
        const Slot s = Selection(i);
        if (s.taking)
            dialog.Iss[i]->setChecked(*s.taking);
        if (s.ai)
            dialog.Ai[i]->setChecked(*s.ai);
        if (s.level)
            dialog.CboLevel[i]->setCurrentIndex(*s.level);
        if (s.heroClass)
            dialog.ChooseClass(i, *s.heroClass);
        // A name left empty is the player's choice too; the dialog shows it.
        if (s.name)
            dialog.Txt[i]->setText(*s.name);
    }
}

} // namespace gh
