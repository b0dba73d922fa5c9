// Capability file paths, the product folder name and the ISP configuration
// folder of a channel.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;
using namespace std::string_literals;

namespace {

class PathsTest : public CapTest {
protected:
    // The product folder that start-up derives from this device name.
    std::string FolderOf(const std::string &name) {
        CAP_SetDeviceNameOverride(name.c_str());
        Init();
        char acFolder[64];
        EXPECT_EQ(CAP_GetProductFolder(sizeof(acFolder), acFolder), 0);
        CAP_SetDeviceNameOverride(nullptr);
        return acFolder;
    }
    std::string IspFolder(unsigned short usChn, unsigned short usSize = 40) {
        char acFolder[64] = {0};
        EXPECT_EQ(CAP_GetConfigIspFolder(usChn, usSize, acFolder), 0);
        return acFolder;
    }
};

TEST_F(PathsTest, ProductFolderRules) {
    EXPECT_EQ(FolderOf("MODEL1"), "MODEL1");
    EXPECT_EQ(FolderOf("NAME(X)"), "NAME_X");
    EXPECT_EQ(FolderOf("A/B"), "A_B");
    EXPECT_EQ(FolderOf("A/B/C"), "A_B/C");
    EXPECT_EQ(FolderOf("NAME(X)/Y"), "NAME_X)/");
    EXPECT_EQ(FolderOf("AB("), "AB");
    EXPECT_EQ(FolderOf("A(B(C)"), "A_B(C");
}

TEST_F(PathsTest, ProductFolderSelectsTheIndex) {
    product.devName = "NAME(X)";
    product.folder = "NAME_X";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstCapFiles->acHardwareIndexPath, "/usr/bin/NAME_X/hardwareindex.json");
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "/usr/bin/NAME_X/cap_patch.json");
}

TEST_F(PathsTest, ProductFolderQuery) {
    product.devName = product.folder = "ABCDEFG";
    ASSERT_EQ(Init(), 0) << log.Dump();
    char acBuf[8];
    EXPECT_EQ(CAP_GetProductFolder(sizeof(acBuf), nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetProductFolder", kError, "CAP_GetProductName para is ptr null"));
    EXPECT_EQ(CAP_GetProductFolder(0, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetProductFolder", kError, "para out of range."));
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetProductFolder(5, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 6), "ABCD\0x"s);
    EXPECT_TRUE(log.Has(kWarn, "ABCDEFG size = 7 is overflow of 5\n")) << log.Dump();
}

TEST_F(PathsTest, PathsAreBuiltAndLogged) {
    product.devName = product.folder = "P1";
    ASSERT_EQ(Init(), 0) << log.Dump();
    const char *apcPaths[] = {
        "/usr/bin/P1/hardwareindex.json",
        "/usr/bin/hardware/board/B1/cap_board.json",
        "/usr/bin/hardware/sensor/imx327/cap_sensor.json",
        "/usr/bin/hardware/lens/fixed/cap_lens.json",
        "/usr/bin/P1/cap_patch.json",
    };
    for (const char *pcPath : apcPaths)
        EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kInfo, "pcOutCapPath = "s + pcPath + "\n"))
            << pcPath << "\n" << log.Dump();
    EXPECT_STREQ(g_pstCapFiles->acBoardPath, apcPaths[1]);
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[0], apcPaths[2]);
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[0], apcPaths[3]);
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, apcPaths[4]);
}

TEST_F(PathsTest, ChannelsSharingANameShareTheFile) {
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},
                                                    {"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[1], g_pstCapFiles->aacSensorPath[0]);
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[1], g_pstCapFiles->aacLensPath[0]);
}

TEST_F(PathsTest, LongProductFolderCutsTheIndexPathTo58) {
    std::string folder(31, 'p');
    product.devName = product.folder = folder;
    EXPECT_EQ(Init(), -1);
    std::string path = "/usr/bin/" + folder + "/hardwareindex.json";
    ASSERT_GT(path.size(), 58u);
    EXPECT_EQ(std::string(g_pstCapFiles->acHardwareIndexPath), path.substr(0, 58));
    EXPECT_TRUE(log.Has(kError, path.substr(0, 58) + " PATH error!\n")) << log.Dump();
    EXPECT_TRUE(log.Has(kError, "Parse Hardware index fail!\n"));
}

TEST_F(PathsTest, PathsStayDevicePathsUnderAHostRoot) {
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(std::string(g_pstCapFiles->acBoardPath).find(root.Path()), std::string::npos);
    EXPECT_FALSE(log.Contains(root.Path())) << log.Dump();
}

TEST_F(PathsTest, SecondSensorWithoutNameStopsBeforeTheLenses) {
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},
                                                    {"lens": "fixed"}]})";
    EXPECT_EQ(Init(), -4);
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[0], "/usr/bin/hardware/sensor/imx327/cap_sensor.json");
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[1], "");
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[0], "");
    EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kError, " cap_GetOneCapFilesPath para is invalid!\n"));
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Sensor Path Fail ! \n"));
    EXPECT_FALSE(log.Contains("Init Lens Path Fail"));
}

TEST_F(PathsTest, MissingLensFile) {
    product.lenses.clear();
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.Has(kError, "/usr/bin/hardware/lens/fixed/cap_lens.json PATH error!\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Lens Path Fail ! \n"));
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "");
}

TEST_F(PathsTest, NoBoardInTheIndex) {
    product.index = R"({"ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    EXPECT_EQ(Init(), -4);
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Board Path Fail ! \n")) << log.Dump();
}

// ---- ISP configuration folder ---------------------------------------------

TEST_F(PathsTest, IspFolderForms) {
    product.lenses["yt3010"] = "{}";
    product.index = R"({"board": "B1", "ISP_INFO": [
        {"sensor": "imx327", "lens": "yt3010"},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm"]},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm", "yt3010"]},
        {"sensor": "imx327", "lens": ["fixed", "3.6mm", "fixed"]}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(IspFolder(0), "imx327-yt3010");
    EXPECT_EQ(IspFolder(1), "imx327-fixed-3.6mm");
    EXPECT_EQ(IspFolder(2), "imx327-fixed");
    EXPECT_EQ(IspFolder(3), "imx327-fixed-fixed");
}

TEST_F(PathsTest, IspFolderOfAnUnfilledChannel) {
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(IspFolder(3), "-");
}

TEST_F(PathsTest, IspFolderLongestFormFits) {
    product.index = R"({"board": "B1", "ISP_INFO": [
        {"sensor": "sensor9ch", "lens": ["fixed", "dist11chars", "fixed"]}]})";
    Init();
    EXPECT_EQ(IspFolder(0, 64), "sensor9ch-fixed-fixed");
    product.index = R"({"board": "B1", "ISP_INFO": [
        {"sensor": "sensor9ch", "lens": ["fixed", "dist11chars"]}]})";
    Init();
    EXPECT_EQ(IspFolder(0, 64), "sensor9ch-fixed-dist11chars");
}

TEST_F(PathsTest, IspFolderChecks) {
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": ["fixed", "3.6mm"]}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    char acBuf[16];
    EXPECT_EQ(CAP_GetConfigIspFolder(4, sizeof(acBuf), nullptr), -2);  // the buffer first
    EXPECT_TRUE(log.HasFrom("CAP_GetConfigIspFolder", kError, " para is null!\n"));
    EXPECT_EQ(CAP_GetConfigIspFolder(4, sizeof(acBuf), acBuf), -4);
    EXPECT_EQ(CAP_GetConfigIspFolder(0, 0, acBuf), -4);
    EXPECT_EQ(log.Count(kError, "para out of range."), 2);
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetConfigIspFolder(0, 8, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 9), "imx327-\0x"s);
    EXPECT_TRUE(log.Has(kWarn, "imx327-fixed-3.6mm size = 18 is overflow of 8\n")) << log.Dump();
}

}  // namespace
