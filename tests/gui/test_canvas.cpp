// The battlefield's backing image: pictures land where the twips say, a
// negative width mirrors inside the same span, clearing goes to black.
#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QImage>

#include "platform/qt/ImageLists.h"
#include "platform/qt/QtCanvas.h"

namespace gh {
namespace {

QImage Plain(ImageList list, int index, int team = kNoTeam)
{
    return ImageLists::Get()
        .Picture(list, index, false, team)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Whether the canvas region at (left, top) holds `picture`, flipped
// left-to-right when `mirrored`.
::testing::AssertionResult HoldsPicture(const QImage& canvas, int left, int top, const QImage& picture,
                                        bool mirrored)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int sx = mirrored ? picture.width() - 1 - x : x;
            const QRgb want = picture.pixel(sx, y);
            const QRgb got = canvas.pixel(left + x, top + y);
            if (qRed(want) != qRed(got) || qGreen(want) != qGreen(got) || qBlue(want) != qBlue(got))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") differs";
        }
    return ::testing::AssertionSuccess();
}

bool AllBlack(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

// A unit picture that is not symmetric, so a flip shows.
int LopsidedUnitPicture()
{
    for (int i = 1; i <= kUnitPictures; ++i) {
        const QImage p = Plain(ImageList::Unit, i);
        if (p != p.mirrored(true, false))
            return i;
    }
    return 0;
}

TEST(QtCanvas, PaintsAPictureOneToOneAtItsTwipsPosition)
{
    QtCanvas canvas;
    canvas.Resize({200, 150}, 1.0);
    ASSERT_EQ(canvas.Image().size(), QSize(200, 150));
    canvas.Paint(ImageList::Unit, 10, 1440, 720);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 96, 48, Plain(ImageList::Unit, 10), false));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 96, 150)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(144, 0, 56, 150)));
}

TEST(QtCanvas, ANegativeWidthMirrorsThePictureInTheSameCell)
{
    const int index = LopsidedUnitPicture();
    ASSERT_GT(index, 0);
    QtCanvas canvas;
    canvas.Resize({144, 48}, 1.0);
    // A unit facing 1 on cell column 1: left edge PosX + 720, width -720.
    canvas.PaintWidth(ImageList::Unit, index, 720 + 720, 0, -720);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 48, 0, Plain(ImageList::Unit, index), true));
    EXPECT_FALSE(HoldsPicture(canvas.Image(), 48, 0, Plain(ImageList::Unit, index), false));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 48, 48)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(96, 0, 48, 48)));
}

TEST(QtCanvas, APositiveWidthPaintsUnmirroredAndATeamTintsTheUnit)
{
    QtCanvas canvas;
    canvas.Resize({96, 48}, 1.0);
    canvas.PaintWidth(ImageList::Unit, 11, 0, 0, 720, 2);
    canvas.Paint(ImageList::Unit, 11, 720, 0, kNoTeam);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 0, 0, Plain(ImageList::Unit, 11, 2), false));
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 48, 0, Plain(ImageList::Unit, 11), false));
}

TEST(QtCanvas, PicturesAreCopiedOpaqueAndClearGoesBlack)
{
    QtCanvas canvas;
    canvas.Resize({64, 64}, 1.0);
    canvas.Paint(ImageList::Spell, 1, 0, 0);
    canvas.Paint(ImageList::Unit, 20, 0, 0);
    // The unit covers its whole cell, whatever the effect left there.
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 0, 0, Plain(ImageList::Unit, 20), false));
    canvas.Clear();
    EXPECT_TRUE(AllBlack(canvas.Image(), canvas.Image().rect()));
}

TEST(QtCanvas, PaintingPartlyOutsideTheSurfaceIsClipped)
{
    // Scrolled views paint units above and left of the window.
    QtCanvas canvas;
    canvas.Resize({48, 48}, 1.0);
    canvas.Paint(ImageList::Unit, 10, -360, -360);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 0, 0, Plain(ImageList::Unit, 10).copy(24, 24, 24, 24), false));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(24, 0, 24, 48)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 24, 48, 24)));
    canvas.Clear();
    canvas.Paint(ImageList::Unit, 10, 100000, 100000);
    canvas.PaintWidth(ImageList::Unit, 10, 0, 0, 0);
    EXPECT_TRUE(AllBlack(canvas.Image(), canvas.Image().rect()));
}

TEST(QtCanvas, ResizingKeepsWhatWasPaintedAndFollowsTheDeviceRatio)
{
    QtCanvas canvas;
    canvas.Resize({96, 48}, 1.0);
    canvas.Paint(ImageList::Unit, 10, 0, 0);
    canvas.Resize({200, 100}, 1.0);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 0, 0, Plain(ImageList::Unit, 10), false));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(48, 0, 152, 100)));

    canvas.Resize({200, 100}, 2.0);
    EXPECT_EQ(canvas.Image().size(), QSize(400, 200));
    EXPECT_EQ(canvas.Image().devicePixelRatio(), 2.0);
    // 250 twips are 16.67 logical pixels: at ratio 2 that snaps to device
    // pixel 33, not to a blurry half pixel.
    EXPECT_DOUBLE_EQ(canvas.Snap(250) * 2.0, 33.0);
    canvas.Clear();
    canvas.Paint(ImageList::Unit, 10, 720, 0);
    // At ratio 2 a 48-pixel picture covers 96 device pixels from device x 96.
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 96, 200)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(192, 0, 208, 200)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(96, 96, 96, 104)));
    EXPECT_FALSE(AllBlack(canvas.Image(), QRect(96, 0, 96, 96)));
}

TEST(QtCanvas, AZoomedFieldCopiesTheTwiceSizeArtAndRepaintsOnlyWhatChanged)
{
    QtCanvas canvas;
    canvas.Resize({300, 200}, 1.0);
    canvas.SetZoom(2.0);
    // At zoom 2 cell column 1 starts at pixel 96, and the 96-pixel picture
    // lands there one to one.
    canvas.Paint(ImageList::Unit, 10, 720, 0);
    const QImage sharp = ImageLists::Get()
                             .Frame(ImageList::Unit, 10, false, kNoTeam, true)
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(sharp.width(), 96);
    EXPECT_TRUE(HoldsPicture(canvas.Image(), 96, 0, sharp, false));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 96, 200)));
    EXPECT_DOUBLE_EQ(canvas.Snap(720), 96.0);
    canvas.TakeChanges();

    // At 1.5 it is scaled to 72 pixels as it is copied.
    canvas.Clear();
    canvas.SetZoom(1.5);
    canvas.Paint(ImageList::Unit, 10, 720, 0);
    EXPECT_FALSE(AllBlack(canvas.Image(), QRect(72, 0, 72, 72)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(144, 0, 156, 200)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(72, 72, 72, 128)));
    EXPECT_FALSE(canvas.TakeChanges().isEmpty());
    // The same picture again in the same place is no change and no paint;
    // another frame there is.
    canvas.Paint(ImageList::Unit, 10, 720, 0);
    EXPECT_FALSE(canvas.HasChanges());
    canvas.Paint(ImageList::Unit, 11, 720, 0);
    EXPECT_TRUE(canvas.HasChanges());
    const QRegion changed = canvas.TakeChanges();
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(QRect(64, 0, 80, 80).contains(changed.boundingRect())); // the tiles of that cell
    // So too on a HiDPI screen, where every zoom scales the twice-size art.
    for (qreal zoom : {1.5, 2.0}) {
        QtCanvas hidpi;
        hidpi.Resize({300, 200}, 2.0);
        hidpi.SetZoom(zoom);
        hidpi.Paint(ImageList::Unit, 10, 720, 0, 1);
        hidpi.PaintWidth(ImageList::Unit, 12, 2160, 0, -720, 2);
        hidpi.TakeChanges();
        hidpi.Paint(ImageList::Unit, 10, 720, 0, 1);
        hidpi.PaintWidth(ImageList::Unit, 12, 2160, 0, -720, 2);
        EXPECT_FALSE(hidpi.HasChanges()) << zoom;
    }
    // Ten units changing at once on a zoomed HiDPI field are still presented
    // as ten cells, not as the whole surface.
    {
        QtCanvas big;
        big.Resize({1920, 1080}, 2.0);
        big.SetZoom(2.0);
        for (int i = 0; i < 10; ++i)
            big.Paint(ImageList::Unit, 10, 720.0f * (2 * i), 720);
        big.TakeChanges();
        for (int i = 0; i < 10; ++i)
            big.Paint(ImageList::Unit, 11, 720.0f * (2 * i), 720);
        long area = 0;
        for (const QRect& r : big.TakeChanges())
            area += static_cast<long>(r.width()) * r.height();
        EXPECT_GT(area, 0);
        EXPECT_LE(area, 10 * 112 * 112);
    }
    // Painted over by something else, the place is painted afresh.
    canvas.Paint(ImageList::Spell, 1, 720, 0);
    canvas.TakeChanges();
    canvas.Paint(ImageList::Unit, 11, 720, 0);
    EXPECT_TRUE(canvas.HasChanges());
}

TEST(QtCanvas, PrintsTextInTheGivenColour)
{
    QtCanvas canvas;
    canvas.Resize({300, 60}, 1.0);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    font.setBold(true);
    canvas.SetFont(font);
    canvas.Print("Grimhollow", 150, 150, Rgb{200, 100, 50});
    int coloured = 0;
    int other = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb p = canvas.Image().pixel(x, y);
            if ((p & 0xFFFFFF) == 0)
                continue;
            if (qRed(p) == 200 && qGreen(p) == 100 && qBlue(p) == 50)
                ++coloured;
            else if (!(qRed(p) >= qGreen(p) && qGreen(p) >= qBlue(p)))
                ++other; // antialiased edges stay on the way to black
        }
    EXPECT_GT(coloured, 20);
    EXPECT_EQ(other, 0);
    // Nothing above or left of the print position.
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 300, 9)));
    EXPECT_TRUE(AllBlack(canvas.Image(), QRect(0, 0, 9, 60)));
}

} // namespace
} // namespace gh
