// Standard atmosphere and humid air against published standard-atmosphere
// values and the flying conditions fliers meet.
#include "Atmosphere.h"
#include "EngineError.h"

#include <gtest/gtest.h>

namespace {

using namespace UnitFactors;

TEST(StdAtm, sea_level_tropopause_and_isothermal_layer)
{
    StandardAtmosphere air;
    air.SetAltitude(0);
    EXPECT_NEAR(air.stdPressure, 101325, 0.01);
    EXPECT_NEAR(air.stdTemperature, 288.15, 1e-6);
    EXPECT_NEAR(air.stdDensity, 1.225, 1e-6);

    air.SetAltitude(11.019);
    EXPECT_NEAR(air.stdPressure, 22632, 0.5);
    EXPECT_NEAR(air.stdTemperature, 216.65, 1e-3);
    air.SetAltitude(15);
    EXPECT_NEAR(air.stdTemperature, 216.65, 1e-3);

    EXPECT_NEAR(air.AltitudeForDensity(1.225), 0, 1e-5);  // within a centimetre
}

struct AirCase {
    double feet, fahrenheit, humidity;
    double inHg, densityAltitudeFeet, tolFeet;
};

void PrintTo(const AirCase &c, std::ostream *os)
{
    *os << c.feet << " ft " << c.fahrenheit << " F " << c.humidity << " %";
}

class HumidAir : public ::testing::TestWithParam<AirCase> {};

TEST_P(HumidAir, gives_pressure_and_density_altitude)
{
    const AirCase &c = GetParam();
    HumidAtmosphere air;
    air.SetPressureAltitude(c.feet * MetresPerFoot * 0.001);
    air.SetTemperature(c.fahrenheit / FahrenheitPerKelvin + KelvinAtZeroFahrenheit);
    air.SetHumidity(c.humidity);
    air.ToImperial();
    EXPECT_NEAR(air.pressure / PaPerInchHg, c.inHg, 0.005);
    EXPECT_NEAR(air.densityAltitudeFeet, c.densityAltitudeFeet, c.tolFeet);
}

INSTANTIATE_TEST_SUITE_P(Conditions, HumidAir, ::testing::Values(
    AirCase{100, 75, 50, 29.81, 1346.4, 0.05},  // the built-in flying conditions
    AirCase{0, 59, 0, 29.92, 0, 0.001},          // standard day
    AirCase{5000, 90, 0, 24.90, 8038, 1},
    AirCase{3000, 90, 80, 26.82, 6146.9, 0.05}));

TEST(HumidAir, default_conditions_hold_the_expected_air_state)
{
    HumidAtmosphere air;
    air.SetPressureAltitude(100 * MetresPerFoot * 0.001);
    air.SetTemperature(75 / FahrenheitPerKelvin + KelvinAtZeroFahrenheit);
    air.SetHumidity(50);
    EXPECT_NEAR(air.saturationPressure, 2963, 1);
    EXPECT_NEAR(air.moistDensity, 1.177489, 1e-6);
    EXPECT_NEAR(air.density, 1.184056, 1e-6);
    EXPECT_NEAR(air.kinematicViscosity, 1.547187e-05, 1e-11);
}

TEST(HumidAir, humidity_is_clamped_and_reset_by_a_new_pressure_altitude)
{
    HumidAtmosphere air;
    air.SetHumidity(150);
    EXPECT_EQ(air.relativeHumidity, 100);
    air.SetHumidity(-5);
    EXPECT_EQ(air.relativeHumidity, 0);
    air.SetHumidity(40);
    air.SetPressureAltitude(1);
    EXPECT_EQ(air.relativeHumidity, 0);
    EXPECT_EQ(air.moistDensity, air.density);
}

TEST(SaturationPressure, reference_point_and_room_temperature)
{
    EXPECT_EQ(SaturationPressure(273.11), 611.0);
    EXPECT_NEAR(SaturationPressure(293.15), 2338, 1);
}

TEST(HumidAir, conditions_without_physical_meaning_are_reported)
{
    HumidAtmosphere air;
    EXPECT_THROW(air.SetTemperature(0), EngineError);  // -459.67 °F
    EXPECT_THROW(air.SetTemperature(-10), EngineError);
    air.SetTemperature(380);  // above boiling at sea level: vapour alone would carry the pressure
    try {
        air.SetHumidity(100);
        FAIL() << "saturated air at 100 °C was accepted";
    } catch (const EngineError &e) {
        EXPECT_NE(std::string(e.what()).find("vapour pressure"), std::string::npos);
    }
}

}  // namespace
