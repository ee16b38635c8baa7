// The flier's own fields of a flight as the page hands them over, and the
// lap time typed read as the fields read numbers: shared by the case's
// module (a flight logged) and the hangar's (a flight corrected).
#pragma once

#include "numbers/Convert.h"
#include "hangar/Hangar.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace flier {

inline std::string In(const char *text, uint32_t length) { return std::string(text, length); }

// A flight's lap time as typed ("" for none) in the separator of the
// fields, or the error.
inline std::string LapTime(const std::string &text, char separator, double &lapTime)
{
    lapTime = NAN;
    if (text.find_first_not_of(' ') == std::string::npos)
        return {};
    const std::optional<double> value = ParseWideNumber(text, separator);
    if (!value)
        return "Lap Time Measured: " + InvalidNumberMessage(text);
    lapTime = *value;
    return {};
}

struct FlierFields {
    std::string lapTime, engine, prop, fuel, setting, handleSpacing, tipWeight, notes;
};
inline std::string Apply(const FlierFields &in, char separator, Flight &f)
{
    if (std::string e = LapTime(in.lapTime, separator, f.lapTime); !e.empty())
        return e;
    f.engine = in.engine;
    f.prop = in.prop;
    f.fuel = in.fuel;
    f.setting = in.setting;
    f.handleSpacing = in.handleSpacing;
    f.tipWeight = in.tipWeight;
    f.notes = in.notes;
    return {};
}
}  // namespace flier

// The flier's fields of a flight, as eight (text, length) pairs.
#define FLIER_ARGS                                                                                              \
    const char *lt, uint32_t ltn, const char *en, uint32_t enn, const char *pr, uint32_t prn, const char *fu,     \
        uint32_t fun, const char *se, uint32_t sen, const char *hs, uint32_t hsn, const char *tw, uint32_t twn,   \
        const char *no, uint32_t non
#define FLIER_FIELDS                                                                                              \
    flier::FlierFields                                                                                            \
    {                                                                                                             \
        flier::In(lt, ltn), flier::In(en, enn), flier::In(pr, prn), flier::In(fu, fun), flier::In(se, sen),       \
            flier::In(hs, hsn), flier::In(tw, twn), flier::In(no, non)                                            \
    }
