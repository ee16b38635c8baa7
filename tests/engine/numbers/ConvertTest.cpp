// Number formatting and parsing as every field and label uses them.
#include "numbers/Convert.h"
#include "numbers/EngineError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(FormatNumber, four_significant_digits)
{
    const struct { double value; const char *text; } rows[] = {
        {35.23456, "35.23"}, {0.015, "0.015"}, {58, "58"}, {1234.6, "1235"}, {9999.7, "1E4"},
        {12345, "1.235E4"}, {0.0001, "0.0001"}, {0.00001234, "1.234E-5"}, {-0.5, "-0.5"},
        {0, "0"}, {4.9f, "4.9"}, {0.015f, "0.015"}, {12000, "1.2E4"}, {1e-30, "1E-30"},
        {1.0625, "1.063"},  // an exact tie rounds up, not to even
        {-1234.56, "-1235"}, {100, "100"}, {0.00099996, "0.001"}};
    for (const auto &row : rows)
        EXPECT_EQ(FormatNumber(row.value, 4), row.text) << row.value;
}

TEST(FormatNumber, special_values_separator_and_six_digits)
{
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), 4), "INF");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), 4), "INF");
    EXPECT_EQ(FormatNumber(std::nan(""), 4), "NAN");
    EXPECT_EQ(FormatNumber(35.23456, 4, ','), "35,23");
    EXPECT_EQ(FormatNumber(0.00001234, 4, ','), "1,234E-5");
    EXPECT_EQ(FormatNumber(512.25, 6), "512.25");
    EXPECT_EQ(FormatNumber(512, 6), "512");
    EXPECT_EQ(FormatNumber(123456.7, 6), "123457");
    EXPECT_EQ(FormatNumber(1234567, 6), "1.23457E6");
}

TEST(ParseNumber, accepts_the_field_grammar)
{
    const struct { const char *text; float value; } rows[] = {
        {"58", 58}, {" 58 ", 58}, {"+1.5", 1.5f}, {"-0.5", -0.5f}, {".015", 0.015f}, {"1.", 1},
        {".", 0}, {"1E", 1}, {"1e3", 1000}, {"2E-2", 0.02f}, {"1E+2", 100}, {"1e-50", 0},
        {"3.4E38", 3.4e38f}};
    for (const auto &row : rows)
        EXPECT_EQ(ParseNumber(row.text), row.value) << row.text;
    EXPECT_EQ(ParseNumber("35,5", ','), 35.5f);
    EXPECT_EQ(ParseNumber(",", ','), 0);
}

TEST(ParseNumber, rejects_what_is_not_a_number_with_the_text_in_the_message)
{
    for (const char *text : {"", "-", "+", "x", "1x", "1.2.3", "1,5", "\t1", "1 2", "E5", "inf",
                             "nan", "0x10", "1E39", "-1E39"})
        EXPECT_FALSE(ParseNumber(text)) << "accepted '" << text << "'";
    EXPECT_FALSE(ParseNumber("1.5", ','));
    EXPECT_EQ(InvalidNumberMessage("1x"), "'1x' is not a valid floating point value");
}

}  // namespace
