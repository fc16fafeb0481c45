#pragma once

#include <array>

namespace gh {

// How the person likes the battlefield shown. The settings window and the
// battlefield change these; they outlast a match.
struct FieldPrefs {
    // «Подсказки на поле»: the walkable field, the selected unit's reach, the
    // path and exchange previews, the spell and summon odds.
    bool aidsOn = true;
    // The field's scale, one of kZoomLevels.
    double zoom = 1.0;
    // «Чёрное поле»: a match is played on the black field instead of the
    // ground.
    bool blackField = false;
    // «Различимые цвета сторон»: the sides wear a palette that people with
    // the common kinds of colour blindness tell apart.
    bool distinctSides = false;
};

// The scales the field offers; 2 shows the twice-size art one to one.
inline constexpr std::array<double, 3> kZoomLevels{1.0, 1.5, 2.0};

// The level `steps` away from `zoom` (negative: smaller), held to the ends.
inline double ZoomStep(double zoom, int steps)
{
    int at = 0;
    for (int i = 0; i < static_cast<int>(kZoomLevels.size()); ++i)
        if (kZoomLevels[static_cast<std::size_t>(i)] <= zoom + 1e-9)
            at = i;
    at += steps;
    if (at < 0)
        at = 0;
    if (at >= static_cast<int>(kZoomLevels.size()))
        at = static_cast<int>(kZoomLevels.size()) - 1;
    return kZoomLevels[static_cast<std::size_t>(at)];
}

} // namespace gh
