#pragma once

#include <QColor>

namespace gh {

// A side's colour for text: the colour the side's units wear on the field,
// made light enough to read on a dark ground or dark enough on a light one.
// Side -1 (nobody's) reads as plain grey or black.
QColor SideTextColour(int side, bool onDark);

} // namespace gh
