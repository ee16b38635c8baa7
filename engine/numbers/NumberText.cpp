#include "numbers/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <vector>

#if defined(__cpp_lib_to_chars)
#define TETHRIX_HAS_FLOAT_CHARCONV 1
#endif

namespace {

// A nonnegative integer of any size, 32 bits a word, the lowest first: the
// exact arithmetic behind the decimal texts of binary numbers and back.
class BigNumber {
public:
    explicit BigNumber(uint64_t v = 0)
    {
        for (; v != 0; v >>= 32)
            words.push_back(static_cast<uint32_t>(v));
    }
    bool IsZero() const { return words.empty(); }
    // this·m + add.
    void MultiplyAdd(uint32_t m, uint32_t add)
    {
        uint64_t carry = add;
        for (uint32_t &w : words) {
            carry += static_cast<uint64_t>(w) * m;
            w = static_cast<uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0)
            words.push_back(static_cast<uint32_t>(carry));
    }
    void MultiplyByPowerOf5(int k)
    {
        for (; k >= 13; k -= 13)
            MultiplyAdd(1220703125u, 0);  // 5^13
        uint32_t rest = 1;
        while (k-- > 0)
            rest *= 5;
        MultiplyAdd(rest, 0);
    }
    void ShiftLeft(int bits)
    {
        if (IsZero() || bits == 0)
            return;
        const int whole = bits / 32, part = bits % 32;
        if (part != 0) {
            uint32_t carry = 0;
            for (uint32_t &w : words) {
                const uint32_t next = w >> (32 - part);
                w = (w << part) | carry;
                carry = next;
            }
            if (carry != 0)
                words.push_back(carry);
        }
        words.insert(words.begin(), static_cast<size_t>(whole), 0u);
    }
    // this / d, returning the remainder.
    uint32_t DivideBy(uint32_t d)
    {
        uint64_t rest = 0;
        for (size_t i = words.size(); i-- > 0;) {
            rest = (rest << 32) | words[i];
            words[i] = static_cast<uint32_t>(rest / d);
            rest %= d;
        }
        while (!words.empty() && words.back() == 0)
            words.pop_back();
        return static_cast<uint32_t>(rest);
    }
    std::string Decimal() const
    {
        if (IsZero())
            return "0";
        BigNumber n = *this;
        std::string out(words.size() * 10 + 9, '0');  // a word holds under ten digits
        size_t at = out.size();
        while (!n.IsZero())
            for (uint32_t chunk = n.DivideBy(1000000000u), i = 0; i < 9; ++i, chunk /= 10)
                out[--at] = static_cast<char>('0' + chunk % 10);
        return out.substr(out.find_first_not_of('0', at));
    }
    friend int Compare(const BigNumber &a, const BigNumber &b)
    {
        if (a.words.size() != b.words.size())
            return a.words.size() < b.words.size() ? -1 : 1;
        for (size_t i = a.words.size(); i-- > 0;)
            if (a.words[i] != b.words[i])
                return a.words[i] < b.words[i] ? -1 : 1;
        return 0;
    }

private:
    std::vector<uint32_t> words;
};

// A decimal number: digits (no leading zero, or "0") times 10^exponent of
// the last digit.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The exact decimal value of a finite v ≥ 0: v = m·2^e is m·2^e or
// m·5^−e·10^e.
template <class T>
Decimal ExactDecimal(T v)
{
    int e;
    const double m = std::frexp(static_cast<double>(v), &e);  // v = m·2^e, m in [0.5, 1)
    BigNumber n(static_cast<uint64_t>(std::ldexp(m, 64)));     // 64 bits hold it exactly
    e -= 64;
    Decimal d;
    if (e >= 0) {
        n.ShiftLeft(e);
    } else {
        n.MultiplyByPowerOf5(-e);
        d.exponent = e;
    }
    d.digits = n.Decimal();
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    return d;
}

// d rounded to keep digits, ties to even as printf rounds (keep ≥ 0; with
// none kept the result is 0 or one unit of the first place dropped).
Decimal RoundDecimal(Decimal d, int keep)
{
    const int n = static_cast<int>(d.digits.size());
    if (keep >= n)
        return d;
    bool up;
    const char next = d.digits[static_cast<size_t>(keep)];
    const bool restZero = d.digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) == std::string::npos;
    if (next != '5' || !restZero)
        up = next >= '5';
    else
        up = keep > 0 && (d.digits[static_cast<size_t>(keep) - 1] - '0') % 2 == 1;
    d.exponent += n - keep;
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && d.digits[static_cast<size_t>(i)] == '9'; --i)
            d.digits[static_cast<size_t>(i)] = '0';
        if (i >= 0)
            ++d.digits[static_cast<size_t>(i)];
        else
            d.digits.insert(d.digits.begin(), '1');
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    if (d.digits.empty() || d.digits == "0")
        d = Decimal{"0", 0};
    return d;
}

// The decimal exponent of d's first digit.
int Leading(const Decimal &d) { return d.exponent + static_cast<int>(d.digits.size()) - 1; }

const char *NonFinite(double v)
{
    if (std::isnan(v))
        return std::signbit(v) ? "-nan" : "nan";
    return std::isinf(v) ? (v < 0 ? "-inf" : "inf") : nullptr;
}

// "d.ddde±XX", precision digits after the point, as printf's %.*e.
std::string Scientific(double v, int precision)
{
    if (const char *word = NonFinite(v))
        return word;
    const Decimal d = v == 0 ? Decimal{"0", 0} : RoundDecimal(ExactDecimal(std::fabs(v)), precision + 1);
    const int x = d.digits == "0" ? 0 : Leading(d);
    std::string out;
    out.reserve(static_cast<size_t>(precision) + 10);
    if (std::signbit(v))
        out += '-';
    out += d.digits[0];
    if (precision > 0)
        out += '.';
    const size_t shown = std::min(d.digits.size() - 1, static_cast<size_t>(precision));
    out.append(d.digits, 1, shown).append(static_cast<size_t>(precision) - shown, '0');
    out += x < 0 ? "e-" : "e+";
    const std::string e = std::to_string(x < 0 ? -x : x);
    if (e.size() < 2)
        out += '0';
    return out + e;
}

// precision digits after the point, as printf's %.*f.
std::string Fixed(double v, int precision)
{
    if (const char *word = NonFinite(v))
        return word;
    Decimal d{"0", 0};
    if (v != 0) {
        const Decimal exact = ExactDecimal(std::fabs(v));
        const int keep = Leading(exact) + 1 + precision;  // digits down to the last place shown
        if (keep > 0) {
            d = RoundDecimal(exact, keep);
        } else if (keep == 0 && (exact.digits[0] > '5' ||
                                 (exact.digits[0] == '5' && exact.digits.size() > 1))) {
            d = Decimal{"1", -precision};  // over half the last place: ties go to the even 0
        }
    }
    // The digits with zeros after them down to the units, or 0.000… before
    // them; then the point after the units.
    std::string places;  // every digit from the units (or the first) down to the last shown
    if (d.digits == "0") {
        places.assign(static_cast<size_t>(precision) + 1, '0');
    } else {
        if (Leading(d) < 0)
            places.assign(static_cast<size_t>(-Leading(d)), '0');
        places.append(d.digits).append(static_cast<size_t>(d.exponent + precision), '0');
    }
    const size_t whole = places.size() - static_cast<size_t>(precision);  // digits before the point
    std::string out = std::signbit(v) ? "-" : "";
    out.append(places, 0, whole);
    if (precision > 0)
        out.append(1, '.').append(places, whole, std::string::npos);
    return out;
}

// The binary format T: p significant bits, the lowest bit's exponent from
// emin (subnormals) to emax.
template <class T>
struct Format;
template <>
struct Format<double> {
    static constexpr int p = 53, emin = -1074, emax = 971;
};
template <>
struct Format<float> {
    static constexpr int p = 24, emin = -149, emax = 104;
};

// Sign of value − k·2^j, value being digits·10^exponent.
int CompareWith(const BigNumber &digits, int exponent, uint64_t k, int j)
{
    BigNumber lhs = digits, rhs(k);
    if (exponent >= 0)
        lhs.MultiplyByPowerOf5(exponent);
    else
        rhs.MultiplyByPowerOf5(-exponent);
    if (exponent - j >= 0)
        lhs.ShiftLeft(exponent - j);
    else
        rhs.ShiftLeft(j - exponent);
    return Compare(lhs, rhs);
}

// digits·10^exponent (digits not zero) rounded to T, ties to even: an
// estimate in double arithmetic, then moved a step at a time while an exact
// comparison with the midpoint to a neighbour says the neighbour is nearer.
// Out of range when it rounds to 0 or beyond the largest finite T.
template <class T>
ParseResult RoundToBinary(const std::string &text, int exponent, T &out)
{
    using F = Format<T>;
    // The powers of ten a double holds exactly (a float up to 10^10).
    static const double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    // The first 19 digits as a whole number: all of them when few.
    uint64_t top = 0;
    const size_t used = std::min<size_t>(text.size(), 19);
    for (size_t i = 0; i < used; ++i)
        top = top * 10 + static_cast<uint64_t>(text[i] - '0');
    // Clinger's fast path: digits and power of ten both exact in T, so one
    // correctly rounded multiplication or division gives the answer.
    const size_t exactDigits = F::p > 24 ? 15 : 7;
    const int exactPower = F::p > 24 ? 22 : 10;
    if (text.size() <= exactDigits && exponent >= -exactPower && exponent <= exactPower) {
        const T whole = static_cast<T>(top);  // exact: below 2^53 (2^24)
        const T power = static_cast<T>(Powers[exponent >= 0 ? exponent : -exponent]);
        out = exponent >= 0 ? whole * power : whole / power;
        return ParseResult::Ok;
    }
    const int leading = exponent + static_cast<int>(text.size()) - 1;
    if (leading > 40 + (F::p > 24 ? 270 : 0))
        return ParseResult::OutOfRange;
    if (leading < -(50 + (F::p > 24 ? 280 : 0)))
        return ParseResult::OutOfRange;
    BigNumber digits;
    for (char c : text)
        digits.MultiplyAdd(10, static_cast<uint32_t>(c - '0'));
    // The estimate: the first 19 digits, scaled by the power of ten kept
    // apart as a power of two (no overflow or underflow on the way).
    int binary = 0;
    double x = std::frexp(static_cast<double>(top), &binary);
    for (int k = exponent + static_cast<int>(text.size() - used); k != 0;) {
        const int step = k > 0 ? std::min(k, 22) : std::max(k, -22);
        x = step > 0 ? x * Powers[step] : x / Powers[-step];
        int e;
        x = std::frexp(x, &e);
        binary += e;
        k -= step;
    }
    // The candidate m·2^e in T's format.
    int e = std::max(binary - F::p, F::emin);
    uint64_t m = static_cast<uint64_t>(std::nearbyint(std::ldexp(x, binary - e)));
    const uint64_t lowest = uint64_t{1} << (F::p - 1), limit = uint64_t{1} << F::p;
    if (m == limit) {
        m = lowest;
        ++e;
    }
    if (e > F::emax) {
        m = limit - 1;
        e = F::emax;
    }
    for (;;) {
        const int up = CompareWith(digits, exponent, 2 * m + 1, e - 1);
        if (up > 0 || (up == 0 && m % 2 == 1)) {
            if (++m == limit) {
                m = lowest;
                if (++e > F::emax)
                    return ParseResult::OutOfRange;
            }
            continue;
        }
        if (m == 0)
            return ParseResult::OutOfRange;
        const bool binadeStart = m == lowest && e > F::emin;
        const int down = binadeStart ? CompareWith(digits, exponent, 4 * m - 1, e - 2)
                                     : CompareWith(digits, exponent, 2 * m - 1, e - 1);
        if (down < 0 || (down == 0 && m % 2 == 1)) {
            if (binadeStart) {
                m = limit - 1;
                --e;
            } else {
                --m;
            }
            continue;
        }
        break;
    }
    if (m == 0)
        return ParseResult::OutOfRange;
    out = static_cast<T>(std::ldexp(static_cast<double>(m), e));
    return ParseResult::Ok;
}

// The shortest digits of v (finite, > 0) that read back as v: its exact
// value rounded to 1, 2, … digits, ties to even, the first that rounds back.
template <class T>
Decimal ShortestDigits(T v)
{
    const Decimal exact = ExactDecimal(v);
    for (int keep = 1;; ++keep) {
        const Decimal d = RoundDecimal(exact, keep);
        T back;
        if (d.digits == exact.digits || (RoundToBinary(d.digits, d.exponent, back) == ParseResult::Ok && back == v))
            return d;
    }
}

template <class T>
char *PortableShortest(char *first, T v)
{
    if (std::isnan(v))
        return std::strcpy(first, std::signbit(v) ? "-nan" : "nan") + (std::signbit(v) ? 4 : 3);
    char *out = first;
    if (std::signbit(v))
        *out++ = '-';
    if (std::isinf(v))
        return std::strcpy(out, "inf") + 3;
    if (v == 0) {
        *out++ = '0';
        return out;
    }
    const Decimal d = ShortestDigits(std::fabs(v));
    const std::string &digits = d.digits;
    const int n = static_cast<int>(digits.size()), e = Leading(d);
    // Scientific: d[.ddd]e±XX; fixed: the same digits with the point moved.
    std::string scientific = digits.substr(0, 1);
    if (n > 1)
        scientific += "." + digits.substr(1);
    const std::string exponentText = std::to_string(e < 0 ? -e : e);
    scientific += std::string(e < 0 ? "e-" : "e+") + (exponentText.size() < 2 ? "0" : "") + exponentText;
    std::string fixed;
    if (e >= 0 && n <= e + 1) {
        // A whole number: of the texts this long that read back as v, the
        // nearest is v's own digits, not the shortest ones padded with zeros.
        fixed = Fixed(std::fabs(static_cast<double>(v)), 0);
    } else if (e >= 0) {
        fixed = digits.substr(0, static_cast<size_t>(e + 1)) + "." + digits.substr(static_cast<size_t>(e + 1));
    } else {
        fixed = "0." + std::string(static_cast<size_t>(-e - 1), '0') + digits;
    }
    const std::string &chosen = fixed.size() <= scientific.size() ? fixed : scientific;
    std::memcpy(out, chosen.data(), chosen.size());
    return out + chosen.size();
}

// Beyond this many significant digits a text is cut, a nonzero digit put
// after the cut when anything but zeros was cut: no midpoint between two
// doubles has as many digits, so every comparison with one comes out the same.
constexpr size_t KeptDigits = 800;

template <class T>
ParseResult PortableParse(const char *first, const char *last, T &v, const char *&end)
{
    // The grammar of from_chars: an optional minus, digits with an optional
    // point (at least one digit), an optional exponent with digits.
    const char *p = first;
    const bool negative = p != last && *p == '-';
    if (negative)
        ++p;
    std::string digits;
    long long exponent = 0;
    bool anyDigit = false, point = false, cut = false;
    for (; p != last && ((*p >= '0' && *p <= '9') || (*p == '.' && !point)); ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        anyDigit = true;
        if (digits.empty() && *p == '0') {
            exponent -= point;  // a leading zero
        } else if (digits.size() < KeptDigits) {
            digits += *p;
            exponent -= point;
        } else {
            cut = cut || *p != '0';
            exponent += !point;
        }
    }
    if (!anyDigit) {
        end = first;
        return ParseResult::Invalid;
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char *q = p + 1;
        const bool minus = q != last && *q == '-';
        if (q != last && (*q == '+' || *q == '-'))
            ++q;
        if (q != last && *q >= '0' && *q <= '9') {
            long long written = 0;
            for (; q != last && *q >= '0' && *q <= '9'; ++q)
                written = std::min(written * 10 + (*q - '0'), 1000000000LL);  // far past any range
            exponent += minus ? -written : written;
            p = q;
        }
    }
    end = p;
    if (digits.empty()) {
        v = negative ? -T(0) : T(0);
        return ParseResult::Ok;
    }
    if (cut) {
        digits += '1';
        --exponent;
    }
    if (exponent > 100000 || exponent < -100000)  // out of range, whatever the digits
        return ParseResult::OutOfRange;
    T r;
    const ParseResult result = RoundToBinary(digits, static_cast<int>(exponent), r);
    if (result == ParseResult::Ok)
        v = negative ? -r : r;
    return result;
}

#ifdef TETHRIX_HAS_FLOAT_CHARCONV
template <class T>
ParseResult StandardParse(const char *first, const char *last, T &v, const char *&end)
{
    const auto res = std::from_chars(first, last, v);
    end = res.ptr;
    if (res.ec == std::errc::result_out_of_range)
        return ParseResult::OutOfRange;
    return res.ec == std::errc() ? ParseResult::Ok : ParseResult::Invalid;
}
#endif

}  // namespace

char *PortableShortestText(char *first, double v) { return PortableShortest(first, v); }
char *PortableShortestText(char *first, float v) { return PortableShortest(first, v); }

std::string PortableScientificText(double v, int precision) { return Scientific(v, precision); }
std::string PortableFixedText(double v, int precision) { return Fixed(v, precision); }

ParseResult PortableParseText(const char *first, const char *last, double &v, const char *&end)
{
    return PortableParse(first, last, v, end);
}

ParseResult PortableParseText(const char *first, const char *last, float &v, const char *&end)
{
    return PortableParse(first, last, v, end);
}

#ifdef TETHRIX_HAS_FLOAT_CHARCONV
char *ShortestText(char *first, double v) { return std::to_chars(first, first + 32, v).ptr; }
char *ShortestText(char *first, float v) { return std::to_chars(first, first + 32, v).ptr; }

std::string ScientificText(double v, int precision)
{
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
    return std::string(buf, res.ptr);
}

std::string FixedText(double v, int precision)
{
    std::string s(400, '\0');
    const auto res = std::to_chars(&s[0], &s[0] + s.size(), v, std::chars_format::fixed, precision);
    s.resize(static_cast<size_t>(res.ptr - s.data()));
    return s;
}

ParseResult ParseText(const char *first, const char *last, double &v, const char *&end)
{
    return StandardParse(first, last, v, end);
}

ParseResult ParseText(const char *first, const char *last, float &v, const char *&end)
{
    return StandardParse(first, last, v, end);
}
#else
char *ShortestText(char *first, double v) { return PortableShortestText(first, v); }
char *ShortestText(char *first, float v) { return PortableShortestText(first, v); }
std::string ScientificText(double v, int precision) { return PortableScientificText(v, precision); }
std::string FixedText(double v, int precision) { return PortableFixedText(v, precision); }
ParseResult ParseText(const char *first, const char *last, double &v, const char *&end)
{
    return PortableParseText(first, last, v, end);
}
ParseResult ParseText(const char *first, const char *last, float &v, const char *&end)
{
    return PortableParseText(first, last, v, end);
}
#endif
