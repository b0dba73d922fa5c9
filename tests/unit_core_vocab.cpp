// Sensor and lens vocabulary, and the path builder's refusals.
#include <iterator>
#include <string>
#include <utility>

#include "core/core.h"
#include "core/vocab.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class CoreVocabTest : public CapTest {};

// Every word of the tables gives its member and irregular words their
// exported numbers; unknown words (case, blanks, parts) are silently invalid,
// a missing one is reported by the matcher.
TEST_F(CoreVocabTest, EveryWord) {
    for (const auto &w : cap::kSensorWords) EXPECT_EQ(cap_MatchSensorType(w.acText), w.ucVal) << w.acText;
    for (const auto &w : cap::kLensWords) EXPECT_EQ(cap_MatchLensType(w.acText), w.ucVal) << w.acText;
    for (const auto &w : cap::kFixDistanceWords) EXPECT_EQ(cap_MatchFixDistance(w.acText), w.ucVal) << w.acText;
    ExpectAnswers({
        WANT(cap_MatchSensorType("imx307"), 10), WANT(cap_MatchSensorType("os04a10"), 13),
        WANT(cap_MatchSensorType("sc200ai"), 15), WANT(cap_MatchSensorType("imx485"), 18),
        WANT(cap_MatchLensType("user"), 2), WANT(cap_MatchLensType("fixed"), 5),
        WANT(cap_MatchLensType("fg20060"), 25), WANT(cap_MatchFixDistance("3.6mm"), 1),
        WANT(cap_MatchFixDistance("box"), 5),
        WANT(cap_MatchSensorType("IMX307"), CAP_SENSOR_INVALID), WANT(cap_MatchSensorType(""), CAP_SENSOR_INVALID),
        WANT(cap_MatchSensorType("imx3"), CAP_SENSOR_INVALID), WANT(cap_MatchLensType("yt3010 "), CAP_LENS_INVALID),
        WANT(cap_MatchLensType("Fixed"), CAP_LENS_INVALID), WANT(cap_MatchFixDistance("4mm"), CAP_FIX_INVALID),
        WANT(cap_MatchFixDistance("3.6"), CAP_FIX_INVALID),
    });
    EXPECT_EQ(log.Size(), 0u);

    EXPECT_EQ(cap_MatchSensorType(nullptr), CAP_SENSOR_INVALID);
    EXPECT_EQ(cap_MatchLensType(nullptr), CAP_LENS_INVALID);
    EXPECT_EQ(cap_MatchFixDistance(nullptr), CAP_FIX_INVALID);
    for (const char *pcFn : {"cap_MatchSensorType", "cap_MatchLensType", "cap_MatchFixDistance"})
        EXPECT_TRUE(log.HasFrom(pcFn, kError, "invalid params!\n")) << pcFn << "\n" << log.Dump();
}

TEST_F(CoreVocabTest, PathBuilder) {
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

    root.Write("/usr/bin/hardware/sensor/imx327/cap_sensor.json", "{}");
    EXPECT_EQ(cap_GetOneCapFilesPath("sensor", "imx327", acPath), 0);
    EXPECT_STREQ(acPath, "/usr/bin/hardware/sensor/imx327/cap_sensor.json");
    EXPECT_EQ(cap_GetOneCapFilesPath("sensor", "imx385", acPath), -1);
    EXPECT_TRUE(log.Has(kError, "/usr/bin/hardware/sensor/imx385/cap_sensor.json PATH error!\n"));
}

}  // namespace
