#include "case/DataFile.h"

#include "case/LineCountField.h"

#include "numbers/Convert.h"
#include "numbers/EngineError.h"
#include "numbers/NumberText.h"
#include "lang/Format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

std::string Fixed6(float v) { return FixedText(static_cast<double>(v), 6); }

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }



// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined map to
// the C1 controls of the same value, as Windows itself converts them.
constexpr char32_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};


// Decodes one UTF-8 sequence at text[i]; returns its length, 0 if invalid
// (overlong forms, surrogates and values beyond U+10FFFF included).
size_t DecodeUtf8(const std::string &text, size_t i, char32_t &c)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    size_t length;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(const std::string &text)
{
    char32_t c;
    for (size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {  // the common case, at once
            ++i;
            continue;
        }
        const size_t n = DecodeUtf8(text, i, c);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string NameFromFileBytes(const std::string &bytes)
{
    if (IsValidUtf8(bytes))
        return bytes;
    std::string out;
    for (unsigned char b : bytes)
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char32_t(b));
    return out;
}

std::string NameToFileBytes(const std::string &utf8)
{
    if (!IsValidUtf8(utf8))
        return utf8;  // bytes of unknown meaning stay as they are
    std::string out;
    char32_t c;
    for (size_t i = 0; i < utf8.size();) {
        i += DecodeUtf8(utf8, i, c);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const char32_t *found = std::find(std::begin(Cp1252High), std::end(Cp1252High), c);
        if (found == std::end(Cp1252High))
            return utf8;  // a character Windows-1252 cannot hold: the whole name in UTF-8
        out += static_cast<char>(0x80 + (found - std::begin(Cp1252High)));
    }
    // Windows-1252 bytes that happen to be valid UTF-8 ("Ã©" is C3 A9, the
    // UTF-8 of "é") would read back as something else: such a name goes out
    // in UTF-8, which reads back as typed.
    if (out != utf8 && IsValidUtf8(out))
        return utf8;
    return out;
}

std::string DataFileText(const FlightCase &fc)
{
    std::string s;
    s += "an=" + NameToFileBytes(fc.AcName) + "\r\n";
    s += "nl=" + std::to_string(fc.NumLines) + "\r\n";
    for (int k = 0; k < FirstConditionKey; ++k)
        if (const InputKey &key = InputKeys[k]; key.field != nullptr)
            s += std::string(key.key) + "=" + Fixed6(fc.*(key.field)) + "\r\n";
    return s;
}

std::vector<DataFileEntry> ParseDataFile(const std::string &content)
{
    std::vector<DataFileEntry> entries;
    const char *const text = content.data();
    const size_t size = content.size();
    // A byte-order mark belongs to no key.
    size_t start = size >= 3 && content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < size) {
        // Every search stays inside its own line, so the time is linear in
        // the size of the file.
        const void *lineFeed = std::memchr(text + start, '\n', size - start);
        const size_t end = lineFeed ? static_cast<size_t>(static_cast<const char *>(lineFeed) - text) : size;
        const void *equals = std::memchr(text + start, '=', end - start);
        if (equals != nullptr) {
            const size_t eq = static_cast<size_t>(static_cast<const char *>(equals) - text);
            std::string key;
            for (size_t i = start; i < eq && key.size() <= 2; ++i)
                if (static_cast<unsigned char>(text[i]) > 32)
                    key += Lower(text[i]);
            size_t valueEnd = eq + 1;
            while (valueEnd < end && static_cast<unsigned char>(text[valueEnd]) >= 32)
                ++valueEnd;
            if (valueEnd > eq + 1) {
                // The nine airplane inputs, in the table's order.
                for (int k = 0; k < FirstConditionKey; ++k) {
                    if (key == InputKeys[k].key) {
                        entries.push_back({key, content.substr(eq + 1, valueEnd - eq - 1)});
                        break;
                    }
                }
            }
        }
        start = end + 1;
    }
    return entries;
}

int WholeNumberPrefix(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            v = static_cast<long long>(INT_MAX) + 1;  // saturate like strtol
    }
    if (negative)
        v = -v;
    if (v > INT_MAX)
        v = INT_MAX;
    return static_cast<int>(v);
}

double DecimalNumberPrefix(const std::string &text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsCSpace(text[i]))
        ++i;
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool digits = false;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == '.') {
        number += text[i++];
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (j < n && text[j] >= '0' && text[j] <= '9') {
            while (j < n && text[j] >= '0' && text[j] <= '9')
                exponent += text[j++];
            number += exponent;
        }
    }
    double v = 0;
    const char *end = nullptr;
    if (ParseText(number.data(), number.data() + number.size(), v, end) == ParseResult::OutOfRange) {
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number[0] == '-';
        v = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        if (negative)
            v = -v;
    }
    return v;
}

void ApplyDataFileEntries(const std::vector<DataFileEntry> &entries, DataFileTarget &target)
{
    for (const DataFileEntry &e : entries) {
        if (e.key == "an") {
            target.SetName(NameFromFileBytes(e.value));
        } else if (e.key == "nl") {
            target.SetLines(WholeNumberPrefix(e.value));
        } else if (const InputKey *k = FindInputKey(e.key); k != nullptr && k->field != nullptr) {
            const double v = DecimalNumberPrefix(e.value);
            if (std::fabs(v) <= std::numeric_limits<float>::max())
                target.SetNumber(*k, static_cast<float>(v));
        }
    }
}

FlightCaseTarget::FlightCaseTarget(FlightCase &flightCase,
                                   const std::function<std::string(const InputKey &)> &shownText)
    : fc(flightCase), shownLines(LineCountField::Clamp(fc.NumLines)), shownText(shownText)
{
}

void FlightCaseTarget::Changed(const InputKey &key)
{
    if (std::find(changed.begin(), changed.end(), &key) == changed.end())
        changed.push_back(&key);
}

void FlightCaseTarget::SetName(const std::string &name)
{
    fc.AcName = CutName(name);
    Changed(KeyOf(Input::AirplaneName));
}

void FlightCaseTarget::SetLines(int count)
{
    Changed(KeyOf(Input::LineCount));
    fc.NumLines = count;
    const int shown = LineCountField::Clamp(count);
    if (shown != shownLines)
        fc.NumLines = shownLines = shown;
}

void FlightCaseTarget::SetNumber(const InputKey &key, float value)
{
    auto it = std::find_if(shown.begin(), shown.end(), [&](const auto &s) { return s.first == &key; });
    if (it == shown.end()) {
        shown.emplace_back(&key, shownText ? shownText(key) : FormatNumber(fc.*(key.field), key.digits));
        it = shown.end() - 1;
    }
    const std::string text = FormatNumber(value, key.digits);
    fc.*(key.field) = value;
    if (text == it->second)
        return;  // the field's text stays as it was: no change reads it back
    it->second = text;
    Changed(key);
    // Within a rounding of the single-precision limit the shown text no
    // longer fits; the value stays as read.
    if (const std::optional<float> shown = ParseNumber(text))
        fc.*(key.field) = *shown;
}

std::string CutName(const std::string &name)
{
    size_t chars = 0;
    int continuations = 3;
    for (size_t i = 0; i < name.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(name[i]) & 0xC0) == 0x80;
        if (continuation && continuations < 3) {
            ++continuations;
            continue;
        }
        if (chars == static_cast<size_t>(MaxNameLength))
            return name.substr(0, i);
        ++chars;
        continuations = continuation ? 3 : 0;
    }
    return name;
}

std::string OpenFailure(const std::string &fileName, const std::string &reason)
{
    return lang::Format("Cannot Open File %1", {fileName}) + "\n" + reason;
}
