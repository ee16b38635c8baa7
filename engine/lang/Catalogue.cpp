#include "lang/Catalogue.h"

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

size_t Letters(const std::string &s)
{
    size_t n = 0;
    for (const char c : s)
        n += std::isalpha(static_cast<unsigned char>(c)) != 0;
    return n;
}

size_t Letters(const std::vector<std::string> &parts)
{
    size_t n = 0;
    for (const std::string &p : parts)
        n += Letters(p);
    return n;
}

// A template with fewer letters than this is little more than punctuation.
constexpr size_t FewLetters = 5;

// Where a number that text starts with ends ("-1,5e+03 inches": at the
// space); 0 when it starts with none.
size_t NumberEnd(const std::string &text)
{
    size_t at = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    const size_t digits = at;
    while (at < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '.' || text[at] == ','))
        ++at;
    if (at == digits || !std::isdigit(static_cast<unsigned char>(text[digits])))
        return 0;
    if (at + 2 < text.size() && text[at] == 'e' && (text[at + 1] == '-' || text[at + 1] == '+') &&
        std::isdigit(static_cast<unsigned char>(text[at + 2]))) {
        at += 2;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
    }
    return at;
}

// translation with %1 … %9 replaced by the arguments' renderings.
std::string Fill(const std::string &translation, const std::vector<std::string> &args)
{
    std::string out;
    for (size_t i = 0; i < translation.size(); ++i) {
        const char c = i + 1 < translation.size() ? translation[i + 1] : 0;
        if (translation[i] == '%' && c >= '1' && c <= '9' && static_cast<size_t>(c - '1') < args.size()) {
            out += args[static_cast<size_t>(c - '1')];
            ++i;
        } else {
            out += translation[i];
        }
    }
    return out;
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
    counted.clear();
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
    // Templates: the texts with %1 … %9 in them, those with the most letters
    // first, so that "%1: %2" is tried only when nothing more particular
    // matches.
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
        else if (const size_t n = english.find("%n");
                 n != std::string::npos && english.find("%n", n + 2) == std::string::npos)
            counted.push_back({english.substr(0, n), english.substr(n + 2), &translation});
    }
    const auto literal = [](const Template &t) {
        std::pair<size_t, size_t> n{0, 0};  // letters, characters
        for (const std::string &p : t.parts)
            n = {n.first + Letters(p), n.second + p.size()};
        return n;
    };
    std::stable_sort(templates.begin(), templates.end(), [&](const Template &a, const Template &b) {
        const auto la = literal(a), lb = literal(b);
        return la != lb ? la > lb : a.parts < b.parts;
    });
    return {};
}

template <typename Found>
bool Catalogue::Match(const Template &t, const std::string &text, size_t at, size_t slot,
                      std::vector<std::string> &args, const Found &found) const
{
    const std::string &next = t.parts[slot + 1];
    const bool last = slot + 1 == t.argumentOf.size();
    for (size_t end = text.find(next, at); end != std::string::npos; end = text.find(next, end + 1)) {
        if (last && end + next.size() != text.size())
            continue;
        args[static_cast<size_t>(t.argumentOf[slot])] = text.substr(at, end - at);
        if (last ? found(args) : Match(t, text, end + next.size(), slot + 1, args, found))
            return true;
    }
    return false;
}

Catalogue::Rendering Catalogue::Render(const std::string &english, Renderings &done) const
{
    if (const auto found = texts.find(english); found != texts.end())
        return {found->second.front(), 0};
    if (std::string counts; TranslateCount(english, counts))
        return {counts, 0};
    if (const auto seen = done.find(english); seen != done.end())
        return seen->second;
    Rendering best{english, Letters(english)};
    done.emplace(english, best);  // as it is, while a template made of nothing else is tried on it
    // A number and its unit, perhaps after a caption: "Arm Length 18 inches".
    for (size_t at = 0; best.english > 0 && at < english.size(); at = english.find(' ', at + 1)) {
        const size_t from = at == 0 ? 0 : at + 1, unit = from + NumberEnd(english.substr(from));
        if (unit == from)
            continue;
        const Rendering caption = at == 0 ? Rendering{"", 0} : Render(english.substr(0, at), done);
        const auto found = texts.find(english.substr(unit));
        if (caption.english == 0 && (unit == english.size() || found != texts.end()))
            best = {caption.text + english.substr(at, unit - at) +
                        (unit == english.size() ? "" : found->second.front()),
                    0};
    }
    for (const Template &t : templates) {
        if (best.english == 0)
            break;
        if (english.compare(0, t.parts[0].size(), t.parts[0]) != 0)
            continue;
        std::vector<std::string> args(9);
        Match(t, english, t.parts[0].size(), 0, args, [&](const std::vector<std::string> &found) {
            std::vector<std::string> shown;
            size_t left = 0;
            bool worded = false, touched = false;  // arguments with letters, and of them some translated
            for (const std::string &a : found) {
                const Rendering r = a.empty() ? Rendering{a, 0} : Render(a, done);
                shown.push_back(r.text);
                left += r.english;
                worded = worded || Letters(a) > 0;
                touched = touched || (Letters(a) > 0 && r.english < Letters(a));
            }
            // "%1 and %2", "A: %1" fit inside a name as well as around it:
            // they take arguments only when some of them translate.
            if (worded && !touched && Letters(t.parts) < FewLetters)
                return false;
            if (left < best.english)
                best = {Fill(*t.translation, shown), left};
            return best.english == 0;
        });
    }
    // Lines, sentences and the items of a list, each its own text:
    // "%1 is negative. A sensible %1 is …", "Arm Length 18 inches, Wind Speed …".
    for (size_t at = 0; best.english > 0 && at + 1 < english.size(); ++at) {
        const bool stop = english[at + 1] == ' ' && (english[at] == '.' || english[at] == ',' || english[at] == ';');
        const size_t skip = english[at] == '\n' ? 1 : stop ? 2 : 0;
        if (skip == 0)
            continue;
        const size_t headEnd = english[at] == '.' ? at + 1 : at;
        const Rendering head = Render(english.substr(0, headEnd), done);
        // A sentence the catalogue holds with the blank before it, as
        // " Numbers here take a decimal point ('.')." is.
        const auto spaced = skip == 2 ? texts.find(english.substr(at + 1)) : texts.end();
        const size_t tailAt = spaced != texts.end() ? at + 1 : at + skip;
        const Rendering tail = spaced != texts.end() ? Rendering{spaced->second.front(), 0}
                                                     : Render(english.substr(tailAt), done);
        if (head.english + tail.english < best.english)
            best = {head.text + english.substr(headEnd, tailAt - headEnd) + tail.text, head.english + tail.english};
    }
    // A message given a full stop where it is shown.
    if (best.english > 0 && english.size() > 1 && english.back() == '.') {
        const Rendering bare = Render(english.substr(0, english.size() - 1), done);
        if (bare.english < best.english)
            best = {bare.text + ".", bare.english};
    }
    done[english] = best;
    return best;
}

bool Catalogue::TranslateCount(const std::string &english, std::string &out) const
{
    for (const Counted &c : counted) {
        if (english.size() <= c.before.size() + c.after.size() || english.compare(0, c.before.size(), c.before) != 0 ||
            english.compare(english.size() - c.after.size(), c.after.size(), c.after) != 0)
            continue;
        const std::string number = english.substr(c.before.size(), english.size() - c.before.size() - c.after.size());
        if (number.empty() || number.size() > 18 || number.find_first_not_of("0123456789") != std::string::npos)
            continue;
        long long n = 0;
        for (const char digit : number)
            n = n * 10 + (digit - '0');
        const size_t form = static_cast<size_t>(PluralForm(language, n));
        out = (*c.forms)[std::min(form, c.forms->size() - 1)];
        for (size_t at; (at = out.find("%n")) != std::string::npos;)
            out.replace(at, 2, number);
        return true;
    }
    return false;
}

std::string Catalogue::Translate(const std::string &english) const
{
    Renderings done;
    return Render(english, done).text;
}

const std::vector<std::string> *Catalogue::Forms(const std::string &english) const
{
    const auto found = texts.find(english);
    return found == texts.end() ? nullptr : &found->second;
}

}  // namespace lang
