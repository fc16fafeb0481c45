#include "windows/InfoText.h"

#include <algorithm>

#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"
#include "world/Vocabulary.h"

namespace gh {

namespace {

// The portrait every corpse and heap of bones shares; it belongs to no type.
constexpr int kRemainsPortrait = 4;

const std::string kCorpseText =
    GH_TR("InfoText",
          "-труп. Это существо пока еще не поздно воскресить из мертвых. Сделав это, Вы получите существо, "
          "ничем не отличающееся от своих сородичей, однако, служить оно будет своему прежнему хозяину...");
const std::string kBonesText =
    GH_TR("InfoText",
          "Гнилые кости - оживив которые, Ваша армия поплнится ходячим скелетом... Скелет не помнит своего "
          "прежнего хозяина и служить будет, естественно, тому, кто возведет его из мертвых.");

std::string N(std::int32_t v)
{
    return std::to_string(v);
}

// One entry of a statistics label: its own line, then an empty one before the next.
std::string Entry(const std::string& text)
{
    return std::string(1, kCR) + text + kCR;
}

// A hero goes by type, blank and name; a creature by its type alone.
std::string Presentation(const Unit& u)
{
    if (u.Kind == kKindHero)
        return UnitTypeName(u.UnitType) + " " + u.Name + UnitTypeDescription(u.UnitType);
    return UnitTypeName(u.UnitType) + UnitTypeDescription(u.UnitType);
}

// How far along a bar of `full` twips `value` of `max` reaches. A value past
// its maximum (a spell can heal or hurry a unit beyond it) fills the bar and
// no more, so the bar never pokes out of its frame.
float BarWidth(float full, std::int32_t value, std::int32_t max, std::int32_t hp)
{
    if (max == 0 || hp <= 0)
        return 0;
    const float w = full * static_cast<float>(value) / static_cast<float>(max);
    return std::clamp(w, 0.0f, full);
}

std::string AttitudeLine(const Game& g, int hero)
{
    const int you = g.ActiveHero;
    // Attitudes exist only between heroes 1..5; no one else has a view of you.
    if (hero < 1 || hero > kHeroes || you < 1 || you > kHeroes)
        return Fill(GH_TR("InfoText", "Отношение к Вам: %1"), {AttitudeWord(100)});
    return Fill(GH_TR("InfoText", "Отношение к Вам: %1"),
                {AttitudeWord(g.Attitude[static_cast<std::size_t>(hero)][static_cast<std::size_t>(you)])});
}

} // namespace

std::string ElementList(const std::array<bool, kElements>& flags)
{
    std::string list;
    for (int e = 0; e < kElements; ++e) {
        if (!flags[static_cast<std::size_t>(e)])
            continue;
        if (!list.empty())
            list += ", ";
        list += ElementName(e);
    }
    return list.empty() ? GH_TR("InfoText", "нету") : list;
}

CreatureInfo CreatureInfoOf(const Game& g, int index)
{
    CreatureInfo info;
    if (!Game::ValidUnit(index))
        return info;
    const Unit& u = g.U(index);
    const bool hero = u.Kind == kKindHero;
    const bool creature = u.Kind == kKindCreature;

    info.Portrait = u.Portrait;
    if (hero || creature) {
        info.HasInfo = true;
        info.LblInfo = Presentation(u);
    }

    std::string& s1 = info.Lbl1;
    s1 = Fill(GH_TR("InfoText", "Уровень %1"), {N(u.Level)}) + kCR;
    s1 += Entry(Fill(GH_TR("InfoText", "Опыт: %1/%2"), {N(u.Exp), N(u.ExpNext)}));
    s1 += Entry(Fill(GH_TR("InfoText", "Жизнь: %1/%2"), {N(u.Hp), N(u.HpMax)}));
    s1 += Entry(Fill(GH_TR("InfoText", "Сила: %1"), {N(u.Strength)}));
    if (hero)
        s1 += Entry(Fill(GH_TR("InfoText", "Магия: %1"), {N(u.Magic)}));
    s1 += Entry(Fill(GH_TR("InfoText", "Быстрота: %1"), {N(u.Speed)}));
    s1 += Entry(Fill(GH_TR("InfoText", "Воля: %1"), {N(u.Will)}));
    s1 += Entry(Fill(GH_TR("InfoText", "Разум: %1"), {N(u.Reason)}));
    for (int e = 0; e < kElements; ++e) {
        const std::int32_t p = u.Protection[static_cast<std::size_t>(e)];
        if (p > 0)
            s1 += Entry(Fill(GH_TR("InfoText", "Защита от %1: %2"), {ElementNameGenitive(e), N(p)}));
    }
    // The master closes the label: nothing follows it.
    if (creature)
        s1 += kCR + std::string(GH_TR("InfoText", "Хозяин: ")) + OwnerName(g, u.Owner);
    if (hero)
        s1 += Entry(Fill(GH_TR("InfoText", "Лидерство: %1/%2"), {N(u.Leadership), N(u.LeadershipMax)}));

    std::string& s2 = info.Lbl2;
    s2 = Fill(GH_TR("InfoText", "Название атаки: %1"), {AttackName(u.UnitType)}) + kCR;
    s2 += Entry(Fill(GH_TR("InfoText", "Источник атаки: %1"), {ElementName(u.AttackElement)}));
    s2 += Entry(Fill(GH_TR("InfoText", "Дальность атаки: %1"), {N(u.AttackRange)}));
    s2 += Entry(GH_TR("InfoText", "Шанс попадания: ") + N(u.HitChance) + "%");
    s2 += Entry(Fill(GH_TR("InfoText", "Благодать: %1"), {ElementList(u.Grace)}));
    s2 += Entry(Fill(GH_TR("InfoText", "Иммунитет: %1"), {ElementList(u.Immunity)}));
    s2 += Entry(Fill(GH_TR("InfoText", "Слабость: %1"), {ElementList(u.Weakness)}));
    if (hero)
        s2 += Entry(Fill(GH_TR("InfoText", "Мана: %1/%2"), {N(u.Mana), N(u.ManaMax)}));
    s2 += Entry(Fill(GH_TR("InfoText", "Действия: %1/%2"), {N(u.Actions), N(u.ActionsMax)}));
    return info;
}

ObjectInfo ObjectInfoOf(const Game& g, int index)
{
    ObjectInfo info;
    if (!Game::ValidUnit(index))
        return info;
    const Unit& u = g.U(index);

    info.ShowBars = u.Kind != kKindRemains;
    if (u.Kind == kKindCreature) {
        info.Portrait = u.Portrait;
        info.HasInfo = true;
        info.LblInfo = Presentation(u);
        info.LblMaster = Fill(GH_TR("InfoText", "Хозяин: %1"), {OwnerName(g, u.Owner)});
    } else if (u.Kind == kKindHero) {
        info.Portrait = u.Portrait;
        info.HasInfo = true;
        info.LblInfo = Presentation(u);
        info.LblMaster = AttitudeLine(g, index);
    } else if (u.Kind == kKindRemains) {
        info.Portrait = kRemainsPortrait;
        info.HasInfo = true;
        // A skeleton's remains are bones from the start: raising them gives a
        // new skeleton for the caster, never the old one back.
        if (u.Hp < -3 || u.UnitType == kSkeleton)
            info.LblInfo = kBonesText;
        else
            info.LblInfo = UnitTypeName(u.UnitType) + " " + u.Name + kCorpseText;
        info.LblMaster = index <= kHeroes
                             ? GH_TR("InfoText", "Трупик вражеского лорда")
                             : Fill(GH_TR("InfoText", "Прежний хозяин: %1"), {OwnerName(g, u.Owner)});
    }

    info.HpColour = Rgb{255, 255, 0};
    if (u.Hp > Int(u.HpMax / 1.75))
        info.HpColour = kGreen;
    if (u.Hp < Int(u.HpMax / 5.0))
        info.HpColour = kRed;
    info.HpWidth = BarWidth(kHpBarWidth, u.Hp, u.HpMax, u.Hp);
    info.ApWidth = BarWidth(kApBarWidth, u.Actions, u.ActionsMax, u.Hp);
    return info;
}

} // namespace gh
