// Start-up: the record and its pointers, the device name decision and the
// order of the stages with the message of the first that fails.
#include <string.h>

#include "fixture.h"

using namespace devcap_test;

namespace {

class StartupTest : public CapTest {};

TEST_F(StartupTest, DefaultProductStartsAndSetsThePointers) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(g_pstDevCap, &g_stDevCap);
    EXPECT_EQ(static_cast<void *>(g_pstCapFiles), static_cast<void *>(g_pstDevCap));
    EXPECT_EQ(reinterpret_cast<char *>(g_pstBoardCap), reinterpret_cast<char *>(g_pstDevCap) + 660);
    EXPECT_EQ(g_pstSensorCap, &g_stDevCap.stSensorCap);
    EXPECT_EQ(g_pstLensCap, &g_stDevCap.stLensCap);
    EXPECT_EQ(g_pstPatchCap, &g_stDevCap.stPatchCap);
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1");
    EXPECT_STREQ(g_pstBoardCap->acBoardType, "B1");
    EXPECT_STREQ(g_pstCapFiles->acHardwareIndexPath, "/usr/bin/MODEL1/hardwareindex.json");
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "/usr/bin/MODEL1/cap_patch.json");
}

}  // namespace
