// The core's texts made from templates, and a catalogue finding them again
// whole in another language.
#include "lang/Catalogue.h"
#include "lang/Format.h"
#include "hangar/HangarLog.h"
#include "case/InputNotes.h"
#include "laps/LapTaps.h"

#include <gtest/gtest.h>

namespace {

// German, a few rows: whole texts, templates, and templates that hold
// another note or a short join of two.
const char *const German = "#language\tde\n"
                           "Line Length\tLeinenlänge\n"
                           "Wing Area\tFlügelfläche\n"
                           " feet\t Fuß\n"
                           "%1 = %2\t%1 = %2\n"
                           "%1 (%2)\t%1 (%2)\n"
                           "%1 (at byte %2)\t%1 (bei Byte %2)\n"
                           "%1 is %2, which has no physical meaning.\t%1 ist %2, was physikalisch sinnlos ist.\n"
                           "%1 A sensible %2 is %3.\t%1 Sinnvoll ist für %2 %3.\n"
                           "%1 to %2\t%1 bis %2\n"
                           "The %1 is missing\t%1 fehlt\n"
                           "Lap %1: %2\tRunde %1: %2\n"
                           "A: %1\tA: %1\n"
                           "%1 and %2\t%1 und %2\n"
                           "%1 is %2, outside the %3 the line model takes%4.\t%1 ist %2, außerhalb %3%4.\n"
                           "%1 It is calculated as %2.\t%1 Gerechnet wird mit %2.\n";

lang::Catalogue Read(const char *text)
{
    lang::Catalogue c;
    EXPECT_EQ(c.Read(text), "");
    return c;
}

}  // namespace

TEST(Lang, format_fills_arguments_in_any_order_and_keeps_a_missing_one)
{
    EXPECT_EQ(lang::Format("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(lang::Format("%1%% and %3", {"x"}), "x%% and %3");
    EXPECT_EQ(lang::Format("no arguments", {}), "no arguments");
}

TEST(Lang, translate_prefers_the_split_whose_arguments_translate_and_longer_templates)
{
    const lang::Catalogue de = Read(German);
    const struct {
        const char *english, *german;
    } rows[] = {
        {"Wing Area", "Flügelfläche"},
        {"Nothing known", "Nothing known"},
        {"12.5 feet", "12.5 Fuß"},  // a number and its unit
        {"Line Length = -1,5e+03 feet", "Leinenlänge = -1,5e+03 Fuß"},
        {"the key (at byte 7)", "the key (bei Byte 7)"},  // not "%1 (%2)"
        {"The Wing Area is missing", "Flügelfläche fehlt"},
        // A note holding another: the first template that matches would
        // put the second sentence in the first one's %2.
        {"Line Length is 0 feet, which has no physical meaning. A sensible Line Length is 10 to 100 feet.",
         "Leinenlänge ist 0 Fuß, was physikalisch sinnlos ist. Sinnvoll ist für Leinenlänge 10 bis 100 Fuß."},
        {"Line Length is 500 feet, outside the 10 to 300 feet the line model takes. It is calculated as 300 feet.",
         "Leinenlänge ist 500 Fuß, außerhalb 10 bis 300 Fuß. Gerechnet wird mit 300 Fuß."},
        {"A: ", "A: "},  // an empty argument
        {"Line Length 60 feet, Wing Area 12,5", "Leinenlänge 60 Fuß, Flügelfläche 12,5"},
        {"The Wing Area is missing. 12.5 feet\nLine Length", "Flügelfläche fehlt. 12.5 Fuß\nLeinenlänge"},
        {"Lap 3: 4.5 feet (Wing Area)", "Runde 3: 4.5 Fuß (Flügelfläche)"},
        // A short template ("Lap %1: %2", "%1 and %2", "A: %1") takes no
        // arguments nothing of which translates: it would reach into names.
        {"Lap 3: odd (unknown)", "Lap 3: odd (unknown)"},
        {"A: Nobler and Son", "A: Nobler and Son"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(de.Translate(row.english), row.german) << row.english;
}

TEST(Lang, a_template_made_of_an_argument_alone_ends)
{
    const lang::Catalogue c = Read("#language\tde\n%1\t[%1]\nA\tB\n");
    EXPECT_EQ(c.Translate("A"), "B");
    EXPECT_EQ(c.Translate("xyz"), "xyz");
}

TEST(Lang, composed_messages_of_the_core_translate_whole_with_their_numbers)
{
    const lang::Catalogue de = Read("#language\tde\n"
                                    "Line Length (Eye to Eye)\tLeinenlänge (Öse zu Öse)\n"
                                    "%1 takes a number, such as %2.\t%1 nimmt eine Zahl, etwa %2.\n"
                                    " Numbers here take a decimal comma (',').\t Zahlen hier mit Dezimalkomma (',').\n"
                                    "%1 s\t%1 s\n"
                                    "Lap %1: %2 (missed tap, left out)\tRunde %1: %2 (Tippen verpasst, ausgelassen)\n"
                                    "From %1: %2.\tAus %1: %2.\n"
                                    "Added %1\tNeu: %1\n"
                                    "%1 (%2)\t%1 (%2)\n"
                                    "%n airplanes\t%n Flugzeug\t%n Flugzeuge\n"
                                    "%1 and %2\t%1 und %2\n"
                                    "%n flights\t%n Flug\t%n Flüge\n"
                                    "Handle Angle\tGriffwinkel\n"
                                    "Temprature\tTemperatur\n"
                                    " deg.\t Grad\n"
                                    " deg\t Grad\n"
                                    " deg. F\t °F\n");
    EXPECT_EQ(de.Translate(AdviceOnText(KeyOf(Input::LineLength), DisplayUnits::Imperial, ',', "1.5").text),
              "Leinenlänge (Öse zu Öse) nimmt eine Zahl, etwa 58. Zahlen hier mit Dezimalkomma (',').");
    EXPECT_EQ(de.Translate(LapLine(3, {12.345, LapKind::MissedTap}, ',')),
              "Runde 3: 12,345 s (Tippen verpasst, ausgelassen)");
    ImportSummary added;
    added.addedAirplanes = {"Ringcruiser", "Nobler"};
    added.addedFlights = 2;
    EXPECT_EQ(de.Translate(ImportSummaryText(added, "club.json")),
              "Aus club.json: Neu: 2 Flugzeuge (Ringcruiser, Nobler) und 2 Flüge.");
    // The conditions line: each item a caption, a number and its unit.
    EXPECT_EQ(de.Translate("Handle Angle 0 deg., Temprature 75 deg. F, Handle Angle 1 deg."),
              "Griffwinkel 0 Grad, Temperatur 75 °F, Griffwinkel 1 Grad");
}
