#include "Catalogue.h"

#include <algorithm>
#include <cctype>

namespace lang {

const Language Languages[] = {
    {"en", "English"},  {"de", "Deutsch"}, {"fr", "Français"},   {"es", "Español"},    {"it", "Italiano"},
    {"pl", "Polski"},   {"pt_BR", "Português (Brasil)"},         {"ru", "Русский"},    {"uk", "Українська"},
};
const int LanguageCount = sizeof Languages / sizeof Languages[0];

namespace {

std::string Lower(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "de_DE.UTF-8@euro" -> {"de", "de"}; "pt-BR" -> {"pt", "br"}.
std::pair<std::string, std::string> LanguageAndRegion(const std::string &locale)
{
    const std::string name = Lower(locale.substr(0, locale.find_first_of(".@")));
    const size_t split = name.find_first_of("_-");
    if (split == std::string::npos)
        return {name, ""};
    return {name.substr(0, split), name.substr(split + 1)};
}

std::string Unescape(const std::string &s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<std::string> Split(const std::string &line, char by)
{
    std::vector<std::string> fields;
    size_t at = 0;
    for (size_t end; (end = line.find(by, at)) != std::string::npos; at = end + 1)
        fields.push_back(line.substr(at, end - at));
    fields.push_back(line.substr(at));
    return fields;
}

}  // namespace

std::string LanguageOfLocale(const std::string &locale)
{
    const auto [language, region] = LanguageAndRegion(locale);
    if (language == "pt")
        return "pt_BR";
    for (int i = 0; i < LanguageCount; ++i)
        if (language == Languages[i].code)
            return language;
    return "en";
}

bool MetricLocale(const std::string &locale)
{
    const auto [language, region] = LanguageAndRegion(locale);
    if (region.empty())
        return !language.empty() && language != "en" && language != "c" && language != "posix";
    return region != "us" && region != "lr" && region != "mm";
}

int PluralForm(const std::string &language, long long n)
{
    if (n < 0)
        n = -n;
    if (language == "fr" || language == "pt_BR")
        return n > 1 ? 1 : 0;
    if (language == "ru" || language == "uk") {
        if (n % 10 == 1 && n % 100 != 11)
            return 0;
        return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14) ? 1 : 2;
    }
    if (language == "pl") {
        if (n == 1)
            return 0;
        return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14) ? 1 : 2;
    }
    return n == 1 ? 0 : 1;
}

std::string Catalogue::Read(const std::string &text)
{
    language = "en";
    texts.clear();
    templates.clear();
    int number = 0;
    for (const std::string &line : Split(text, '\n')) {
        ++number;
        if (line.empty())
            continue;
        std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() < 2)
            return "line " + std::to_string(number) + " has no translation";
        if (fields[0] == "#language") {
            language = fields[1];
            continue;
        }
        const std::string english = Unescape(fields[0]);
        fields.erase(fields.begin());
        for (std::string &f : fields)
            f = Unescape(f);
        texts[english] = std::move(fields);
    }
    // Templates: the texts with %1 … %9 in them, the most literal first, so
    // that "%1: %2" is tried only when nothing more particular matches.
    for (const auto &[english, translation] : texts) {
        Template t{{""}, {}, &translation.front()};
        for (size_t i = 0; i < english.size(); ++i) {
            if (english[i] == '%' && i + 1 < english.size() && english[i + 1] >= '1' && english[i + 1] <= '9') {
                t.argumentOf.push_back(english[++i] - '1');
                t.parts.emplace_back();
            } else {
                t.parts.back() += english[i];
            }
        }
        if (!t.argumentOf.empty())
            templates.push_back(std::move(t));
    }
    const auto literal = [](const Template &t) {
        size_t n = 0;
        for (const std::string &p : t.parts)
            n += p.size();
        return n;
    };
    std::stable_sort(templates.begin(), templates.end(),
                     [&](const Template &a, const Template &b) { return literal(a) > literal(b); });
    return {};
}

bool Catalogue::Match(const Template &t, const std::string &text, size_t at, size_t slot,
                      std::vector<std::string> &args) const
{
    const std::string &next = t.parts[slot + 1];
    const bool last = slot + 1 == t.argumentOf.size();
    for (size_t end = text.find(next, at + 1); end != std::string::npos; end = text.find(next, end + 1)) {
        if (last && end + next.size() != text.size())
            continue;
        args[static_cast<size_t>(t.argumentOf[slot])] = text.substr(at, end - at);
        if (last || Match(t, text, end + next.size(), slot + 1, args))
            return true;
    }
    return false;
}

std::string Catalogue::Fill(const Template &t, const std::vector<std::string> &args) const
{
    std::string out;
    const std::string &translation = *t.translation;
    for (size_t i = 0; i < translation.size(); ++i) {
        const char c = i + 1 < translation.size() ? translation[i + 1] : 0;
        if (translation[i] == '%' && c >= '1' && c <= '9' && static_cast<size_t>(c - '1') < args.size()) {
            out += Translate(args[static_cast<size_t>(c - '1')]);
            ++i;
        } else {
            out += translation[i];
        }
    }
    return out;
}

std::string Catalogue::Translate(const std::string &english) const
{
    if (const auto found = texts.find(english); found != texts.end())
        return found->second.front();
    for (const Template &t : templates) {
        if (english.compare(0, t.parts[0].size(), t.parts[0]) != 0)
            continue;
        std::vector<std::string> args(9);
        if (Match(t, english, t.parts[0].size(), 0, args))
            return Fill(t, args);
    }
    return english;
}

std::string Catalogue::Count(const std::string &english, long long n) const
{
    const auto found = texts.find(english);
    std::string text = english;
    if (found != texts.end()) {
        const size_t form = static_cast<size_t>(PluralForm(language, n));
        text = found->second[std::min(form, found->second.size() - 1)];
    }
    for (size_t at; (at = text.find("%n")) != std::string::npos;)
        text.replace(at, 2, std::to_string(n));
    return text;
}

const std::vector<std::string> *Catalogue::Forms(const std::string &english) const
{
    const auto found = texts.find(english);
    return found == texts.end() ? nullptr : &found->second;
}

}  // namespace lang
