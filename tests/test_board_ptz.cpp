// The pan-tilt object of the board file: defaults, parsing, capacities, and
// the queries' results, messages and check order.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

using NodeQuery = int (*)(int, char *);

struct Node {
    const char *fn;
    NodeQuery query;
};

constexpr Node kNodes[] = {{"CAP_GetDriverBoardNode", CAP_GetDriverBoardNode},
                           {"CAP_GetAlarmBoardNode", CAP_GetAlarmBoardNode},
                           {"CAP_GetWiperBoardNode", CAP_GetWiperBoardNode}};

class PtzTest : public BoardTest {
protected:
    static std::string Read(NodeQuery query) {
        char acBuf[32];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(query(10, acBuf), 0);
        return acBuf;
    }
};

TEST_F(PtzTest, BoardWithoutPtzAnswersTheDefaults) {
    Load("{}");
    ExpectAnswers({
        WANT(CAP_GetAlarmBoardType(), CAP_MCU_INVALID), WANT(CAP_GetDriverBoardType(), CAP_MCU_INVALID),
        WANT(CAP_GetWiperBoardType(), CAP_MCU_INVALID), WANT(CAP_GetDriverBoardReset(), -1),
        WANT(CAP_GetAlarmBoardReset(), -1), WANT(CAP_GetWiperBoardReset(), -1),
        WANT(CAP_GetFanCtlType(), CAP_FANHEAT_NONE), WANT(CAP_GetHeatCtlType(), CAP_FANHEAT_NONE),
        WANT(CAP_GetGlassHeatCtlType(), CAP_FANHEAT_NONE), WANT(CAP_GetGlassHeatGpioCtl(), -1),
        WANT(CAP_GetTempLowerThreshold(), 0), WANT(CAP_GetTempUpperThreshold(), 0),
        WANT(CAP_GetFanGpioCtlNum(), 0), WANT(CAP_GetHeatGpioCtlNum(), 0),
        WANT(CAP_GetMaxElevationAngle(), 0),
    });
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetFanGpioCtl(i) + CAP_GetHeatGpioCtl(i), -2) << i;
    for (const Node &n : kNodes) EXPECT_EQ(Read(n.query), "") << n.fn;
    EXPECT_EQ(Findings(), 0u);
}

// The model words are not tied to their key; only "None" (capitalised) is
// the no-control member; unknown words are invalid without a message.
TEST_F(PtzTest, EveryKeyAndItsWords) {
    Load(R"({"PTZ": {"BallMaxAngle": 90, "AlarmBoardType": "AlarmNT",
        "DriverBoardType": "AlarmGD", "WiperBoardType": "WiperGD", "DriverBoardReset": 11,
        "AlarmBoardReset": 12, "WiperBoardReset": 13, "FanCtlType": "none", "HeatCtlType": "Mcu",
        "GlassHeatCtlType": "Gpio", "GlassHeatGpio": 14, "GlassHeatTempThreshold": [-10, 5],
        "FanGpioCtl": [12, 13], "HeatGpioCtl": [20, 21, 22, 23], "DriverBoardNode": "ttyS1",
        "AlarmBoardNode": "ttyS2", "WiperBoardNode": "ttyAMA3"}})");
    ExpectAnswers({
        WANT(CAP_GetMaxElevationAngle(), 90), WANT(CAP_GetAlarmBoardType(), CAP_MCU_ALARM_NT),
        WANT(CAP_GetDriverBoardType(), CAP_MCU_ALARM_GD), WANT(CAP_GetWiperBoardType(), CAP_MCU_INVALID),
        WANT(CAP_GetDriverBoardReset(), 11), WANT(CAP_GetAlarmBoardReset(), 12),
        WANT(CAP_GetWiperBoardReset(), 13), WANT(CAP_GetFanCtlType(), CAP_FANHEAT_INVALID),
        WANT(CAP_GetHeatCtlType(), CAP_FANHEAT_MCU), WANT(CAP_GetGlassHeatCtlType(), CAP_FANHEAT_GPIO),
        WANT(CAP_GetGlassHeatGpioCtl(), 14), WANT(CAP_GetTempLowerThreshold(), -10),
        WANT(CAP_GetTempUpperThreshold(), 5), WANT(CAP_GetFanGpioCtlNum(), 2),
        WANT(CAP_GetFanGpioCtl(1), 13), WANT(CAP_GetFanGpioCtl(2), -1),
        WANT(CAP_GetHeatGpioCtlNum(), 4), WANT(CAP_GetHeatGpioCtl(3), 23),
    });
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "ttyS1");
    EXPECT_EQ(Read(CAP_GetAlarmBoardNode), "ttyS2");
    EXPECT_EQ(Read(CAP_GetWiperBoardNode), "ttyAMA3");
    EXPECT_EQ(Findings(), 0u);
}

// A known key of another of the three parsed types is reported under the
// type it has (an array key once per element); booleans, doubles, objects
// and nulls are skipped silently.
TEST_F(PtzTest, KeysOfAnotherType) {
    Load(R"({"PTZ": {"FanGpioCtl": 5, "BallMaxAngle": "90", "DriverBoardNode": [1, 2],
        "Unknown": "x", "Other": 3, "List": [1, 2, 3], "Empty": [], "GlassHeatGpio": 7.5,
        "WiperBoardReset": true, "AlarmBoardType": null, "HeatGpioCtl": {"a": 1}}})");
    const std::pair<const char *, int> aMessages[] = {
        {"cap_ParsePtz para is not int type:key=FanGpioCtl!\n", 1},
        {"cap_ParsePtz para is not string type:key=BallMaxAngle!\n", 1},
        {"cap_ParsePtz para is not arry type:key=DriverBoardNode!\n", 2},
        {"cap_ParsePtz para is not string type:key=Unknown!\n", 1},
        {"cap_ParsePtz para is not int type:key=Other!\n", 1},
        {"cap_ParsePtz para is not arry type:key=List!\n", 3},
    };
    for (const auto &[pcText, iCount] : aMessages) EXPECT_EQ(log.Count(kInfo, pcText), iCount) << pcText;
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kInfo, "cap_ParsePtz para is not int type:key=Other!\n"));
    EXPECT_EQ(Findings(), 9u);
    ExpectAnswers({
        WANT(CAP_GetFanGpioCtlNum(), 0), WANT(CAP_GetMaxElevationAngle(), 0),
        WANT(CAP_GetGlassHeatGpioCtl(), -1), WANT(CAP_GetWiperBoardReset(), -1),
        WANT(CAP_GetAlarmBoardType(), CAP_MCU_INVALID), WANT(CAP_GetHeatGpioCtlNum(), 0),
    });
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "");
}

// Elements beyond a field are dropped with the warning; the fields after it
// keep their values; node texts are cut to nine characters.
TEST_F(PtzTest, ArraysAndTextsBeyondCapacity) {
    Load(R"({"PTZ": {"GlassHeatTempThreshold": [1, 2, 3, 4, 5],
        "FanGpioCtl": [1, 2, 3, 4, 5, 6], "HeatGpioCtl": [7, 8, 9, 10, 11],
        "DriverBoardNode": "/dev/ttyS10", "AlarmBoardNode": "abc"}})");
    ExpectAnswers({
        WANT(CAP_GetTempLowerThreshold(), 1), WANT(CAP_GetTempUpperThreshold(), 2),
        WANT(CAP_GetFanGpioCtlNum(), 4), WANT(CAP_GetFanGpioCtl(3), 4),
        WANT(CAP_GetHeatGpioCtlNum(), 4), WANT(CAP_GetHeatGpioCtl(0), 7),
    });
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "/dev/ttyS");
    EXPECT_EQ(Read(CAP_GetAlarmBoardNode), "abc");
    for (const char *pcText : {"key=GlassHeatTempThreshold has 5 elements, only 2 kept.\n",
                               "key=FanGpioCtl has 6 elements, only 4 kept.\n",
                               "key=HeatGpioCtl has 5 elements, only 4 kept.\n"})
        EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kWarn, pcText)) << pcText;
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "/dev/ttyS10 size = 11 is overflow of 10\n"));
    EXPECT_EQ(Findings(), 4u);
}

TEST_F(PtzTest, QueriesCheckTheBufferThenTheSize) {
    Load(R"({"PTZ": {"DriverBoardNode": "ttyS123456", "AlarmBoardNode": "ttyS123456",
        "WiperBoardNode": "ttyS123456"}})");
    static char acBuf[16];
    memset(acBuf, 'x', sizeof(acBuf));
    ExpectRefusals(log, {
        REFUSE("CAP_GetFanGpioCtl", CAP_GetFanGpioCtl(4), -4, "para out of range."),
        REFUSE("CAP_GetFanGpioCtl", CAP_GetFanGpioCtl(-1), -4, "para out of range."),
        REFUSE("CAP_GetHeatGpioCtl", CAP_GetHeatGpioCtl(4), -4, "para out of range."),
        REFUSE("CAP_GetHeatGpioCtl", CAP_GetHeatGpioCtl(-1), -4, "para out of range."),
        // Only the wiper node refuses sizes above 10.
        REFUSE("CAP_GetWiperBoardNode", CAP_GetWiperBoardNode(11, acBuf), -4, "para out of range."),
    });
    for (const Node &n : kNodes) {
        for (int iLen : {0, 5, -1, 11}) {
            log.Clear();
            EXPECT_EQ(n.query(iLen, nullptr), -2) << n.fn;
            EXPECT_TRUE(log.HasFrom(n.fn, kError, "Input param error.\n")) << n.fn;
        }
        for (int iLen : {0, -1}) {
            log.Clear();
            EXPECT_EQ(n.query(iLen, acBuf), -4) << n.fn;
            EXPECT_TRUE(log.HasFrom(n.fn, kError, "para out of range.")) << n.fn;
        }
        EXPECT_EQ(acBuf[0], 'x');
        // A 9-character node read into 5 bytes: the warning and four characters.
        log.Clear();
        EXPECT_EQ(n.query(5, acBuf), 0) << n.fn;
        EXPECT_EQ(std::string(acBuf, 6), std::string("ttyS\0x", 6)) << n.fn;
        EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "ttyS12345 size = 9 is overflow of 5\n"));
        memset(acBuf, 'x', sizeof(acBuf));
    }
    EXPECT_EQ(CAP_GetDriverBoardNode(11, acBuf), 0);
    EXPECT_STREQ(acBuf, "ttyS12345");
    EXPECT_EQ(CAP_GetWiperBoardNode(10, acBuf), 0);
    EXPECT_STREQ(acBuf, "ttyS12345");
    EXPECT_EQ(CAP_GetWiperBoardNode(1, acBuf), 0);
    EXPECT_STREQ(acBuf, "");
}

}  // namespace
