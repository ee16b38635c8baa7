#include "tools/CalcLanguage.h"
#include "tools/CalcArguments.h"

#include "translations/CalcCatalogues.h"
#include "lang/Catalogue.h"
#include "lang/Format.h"
#include "case/ReportLines.h"

#include <cctype>
#include <optional>

namespace {

thread_local const lang::Catalogue *current = nullptr;

std::string Lower(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::string CalcLanguageOf(const std::string &code)
{
    const std::string language = lang::LanguageOfLocale(code);
    if (language != "en")
        return language;
    return Lower(code.substr(0, code.find_first_of("_-.@"))) == "en" ? "en" : std::string();
}

std::string CalcLanguageList()
{
    std::string list;
    for (int i = 0; i < lang::LanguageCount; ++i)
        list += (i ? ", " : "") + std::string(lang::Languages[i].code);
    return list;
}

std::string TakeCalcLanguage(std::vector<std::string> &args, const std::string &environment, std::string &warning)
{
    std::optional<std::string> asked;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<long>(i), args.end());
            break;
        }
        if (arg != "--lang" && arg.rfind("--lang=", 0) != 0) {
            rest.push_back(arg);
            continue;
        }
        if (asked)
            throw UsageError{"--lang may be given once"};
        if (arg == "--lang" && (i + 1 >= args.size() || args[i + 1].empty()))
            throw UsageError{"--lang needs a language code: one of " + CalcLanguageList()};
        asked = arg == "--lang" ? args[++i] : arg.substr(7);
    }
    args = std::move(rest);
    if (asked) {
        const std::string language = CalcLanguageOf(*asked);
        if (language.empty())
            throw UsageError{lang::Format("--lang takes one of %1, not '%2'", {CalcLanguageList(), *asked})};
        return language;
    }
    if (environment.empty())
        return "en";
    const std::string language = CalcLanguageOf(environment);
    if (language.empty())
        warning = lang::Format("TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used",
                               {environment, CalcLanguageList()});
    return language.empty() ? "en" : language;
}

CalcSpeech::CalcSpeech(const std::string &language) : before(current)
{
    current = nullptr;
    if (language == "en")
        return;
    for (int i = 0; i < CalcCatalogueCount; ++i)
        if (language == CalcCatalogues[i].language) {
            catalogue = std::make_unique<lang::Catalogue>();
            if (!catalogue->Read(CalcCatalogues[i].text).empty())
                catalogue.reset();  // checked at build time; English rather than half a catalogue
            break;
        }
    current = catalogue.get();
}

CalcSpeech::~CalcSpeech() { current = before; }

std::string Say(const std::string &english) { return current != nullptr ? current->Translate(english) : english; }

std::vector<ReportRow> SaidReportRows(const ReportLines &lines)
{
    return current == nullptr ? ReportRows(lines) : ReportRowsIn(lines, *current);
}
