// The record, its pointers and the overflow check of the text-storing rule.
#include "fixture.h"

using namespace devcap_test;

namespace {

class RecordTest : public CapTest {};

// Nothing in this program runs start-up before this test.
TEST(RecordBeforeStartUp, PointersAreNullAndTheRecordZero) {
    EXPECT_EQ(g_pstDevCap, nullptr);
    EXPECT_EQ(g_pstCapFiles, nullptr);
    EXPECT_EQ(g_pstBoardCap, nullptr);
    EXPECT_EQ(g_pstSensorCap, nullptr);
    EXPECT_EQ(g_pstLensCap, nullptr);
    EXPECT_EQ(g_pstPatchCap, nullptr);
    const unsigned char *pucByte = reinterpret_cast<const unsigned char *>(&g_stDevCap);
    size_t ulNonZero = 0;
    for (size_t i = 0; i < sizeof(g_stDevCap); ++i) ulNonZero += pucByte[i] != 0;
    EXPECT_EQ(ulNonZero, 0u);
}

TEST_F(RecordTest, StartUpWithoutAnIndexLeavesEveryStageRegionAsReset) {
    product.index = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_EQ(static_cast<void *>(g_pstCapFiles), static_cast<void *>(&g_stDevCap));
    // The index defaults; the board, lens and patch regions as cleared, the
    // LED table at its reset values.
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

TEST_F(RecordTest, WarnStrOverflowNullTextWarnsAndReturns) {
    cap_WarnStrOverflow(nullptr, 10);
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n")) << log.Dump();
}

TEST_F(RecordTest, WarnStrOverflowAtTheBoundary) {
    cap_WarnStrOverflow("", 1);
    cap_WarnStrOverflow("abcdefghi", 10);  // 9 characters fit 10
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    cap_WarnStrOverflow("abcdefghij", 10);  // 10 do not
    EXPECT_TRUE(log.Has(kWarn, "abcdefghij size = 10 is overflow of 10\n")) << log.Dump();
}

TEST_F(RecordTest, MessagesCarryModuleFunctionAndLine) {
    cap_WarnStrOverflow(nullptr, 1);
    auto e = log.Entries();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].module, HOST_MODULE_NAME);
    EXPECT_EQ(e[0].fn, "cap_WarnStrOverflow");
    EXPECT_GT(e[0].line, 0);
    EXPECT_EQ(e[0].raw.find('"'), std::string::npos);
}

}  // namespace
