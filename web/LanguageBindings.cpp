// The page in the flier's language: the catalogue of the page's language
// (translations.py core, one file of the site per language) read into the
// module, and the core's texts and the page's own translated by it, by the
// same rule as the window's (lang::Catalogue: exact, else by template).
#include "lang/Catalogue.h"
#include "web/Reply.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>

using reply::Start, reply::Text;

namespace {

lang::Catalogue &Page()
{
    static lang::Catalogue catalogue;
    return catalogue;
}

std::string In(const char *text, uint32_t length) { return std::string(text, length); }

}  // namespace

#define EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

// English first, then each language of ours: code and native name.
EXPORT void tx_languages()
{
    Start();
    for (int i = 0; i < lang::LanguageCount; ++i) {
        Text(lang::Languages[i].code);
        Text(lang::Languages[i].nativeName);
    }
}
// 1 when a locale ("en-GB", "de") measures in metric units.
EXPORT int tx_metricLocale(const char *locale, uint32_t length) { return lang::MetricLocale(In(locale, length)); }
// Reads the page's catalogue: why it cannot, or an empty text.
EXPORT void tx_useCatalogue(const char *text, uint32_t length)
{
    Start();
    Text(Page().Read(In(text, length)));
}
EXPORT void tx_said(const char *english, uint32_t length)
{
    Start();
    Text(Page().Translate(In(english, length)));
}
// A %n text's plural forms in the page's language (none when the catalogue
// has no translation), for the page to pick by Intl.PluralRules.
EXPORT void tx_pluralForms(const char *english, uint32_t length)
{
    Start();
    if (const auto *forms = Page().Forms(In(english, length)))
        for (const std::string &form : *forms)
            Text(form);
}
