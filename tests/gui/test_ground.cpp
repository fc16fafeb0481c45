// The ground under a running match: where it lies and where it does not, that
// the rules paint exactly as they do on black, that it draws no random number,
// that pictures are laid on it with their alpha and repainted only where they
// change, and the settings' «Чёрное поле».
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "GuiGame.h"
#include "SavesGame.h"
#include "battlefield/Drawing.h"
#include "battlefield/FrmMain.h"
#include "battlefield/GroundPattern.h"
#include "battlefield/qt/Terrain.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/QtCanvas.h"
#include "tests/support/RecordingCanvas.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/qt/AppSettings.h"
#include "world/FieldView.h"

namespace gh {
namespace {

constexpr float C = 720;

// Passes every call on to the window's canvas and remembers it.
class TeeCanvas final : public Canvas {
public:
    explicit TeeCanvas(Canvas& to) : to_(to) {}
    void Clear() override
    {
        seen.Clear();
        to_.Clear();
    }
    void Paint(ImageList list, int index, float x, float y, int team) override
    {
        seen.Paint(list, index, x, y, team);
        to_.Paint(list, index, x, y, team);
    }
    void PaintWidth(ImageList list, int index, float x, float y, float width, int team) override
    {
        seen.PaintWidth(list, index, x, y, width, team);
        to_.PaintWidth(list, index, x, y, width, team);
    }
    void Print(const std::string& text, float x, float y, Rgb colour) override
    {
        seen.Print(text, x, y, colour);
        to_.Print(text, x, y, colour);
    }
    RecordingCanvas seen;

private:
    Canvas& to_;
};

struct Match : gui::GuiGame {
    explicit Match(bool blackField, bool tee = false)
    {
        g.Generator.Pin(3);
        forms.prefs.blackField = blackField;
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        if (tee) {
            recorder = std::make_unique<TeeCanvas>(main->canvas);
            g.canvas = recorder.get();
        }
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        shell.boxes.clear();
        EXPECT_TRUE(g.MatchRunning);
    }
    ~Match()
    {
        if (g.canvas == recorder.get())
            g.canvas = &main->canvas;
    }

    QImage Shot() { return main->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The top-left of cell (col, row) in the window at zoom 1.
    QPoint Cell(int col, int row) const
    {
        return QPoint(static_cast<int>((col * C - g.ViewX) / 15), static_cast<int>((row * C - g.ViewY) / 15));
    }
    // A free cell of the field, away from every unit and its neighbours.
    QPoint FreeCell() const
    {
        for (int col = 2; col <= 15; ++col)
            for (int row = 3; row <= 12; ++row) {
                bool free = true;
                for (int i = 1; i <= g.UnitCount && free; ++i) {
                    const Unit& u = g.U(i);
                    free = !u.OnField || std::abs(u.PosX / C - col) > 1 || std::abs(u.PosY / C - row) > 1;
                }
                if (free)
                    return QPoint(col, row);
            }
        ADD_FAILURE() << "no free cell";
        return QPoint(2, 3);
    }

    FrmMain* main = nullptr;
    std::unique_ptr<TeeCanvas> recorder;
};

bool Black(QRgb c)
{
    return (c & 0xFFFFFF) == 0;
}

// How many pixels of the square at `at`, `side` wide, are not black.
int Lit(const QImage& shot, QPoint at, int side)
{
    int n = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            n += !Black(shot.pixel(at + QPoint(x, y)));
    return n;
}

TEST(Ground, LiesUnderARunningMatchOnlyAndEndsAtTheFieldsEdge)
{
    gui::GuiGame gg;
    gg.g.Generator.Pin(3);
    FrmMain* main = gg.forms.LoadMain();
    main->setGeometry(0, 0, 1280, 800);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    // Before a match: the empty black surface.
    EXPECT_EQ(main->canvas.LaidUnderlay(), nullptr);
    QImage before = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Lit(before, QPoint(300, 300), 48), 0);

    gg.forms.OpenSelect()->CmdOK->click();
    gui::FlushDeletes();
    ASSERT_TRUE(gg.g.MatchRunning);
    EXPECT_EQ(main->canvas.LaidUnderlay(), &main->Ground());
    const QImage shot = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shot.save(gui::ShotPath(QStringLiteral("ground-field.png"))));
    // Inside the field every pixel of a cell is ground; mostly green.
    const QPoint inside(static_cast<int>((5 * C - gg.g.ViewX) / 15),
                        static_cast<int>((5 * C - gg.g.ViewY) / 15));
    EXPECT_EQ(Lit(shot, inside, 48), 48 * 48);
    // Past the last column (and before the first) it is black: the field ends.
    const int pastLast = static_cast<int>((21 * C - gg.g.ViewX) / 15);
    ASSERT_LT(pastLast + 60, shot.width());
    EXPECT_EQ(Lit(shot, QPoint(pastLast + 4, inside.y()), 48), 0);
    EXPECT_FALSE(Black(shot.pixel(pastLast - 2, inside.y())));
    const int beforeFirst = static_cast<int>((C - gg.g.ViewX) / 15);
    if (beforeFirst > 4) {
        EXPECT_TRUE(Black(shot.pixel(beforeFirst - 3, inside.y())));
    }
}

TEST(Ground, TheRulesPaintTheSameCallsOnGroundAsOnBlack)
{
    std::vector<std::vector<RecordingCanvas::Call>> runs;
    std::vector<std::size_t> draws;
    for (bool black : {true, false}) {
        Match m(black, true);
        EXPECT_EQ(m.main->canvas.LaidUnderlay() == nullptr, black);
        // Idle ticks, then a walk of the first hero one cell on, played out.
        for (int t = 0; t < 40; ++t) {
            m.g.timers.Tick();
            m.forms.Refresh();
        }
        const Unit& hero = m.g.U(m.g.ActiveHero);
        const QPoint at(static_cast<int>((hero.PosX + 360 - m.g.ViewX) / 15),
                        static_cast<int>((hero.PosY + 360 - m.g.ViewY) / 15));
        QTest::mouseClick(m.main, Qt::LeftButton, Qt::NoModifier, at);
        const QPoint next = at + QPoint(hero.PosX / C < 15 ? 48 : -48, 0);
        QTest::mouseClick(m.main, Qt::LeftButton, Qt::NoModifier, next);
        for (int t = 0; t < 200; ++t) {
            m.g.timers.Tick();
            m.forms.Refresh();
        }
        ASSERT_FALSE(m.recorder->seen.calls.empty());
        runs.push_back(m.recorder->seen.calls);
        draws.push_back(m.g.Generator.Drawn());
    }
    ASSERT_EQ(runs[0].size(), runs[1].size());
    int clears = 0;
    for (std::size_t i = 0; i < runs[0].size(); ++i) {
        const auto& a = runs[0][i];
        const auto& b = runs[1][i];
        clears += a.kind == RecordingCanvas::Call::Clear;
        EXPECT_TRUE(a.kind == b.kind && a.list == b.list && a.index == b.index && a.x == b.x && a.y == b.y &&
                    a.width == b.width && a.team == b.team && a.text == b.text)
            << "call " << i;
    }
    EXPECT_GT(clears, 1) << "the walk clears the field as it goes";
    EXPECT_EQ(draws[0], draws[1]);
}

TEST(Ground, IsLaidWithoutDrawingARandomNumber)
{
    Match m(true);
    EXPECT_EQ(m.main->canvas.LaidUnderlay(), nullptr);
    const std::size_t drawn = m.g.Generator.Drawn();
    const MatchState before = m.g.Match();
    m.forms.prefs.blackField = false;
    m.main->RenderControls();
    EXPECT_EQ(m.main->canvas.LaidUnderlay(), &m.main->Ground());
    EXPECT_FALSE(m.main->Ground().Picture(false).isNull());
    EXPECT_EQ(m.g.Generator.Drawn(), drawn);
    EXPECT_TRUE(m.g.Match() == before);
    EXPECT_EQ(m.main->Ground().Pattern(), GroundPattern(m.g));
}

TEST(Ground, TheSettingsCheckBoxBringsBackTheBlackFieldAndIsRemembered)
{
    gui::SavesGame sg;
    sg.g.Generator.Pin(3);
    FrmMain* main = sg.forms.LoadMain();
    main->setGeometry(0, 0, 1280, 800);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    sg.forms.OpenSelect()->CmdOK->click();
    gui::FlushDeletes();
    ASSERT_TRUE(sg.g.MatchRunning);
    const QPoint cell(static_cast<int>((4 * C - sg.g.ViewX) / 15) + 4,
                      static_cast<int>((4 * C - sg.g.ViewY) / 15) + 4);
    auto inside = [&] { return Lit(main->grab().toImage().convertToFormat(QImage::Format_RGB32), cell, 40); };
    EXPECT_EQ(inside(), 40 * 40);

    sg.forms.OpenSettings();
    auto* set = qobject_cast<FrmSet*>(sg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->ChkBlackField->text(), QStringLiteral("Чёрное поле"));
    EXPECT_FALSE(set->ChkBlackField->isChecked());
    // Beside «Подсказки на поле», in the window, clear of every other
    // control and wide enough for its words.
    const QRect box = set->ChkBlackField->geometry();
    EXPECT_TRUE(set->rect().contains(box));
    EXPECT_GE(box.width(), set->ChkBlackField->sizeHint().width());
    EXPECT_GE(set->ChkAids->width(), set->ChkAids->sizeHint().width());
    for (QWidget* other : set->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == set->ChkBlackField || !other->isVisible())
            continue;
        EXPECT_FALSE(box.intersects(other->geometry())) << other->metaObject()->className();
    }
    EXPECT_TRUE(set->grab().save(gui::ShotPath(QStringLiteral("ground-settings.png"))));
    set->ChkBlackField->click();
    EXPECT_TRUE(sg.forms.prefs.blackField);
    EXPECT_EQ(main->canvas.LaidUnderlay(), nullptr);
    // Black again at once, up to the walkable grid's faint lines at the edges.
    EXPECT_LT(inside(), 40 * 4);
    set->close();

    AppSettings again(sg.settingsPath);
    Preferences prefs;
    again.ApplyTo(prefs);
    EXPECT_TRUE(prefs.blackField);
    prefs.blackField = false;
    again.Remember(prefs);
    Preferences fresh;
    fresh.blackField = true;
    AppSettings(sg.settingsPath).ApplyTo(fresh);
    EXPECT_FALSE(fresh.blackField);
    // Nothing remembered: the ground.
    QTemporaryDir dir;
    Preferences none;
    none.blackField = true;
    AppSettings(dir.filePath(QStringLiteral("none.conf"))).ApplyTo(none);
    EXPECT_FALSE(none.blackField);
}

// A ground of one colour, to see exactly what a picture leaves of it.
class PlainGround final : public Underlay {
public:
    void PaintUnder(QPainter& p, const QRectF& logical, const QtCanvas&) const override
    {
        p.fillRect(logical, colour);
    }
    std::uint64_t Key() const override { return key; }
    QColor colour{40, 120, 30};
    std::uint64_t key = 7;
};

TEST(Ground, APictureIsLaidOnTheGroundWithItsAlphaAndLooksAsOnBlackOtherwise)
{
    QtCanvas canvas;
    canvas.Resize(QSize(200, 120), 1.0);
    PlainGround ground;
    canvas.SetUnderlay(&ground);
    EXPECT_TRUE(canvas.UnderlayStale());
    canvas.Clear();
    EXPECT_FALSE(canvas.UnderlayStale());
    EXPECT_EQ(canvas.Image().pixel(150, 100), ground.colour.rgb());
    canvas.TakeChanges();

    const int pic = 19; // a mage, standing, with black around him on black
    canvas.Paint(ImageList::Unit, pic, 720, 720, 1);
    const QImage& onGround = canvas.Image();
    const QImage flat = ImageLists::Get().Frame(ImageList::Unit, pic, false, 1, false);
    const QImage over = ImageLists::Get().Overlay(ImageList::Unit, pic, false, 1, false);
    int ground_seen = 0, unit_seen = 0, clamped = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            // The overlay's own premultiplied pixels, as the painter lays them.
            const int a = qAlpha(reinterpret_cast<const QRgb*>(over.constScanLine(y))[x]);
            const QRgb got = onGround.pixel(48 + x, 48 + y);
            const QRgb f = flat.pixel(x, y);
            // On black the overlay is the flat picture, but for the few edge
            // pixels where the scaling's ringing left a channel above the
            // cover (the overlay holds those to the cover).
            if (std::max({qRed(f), qGreen(f), qBlue(f)}) > a)
                ++clamped;
            else
                ASSERT_EQ(reinterpret_cast<const QRgb*>(over.constScanLine(y))[x] & 0xFFFFFF, f & 0xFFFFFF)
                    << x << "," << y;
            if (a == 0) {
                ++ground_seen;
                EXPECT_EQ(got, ground.colour.rgb()) << x << "," << y;
            } else if (a == 255) {
                ++unit_seen;
                EXPECT_EQ(got & 0xFFFFFF, flat.pixel(x, y) & 0xFFFFFF) << x << "," << y;
            }
        }
    EXPECT_LT(clamped, 48 * 48 / 50);
    EXPECT_GT(ground_seen, 48 * 48 / 2) << "most of a cell is the ground around the unit";
    EXPECT_GT(unit_seen, 50);
    EXPECT_FALSE(canvas.TakeChanges().isEmpty());

    // The same picture again changes nothing; another frame of it does.
    canvas.Paint(ImageList::Unit, pic, 720, 720, 1);
    EXPECT_TRUE(canvas.TakeChanges().isEmpty());
    canvas.Paint(ImageList::Unit, pic + 1, 720, 720, 1);
    const QRegion changed = canvas.TakeChanges();
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(QRect(40, 40, 64, 64).contains(changed.boundingRect())) << "only around the unit's cell";

    // A clear brings the ground back where the unit stood, and only there.
    canvas.Clear();
    EXPECT_EQ(canvas.Image().pixel(48 + 24, 48 + 24), ground.colour.rgb());
    const QRegion cleared = canvas.TakeChanges();
    EXPECT_TRUE(QRect(32, 32, 80, 80).contains(cleared.boundingRect()));

    // The ground moved (another view): the next clear lays it everywhere.
    ground.key = 8;
    ground.colour = QColor(90, 70, 40);
    EXPECT_TRUE(canvas.UnderlayStale());
    canvas.Clear();
    EXPECT_EQ(canvas.Image().pixel(5, 5), ground.colour.rgb());
    EXPECT_EQ(canvas.TakeChanges().boundingRect(), QRect(0, 0, 200, 120));

    // No ground: black again, and pictures are copied opaque as ever.
    canvas.SetUnderlay(nullptr);
    canvas.Clear();
    EXPECT_TRUE(Black(canvas.Image().pixel(5, 5)));
    canvas.Paint(ImageList::Unit, pic, 720, 720, 1);
    EXPECT_EQ(canvas.Image().pixel(48, 48) & 0xFFFFFF, flat.pixel(0, 0) & 0xFFFFFF);
}

TEST(Ground, TheFieldsPictureIsTheSameForTheSamePatternAndSharpAtTwice)
{
    const QImage a = MakeGround(12345, 48);
    EXPECT_EQ(a.size(), QSize(20 * 48, 20 * 48));
    EXPECT_EQ(a, MakeGround(12345, 48));
    const QImage other = MakeGround(54321, 48);
    int differing = 0;
    for (int y = 0; y < a.height(); y += 8)
        for (int x = 0; x < a.width(); x += 8)
            differing += a.pixel(x, y) != other.pixel(x, y);
    EXPECT_GT(differing, (a.width() / 8) * (a.height() / 8) / 2) << "another pattern, another field";
    const QImage sharp = MakeGround(12345, 96);
    EXPECT_EQ(sharp.size(), QSize(20 * 96, 20 * 96));
    // The twice-size picture is the same ground: the two agree on average
    // over every cell.
    const QImage down = sharp.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long long diff = 0;
    for (int y = 0; y < a.height(); y += 3)
        for (int x = 0; x < a.width(); x += 3) {
            const QRgb p = a.pixel(x, y), q = down.pixel(x, y);
            diff += std::abs(qGreen(p) - qGreen(q)) + std::abs(qRed(p) - qRed(q));
        }
    const double perPixel = static_cast<double>(diff) / ((a.width() / 3) * (a.height() / 3));
    EXPECT_LT(perPixel, 40.0);
}

TEST(Ground, IsLaidOncePerPatternWhicheverPictureTheZoomAsksFor)
{
    // A zoomed-in field only ever makes the twice-size picture: setting the
    // same pattern again at every repaint must keep it, not lay it anew.
    const auto g = std::make_unique<Game>();
    Terrain terrain(*g);
    terrain.SetPattern(777);
    const qint64 sharp = terrain.Picture(true).cacheKey();
    terrain.SetPattern(777);
    EXPECT_EQ(terrain.Picture(true).cacheKey(), sharp);
    const qint64 plain = terrain.Picture(false).cacheKey();
    terrain.SetPattern(777);
    EXPECT_EQ(terrain.Picture(false).cacheKey(), plain);
    terrain.SetPattern(778);
    EXPECT_NE(terrain.Picture(true).cacheKey(), sharp) << "another pattern lays another field";
}

TEST(Ground, TheAidsReadOnTheGround)
{
    Match m(false);
    const QPoint free = m.FreeCell();
    const QPoint at = m.Cell(free.x(), free.y());
    m.main->RenderControls();
    const QImage plain = m.Shot();
    EXPECT_TRUE(plain.save(gui::ShotPath(QStringLiteral("ground-aids.png"))));
    // The grid line along the cell's left edge is darker than the ground
    // beside it, on every row of the cell.
    int darker = 0;
    for (int y = 4; y < 44; ++y) {
        const QRgb line = plain.pixel(at + QPoint(0, y));
        const QRgb beside = plain.pixel(at + QPoint(1, y));
        darker += qGreen(line) < qGreen(beside) && qGray(line) < qGray(beside) + 1;
    }
    EXPECT_GT(darker, 30);

    // The first hero selected: the cells it reaches are tinted blue, visibly.
    const Unit& hero = m.g.U(m.g.ActiveHero);
    const QPoint heroAt(static_cast<int>((hero.PosX + 360 - m.g.ViewX) / 15),
                        static_cast<int>((hero.PosY + 360 - m.g.ViewY) / 15));
    const QImage before = m.Shot();
    QTest::mouseClick(m.main, Qt::LeftButton, Qt::NoModifier, heroAt);
    m.main->RenderControls();
    const Reach* reach = m.main->Aids().ShownReach();
    ASSERT_NE(reach, nullptr);
    const QImage after = m.Shot();
    EXPECT_TRUE(after.save(gui::ShotPath(QStringLiteral("ground-reach.png"))));
    int tinted = 0, cells = 0;
    for (int col = 1; col <= 20; ++col)
        for (int row = 1; row <= 20; ++row) {
            if (!reach->Reaches(col, row) || (col == hero.PosX / C && row == hero.PosY / C))
                continue;
            const QPoint p = m.Cell(col, row) + QPoint(20, 20);
            if (!QRect(0, 60, 1250, 700).contains(p))
                continue;
            ++cells;
            const QRgb b = before.pixel(p), a = after.pixel(p);
            tinted += qBlue(a) > qBlue(b) + 40;
        }
    ASSERT_GT(cells, 0);
    EXPECT_EQ(tinted, cells);
}

} // namespace
} // namespace gh
