#include "world/Vocabulary.h"

#include <array>

#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

// Nominative and genitive forms side by side, so a new element can never
// get one case without the other.
struct ElementWords {
    const char* nominative;
    const char* genitive;
};

constexpr std::array<ElementWords, kElements> kElementWords{{
    {GH_TR_NOOP("Vocabulary", "не стихийный"), GH_TR_NOOP("Vocabulary", "не стихийного")},
    {GH_TR_NOOP("Vocabulary", "оружие"), GH_TR_NOOP("Vocabulary", "оружия")},
    {GH_TR_NOOP("Vocabulary", "огонь"), GH_TR_NOOP("Vocabulary", "огня")},
    {GH_TR_NOOP("Vocabulary", "вода"), GH_TR_NOOP("Vocabulary", "воды")},
    {GH_TR_NOOP("Vocabulary", "воздух"), GH_TR_NOOP("Vocabulary", "воздуха")},
    {GH_TR_NOOP("Vocabulary", "земля"), GH_TR_NOOP("Vocabulary", "земли")},
    {GH_TR_NOOP("Vocabulary", "смерть"), GH_TR_NOOP("Vocabulary", "смерти")},
    {GH_TR_NOOP("Vocabulary", "жизнь"), GH_TR_NOOP("Vocabulary", "жизни")},
    {GH_TR_NOOP("Vocabulary", "тьма"), GH_TR_NOOP("Vocabulary", "тьмы")},
    {GH_TR_NOOP("Vocabulary", "свет"), GH_TR_NOOP("Vocabulary", "света")},
    {GH_TR_NOOP("Vocabulary", "молния"), GH_TR_NOOP("Vocabulary", "молнии")},
    {GH_TR_NOOP("Vocabulary", "яд"), GH_TR_NOOP("Vocabulary", "яда")},
    {GH_TR_NOOP("Vocabulary", "магия"), GH_TR_NOOP("Vocabulary", "магии")},
    {GH_TR_NOOP("Vocabulary", "разум"), GH_TR_NOOP("Vocabulary", "разума")},
}};

bool KnownElement(int e)
{
    return e >= 0 && e < kElements;
}

} // namespace

std::string ElementName(int e)
{
    return KnownElement(e) ? GH_TR("Vocabulary", kElementWords[static_cast<std::size_t>(e)].nominative) : "";
}

std::string ElementNameGenitive(int e)
{
    return KnownElement(e) ? GH_TR("Vocabulary", kElementWords[static_cast<std::size_t>(e)].genitive) : "";
}

std::string AttitudeWord(int a)
{
    // The bands are checked from the most hostile upward; the word completes
    // "Отношение к Вам: ", so each is a neuter adjective (or a quoted title).
    if (a >= -99 && a <= -51)
        return GH_TR("Vocabulary", "\"заклятый враг\"");
    if (a >= -50 && a <= -41)
        return GH_TR("Vocabulary", "хуже некуда");
    if (a >= -40 && a <= -31)
        return GH_TR("Vocabulary", "ужасное");
    if (a >= -30 && a <= -21)
        return GH_TR("Vocabulary", "дрянное");
    if (a >= -20 && a <= -11)
        return GH_TR("Vocabulary", "плохое");
    if (a >= -10 && a <= -1)
        return GH_TR("Vocabulary", "недоверчивое");
    if (a == 0)
        return GH_TR("Vocabulary", "никакое");
    if (a >= 1 && a <= 10)
        return GH_TR("Vocabulary", "снисходительное");
    if (a >= 11 && a <= 20)
        return GH_TR("Vocabulary", "добренькое");
    if (a >= 21 && a <= 30)
        return GH_TR("Vocabulary", "хорошее");
    if (a >= 31 && a <= 40)
        return GH_TR("Vocabulary", "отличное");
    if (a >= 41 && a <= 50)
        return GH_TR("Vocabulary", "прекрасное");
    if (a >= 51 && a <= 99)
        return GH_TR("Vocabulary", "\"лучший друг\"");
    return GH_TR("Vocabulary", "непонятное");
}

std::string OwnerName(const Game& g, int owner)
{
    if (owner == 0)
        return GH_TR("Vocabulary", "нету");
    if (!Game::ValidUnit(owner))
        return "";
    const Unit& hero = g.U(owner);
    return UnitTypeName(hero.UnitType) + " " + hero.Name;
}

} // namespace gh
