#include "physics/Atmosphere.h"

#include "numbers/EngineError.h"
#include "numbers/Faults.h"
#include "numbers/PortableMath.h"

#include <cmath>
#include <cstring>

using namespace UnitFactors;

namespace {

constexpr unsigned Rows = 39;

// Geometric altitude (km); T/M, the molecular-scale temperature over the
// sea-level molar mass of air (K per kg/kmol); ln(T/M); ln p (p in Pa).
// Rows whose T/M equals the next row's begin isothermal layers.
constexpr double AtmosphereTable[4][Rows] = {
    {0.0, 4.0, 8.0, 11.019, 16.0, 20.063, 24.0, 28.0, 32.162, 36.0,
     40.0, 44.0, 47.35, 50.0, 52.429, 57.0, 61.591, 66.0, 70.0, 75.0,
     79.994, 83.0, 86.0, 90.0, 100.0, 110.0, 120.0, 130.0, 140.0, 150.0,
     160.0, 170.0, 190.0, 230.0, 300.0, 400.0, 500.0, 600.0, 700.0},
    {9.94841944, 9.05131817, 8.15535623, 7.47987184, 7.47987184, 7.47987184,
     7.61486514, 7.75182638, 7.89417354, 8.26124484, 8.6433691, 9.02497549,
     9.34422947, 9.34422947, 9.34422947, 9.03395202, 8.72277693, 8.12594081,
     7.58517352, 6.91020701, 6.23696676, 6.23696676, 6.23696676, 6.23696676,
     7.27216066, 8.99859944, 12.45065907, 19.35460479, 26.25808824,
     33.16456166, 38.34208552, 41.79545455, 46.63056093, 53.53441296,
     63.19947043, 74.59378134, 83.56744705, 89.43586698, 93.23438466},
    {2.29741369, 2.2029104, 2.09867492, 2.01221566, 2.01221566, 2.01221566,
     2.03010228, 2.04792848, 2.06612496, 2.11157528, 2.15679245, 2.19999579,
     2.23475898, 2.23475898, 2.23475898, 2.20098993, 2.16593764, 2.09506151,
     2.02619549, 1.9329996, 1.83049397, 1.83049397, 1.83049397, 1.83049397,
     1.98405345, 2.19706895, 2.52177356, 2.96293036, 3.26797406, 3.50148189,
     3.64654813, 3.73278759, 3.84225614, 3.98032468, 4.14629592, 4.31205714,
     4.42565405, 4.4935218, 4.53511659},
    {11.52608845, 11.02939719, 10.48154931, 10.02712011, 9.24501229,
     8.60792381, 7.99690292, 7.38782681, 6.76620784, 6.21164772, 5.65998035,
     5.13282933, 4.70867398, 4.37926031, 4.07754592, 3.50073196, 2.9019654,
     2.29663442, 1.708463, 0.91244334, 0.03700673, -0.51711201, -1.06964589,
     -1.80557446, -3.50406102, -4.91245651, -5.982822, -6.70775754,
     -7.20745595, -7.58863798, -7.90354928, -8.18336731, -8.68845612,
     -9.57268852, -10.87963445, -12.42164493, -13.72411713, -14.87966345,
     -15.94263088},
};
const double (&Altitude)[Rows] = AtmosphereTable[0];
const double (&TempOverMolarMass)[Rows] = AtmosphereTable[1];
const double (&LogTempOverMolarMass)[Rows] = AtmosphereTable[2];
const double (&LogPressure)[Rows] = AtmosphereTable[3];

static_assert(AtmosphereTable[3][0] == SeaLevelLogPressure);

bool IsIsothermalSegment(unsigned i)
{
    switch (i) {
    case 3: case 4: case 12: case 13: case 20: case 21: case 22:
        return true;
    default:
        return false;
    }
}

}  // namespace

double SaturationPressure(double temperature)
{
    const double ratio = VapourRefTemperature / temperature;
    const double a = (1 / VapourRefTemperature - 1 / temperature) * LatentHeatOverRv;
    const double b = (tmath::log(ratio) + (1 - ratio)) * LatentSlopeOverRv;
    return VapourRefPressure * tmath::exp(a + b);
}

StandardAtmosphere::StandardAtmosphere()
    : table(std::make_unique<InterpolationTable>(Rows, Altitude, TempOverMolarMass, InterpolationTable::LinearExtrapolate))
{
    SetAltitude(0);
}

StandardAtmosphere::~StandardAtmosphere() = default;

StandardAtmosphere::StandardAtmosphere(const StandardAtmosphere &other)
    : stdPressure(other.stdPressure), stdDensity(other.stdDensity), stdTemperature(other.stdTemperature),
      altitude(other.altitude), table(std::make_unique<InterpolationTable>(*other.table)), lastSegment(other.lastSegment),
      conditionsSolved(other.conditionsSolved)
{
}

StandardAtmosphere &StandardAtmosphere::operator=(const StandardAtmosphere &other)
{
    if (this != &other) {
        stdPressure = other.stdPressure;
        stdDensity = other.stdDensity;
        stdTemperature = other.stdTemperature;
        altitude = other.altitude;
        *table = *other.table;
        lastSegment = other.lastSegment;
        conditionsSolved = other.conditionsSolved;
    }
    return *this;
}

void StandardAtmosphere::SetAltitude(double h)
{
    using namespace faults;
    conditionsSolved = false;
    altitude = h;
    // One search of the table gives both the segment and T/M: the
    // interpolation is the table's own (linear, extended beyond both ends).
    double t;
    const unsigned i = lastSegment = table->FindSegmentNear(lastSegment, h, t);
    const double tm = Add(Mul(table->Slope(i), t), TempOverMolarMass[i]);
    double logP;
    if (IsIsothermalSegment(i)) {
        // h lies inside the table here: nothing can overflow.
        logP = LogPressure[i] + (LogPressure[i + 1] - LogPressure[i]) * (h - Altitude[i]) /
                                    (Altitude[i + 1] - Altitude[i]);
    } else {
        // The bracket is at most a few hundred for a finite T/M and the
        // divisor a fixed difference of the table: no overflow.
        logP = LogPressure[i] + (Log(tm) - LogTempOverMolarMass[i]) * (LogPressure[i + 1] - LogPressure[i]) /
                                    (LogTempOverMolarMass[i + 1] - LogTempOverMolarMass[i]);
    }
    stdPressure = Exp(logP);
    stdTemperature = Mul(AirMolarMass, tm);
    stdDensity = Div(stdPressure, Mul(stdTemperature, AirGasConstant));
}

double StandardAtmosphere::AltitudeForDensity(double rho)
{
    using namespace faults;
    const double g = Log(rho);
    double h = Mul(Sub(tmath::log(SeaLevelDensity), g), 9.5);  // 9.5 km scale height as first guess
    for (int step = 0; step < 4; ++step) {
        SetAltitude(h);
        const double l1 = Log(stdDensity);
        SetAltitude(Add(h, 1.0));
        const double l2 = Log(stdDensity);
        h = Add(h, Div(Mul(Sub(l1, g), 1.0), Sub(l1, l2)));
    }
    return h;
}

HumidAtmosphere::HumidAtmosphere()
{
    static_cast<void>(SetPressureAltitude(0));  // the standard air at sea level has no fault
}

HumidAtmosphere::~HumidAtmosphere() = default;

namespace {

// Far beyond the table the extrapolated pressure underflows to 0 or
// overflows; no air model is left to speak of.
const char *CheckStandardAir(const StandardAtmosphere &air)
{
    if (!(air.StdPressure() > 0 && air.StdDensity() > 0 && std::isfinite(air.StdPressure()) &&
          std::isfinite(air.StdDensity())))
        return "The pressure altitude lies outside the atmosphere the program can model.";
    return nullptr;
}

// The gas law and Sutherland's law have no meaning at or below 0 K.
const char *CheckTemperature(double kelvin)
{
    return kelvin > 0 ? nullptr : "The temperature is at or below absolute zero (-459.67 deg. F).";
}

}  // namespace

const char *HumidAtmosphere::SetPressureAltitude(double h)
{
    SetAltitude(h);
    if (const char *error = CheckStandardAir(*this))
        return error;
    temperature = stdTemperature;
    pressure = stdPressure;
    density = stdDensity;
    relativeHumidity = 0;
    return Update();
}

const char *HumidAtmosphere::SetTemperature(double kelvin)
{
    if (const char *error = CheckTemperature(kelvin))
        return error;
    temperature = kelvin;
    density = faults::Div(pressure, kelvin * AirGasConstant);  // a pressure near its limit over a small one
    return Update();
}

namespace {
bool SameBits(const double (&a)[3], const double (&b)[3]) { return std::memcmp(a, b, sizeof a) == 0; }
}  // namespace

const char *HumidAtmosphere::SetConditions(double altitudeKm, double kelvin, double percent)
{
    // The air depends on these three alone: when they are those of the last
    // solve, which raised no fault and left the state untouched since, the
    // state is already what solving again would make.
    const double conditions[3] = {altitudeKm, kelvin, percent};
    if (conditionsSolved && SameBits(conditions, solvedConditions))
        return nullptr;
    const unsigned before = faults::raised;
    faults::raised = 0;
    if (const char *error = SolveConditions(altitudeKm, kelvin, percent))
        return error;  // SetAltitude has marked the state as no solve's
    const bool clean = faults::raised == 0;
    faults::raised |= before;
    std::memcpy(solvedConditions, conditions, sizeof conditions);
    conditionsSolved = clean;
    return nullptr;
}

const char *HumidAtmosphere::SolveConditions(double altitudeKm, double kelvin, double percent)
{
    // Ordinary air: from 5 km below the sea to 80 km up, from 150 to 400 K.
    // There the standard air and the dry air at the given temperature lie
    // in the band where the density search never leaves the table's tamed
    // range, so the two intermediate solves that SetPressureAltitude and
    // SetTemperature make (whose results the last one overwrites) raise no
    // fault and can be left out. Anything else takes the three setters.
    constexpr double LowestKm = -5, HighestKm = 80, ColdestK = 150, HottestK = 400;
    if (!(altitudeKm >= LowestKm && altitudeKm <= HighestKm && kelvin >= ColdestK && kelvin <= HottestK)) {
        const char *error = SetPressureAltitude(altitudeKm);
        if (!error)
            error = SetTemperature(kelvin);
        return error ? error : SetHumidity(percent);
    }
    SetAltitude(altitudeKm);
    if (const char *error = CheckStandardAir(*this))
        return error;
    pressure = stdPressure;
    if (const char *error = CheckTemperature(kelvin))
        return error;
    temperature = kelvin;
    density = faults::Div(pressure, kelvin * AirGasConstant);
    relativeHumidity = percent;
    return Update();
}

const char *HumidAtmosphere::Update()
{
    // t is a temperature above 0 K and below 2E38 K: the power cannot
    // overflow and the divisor is positive.
    const double t = temperature;
    viscosity = SutherlandBeta * tmath::exp(1.5 * tmath::log(t)) / (t + SutherlandTemperature);
    kinematicViscosity = faults::Div(viscosity, density);
    return SetHumidity(relativeHumidity);
}

const char *HumidAtmosphere::SetHumidity(double rh)
{
    if (rh > 100)
        rh = 100;
    if (!(rh >= 0))
        rh = 0;
    relativeHumidity = rh;
    // The temperature is positive and finite: the vapour pressure is at most
    // e^20 times 611 Pa.
    saturationPressure = SaturationPressure(temperature);
    const double e = saturationPressure * rh * 0.01;
    const double p = pressure;
    // Once the vapour alone would carry the whole pressure the mixing ratio
    // is infinite: the air cannot hold that much water.
    // Vapour that would stay below the sea-level pressure reaches it only
    // because the air is thin: the pressure altitude is the cause.
    if (e >= p)
        return e < SeaLevelPressure
                   ? "The air is too thin at this pressure altitude: the water vapour pressure reaches the air "
                     "pressure."
                   : "The air is too hot and humid: the water vapour pressure reaches the air pressure.";
    vapourPressure = e;
    // 0 ≤ e < p, both finite: the ratio is below 2^53 and nothing overflows.
    const double w = MolarMassRatio * e / (p - e);
    const double dryPartialDensity = (p - e) / (temperature * AirGasConstant);
    moistDensity = (1 + w) * dryPartialDensity;
    densityAltitudeKm = AltitudeForDensity(moistDensity);
    return nullptr;
}

void HumidAtmosphere::ToImperial()
{
    densityAltitudeFeet = faults::Div(faults::Mul(1000, densityAltitudeKm), MetresPerFoot);
}

Checked<double> PressureAltitudeFeet(double elevationFeet, double altimeterInHg)
{
    using namespace UnitFactors;
    constexpr double T0 = 288.15, L = 0.0065;                 // K, K/m: the standard troposphere
    constexpr double P0 = 1013.25 / 33.8638866667;           // inHg: 1013.25 hPa
    const double exponent = AirGasConstant * L / StdGravity;  // 0.190263
    if (!(altimeterInHg > 0) || !std::isfinite(altimeterInHg))
        return Failed<double>("The altimeter setting must be more than 0.");
    if (!std::isfinite(elevationFeet))
        return Failed<double>("The field elevation lies outside the atmosphere the program can model.");
    const double settingAltitude = T0 / L * (1 - tmath::exp(exponent * tmath::log(altimeterInHg / P0)));
    return {elevationFeet + settingAltitude / MetresPerFoot};
}
