#include "engine/Effects.h"

#include "engine/Blows.h"
#include "magic/Spells.h"
#include "world/FieldView.h"

namespace gh {

namespace {

bool ComputerSide(const Game& g)
{
    return !(g.ActiveHero >= 0 && g.ActiveHero <= kHeroes &&
             g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)]);
}

void Redraw(Game& g)
{
    g.canvas->Clear();
    DrawUnits(g);
}

void PictureTick(Game& g)
{
    g.EffectFrame += 1;
    if (g.EffectFrame > 4) {
        g.EffectTick += 1;
        if (g.EffectTick > g.EffectTicks) {
            g.timers.SetEnabled(TimerId::Tmr2, false);
            Redraw(g);
            // A spell's pictures have played: now it takes effect. A
            // summon's have nothing to follow; on a side the computer plays
            // its player goes on.
            if (g.InputMode == kModeSpell)
                ApplySpell(g);
            else if (ComputerSide(g))
                g.timers.SetEnabled(TimerId::TmrEnemy, true);
            return;
        }
        g.EffectFrame = 1;
    }
    Redraw(g);
    g.canvas->Paint(ImageList::Spell, g.EffectFirstImage + g.EffectFrame - 1, g.EffectX - g.ViewX,
                    g.EffectY - g.ViewY);
}

void LabelTick(Game& g)
{
    g.EffectTick += 1;
    if (g.EffectTick <= g.EffectTicks) {
        g.EffectY -= 66;
        g.LblUdar.Left = g.EffectX - g.ViewX;
        g.LblUdar.Top = g.EffectY - g.ViewY;
        return;
    }

    g.timers.SetEnabled(TimerId::Tmr2, false);
    g.timers.SetEnabled(TimerId::Tmr, true);
    g.LblUdar.Visible = false;
    g.InputMode = kModeOrders;
    Redraw(g);
    if (g.ReturnBlowDue) {
        g.ReturnBlowDue = false;
        StartBlow(g);
        return;
    }
    // The exchange is over. TmrEnemy goes on even on a person's side: its
    // ticks do nothing there, and the computer's side needs it to go on.
    g.Selected = g.Attacker;
    g.Target = g.Defender;
    g.timers.SetInterval(TimerId::Tmr2, 20);
    g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

} // namespace

void StartEffect(Game& g, float x, float y, int firstImage, int ticks)
{
    if (firstImage > 0)
        g.canvas->Paint(ImageList::Spell, firstImage, x - g.ViewX, y - g.ViewY);
    g.EffectX = x;
    g.EffectY = y;
    g.EffectFrame = 1;
    g.EffectTick = 1;
    g.EffectTicks = ticks;
    g.EffectFirstImage = firstImage;
    g.timers.SetEnabled(TimerId::Tmr2, true);
}

void EffectTick(Game& g)
{
    if (g.EffectFirstImage != 0)
        PictureTick(g);
    else
        LabelTick(g);
}

} // namespace gh
