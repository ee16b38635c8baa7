// libFuzzer target: ParseNumber accepts or rejects any text, and what it
// accepts survives a round trip through FormatNumber; the portable number
// texts (the WebAssembly build's) read and write every text as charconv.
#include "numbers/Convert.h"
#include "numbers/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

template <class T>
void SameAsCharconv(const std::string &text)
{
    T mine = -7, theirs = -7;
    const char *mineEnd, *theirEnd;
    const char *first = text.data(), *last = text.data() + text.size();
    if (PortableParseText(first, last, mine, mineEnd) != ParseText(first, last, theirs, theirEnd) ||
        mineEnd != theirEnd || std::memcmp(&mine, &theirs, sizeof mine) != 0)
        __builtin_trap();
    char a[64], b[64];
    if (std::string(a, PortableShortestText(a, theirs)) != std::string(b, ShortestText(b, theirs)))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    SameAsCharconv<double>(text);
    SameAsCharconv<float>(text);
    for (char sep : {'.', ','}) {
        const std::optional<float> parsed = ParseNumber(text, sep);
        if (!parsed)
            continue;
        const float v = *parsed;
        if (!std::isfinite(v))
            __builtin_trap();
        for (int digits : {4, 6})
            (void)FormatNumber(v, digits, sep);
        if (ParseNumber(FormatNumber(v, 9, sep), sep) != v)
            __builtin_trap();
    }
    return 0;
}
