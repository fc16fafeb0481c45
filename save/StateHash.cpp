#include "save/StateHash.h"

#include <array>
#include <bit>
#include <cstring>
#include <type_traits>

#include "magic/SpellCatalogue.h"
#include "platform/Scheduler.h"
#include "save/Layout.h"
#include "world/Catalogue.h"
#include "world/Units.h"

namespace gh::save {

namespace {

constexpr std::uint64_t kPrime = 0x100000001b3ULL;

// Raised whenever a rule changes how a match plays, so that records of the
// older rules are refused rather than misplayed.
constexpr std::uint64_t kRulesRevision = 1;

// Feeds the canonical bytes of every field it visits into an FNV-1a mix.
class Hasher {
public:
    explicit Hasher(bool sharedOnly) : sharedOnly_(sharedOnly) {}

    std::uint64_t Value() const { return h_; }

    void Bytes(const void* data, std::size_t n)
    {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i) {
            h_ ^= p[i];
            h_ *= kPrime;
        }
    }
    void Int(std::int64_t v)
    {
        unsigned char b[8];
        const auto u = static_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i)
            b[i] = static_cast<unsigned char>(u >> (8 * i));
        Bytes(b, 8);
    }
    void Flag(bool v)
    {
        const unsigned char b = v ? 1 : 0;
        Bytes(&b, 1);
    }
    void Real(float v)
    {
        const auto u = std::bit_cast<std::uint32_t>(v);
        unsigned char b[4];
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<unsigned char>(u >> (8 * i));
        Bytes(b, 4);
    }
    void Text(std::string_view s)
    {
        Int(static_cast<std::int64_t>(s.size()));
        Bytes(s.data(), s.size());
    }
    void Key(const char* key) { Text(key); }

    template <class T> void Leaf(const T& v)
    {
        if constexpr (std::is_same_v<T, bool>)
            Flag(v);
        else if constexpr (std::is_floating_point_v<T>)
            Real(static_cast<float>(v));
        else
            Int(static_cast<std::int64_t>(v));
    }

    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char* key, const T& v)
    {
        if (Skip(key))
            return;
        Key(key);
        Leaf(v);
    }
    void operator()(const char* key, const std::string& v)
    {
        Key(key);
        Text(v);
    }
    void operator()(const char* key, const Rgb& c)
    {
        Key(key);
        Int(c.r);
        Int(c.g);
        Int(c.b);
    }
    template <class T, std::size_t N> void operator()(const char* key, const std::array<T, N>& values)
    {
        Key(key);
        Int(static_cast<std::int64_t>(N));
        for (const T& v : values)
            Leaf(v);
    }
    template <class T, std::size_t R, std::size_t C> void operator()(const char* key, const T (&rows)[R][C])
    {
        Key(key);
        Int(static_cast<std::int64_t>(R));
        Int(static_cast<std::int64_t>(C));
        for (std::size_t r = 0; r < R; ++r)
            for (std::size_t c = 0; c < C; ++c)
                Leaf(rows[r][c]);
    }
    template <class T, class F> void Object(const char* key, const T& value, F visit)
    {
        Key(key);
        visit(value, *this);
    }
    template <class A, class F> void Records(const char* key, const A& records, F visit)
    {
        Key(key);
        Int(static_cast<std::int64_t>(records.size()));
        for (const auto& r : records)
            visit(r, *this);
    }
    void Timers(const char* key, const Scheduler& s)
    {
        Key(key);
        const Scheduler::State& st = s.Saved();
        for (const Scheduler::TimerState& t : st.timers) {
            Int(t.interval);
            Flag(t.enabled);
            Int(t.since);
        }
        Int(st.now);
        Int(static_cast<std::int64_t>(st.ticks));
    }
    void Generator(const char* key, const ClockRandom& r)
    {
        Key(key);
        Text(r.State());
    }

private:
    bool Skip(const char* key) const { return sharedOnly_ && !IsSharedField(key); }

    bool sharedOnly_;
    std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

} // namespace

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t basis)
{
    std::uint64_t h = basis;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= kPrime;
    }
    return h;
}

bool IsSharedField(std::string_view name)
{
    return name != "ViewX" && name != "ViewY";
}

std::uint64_t StateHash(const MatchState& m)
{
    Hasher h(true);
    VisitMatch(m, h);
    return h.Value();
}

std::string HashText(std::uint64_t h)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = kDigits[h & 15];
        h >>= 4;
    }
    return out;
}

bool ParseHashText(std::string_view text, std::uint64_t& out)
{
    if (text.size() != 16)
        return false;
    std::uint64_t v = 0;
    for (const char c : text) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return false;
        v = v << 4 | static_cast<std::uint64_t>(d);
    }
    out = v;
    return true;
}

std::uint64_t RulesFingerprint()
{
    Hasher h(false);
    h.Key("revision");
    h.Int(static_cast<std::int64_t>(kRulesRevision));
    h.Key("tick");
    h.Int(Scheduler::kTickMs);
    const Game fresh;
    h.Timers("timers", fresh.timers);
    for (int type = 0; type <= kTypeCount + 1; ++type) {
        Unit u;
        FillUnitStatistics(u, type);
        h.Key("type");
        h.Int(type);
        VisitUnit(u, h);
    }
    for (int spell = 0; spell <= kSpellCount + 1; ++spell) {
        const SpellRecord s = SpellOf(spell);
        h.Key("spell");
        h.Int(spell);
        VisitSpell(s, h);
    }
    return h.Value();
}

} // namespace gh::save
