// The sides' two palettes: the distinct one stays apart for the common kinds
// of colour blindness, and the settings window switches it on the field.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>

#include "SavesGame.h"
#include "battlefield/FrmMain.h"
#include "battlefield/qt/StatusStrip.h"
#include "platform/qt/ImageLists.h"
#include "windows/FrmSelect.h"
#include "windows/FrmSet.h"
#include "windows/qt/AppSettings.h"

namespace gh {
namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Machado, Oliveira and Fernandes (2009), severity 1, on linear RGB.
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                          {0.114503, 0.786281, 0.099216},
                          {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                          {-0.078411, 0.930809, 0.147602},
                          {0.004733, 0.691367, 0.303900}}};
const Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

Vec Lab(const QColor& c, const Matrix& seen)
{
    const Vec rgb{Linear(c.red()), Linear(c.green()), Linear(c.blue())};
    Vec l{};
    for (int i = 0; i < 3; ++i)
        l[static_cast<std::size_t>(i)] = std::clamp(seen[static_cast<std::size_t>(i)][0] * rgb[0] +
                                                        seen[static_cast<std::size_t>(i)][1] * rgb[1] +
                                                        seen[static_cast<std::size_t>(i)][2] * rgb[2],
                                                    0.0, 1.0);
    const double x = (0.4124 * l[0] + 0.3576 * l[1] + 0.1805 * l[2]) / 0.95047;
    const double y = 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
    const double z = (0.0193 * l[0] + 0.1192 * l[1] + 0.9505 * l[2]) / 1.08883;
    auto f = [](double t) {
        constexpr double d = 6.0 / 29;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Degrees(double radians)
{
    const double d = radians * 180 / M_PI;
    return d < 0 ? d + 360 : d;
}

double Radians(double degrees)
{
    return degrees * M_PI / 180;
}

// CIEDE2000 (Sharma, Wu and Dalal's formulation).
double DeltaE2000(const Vec& p, const Vec& q)
{
    const double c1 = std::hypot(p[1], p[2]), c2 = std::hypot(q[1], q[2]);
    const double cMean = (c1 + c2) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cMean, 7) / (std::pow(cMean, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p[1], a2 = (1 + g) * q[1];
    const double c1p = std::hypot(a1, p[2]), c2p = std::hypot(a2, q[2]);
    const double h1 = c1p == 0 ? 0 : Degrees(std::atan2(p[2], a1));
    const double h2 = c2p == 0 ? 0 : Degrees(std::atan2(q[2], a2));
    double dh = 0;
    if (c1p * c2p != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dL = q[0] - p[0], dC = c2p - c1p;
    const double dH = 2 * std::sqrt(c1p * c2p) * std::sin(Radians(dh / 2));
    const double lMean = (p[0] + q[0]) / 2, cpMean = (c1p + c2p) / 2;
    double hMean = h1 + h2;
    if (c1p * c2p != 0)
        hMean = std::abs(h1 - h2) <= 180 ? (h1 + h2) / 2 : (h1 + h2 < 360 ? (h1 + h2 + 360) / 2 : (h1 + h2 - 360) / 2);
    const double t = 1 - 0.17 * std::cos(Radians(hMean - 30)) + 0.24 * std::cos(Radians(2 * hMean)) +
                     0.32 * std::cos(Radians(3 * hMean + 6)) - 0.20 * std::cos(Radians(4 * hMean - 63));
    const double dTheta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(cpMean, 7) / (std::pow(cpMean, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sc = 1 + 0.045 * cpMean, sh = 1 + 0.015 * cpMean * t;
    const double rt = -std::sin(Radians(2 * dTheta)) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

// Sets the palette for one test and puts the usual one back after it.
struct Palette {
    explicit Palette(bool distinct) { ImageLists::SetDistinctSides(distinct); }
    ~Palette() { ImageLists::SetDistinctSides(false); }
};

TEST(SideColours, TheFormulaMeetsItsPublishedPairs)
{
    // Sharma, Wu and Dalal's test data, pairs 1, 7 and 17.
    EXPECT_NEAR(DeltaE2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}), 2.0425, 1e-4);
    EXPECT_NEAR(DeltaE2000({50, 0, 0}, {50, -1, 2}), 2.3669, 1e-4);
    EXPECT_NEAR(DeltaE2000({50, 2.5, 0}, {73, 25, -18}), 27.1492, 1e-4);
}

TEST(SideColours, TheDistinctPaletteStaysApartForEveryKindOfColourBlindness)
{
    const Palette distinct(true);
    const std::array<std::pair<const char*, const Matrix*>, 4> views{
        {{"normal sight", &kNormal},
         {"protanopia", &kProtanopia},
         {"deuteranopia", &kDeuteranopia},
         {"tritanopia", &kTritanopia}}};
    for (const auto& [name, seen] : views)
        for (int a = 1; a <= 5; ++a)
            for (int b = a + 1; b <= 5; ++b)
                EXPECT_GE(DeltaE2000(Lab(ImageLists::TeamColour(a), *seen), Lab(ImageLists::TeamColour(b), *seen)),
                          20.0)
                    << name << ": sides " << a << " and " << b;
    // And the usual palette is the usual one again when the setting is off.
    ImageLists::SetDistinctSides(false);
    EXPECT_EQ(ImageLists::TeamColour(1), QColor(220, 40, 40));
}

TEST(SideColours, TheSettingRecoloursTheUnitsNumbersTheStripAndIsRemembered)
{
    const Palette usual(false);
    gui::SavesGame sg;
    sg.g.Generator.Pin(3);
    FrmMain* main = sg.ShowMain();
    sg.StartFromSelection();
    const QImage before = ImageLists::Get().Frame(ImageList::Unit, sg.g.U(1).UnitType, false, 1, false).copy();
    EXPECT_TRUE(main->Strip->ShpSide->text().isEmpty());

    sg.forms.OpenSettings();
    auto* set = qobject_cast<FrmSet*>(sg.forms.settings.data());
    ASSERT_NE(set, nullptr);
    EXPECT_FALSE(set->ChkDistinctSides->isChecked());
    const QRect box = set->ChkDistinctSides->geometry();
    EXPECT_TRUE(set->rect().contains(box));
    for (QWidget* other : set->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != set->ChkDistinctSides && other->isVisible()) {
            EXPECT_FALSE(box.intersects(other->geometry())) << other->metaObject()->className();
        }
    }
    set->ChkDistinctSides->click();
    EXPECT_TRUE(sg.forms.prefs.distinctSides);
    EXPECT_TRUE(ImageLists::DistinctSides());
    EXPECT_TRUE(set->grab().save(gui::ShotPath(QStringLiteral("side-colours-settings.png"))));
    set->close();

    // The hero wears the new colour at once, and the strip names its side.
    const QImage after = ImageLists::Get().Frame(ImageList::Unit, sg.g.U(1).UnitType, false, 1, false);
    EXPECT_NE(after, before);
    EXPECT_EQ(main->Strip->ShpSide->palette().color(QPalette::Window),
              ImageLists::TeamColour(sg.g.ActiveHero));
    EXPECT_EQ(main->Strip->ShpSide->text(), QString::number(sg.g.ActiveHero));
    EXPECT_TRUE(main->grab().save(gui::ShotPath(QStringLiteral("side-colours-field.png"))));

    Preferences prefs;
    AppSettings(sg.settingsPath).ApplyTo(prefs);
    EXPECT_TRUE(prefs.distinctSides);
    QTemporaryDir dir;
    Preferences none;
    none.distinctSides = true;
    AppSettings(dir.filePath(QStringLiteral("none.conf"))).ApplyTo(none);
    EXPECT_FALSE(none.distinctSides) << "nothing remembered: the usual colours";
}

} // namespace
} // namespace gh
