#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#if defined(__cpp_lib_to_chars)
#define TETHRIX_HAS_FLOAT_CHARCONV 1
#endif

namespace {

// The shortest digits of v (finite, > 0) as printf's %.*e gives them, and
// the decimal exponent of the first: the fewest that strtod reads back as
// v. printf rounds correctly, so the p-digit text is the nearest p-digit
// decimal, and the first p that reads back is std::to_chars' choice.
template <class T>
void ShortestDigits(T v, std::string &digits, int &exponent)
{
    char buf[64];
    for (int p = 1; p <= 17; ++p) {
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, static_cast<double>(v));
        T back;
        if constexpr (sizeof(T) == sizeof(float))
            back = std::strtof(buf, nullptr);
        else
            back = std::strtod(buf, nullptr);
        if (back == v || p == 17)
            break;
    }
    const char *e = std::strchr(buf, 'e');
    digits.clear();
    for (const char *c = buf; c != e; ++c)
        if (*c != '.')
            digits += *c;
    exponent = std::atoi(e + 1);
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
    std::string digits;
    int e;
    ShortestDigits(std::fabs(v), digits, e);
    const int n = static_cast<int>(digits.size());
    // Scientific: d[.ddd]e±XX; fixed: the same digits with the point moved.
    std::string scientific = digits.substr(0, 1);
    if (n > 1)
        scientific += "." + digits.substr(1);
    char ebuf[16];
    std::snprintf(ebuf, sizeof ebuf, "e%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
    scientific += ebuf;
    std::string fixed;
    if (e >= 0 && n <= e + 1) {
        // A whole number: of the texts this long that read back as v, the
        // nearest is v's own digits, not the shortest ones padded with zeros.
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", std::fabs(static_cast<double>(v)));
        fixed = whole;
    } else if (e >= 0) {
        fixed = digits.substr(0, static_cast<size_t>(e + 1)) + "." + digits.substr(static_cast<size_t>(e + 1));
    } else {
        fixed = "0." + std::string(static_cast<size_t>(-e - 1), '0') + digits;
    }
    const std::string &chosen = fixed.size() <= scientific.size() ? fixed : scientific;
    std::memcpy(out, chosen.data(), chosen.size());
    return out + chosen.size();
}

template <class T>
ParseResult PortableParse(const char *first, const char *last, T &v, const char *&end)
{
    // The grammar of from_chars: an optional minus, digits with an optional
    // point (at least one digit), an optional exponent with digits.
    const char *p = first;
    if (p != last && *p == '-')
        ++p;
    const char *digitsStart = p;
    bool anyDigit = false, nonZero = false;
    while (p != last && ((*p >= '0' && *p <= '9') || *p == '.')) {
        if (*p == '.') {
            if (std::memchr(digitsStart, '.', static_cast<size_t>(p - digitsStart)) != nullptr)
                break;
        } else {
            anyDigit = true;
            nonZero = nonZero || *p != '0';
        }
        ++p;
    }
    if (!anyDigit) {
        end = first;
        return ParseResult::Invalid;
    }
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char *q = p + 1;
        if (q != last && (*q == '+' || *q == '-'))
            ++q;
        if (q != last && *q >= '0' && *q <= '9') {
            while (q != last && *q >= '0' && *q <= '9')
                ++q;
            p = q;
        }
    }
    end = p;
    const std::string text(first, p);
    T r;
    if constexpr (sizeof(T) == sizeof(float))
        r = std::strtof(text.c_str(), nullptr);
    else
        r = std::strtod(text.c_str(), nullptr);
    if (std::isinf(r) || (r == 0 && nonZero))
        return ParseResult::OutOfRange;
    v = r;
    return ParseResult::Ok;
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

std::string PortableScientificText(double v, int precision)
{
    char buf[128];
    const int n = std::snprintf(buf, sizeof buf, "%.*e", precision, v);
    return std::string(buf, static_cast<size_t>(n));
}

std::string PortableFixedText(double v, int precision)
{
    const int n = std::snprintf(nullptr, 0, "%.*f", precision, v);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(&s[0], s.size(), "%.*f", precision, v);
    s.resize(static_cast<size_t>(n));
    return s;
}

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
