// The play aids in the real battlefield window: the walkable field, the
// selected unit's reach, the path and exchange previews, the spell and
// summon odds, the zoom, and the settings' check box that turns them off.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QTest>
#include <QWheelEvent>

#include "GuiGame.h"
#include "battlefield/AidsText.h"
#include "battlefield/Drawing.h"
#include "battlefield/FrmMain.h"
#include "engine/Aids.h"
#include "engine/Order.h"
#include "magic/SpellCatalogue.h"
#include "magic/Spells.h"
#include "platform/qt/QtCanvas.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "world/Catalogue.h"
#include "world/FieldView.h"
#include "world/Units.h"

namespace gh {
namespace {

constexpr float C = 720;
constexpr int kHero = 1, kFoe = 6, kFarFoe = 7;

struct Field : gui::GuiGame {
    Field()
    {
        // Pinned dice: every Field sets up the same match.
        g.Generator.Pin(3);
        // The aids' colours on the black field; on the ground they have
        // tests of their own (test_ground.cpp).
        forms.prefs.blackField = true;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        shell.boxes.clear();
        EXPECT_TRUE(g.MatchRunning && g.ActiveHero == kHero && g.HeroIsHuman[kHero]);
        // The match as set up, with its units put where the tests want them:
        // the hero, a skeleton close by, a demon far off; the rest away.
        for (int i = 2; i <= g.UnitCount; ++i)
            g.U(i).OnField = false;
        g.U(2).OnField = true;
        Put(2, 19, 19);
        Put(kHero, 6, 6);
        CreateUnit(g, kFoe, kSkeleton, 0);
        Put(kFoe, 9, 7);
        CreateUnit(g, kFarFoe, kDemon, 0);
        Put(kFarFoe, 17, 12);
        g.UnitCount = std::max(g.UnitCount, kFarFoe);
        g.U(kHero).Actions = 4;
        Redraw();
    }

    void Put(int i, int col, int row)
    {
        g.U(i).PosX = col * C;
        g.U(i).PosY = row * C;
    }
    void Redraw()
    {
        g.canvas->Clear();
        DrawUnits(g);
        main->RenderControls();
    }

    // The middle of cell (col, row) on the window, at the field's scale.
    QPoint At(int col, int row) const
    {
        const double z = main->Zoom();
        return QPoint(static_cast<int>(((col * C + 360) - g.ViewX) / 15 * z),
                      static_cast<int>(((row * C + 360) - g.ViewY) / 15 * z));
    }
    void Hover(int col, int row)
    {
        QTest::mouseMove(main, At(col, row));
        main->RenderControls();
    }
    void Click(int col, int row)
    {
        QTest::mouseClick(main, Qt::LeftButton, Qt::NoModifier, At(col, row));
        main->RenderControls();
    }
    QImage Shot() { return main->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb Pixel(const QImage& shot, int col, int row, int dx = 0, int dy = 0) const
    {
        return shot.pixel(At(col, row) + QPoint(dx, dy)) & 0xFFFFFF;
    }
    std::string AllLines() const
    {
        std::string all;
        for (const std::string& l : main->Aids().Lines())
            all += l + "\n";
        return all;
    }

    FrmMain* main = nullptr;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(Aids, TheWalkableFieldIsDrawnAndTheSettingsCheckBoxTurnsEveryAidOff)
{
    Field f;
    f.Click(6, 6);
    ASSERT_EQ(f.g.Selected, kHero);
    f.Hover(7, 6);
    QImage shot = f.Shot();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("aids-field.png"))));
    // The edges of the field's empty cells are drawn, inside stays black;
    // past column 20 the field is black all over.
    const QPoint corner = f.At(15, 15) - QPoint(24, 24);
    EXPECT_NE(shot.pixel(corner + QPoint(8, 0)) & 0xFFFFFF, 0u);
    EXPECT_NE(shot.pixel(corner + QPoint(0, 8)) & 0xFFFFFF, 0u);
    EXPECT_EQ(shot.pixel(corner + QPoint(8, 8)) & 0xFFFFFF, 0u);
    const QPoint outside = f.At(23, 5) - QPoint(24, 24);
    EXPECT_EQ(shot.pixel(outside + QPoint(8, 0)) & 0xFFFFFF, 0u);
    ASSERT_NE(f.main->Aids().ShownReach(), nullptr);
    EXPECT_FALSE(f.main->Aids().Lines().empty());

    f.forms.OpenSettings();
    auto* set = qobject_cast<FrmSet*>(f.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->ChkAids->text(), QStringLiteral("Подсказки на поле"));
    EXPECT_TRUE(set->ChkAids->isChecked());
    set->ChkAids->click();
    EXPECT_FALSE(f.forms.prefs.aidsOn);
    shot = f.Shot();
    EXPECT_EQ(shot.pixel(corner + QPoint(8, 0)) & 0xFFFFFF, 0u);
    EXPECT_EQ(f.Pixel(shot, 7, 6, 5, 5), 0u); // no reach tint either
    EXPECT_EQ(f.main->Aids().ShownReach(), nullptr);
    EXPECT_TRUE(f.main->Aids().Lines().empty());
    EXPECT_FALSE(f.main->Aids().GroundShown());
    set->ChkAids->click();
    EXPECT_TRUE(f.forms.prefs.aidsOn);
    EXPECT_NE(f.Shot().pixel(corner + QPoint(8, 0)) & 0xFFFFFF, 0u);
    set->close();
}

TEST(Aids, ASelectedUnitsReachIsTintedAndTheEnemiesItCanFightAreMarked)
{
    Field f;
    f.Hover(12, 14); // far from the reach: no path to draw over it
    const QImage before = f.Shot();
    f.Click(6, 6);
    f.Hover(12, 14);
    const Reach* reach = f.main->Aids().ShownReach();
    ASSERT_NE(reach, nullptr);
    EXPECT_EQ(reach->walker, kHero);
    const Reach expected = ComputeReach(f.g, kHero);
    EXPECT_EQ(reach->cost, expected.cost);
    EXPECT_EQ(reach->opponents, std::vector<int>{kFoe});

    const QImage shot = f.Shot();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("aids-reach.png"))));
    // A reachable cell turns blue; a cell out of reach keeps the ground.
    ASSERT_TRUE(expected.Reaches(6, 8));
    ASSERT_FALSE(expected.Reaches(6, 12));
    EXPECT_GT(qBlue(shot.pixel(f.At(6, 8))), qBlue(before.pixel(f.At(6, 8))) + 20);
    EXPECT_EQ(shot.pixel(f.At(6, 12)), before.pixel(f.At(6, 12)));
    // The skeleton in reach has marked corners; the far demon has none.
    auto orange = [&](const QImage& image, int col, int row) {
        int n = 0;
        const QPoint c = f.At(col, row);
        for (int y = c.y() - 24; y < c.y() + 24; ++y)
            for (int x = c.x() - 24; x < c.x() + 24; ++x) {
                const QRgb p = image.pixel(x, y);
                n += qRed(p) > 240 && qGreen(p) > 120 && qGreen(p) < 180 && qBlue(p) < 60 ? 1 : 0;
            }
        return n;
    };
    EXPECT_GT(orange(shot, 9, 7), orange(before, 9, 7) + 40);
    // (the demon's own fire may be orange, the marks add nothing)
    EXPECT_LE(orange(shot, 17, 12), orange(before, 17, 12) + 4);

    // The idle animation runs on: the reach is not worked out again, nor
    // when the pointer moves on to other cells.
    const std::uint64_t computed = f.main->Aids().ReachesComputed();
    for (int i = 0; i < 60; ++i) {
        f.g.timers.Tick();
        f.main->RenderControls();
    }
    f.Hover(10, 10);
    f.Hover(11, 10);
    EXPECT_EQ(f.main->Aids().ReachesComputed(), computed);
    // A walk changes the field: once it is over the reach is new.
    f.Click(6, 8);
    for (int i = 0; i < 200 && f.g.InputMode == kModeWalk; ++i) {
        f.g.timers.Tick();
        f.main->RenderControls();
    }
    EXPECT_EQ(f.main->Aids().ReachesComputed(), computed + 1);
    EXPECT_EQ(f.main->Aids().ShownReach()->cost, ComputeReach(f.g, kHero).cost);
}

TEST(Aids, HoveringACellPreviewsThePathItsCostAndThenTheWalkDoesJustThat)
{
    Field f;
    f.Click(6, 6);
    const QImage plain = f.Shot();
    f.Hover(8, 6);
    EXPECT_EQ(f.main->Aids().Lines(), std::vector<std::string>{"Путь: 2 очка действия, останется 2"});
    const auto& path = f.main->Aids().PathCells();
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path.front(), (std::array<int, 2>{6, 6}));
    EXPECT_EQ(path.back(), (std::array<int, 2>{8, 6}));
    const QImage shot = f.Shot();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("aids-path.png"))));
    // The path's dots and the panel of lines are on the window.
    EXPECT_NE(shot.pixel(f.At(7, 6)), plain.pixel(f.At(7, 6)));
    const QRect panel = f.main->Aids().PanelRect();
    ASSERT_FALSE(panel.isEmpty());
    int changed = 0;
    for (int y = panel.top(); y <= panel.bottom(); ++y)
        for (int x = panel.left(); x <= panel.right(); ++x)
            changed += shot.pixel(x, y) != plain.pixel(x, y) ? 1 : 0;
    EXPECT_GT(changed, panel.width() * panel.height() / 4);

    // Too far for four points: said so, and the walk's real end is marked.
    f.Hover(13, 6);
    ASSERT_FALSE(f.main->Aids().Lines().empty());
    EXPECT_EQ(f.main->Aids().Lines()[0], "Сюда не дойти за этот ход");
    EXPECT_EQ(f.main->Aids().PathCells().back(), (std::array<int, 2>{10, 6}));
    f.Hover(24, 6);
    EXPECT_EQ(f.main->Aids().Lines(), std::vector<std::string>{"Сюда пути нет"});

    // The click walks the previewed way and leaves what the preview said.
    f.Hover(8, 5);
    const WalkPreview p = PreviewWalk(f.g, kHero, 8 * C, 5 * C);
    ASSERT_TRUE(p.arrives);
    f.Click(8, 5);
    for (int i = 0; i < 200 && f.g.InputMode == kModeWalk; ++i)
        f.g.timers.Tick();
    EXPECT_EQ(f.g.U(kHero).PosX, 8 * C);
    EXPECT_EQ(f.g.U(kHero).PosY, 5 * C);
    EXPECT_EQ(f.g.U(kHero).Actions, p.actionsLeft);
}

TEST(Aids, HoveringAnEnemyInReachForecastsTheExchangeWithBothNames)
{
    Field f;
    f.Click(6, 6);
    f.Hover(9, 7);
    const std::string lines = f.AllLines();
    const std::string hero = UnitTypeName(f.g.U(kHero).UnitType) + " " + f.g.U(kHero).Name;
    EXPECT_TRUE(Contains(lines, hero + " нападёт на: Скелет")) << lines;
    const WalkPreview walk = PreviewWalk(f.g, kHero, 9 * C, 7 * C);
    ASSERT_EQ(walk.exchangeWith, kFoe);
    const ExchangeOdds odds = ForecastOpening(f.g, kHero, walk);
    EXPECT_TRUE(Contains(lines, "Скелет: потеряет около")) << lines;
    EXPECT_TRUE(Contains(lines, "погибнет с шансом " + Percent(odds.otherDies))) << lines;
    EXPECT_TRUE(Contains(lines, hero + ": ")) << lines;
    EXPECT_TRUE(Contains(lines, "погибнет с шансом " + Percent(odds.openerDies))) << lines;
    EXPECT_TRUE(f.Shot().save(gui::ShotPath(QStringLiteral("aids-exchange.png"))));

    // The demon is out of reach this turn: no odds, only that.
    f.Hover(17, 12);
    EXPECT_EQ(f.main->Aids().Lines()[0], "До цели не дотянуться за этот ход: Демон");
}

TEST(Aids, APreviewPaintedAgainInPartsLooksAsPaintedWhole)
{
    // The walker's cell animates under the path and the panel, so they are
    // painted again a piece at a time; each piece must match the whole.
    Field f;
    f.Click(6, 6);
    for (const std::array<int, 2> target : {std::array<int, 2>{8, 6}, std::array<int, 2>{8, 8}}) {
        f.Hover(target[0], target[1]);
        ASSERT_EQ(f.main->Aids().PathCells().size(), 3u);
        const QImage whole = f.Shot();
        std::vector<QRect> pieces;
        for (const auto& c : f.main->Aids().PathCells()) {
            const QPoint centre = f.At(c[0], c[1]);
            pieces.push_back(QRect(centre - QPoint(30, 30), QSize(60, 60)));
            // Thin strips that catch a dot's or a line's edge alone.
            for (const QPoint side : {QPoint(4, 0), QPoint(-5, 0), QPoint(0, 4), QPoint(0, -5)})
                pieces.push_back(QRect(centre + side - QPoint(1, 1), QSize(2, 2)));
        }
        const QRect panel = f.main->Aids().PanelRect();
        ASSERT_FALSE(panel.isEmpty());
        pieces.push_back(QRect(panel.topLeft(), panel.size() / 2));
        for (const QRect& piece : pieces) {
            QImage part(f.main->size(), QImage::Format_RGB32);
            part.fill(Qt::magenta);
            f.main->render(&part, piece.topLeft(), QRegion(piece));
            int differ = 0;
            for (int y = piece.top(); y <= piece.bottom(); ++y)
                for (int x = piece.left(); x <= piece.right(); ++x)
                    differ += part.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
            EXPECT_EQ(differ, 0) << "to " << target[0] << "," << target[1] << ", piece at " << piece.x()
                                 << "," << piece.y();
        }
    }
}

TEST(Aids, TheDashesToAFoeInRangeAreClearedWithThePreview)
{
    // From where it stands the unit reaches the skeleton three cells off:
    // the dashes run past the path's only cell, and all of them must go
    // when the pointer moves on.
    Field f;
    f.g.U(kHero).AttackRange = 3;
    f.Click(6, 6);
    f.Hover(9, 7);
    ASSERT_EQ(f.main->Aids().PathCells().size(), 1u);
    const QPoint between = (f.At(6, 6) + f.At(9, 7)) / 2;
    EXPECT_TRUE(f.main->Aids().HoverArea().contains(between));
    EXPECT_TRUE(f.main->Aids().HoverArea().contains(f.At(9, 7) - QPoint(10, 3)));
}

TEST(Aids, ASpellOrASummonWaitingForItsCellShowsItsOdds)
{
    Field f;
    Unit& hero = f.g.U(kHero);
    hero.Mana = hero.ManaMax = 200;
    hero.Reason = 200;
    f.g.Spellbook[kHero][0] = -15; // Пламенный шар
    // As the casting dialog opens the book at the page.
    ASSERT_EQ(GiveOrder(f.g, {OrderKind::ReadPage, kHero, 0, 0, 0, Hand::Strong}), Refusal::None);
    ASSERT_EQ(f.g.InputMode, kModeSpell);
    f.Hover(9, 7);
    const std::string lines = f.AllLines();
    EXPECT_TRUE(Contains(lines, "Пламенный шар → Скелет")) << lines;
    EXPECT_TRUE(Contains(lines, "Подействует с шансом " + Percent(SpellLandChance(f.g.CurrentSpell, hero))))
        << lines;
    EXPECT_TRUE(Contains(lines, "В среднем \u2212")) << lines;
    EXPECT_TRUE(f.Shot().save(gui::ShotPath(QStringLiteral("aids-spell.png"))));
    f.Hover(12, 12);
    EXPECT_EQ(f.main->Aids().Lines(),
              std::vector<std::string>{"Пламенный шар: здесь никого нет, заклинание пропадёт"});
    // Cancelled, nothing was paid.
    QTest::mouseClick(f.main, Qt::RightButton, Qt::NoModifier, f.At(12, 12));
    EXPECT_EQ(hero.Mana, 200);

    // A creature to call: the free cells of the field are tinted, the taken
    // ones and those past the field are not, and the pointer's cell says why.
    f.g.Spellbook[kHero][1] = kSkeleton;
    ASSERT_EQ(GiveOrder(f.g, {OrderKind::ReadPage, kHero, 0, 0, 1, Hand::Strong}), Refusal::None);
    ASSERT_EQ(f.g.InputMode, kModeSummon);
    f.Hover(10, 10);
    EXPECT_TRUE(f.main->Aids().SummonCellShown(10, 10));
    EXPECT_FALSE(f.main->Aids().SummonCellShown(9, 7));
    EXPECT_TRUE(Contains(f.AllLines(), "Призвать сюда: Скелет, получится с шансом")) << f.AllLines();
    f.Hover(9, 7);
    EXPECT_EQ(f.main->Aids().Lines(), std::vector<std::string>{"Это место уже занято"});
    EXPECT_TRUE(f.Shot().save(gui::ShotPath(QStringLiteral("aids-summon.png"))));
}

TEST(Aids, HoveringAndPaintingTheAidsChangesNothingInTheMatch)
{
    // Two equal matches, one with the aids on, one with them off, led by the
    // same pointer: they stay equal, draw by draw.
    Field on, off;
    off.forms.prefs.aidsOn = false;
    ASSERT_TRUE(on.g.Match() == off.g.Match());
    // One window at a time under the pointer.
    int hinted = 0;
    for (Field* f : {&on, &off}) {
        (f == &on ? off : on).main->hide();
        f->main->show();
        f->Click(6, 6);
        for (int col = 1; col <= 21; col += 2)
            for (int row = 1; row <= 16; row += 3) {
                f->Hover(col, row);
                f->g.timers.Tick();
                f->main->RenderControls();
                f->main->grab();
                hinted += f->main->Aids().Lines().empty() ? 0 : 1;
            }
    }
    EXPECT_GT(hinted, 40); // only the window with the aids on hints
    EXPECT_TRUE(on.g.Match() == off.g.Match());
    EXPECT_EQ(on.g.rnd->Drawn(), off.g.rnd->Drawn());
}

void CtrlWheel(FrmMain* w, QPoint at, int delta)
{
    QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

TEST(Aids, ZoomScalesTheFieldAboutThePointerAndTheClicksFollow)
{
    Field f;
    f.g.HorBar.Value = 720;
    HorBarChanged(f.g, 720);
    f.main->RenderControls();
    const QPoint anchor = f.At(6, 6); // the hero stays under the pointer
    const float fieldX = f.g.ViewX + f.main->FieldTwips(anchor.x());
    CtrlWheel(f.main, anchor, 120);
    EXPECT_EQ(f.main->Zoom(), 1.5);
    EXPECT_EQ(f.forms.prefs.zoom, 1.5);
    // The field point under the pointer stays under it, to a twip of rounding.
    EXPECT_NEAR(f.g.ViewX + f.main->FieldTwips(anchor.x()), fieldX, 1.0);
    EXPECT_EQ(f.main->HorBar->value(), static_cast<int>(f.g.ViewX));
    EXPECT_EQ(f.main->VertBar->value(), static_cast<int>(f.g.ViewY));
    EXPECT_EQ(f.main->canvas.Zoom(), 1.5);

    QTest::keyClick(f.main, Qt::Key_Plus);
    EXPECT_EQ(f.main->Zoom(), 2.0);
    QTest::keyClick(f.main, Qt::Key_Plus);
    EXPECT_EQ(f.main->Zoom(), 2.0); // the largest
    // At 2 the twice-size art is copied one to one: the hero fills 96 pixels.
    f.Redraw();
    const QImage shot = f.Shot();
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("aids-zoom2.png"))));
    // A click on the hero's cell as drawn now selects him, the aids follow.
    f.g.Selected = 0;
    f.Click(6, 6);
    EXPECT_EQ(f.g.Selected, kHero);
    f.Hover(7, 6);
    EXPECT_EQ(f.main->Aids().Lines(), std::vector<std::string>{"Путь: 1 очко действия, останется 3"});
    const QRect cell(f.At(7, 6) - QPoint(48, 48), QSize(96, 96));
    EXPECT_TRUE(cell.contains(f.At(7, 6) + QPoint(40, 40)));

    QTest::keyClick(f.main, Qt::Key_Minus);
    QTest::keyClick(f.main, Qt::Key_Minus);
    QTest::keyClick(f.main, Qt::Key_Minus);
    EXPECT_EQ(f.main->Zoom(), 1.0);
    f.Click(6, 6);
    EXPECT_EQ(f.g.Selected, kHero);
}

} // namespace
} // namespace gh
