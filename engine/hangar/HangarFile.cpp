// HangarFile: the canonical writer and a bounded reader that follows the
// format's shape, so that nesting, sizes and counts never exceed what the
// format has.
#include "HangarFile.h"

#include "Convert.h"
#include "DataFile.h"
#include "NumberText.h"
#include "Format.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr const char *FormatName = "tethrix-hangar";
const char *const FlightTextKeys[] = {"engine", "prop", "fuel", "setting", "handleSpacing", "tipWeight", "notes"};
constexpr int FlightTextCount = 7;

std::string *FlightTexts(Flight &f, int i)
{
    std::string *texts[] = {&f.engine, &f.prop, &f.fuel, &f.setting, &f.handleSpacing, &f.tipWeight, &f.notes};
    return texts[i];
}
const std::string &FlightText(const Flight &f, int i) { return *FlightTexts(const_cast<Flight &>(f), i); }

// ---- Writing ----

void PutString(std::string &out, const std::string &text) { AppendJsonString(out, text); }

void PutKey(std::string &out, const char *key, bool first = false);

void PutText(std::string &out, const char *key, const std::string &text, bool first = false)
{
    PutKey(out, key, first);
    PutString(out, text);
}

void PutKey(std::string &out, const char *key, bool first)
{
    if (!first)
        out += ',';
    out += '"';
    out += key;
    out += "\":";
}

template <class T>
void PutNumber(std::string &out, T v)
{
    if (std::isnan(v)) {
        out += "null";
        return;
    }
    char buffer[40];
    out.append(buffer, ShortestText(buffer, v));
}

void PutInputs(std::string &out, const AirplaneInputs &inputs)
{
    PutKey(out, "inputs");
    out += '{';
    for (int k = 0; k < AirplaneInputCount; ++k)
        PutText(out, InputKeys[k].key, inputs.text[k], k == 0);
    out += '}';
}

void PutAirplane(std::string &out, const Airplane &a)
{
    out += '{';
    PutText(out, "id", a.id, true);
    PutInputs(out, a.inputs);
    PutText(out, "notes", a.notes);
    PutText(out, "created", a.created);
    PutText(out, "changed", a.changed);
    out += '}';
}

void PutFlight(std::string &out, const Flight &f)
{
    out += '{';
    PutText(out, "id", f.id, true);
    PutText(out, "airplane", f.airplaneId);
    PutText(out, "flown", f.flown);
    PutText(out, "changed", f.changed);
    PutInputs(out, f.inputs);
    PutKey(out, "conditions");
    out += '{';
    for (int i = 0; i < ConditionKeyCount; ++i) {
        PutKey(out, InputKeys[FirstConditionKey + i].key, i == 0);
        PutNumber(out, f.conditions[i]);
    }
    out += '}';
    PutKey(out, "lapTime");
    PutNumber(out, f.lapTime);
    PutKey(out, "figures");
    out += '{';
    for (int i = 0; i < FigureCount; ++i) {
        PutKey(out, Figures[i].jsonKey, i == 0);
        PutNumber(out, f.figures[i]);
    }
    out += '}';
    for (int i = 0; i < FlightTextCount; ++i)
        PutText(out, FlightTextKeys[i], FlightText(f, i));
    out += '}';
}

template <class T, class Put>
void PutList(std::string &out, const char *key, const std::vector<T> &list, Put put)
{
    PutKey(out, key, true);
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        put(out, list[i]);
    }
    if (!list.empty())
        out += '\n';
    out += ']';
}

// ---- Reading ----

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

bool ReadInputs(Reader &r, AirplaneInputs &inputs, const std::string &what)
{
    const char *Keys[AirplaneInputCount];
    for (int k = 0; k < AirplaneInputCount; ++k)
        Keys[k] = InputKeys[k].key;
    return r.Object(Keys, AirplaneInputCount, lang::Format("the inputs of %1", {what}), [&](int k) {
        return r.String(inputs.text[k], {"'%1' of %2", Keys[k], what});
    });
}

bool ReadAirplane(Reader &r, Airplane &a, const std::string &what)
{
    static const char *const Keys[] = {"id", "inputs", "notes", "created", "changed"};
    return r.Object(Keys, 5, what, [&](int i) {
        switch (i) {
        case 0: return r.String(a.id, {"the id of %1", what});
        case 1: return ReadInputs(r, a.inputs, what);
        case 2: return r.String(a.notes, {"the notes of %1", what});
        case 3: return r.String(a.created, {"the created time of %1", what});
        default: return r.String(a.changed, {"the changed time of %1", what});
        }
    });
}

bool ReadFlight(Reader &r, Flight &f, const std::string &what)
{
    static const char *const Keys[] = {"id", "airplane", "flown", "changed", "inputs", "conditions", "lapTime",
                                       "figures", "engine", "prop", "fuel", "setting", "handleSpacing",
                                       "tipWeight", "notes"};
    const char *ConditionKeys[ConditionKeyCount];
    const char *FigureKeys[FigureCount];
    for (int i = 0; i < ConditionKeyCount; ++i)
        ConditionKeys[i] = InputKeys[FirstConditionKey + i].key;
    for (int i = 0; i < FigureCount; ++i)
        FigureKeys[i] = Figures[i].jsonKey;
    return r.Object(Keys, 15, what, [&](int i) {
        switch (i) {
        case 0: return r.String(f.id, {"the id of %1", what});
        case 1: return r.String(f.airplaneId, {"the airplane of %1", what});
        case 2: return r.String(f.flown, {"the flown time of %1", what});
        case 3: return r.String(f.changed, {"the changed time of %1", what});
        case 4: return ReadInputs(r, f.inputs, what);
        case 5:
            return r.Object(ConditionKeys, ConditionKeyCount, lang::Format("the conditions of %1", {what}), [&](int k) {
                return r.Number(f.conditions[k], false, {"'%1' of %2", ConditionKeys[k], what});
            });
        case 6: return r.Number(f.lapTime, true, {"the lap time of %1", what});
        case 7:
            return r.Object(FigureKeys, FigureCount, lang::Format("the figures of %1", {what}), [&](int k) {
                return r.Number(f.figures[k], true, {"'%1' of %2", FigureKeys[k], what});
            });
        default: return r.String(*FlightTexts(f, i - 8), {"the %1 of %2", Keys[i], what});
        }
    });
}

// The elements of an array, at most max of them, each read by element(n)
// with n counted from 1.
template <class Element>
bool List(Reader &r, const char *what, std::size_t max, const char *tooMany, Element element)
{
    if (!r.Expect('[', std::string("for the ") + what))
        return false;
    if (r.Take(']'))
        return true;
    std::size_t n = 0;
    do {
        if (++n > max)
            return r.Fail(tooMany);
        if (!element(n))
            return false;
    } while (r.Take(','));
    return r.Expect(']', std::string("at the end of the ") + what);
}

}  // namespace

HangarText HangarFileText(const Hangar &hangar)
{
    HangarText result;
    std::string &out = result.text;
    out = "{\"format\":\"tethrix-hangar\",\"version\":" + std::to_string(HangarFileVersion) + ",\n";
    PutList(out, "airplanes", hangar.Airplanes(), PutAirplane);
    out += ",\n";
    PutList(out, "flights", hangar.Flights(), PutFlight);
    out += "}\n";
    if (out.size() > MaxHangarFileBytes) {
        result.text.clear();
        result.error = "The hangar is too large for one file of at most 16 MiB: export its airplanes apart";
    }
    return result;
}

HangarRead ReadHangarFile(const std::string &content)
{
    HangarRead result;
    const auto refuse = [&](const std::string &why) {
        result.error = lang::Format("This is not a hangar file Tethrix can read: %1", {why});
        return result;
    };
    if (content.size() > MaxHangarFileBytes)
        return refuse("it is larger than 16 MiB");
    if (!IsValidUtf8(content))
        return refuse("it is not valid UTF-8 text");
    Reader r(content);
    std::vector<Airplane> airplanes;
    std::vector<Flight> flights;
    static const char *const Keys[] = {"format", "version", "airplanes", "flights"};
    int next = 0;  // "format" and "version" must come first, in order
    const bool read = r.Object(Keys, 4, "the file", [&](int i) {
        if (i != next && next < 2)
            return r.Fail("the file does not start with \"format\" and \"version\"");
        ++next;
        std::string text;
        switch (i) {
        case 0:
            if (!r.String(text, "the format"))
                return false;
            return text == FormatName || r.Fail("its format is not \"tethrix-hangar\"");
        case 1: {
            double version = 0;
            if (!r.Number(version, false, "the version"))
                return false;
            if (version > HangarFileVersion && version == std::floor(version) && version < 1e9)
                return r.Fail(
                    lang::Format("it is a hangar file of version %1, from a newer Tethrix; this one reads "
                                 "version %2",
                                 {std::to_string(static_cast<long>(version)), std::to_string(HangarFileVersion)}));
            return version == HangarFileVersion || r.Fail("its version is not a hangar file version");
        }
        case 2:
            return List(r, "airplanes", MaxAirplanes, "it holds more than 10,000 airplanes", [&](std::size_t n) {
                const std::string what = lang::Format("airplane %1", {std::to_string(n)});
                airplanes.emplace_back();
                if (!ReadAirplane(r, airplanes.back(), what))
                    return false;
                const std::string e = CheckAirplane(airplanes.back());
                return e.empty() || r.Fail(lang::Format("%1: %2", {what, e}));
            });
        default:
            return List(r, "flights", MaxFlights, "it holds more than 1,000,000 flights", [&](std::size_t n) {
                const std::string what = lang::Format("flight %1", {std::to_string(n)});
                flights.emplace_back();
                if (!ReadFlight(r, flights.back(), what))
                    return false;
                const std::string e = CheckFlight(flights.back());
                return e.empty() || r.Fail(lang::Format("%1: %2", {what, e}));
            });
        }
    });
    if (!read)
        return refuse(r.Error());
    if (!r.AtEnd())
        return refuse("something follows the end of the hangar");
    if (std::string e = result.hangar.Assign(std::move(airplanes), std::move(flights)); !e.empty())
        return refuse(e);
    return result;
}

std::string AirplaneRecordText(const Airplane &airplane)
{
    std::string out;
    PutAirplane(out, airplane);
    return out;
}

std::string FlightRecordText(const Flight &flight)
{
    std::string out;
    PutFlight(out, flight);
    return out;
}

namespace {

template <class Record, class ReadRecord, class CheckRecord>
std::string ReadOneRecord(const std::string &text, Record &record, const char *what, ReadRecord read,
                          CheckRecord check)
{
    if (text.size() > MaxHangarFileBytes || !IsValidUtf8(text))
        return lang::Format("the %1 is not valid UTF-8 text of at most 16 MiB", {what});
    Reader r(text);
    Record read_{};
    if (!read(r, read_, what))
        return r.Error();
    if (!r.AtEnd())
        return lang::Format("something follows the end of the %1", {what});
    if (std::string e = check(read_); !e.empty())
        return e;
    record = std::move(read_);
    return {};
}

}  // namespace

std::string ReadAirplaneRecord(const std::string &text, Airplane &airplane)
{
    return ReadOneRecord(text, airplane, "airplane", ReadAirplane, CheckAirplane);
}

std::string ReadFlightRecord(const std::string &text, Flight &flight)
{
    return ReadOneRecord(text, flight, "flight", ReadFlight, CheckFlight);
}
