// Patch vocabulary and the LED table's internal operations, on a record set
// up by hand.
#include <string.h>

#include <json-c/json.h>

#include "fixture.h"
#include "lens/lens.h"
#include "patch/patch.h"
#include "sensor/sensor.h"

using namespace devcap_test;

namespace {

class PatchUnit : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        memset(&g_stDevCap, 0, sizeof(g_stDevCap));
        g_pstDevCap = &g_stDevCap;
        g_pstCapFiles = &g_stDevCap.stCapFiles;
        g_pstBoardCap = &g_stDevCap.stBoardCap;
        g_pstSensorCap = &g_stDevCap.stSensorCap;
        g_pstLensCap = &g_stDevCap.stLensCap;
        g_pstPatchCap = &g_stDevCap.stPatchCap;
    }
    void TearDown() override {
        for (json_object *o : m_trees) json_object_put(o);
        CapTest::TearDown();
    }
    json_object *Json(const char *pcText) {
        json_object *o = json_tokener_parse(pcText);
        m_trees.push_back(o);
        return o;
    }
    std::vector<json_object *> m_trees;
};

TEST_F(PatchUnit, BallWords) {
    EXPECT_EQ(cap_MatchBallType("eight"), CAP_BALL_EIGHT);
    EXPECT_EQ(cap_MatchBallType("six"), CAP_BALL_SIX);
    EXPECT_EQ(cap_MatchBallType("seven"), CAP_BALL_SEVEN);
    EXPECT_EQ(cap_MatchBallType("Six"), CAP_BALL_INVALID);
    EXPECT_EQ(cap_MatchBallType(""), CAP_BALL_INVALID);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(cap_MatchBallType(nullptr), CAP_BALL_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_MatchBallType", kError, "cap_MatchBallType param is null!\n")) << log.Dump();
}

TEST_F(PatchUnit, LedWords) {
    const struct { const char *pcWord; unsigned int uiVal; } astWords[] = {
        {"gpioled", 1}, {"whitenear", 4}, {"whitemid", 5}, {"whitefar", 6}, {"irnear", 7},
        {"irmid", 8},   {"irfar", 9},     {"softnear", 10}, {"mix", 11},     {"const", 14},
        {"sun_fli", 15}, {"fre_fli", 16}, {"l6d30bw", 19}, {"itwld2", 20},  {"alert", 22},
        {"alert_whitenear", 23},
    };
    for (const auto &w : astWords) EXPECT_EQ(cap_MatchLedType(w.pcWord), w.uiVal) << w.pcWord;
    EXPECT_EQ(cap_MatchLedType("whitenear "), 24u);
    EXPECT_EQ(cap_MatchLedType("alert_white"), 24u);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(cap_MatchLedType(nullptr), 24u);
    EXPECT_TRUE(log.HasFrom("cap_MatchLedType", kError, "invalid params!\n")) << log.Dump();
}

TEST_F(PatchUnit, LedDriveWordsUnknownMeansPwm) {
    EXPECT_EQ(cap_MatchLedCtl("gpio"), CAP_LEDCTL_GPIO);
    EXPECT_EQ(cap_MatchLedCtl("pwm"), CAP_LEDCTL_PWM);
    EXPECT_EQ(cap_MatchLedCtl("485"), CAP_LEDCTL_485);
    EXPECT_EQ(cap_MatchLedCtl("i2c"), CAP_LEDCTL_I2C);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(cap_MatchLedCtl("Gpio"), CAP_LEDCTL_PWM);
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kInfo, "cap_MatchLedCtl para is invalid:pcVal=Gpio\n")) << log.Dump();
    EXPECT_EQ(cap_MatchLedCtl(nullptr), CAP_LEDCTL_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kError, "cap_MatchLedCtl para is null ptr!\n")) << log.Dump();
}

TEST_F(PatchUnit, LaserWords) {
    EXPECT_EQ(cap_MatchLaserInfo("500m"), CAP_LASER_500M);
    EXPECT_EQ(cap_MatchLaserInfo("1000m"), CAP_LASER_1000M);
    EXPECT_EQ(cap_MatchLaserInfo("1000"), CAP_LASER_NONE);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(cap_MatchLaserInfo(nullptr), CAP_LASER_NONE);
    EXPECT_TRUE(log.HasFrom("cap_MatchLaserInfo", kError, "invalid params!\n")) << log.Dump();
}

TEST_F(PatchUnit, SensorModeWords) {
    EXPECT_EQ(cap_MatchSensorMode("normal"), 0u);
    EXPECT_EQ(cap_MatchSensorMode("720pl"), 1u);
    EXPECT_EQ(cap_MatchSensorMode("12m3000ph"), 22u);
    EXPECT_EQ(cap_MatchSensorMode("4m2688_1520ph"), 27u);
    EXPECT_EQ(cap_MatchSensorMode("4m2688_1520pl"), 28u);
    EXPECT_EQ(cap_MatchSensorMode("4m2688_1520"), 29u);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(cap_MatchSensorMode(nullptr), 29u);
    EXPECT_TRUE(log.HasFrom("cap_MatchSensorMode", kError, "invalid params!\n")) << log.Dump();
}

// The LED reset reaches the LED table and nothing around it.
TEST_F(PatchUnit, LedResetTouchesOnlyTheLedTable) {
    PatchCap &stPatch = *g_pstPatchCap;
    for (unsigned int &b : stPatch.abOpticsDefogSup) b = 1;
    stPatch.bReverse = 1;
    stPatch.bLaserSupport = 1;
    stPatch.eBallType = CAP_BALL_SIX;
    stPatch.aiIrcutDelay[0] = 7;
    memset(&stPatch.stLedInfo, 0x5A, sizeof(stPatch.stLedInfo));
    cap_PatchLedInfoValInit();
    for (unsigned int b : stPatch.abOpticsDefogSup) EXPECT_EQ(b, 1u);
    EXPECT_EQ(stPatch.bReverse, 1u);
    EXPECT_EQ(stPatch.eBallType, CAP_BALL_SIX);
    EXPECT_EQ(stPatch.aiIrcutDelay[0], 7);
    const LedInfoCap &stLed = stPatch.stLedInfo;
    EXPECT_EQ(stLed.usEnableNearMidFar, 0);
    EXPECT_EQ(stLed.usLedNum, 0);
    for (int i = 0; i < CAP_LED_SLOTS; ++i) {
        EXPECT_EQ(stLed.aeLedType[i], 24u);
        EXPECT_EQ(stLed.aiLedGpioCtl[i], -1);
        EXPECT_EQ(stLed.aeLedHardCtl[i], 1u);
        EXPECT_EQ(stLed.astLedRange[i].iRangeMin, 0);
        EXPECT_EQ(stLed.astLedRange[i].iRangeMax, 0);
        EXPECT_EQ(stLed.aiLedFreq[i], 0);
    }
}

TEST_F(PatchUnit, PatchResetLeavesDefogDelaysAndLeds) {
    PatchCap &stPatch = *g_pstPatchCap;
    stPatch.abOpticsDefogSup[1] = 1;
    stPatch.aiIrcutDelay[2] = 5;
    stPatch.stLedInfo.usLedNum = 3;
    stPatch.aucPatchReserved[0] = 0xAB;
    stPatch.bPoeSupport = 1;
    stPatch.aeLaserDistance[3] = CAP_LASER_500M;
    cap_PatchInfoValInit();
    EXPECT_EQ(stPatch.abOpticsDefogSup[1], 1u);
    EXPECT_EQ(stPatch.aiIrcutDelay[2], 5);
    EXPECT_EQ(stPatch.stLedInfo.usLedNum, 3);
    EXPECT_EQ(stPatch.aucPatchReserved[0], 0xAB);
    EXPECT_EQ(stPatch.bPoeSupport, 0u);
    EXPECT_EQ(stPatch.aeLaserDistance[3], 0u);
    EXPECT_EQ(stPatch.bLaserSupport, 1u);
    EXPECT_EQ(stPatch.eBallType, CAP_BALL_INVALID);
}

TEST_F(PatchUnit, ArrayInitRefusesNothingToStore) {
    EXPECT_EQ(cap_PatchArrayInit(nullptr, Json("[1]")), -2);
    EXPECT_EQ(cap_PatchArrayInit("LedFreq", nullptr), -2);
    EXPECT_EQ(log.Count(kError, "cap_PatchArrayInit para is null ptr.\n"), 2) << log.Dump();
}

TEST_F(PatchUnit, ArrayInitFillsOnlyTheSlotsTheArrayReaches) {
    cap_PatchLedInfoValInit();
    EXPECT_EQ(cap_PatchArrayInit("LedFreq", Json("[5, 6]")), 0);
    EXPECT_EQ(cap_PatchArrayInit("LedRange", Json(R"([[1, 2], {"a": 1}, [], [4]])")), 0);
    const LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    EXPECT_EQ(stLed.aiLedFreq[1], 6);
    EXPECT_EQ(stLed.aiLedFreq[2], 0);
    EXPECT_EQ(stLed.astLedRange[0].iRangeMax, 2);
    EXPECT_EQ(stLed.astLedRange[1].iRangeMin, 0);
    EXPECT_EQ(stLed.astLedRange[1].iRangeMax, 0);
    EXPECT_EQ(stLed.astLedRange[3].iRangeMin, 4);
    EXPECT_EQ(stLed.astLedRange[3].iRangeMax, 0);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
}

TEST_F(PatchUnit, ArrayInitUnknownKeyReportsEachElement) {
    cap_PatchLedInfoValInit();
    EXPECT_EQ(cap_PatchArrayInit("LedColour", Json("[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12]")), 0);
    EXPECT_EQ(log.Count(kInfo, " key is invalid.key=LedColour\n"), 12) << log.Dump();
}

TEST_F(PatchUnit, ArrayInitBeyondTenSlotsLeavesTheNextField) {
    cap_PatchLedInfoValInit();
    g_pstPatchCap->stLedInfo.usLedNum = 6;
    EXPECT_EQ(cap_PatchArrayInit("LedFreq", Json("[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12]")), 0);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.aiLedFreq[9], 10);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.usLedNum, 6);
    EXPECT_TRUE(log.HasFrom("cap_PatchArrayInit", kWarn,
                            "key=LedFreq has 12 elements, only 10 kept.\n")) << log.Dump();
}

// Internal guards of the sensor and lens file readers.
TEST_F(PatchUnit, SensorAndLensReadersRefuseBadArguments) {
    EXPECT_EQ(cap_SensorCapInit(0, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "CAP_SensorCapInit para is null!\n"));
    EXPECT_EQ(cap_SensorCapInit(4, "/x"), -4);
    EXPECT_EQ(cap_SensorCapInit(0, ""), -1);  // an empty path fails when it is read
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "Sensor Json is Null.")) << log.Dump();

    EXPECT_EQ(cap_LensCapInit(0, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "CAP_LensCapInit para is null!\n"));
    EXPECT_EQ(cap_LensCapInit(4, ""), -4);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "Para out of range.")) << log.Dump();
    EXPECT_EQ(cap_LensCapInit(3, ""), -4);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "CAP_LensCapInit para is empty.")) << log.Dump();
    EXPECT_EQ(cap_LensCapInit(3, "/nowhere/cap_lens.json"), -1);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "Lens Cap is null.")) << log.Dump();
}

}  // namespace
