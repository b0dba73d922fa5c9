// Start-up: the record and its pointers, the device name decision and the
// order of the stages with the message of the first that fails.
#include <string.h>

#include "fixture.h"

using namespace devcap_test;

namespace {

class StartupTest : public CapTest {
protected:
    // The text of the last error message.
    std::string LastError() const {
        std::string text;
        for (const auto &e : log.Entries())
            if (e.level == kError) text = e.text;
        return text;
    }
};

TEST_F(StartupTest, DefaultProductStartsAndSetsThePointers) {
    product.tagIdentity = "DEVICE_NAME=P1\n";
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
    EXPECT_STREQ(g_pstBoardCap->acProductName, "P1");
    EXPECT_EQ(LastError(), "") << log.Dump();
}

TEST_F(StartupTest, SecondCallStartsFromAClearedRecord) {
    product.index = R"({"version": 7, "board": "B1", "ISP_INFO": [
        {"sensor": "imx327", "lens": "fixed"}, {"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    ASSERT_EQ(CAP_GetSensorNum(), 2);
    g_pstBoardCap->acBoardReserved[0] = 'x';
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetSensorNum(), 1);
    EXPECT_EQ(CAP_GetIndexCapVersion(), 0);
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[1], "");
    EXPECT_EQ(g_pstBoardCap->acBoardReserved[0], 0);
}

// ---- device name ------------------------------------------------------------

TEST_F(StartupTest, MissingDevNameFileFallsBackToTheDefaultProduct) {
    product.devName = "";
    product.folder = "IPC-DEFAULT";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevName, "IPC-DEFAULT");
    EXPECT_STREQ(g_pstCapFiles->acHardwareIndexPath, "/usr/bin/IPC-DEFAULT/hardwareindex.json");
    auto e = log.Entries();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e[0].level, kError);
    EXPECT_EQ(e[0].fn, "cap_GetDeviceName");
    EXPECT_EQ(e[0].text, "No device name in rfid\n");
    EXPECT_EQ(e[1].level, kInfo);
    EXPECT_EQ(e[1].fn, "CAP_CapInit");
    EXPECT_EQ(e[1].text, "cap_GetDeviceName return value error.use DEFAULT type\n");
}

TEST_F(StartupTest, EmptyDevNameFileFallsBackToTheDefaultProduct) {
    product.folder = "IPC-DEFAULT";
    root.Write("/tmp/sysinfo/dev_name", "");
    product.devName = "";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevName, "IPC-DEFAULT");
    EXPECT_TRUE(log.HasFrom("cap_GetDeviceName", kError, "Read dev_name failed\n")) << log.Dump();
}

TEST_F(StartupTest, EquipmentModeWithTheDefaultFolderIgnoresFileAndTag) {
    HOST_SetEquipmentMode(1);
    product.tagIdentity = "DEVICE_NAME=XYZ\n";
    product.devName = "MODEL1@LV";  // not used
    product.folder = "IPC-DEFAULT";
    unsigned long ulCalls = HOST_GetEquipmentModeCalls();
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(HOST_GetEquipmentModeCalls() - ulCalls, 1u);  // asked once
    EXPECT_STREQ(g_pstBoardCap->acDevName, "IPC-DEFAULT");
    EXPECT_STREQ(g_pstBoardCap->acProductName, "");
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "");
    EXPECT_TRUE(log.HasFrom("CAP_CapInit", kInfo, "Equipment Mode.")) << log.Dump();
}

TEST_F(StartupTest, EquipmentModeWithoutDefaultFolderUsesTheFileAndTheTag) {
    HOST_SetEquipmentMode(1);
    product.tagIdentity = "DEVICE_NAME=XYZ\n";
    product.devName = product.folder = "MODEL1@LV";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1@LV");
    EXPECT_STREQ(g_pstBoardCap->acProductName, "XYZ");
    EXPECT_STREQ(g_pstBoardCap->acDevParam, "LV");
    EXPECT_FALSE(log.Contains("equipment mode without")) << log.Dump();
}

TEST_F(StartupTest, EquipmentModeWithoutDefaultFolderOrNameFailsInStageOne) {
    HOST_SetEquipmentMode(1);
    product.devName = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_STREQ(g_pstBoardCap->acDevName, "");
    EXPECT_TRUE(log.HasFrom("CAP_CapInit", kError, "equipment mode without IPC-DEFAULT and rfid.\n"))
        << log.Dump();
    EXPECT_EQ(LastError(), "Parse Hardware index fail!\n") << log.Dump();
}

TEST_F(StartupTest, OnlyOneMeansEquipmentMode) {
    HOST_SetEquipmentMode(2);
    product.folder = "MODEL1";
    root.Mkdir("/usr/bin/IPC-DEFAULT");
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1");
    EXPECT_FALSE(log.Contains("Equipment Mode.")) << log.Dump();
}

TEST_F(StartupTest, DebugMessagesPassAfterStartUpSetsTheLevel) {
    ASSERT_EQ(Init(), 0);
    EXPECT_TRUE(log.Has(kDebug, "No device param exist. \n")) << log.Dump();
}

// ---- stages -----------------------------------------------------------------

TEST_F(StartupTest, MissingIndexFailsStageOne) {
    product.index = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kError,
                            "/usr/bin/MODEL1/hardwareindex.json PATH error!\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareFromFile", kError, "Init hardwareindex Path Fail ! \n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareIndex", kError, "cap_GetHardwareJson fail!\n"));
    EXPECT_EQ(LastError(), "Parse Hardware index fail!\n");
    EXPECT_STREQ(g_pstCapFiles->acBoardPath, "");
    EXPECT_EQ(CAP_GetSensorNum(), 1);  // index defaults
    EXPECT_EQ(CAP_GetSensorType(0), CAP_SENSOR_INVALID);
}

TEST_F(StartupTest, MissingBoardFileFailsStageTwo) {
    product.board = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.Has(kError, "/usr/bin/hardware/board/B1/cap_board.json PATH error!\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Board Path Fail ! \n"));
    EXPECT_EQ(LastError(), "Get capa files path fail!\n");
    EXPECT_STREQ(g_pstCapFiles->acBoardPath, "/usr/bin/hardware/board/B1/cap_board.json");
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[0], "");
}

TEST_F(StartupTest, BoardFileThatDoesNotParseFailsStageThree) {
    product.board = "{ not json";
    product.patch = R"({"LedInfo": {"LedNum": 2}})";
    int iRet = Init();
    EXPECT_NE(iRet, 0);
    EXPECT_EQ(LastError(), "CAP_BoardCapInit return value error.\n") << log.Dump();
    // Sensor, lens and patch stages did not run.
    EXPECT_EQ(CAP_GetSensorType(0), CAP_SENSOR_IMX327);
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_INVALID);
    EXPECT_EQ(CAP_GetLedNum(), 0);
    EXPECT_FALSE(log.Contains("CAP_SensorInitAll return value error."));
}

TEST_F(StartupTest, SensorFileThatDoesNotParseFailsStageFour) {
    product.sensors = {{"imx327", "nope"}};
    EXPECT_NE(Init(), 0);
    EXPECT_EQ(LastError(), "CAP_SensorInitAll return value error.\n") << log.Dump();
    EXPECT_FALSE(log.Contains("CAP_LensCapInit return value error."));
}

TEST_F(StartupTest, LensFileThatDoesNotParseFailsStageFive) {
    product.lenses = {{"fixed", "nope"}};
    EXPECT_NE(Init(), 0);
    EXPECT_EQ(LastError(), "CAP_LensCapInit return value error.\n") << log.Dump();
    EXPECT_FALSE(log.Contains("CAP_PatchCapInit return value error."));
}

TEST_F(StartupTest, PatchFileThatDoesNotParseFailsStageSix) {
    product.patch = "nope";
    EXPECT_NE(Init(), 0);
    EXPECT_EQ(LastError(), "CAP_PatchCapInit return value error.\n") << log.Dump();
}

TEST_F(StartupTest, MissingPatchFileFailsStageTwo) {
    product.patch = "";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Patch Path Fail ! \n")) << log.Dump();
    EXPECT_EQ(LastError(), "Get capa files path fail!\n");
}

// ---- lights -----------------------------------------------------------------

TEST_F(StartupTest, ProductWithoutLedInfoHasNoLights) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedTypeNum(), 0);
    EXPECT_EQ(CAP_GetLedGpioNum(), 0);
    EXPECT_EQ(CAP_GetLedNum(), 0);
    EXPECT_EQ(CAP_GetLedType(0), CAP_LED_INVALID);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(9), -1);
    EXPECT_EQ(CAP_GetLedHardCtlType(0), CAP_LEDCTL_PWM);
}

TEST_F(StartupTest, LedInfoOfTheIndexIsKept) {
    product.index = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}],
                        "LedInfo": {"LedNum": 2, "LedGpioCtl": [5, 6]}})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 2);
    EXPECT_EQ(CAP_GetLedGpioNum(), 2);
    EXPECT_EQ(CAP_GetLedCtlWithGpio(1), 6);
}

}  // namespace
