#include <QFile>
#include <QImage>
#include <QString>

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

} // namespace
