#include "engine/TurnCycle.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/Placement.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/FieldView.h"

namespace gh {

namespace {

// Each unspent action point is worth this much mana at the end of a turn.
constexpr double kManaPerAction = 5.17;

bool IsSide(int side)
{
    return side >= 0 && side <= kHeroes;
}

bool IsHumanSide(const Game& g, int side)
{
    return IsSide(side) && g.HeroIsHuman[static_cast<std::size_t>(side)];
}

std::string DayTitle(const Game& g)
{
    return Fill(GH_TR("TurnCycle", "День %1"), {std::to_string(g.Day)});
}

void ShowOk(Game& g, const std::string& text)
{
    MessageBoxRequest box;
    box.title = DayTitle(g);
    box.text = text;
    box.buttons = BoxButtons::Ok;
    g.shell->MessageBox(box);
}

// The side's hero regains mana for what it did not spend, and every unit of
// the side gets its action points back; its dead rot one step further.
void CloseSideTurn(Game& g, int side)
{
    if (IsSide(side)) {
        // Side 0 has no hero: this touches the scratch record, harmlessly.
        Unit& hero = g.U(side);
        hero.Mana = CLng(hero.Actions * kManaPerAction + hero.Mana);
        if (hero.Mana > hero.ManaMax)
            hero.Mana = hero.ManaMax;
    }

    const int last = std::clamp(g.UnitCount, 0, kMaxUnit);
    for (int i = 1; i <= last; ++i) {
        g.LoopI = static_cast<std::int16_t>(i);
        Unit& u = g.U(i);
        if (u.Owner != side)
            continue;
        u.Actions = u.ActionsMax;
        if (u.Hp < 1)
            u.Hp -= 1;
        // Bones are nobody's: from here on they rot at the neutral side's
        // turn ends, and at last free their cell.
        if (u.Hp < -3)
            u.Owner = 0;
        if (u.Hp < -7)
            u.OnField = false;
    }
}

// A hero is alive (world/Events.h: HeroAlive) while it stands on the field
// with life in it. Slots that take no part in the match never stand on the
// field. A hero's bones raised by a rival come back as the rival's skeleton
// in the hero's own record: that is the rival's creature, not the hero alive
// again.

// The side that has won once a turn's bookkeeping is done: the one hero
// still alive, the neutral side when none is, or -1 while two or more fight on.
int SurvivingSide(const Game& g)
{
    int alive = 0, last = 0;
    for (int h = 1; h <= kHeroes; ++h)
        if (HeroAlive(g, h)) {
            ++alive;
            last = h;
        }
    if (alive == 0)
        return 0;
    return alive == 1 ? last : -1;
}

} // namespace

void PassTurn(Game& g, int fromCommand)
{
    // Record 0 doubles as the neutral side's "hero" in the texts below.
    g.U(0).UnitType = 0;
    g.U(0).Name.clear();

    if (fromCommand == 0)
        g.shell->CloseSelection();

    AdvanceTurn(g);
    if (!g.MatchRunning)
        return;

    const int side = g.ActiveHero;
    MatchEvent turn;
    turn.kind = EventKind::TurnBegins;
    turn.side = side;
    Report(g, turn);

    const Unit& hero = g.U(IsSide(side) ? side : 0);
    MessageBoxRequest box;
    box.title = DayTitle(g);
    box.text = Fill(side != 0 ? GH_TR("TurnCycle", "Ходит %1 %2") : GH_TR("TurnCycle", "Ходят %1 %2"),
                    {UnitTypeName(hero.UnitType), hero.Name});
    // People at one machine swap seats on this box; a computer's turn may go
    // by without one, as the player prefers.
    if (IsHumanSide(g, side))
        g.shell->MessageBox(box);
    else
        g.shell->AnnounceComputerTurn(box);

    g.Selected = 0;
    g.ShpSel.Visible = false;

    if (!IsHumanSide(g, side) && side != 0) {
        const int r = Int(g.rnd->Rnd() * 2.0f + 1.0f);
        if (r == 2)
            g.shell->ShowSpeech();
    }
}

void AdvanceTurn(Game& g)
{
    if (!IsSide(g.ActiveHero))
        g.ActiveHero = 0;
    g.LoopJ = static_cast<std::int16_t>(g.ActiveHero);

    CloseSideTurn(g, g.ActiveHero);

    // The match ends as soon as at most one hero is alive, whoever's turn
    // ends, the neutral side's included: remains keep a cell but fight no
    // more, so a rival's corpse must not hold a finished match open, and a
    // fallen hero is never crowned. The check comes before the advance, so
    // the box carries the day of the win. The winner is left in LoopJ, the
    // side the announcement is made for.
    if (const int winner = g.MatchRunning ? SurvivingSide(g) : -1; winner >= 0) {
        g.LoopJ = static_cast<std::int16_t>(winner);
        g.ActiveHero = winner;
        AnnounceVictory(g, winner);
        return;
    }

    // Sides whose hero has left the field or fallen are passed over, but
    // their units still get the end-of-turn bookkeeping as if they had
    // played. A fallen hero's corpse keeps its cell a while; it must not keep
    // its side's turns (and its speeches) too.
    for (int visited = 0; visited <= kHeroes; ++visited) {
        g.ActiveHero += 1;
        if (g.ActiveHero == kHeroes + 1) {
            g.ActiveHero = 0;
            g.Day += 1;
            Report(g, {EventKind::DayBegins});
        }

        // Only the neutral side can come back round to itself: it is never
        // passed over.
        if (g.ActiveHero == g.LoopJ) {
            AnnounceVictory(g, std::abs(g.LoopJ));
            return;
        }

        if (!IsHumanSide(g, g.ActiveHero)) {
            g.timers.SetEnabled(TimerId::TmrEnemy, true);
            g.AiCursor = 0;
        }

        if (g.ActiveHero == 0 || HeroAlive(g, g.ActiveHero))
            return;

        CloseSideTurn(g, g.ActiveHero);
    }
}

void AnnounceVictory(Game& g, int winner)
{
    const Unit& w = g.U(IsSide(winner) ? winner : 0);
    const Unit& named = g.U(IsSide(g.ActiveHero) ? g.ActiveHero : 0);
    ShowOk(g, Fill(w.IsMale ? GH_TR("TurnCycle", "В битве победил %1 %2")
                            : GH_TR("TurnCycle", "В битве победила %1 %2"),
                   {UnitTypeName(named.UnitType), named.Name}));

    // The computer player goes quiet with the rest: an exchange's end may
    // have left it on, and it must not play a turn on a finished match.
    for (TimerId t :
         {TimerId::Tmr, TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4, TimerId::TmrEnemy})
        g.timers.SetEnabled(t, false);
    g.ShpAt.Visible = false;
    g.ShpSel.Visible = false;
    g.LblUdar.Visible = false;
    g.LblXP.Visible = false;

    g.ActiveHero = 0;
    g.Selected = 0;
    g.MatchRunning = false;

    MatchEvent won;
    won.kind = EventKind::Victory;
    won.side = IsSide(winner) ? winner : 0;
    Report(g, won);
}

bool DeclareVictoryIfDecided(Game& g)
{
    if (!g.MatchRunning || !FieldAtRest(g))
        return false;
    const int winner = SurvivingSide(g);
    if (winner < 0)
        return false;
    g.LoopJ = static_cast<std::int16_t>(winner);
    g.ActiveHero = winner;
    AnnounceVictory(g, winner);
    return true;
}

void Concede(Game& g)
{
    const int h = g.ActiveHero;
    if (h < 1 || h > kHeroes)
        return;
    // A hero who has already felled the last rival has won: giving up now
    // must not hand the match to the neutral side.
    if (DeclareVictoryIfDecided(g))
        return;
    // The hero leaves the field as one that never came; a fallen one has
    // left the match already, and its corpse stays where it lies.
    if (HeroAlive(g, h)) {
        g.U(h).OnField = false;
        // Idle frames paint over the field without clearing it: the hero's
        // picture would stay where it stood.
        g.canvas->Clear();
        DrawUnits(g);
    }
    MatchEvent left;
    left.kind = EventKind::HeroLeft;
    left.who = h;
    Report(g, left);
    // The turn ends, and with it comes the check whether the match is over.
    PassTurn(g, 1);
}

} // namespace gh
