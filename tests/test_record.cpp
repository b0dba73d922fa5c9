// The record, its pointers and the overflow check of the text-storing rule.
#include "fixture.h"

using namespace devcap_test;

namespace {

class RecordTest : public CapTest {};

// Nothing in this program runs start-up before this test.
TEST(RecordBeforeStartUp, PointersAreNullAndTheRecordZero) {
    for (const void *p : {(const void *)g_pstDevCap, (const void *)g_pstCapFiles, (const void *)g_pstBoardCap,
                          (const void *)g_pstSensorCap, (const void *)g_pstLensCap, (const void *)g_pstPatchCap})
        EXPECT_EQ(p, nullptr);
    const unsigned char *pucByte = reinterpret_cast<const unsigned char *>(&g_stDevCap);
    size_t ulNonZero = 0;
    for (size_t i = 0; i < sizeof(g_stDevCap); ++i) ulNonZero += pucByte[i] != 0;
    EXPECT_EQ(ulNonZero, 0u);
}

// The index defaults; the board, lens and patch regions as cleared, the LED
// table at its reset values (a camera without "LedInfo" has no lights).
TEST_F(RecordTest, StartUpWithoutAnIndexLeavesEveryStageRegionAsReset) {
    product.index = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_EQ(g_pstSensorCap->usSensorNum, 1);
    EXPECT_EQ(g_pstLensCap->usLensNum, 1);
    EXPECT_EQ(g_pstSensorCap->aeSensorType[3], CAP_SENSOR_INVALID);
    EXPECT_EQ(g_pstSensorCap->aeSensorMode[3], CAP_SENSOR_MODE_INVALID);
    EXPECT_EQ(g_pstLensCap->aeLensType[3], CAP_LENS_INVALID);
    EXPECT_EQ(g_pstLensCap->aeFixDistance[0], 0u);
    EXPECT_EQ(g_pstBoardCap->enCameraType, 0u);
    EXPECT_EQ(g_pstPatchCap->eBallType, 0u);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.aeLedType[9], CAP_LED_INVALID);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.aiLedGpioCtl[9], -1);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.aeLedHardCtl[9], CAP_LEDCTL_PWM);
    EXPECT_EQ(g_pstPatchCap->stLedInfo.usLedNum, 0);
}

TEST_F(RecordTest, WarnStrOverflowAtTheBoundaryAndOnNull) {
    cap_WarnStrOverflow("", 1);
    cap_WarnStrOverflow("abcdefghi", 10);  // 9 characters fit 10
    EXPECT_EQ(log.Size(), 0u);
    cap_WarnStrOverflow("abcdefghij", 10);  // 10 do not
    cap_WarnStrOverflow(nullptr, 10);
    auto e = log.Entries();
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].level, kWarn);
    EXPECT_EQ(e[0].text, "abcdefghij size = 10 is overflow of 10\n");
    // "[module][function][line] text", no quote characters.
    EXPECT_EQ(e[1].module, HOST_MODULE_NAME);
    EXPECT_EQ(e[1].fn, "cap_WarnStrOverflow");
    EXPECT_GT(e[1].line, 0);
    EXPECT_EQ(e[1].level, kWarn);
    EXPECT_EQ(e[1].text, "invalid params!\n");
    EXPECT_EQ(e[1].raw.find('"'), std::string::npos);
}

}  // namespace
