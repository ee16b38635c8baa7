// Atmosphere: the engine's unit factors and physical constants, the 1976-style
// standard atmosphere (StandardAtmosphere) and the humid-air model built on it (HumidAtmosphere).
//
// Everything inside the engine is SI (m, kg, s, K, Pa); the driver converts
// from the flier's units at the boundary.
#pragma once

#include "numbers/EngineError.h"
#include "physics/InterpolationTable.h"

#include <memory>

namespace UnitFactors {
// Stored constants and the entries derived from them, in declared order.
// All are compile-time constants so that no engine object can be built
// before they are complete.
constexpr double Pi = 3.141592653589793;
constexpr double RadPerDeg = 0.017453292519943295;
constexpr double DegPerRad = 57.29577951308232;
constexpr double MetresPerFoot = 0.3048;
constexpr double StdGravity = 9.80665;                          // m/s²
constexpr double InchesPerMetre = 12 / MetresPerFoot;
constexpr double RankineAtZeroFahrenheit = 459.67;
constexpr double FahrenheitPerKelvin = 1.8;
constexpr double KelvinAtZeroFahrenheit = RankineAtZeroFahrenheit / FahrenheitPerKelvin;
constexpr double SeaLevelLogPressure = 11.52608845;  // first ln p of the atmosphere table
constexpr double SeaLevelDensity = 1.225;            // kg/m³
constexpr double SeaLevelPressure = 101325.0;       // Pa, the standard air at 0 km
constexpr double UniversalGasConstant = 8314.32;     // J/(kmol·K)
constexpr double AirMolarMass = 28.9644;             // kg/kmol
constexpr double AirGasConstant = 287.05307204706463;  // = UniversalGasConstant / AirMolarMass
constexpr double SutherlandBeta = 1.458e-06;       // kg/(m·s·K^0.5)
constexpr double SutherlandTemperature = 110.4;    // K
constexpr double WaterMolarMass = 18.01534;        // kg/kmol
constexpr double MolarMassRatio = WaterMolarMass / AirMolarMass;
constexpr double VapourGasConstant = UniversalGasConstant / WaterMolarMass;  // J/(kg·K)
constexpr double VapourRefTemperature = 273.11;   // K (273.11, not 273.15 or 273.16)
constexpr double VapourRefPressure = 611.0;       // Pa, saturation at 273.11 K
constexpr double FeetPerMile = 5280.0;
// Miles per hour in one metre per second: 3600 / (5280 × 0.3048).
constexpr double MphPerMetrePerSecond = 3600 / (FeetPerMile * MetresPerFoot);
constexpr double SquareMetresPerSquareFoot = MetresPerFoot * MetresPerFoot;
constexpr double KgPerPound = 0.45359237;
constexpr double NewtonsPerPound = KgPerPound * StdGravity;
constexpr double JoulesPerCalorie = 4.184;
constexpr double PaPerInchHg = 3386.389;
// Latent heat of vaporisation at the reference point (597 cal/g) and its fall
// per kelvin (0.57 cal/(g·K)), both over the vapour gas constant.
constexpr double LatentHeatOverRv = 597 * JoulesPerCalorie * 1000 / VapourGasConstant;
constexpr double LatentSlopeOverRv = 0.57 * JoulesPerCalorie * 1000 / VapourGasConstant;
}  // namespace UnitFactors

// Saturation vapour pressure over water (Pa) at temperature T (K): the
// Clausius-Clapeyron relation integrated from 611 Pa at 273.11 K with a
// latent heat falling linearly with temperature.
double SaturationPressure(double temperature);

// Standard atmosphere from a 39-row table (0 to 700 km): T/M is interpolated
// linearly in altitude, ln p linearly in ln(T/M) (exact in a layer of constant
// lapse rate) or in altitude on the isothermal layers.
class StandardAtmosphere {
public:
    StandardAtmosphere();
    virtual ~StandardAtmosphere();
    // Copies hold a table of their own (a sweep saves and restores the air).
    StandardAtmosphere(const StandardAtmosphere &other);
    StandardAtmosphere &operator=(const StandardAtmosphere &other);

    void SetAltitude(double altitudeKm);
    // Standard altitude (km) whose density is rho: four secant steps on ln ρ.
    // Leaves the probe state one kilometre above the last estimate.
    double AltitudeForDensity(double rho);

    // The standard air at the altitude last set.
    double StdPressure() const { return stdPressure; }        // Pa
    double StdDensity() const { return stdDensity; }          // kg/m³
    double StdTemperature() const { return stdTemperature; }  // K
    double AltitudeKm() const { return altitude; }

protected:
    double stdPressure = 0;
    double stdDensity = 0;
    double stdTemperature = 0;
    double altitude = 0;
    std::unique_ptr<InterpolationTable> table;
    unsigned lastSegment = 0;       // where the next table search starts
    bool conditionsSolved = false;  // the state is SetConditions' for solvedConditions
};

// Air at a pressure altitude, with its own temperature and humidity.
class HumidAtmosphere : public StandardAtmosphere {
public:
    HumidAtmosphere();
    ~HumidAtmosphere() override;

    // Each setter returns the error of air the program cannot model, or none.
    [[nodiscard]] const char *SetPressureAltitude(double altitudeKm);  // resets the humidity to 0
    [[nodiscard]] const char *SetTemperature(double kelvin);
    [[nodiscard]] const char *SetHumidity(double percent);
    // All three conditions at once: the state, the results and every error
    // message are those of SetPressureAltitude, SetTemperature and
    // SetHumidity in this order, solved once where the air is ordinary.
    [[nodiscard]] const char *SetConditions(double altitudeKm, double kelvin, double percent);
    [[nodiscard]] const char *Update();
    void ToImperial();

    // The air as last set and updated.
    double Pressure() const { return pressure; }                        // Pa
    double Density() const { return density; }                          // kg/m³, dry air
    double Temperature() const { return temperature; }                  // K
    double Viscosity() const { return viscosity; }                      // Pa·s
    double KinematicViscosity() const { return kinematicViscosity; }    // m²/s
    double RelativeHumidity() const { return relativeHumidity; }        // %
    double VapourPressure() const { return vapourPressure; }            // Pa
    double PressureAtSaturation() const { return saturationPressure; }  // Pa
    double MoistDensity() const { return moistDensity; }                // kg/m³
    double DensityAltitudeKm() const { return densityAltitudeKm; }
    double DensityAltitudeFeet() const { return densityAltitudeFeet; }

private:
    double pressure = 0;
    double density = 0;
    double temperature = 0;
    double viscosity = 0;
    double kinematicViscosity = 0;
    double relativeHumidity = 0;
    double vapourPressure = 0;
    double saturationPressure = 0;
    double moistDensity = 0;
    double densityAltitudeKm = 0;
    double densityAltitudeFeet = 0;
    [[nodiscard]] const char *SolveConditions(double altitudeKm, double kelvin, double percent);
    double solvedConditions[3] = {};  // km, K, % of the last clean SetConditions
};

// The pressure altitude (feet) of a field at elevationFeet whose altimeter
// setting (QNH) is altimeterInHg, by the standard atmosphere's own relation,
// not the rule of thumb of 1,000 feet per inch. An altimeter shows the
// standard altitude of the pressure it senses, less that of its setting:
//   shown = A(p) − A(setting),  A(p) = T0/L · (1 − (p/P0)^(R·L/g)),
// with T0 = 288.15 K, L = 0.0065 K/m, P0 = 29.92126 inHg (1013.25 hPa). Set
// to QNH on the field it shows the elevation H; the pressure altitude A(p)
// of the field is then
//   PA = H + A(QNH) = H + T0/L · (1 − (QNH/P0)^(R·L/g)),
// which is the National Weather Service's altimeter-setting formula
// AS = (p^0.1903 + 1.313e-5 · H)^5.255 solved for p. An error for a setting
// of 0 or less or an elevation that is no number.
Checked<double> PressureAltitudeFeet(double elevationFeet, double altimeterInHg);
