#include "battlefield/Drawing.h"

#include <algorithm>

#include "platform/Numbers.h"

namespace gh {

namespace {

// Picture 18 is the skeleton's corpse; once flesh has rotted away every
// creature leaves the same bones.
constexpr int kBonesPicture = 18;
constexpr int kCorpseOffset = 8;

int LastRecord(const Game& g)
{
    return std::clamp(g.UnitCount, 0, kMaxUnit);
}

bool PictureExists(int pic)
{
    return pic >= 1 && pic <= kUnitPictures;
}

// The idle cycle shows frames 1, 2, 3, 2; a step outside the cycle (a record
// not made by CreateUnit) shows the first frame rather than a neighbour's.
int IdleFrameOffset(std::int32_t animFrame)
{
    if (animFrame >= 1 && animFrame <= 3)
        return animFrame - 1;
    if (animFrame == 4)
        return 1;
    return 0;
}

int TeamOf(const Unit& u)
{
    return (u.Owner >= 0 && u.Owner <= kHeroes) ? u.Owner : 0;
}

void DrawLiving(Game& g, const Unit& u)
{
    const int pic = u.ImageBase + IdleFrameOffset(u.AnimFrame);
    if (!PictureExists(pic))
        return;
    const float top = u.PosY - g.ViewY;
    if (u.Facing > 0) {
        // A negative width flips the picture within [x + width, x], so the
        // left edge moves one cell right to keep the unit inside its cell.
        const float span = static_cast<float>(kCell) * static_cast<float>(u.Facing);
        g.canvas->PaintWidth(ImageList::Unit, pic, u.PosX + span - g.ViewX, top, -span, TeamOf(u));
    } else {
        g.canvas->Paint(ImageList::Unit, pic, u.PosX - g.ViewX, top, TeamOf(u));
    }
}

void DrawRemains(Game& g, const Unit& u)
{
    const int pic = u.Hp >= -3 ? u.ImageBase + kCorpseOffset : kBonesPicture;
    if (!PictureExists(pic))
        return;
    // Remains belong to nobody's colours, whoever still owns them.
    g.canvas->Paint(ImageList::Unit, pic, u.PosX - g.ViewX, u.PosY - g.ViewY, kNoTeam);
}

void PlaceSelectionFrame(Game& g)
{
    const int side = g.ActiveHero;
    // During a computer side's turn the frame keeps whatever it showed.
    if (side < 0 || side > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(side)])
        return;
    const int s = g.Selected;
    if (s > 0 && Game::ValidUnit(s) && g.U(s).Hp >= 1 && g.InputMode != kModeResult) {
        const Unit& u = g.U(s);
        g.ShpSel.Top = u.PosY - g.ViewY - 120;
        g.ShpSel.Left = u.PosX - g.ViewX - 120;
        g.ShpSel.Visible = true;
    } else {
        g.ShpSel.Visible = false;
    }
}

} // namespace

void DrawUnits(Game& g)
{
    // Increasing order: a later record on the same cell paints over an
    // earlier one, and pictures are opaque, so no clearing is needed.
    const int last = LastRecord(g);
    for (int i = 1; i <= last; ++i) {
        const Unit& u = g.U(i);
        if (!u.OnField)
            continue;
        if (u.Hp >= 1)
            DrawLiving(g, u);
        else
            DrawRemains(g, u);
    }
    PlaceSelectionFrame(g);
}

void AnimateIdle(Game& g)
{
    // Every living record ticks, on the field or not: the draws for turning
    // about must not depend on which records happen to be free.
    const int last = LastRecord(g);
    for (int i = 1; i <= last; ++i) {
        Unit& u = g.U(i);
        if (u.Hp < 1)
            continue;
        u.AnimTick += 1;
        if (u.AnimTick < u.AnimDelay)
            continue;
        if (Int(g.rnd->Rnd() * 34.0f) == 7)
            u.Facing = u.Facing == 1 ? 0 : 1;
        u.AnimTick = 0;
        u.AnimFrame += 1;
        if (u.AnimFrame >= 5)
            u.AnimFrame = 1;
    }
    DrawUnits(g);
}

namespace {

int ClampToBar(const ScrollBarControl& bar, int value)
{
    return std::clamp(value, bar.Min, bar.Max);
}

} // namespace

void HorBarChanged(Game& g, int value)
{
    g.HorBar.Value = ClampToBar(g.HorBar, value);
    g.ViewX = static_cast<float>(g.HorBar.Value);
    g.canvas->Clear();
    DrawUnits(g);
}

void VertBarChanged(Game& g, int value)
{
    g.VertBar.Value = ClampToBar(g.VertBar, value);
    g.ViewY = static_cast<float>(g.VertBar.Value);
    g.canvas->Clear();
    DrawUnits(g);
}

} // namespace gh
