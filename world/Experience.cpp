#include "world/Experience.h"

#include <string>

#include "platform/Numbers.h"
#include "platform/Texts.h"

namespace gh {

std::int32_t UnitWorth(const Game& g, int index)
{
    return Game::ValidUnit(index) ? UnitWorth(g.U(index)) : 0;
}

std::int32_t UnitWorth(const Unit& u)
{
    // Each line replaces w; the rounding of every line is part of the worth.
    std::int32_t w = CLng(u.HpMax / 2.0);
    w = CLng(u.ManaMax / 2.0 + (w + 2.0 * u.ActionsMax));
    w = CLng(u.Strength / 2.0 + w);
    w = CLng(u.Magic / 2.0 + w);
    w = CLng(u.Speed / 3.0 + w);
    w = CLng(w - u.Reason / 3.0); // intellect lowers the worth
    w = CLng(u.HitChance / 3.0 + (w + 5.0 * u.AttackRange));
    w = CLng(u.Will / 4.0 + w);
    for (int e = 0; e < kElements; ++e) {
        if (u.Grace[e])
            w += 11;
        if (u.Immunity[e])
            w += 9;
        if (u.Weakness[e])
            w -= 10;
        w = CLng(u.Protection[e] / 2.0 + w);
    }
    return w;
}

std::int32_t Grow(std::int32_t& s, float rate, std::int32_t cap)
{
    const double r = static_cast<double>(rate);
    std::int32_t v;
    if (s > 0 && s * r < 1.0)
        v = s + 1;
    else
        v = CLng(s + s * r);
    if (v > cap)
        v = cap;
    s = v;
    return v;
}

namespace {

void Promote(Game& g, int i)
{
    Unit& u = g.U(i);
    u.Level += 1;
    u.Exp = 0;
    Grow(u.HpMax, 0.37f, 99999);
    Grow(u.ActionsMax, 0.3f, 99);
    Grow(u.ManaMax, 0.19f, 9999);
    Grow(u.Strength, 0.32f, 9999);
    Grow(u.Magic, 0.28f, 9999);
    for (int e = 1; e <= 13; ++e)
        Grow(u.Protection[e], 0.13f, 999);
    Grow(u.Reason, 0.18f, 9999);
    Grow(u.Speed, 0.17f, 999);
    Grow(u.LeadershipMax, 0.05f, 99);
    Grow(u.Will, 0.49f, 9999);
    Grow(u.HitChance, 0.09f, 99);
    u.Leadership = u.LeadershipMax;
    u.ExpNext = UnitWorth(g, i);
}

} // namespace

void AwardKill(Game& g)
{
    if (!Game::ValidUnit(g.Attacker) || !Game::ValidUnit(g.Defender) || !Game::ValidUnit(g.Target))
        return;
    const int gainer = g.U(g.Attacker).Hp > 0 ? g.Attacker : g.Defender;
    g.Selected = gainer;
    Unit& u = g.U(gainer);

    const std::int32_t gain = Int(g.U(g.Target).ExpNext / 1.37);
    u.Exp += gain;

    g.LblXP.Caption = std::to_string(gain);
    g.LblXP.Left = u.PosX - g.ViewX;
    g.LblXP.Top = u.PosY - 430 - g.ViewY;

    if (u.Exp >= u.ExpNext) {
        if (u.Level >= 99) {
            u.Exp = u.ExpNext;
        } else {
            Promote(g, gainer);
            g.LblXP.Caption = GH_TR_NOOP("FieldLabel", "повышение");
            MatchEvent promoted;
            promoted.kind = EventKind::Promotion;
            promoted.who = gainer;
            promoted.amount = u.Level;
            Report(g, promoted);
        }
    }
    g.LblXP.Visible = true;
    g.timers.SetEnabled(TimerId::Tmr4, true);
}

void HideExperienceLabel(Game& g)
{
    g.LblXP.Visible = false;
    g.timers.SetEnabled(TimerId::Tmr4, false);
}

} // namespace gh
