// What the two information windows say about a unit, built without a window.
#include <gtest/gtest.h>

#include <string>

#include "ScriptedMatch.h"
#include "windows/InfoText.h"
#include "world/Catalogue.h"
#include "world/Experience.h"

namespace gh {
namespace {

using testing::ScriptedMatchTest;

const std::string kCorpse =
    "-труп. Это существо пока еще не поздно воскресить из мертвых. Сделав это, Вы получите "
    "существо, ничем не отличающееся от своих сородичей, однако, служить оно будет своему "
    "прежнему хозяину...";
const std::string kBones =
    "Гнилые кости - оживив которые, Ваша армия поплнится ходячим скелетом... Скелет не помнит "
    "своего прежнего хозяина и служить будет, естественно, тому, кто возведет его из мертвых.";

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(ScriptedMatchTest, CreatureInfoOfHeroCreatureAndPreviewRecord)
{
    Unit& mage = Place(1, kMage, 1, 2, 2, "Вася");
    const std::string worth = std::to_string(UnitWorth(g, 1));
    mage.Exp = 12;
    mage.Hp = -2;
    mage.Leadership = 2;
    mage.Mana = 33;
    mage.Actions = 1;
    mage.Protection[13] = 5; // listed in element order, not the order given
    mage.Protection[0] = 999;
    mage.Protection[4] = -7; // not positive: no line
    CreatureInfo info = CreatureInfoOf(g, 1);
    EXPECT_EQ(info.Portrait, 2);
    EXPECT_EQ(info.LblInfo, "Маг Вася" + UnitTypeDescription(kMage));
    EXPECT_EQ(info.Lbl1,
              "Уровень 1\r\rОпыт: 12/" + worth +
                  "\r\rЖизнь: -2/200\r\rСила: 55\r\rМагия: 90\r\rБыстрота: 30\r\rВоля: 110\r\rРазум: 140\r"
                  "\rЗащита от не стихийного: 999\r\rЗащита от разума: 5\r\rЛидерство: 2/5\r");
    EXPECT_EQ(info.Lbl2, "Название атаки: Электроразряд\r\rИсточник атаки: молния\r\rДальность атаки: 2\r"
                         "\rШанс попадания: 69%\r\rБлагодать: нету\r\rИммунитет: нету\r\rСлабость: оружие\r"
                         "\rМана: 33/200\r\rДействия: 1/4\r");

    // A creature: no magic, leadership or mana; its master closes Lbl1.
    Unit& bat = Place(7, kVampireBat, 1, 3, 3);
    bat.Protection = {};
    bat.Weakness = {};
    info = CreatureInfoOf(g, 7);
    EXPECT_EQ(info.LblInfo, "Летучая мышь-вампир" + UnitTypeDescription(kVampireBat));
    EXPECT_TRUE(info.Lbl1.ends_with("\r\rРазум: 5\r\rХозяин: Маг Вася")) << info.Lbl1;
    for (const char* heroOnly : {"Магия", "Лидерство", "Мана", "Защита"})
        EXPECT_FALSE(Has(info.Lbl1 + info.Lbl2, heroOnly)) << heroOnly;
    EXPECT_TRUE(Has(info.Lbl2, "\rБлагодать: нету\r\rИммунитет: нету\r\rСлабость: нету\r"));
    bat.Grace[7] = bat.Grace[2] = true;
    bat.Owner = 0;
    info = CreatureInfoOf(g, 7);
    EXPECT_TRUE(Has(info.Lbl2, "\rБлагодать: огонь, жизнь\r"));
    EXPECT_TRUE(info.Lbl1.ends_with("\rХозяин: нету"));

    // The preview record the casting dialog fills: a fresh creature of the hero.
    Place(0, kGhost, 1, 0, 0).OnField = false;
    info = CreatureInfoOf(g, 0);
    EXPECT_EQ(info.LblInfo, "Привидение" + UnitTypeDescription(kGhost));
    EXPECT_TRUE(info.Lbl1.starts_with("Уровень 1\r\rОпыт: 0/" + std::to_string(UnitWorth(g, 0)) + "\r"));
    EXPECT_TRUE(Has(info.Lbl1, "\rЗащита от тьмы: 200\r"));
    EXPECT_TRUE(Has(info.Lbl2, "\rИммунитет: оружие, смерть\r"));
    // Neither hero nor creature: the name line keeps its empty caption.
    g.U(0).Kind = kKindRemains;
    EXPECT_FALSE(CreatureInfoOf(g, 0).HasInfo);
    EXPECT_FALSE(CreatureInfoOf(g, 101).HasInfo);
    EXPECT_FALSE(ObjectInfoOf(g, -1).HasInfo);
}

TEST_F(ScriptedMatchTest, ObjectInfoOfRemainsAndForeignUnits)
{
    Place(2, kNecromancer, 2, 1, 1, "Кащей");
    Unit& hero = Place(1, kArcheress, 1, 2, 1, "Эовин");
    Unit& demon = Place(6, kDemon, 2, 3, 1);
    Unit& skeleton = Place(7, kSkeleton, 2, 4, 1);
    for (Unit* u : {&hero, &demon, &skeleton}) {
        u->Kind = kKindRemains;
        u->Hp = -3; // still a corpse
    }
    g.ActiveHero = 1;
    ObjectInfo info = ObjectInfoOf(g, 6);
    EXPECT_EQ(info.Portrait, 4);
    EXPECT_FALSE(info.ShowBars);
    EXPECT_EQ(info.LblInfo, "Демон " + kCorpse);
    EXPECT_EQ(info.LblMaster, "Прежний хозяин: Некромант Кащей");
    demon.Hp = -4;
    demon.Owner = 0;
    EXPECT_EQ(ObjectInfoOf(g, 6).LblInfo, kBones);
    EXPECT_EQ(ObjectInfoOf(g, 6).LblMaster, "Прежний хозяин: нету");
    EXPECT_EQ(ObjectInfoOf(g, 7).LblInfo, kBones); // a skeleton leaves only bones
    // The player's own fallen hero is an "enemy lord" too.
    EXPECT_EQ(ObjectInfoOf(g, 1).LblInfo, "Лучница Эовин" + kCorpse);
    EXPECT_EQ(ObjectInfoOf(g, 1).LblMaster, "Трупик вражеского лорда");

    Place(8, kGhost, 0, 5, 1);
    EXPECT_EQ(ObjectInfoOf(g, 8).LblMaster, "Хозяин: нету");
    EXPECT_EQ(ObjectInfoOf(g, 8).LblInfo, "Привидение" + UnitTypeDescription(kGhost));
    EXPECT_EQ(ObjectInfoOf(g, 2).LblInfo, "Некромант Кащей" + UnitTypeDescription(kNecromancer));
    EXPECT_EQ(ObjectInfoOf(g, 2).Portrait, 6);
    // How he regards you, not how you regard him.
    g.Attitude[1][2] = 7;
    const std::pair<int, const char*> bands[] = {
        {-99, "\"заклятый враг\""},
        {-50, "хуже некуда"},
        {-31, "ужасное"},
        {-21, "дрянное"},
        {-11, "плохое"},
        {-1, "недоверчивое"},
        {0, "никакое"},
        {1, "снисходительное"},
        {20, "добренькое"},
        {21, "хорошее"},
        {40, "отличное"},
        {50, "прекрасное"},
        {51, "\"лучший друг\""},
        {100, "непонятное"},
        {-100, "непонятное"},
    };
    for (const auto& [attitude, word] : bands) {
        g.Attitude[2][1] = static_cast<std::int16_t>(attitude);
        EXPECT_EQ(ObjectInfoOf(g, 2).LblMaster, std::string("Отношение к Вам: ") + word) << attitude;
    }
}

TEST_F(ScriptedMatchTest, ObjectBarsFollowLifeAndActionsAndStayInsideTheirFrames)
{
    Unit& ghost = Place(8, kGhost, 0, 3, 1);
    const Rgb yellow{255, 255, 0};
    struct Case {
        int hp, hpMax, actions, actionsMax;
        Rgb colour;
        float hpWidth, apWidth;
    };
    const Case cases[] = {
        {10, 35, 2, 5, yellow, 2175.0f * 10 / 35, 2055.0f * 2 / 5},
        {21, 35, 5, 5, kGreen, 2175.0f * 21 / 35, 2055.0f},
        {20, 35, 0, 5, yellow, 2175.0f * 20 / 35, 0},
        {6, 35, 1, 5, kRed, 2175.0f * 6 / 35, 411},
        {7, 35, 1, 5, yellow, 2175.0f * 7 / 35, 411},
        {3, 4, 1, 5, kGreen, 2175.0f * 3 / 4, 411}, // Int(4 / 5) = 0: never red
        {1, 4, 1, 5, yellow, 2175.0f / 4, 411},
        {5, 0, 3, 0, kGreen, 0, 0},         // no maximum, no division
        {70, 35, 9, 5, kGreen, 2175, 2055}, // past the maximum: full, no more
        {10, 35, -3, 5, yellow, 2175.0f * 10 / 35, 0},
        {0, 35, 5, 5, kRed, 0, 0}, // the dead have no action bar
    };
    for (const Case& c : cases) {
        ghost.Hp = c.hp;
        ghost.HpMax = c.hpMax;
        ghost.Actions = c.actions;
        ghost.ActionsMax = c.actionsMax;
        const ObjectInfo info = ObjectInfoOf(g, 8);
        EXPECT_TRUE(info.HpColour == c.colour) << c.hp << "/" << c.hpMax;
        EXPECT_FLOAT_EQ(info.HpWidth, c.hpWidth) << c.hp << "/" << c.hpMax;
        EXPECT_FLOAT_EQ(info.ApWidth, c.apWidth) << c.actions << "/" << c.actionsMax;
    }
}

} // namespace
} // namespace gh
