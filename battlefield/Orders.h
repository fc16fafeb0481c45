#pragma once

#include <vector>

#include "world/Game.h"

namespace gh {

// Mouse buttons as the battlefield numbers them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Whether window point (mx, my) (twips) lies strictly inside unit i.
bool HitTest(const Game& g, int i, float mx, float my);

// What a right click in orders mode asks the window to open for unit i.
enum class InfoWindow { Creature, Object };

// Collects the windows a right click opens; the Qt side shows them.
struct InfoRequest {
    int unit;
    InfoWindow window;
};

// Mouse button pressed on the battlefield at window point (mx, my) in twips.
// A left click gives an order, or places the summon or aims the spell that
// waits for it (engine/Placement.h). Returns the information windows a
// right click asks for (in order).
std::vector<InfoRequest> FieldMouseDown(Game& g, int button, float mx, float my);

// The pointer (or the keyboard's cursor) comes to rest on the cell whose
// corner is (x, y) in field twips: a unit standing there is named as Target,
// unless a walk or a blow holds Target. True when a unit stands there.
bool PointerRestsOn(Game& g, float x, float y);

// Pointer moved over the battlefield.
void FieldMouseMove(Game& g, float mx, float my);

} // namespace gh
