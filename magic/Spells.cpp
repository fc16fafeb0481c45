#include "magic/Spells.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/Effects.h"
#include "magic/SpellCatalogue.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh {

namespace {

// The cast is over and the person has the field again. Tmr never stops for
// a spell, but a cast must not be the thing that leaves the field frozen.
void HandBack(Game& g)
{
    g.InputMode = kModeOrders;
    g.timers.SetEnabled(TimerId::Tmr, true);
}

// A cast with nothing to show is over at once. On a side the computer plays
// its player carries the game on, as it does after a walk.
void HandBackToComputer(Game& g)
{
    const bool human =
        g.ActiveHero >= 0 && g.ActiveHero <= kHeroes && g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
    if (!human)
        g.timers.SetEnabled(TimerId::TmrEnemy, true);
}

// Whoever is struck by a spell takes the same pose as under a blow, mirrored
// within its own cell when it faces left.
void PaintStruck(Game& g, const Unit& t)
{
    const int picture = t.ImageBase + 7;
    const int team = (t.Hp >= 1 && t.Owner >= 0 && t.Owner <= kHeroes) ? t.Owner : kNoTeam;
    const float y = t.PosY - g.ViewY;
    if (t.Facing != 0)
        g.canvas->PaintWidth(ImageList::Unit, picture,
                             t.PosX + kCell * static_cast<float>(t.Facing) - g.ViewX, y,
                             -static_cast<float>(kCell) * static_cast<float>(t.Facing), team);
    else
        g.canvas->Paint(ImageList::Unit, picture, t.PosX - g.ViewX, y, team);
}

// Heroes' records rise as heroes, everything else as creatures.
void RiseAsWho(Game& g, Unit& t)
{
    t.Kind = g.Target <= kHeroes ? kKindHero : kKindCreature;
}

// Bones have nothing left to raise: a plain skeleton stands up in their place.
void BonesToSkeleton(Game& g, Unit& t)
{
    if (t.Hp < -3) {
        CreateUnit(g, g.Target, kSkeleton, 0);
        t.Hp = 0;
    }
}

void ClaimRaised(Unit& t, int caster, const Unit& h)
{
    t.Owner = RaisedOwner(t, caster, h);
}

int ElementOf(const SpellRecord& s)
{
    return (s.Element >= 0 && s.Element < kElements) ? s.Element : 0;
}

// Works out the amount against the target's element traits, rolls it, writes
// the caption and changes the stat.
void ApplyAmount(Game& g, Unit& t, const Unit& h)
{
    const SpellRecord& s = g.CurrentSpell;
    PaintStruck(g, t);

    std::int32_t a = SpellAmount(s, t);
    if (SpellImmune(s, t, a)) {
        g.LblUdar.Caption = GH_TR_NOOP("FieldLabel", "иммунитет");
        a = 0;
    } else if (SpellLands(s, h, g.rnd->Rnd() * 100.0f)) {
        g.LblUdar.Caption = std::to_string(std::abs(static_cast<std::int64_t>(a)));
    } else {
        g.LblUdar.Caption = GH_TR_NOOP("FieldLabel", "мимо");
        a = 0;
    }
    g.LblUdar.ForeColor = a > 0 ? kGreen : kWhite;

    std::int32_t maximum = 0;
    const std::int32_t* stat = SpellStat(s, t, maximum);
    if (!stat)
        return;
    // SpellStat hands out the stat read-only; t is this spell's to change.
    *const_cast<std::int32_t*>(stat) = StatAfterSpell(s, *stat, maximum, a);
    if (s.StatKind == 1 && t.Hp <= 0)
        t.Kind = kKindRemains;
}

// What a spell can change on its target, taken before and after it lands,
// so the log can say what it did.
struct SpellTouch {
    bool alive = false;
    bool remains = false;
    std::int32_t hp = 0;
    std::int32_t owner = 0;
    std::int32_t stat = 0;
};

SpellTouch TouchOf(const SpellRecord& s, const Unit& t)
{
    std::int32_t maximum = 0;
    const std::int32_t* stat = SpellStat(s, t, maximum);
    return {t.Hp >= 1, t.Kind == kKindRemains, t.Hp, t.Owner, stat ? *stat : 0};
}

void ReportSpell(Game& g, int caster, const SpellTouch& before, const Unit& t)
{
    const SpellRecord& s = g.CurrentSpell;
    const SpellTouch after = TouchOf(s, t);
    MatchEvent e;
    e.kind = EventKind::SpellResult;
    e.who = caster;
    e.whom = g.Target;
    e.spell = s.SpellNo;
    e.amount = after.stat - before.stat;
    if (before.remains && !after.remains)
        e.outcome = Outcome::Raised;
    else if (s.SpellNo == kDecay)
        e.outcome = after.hp != before.hp ? Outcome::Rotted : Outcome::Fizzled;
    else if (s.SpellNo == kMindControl)
        e.outcome = s.Chance > 0 ? Outcome::Controlled : Outcome::Fizzled;
    else if (g.LblUdar.Caption == GH_TR_NOOP("FieldLabel", "иммунитет"))
        e.outcome = Outcome::Immune;
    else if (g.LblUdar.Caption == GH_TR_NOOP("FieldLabel", "мимо"))
        e.outcome = Outcome::Missed;
    else if (g.LblUdar.Caption.empty())
        e.outcome = Outcome::Fizzled;
    Report(g, e);

    if (before.alive && t.Hp < 1) {
        MatchEvent kill;
        kill.kind = EventKind::Kill;
        kill.who = caster;
        kill.whom = g.Target;
        kill.spell = s.SpellNo;
        kill.side = caster;
        Report(g, kill);
    }
}

} // namespace

std::int32_t SpellAmount(const SpellRecord& s, const Unit& t)
{
    const int e = ElementOf(s);
    std::int32_t maximum = 0;
    const bool stat = SpellStat(s, t, maximum) != nullptr;
    // The amount is worked in 32 bits: statistics grow far past what 16 bits
    // hold (a seasoned demon's life passes 32,767), and a percentage of them
    // must come out exact. Every step rounds half to even as before.
    std::int32_t a = CLng(s.Effect);
    if (s.IsPercent && stat)
        a = CLng(static_cast<double>(s.Effect) / 100.0 * maximum);
    if (t.Grace[e])
        a = CLng(std::abs(static_cast<double>(a)));
    if (a < 0)
        a = CLng(a - static_cast<double>(a) * t.Protection[e] / 999.0);
    if (t.Weakness[e])
        a = CLng(-std::abs(a * 0.63 + a)); // even healing hurts, and harder
    return a;
}

bool SpellImmune(const SpellRecord& s, const Unit& t, std::int32_t amount)
{
    return t.Immunity[ElementOf(s)] && amount <= 0;
}

bool SpellLands(const SpellRecord& s, const Unit& caster, float r)
{
    const float chance = static_cast<float>(Int(caster.Magic / 13.0) + s.Chance);
    return chance >= r;
}

double SpellLandChance(const SpellRecord& s, const Unit& caster)
{
    // r is uniform in [0, 100).
    return std::clamp((Int(caster.Magic / 13.0) + s.Chance) / 100.0, 0.0, 1.0);
}

const std::int32_t* SpellStat(const SpellRecord& s, const Unit& t, std::int32_t& maximum)
{
    switch (s.StatKind) {
    case 1: maximum = t.HpMax; return &t.Hp;
    case 2: maximum = t.ActionsMax; return &t.Actions;
    case 3: maximum = t.ManaMax; return &t.Mana;
    default: maximum = 0; return nullptr;
    }
}

std::int32_t StatAfterSpell(const SpellRecord& s, std::int32_t stat, std::int32_t maximum,
                            std::int32_t amount)
{
    // A percentage under a hundred weakens but never finishes anyone off,
    // and lifts a stat already at nothing to one, hit or miss.
    if (stat + amount <= 0 && s.IsPercent && s.Effect < 100)
        amount = 1 - stat;
    if (stat + amount < 0)
        stat = 0;
    else
        stat += amount;
    return stat > maximum ? maximum : stat;
}

int RaisedOwner(const Unit& t, int caster, const Unit& h)
{
    // A necromancer hero claims every skeleton he raises; anything else goes
    // back to its old master, and only the masterless come to the caster.
    if (t.Hp < -3)
        return caster;
    if (h.UnitType == kNecromancer && t.UnitType == kSkeleton)
        return caster;
    return t.Owner == 0 ? caster : t.Owner;
}

bool MindControlTakes(const SpellRecord& s, const Unit& t)
{
    return !t.Immunity[ElementOf(s)] && t.Hp > 0 && t.Kind == kKindCreature;
}

void ApplySpell(Game& g)
{
    // A spell that lands on no one fizzles. It has already been paid for and
    // its page torn out; keeping the aim open would let the next click pay
    // for it a second time.
    if (IsCellFree(g, g.TargetCellX, g.TargetCellY)) {
        MatchEvent nobody;
        nobody.kind = EventKind::SpellResult;
        nobody.who = g.ActiveHero;
        nobody.spell = g.CurrentSpell.SpellNo;
        nobody.outcome = Outcome::Fizzled;
        Report(g, nobody);
        HandBack(g);
        HandBackToComputer(g);
        return;
    }
    g.LblUdar.Caption.clear();

    SpellRecord& s = g.CurrentSpell;
    const int caster = Game::ValidUnit(g.ActiveHero) ? g.ActiveHero : 0;
    const Unit& h = g.U(caster);
    Unit& t = g.U(g.Target);
    const SpellTouch before = TouchOf(s, t);

    switch (s.SpellNo) {
    case kNecromancerSong:
        if (t.Hp > 0) {
            s.Chance = 0;
            s.Effect = 0;
            break;
        }
        RiseAsWho(g, t);
        BonesToSkeleton(g, t);
        ClaimRaised(t, caster, h);
        break;
    case kDecay:
        if (t.Hp <= 0 && t.Hp >= -3) {
            t.Hp = -4;
            t.Owner = 0;
        }
        break;
    case kAngelVoice:
        RiseAsWho(g, t);
        BonesToSkeleton(g, t);
        if (t.Hp <= 0)
            ClaimRaised(t, caster, h);
        break;
    case kMindControl:
        if (MindControlTakes(s, t))
            t.Owner = caster;
        else
            s.Chance = 0;
        break;
    default:
        if (t.Hp < 1)
            s.Chance = 0; // the dead are past help and past harm
        break;
    }

    if (s.Effect != 0 && s.Chance > 0)
        ApplyAmount(g, t, h);
    ReportSpell(g, caster, before, t);

    HandBack(g);
    if (g.LblUdar.Caption.empty()) {
        HandBackToComputer(g);
        return;
    }

    // The result rises like a blow's. Its end hands the field back with
    // Selected := Attacker and Target := Defender, which after a fight name
    // the last exchange, maybe the other side's units. A spell is no
    // exchange: the caster stays selected, the target stays the target, and
    // no return blow is owed.
    g.Attacker = caster;
    g.Defender = g.Target;
    g.ReturnBlowDue = false;

    g.timers.SetInterval(TimerId::Tmr2, 1);
    const float x = t.PosX;
    const float y = t.PosY - 320;
    StartEffect(g, x, y, 0, 6);
    g.LblUdar.Left = x - g.ViewX;
    g.LblUdar.Top = y - g.ViewY;
    g.LblUdar.Visible = true;
    g.InputMode = kModeResult;
}

} // namespace gh
