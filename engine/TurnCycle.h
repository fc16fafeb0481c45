#pragma once

#include "world/Game.h"

namespace gh {

// Ends the active side's turn and announces the next one. fromCommand is 0
// when match setup opens the first turn, 1 from the toolbar and the
// computer player.
void PassTurn(Game& g, int fromCommand);

// The bookkeeping of a turn change; called only by PassTurn.
void AdvanceTurn(Game& g);

// Announces the winner and brings the battlefield to rest.
void AnnounceVictory(Game& g, int winner);

// Once the last rival hero has fallen (or every hero has), the match is won
// there and then, as the next turn change would declare it: nothing the
// winner does after the blow can lose it. Only a field at rest is judged, so
// the blow or spell that decided it plays out first. True when it declared
// the victory now.
bool DeclareVictoryIfDecided(Game& g);

// The active hero gives up: it leaves the field, and its turn ends as
// PassTurn ends it, which crowns the last hero standing. Its units stay, and
// its side is passed over from now on.
void Concede(Game& g);

} // namespace gh
