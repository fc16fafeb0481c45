// The English version: the language is chosen by the setting or the system,
// the translation is loaded from the program, and a whole match played in
// English shows no Russian in any window, box, tool tip or log line.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "Accessible.h"
#include "GuiGame.h"
#include "SavesGame.h"
#include "battlefield/FrmMain.h"
#include "engine/Journal.h"
#include "magic/SpellCatalogue.h"
#include "platform/Numbers.h"
#include "platform/qt/Translations.h"
#include "windows/FrmCast.h"
#include "windows/FrmLog.h"
#include "windows/FrmMenu.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/SaveState.h"
#include "windows/qt/AppSettings.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

// English for the test's length; the suite's other tests speak Russian.
struct InEnglish {
    InEnglish() { InstallLanguage(*QCoreApplication::instance(), Language::English); }
    ~InEnglish() { InstallLanguage(*QCoreApplication::instance(), Language::Russian); }
};

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

// Every text a person can see in `w` and its children: titles, captions,
// tool tips, list, table and tree entries and headers, combo entries, text
// boxes and pages, and the toolbar's actions.
void CollectTexts(QWidget* w, std::vector<QString>& out)
{
    auto add = [&out, w](const QString& s) {
        if (!s.isEmpty())
            out.push_back(QStringLiteral("%1: %2").arg(QString::fromLatin1(w->metaObject()->className()), s));
    };
    if (w->isWindow())
        add(w->windowTitle());
    add(w->toolTip());
    if (auto* l = qobject_cast<QLabel*>(w))
        add(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        add(b->text());
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        add(e->text());
        add(e->placeholderText());
    }
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i)
            add(c->itemText(i));
    if (auto* lw = qobject_cast<QListWidget*>(w))
        for (int i = 0; i < lw->count(); ++i) {
            add(lw->item(i)->text());
            add(lw->item(i)->toolTip());
        }
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < t->columnCount(); ++c)
            if (t->horizontalHeaderItem(c))
                add(t->horizontalHeaderItem(c)->text());
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columnCount(); ++c)
                if (t->item(r, c))
                    add(t->item(r, c)->text());
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int c = 0; c < tree->columnCount(); ++c)
            add(tree->headerItem()->text(c));
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            for (int c = 0; c < tree->columnCount(); ++c) {
                add(tree->topLevelItem(i)->text(c));
                add(tree->topLevelItem(i)->toolTip(c));
            }
    }
    if (auto* page = qobject_cast<QTextBrowser*>(w))
        add(page->toPlainText());
    if (auto* bar = qobject_cast<QToolBar*>(w))
        for (QAction* a : bar->actions()) {
            add(a->text());
            add(a->toolTip());
        }
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            CollectTexts(child, out);
}

// The texts of every window on screen that hold a Russian letter.
std::vector<std::string> RussianOnScreen()
{
    std::vector<std::string> found;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        std::vector<QString> texts;
        CollectTexts(top, texts);
        for (const QString& t : texts)
            if (t.contains(kCyrillic))
                found.push_back(t.left(120).toStdString());
    }
    return found;
}

bool HasRussian(const std::string& s)
{
    return QString::fromStdString(s).contains(kCyrillic);
}

TEST(English, TheLanguageFollowsTheSettingAndElseTheSystem)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ChooseLanguage(QString(), english), Language::English);
    EXPECT_EQ(ChooseLanguage(QString(), british), Language::English);
    EXPECT_EQ(ChooseLanguage(QString(), russian), Language::Russian);
    // A language the game does not ship gets the game's own.
    EXPECT_EQ(ChooseLanguage(QString(), german), Language::Russian);
    // «Язык» overrides the system either way.
    EXPECT_EQ(ChooseLanguage(QStringLiteral("ru"), english), Language::Russian);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("en"), russian), Language::English);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("en"), german), Language::English);
    // A value no control writes is no choice.
    EXPECT_EQ(ChooseLanguage(QStringLiteral("de"), russian), Language::Russian);
    EXPECT_EQ(ChooseLanguage(QStringLiteral("de"), english), Language::English);
}

TEST(English, TheTranslationIsInTheProgramAndAnswersTheRulesAndQt)
{
    ASSERT_TRUE(QFile::exists(QStringLiteral(":/i18n/grimhollow_en.qm")));
    const PluralText points = GH_PLURAL("AidsText", "%1 очко действия|%1 очка действия|%1 очков действия");
    auto count = [&points](long long n) { return Fill(TrN(points, n), {std::to_string(n)}); };
    {
        const InEnglish english;
        EXPECT_EQ(CurrentLanguage(), Language::English);
        EXPECT_EQ(UnitTypeName(kMage), "Mage");
        EXPECT_EQ(UnitTypeName(kVampireBat), "Vampire Bat");
        EXPECT_EQ(SpellName(15), "Fireball");
        EXPECT_EQ(count(1), "1 action point");
        EXPECT_EQ(count(2), "2 action points");
        EXPECT_EQ(count(0), "0 action points");
        EXPECT_EQ(count(21), "21 action points");
        // A sentence puts the name where English wants it.
        EXPECT_EQ(Fill(GH_TR("Journal", "%1 гибнет; сразил %2"), {"Skeleton", "Mage Merlin"}),
                  "Skeleton falls, slain by Mage Merlin");
        // A label on the field keeps the game's own word (a save holds it)
        // and is shown in English.
        EXPECT_EQ(GH_TR("FieldLabel", "мимо"), "miss");
        EXPECT_EQ(GH_TR("FieldLabel", "123"), "123");
        // Qt's own buttons speak English too.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").remove('&'), QStringLiteral("Yes"));
        EXPECT_EQ(QTr("FrmSet", "Язык"), QStringLiteral("Language"));
    }
    // And Russian again, as before: the rules' texts as written, Qt's in Russian.
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
    EXPECT_EQ(UnitTypeName(kMage), "Маг");
    EXPECT_EQ(count(1), "1 очко действия");
    EXPECT_EQ(count(2), "2 очка действия");
    EXPECT_EQ(count(5), "5 очков действия");
    EXPECT_EQ(count(22), "22 очка действия");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").remove('&'), QStringLiteral("Да"));
    EXPECT_EQ(QTr("FrmSet", "Язык"), QStringLiteral("Язык"));
}

TEST(English, TheSettingsWindowKeepsTheChosenLanguageForTheNextStart)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Grimhollow.conf"));
    AppSettings store(file);
    EXPECT_EQ(store.Language(), QString());
    gui::GuiGame gg;
    gg.forms.store = &store;
    gg.forms.OpenSettings();
    QPointer<FrmSet> set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->LblLanguage->text(), QStringLiteral("Язык"));
    ASSERT_EQ(set->CboLanguage->count(), 3);
    EXPECT_EQ(set->CboLanguage->currentIndex(), 0); // as the system
    EXPECT_TRUE(set->CboLanguage->toolTip().contains(QStringLiteral("перезапуска")));
    // In the window, clear of every other control, wide enough for its words.
    for (QWidget* w : std::initializer_list<QWidget*>{set->LblLanguage, set->CboLanguage}) {
        EXPECT_TRUE(set->rect().contains(w->geometry()));
        for (QWidget* other : set->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != w && other->isVisible() && other->parentWidget() == set) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry())) << other->metaObject()->className();
            }
    }
    // «Автосохранение» keeps the room its words need beside them.
    for (QWidget* w : std::initializer_list<QWidget*>{set->ChkAutosave, set->LblLanguage, set->CboLanguage})
        EXPECT_GE(w->width(), w->sizeHint().width()) << w->metaObject()->className();
    {
        // And so do the English words.
        const InEnglish english;
        FrmSet inEnglish(gg.forms);
        for (QWidget* w : std::initializer_list<QWidget*>{inEnglish.ChkAutosave, inEnglish.LblLanguage,
                                                          inEnglish.CboLanguage})
            EXPECT_GE(w->width(), w->sizeHint().width()) << w->metaObject()->className();
    }

    set->CboLanguage->setCurrentIndex(2);
    EXPECT_EQ(QSettings(file, QSettings::IniFormat).value(QStringLiteral("settings/language")).toString(),
              QStringLiteral("en"));
    // Nothing changes before the restart.
    EXPECT_EQ(CurrentLanguage(), Language::Russian);
    EXPECT_EQ(set->LblLanguage->text(), QStringLiteral("Язык"));
    set->close();
    gui::FlushDeletes();

    AppSettings again(file);
    EXPECT_EQ(again.Language(), QStringLiteral("en"));
    gg.forms.store = &again;
    gg.forms.OpenSettings();
    set = qobject_cast<FrmSet*>(gg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->CboLanguage->currentData().toString(), QStringLiteral("en"));
    set->CboLanguage->setCurrentIndex(1);
    EXPECT_EQ(again.Language(), QStringLiteral("ru"));
    set->CboLanguage->setCurrentIndex(0);
    EXPECT_EQ(again.Language(), QString());
    set->close();
    gui::FlushDeletes();

    // A value no control could hold reads as "follow the system".
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("settings/language"), QStringLiteral("xx"));
    EXPECT_EQ(AppSettings(file).Language(), QString());
}

// A whole match in English, through the real windows, the person's hero
// against a computer hero, saving itself at the person's turns: every window
// it opens, every box, tool tip and log line is read for a Russian letter.
struct EnglishMatch : gui::SavesGame {
    EnglishMatch()
    {
        g.rnd = &rnd;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    ~EnglishMatch()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != main && top->isVisible())
                top->close();
    }

    void PressToolbar(const char* russianCaption)
    {
        QAction* a = main->ToolbarButton(QString::fromUtf8(russianCaption));
        ASSERT_NE(a, nullptr) << russianCaption;
        QTest::mouseClick(main->Toolbar1->widgetForAction(a), Qt::LeftButton);
    }
    void Tick()
    {
        g.timers.Tick();
        main->RenderControls();
    }
    // What is on screen now, and every box so far, in English only.
    void ExpectEnglish(const char* when)
    {
        SCOPED_TRACE(when);
        QApplication::processEvents();
        for (const std::string& t : RussianOnScreen())
            ADD_FAILURE() << "Russian on screen: " << t;
        // What a screen reader reads is in English too, and never empty.
        std::vector<QString> names;
        for (const std::string& t : gui::UnnamedControls(&names))
            ADD_FAILURE() << "a control without a name: " << t;
        for (const QString& name : names)
            EXPECT_FALSE(name.contains(kCyrillic)) << "read aloud in Russian: " << name.toStdString();
        for (const MessageBoxRequest& box : shell.boxes)
            for (const std::string* s : {&box.title, &box.text, &box.yesCaption, &box.noCaption})
                EXPECT_FALSE(HasRussian(*s)) << *s;
        ++checks;
    }
    void Shot(QWidget* w, const char* name)
    {
        ASSERT_TRUE(w->grab().save(gui::ShotPath(QString::fromUtf8(name))));
    }
    QPoint CentreOf(int unit) const
    {
        return QPoint(static_cast<int>((g.U(unit).PosX - g.ViewX) / 15) + 24,
                      static_cast<int>((g.U(unit).PosY - g.ViewY) / 15) + 24);
    }

    const InEnglish english;
    ClockRandom rnd{20261210};
    FrmMain* main = nullptr;
    int checks = 0;
};

TEST(English, AMatchInEnglishShowsNoRussianAnywhere)
{
    EnglishMatch e;
    Game& g = e.g;
    e.ExpectEnglish("the empty battlefield");

    e.PressToolbar("Главное меню");
    ASSERT_NE(e.forms.Menu(), nullptr);
    e.ExpectEnglish("the main menu");
    EXPECT_EQ(e.forms.Menu()->Cmd[0]->text(), QStringLiteral("New Game"));
    QTest::mouseClick(e.forms.Menu()->Cmd[0], Qt::LeftButton);
    gui::FlushDeletes();
    FrmSelect* sel = e.forms.Select();
    ASSERT_NE(sel, nullptr);
    e.ExpectEnglish("the hero selection");
    e.Shot(sel, "english-select.png");
    // The first hero is the person's, the second the computer's.
    if (sel->Ai[0]->isChecked())
        QTest::mouseClick(sel->Ai[0], Qt::LeftButton);
    if (!sel->Ai[1]->isChecked())
        QTest::mouseClick(sel->Ai[1], Qt::LeftButton);
    QTest::mouseClick(sel->CmdOK, Qt::LeftButton);
    gui::FlushDeletes();
    ASSERT_TRUE(g.MatchRunning);
    ASSERT_EQ(g.ActiveHero, 1);
    ASSERT_FALSE(e.shell.boxes.empty());
    EXPECT_EQ(e.shell.boxes[0].title, "Day 1");
    e.ExpectEnglish("the match begins");

    // The person's hero, selected; its information window.
    QTest::mouseClick(e.main, Qt::LeftButton, Qt::NoModifier, e.CentreOf(1));
    EXPECT_EQ(g.Selected, 1);
    for (int i = 0; i < 3; ++i)
        e.Tick();
    e.ExpectEnglish("a hero selected");
    QTest::mouseClick(e.main, Qt::RightButton, Qt::NoModifier, e.CentreOf(2));
    e.ExpectEnglish("the information window");
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != e.main && top->isVisible() && top->windowTitle() == QStringLiteral("Information"))
            top->close();

    // The spellbook.
    e.PressToolbar("Магия");
    auto* cast = qobject_cast<FrmCast*>(e.forms.cast.data());
    ASSERT_NE(cast, nullptr);
    ASSERT_GT(cast->List1->count(), 0);
    cast->List1->setCurrentRow(0);
    e.ExpectEnglish("the casting dialog");
    e.Shot(cast, "english-cast.png");
    cast->close();

    // The settings, the help and the log.
    e.PressToolbar("Настройки");
    ASSERT_NE(e.forms.settings.data(), nullptr);
    e.ExpectEnglish("the settings");
    e.Shot(e.forms.settings.data(), "english-settings.png");
    e.forms.settings->close();
    e.PressToolbar("Помощь");
    e.ExpectEnglish("the help");
    if (e.forms.help)
        e.forms.help->close();
    e.forms.ToggleLog();
    ASSERT_NE(e.forms.Log(), nullptr);

    // The turns go by: the person's hero ends its turns at once, the
    // computer and the neutral side play theirs, blows and spells fill the
    // log. Every window and box is read at every change of side.
    int lastSide = g.ActiveHero;
    int lastDay = g.Day;
    for (int tick = 0; tick < 30000 && g.MatchRunning && g.Day < 5; ++tick) {
        if (g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)] && g.InputMode == kModeOrders &&
            !g.timers.Enabled(TimerId::Tmr1) && !g.timers.Enabled(TimerId::Tmr3))
            e.PressToolbar("Закончить ход");
        e.Tick();
        // The match's own labels stay in the game's language: a number, or
        // one of its words.
        for (const std::string* caption : {&g.LblUdar.Caption, &g.LblXP.Caption})
            if (!caption->empty() && !std::isdigit(static_cast<unsigned char>(caption->back()))) {
                EXPECT_TRUE(*caption == "мимо" || *caption == "иммунитет" || *caption == "повышение")
                    << *caption;
            }
        if (g.ActiveHero != lastSide || g.Day != lastDay) {
            e.Settle(); // the autosave at a person's turn
            lastSide = g.ActiveHero;
            lastDay = g.Day;
            e.ExpectEnglish("a change of turn");
        }
    }
    EXPECT_GE(g.Day, 2);
    e.ExpectEnglish("the match under way");
    e.Shot(e.main, "english-battlefield.png");
    // The log's lines, each in English; the saved form of each stays Russian.
    const auto& lines = e.forms.journal.Entries();
    ASSERT_GE(lines.size(), 4u);
    for (const JournalEntry& line : lines) {
        EXPECT_FALSE(HasRussian(JournalLine(line))) << JournalLine(line);
        EXPECT_TRUE(HasRussian(line.Text)) << line.Text;
    }
    e.Shot(e.forms.Log(), "english-log.png");

    // A save the player names, and the list of saves with the autosaves:
    // their titles in English on screen, in Russian in the files.
    for (int tick = 0; tick < 20000 && !WhySaveIsUnavailable(g).empty(); ++tick)
        e.Tick();
    ASSERT_EQ(WhySaveIsUnavailable(g), "");
    ASSERT_TRUE(e.forms.SaveAs(QStringLiteral("Before the storm")));
    e.Settle();
    e.forms.OpenSaves();
    ASSERT_NE(e.forms.savesList.data(), nullptr);
    auto* list = e.forms.savesList->findChild<QTreeWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_GE(list->topLevelItemCount(), 2);
    bool sawAutosave = false;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0).startsWith(QStringLiteral("Day "))) {
            sawAutosave = true;
            EXPECT_TRUE(list->topLevelItem(i)->text(0).contains(QStringLiteral(" to move")))
                << list->topLevelItem(i)->text(0).toStdString();
        }
    EXPECT_TRUE(sawAutosave);
    e.ExpectEnglish("the list of saves");
    e.Shot(e.forms.savesList.data(), "english-saves.png");
    int autosaves = 0;
    for (const SaveEntry& entry : e.files.List()) {
        if (!entry.autosave)
            continue;
        ++autosaves;
        EXPECT_TRUE(HasRussian(entry.summary.title)) << entry.summary.title;
        EXPECT_EQ(entry.summary.title.rfind("День ", 0), 0u) << entry.summary.title;
    }
    EXPECT_GE(autosaves, 1);
    e.forms.savesList->close();
    EXPECT_GE(e.checks, 12);
}

} // namespace
} // namespace gh
