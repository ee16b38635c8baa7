#include "Catmo.h"

#include "EngineError.h"

#include <cmath>

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
    const double b = (std::log(ratio) + (1 - ratio)) * LatentSlopeOverRv;
    return VapourRefPressure * std::exp(a + b);
}

CStdAtm::CStdAtm()
    : table(std::make_unique<Lin>(Rows, Altitude, TempOverMolarMass, Lin::LinearExtrapolate))
{
    SetAltitude(0);
}

CStdAtm::~CStdAtm() = default;

CStdAtm::CStdAtm(const CStdAtm &other)
    : stdPressure(other.stdPressure), stdDensity(other.stdDensity), stdTemperature(other.stdTemperature),
      altitude(other.altitude), table(std::make_unique<Lin>(*other.table))
{
}

CStdAtm &CStdAtm::operator=(const CStdAtm &other)
{
    if (this != &other) {
        stdPressure = other.stdPressure;
        stdDensity = other.stdDensity;
        stdTemperature = other.stdTemperature;
        altitude = other.altitude;
        *table = *other.table;
    }
    return *this;
}

void CStdAtm::SetAltitude(double h)
{
    altitude = h;
    const double tm = table->Evaluate(h);
    double t;
    const unsigned i = table->FindSegment(h, t);
    double logP;
    if (IsIsothermalSegment(i)) {
        logP = LogPressure[i] + (LogPressure[i + 1] - LogPressure[i]) * (h - Altitude[i]) /
                                    (Altitude[i + 1] - Altitude[i]);
    } else {
        logP = LogPressure[i] + (std::log(tm) - LogTempOverMolarMass[i]) *
                                    (LogPressure[i + 1] - LogPressure[i]) /
                                    (LogTempOverMolarMass[i + 1] - LogTempOverMolarMass[i]);
    }
    stdPressure = std::exp(logP);
    stdTemperature = AirMolarMass * tm;
    stdDensity = stdPressure / (stdTemperature * AirGasConstant);
}

double CStdAtm::AltitudeForDensity(double rho)
{
    const double g = std::log(rho);
    double h = (std::log(SeaLevelDensity) - g) * 9.5;  // 9.5 km scale height as first guess
    for (int step = 0; step < 4; ++step) {
        SetAltitude(h);
        const double l1 = std::log(stdDensity);
        SetAltitude(h + 1.0);
        const double l2 = std::log(stdDensity);
        h = h + (l1 - g) * 1.0 / (l1 - l2);
    }
    return h;
}

CAtmo::CAtmo() { SetPressureAltitude(0); }

CAtmo::~CAtmo() = default;

void CAtmo::SetPressureAltitude(double h)
{
    SetAltitude(h);
    // Far beyond the table the extrapolated pressure underflows to 0 or
    // overflows; no air model is left to speak of.
    if (!(stdPressure > 0 && stdDensity > 0 && std::isfinite(stdPressure) && std::isfinite(stdDensity)))
        throw EngineError("The pressure altitude lies outside the atmosphere the program can model.");
    temperature = stdTemperature;
    pressure = stdPressure;
    density = stdDensity;
    relativeHumidity = 0;
    Update();
}

void CAtmo::SetTemperature(double kelvin)
{
    // The gas law and Sutherland's law have no meaning at or below 0 K.
    if (!(kelvin > 0))
        throw EngineError("The temperature is at or below absolute zero (-459.67 deg. F).");
    temperature = kelvin;
    density = pressure / (kelvin * AirGasConstant);
    Update();
}

void CAtmo::Update()
{
    const double t = temperature;
    viscosity = SutherlandBeta * std::exp(1.5 * std::log(t)) / (t + SutherlandTemperature);
    kinematicViscosity = viscosity / density;
    SetHumidity(relativeHumidity);
}

void CAtmo::SetHumidity(double rh)
{
    if (rh > 100)
        rh = 100;
    if (!(rh >= 0))
        rh = 0;
    relativeHumidity = rh;
    saturationPressure = SaturationPressure(temperature);
    const double e = saturationPressure * rh * 0.01;
    const double p = pressure;
    // Once the vapour alone would carry the whole pressure the mixing ratio
    // is infinite: the air cannot hold that much water.
    if (e >= p)
        throw EngineError("The air is too hot and humid: the water vapour pressure reaches the air pressure.");
    vapourPressure = e;
    const double w = MolarMassRatio * e / (p - e);
    const double dryPartialDensity = (p - e) / (temperature * AirGasConstant);
    moistDensity = (1 + w) * dryPartialDensity;
    densityAltitudeKm = AltitudeForDensity(moistDensity);
}

void CAtmo::ToImperial() { densityAltitudeFeet = 1000 * densityAltitudeKm / MetresPerFoot; }
