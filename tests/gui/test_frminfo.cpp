// The information windows: opened by a right click on the field or on a
// selection portrait, their controls, and how they go away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <vector>

#include "GuiGame.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/Twips.h"
#include "windows/FrmInfo.h"
#include "windows/FrmObj.h"
#include "windows/FrmSelect.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {
namespace {

// A hand-made match on a real battlefield: hero 1 (a person) against hero 2.
struct Field : gui::GuiGame {
    Field()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        Put(1, kMage, 1, 4, "Вася");
        Put(2, kNecromancer, 2, 10, "Кащей");
        g.Attitude[2][1] = -35;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        g.MatchRunning = true;
    }
    // On row 4 of the field, below the toolbar.
    Unit& Put(int i, int type, int owner, int col, const char* name = "", int kind = 0)
    {
        CreateUnit(g, i, type, owner);
        Unit& u = g.U(i);
        u.PosX = static_cast<float>(col * 720);
        u.PosY = 4 * 720;
        u.Name = name;
        if (kind == kKindRemains) {
            u.Kind = kind;
            u.Hp = -1;
        }
        g.UnitCount = std::max(g.UnitCount, i);
        return u;
    }
    // Right-clicks the middle of a cell and returns the windows now open, oldest first.
    std::vector<QWidget*> RightClick(int col)
    {
        QTest::mouseClick(main, Qt::RightButton, Qt::NoModifier, QPoint(48 * col + 24, 48 * 4 + 24));
        std::vector<QWidget*> open;
        for (QObject* child : main->children())
            if (qobject_cast<FrmInfo*>(child) || qobject_cast<FrmObj*>(child))
                open.push_back(static_cast<QWidget*>(child));
        return open;
    }
    void CloseAll()
    {
        for (QObject* child : main->children())
            if (qobject_cast<FrmInfo*>(child) || qobject_cast<FrmObj*>(child))
                static_cast<QWidget*>(child)->close();
        gui::FlushDeletes();
    }
    FrmMain* main = nullptr;
};

void Shoot(QWidget* w, const char* name)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_TRUE(w->grab().save(gui::ShotPath(QString::fromUtf8(name))));
}

TEST(FrmInfo, RightClickOpensFullWindowsForOwnUnitsShortOnesForTheRestOnePerUnit)
{
    Field f;
    f.Put(6, kDemon, 1, 5);
    f.Put(7, kGhost, 0, 6);
    f.Put(8, kSkeleton, 2, 7, "", kKindRemains);
    f.Put(9, kDemon, 2, 8, "", kKindRemains); // under the player's bat
    f.Put(11, kVampireBat, 1, 8);
    f.g.Selected = 6;
    struct Expect {
        int col;
        std::vector<bool> full; // per window opened, in order
        QString firstInfo;
    };
    const Expect expects[] = {
        {4, {true}, QString::fromStdString("Маг Вася" + UnitTypeDescription(kMage))},
        {5, {true}, QString::fromStdString("Демон" + UnitTypeDescription(kDemon))},
        {6, {false}, QString::fromStdString("Привидение" + UnitTypeDescription(kGhost))},
        {7, {false}, QStringLiteral("Гнилые кости")},
        {8, {false, true}, QStringLiteral("Демон -труп.")},
        {10, {false}, QString::fromStdString("Некромант Кащей" + UnitTypeDescription(kNecromancer))},
        {15, {}, {}},
    };
    for (const Expect& e : expects) {
        const auto open = f.RightClick(e.col);
        ASSERT_EQ(open.size(), e.full.size()) << e.col;
        for (std::size_t k = 0; k < open.size(); ++k) {
            EXPECT_TRUE(open[k]->isVisible());
            EXPECT_EQ(qobject_cast<FrmInfo*>(open[k]) != nullptr, e.full[k]) << e.col;
        }
        if (!open.empty()) {
            const QLabel* info = e.full[0] ? qobject_cast<FrmInfo*>(open[0])->LblInfo
                                           : qobject_cast<FrmObj*>(open[0])->LblInfo;
            EXPECT_TRUE(info->text().startsWith(e.firstInfo)) << e.col;
        }
        EXPECT_EQ(f.g.Selected, 6);
        f.CloseAll();
    }
    // Placing a summon: the right click cancels it and opens nothing.
    f.g.InputMode = kModeSummon;
    EXPECT_TRUE(f.RightClick(4).empty());
    EXPECT_EQ(f.g.InputMode, kModeOrders);
}

TEST(FrmInfo, WindowsPlaceTheirControlsInTwipsAndShowEveryLine)
{
    Field f;
    f.g.U(1).Protection[8] = 160;
    f.g.U(1).Protection[6] = 290;
    auto* info = qobject_cast<FrmInfo*>(f.RightClick(4).at(0));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), QStringLiteral("Информация"));
    EXPECT_EQ(info->size(), TwipsSize(6435, 7200));
    EXPECT_EQ(info->minimumSize(), info->maximumSize());
    EXPECT_FALSE(info->ImgFace->pixmap().isNull());
    const std::pair<QWidget*, QRect> infoPlaces[] = {
        {info->ImgFace, TwipsRect(120, 120, 1455, 1455)},
        {info->LblInfo, TwipsRect(1680, 240, 4575, 1215)},
        {info->Lbl1, TwipsRect(120, 1800, 2775, 5175)},
        {info->Lbl2, TwipsRect(3120, 1800, 3135, 5175)},
    };
    for (const auto& [w, rect] : infoPlaces)
        EXPECT_EQ(w->geometry(), rect);
    for (QLabel* l : {info->LblInfo, info->Lbl1, info->Lbl2})
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString(); // nothing cut off
    EXPECT_TRUE(
        info->Lbl1->text().contains(QStringLiteral("\n\nЗащита от смерти: 290\n\nЗащита от тьмы: 160\n")));
    Shoot(info, "frminfo-hero.png");

    Unit& ghost = f.Put(7, kGhost, 2, 6); // 10 of 35 life, 2 of 5 actions
    ghost.Hp = 10;
    ghost.Actions = 2;
    auto* obj = qobject_cast<FrmObj*>(f.RightClick(6).at(1));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->windowTitle(), QStringLiteral("Информация"));
    EXPECT_EQ(obj->size(), TwipsSize(6105, 3555));
    // 2055 x 2 / 5 = 822 twips = 55 pixels; 2175 x 10 / 35 = 621.4 twips = 41 pixels.
    const std::pair<QWidget*, QRect> objPlaces[] = {
        {obj->ImgFace, TwipsRect(2280, 120, 1455, 1455)},
        {obj->LblAP, TwipsRect(120, 1200, 2055, 195)},
        {obj->ShpAPMax, TwipsRect(120, 1440, 2055, 135)},
        {obj->ShpAP, QRect(8, 96, 55, 9)},
        {obj->LblHP, TwipsRect(3840, 1200, 2085, 195)},
        {obj->ShpHPMax, TwipsRect(3840, 1440, 2175, 135)},
        {obj->ShpHP, QRect(256, 96, 41, 9)},
        {obj->LblInfo, TwipsRect(120, 1800, 5775, 1095)},
    };
    for (const auto& [w, rect] : objPlaces) {
        EXPECT_EQ(w->geometry(), rect);
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_EQ(obj->LblAP->text(), QStringLiteral("Действия"));
    EXPECT_EQ(obj->LblHP->text(), QStringLiteral("Жизнь"));
    EXPECT_EQ(obj->LblMaster->pos(), TwipsRect(240, 3120, 0, 0).topLeft());
    EXPECT_EQ(obj->LblMaster->text(), QStringLiteral("Хозяин: Некромант Кащей"));
    EXPECT_GE(obj->LblMaster->width(), obj->LblMaster->sizeHint().width());
    // The bars are painted in their colours, the part left over the full one.
    const QImage shot = obj->grab().toImage();
    EXPECT_EQ(shot.pixelColor(obj->ShpHP->geometry().center()), QColor(255, 255, 0));
    EXPECT_EQ(shot.pixelColor(obj->ShpHPMax->geometry().topRight() + QPoint(-2, 4)), QColor(0, 64, 0));
    EXPECT_EQ(shot.pixelColor(obj->ShpAP->geometry().center()), QColor(192, 0, 192));
    EXPECT_EQ(shot.pixelColor(obj->ShpAPMax->geometry().topRight() + QPoint(-2, 4)), QColor(128, 0, 128));
    Shoot(obj, "frmobj-creature.png");
    f.CloseAll();

    // Remains show neither bars nor their captions.
    f.g.U(2).Kind = kKindRemains;
    obj = qobject_cast<FrmObj*>(f.RightClick(10).at(0));
    ASSERT_NE(obj, nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{obj->ShpAP, obj->ShpAPMax, obj->ShpHP, obj->ShpHPMax,
                                                      obj->LblAP, obj->LblHP})
        EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(obj->LblMaster->text(), QStringLiteral("Трупик вражеского лорда"));
    Shoot(obj, "frmobj-remains.png");
}

TEST(FrmInfo, BothWindowsCloseOnAnyClickAndOnEscButNotOnOtherKeys)
{
    Field f;
    f.Put(7, kGhost, 2, 6);
    for (int col : {4, 6}) {
        for (int part = -2; part < 6; ++part) { // -2 another key, -1 Esc, then the parts
            QPointer<QWidget> w = f.RightClick(col).at(0);
            std::vector<QWidget*> parts{w.data()};
            if (auto* info = qobject_cast<FrmInfo*>(w.data()))
                parts.insert(parts.end(), {info->ImgFace, info->LblInfo, info->Lbl1, info->Lbl2});
            else if (auto* obj = qobject_cast<FrmObj*>(w.data()))
                parts.insert(parts.end(),
                             {obj->ImgFace, obj->LblInfo, obj->LblMaster, obj->LblHP, obj->LblAP});
            if (part < 0)
                QTest::keyClick(w, part == -1 ? Qt::Key_Escape : Qt::Key_A);
            else if (part < static_cast<int>(parts.size()))
                QTest::mouseClick(parts[std::size_t(part)], part % 2 ? Qt::LeftButton : Qt::RightButton);
            else
                w->close();
            gui::FlushDeletes();
            EXPECT_EQ(w.isNull(), part != -2) << col << " " << part;
            f.CloseAll();
        }
    }
}

TEST(FrmInfo, RightClickOnASelectionPortraitShowsThatHeroAsTyped)
{
    gui::GuiGame gg; // the selection dialog without the battlefield
    QPointer<FrmSelect> dlg = gg.forms.OpenSelect();
    gg.g.Selected = 9;
    dlg->Iss[2]->click();
    dlg->Txt[2]->setText(QStringLiteral("Ёжик <b>в тумане</b>"));
    QTest::mouseClick(dlg->Img[2], Qt::RightButton);
    EXPECT_EQ(gg.g.Selected, 9);
    QPointer<FrmInfo> w;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* info = qobject_cast<FrmInfo*>(top))
            w = info;
    ASSERT_FALSE(w.isNull());
    EXPECT_TRUE(w->isVisible());
    const int type = gg.g.U(3).UnitType;
    EXPECT_EQ(w->LblInfo->text(), QString::fromStdString(UnitTypeName(type) + " Ёжик <b>в тумане</b>" +
                                                         UnitTypeDescription(type)));
    EXPECT_EQ(w->LblInfo->textFormat(), Qt::PlainText);
    QTest::keyClick(w, Qt::Key_Escape);
    gui::FlushDeletes();
    EXPECT_TRUE(w.isNull());
}

} // namespace
} // namespace gh
