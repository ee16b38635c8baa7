// What the hangar's module needs of the case, from the calculator's module
// that holds it: the values of the nine inputs, and a flight of the case in
// force as its record text (FlightRecordText), which the hangar's module
// reads back bit for bit.
#include "case/CaseEditor.h"
#include "numbers/EngineError.h"
#include "web/FlierFields.h"
#include "hangar/HangarFile.h"
#include "web/Reply.h"

#include <emscripten/emscripten.h>

using reply::Start, reply::Text, reply::Number;

#define EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

// The name, then the line count and the other seven values as stored.
EXPORT void tx_caseInputs(CaseEditor *e)
{
    Start();
    const FlightCase &fc = e->Case();
    Text(fc.AcName);
    Number(fc.NumLines);
    for (int k = 2; k < AirplaneInputCount; ++k)
        Number(fc.*(InputKeys[k].field));
}

// A flight of the case in force, as solved now, with the flier's fields:
// the error (with its full stop, or empty), then the record.
EXPORT void tx_flightRecord(CaseEditor *e, const char *id, uint32_t idn, const char *airplane, uint32_t airplanen,
                            const char *now, uint32_t nown, FLIER_ARGS)
{
    const flier::FlierFields fields = FLIER_FIELDS;
    const FlightCase fc = e->Case();
    float groundSpeed = 0;
    CalcEngine engine(fc, groundSpeed);
    Flight f = FlightOfCase(fc, SolveCase(engine, fc, groundSpeed));
    f.id = flier::In(id, idn);
    f.airplaneId = flier::In(airplane, airplanen);
    f.flown = f.changed = flier::In(now, nown);
    const std::string error = flier::Apply(fields, e->DecimalSeparator(), f);
    Start();
    Text(error.empty() ? std::string() : WithFullStop(error));
    Text(error.empty() ? FlightRecordText(f) : std::string());
}
