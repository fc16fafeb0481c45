#pragma once

#include <string>

#include "world/Game.h"

namespace gh {

// One of the ten taunts, drawn at random (n = 1..10).
std::string SpeechLine(int n);
std::string PickSpeech(Game& g);

// The full line FrmMes shows for the active hero.
std::string SpeechText(Game& g);

} // namespace gh
