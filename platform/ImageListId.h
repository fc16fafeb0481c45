#pragma once

namespace gh {

// The four picture lists of the game. Indices into every list are 1-based.
enum class ImageList {
    Unit,  // ImgUnit: 63 pictures, 48 x 48, nine per creature type
    Spell, // ImgSpell: 8 pictures, 64 x 64, two runs of four
    Icons, // ImgIcons: 8 toolbar icons, 32 x 32
    Face,  // ImgLstFace: 8 portraits (4 is the portrait of remains)
};

inline constexpr int kUnitPictures = 63;
inline constexpr int kSpellPictures = 8;
inline constexpr int kIconPictures = 8;
inline constexpr int kFacePictures = 8;

// Team colours used to tint a living unit's team-colour areas.
// kNoTeam paints the plain picture (remains, previews).
inline constexpr int kNoTeam = -1;
// 0 = nobody (grey), 1..5 = the heroes.

} // namespace gh
