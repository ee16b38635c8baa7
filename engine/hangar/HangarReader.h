// The hangar file's reader: a bounded cursor over its text, and the labels
// its messages name values by. Only HangarFile.cpp reads with it.
#pragma once

#include "case/DataFile.h"
#include "lang/Format.h"
#include "numbers/NumberText.h"

#include <cstddef>
#include <cstring>
#include <string>

namespace hangar_reading {

// What a value is, for a message ("'lt' of flight 3"): its parts, put
// together only when a message needs them (a record has dozens of values,
// and most reads give none). Holds what it is given for the call only.
class Label {
public:
    Label(const char *text) : templ(text) {}
    Label(const std::string &text) : tail(&text) {}
    // templ: "the id of %1", "'%1' of %2" (name, then tail).
    Label(const char *templ_, const std::string &tail_) : templ(templ_), tail(&tail_) {}
    Label(const char *templ_, const char *name_, const std::string &tail_) : templ(templ_), name(name_), tail(&tail_) {}
    std::string Text() const
    {
        if (templ == nullptr)
            return *tail;
        if (tail == nullptr)
            return templ;
        return name ? lang::Format(templ, {name, *tail}) : lang::Format(templ, {*tail});
    }

private:
    const char *templ = nullptr, *name = nullptr;
    const std::string *tail = nullptr;
};

// A cursor over the text; the first failure is kept and ends the reading.
class Reader {
public:
    explicit Reader(const std::string &text) : s(text) {}

    bool Failed() const { return !error.empty(); }
    const std::string &Error() const { return error; }
    bool Fail(const std::string &why)
    {
        if (error.empty())
            error = lang::Format("%1 (at byte %2)", {why, std::to_string(pos + 1)});
        return false;
    }

    void Blanks()
    {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t' || s[pos] == '\n' || s[pos] == '\r'))
            ++pos;
    }
    bool AtEnd()
    {
        Blanks();
        return pos >= s.size();
    }
    // Takes c if it comes next.
    bool Take(char c)
    {
        Blanks();
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool Expect(char c, const Label &what)
    {
        if (Take(c))
            return true;
        if (AtEnd())
            return Fail("the file ends too soon");
        return Fail(lang::Format("expected '%1' %2", {std::string(1, c), what.Text()}));
    }
    bool Peek(char c)
    {
        Blanks();
        return pos < s.size() && s[pos] == c;
    }

    bool String(std::string &out, const Label &what)
    {
        if (!Peek('"'))
            return AtEnd() ? Fail("the file ends too soon")
                           : Fail(lang::Format("expected a text for %1", {what.Text()}));
        ++pos;
        out.clear();
        while (pos < s.size()) {
            // A run of plain characters at once.
            std::size_t end = pos;
            while (end < s.size() && s[end] != '"' && s[end] != '\\' && static_cast<unsigned char>(s[end]) >= 32)
                ++end;
            out.append(s, pos, end - pos);
            pos = end;
            if (pos >= s.size())
                break;
            const unsigned char c = static_cast<unsigned char>(s[pos++]);
            if (c == '"')
                return true;
            if (c < 32)
                return Fail("a control character stands unescaped in a text");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (pos >= s.size())
                break;
            const char e = s[pos++];
            switch (e) {
            case '"': case '\\': case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': if (!Escape(out)) return false; break;
            default: return Fail("an unknown escape in a text");
            }
        }
        return Fail("the file ends too soon");
    }

    // A number token as JSON writes one; false (without failing) on null.
    bool NumberOrNull(std::string &token, bool &isNull, const Label &what)
    {
        Blanks();
        isNull = s.compare(pos, 4, "null") == 0;
        if (isNull) {
            pos += 4;
            return true;
        }
        const std::size_t start = pos;
        if (pos < s.size() && s[pos] == '-')
            ++pos;
        const std::size_t digits = pos;
        while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
            ++pos;
        bool ok = pos > digits && !(s[digits] == '0' && pos - digits > 1);
        if (ok && pos < s.size() && s[pos] == '.') {
            const std::size_t d = ++pos;
            while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
                ++pos;
            ok = pos > d;
        }
        if (ok && pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
            if (++pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
                ++pos;
            const std::size_t d = pos;
            while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9')
                ++pos;
            ok = pos > d;
        }
        if (!ok || pos - start > 40) {
            pos = start;
            return AtEnd() ? Fail("the file ends too soon")
                           : Fail(lang::Format("expected a number for %1", {what.Text()}));
        }
        token.assign(s, start, pos - start);
        return true;
    }

    template <class T>
    bool Number(T &v, bool nullAllowed, const Label &what)
    {
        std::string &token = numberToken;  // kept, so that no number allocates
        bool isNull = false;
        if (!NumberOrNull(token, isNull, what))
            return false;
        if (isNull) {
            if (!nullAllowed)
                return Fail(lang::Format("expected a number for %1", {what.Text()}));
            v = NAN;
            return true;
        }
        const char *end = nullptr;
        T parsed = 0;
        if (ParseText(token.data(), token.data() + token.size(), parsed, end) != ParseResult::Ok ||
            end != token.data() + token.size())
            return Fail(lang::Format("the number %1 for %2 is out of range", {token, what.Text()}));
        v = parsed;
        return true;
    }

    // The members of an object whose keys are exactly keys[0 .. count),
    // each once, in any order; member(i) reads the value of keys[i].
    template <class Member>
    bool Object(const char *const *keys, int count, const std::string &what, Member member)
    {
        if (!Expect('{', {"for %1", what}))
            return false;
        std::uint32_t seen = 0;
        int expected = 0;
        if (!Take('}')) {
            do {
                // The key after the last one first, as the writer orders them
                // and plainly quoted; then any key, read as a text.
                int i = expected < count ? TakeKey(keys[expected]) : -1;
                if (i == 0) {
                    i = expected;
                } else {
                    std::string &key = keyText;
                    if (!String(key, {"a key of %1", what}))
                        return false;
                    i = 0;
                    while (i < count && (key[0] != keys[i][0] || key != keys[i]))
                        ++i;
                    if (i == count)
                        return Fail(lang::Format("the key '%1' of %2 is not one this version knows",
                                                 {key.substr(0, 40), what}));
                }
                expected = i + 1;
                if (seen & (1u << i))
                    return Fail(lang::Format("the key '%1' of %2 appears twice", {keys[i], what}));
                seen |= 1u << i;
                if (!Expect(':', "after a key") || !member(i))
                    return false;
            } while (Take(','));
            if (!Expect('}', {"at the end of %1", what}))
                return false;
        }
        for (int i = 0; i < count; ++i)
            if (!(seen & (1u << i)))
                return Fail(lang::Format("%1 has no '%2'", {what, keys[i]}));
        return true;
    }

private:
    std::string numberToken, keyText;
    // 0 and past it when "key" comes next exactly, else -1 with nothing taken.
    int TakeKey(const char *key)
    {
        Blanks();
        const std::size_t n = std::strlen(key);
        if (pos + n + 2 > s.size() || s[pos] != '"' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '"')
            return -1;
        pos += n + 2;
        return 0;
    }
    bool Hex4(unsigned &v)
    {
        v = 0;
        for (int i = 0; i < 4; ++i, ++pos) {
            if (pos >= s.size())
                return Fail("the file ends too soon");
            const char c = s[pos];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0)
                return Fail("a bad \\u escape in a text");
            v = v * 16 + static_cast<unsigned>(d);
        }
        return true;
    }
    bool Escape(std::string &out)
    {
        unsigned c = 0;
        if (!Hex4(c))
            return false;
        if (c >= 0xDC00 && c <= 0xDFFF)
            return Fail("a lone surrogate in a text");
        if (c >= 0xD800 && c <= 0xDBFF) {
            unsigned low = 0;
            if (s.compare(pos, 2, "\\u") != 0)
                return Fail("a lone surrogate in a text");
            pos += 2;
            if (!Hex4(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return Fail("a lone surrogate in a text");
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, static_cast<char32_t>(c));
        return true;
    }

    const std::string &s;
    std::size_t pos = 0;
    std::string error;
};

}  // namespace hangar_reading
