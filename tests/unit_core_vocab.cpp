// Sensor and lens vocabulary, and the path builder's refusals.
#include <string.h>

#include <string>
#include <utility>

#include "core/core.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class CoreVocabTest : public CapTest {};

TEST_F(CoreVocabTest, EverySensorWord) {
    const std::pair<const char *, SensorType> aWords[] = {
        {"imx385", 0},   {"imx185", 1},   {"imx327", 2},   {"imx335", 3},  {"os08a10", 4},
        {"os02c10", 5},  {"sc4210", 6},   {"imx334", 7},   {"sc2210", 8},  {"sc4238", 9},
        {"imx307", 10},  {"imx265", 11},  {"imx305", 12},  {"os04a10", 13}, {"sc200ai", 15},
        {"sc500ai", 16}, {"gc2053", 17},  {"imx485", 18},
    };
    for (const auto &[pcWord, enType] : aWords) EXPECT_EQ(cap_MatchSensorType(pcWord), enType) << pcWord;
}

TEST_F(CoreVocabTest, EveryLensWord) {
    const char *apcWords[] = {"union_t5183", "muxia_35x", "user",        "yt3010",    "hd0271",
                              "fixed",       "25x_f028",  "24x_f063",    "yt50011",   "28x_f147x",
                              "32x_f127x",   "yt30031",   "yt30021",     "union_t5097", "union_t5291",
                              "df033",       "yt10093",   "yt10112",     "yt10069",   "yt10068",
                              "union_t5188", "f130x",     "union_t5215", "f139",      "yt30033",
                              "fg20060"};
    for (LensType i = 0; i < 26; ++i) EXPECT_EQ(cap_MatchLensType(apcWords[i]), i) << apcWords[i];
}

TEST_F(CoreVocabTest, EveryDistanceWord) {
    const char *apcWords[] = {"2.8mm", "3.6mm", "6mm", "8mm", "12mm", "box"};
    for (FixDistance i = 0; i < 6; ++i) EXPECT_EQ(cap_MatchFixDistance(apcWords[i]), i) << apcWords[i];
}

TEST_F(CoreVocabTest, UnknownWordsAreSilentlyInvalid) {
    EXPECT_EQ(cap_MatchSensorType("IMX307"), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchSensorType(""), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchSensorType("imx3"), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchLensType("yt3010 "), CAP_LENS_INVALID);
    EXPECT_EQ(cap_MatchLensType("Fixed"), CAP_LENS_INVALID);
    EXPECT_EQ(cap_MatchFixDistance("4mm"), CAP_FIX_INVALID);
    EXPECT_EQ(cap_MatchFixDistance("3.6"), CAP_FIX_INVALID);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
}

TEST_F(CoreVocabTest, MissingWordIsLogged) {
    EXPECT_EQ(cap_MatchSensorType(nullptr), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchLensType(nullptr), CAP_LENS_INVALID);
    EXPECT_EQ(cap_MatchFixDistance(nullptr), CAP_FIX_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_MatchSensorType", kError, "invalid params!\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_MatchLensType", kError, "invalid params!\n"));
    EXPECT_TRUE(log.HasFrom("cap_MatchFixDistance", kError, "invalid params!\n"));
}

TEST_F(CoreVocabTest, PathBuilderRefusals) {
    char acPath[CAP_PATH_LEN];
    EXPECT_EQ(cap_GetOneCapFilesPath(nullptr, "x", acPath), -2);
    EXPECT_EQ(cap_GetOneCapFilesPath("board", nullptr, acPath), -2);
    EXPECT_EQ(cap_GetOneCapFilesPath("board", "x", nullptr), -2);
    EXPECT_EQ(log.Count(kError, "cap_GetOneCapFilesPath para is null ptr\n"), 3);
    EXPECT_EQ(cap_GetOneCapFilesPath("", "x", acPath), -4);
    EXPECT_EQ(cap_GetOneCapFilesPath("board", "", acPath), -4);
    EXPECT_EQ(log.Count(kError, " cap_GetOneCapFilesPath para is invalid!\n"), 2);
    EXPECT_EQ(cap_GetOneCapFilesPath("firmware", "x", acPath), -1);
    EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kInfo, "pcCap = firmware is invalid\n"));
}

TEST_F(CoreVocabTest, PathBuilderFindsAFileUnderTheRoot) {
    root.Write("/usr/bin/hardware/sensor/imx327/cap_sensor.json", "{}");
    char acPath[CAP_PATH_LEN];
    EXPECT_EQ(cap_GetOneCapFilesPath("sensor", "imx327", acPath), 0);
    EXPECT_STREQ(acPath, "/usr/bin/hardware/sensor/imx327/cap_sensor.json");
    EXPECT_EQ(cap_GetOneCapFilesPath("sensor", "imx385", acPath), -1);
    EXPECT_TRUE(log.Has(kError, "/usr/bin/hardware/sensor/imx385/cap_sensor.json PATH error!\n"));
}

TEST_F(CoreVocabTest, IndexEntryOutsideTheChannelsIsRefused) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    json_object *pstEntry = json_tokener_parse(R"({"sensor": "imx385", "lens": "yt3010"})");
    ASSERT_NE(pstEntry, nullptr);
    const DevCap stBefore = g_stDevCap;
    EXPECT_EQ(cap_GetHardwareIndexVal(pstEntry, 4), -4);
    EXPECT_EQ(cap_GetHardwareIndexVal(pstEntry, -1), -4);
    EXPECT_EQ(memcmp(&stBefore, &g_stDevCap, sizeof(DevCap)), 0);
    EXPECT_EQ(cap_GetHardwareIndexVal(pstEntry, 3), 0);
    EXPECT_EQ(g_pstSensorCap->aeSensorType[3], CAP_SENSOR_IMX385);
    EXPECT_EQ(g_pstSensorCap->uiSensorReserved, 0u);
    json_object_put(pstEntry);
}

}  // namespace
