#include "world/Catalogue.h"

#include "platform/Texts.h"

#include <array>

namespace gh {

namespace {

// Elements used by the rows below.
constexpr int kWeapon = 1, kFire = 2, kDeath = 6, kDarkness = 8, kLight = 9, kLightning = 10, kMind = 13;

const std::array<CreatureRow, kTypeCount>& Rows()
{
    // clang-format off
    static const std::array<CreatureRow, kTypeCount> rows{{
        // Kind Male  HpMax Act Str Mag Rsn Spd Will Mana Lead Elem       Rng Hit Img Face
        {2, true,  250, 3, 95,  0, 79, 45, 165,   0, 0, kWeapon,    1, 76,  1, 1,
         {{kFire, 190}}, {}, {kDarkness}, {kLight}},
        {1, true,  200, 4, 55, 90, 140, 30, 110, 200, 5, kLightning, 2, 69, 19, 2,
         {}, {}, {}, {kWeapon}},
        {2, true,   50, 6, 21,  0, 11, 56,  20,   0, 0, kWeapon,    1, 70, 10, 3,
         {{kDarkness, 100}, {kLightning, 50}}, {kDeath}, {}, {kLight}},
        {2, true,   15, 8,  9,  0,  5, 70,  10,   0, 0, kWeapon,    1, 65, 28, 5,
         {{kDarkness, 40}}, {}, {}, {kLight}},
        {1, true,  190, 5, 45, 75, 100, 41, 150, 230, 5, kDarkness,  3, 66, 37, 6,
         {{kDeath, 290}, {kDarkness, 160}}, {}, {}, {kLight}},
        {1, false, 185, 6, 35, 65, 70, 61, 110,  90, 4, kWeapon,    4, 69, 46, 7,
         {{kLight, 190}}, {}, {}, {kFire}},
        {2, true,   35, 5, 20,  0, 54, 51,  73,   0, 0, kMind,      2, 65, 55, 8,
         {{kDarkness, 200}}, {kDeath, kWeapon}, {}, {kLight}},
    }};
    // clang-format on
    return rows;
}

} // namespace

const CreatureRow* CatalogueRow(int type)
{
    if (type < 1 || type > kTypeCount)
        return nullptr;
    return &Rows()[static_cast<std::size_t>(type - 1)];
}

std::string UnitTypeName(int type)
{
    switch (type) {
    case 0: return GH_TR("Catalogue", "нейтральные юниты");
    case 1: return GH_TR("Catalogue", "Демон");
    case 2: return GH_TR("Catalogue", "Маг");
    case 3: return GH_TR("Catalogue", "Скелет");
    case 4: return GH_TR("Catalogue", "Летучая мышь-вампир");
    case 5: return GH_TR("Catalogue", "Некромант");
    case 6: return GH_TR("Catalogue", "Лучница");
    case 7: return GH_TR("Catalogue", "Привидение");
    default: return "";
    }
}

std::string UnitTypeDescription(int type)
{
    switch (type) {
    case 1:
        return GH_TR("Catalogue",
                     " - ужаснейшие существа, прибывшие прямиком из Ада, являются чуть ли не самыми сильными "
                     "воинами, сражающимися на стороне Тьмы.");
    case 2:
        return GH_TR(
            "Catalogue",
            " - знаменитый воин света, герой, возглавляющий отряды бойцов, наровит накостылять любому "
            "прислужнику сил тьмы своим посохом, испускающим молнии.");
    case 3:
        return GH_TR("Catalogue",
                     " - ходячий скелет, возражденный из мертвецов, довольно слаб и невероятно туп, ибо "
                     "пролежавшие изрядное время в земле, мозги его почти все сгнили.");
    case 4:
        return GH_TR(
            "Catalogue",
            " - по прозвищу \"Вампир\" слабое и не очень умное создание, которое вцепляется в волосы "
            "врага и кусает его за голову.");
    case 5:
        return GH_TR(
            "Catalogue",
            " - злобный колдунишка, водящий дружбу с различными скелетами, демонами, вампирами и прочей "
            "нечистью. Особой популярностью пользуется у скелетов, которые готовы следовать за ним "
            "повсюду.");
    case 6:
        return GH_TR("Catalogue",
                     " - эльфийская воительница, прибывшая из древних эльфийских лесов. Немногие могут "
                     "состязаться с ней в стрельбе из лука.");
    case 7:
        return GH_TR("Catalogue",
                     " - если после смерти душа не попадает ни в Царство Света ни в Княжество Тьмы, то она "
                     "остается в этом мире в качестве привидения.");
    default: return "";
    }
}

std::string AttackName(int type)
{
    switch (type) {
    case 1: return GH_TR("Catalogue", "Адский Слэш");
    case 2: return GH_TR("Catalogue", "Электроразряд");
    case 3: return GH_TR("Catalogue", "Клинок нежити");
    case 4: return GH_TR("Catalogue", "Укус вампира");
    case 5: return GH_TR("Catalogue", "Духи демонов");
    case 6: return GH_TR("Catalogue", "Стрела-патриот");
    case 7: return GH_TR("Catalogue", "Моральный испуг");
    default: return "";
    }
}

int HeroTypeOfClass(int n)
{
    switch (n) {
    case 1: return kMage;
    case 2: return kNecromancer;
    case 3: return kArcheress;
    default: return 0;
    }
}

int ClassOfHeroType(int type)
{
    switch (type) {
    case kMage: return 1;
    case kNecromancer: return 2;
    case kArcheress: return 3;
    default: return 0;
    }
}

int CreatureTypeOfNumber(int n)
{
    switch (n) {
    case 1: return kDemon;
    case 2: return kSkeleton;
    case 3: return kVampireBat;
    case 4: return kGhost;
    default: return 0;
    }
}

} // namespace gh
