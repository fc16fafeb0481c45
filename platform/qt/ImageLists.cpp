#include "platform/qt/ImageLists.h"

#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <QtGlobal>

#include <algorithm>

namespace gh {

namespace {

// tools/import-art turns the team-colour magenta into grey of the ramp's own
// brightness, and Wesnoth's reference magenta #EC008C lands on this level.
// That level gets the team colour itself; darker greys darken it, lighter ones
// lighten it towards white, so folds and highlights survive the tint.
constexpr int kReferenceGrey = 125;

// `suffix` picks a variant beside the picture: "_mask", "@2x", "_mask@2x".
QString ResourcePath(ImageList list, int index, const char* suffix = "")
{
    const QString s = QString::fromLatin1(suffix);
    switch (list) {
    case ImageList::Unit: return QStringLiteral(":/unit/%1%2.png").arg(index, 2, 10, QLatin1Char('0')).arg(s);
    case ImageList::Spell: return QStringLiteral(":/spell/%1%2.png").arg(index).arg(s);
    case ImageList::Icons: return QStringLiteral(":/icons/%1%2.png").arg(index).arg(s);
    case ImageList::Face: return QStringLiteral(":/face/%1%2.png").arg(index).arg(s);
    }
    return {};
}

int CountOf(ImageList list)
{
    switch (list) {
    case ImageList::Unit: return kUnitPictures;
    case ImageList::Spell: return kSpellPictures;
    case ImageList::Icons: return kIconPictures;
    case ImageList::Face: return kFacePictures;
    }
    return 0;
}

QSize SizeOf(ImageList list)
{
    switch (list) {
    case ImageList::Unit: return {48, 48};
    case ImageList::Spell: return {64, 64};
    case ImageList::Icons: return {32, 32};
    case ImageList::Face: return {97, 97};
    }
    return {};
}

QImage BlackImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// Pictures are copied without blending: whatever a file holds is laid on
// black and made opaque, in the backing image's format.
QImage OnBlack(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat = BlackImage(image.size());
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat.convertToFormat(QImage::Format_RGB32);
}

// A missing file becomes black rather than a hole.
QImage LoadOpaque(const QString& path, QSize size)
{
    QImage image(path);
    if (image.isNull()) {
        qWarning("ImageLists: missing picture %s", qPrintable(path));
        return BlackImage(size);
    }
    image = OnBlack(image);
    if (image.size() != size) {
        qWarning("ImageLists: %s is %dx%d, expected %dx%d", qPrintable(path), image.width(), image.height(),
                 size.width(), size.height());
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

// A sharp picture, or a null image when its file is missing or of the wrong
// size (the caller then keeps the ordinary one).
QImage LoadSharp(const QString& path, QSize size)
{
    QImage image(path);
    if (image.isNull() || image.size() != size) {
        qWarning("ImageLists: missing or odd sharp picture %s", qPrintable(path));
        return {};
    }
    return OnBlack(image);
}

int Shade(int channel, int grey)
{
    if (grey <= kReferenceGrey)
        return channel * grey / kReferenceGrey;
    return channel + (255 - channel) * (grey - kReferenceGrey) / (255 - kReferenceGrey);
}

int Mix(int from, int to, int weight)
{
    return from + (to - from) * weight / 255;
}

} // namespace

const ImageLists& ImageLists::Get()
{
    Q_ASSERT_X(QGuiApplication::instance(), "ImageLists::Get",
               "pixmaps need a QGuiApplication; create it first");
    static const ImageLists lists;
    return lists;
}

ImageLists::ImageLists()
{
    for (ImageList list : {ImageList::Unit, ImageList::Spell, ImageList::Icons, ImageList::Face}) {
        List& l = lists_[static_cast<int>(list)];
        l.size = SizeOf(list);
        l.missing = QPixmap::fromImage(BlackImage(l.size));
        const int count = CountOf(list);
        l.plain.reserve(count);
        l.mirrored.reserve(count);
        for (int i = 1; i <= count; ++i) {
            QImage image = LoadOpaque(ResourcePath(list, i), l.size);
            l.plain.push_back(QPixmap::fromImage(image));
            // Only units and effects are painted mirrored on the field; the
            // other lists make a mirrored copy if one is ever asked for.
            const bool onField = list == ImageList::Unit || list == ImageList::Spell;
            l.mirrored.push_back(onField ? QPixmap::fromImage(image.mirrored(true, false)) : QPixmap());
            if (list == ImageList::Unit) {
                const QString maskPath = QStringLiteral(":/unit/%1_mask.png").arg(i, 2, 10, QLatin1Char('0'));
                QImage mask(maskPath);
                if (mask.isNull() || mask.size() != l.size) {
                    // Without a mask the unit simply stays in its plain colours.
                    qWarning("ImageLists: missing or odd mask %s", qPrintable(maskPath));
                    mask = QImage(l.size, QImage::Format_Grayscale8);
                    mask.fill(0);
                }
                unitMasks_.push_back(mask.convertToFormat(QImage::Format_Grayscale8));
            }
        }
    }
    for (auto& byMirror : tinted_)
        for (auto& pixmaps : byMirror)
            pixmaps.resize(kUnitPictures);
}

const ImageLists::List& ImageLists::ListOf(ImageList list) const
{
    return lists_[static_cast<int>(list)];
}

int ImageLists::Count(ImageList list) const
{
    return static_cast<int>(ListOf(list).plain.size());
}

QSize ImageLists::PictureSize(ImageList list) const
{
    return ListOf(list).size;
}

const QPixmap& ImageLists::Picture(ImageList list, int index, bool mirrored, int team) const
{
    const List& l = ListOf(list);
    if (index < 1 || index > static_cast<int>(l.plain.size()))
        return l.missing;
    const std::size_t i = static_cast<std::size_t>(index - 1);
    if (list != ImageList::Unit || team < 0 || team >= kTeams) {
        if (!mirrored)
            return l.plain[i];
        if (l.mirrored[i].isNull())
            l.mirrored[i] = QPixmap::fromImage(l.plain[i].toImage().mirrored(true, false));
        return l.mirrored[i];
    }

    QPixmap& cached = tinted_[static_cast<std::size_t>(team)][mirrored ? 1 : 0][i];
    // The battlefield's frame in that colour, shared rather than tinted twice.
    if (cached.isNull())
        cached = QPixmap::fromImage(Frame(ImageList::Unit, index, mirrored, team, false));
    return cached;
}

void ImageLists::FillFrames(Frames& f, bool sharp) const
{
    const int scale = sharp ? 2 : 1;
    for (ImageList list : {ImageList::Unit, ImageList::Spell}) {
        const bool unit = list == ImageList::Unit;
        const QSize size = SizeOf(list) * scale;
        std::vector<QImage>* out = unit ? f.unit : f.spell;
        for (int i = 1; i <= CountOf(list); ++i) {
            // The ordinary frames are the pixmaps' own pixels: a raster
            // pixmap hands out its image without a copy, so they cost nothing.
            const List& loaded = ListOf(list);
            const std::size_t k = static_cast<std::size_t>(i - 1);
            QImage image = sharp ? LoadSharp(ResourcePath(list, i, "@2x"), size) : loaded.plain[k].toImage();
            QImage mask;
            if (unit) {
                mask = sharp ? QImage(ResourcePath(list, i, "_mask@2x"))
                             : unitMasks_[static_cast<std::size_t>(i - 1)];
                if (mask.size() != image.size()) {
                    mask = QImage(image.size().isEmpty() ? SizeOf(list) : image.size(),
                                  QImage::Format_Grayscale8);
                    mask.fill(0);
                }
                mask = mask.convertToFormat(QImage::Format_Grayscale8);
            }
            if (image.isNull()) {
                // No sharp source: the ordinary picture, smoothed up by the painter.
                const Frames& plain = Ordinary();
                image = (unit ? plain.unit : plain.spell)[0][static_cast<std::size_t>(i - 1)];
                if (unit)
                    mask = plain.masks[static_cast<std::size_t>(i - 1)];
            }
            image.setDevicePixelRatio(image.width() > SizeOf(list).width() ? 2.0 : 1.0);
            out[0].push_back(image);
            QImage flipped = sharp ? image.mirrored(true, false) : loaded.mirrored[k].toImage();
            flipped.setDevicePixelRatio(image.devicePixelRatio());
            out[1].push_back(flipped);
            if (unit)
                f.masks.push_back(mask);
        }
    }
    for (auto& byMirror : f.tinted)
        for (auto& images : byMirror)
            images.resize(kUnitPictures);
    f.missingUnit = BlackImage(SizeOf(ImageList::Unit));
    f.missingSpell = BlackImage(SizeOf(ImageList::Spell));
}

const ImageLists::Frames& ImageLists::Ordinary() const
{
    if (frames_.unit[0].empty())
        FillFrames(frames_, false);
    return frames_;
}

const QImage& ImageLists::Frame(ImageList list, int index, bool mirrored, int team, bool sharp) const
{
    const Frames& plain = Ordinary();
    const bool unit = list == ImageList::Unit;
    if (!unit && list != ImageList::Spell)
        return plain.missingUnit; // the canvas only ever paints units and effects
    if (sharp && !sharpLoaded_) {
        FillFrames(sharpFrames_, true);
        sharpLoaded_ = true;
    }
    Frames& f = sharp ? sharpFrames_ : frames_;
    const std::vector<QImage>* all = unit ? f.unit : f.spell;
    if (index < 1 || index > static_cast<int>(all[0].size()))
        return unit ? plain.missingUnit : plain.missingSpell;
    const std::size_t i = static_cast<std::size_t>(index - 1);
    const int m = mirrored ? 1 : 0;
    if (!unit || team < 0 || team >= kTeams)
        return all[m][i];
    QImage& cached = f.tinted[static_cast<std::size_t>(team)][static_cast<std::size_t>(m)][i];
    if (cached.isNull()) {
        QImage tinted = Tint(all[0][i], f.masks[i], TeamColour(team));
        if (mirrored)
            tinted = tinted.mirrored(true, false);
        tinted.setDevicePixelRatio(all[0][i].devicePixelRatio());
        cached = tinted;
    }
    return cached;
}

const QImage& ImageLists::Overlay(ImageList list, int index, bool mirrored, int team, bool sharp) const
{
    const QImage& frame = Frame(list, index, mirrored, team, sharp);
    const bool unit = list == ImageList::Unit;
    if ((!unit && list != ImageList::Spell) || index < 1 || index > CountOf(list))
        return frame;
    if (team < 0 || team >= kTeams || !unit)
        team = kNoTeam;
    // The frame's own size says which cover fits it: a missing sharp picture
    // falls back to the ordinary one.
    const bool twice = frame.width() > SizeOf(list).width();
    const std::uint64_t key =
        (static_cast<std::uint64_t>(unit ? 1 : 2) << 40) | (static_cast<std::uint64_t>(index) << 16) |
        (static_cast<std::uint64_t>(team + 1) << 8) | (mirrored ? 2u : 0u) | (twice ? 1u : 0u);
    QImage& cached = overlays_[key];
    if (!cached.isNull())
        return cached;
    QImage cover(ResourcePath(list, index, twice ? "_cover@2x" : "_cover"));
    QImage out = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!cover.isNull() && cover.size() == frame.size()) {
        cover = cover.convertToFormat(QImage::Format_Grayscale8);
        if (mirrored)
            cover = cover.mirrored(true, false);
        for (int y = 0; y < out.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
            const uchar* alpha = cover.constScanLine(y);
            for (int x = 0; x < out.width(); ++x) {
                // The picture on black is its colour times its cover; the
                // scaling's ringing can leave a channel above the cover.
                const int a = alpha[x];
                const QRgb c = line[x];
                line[x] = qRgba(std::min(qRed(c), a), std::min(qGreen(c), a), std::min(qBlue(c), a), a);
            }
        }
    } else {
        qWarning("ImageLists: missing or odd cover for picture %d", index);
    }
    out.setDevicePixelRatio(frame.devicePixelRatio());
    cached = out;
    return cached;
}

const QPixmap* ImageLists::SharperSource(const QPixmap& picture) const
{
    const List& faces = ListOf(ImageList::Face);
    for (std::size_t i = 0; i < faces.plain.size(); ++i) {
        if (faces.plain[i].cacheKey() != picture.cacheKey())
            continue;
        if (!sharpFacesLoaded_) {
            sharpFacesLoaded_ = true;
            for (int n = 1; n <= static_cast<int>(faces.plain.size()); ++n) {
                const QImage image = LoadSharp(ResourcePath(ImageList::Face, n, "@2x"), faces.size * 2);
                sharpFaces_.push_back(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
            }
        }
        return sharpFaces_[i].isNull() ? nullptr : &sharpFaces_[i];
    }
    return nullptr;
}

const QImage& ImageLists::TeamMask(int index) const
{
    if (index < 1 || index > static_cast<int>(unitMasks_.size()))
        return noMask_;
    return unitMasks_[static_cast<std::size_t>(index - 1)];
}

QPixmap ImageLists::Splash() const
{
    return QPixmap::fromImage(LoadOpaque(QStringLiteral(":/splash.png"), QSize(418, 306)));
}

namespace {
bool distinctSides = false;
} // namespace

void ImageLists::SetDistinctSides(bool distinct)
{
    if (distinct == distinctSides)
        return;
    distinctSides = distinct;
    if (QGuiApplication::instance())
        Get().ForgetTinted();
}

bool ImageLists::DistinctSides()
{
    return distinctSides;
}

void ImageLists::ForgetTinted() const
{
    for (auto& byMirror : tinted_)
        for (QPixmap& p : byMirror[0])
            p = QPixmap();
    for (auto& byMirror : tinted_)
        for (QPixmap& p : byMirror[1])
            p = QPixmap();
    for (Frames* f : {&frames_, &sharpFrames_})
        for (auto& byMirror : f->tinted)
            for (auto& images : byMirror)
                for (QImage& image : images)
                    image = QImage();
    for (auto& [key, image] : overlays_)
        image = QImage();
}

QColor ImageLists::TeamColour(int team)
{
    if (distinctSides) {
        // Picked so that every two stay at least 20 apart (CIEDE2000) as
        // people with protanopia, deuteranopia and tritanopia see them, and
        // each is light enough to read on the dark field.
        switch (team) {
        case 1: return {166, 66, 0};
        case 2: return {55, 102, 134};
        case 3: return {55, 182, 255};
        case 4: return {255, 255, 11};
        case 5: return {222, 150, 151};
        default: return {150, 150, 150};
        }
    }
    // Five colours that stay apart on black and from each other at 48 px,
    // including for the commoner kinds of colour blindness (blue vs. gold).
    switch (team) {
    case 1: return {220, 40, 40};
    case 2: return {50, 100, 235};
    case 3: return {40, 175, 60};
    case 4: return {235, 190, 30};
    case 5: return {160, 70, 215};
    default: return {150, 150, 150};
    }
}

QImage ImageLists::Tint(const QImage& plain, const QImage& mask, const QColor& colour)
{
    QImage out = plain.convertToFormat(QImage::Format_RGB32);
    if (mask.isNull())
        return out;
    const QImage m = mask.convertToFormat(QImage::Format_Grayscale8);
    const int w = std::min(out.width(), m.width());
    const int h = std::min(out.height(), m.height());
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const uchar* weights = m.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int weight = weights[x];
            if (weight == 0)
                continue;
            const QRgb c = line[x];
            // Scaled edges mix grey with the neighbours; their average still
            // tells how light the cloth was, which is all the tint needs.
            const int grey = (qRed(c) + qGreen(c) + qBlue(c)) / 3;
            line[x] = qRgb(Mix(qRed(c), Shade(colour.red(), grey), weight),
                           Mix(qGreen(c), Shade(colour.green(), grey), weight),
                           Mix(qBlue(c), Shade(colour.blue(), grey), weight));
        }
    }
    return out;
}

} // namespace gh
