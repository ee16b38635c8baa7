// Counts in the flier's language: which form a number takes, and a count
// the core wrote in English found in the catalogue under that form.
#include "lang/Catalogue.h"
#include "lang/Format.h"

#include <gtest/gtest.h>

namespace {

TEST(Plurals, each_language_gives_each_number_its_form)
{
    // The forms in Qt's order: one, few, many (or one, other).
    const struct {
        const char *language;
        int forms[6];  // of 1, 2, 5, 11, 21, 22
    } rows[] = {
        {"ru", {0, 1, 2, 2, 0, 1}}, {"uk", {0, 1, 2, 2, 0, 1}}, {"pl", {0, 1, 2, 2, 2, 1}},
        {"de", {0, 1, 1, 1, 1, 1}}, {"fr", {0, 1, 1, 1, 1, 1}}, {"en", {0, 1, 1, 1, 1, 1}},
    };
    const long long numbers[] = {1, 2, 5, 11, 21, 22};
    for (const auto &row : rows)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(lang::PluralForm(row.language, numbers[i]), row.forms[i]) << row.language << " " << numbers[i];
    EXPECT_EQ(lang::PluralForm("ru", 111), 2);
    EXPECT_EQ(lang::PluralForm("pl", 112), 2);
    EXPECT_EQ(lang::PluralForm("pl", 104), 1);
    EXPECT_EQ(lang::PluralForm("fr", 0), 0);
    EXPECT_EQ(lang::PluralForm("pt_BR", 0), 0);
    EXPECT_EQ(lang::PluralForm("de", 0), 1);
}

TEST(Plurals, a_count_is_translated_in_the_form_its_number_takes)
{
    lang::Catalogue ru;
    ASSERT_EQ(ru.Read("#language\tru\n"
                      "%n flight\t%n полёт\t%n полёта\t%n полётов\n"
                      "%n flights\t%n полёт\t%n полёта\t%n полётов\n"
                      "Deleted %1 and its %2.\tУдалён %1 и его %2.\n"),
              "");
    const char *want[] = {"1 полёт", "2 полёта", "5 полётов", "11 полётов", "21 полёт", "22 полёта"};
    int i = 0;
    for (long long n : {1, 2, 5, 11, 21, 22})
        EXPECT_EQ(ru.Translate(lang::Plural(n, "%n flight", "%n flights")), want[i++]);
    EXPECT_EQ(lang::Plural(1, "%n flight", "%n flights"), "1 flight");
    EXPECT_EQ(lang::Plural(0, "%n flight", "%n flights"), "0 flights");
    // Inside a template, and never for a text that only looks like one.
    EXPECT_EQ(ru.Translate(
                  lang::Format("Deleted %1 and its %2.", {"Nobler", lang::Plural(3, "%n flight", "%n flights")})),
              "Удалён Nobler и его 3 полёта.");
    for (const char *text : {"flights", "x flights", "1.5 flights", " 2 flights", "99999999999999999999 flights"})
        EXPECT_EQ(ru.Translate(text), text);
}

}  // namespace
