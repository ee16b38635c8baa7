#include "DataFile.h"

#include "Convert.h"
#include "EngineError.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

std::string Fixed6(float v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::fixed, 6);
    if (res.ec != std::errc())
        return "0.000000";
    return std::string(buf, res.ptr);
}

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

const char *const Keys[] = {"an", "nl", "ls", "ll", "wl", "hl", "wt", "lt", "wa"};

// The name as the 70-character field keeps it. Characters are counted as
// UTF-8 sequences; stray continuation bytes count one each, as the field's
// decoding turns each into a replacement character.
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

}  // namespace

std::string DataFileText(const FlightCase &fc)
{
    std::string s;
    s += "an=" + fc.AcName + "\r\n";
    s += "nl=" + std::to_string(fc.NumLines) + "\r\n";
    const std::pair<const char *, float> numbers[] = {
        {"ls", fc.LineDia}, {"ll", fc.LineLength}, {"wl", fc.WingLength}, {"hl", fc.HndlLngth},
        {"wt", fc.Weight},  {"lt", fc.LapTime},    {"wa", fc.WingArea}};
    for (const auto &n : numbers)
        s += std::string(n.first) + "=" + Fixed6(n.second) + "\r\n";
    return s;
}

std::vector<DataFileEntry> ParseDataFile(const std::string &content)
{
    std::vector<DataFileEntry> entries;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        const size_t eq = content.find('=', start);
        if (eq < end) {
            std::string key;
            for (size_t i = start; i < eq; ++i)
                if (static_cast<unsigned char>(content[i]) > 32)
                    key += Lower(content[i]);
            size_t valueEnd = eq + 1;
            while (valueEnd < end && static_cast<unsigned char>(content[valueEnd]) >= 32)
                ++valueEnd;
            if (valueEnd > eq + 1) {
                for (const char *k : Keys) {
                    if (key == k) {
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
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
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
            target.SetName(e.value);
        } else if (e.key == "nl") {
            target.SetLines(WholeNumberPrefix(e.value));
        } else if (const InputKey *k = FindInputKey(e.key); k != nullptr && k->field != nullptr) {
            const double v = DecimalNumberPrefix(e.value);
            if (std::fabs(v) <= std::numeric_limits<float>::max())
                target.SetNumber(*k, static_cast<float>(v));
        }
    }
}

FlightCaseTarget::FlightCaseTarget(FlightCase &flightCase)
    : fc(flightCase), shownLines(fc.NumLines < 1 ? 1 : fc.NumLines > 3 ? 3 : fc.NumLines)
{
}

void FlightCaseTarget::SetName(const std::string &name) { fc.AcName = CutName(name); }

void FlightCaseTarget::SetLines(int count)
{
    fc.NumLines = count;
    const int shown = count < 1 ? 1 : count > 3 ? 3 : count;
    if (shown != shownLines)
        fc.NumLines = shownLines = shown;
}

void FlightCaseTarget::SetNumber(const InputKey &key, float value)
{
    fc.*(key.field) = value;
    try {
        fc.*(key.field) = ParseNumber(FormatNumber(value, key.digits));
    } catch (const EngineError &) {
        // Within a rounding of the single-precision limit the shown text no
        // longer fits; the value stays as read.
    }
}
