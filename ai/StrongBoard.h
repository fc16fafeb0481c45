#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ai/Levels.h"
#include "world/Game.h"

namespace gh {

// What the strong computer player sees of the field when it is to give an
// order, and what it makes of it: whose units stand where, what each is
// worth to it, and what could reach its hero before its next turn. Built
// only from what a player sees on the field and in the windows.
struct StrongBoard {
    explicit StrongBoard(const Game& game);

    const Game& g;
    int me = 0;            // the hero whose turn it is
    LevelStyle style;      // how far it looks, and what it weighs (its level)
    std::vector<int> own;  // its living units, the hero included
    std::vector<int> foes; // every other living unit, the neutral side's too
    std::array<double, kMaxUnit + 1> worth{};

    // A foe that might strike the hero before its next turn.
    struct Threat {
        int unit = 0;
        float x = 0, y = 0;
        int reach = 1;     // cells on both axes from which it strikes
        int actions = 0;   // points it will walk with
        double chance = 0; // how likely it is to come for the hero at all
        double meanHarm = 0, worstHarm = 0;
    };
    std::vector<Threat> threats;

    bool IsOwn(int u) const;
    // Whether unit u stands where the player looks: within its level's sight
    // of one of its own units (everywhere at full strength).
    bool InSight(int u) const;
    bool IsFoe(int u) const;
    // What a change of unit u's life from `before` to `after` is worth to
    // the player: healing its own and harming foes count up, a kill counts
    // the victim's whole worth.
    double LifeValue(int u, std::int32_t before, std::int32_t after) const;
    // What it would cost the player to have its hero stand on (x, y) with
    // `life` left while the other sides play; `gone`, when given, is a foe
    // that will not be there to strike.
    double HeroDanger(float x, float y, std::int32_t life, int gone = 0) const;
    // Whether foe u stands where one of the player's units is within its walk.
    bool Menaces(int u) const;
    // Whether side `side` aims and casts on purpose (a person, or this player).
    bool PlaysOnPurpose(int side) const;
    // A sworn enemy's units come first when all else is equal.
    double Grudge(int u) const;
};

// Weights the choices are made with.
inline constexpr double kManaValue = 0.5; // one point of mana
inline constexpr double kPageValue = 5;   // a page of the spellbook, used once
inline constexpr double kManaPerUnspentPoint = 5.17;

} // namespace gh
