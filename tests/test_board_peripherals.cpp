// Temperature sensor, CVBS encoder, Wi-Fi module, accelerometer and e-compass
// of the board file: defaults, parsing, capacities, and the queries' results,
// messages and check order.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

class PeripheralsTest : public BoardTest {
protected:
    static std::string TempNode() {
        char acBuf[64];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(CAP_GetTemperatureDeviceNoe(sizeof(acBuf), acBuf), 0);
        return acBuf;
    }
    static std::string WifiNode() {
        char acBuf[32];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(CAP_GetWifiDeviceNode(sizeof(acBuf), acBuf), 0);
        return acBuf;
    }
    // The three values of an I2C query in record order, as "a,b,c".
    static std::string I2c(int (*query)(I2cInfo *)) {
        I2cInfo st = {9, 9, 9};
        EXPECT_EQ(query(&st), 0);
        return std::to_string(st.usVal0) + "," + std::to_string(st.usVal1) + "," + std::to_string(st.usVal2);
    }
    // The three axes of a position query, as "x,y,z".
    static std::string Axes(int (*query)(DevPosition *, DevPosition *, DevPosition *)) {
        DevPosition aen[3] = {99, 99, 99};
        EXPECT_EQ(query(&aen[0], &aen[1], &aen[2]), 0);
        return std::to_string(aen[0]) + "," + std::to_string(aen[1]) + "," + std::to_string(aen[2]);
    }
};

TEST_F(PeripheralsTest, BoardWithoutTheObjectsAnswersTheDefaults) {
    Load("{}");
    ExpectAnswers({
        WANT(CAP_IsTempSupport(), 0), WANT(CAP_IsCvbsSupport(), 0),
        WANT(CAP_GetCvbsSocType(), CAP_CVBS_ADV7393), WANT(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID),
        WANT(CAP_GetCvbsResetGpio(), -1), WANT(CAP_GetWifiType(), CAP_WIFI_SERIAL),
        WANT(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE), WANT(g_pstBoardCap->stSniffer.bWifiSupport, 0),
        WANT(g_pstBoardCap->stAccelerate.bAccelerateSupport, 0), WANT(CAP_IsEcompasSupport(), 0),
        WANT(CAP_GetEcompassGpioReset(), -1), WANT(CAP_GetEcompassINTGpioNum(), 0),
    });
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetEcompassINTGpio(i), -1) << i;
    EXPECT_EQ(TempNode(), "");
    EXPECT_EQ(WifiNode(), "");
    for (auto query : {CAP_GetCvbsSocCtlWithI2cInfo, CAP_GetAccelerateI2cInfo, CAP_GetEcompassI2cInfo})
        EXPECT_EQ(I2c(query), "0,0,0");
    EXPECT_EQ(Axes(CAP_GetAcceleratePosition), "6,6,6");
    EXPECT_EQ(Axes(CAP_GetEcompassPosition), "6,6,6");
    EXPECT_EQ(Findings(), 0u);
}

// ---------------------------------------------------------------- temperature

// "dir/name/" of two texts; decided by key alone, any other key reported.
TEST_F(PeripheralsTest, TemperatureSupportDevicePathAndUnknownKeys) {
    Load(R"({"Temperature": {"Support": 1, "DeviceNode": ["dir", "dev"],
        "Node": "x", "Count": 1, "List": [1], "Nothing": null}})");
    EXPECT_EQ(CAP_IsTempSupport(), 1);  // read through the boolean accessor
    EXPECT_EQ(CAP_IsTemperatureAndHumiditySupport(), 0);
    EXPECT_EQ(TempNode(), "dir/dev/");
    for (const char *pcKey : {"Node", "Count", "List", "Nothing"})
        EXPECT_TRUE(log.HasFrom("cap_ParseTemperature", kInfo,
                                std::string("cap_ParseTemperature para is invalide:key=") + pcKey + "!\n"))
            << pcKey;
    EXPECT_EQ(Findings(), 4u);
}

// 39 characters fit, one more is dropped; anything but two texts is ignored,
// silently.
TEST_F(PeripheralsTest, TemperatureDevicePathMustBeTwoTextsThatFit) {
    const std::string a(20, 'a'), b(17, 'b');
    Load(R"({"Temperature": {"DeviceNode": [")" + a + R"(", ")" + b + R"("]}})");
    EXPECT_EQ(TempNode(), a + "/" + b + "/");
    for (std::string strNode : {R"([")" + a + R"(", ")" + b + R"(b"])", std::string(R"(["dir"])"),
                                std::string(R"(["dir", 5])"), std::string(R"([null, "dev"])"),
                                std::string(R"("dir")"), std::string(R"({"a": "b"})"), std::string("null"),
                                std::string(R"([["dir"], "dev"])")}) {
        Load(R"({"Temperature": {"DeviceNode": )" + strNode + "}}");
        EXPECT_EQ(TempNode(), "") << strNode;
        EXPECT_EQ(Findings(), 0u) << strNode;
    }
}

// ---------------------------------------------------------------- CVBS

TEST_F(PeripheralsTest, CvbsEveryKey) {
    Load(R"({"CVBS": {"Support": true, "SocType": "gm7121", "HardCtl": "fpga",
        "ResetGpio": 33, "I2cInfo": [1, 2, 3, 4]}})");
    ExpectAnswers({WANT(CAP_IsCvbsSupport(), 1), WANT(CAP_GetCvbsSocType(), CAP_CVBS_GM7121),
                   WANT(CAP_GetCvbsHardCtl(), CAP_HARDCTL_FPGA), WANT(CAP_GetCvbsResetGpio(), 33)});
    EXPECT_EQ(I2c(CAP_GetCvbsSocCtlWithI2cInfo), "1,3,2");
    EXPECT_EQ(Findings(), 0u);
}

// "I2cInfo" reads elements 0 to 2 whatever the length (a missing one as 0,
// each cut to 16 bits); words outside a vocabulary are named by the matcher.
TEST_F(PeripheralsTest, CvbsKeysOfAnotherTypeShortI2cAndUnknownWords) {
    Load(R"({"CVBS": {"Support": 1, "ResetGpio": "7", "SocType": true, "Chip": [1, 2],
        "I2cInfo": [2], "HardCtl": null, "Other": 1.5, "Obj": {}}})");
    for (const char *pcText : {"cap_ParseCVBS para is not int type:key=Support!\n",
                               "cap_ParseCVBS para is not string type:key=ResetGpio!\n",
                               "cap_ParseCVBS para is not boolean type:key=SocType!\n",
                               "cap_ParseCVBS para is invlide:key=Chip!\n"})
        EXPECT_EQ(log.Count(kInfo, pcText), 1) << pcText;
    EXPECT_EQ(Findings(), 4u);
    ExpectAnswers({WANT(CAP_IsCvbsSupport(), 0), WANT(CAP_GetCvbsResetGpio(), -1),
                   WANT(CAP_GetCvbsSocType(), CAP_CVBS_ADV7393), WANT(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID)});
    EXPECT_EQ(I2c(CAP_GetCvbsSocCtlWithI2cInfo), "2,0,0");

    Load(R"({"CVBS": {"SocType": "adv7394", "HardCtl": "FPGA", "I2cInfo": [65537, -1, 0]}})");
    ExpectAnswers({WANT(CAP_GetCvbsSocType(), CAP_CVBS_INVALID), WANT(CAP_GetCvbsHardCtl(), CAP_HARDCTL_INVALID)});
    EXPECT_TRUE(log.HasFrom("cap_MatchCvbsType", kInfo, "cap_MatchCvbsType para is invalid :pcJsonVal = adv7394\n"));
    EXPECT_TRUE(log.HasFrom("cap_MatchHardCtl", kInfo, "cap_MatchHardCtl para is invalid:pcVal=FPGA\n"));
    EXPECT_EQ(I2c(CAP_GetCvbsSocCtlWithI2cInfo), "1,0,65535");
}

// ---------------------------------------------------------------- sniffer

// The patch file, not the board, answers whether there is a sniffer; the
// node is cut to nine characters with the warning, the model after it kept.
TEST_F(PeripheralsTest, SnifferEveryKey) {
    Load(R"({"Sniffer": {"Support": true, "Type": "usb", "DeviceNode": "wlan0",
        "Model": "apsta"}})");
    ExpectAnswers({WANT(g_pstBoardCap->stSniffer.bWifiSupport, 1), WANT(CAP_GetWifiType(), CAP_WIFI_USB),
                   WANT(CAP_GetWifiModel(), CAP_WIFI_MODE_APSTA), WANT(CAP_IsSnifferSupport(), 0)});
    EXPECT_EQ(WifiNode(), "wlan0");
    EXPECT_EQ(Findings(), 0u);

    Load(R"({"Sniffer": {"DeviceNode": "abcdefghij"}})");
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "abcdefghij size = 10 is overflow of 10\n"));
    EXPECT_EQ(WifiNode(), "abcdefghi");
    EXPECT_EQ(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE);
}

TEST_F(PeripheralsTest, SnifferUnknownKeysOtherTypesAndWords) {
    Load(R"({"Sniffer": {"Enable": true, "Name": "x", "Type": null, "Model": 1,
        "DeviceNode": ["wlan0"], "Support": "yes"}})");
    for (const char *pcText : {"cap_ParseSniffer para is not bool type:key=Enable!\n",
                               "cap_ParseSniffer para is not string type:key=Name!\n",
                               "cap_ParseSniffer para is not string type:key=Support!\n"})
        EXPECT_TRUE(log.HasFrom("cap_ParseSniffer", kInfo, pcText)) << pcText;
    EXPECT_EQ(Findings(), 3u);
    ExpectAnswers({WANT(CAP_GetWifiType(), CAP_WIFI_SERIAL), WANT(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE),
                   WANT(g_pstBoardCap->stSniffer.bWifiSupport, 0)});
    EXPECT_EQ(WifiNode(), "");

    Load(R"({"Sniffer": {"Type": "pcie", "Model": "AP"}})");
    ExpectAnswers({WANT(CAP_GetWifiType(), CAP_WIFI_INVALID), WANT(CAP_GetWifiModel(), CAP_WIFI_MODE_NONE)});
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchWifiType para is invalid:pcJsonVal = pcie!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchWifiMode para is invalid :pcJsonVal = AP\n"));
}

// ---------------------------------------------------------------- accelerometer

// "Position" takes three axes (a missing one is no text: the matcher reports
// it), "I2cInfo" only the elements present; the board's flag is not the
// patch file's.
TEST_F(PeripheralsTest, AcceleratePositionAndI2c) {
    Load(R"({"Accelerate": {"Support": true, "Position": ["front", "left", "down", "up"],
        "I2cInfo": [1, 2, 3, 4]}})");
    EXPECT_EQ(Axes(CAP_GetAcceleratePosition), "0,2,5");
    EXPECT_EQ(I2c(CAP_GetAccelerateI2cInfo), "1,3,2");
    ExpectAnswers({WANT(g_pstBoardCap->stAccelerate.bAccelerateSupport, 1), WANT(CAP_IsAccelerateSupport(), 0)});
    EXPECT_EQ(Findings(), 0u);

    Load(R"({"Accelerate": {"Position": ["up"], "I2cInfo": [7]}})");
    EXPECT_EQ(Axes(CAP_GetAcceleratePosition), "4,6,6");
    EXPECT_EQ(log.Count(kError, "cap_MatchDevPosition params is null!\n"), 2);
    EXPECT_EQ(I2c(CAP_GetAccelerateI2cInfo), "7,0,0");
}

TEST_F(PeripheralsTest, AccelerateUnknownKeys) {
    Load(R"({"Accelerate": {"Axes": ["x", "y"], "Empty": [], "On": false, "Rate": 100,
        "Name": "x", "Support": 1}})");
    EXPECT_EQ(log.Count(kInfo, "cap_ParseAccelerate para is not arry type:key=Axes!\n"), 2);
    EXPECT_TRUE(log.HasFrom("cap_ParseAccelerate", kInfo, "cap_ParseAccelerate para is not bool type:key=On!\n"));
    EXPECT_EQ(Findings(), 3u);
    EXPECT_EQ(g_pstBoardCap->stAccelerate.bAccelerateSupport, 0u);
}

// ---------------------------------------------------------------- e-compass

TEST_F(PeripheralsTest, EcompassEveryKeyInEitherOrder) {
    for (const char *pcBoard :
         {R"({"Ecompass": {"ResetGpio": 17, "INTGpio": [5, 6], "Support": true,
              "Position": ["right", "back", "down"], "I2cInfo": [4, 5, 6]}})",
          R"({"Ecompass": {"I2cInfo": [4, 5, 6], "Position": ["right", "back", "down"],
              "Support": true, "INTGpio": [5, 6], "ResetGpio": 17}})"}) {
        Load(pcBoard);
        ExpectAnswers({
            WANT(CAP_IsEcompasSupport(), 1), WANT(CAP_IsEcompassSupport(), 0),  // the patch file's
            WANT(CAP_GetEcompassGpioReset(), 17), WANT(CAP_GetEcompassINTGpioNum(), 2),
            WANT(CAP_GetEcompassINTGpio(1), 6), WANT(CAP_GetEcompassINTGpio(2), -1),
        });
        EXPECT_EQ(Axes(CAP_GetEcompassPosition), "3,1,5");
        EXPECT_EQ(I2c(CAP_GetEcompassI2cInfo), "4,6,5");
        EXPECT_EQ(Findings(), 0u);
    }
}

// Unknown keys pass silently; interrupt lines beyond the fourth are dropped
// with the warning, and the pan-tilt record after them keeps its defaults.
TEST_F(PeripheralsTest, EcompassSilentKeysAndInterruptLinesBeyondCapacity) {
    Load(R"({"Ecompass": {"Support": 1, "ResetGpio": "3", "INTGpio": 4, "Axes": ["x"],
        "On": true, "Name": "x"}})");
    EXPECT_EQ(Findings(), 0u);
    ExpectAnswers({WANT(CAP_IsEcompasSupport(), 0), WANT(CAP_GetEcompassGpioReset(), -1),
                   WANT(CAP_GetEcompassINTGpioNum(), 0)});

    Load(R"({"Ecompass": {"INTGpio": [1, 2, 3, 4, 5, 6]}})");
    ExpectAnswers({WANT(CAP_GetEcompassINTGpioNum(), 4), WANT(CAP_GetEcompassINTGpio(3), 4),
                   WANT(CAP_GetMaxElevationAngle(), 0), WANT(CAP_GetAlarmBoardType(), CAP_MCU_INVALID)});
    EXPECT_TRUE(log.HasFrom("cap_ParseEcompass", kWarn, "key=INTGpio has 6 elements, only 4 kept.\n"));
    EXPECT_EQ(Findings(), 1u);
}

// ---------------------------------------------------------------- queries

TEST_F(PeripheralsTest, QueriesRefuseBadArguments) {
    Load(R"({"Temperature": {"DeviceNode": ["dir", "dev"]}, "Sniffer": {"DeviceNode": "wlan0"},
        "Ecompass": {"INTGpio": [5, 6], "Position": ["front", "back", "up"]}})");
    static char acBuf[8] = "xxxxxxx";
    static DevPosition enPos = 77;
    static int aiGpio[6] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    ExpectRefusals(log, {
        REFUSE("CAP_GetTemperatureDeviceNoe", CAP_GetTemperatureDeviceNoe(0, nullptr), -2,
               "CAP_GetTemperatureDeviceNoe para is null!\n"),
        REFUSE("CAP_GetTemperatureDeviceNoe", CAP_GetTemperatureDeviceNoe(0, acBuf), -4, "para out of range."),
        REFUSE("CAP_GetWifiDeviceNode", CAP_GetWifiDeviceNode(4, nullptr), -2, "CAP_GetWifiDeviceNode para is null!\n"),
        REFUSE("CAP_GetWifiDeviceNode", CAP_GetWifiDeviceNode(0, acBuf), -4, "para out of range."),
        REFUSE("CAP_GetCvbsSocCtlWithI2cInfo", CAP_GetCvbsSocCtlWithI2cInfo(nullptr), -2,
               "CAP_GetCvbsSocCtlWithI2cInfo para is null!\n"),
        REFUSE("CAP_GetAccelerateI2cInfo", CAP_GetAccelerateI2cInfo(nullptr), -2,
               "CAP_GetAccelerateI2cInfo para is null!\n"),
        REFUSE("CAP_GetEcompassI2cInfo", CAP_GetEcompassI2cInfo(nullptr), -2, "CAP_GetEcompassI2cInfo para is null!\n"),
        REFUSE("CAP_GetAcceleratePosition", CAP_GetAcceleratePosition(&enPos, &enPos, nullptr), -1,
               "CAP_GetAcceleratePosition position para empty"),
        REFUSE("CAP_GetAcceleratePosition", CAP_GetAcceleratePosition(nullptr, &enPos, &enPos), -1,
               "CAP_GetAcceleratePosition position para empty"),
        REFUSE("CAP_GetEcompassPosition", CAP_GetEcompassPosition(&enPos, nullptr, &enPos), -1,
               "ecompass position para empty"),
        REFUSE("CAP_GetEcompassINTGpio", CAP_GetEcompassINTGpio(4), -4,
               "CAP_GetEcompassINTGpio para iGpioNum = 4 out of range 4."),
        REFUSE("CAP_GetEcompassINTGpio", CAP_GetEcompassINTGpio(-1), -4,
               "CAP_GetEcompassINTGpio para iGpioNum = -1 out of range 4."),
        // The count is tested before the buffer.
        REFUSE("CAP_GetEcompassINTGpioMul", CAP_GetEcompassINTGpioMul(0, nullptr), -4,
               "CAP_GetEcompassINTGpioAll para out of range."),
        REFUSE("CAP_GetEcompassINTGpioMul", CAP_GetEcompassINTGpioMul(5, aiGpio), -4,
               "CAP_GetEcompassINTGpioAll para out of range."),
        REFUSE("CAP_GetEcompassINTGpioMul", CAP_GetEcompassINTGpioMul(2, nullptr), -2,
               "CAP_GetEcompassINTGpioAll para null ptr."),
    });
    ExpectAnswers({WANT(acBuf[0], 'x'), WANT(enPos, 77), WANT(aiGpio[0], 0x11)});

    // Copies: cut with the warning, terminated, nothing past the size.
    EXPECT_EQ(CAP_GetTemperatureDeviceNoe(4, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 5), std::string("dir\0x", 5));
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "dir/dev/ size = 8 is overflow of 4\n"));
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetWifiDeviceNode(3, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 4), std::string("wl\0x", 4));
    EXPECT_EQ(CAP_GetEcompassINTGpioMul(4, aiGpio), 0);
    ExpectAnswers({WANT(aiGpio[0], 5), WANT(aiGpio[1], 6), WANT(aiGpio[3], -1), WANT(aiGpio[4], 0x11)});
    EXPECT_EQ(Axes(CAP_GetEcompassPosition), "0,1,4");
}

}  // namespace
