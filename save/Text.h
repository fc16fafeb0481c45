#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gh::save {

// How a piece of text measures up: whether it is well-formed UTF-8 (no
// overlong forms, no surrogates, nothing past U+10FFFF), where the first bad
// byte is, and how long it is in UTF-16 units, the measure Qt's line edits
// limit a name by.
struct TextCheck {
    bool valid = true;
    std::size_t badAt = 0;      // offset of the first bad byte when not valid
    std::size_t utf16Units = 0; // up to the first bad byte
    bool hasLineBreakOrTab = false;
    bool hasControl = false; // any of U+0000..U+001F or U+007F
};
TextCheck CheckText(std::string_view text);

// The deepest nesting of arrays and objects in a JSON text, stopping as soon
// as it passes `limit` (the text need not be valid JSON: strings are skipped
// the way a JSON reader skips them).
int NestingDepth(std::string_view json, int limit);

// At most `maxBytes` of `text`, cut between two characters.
std::string CutAtCharacter(std::string_view text, std::size_t maxBytes);

// A short form of a key or value to quote in a message.
std::string Quote(std::string_view text);

} // namespace gh::save
