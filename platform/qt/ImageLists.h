#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/ImageListId.h"

namespace gh {

// The game's four picture lists (ImgUnit, ImgSpell, ImgIcons, ImgLstFace) and
// the splash picture, read from the compiled-in resources (the lists once).
//
// Every picture is opaque. A mirrored copy of each is made (at load for units
// and effects, on first use for the rest), because the battlefield mirrors a
// unit by painting it with a negative width and Qt's painter does not flip
// for that. Unit pictures can also be had in a team's colour: the grey
// team-colour areas (marked by each picture's mask) are recoloured on first
// use and kept.
class ImageLists {
public:
    // Loads on first call; QGuiApplication must exist by then.
    static const ImageLists& Get();

    int Count(ImageList list) const;
    QSize PictureSize(ImageList list) const;

    // Picture `index` (1-based). Outside 1..Count the answer is a black
    // picture of the list's size, so a wrong index shows up but never crashes.
    // `team` (0 = nobody, 1..5 = heroes) only applies to ImageList::Unit;
    // kNoTeam or an unknown team gives the plain picture.
    const QPixmap& Picture(ImageList list, int index, bool mirrored = false, int team = kNoTeam) const;

    // The same picture as the battlefield's canvas copies it: an image in the
    // canvas's own format (RGB32), so that painting it is a plain copy.
    // `sharp` asks for the twice-size source (96 x 96 units, 128 x 128
    // effects) at device-pixel ratio 2, for screens above ratio 1; it is read
    // on first use, so a ratio-1 screen never holds it. A list without a
    // sharp source, or a missing file, gives the ordinary picture.
    const QImage& Frame(ImageList list, int index, bool mirrored, int team, bool sharp) const;

    // The same frame with its alpha, for laying it on a ground rather than
    // copying it: premultiplied ARGB whose colour is Frame's (the picture on
    // black) and whose alpha is the picture's cover, so that on black it
    // looks exactly as Frame does. A picture without a cover file is opaque.
    // Made on first use and kept.
    const QImage& Overlay(ImageList list, int index, bool mirrored, int team, bool sharp) const;

    // The twice-size source of a portrait, if `picture` is one of the
    // portraits and its sharp file exists; otherwise nullptr. Portraits are
    // scaled into boxes of various sizes, so a HiDPI box starts from this.
    const QPixmap* SharperSource(const QPixmap& picture) const;

    // Where unit picture `index` carries its team colour: 0 nowhere, 255 fully
    // (Format_Grayscale8). Null outside 1..63.
    const QImage& TeamMask(int index) const;

    // Read afresh on every call: it is shown once, while the program loads,
    // and is not worth keeping for the rest of the run.
    QPixmap Splash() const;

    static constexpr int kTeams = 6;
    // 0 = grey for nobody, 1..5 = red, blue, green, gold, purple. Anything
    // else is given nobody's grey. With the distinct palette, five colours
    // that stay apart for the common kinds of colour blindness instead:
    // vermilion, blue, sky blue, yellow, pink.
    static QColor TeamColour(int team);
    // Which of the two palettes the sides wear; a change recolours every
    // unit picture on its next use.
    static void SetDistinctSides(bool distinct);
    static bool DistinctSides();

    // Recolours the team-colour area of `plain` (as marked by `mask`) into
    // `colour`, keeping the area's light and shade. Pixels where the mask is 0
    // come back unchanged.
    static QImage Tint(const QImage& plain, const QImage& mask, const QColor& colour);

    ImageLists(const ImageLists&) = delete;
    ImageLists& operator=(const ImageLists&) = delete;

private:
    ImageLists();
    // Forgets every picture made in a side's colour (the references handed
    // out stay valid and are made again on their next use).
    void ForgetTinted() const;

    struct List {
        QSize size;
        std::vector<QPixmap> plain;            // index - 1
        mutable std::vector<QPixmap> mirrored; // index - 1; sized at load, filled when first asked
        QPixmap missing;                       // black, for bad indices
    };

    const List& ListOf(ImageList list) const;

    std::array<List, 4> lists_;
    std::vector<QImage> unitMasks_;
    QImage noMask_;
    // Tinted unit pictures, made on first use: [team][mirrored][index - 1];
    // a null pixmap means not made yet. Sized once at load, so references
    // handed out stay valid.
    mutable std::array<std::array<std::vector<QPixmap>, 2>, kTeams> tinted_;

    // Unit and effect pictures as images, at one size: plain and mirrored
    // (index - 1), the unit masks, and tinted units made on first use.
    struct Frames {
        std::vector<QImage> unit[2];
        std::vector<QImage> spell[2];
        std::vector<QImage> masks;
        std::array<std::array<std::vector<QImage>, 2>, kTeams> tinted;
        QImage missingUnit, missingSpell;
    };
    void FillFrames(Frames& f, bool sharp) const;
    const Frames& Ordinary() const;
    mutable Frames frames_;
    mutable Frames sharpFrames_;
    mutable bool sharpLoaded_ = false;
    mutable std::map<std::uint64_t, QImage> overlays_;
    mutable std::vector<QPixmap> sharpFaces_;
    mutable bool sharpFacesLoaded_ = false;
};

} // namespace gh
