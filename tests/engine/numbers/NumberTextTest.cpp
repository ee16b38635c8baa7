// What the WebAssembly build computes number texts with instead of
// floating-point <charconv> gives, on this machine, exactly what
// std::to_chars and std::from_chars give.
#include "numbers/NumberText.h"
#include "tests/engine/numbers/Random.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

using randomcases::Random;

TEST(PortableNumberText, gives_the_characters_and_values_of_charconv)
{
    Random r(11);
    char mine[64], theirs[64];
    for (int i = 0; i < 60000; ++i) {
        uint64_t bits = r.next();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (i % 3 == 0)
            d = r.between(-1e6, 1e6);
        if (i % 5 == 0)
            d = static_cast<double>(r.extreme());
        if (std::isnan(d))
            continue;
        const float f = static_cast<float>(r.extreme());
        ASSERT_EQ(std::string(mine, PortableShortestText(mine, d)),
                  std::string(theirs, std::to_chars(theirs, theirs + 64, d).ptr));
        ASSERT_EQ(std::string(mine, PortableShortestText(mine, f)),
                  std::string(theirs, std::to_chars(theirs, theirs + 64, f).ptr));
        if (i % 10 == 0 && std::fabs(d) < 1e30) {
            ASSERT_EQ(PortableScientificText(d, 30), ScientificText(d, 30));
            ASSERT_EQ(PortableFixedText(d, 6), FixedText(d, 6));
        }
        // Texts of the numbers' grammar, exact and out of range.
        std::string text = std::to_string(r.below(100000)) + "." + std::to_string(r.below(1000000));
        if (r.below(2))
            text += "e" + std::to_string(r.below(700) - 350);
        if (r.below(2))
            text = "-" + text;
        for (const std::string &t : {text, std::string(mine, PortableShortestText(mine, d))}) {
            double pd = -7, sd = -7;
            float pf = -7, sf = -7;
            const char *pe, *se;
            const ParseResult a = PortableParseText(t.data(), t.data() + t.size(), pd, pe);
            const ParseResult b = ParseText(t.data(), t.data() + t.size(), sd, se);
            ASSERT_EQ(a, b) << t;
            ASSERT_EQ(pe, se) << t;
            ASSERT_EQ(std::memcmp(&pd, &sd, sizeof pd), 0) << t;
            ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pf, pe),
                      ParseText(t.data(), t.data() + t.size(), sf, se)) << t;
            ASSERT_EQ(std::memcmp(&pf, &sf, sizeof pf), 0) << t;
        }
    }
}

// Where a text or a rounding is hardest: texts exactly between two doubles
// or floats (ties go to the even one), a digit off either way, 800 digits
// and more, the ends of the ranges; and printf's roundings of halves.
TEST(PortableNumberText, rounds_ties_long_texts_and_the_ends_of_the_range_as_charconv)
{
    const auto parsesAlike = [](const std::string &t) {
        double pd = -7, sd = -7;
        float pf = -7, sf = -7;
        const char *pe, *se;
        ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pd, pe),
                  ParseText(t.data(), t.data() + t.size(), sd, se)) << t;
        ASSERT_EQ(pe, se) << t;
        ASSERT_EQ(std::memcmp(&pd, &sd, sizeof pd), 0) << t;
        ASSERT_EQ(PortableParseText(t.data(), t.data() + t.size(), pf, pe),
                  ParseText(t.data(), t.data() + t.size(), sf, se)) << t;
        ASSERT_EQ(std::memcmp(&pf, &sf, sizeof pf), 0) << t;
    };
    Random r(29);
    char buf[1200];
    for (int i = 0; i < 3000; ++i) {
        uint64_t bits = r.next() & 0x7FEFFFFFFFFFFFFFull;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (i % 3 == 0)
            d = std::ldexp(1 + r.unit(), r.below(80) - 40);
        float f = static_cast<float>(d);
        if (!(f < FLT_MAX))
            f = 1 + static_cast<float>(r.unit());
        // The midpoints, exactly: in long double (64 bits) and in double.
        const long double mid = (static_cast<long double>(d) + std::nextafter(d, HUGE_VAL)) / 2;
        const double fmid = (static_cast<double>(f) + std::nextafter(f, HUGE_VALF)) / 2.0;
        for (const std::string &exact : {std::string(buf, std::to_chars(buf, buf + sizeof buf, mid,
                                                                        std::chars_format::scientific, 800).ptr),
                                         std::string(buf, std::to_chars(buf, buf + sizeof buf, fmid,
                                                                        std::chars_format::scientific, 150).ptr)}) {
            const size_t e = exact.find('e'), last = exact.find_last_not_of('0', e - 1);
            const std::string tie = exact.substr(0, last + 1) + exact.substr(e);
            parsesAlike(tie);
            parsesAlike(tie.substr(0, last) + static_cast<char>(tie[last] - 1) + exact.substr(e));  // below
            parsesAlike(tie.substr(0, last + 1) + "0001" + exact.substr(e));                      // above
            parsesAlike(exact.substr(0, e) + std::string(400, '0') + "1" + exact.substr(e));      // past the cut
        }
    }
    for (const char *t : {"0", "-0", "0e999999999999", "1e-400", "2.4703282292062327e-324", "2.4703282292062328e-324",
                          "4.9406564584124654e-324", "1.7976931348623157e308", "1.7976931348623158e308",
                          "1.797693134862315807e308", "1e309", "3.4028235e38", "3.40282357e38", "7e-46", "1e-45",
                          "00000.000001234500000e+3", "9007199254740993", "123456789012345678901234567890"})
        parsesAlike(t);
    for (double v : {0.5, 1.5, 2.5, 0.125, 0.375, -0.625, 1e22, 0.0005, 0.00049999999999999999, -0.0, 5e-324,
                     1.7976931348623157e308, 999.9995, 0.9999999})
        for (int precision = 0; precision <= 3; ++precision) {
            EXPECT_EQ(PortableFixedText(v, precision), FixedText(v, precision)) << v << " " << precision;
            EXPECT_EQ(PortableScientificText(v, precision), ScientificText(v, precision)) << v << " " << precision;
        }
}

}  // namespace
