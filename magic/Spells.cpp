#include "magic/Spells.h"

namespace gh {

void ApplySpell(Game& g)
{
    // Spell effects come with the magic work; until then a cast ends here,
    // its mana and spellbook entry spent, without touching the target.
    g.InputMode = kModeOrders;
    g.timers.SetEnabled(TimerId::Tmr, true);
}

} // namespace gh
