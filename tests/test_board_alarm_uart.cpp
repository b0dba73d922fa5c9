// The "Alarm" and "Uart" objects of the board file and their queries.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

using AlarmUartTest = BoardTest;

TEST_F(AlarmUartTest, DefaultsWithoutAlarmOrUart) {
    Load("{}");
    static I2cInfo st = {9, 9, 9};
    ExpectAnswers({
        WANT(CAP_GetAlarmInType(), CAP_ALARM_GPIO), WANT(CAP_GetAlarmOutType(), CAP_ALARM_GPIO),
        WANT(CAP_GetAlarmInNum(), 0), WANT(CAP_GetAlarmOutNum(), 0),
        WANT(CAP_GetAlarmInWithI2cInfo(&st), 0), WANT(st.usVal0 + st.usVal1 + st.usVal2, 0),
        WANT(CAP_GetUart485Num(), 0), WANT(CAP_GetUart232Num(), 0), WANT(CAP_GetUart422Num(), 0),
    });
    for (int i = 0; i < CAP_ALARM_SLOTS; ++i)
        EXPECT_EQ(CAP_GetAlarmInWithGpio(i) + CAP_GetAlarmOutWithGpio(i), -2) << i;
    for (int i = 0; i < CAP_UART_PORTS; ++i)
        EXPECT_EQ(CAP_GetUart485DirectionGpio(i) + CAP_GetUart232DirectionGpio(i) +
                      CAP_GetUart422DirectionGpio(i),
                  -3)
            << i;
    char acBuf[41];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetUart485DeviceNodeAll(acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 41), std::string(40, '\0') + "x");
}

// All eight slots are counted, a gap included, and only on a side wired by
// GPIO; the count of a GPIO array is its length.
TEST_F(AlarmUartTest, GpioLinesCountedOnlyWhenWiredByGpio) {
    Load(R"({"Alarm": {"AlarmInType": "gpio", "AlarmInWithGpio": [5, 6, -1, 8],
        "AlarmOutWithGpio": [-1, 3]}})");
    static unsigned int uiIn = 0, uiOut = 0;
    ExpectAnswers({
        WANT(CAP_GetAlarmInNum(), 4), WANT(CAP_GetAlarmOutNum(), 2),
        WANT(CAP_GetAlarmGpioNum(&uiIn, &uiOut), 0), WANT(uiIn, 3), WANT(uiOut, 1),
        WANT(CAP_GetAlarmInWithGpio(2), -1), WANT(CAP_GetAlarmInWithGpio(3), 8),
        WANT(CAP_GetAlarmOutWithGpio(1), 3),
    });
    Load(R"({"Alarm": {"AlarmInType": "mcu", "AlarmOutType": "i2c",
        "AlarmInWithGpio": [5, 6, -1, 8], "AlarmOutWithGpio": [1]}})");
    ExpectAnswers({
        WANT(CAP_GetAlarmInType(), CAP_ALARM_MCU), WANT(CAP_GetAlarmOutType(), CAP_ALARM_I2C),
        WANT(CAP_GetAlarmGpioNum(&uiIn, &uiOut), 0), WANT(uiIn, 0), WANT(uiOut, 0),
        WANT(CAP_GetAlarmInWithGpio(0), 5),
    });
}

TEST_F(AlarmUartTest, LaterOfCountAndArrayDecidesTheCount) {
    const std::pair<const char *, int> aRows[] = {
        {R"({"Alarm": {"AlarmInWithGpio": [5, 6, 7], "AlarmInNum": 2}})", 2},
        {R"({"Alarm": {"AlarmInNum": 2, "AlarmInWithGpio": [5, 6, 7]}})", 3},
        {R"({"Alarm": {"AlarmInNum": 2, "AlarmInWithGpio": []}})", 2},  // empty: sets nothing
        {R"({"Alarm": {"AlarmInNum": 65537}})", 1},                      // low 16 bits
        // The top level and "Alarm" write the same count, in file order.
        {R"({"Alarm": {"AlarmInNum": 2}, "AlarmInWithGpio": [1, 2, 3]})", 3},
        {R"({"AlarmInWithGpio": [1, 2, 3], "Alarm": {"AlarmInNum": 2}})", 2},
    };
    for (const auto &[pcBoard, iWant] : aRows) {
        Load(pcBoard);
        EXPECT_EQ(CAP_GetAlarmInNum(), iWant) << pcBoard;
    }
}

TEST_F(AlarmUartTest, I2cArraysUseTheI2cInfoMapping) {
    Load(R"({"Alarm": {"AlarmInWithI2c": [1, 2, 3, 4],
        "AlarmOutWitchI2c": [65536, 70000, 5]}, "AlarmOutWithI2c": [7, 8, 9]})");
    static I2cInfo stIn, stOut;
    ExpectAnswers({
        WANT(CAP_GetAlarmInWithI2cInfo(&stIn), 0), WANT(stIn.usVal0, 1), WANT(stIn.usVal1, 3),
        WANT(stIn.usVal2, 2), WANT(CAP_GetAlarmOutWithI2cInfo(&stOut), 0), WANT(stOut.usVal0, 0),
        WANT(stOut.usVal1, 5), WANT(stOut.usVal2, 70000 - 65536),
    });
    // A key spelt like the input key is no output key.
    EXPECT_EQ(log.Count(kInfo, "key=AlarmOutWithI2c is invaild.\n"), 3);
    // Only the elements present are written.
    Load(R"({"AlarmInWithI2c": [7]})");
    ExpectAnswers({WANT(CAP_GetAlarmInWithI2cInfo(&stIn), 0), WANT(stIn.usVal0, 7),
                   WANT(stIn.usVal1, 0), WANT(stIn.usVal2, 0)});
}

TEST_F(AlarmUartTest, UnknownAlarmMembersByType) {
    Load(R"({"Alarm": {"Mode": "x", "AlarmInType": 1, "AlarmInNum": "3",
        "Flag": true, "Ratio": 1.5, "Sub": {}, "Nothing": null, "AlarmOutType": "relay"}})");
    EXPECT_TRUE(log.HasFrom("cap_ParseAlarmVal", kInfo,
                            "cap_ParseAlarmVal para is not string type:key = Mode!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseAlarmVal", kInfo,
                            "cap_ParseAlarmVal para is not int type:key = AlarmInType!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_ParseAlarmVal para is not string type:key = AlarmInNum!\n"));
    for (const char *pcKey : {"Flag", "Ratio", "Sub", "Nothing"}) EXPECT_FALSE(log.Contains(pcKey));
    ExpectAnswers({WANT(CAP_GetAlarmInType(), CAP_ALARM_GPIO), WANT(CAP_GetAlarmInNum(), 0),
                   WANT(CAP_GetAlarmOutType(), CAP_ALARM_INVALID)});
}

// The inputs' ninth element would land in the outputs' first slot, the
// outputs' ninth in the input count: dropped with the warning.
TEST_F(AlarmUartTest, AlarmArraysBeyondEightSlotsKeepTheirNeighbours) {
    Load(R"({"Alarm": {"AlarmInWithGpio": [0, 1, 2, 3, 4, 5, 6, 7, 99],
        "AlarmOutWithGpio": [10, 11, 12, 13, 14, 15, 16, 17, 99, 98]}})");
    static I2cInfo st = {9, 9, 9};
    ExpectAnswers({
        WANT(CAP_GetAlarmInNum(), 9), WANT(CAP_GetAlarmOutNum(), 10),
        WANT(CAP_GetAlarmInWithGpio(7), 7), WANT(CAP_GetAlarmOutWithGpio(0), 10),
        WANT(CAP_GetAlarmOutWithGpio(7), 17), WANT(CAP_GetAlarmInWithI2cInfo(&st), 0),
        WANT(st.usVal0 + st.usVal1 + st.usVal2, 0),
    });
    EXPECT_TRUE(log.HasFrom("cap_BoardArrayInit", kWarn, "key=AlarmInWithGpio has 9 elements, only 8 kept.\n"));
    EXPECT_TRUE(log.Has(kWarn, "key=AlarmOutWithGpio has 10 elements, only 8 kept.\n"));
}

TEST_F(AlarmUartTest, AlarmGettersCheckTheirArguments) {
    Load(R"({"Alarm": {"AlarmInWithGpio": [5, 6], "AlarmOutWithGpio": [7]}})");
    static int aiGpio[9];
    static unsigned int uiNum = 7;
    ExpectRefusals(log, {
        REFUSE("CAP_GetAlarmInWithGpio", CAP_GetAlarmInWithGpio(8), -4,
               "CAP_GetAlarmInWithGpio para iGpioNum= 8 out of range 8."),
        REFUSE("CAP_GetAlarmInWithGpio", CAP_GetAlarmInWithGpio(-1), -4,
               "CAP_GetAlarmInWithGpio para iGpioNum= -1 out of range 8."),
        REFUSE("CAP_GetAlarmOutWithGpio", CAP_GetAlarmOutWithGpio(8), -4,
               "CAP_GetAlarmOutWitcGpio para iGpioNum = 8 out of range 8."),
        // The count is tested before the buffer.
        REFUSE("CAP_GetAlarmInWithGpioMul", CAP_GetAlarmInWithGpioMul(0, nullptr), -4,
               "CAP_GetAlarmInWithGpioAll para out of range."),
        REFUSE("CAP_GetAlarmInWithGpioMul", CAP_GetAlarmInWithGpioMul(9, aiGpio), -4,
               "CAP_GetAlarmInWithGpioAll para out of range."),
        REFUSE("CAP_GetAlarmInWithGpioMul", CAP_GetAlarmInWithGpioMul(8, nullptr), -2,
               "CAP_GetAlarmInWithGpioAll null ptr."),
        REFUSE("CAP_GetAlarmOutWithGpioMul", CAP_GetAlarmOutWithGpioMul(9, nullptr), -4,
               "CAP_GetAlarmOutWithGpioAll para out of range."),
        REFUSE("CAP_GetAlarmOutWithGpioMul", CAP_GetAlarmOutWithGpioMul(1, nullptr), -2,
               "CAP_GetAlarmOutWithGpioAll para null ptr."),
        REFUSE("CAP_GetAlarmGpioNum", CAP_GetAlarmGpioNum(&uiNum, nullptr), -2,
               "CAP_GetAlarmGpioNum para null ptr."),
        REFUSE("CAP_GetAlarmInWithI2cInfo", CAP_GetAlarmInWithI2cInfo(nullptr), -2,
               "CAP_GetAlarmInWithI2cInfo para is null!\n"),
        REFUSE("CAP_GetAlarmOutWithI2cInfo", CAP_GetAlarmOutWithI2cInfo(nullptr), -2,
               "CAP_GetAlarmOutWithI2cInfo para is null!\n"),
    });
    EXPECT_EQ(uiNum, 7u);

    for (int &i : aiGpio) i = 55;
    EXPECT_EQ(CAP_GetAlarmInWithGpioMul(8, aiGpio), 0);
    ExpectAnswers({WANT(aiGpio[0], 5), WANT(aiGpio[1], 6), WANT(aiGpio[7], -1), WANT(aiGpio[8], 55),
                   WANT(CAP_GetAlarmOutWithGpioMul(1, aiGpio), 0), WANT(aiGpio[0], 7),
                   WANT(aiGpio[1], 6)});
}

// A present port replaces its record wholly (what it leaves out is zero, not
// the default); a missing port keeps its defaults, with the null error.
TEST_F(AlarmUartTest, PresentPortReplacesItsRecordMissingPortsKeepDefaults) {
    Load(R"({"Uart": {"Uart232": {"DirectionGpio": [12, 13], "DeviceNode": ["ttyS1"]},
        "Uart422": {"DeviceNode": ["ttyS2", "ttyS3", "ttyS4"], "Baud": [9600, 19200]},
        "Uart999": {"DeviceNode": ["x"]}}})");
    ExpectAnswers({
        WANT(CAP_GetUart232Num(), 1), WANT(CAP_GetUart232DirectionGpio(1), 13),
        WANT(CAP_GetUart232DirectionGpio(2), 0), WANT(CAP_GetUart422Num(), 3),
        WANT(CAP_GetUart422DirectionGpio(0), 0), WANT(CAP_GetUart485Num(), 0),
        WANT(CAP_GetUart485DirectionGpio(0), -1),
    });
    EXPECT_EQ(log.Count(kError, "cap_ParseUartIndividual para is null ptr!\n"), 1);
    EXPECT_EQ(log.Count(kInfo, "key Baud is not invalid in UART!\n"), 2);
    EXPECT_FALSE(log.Contains("Uart999"));
    char acNode[10] = {};
    EXPECT_EQ(CAP_GetUart422DeviceNode(2, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "ttyS4");
    EXPECT_EQ(CAP_GetUart422DeviceNode(3, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "");
}

// The count is the length of "DeviceNode" (low 8 bits), also beyond the four
// names kept; the fifth name would land in the direction GPIOs, the fifth
// GPIO in the count. Elements are read with the text and integer accessors;
// a port that is no object and a member that is no array are refused.
TEST_F(AlarmUartTest, PortArraysBeyondFourAndMalformedPortsDoNoHarm) {
    Load(R"({"Uart": {
        "Uart485": {"DirectionGpio": [1, 2, 3, 4, 77], "DeviceNode": ["a", "b", "c", "d", "eeeeeeeee"]},
        "Uart232": "ttyS0",
        "Uart422": {"DeviceNode": [null, "ttyS9", 5, "ttyAMA12345"], "DirectionGpio": "7"}}})");
    ExpectAnswers({
        WANT(CAP_GetUart485Num(), 5), WANT(CAP_GetUart485DirectionGpio(3), 4),
        WANT(CAP_GetUart232Num(), 0), WANT(CAP_GetUart232DirectionGpio(0), -1),
        WANT(CAP_GetUart422Num(), 4), WANT(CAP_GetUart422DirectionGpio(0), 0),
    });
    char acAll[40];
    EXPECT_EQ(CAP_GetUart485DeviceNodeAll(acAll), 0);
    EXPECT_STREQ(acAll + 30, "d");
    EXPECT_EQ(CAP_GetUart422DeviceNodeAll(acAll), 0);
    EXPECT_EQ(std::string(acAll, 40), std::string(10, '\0') + "ttyS9" + std::string(5, '\0') + "5" +
                                          std::string(9, '\0') + "ttyAMA123" + '\0');
    EXPECT_TRUE(log.Has(kWarn, "key=DeviceNode has 5 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.Has(kWarn, "key=DirectionGpio has 5 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.Has(kError, "cap_ParseUartIndividual para is not an object!\n"));
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n"));  // the null name
    EXPECT_EQ(log.Count(kWarn, "ttyAMA12345 size = 11 is overflow of 10\n"), 1);
    EXPECT_TRUE(log.HasFrom("cap_ParseUartIndividual", kInfo, "key DirectionGpio of UART is not an array!\n"));
    // 257 names: the count keeps its low 8 bits.
    std::string strNodes = R"("s")";
    for (int i = 1; i < 257; ++i) strNodes += R"(, "s")";
    Load(R"({"Uart": {"Uart485": {"DeviceNode": [)" + strNodes + "]}}}");
    EXPECT_EQ(CAP_GetUart485Num(), 1);
}

TEST_F(AlarmUartTest, UartGettersCheckTheirArguments) {
    Load(R"({"Uart": {"Uart232": {"DeviceNode": ["ttyS0", "ttyAMA3"]},
        "Uart422": {"DeviceNode": ["a"], "DirectionGpio": [3, 4, 5, 6]}}})");
    static char acBuf[8];
    static int aiGpio[5];
    ExpectRefusals(log, {
        // Buffer, then index, then size.
        REFUSE("CAP_GetUart232DeviceNode", CAP_GetUart232DeviceNode(4, 0, nullptr), -2,
               "CAP_GetUart232DeviceNode para is null!\n"),
        REFUSE("CAP_GetUart232DeviceNode", CAP_GetUart232DeviceNode(4, 8, acBuf), -4, "para out of range."),
        REFUSE("CAP_GetUart232DeviceNode", CAP_GetUart232DeviceNode(0, 0, acBuf), -4, "para out of range."),
        REFUSE("CAP_GetUart485DeviceNode", CAP_GetUart485DeviceNode(0, 1, nullptr), -2,
               "CAP_Get485DeviceNode para is null!\n"),
        REFUSE("CAP_GetUart422DeviceNode", CAP_GetUart422DeviceNode(0, 1, nullptr), -2,
               "CAP_GetUart422DeviceNode para is null!\n"),
        REFUSE("CAP_GetUart485DeviceNodeAll", CAP_GetUart485DeviceNodeAll(nullptr), -2,
               "CAP_GetUart485DeviceNodeAll para is null!\n"),
        REFUSE("CAP_GetUart232DeviceNodeAll", CAP_GetUart232DeviceNodeAll(nullptr), -2,
               "CAP_GetUart232DeviceNodeAll para is null!\n"),
        REFUSE("CAP_GetUart422DeviceNodeAll", CAP_GetUart422DeviceNodeAll(nullptr), -2,
               "CAP_GetUart422DeviceNodeAll para is null!\n"),
        REFUSE("CAP_GetUart485DirectionGpio", CAP_GetUart485DirectionGpio(4), -4,
               "CAP_GetUart485DirectionGpio para iGpioNum = 4 out of range 4."),
        REFUSE("CAP_GetUart232DirectionGpio", CAP_GetUart232DirectionGpio(-1), -4,
               "CAP_GetUart232DirectionGpio para iGpioNum = -1 out of range."),
        REFUSE("CAP_GetUart422DirectionGpio", CAP_GetUart422DirectionGpio(4), -4,
               "CAP_GetUart422DirectionGpio para iGpioNum = 4 out of range."),
        REFUSE("CAP_GetUart422DirectionGpioMul", CAP_GetUart422DirectionGpioMul(5, aiGpio), -4,
               "CAP_GetUart422DirectionGpioAll para out of range."),
        REFUSE("CAP_GetUart485DirectionGpioMul", CAP_GetUart485DirectionGpioMul(0, nullptr), -4,
               "CAP_GetUart485DirectionGpioAll para out of range."),
        REFUSE("CAP_GetUart485DirectionGpioMul", CAP_GetUart485DirectionGpioMul(2, nullptr), -2,
               "CAP_GetUart485DirectionGpioAll para null ptr."),
        REFUSE("CAP_GetUart232DirectionGpioMul", CAP_GetUart232DirectionGpioMul(2, nullptr), -2,
               "CAP_GetUart232DirectionGpioAll para null ptr."),
    });
    // A 7-character name into 4 bytes: cut, terminated, nothing past the size.
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetUart232DeviceNode(1, 4, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 5), std::string("tty\0x", 5));
    for (int &i : aiGpio) i = 55;
    EXPECT_EQ(CAP_GetUart422DirectionGpioMul(4, aiGpio), 0);
    ExpectAnswers({WANT(aiGpio[0], 3), WANT(aiGpio[3], 6), WANT(aiGpio[4], 55),
                   WANT(CAP_GetUart232DirectionGpioMul(2, aiGpio), 0), WANT(aiGpio[0], 0)});
}

}  // namespace
