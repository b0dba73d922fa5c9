// The board file: loading, defaults, dispatch by JSON type and key, the
// array keys, and the queries of the top-level fields and lens pins.
#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

using BoardTopTest = BoardTest;

TEST_F(BoardTopTest, EmptyBoardFileGivesEveryDefault) {
    Load("{}");
    ExpectAnswers({
        WANT(CAP_GetCameraType(), CAP_CAMERA_INVALID), WANT(CAP_GetSocType(), CAP_SOC_HI3516AV200),
        WANT(CAP_GetResetGpio(), -1), WANT(CAP_GetSensorHardCtlType(), CAP_HARDCTL_SOC),
        WANT(CAP_GetRamSize(), CAP_RAM_INVALID), WANT(CAP_GetSdCardSlotNum(), 0),
        WANT(CAP_GetHWVersionGpio(), 0), WANT(CAP_GetMemWidth(), CAP_MEM_WIDTH_32),
        WANT(CAP_GetMaxElevationAngle(), 0), WANT(CAP_IsDoubleIntfSupport(), 0),
        WANT(CAP_GetFpgaCtlI2cNum(), CAP_FPGA_I2C_INVALID),
        WANT(CAP_IsTemperatureAndHumiditySupport(), 0),
    });
    for (int i = 0; i < CAP_MOTOR_SLOTS; ++i) EXPECT_EQ(CAP_GetMotorType(i), CAP_MOTOR_INVALID) << i;
    for (unsigned int i = 0; i < CAP_LENS_PIN_SLOTS; ++i)
        EXPECT_EQ(CAP_GetLensPins(i, 0) + CAP_GetLensPins(i, 1), -2) << i;
    unsigned int uiA = 99, uiB = 99;
    EXPECT_EQ(CAP_GetLensPinsNum(&uiA, &uiB), 0);
    EXPECT_EQ(uiA + uiB, 0u);
}

TEST_F(BoardTopTest, EveryTopLevelKeyLandsInItsField) {
    Load(R"({"CameraType": "Bullet", "SocPlatform": "hi3516av300",
        "SensorHardCtl": "fpga", "FPGACtlI2c": "i2c11", "ResetGpio": 37, "RamSize": 1024,
        "SDSlotNum": 2, "MemWidth": 64, "TemperatureHumidity": true, "DoubleIntSup": true,
        "MotorType": ["ms41908", "drv8837"]})");
    ExpectAnswers({
        WANT(CAP_GetCameraType(), CAP_CAMERA_BULLET), WANT(CAP_GetSocType(), CAP_SOC_HI3516AV300),
        WANT(CAP_GetSensorHardCtlType(), CAP_HARDCTL_FPGA),
        WANT(CAP_GetFpgaCtlI2cNum(), CAP_FPGA_I2C11), WANT(CAP_GetResetGpio(), 37),
        WANT(CAP_GetRamSize(), CAP_RAM_1024M), WANT(CAP_GetSdCardSlotNum(), 2),
        WANT(CAP_GetMemWidth(), CAP_MEM_WIDTH_64), WANT(CAP_IsTemperatureAndHumiditySupport(), 1),
        WANT(CAP_IsDoubleIntfSupport(), 1), WANT(CAP_GetMotorType(0), CAP_MOTOR_MS41908),
        WANT(CAP_GetMotorType(1), CAP_MOTOR_DRV8837), WANT(CAP_GetMotorType(2), CAP_MOTOR_INVALID),
    });
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=ResetGpio,val=37"));
}

// -1 ("no reset line") reads back as -1, not 65535; the message shows the
// 16-bit value.
TEST_F(BoardTopTest, ResetGpioKeepsItsSignedValue) {
    Load(R"({"ResetGpio": -1})");
    EXPECT_EQ(CAP_GetResetGpio(), -1);
    EXPECT_TRUE(log.Has(kInfo, "key=ResetGpio,val=65535"));
    Load(R"({"ResetGpio": 65535})");
    EXPECT_EQ(CAP_GetResetGpio(), 65535);
}

TEST_F(BoardTopTest, IntegersAreNarrowedToTheirFields) {
    Load(R"({"SDSlotNum": 257, "RamSize": 1000, "MemWidth": 24})");
    ExpectAnswers({WANT(CAP_GetSdCardSlotNum(), 1), WANT(CAP_GetRamSize(), CAP_RAM_INVALID),
                   WANT(CAP_GetMemWidth(), CAP_MEM_WIDTH_INVALID)});
    EXPECT_TRUE(log.Has(kInfo, "key=RamSize,val=1000"));
    EXPECT_TRUE(log.Has(kInfo, "key=SDSlotNum,val=257"));
    Load(R"({"RamSize": 66560})");  // 65536 + 1024
    EXPECT_EQ(CAP_GetRamSize(), CAP_RAM_1024M);
}

TEST_F(BoardTopTest, KnownKeyOfAnotherTypeIsAnUnknownKeyOfThatType) {
    Load(R"({"CameraType": 1, "ResetGpio": "12", "SocPlatform": true,
        "MemWidth": {"a": 1}, "RamSize": 1024.0, "SDSlotNum": null, "Gizmo": {}})");
    ExpectAnswers({
        WANT(CAP_GetCameraType(), CAP_CAMERA_INVALID), WANT(CAP_GetResetGpio(), -1),
        WANT(CAP_GetSocType(), CAP_SOC_HI3516AV200), WANT(CAP_GetMemWidth(), CAP_MEM_WIDTH_32),
        WANT(CAP_GetRamSize(), CAP_RAM_INVALID), WANT(CAP_GetSdCardSlotNum(), 0),
    });
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=CameraType is not in INT part.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardStrVal", kInfo, "key=ResetGpio is not in String part.\n"));
    EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kInfo, "key = SocPlatform is not in BoolType part."));
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kInfo,
                            "cap_ParseBoardObjectVal para is invalid:pcKey=MemWidth!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_ParseBoardObjectVal para is invalid:pcKey=Gizmo!\n"));
    // Floating-point and null values are skipped without a word.
    EXPECT_FALSE(log.Contains("RamSize"));
    EXPECT_FALSE(log.Contains("SDSlotNum"));
}

TEST_F(BoardTopTest, UnknownArrayKeyIsLoggedOncePerElement) {
    Load(R"({"Pins": [1, 2, 3], "Empty": []})");
    EXPECT_EQ(log.Count(kInfo, "key=Pins is invaild.\n"), 3);
    EXPECT_EQ(log.Count(kInfo, "key=Empty is invaild.\n"), 0);
}

// Each element keeps to its own byte; the field is ORed into.
TEST_F(BoardTopTest, HardwareVersionPacksOneByteEachAndOrs) {
    const std::pair<const char *, unsigned int> aRows[] = {
        {R"({"HWVersionWithGPIO": [1, 2, 3, 4, 5]})", 0x01020304u},
        {R"({"HWVersionWithGPIO": [5]})", 0x05000000u},
        {R"({"HWVersionWithGPIO": [5, -1]})", 0x05FF0000u},
        {R"({"HWVersionWithGPIO": [0, 300, "2", null]})", 0x002C0200u},
        {R"({"HWVersionWithGPIO": [1], "Alarm": {"HWVersionWithGPIO": [0, 2]}})", 0x01020000u},
    };
    for (const auto &[pcBoard, uiWant] : aRows) {
        Load(pcBoard);
        EXPECT_EQ(CAP_GetHWVersionGpio(), uiWant) << pcBoard;
        EXPECT_EQ(Findings(), 0u) << pcBoard;
    }
}

// Elements are read with json-c's accessors: a text "2" reads 2, null and
// an array 0, a double its whole part; a word that is no text is its JSON
// text, null no text (the matcher reports it).
TEST_F(BoardTopTest, ArrayElementsAreReadWithTheJsonAccessors) {
    Load(R"({"LensPinsA": [1, "2", null, 4, [5], 6.5],
        "MotorType": [null, 1, "ms41908"]})");
    const int aiWant[] = {1, 2, 0, 4, 0, 6, -1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(CAP_GetLensPins(i, 0), aiWant[i]) << i;
    ExpectAnswers({WANT(CAP_GetMotorType(0), CAP_MOTOR_INVALID),
                   WANT(CAP_GetMotorType(1), CAP_MOTOR_INVALID),
                   WANT(CAP_GetMotorType(2), CAP_MOTOR_MS41908)});
    EXPECT_TRUE(log.HasFrom("cap_MatchMotorType", kError, "cap_MatchMotorType para is null ptr!\n"));
    EXPECT_TRUE(log.HasFrom("cap_MatchMotorType", kInfo, "cap_MatchMotorType para is invalid:pcVal=1!\n"));
}

// Surplus elements are dropped with the warning; the field after each array
// (RAM size, group B, the humidity flag) keeps its value.
TEST_F(BoardTopTest, ArraysBeyondTheirSlotsKeepTheirNeighbours) {
    Load(R"({"RamSize": 512, "TemperatureHumidity": true,
        "MotorType": ["an41908a", "an41908a", "an41908a", "ms41908", "an41908a", "an41908a"],
        "LensPinsA": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12],
        "LensPinsB": [20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 0]})");
    ExpectAnswers({
        WANT(CAP_GetMotorType(3), CAP_MOTOR_MS41908), WANT(CAP_GetRamSize(), CAP_RAM_512M),
        WANT(CAP_GetLensPins(11, 0), 11), WANT(CAP_GetLensPins(0, 1), 20),
        WANT(CAP_GetLensPins(11, 1), 31), WANT(CAP_IsTemperatureAndHumiditySupport(), 1),
    });
    EXPECT_TRUE(log.HasFrom("cap_BoardArrayInit", kWarn, "key=MotorType has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.Has(kWarn, "key=LensPinsA has 13 elements, only 12 kept.\n"));
    EXPECT_TRUE(log.Has(kWarn, "key=LensPinsB has 13 elements, only 12 kept.\n"));
}

TEST_F(BoardTopTest, LensPinsCountEverySlotHoldingALine) {
    Load(R"({"LensPinsA": [4, 5, -1, 7], "LensPinsB": [0]})");
    unsigned int uiA = 0, uiB = 0;
    EXPECT_EQ(CAP_GetLensPinsNum(&uiA, &uiB), 0);
    EXPECT_EQ(uiA, 3u);
    EXPECT_EQ(uiB, 1u);
    ExpectAnswers({WANT(CAP_GetLensPins(3, 0), 7), WANT(CAP_GetLensPins(0, 1), 0),
                   WANT(CAP_GetLensPins(11, 1), -1)});
}

TEST_F(BoardTopTest, GettersCheckTheirArguments) {
    Load(R"({"LensPinsA": [1, 2, 3], "LensPinsB": [7]})");
    static unsigned int uiNum = 0;
    static int aiA[13], aiB[13];
    ExpectRefusals(log, {
        REFUSE("CAP_GetMotorType", CAP_GetMotorType(-1), -4, "para out of range."),
        REFUSE("CAP_GetMotorType", CAP_GetMotorType(4), -4, "para out of range."),
        REFUSE("CAP_GetLensPins", CAP_GetLensPins(12, 0), -4, "CAP_GetLensPins para  is out of range."),
        REFUSE("CAP_GetLensPins", CAP_GetLensPins(0, 2), -4, "CAP_GetLensPins para  is out of range."),
        REFUSE("CAP_GetLensPinsNum", CAP_GetLensPinsNum(nullptr, &uiNum), -2, "CAP_GetLensPinsNum para null ptr."),
        REFUSE("CAP_GetLensPinsNum", CAP_GetLensPinsNum(&uiNum, nullptr), -2, "CAP_GetLensPinsNum para null ptr."),
        // The count is tested first and answers -1.
        REFUSE("CAP_GetLensPinsMul", CAP_GetLensPinsMul(13, nullptr, nullptr), -1,
               "CAP_GetLensPinsAll para  is out of range."),
        REFUSE("CAP_GetLensPinsMul", CAP_GetLensPinsMul(1, nullptr, aiB), -2, "CAP_GetLensPinsAll null ptr."),
        REFUSE("CAP_GetLensPinsMul", CAP_GetLensPinsMul(1, aiA, nullptr), -2, "CAP_GetLensPinsAll null ptr."),
    });
    EXPECT_EQ(uiNum, 0u);

    for (int i = 0; i < 13; ++i) aiA[i] = aiB[i] = 55;
    EXPECT_EQ(CAP_GetLensPinsMul(0, aiA, aiB), 0);
    EXPECT_EQ(aiA[0], 55);
    EXPECT_EQ(CAP_GetLensPinsMul(12, aiA, aiB), 0);
    ExpectAnswers({WANT(aiA[2], 3), WANT(aiA[3], -1), WANT(aiA[11], -1), WANT(aiA[12], 55),
                   WANT(aiB[0], 7), WANT(aiB[11], -1), WANT(aiB[12], 55)});
}

// Nothing is applied, not even the defaults: the fields stay as cleared.
TEST_F(BoardTopTest, BoardFileThatIsNoObjectFailsTheStage) {
    for (const char *pcBoard : {R"({"CameraType": "Dome",)", "null"}) {
        product.board = pcBoard;
        EXPECT_EQ(Init(), -1) << pcBoard;
        EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kError, "Board Json is Null."));
        EXPECT_TRUE(log.Has(kError, "CAP_BoardCapInit return value error.\n"));
        EXPECT_EQ(CAP_GetCameraType(), 0);
        EXPECT_EQ(CAP_GetResetGpio(), 0);
    }
    product.board = R"([{"CameraType": "Dome"}])";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_BoardCapInit", kError, "Board Json is not an object."));
    EXPECT_EQ(CAP_GetCameraType(), 0);
    product.board = "42";
    EXPECT_EQ(Init(), -1);
}

}  // namespace
