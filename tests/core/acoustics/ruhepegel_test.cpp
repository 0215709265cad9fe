#include "core/acoustics/ruhepegel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

struct Fall {
    const char* name;
    std::array<double, 7> oktaven;
    std::vector<Ruhepegel_Ueberschreitung> erwartet;
};

class RuhepegelVergleich : public ::testing::TestWithParam<Fall>
{
};

TEST_P(RuhepegelVergleich, NenntDieZuLautenBaenderMitIhrerUeberschreitung)
{
    const Fall& f = GetParam();
    const auto zu_laut = Ruhepegel_vergleichen(f.oktaven);
    ASSERT_EQ(zu_laut.size(), f.erwartet.size());
    for (size_t i = 0; i < zu_laut.size(); ++i) {
        EXPECT_EQ(zu_laut[i].Band, f.erwartet[i].Band);
        EXPECT_NEAR(zu_laut[i].um_dB, f.erwartet[i].um_dB, 1e-9);
    }
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Faelle, RuhepegelVergleich,
    ::testing::Values(
        // A quiet room; nothing measured (-200) is quiet too.
        Fall{"ruhig", {30, 20, 15, 20, 25, 30, 30}, {}},
        Fall{"nichts_gemessen", {-200, -200, -200, -200, -200, -200, -200}, {}},
        // Exactly at the limit passes; the limits differ per band (21 dB at 500 Hz, 39 at 125 Hz).
        Fall{"an_der_Grenze", {39, 25, 21, 26, 34, 37, 37}, {}},
        Fall{"500_Hz_laut", {38, 24, 30, 25, 33, 36, 36}, {{2, 9.0}}},
        Fall{"tief_und_hoch", {45.5, 10, 10, 10, 10, 10, 37.25}, {{0, 6.5}, {6, 0.25}}},
        Fall{"alle", {40, 26, 22, 27, 35, 38, 38}, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}},
        // Values that are no measurement never count as a warning.
        Fall{"nicht_endlich", {nan, inf, -inf, 20, 20, 20, 20}, {}}),
    [](const ::testing::TestParamInfo<Fall>& i) { return std::string(i.param.name); });

TEST(Oktavband, TestfrequenzenLiegenInIhremBand)
{
    const std::pair<double, int> faelle[] = {{125, 0},  {88.4, 0},  {88.3, -1}, {176, 0},   {177, 1},
                                             {750, 3},  {1000, 3},  {1500, 4},  {3000, 5},  {6000, 6},
                                             {8000, 6}, {11000, 6}, {12000, -1}, {16000, -1}, {63, -1}};
    for (const auto& [f, band] : faelle)
        EXPECT_EQ(Oktavband_von(f), band) << f;
}

} // namespace
