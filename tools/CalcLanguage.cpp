#include "CalcLanguage.h"
#include "CalcArguments.h"

#include "CalcCatalogues.h"
#include "Catalogue.h"
#include "ReportLines.h"

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

// A letter or digit of a word; every byte of a UTF-8 sequence counts.
bool WordByte(char c) { return std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }

// text with each of the catalogue's texts in it translated, the longest
// first where several start at a place, and only where it stands as whole
// words: "Lap Time" in "Lap Time = 5.25 seconds", never "Id" in "Idle".
std::string TranslatePieces(const lang::Catalogue &catalogue, const std::vector<std::string> &pieces,
                            const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const std::string *found = nullptr;
        if (i == 0 || !WordByte(text[i - 1]) || !WordByte(text[i]))
            for (const std::string &piece : pieces) {
                const size_t end = i + piece.size();
                if (found != nullptr && piece.size() <= found->size())
                    continue;
                if (text.compare(i, piece.size(), piece) != 0)
                    continue;
                if (end < text.size() && WordByte(piece.back()) && WordByte(text[end]))
                    continue;
                found = &piece;
            }
        if (found != nullptr) {
            out += catalogue.Translate(*found);
            i += found->size();
        } else {
            out += text[i++];
        }
    }
    return out;
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
            throw UsageError{"--lang takes one of " + CalcLanguageList() + ", not '" + *asked + "'"};
        return language;
    }
    if (environment.empty())
        return "en";
    const std::string language = CalcLanguageOf(environment);
    if (language.empty())
        warning = "TETHRIX_LANG=" + environment + " is not a language of tethrix-calc (" + CalcLanguageList() +
                  "): English is used";
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
    if (current == nullptr)
        return ReportRows(lines);
    // What the flier typed and the values stand in the rows as marks that
    // no text of the catalogue holds, and come back after the translation.
    ReportLines marked = lines;
    std::vector<std::string> kept;
    const auto mark = [&](std::string &text) {
        kept.push_back(text);
        text = "\x01" + std::to_string(kept.size() - 1) + "\x01";
    };
    for (std::string &text : marked.inputTexts)
        mark(text);
    for (std::string &text : marked.conditionTexts)
        mark(text);
    if (!marked.comparedWith.empty())
        mark(marked.comparedWith);
    std::vector<std::string> pieces;
    for (std::string &piece : current->Texts())
        if (!piece.empty() && piece.find('%') == std::string::npos)  // templates match whole texts only
            pieces.push_back(std::move(piece));
    std::vector<ReportRow> rows = ReportRows(marked);
    for (ReportRow &row : rows) {
        // The banner is one sentence: whole, or as it is.
        const std::string said = row.text == ReportBanner ? Say(row.text) : TranslatePieces(*current, pieces, row.text);
        row.text.clear();
        for (size_t i = 0; i < said.size(); ++i) {
            const size_t end = said[i] == '\x01' ? said.find('\x01', i + 1) : std::string::npos;
            if (end == std::string::npos) {
                row.text += said[i];
                continue;
            }
            row.text += kept[std::stoul(said.substr(i + 1, end - i - 1))];
            i = end;
        }
    }
    return rows;
}
