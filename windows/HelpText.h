#pragma once

#include <string>
#include <vector>

namespace gh {

// A key of the battlefield and what it does, as the help window lists it.
struct KeyHelp {
    const char* keys;
    const char* does;
};

// Every key and mouse action of the battlefield, in the order the help lists them.
const std::vector<KeyHelp>& BattlefieldKeys();

// The help window's page (rich text of our own; no player's text in it):
// the keys, what each aid on the field shows, and how to play.
std::string HelpPage();

} // namespace gh
