#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// One of the ten taunts, drawn at random (n = 1..10).
std::string SpeechLine(int n);
std::string PickSpeech(Game& g);

// The full line FrmMes shows for the active hero.
std::string SpeechText(Game& g);
// The same, the taunt drawn from `taunts`: the window draws from a source of
// its own, not the match's generator, since a record of the match (which
// shows no window) must draw exactly what the match drew.
std::string SpeechText(const Game& g, Random& taunts);

} // namespace gh
