#include "platform/qt/ImageLists.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using gh::ImageList;
using gh::ImageLists;

constexpr ImageList kAllLists[] = {ImageList::Unit, ImageList::Spell, ImageList::Icons, ImageList::Face};

QImage ImageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool AllOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

bool AllBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

int MaskPixels(const QImage& mask, int atLeast)
{
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) >= atLeast)
                ++n;
    return n;
}

// Visible team-colour magenta: strongly saturated pink to violet, bright
// enough to catch the eye. (The bat's own dark plum fur is darker than this.)
bool IsMagenta(QRgb c)
{
    const QColor colour(c);
    const int hue = colour.hsvHue();
    return hue >= 290 && hue <= 345 && colour.hsvSaturation() > 153 && colour.value() > 90 &&
           qGreen(c) < std::min(qRed(c), qBlue(c));
}

TEST(ImageLists, CountsAndSizesFollowTheGame)
{
    const ImageLists& lists = ImageLists::Get();
    EXPECT_EQ(lists.Count(ImageList::Unit), 63);
    EXPECT_EQ(lists.Count(ImageList::Spell), 8);
    EXPECT_EQ(lists.Count(ImageList::Icons), 8);
    EXPECT_EQ(lists.Count(ImageList::Face), 8);
    EXPECT_EQ(lists.PictureSize(ImageList::Unit), QSize(48, 48));
    EXPECT_EQ(lists.PictureSize(ImageList::Spell), QSize(64, 64));
    EXPECT_EQ(lists.PictureSize(ImageList::Icons), QSize(32, 32));
    EXPECT_EQ(lists.PictureSize(ImageList::Face), QSize(97, 97));
    for (ImageList list : kAllLists)
        for (int i = 1; i <= lists.Count(list); ++i)
            EXPECT_EQ(lists.Picture(list, i).size(), lists.PictureSize(list))
                << "list " << static_cast<int>(list) << " picture " << i;
    EXPECT_EQ(lists.Splash().size(), QSize(418, 306));
}

TEST(ImageLists, EveryPictureIsOpaqueAndNotEmpty)
{
    const ImageLists& lists = ImageLists::Get();
    for (ImageList list : kAllLists) {
        for (int i = 1; i <= lists.Count(list); ++i) {
            const QImage image = ImageOf(lists.Picture(list, i));
            EXPECT_TRUE(AllOpaque(image)) << "list " << static_cast<int>(list) << " picture " << i;
            // A picture that failed to load comes back all black.
            EXPECT_FALSE(AllBlack(image)) << "list " << static_cast<int>(list) << " picture " << i;
        }
    }
    EXPECT_TRUE(AllOpaque(ImageOf(lists.Splash())));
    EXPECT_FALSE(AllBlack(ImageOf(lists.Splash())));
}

TEST(ImageLists, NoTeamColourMagentaIsLeftInUnitsOrFaces)
{
    const ImageLists& lists = ImageLists::Get();
    for (ImageList list : {ImageList::Unit, ImageList::Face}) {
        for (int i = 1; i <= lists.Count(list); ++i) {
            const QImage image = ImageOf(lists.Picture(list, i));
            int magenta = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    magenta += IsMagenta(image.pixel(x, y)) ? 1 : 0;
            EXPECT_EQ(magenta, 0) << "list " << static_cast<int>(list) << " picture " << i;
        }
    }
}

TEST(ImageLists, MirroredPictureIsTheExactHorizontalFlip)
{
    const ImageLists& lists = ImageLists::Get();
    for (ImageList list : kAllLists) {
        for (int i = 1; i <= lists.Count(list); ++i) {
            const QImage plain = ImageOf(lists.Picture(list, i));
            const QImage mirrored = ImageOf(lists.Picture(list, i, true));
            ASSERT_EQ(plain.size(), mirrored.size());
            bool same = true;
            for (int y = 0; y < plain.height() && same; ++y)
                for (int x = 0; x < plain.width() && same; ++x)
                    same = plain.pixel(x, y) == mirrored.pixel(plain.width() - 1 - x, y);
            EXPECT_TRUE(same) << "list " << static_cast<int>(list) << " picture " << i;
        }
    }
    // A sprite is not symmetric, so the flip must actually change it.
    EXPECT_NE(ImageOf(lists.Picture(ImageList::Unit, 19)), ImageOf(lists.Picture(ImageList::Unit, 19, true)));
}

TEST(ImageLists, HeroPicturesCarryTeamColour)
{
    const ImageLists& lists = ImageLists::Get();
    // Mage, necromancer, archeress: the owner must be readable from the sprite.
    for (int base : {19, 37, 46})
        for (int k = 0; k < 8; ++k)
            EXPECT_GE(MaskPixels(lists.TeamMask(base + k), 128), 8) << "picture " << base + k;
    EXPECT_TRUE(lists.TeamMask(0).isNull());
    EXPECT_TRUE(lists.TeamMask(64).isNull());
}

// The ends of the ground ring: the low corners of the cell, left and right of
// where any unit stands. Sprites reach there only with a weapon, if at all.
struct RingEnds {
    int fullLeft = 0, fullRight = 0, strong = 0;
    // Fully masked pixels there that are not close to the reference grey 125
    // (close, not equal: where a staff or a scythe crosses the ring, the edge
    // pixels mix the two).
    int notReferenceGrey = 0;
};

RingEnds LookAtRingEnds(const QImage& picture, const QImage& mask)
{
    RingEnds ends;
    for (int y = 28; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (x >= 12 && x < 36)
                continue;
            const int m = qGray(mask.pixel(x, y));
            ends.strong += m >= 128 ? 1 : 0;
            if (m < 255)
                continue;
            (x < 12 ? ends.fullLeft : ends.fullRight) += 1;
            const QRgb c = picture.pixel(x, y);
            const bool grey = std::abs(qRed(c) - 125) <= 10 && std::abs(qGreen(c) - 125) <= 10 &&
                              std::abs(qBlue(c) - 125) <= 10;
            ends.notReferenceGrey += grey ? 0 : 1;
        }
    }
    return ends;
}

TEST(ImageLists, EveryLivingFrameStandsOnATeamRingAndCorpsesOnNone)
{
    const ImageLists& lists = ImageLists::Get();
    for (int type = 0; type < 7; ++type) {
        for (int k = 0; k < 9; ++k) {
            const int index = type * 9 + 1 + k;
            const QImage mask = lists.TeamMask(index);
            const QImage picture = ImageOf(lists.Picture(ImageList::Unit, index));
            ASSERT_EQ(mask.size(), QSize(48, 48)) << "picture " << index;
            const RingEnds ends = LookAtRingEnds(picture, mask);
            if (k < 8) {
                // Living: even the demon, who has no team colour of his own,
                // shows his owner; the ring is seen at least at its left end,
                // in the grey the tint takes as the team colour itself.
                EXPECT_GE(MaskPixels(mask, 128), 60) << "picture " << index;
                EXPECT_GE(ends.fullLeft, 4) << "picture " << index;
                EXPECT_GE(ends.fullLeft + ends.fullRight, 8) << "picture " << index;
                EXPECT_EQ(ends.notReferenceGrey, 0) << "picture " << index;
            } else {
                // Dead: at most the few scraps of cloth of the original
                // sprite (their blurred edges may brush the corners), no ring.
                EXPECT_EQ(ends.strong, 0) << "picture " << index;
                EXPECT_LT(MaskPixels(mask, 128), 30) << "picture " << index;
            }
        }
    }
    // Picture 18 is everybody's bones: nobody's colour at all.
    EXPECT_EQ(MaskPixels(lists.TeamMask(18), 1), 0);
}

TEST(ImageLists, RingTakesEachOwnersColour)
{
    const ImageLists& lists = ImageLists::Get();
    // The demon's ring is all the team colour he has.
    const QImage mask = lists.TeamMask(1);
    int checked = 0;
    for (int y = 28; y < 48; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (qGray(mask.pixel(x, y)) != 255)
                continue;
            ++checked;
            for (int team = 1; team < ImageLists::kTeams; ++team) {
                const QRgb c = ImageOf(lists.Picture(ImageList::Unit, 1, false, team)).pixel(x, y);
                EXPECT_EQ(QColor(c), ImageLists::TeamColour(team)) << x << "," << y << " team " << team;
            }
            // Nobody's ring stays a neutral grey.
            const QRgb none = ImageOf(lists.Picture(ImageList::Unit, 1, false, 0)).pixel(x, y);
            EXPECT_TRUE(qRed(none) == qGreen(none) && qGreen(none) == qBlue(none)) << x << "," << y;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(ImageLists, TeamTintChangesOnlyTheMaskedArea)
{
    const ImageLists& lists = ImageLists::Get();
    for (int index : {1, 19, 40, 46, 55}) {
        const QImage mask = lists.TeamMask(index);
        const QImage plain = ImageOf(lists.Picture(ImageList::Unit, index));
        const QImage red = ImageOf(lists.Picture(ImageList::Unit, index, false, 1));
        const QImage blue = ImageOf(lists.Picture(ImageList::Unit, index, false, 2));
        int changedOutside = 0, differentTeams = 0, covered = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                const int m = qGray(mask.pixel(x, y));
                if (m == 0) {
                    changedOutside += (red.pixel(x, y) != plain.pixel(x, y)) ? 1 : 0;
                    changedOutside += (blue.pixel(x, y) != plain.pixel(x, y)) ? 1 : 0;
                } else if (m >= 200) {
                    ++covered;
                    differentTeams += (red.pixel(x, y) != blue.pixel(x, y)) ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(changedOutside, 0) << "picture " << index;
        ASSERT_GT(covered, 0) << "picture " << index;
        EXPECT_EQ(differentTeams, covered) << "picture " << index;
    }
}

TEST(ImageLists, MirroredTintIsTheFlipOfTheTint)
{
    const ImageLists& lists = ImageLists::Get();
    const QImage tinted = ImageOf(lists.Picture(ImageList::Unit, 38, false, 3));
    const QImage flipped = ImageOf(lists.Picture(ImageList::Unit, 38, true, 3));
    EXPECT_EQ(tinted.mirrored(true, false), flipped);
    // Asked again, the same cached pixmap comes back.
    EXPECT_EQ(&lists.Picture(ImageList::Unit, 38, true, 3), &lists.Picture(ImageList::Unit, 38, true, 3));
}

// The battlefield copies frames and the windows show pixmaps of the same
// pictures: at ratio 1 both must be one set of pixels, not two.
TEST(ImageLists, OrdinaryFramesShareThePixelsOfThePictures)
{
    const ImageLists& lists = ImageLists::Get();
    for (ImageList list : {ImageList::Unit, ImageList::Spell})
        for (int index : {1, 5})
            for (bool mirrored : {false, true})
                for (int team : {gh::kNoTeam, 2}) {
                    const QImage& frame = lists.Frame(list, index, mirrored, team, false);
                    const QImage shown = lists.Picture(list, index, mirrored, team).toImage();
                    EXPECT_EQ(frame.format(), QImage::Format_RGB32);
                    EXPECT_EQ(frame, shown);
                    EXPECT_EQ(frame.constBits(), shown.constBits())
                        << "list " << static_cast<int>(list) << " picture " << index << " mirrored "
                        << mirrored << " team " << team;
                }
}

TEST(ImageLists, TeamIsIgnoredOutsideTheUnitListAndOutsideTheTeams)
{
    const ImageLists& lists = ImageLists::Get();
    EXPECT_EQ(ImageOf(lists.Picture(ImageList::Face, 2, false, 1)),
              ImageOf(lists.Picture(ImageList::Face, 2)));
    EXPECT_EQ(ImageOf(lists.Picture(ImageList::Unit, 20, false, 6)),
              ImageOf(lists.Picture(ImageList::Unit, 20)));
    EXPECT_EQ(ImageOf(lists.Picture(ImageList::Unit, 20, false, gh::kNoTeam)),
              ImageOf(lists.Picture(ImageList::Unit, 20)));
}

TEST(ImageLists, OutOfRangeIndexGivesABlackPictureOfTheListSize)
{
    const ImageLists& lists = ImageLists::Get();
    for (ImageList list : kAllLists) {
        for (int index : {0, -1, lists.Count(list) + 1, 1000}) {
            for (int team : {gh::kNoTeam, 0, 3}) {
                const QPixmap& p = lists.Picture(list, index, index == 0, team);
                EXPECT_EQ(p.size(), lists.PictureSize(list));
                EXPECT_TRUE(AllBlack(ImageOf(p)));
            }
        }
    }
}

TEST(Tint, ReferenceGreyBecomesTheTeamColourAndShadesFollowIt)
{
    QImage plain(4, 1, QImage::Format_RGB32);
    plain.setPixel(0, 0, qRgb(125, 125, 125)); // the reference level
    plain.setPixel(1, 0, qRgb(25, 25, 25));    // a deep fold
    plain.setPixel(2, 0, qRgb(255, 255, 255)); // a highlight
    plain.setPixel(3, 0, qRgb(200, 10, 10));   // not team colour
    QImage mask(4, 1, QImage::Format_Grayscale8);
    mask.setPixel(0, 0, qRgb(255, 255, 255));
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    mask.setPixel(2, 0, qRgb(255, 255, 255));
    mask.setPixel(3, 0, qRgb(0, 0, 0));
    QImage halfMask = mask;
    halfMask.setPixel(0, 0, qRgb(128, 128, 128));

    const QColor blue(50, 100, 235);
    const QImage out = ImageLists::Tint(plain, mask, blue);
    EXPECT_EQ(out.pixel(0, 0), qRgb(50, 100, 235));
    EXPECT_EQ(out.pixel(1, 0), qRgb(10, 20, 47));
    EXPECT_EQ(out.pixel(2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(3, 0), qRgb(200, 10, 10));

    // A half-covered edge pixel goes half way.
    const QRgb half = ImageLists::Tint(plain, halfMask, blue).pixel(0, 0);
    EXPECT_NEAR(qRed(half), (125 + 50) / 2, 1);
    EXPECT_NEAR(qBlue(half), (125 + 235) / 2, 1);
}

TEST(TeamColour, NobodyIsGreyAndTheFiveHeroesAreClearlyApart)
{
    const QColor nobody = ImageLists::TeamColour(0);
    EXPECT_EQ(nobody.red(), nobody.green());
    EXPECT_EQ(nobody.green(), nobody.blue());
    EXPECT_EQ(ImageLists::TeamColour(-1), nobody);
    EXPECT_EQ(ImageLists::TeamColour(6), nobody);
    for (int a = 0; a < ImageLists::kTeams; ++a) {
        for (int b = a + 1; b < ImageLists::kTeams; ++b) {
            const QColor ca = ImageLists::TeamColour(a), cb = ImageLists::TeamColour(b);
            const int distance = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                                 std::abs(ca.blue() - cb.blue());
            EXPECT_GT(distance, 120) << a << " vs " << b;
        }
    }
    // The hero colours are saturated, so they read as colours on black.
    for (int team = 1; team < ImageLists::kTeams; ++team)
        EXPECT_GT(ImageLists::TeamColour(team).hsvSaturation(), 150) << team;
}

} // namespace
