#include "platform/Texts.h"

#include <cstdlib>

namespace gh {

namespace {

const RussianTexts kRussian;
const Texts* gTexts = &kRussian;

// The n-th '|'-separated part of `forms`, or the last when there are fewer.
std::string_view FormAt(std::string_view forms, int n)
{
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t bar = forms.find('|', start);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    const std::size_t end = forms.find('|', start);
    return forms.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace

std::string RussianTexts::Text(const char*, const char* source) const
{
    return source;
}

int RussianTexts::PluralForm(long long n) const
{
    const long long a = n < 0 ? -n : n;
    const long long tens = a % 100;
    const long long ones = a % 10;
    if (tens >= 11 && tens <= 14)
        return 2;
    if (ones == 1)
        return 0;
    if (ones >= 2 && ones <= 4)
        return 1;
    return 2;
}

const Texts& CurrentTexts()
{
    return *gTexts;
}

void UseTexts(const Texts* texts)
{
    gTexts = texts ? texts : &kRussian;
}

TextsInUse::TextsInUse(const Texts& texts) : before_(&CurrentTexts())
{
    UseTexts(&texts);
}

TextsInUse::~TextsInUse()
{
    UseTexts(before_);
}

std::string Tr(const char* context, const char* source)
{
    return gTexts->Text(context, source);
}

std::string TrN(PluralText text, long long n)
{
    const std::string all = gTexts->Text(text.context, text.forms);
    return std::string(FormAt(all, gTexts->PluralForm(n)));
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char d = pattern[i + 1];
            if (d >= '1' && d <= '9' && static_cast<std::size_t>(d - '1') < args.size()) {
                out.append(*(args.begin() + (d - '1')));
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

} // namespace gh
