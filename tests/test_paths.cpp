// Capability file paths, the product folder name and the ISP configuration
// folder of a channel.
#include <string>

#include "fixture.h"

using namespace devcap_test;
using namespace std::string_literals;

namespace {

class PathsTest : public CapTest {
protected:
    std::string IspFolder(unsigned short usChn) {
        char acFolder[64] = {0};
        EXPECT_EQ(CAP_GetConfigIspFolder(usChn, sizeof(acFolder), acFolder), 0);
        return acFolder;
    }
};

// The product folder of a device name, and the index and patch it selects.
TEST_F(PathsTest, ProductFolderRules) {
    const std::pair<const char *, const char *> aCases[] = {
        {"MODEL1", "MODEL1"}, {"NAME(X)", "NAME_X"},     {"A/B", "A_B"}, {"A/B/C", "A_B/C"},
        {"AB(", "AB"},        {"NAME(X)/Y", "NAME_X)/"}, {"A(B(C)", "A_B(C"},
    };
    for (const auto &[pcName, pcFolder] : aCases) {
        SCOPED_TRACE(pcName);
        CAP_SetDeviceNameOverride(pcName);
        Init();
        CAP_SetDeviceNameOverride(nullptr);
        char acFolder[64];
        EXPECT_EQ(CAP_GetProductFolder(sizeof(acFolder), acFolder), 0);
        EXPECT_STREQ(acFolder, pcFolder);
        EXPECT_EQ(g_pstCapFiles->acHardwareIndexPath, "/usr/bin/"s + pcFolder + "/hardwareindex.json");
    }
    product.devName = "NAME(X)";
    product.folder = "NAME_X";
    ASSERT_EQ(Init(), 0);
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "/usr/bin/NAME_X/cap_patch.json");
}

// Each path is logged and stored as the device path, whatever root the host set.
TEST_F(PathsTest, PathsAreBuiltAndLogged) {
    product.devName = product.folder = "P1";
    ASSERT_EQ(Init(), 0);
    const std::pair<const char *, const char *> aPaths[] = {
        {g_pstCapFiles->acHardwareIndexPath, "/usr/bin/P1/hardwareindex.json"},
        {g_pstCapFiles->acBoardPath, "/usr/bin/hardware/board/B1/cap_board.json"},
        {g_pstCapFiles->aacSensorPath[0], "/usr/bin/hardware/sensor/imx327/cap_sensor.json"},
        {g_pstCapFiles->aacLensPath[0], "/usr/bin/hardware/lens/fixed/cap_lens.json"},
        {g_pstCapFiles->acPatchPath, "/usr/bin/P1/cap_patch.json"},
    };
    for (const auto &[pcStored, pcPath] : aPaths) {
        EXPECT_STREQ(pcStored, pcPath);
        EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kInfo, "pcOutCapPath = "s + pcPath + "\n")) << pcPath;
    }
    EXPECT_FALSE(log.Contains(root.Path()));
}

TEST_F(PathsTest, LongProductFolderCutsTheIndexPathTo58) {
    std::string folder(31, 'p');
    product.devName = product.folder = folder;
    EXPECT_EQ(Init(), -1);
    std::string path = "/usr/bin/" + folder + "/hardwareindex.json";
    ASSERT_GT(path.size(), 58u);
    EXPECT_EQ(g_pstCapFiles->acHardwareIndexPath, path.substr(0, 58));
    EXPECT_TRUE(log.Has(kError, path.substr(0, 58) + " PATH error!\n"));
}

// ---- ISP configuration folder ---------------------------------------------

TEST_F(PathsTest, IspFolderForms) {
    product.lenses["yt3010"] = "{}";
    product.index = R"({"board": "B1", "ISP_INFO": [
        {"sensor": "imx327", "lens": "yt3010"},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm"]},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm", "yt3010"]},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm", "fixed"]}]})";
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(IspFolder(0), "imx327-yt3010");
    EXPECT_EQ(IspFolder(1), "imx327-fixed-3.6mm");
    EXPECT_EQ(IspFolder(2), "imx327-fixed");
    EXPECT_EQ(IspFolder(3), "imx327-fixed-fixed");
    // The longest forms fit.
    product.index = R"({"board": "B1", "ISP_INFO": [
        {"sensor": "sensor9ch", "lens": ["fixed", "dist11chars", "fixed"]},
        {"sensor": "sensor9ch", "lens": ["fixed", "dist11chars"]}]})";
    Init();
    EXPECT_EQ(IspFolder(0), "sensor9ch-fixed-fixed");
    EXPECT_EQ(IspFolder(1), "sensor9ch-fixed-dist11chars");
    EXPECT_EQ(IspFolder(2), "-");  // unfilled
}

}  // namespace
