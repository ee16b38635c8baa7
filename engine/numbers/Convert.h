// Convert: the one number-to-text format and the one text-to-number
// conversion that every field, label, stored setting and report shares.
#pragma once

#include <optional>
#include <string>

// value with P significant digits, trailing zeros dropped; fixed notation
// when the decimal exponent E (value = 0.d1d2… × 10^E) is within −3 … P,
// scientific ("1.235E4", "1.234E-5") otherwise. Ties round away from zero.
// 0 gives "0", infinity "INF", not-a-number "NAN".
std::string FormatNumber(double value, int digits, char decimalSeparator = '.');

// Leading and trailing spaces, an optional sign, digits with an optional
// decimal separator (a lone separator reads as 0), an optional exponent
// whose digits may be missing ("1E" is 1). Anything else, and any number
// beyond the single-precision range, is none: the error to show is then
// InvalidNumberMessage(text).
std::optional<float> ParseNumber(const std::string &text, char decimalSeparator = '.');

// The same grammar in double precision, for ranges that are not stored in a
// single-precision field.
std::optional<double> ParseWideNumber(const std::string &text, char decimalSeparator = '.');

// The fewest digits that read back as exactly this double (or float), with
// a point: the form scripts get.
std::string FullPrecision(double value);
std::string FullPrecision(float value);
// The same, appended to out without a temporary.
void AppendFullPrecision(std::string &out, double value);
void AppendFullPrecision(std::string &out, float value);

// text as a JSON string, quotes and escapes included, appended to out.
void AppendJsonString(std::string &out, const std::string &text);

// The invalid-number message for text.
std::string InvalidNumberMessage(const std::string &text);
