#include "engine/Setup.h"

#include <array>

#include "engine/TurnCycle.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/FieldView.h"
#include "world/Units.h"

namespace gh {

namespace {

constexpr std::array<const char*, 10> kMaleNames{{
    GH_TR_NOOP("Setup", "Гэндальф"),
    GH_TR_NOOP("Setup", "Джэк"),
    GH_TR_NOOP("Setup", "Грэнт Непобедимый"),
    GH_TR_NOOP("Setup", "Кащей Смертный"),
    GH_TR_NOOP("Setup", "Мракодей"),
    GH_TR_NOOP("Setup", "Лорд Вони"),
    GH_TR_NOOP("Setup", "Святой Гавиллан"),
    GH_TR_NOOP("Setup", "Мордор"),
    GH_TR_NOOP("Setup", "Герцог Тангус"),
    GH_TR_NOOP("Setup", "Граф Блэксторм"),
}};

constexpr std::array<const char*, 10> kFemaleNames{{
    GH_TR_NOOP("Setup", "Арвен"),
    GH_TR_NOOP("Setup", "Галадриэль"),
    GH_TR_NOOP("Setup", "Эовин"),
    GH_TR_NOOP("Setup", "Принцесса Гарнет"),
    GH_TR_NOOP("Setup", "Королева Бранэ"),
    GH_TR_NOOP("Setup", "Аллерия"),
    GH_TR_NOOP("Setup", "Фаун"),
    GH_TR_NOOP("Setup", "Лани"),
    GH_TR_NOOP("Setup", "Шива"),
    GH_TR_NOOP("Setup", "Кид"),
}};

// Setup's neutral creatures take records 6..10; records past them hold only
// summons of an earlier match.
constexpr int kFirstNeutral = kHeroes + 1;
constexpr int kSetupUnits = 10;
constexpr int kSpellbookSlotsDrawn = 21;

// Columns 1..16 and rows 2..13: clear of the toolbar and the scroll bars.
constexpr int kColumns = 16;
constexpr int kFirstColumn = 1;
constexpr int kRows = 12;
constexpr int kFirstRow = 2;

// A working random source finds a free cell (or a free name) within a few
// tries; these bounds only stop a broken one from hanging the game.
constexpr int kGiveUpAfter = 100000;

bool NameTakenByOther(const Game& g, int hero, const std::string& name)
{
    for (int j = 1; j <= kHeroes; ++j)
        if (j != hero && g.U(j).Name == name)
            return true;
    return false;
}

// The unit may land on its own old cell, but not on a cell another record
// on the field stands on.
bool CellAcceptable(Game& g, int n)
{
    const Unit& u = g.U(n);
    return IsCellFree(g, u.PosX, u.PosY) || g.Target == n;
}

void PlaceUnit(Game& g, int n)
{
    Unit& u = g.U(n);
    for (int tries = 0; tries < kGiveUpAfter; ++tries) {
        u.PosX =
            static_cast<float>((Int(g.rnd->Rnd() * static_cast<float>(kColumns)) + kFirstColumn) * kCell);
        u.PosY = static_cast<float>((Int(g.rnd->Rnd() * static_cast<float>(kRows)) + kFirstRow) * kCell);
        if (CellAcceptable(g, n))
            return;
    }
    // Only reached when the random source keeps repeating itself: take the
    // first acceptable cell in reading order.
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            u.PosX = static_cast<float>((col + kFirstColumn) * kCell);
            u.PosY = static_cast<float>((row + kFirstRow) * kCell);
            if (CellAcceptable(g, n))
                return;
        }
}

void DrawHeroTables(Game& g, int h)
{
    for (int t = 1; t <= kHeroes; ++t) {
        g.LoopJ = static_cast<std::int16_t>(t);
        g.Attitude[h][t] = static_cast<std::int16_t>(Int(g.rnd->Rnd() * 100.0f) - 50);
    }
    // Slots past 20 keep what they held; the casting dialog shows only these.
    for (int s = 0; s < kSpellbookSlotsDrawn; ++s) {
        g.LoopJ = static_cast<std::int16_t>(s);
        const int k = Int(g.rnd->Rnd() * 2.0f) + 1;
        if (k == 1)
            g.Spellbook[h][s] = static_cast<std::int16_t>(CreatureTypeOfNumber(Int(g.rnd->Rnd() * 4.0f) + 1));
        else
            g.Spellbook[h][s] = static_cast<std::int16_t>(-(Int(g.rnd->Rnd() * 16.0f) + 1));
    }
}

} // namespace

std::string DefaultHeroName(Game& g, bool isMale)
{
    const auto& names = isMale ? kMaleNames : kFemaleNames;
    int n = Int(g.rnd->Rnd() * 10.0f) + 1;
    if (n < 1 || n > static_cast<int>(names.size()))
        n = 1;
    // A name is the hero's own from here on, and is saved as it is: a
    // computer hero of an English game is called the English way.
    return GH_TR("Setup", names[static_cast<std::size_t>(n - 1)]);
}

void GiveUniqueDefaultName(Game& g, int slot)
{
    const int h = slot + 1;
    if (h < 1 || h > kHeroes)
        return;
    Unit& hero = g.U(h);
    // Names typed by the players and names left from an earlier match count
    // as taken too, so the new name never clashes with any of them.
    for (int tries = 0; tries < kGiveUpAfter; ++tries) {
        hero.Name = DefaultHeroName(g, hero.IsMale);
        if (!NameTakenByOther(g, h, hero.Name))
            return;
    }
    // Four other heroes can hold at most four of the ten names.
    for (const char* source : hero.IsMale ? kMaleNames : kFemaleNames)
        if (const std::string name = GH_TR("Setup", source); !NameTakenByOther(g, h, name)) {
            hero.Name = name;
            return;
        }
}

void SetUpMatch(Game& g)
{
    g.rnd->Reseed();
    g.canvas->Clear();

    // A match started while the last one was still moving (a walk, a blow,
    // a spell's pictures, a computer side's turn) must not inherit it: the
    // old animation would go on playing with the new match's records.
    for (TimerId t : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3, TimerId::Tmr4, TimerId::TmrEnemy})
        g.timers.SetEnabled(t, false);
    g.InputMode = kModeOrders;
    g.Moving = 0;
    g.Selected = 0;
    g.ShpSel.Visible = false;
    g.ShpAt.Visible = false;
    g.LblUdar.Visible = false;
    g.LblXP.Visible = false;

    // A new match must never contain the summons of an earlier one.
    for (int i = kSetupUnits + 1; i <= kMaxUnit; ++i)
        g.U(i).OnField = false;

    g.UnitCount = kSetupUnits;

    for (int n = 1; n <= kSetupUnits; ++n) {
        g.LoopI = static_cast<std::int16_t>(n);
        if (n >= kFirstNeutral) {
            g.U(n).UnitType = CreatureTypeOfNumber(Int(g.rnd->Rnd() * 4.0f) + 1);
            CreateUnit(g, n, g.U(n).UnitType, 0);
        }
        // Heroes that stay out are placed too; off the field they block
        // nothing and nobody sees them.
        PlaceUnit(g, n);
    }

    for (int h = 1; h <= kHeroes; ++h) {
        g.LoopI = static_cast<std::int16_t>(h);
        DrawHeroTables(g, h);
    }

    DrawUnits(g);
    g.timers.SetEnabled(TimerId::Tmr, true);
    g.HorBar.Visible = true;
    g.VertBar.Visible = true;

    g.Day = 1;
    g.AnimSpeed = 4;
    g.MatchRunning = true;
    // The tally starts afresh with the heroes that take part.
    Report(g, {EventKind::MatchStarted});

    PassTurn(g, 0);
}

bool ChangeHeroClass(Game& g, int hero, int heroClass)
{
    const int type = HeroTypeOfClass(heroClass);
    if (hero < 1 || hero > kHeroes || type == 0 || !g.MatchRunning || g.Day != 1)
        return false;
    const Unit was = g.U(hero);
    if (was.Exp != 0 || was.Hp != was.HpMax || was.Actions != was.ActionsMax || was.Mana != was.ManaMax)
        return false;
    if (was.UnitType == type)
        return true;
    CreateUnit(g, hero, type, hero);
    Unit& now = g.U(hero);
    now.Name = was.Name;
    now.PosX = was.PosX;
    now.PosY = was.PosY;
    now.Facing = was.Facing;
    now.OnField = was.OnField;
    DrawHeroTables(g, hero);
    return true;
}

} // namespace gh
