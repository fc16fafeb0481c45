#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gh {

// Creature types.
inline constexpr int kDemon = 1;
inline constexpr int kMage = 2;
inline constexpr int kSkeleton = 3;
inline constexpr int kVampireBat = 4;
inline constexpr int kNecromancer = 5;
inline constexpr int kArcheress = 6;
inline constexpr int kGhost = 7;
inline constexpr int kTypeCount = 7;

// One row of the creature catalogue: what CreateUnit copies into a record.
struct CreatureRow {
    std::int32_t Kind;
    bool IsMale;
    std::int32_t HpMax, ActionsMax, Strength, Magic, Reason, Speed, Will, ManaMax, LeadershipMax;
    std::int32_t AttackElement, AttackRange, HitChance, ImageBase, Portrait;
    std::vector<std::pair<int, std::int32_t>> Protection; // element, value
    std::vector<int> Immunity;
    std::vector<int> Grace;
    std::vector<int> Weakness;
};

// Row of type 1..7; nullptr outside.
const CreatureRow* CatalogueRow(int type);

std::string UnitTypeName(int type);
std::string UnitTypeDescription(int type);
std::string AttackName(int type);

// Hero classes in the order Маг, Некромант, Лучница.
int HeroTypeOfClass(int n);
int ClassOfHeroType(int type);
// The four summonable creatures: Демон, Скелет, Летучая мышь-вампир, Привидение.
int CreatureTypeOfNumber(int n);

} // namespace gh
