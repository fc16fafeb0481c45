#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>

#include <gtest/gtest.h>

// The resources live in a static library; if nothing pulled their initialiser
// into the program, every path below would be missing.
namespace {

QString Two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

TEST(Resources, EveryUnitPictureAndMaskIsCompiledIn)
{
    for (int n = 1; n <= 63; ++n) {
        EXPECT_TRUE(QFile::exists(":/unit/" + Two(n) + ".png")) << n;
        EXPECT_TRUE(QFile::exists(":/unit/" + Two(n) + "_mask.png")) << n;
    }
    EXPECT_FALSE(QFile::exists(":/unit/64.png"));
}

TEST(Resources, SpellIconAndFacePicturesAreCompiledIn)
{
    for (int n = 1; n <= 8; ++n) {
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/spell/%1.png").arg(n))) << n;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/%1.png").arg(n))) << n;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/face/%1.png").arg(n))) << n;
    }
}

TEST(Resources, SplashFontsAndTranslationAreCompiledIn)
{
    EXPECT_TRUE(QFile::exists(":/splash.png"));
    EXPECT_TRUE(QFile::exists(":/fonts/LiberationSans-Regular.ttf"));
    EXPECT_TRUE(QFile::exists(":/fonts/LiberationSans-Bold.ttf"));
    EXPECT_TRUE(QFile::exists(":/fonts/ComicNeue-Regular.otf"));
    EXPECT_TRUE(QFile::exists(":/i18n/qtbase_ru.qm"));
}

TEST(Resources, MasksAreSingleChannelPicturesOfTheUnitSize)
{
    for (int n = 1; n <= 63; ++n) {
        const QImage mask(":/unit/" + Two(n) + "_mask.png");
        ASSERT_FALSE(mask.isNull()) << n;
        EXPECT_EQ(mask.size(), QSize(48, 48)) << n;
        EXPECT_TRUE(mask.isGrayscale()) << n;
    }
}

TEST(Resources, UnitsAndEffectsHaveCoversThatAgreeWithTheirPicturesOnBlack)
{
    // A picture on black is its colour times its cover: no channel can be
    // brighter than the cover allows, but for a few edge pixels where the
    // scaling rings.
    auto check = [](const QString& picture, const QString& cover, QSize size) {
        const QImage p = QImage(picture).convertToFormat(QImage::Format_RGB32);
        const QImage c(cover);
        ASSERT_FALSE(c.isNull()) << cover.toStdString();
        EXPECT_EQ(c.size(), size) << cover.toStdString();
        EXPECT_TRUE(c.isGrayscale()) << cover.toStdString();
        ASSERT_EQ(p.size(), c.size());
        const QImage a = c.convertToFormat(QImage::Format_Grayscale8);
        int brighter = 0, covered = 0;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) {
                const QRgb v = p.pixel(x, y);
                const int m = std::max({qRed(v), qGreen(v), qBlue(v)});
                const int alpha = a.constScanLine(y)[x];
                brighter += m > alpha + 24;
                covered += alpha > 0;
            }
        EXPECT_LT(brighter, size.width() * size.height() / 100) << picture.toStdString();
        EXPECT_GT(covered, 0) << picture.toStdString();
    };
    for (int n = 1; n <= 63; ++n) {
        check(":/unit/" + Two(n) + ".png", ":/unit/" + Two(n) + "_cover.png", QSize(48, 48));
        check(":/unit/" + Two(n) + "@2x.png", ":/unit/" + Two(n) + "_cover@2x.png", QSize(96, 96));
    }
    for (int n = 1; n <= 8; ++n) {
        check(QStringLiteral(":/spell/%1.png").arg(n), QStringLiteral(":/spell/%1_cover.png").arg(n),
              QSize(64, 64));
        check(QStringLiteral(":/spell/%1@2x.png").arg(n), QStringLiteral(":/spell/%1_cover@2x.png").arg(n),
              QSize(128, 128));
    }
}

TEST(Resources, TheGroundsHexesAreOpaqueAndItsBitsSeeThrough)
{
    for (int n = 1; n <= 21; ++n)
        for (const char* suffix : {"", "@2x"}) {
            const QImage hex(":/ground/" + Two(n) + suffix + ".png");
            ASSERT_FALSE(hex.isNull()) << n << suffix;
            EXPECT_EQ(hex.width(), *suffix ? 96 : 48) << n;
            EXPECT_FALSE(hex.hasAlphaChannel()) << n;
        }
    for (int n = 1; n <= 8; ++n)
        for (const char* suffix : {"", "@2x"}) {
            const QImage bit(QStringLiteral(":/ground/bit%1%2.png").arg(n).arg(QLatin1String(suffix)));
            ASSERT_FALSE(bit.isNull()) << n << suffix;
            EXPECT_TRUE(bit.hasAlphaChannel()) << n;
            EXPECT_EQ(qAlpha(bit.pixel(0, 0)), 0) << "a bit's corner is the ground's" << n;
        }
    EXPECT_FALSE(QFile::exists(":/ground/22.png"));
}

} // namespace
