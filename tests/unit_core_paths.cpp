// The path builder called directly: its refusals, the paths it builds, and a
// channel past the record.
#include <string.h>

#include "core/core.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class PathsUnitTest : public CapTest {};

// Null and empty arguments, an unknown file kind, and a file that is not there.
TEST_F(PathsUnitTest, OnlyKnownKindsAndExistingFiles) {
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

// Stage 2 called directly with more lens channels than the record holds,
// which the index never gives (it counts sensors and lenses alike, and the
// sensor channels fail first): a channel past the fourth has no name and no
// path slot, so nothing beyond the lens names is taken for a name and
// nothing beyond the lens paths is written.
TEST_F(PathsUnitTest, LensChannelPastTheRecordHasNoName) {
    ASSERT_EQ(Init(), 0);
    for (int i = 1; i < CAP_MAX_CHANNEL; ++i)
        strcpy(g_pstLensCap->aacLensName[i], g_pstLensCap->aacLensName[0]);
    // The bytes right after the last lens name: a fifth name read there
    // would not be empty.
    g_pstLensCap->aeFixDistance[0] = static_cast<FixDistance>(1);
    g_pstLensCap->usLensNum = CAP_MAX_CHANNEL + 1;
    log.Clear();

    EXPECT_EQ(cap_GetCapFilesPath(), -4);
    EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kError, " cap_GetOneCapFilesPath para is invalid!\n"));
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Lens Path Fail ! \n"));
    for (int i = 0; i < CAP_MAX_CHANNEL; ++i)
        EXPECT_STREQ(g_pstCapFiles->aacLensPath[i], "/usr/bin/hardware/lens/fixed/cap_lens.json");
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "");
}

}  // namespace
