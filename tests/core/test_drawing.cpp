// Painting the units, the selection frame, the idle animation and scrolling.
#include <gtest/gtest.h>

#include "ScriptedMatch.h"
#include "battlefield/Drawing.h"
#include "tests/support/RecordingCanvas.h"

namespace gh {
namespace {

using Call = RecordingCanvas::Call;
using testing::Pick;

struct DrawingTest : testing::ScriptedMatchTest {
    std::vector<Call> Pictures() const { return canvas.Pictures(); }
};

TEST_F(DrawingTest, FacingUnitsAreMirroredInsideTheirOwnCell)
{
    Unit& demon = Place(1, 1, 1, 2, 3);
    demon.Facing = 1;
    demon.AnimFrame = 1;
    Unit& ghost = Place(2, 7, 2, 4, 5);
    ghost.Facing = 0;
    ghost.AnimFrame = 3;
    g.ViewX = 250;
    g.ViewY = 1000;

    DrawUnits(g);

    auto pics = Pictures();
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].kind, Call::PaintWidth);
    EXPECT_EQ(pics[0].list, ImageList::Unit);
    EXPECT_EQ(pics[0].index, 1);
    // Left edge one cell right with a negative width: the flip fills [1440, 2160].
    EXPECT_FLOAT_EQ(pics[0].x, 2 * 720 + 720 - 250);
    EXPECT_FLOAT_EQ(pics[0].y, 3 * 720 - 1000);
    EXPECT_FLOAT_EQ(pics[0].width, -720);
    EXPECT_EQ(pics[1].kind, Call::Paint);
    EXPECT_EQ(pics[1].index, 55 + 2);
    EXPECT_FLOAT_EQ(pics[1].x, 4 * 720 - 250);
    EXPECT_FLOAT_EQ(pics[1].y, 5 * 720 - 1000);
}

TEST_F(DrawingTest, IdleCycleShowsFramesOneTwoThreeTwo)
{
    Unit& mage = Place(1, 2, 1, 1, 2);
    mage.Facing = 0;
    const int expected[] = {19, 20, 21, 20};
    for (int frame = 1; frame <= 4; ++frame) {
        canvas.Reset();
        mage.AnimFrame = frame;
        DrawUnits(g);
        auto pics = Pictures();
        ASSERT_EQ(pics.size(), 1u);
        EXPECT_EQ(pics[0].index, expected[frame - 1]) << "frame " << frame;
    }
}

TEST_F(DrawingTest, CorpsesShowTheTypeRemainsAndBonesArePictureEighteen)
{
    Unit& bat = Place(1, 4, 2, 1, 2);
    bat.Facing = 1; // remains are never mirrored
    bat.Kind = kKindRemains;
    for (int hp = 0; hp >= -7; --hp) {
        canvas.Reset();
        bat.Hp = hp;
        DrawUnits(g);
        auto pics = Pictures();
        ASSERT_EQ(pics.size(), 1u) << hp;
        EXPECT_EQ(pics[0].kind, Call::Paint) << hp;
        EXPECT_EQ(pics[0].index, hp >= -3 ? 28 + 8 : 18) << hp;
        EXPECT_EQ(pics[0].team, kNoTeam) << hp;
        EXPECT_FLOAT_EQ(pics[0].x, 720);
    }
}

TEST_F(DrawingTest, OnlyRecordsOnTheFieldAreDrawnAndTheHigherIndexLast)
{
    Place(3, 3, 0, 6, 6).Facing = 0;
    Place(7, 1, 0, 6, 6).Facing = 0;
    Unit& gone = Place(5, 7, 5, 2, 2);
    gone.OnField = false;
    Unit& goneCorpse = Place(6, 7, 0, 3, 2);
    goneCorpse.OnField = false;
    goneCorpse.Hp = -5;

    DrawUnits(g);

    auto pics = Pictures();
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].index, 10);
    EXPECT_EQ(pics[1].index, 1);
    EXPECT_FLOAT_EQ(pics[0].x, pics[1].x);
}

TEST_F(DrawingTest, LivingUnitsWearTheirSideColoursRemainsNone)
{
    Place(1, 2, 1, 1, 2);
    Place(2, 3, 0, 2, 2);
    Place(3, 3, 5, 3, 2);
    Place(4, 3, 9, 4, 2);  // no such side: grey
    Place(5, 3, -2, 5, 2); // likewise
    Place(6, 3, 4, 6, 2).Hp = 0;

    DrawUnits(g);

    auto pics = Pictures();
    ASSERT_EQ(pics.size(), 6u);
    EXPECT_EQ(pics[0].team, 1);
    EXPECT_EQ(pics[1].team, 0);
    EXPECT_EQ(pics[2].team, 5);
    EXPECT_EQ(pics[3].team, 0);
    EXPECT_EQ(pics[4].team, 0);
    EXPECT_EQ(pics[5].team, kNoTeam);
}

TEST_F(DrawingTest, NeverReadsPastTheRecordsOrPaintsAMissingPicture)
{
    Place(100, 7, 0, 1, 2).AnimFrame = 2; // last record, still drawn
    Unit& past = Place(1, 7, 0, 2, 2);
    past.ImageBase = 63;
    past.AnimFrame = 2; // picture 64 does not exist
    Unit& before = Place(2, 1, 0, 3, 2);
    before.ImageBase = 0; // picture 0 does not exist either
    before.AnimFrame = 1;
    Unit& odd = Place(3, 1, 0, 4, 2);
    odd.AnimFrame = 9; // outside the cycle: first frame
    Unit& lastRemains = Place(4, 7, 0, 5, 2);
    lastRemains.ImageBase = 56;
    lastRemains.Hp = -1; // corpse picture 64 does not exist
    g.UnitCount = 5000;

    DrawUnits(g);

    auto pics = Pictures();
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].index, 1);
    EXPECT_EQ(pics[1].index, 56);

    AnimateIdle(g); // the last record steps too, and nothing past it is read
    EXPECT_EQ(g.U(100).AnimFrame, 3);
}

TEST_F(DrawingTest, SelectionFrameDuringAPersonsTurn)
{
    Unit& archer = Place(4, 6, 4, 3, 4);
    g.HeroIsHuman[4] = true;
    g.ActiveHero = 4;
    g.ViewX = 500;
    g.ViewY = 250;

    g.Selected = 4;
    DrawUnits(g);
    EXPECT_TRUE(g.ShpSel.Visible);
    EXPECT_FLOAT_EQ(g.ShpSel.Left, 3 * 720 - 500 - 120);
    EXPECT_FLOAT_EQ(g.ShpSel.Top, 4 * 720 - 250 - 120);

    g.InputMode = kModeResult;
    DrawUnits(g);
    EXPECT_FALSE(g.ShpSel.Visible);

    g.InputMode = kModeWalk;
    DrawUnits(g);
    EXPECT_TRUE(g.ShpSel.Visible);

    archer.Hp = 0;
    DrawUnits(g);
    EXPECT_FALSE(g.ShpSel.Visible);

    archer.Hp = 1;
    g.Selected = 0;
    g.ShpSel.Visible = true;
    DrawUnits(g);
    EXPECT_FALSE(g.ShpSel.Visible);
}

TEST_F(DrawingTest, SelectionFrameIsLeftAloneDuringAComputerTurn)
{
    Place(2, 5, 2, 3, 4);
    g.HeroIsHuman[1] = true;
    g.ActiveHero = 2; // computer
    g.Selected = 2;
    g.ShpSel.Visible = false;
    DrawUnits(g);
    EXPECT_FALSE(g.ShpSel.Visible);

    g.Selected = 0;
    g.ShpSel.Visible = true;
    g.ShpSel.Left = 77;
    DrawUnits(g);
    EXPECT_TRUE(g.ShpSel.Visible);
    EXPECT_FLOAT_EQ(g.ShpSel.Left, 77);

    g.ActiveHero = 0; // the neutral side is never a person
    DrawUnits(g);
    EXPECT_TRUE(g.ShpSel.Visible);
}

TEST_F(DrawingTest, IdleStepComesEveryAnimDelayTicksAndMayTurnAbout)
{
    Unit& ghost = Place(1, 7, 0, 1, 2);
    ghost.AnimDelay = 3;
    ghost.AnimFrame = 3;
    ghost.Facing = 0;
    rnd.Push({Pick(7, 34), Pick(6, 34), Pick(7, 34)});

    AnimateIdle(g);
    AnimateIdle(g);
    EXPECT_EQ(ghost.AnimTick, 2);
    EXPECT_EQ(ghost.AnimFrame, 3);
    EXPECT_EQ(rnd.Drawn(), 0u);

    AnimateIdle(g); // third tick: step, and r = 7 turns it about
    EXPECT_EQ(ghost.AnimTick, 0);
    EXPECT_EQ(ghost.AnimFrame, 4);
    EXPECT_EQ(ghost.Facing, 1);
    EXPECT_EQ(rnd.Drawn(), 1u);

    for (int i = 0; i < 3; ++i)
        AnimateIdle(g); // r = 6: keeps facing; frame 4 wraps to 1
    EXPECT_EQ(ghost.AnimFrame, 1);
    EXPECT_EQ(ghost.Facing, 1);

    for (int i = 0; i < 3; ++i)
        AnimateIdle(g); // r = 7 again: back to 0
    EXPECT_EQ(ghost.Facing, 0);
    EXPECT_EQ(ghost.AnimFrame, 2);
    EXPECT_EQ(rnd.Drawn(), 3u);
}

TEST_F(DrawingTest, IdleAnimationSkipsTheDeadButNotTheRecordsOffTheField)
{
    Unit& corpse = Place(1, 4, 0, 1, 2);
    corpse.Hp = 0;
    corpse.AnimDelay = 1;
    Unit& away = Place(2, 3, 0, 2, 2);
    away.OnField = false;
    away.AnimDelay = 1;
    away.AnimFrame = 1;
    rnd.Push(0.0f);

    AnimateIdle(g);

    EXPECT_EQ(corpse.AnimTick, 0);
    EXPECT_EQ(away.AnimFrame, 2);
    EXPECT_EQ(rnd.Drawn(), 1u);
    // It was painted too: the corpse only.
    auto pics = Pictures();
    ASSERT_EQ(pics.size(), 1u);
    EXPECT_EQ(pics[0].index, 28 + 8);
}

TEST_F(DrawingTest, ScrollingClearsAndRedrawsAtTheBarsValue)
{
    Place(1, 1, 0, 15, 15).Facing = 0;
    HorBarChanged(g, 10000);
    VertBarChanged(g, 250);
    EXPECT_FLOAT_EQ(g.ViewX, 10000);
    EXPECT_FLOAT_EQ(g.ViewY, 250);
    EXPECT_EQ(g.HorBar.Value, 10000);
    EXPECT_EQ(g.VertBar.Value, 250);

    ASSERT_EQ(canvas.calls.size(), 4u);
    EXPECT_EQ(canvas.calls[0].kind, Call::Clear);
    EXPECT_EQ(canvas.calls[2].kind, Call::Clear);
    EXPECT_FLOAT_EQ(canvas.calls[3].x, 15 * 720 - 10000);
    EXPECT_FLOAT_EQ(canvas.calls[3].y, 15 * 720 - 250);

    HorBarChanged(g, 12000); // a bar cannot go past its end
    EXPECT_FLOAT_EQ(g.ViewX, 10000);
}

} // namespace
} // namespace gh
