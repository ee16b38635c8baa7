#include "numbers/Convert.h"

#include "numbers/NumberText.h"

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <system_error>

std::string FormatNumber(double value, int digits, char sep)
{
    if (value == 0)
        return "0";
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return "INF";
    if (digits < 1)
        digits = 1;
    if (digits > 18)
        digits = 18;

    // Exact decimal expansion (enough digits that the first dropped one is
    // genuine), then round half up by hand: printf rounds ties to even.
    const std::string text = ScientificText(std::fabs(value), 30);
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);  // "d.ddd…": the point dropped
    mantissa.erase(1, 1);
    int exponent = std::atoi(text.c_str() + e + 1);
    exponent += 1;  // value = 0.d1d2… × 10^exponent

    std::string kept = mantissa.substr(0, digits);
    if (mantissa[digits] >= '5') {
        int i = digits - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        }
    }
    while (kept.size() > 1 && kept.back() == '0')
        kept.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= -3 && exponent <= digits) {
        if (exponent <= 0) {
            out += '0';
            out += sep;
            out.append(-exponent, '0');
            out += kept;
        } else {
            const size_t whole = static_cast<size_t>(exponent);
            if (kept.size() <= whole) {
                out += kept;
                out.append(whole - kept.size(), '0');
            } else {
                out += kept.substr(0, whole);
                out += sep;
                out += kept.substr(whole);
            }
        }
    } else {
        out += kept[0];
        if (kept.size() > 1) {
            out += sep;
            out += kept.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    }
    return out;
}

std::string FullPrecision(double value)
{
    std::string s;
    AppendFullPrecision(s, value);
    return s;
}

std::string FullPrecision(float value)
{
    std::string s;
    AppendFullPrecision(s, value);
    return s;
}

void AppendFullPrecision(std::string &out, double value)
{
    char buf[40];
    out.append(buf, ShortestText(buf, value));
}

void AppendFullPrecision(std::string &out, float value)
{
    char buf[40];
    out.append(buf, ShortestText(buf, value));
}

void AppendJsonString(std::string &out, const std::string &text)
{
    static const char Hex[] = "0123456789abcdef";
    out += '"';
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += "\\u00";
            out += Hex[c >> 4];
            out += Hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

std::string InvalidNumberMessage(const std::string &text)
{
    // A template, so that a face finds it in its catalogue (this library
    // stands below the one that makes texts from templates).
    std::string message = "'%1' is not a valid floating point value";
    return message.replace(message.find("%1"), 2, text);
}

namespace {

// The text in the form from_chars reads (no sign, "." as separator), or
// none when it is no number. Sets negative.
std::optional<std::string> NormalisedNumber(const std::string &text, char sep, bool &negative)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };

    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    std::string number;
    bool anyDigit = false;
    bool taken = false;
    while (i < n && isDigit(text[i])) {
        number += text[i++];
        anyDigit = taken = true;
    }
    if (i < n && text[i] == sep) {
        ++i;
        taken = true;
        number += '.';
        while (i < n && isDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!taken)
        return std::nullopt;
    std::string exponent;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++];
        while (i < n && isDigit(text[i]))
            exponent += text[i++];
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    if (!anyDigit)
        return "0";  // a lone separator reads as 0
    if (!exponent.empty() && exponent != "+" && exponent != "-")
        number += 'e' + (exponent[0] == '+' ? exponent.substr(1) : exponent);
    return number;
}

// Whether a normalised number (digits, a point, an exponent) is below 1 in
// magnitude: with its digits as 0.d1d2… (d1 not 0) × 10^M, whether M ≤ 0.
bool IsBelowOne(const std::string &number)
{
    const size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const char *p = number.c_str() + e + 1;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        for (; *p >= '0' && *p <= '9'; ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), 1000000000LL);  // far beyond any range
        if (negative)
            exponent = -exponent;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return true;  // zero
    const long long m = first < point ? static_cast<long long>(point - first)
                                      : -static_cast<long long>(first - point - 1);
    return m + exponent <= 0;
}

// text as a T: normalised, then converted; too small reads as zero, too
// large for T is none.
template <class T>
std::optional<T> Parse(const std::string &text, char sep)
{
    bool negative;
    const std::optional<std::string> normalised = NormalisedNumber(text, sep, negative);
    if (!normalised)
        return std::nullopt;
    const std::string &number = *normalised;
    T value = 0;
    const char *end = nullptr;
    const ParseResult res = ParseText(number.data(), number.data() + number.size(), value, end);
    if (res == ParseResult::OutOfRange) {
        // Out of range is either too small (it reads as zero) or too large.
        if (!IsBelowOne(number))
            return std::nullopt;
        value = 0;
    } else if (res != ParseResult::Ok || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<float> ParseNumber(const std::string &text, char sep) { return Parse<float>(text, sep); }

std::optional<double> ParseWideNumber(const std::string &text, char sep) { return Parse<double>(text, sep); }
