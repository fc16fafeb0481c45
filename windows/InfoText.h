#pragma once

#include <array>
#include <string>

#include "world/Game.h"

namespace gh {

// The line break inside an information label: the single character 13.
inline constexpr char kCR = '\r';

// What the creature information window shows for one of the player's own
// units, built once from the record as the window loads.
struct CreatureInfo {
    int Portrait = 0;     // picture of ImgLstFace; 0 leaves the image empty
    bool HasInfo = false; // false: LblInfo keeps its empty caption
    std::string LblInfo;
    std::string Lbl1; // the unit's own statistics
    std::string Lbl2; // attack, elements, mana and action points
};

// The short window for anything else on the field.
struct ObjectInfo {
    int Portrait = 0;
    bool HasInfo = false;
    std::string LblInfo;
    std::string LblMaster;
    bool ShowBars = true; // remains show no bars and no bar captions
    Rgb HpColour;
    float HpWidth = 0; // twips, never more than the full bar
    float ApWidth = 0;
};

// Full lengths of the two bars of the object window, in twips.
inline constexpr float kHpBarWidth = 2175;
inline constexpr float kApBarWidth = 2055;

// Units(index); an index outside the records gives an empty window's content.
CreatureInfo CreatureInfoOf(const Game& g, int index);
ObjectInfo ObjectInfoOf(const Game& g, int index);

// "огонь, жизнь" for the elements whose flag is set, "нету" for none.
std::string ElementList(const std::array<bool, kElements>& flags);

} // namespace gh
