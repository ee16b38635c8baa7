// NumberText: the number-to-text and text-to-number conversions the engine
// builds on, exact on every platform. Where the standard library has
// floating-point <charconv> they are std::to_chars and std::from_chars;
// where it has not (the WebAssembly build's libc++) the Portable functions
// give the same characters and values by exact integer arithmetic on the
// numbers' decimal and binary digits. Both are compiled everywhere, and
// the tests compare them.
#pragma once

#include <string>

// As std::to_chars(first, last, v): the shortest text that reads back as v,
// fixed or scientific, whichever is shorter. At most 32 characters.
char *ShortestText(char *first, double v);
char *ShortestText(char *first, float v);
// As std::to_chars with chars_format::scientific and a precision.
std::string ScientificText(double v, int precision);
// As std::to_chars with chars_format::fixed and a precision.
std::string FixedText(double v, int precision);

enum class ParseResult { Ok, OutOfRange, Invalid };
// As std::from_chars (chars_format::general) over [first, last): the number
// at the start, end set after it. OutOfRange when it rounds to 0 or to an
// infinity; v is then left as it was.
ParseResult ParseText(const char *first, const char *last, double &v, const char *&end);
ParseResult ParseText(const char *first, const char *last, float &v, const char *&end);

// The portable versions on their own.
char *PortableShortestText(char *first, double v);
char *PortableShortestText(char *first, float v);
std::string PortableScientificText(double v, int precision);
std::string PortableFixedText(double v, int precision);
ParseResult PortableParseText(const char *first, const char *last, double &v, const char *&end);
ParseResult PortableParseText(const char *first, const char *last, float &v, const char *&end);
