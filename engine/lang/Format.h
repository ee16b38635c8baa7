// Format: a text of the core made from a template and its arguments, as
// "The Pull Test, %1, is at or below the %2, %3." with %1 to %9 replaced
// in order. The core speaks English; each face shows a text in the flier's
// language by finding the template it was made from in the catalogue
// (Catalogue.h), so the template, not the pieces around it, is what a
// translator sees and what the catalogue holds.
#pragma once

#include <initializer_list>
#include <string>

namespace lang {

// templ with %1 … %9 replaced by args (a %k without its argument is kept).
std::string Format(const char *templ, std::initializer_list<std::string> args);
// A count in English: one when n is 1, else many, with n in place of %n
// ("%n flight", "%n flights"). The catalogue holds both under the forms of
// each language, so that "2 flights" becomes the form 2 takes there.
std::string Plural(long long n, const char *one, const char *many);
// What is counted, in its two English texts, for the faces as much as the core.
struct Noun {
    const char *one, *many;
};
extern const Noun Airplanes, Flights, Files, Laps;
inline std::string CountOf(long long n, const Noun &noun) { return Plural(n, noun.one, noun.many); }

}  // namespace lang
