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
    friend bool operator==(const ShapeControl&, const ShapeControl&) = default;
};

struct LabelControl {
    bool Visible = false;
    std::string Caption;
    Rgb ForeColor = kWhite;
    float Left = 0;
    float Top = 0;
    friend bool operator==(const LabelControl&, const LabelControl&) = default;
};

struct ScrollBarControl {
    bool Visible = false;
    int Value = 0;
    int Min = 0;
    int Max = 10000;
    int SmallChange = 250;
    int LargeChange = 1000;
    friend bool operator==(const ScrollBarControl&, const ScrollBarControl&) = default;
};

// The battlefield's controls that the rules move and the window renders.
struct FieldControls {
    ShapeControl ShpSel;
    ShapeControl ShpAt;
    LabelControl LblUdar;
    LabelControl LblXP;
    ScrollBarControl HorBar;
    ScrollBarControl VertBar;
    friend bool operator==(const FieldControls&, const FieldControls&) = default;
};

} // namespace gh
