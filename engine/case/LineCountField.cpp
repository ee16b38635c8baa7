#include "case/LineCountField.h"

#include <cstdint>

bool LineCountField::AcceptsChar(char32_t c, char decimalSeparator)
{
    if (c == static_cast<unsigned char>(decimalSeparator) || c == '+' || c == '-' || (c >= '0' && c <= '9'))
        return true;
    // Control characters, the space and the marks "!" to "/", and the 8-bit
    // characters above 127; carriage return is Enter, which recalculates.
    return (c < 50 && c != '\r') || (c >= 128 && c <= 255);
}

bool LineCountField::ReadWholeNumber(const std::string &text, int &value)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    size_t i = 0, end = text.size();
    while (i < end && blank(text[i]))
        ++i;
    while (end > i && blank(text[end - 1]))
        --end;
    const bool negative = i < end && text[i] == '-';
    if (i < end && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i == end)
        return false;
    long long v = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > INT32_MAX + 1LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

int LineCountField::Clamp(int v, int min, int max)
{
    if (max == min)
        return v;
    return v < min ? min : v > max ? max : v;
}

