#include "save/Text.h"

#include <cstdint>

namespace gh::save {

namespace {

// Length of the sequence starting with `lead`, 0 for a byte no character
// starts with.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0; // continuation bytes, C0/C1 (always overlong), F5..FF
}

bool Continuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

TextCheck CheckText(std::string_view text)
{
    TextCheck r;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        const int len = SequenceLength(c);
        bool ok = len != 0 && i + static_cast<std::size_t>(len) <= n;
        for (int k = 1; ok && k < len; ++k)
            ok = Continuation(p[i + static_cast<std::size_t>(k)]);
        if (ok && len == 3) {
            const unsigned char c1 = p[i + 1];
            // E0 80..9F would be overlong, ED A0..BF a surrogate.
            ok = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0);
        }
        if (ok && len == 4) {
            const unsigned char c1 = p[i + 1];
            // F0 80..8F would be overlong, F4 90.. past U+10FFFF.
            ok = !(c == 0xF0 && c1 < 0x90) && !(c == 0xF4 && c1 >= 0x90);
        }
        if (!ok) {
            r.valid = false;
            r.badAt = i;
            return r;
        }
        if (len == 1) {
            if (c == '\n' || c == '\r' || c == '\t')
                r.hasLineBreakOrTab = true;
            if (c < 0x20 || c == 0x7F)
                r.hasControl = true;
        }
        r.utf16Units += len == 4 ? 2 : 1;
        i += static_cast<std::size_t>(len);
    }
    return r;
}

int NestingDepth(std::string_view json, int limit)
{
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i; // the escaped character cannot end the string
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"': inString = true; break;
        case '[':
        case '{':
            if (++depth > deepest) {
                deepest = depth;
                if (deepest > limit)
                    return deepest;
            }
            break;
        case ']':
        case '}':
            if (depth > 0)
                --depth;
            break;
        default: break;
        }
    }
    return deepest;
}

std::string CutAtCharacter(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && Continuation(static_cast<unsigned char>(text[end])))
        --end;
    return std::string(text.substr(0, end));
}

std::string Quote(std::string_view text)
{
    constexpr std::size_t kShown = 60;
    std::string shown = CutAtCharacter(text, kShown);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    if (shown.size() < text.size())
        shown += "…";
    return "«" + shown + "»";
}

} // namespace gh::save
