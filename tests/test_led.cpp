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
    static void ExpectNoLeds() {
        EXPECT_EQ(CAP_GetLedNum(), 0);
        EXPECT_EQ(CAP_GetLedTypeNum(), 0);
        EXPECT_EQ(CAP_GetLedGpioNum(), 0);
        EXPECT_EQ(CAP_GetLedFreqNum(), 0);
        EXPECT_EQ(CAP_GetLedRangeNum(), 0);
        for (int i = 0; i < CAP_LED_SLOTS; ++i) {
            EXPECT_EQ(CAP_GetLedType(i), CAP_LED_INVALID) << i;
            EXPECT_EQ(CAP_GetLedCtlWithGpio(i), -1) << i;
            EXPECT_EQ(CAP_GetLedHardCtlType(i), CAP_LEDCTL_PWM) << i;
            EXPECT_EQ(CAP_GetLedFreq(i), 0) << i;
        }
    }
};

TEST_F(LedTest, CameraWithoutLedInfoHasNoLeds) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    ExpectNoLeds();
    unsigned short usNear = 9, usMid = 9, usFar = 9;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
    EXPECT_EQ(usNear + usMid + usFar, 0);
}

TEST_F(LedTest, IndexLedCountKeepsTheBoardLedInfoOut) {
    IndexLedInfo(R"({"LedNum": 2, "LedType": ["whitenear", "irnear"]})");
    product.board = R"({"LedInfo": {"LedNum": 3, "LedType": ["irfar"], "LedGpioCtl": [7]}})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 2);
    EXPECT_EQ(CAP_GetLedType(0), CAP_LED_WHITENEAR);
    EXPECT_EQ(CAP_GetLedTypeNum(), 2);
    EXPECT_EQ(CAP_GetLedGpioNum(), 0);
}

TEST_F(LedTest, BoardLedInfoReplacesAnIndexOneWithoutCount) {
    IndexLedInfo(R"({"LedNum": 0, "LedType": ["whitenear"], "LedGpioCtl": [5], "EnableNearMiddleFar": 4})");
    product.board = R"({"LedInfo": {"LedNum": 1, "LedType": ["irfar"]}})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 1);
    EXPECT_EQ(CAP_GetLedType(0), CAP_LED_IRFAR);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(0), -1);
    unsigned short usNear = 9, usMid = 9, usFar = 9;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
    EXPECT_EQ(usNear, 0);
}

TEST_F(LedTest, BoardLedInfoWhenTheIndexHasNone) {
    product.board = R"({"LedInfo": {"LedNum": 2, "LedGpioCtl": [40, 41]}})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 2);
    EXPECT_EQ(CAP_GetLedGpioNum(), 2);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(1), 41);
}

TEST_F(LedTest, PatchLedInfoReplacesEverythingBefore) {
    IndexLedInfo(R"({"LedNum": 2, "LedType": ["whitenear", "irnear"], "LedGpioCtl": [1, 2],
                    "LedRange": [[0, 30]], "LedFreq": [50], "LedHardCtl": ["gpio"], "EnableNearMiddleFar": 7})");
    PatchLedInfo(R"({"LedNum": 1})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 1);
    EXPECT_EQ(CAP_GetLedTypeNum(), 0);
    EXPECT_EQ(CAP_GetLedGpioNum(), 0);
    EXPECT_EQ(CAP_GetLedRangeNum(), 0);
    EXPECT_EQ(CAP_GetLedFreqNum(), 0);
    EXPECT_EQ(CAP_GetLedHardCtlType(0), CAP_LEDCTL_PWM);
    unsigned short usNear = 9, usMid = 9, usFar = 9;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
    EXPECT_EQ(usNear + usMid + usFar, 0);
}

TEST_F(LedTest, EveryKeyOfLedInfo) {
    PatchLedInfo(R"({"EnableNearMiddleFar": 5, "LedNum": "3",
                    "LedType": ["whitenear", "bogus", "irfar"],
                    "LedGpioCtl": [12, 13],
                    "LedHardCtl": ["gpio", "Gpio", null, "i2c", "485"],
                    "LedRange": [[0, 30], [30, 60], [7], "x", [1, 2]],
                    "LedFreq": [0, 50],
                    "Other": 1, "Empty": []})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    unsigned short usNear = 9, usMid = 9, usFar = 9;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
    EXPECT_EQ(usNear, 1);
    EXPECT_EQ(usMid, 0);
    EXPECT_EQ(usFar, 1);
    EXPECT_EQ(CAP_GetLedNum(), 0);  // a text count is ignored

    EXPECT_EQ(CAP_GetLedType(0), 4);
    EXPECT_EQ(CAP_GetLedType(1), 24);
    EXPECT_EQ(CAP_GetLedType(2), 9);
    EXPECT_EQ(CAP_GetLedTypeNum(), 1);

    EXPECT_EQ(CAP_GetLedGpioNum(), 2);
    log.Clear();
    EXPECT_EQ(CAP_GetLedCtlWithGpio(2), -1);
    EXPECT_EQ(log.Size(), 0u);

    const int aiCtl[] = {0, 1, 4, 3, 2, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(CAP_GetLedHardCtlType(i), aiCtl[i]) << i;

    int aiMin[5] = {}, aiMax[5] = {};
    EXPECT_EQ(CAP_GetLedRangeMul(5, aiMin, aiMax), 0);
    const int aiWantMin[] = {0, 30, 7, 0, 1}, aiWantMax[] = {30, 60, 0, 0, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(aiMin[i], aiWantMin[i]) << i;
        EXPECT_EQ(aiMax[i], aiWantMax[i]) << i;
    }
    EXPECT_EQ(CAP_GetLedRangeNum(), 2);

    EXPECT_EQ(CAP_GetLedFreq(1), 50);
    EXPECT_EQ(CAP_GetLedFreqNum(), 0);
}

TEST_F(LedTest, ParseMessages) {
    PatchLedInfo(R"({"LedHardCtl": ["Gpio", null], "LedType": [null, "mix"], "Foo": [1, 2, 3], "Bar": []})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kInfo, "cap_MatchLedCtl para is invalid:pcVal=Gpio\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kError, "cap_MatchLedCtl para is null ptr!\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_MatchLedType", kError, "invalid params!\n")) << log.Dump();
    EXPECT_EQ(log.Count(kInfo, " key is invalid.key=Foo\n"), 3) << log.Dump();
    EXPECT_FALSE(log.Contains("key=Bar")) << log.Dump();
    EXPECT_EQ(CAP_GetLedType(0), 24);
    EXPECT_EQ(CAP_GetLedType(1), CAP_LED_MIX);
}

TEST_F(LedTest, CountIsKeptInSixteenBits) {
    PatchLedInfo(R"({"LedNum": 65538, "EnableNearMiddleFar": 65537})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 2);
    unsigned short usNear = 9, usMid = 9, usFar = 9;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar), 0);
    EXPECT_EQ(usFar, 1);
    EXPECT_EQ(usNear, 0);
}

// Arrays longer than the ten slots: ten are kept, the field after each array
// keeps its value, and the surplus is reported.
TEST_F(LedTest, ArraysBeyondTenSlotsStopAtTheirField) {
    PatchLedInfo(R"({"LedNum": 3,
                    "LedType": ["mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "mix", "irfar"],
                    "LedGpioCtl": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11],
                    "LedRange": [[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[1,1],[9,9]],
                    "LedFreq": [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 77]})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    const LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    EXPECT_EQ(CAP_GetLedTypeNum(), 10);
    EXPECT_EQ(stLed.aiLedGpioCtl[0], 0);       // after the types
    EXPECT_EQ(CAP_GetLedGpioNum(), 10);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(9), 9);
    EXPECT_EQ(stLed.aeLedHardCtl[0], 1u);     // after the GPIOs
    EXPECT_EQ(CAP_GetLedRangeNum(), 10);
    EXPECT_EQ(stLed.aiLedFreq[0], 1);         // after the ranges
    EXPECT_EQ(CAP_GetLedFreqNum(), 10);
    EXPECT_EQ(CAP_GetLedNum(), 3);            // after the frequencies
    EXPECT_EQ(g_pstPatchCap->aiIrcutDelay[0], 0);
    EXPECT_EQ(log.Count(kWarn, "key=LedGpioCtl has 12 elements, only 10 kept.\n"), 1)
        << log.Dump();
}

class LedQueryTest : public LedTest {
protected:
    void SetUp() override {
        LedTest::SetUp();
        PatchLedInfo(R"({"LedType": ["whitenear", "irmid", "alert"], "LedGpioCtl": [3, 4, 5],
                        "LedFreq": [10, 20, 30], "LedRange": [[1, 2], [3, 4], [5, 6]]})");
        ASSERT_EQ(Init(), 0) << log.Dump();
        log.Clear();
    }
};

TEST_F(LedQueryTest, SingleSlotsAreBoundByTheTenSlots) {
    EXPECT_EQ(CAP_GetLedType(9), 24);
    EXPECT_EQ(CAP_GetLedFreq(9), 0);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(CAP_GetLedType(10), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedType", kError, "para our of range")) << log.Dump();
    EXPECT_EQ(CAP_GetLedHardCtlType(-1), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedHardCtlType", kError, "para our of range")) << log.Dump();
    EXPECT_EQ(CAP_GetLedCtlWithGpio(10), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedCtlWithGpio", kError,
                            "CAP_GetLedCtlWithGpio para iGpioNum = 10 out of range 10.")) << log.Dump();
    EXPECT_EQ(CAP_GetLedFreq(-3), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedFreq", kError, "CAP_GetLedFreq para iGpioIndex out of range.")) << log.Dump();
}

TEST_F(LedQueryTest, RangeTestsItsPointersFirst) {
    int iMin = 0, iMax = 0;
    EXPECT_EQ(CAP_GetLedRange(10, nullptr, &iMax), -2);
    EXPECT_EQ(CAP_GetLedRange(10, &iMin, nullptr), -2);
    EXPECT_EQ(log.Count(kError, "CAP_GetLedRange para is null ptr."), 2) << log.Dump();
    EXPECT_EQ(CAP_GetLedRange(10, &iMin, &iMax), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedRange", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetLedRange(2, &iMin, &iMax), 0);
    EXPECT_EQ(iMin, 5);
    EXPECT_EQ(iMax, 6);

    EXPECT_EQ(CAP_GetLedRangeMul(0, nullptr, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedRangeMul", kError, "CAP_GetLedRangeAll para null ptr.")) << log.Dump();
    int aiMin[11] = {}, aiMax[11] = {};
    EXPECT_EQ(CAP_GetLedRangeMul(11, aiMin, aiMax), -4);
    EXPECT_EQ(CAP_GetLedRangeMul(0, aiMin, aiMax), -4);
    EXPECT_EQ(log.Count(kError, "CAP_GetLedRangeAll para out of range."), 2) << log.Dump();
}

TEST_F(LedQueryTest, CopiesTestTheCountFirst) {
    EXPECT_EQ(CAP_GetLedTypeMul(0, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedTypeMul", kError, "CAP_GetLedTypeAll para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetLedTypeMul(10, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedTypeMul", kError, "CAP_GetLedTypeAll para null ptr.")) << log.Dump();
    EXPECT_EQ(CAP_GetLedCtlWithGpioMul(11, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedCtlWithGpioMul", kError, "CAP_GetLedCtlWithGpioAll para out of range."));
    EXPECT_EQ(CAP_GetLedCtlWithGpioMul(1, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedCtlWithGpioMul", kError, "CAP_GetLedCtlWithGpioAll para null ptr."));
    EXPECT_EQ(CAP_GetLedFreqMul(-1, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedFreqMul", kError, "CAP_GetLedFreqAll para  out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetLedFreqMul(10, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLedFreqMul", kError, "CAP_GetLedFreqAll para is null ptr.")) << log.Dump();
    unsigned short us = 0;
    EXPECT_EQ(CAP_GetNearMidFarEnable(&us, &us, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetNearMidFarEnable", kError, "CAP_GetNearMidFarEnable para is null ptr."));
}

TEST_F(LedQueryTest, CopiesWriteExactlyCountValues) {
    LedType aeType[4] = {99, 99, 99, 99};
    EXPECT_EQ(CAP_GetLedTypeMul(3, aeType), 0);
    EXPECT_EQ(aeType[0], CAP_LED_WHITENEAR);
    EXPECT_EQ(aeType[2], CAP_LED_ALERT);
    EXPECT_EQ(aeType[3], 99u);
    int aiGpio[11];
    memset(aiGpio, 0x55, sizeof(aiGpio));
    EXPECT_EQ(CAP_GetLedCtlWithGpioMul(10, aiGpio), 0);
    EXPECT_EQ(aiGpio[1], 4);
    EXPECT_EQ(aiGpio[9], -1);
    EXPECT_EQ(aiGpio[10], 0x55555555);
    int aiFreq[3] = {};
    EXPECT_EQ(CAP_GetLedFreqMul(2, aiFreq), 0);
    EXPECT_EQ(aiFreq[1], 20);
    EXPECT_EQ(aiFreq[2], 0);
    int aiMin[3] = {-7, -7, -7}, aiMax[3] = {-7, -7, -7};
    EXPECT_EQ(CAP_GetLedRangeMul(2, aiMin, aiMax), 0);
    EXPECT_EQ(aiMin[1], 3);
    EXPECT_EQ(aiMax[1], 4);
    EXPECT_EQ(aiMin[2], -7);
    EXPECT_EQ(CAP_GetLedTypeNum(), 3);
    EXPECT_EQ(CAP_GetLedGpioNum(), 3);
    EXPECT_EQ(CAP_GetLedFreqNum(), 3);
    EXPECT_EQ(CAP_GetLedRangeNum(), 3);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
}

TEST_F(LedTest, MatchLedTypeIsExported) {
    EXPECT_EQ(CAP_MatchLedType("alert_whitenear"), CAP_LED_ALERT_WHITENEAR);
    EXPECT_EQ(CAP_MatchLedType("whitenear "), CAP_LED_INVALID);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(CAP_MatchLedType(nullptr), CAP_LED_INVALID);
    EXPECT_TRUE(log.Has(kError, "invalid params!\n")) << log.Dump();
}

TEST_F(LedTest, ParseLedInfoOfNothingResetsNothing) {
    PatchLedInfo(R"({"LedNum": 4, "LedGpioCtl": [8]})");
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(cap_ParseLedInfo(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_ParseLedInfo", kError, "cap_ParseLedInfo para is null!\n")) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 4);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(0), 8);
}

}  // namespace
