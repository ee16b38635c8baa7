// Catalogue: the core's texts in the flier's language. The core speaks
// English; a face that shows a core text hands it to Translate, which finds
// it in the catalogue as it is, or finds the template it was made from
// (Format.h) and fills the translated template with the arguments, each
// translated in turn. A text the catalogue does not hold is shown as it
// came. Data-file keys, settings, the exchange file and tethrix-calc's
// standard output never pass through here.
//
// The catalogues are made from translations/tethrix_<language>.ts (the
// "Tethrix" context) by scripts/translations.py: a line per text, the
// English, then its translation (or its plural forms), separated by tabs,
// with \n, \t and \\ escaped; a first line "#language<TAB>de" names it.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace lang {

struct Language {
    const char *code;        // as the catalogues are named: "de", "pt_BR"
    const char *nativeName;  // as a flier of it names it: "Deutsch"
};
// English first, then the languages with catalogues.
extern const Language Languages[];
extern const int LanguageCount;

// The language of ours that a locale name asks for ("de_DE.UTF-8",
// "pt-BR", "uk"), or "en" when none: Portuguese is Brazil's.
std::string LanguageOfLocale(const std::string &locale);
// Whether a locale's region measures in metric units (all but the United
// States, Liberia and Myanmar); a locale naming no region: its language's
// usual one (English: imperial).
bool MetricLocale(const std::string &locale);
// Which of a language's plural forms n takes, in Qt's order of them:
// one/other; French and Brazilian Portuguese count 0 as one; Russian,
// Ukrainian and Polish one/few/many.
int PluralForm(const std::string &language, long long n);

class Catalogue {
public:
    // Reads a catalogue's text: the reason it cannot, or empty.
    std::string Read(const std::string &text);
    const std::string &LanguageCode() const { return language; }
    // Of the ways a text splits into a template and its arguments, the one
    // that leaves the fewest letters in English wins, its arguments being
    // translated in turn; on a tie the template with the most literal text
    // ("%1 = %2" only where nothing more particular fits). A number with a
    // unit the catalogue holds after it ("12.5 inches", "Arm Length 18
    // inches") keeps the number; lines, sentences and the items of a list
    // are translated each on its own, and a message given a full stop as
    // the one without it.
    std::string Translate(const std::string &english) const;
    // A text's plural forms as the catalogue holds them (one for a text
    // without %n), or none: for a face that picks the form itself.
    const std::vector<std::string> *Forms(const std::string &english) const;

private:
    struct Template {
        std::vector<std::string> parts;  // the literal texts around the arguments
        std::vector<int> argumentOf;     // which argument each place between them takes (0: %1)
        const std::string *translation;
    };
    // A text with %n (and no %1 …): the text around the number, and its forms.
    struct Counted {
        std::string before, after;
        const std::vector<std::string> *forms;
    };
    bool TranslateCount(const std::string &english, std::string &out) const;
    // A translation and how many letters of it are still English.
    struct Rendering {
        std::string text;
        size_t english;
    };
    using Renderings = std::unordered_map<std::string, Rendering>;
    Rendering Render(const std::string &english, Renderings &done) const;
    // Every way t's parts split text from at onwards, the arguments of
    // each handed to found; stops when found returns true.
    template <typename Found>
    bool Match(const Template &t, const std::string &text, size_t at, size_t slot, std::vector<std::string> &args,
               const Found &found) const;
    std::string language = "en";
    std::unordered_map<std::string, std::vector<std::string>> texts;
    std::vector<Template> templates;
    std::vector<Counted> counted;
};

}  // namespace lang
