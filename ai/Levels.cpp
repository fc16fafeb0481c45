#include "ai/Levels.h"

#include "platform/Texts.h"

#include <algorithm>
#include <array>

namespace gh {

namespace {

// Each level wins about four matches in five against the one below it
// (the ladder's figures are in docs/computer-player.md). «Обычный», the
// default, rarely decides a match on its first day, and casts and calls.
constexpr std::array<LevelStyle, kStrongestLevel + 1> kStyles = {{
    {}, // the game's own player: never asked
    {4, 1, 90, false},
    {5, 1, 74, false},
    {7, 1, 52, true},
    {0, 3, 36, true},
    {}, // full strength
}};

} // namespace

LevelStyle StyleOf(std::int32_t level)
{
    return kStyles[static_cast<std::size_t>(ClampLevel(level))];
}

std::string LevelName(std::int32_t level)
{
    static const std::array<const char*, kStrongestLevel + 1> names = {
        GH_TR_NOOP("Levels", "Новичок"), GH_TR_NOOP("Levels", "Ученик"),
        GH_TR_NOOP("Levels", "Обычный"), GH_TR_NOOP("Levels", "Опытный"),
        GH_TR_NOOP("Levels", "Сильный"), GH_TR_NOOP("Levels", "Беспощадный")};
    return GH_TR("Levels", names[static_cast<std::size_t>(ClampLevel(level))]);
}

std::int32_t ClampLevel(long long level)
{
    return static_cast<std::int32_t>(std::clamp<long long>(level, kGameLevel, kStrongestLevel));
}

} // namespace gh
