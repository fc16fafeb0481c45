#include "world/Units.h"

#include "platform/Numbers.h"
#include "world/Catalogue.h"
#include "world/Experience.h"

namespace gh {

bool FillUnitStatistics(Unit& u, int type)
{
    const CreatureRow* row = CatalogueRow(type);
    if (!row)
        return false;

    for (int e = 1; e < kElements; ++e) {
        u.Immunity[e] = false;
        u.Grace[e] = false;
        u.Weakness[e] = false;
        u.Protection[e] = 0;
    }

    u.CellsWide = 1;
    u.CellsHigh = 1;
    u.Kind = row->Kind;
    u.HpMax = row->HpMax;
    u.ActionsMax = row->ActionsMax;
    for (const auto& [e, value] : row->Protection)
        u.Protection[e] = value;
    for (int e : row->Immunity)
        u.Immunity[e] = true;
    for (int e : row->Grace)
        u.Grace[e] = true;
    for (int e : row->Weakness)
        u.Weakness[e] = true;
    u.AttackElement = row->AttackElement;
    u.Strength = row->Strength;
    u.Magic = row->Magic;
    u.Reason = row->Reason;
    u.Speed = row->Speed;
    u.LeadershipMax = row->LeadershipMax;
    u.Level = 1;
    u.ImageBase = row->ImageBase;
    u.Portrait = row->Portrait;
    u.Will = row->Will;
    u.ManaMax = row->ManaMax;
    u.IsMale = row->IsMale;
    u.AttackRange = row->AttackRange;
    u.HitChance = row->HitChance;

    u.UnitType = type;
    u.Hp = u.HpMax;
    u.Leadership = 0;
    u.Exp = 0;
    u.Mana = u.ManaMax;
    u.Actions = u.ActionsMax;

    u.ExpNext = UnitWorth(u);
    return true;
}

bool CreateUnit(Game& g, int index, int type, int owner)
{
    if (!Game::ValidUnit(index) || !FillUnitStatistics(g.U(index), type))
        return false;
    Unit& u = g.U(index);

    u.Facing = Int(g.rnd->Rnd() * 2.0f);
    u.OnField = true;
    u.Owner = owner;
    u.AnimFrame = Int(g.rnd->Rnd() * 3.0f) + 1;
    u.AnimTick = 0;
    u.AnimDelay = Int(g.rnd->Rnd() * 7.0f) + 1;
    return true;
}

int OccupantAt(const Game& g, float x, float y, int moved, const Unit* as)
{
    int last = g.UnitCount < kMaxUnit ? g.UnitCount : kMaxUnit;
    for (int i = 1; i <= last; ++i) {
        const Unit& u = (i == moved && as) ? *as : g.U(i);
        if (u.PosX == x && u.PosY == y && u.OnField)
            return i;
    }
    return 0;
}

bool IsCellFree(Game& g, float x, float y)
{
    const int i = OccupantAt(g, x, y);
    if (i == 0)
        return true;
    g.Target = i;
    return false;
}

} // namespace gh
