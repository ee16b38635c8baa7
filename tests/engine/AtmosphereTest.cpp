// Standard atmosphere and humid air against published standard-atmosphere
// values and the flying conditions fliers meet.
#include "physics/Atmosphere.h"
#include "numbers/EngineError.h"

#include <gtest/gtest.h>

namespace {

using namespace UnitFactors;

TEST(StdAtm, sea_level_tropopause_and_isothermal_layer)
{
    StandardAtmosphere air;
    air.SetAltitude(0);
    EXPECT_NEAR(air.StdPressure(), 101325, 0.01);
    EXPECT_NEAR(air.StdTemperature(), 288.15, 1e-6);
    EXPECT_NEAR(air.StdDensity(), 1.225, 1e-6);

    air.SetAltitude(11.019);
    EXPECT_NEAR(air.StdPressure(), 22632, 0.5);
    EXPECT_NEAR(air.StdTemperature(), 216.65, 1e-3);
    air.SetAltitude(15);
    EXPECT_NEAR(air.StdTemperature(), 216.65, 1e-3);

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
    EXPECT_EQ(air.SetPressureAltitude(c.feet * MetresPerFoot * 0.001), nullptr);
    EXPECT_EQ(air.SetTemperature(c.fahrenheit / FahrenheitPerKelvin + KelvinAtZeroFahrenheit), nullptr);
    EXPECT_EQ(air.SetHumidity(c.humidity), nullptr);
    air.ToImperial();
    EXPECT_NEAR(air.Pressure() / PaPerInchHg, c.inHg, 0.005);
    EXPECT_NEAR(air.DensityAltitudeFeet(), c.densityAltitudeFeet, c.tolFeet);
}

INSTANTIATE_TEST_SUITE_P(Conditions, HumidAir, ::testing::Values(
    AirCase{100, 75, 50, 29.81, 1346.4, 0.05},  // the built-in flying conditions
    AirCase{0, 59, 0, 29.92, 0, 0.001},          // standard day
    AirCase{5000, 90, 0, 24.90, 8038, 1},
    AirCase{3000, 90, 80, 26.82, 6146.9, 0.05}));

TEST(HumidAir, default_conditions_hold_the_expected_air_state)
{
    HumidAtmosphere air;
    EXPECT_EQ(air.SetPressureAltitude(100 * MetresPerFoot * 0.001), nullptr);
    EXPECT_EQ(air.SetTemperature(75 / FahrenheitPerKelvin + KelvinAtZeroFahrenheit), nullptr);
    EXPECT_EQ(air.SetHumidity(50), nullptr);
    EXPECT_NEAR(air.PressureAtSaturation(), 2963, 1);
    EXPECT_NEAR(air.MoistDensity(), 1.177489, 1e-6);
    EXPECT_NEAR(air.Density(), 1.184056, 1e-6);
    EXPECT_NEAR(air.KinematicViscosity(), 1.547187e-05, 1e-11);
}

TEST(HumidAir, humidity_is_clamped_and_reset_by_a_new_pressure_altitude)
{
    HumidAtmosphere air;
    EXPECT_EQ(air.SetHumidity(150), nullptr);
    EXPECT_EQ(air.RelativeHumidity(), 100);
    EXPECT_EQ(air.SetHumidity(-5), nullptr);
    EXPECT_EQ(air.RelativeHumidity(), 0);
    EXPECT_EQ(air.SetHumidity(40), nullptr);
    EXPECT_EQ(air.SetPressureAltitude(1), nullptr);
    EXPECT_EQ(air.RelativeHumidity(), 0);
    EXPECT_EQ(air.MoistDensity(), air.Density());
}

TEST(SaturationPressure, reference_point_and_room_temperature)
{
    EXPECT_EQ(SaturationPressure(273.11), 611.0);
    EXPECT_NEAR(SaturationPressure(293.15), 2338, 1);
}

TEST(HumidAir, conditions_without_physical_meaning_are_reported)
{
    HumidAtmosphere air;
    EXPECT_NE(air.SetTemperature(0), nullptr);  // -459.67 °F
    EXPECT_NE(air.SetTemperature(-10), nullptr);
    EXPECT_EQ(air.SetTemperature(380), nullptr);  // above boiling at sea level: vapour alone would carry the pressure
    const char *error = air.SetHumidity(100);
    ASSERT_NE(error, nullptr) << "saturated air at 100 °C was accepted";
    EXPECT_NE(std::string(error).find("vapour pressure"), std::string::npos);
}

}  // namespace

// The pressure altitude from a field's elevation and altimeter setting: the
// standard atmosphere's relation, checked against the National Weather
// Service's altimeter-setting formula (AS = (Pa^0.1903 + 1.313e-5·Ha)^5.255,
// inches of mercury and feet) and the standard pressure altitude of Pa.
TEST(PressureAltitude, from_field_elevation_and_altimeter_setting)
{
    // Set to the standard 29.92 inHg, the altimeter reads pressure altitude.
    EXPECT_NEAR(PressureAltitudeFeet(0, 1013.25 / 33.8638866667).value, 0, 1e-6);
    for (double feet : {-500.0, 1165.0, 5000.0, 12000.0})
        EXPECT_NEAR(PressureAltitudeFeet(feet, 1013.25 / 33.8638866667).value, feet, 1e-6);
    const struct {
        double elevation, setting;
    } fields[] = {{1165, 30.10}, {5280, 29.65}, {0, 31.0}, {8000, 28.5}};
    for (const auto &f : fields) {
        const double pa = std::pow(std::pow(f.setting, 0.1903) - 1.313e-5 * f.elevation, 5.255);
        const double standard = 145366.45 * (1 - std::pow(pa / 29.92126, 0.190284));
        EXPECT_NEAR(PressureAltitudeFeet(f.elevation, f.setting).value, standard, 8) << f.elevation;  // NWS's rounded constants
    }
    // A higher setting means denser air: a lower pressure altitude, about
    // 1,000 feet per inch near sea level.
    EXPECT_NEAR(PressureAltitudeFeet(1165, 30.10).value, 1165 - 0.18 * 1000, 25);
    EXPECT_FALSE(PressureAltitudeFeet(100, 0).ok());
    EXPECT_FALSE(PressureAltitudeFeet(NAN, 29.92).ok());
}
