// LineCountField: the rules of the Number of Lines field, for the spin field
// that shows it, the core that reads it, the data files and the line model.
#pragma once

#include <string>

// The Number of Lines field: a whole number typed with the spin field's keys,
// pulled into its limits when the flier leaves it.
namespace LineCountField {
constexpr int Min = 1;
constexpr int Max = 3;
// Whether a typed character is let into the field: the decimal separator,
// "+", "-", the digits and every character below "2" (code 50) except
// carriage return, and the characters 128 to 255. Others are dropped with a
// beep.
bool AcceptsChar(char32_t c, char decimalSeparator);
// The field's text as a whole number: optional blanks around an optional
// sign and decimal digits, within 32 bits. False for anything else.
bool ReadWholeNumber(const std::string &text, int &value);
// v pulled into min … max; no limits when the two are equal.
int Clamp(int v, int min = Min, int max = Max);
}  // namespace LineCountField
