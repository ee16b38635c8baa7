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

}  // namespace lang
