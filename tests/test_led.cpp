// Supplementary lights: "LedInfo" from the index, board and patch files, its
// precedence rules, and every LED query with its own checks and messages.
#include <string.h>

#include "fixture.h"

using namespace devcap_test;

namespace {

constexpr const char *kIndexHead = R"("board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])";

class LedTest : public CapTest {
protected:
    void IndexLedInfo(const std::string &led) { product.index = std::string("{") + kIndexHead + R"(, "LedInfo": )" + led + "}"; }
    void PatchLedInfo(const std::string &led) { product.patch = R"({"LedInfo": )" + led + "}"; }
    // The near, middle and far enables as "n,m,f".
    static std::string Enables() {
        unsigned short usNear = 9, usMid = 9, usFar = 9;
        EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
        return std::to_string(usNear) + "," + std::to_string(usMid) + "," + std::to_string(usFar);
    }
};

// With no "LedInfo" anywhere the table holds the LED reset values, so the
// camera reports no LEDs (not ten of type 0 on GPIO 0).
TEST_F(LedTest, CameraWithoutLedInfoHasNoLeds) {
    ASSERT_EQ(Init(), 0);
    ExpectAnswers({WANT(CAP_GetLedNum(), 0), WANT(CAP_GetLedTypeNum(), 0), WANT(CAP_GetLedGpioNum(), 0),
                   WANT(CAP_GetLedFreqNum(), 0), WANT(CAP_GetLedRangeNum(), 0)});
    for (int i = 0; i < CAP_LED_SLOTS; ++i) {
        ExpectAnswers({WANT(CAP_GetLedType(i), CAP_LED_INVALID), WANT(CAP_GetLedCtlWithGpio(i), -1),
                       WANT(CAP_GetLedHardCtlType(i), CAP_LEDCTL_PWM), WANT(CAP_GetLedFreq(i), 0)});
    }
    EXPECT_EQ(Enables(), "0,0,0");
}

// The index's "LedInfo" with a count keeps the board's out; without a count
// (or without an index one) the board's is parsed and replaces it wholly.
TEST_F(LedTest, BoardLedInfoOnlyWithoutAnIndexLedCount) {
    IndexLedInfo(R"({"LedNum": 2, "LedType": ["whitenear", "irnear"]})");
    product.board = R"({"LedInfo": {"LedNum": 3, "LedType": ["irfar"], "LedGpioCtl": [7]}})";
    ASSERT_EQ(Init(), 0);
    ExpectAnswers({WANT(CAP_GetLedNum(), 2), WANT(CAP_GetLedType(0), CAP_LED_WHITENEAR),
                   WANT(CAP_GetLedTypeNum(), 2), WANT(CAP_GetLedGpioNum(), 0)});

    IndexLedInfo(R"({"LedNum": 0, "LedType": ["whitenear"], "LedGpioCtl": [5], "EnableNearMiddleFar": 4})");
    ASSERT_EQ(Init(), 0);
    ExpectAnswers({WANT(CAP_GetLedNum(), 3), WANT(CAP_GetLedType(0), CAP_LED_IRFAR),
                   WANT(CAP_GetLedTypeNum(), 1), WANT(CAP_GetLedCtlWithGpio(0), 7)});
    EXPECT_EQ(Enables(), "0,0,0");
}

// A patch "LedInfo" of only a count leaves every array at its reset value.
TEST_F(LedTest, PatchLedInfoReplacesEverythingBefore) {
    IndexLedInfo(R"({"LedNum": 2, "LedType": ["whitenear", "irnear"], "LedGpioCtl": [1, 2],
                    "LedRange": [[0, 30]], "LedFreq": [50], "LedHardCtl": ["gpio"], "EnableNearMiddleFar": 7})");
    PatchLedInfo(R"({"LedNum": 1})");
    ASSERT_EQ(Init(), 0);
    ExpectAnswers({WANT(CAP_GetLedNum(), 1), WANT(CAP_GetLedTypeNum(), 0), WANT(CAP_GetLedGpioNum(), 0),
                   WANT(CAP_GetLedRangeNum(), 0), WANT(CAP_GetLedFreqNum(), 0),
                   WANT(CAP_GetLedHardCtlType(0), CAP_LEDCTL_PWM)});
    EXPECT_EQ(Enables(), "0,0,0");
}

// Every key; counts scan from slot 0 to the first empty slot; a text count
// is ignored; unknown drive words are pwm, null ones the invalid drive.
TEST_F(LedTest, EveryKeyOfLedInfo) {
    PatchLedInfo(R"({"EnableNearMiddleFar": 5, "LedNum": "3",
                    "LedType": ["whitenear", "bogus", "irfar"], "LedGpioCtl": [12, 13],
                    "LedHardCtl": ["gpio", "Gpio", null, "i2c", "485"],
                    "LedRange": [[0, 30], [30, 60], [7], "x", [1, 2]], "LedFreq": [0, 50],
                    "Other": 1, "Foo": [1, 2, 3], "Empty": []})");
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(Enables(), "1,0,1");
    ExpectAnswers({
        WANT(CAP_GetLedNum(), 0), WANT(CAP_GetLedType(0), 4), WANT(CAP_GetLedType(1), 24),
        WANT(CAP_GetLedType(2), 9), WANT(CAP_GetLedTypeNum(), 1), WANT(CAP_GetLedGpioNum(), 2),
        WANT(CAP_GetLedFreq(1), 50), WANT(CAP_GetLedFreqNum(), 0), WANT(CAP_GetLedRangeNum(), 2),
    });
    const int aiCtl[] = {0, 1, 4, 3, 2, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(CAP_GetLedHardCtlType(i), aiCtl[i]) << i;
    int aiMin[5] = {}, aiMax[5] = {};
    EXPECT_EQ(CAP_GetLedRangeMul(5, aiMin, aiMax), 0);
    const int aiWantMin[] = {0, 30, 7, 0, 1}, aiWantMax[] = {30, 60, 0, 0, 2};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(aiMin[i] * 100 + aiMax[i], aiWantMin[i] * 100 + aiWantMax[i]) << i;

    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kInfo, "cap_MatchLedCtl para is invalid:pcVal=Gpio\n"));
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kError, "cap_MatchLedCtl para is null ptr!\n"));
    EXPECT_EQ(log.Count(kInfo, " key is invalid.key=Foo\n"), 3);
    EXPECT_FALSE(log.Contains("key=Empty"));
    // Slot 2 is empty: no message.
    log.Clear();
    EXPECT_EQ(CAP_GetLedCtlWithGpio(2), -1);
    EXPECT_EQ(log.Size(), 0u);
}

TEST_F(LedTest, CountsAreKeptInSixteenBits) {
    PatchLedInfo(R"({"LedNum": 65538, "EnableNearMiddleFar": 65537, "LedType": [null, "mix"]})");
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(CAP_GetLedNum(), 2);
    EXPECT_EQ(Enables(), "0,0,1");
    ExpectAnswers({WANT(CAP_GetLedType(0), 24), WANT(CAP_GetLedType(1), CAP_LED_MIX)});
    EXPECT_TRUE(log.HasFrom("cap_MatchLedType", kError, "invalid params!\n"));
}

// Arrays longer than the ten slots: ten are kept, the field after each array
// keeps its value, and the surplus is reported.
TEST_F(LedTest, ArraysBeyondTenSlotsStopAtTheirField) {
    PatchLedInfo(R"({"LedNum": 3,
                    "LedType": ["mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "irfar"],
                    "LedGpioCtl": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11],
                    "LedRange": [[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[9,9]],
                    "LedFreq": [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 77]})");
    ASSERT_EQ(Init(), 0);
    const LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    ExpectAnswers({
        WANT(CAP_GetLedTypeNum(), 10), WANT(stLed.aiLedGpioCtl[0], 0),  // after the types
        WANT(CAP_GetLedGpioNum(), 10), WANT(CAP_GetLedCtlWithGpio(9), 9),
        WANT(stLed.aeLedHardCtl[0], 1),  // after the GPIOs
        WANT(CAP_GetLedRangeNum(), 10), WANT(stLed.aiLedFreq[0], 1),  // after the ranges
        WANT(CAP_GetLedFreqNum(), 10), WANT(CAP_GetLedNum(), 3),      // after the frequencies
        WANT(g_pstPatchCap->aiIrcutDelay[0], 0),
    });
    EXPECT_EQ(log.Count(kWarn, "key=LedGpioCtl has 12 elements, only 10 kept.\n"), 1);
    EXPECT_TRUE(log.HasFrom("cap_PatchArrayInit", kWarn, "key=LedType has 11 elements, only 10 kept.\n"));
}

TEST_F(LedTest, QueriesCheckTheirArguments) {
    PatchLedInfo(R"({"LedType": ["whitenear", "irmid", "alert"], "LedGpioCtl": [3, 4, 5],
                    "LedFreq": [10, 20, 30], "LedRange": [[1, 2], [3, 4], [5, 6]]})");
    ASSERT_EQ(Init(), 0);
    static int iMin = -7, iMax = -7, aiBuf[11];
    static unsigned short us = 0;
    ExpectRefusals(log, {
        // Single slots are bound by the ten slots, not by a count.
        REFUSE("CAP_GetLedType", CAP_GetLedType(10), -1, "para our of range"),
        REFUSE("CAP_GetLedHardCtlType", CAP_GetLedHardCtlType(-1), -1, "para our of range"),
        REFUSE("CAP_GetLedCtlWithGpio", CAP_GetLedCtlWithGpio(10), -4,
               "CAP_GetLedCtlWithGpio para iGpioNum = 10 out of range 10."),
        REFUSE("CAP_GetLedFreq", CAP_GetLedFreq(-3), -4, "CAP_GetLedFreq para iGpioIndex out of range."),
        // The range queries test their pointers first, the copies their count.
        REFUSE("CAP_GetLedRange", CAP_GetLedRange(10, nullptr, &iMax), -2, "CAP_GetLedRange para is null ptr."),
        REFUSE("CAP_GetLedRange", CAP_GetLedRange(10, &iMin, nullptr), -2, "CAP_GetLedRange para is null ptr."),
        REFUSE("CAP_GetLedRange", CAP_GetLedRange(10, &iMin, &iMax), -4, "para out of range."),
        REFUSE("CAP_GetLedRangeMul", CAP_GetLedRangeMul(0, nullptr, nullptr), -2, "CAP_GetLedRangeAll para null ptr."),
        REFUSE("CAP_GetLedRangeMul", CAP_GetLedRangeMul(11, aiBuf, aiBuf), -4, "CAP_GetLedRangeAll para out of range."),
        REFUSE("CAP_GetLedRangeMul", CAP_GetLedRangeMul(0, aiBuf, aiBuf), -4, "CAP_GetLedRangeAll para out of range."),
        REFUSE("CAP_GetLedTypeMul", CAP_GetLedTypeMul(0, nullptr), -4, "CAP_GetLedTypeAll para out of range."),
        REFUSE("CAP_GetLedTypeMul", CAP_GetLedTypeMul(10, nullptr), -2, "CAP_GetLedTypeAll para null ptr."),
        REFUSE("CAP_GetLedCtlWithGpioMul", CAP_GetLedCtlWithGpioMul(11, nullptr), -4,
               "CAP_GetLedCtlWithGpioAll para out of range."),
        REFUSE("CAP_GetLedCtlWithGpioMul", CAP_GetLedCtlWithGpioMul(1, nullptr), -2,
               "CAP_GetLedCtlWithGpioAll para null ptr."),
        REFUSE("CAP_GetLedFreqMul", CAP_GetLedFreqMul(-1, nullptr), -4, "CAP_GetLedFreqAll para  out of range."),
        REFUSE("CAP_GetLedFreqMul", CAP_GetLedFreqMul(10, nullptr), -2, "CAP_GetLedFreqAll para is null ptr."),
        REFUSE("CAP_GetNearMidFarEnable", CAP_GetNearMidFarEnable(&us, &us, nullptr), -2,
               "CAP_GetNearMidFarEnable para is null ptr."),
    });
    ExpectAnswers({WANT(iMin, -7), WANT(iMax, -7), WANT(CAP_GetLedType(9), 24), WANT(CAP_GetLedFreq(9), 0),
                   WANT(CAP_GetLedRange(2, &iMin, &iMax), 0), WANT(iMin, 5), WANT(iMax, 6)});
}

// The copies write exactly count values.
TEST_F(LedTest, CopiesWriteExactlyCountValues) {
    PatchLedInfo(R"({"LedType": ["whitenear", "irmid", "alert"], "LedGpioCtl": [3, 4, 5],
                    "LedFreq": [10, 20, 30], "LedRange": [[1, 2], [3, 4], [5, 6]]})");
    ASSERT_EQ(Init(), 0);
    log.Clear();
    LedType aeType[4] = {99, 99, 99, 99};
    int aiGpio[11], aiFreq[3] = {}, aiMin[3] = {-7, -7, -7}, aiMax[3] = {-7, -7, -7};
    memset(aiGpio, 0x55, sizeof(aiGpio));
    ExpectAnswers({
        WANT(CAP_GetLedTypeMul(3, aeType), 0), WANT(aeType[0], CAP_LED_WHITENEAR),
        WANT(aeType[2], CAP_LED_ALERT), WANT(aeType[3], 99), WANT(CAP_GetLedCtlWithGpioMul(10, aiGpio), 0),
        WANT(aiGpio[1], 4), WANT(aiGpio[9], -1), WANT(aiGpio[10], 0x55555555),
        WANT(CAP_GetLedFreqMul(2, aiFreq), 0), WANT(aiFreq[1], 20), WANT(aiFreq[2], 0),
        WANT(CAP_GetLedRangeMul(2, aiMin, aiMax), 0), WANT(aiMin[1], 3), WANT(aiMax[1], 4), WANT(aiMin[2], -7),
        WANT(CAP_GetLedTypeNum(), 3), WANT(CAP_GetLedGpioNum(), 3), WANT(CAP_GetLedFreqNum(), 3),
        WANT(CAP_GetLedRangeNum(), 3),
    });
    EXPECT_EQ(log.Size(), 0u);
}

// The exported matcher forwards to the internal one (whose message it is).
TEST_F(LedTest, MatchLedTypeIsExportedAndNullLedInfoResetsNothing) {
    PatchLedInfo(R"({"LedNum": 4, "LedGpioCtl": [8]})");
    ASSERT_EQ(Init(), 0);
    ExpectAnswers({WANT(CAP_MatchLedType("alert_whitenear"), CAP_LED_ALERT_WHITENEAR),
                   WANT(CAP_MatchLedType("whitenear "), CAP_LED_INVALID)});
    ExpectRefusals(log, {
        REFUSE("cap_MatchLedType", CAP_MatchLedType(nullptr), CAP_LED_INVALID, "invalid params!\n"),
        REFUSE("cap_ParseLedInfo", cap_ParseLedInfo(nullptr), -2, "cap_ParseLedInfo para is null!\n"),
    });
    ExpectAnswers({WANT(CAP_GetLedNum(), 4), WANT(CAP_GetLedCtlWithGpio(0), 8)});
}

}  // namespace
