// Temperature sensor, CVBS encoder, Wi-Fi module, accelerometer and e-compass
// of the board file: defaults, parsing, capacities, and the queries' results,
// messages and check order.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

// Messages of the board parsers, matchers and queries (start-up's own lines
// left out).
size_t BoardFindings(const LogCapture &log) {
    size_t n = 0;
    for (const LogEntry &e : log.Entries()) {
        for (const char *pcPrefix : {"cap_Parse", "cap_Match", "cap_Board", "CAP_", "cap_Warn"})
            if (e.fn.rfind(pcPrefix, 0) == 0) {
                ++n;
                break;
            }
    }
    return n;
}

class PeripheralsTest : public CapTest {
protected:
    void LoadBoard(const std::string &json) {
        product.board = json;
        ASSERT_EQ(Init(), 0) << log.Dump();
    }
    size_t Findings() const { return BoardFindings(log); }
    std::string TempNode(unsigned short usLen = 64) {
        char acBuf[64];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(CAP_GetTemperatureDeviceNoe(usLen, acBuf), 0);
        return acBuf;
    }
    std::string WifiNode() {
        char acBuf[32];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(CAP_GetWifiDeviceNode(sizeof(acBuf), acBuf), 0);
        return acBuf;
    }
};

bool SameI2c(const I2cInfo &a, unsigned short us0, unsigned short us1, unsigned short us2) {
    return a.usVal0 == us0 && a.usVal1 == us1 && a.usVal2 == us2;
}

constexpr unsigned int kMark = 0x5a5a5a5a;

TEST_F(PeripheralsTest, BoardWithoutTheObjectsAnswersTheDefaults) {
    LoadBoard("{}");
    EXPECT_EQ(CAP_IsTempSupport(), 0);
    EXPECT_EQ(TempNode(), "");
    EXPECT_EQ(CAP_IsCvbsSupport(), 0);
    EXPECT_EQ(CAP_GetCvbsSocType(), CAP_CVBS_ADV7393);
    EXPECT_EQ(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID);
    EXPECT_EQ(CAP_GetCvbsResetGpio(), -1);
    I2cInfo stI2c = {1, 1, 1};
    EXPECT_EQ(CAP_GetCvbsSocCtlWithI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 0, 0, 0));
    EXPECT_EQ(CAP_GetWifiType(), CAP_WIFI_SERIAL);
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE);
    EXPECT_EQ(WifiNode(), "");
    EXPECT_EQ(g_pstBoardCap->stSniffer.bWifiSupport, 0u);
    DevPosition aenPos[3] = {0, 0, 0};
    EXPECT_EQ(CAP_GetAcceleratePosition(&aenPos[0], &aenPos[1], &aenPos[2]), 0);
    for (DevPosition enPos : aenPos) EXPECT_EQ(enPos, CAP_POS_INVALID);
    stI2c = {1, 1, 1};
    EXPECT_EQ(CAP_GetAccelerateI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 0, 0, 0));
    EXPECT_EQ(g_pstBoardCap->stAccelerate.bAccelerateSupport, 0u);
    EXPECT_EQ(CAP_IsEcompasSupport(), 0);
    EXPECT_EQ(CAP_GetEcompassPosition(&aenPos[0], &aenPos[1], &aenPos[2]), 0);
    for (DevPosition enPos : aenPos) EXPECT_EQ(enPos, CAP_POS_INVALID);
    stI2c = {1, 1, 1};
    EXPECT_EQ(CAP_GetEcompassI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 0, 0, 0));
    EXPECT_EQ(CAP_GetEcompassGpioReset(), -1);
    EXPECT_EQ(CAP_GetEcompassINTGpioNum(), 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetEcompassINTGpio(i), -1) << i;
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

// ---------------------------------------------------------------- temperature

TEST_F(PeripheralsTest, TemperatureSupportAndDevicePath) {
    LoadBoard(R"({"Temperature": {"Support": true, "DeviceNode": ["dir", "dev"]}})");
    EXPECT_EQ(CAP_IsTempSupport(), 1);
    EXPECT_EQ(CAP_IsTemperatureAndHumiditySupport(), 0);
    EXPECT_EQ(TempNode(), "dir/dev/");
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(PeripheralsTest, TemperaturePathOf39CharactersFitsOneMoreIsDropped) {
    const std::string a(20, 'a'), b17(17, 'b'), b18(18, 'b');
    LoadBoard(R"({"Temperature": {"DeviceNode": [")" + a + R"(", ")" + b17 + R"("]}})");
    EXPECT_EQ(TempNode(), a + "/" + b17 + "/");
    LoadBoard(R"({"Temperature": {"DeviceNode": [")" + a + R"(", ")" + b18 + R"("]}})");
    EXPECT_EQ(TempNode(), "");
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

// Anything but two texts is ignored, silently.
TEST_F(PeripheralsTest, TemperatureDevicePathMustBeTwoTexts) {
    for (const char *pcNode : {R"(["dir"])", R"(["dir", 5])", R"([null, "dev"])", R"("dir")",
                               R"([])", R"({"a": "b"})", "null", R"([["dir"], "dev"])"}) {
        LoadBoard(std::string(R"({"Temperature": {"DeviceNode": )") + pcNode + "}}");
        EXPECT_EQ(TempNode(), "") << pcNode;
        EXPECT_EQ(Findings(), 0u) << pcNode << log.Dump();
    }
}

// Decided by key alone: any other key is reported whatever its type.
TEST_F(PeripheralsTest, TemperatureUnknownKeysOfAnyType) {
    LoadBoard(R"({"Temperature": {"Node": "x", "Count": 1, "List": [1], "Nothing": null,
        "Support": 1}})");
    for (const char *pcKey : {"Node", "Count", "List", "Nothing"})
        EXPECT_TRUE(log.HasFrom("cap_ParseTemperature", kInfo,
                                std::string("cap_ParseTemperature para is invalide:key=") + pcKey +
                                    "!\n"))
            << pcKey << log.Dump();
    EXPECT_EQ(Findings(), 4u) << log.Dump();
    EXPECT_EQ(CAP_IsTempSupport(), 1);  // read through the boolean accessor
}

TEST_F(PeripheralsTest, TemperatureDevicePathQuery) {
    LoadBoard(R"({"Temperature": {"DeviceNode": ["dir", "dev"]}})");
    char acBuf[8];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetTemperatureDeviceNoe(4, acBuf), 0);
    EXPECT_STREQ(acBuf, "dir");
    EXPECT_EQ(acBuf[4], 'x');
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "dir/dev/ size = 8 is overflow of 4\n"))
        << log.Dump();
    log.Clear();
    EXPECT_EQ(CAP_GetTemperatureDeviceNoe(0, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetTemperatureDeviceNoe", kError, "para out of range."))
        << log.Dump();
    EXPECT_EQ(acBuf[0], 'd');
    log.Clear();
    EXPECT_EQ(CAP_GetTemperatureDeviceNoe(0, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetTemperatureDeviceNoe", kError,
                            "CAP_GetTemperatureDeviceNoe para is null!\n"))
        << log.Dump();
    EXPECT_EQ(Findings(), 1u);
}

// ---------------------------------------------------------------- CVBS

TEST_F(PeripheralsTest, CvbsEveryKey) {
    LoadBoard(R"({"CVBS": {"Support": true, "SocType": "gm7121", "HardCtl": "fpga",
        "ResetGpio": 33, "I2cInfo": [1, 2, 3, 4]}})");
    EXPECT_EQ(CAP_IsCvbsSupport(), 1);
    EXPECT_EQ(CAP_GetCvbsSocType(), CAP_CVBS_GM7121);
    EXPECT_EQ(CAP_GetCvbsHardCtl(), CAP_HARDCTL_FPGA);
    EXPECT_EQ(CAP_GetCvbsResetGpio(), 33);
    I2cInfo stI2c{};
    EXPECT_EQ(CAP_GetCvbsSocCtlWithI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 1, 3, 2));
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(PeripheralsTest, CvbsKeysOfAnotherTypeAndShortI2cArray) {
    LoadBoard(R"({"CVBS": {"Support": 1, "ResetGpio": "7", "SocType": true, "Chip": [1, 2],
        "I2cInfo": [2], "HardCtl": null, "Other": 1.5, "Obj": {}}})");
    EXPECT_TRUE(log.HasFrom("cap_ParseCVBS", kInfo, "cap_ParseCVBS para is not int type:key=Support!\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseCVBS", kInfo,
                            "cap_ParseCVBS para is not string type:key=ResetGpio!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseCVBS", kInfo,
                            "cap_ParseCVBS para is not boolean type:key=SocType!\n"));
    EXPECT_EQ(log.Count(kInfo, "cap_ParseCVBS para is invlide:key=Chip!\n"), 1);
    EXPECT_EQ(Findings(), 4u) << log.Dump();
    EXPECT_EQ(CAP_IsCvbsSupport(), 0);
    EXPECT_EQ(CAP_GetCvbsResetGpio(), -1);
    EXPECT_EQ(CAP_GetCvbsSocType(), CAP_CVBS_ADV7393);
    EXPECT_EQ(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID);
    I2cInfo stI2c = {9, 9, 9};
    EXPECT_EQ(CAP_GetCvbsSocCtlWithI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 2, 0, 0));
}

TEST_F(PeripheralsTest, CvbsUnknownEncoderIsNamed) {
    LoadBoard(R"({"CVBS": {"SocType": "adv7394", "HardCtl": "FPGA", "I2cInfo": [65537, -1, 0]}})");
    EXPECT_EQ(CAP_GetCvbsSocType(), CAP_CVBS_INVALID);
    EXPECT_EQ(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID);
    const auto entries = log.Entries();
    bool bNamed = false;
    for (const LogEntry &e : entries)
        bNamed |= e.fn == "cap_MatchCvbsType" && e.level == kInfo &&
                  e.text.find("adv7394") != std::string::npos;
    EXPECT_TRUE(bNamed) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_MatchHardCtl", kInfo, "cap_MatchHardCtl para is invalid:pcVal=FPGA\n"));
    I2cInfo stI2c{};
    EXPECT_EQ(CAP_GetCvbsSocCtlWithI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 1, 0, 65535));  // low 16 bits
}

TEST_F(PeripheralsTest, I2cQueriesRefuseNull) {
    LoadBoard("{}");
    EXPECT_EQ(CAP_GetCvbsSocCtlWithI2cInfo(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetCvbsSocCtlWithI2cInfo", kError,
                            "CAP_GetCvbsSocCtlWithI2cInfo para is null!\n"));
    EXPECT_EQ(CAP_GetAccelerateI2cInfo(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetAccelerateI2cInfo", kError,
                            "CAP_GetAccelerateI2cInfo para is null!\n"));
    EXPECT_EQ(CAP_GetEcompassI2cInfo(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetEcompassI2cInfo", kError,
                            "CAP_GetEcompassI2cInfo para is null!\n"))
        << log.Dump();
}

// ---------------------------------------------------------------- sniffer

TEST_F(PeripheralsTest, SnifferEveryKey) {
    LoadBoard(R"({"Sniffer": {"Support": true, "Type": "usb", "DeviceNode": "wlan0",
        "Model": "apsta"}})");
    EXPECT_EQ(g_pstBoardCap->stSniffer.bWifiSupport, 1u);
    EXPECT_EQ(CAP_GetWifiType(), CAP_WIFI_USB);
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_APSTA);
    EXPECT_EQ(WifiNode(), "wlan0");
    // The patch file, not the board, answers whether there is a sniffer.
    EXPECT_EQ(CAP_IsSnifferSupport(), 0);
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(PeripheralsTest, SnifferDeviceNodeIsCutToNineCharacters) {
    LoadBoard(R"({"Sniffer": {"DeviceNode": "abcdefghij"}})");
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "abcdefghij size = 10 is overflow of 10\n"))
        << log.Dump();
    EXPECT_EQ(WifiNode(), "abcdefghi");
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE);  // the next field is untouched
}

TEST_F(PeripheralsTest, SnifferUnknownKeysAndOtherTypes) {
    LoadBoard(R"({"Sniffer": {"Enable": true, "Name": "x", "Type": null, "Model": 1,
        "DeviceNode": ["wlan0"], "Support": "yes"}})");
    EXPECT_TRUE(log.HasFrom("cap_ParseSniffer", kInfo,
                            "cap_ParseSniffer para is not bool type:key=Enable!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseSniffer", kInfo,
                            "cap_ParseSniffer para is not string type:key=Name!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseSniffer", kInfo,
                            "cap_ParseSniffer para is not string type:key=Support!\n"));
    EXPECT_EQ(Findings(), 3u) << log.Dump();
    EXPECT_EQ(CAP_GetWifiType(), CAP_WIFI_SERIAL);
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE);
    EXPECT_EQ(WifiNode(), "");
    EXPECT_EQ(g_pstBoardCap->stSniffer.bWifiSupport, 0u);
}

TEST_F(PeripheralsTest, SnifferWordsOutsideTheVocabulary) {
    LoadBoard(R"({"Sniffer": {"Type": "pcie", "Model": "AP"}})");
    EXPECT_EQ(CAP_GetWifiType(), CAP_WIFI_INVALID);
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE);
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchWifiType para is invalid:pcJsonVal = pcie!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchWifiMode para is invalid :pcJsonVal = AP\n"));
}

TEST_F(PeripheralsTest, WifiDeviceNodeQuery) {
    LoadBoard(R"({"Sniffer": {"DeviceNode": "wlan0"}})");
    char acBuf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(CAP_GetWifiDeviceNode(0, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetWifiDeviceNode", kError, "para out of range."));
    EXPECT_EQ(acBuf[0], 'x');
    EXPECT_EQ(CAP_GetWifiDeviceNode(4, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetWifiDeviceNode", kError, "CAP_GetWifiDeviceNode para is null!\n"));
    EXPECT_EQ(CAP_GetWifiDeviceNode(3, acBuf), 0);
    EXPECT_STREQ(acBuf, "wl");
    EXPECT_EQ(acBuf[3], 'x');
}

// ---------------------------------------------------------------- accelerometer

TEST_F(PeripheralsTest, AcceleratePositionAndI2c) {
    LoadBoard(R"({"Accelerate": {"Support": true, "Position": ["front", "left", "down", "up"],
        "I2cInfo": [1, 2, 3, 4]}})");
    DevPosition aenPos[3] = {};
    EXPECT_EQ(CAP_GetAcceleratePosition(&aenPos[0], &aenPos[1], &aenPos[2]), 0);
    EXPECT_EQ(aenPos[0], CAP_POS_FRONT);
    EXPECT_EQ(aenPos[1], CAP_POS_LEFT);
    EXPECT_EQ(aenPos[2], CAP_POS_DOWN);
    I2cInfo stI2c{};
    EXPECT_EQ(CAP_GetAccelerateI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 1, 3, 2));
    EXPECT_EQ(g_pstBoardCap->stAccelerate.bAccelerateSupport, 1u);
    EXPECT_EQ(CAP_IsAccelerateSupport(), 0);  // the patch file's flag
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

// A missing axis reads as no text: the matcher reports it and answers invalid.
TEST_F(PeripheralsTest, AccelerateShortPositionArray) {
    LoadBoard(R"({"Accelerate": {"Position": ["up"], "I2cInfo": [7]}})");
    DevPosition aenPos[3] = {};
    EXPECT_EQ(CAP_GetAcceleratePosition(&aenPos[0], &aenPos[1], &aenPos[2]), 0);
    EXPECT_EQ(aenPos[0], CAP_POS_UP);
    EXPECT_EQ(aenPos[1], CAP_POS_INVALID);
    EXPECT_EQ(aenPos[2], CAP_POS_INVALID);
    EXPECT_EQ(log.Count(kError, "cap_MatchDevPosition params is null!\n"), 2) << log.Dump();
    I2cInfo stI2c = {9, 9, 9};
    EXPECT_EQ(CAP_GetAccelerateI2cInfo(&stI2c), 0);
    EXPECT_TRUE(SameI2c(stI2c, 7, 0, 0));
}

TEST_F(PeripheralsTest, AccelerateUnknownKeys) {
    LoadBoard(R"({"Accelerate": {"Axes": ["x", "y"], "Empty": [], "On": false, "Rate": 100,
        "Name": "x", "Support": 1}})");
    EXPECT_EQ(log.Count(kInfo, "cap_ParseAccelerate para is not arry type:key=Axes!\n"), 2)
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseAccelerate", kInfo,
                            "cap_ParseAccelerate para is not bool type:key=On!\n"));
    EXPECT_EQ(Findings(), 3u) << log.Dump();
    EXPECT_EQ(g_pstBoardCap->stAccelerate.bAccelerateSupport, 0u);
}

TEST_F(PeripheralsTest, PositionQueriesRefuseAnyNull) {
    LoadBoard(R"({"Accelerate": {"Position": ["front", "back", "up"]},
        "Ecompass": {"Position": ["front", "back", "up"]}})");
    DevPosition enX = kMark, enY = kMark, enZ = kMark;
    EXPECT_EQ(CAP_GetAcceleratePosition(&enX, &enY, nullptr), -1);
    EXPECT_EQ(CAP_GetAcceleratePosition(nullptr, &enY, &enZ), -1);
    EXPECT_EQ(log.Count(kError, "CAP_GetAcceleratePosition position para empty"), 2) << log.Dump();
    EXPECT_TRUE(log.HasFrom("CAP_GetAcceleratePosition", kError,
                            "CAP_GetAcceleratePosition position para empty"));
    EXPECT_EQ(CAP_GetEcompassPosition(&enX, nullptr, &enZ), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetEcompassPosition", kError, "ecompass position para empty"));
    EXPECT_EQ(enX, kMark);
    EXPECT_EQ(enY, kMark);
    EXPECT_EQ(enZ, kMark);
    EXPECT_EQ(CAP_GetEcompassPosition(&enX, &enY, &enZ), 0);
    EXPECT_EQ(enX, CAP_POS_FRONT);
    EXPECT_EQ(enY, CAP_POS_BACK);
    EXPECT_EQ(enZ, CAP_POS_UP);
}

// ---------------------------------------------------------------- e-compass

TEST_F(PeripheralsTest, EcompassEveryKeyInEitherOrder) {
    for (const char *pcBoard :
         {R"({"Ecompass": {"ResetGpio": 17, "INTGpio": [5, 6], "Support": true,
              "Position": ["right", "back", "down"], "I2cInfo": [4, 5, 6]}})",
          R"({"Ecompass": {"I2cInfo": [4, 5, 6], "Position": ["right", "back", "down"],
              "Support": true, "INTGpio": [5, 6], "ResetGpio": 17}})"}) {
        LoadBoard(pcBoard);
        EXPECT_EQ(CAP_IsEcompasSupport(), 1);
        EXPECT_EQ(CAP_IsEcompassSupport(), 0);  // the patch file's flag
        EXPECT_EQ(CAP_GetEcompassGpioReset(), 17);
        EXPECT_EQ(CAP_GetEcompassINTGpioNum(), 2);
        EXPECT_EQ(CAP_GetEcompassINTGpio(0), 5);
        EXPECT_EQ(CAP_GetEcompassINTGpio(1), 6);
        EXPECT_EQ(CAP_GetEcompassINTGpio(2), -1);
        DevPosition aenPos[3] = {};
        EXPECT_EQ(CAP_GetEcompassPosition(&aenPos[0], &aenPos[1], &aenPos[2]), 0);
        EXPECT_EQ(aenPos[0], CAP_POS_RIGHT);
        EXPECT_EQ(aenPos[1], CAP_POS_BACK);
        EXPECT_EQ(aenPos[2], CAP_POS_DOWN);
        I2cInfo stI2c{};
        EXPECT_EQ(CAP_GetEcompassI2cInfo(&stI2c), 0);
        EXPECT_TRUE(SameI2c(stI2c, 4, 6, 5));
        EXPECT_EQ(Findings(), 0u) << log.Dump();
    }
}

TEST_F(PeripheralsTest, EcompassSilentAboutUnknownKeys) {
    LoadBoard(R"({"Ecompass": {"Support": 1, "ResetGpio": "3", "INTGpio": 4, "Axes": ["x"],
        "On": true, "Name": "x"}})");
    EXPECT_EQ(Findings(), 0u) << log.Dump();
    EXPECT_EQ(CAP_IsEcompasSupport(), 0);
    EXPECT_EQ(CAP_GetEcompassGpioReset(), -1);
    EXPECT_EQ(CAP_GetEcompassINTGpioNum(), 0);
}

// Interrupt lines beyond the fourth are dropped; the pan-tilt record after
// them keeps its defaults.
TEST_F(PeripheralsTest, EcompassInterruptLinesBeyondCapacity) {
    LoadBoard(R"({"Ecompass": {"INTGpio": [1, 2, 3, 4, 5, 6]}})");
    EXPECT_EQ(CAP_GetEcompassINTGpioNum(), 4);
    EXPECT_EQ(CAP_GetEcompassINTGpio(3), 4);
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 0);
    EXPECT_EQ(CAP_GetAlarmBoardType(), CAP_MCU_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_ParseEcompass", kWarn, "key=INTGpio has 6 elements, only 4 kept.\n"))
        << log.Dump();
    EXPECT_EQ(Findings(), 1u) << log.Dump();
}

TEST_F(PeripheralsTest, EcompassInterruptQueriesRefuseBadArguments) {
    LoadBoard(R"({"Ecompass": {"INTGpio": [5, 6]}})");
    for (int i : {4, -1}) {
        log.Clear();
        EXPECT_EQ(CAP_GetEcompassINTGpio(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetEcompassINTGpio", kError,
                                "CAP_GetEcompassINTGpio para iGpioNum = " + std::to_string(i) +
                                    " out of range 4."))
            << log.Dump();
    }
    // The count is tested before the buffer.
    log.Clear();
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(0, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetEcompassINTGpioMul", kError,
                            "CAP_GetEcompassINTGpioAll para out of range."))
        << log.Dump();
    log.Clear();
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(2, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetEcompassINTGpioMul", kError,
                            "CAP_GetEcompassINTGpioAll para null ptr."))
        << log.Dump();
    int aiGpio[6] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(5, aiGpio), -4);
    EXPECT_EQ(aiGpio[0], 0x11);
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(2, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], 5);
    EXPECT_EQ(aiGpio[1], 6);
    EXPECT_EQ(aiGpio[2], 0x11);
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(4, aiGpio), 0);
    EXPECT_EQ(aiGpio[3], -1);
    EXPECT_EQ(aiGpio[4], 0x11);
}

}  // namespace
