// libFuzzer target: the data-file reader must take any bytes.
#include "case/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string content(reinterpret_cast<const char *>(data), size);
    FlightCase fc = DefaultFlightCase();
    const auto entries = ParseDataFile(content);
    for (const auto &e : entries)
        if (e.value.empty() || e.key.size() != 2)
            __builtin_trap();
    FlightCaseTarget target(fc);
    ApplyDataFileEntries(entries, target);
    if (fc.AcName.size() > 4 * MaxNameLength)
        __builtin_trap();
    return 0;
}
