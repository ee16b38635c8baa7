#include "Convert.h"

#include "EngineError.h"

#include <algorithm>
#include <charconv>
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
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 30);
    const char *e = std::find(buf, res.ptr, 'e');
    std::string mantissa;
    for (const char *c = buf; c != e; ++c)
        if (*c != '.')
            mantissa += *c;
    int exponent = 0;
    const char *expText = e + 1;
    if (expText != res.ptr && *expText == '+')
        ++expText;  // from_chars takes no plus sign
    std::from_chars(expText, res.ptr, exponent);
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
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string FullPrecision(float value)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

void AppendFullPrecision(std::string &out, double value)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendFullPrecision(std::string &out, float value)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
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
    return "'" + text + "' is not a valid floating point value";
}

namespace {

// The text in the form from_chars reads (no sign, "." as separator), or
// throws the invalid-number error. Sets negative.
std::string NormalisedNumber(const std::string &text, char sep, bool &negative)
{
    const auto fail = [&text]() -> std::string { throw EngineError(InvalidNumberMessage(text)); };
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
        return fail();
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
        return fail();

    if (!anyDigit)
        return "0";  // a lone separator reads as 0
    if (!exponent.empty() && exponent != "+" && exponent != "-")
        number += 'e' + (exponent[0] == '+' ? exponent.substr(1) : exponent);
    return number;
}

// Converts a normalised number; too small reads as zero, too large for T is
// the invalid-number error.
template <class T>
T Convert(const std::string &number, const std::string &text)
{
    T value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        long double wide = 0;
        const auto wres = std::from_chars(number.data(), number.data() + number.size(), wide);
        const bool tiny = wres.ec == std::errc() ? std::fabs(wide) < 1 : number.find("e-") != std::string::npos;
        if (!tiny)
            throw EngineError(InvalidNumberMessage(text));
        return 0;
    }
    if (res.ec != std::errc() || res.ptr != number.data() + number.size())
        throw EngineError(InvalidNumberMessage(text));
    return value;
}

}  // namespace

float ParseNumber(const std::string &text, char sep)
{
    bool negative;
    const float value = Convert<float>(NormalisedNumber(text, sep, negative), text);
    return negative ? -value : value;
}

double ParseWideNumber(const std::string &text, char sep)
{
    bool negative;
    const double value = Convert<double>(NormalisedNumber(text, sep, negative), text);
    return negative ? -value : value;
}
