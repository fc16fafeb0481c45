#include "world/Vocabulary.h"

#include <array>

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
    {"не стихийный", "не стихийного"},
    {"оружие", "оружия"},
    {"огонь", "огня"},
    {"вода", "воды"},
    {"воздух", "воздуха"},
    {"земля", "земли"},
    {"смерть", "смерти"},
    {"жизнь", "жизни"},
    {"тьма", "тьмы"},
    {"свет", "света"},
    {"молния", "молнии"},
    {"яд", "яда"},
    {"магия", "магии"},
    {"разум", "разума"},
}};

bool KnownElement(int e)
{
    return e >= 0 && e < kElements;
}

} // namespace

std::string ElementName(int e)
{
    return KnownElement(e) ? kElementWords[static_cast<std::size_t>(e)].nominative : "";
}

std::string ElementNameGenitive(int e)
{
    return KnownElement(e) ? kElementWords[static_cast<std::size_t>(e)].genitive : "";
}

std::string AttitudeWord(int a)
{
    // The bands are checked from the most hostile upward; the word completes
    // "Отношение к Вам: ", so each is a neuter adjective (or a quoted title).
    if (a >= -99 && a <= -51)
        return "\"заклятый враг\"";
    if (a >= -50 && a <= -41)
        return "хуже некуда";
    if (a >= -40 && a <= -31)
        return "ужасное";
    if (a >= -30 && a <= -21)
        return "дрянное";
    if (a >= -20 && a <= -11)
        return "плохое";
    if (a >= -10 && a <= -1)
        return "недоверчивое";
    if (a == 0)
        return "никакое";
    if (a >= 1 && a <= 10)
        return "снисходительное";
    if (a >= 11 && a <= 20)
        return "добренькое";
    if (a >= 21 && a <= 30)
        return "хорошее";
    if (a >= 31 && a <= 40)
        return "отличное";
    if (a >= 41 && a <= 50)
        return "прекрасное";
    if (a >= 51 && a <= 99)
        return "\"лучший друг\"";
    return "непонятное";
}

std::string OwnerName(const Game& g, int owner)
{
    if (owner == 0)
        return "нету";
    if (!Game::ValidUnit(owner))
        return "";
    const Unit& hero = g.U(owner);
    return UnitTypeName(hero.UnitType) + " " + hero.Name;
}

} // namespace gh
