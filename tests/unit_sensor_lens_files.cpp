// The sensor and lens file readers called directly: the sensor-mode words
// and the readers' guards.
#include "fixture.h"
#include "lens/lens.h"
#include "sensor/sensor.h"

using namespace devcap_test;

namespace {

class SensorLensFileTest : public CapTest {};

// Every sensor mode has its number, exact and case-sensitive; an unknown
// mode is silently the invalid member, a missing text is reported.
TEST_F(SensorLensFileTest, SensorModeWords) {
    ExpectAnswers({
        WANT(cap_MatchSensorMode("normal"), 0), WANT(cap_MatchSensorMode("720pl"), 1),
        WANT(cap_MatchSensorMode("12m3000ph"), 22), WANT(cap_MatchSensorMode("4m2688_1520ph"), 27),
        WANT(cap_MatchSensorMode("4m2688_1520pl"), 28), WANT(cap_MatchSensorMode("4m2688_1520"), 29),
        WANT(cap_MatchSensorMode("4M2688_1520PL"), 29), WANT(cap_MatchSensorMode(""), 29),
    });
    EXPECT_EQ(log.Size(), 0u);
    ExpectRefusals(log, {
        REFUSE("cap_MatchSensorMode", cap_MatchSensorMode(nullptr), 29, "invalid params!\n"),
    });
}

// Internal guards of the sensor and lens file readers; an empty sensor path
// fails when it is read.
TEST_F(SensorLensFileTest, ReadersRefuseBadArguments) {
    ExpectRefusals(log, {
        REFUSE("cap_SensorCapInit", cap_SensorCapInit(0, nullptr), -2, "CAP_SensorCapInit para is null!\n"),
        REFUSE("cap_SensorCapInit", cap_SensorCapInit(4, "/x"), -4, "para out of range."),
        REFUSE("cap_SensorCapInit", cap_SensorCapInit(0, ""), -1, "Sensor Json is Null."),
        REFUSE("cap_LensCapInit", cap_LensCapInit(0, nullptr), -2, "CAP_LensCapInit para is null!\n"),
        REFUSE("cap_LensCapInit", cap_LensCapInit(4, ""), -4, "Para out of range."),
        REFUSE("cap_LensCapInit", cap_LensCapInit(3, ""), -4, "CAP_LensCapInit para is empty."),
        REFUSE("cap_LensCapInit", cap_LensCapInit(3, "/nowhere/cap_lens.json"), -1, "Lens Cap is null."),
    });
}

}  // namespace
