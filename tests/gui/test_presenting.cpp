// Presenting only what changed: the canvas reports the tiles whose pixels
// differ since the window last took them, the window repaints only those and
// the painted controls' old and new places, and what reaches the screen is
// still exactly the whole field.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include "GuiGame.h"
#include "battlefield/Drawing.h"
#include "battlefield/FrmMain.h"
#include "platform/qt/ImageLists.h"
#include "platform/qt/QtCanvas.h"
#include "windows/FrmSelect.h"

namespace gh {
namespace {

constexpr float C = 720; // one cell in twips

QRegion Cell(int col, int row, int px = 48)
{
    return QRegion(col * px, row * px, px, px);
}

// What the canvas reports lies inside the pictures' places and touches each
// of them: only tiles whose pixels differ go out, so the black corners of a
// picture that stayed black are left out.
void ExpectWithin(const QRegion& changes, std::initializer_list<QRegion> places)
{
    QRegion all;
    for (const QRegion& place : places) {
        EXPECT_TRUE(changes.intersects(place)) << place.boundingRect().x() << "," << place.boundingRect().y();
        all += place;
    }
    EXPECT_TRUE(changes.subtracted(all).isEmpty());
}

TEST(Presenting, RepaintingTheSamePicturesInPlaceChangesNothingEvenAfterAClear)
{
    QtCanvas canvas;
    canvas.Resize({480, 240}, 1.0);
    EXPECT_EQ(canvas.TakeChanges(), QRegion(0, 0, 480, 240)); // a new surface goes out whole
    canvas.Paint(ImageList::Unit, 10, 1 * C, 1 * C, 1);
    canvas.PaintWidth(ImageList::Unit, 20, 4 * C, 2 * C, -C, 2);
    ExpectWithin(canvas.TakeChanges(), {Cell(1, 1), Cell(3, 2)});

    // An idle tick that paints every unit over itself.
    canvas.Paint(ImageList::Unit, 10, 1 * C, 1 * C, 1);
    canvas.PaintWidth(ImageList::Unit, 20, 4 * C, 2 * C, -C, 2);
    EXPECT_TRUE(canvas.TakeChanges().isEmpty());

    // A walk or effect tick: clear, then the same units in the same places.
    canvas.Clear();
    canvas.Paint(ImageList::Unit, 10, 1 * C, 1 * C, 1);
    canvas.PaintWidth(ImageList::Unit, 20, 4 * C, 2 * C, -C, 2);
    EXPECT_TRUE(canvas.TakeChanges().isEmpty());

    // One unit takes its next frame, the other steps one cell right.
    canvas.Clear();
    canvas.Paint(ImageList::Unit, 11, 1 * C, 1 * C, 1);
    canvas.PaintWidth(ImageList::Unit, 20, 5 * C, 2 * C, -C, 2);
    ExpectWithin(canvas.TakeChanges(), {Cell(1, 1), Cell(3, 2) + Cell(4, 2)});

    // Clearing the field leaves black only where something stood.
    canvas.Clear();
    ExpectWithin(canvas.TakeChanges(), {Cell(1, 1), Cell(4, 2)});
    canvas.Clear();
    EXPECT_TRUE(canvas.TakeChanges().isEmpty());
}

TEST(Presenting, ChangesBetweenTakesAddUpAndAFrameBackAndForthIsNoChange)
{
    QtCanvas canvas;
    canvas.Resize({240, 96}, 1.0);
    canvas.TakeChanges();
    EXPECT_FALSE(canvas.HasChanges());
    int firstChanges = 0;
    canvas.onFirstChange = [&] { ++firstChanges; };
    canvas.Paint(ImageList::Unit, 10, 0, 0);
    canvas.Paint(ImageList::Spell, 1, 2 * C, 0);
    EXPECT_TRUE(canvas.HasChanges());
    EXPECT_EQ(firstChanges, 1);
    ExpectWithin(canvas.TakeChanges(), {QRegion(0, 0, 48, 48), QRegion(96, 0, 64, 64)});

    // Frame 2 and straight back to frame 1 before the window looks again.
    canvas.Paint(ImageList::Unit, 11, 0, 0);
    canvas.Paint(ImageList::Unit, 10, 0, 0);
    EXPECT_TRUE(canvas.TakeChanges().isEmpty());
    EXPECT_EQ(firstChanges, 2);
}

TEST(Presenting, AClearOfAVeryBusySurfaceFallsBackToTheWholeSurface)
{
    QtCanvas canvas;
    canvas.Resize({1920, 1080}, 1.0);
    canvas.TakeChanges();
    // Far more painted tiles than the canvas keeps copies of.
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 40; ++col)
            canvas.Paint(ImageList::Unit, 1 + (row + col) % 63, col * C, row * C);
    canvas.TakeChanges();
    canvas.Clear();
    canvas.Paint(ImageList::Unit, 5, 0, 0);
    EXPECT_EQ(canvas.TakeChanges(), QRegion(0, 0, 1920, 1080));
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(100, 100) & 0xFFFFFF, 0u);
}

TEST(Presenting, AtRatioTwoTheTwiceSizePicturesAreCopiedOneToOne)
{
    QtCanvas canvas;
    canvas.Resize({144, 96}, 2.0);
    canvas.TakeChanges();
    canvas.Paint(ImageList::Unit, 19, C, 0, 3);
    const QImage& sharp = ImageLists::Get().Frame(ImageList::Unit, 19, false, 3, true);
    ASSERT_EQ(sharp.size(), QSize(96, 96));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(canvas.Image().copy(96, 0, 96, 96).convertToFormat(QImage::Format_RGB32),
              sharp.convertToFormat(QImage::Format_RGB32));
    ExpectWithin(canvas.TakeChanges(), {QRegion(48, 0, 48, 48)}); // logical pixels

    // The sharp picture is the ordinary one's subject, not another picture.
    const QImage small = ImageLists::Get().Frame(ImageList::Unit, 19, false, 3, false);
    const QImage down = sharp.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long diff = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            diff += std::abs(qGreen(down.pixel(x, y)) - qGreen(small.pixel(x, y)));
    EXPECT_LT(diff / (48 * 48), 12);
    // Effects and portraits have their sharp sources too.
    EXPECT_EQ(ImageLists::Get().Frame(ImageList::Spell, 3, true, kNoTeam, true).size(), QSize(128, 128));
    const QPixmap* face = ImageLists::Get().SharperSource(ImageLists::Get().Picture(ImageList::Face, 2));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->size(), QSize(194, 194));
    EXPECT_EQ(ImageLists::Get().SharperSource(ImageLists::Get().Picture(ImageList::Icons, 2)), nullptr);
}

// Records the regions Qt asks the battlefield to paint.
struct PaintRegions : QObject {
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
    std::vector<QRegion> regions;
};

struct Field : gui::GuiGame {
    Field()
    {
        main = forms.LoadMain();
        main->setGeometry(0, 0, 1280, 800);
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main));
        forms.OpenSelect()->CmdOK->click();
        gui::FlushDeletes();
        Settle();
        main->installEventFilter(&paints);
    }
    // Lets Qt deliver whatever repaints are due: the moment the platform
    // takes, then everything still queued. qWait stops handling events once
    // its time is up, which on a busy machine can be before the last paint.
    void Settle()
    {
        main->RenderControls();
        QTest::qWait(30);
        for (int round = 0; round < 3; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    QRegion Painted()
    {
        Settle();
        QRegion all;
        for (const QRegion& r : paints.regions)
            all += r;
        paints.regions.clear();
        return all;
    }
    FrmMain* main = nullptr;
    PaintRegions paints;
};

TEST(Presenting, TheWindowRepaintsOnlyChangedCellsAndTheControlsOldAndNewPlaces)
{
    Field f;
    Game& g = f.g;
    ASSERT_TRUE(g.MatchRunning);
    EXPECT_TRUE(f.Painted().isEmpty());

    // Nothing changed: a repaint of everything in place is not presented.
    DrawUnits(g);
    EXPECT_TRUE(f.Painted().isEmpty());
    g.canvas->Clear();
    DrawUnits(g);
    EXPECT_TRUE(f.Painted().isEmpty());

    // One unit takes its next frame.
    Unit& u = g.U(1);
    u.AnimFrame = u.AnimFrame == 1 ? 2 : 1;
    DrawUnits(g);
    const QRegion cell(static_cast<int>(u.PosX / 15), static_cast<int>(u.PosY / 15), 48, 48);
    // Only the tiles of that cell whose pixels differ between the two frames
    // go out; which tiles those are depends on the creature drawn.
    ExpectWithin(f.Painted(), {cell});

    // The pointer frame moves: its old and new places, nothing else.
    g.ShpAt.Visible = true;
    g.ShpAt.Left = 1000;
    g.ShpAt.Top = 2000;
    f.main->RenderControls();
    const QRect first = f.Painted().boundingRect();
    EXPECT_TRUE(first.contains(QRect(66, 133, 65, 65)));
    EXPECT_LT(first.width(), 75);
    g.ShpAt.Left = 5000;
    f.main->RenderControls();
    const QRegion moved = f.Painted();
    EXPECT_TRUE(moved.contains(QRect(66, 133, 65, 65)));
    EXPECT_TRUE(moved.contains(QRect(333, 133, 65, 65)));
    EXPECT_FALSE(moved.contains(QPoint(250, 160)));

    // A label's caption alone changing repaints it.
    g.LblUdar.Visible = true;
    g.LblUdar.Caption = "-5";
    g.LblUdar.Left = 3000;
    g.LblUdar.Top = 3000;
    EXPECT_FALSE(f.Painted().isEmpty());
    g.LblUdar.Caption = "-12";
    EXPECT_TRUE(f.Painted().intersects(QRect(200, 200, 40, 20)));
}

TEST(Presenting, WhatReachesTheScreenIsTheWholeFieldAfterManyPartialTicks)
{
    Field f;
    Game& g = f.g;
    for (int t = 0; t < 60; ++t) {
        g.timers.Tick();
        if (t % 15 == 7) {
            // A walk-like tick: a clear and a repaint with one unit moved on.
            g.U(1).PosX += C;
            g.canvas->Clear();
            DrawUnits(g);
        }
        f.Settle();
    }
    QScreen* screen = f.main->screen();
    ASSERT_NE(screen, nullptr);
    const QImage onScreen =
        screen->grabWindow(f.main->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = f.main->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(onScreen.size(), whole.size());
    EXPECT_EQ(onScreen, whole);
    EXPECT_FALSE(f.paints.regions.empty());
}

} // namespace
} // namespace gh
