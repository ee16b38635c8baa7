// libFuzzer target: the hangar file reader must take any bytes, and what it
// reads must write back to a text that reads as the same hangar.
#include "hangar/HangarFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Result<Hangar> read = ReadHangarFile(std::string(reinterpret_cast<const char *>(data), size));
    if (!read.ok())
        return 0;
    const Result<std::string> text = HangarFileText(read.value);
    if (!text.ok())
        return 0;
    const Result<Hangar> again = ReadHangarFile(text.value);
    if (!again.ok() || HangarFileText(again.value).value != text.value)
        __builtin_trap();
    return 0;
}
