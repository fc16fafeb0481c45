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
    "-труп. Это существо пока еще не поздно воскресить из мертвых. Сделав это, Вы получите существо, "
    "ничем не отличающееся от своих сородичей, однако, служить оно будет своему прежнему хозяину...";
const std::string kBones =
    "Гнилые кости - оживив которые, Ваша армия поплнится ходячим скелетом... Скелет не помнит своего "
    "прежнего хозяина и служить будет, естественно, тому, кто возведет его из мертвых.";

TEST_F(ScriptedMatchTest, CreatureInfoOfAHeroShowsMagicLeadershipAndManaInOrder)
{
    Unit& mage = Place(1, kMage, 1, 2, 2, "Вася");
    const std::string worth = std::to_string(UnitWorth(g, 1));
    mage.Exp = 12;
    mage.Hp = 150;
    mage.Leadership = 2;
    mage.Mana = 33;
    mage.Actions = 1;
    // Protections come in element order, whatever order they were given in.
    mage.Protection[13] = 5;
    mage.Protection[0] = 999;
    mage.Protection[4] = -7; // not positive: no line

    const CreatureInfo info = CreatureInfoOf(g, 1);
    EXPECT_EQ(info.Portrait, 2);
    EXPECT_TRUE(info.HasInfo);
    EXPECT_EQ(info.LblInfo, "Маг Вася" + UnitTypeDescription(kMage));
    EXPECT_EQ(info.Lbl1, "Уровень 1\r"
                         "\rОпыт: 12/" +
                             worth +
                             "\r"
                             "\rЖизнь: 150/200\r"
                             "\rСила: 55\r"
                             "\rМагия: 90\r"
                             "\rБыстрота: 30\r"
                             "\rВоля: 110\r"
                             "\rРазум: 140\r"
                             "\rЗащита от не стихийного: 999\r"
                             "\rЗащита от разума: 5\r"
                             "\rЛидерство: 2/5\r");
    EXPECT_EQ(info.Lbl2, "Название атаки: Электроразряд\r"
                         "\rИсточник атаки: молния\r"
                         "\rДальность атаки: 2\r"
                         "\rШанс попадания: 69%\r"
                         "\rБлагодать: нету\r"
                         "\rИммунитет: нету\r"
                         "\rСлабость: оружие\r"
                         "\rМана: 33/200\r"
                         "\rДействия: 1/4\r");
}

TEST_F(ScriptedMatchTest, CreatureInfoOfACreatureEndsWithItsMasterAndListsItsElements)
{
    Place(2, kMage, 2, 1, 1, "Гэндальф");
    Unit& bat = Place(7, kVampireBat, 2, 3, 3);
    bat.Protection = {};
    bat.Weakness = {};
    bat.Hp = -2;

    CreatureInfo info = CreatureInfoOf(g, 7);
    EXPECT_EQ(info.LblInfo, "Летучая мышь-вампир" + UnitTypeDescription(kVampireBat));
    EXPECT_NE(info.Lbl1.find("\r\rЖизнь: -2/15\r"), std::string::npos) << info.Lbl1;
    const std::string master = "\r\rРазум: 5\r\rХозяин: Маг Гэндальф";
    ASSERT_GE(info.Lbl1.size(), master.size());
    EXPECT_EQ(info.Lbl1.substr(info.Lbl1.size() - master.size()), master);
    for (const char* heroOnly : {"Магия", "Лидерство", "Мана", "Защита"}) {
        EXPECT_EQ(info.Lbl1.find(heroOnly), std::string::npos) << heroOnly;
        EXPECT_EQ(info.Lbl2.find(heroOnly), std::string::npos) << heroOnly;
    }
    EXPECT_NE(info.Lbl2.find("\rБлагодать: нету\r\rИммунитет: нету\r\rСлабость: нету\r"), std::string::npos);

    // Several flags: element order, joined by a comma and a blank.
    bat.Grace[7] = true;
    bat.Grace[2] = true;
    bat.Immunity[13] = true;
    bat.Owner = 0;
    info = CreatureInfoOf(g, 7);
    EXPECT_NE(info.Lbl2.find("\rБлагодать: огонь, жизнь\r"), std::string::npos);
    EXPECT_NE(info.Lbl2.find("\rИммунитет: разум\r"), std::string::npos);
    EXPECT_TRUE(info.Lbl1.ends_with("\rХозяин: нету"));

    // A record outside the array is an empty window, not a crash.
    EXPECT_FALSE(CreatureInfoOf(g, 101).HasInfo);
    EXPECT_FALSE(ObjectInfoOf(g, -1).HasInfo);
}

TEST_F(ScriptedMatchTest, CreatureInfoOfThePreviewRecordReadsLikeAFreshCreature)
{
    Place(3, kNecromancer, 3, 1, 1, "Кащей");
    g.ActiveHero = 3;
    Place(0, kGhost, g.ActiveHero, 0, 0).OnField = false;

    const CreatureInfo info = CreatureInfoOf(g, 0);
    EXPECT_EQ(info.Portrait, 8);
    EXPECT_EQ(info.LblInfo, "Привидение" + UnitTypeDescription(kGhost));
    EXPECT_TRUE(info.Lbl1.starts_with("Уровень 1\r\rОпыт: 0/" + std::to_string(UnitWorth(g, 0)) + "\r"));
    EXPECT_NE(info.Lbl1.find("\rЗащита от тьмы: 200\r"), std::string::npos);
    EXPECT_TRUE(info.Lbl1.ends_with("\rХозяин: Некромант Кащей"));
    EXPECT_NE(info.Lbl2.find("\rИммунитет: оружие, смерть\r"), std::string::npos);
    EXPECT_NE(info.Lbl2.find("\rИсточник атаки: разум\r"), std::string::npos);

    // Neither hero nor creature: the name line is left as it was.
    g.U(0).Kind = kKindRemains;
    EXPECT_FALSE(CreatureInfoOf(g, 0).HasInfo);
}

TEST_F(ScriptedMatchTest, ObjectInfoOfRemainsTellsCorpsesFromBonesAndHeroesFromCreatures)
{
    Place(2, kMage, 2, 1, 1, "Гэндальф");
    Unit& hero = Place(1, kArcheress, 1, 2, 1, "Эовин");
    Unit& demon = Place(6, kDemon, 2, 3, 1);
    Unit& skeleton = Place(7, kSkeleton, 2, 4, 1);
    for (Unit* u : {&hero, &demon, &skeleton}) {
        u->Kind = kKindRemains;
        u->Hp = 0;
    }
    g.ActiveHero = 1;

    ObjectInfo info = ObjectInfoOf(g, 6);
    EXPECT_EQ(info.Portrait, 4);
    EXPECT_FALSE(info.ShowBars);
    EXPECT_EQ(info.LblInfo, "Демон " + kCorpse);
    EXPECT_EQ(info.LblMaster, "Прежний хозяин: Маг Гэндальф");
    EXPECT_EQ(info.HpWidth, 0.0f);
    EXPECT_EQ(info.ApWidth, 0.0f);

    // Still a corpse at -3; bones below, and by then the owner is gone.
    demon.Hp = -3;
    EXPECT_EQ(ObjectInfoOf(g, 6).LblInfo, "Демон " + kCorpse);
    demon.Hp = -4;
    demon.Owner = 0;
    info = ObjectInfoOf(g, 6);
    EXPECT_EQ(info.LblInfo, kBones);
    EXPECT_EQ(info.LblMaster, "Прежний хозяин: нету");

    // A skeleton's corpse is bones from the start.
    EXPECT_EQ(ObjectInfoOf(g, 7).LblInfo, kBones);

    // The player's own fallen hero is still "an enemy lord".
    info = ObjectInfoOf(g, 1);
    EXPECT_EQ(info.Portrait, 4);
    EXPECT_EQ(info.LblInfo, "Лучница Эовин" + kCorpse);
    EXPECT_EQ(info.LblMaster, "Трупик вражеского лорда");
}

TEST_F(ScriptedMatchTest, ObjectInfoOfAForeignHeroNamesHisAttitudeTowardTheActiveHero)
{
    Place(1, kMage, 1, 1, 1, "Вася");
    Place(4, kNecromancer, 4, 2, 1, "Кащей");
    g.ActiveHero = 1;
    const std::pair<int, const char*> bands[] = {
        {-99, "\"заклятый враг\""},
        {-51, "\"заклятый враг\""},
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
        g.Attitude[4][1] = static_cast<std::int16_t>(attitude);
        // How he sees you, not how you see him.
        g.Attitude[1][4] = 7;
        const ObjectInfo info = ObjectInfoOf(g, 4);
        EXPECT_EQ(info.LblMaster, std::string("Отношение к Вам: ") + word) << attitude;
        EXPECT_EQ(info.LblInfo, "Некромант Кащей" + UnitTypeDescription(kNecromancer));
        EXPECT_EQ(info.Portrait, 6);
        EXPECT_TRUE(info.ShowBars);
    }
    // A neutral creature has no master.
    Place(8, kGhost, 0, 3, 1);
    EXPECT_EQ(ObjectInfoOf(g, 8).LblMaster, "Хозяин: нету");
    EXPECT_EQ(ObjectInfoOf(g, 8).LblInfo, "Привидение" + UnitTypeDescription(kGhost));
}

TEST_F(ScriptedMatchTest, ObjectBarsFollowLifeAndActionsAndStayInsideTheirFrames)
{
    Unit& ghost = Place(8, kGhost, 0, 3, 1); // HpMax 35, ActionsMax 5
    const Rgb yellow{255, 255, 0}, green{0, 255, 0}, red{255, 0, 0};
    struct Case {
        int hp, hpMax, actions, actionsMax;
        Rgb colour;
        float hpWidth, apWidth;
    };
    const Case cases[] = {
        {10, 35, 2, 5, yellow, 2175.0f * 10 / 35, 2055.0f * 2 / 5},
        {21, 35, 5, 5, green, 2175.0f * 21 / 35, 2055.0f},
        {20, 35, 0, 5, yellow, 2175.0f * 20 / 35, 0},
        {6, 35, 1, 5, red, 2175.0f * 6 / 35, 2055.0f / 5},
        {7, 35, 1, 5, yellow, 2175.0f * 7 / 35, 2055.0f / 5},
        // Int(4 / 5) = 0: never red; 3 > Int(4 / 1.75) = 2: green.
        {3, 4, 1, 5, green, 2175.0f * 3 / 4, 2055.0f / 5},
        {1, 4, 1, 5, yellow, 2175.0f / 4, 2055.0f / 5},
        // No maximum: empty bars, no division.
        {5, 0, 3, 0, green, 0, 0},
        // Beyond the maximum the bars are full and no longer.
        {70, 35, 9, 5, green, 2175.0f, 2055.0f},
        // Actions below nothing: an empty bar, not a backwards one.
        {10, 35, -3, 5, yellow, 2175.0f * 10 / 35, 0},
        // A dead unit has no action bar whatever points it kept.
        {0, 35, 5, 5, red, 0, 0},
    };
    for (const Case& c : cases) {
        ghost.Hp = c.hp;
        ghost.HpMax = c.hpMax;
        ghost.Actions = c.actions;
        ghost.ActionsMax = c.actionsMax;
        const ObjectInfo info = ObjectInfoOf(g, 8);
        EXPECT_EQ(info.HpColour, c.colour) << c.hp << "/" << c.hpMax;
        EXPECT_FLOAT_EQ(info.HpWidth, c.hpWidth) << c.hp << "/" << c.hpMax;
        EXPECT_FLOAT_EQ(info.ApWidth, c.apWidth) << c.actions << "/" << c.actionsMax;
    }
}

} // namespace
} // namespace gh
