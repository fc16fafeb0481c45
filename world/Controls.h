#pragma once

#include <string>

#include "platform/Canvas.h"

namespace gh {

// The battlefield controls that rules touch, kept as plain data. The window
// renders them after every event. Geometry in twips, window coordinates.

struct ShapeControl {
    bool Visible = false;
    float Left = 0;
    float Top = 0;
    static constexpr float Size = 975;
};

struct LabelControl {
    bool Visible = false;
    std::string Caption;
    Rgb ForeColor = kWhite;
    float Left = 0;
    float Top = 0;
};

struct ScrollBarControl {
    bool Visible = false;
    int Value = 0;
    int Min = 0;
    int Max = 10000;
    int SmallChange = 250;
    int LargeChange = 1000;
};

} // namespace gh
