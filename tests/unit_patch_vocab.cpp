// Patch vocabulary and the LED table's internal operations, on a record set
// up by hand.
#include <string.h>

#include <json-c/json.h>

#include "core/core.h"
#include "fixture.h"
#include "lens/lens.h"
#include "patch/patch.h"
#include "patch/vocab.h"
#include "sensor/sensor.h"

using namespace devcap_test;

namespace {

class PatchUnit : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        cap_ResetRecord();
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

// Every word of the patch vocabularies and of the sensor modes, exact and
// case-sensitive; a miss is silent (the LED drive reports it and means pwm);
// no text gives the invalid member with the matcher's error.
TEST_F(PatchUnit, VocabularyWords) {
    ExpectAnswers({
        WANT(cap_MatchBallType("eight"), CAP_BALL_EIGHT), WANT(cap_MatchBallType("six"), CAP_BALL_SIX),
        WANT(cap_MatchBallType("seven"), CAP_BALL_SEVEN), WANT(cap_MatchBallType("Six"), CAP_BALL_INVALID),
        WANT(cap_MatchBallType(""), CAP_BALL_INVALID), WANT(cap_MatchLedType("whitenear "), 24),
        WANT(cap_MatchLedType("alert_white"), 24), WANT(cap_MatchLedCtl("gpio"), CAP_LEDCTL_GPIO),
        WANT(cap_MatchLedCtl("pwm"), CAP_LEDCTL_PWM), WANT(cap_MatchLedCtl("485"), CAP_LEDCTL_485),
        WANT(cap_MatchLedCtl("i2c"), CAP_LEDCTL_I2C), WANT(cap_MatchLaserInfo("500m"), CAP_LASER_500M),
        WANT(cap_MatchLaserInfo("1000m"), CAP_LASER_1000M), WANT(cap_MatchLaserInfo("1000"), CAP_LASER_NONE),
        WANT(cap_MatchSensorMode("normal"), 0), WANT(cap_MatchSensorMode("720pl"), 1),
        WANT(cap_MatchSensorMode("12m3000ph"), 22), WANT(cap_MatchSensorMode("4m2688_1520ph"), 27),
        WANT(cap_MatchSensorMode("4m2688_1520pl"), 28), WANT(cap_MatchSensorMode("4m2688_1520"), 29),
    });
    for (const auto &w : cap::kLedWords) EXPECT_EQ(cap_MatchLedType(w.acText), w.ucVal) << w.acText;
    ExpectAnswers({WANT(cap_MatchLedType("gpioled"), 1), WANT(cap_MatchLedType("mix"), 11),
                   WANT(cap_MatchLedType("const"), 14), WANT(cap_MatchLedType("alert_whitenear"), 23)});
    EXPECT_EQ(log.Size(), 0u);
    ExpectRefusals(log, {
        REFUSE("cap_MatchBallType", cap_MatchBallType(nullptr), CAP_BALL_INVALID, "cap_MatchBallType param is null!\n"),
        REFUSE("cap_MatchLedType", cap_MatchLedType(nullptr), 24, "invalid params!\n"),
        REFUSE("cap_MatchLedCtl", cap_MatchLedCtl(nullptr), CAP_LEDCTL_INVALID, "cap_MatchLedCtl para is null ptr!\n"),
        REFUSE("cap_MatchLaserInfo", cap_MatchLaserInfo(nullptr), CAP_LASER_NONE, "invalid params!\n"),
        REFUSE("cap_MatchSensorMode", cap_MatchSensorMode(nullptr), 29, "invalid params!\n"),
    });
    log.Clear();
    EXPECT_EQ(cap_MatchLedCtl("Gpio"), CAP_LEDCTL_PWM);
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kInfo, "cap_MatchLedCtl para is invalid:pcVal=Gpio\n"));
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
    ExpectAnswers({
        WANT(stPatch.abOpticsDefogSup[1], 1), WANT(stPatch.aiIrcutDelay[2], 5),
        WANT(stPatch.stLedInfo.usLedNum, 3), WANT(stPatch.aucPatchReserved[0], 0xAB),
        WANT(stPatch.bPoeSupport, 0), WANT(stPatch.aeLaserDistance[3], 0), WANT(stPatch.bLaserSupport, 1),
        WANT(stPatch.eBallType, CAP_BALL_INVALID),
    });
}

// Only the slots an array reaches are written: ten at most (the field after
// the table keeps its value, the surplus is reported); a range element that
// is no array reads as 0, 0; an unknown key is reported once per element.
TEST_F(PatchUnit, ArrayInitFillsOnlyTheSlotsTheArrayReaches) {
    static json_object *pstOne;
    pstOne = Json("[1]");
    ExpectRefusals(log, {
        REFUSE("cap_PatchArrayInit", cap_PatchArrayInit(nullptr, pstOne), -2, "cap_PatchArrayInit para is null ptr.\n"),
        REFUSE("cap_PatchArrayInit", cap_PatchArrayInit("LedFreq", nullptr), -2, "cap_PatchArrayInit para is null ptr.\n"),
    });
    cap_PatchLedInfoValInit();
    log.Clear();
    const LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    ExpectAnswers({
        WANT(cap_PatchArrayInit("LedFreq", Json("[5, 6]")), 0),
        WANT(cap_PatchArrayInit("LedRange", Json(R"([[1, 2], {"a": 1}, [], [4]])")), 0),
        WANT(stLed.aiLedFreq[1], 6), WANT(stLed.aiLedFreq[2], 0), WANT(stLed.astLedRange[0].iRangeMax, 2),
        WANT(stLed.astLedRange[1].iRangeMin, 0), WANT(stLed.astLedRange[1].iRangeMax, 0),
        WANT(stLed.astLedRange[3].iRangeMin, 4), WANT(stLed.astLedRange[3].iRangeMax, 0),
    });
    EXPECT_EQ(log.Size(), 0u);

    g_pstPatchCap->stLedInfo.usLedNum = 6;
    ExpectAnswers({WANT(cap_PatchArrayInit("LedFreq", Json("[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12]")), 0),
                   WANT(stLed.aiLedFreq[9], 10), WANT(stLed.usLedNum, 6),
                   WANT(cap_PatchArrayInit("LedColour", Json("[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12]")), 0)});
    EXPECT_TRUE(log.HasFrom("cap_PatchArrayInit", kWarn, "key=LedFreq has 12 elements, only 10 kept.\n"));
    EXPECT_EQ(log.Count(kInfo, " key is invalid.key=LedColour\n"), 12);
}

// Internal guards of the sensor and lens file readers; an empty sensor path
// fails when it is read.
TEST_F(PatchUnit, SensorAndLensReadersRefuseBadArguments) {
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
