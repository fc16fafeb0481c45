#pragma once

// The one list of what a save holds and in which order. The writer and the
// reader both walk these lists, so a field can never be written without being
// read back, nor read under another name. A visitor V offers:
//   v(key, field)                  a number, a flag, a text, an array of them
//   v.Object(key, value, visit)    a nested object laid out by `visit`
//   v.Records(key, array, visit)   an array of objects laid out by `visit`
//   v.Timers(key, scheduler)       the timers' state
//   v.Generator(key, generator)    the random generator's state
// M is the type itself or its const form.
//
// A field added to Unit, MatchState or FieldControls must be added here (and
// the format's version raised, with an upgrade step for older files): the
// tests of the save format fail until it is.

#include "world/Game.h"

namespace gh::save {

template <class U, class V> void VisitUnit(U& u, V& v)
{
    v("PosX", u.PosX);
    v("PosY", u.PosY);
    v("CellsWide", u.CellsWide);
    v("CellsHigh", u.CellsHigh);
    v("Facing", u.Facing);
    v("AnimFrame", u.AnimFrame);
    v("UnitType", u.UnitType);
    v("AnimTick", u.AnimTick);
    v("AnimDelay", u.AnimDelay);
    v("Kind", u.Kind);
    v("Hp", u.Hp);
    v("HpMax", u.HpMax);
    v("Actions", u.Actions);
    v("ActionsMax", u.ActionsMax);
    v("Protection", u.Protection);
    v("Immunity", u.Immunity);
    v("Grace", u.Grace);
    v("Weakness", u.Weakness);
    v("AttackElement", u.AttackElement);
    v("Strength", u.Strength);
    v("Magic", u.Magic);
    v("Reason", u.Reason);
    v("Name", u.Name);
    v("Speed", u.Speed);
    v("Exp", u.Exp);
    v("ExpNext", u.ExpNext);
    v("Leadership", u.Leadership);
    v("LeadershipMax", u.LeadershipMax);
    v("Level", u.Level);
    v("ImageBase", u.ImageBase);
    v("Portrait", u.Portrait);
    v("Owner", u.Owner);
    v("Will", u.Will);
    v("Mana", u.Mana);
    v("ManaMax", u.ManaMax);
    v("IsMale", u.IsMale);
    v("HitChance", u.HitChance);
    v("AttackRange", u.AttackRange);
    v("OnField", u.OnField);
}

template <class S, class V> void VisitSpell(S& s, V& v)
{
    v("SpellNo", s.SpellNo);
    v("Range", s.Range);
    v("Effect", s.Effect);
    v("IsPercent", s.IsPercent);
    v("StatKind", s.StatKind);
    v("Element", s.Element);
    v("Chance", s.Chance);
    v("ReasonNeeded", s.ReasonNeeded);
    v("ManaCost", s.ManaCost);
    v("AnimFirstFrame", s.AnimFirstFrame);
    v("AnimCycles", s.AnimCycles);
}

template <class N, class V> void VisitStrongNotes(N& n, V& v)
{
    v("Day", n.Day);
    v("Side", n.Side);
    v("Orders", n.Orders);
    v("Casts", n.Casts);
}

// Since format 2.
template <class T, class V> void VisitSideTally(T& t, V& v)
{
    v("TookPart", t.TookPart);
    v("Kills", t.Kills);
    v("Losses", t.Losses);
    v("Summoned", t.Summoned);
    v("SpellsCast", t.SpellsCast);
    v("DaysSurvived", t.DaysSurvived);
}

template <class M, class V> void VisitMatch(M& m, V& v)
{
    v.Records("Units", m.Units, [](auto& u, V& sub) { VisitUnit(u, sub); });
    v("ViewX", m.ViewX);
    v("ViewY", m.ViewY);
    v("UnitCount", m.UnitCount);
    v("Selected", m.Selected);
    v("Target", m.Target);
    v("Attacker", m.Attacker);
    v("Defender", m.Defender);
    v("ActiveHero", m.ActiveHero);
    v("Day", m.Day);
    v("HeroIsHuman", m.HeroIsHuman);
    v("Spellbook", m.Spellbook);
    v("Attitude", m.Attitude);
    v("MatchRunning", m.MatchRunning);
    v("AnimSpeed", m.AnimSpeed);
    v("LoopI", m.LoopI);
    v("LoopJ", m.LoopJ);
    v("TargetCellX", m.TargetCellX);
    v("TargetCellY", m.TargetCellY);
    v("InputMode", m.InputMode);
    v("ChosenSlot", m.ChosenSlot);
    v("CastChance", m.CastChance);
    v("CastMana", m.CastMana);
    v.Object("CurrentSpell", m.CurrentSpell, [](auto& s, V& sub) { VisitSpell(s, sub); });
    v("AiCursor", m.AiCursor);
    v("ComputerLevel", m.ComputerLevel);
    v.Object("Strong", m.Strong, [](auto& n, V& sub) { VisitStrongNotes(n, sub); });
    v.Timers("timers", m.timers);
    v.Generator("Generator", m.Generator);
    v.Object("Tally", m.Tally, [](auto& t, V& sub) {
        sub.Records("Sides", t.Sides, [](auto& side, V& one) { VisitSideTally(side, one); });
    });
}

template <class C, class V> void VisitShape(C& c, V& v)
{
    v("Visible", c.Visible);
    v("Left", c.Left);
    v("Top", c.Top);
}

template <class C, class V> void VisitLabel(C& c, V& v)
{
    v("Visible", c.Visible);
    v("Caption", c.Caption);
    v("ForeColor", c.ForeColor);
    v("Left", c.Left);
    v("Top", c.Top);
}

template <class C, class V> void VisitScrollBar(C& c, V& v)
{
    v("Visible", c.Visible);
    v("Value", c.Value);
    v("Min", c.Min);
    v("Max", c.Max);
    v("SmallChange", c.SmallChange);
    v("LargeChange", c.LargeChange);
}

template <class F, class V> void VisitControls(F& f, V& v)
{
    auto shape = [](auto& c, V& sub) { VisitShape(c, sub); };
    auto label = [](auto& c, V& sub) { VisitLabel(c, sub); };
    auto bar = [](auto& c, V& sub) { VisitScrollBar(c, sub); };
    v.Object("ShpSel", f.ShpSel, shape);
    v.Object("ShpAt", f.ShpAt, shape);
    v.Object("LblUdar", f.LblUdar, label);
    v.Object("LblXP", f.LblXP, label);
    v.Object("HorBar", f.HorBar, bar);
    v.Object("VertBar", f.VertBar, bar);
}

// The timers by the names the battlefield gives them, in TimerId order.
inline constexpr const char* kTimerNames[kTimerCount] = {"Tmr", "Tmr1", "Tmr2", "Tmr3", "Tmr4", "TmrEnemy"};

} // namespace gh::save
