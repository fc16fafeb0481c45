#pragma once

#include <cstdint>
#include <string>

#include "platform/ImageListId.h"

namespace gh {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLightYellow{255, 255, 128};

// The drawing surface of a window. Everything painted stays until painted
// over or cleared. Positions and widths are in twips.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Clear() = 0;
    // Picture `index` (1-based) of `list` with its top-left at (x, y), at its
    // own size. `team` tints a unit picture's team-colour areas (kNoTeam: plain).
    virtual void Paint(ImageList list, int index, float x, float y, int team = kNoTeam) = 0;
    // The same with a width in twips; a negative width paints the picture
    // mirrored within the span [x + width, x].
    virtual void PaintWidth(ImageList list, int index, float x, float y, float width, int team = kNoTeam) = 0;
    // One line of text in a colour; the font is the window's.
    virtual void Print(const std::string& text, float x, float y, Rgb colour) = 0;
};

// Paints nothing; the simulator runs on it.
class NullCanvas final : public Canvas {
public:
    void Clear() override {}
    void Paint(ImageList, int, float, float, int) override {}
    void PaintWidth(ImageList, int, float, float, float, int) override {}
    void Print(const std::string&, float, float, Rgb) override {}
};

} // namespace gh
