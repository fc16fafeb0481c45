#include "net/Bots.h"

#include <vector>

#include "engine/Engine.h"
#include "engine/Movement.h"
#include "engine/Setup.h"
#include "platform/Numbers.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh::net {

namespace {
constexpr float kCell = 720; // twips
} // namespace

void PrepareNetworkMatch(Game& g, int heroes, int persons)
{
    for (int h = 1; h <= kHeroes; ++h) {
        CreateUnit(g, h, HeroTypeOfClass(Int(g.rnd->Rnd() * 3.0f) + 1), h);
        GiveUniqueDefaultName(g, h - 1);
        g.HeroIsHuman[static_cast<std::size_t>(h)] = h <= persons;
        g.U(h).OnField = h <= heroes;
    }
    g.ActiveHero = 0;
    SetUpMatch(g);
}

Order BotOrder(const Game& g, int side, int ordersThisTurn, std::mt19937_64& rng)
{
    Order end{OrderKind::EndTurn};
    end.hand = Hand::Strong;
    if (ordersThisTurn >= 6)
        return end;
    std::vector<int> units;
    for (int i = 1; i <= g.UnitCount; ++i) {
        const Unit& u = g.U(i);
        if (u.OnField && (u.Kind == 1 || u.Kind == 2) && u.Owner == side && u.Actions > 0)
            units.push_back(i);
    }
    if (units.empty())
        return end;
    for (int attempt = 0; attempt < 24; ++attempt) {
        const int who = units[rng() % units.size()];
        const Unit& u = g.U(who);
        const float x = u.PosX + kCell * static_cast<float>(static_cast<int>(rng() % 9) - 4);
        const float y = u.PosY + kCell * static_cast<float>(static_cast<int>(rng() % 9) - 4);
        const int there = InWalkArea(x, y) ? OccupantAt(g, x, y) : 0;
        Order o{there != 0 && g.U(there).Owner != side && g.U(there).Kind != 3 ? OrderKind::Exchange
                                                                              : OrderKind::Walk,
                who, x, y};
        o.hand = Hand::Strong;
        if (CheckOrder(g, o) == Refusal::None)
            return o;
    }
    return end;
}

} // namespace gh::net
