// libFuzzer target: the hangar file reader must take any bytes, and what it
// reads must write back to a text that reads as the same hangar.
#include "hangar/HangarFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HangarRead read = ReadHangarFile(std::string(reinterpret_cast<const char *>(data), size));
    if (!read.ok())
        return 0;
    const HangarText text = HangarFileText(read.hangar);
    if (!text.ok())
        return 0;
    const HangarRead again = ReadHangarFile(text.text);
    if (!again.ok() || HangarFileText(again.hangar).text != text.text)
        __builtin_trap();
    return 0;
}
