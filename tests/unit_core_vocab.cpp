// Sensor and lens vocabulary.
#include <iterator>
#include <string>
#include <utility>

#include "core/core.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class CoreVocabTest : public CapTest {};

// Every word with its number; unknown words (case, blanks, parts) are silently
// invalid, a missing one is reported by the matcher.
TEST_F(CoreVocabTest, EveryWord) {
    const std::pair<const char *, SensorType> aSensors[] = {
        {"imx385", 0},  {"imx185", 1},  {"imx327", 2},  {"imx335", 3},   {"os08a10", 4}, {"os02c10", 5},
        {"sc4210", 6},  {"imx334", 7},  {"sc2210", 8},  {"sc4238", 9},   {"imx307", 10}, {"imx265", 11},
        {"imx305", 12}, {"os04a10", 13}, {"sc200ai", 15}, {"sc500ai", 16}, {"gc2053", 17}, {"imx485", 18},
        {"IMX307", CAP_SENSOR_INVALID}, {"", CAP_SENSOR_INVALID}, {"imx3", CAP_SENSOR_INVALID},
    };
    for (const auto &[pcWord, enType] : aSensors) EXPECT_EQ(cap_MatchSensorType(pcWord), enType) << pcWord;
    const char *apcLenses[] = {"union_t5183", "muxia_35x",   "user",        "yt3010",  "hd0271",  "fixed",
                               "25x_f028",    "24x_f063",    "yt50011",     "28x_f147x", "32x_f127x", "yt30031",
                               "yt30021",     "union_t5097", "union_t5291", "df033",   "yt10093", "yt10112",
                               "yt10069",     "yt10068",     "union_t5188", "f130x",   "union_t5215", "f139",
                               "yt30033",     "fg20060",     "yt3010 ",     "Fixed"};
    for (LensType i = 0; i < std::size(apcLenses); ++i)
        EXPECT_EQ(cap_MatchLensType(apcLenses[i]), i < 26 ? i : LensType{CAP_LENS_INVALID}) << apcLenses[i];
    const char *apcDistances[] = {"2.8mm", "3.6mm", "6mm", "8mm", "12mm", "box", "4mm", "3.6"};
    for (FixDistance i = 0; i < std::size(apcDistances); ++i)
        EXPECT_EQ(cap_MatchFixDistance(apcDistances[i]), i < 6 ? i : FixDistance{CAP_FIX_INVALID}) << apcDistances[i];
    EXPECT_EQ(log.Size(), 0u);

    EXPECT_EQ(cap_MatchSensorType(nullptr), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchLensType(nullptr), CAP_LENS_INVALID);
    EXPECT_EQ(cap_MatchFixDistance(nullptr), CAP_FIX_INVALID);
    for (const char *pcFn : {"cap_MatchSensorType", "cap_MatchLensType", "cap_MatchFixDistance"})
        EXPECT_TRUE(log.HasFrom(pcFn, kError, "invalid params!\n")) << pcFn << "\n" << log.Dump();
}

}  // namespace
