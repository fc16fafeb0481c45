#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace gh {

// Where the rules' texts come from. The game speaks Russian: every text is
// written in the code in Russian, and that Russian is also the key under
// which another language's text is looked up. The rules know no toolkit:
// the shell installs a service that asks its translator, and without one the
// Russian comes back byte for byte.
//
// A text is marked GH_TR(context, source) where it is used, or
// GH_TR_NOOP(context, source) in a table that is looked up later; lupdate is
// told to read both (CMakeLists.txt). A number or a name enters a text only
// through a placeholder (%1..%9, see Fill), so a language can put it where
// it likes; plural forms are written "one|few|many" in GH_PLURAL(context,
// forms) and picked by the language's own rule (TrN).
class Texts {
public:
    virtual ~Texts() = default;
    // The text shown for `source` (UTF-8), written in `context`.
    virtual std::string Text(const char* context, const char* source) const = 0;
    // Which of the '|'-separated plural forms goes with n (0-based).
    virtual int PluralForm(long long n) const = 0;
};

// The game's own language: every text as written.
class RussianTexts final : public Texts {
public:
    std::string Text(const char* context, const char* source) const override;
    // один день, два дня, пять дней; 11..14 take the third form.
    int PluralForm(long long n) const override;
};

// The service every text goes through; Russian unless the shell chose another.
const Texts& CurrentTexts();
// Installs `texts` for the whole program; nullptr goes back to Russian. The
// caller keeps `texts` alive while it is in use.
void UseTexts(const Texts* texts);

// Puts a service in place for one scope (tests, the screenshot tool).
class TextsInUse {
public:
    explicit TextsInUse(const Texts& texts);
    ~TextsInUse();
    TextsInUse(const TextsInUse&) = delete;
    TextsInUse& operator=(const TextsInUse&) = delete;

private:
    const Texts* before_;
};

// A text with plural forms separated by '|' (Russian: three), made by GH_PLURAL.
struct PluralText {
    const char* context;
    const char* forms;
};

std::string Tr(const char* context, const char* source);
// The plural form for n, in the current language. A form that is missing
// falls back to the last one.
std::string TrN(PluralText text, long long n);
// Replaces %1..%9 in `pattern` by args[0..8]; a placeholder with no argument,
// and any other '%', stays as written. The arguments are inserted
// as they are: a name with "%2" in it is not read again.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace gh

// Marks a rules text for translation and answers it in the current language.
#define GH_TR(context, source) ::gh::Tr(context, source)
// A text with plural forms, "%1 очко|%1 очка|%1 очков", for TrN.
#define GH_PLURAL(context, forms) (::gh::PluralText{context, forms})
// Marks a text in a table; it is translated where it is looked up, by GH_TR
// over the table's entry (the same context).
#define GH_TR_NOOP(context, source) source
