// The pan-tilt object of the board file: defaults, parsing, capacities, and
// the queries' results, messages and check order.
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

using NodeQuery = int (*)(int, char *);

struct Node {
    const char *fn;
    NodeQuery query;
};

constexpr Node kNodes[] = {{"CAP_GetDriverBoardNode", CAP_GetDriverBoardNode},
                           {"CAP_GetAlarmBoardNode", CAP_GetAlarmBoardNode},
                           {"CAP_GetWiperBoardNode", CAP_GetWiperBoardNode}};

class PtzTest : public CapTest {
protected:
    void LoadBoard(const std::string &json) {
        product.board = json;
        ASSERT_EQ(Init(), 0) << log.Dump();
    }
    size_t Findings() const { return BoardFindings(log); }
    static std::string Read(NodeQuery query, int iLen = 10) {
        char acBuf[32];
        memset(acBuf, 'x', sizeof(acBuf));
        EXPECT_EQ(query(iLen, acBuf), 0);
        return acBuf;
    }
};

TEST_F(PtzTest, BoardWithoutPtzAnswersTheDefaults) {
    LoadBoard("{}");
    EXPECT_EQ(CAP_GetAlarmBoardType(), CAP_MCU_INVALID);
    EXPECT_EQ(CAP_GetDriverBoardType(), CAP_MCU_INVALID);
    EXPECT_EQ(CAP_GetWiperBoardType(), CAP_MCU_INVALID);
    EXPECT_EQ(CAP_GetDriverBoardReset(), -1);
    EXPECT_EQ(CAP_GetAlarmBoardReset(), -1);
    EXPECT_EQ(CAP_GetWiperBoardReset(), -1);
    EXPECT_EQ(CAP_GetFanCtlType(), CAP_FANHEAT_NONE);
    EXPECT_EQ(CAP_GetHeatCtlType(), CAP_FANHEAT_NONE);
    EXPECT_EQ(CAP_GetGlassHeatCtlType(), CAP_FANHEAT_NONE);
    EXPECT_EQ(CAP_GetGlassHeatGpioCtl(), -1);
    EXPECT_EQ(CAP_GetTempLowerThreshold(), 0);
    EXPECT_EQ(CAP_GetTempUpperThreshold(), 0);
    EXPECT_EQ(CAP_GetFanGpioCtlNum(), 0);
    EXPECT_EQ(CAP_GetHeatGpioCtlNum(), 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CAP_GetFanGpioCtl(i), -1) << i;
        EXPECT_EQ(CAP_GetHeatGpioCtl(i), -1) << i;
    }
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 0);
    for (const Node &n : kNodes) EXPECT_EQ(Read(n.query), "") << n.fn;
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(PtzTest, EveryKey) {
    LoadBoard(R"({"PTZ": {"BallMaxAngle": 90, "AlarmBoardType": "AlarmNT",
        "DriverBoardType": "DriverST", "WiperBoardType": "WiperST", "DriverBoardReset": 11,
        "AlarmBoardReset": 12, "WiperBoardReset": 13, "FanCtlType": "Gpio", "HeatCtlType": "Mcu",
        "GlassHeatCtlType": "Gpio", "GlassHeatGpio": 14, "GlassHeatTempThreshold": [-10, 5],
        "FanGpioCtl": [12, 13], "HeatGpioCtl": [20, 21, 22, 23], "DriverBoardNode": "ttyS1",
        "AlarmBoardNode": "ttyS2", "WiperBoardNode": "ttyAMA3"}})");
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 90);
    EXPECT_EQ(CAP_GetAlarmBoardType(), CAP_MCU_ALARM_NT);
    EXPECT_EQ(CAP_GetDriverBoardType(), CAP_MCU_DRIVER_ST);
    EXPECT_EQ(CAP_GetWiperBoardType(), CAP_MCU_WIPER_ST);
    EXPECT_EQ(CAP_GetDriverBoardReset(), 11);
    EXPECT_EQ(CAP_GetAlarmBoardReset(), 12);
    EXPECT_EQ(CAP_GetWiperBoardReset(), 13);
    EXPECT_EQ(CAP_GetFanCtlType(), CAP_FANHEAT_GPIO);
    EXPECT_EQ(CAP_GetHeatCtlType(), CAP_FANHEAT_MCU);
    EXPECT_EQ(CAP_GetGlassHeatCtlType(), CAP_FANHEAT_GPIO);
    EXPECT_EQ(CAP_GetGlassHeatGpioCtl(), 14);
    EXPECT_EQ(CAP_GetTempLowerThreshold(), -10);
    EXPECT_EQ(CAP_GetTempUpperThreshold(), 5);
    EXPECT_EQ(CAP_GetFanGpioCtlNum(), 2);
    EXPECT_EQ(CAP_GetFanGpioCtl(1), 13);
    EXPECT_EQ(CAP_GetFanGpioCtl(2), -1);
    EXPECT_EQ(CAP_GetHeatGpioCtlNum(), 4);
    EXPECT_EQ(CAP_GetHeatGpioCtl(3), 23);
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "ttyS1");
    EXPECT_EQ(Read(CAP_GetAlarmBoardNode), "ttyS2");
    EXPECT_EQ(Read(CAP_GetWiperBoardNode), "ttyAMA3");
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

// The model words are not tied to their key; unknown words are invalid
// without a message, and only "None" (capitalised) is the no-control member.
TEST_F(PtzTest, ModelAndControlWords) {
    LoadBoard(R"({"PTZ": {"DriverBoardType": "AlarmGD", "WiperBoardType": "WiperGD",
        "FanCtlType": "none", "HeatCtlType": "None", "GlassHeatCtlType": "Mcu"}})");
    EXPECT_EQ(CAP_GetDriverBoardType(), CAP_MCU_ALARM_GD);
    EXPECT_EQ(CAP_GetWiperBoardType(), CAP_MCU_INVALID);
    EXPECT_EQ(CAP_GetFanCtlType(), CAP_FANHEAT_INVALID);
    EXPECT_EQ(CAP_GetHeatCtlType(), CAP_FANHEAT_NONE);
    EXPECT_EQ(CAP_GetGlassHeatCtlType(), CAP_FANHEAT_MCU);
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

// A known key of another of the three parsed types is reported under the
// type it has; booleans, doubles, objects and nulls are skipped silently.
TEST_F(PtzTest, KeysOfAnotherType) {
    LoadBoard(R"({"PTZ": {"FanGpioCtl": 5, "BallMaxAngle": "90", "DriverBoardNode": [1, 2],
        "Unknown": "x", "Other": 3, "List": [1, 2, 3], "Empty": [], "GlassHeatGpio": 7.5,
        "WiperBoardReset": true, "AlarmBoardType": null, "HeatGpioCtl": {"a": 1}}})");
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kInfo, "cap_ParsePtz para is not int type:key=FanGpioCtl!\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kInfo,
                            "cap_ParsePtz para is not string type:key=BallMaxAngle!\n"));
    EXPECT_EQ(log.Count(kInfo, "cap_ParsePtz para is not arry type:key=DriverBoardNode!\n"), 2);
    EXPECT_TRUE(log.Has(kInfo, "cap_ParsePtz para is not string type:key=Unknown!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_ParsePtz para is not int type:key=Other!\n"));
    EXPECT_EQ(log.Count(kInfo, "cap_ParsePtz para is not arry type:key=List!\n"), 3);
    EXPECT_EQ(Findings(), 9u) << log.Dump();
    EXPECT_EQ(CAP_GetFanGpioCtlNum(), 0);
    EXPECT_EQ(CAP_GetMaxElevationAngle(), 0);
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "");
    EXPECT_EQ(CAP_GetGlassHeatGpioCtl(), -1);
    EXPECT_EQ(CAP_GetWiperBoardReset(), -1);
    EXPECT_EQ(CAP_GetAlarmBoardType(), CAP_MCU_INVALID);
    EXPECT_EQ(CAP_GetHeatGpioCtlNum(), 0);
}

// Elements beyond a field are dropped; the fields after it keep their values.
TEST_F(PtzTest, ArraysBeyondCapacity) {
    LoadBoard(R"({"PTZ": {"GlassHeatTempThreshold": [1, 2, 3, 4, 5],
        "FanGpioCtl": [1, 2, 3, 4, 5, 6], "HeatGpioCtl": [7, 8, 9, 10, 11],
        "DriverBoardNode": "abc"}})");
    EXPECT_EQ(CAP_GetTempLowerThreshold(), 1);
    EXPECT_EQ(CAP_GetTempUpperThreshold(), 2);
    EXPECT_EQ(CAP_GetFanGpioCtlNum(), 4);
    EXPECT_EQ(CAP_GetFanGpioCtl(0), 1);
    EXPECT_EQ(CAP_GetFanGpioCtl(3), 4);
    EXPECT_EQ(CAP_GetHeatGpioCtlNum(), 4);
    EXPECT_EQ(CAP_GetHeatGpioCtl(0), 7);
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "abc");
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kWarn,
                            "key=GlassHeatTempThreshold has 5 elements, only 2 kept.\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kWarn, "key=FanGpioCtl has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParsePtz", kWarn, "key=HeatGpioCtl has 5 elements, only 4 kept.\n"));
    EXPECT_EQ(Findings(), 3u) << log.Dump();
}

TEST_F(PtzTest, NodeTextsAreCutToNineCharacters) {
    LoadBoard(R"({"PTZ": {"DriverBoardNode": "/dev/ttyS10", "AlarmBoardNode": "ttyS2"}})");
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "/dev/ttyS10 size = 11 is overflow of 10\n"))
        << log.Dump();
    EXPECT_EQ(Read(CAP_GetDriverBoardNode), "/dev/ttyS");
    EXPECT_EQ(Read(CAP_GetAlarmBoardNode), "ttyS2");
}

TEST_F(PtzTest, GpioQueriesRefuseBadIndices) {
    LoadBoard(R"({"PTZ": {"FanGpioCtl": [12, 13]}})");
    for (int i : {4, -1}) {
        log.Clear();
        EXPECT_EQ(CAP_GetFanGpioCtl(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetFanGpioCtl", kError, "para out of range.")) << log.Dump();
        EXPECT_EQ(CAP_GetHeatGpioCtl(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetHeatGpioCtl", kError, "para out of range.")) << log.Dump();
    }
}

TEST_F(PtzTest, NodeQueriesCheckTheBufferThenTheSize) {
    LoadBoard(R"({"PTZ": {"DriverBoardNode": "ttyS123456", "AlarmBoardNode": "ttyS123456",
        "WiperBoardNode": "ttyS123456"}})");
    for (const Node &n : kNodes) {
        for (int iLen : {0, 5, -1, 11}) {
            log.Clear();
            EXPECT_EQ(n.query(iLen, nullptr), -2) << n.fn;
            EXPECT_TRUE(log.HasFrom(n.fn, kError, "Input param error.\n")) << n.fn << log.Dump();
        }
        char acBuf[16];
        memset(acBuf, 'x', sizeof(acBuf));
        for (int iLen : {0, -1}) {
            log.Clear();
            EXPECT_EQ(n.query(iLen, acBuf), -4) << n.fn;
            EXPECT_TRUE(log.HasFrom(n.fn, kError, "para out of range.")) << n.fn << log.Dump();
        }
        EXPECT_EQ(acBuf[0], 'x');
        // A 9-character node read into 5 bytes: the warning and four characters.
        log.Clear();
        EXPECT_EQ(n.query(5, acBuf), 0) << n.fn;
        EXPECT_STREQ(acBuf, "ttyS");
        EXPECT_EQ(acBuf[5], 'x');
        EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "ttyS12345 size = 9 is overflow of 5\n"))
            << log.Dump();
    }
    // Only the wiper node refuses sizes above 10.
    char acBuf[16];
    EXPECT_EQ(CAP_GetDriverBoardNode(11, acBuf), 0);
    EXPECT_STREQ(acBuf, "ttyS12345");
    EXPECT_EQ(CAP_GetAlarmBoardNode(11, acBuf), 0);
    log.Clear();
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetWiperBoardNode(11, acBuf), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetWiperBoardNode", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(acBuf[0], 'x');
    EXPECT_EQ(CAP_GetWiperBoardNode(10, acBuf), 0);
    EXPECT_STREQ(acBuf, "ttyS12345");
    EXPECT_EQ(CAP_GetWiperBoardNode(1, acBuf), 0);
    EXPECT_STREQ(acBuf, "");
}

}  // namespace
