#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gh {

inline constexpr int kElements = 14; // element 0..13, 0 = non-elemental

// Kind of a record.
inline constexpr std::int32_t kKindHero = 1;
inline constexpr std::int32_t kKindCreature = 2;
inline constexpr std::int32_t kKindRemains = 3;

// One thing standing on a battlefield cell: a hero, a creature, or the
// remains of either. Field names are the game's own.
struct Unit {
    float PosX = 0; // left edge of the cell, twips, multiple of 720
    float PosY = 0; // top edge of the cell
    std::int32_t CellsWide = 0;
    std::int32_t CellsHigh = 0;
    std::int32_t Facing = 0;    // 0 as stored, 1 mirrored
    std::int32_t AnimFrame = 0; // idle step 1..4
    std::int32_t UnitType = 0;  // creature type 1..7, 0 none
    std::int32_t AnimTick = 0;
    std::int32_t AnimDelay = 0; // ticks per idle step, 1..7
    std::int32_t Kind = 0;      // 1 hero, 2 creature, 3 remains
    std::int32_t Hp = 0;
    std::int32_t HpMax = 0;
    std::int32_t Actions = 0;
    std::int32_t ActionsMax = 0;
    std::array<std::int32_t, kElements> Protection{};
    std::array<bool, kElements> Immunity{};
    std::array<bool, kElements> Grace{};
    std::array<bool, kElements> Weakness{};
    std::int32_t AttackElement = 0;
    std::int32_t Strength = 0;
    std::int32_t Magic = 0;
    std::int32_t Reason = 0;
    std::string Name;
    std::int32_t Speed = 0;
    std::int32_t Exp = 0;
    std::int32_t ExpNext = 0;
    std::int32_t Leadership = 0;
    std::int32_t LeadershipMax = 0;
    std::int32_t Level = 0;
    std::int32_t ImageBase = 0;
    std::int32_t Portrait = 0;
    std::int32_t Owner = 0; // hero 1..5, 0 nobody
    std::int32_t Will = 0;
    std::int32_t Mana = 0;
    std::int32_t ManaMax = 0;
    bool IsMale = false;
    std::int32_t HitChance = 0;
    std::int32_t AttackRange = 0;
    bool OnField = false; // false = free record
    friend bool operator==(const Unit&, const Unit&) = default;
};

} // namespace gh
