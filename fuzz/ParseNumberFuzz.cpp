// libFuzzer target: ParseNumber accepts or rejects any text, and what it
// accepts survives a round trip through FormatNumber.
#include "Convert.h"
#include "EngineError.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    for (char sep : {'.', ','}) {
        float v;
        try {
            v = ParseNumber(text, sep);
        } catch (const EngineError &) {
            continue;
        }
        if (!std::isfinite(v))
            __builtin_trap();
        for (int digits : {4, 6})
            (void)FormatNumber(v, digits, sep);
        if (ParseNumber(FormatNumber(v, 9, sep), sep) != v)
            __builtin_trap();
    }
    return 0;
}
