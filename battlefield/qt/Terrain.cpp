#include "battlefield/qt/Terrain.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "battlefield/GroundPattern.h"
#include "platform/Numbers.h"

namespace gh {

namespace {

constexpr int kCells = Terrain::kLastCell - Terrain::kFirstCell + 1;

QImage LoadGround(const QString& name, bool sharp, int cell, QImage::Format format)
{
    QImage image(QStringLiteral(":/ground/%1%2.png").arg(name, sharp ? QStringLiteral("@2x") : QString()));
    if (image.isNull() || image.size() != QSize(cell, cell)) {
        qWarning("Terrain: missing or odd ground picture %s", qPrintable(name));
        // A plain meadow green rather than a hole.
        QImage plain(cell, cell, format);
        plain.fill(format == QImage::Format_RGB32 ? QColor(62, 98, 24) : QColor(0, 0, 0, 0));
        return plain;
    }
    return image.convertToFormat(format);
}

} // namespace

void Terrain::SetPattern(std::uint64_t pattern)
{
    // Either picture may be the only one made so far (a zoomed-in field
    // never needs the plain one): the pattern alone says whether to redo.
    if (laid_ && pattern == pattern_)
        return;
    laid_ = true;
    pattern_ = pattern;
    pictures_ = {};
}

std::uint64_t Terrain::Key() const
{
    std::uint64_t vx = 0, vy = 0;
    std::memcpy(&vx, &g_.ViewX, sizeof(float));
    std::memcpy(&vy, &g_.ViewY, sizeof(float));
    return pattern_ ^ (vx * 0x9E3779B97F4A7C15ull) ^ (vy * 0xC2B2AE3D27D4EB4Full + 1);
}

const QImage& Terrain::Picture(bool sharp) const
{
    QImage& picture = pictures_[sharp ? 1 : 0];
    if (picture.isNull()) {
        // Both sizes are kept once made (the twice-size field is some 15 MB,
        // the plain one 4 MB): laying the ground again costs far more than
        // the memory, and a player zooming in and out would pay it at every
        // step.
        picture = MakeGround(pattern_, sharp ? 96 : 48);
    }
    return picture;
}

QRectF Terrain::FieldRect(const QtCanvas& canvas) const
{
    // Snapped as the units are, so that a cell's ground and its unit meet
    // on the same device pixels.
    const qreal left = canvas.Snap(static_cast<float>(kFirstCell * kCell) - g_.ViewX);
    const qreal top = canvas.Snap(static_cast<float>(kFirstCell * kCell) - g_.ViewY);
    const qreal right = canvas.Snap(static_cast<float>((kLastCell + 1) * kCell) - g_.ViewX);
    const qreal bottom = canvas.Snap(static_cast<float>((kLastCell + 1) * kCell) - g_.ViewY);
    return QRectF(left, top, right - left, bottom - top);
}

void Terrain::PaintUnder(QPainter& p, const QRectF& logical, const QtCanvas& canvas) const
{
    const QRectF field = FieldRect(canvas);
    if (!field.intersects(logical))
        return;
    const QImage& picture = Picture(canvas.Ratio() * canvas.Zoom() > 1.0);
    p.drawImage(field, picture, QRectF(picture.rect()));
}

QImage MakeGround(std::uint64_t pattern, int cell)
{
    const bool sharp = cell > 48;
    std::vector<QImage> hexes;
    for (int n = 1; n <= kGroundPictures; ++n)
        hexes.push_back(LoadGround(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), sharp, cell,
                                   QImage::Format_RGB32));

    // Wesnoth's hex rows at the cell's size: a hex is a cell wide and high,
    // columns three quarters of it apart, odd columns half a hex lower. A
    // pixel belongs to the hex whose centre is nearest in the hex's own
    // measure, which cuts the plane exactly along the hexes' edges.
    const int side = kCells * cell;
    const double h = cell, step = 0.75 * h, half = 0.5 * h;
    const int columns = static_cast<int>(std::ceil(side / step)) + 3;
    const int rows = kCells + 3;
    // Hex (c, r) is stored at [(c + 1) * rows + r + 1].
    std::vector<GroundHex> laid(static_cast<std::size_t>(columns * rows));
    auto centre = [&](int c, int r) {
        return QPointF(c * step + half, r * h + half + ((c & 1) ? half : 0.0));
    };
    for (int c = -1; c < columns - 1; ++c)
        for (int r = -1; r < rows - 1; ++r) {
            const QPointF at = centre(c, r);
            laid[static_cast<std::size_t>((c + 1) * rows + r + 1)] =
                GroundHexAt(pattern, c, r, GroundMixAt(pattern, at.x() / cell, at.y() / cell));
        }

    // Grass, dry grass and earth are each laid in hexes everywhere and mixed
    // pixel by pixel as GroundMixAt says, so the patches have soft edges of
    // their own rather than the hexes' outlines. The mix is worked out on a
    // lattice an eighth of a cell apart and eased between: its patches are
    // cells across, and every pixel's own would cost far more.
    constexpr int kMixSteps = 8;
    const int lattice = kCells * kMixSteps + 2;
    std::vector<GroundMix> mixes(static_cast<std::size_t>(lattice * lattice));
    for (int j = 0; j < lattice; ++j)
        for (int i = 0; i < lattice; ++i)
            mixes[static_cast<std::size_t>(j * lattice + i)] =
                GroundMixAt(pattern, static_cast<double>(i) / kMixSteps, static_cast<double>(j) / kMixSteps);
    const double perStep = static_cast<double>(cell) / kMixSteps;
    auto mixAt = [&](double px, double py) {
        const double fx = px / perStep, fy = py / perStep;
        const int i = std::min(static_cast<int>(fx), lattice - 2);
        const int j = std::min(static_cast<int>(fy), lattice - 2);
        const double tx = fx - i, ty = fy - j;
        auto at = [&](int di, int dj) {
            return mixes[static_cast<std::size_t>((j + dj) * lattice + i + di)];
        };
        const GroundMix a = at(0, 0), b = at(1, 0), c = at(0, 1), d = at(1, 1);
        GroundMix m;
        m.dry = (a.dry * (1 - tx) + b.dry * tx) * (1 - ty) + (c.dry * (1 - tx) + d.dry * tx) * ty;
        m.earth = (a.earth * (1 - tx) + b.earth * tx) * (1 - ty) + (c.earth * (1 - tx) + d.earth * tx) * ty;
        return m;
    };

    // Which hex a pixel belongs to repeats every two columns across and every
    // hex down: worked out once for that period (a pixel's place inside its
    // hex included) and looked up for the rest of the field. Two columns are
    // a cell and a half: whole pixels at the even sizes the pictures come in.
    struct Nearest {
        int dc = 0, dr = 0, sx = 0, sy = 0;
    };
    const int periodX = static_cast<int>(2 * step), periodY = cell;
    std::vector<Nearest> period(static_cast<std::size_t>(periodX * periodY));
    for (int v = 0; v < periodY; ++v)
        for (int u = 0; u < periodX; ++u) {
            const double px = u + 0.5, py = v + 0.5;
            const int c0 = static_cast<int>(std::floor(px / step));
            int bestC = 0, bestR = 0;
            double best = 1e9;
            for (int c = c0 - 1; c <= c0 + 1; ++c) {
                const double offset = (c & 1) ? half : 0.0;
                const int r = static_cast<int>(std::floor((py - offset) / h));
                const QPointF at = centre(c, r);
                const double dx = std::abs(px - at.x()), dy = std::abs(py - at.y());
                const double norm = std::max(dy, dx + dy / 2);
                if (norm < best) {
                    best = norm;
                    bestC = c;
                    bestR = r;
                }
            }
            const QPointF at = centre(bestC, bestR);
            Nearest& n = period[static_cast<std::size_t>(v * periodX + u)];
            n.dc = bestC;
            n.dr = bestR;
            n.sx = std::clamp(static_cast<int>(std::floor(px - (at.x() - half))), 0, cell - 1);
            n.sy = std::clamp(static_cast<int>(std::floor(py - (at.y() - half))), 0, cell - 1);
        }

    QImage out(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const double py = y + 0.5;
        const int ky = y / periodY, inY = y % periodY;
        for (int x = 0; x < side; ++x) {
            const double px = x + 0.5;
            const Nearest& n = period[static_cast<std::size_t>(inY * periodX + x % periodX)];
            const int bestC = n.dc + 2 * (x / periodX), bestR = n.dr + ky;
            const int sx = n.sx, sy = n.sy;
            const GroundHex& hex = laid[static_cast<std::size_t>((bestC + 1) * rows + bestR + 1)];
            auto sample = [&](int picture) {
                return reinterpret_cast<const QRgb*>(
                    hexes[static_cast<std::size_t>(picture - 1)].constScanLine(sy))[sx];
            };
            const GroundMix mix = mixAt(px, py);
            QRgb c = sample(hex.grass);
            auto blend = [](QRgb a, QRgb b, double t) {
                auto ch = [t](int u, int v) { return static_cast<int>(u + (v - u) * t + 0.5); };
                return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
            };
            if (mix.dry > 0)
                c = blend(c, sample(hex.dry), mix.dry);
            if (mix.earth > 0)
                c = blend(c, sample(hex.earth), mix.earth);
            line[x] = c;
        }
    }

    // The flowers and stones lie on top, each on its hex, spilling over its
    // edges as they do in Wesnoth.
    std::vector<QImage> bits;
    for (int n = 1; n <= kGroundBits; ++n)
        bits.push_back(
            LoadGround(QStringLiteral("bit%1").arg(n), sharp, cell, QImage::Format_ARGB32_Premultiplied));
    QPainter p(&out);
    for (int c = -1; c < columns - 1; ++c)
        for (int r = -1; r < rows - 1; ++r) {
            const GroundHex& hex = laid[static_cast<std::size_t>((c + 1) * rows + r + 1)];
            if (hex.bit < 1 || hex.bit > kGroundBits)
                continue;
            const QPointF at = centre(c, r);
            p.drawImage(QPointF(at.x() - half, at.y() - half), bits[static_cast<std::size_t>(hex.bit - 1)]);
        }
    p.end();
    return out;
}

} // namespace gh
