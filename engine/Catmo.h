// Catmo: the engine's unit factors and physical constants, the 1976-style
// standard atmosphere (CStdAtm) and the humid-air model built on it (CAtmo).
//
// Everything inside the engine is SI (m, kg, s, K, Pa); the driver converts
// from the flier's units at the boundary.
#pragma once

#include "Linintrp.h"

#include <memory>

namespace UnitFactors {
// Stored constants and the entries derived from them, in declared order.
// All are compile-time constants so that no engine object can be built
// before they are complete.
constexpr double HalfPi = 1.5707963267948966;
constexpr double TwoPi = 6.283185307179586;
constexpr double Pi = 3.141592653589793;
constexpr double RadPerDeg = 0.017453292519943295;
constexpr double DegPerRad = 57.29577951308232;
constexpr double SecPerMin = 60.0;
constexpr double SecPerHour = SecPerMin * SecPerMin;
constexpr double MetresPerFoot = 0.3048;
constexpr double StdGravity = 9.80665;                          // m/s²
constexpr double StdGravityFeet = StdGravity / MetresPerFoot;  // ft/s²
constexpr double InchesPerMetre = 12 / MetresPerFoot;
constexpr double KelvinAtZeroCelsius = 273.15;
constexpr double RankineAtZeroFahrenheit = 459.67;
constexpr double FahrenheitAtZeroCelsius = 32.0;
constexpr double FahrenheitPerKelvin = 1.8;
constexpr double KelvinAtZeroFahrenheit = RankineAtZeroFahrenheit / FahrenheitPerKelvin;
constexpr double SeaLevelTemperature = 288.15;  // K
constexpr double SeaLevelPressure = 101325.0;   // Pa
constexpr double SeaLevelLogPressure = 11.52608845;  // first ln p of the atmosphere table
constexpr double SeaLevelDensity = 1.225;            // kg/m³
constexpr double UniversalGasConstant = 8314.32;     // J/(kmol·K)
constexpr double AirMolarMass = 28.9644;             // kg/kmol
constexpr double VapourDensityDeficit = 0.3780178;
constexpr double AirGasConstant = 287.05307204706463;  // = UniversalGasConstant / AirMolarMass
constexpr double Gamma = 1.4;
constexpr double HalfGammaMinusOne = 0.2;
constexpr double InvGammaMinusOne = 2.5;
constexpr double GammaOverGammaMinusOne = 3.5;
constexpr double AreaRatioExponent = 2.9999999999999996;  // stored so, not 3.0
constexpr double TwoOverGammaPlusOne = 0.8333333333333334;
constexpr double GammaR = AirGasConstant * Gamma;
constexpr double AirCp = AirGasConstant * GammaOverGammaMinusOne;
constexpr double AirCpPlusR = AirGasConstant + AirCp;
constexpr double SutherlandBeta = 1.458e-06;       // kg/(m·s·K^0.5)
constexpr double SutherlandTemperature = 110.4;    // K
constexpr double SutherlandBetaR = SutherlandBeta * AirGasConstant;
constexpr double WaterMolarMass = 18.01534;        // kg/kmol
constexpr double MolarMassRatio = WaterMolarMass / AirMolarMass;
constexpr double VapourGasConstant = UniversalGasConstant / WaterMolarMass;  // J/(kg·K)
constexpr double VapourRefTemperature = 273.11;   // K (273.11, not 273.15 or 273.16)
constexpr double VapourRefPressure = 611.0;       // Pa, saturation at 273.11 K
constexpr double MetresPerNauticalMile = 1852.0;
constexpr double FeetPerInch = 0.08333333333333333;
constexpr double FeetPerMile = 5280.0;
constexpr double MetresPerInch = FeetPerInch * MetresPerFoot;
constexpr double SquareMetresPerSquareFoot = MetresPerFoot * MetresPerFoot;
constexpr double CubicMetresPerCubicFoot = MetresPerFoot * MetresPerFoot * MetresPerFoot;
constexpr double KgPerSlug = 14.5939029;
constexpr double SlugDensityFactor = KgPerSlug / CubicMetresPerCubicFoot;
constexpr double SquareFeetPerSquareInch = 0.006944444444444444;
constexpr double CubicFeetPerCubicInch = 0.0005787037037037037;
constexpr double KgPerPound = 0.45359237;
constexpr double NewtonsPerPound = KgPerPound * StdGravity;
constexpr double PaPerPsf = NewtonsPerPound / SquareMetresPerSquareFoot;
constexpr double OuncesPerPound = 16.0;
constexpr double WattsPerHorsepower = 745.69987;
constexpr double JoulesPerCalorie = 4.184;
constexpr double JoulesPerBtu = 1055.06;
constexpr double ViscosityToImperial = SquareMetresPerSquareFoot / NewtonsPerPound;
constexpr double ConductivityToImperial = FahrenheitPerKelvin / (MetresPerFoot * JoulesPerBtu);
constexpr double SpecificHeatToSlug = FahrenheitPerKelvin * KgPerSlug / JoulesPerBtu;
constexpr double PaPerInchHg = 3386.389;
constexpr double SpecificHeatToPound = KgPerPound / (FahrenheitPerKelvin * JoulesPerBtu);
// Latent heat of vaporisation at the reference point (597 cal/g) and its fall
// per kelvin (0.57 cal/(g·K)), both over the vapour gas constant.
constexpr double LatentHeatOverRv = 597 * JoulesPerCalorie * 1000 / VapourGasConstant;
constexpr double LatentSlopeOverRv = 0.57 * JoulesPerCalorie * 1000 / VapourGasConstant;
constexpr double MinimumDewPoint = 100.0;
}  // namespace UnitFactors

// Saturation vapour pressure over water (Pa) at temperature T (K): the
// Clausius-Clapeyron relation integrated from 611 Pa at 273.11 K with a
// latent heat falling linearly with temperature.
double SaturationPressure(double temperature);

// Standard atmosphere from a 39-row table (0 to 700 km): T/M is interpolated
// linearly in altitude, ln p linearly in ln(T/M) (exact in a layer of constant
// lapse rate) or in altitude on the isothermal layers.
class CStdAtm {
public:
    CStdAtm();
    virtual ~CStdAtm();
    // Copies hold a table of their own (a sweep saves and restores the air).
    CStdAtm(const CStdAtm &other);
    CStdAtm &operator=(const CStdAtm &other);

    void SetAltitude(double altitudeKm);
    // Standard altitude (km) whose density is rho: four secant steps on ln ρ.
    // Leaves the probe state one kilometre above the last estimate.
    double AltitudeForDensity(double rho);

    double stdPressure = 0;     // Pa
    double stdDensity = 0;      // kg/m³
    double stdTemperature = 0;  // K
    double altitude = 0;        // km
    std::unique_ptr<Lin> table;

protected:
    unsigned lastSegment = 0;       // where the next table search starts
    bool conditionsSolved = false;  // the state is SetConditions' for solvedConditions
};

// Air at a pressure altitude, with its own temperature and humidity.
class CAtmo : public CStdAtm {
public:
    CAtmo();
    ~CAtmo() override;

    void SetPressureAltitude(double altitudeKm);  // resets the humidity to 0
    void SetTemperature(double kelvin);
    void SetHumidity(double percent);
    // All three conditions at once: the state, the results and every error
    // message are those of SetPressureAltitude, SetTemperature and
    // SetHumidity in this order, solved once where the air is ordinary.
    void SetConditions(double altitudeKm, double kelvin, double percent);
    void Update();
    void ToImperial();

    double pressure = 0;            // Pa
    double density = 0;             // kg/m³, dry air
    double temperature = 0;         // K
    double viscosity = 0;           // Pa·s
    double kinematicViscosity = 0;  // m²/s
    double relativeHumidity = 0;    // %
    double vapourPressure = 0;      // Pa
    double saturationPressure = 0;  // Pa
    double moistDensity = 0;        // kg/m³
    double densityAltitudeKm = 0;
    double densityAltitudeFeet = 0;

private:
    void SolveConditions(double altitudeKm, double kelvin, double percent);
    double solvedConditions[3] = {};  // km, K, % of the last clean SetConditions
};
