// The board file: loading, defaults, dispatch by JSON type and key, the
// array keys, and the queries of the top-level fields and lens pins.
#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

class BoardTopTest : public CapTest {
protected:
    int LoadBoard(const std::string &json) {
        product.board = json;
        return Init();
    }
};

TEST_F(BoardTopTest, EmptyBoardFileGivesEveryDefault) {
    ASSERT_EQ(LoadBoard("{}"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetCameraType(), CAP_CAMERA_INVALID);
    EXPECT_EQ(CAP_GetSocType(), CAP_SOC_HI3516AV200);
    EXPECT_EQ(CAP_GetResetGpio(), -1);
    EXPECT_EQ(CAP_GetSensorHardCtlType(), CAP_HARDCTL_SOC);
    for (int i = 0; i < CAP_MOTOR_SLOTS; ++i) EXPECT_EQ(CAP_GetMotorType(i), CAP_MOTOR_INVALID) << i;
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_INVALID);
    EXPECT_EQ(CAP_GetSdCardSlotNum(), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0u);
    EXPECT_EQ(CAP_GetMemWidth(), CAP_MEM_WIDTH_32);
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 0);
    EXPECT_EQ(CAP_IsDoubleIntfSupport(), 0);
    EXPECT_EQ(CAP_GetFpgaCtlI2cNum(), CAP_FPGA_I2C_INVALID);
    EXPECT_EQ(CAP_IsTemperatureAndHumiditySupport(), 0);
    unsigned int uiA = 99, uiB = 99;
    EXPECT_EQ(CAP_GetLensPinsNum(&uiA, &uiB), 0);
    EXPECT_EQ(uiA, 0u);
    EXPECT_EQ(uiB, 0u);
    for (unsigned int i = 0; i < CAP_LENS_PIN_SLOTS; ++i) {
        EXPECT_EQ(CAP_GetLensPins(i, 0), -1);
        EXPECT_EQ(CAP_GetLensPins(i, 1), -1);
    }
    // The identity fields stay what start-up put there.
    char acName[CAP_NAME_LEN] = {};
    EXPECT_EQ(CAP_GetDeviceName(sizeof(acName), acName), 0);
    EXPECT_STREQ(acName, "MODEL1");
}

TEST_F(BoardTopTest, EveryTopLevelKeyLandsInItsField) {
    ASSERT_EQ(LoadBoard(R"({"CameraType": "Bullet", "SocPlatform": "hi3516av300",
        "SensorHardCtl": "fpga", "FPGACtlI2c": "i2c11", "ResetGpio": 37, "RamSize": 1024,
        "SDSlotNum": 2, "MemWidth": 64, "TemperatureHumidity": true, "DoubleIntSup": true})"),
              0)
        << log.Dump();
    EXPECT_EQ(CAP_GetCameraType(), CAP_CAMERA_BULLET);
    EXPECT_EQ(CAP_GetSocType(), CAP_SOC_HI3516AV300);
    EXPECT_EQ(CAP_GetSensorHardCtlType(), CAP_HARDCTL_FPGA);
    EXPECT_EQ(CAP_GetFpgaCtlI2cNum(), CAP_FPGA_I2C11);
    EXPECT_EQ(CAP_GetResetGpio(), 37);
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_1024M);
    EXPECT_EQ(CAP_GetSdCardSlotNum(), 2);
    EXPECT_EQ(CAP_GetMemWidth(), CAP_MEM_WIDTH_64);
    EXPECT_EQ(CAP_IsTemperatureAndHumiditySupport(), 1);
    EXPECT_EQ(CAP_IsDoubleIntfSupport(), 1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=ResetGpio,val=37")) << log.Dump();
}

TEST_F(BoardTopTest, ResetGpioKeepsItsSignedValue) {
    ASSERT_EQ(LoadBoard(R"({"ResetGpio": -1})"), 0);
    EXPECT_EQ(CAP_GetResetGpio(), -1);
    // The message still shows the 16-bit value.
    EXPECT_TRUE(log.Has(kInfo, "key=ResetGpio,val=65535")) << log.Dump();

    ASSERT_EQ(LoadBoard(R"({"ResetGpio": 65535})"), 0);
    EXPECT_EQ(CAP_GetResetGpio(), 65535);
}

TEST_F(BoardTopTest, IntegersAreNarrowedToTheirFields) {
    ASSERT_EQ(LoadBoard(R"({"SDSlotNum": 257, "RamSize": 1000, "MemWidth": 24})"), 0);
    EXPECT_EQ(CAP_GetSdCardSlotNum(), 1);
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_INVALID);
    EXPECT_EQ(CAP_GetMemWidth(), CAP_MEM_WIDTH_INVALID);
    EXPECT_TRUE(log.Has(kInfo, "key=RamSize,val=1000"));
    EXPECT_TRUE(log.Has(kInfo, "key=SDSlotNum,val=257"));
    // RamSize 65536 + 1024 is 1024 in 16 bits.
    ASSERT_EQ(LoadBoard(R"({"RamSize": 66560})"), 0);
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_1024M);
}

TEST_F(BoardTopTest, KnownKeyOfAnotherTypeIsAnUnknownKeyOfThatType) {
    ASSERT_EQ(LoadBoard(R"({"CameraType": 1, "ResetGpio": "12", "SocPlatform": true,
        "MemWidth": {"a": 1}, "RamSize": 1024.0, "SDSlotNum": null})"),
              0)
        << log.Dump();
    EXPECT_EQ(CAP_GetCameraType(), CAP_CAMERA_INVALID);
    EXPECT_EQ(CAP_GetResetGpio(), -1);
    EXPECT_EQ(CAP_GetSocType(), CAP_SOC_HI3516AV200);
    EXPECT_EQ(CAP_GetMemWidth(), CAP_MEM_WIDTH_32);
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_INVALID);
    EXPECT_EQ(CAP_GetSdCardSlotNum(), 0);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=CameraType is not in INT part.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardStrVal", kInfo, "key=ResetGpio is not in String part.\n"));
    EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kInfo, "key = SocPlatform is not in BoolType part."));
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kInfo,
                            "cap_ParseBoardObjectVal para is invalid:pcKey=MemWidth!\n"));
    // Floating-point and null values are skipped without a word.
    EXPECT_FALSE(log.Contains("RamSize")) << log.Dump();
    EXPECT_FALSE(log.Contains("SDSlotNum")) << log.Dump();
}

TEST_F(BoardTopTest, LaterMembersOverwriteEarlierOnesInFileOrder) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInNum": 2}, "AlarmInWithGpio": [1, 2, 3],
        "CameraType": "Dome"})"),
              0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 3);
    EXPECT_EQ(CAP_GetCameraType(), CAP_CAMERA_DOME);
    ASSERT_EQ(LoadBoard(R"({"AlarmInWithGpio": [1, 2, 3], "Alarm": {"AlarmInNum": 2}})"), 0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 2);
}

TEST_F(BoardTopTest, UnknownArrayKeyIsLoggedOncePerElement) {
    ASSERT_EQ(LoadBoard(R"({"Pins": [1, 2, 3], "Empty": []})"), 0);
    EXPECT_EQ(log.Count(kInfo, "key=Pins is invaild.\n"), 3) << log.Dump();
    EXPECT_EQ(log.Count(kInfo, "key=Empty is invaild.\n"), 0);
}

TEST_F(BoardTopTest, HardwareVersionPacksOneByteEachAndOrs) {
    ASSERT_EQ(LoadBoard(R"({"HWVersionWithGPIO": [1, 2, 3, 4, 5]})"), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0x01020304u);
    ASSERT_EQ(LoadBoard(R"({"HWVersionWithGPIO": [5]})"), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0x05000000u);
    // Each element keeps to its own byte.
    ASSERT_EQ(LoadBoard(R"({"HWVersionWithGPIO": [5, -1]})"), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0x05FF0000u);
    ASSERT_EQ(LoadBoard(R"({"HWVersionWithGPIO": [0, 300, 0, 0]})"), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0x002C0000u);
    // A second array, here inside "Alarm", ORs into the first.
    ASSERT_EQ(LoadBoard(R"({"HWVersionWithGPIO": [1], "Alarm": {"HWVersionWithGPIO": [0, 2]}})"), 0);
    EXPECT_EQ(CAP_GetHWVersionGpio(), 0x01020000u);
}

TEST_F(BoardTopTest, MotorTypesFillSlotsAndNeverPastTheFourth) {
    ASSERT_EQ(LoadBoard(R"({"MotorType": ["ms41908", "drv8837"]})"), 0);
    EXPECT_EQ(CAP_GetMotorType(0), CAP_MOTOR_MS41908);
    EXPECT_EQ(CAP_GetMotorType(1), CAP_MOTOR_DRV8837);
    EXPECT_EQ(CAP_GetMotorType(2), CAP_MOTOR_INVALID);
    EXPECT_EQ(CAP_GetMotorType(3), CAP_MOTOR_INVALID);

    // Six words: the fifth would land in the RAM size that follows.
    ASSERT_EQ(LoadBoard(R"({"RamSize": 512, "MotorType": ["an41908a", "an41908a",
        "an41908a", "ms41908", "an41908a", "an41908a"]})"),
              0);
    EXPECT_EQ(CAP_GetMotorType(3), CAP_MOTOR_MS41908);
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_512M);
    EXPECT_TRUE(log.Has(kWarn, "key=MotorType has 6 elements, only 4 kept.\n")) << log.Dump();

    // A null or a number where a word belongs is skipped.
    ASSERT_EQ(LoadBoard(R"({"MotorType": [null, 1, "ms41908"]})"), 0);
    EXPECT_EQ(CAP_GetMotorType(0), CAP_MOTOR_INVALID);
    EXPECT_EQ(CAP_GetMotorType(1), CAP_MOTOR_INVALID);
    EXPECT_EQ(CAP_GetMotorType(2), CAP_MOTOR_MS41908);
}

TEST_F(BoardTopTest, MotorTypeIndexOutsideTheSlots) {
    ASSERT_EQ(LoadBoard("{}"), 0);
    EXPECT_EQ(CAP_GetMotorType(-1), -4);
    EXPECT_EQ(CAP_GetMotorType(4), -4);
    EXPECT_EQ(log.Count(kError, "para out of range."), 2);
    EXPECT_TRUE(log.HasFrom("CAP_GetMotorType", kError, "para out of range."));
}

TEST_F(BoardTopTest, LensPinsCountEverySlotHoldingALine) {
    ASSERT_EQ(LoadBoard(R"({"LensPinsA": [4, 5, -1, 7], "LensPinsB": [0]})"), 0);
    unsigned int uiA = 0, uiB = 0;
    EXPECT_EQ(CAP_GetLensPinsNum(&uiA, &uiB), 0);
    EXPECT_EQ(uiA, 3u);
    EXPECT_EQ(uiB, 1u);
    EXPECT_EQ(CAP_GetLensPins(3, 0), 7);
    EXPECT_EQ(CAP_GetLensPins(0, 1), 0);
    EXPECT_EQ(CAP_GetLensPins(11, 1), -1);
}

TEST_F(BoardTopTest, LensPinsBeyondTwelveAreDropped) {
    // Group A's thirteenth pin would land in B's first slot, B's in the
    // temperature-and-humidity flag.
    ASSERT_EQ(LoadBoard(R"({"TemperatureHumidity": true,
        "LensPinsA": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12],
        "LensPinsB": [20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 0]})"),
              0);
    EXPECT_EQ(CAP_GetLensPins(11, 0), 11);
    EXPECT_EQ(CAP_GetLensPins(0, 1), 20);
    EXPECT_EQ(CAP_GetLensPins(11, 1), 31);
    EXPECT_EQ(CAP_IsTemperatureAndHumiditySupport(), 1);
    EXPECT_TRUE(log.Has(kWarn, "key=LensPinsA has 13 elements, only 12 kept.\n")) << log.Dump();
}

TEST_F(BoardTopTest, ArrayElementsAreReadWithTheIntegerAccessor) {
    // A text "2" reads 2, null 0, an array or object 0, a double its whole part.
    ASSERT_EQ(LoadBoard(R"({"LensPinsA": [1, "2", null, 4, [5], 6.5]})"), 0);
    const int aiWant[] = {1, 2, 0, 4, 0, 6, -1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(CAP_GetLensPins(i, 0), aiWant[i]) << i;
}

TEST_F(BoardTopTest, LensPinGettersCheckTheirArguments) {
    ASSERT_EQ(LoadBoard(R"({"LensPinsA": [1, 2, 3], "LensPinsB": [7]})"), 0);
    log.Clear();
    EXPECT_EQ(CAP_GetLensPins(12, 0), -4);
    EXPECT_EQ(CAP_GetLensPins(0, 2), -4);
    EXPECT_EQ(log.Count(kError, "CAP_GetLensPins para  is out of range."), 2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLensPins", kError, "CAP_GetLensPins para  is out of range."));

    unsigned int uiNum = 0;
    EXPECT_EQ(CAP_GetLensPinsNum(nullptr, &uiNum), -2);
    EXPECT_EQ(CAP_GetLensPinsNum(&uiNum, nullptr), -2);
    EXPECT_EQ(uiNum, 0u);
    EXPECT_TRUE(log.HasFrom("CAP_GetLensPinsNum", kError, "CAP_GetLensPinsNum para null ptr."));

    // The count is tested first and answers -1.
    log.Clear();
    EXPECT_EQ(CAP_GetLensPinsMul(13, nullptr, nullptr), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetLensPinsMul", kError, "CAP_GetLensPinsAll para  is out of range."))
        << log.Dump();
    int aiA[13], aiB[13];
    EXPECT_EQ(CAP_GetLensPinsMul(1, nullptr, aiB), -2);
    EXPECT_EQ(CAP_GetLensPinsMul(1, aiA, nullptr), -2);
    EXPECT_EQ(log.Count(kError, "CAP_GetLensPinsAll null ptr."), 2);

    for (int &i : aiA) i = 55;
    for (int &i : aiB) i = 55;
    EXPECT_EQ(CAP_GetLensPinsMul(0, aiA, aiB), 0);
    EXPECT_EQ(aiA[0], 55);
    EXPECT_EQ(CAP_GetLensPinsMul(12, aiA, aiB), 0);
    EXPECT_EQ(aiA[2], 3);
    EXPECT_EQ(aiA[3], -1);
    EXPECT_EQ(aiA[11], -1);
    EXPECT_EQ(aiA[12], 55);
    EXPECT_EQ(aiB[0], 7);
    EXPECT_EQ(aiB[11], -1);
    EXPECT_EQ(aiB[12], 55);
}

TEST_F(BoardTopTest, BoardFileThatDoesNotParseFailsTheStage) {
    product.board = R"({"CameraType": "Dome",)";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kError, "Board Json is Null.")) << log.Dump();
    EXPECT_TRUE(log.Has(kError, "CAP_BoardCapInit return value error.\n"));
    // Not even the defaults are applied: the field stays as cleared.
    EXPECT_EQ(CAP_GetCameraType(), 0);
    EXPECT_EQ(CAP_GetResetGpio(), 0);

    product.board = "null";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.Has(kError, "Board Json is Null.")) << log.Dump();
}

TEST_F(BoardTopTest, BoardFileThatIsNotAnObjectFailsTheStage) {
    product.board = R"([{"CameraType": "Dome"}])";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kError, "Board Json is not an object.")) << log.Dump();
    EXPECT_EQ(CAP_GetCameraType(), 0);
    product.board = "42";
    EXPECT_EQ(Init(), -1);
}

TEST_F(BoardTopTest, ArrayKeysOfTheTableAreValidInsideAlarm) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"LensPinsB": [9], "MotorType": ["drv8837"]}})"), 0);
    EXPECT_EQ(CAP_GetLensPins(0, 1), 9);
    EXPECT_EQ(CAP_GetMotorType(0), CAP_MOTOR_DRV8837);
}

TEST_F(BoardTopTest, BoardLedInfoOnlyWhileNoLedCountIsKnown) {
    ASSERT_EQ(LoadBoard(R"({"LedInfo": {"LedNum": 5}})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 5);

    product.index = R"({"version": 1, "board": "B1", "LedInfo": {"LedNum": 2},
        "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(LoadBoard(R"({"LedInfo": {"LedNum": 5}})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 2);
}

// Each object key reaches its own parser: one recognisable member per object.
TEST_F(BoardTopTest, EveryObjectKeyReachesItsParser) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInNum": 1}, "Uart": {"Uart232": {"DeviceNode": ["s"]}},
        "Iris": {"Type": ["fixed"]}, "Ircut": {"Type": ["dc", "dc"]},
        "Video": {"Type": ["hdmi", "sdi", "lcd"]}, "Audio": {"MicInSup": true},
        "Temperature": {"Support": true}, "CVBS": {"Support": true},
        "Sniffer": {"Type": "usb"}, "Accelerate": {"Position": ["left", "up", "down"]},
        "Ecompass": {"Support": true}, "PTZ": {"BallMaxAngle": 87},
        "LedInfo": {"LedNum": 3}, "Gizmo": {}})"),
              0)
        << log.Dump();
    EXPECT_EQ(CAP_GetAlarmInNum(), 1);
    EXPECT_EQ(CAP_GetUart232Num(), 1);
    EXPECT_EQ(CAP_GetIrisNum(), 1);
    EXPECT_EQ(CAP_GetIrcutNum(), 2);
    EXPECT_EQ(CAP_GetVideoOutNum(), 3);
    EXPECT_EQ(CAP_IsAudioMicInSupport(), 1);
    EXPECT_EQ(CAP_IsTempSupport(), 1);
    EXPECT_EQ(CAP_IsCvbsSupport(), 1);
    EXPECT_EQ(CAP_GetWifiType(), CAP_WIFI_USB);
    DevPosition enX, enY, enZ;
    EXPECT_EQ(CAP_GetAcceleratePosition(&enX, &enY, &enZ), 0);
    EXPECT_EQ(enX, CAP_POS_LEFT);
    EXPECT_EQ(CAP_IsEcompasSupport(), 1);
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 87);
    EXPECT_EQ(CAP_GetLedNum(), 3);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kInfo,
                            "cap_ParseBoardObjectVal para is invalid:pcKey=Gizmo!\n"));
}

}  // namespace
