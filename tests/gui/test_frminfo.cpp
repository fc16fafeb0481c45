// The information windows: opened by a right click on the field or on a
// portrait of the selection dialog, their controls, and how they go away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <vector>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/Twips.h"
#include "windows/FrmInfo.h"
#include "windows/FrmObj.h"
#include "windows/FrmSelect.h"
#include "windows/InfoText.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

using gui::GuiGame;

// A hand-made match on a real battlefield: hero 1 (a person) against hero 2.
struct Field : GuiGame {
    Field()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        Put(1, kMage, 1, 4, 4, "Вася");
        Put(2, kNecromancer, 2, 10, 4, "Кащей");
        g.Attitude[2][1] = -35;
        g.Attitude[1][2] = 45;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        g.MatchRunning = true;
    }

    Unit& Put(int i, int type, int owner, int col, int row, const char* name = "")
    {
        CreateUnit(g, i, type, owner);
        Unit& u = g.U(i);
        u.PosX = static_cast<float>(col * 720);
        u.PosY = static_cast<float>(row * 720);
        u.Name = name;
        if (i > g.UnitCount)
            g.UnitCount = i;
        return u;
    }

    // The middle of cell (col, row); the field starts at the window's corner.
    void RightClickCell(int col, int row)
    {
        QTest::mouseClick(main, Qt::RightButton, Qt::NoModifier, QPoint(48 * col + 24, 48 * row + 24));
    }

    // The information windows now open, oldest first.
    std::vector<QWidget*> Windows() const
    {
        std::vector<QWidget*> open;
        for (QObject* child : main->children())
            if (qobject_cast<FrmInfo*>(child) || qobject_cast<FrmObj*>(child))
                open.push_back(static_cast<QWidget*>(child));
        return open;
    }

    void CloseAll()
    {
        for (QWidget* w : Windows())
            w->close();
        gui::FlushDeletes();
    }

    FrmMain* main = nullptr;
};

void Shoot(QWidget* w, const char* name)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_TRUE(w->grab().save(gui::ShotPath(QString::fromUtf8(name))));
}

TEST(FrmInfo, RightClickOpensTheOwnUnitsFullWindowAndEveryoneElsesShortOne)
{
    Field f;
    f.Put(6, kDemon, 1, 5, 4); // the player's creature
    f.Put(7, kGhost, 0, 6, 4); // a neutral one
    Unit& corpse = f.Put(8, kSkeleton, 2, 7, 4);
    corpse.Kind = kKindRemains;
    corpse.Hp = -1;
    f.g.Selected = 6;

    struct Expect {
        int col;
        bool full;
        QString info, master;
    };
    const Expect expects[] = {
        {4, true, QString::fromStdString("Маг Вася" + UnitTypeDescription(kMage)), {}},
        {5, true, QString::fromStdString("Демон" + UnitTypeDescription(kDemon)), {}},
        {6, false, QString::fromStdString("Привидение" + UnitTypeDescription(kGhost)), "Хозяин: нету"},
        {7, false, QString::fromStdString(ObjectInfoOf(f.g, 8).LblInfo), "Прежний хозяин: Некромант Кащей"},
        {10, false, QString::fromStdString("Некромант Кащей" + UnitTypeDescription(kNecromancer)),
         "Отношение к Вам: ужасное"},
    };
    for (const Expect& e : expects) {
        f.RightClickCell(e.col, 4);
        const auto open = f.Windows();
        ASSERT_EQ(open.size(), 1u) << e.col;
        EXPECT_TRUE(open[0]->isVisible());
        if (e.full) {
            auto* w = qobject_cast<FrmInfo*>(open[0]);
            ASSERT_NE(w, nullptr) << e.col;
            EXPECT_EQ(w->LblInfo->text(), e.info);
        } else {
            auto* w = qobject_cast<FrmObj*>(open[0]);
            ASSERT_NE(w, nullptr) << e.col;
            EXPECT_EQ(w->LblInfo->text(), e.info);
            EXPECT_EQ(w->LblMaster->text(), e.master);
        }
        EXPECT_EQ(f.g.Selected, 6);
        f.CloseAll();
    }

    // Nothing under the pointer, or a click in the wrong mode: no window.
    f.RightClickCell(15, 8);
    EXPECT_TRUE(f.Windows().empty());
    f.g.InputMode = kModeSummon;
    f.RightClickCell(4, 4);
    EXPECT_TRUE(f.Windows().empty());
    EXPECT_EQ(f.g.InputMode, kModeOrders);
}

TEST(FrmInfo, TwoUnitsOnOneCellOpenTwoWindowsLowerRecordFirst)
{
    Field f;
    Unit& corpse = f.Put(6, kDemon, 2, 5, 4);
    corpse.Kind = kKindRemains;
    corpse.Hp = 0;
    f.Put(9, kVampireBat, 1, 5, 4);
    f.g.Selected = 1;

    f.RightClickCell(5, 4);
    const auto open = f.Windows();
    ASSERT_EQ(open.size(), 2u);
    auto* first = qobject_cast<FrmObj*>(open[0]);
    auto* second = qobject_cast<FrmInfo*>(open[1]);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->LblInfo->text(), QString::fromStdString(ObjectInfoOf(f.g, 6).LblInfo));
    EXPECT_TRUE(first->LblInfo->text().startsWith(QStringLiteral("Демон -труп.")));
    EXPECT_EQ(second->LblInfo->text(),
              QString::fromStdString("Летучая мышь-вампир" + UnitTypeDescription(kVampireBat)));
    EXPECT_TRUE(second->Lbl1->text().endsWith(QStringLiteral("\nХозяин: Маг Вася")));
    EXPECT_EQ(f.g.Selected, 1);
    // Both stay until each is sent away.
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
}

TEST(FrmInfo, FullWindowPlacesEveryControlInTwipsWithTheWholeText)
{
    Field f;
    Unit& hero = f.g.U(1);
    hero.Protection[8] = 160;
    hero.Protection[6] = 290;
    hero.Grace[7] = true;
    hero.Grace[2] = true;
    f.g.Selected = 1;
    f.RightClickCell(4, 4);
    ASSERT_EQ(f.Windows().size(), 1u);
    auto* w = qobject_cast<FrmInfo*>(f.Windows()[0]);
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Информация"));
    EXPECT_EQ(w->size(), TwipsSize(6435, 7200));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->isModal());
    EXPECT_TRUE(w->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(w->ImgFace->geometry(), TwipsRect(120, 120, 1455, 1455));
    EXPECT_EQ(w->LblInfo->geometry(), TwipsRect(1680, 240, 4575, 1215));
    EXPECT_EQ(w->Lbl1->geometry(), TwipsRect(120, 1800, 2775, 5175));
    EXPECT_EQ(w->Lbl2->geometry(), TwipsRect(3120, 1800, 3135, 5175));
    EXPECT_FALSE(w->ImgFace->pixmap().isNull());
    for (QLabel* l : {w->LblInfo, w->Lbl1, w->Lbl2}) {
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
        // Everything fits in its label: nothing is cut off at the bottom.
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
    }
    EXPECT_TRUE(
        w->Lbl1->text().contains(QStringLiteral("\n\nЗащита от смерти: 290\n\nЗащита от тьмы: 160\n")));
    EXPECT_TRUE(w->Lbl2->text().contains(QStringLiteral("\nБлагодать: огонь, жизнь\n")));
    EXPECT_FALSE(w->Lbl1->text().contains(QChar('\r')));
    Shoot(w, "frminfo-hero.png");
    f.CloseAll();

    // The preview record, the way the casting dialog asks for it.
    f.Put(0, kDemon, 1, 0, 0).OnField = false;
    f.g.Selected = 3;
    f.forms.OpenInfo({0, InfoWindow::Creature});
    EXPECT_EQ(f.g.Selected, 3);
    ASSERT_EQ(f.Windows().size(), 1u);
    w = qobject_cast<FrmInfo*>(f.Windows()[0]);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Lbl1->text().startsWith(QStringLiteral("Уровень 1\n\nОпыт: 0/")));
    EXPECT_TRUE(w->Lbl1->text().endsWith(QStringLiteral("\nХозяин: Маг Вася")));
    Shoot(w, "frminfo-preview.png");
}

TEST(FrmObj, ShortWindowShowsBarsForTheLivingAndNoneForRemains)
{
    Field f;
    Unit& ghost = f.Put(7, kGhost, 2, 6, 4); // HpMax 35, ActionsMax 5
    ghost.Hp = 10;
    ghost.Actions = 2;
    f.RightClickCell(6, 4);
    ASSERT_EQ(f.Windows().size(), 1u);
    auto* w = qobject_cast<FrmObj*>(f.Windows()[0]);
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Информация"));
    EXPECT_EQ(w->size(), TwipsSize(6105, 3555));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->ImgFace->geometry(), TwipsRect(2280, 120, 1455, 1455));
    EXPECT_FALSE(w->ImgFace->pixmap().isNull());
    EXPECT_EQ(w->LblAP->geometry(), TwipsRect(120, 1200, 2055, 195));
    EXPECT_EQ(w->LblAP->text(), QStringLiteral("Действия"));
    EXPECT_EQ(w->LblHP->geometry(), TwipsRect(3840, 1200, 2085, 195));
    EXPECT_EQ(w->LblHP->text(), QStringLiteral("Жизнь"));
    EXPECT_EQ(w->ShpAPMax->geometry(), TwipsRect(120, 1440, 2055, 135));
    EXPECT_EQ(w->ShpHPMax->geometry(), TwipsRect(3840, 1440, 2175, 135));
    // 2055 x 2 / 5 = 822 twips; 2175 x 10 / 35 = 621.4 twips.
    EXPECT_EQ(w->ShpAP->geometry(), QRect(TwipsRect(120, 1440, 0, 135).topLeft(), QSize(55, 9)));
    EXPECT_EQ(w->ShpHP->geometry(), QRect(TwipsRect(3840, 1440, 0, 135).topLeft(), QSize(41, 9)));
    EXPECT_EQ(w->ShpAPMax->palette().color(QPalette::Window), QColor(128, 0, 128));
    EXPECT_EQ(w->ShpAP->palette().color(QPalette::Window), QColor(192, 0, 192));
    EXPECT_EQ(w->ShpHPMax->palette().color(QPalette::Window), QColor(0, 64, 0));
    EXPECT_EQ(w->ShpHP->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(w->LblInfo->geometry(), TwipsRect(120, 1800, 5775, 1095));
    EXPECT_EQ(w->LblMaster->pos(), TwipsRect(240, 3120, 0, 0).topLeft());
    EXPECT_EQ(w->LblMaster->text(), QStringLiteral("Хозяин: Некромант Кащей"));
    EXPECT_GE(w->LblMaster->width(), w->LblMaster->sizeHint().width());
    EXPECT_LE(w->LblInfo->heightForWidth(w->LblInfo->width()), w->LblInfo->height());
    for (QWidget* bar : {static_cast<QWidget*>(w->ShpAP), static_cast<QWidget*>(w->ShpHP)})
        EXPECT_TRUE(bar->isVisible());
    // The bars really are painted in their colours.
    const QImage shot = w->grab().toImage();
    EXPECT_EQ(shot.pixelColor(w->ShpHP->geometry().center()), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(w->ShpHPMax->geometry().topRight() + QPoint(-2, 4)), QColor(0, 64, 0));
    EXPECT_EQ(shot.pixelColor(w->ShpAP->geometry().center()), QColor(192, 0, 192));
    Shoot(w, "frmobj-creature.png");
    f.CloseAll();

    // The remains of a hero: no bars, no captions, the shared portrait.
    Unit& hero = f.g.U(2);
    hero.Kind = kKindRemains;
    hero.Hp = -2;
    f.RightClickCell(10, 4);
    ASSERT_EQ(f.Windows().size(), 1u);
    w = qobject_cast<FrmObj*>(f.Windows()[0]);
    ASSERT_NE(w, nullptr);
    for (QWidget* c : {static_cast<QWidget*>(w->ShpAP), static_cast<QWidget*>(w->ShpAPMax),
                       static_cast<QWidget*>(w->ShpHP), static_cast<QWidget*>(w->ShpHPMax),
                       static_cast<QWidget*>(w->LblAP), static_cast<QWidget*>(w->LblHP)})
        EXPECT_FALSE(c->isVisible());
    EXPECT_TRUE(w->LblInfo->text().startsWith(QStringLiteral("Некромант Кащей-труп.")));
    EXPECT_EQ(w->LblMaster->text(), QStringLiteral("Трупик вражеского лорда"));
    Shoot(w, "frmobj-remains.png");
    f.CloseAll();

    // A foreign hero says how he regards you.
    hero.Kind = kKindHero;
    hero.Hp = 1;
    f.RightClickCell(10, 4);
    ASSERT_EQ(f.Windows().size(), 1u);
    w = qobject_cast<FrmObj*>(f.Windows()[0]);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->LblMaster->text(), QStringLiteral("Отношение к Вам: ужасное"));
    EXPECT_EQ(w->ShpHP->palette().color(QPalette::Window), QColor(255, 0, 0));
    Shoot(w, "frmobj-hero.png");
}

TEST(FrmInfo, BothWindowsCloseOnAnyClickAndOnEscOnly)
{
    Field f;
    f.Put(7, kGhost, 2, 6, 4);
    for (int col : {4, 6}) {
        // Which of the window's parts to click; -1 is Esc, -2 another key.
        for (int part = -2; part < 6; ++part) {
            f.RightClickCell(col, 4);
            ASSERT_EQ(f.Windows().size(), 1u);
            QPointer<QWidget> w = f.Windows()[0];
            std::vector<QWidget*> parts{w.data()};
            if (auto* info = qobject_cast<FrmInfo*>(w.data()))
                parts.insert(parts.end(), {info->ImgFace, info->LblInfo, info->Lbl1, info->Lbl2});
            if (auto* obj = qobject_cast<FrmObj*>(w.data()))
                parts.insert(parts.end(),
                             {obj->ImgFace, obj->LblInfo, obj->LblMaster, obj->LblHP, obj->LblAP});
            if (part >= static_cast<int>(parts.size())) {
                f.CloseAll();
                continue;
            }
            if (part == -2)
                QTest::keyClick(w, Qt::Key_A);
            else if (part == -1)
                QTest::keyClick(w, Qt::Key_Escape);
            else
                QTest::mouseClick(parts[static_cast<std::size_t>(part)],
                                  part % 2 ? Qt::LeftButton : Qt::RightButton);
            gui::FlushDeletes();
            EXPECT_EQ(w.isNull(), part != -2) << col << " " << part;
            f.CloseAll();
        }
    }
}

TEST(FrmInfo, RightClickOnASelectionPortraitShowsThatHero)
{
    GuiGame gg; // the selection dialog on its own, as the tests open it
    QPointer<FrmSelect> dlg = gg.forms.OpenSelect();
    gg.g.Selected = 9;
    dlg->Txt[2]->setText(QStringLiteral("Ёжик <b>в тумане</b>"));
    dlg->Iss[2]->click();
    QTest::mouseClick(dlg->Img[2], Qt::RightButton);
    EXPECT_EQ(gg.g.Selected, 9);

    QPointer<FrmInfo> w;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* info = qobject_cast<FrmInfo*>(top))
            w = info;
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->isVisible());
    const Unit& hero = gg.g.U(3);
    // The name is shown as typed, markup and all.
    EXPECT_EQ(w->LblInfo->text(),
              QString::fromStdString(UnitTypeName(hero.UnitType) + " Ёжик <b>в тумане</b>" +
                                     UnitTypeDescription(hero.UnitType)));
    EXPECT_TRUE(w->Lbl1->text().contains(QStringLiteral("\nЛидерство: 0/")));
    QTest::keyClick(w, Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_TRUE(w.isNull());
}

} // namespace
} // namespace gh
