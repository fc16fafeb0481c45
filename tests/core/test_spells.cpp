// The spell table and what each kind of spell does to whatever stands on the
// targeted cell, with every roll fixed.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ScriptedMatch.h"
#include "engine/Effects.h"
#include "magic/SpellCatalogue.h"
#include "magic/Spells.h"
#include "tests/support/ScriptedRandom.h"
#include "world/Catalogue.h"

namespace gh {
namespace {

constexpr float kHit = 0.0f;    // Rnd × 100 = 0: under any chance
constexpr float kMiss = 0.995f; // 99.5: over 99 % when the caster has no magic bonus

TEST(SpellCatalogue, EveryRowLoadsWholeAndNamesOutsideTheTableLoadNothing)
{
    Game g;
    // name, Range, Effect, IsPercent, StatKind, Element, Chance, Reason, Mana, first picture, cycles
    using Row = std::tuple<const char*, int, int, bool, int, int, int, int, int, int, int>;
    const Row rows[kSpellCount] = {
        {"Песнь некроманта", 1, 5, true, 1, 6, 96, 50, 9, 5, 1},
        {"Разложение", 2, 0, false, 0, 6, 97, 25, 6, 1, 2},
        {"Слабое лечение", 1, 35, false, 1, 7, 99, 23, 4, 1, 1},
        {"Скороход", 1, 50, true, 2, 12, 99, 19, 4, 1, 1},
        {"Голос ангела", 2, 100, true, 1, 9, 99, 19, 4, 5, 1},
        {"Магический поток", 1, 30, true, 3, 12, 99, 19, 4, 1, 1},
        {"Слово черепахи", 1, -75, true, 2, 12, 99, 19, 4, 1, 1},
        {"Ущерб души", 1, -15, true, 1, 13, 99, 19, 4, 1, 1},
        {"Избиение поневоле", 1, -66, true, 1, 1, 99, 19, 4, 1, 1},
        {"Мана-урон", 1, -99, true, 3, 12, 99, 19, 4, 1, 1},
        {"Мана-потеря", 1, -37, true, 3, 12, 99, 19, 4, 1, 1},
        {"Песчаная буря", 1, -99, true, 1, 4, 99, 19, 4, 1, 1},
        {"Сила жизни", 1, 100, true, 1, 7, 99, 19, 4, 1, 1},
        {"Эстонская песнь", 1, -100, true, 2, 12, 99, 19, 4, 1, 1},
        {"Пламенный шар", 1, -66, false, 1, 2, 99, 19, 4, 1, 1},
        {"Контроль разума", 1, 0, false, 0, 13, 99, 19, 4, 1, 1},
    };
    // Backwards, so that every field is seen to be overwritten by each row.
    for (int n = kSpellCount; n >= 1; --n) {
        const Row& r = rows[n - 1];
        EXPECT_EQ(LoadSpell(g, n), std::get<0>(r)) << n;
        const SpellRecord& s = g.CurrentSpell;
        EXPECT_EQ(std::tie(s.SpellNo, s.Range, s.Effect, s.IsPercent, s.StatKind, s.Element, s.Chance,
                           s.ReasonNeeded, s.ManaCost, s.AnimFirstFrame, s.AnimCycles),
                  std::make_tuple(n, std::get<1>(r), std::get<2>(r), std::get<3>(r), std::get<4>(r),
                                  std::get<5>(r), std::get<6>(r), std::get<7>(r), std::get<8>(r),
                                  std::get<9>(r), std::get<10>(r)))
            << n;
        if (n > 3) {
            EXPECT_EQ(SpellDescription(n), " - на это заклинание нет инфы...") << n;
        }
    }
    EXPECT_EQ(SpellDescription(2), " - превратить труп недавно умершего существа в кучу гнилых костей.");
    EXPECT_EQ(SpellDescription(3), " - восстанавливает немного жизни у выбранного существа.");
    EXPECT_EQ(SpellDescription(1).rfind(" - призвать зловещие силы некромантов", 0), 0u);
    EXPECT_EQ(SpellDescription(0), SpellDescription(17));

    LoadSpell(g, 15);
    for (int outside : {0, 17, -3}) {
        EXPECT_EQ(LoadSpell(g, outside), "");
        EXPECT_EQ(g.CurrentSpell.SpellNo, outside);
        EXPECT_EQ(g.CurrentSpell.Effect, -66);
        EXPECT_EQ(g.CurrentSpell.Element, 2);
    }
}

class Spells : public testing::ScriptedMatchTest {
protected:
    void SetUp() override
    {
        g.ViewX = 720;
        g.ViewY = 1440;
        g.ActiveHero = 1;
        g.HeroIsHuman[1] = true;
        Place(1, kMage, 1, 2, 2, "Мерлин").Magic = 0; // no bonus: 99 % is the whole chance
        g.Selected = 1;
        g.timers.SetEnabled(TimerId::Tmr, true);
    }

    // A creature of hero 2 on cell (5, 5), with the traits of `element` cleared.
    Unit& Victim(int hp, int hpMax, int element)
    {
        Unit& t = Place(6, kDemon, 2, 5, 5);
        t.Hp = hp;
        t.HpMax = hpMax;
        t.Protection[element] = 0;
        t.Immunity[element] = t.Grace[element] = t.Weakness[element] = false;
        return t;
    }

    // Each cast draws from a script of its own: `roll` is its last number.
    void Cast(int spell, float roll, int col = 5, int row = 5, std::vector<float> before = {})
    {
        LoadSpell(g, spell);
        before.push_back(roll);
        ScriptedRandom script(before);
        g.rnd = &script;
        g.TargetCellX = static_cast<float>(col * 720);
        g.TargetCellY = static_cast<float>(row * 720);
        g.InputMode = kModeSpell;
        ApplySpell(g);
        g.rnd = &rnd;
        drawn += script.Drawn();
    }

    std::size_t drawn = 0;
};

TEST_F(Spells, FireballMeetsProtectionWeaknessGraceAndImmunity)
{
    struct Case {
        int protection;
        bool weak, grace, immune;
        float roll;
        const char* caption;
        int hp, kind;
        Rgb colour;
        std::size_t draws;
    } cases[] = {
        {333, false, false, false, kHit, "44", 6, kKindCreature, kWhite, 1},
        {333, true, false, false, kHit, "72", 0, kKindRemains, kWhite, 1},
        {333, false, true, false, kHit, "66", 116, kKindCreature, kGreen, 1},
        {0, false, false, true, kHit, "иммунитет", 50, kKindCreature, kWhite, 0},
        {0, false, false, false, kMiss, "мимо", 50, kKindCreature, kWhite, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Unit& t = Victim(50, 250, 2);
        t.Protection[2] = c.protection;
        t.Weakness[2] = c.weak;
        t.Grace[2] = c.grace;
        t.Immunity[2] = c.immune;
        const std::size_t before = drawn;
        Cast(15, c.roll);
        EXPECT_EQ(g.LblUdar.Caption, c.caption);
        EXPECT_EQ(g.LblUdar.ForeColor, c.colour);
        EXPECT_EQ(t.Hp, c.hp);
        EXPECT_EQ(t.Kind, c.kind);
        EXPECT_EQ(drawn - before, c.draws);
        EXPECT_EQ(g.InputMode, kModeResult);
    }
}

TEST_F(Spells, PercentagesAndPointsChangeLifeMovesAndManaWithinTheirBounds)
{
    struct Case {
        int spell;
        int stat, max; // the stat the spell changes, before, and its maximum
        const char* caption;
        int after;
        float roll = kHit;
    } cases[] = {
        {3, 10, 40, "35", 40},         // weak healing, points, capped at the maximum
        {8, 3, 100, "15", 1},          // -15 % never takes the last point of life
        {14, 5, 8, "8", 1},            // -100 % moves still leaves one
        {4, 2, 8, "4", 6},             // +50 % moves
        {7, 5, 8, "6", 1},             // -75 % moves: CInt(-6) leaves one
        {6, 10, 20, "6", 16},          // +30 % mana
        {10, 0, 20, "20", 1},          // mana at nothing is lifted to one
        {10, 0, 0, "0", 0},            // ... but never over a maximum of nothing
        {11, 0, 20, "мимо", 1, kMiss}, // and a miss lifts it all the same
        // A level-17 demon's life is past what 16 bits hold: the amount is exact.
        {13, 100, 38542, "38542", 38542},  // +100 % life heals all of it
        {12, 38542, 38542, "38157", 385},  // -99 % life: CLng(-38156.58)
        {9, 99999, 99999, "65999", 34000}, // -66 % at the very cap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spell);
        LoadSpell(g, c.spell);
        Unit& t = Victim(40, 40, g.CurrentSpell.Element);
        std::int32_t* stat = g.CurrentSpell.StatKind == 1   ? &t.Hp
                             : g.CurrentSpell.StatKind == 2 ? &t.Actions
                                                            : &t.Mana;
        std::int32_t* max = g.CurrentSpell.StatKind == 1   ? &t.HpMax
                            : g.CurrentSpell.StatKind == 2 ? &t.ActionsMax
                                                           : &t.ManaMax;
        *stat = c.stat;
        *max = c.max;
        Cast(c.spell, c.roll);
        EXPECT_EQ(g.LblUdar.Caption, c.caption);
        EXPECT_EQ(*stat, c.after);
        EXPECT_EQ(t.Kind, kKindCreature);
    }
    // Ordinary spells pass the dead by: no roll, no label.
    const std::size_t before = drawn;
    g.LblUdar.Visible = false;
    Victim(-1, 40, 7).Kind = kKindRemains;
    Cast(13, kHit);
    EXPECT_EQ(g.U(6).Hp, -1);
    EXPECT_EQ(g.CurrentSpell.Chance, 0);
    EXPECT_EQ(drawn, before);
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_EQ(g.InputMode, kModeOrders);
}

TEST_F(Spells, TheDeadRiseToTheirOldMastersAndBonesAsSkeletons)
{
    // A living target: the song does nothing at all.
    Victim(20, 30, 6);
    Cast(1, kHit);
    EXPECT_EQ(g.U(6).Hp, 20);
    EXPECT_EQ(g.CurrentSpell.Effect, 0);
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_EQ(g.InputMode, kModeOrders);

    // A fresh corpse rises, hit or miss, with at least one life, for its old master.
    for (float roll : {kHit, kMiss}) {
        Unit& t = Victim(-2, 30, 6);
        t.Kind = kKindRemains;
        Cast(1, roll);
        EXPECT_EQ(g.LblUdar.Caption, roll == kHit ? "2" : "мимо");
        EXPECT_EQ(t.Hp, 1);
        EXPECT_EQ(t.Kind, kKindCreature);
        EXPECT_EQ(t.Owner, 2);
    }

    // Bones stand up as a skeleton; a necromancer keeps every skeleton he raises.
    g.U(1).UnitType = kNecromancer;
    Unit& bones = Victim(-5, 30, 6);
    bones.Kind = kKindRemains;
    Cast(1, kHit, 5, 5, {0, 0, 0}); // the new skeleton's facing and idle steps first
    EXPECT_EQ(bones.UnitType, kSkeleton);
    EXPECT_EQ(bones.Owner, 1);
    EXPECT_EQ(bones.Hp, 2); // CInt(5 % of 50) = CInt(2.5)
    EXPECT_EQ(bones.Kind, kKindCreature);

    // The angel's voice raises a corpse whole, but a miss leaves it lying,
    // already claimed by the caster.
    g.U(1).UnitType = kMage;
    Unit& corpse = Victim(-2, 30, 9);
    corpse.Kind = kKindRemains;
    corpse.Owner = 0;
    Cast(5, kHit);
    EXPECT_EQ(corpse.Hp, 28);
    EXPECT_EQ(corpse.Kind, kKindCreature);
    EXPECT_EQ(corpse.Owner, 1);
    Unit& lying = Victim(-2, 30, 9);
    lying.Kind = kKindRemains;
    lying.Owner = 0;
    Cast(5, kMiss);
    EXPECT_EQ(g.LblUdar.Caption, "мимо");
    EXPECT_EQ(lying.Kind, kKindRemains);
    EXPECT_EQ(lying.Owner, 1);
}

TEST_F(Spells, DecayAndMindControlWorkWithoutARollOrALabel)
{
    Unit& corpse = Victim(-1, 30, 6);
    corpse.Kind = kKindRemains;
    Cast(2, kHit);
    EXPECT_EQ(corpse.Hp, -4);
    EXPECT_EQ(corpse.Owner, 0);
    Victim(12, 30, 6);
    Cast(2, kHit);
    EXPECT_EQ(g.U(6).Hp, 12);

    Unit& bat = Place(7, kVampireBat, 2, 6, 6);
    Cast(16, kHit, 6, 6);
    EXPECT_EQ(bat.Owner, 1);
    // Immune creatures, heroes and the dead stay their own.
    bat.Owner = 2;
    bat.Immunity[13] = true;
    Cast(16, kHit, 6, 6);
    EXPECT_EQ(bat.Owner, 2);
    EXPECT_EQ(g.CurrentSpell.Chance, 0);
    Place(2, kArcheress, 2, 7, 7);
    Cast(16, kHit, 7, 7);
    EXPECT_EQ(g.U(2).Owner, 2);
    Unit& dead = Place(9, kVampireBat, 2, 8, 8);
    dead.Hp = -1;
    dead.Kind = kKindRemains;
    Cast(16, kHit, 8, 8);
    EXPECT_EQ(dead.Owner, 2);

    EXPECT_EQ(drawn, 0u);
    EXPECT_TRUE(g.LblUdar.Caption.empty());
    EXPECT_FALSE(g.LblUdar.Visible);
    EXPECT_EQ(g.InputMode, kModeOrders);
}

TEST_F(Spells, TheResultRisesOverTheTargetAndTheCasterKeepsTheField)
{
    // Left over from the last fight: a computer's unit struck this hero's
    // creature, and a return blow was never settled.
    Place(8, kSkeleton, 2, 9, 9);
    g.Attacker = 8;
    g.Defender = 6;
    g.ReturnBlowDue = true;
    Unit& t = Victim(10, 40, 7);
    t.Owner = 1;
    t.Facing = 1;
    Cast(3, kHit);

    const auto pictures = canvas.Pictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].index, t.ImageBase + 7);
    EXPECT_FLOAT_EQ(pictures[0].x, 6 * 720 - 720);
    EXPECT_FLOAT_EQ(pictures[0].width, -720);
    EXPECT_TRUE(g.LblUdar.Visible);
    EXPECT_FLOAT_EQ(g.LblUdar.Left, 5 * 720 - 720);
    EXPECT_FLOAT_EQ(g.LblUdar.Top, 5 * 720 - 320 - 1440);
    EXPECT_EQ(g.InputMode, kModeResult);
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 1);

    for (int i = 0; i < 10 && g.timers.Enabled(TimerId::Tmr2); ++i)
        EffectTick(g);
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr2));
    EXPECT_FALSE(g.timers.Enabled(TimerId::Tmr3)); // no blow out of nowhere
    EXPECT_EQ(g.Selected, 1);
    EXPECT_EQ(g.Target, 6);
    EXPECT_EQ(g.InputMode, kModeOrders);
    EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
    EXPECT_EQ(g.timers.Interval(TimerId::Tmr2), 20);
    EXPECT_FALSE(g.LblUdar.Visible);
}

TEST_F(Spells, ASpellOnNoOneFizzlesAndHandsTheFieldBack)
{
    Unit& gone = Victim(-9, 30, 7);
    gone.OnField = false; // remains that have left the field
    for (auto [x, y] : {std::pair{5.0f, 5.0f}, std::pair{3.0f, 8.0f}, std::pair{-40.0f, 1e6f}}) {
        g.timers.SetEnabled(TimerId::Tmr, false);
        LoadSpell(g, 15);
        g.TargetCellX = x * 720;
        g.TargetCellY = y * 720;
        g.InputMode = kModeSpell;
        ApplySpell(g);
        EXPECT_EQ(g.InputMode, kModeOrders);
        EXPECT_TRUE(g.timers.Enabled(TimerId::Tmr));
        EXPECT_FALSE(g.LblUdar.Visible);
    }
    EXPECT_EQ(gone.Hp, -9);
    EXPECT_EQ(rnd.Drawn(), 0u);
    EXPECT_TRUE(canvas.Pictures().empty());
}

} // namespace
} // namespace gh
