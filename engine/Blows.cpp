#include "engine/Blows.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/Effects.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Experience.h"

namespace gh {

namespace {

bool Alive(const Game& g, int i)
{
    return i >= 1 && i <= kMaxUnit && g.U(i).Hp > 0;
}

int ElementOf(const Unit& u)
{
    return (u.AttackElement >= 0 && u.AttackElement < kElements) ? u.AttackElement : 0;
}

// Living units keep their side's colours while they strike and are struck.
int TeamOf(const Unit& u)
{
    if (u.Hp < 1 || u.Owner < 0 || u.Owner > kHeroes)
        return kNoTeam;
    return u.Owner;
}

// Picture k (1-based) of the unit's strip, mirrored within its own cell when
// the unit faces left.
void PaintPose(Game& g, const Unit& u, int k)
{
    const int picture = u.ImageBase + k - 1;
    const float y = u.PosY - g.ViewY;
    if (u.Facing == 1)
        g.canvas->PaintWidth(ImageList::Unit, picture, u.PosX + kCell - g.ViewX, y,
                             -static_cast<float>(kCell), TeamOf(u));
    else
        g.canvas->Paint(ImageList::Unit, picture, u.PosX - g.ViewX, y, TeamOf(u));
}

void EndExchange(Game& g)
{
    g.InputMode = kModeOrders;
    g.timers.SetInterval(TimerId::Tmr2, 20);
    g.ReturnBlowDue = false;
    g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

std::int16_t Negate(std::int16_t d)
{
    return CInt(-static_cast<double>(d));
}

bool InReach(const Unit& striker, const Unit& struck)
{
    const double reach = static_cast<double>(striker.AttackRange) * kCell;
    return std::fabs(static_cast<double>(struck.PosX) - striker.PosX) <= reach &&
           std::fabs(static_cast<double>(struck.PosY) - striker.PosY) <= reach;
}

} // namespace

std::int16_t BlowAmount(const Unit& striker, const Unit& struck, int roll)
{
    std::int16_t d = CInt(-static_cast<double>(striker.Strength) - roll);
    const int e = ElementOf(striker);
    if (struck.Grace[e])
        d = Negate(d);
    if (d < 0)
        d = CInt(d - d * (struck.Protection[e] / 999.0));
    if (struck.Weakness[e])
        d = CInt(d + d * 0.63);
    return d;
}

bool BlowImmune(const Unit& striker, const Unit& struck)
{
    return struck.Immunity[ElementOf(striker)];
}

bool BlowLands(const Unit& striker, const Unit& struck, float r)
{
    return !(r > static_cast<float>(striker.HitChance)) && InReach(striker, struck);
}

double BlowLandChance(const Unit& striker, const Unit& struck)
{
    // r is uniform in [0, 100): it stays within HitChance that often.
    if (!InReach(striker, struck))
        return 0.0;
    return std::clamp(striker.HitChance / 100.0, 0.0, 1.0);
}

int FirstStrike(const Unit& opener, const Unit& other)
{
    if (opener.Speed > other.Speed)
        return 1;
    return opener.Speed < other.Speed ? -1 : 0;
}

void StartBlow(Game& g)
{
    if (!(Alive(g, g.Target) && Alive(g, g.Selected))) {
        // Remains, or a return blow after a kill: no blow. After a first blow
        // the roles go back to who opened the exchange against whom.
        if (!g.ReturnBlowDue) {
            g.Target = g.Defender;
            g.Selected = g.Attacker;
        }
        EndExchange(g);
        return;
    }

    g.ShpAt.Visible = false;
    g.ShpSel.Visible = false;

    if (g.ReturnBlowDue) {
        // Nobody fights its own side.
        if (g.U(g.Target).Owner == g.ActiveHero) {
            g.ReturnBlowDue = false;
            g.timers.SetEnabled(TimerId::TmrEnemy, true);
            return;
        }
        g.Attacker = g.Selected;
        g.Defender = g.Target;
        const int first = FirstStrike(g.U(g.Selected), g.U(g.Target));
        bool defenderFirst = first < 0;
        if (first == 0)
            defenderFirst = Int(g.rnd->Rnd() * 2.0f) == 1;
        if (defenderFirst) {
            g.Target = g.Attacker;
            g.Selected = g.Defender;
        }
    } else {
        // The return blow: whoever did not strike first strikes now.
        if (g.Attacker == g.Selected) {
            g.Target = g.Attacker;
            g.Selected = g.Defender;
        } else {
            g.Selected = g.Attacker;
            g.Target = g.Defender;
        }
    }

    g.timers.SetEnabled(TimerId::Tmr, false);
    g.timers.SetEnabled(TimerId::Tmr3, true);
    g.StrikeFrame = 1;
}

void BlowTick(Game& g)
{
    if (!Game::ValidUnit(g.Selected) || !Game::ValidUnit(g.Target) || !Game::ValidUnit(g.Attacker)) {
        g.timers.SetEnabled(TimerId::Tmr3, false);
        return;
    }
    Unit& striker = g.U(g.Selected);
    Unit& struck = g.U(g.Target);

    if (striker.PosX > struck.PosX) {
        striker.Facing = 1;
        struck.Facing = 0;
    } else {
        striker.Facing = 0;
        struck.Facing = 1;
    }
    // Painted over the field as it is: the idle animation is paused meanwhile.
    PaintPose(g, striker, g.StrikeFrame + 3);
    PaintPose(g, struck, g.StrikeFrame <= 2 ? g.StrikeFrame : 8);

    g.StrikeFrame += 1;
    if (g.StrikeFrame != 5)
        return;

    // Opening an exchange spends the opener's turn, whichever blow this is.
    g.U(g.Attacker).Actions = 0;
    g.timers.SetEnabled(TimerId::Tmr3, false);

    std::int16_t d = BlowAmount(striker, struck, Int(g.rnd->Rnd() * 5.0f));

    MatchEvent blow;
    blow.kind = EventKind::Blow;
    blow.who = g.Selected;
    blow.whom = g.Target;
    if (BlowImmune(striker, struck)) {
        g.LblUdar.Caption = GH_TR_NOOP("FieldLabel", "иммунитет");
        d = 0;
        blow.outcome = Outcome::Immune;
    } else if (!BlowLands(striker, struck, g.rnd->Rnd() * 100.0f)) {
        d = 0;
        g.LblUdar.Caption = GH_TR_NOOP("FieldLabel", "мимо");
        blow.outcome = Outcome::Missed;
    } else {
        g.LblUdar.Caption = std::to_string(std::abs(static_cast<int>(d)));
    }
    g.LblUdar.ForeColor = d > 0 ? kGreen : kWhite;

    const std::int32_t hpBefore = struck.Hp;
    if (struck.Hp + d < 0)
        struck.Hp = 0;
    else
        struck.Hp += d;
    if (struck.Hp > struck.HpMax)
        struck.Hp = struck.HpMax;

    // What the life changed by: a heal stops at the maximum, a wound at nothing.
    blow.amount = struck.Hp - hpBefore;
    Report(g, blow);

    if (struck.Hp < 1) {
        struck.Kind = kKindRemains;
        MatchEvent kill;
        kill.kind = EventKind::Kill;
        kill.who = g.Selected;
        kill.whom = g.Target;
        kill.side = striker.Owner;
        Report(g, kill);
        AwardKill(g);
    }

    g.timers.SetInterval(TimerId::Tmr2, 1);
    StartEffect(g, struck.PosX, struck.PosY - 320, 0, 6);
    g.LblUdar.Left = g.EffectX - g.ViewX;
    g.LblUdar.Top = g.EffectY - g.ViewY;
    g.LblUdar.Visible = true;
    g.timers.SetEnabled(TimerId::Tmr, true);
    g.InputMode = kModeResult;
}

} // namespace gh
