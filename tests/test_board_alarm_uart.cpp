// The "Alarm" and "Uart" objects of the board file and their queries.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;

namespace {

class AlarmUartTest : public CapTest {
protected:
    int LoadBoard(const std::string &json) {
        product.board = json;
        return Init();
    }
};

TEST_F(AlarmUartTest, DefaultsWithoutAlarmOrUart) {
    ASSERT_EQ(LoadBoard("{}"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetAlarmInType(), CAP_ALARM_GPIO);
    EXPECT_EQ(CAP_GetAlarmOutType(), CAP_ALARM_GPIO);
    EXPECT_EQ(CAP_GetAlarmInNum(), 0);
    EXPECT_EQ(CAP_GetAlarmOutNum(), 0);
    for (int i = 0; i < CAP_ALARM_SLOTS; ++i) {
        EXPECT_EQ(CAP_GetAlarmInWithGpio(i), -1);
        EXPECT_EQ(CAP_GetAlarmOutWithGpio(i), -1);
    }
    I2cInfo st = {9, 9, 9};
    EXPECT_EQ(CAP_GetAlarmInWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0 + st.usVal1 + st.usVal2, 0);
    EXPECT_EQ(CAP_GetUart485Num(), 0);
    EXPECT_EQ(CAP_GetUart232Num(), 0);
    EXPECT_EQ(CAP_GetUart422Num(), 0);
    for (int i = 0; i < CAP_UART_PORTS; ++i) {
        EXPECT_EQ(CAP_GetUart485DirectionGpio(i), -1);
        EXPECT_EQ(CAP_GetUart232DirectionGpio(i), -1);
        EXPECT_EQ(CAP_GetUart422DirectionGpio(i), -1);
    }
    char acBuf[41];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetUart485DeviceNodeAll(acBuf), 0);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(acBuf[i], '\0') << i;
    EXPECT_EQ(acBuf[40], 'x');
}

TEST_F(AlarmUartTest, GpioInputsCountedOnlyWhenWiredByGpio) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInType": "gpio", "AlarmInWithGpio": [5, 6, -1, 8],
        "AlarmOutWithGpio": [-1, 3]}})"),
              0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 4);
    EXPECT_EQ(CAP_GetAlarmOutNum(), 2);
    unsigned int uiIn = 0, uiOut = 0;
    EXPECT_EQ(CAP_GetAlarmGpioNum(&uiIn, &uiOut), 0);
    EXPECT_EQ(uiIn, 3u);
    EXPECT_EQ(uiOut, 1u);  // a gap before the line does not end the count
    EXPECT_EQ(CAP_GetAlarmInWithGpio(2), -1);
    EXPECT_EQ(CAP_GetAlarmInWithGpio(3), 8);
    EXPECT_EQ(CAP_GetAlarmOutWithGpio(1), 3);

    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInType": "mcu", "AlarmOutType": "i2c",
        "AlarmInWithGpio": [5, 6, -1, 8], "AlarmOutWithGpio": [1]}})"),
              0);
    EXPECT_EQ(CAP_GetAlarmInType(), CAP_ALARM_MCU);
    EXPECT_EQ(CAP_GetAlarmOutType(), CAP_ALARM_I2C);
    EXPECT_EQ(CAP_GetAlarmGpioNum(&uiIn, &uiOut), 0);
    EXPECT_EQ(uiIn, 0u);
    EXPECT_EQ(uiOut, 0u);
    EXPECT_EQ(CAP_GetAlarmInWithGpio(0), 5);
}

TEST_F(AlarmUartTest, LaterOfCountAndArrayDecidesTheCount) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInWithGpio": [5, 6, 7], "AlarmInNum": 2}})"), 0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 2);
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInNum": 2, "AlarmInWithGpio": [5, 6, 7]}})"), 0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 3);
    // An empty array sets nothing.
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmOutNum": 2, "AlarmOutWithGpio": []}})"), 0);
    EXPECT_EQ(CAP_GetAlarmOutNum(), 2);
    // Counts keep their low 16 bits.
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmOutNum": 65537}})"), 0);
    EXPECT_EQ(CAP_GetAlarmOutNum(), 1);
}

TEST_F(AlarmUartTest, I2cArraysUseTheI2cInfoMapping) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInWithI2c": [1, 2, 3, 4],
        "AlarmOutWitchI2c": [65536, 70000, 5]}})"),
              0);
    I2cInfo st = {};
    EXPECT_EQ(CAP_GetAlarmInWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0, 1);
    EXPECT_EQ(st.usVal1, 3);
    EXPECT_EQ(st.usVal2, 2);
    EXPECT_EQ(CAP_GetAlarmOutWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0, 0);
    EXPECT_EQ(st.usVal1, 5);
    EXPECT_EQ(st.usVal2, 70000 - 65536);

    ASSERT_EQ(LoadBoard(R"({"AlarmInWithI2c": [7]})"), 0);
    EXPECT_EQ(CAP_GetAlarmInWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0, 7);
    EXPECT_EQ(st.usVal1, 0);
    EXPECT_EQ(st.usVal2, 0);
}

TEST_F(AlarmUartTest, OutputI2cKeySpelledLikeTheInputKeyIsNotRecognised) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmOutWithI2c": [1, 2, 3]}})"), 0);
    EXPECT_EQ(log.Count(kInfo, "key=AlarmOutWithI2c is invaild.\n"), 3) << log.Dump();
    I2cInfo st = {9, 9, 9};
    EXPECT_EQ(CAP_GetAlarmOutWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0 + st.usVal1 + st.usVal2, 0);
}

TEST_F(AlarmUartTest, UnknownAlarmMembersByType) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"Mode": "x", "AlarmInType": 1, "AlarmInNum": "3",
        "Flag": true, "Ratio": 1.5, "Sub": {}, "Nothing": null, "AlarmOutType": "relay"}})"),
              0);
    EXPECT_TRUE(log.HasFrom("cap_ParseAlarmVal", kInfo,
                            "cap_ParseAlarmVal para is not string type:key = Mode!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseAlarmVal", kInfo,
                            "cap_ParseAlarmVal para is not int type:key = AlarmInType!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_ParseAlarmVal para is not string type:key = AlarmInNum!\n"));
    EXPECT_FALSE(log.Contains("Flag"));
    EXPECT_FALSE(log.Contains("Ratio"));
    EXPECT_FALSE(log.Contains("Sub"));
    EXPECT_FALSE(log.Contains("Nothing"));
    EXPECT_EQ(CAP_GetAlarmInType(), CAP_ALARM_GPIO);
    EXPECT_EQ(CAP_GetAlarmInNum(), 0);
    EXPECT_EQ(CAP_GetAlarmOutType(), CAP_ALARM_INVALID);
}

TEST_F(AlarmUartTest, AlarmArraysBeyondEightSlotsKeepTheirNeighbours) {
    // Inputs' ninth element would land in the outputs' first slot, the
    // outputs' ninth in the input count.
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInWithGpio": [0, 1, 2, 3, 4, 5, 6, 7, 99],
        "AlarmOutWithGpio": [10, 11, 12, 13, 14, 15, 16, 17, 99, 98]}})"),
              0);
    EXPECT_EQ(CAP_GetAlarmInNum(), 9);
    EXPECT_EQ(CAP_GetAlarmOutNum(), 10);
    EXPECT_EQ(CAP_GetAlarmInWithGpio(7), 7);
    EXPECT_EQ(CAP_GetAlarmOutWithGpio(0), 10);
    EXPECT_EQ(CAP_GetAlarmOutWithGpio(7), 17);
    I2cInfo st = {9, 9, 9};
    EXPECT_EQ(CAP_GetAlarmInWithI2cInfo(&st), 0);
    EXPECT_EQ(st.usVal0 + st.usVal1 + st.usVal2, 0);
    EXPECT_TRUE(log.Has(kWarn, "key=AlarmInWithGpio has 9 elements, only 8 kept.\n")) << log.Dump();
}

TEST_F(AlarmUartTest, AlarmGpioGettersCheckTheirArguments) {
    ASSERT_EQ(LoadBoard(R"({"Alarm": {"AlarmInWithGpio": [5, 6], "AlarmOutWithGpio": [7]}})"), 0);
    log.Clear();
    EXPECT_EQ(CAP_GetAlarmInWithGpio(8), -4);
    EXPECT_EQ(CAP_GetAlarmInWithGpio(-1), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetAlarmInWithGpio", kError,
                            "CAP_GetAlarmInWithGpio para iGpioNum= 8 out of range 8."));
    EXPECT_TRUE(log.Has(kError, "CAP_GetAlarmInWithGpio para iGpioNum= -1 out of range 8."));
    EXPECT_EQ(CAP_GetAlarmOutWithGpio(8), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetAlarmOutWithGpio", kError,
                            "CAP_GetAlarmOutWitcGpio para iGpioNum = 8 out of range 8."));

    // The count is tested before the buffer.
    int aiGpio[9];
    EXPECT_EQ(CAP_GetAlarmInWithGpioMul(0, nullptr), -4);
    EXPECT_EQ(CAP_GetAlarmInWithGpioMul(9, aiGpio), -4);
    EXPECT_EQ(log.Count(kError, "CAP_GetAlarmInWithGpioAll para out of range."), 2);
    EXPECT_EQ(CAP_GetAlarmInWithGpioMul(8, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetAlarmInWithGpioMul", kError, "CAP_GetAlarmInWithGpioAll null ptr."));
    EXPECT_EQ(CAP_GetAlarmOutWithGpioMul(9, nullptr), -4);
    EXPECT_TRUE(log.Has(kError, "CAP_GetAlarmOutWithGpioAll para out of range."));
    EXPECT_EQ(CAP_GetAlarmOutWithGpioMul(1, nullptr), -2);
    EXPECT_TRUE(log.Has(kError, "CAP_GetAlarmOutWithGpioAll para null ptr."));

    for (int &i : aiGpio) i = 55;
    EXPECT_EQ(CAP_GetAlarmInWithGpioMul(8, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], 5);
    EXPECT_EQ(aiGpio[1], 6);
    EXPECT_EQ(aiGpio[7], -1);
    EXPECT_EQ(aiGpio[8], 55);
    EXPECT_EQ(CAP_GetAlarmOutWithGpioMul(1, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], 7);
    EXPECT_EQ(aiGpio[1], 6);

    unsigned int uiNum = 7;
    EXPECT_EQ(CAP_GetAlarmGpioNum(&uiNum, nullptr), -2);
    EXPECT_EQ(uiNum, 7u);
    EXPECT_TRUE(log.HasFrom("CAP_GetAlarmGpioNum", kError, "CAP_GetAlarmGpioNum para null ptr."));
    EXPECT_EQ(CAP_GetAlarmInWithI2cInfo(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetAlarmInWithI2cInfo", kError, "CAP_GetAlarmInWithI2cInfo para is null!\n"));
    EXPECT_EQ(CAP_GetAlarmOutWithI2cInfo(nullptr), -2);
    EXPECT_TRUE(log.Has(kError, "CAP_GetAlarmOutWithI2cInfo para is null!\n"));
}

TEST_F(AlarmUartTest, PresentPortReplacesItsRecordMissingPortsKeepDefaults) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart485": {"DeviceNode": ["ttyAMA1", "ttyAMA2"]}}})"), 0);
    EXPECT_EQ(CAP_GetUart485Num(), 2);
    EXPECT_EQ(CAP_GetUart485DirectionGpio(0), 0);  // zero, not the default -1
    EXPECT_EQ(CAP_GetUart485DirectionGpio(3), 0);
    EXPECT_EQ(CAP_GetUart232Num(), 0);
    EXPECT_EQ(CAP_GetUart422Num(), 0);
    EXPECT_EQ(CAP_GetUart232DirectionGpio(0), -1);
    EXPECT_EQ(CAP_GetUart422DirectionGpio(0), -1);
    EXPECT_EQ(log.Count(kError, "cap_ParseUartIndividual para is null ptr!\n"), 2) << log.Dump();
    char acNode[10] = {};
    EXPECT_EQ(CAP_GetUart485DeviceNode(1, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "ttyAMA2");
    EXPECT_EQ(CAP_GetUart485DeviceNode(2, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "");
}

TEST_F(AlarmUartTest, PortsTakeNodesAndDirectionGpios) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart232": {"DirectionGpio": [12, 13], "DeviceNode": ["ttyS1"]},
        "Uart422": {"DeviceNode": ["ttyS2", "ttyS3", "ttyS4"], "DirectionGpio": [40]},
        "Uart999": {"DeviceNode": ["x"]}}})"),
              0);
    EXPECT_EQ(CAP_GetUart232Num(), 1);
    EXPECT_EQ(CAP_GetUart232DirectionGpio(1), 13);
    EXPECT_EQ(CAP_GetUart232DirectionGpio(2), 0);
    EXPECT_EQ(CAP_GetUart422Num(), 3);  // only the node names count
    EXPECT_EQ(CAP_GetUart422DirectionGpio(0), 40);
    EXPECT_EQ(CAP_GetUart485Num(), 0);
    EXPECT_EQ(log.Count(kError, "cap_ParseUartIndividual para is null ptr!\n"), 1);
    EXPECT_FALSE(log.Contains("Uart999"));
}

TEST_F(AlarmUartTest, UnknownPortKeyLoggedOncePerElement) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart485": {"Baud": [9600, 19200], "DeviceNode": ["a"]}}})"), 0);
    EXPECT_EQ(log.Count(kInfo, "key Baud is not invalid in UART!\n"), 2) << log.Dump();
    EXPECT_EQ(CAP_GetUart485Num(), 1);
}

TEST_F(AlarmUartTest, LongDeviceNodeIsCutWithAWarning) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart485": {"DeviceNode": ["ttyAMA12345"]}}})"), 0);
    char acNode[16];
    EXPECT_EQ(CAP_GetUart485DeviceNode(0, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "ttyAMA123");
    EXPECT_TRUE(log.Contains("ttyAMA12345")) << log.Dump();
    EXPECT_EQ(log.Count(kWarn, "ttyAMA12345 size = 11 is overflow of 10\n"), 1) << log.Dump();
}

TEST_F(AlarmUartTest, PortArraysBeyondFourAndMalformedPortsDoNoHarm) {
    // The fifth node would land in the direction GPIOs, the fifth GPIO in the
    // count.
    ASSERT_EQ(LoadBoard(R"({"Uart": {
        "Uart485": {"DirectionGpio": [1, 2, 3, 4, 77], "DeviceNode": ["a", "b", "c", "d", "eeeeeeeee"]},
        "Uart232": "ttyS0",
        "Uart422": {"DeviceNode": [null, "ttyS9", 5], "DirectionGpio": "7"}}})"),
              0);
    EXPECT_EQ(CAP_GetUart485Num(), 5);  // the array's length; four names kept
    EXPECT_EQ(CAP_GetUart485DirectionGpio(0), 1);
    EXPECT_EQ(CAP_GetUart485DirectionGpio(3), 4);
    char acAll[40];
    EXPECT_EQ(CAP_GetUart485DeviceNodeAll(acAll), 0);
    EXPECT_STREQ(acAll + 30, "d");
    EXPECT_TRUE(log.Has(kWarn, "key=DeviceNode has 5 elements, only 4 kept.\n")) << log.Dump();
    EXPECT_TRUE(log.Has(kWarn, "key=DirectionGpio has 5 elements, only 4 kept.\n"));

    // A port that is not an object keeps its defaults.
    EXPECT_EQ(CAP_GetUart232Num(), 0);
    EXPECT_EQ(CAP_GetUart232DirectionGpio(0), -1);
    EXPECT_TRUE(log.Has(kError, "cap_ParseUartIndividual para is not an object!\n"));

    // Elements are read with the text accessor: a number yields its JSON text,
    // null no text (reported; the slot stays empty).
    EXPECT_EQ(CAP_GetUart422Num(), 3);
    char acNode[10];
    EXPECT_EQ(CAP_GetUart422DeviceNode(0, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "");
    EXPECT_EQ(CAP_GetUart422DeviceNode(1, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "ttyS9");
    EXPECT_EQ(CAP_GetUart422DeviceNode(2, sizeof(acNode), acNode), 0);
    EXPECT_STREQ(acNode, "5");
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n"));
    EXPECT_EQ(CAP_GetUart422DirectionGpio(0), 0);
    EXPECT_TRUE(log.Has(kInfo, "key DirectionGpio of UART is not an array!\n"));
}

TEST_F(AlarmUartTest, DeviceNodeGetterChecksBufferThenIndexThenSize) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart232": {"DeviceNode": ["ttyS0", "ttyAMA3"]}}})"), 0);
    char acBuf[8];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetUart232DeviceNode(1, 4, acBuf), 0);
    EXPECT_STREQ(acBuf, "tty");
    EXPECT_EQ(acBuf[4], 'x');
    log.Clear();
    EXPECT_EQ(CAP_GetUart232DeviceNode(4, sizeof(acBuf), acBuf), -4);
    EXPECT_EQ(CAP_GetUart232DeviceNode(0, 0, acBuf), -4);
    EXPECT_EQ(log.Count(kError, "para out of range."), 2);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart232DeviceNode", kError, "para out of range."));
    EXPECT_EQ(CAP_GetUart232DeviceNode(4, 0, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart232DeviceNode", kError, "CAP_GetUart232DeviceNode para is null!\n"));
    EXPECT_EQ(CAP_GetUart485DeviceNode(0, 1, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart485DeviceNode", kError, "CAP_Get485DeviceNode para is null!\n"));
    EXPECT_EQ(CAP_GetUart422DeviceNode(0, 1, nullptr), -2);
    EXPECT_TRUE(log.Has(kError, "CAP_GetUart422DeviceNode para is null!\n"));
    // An unconfigured port of a valid index is an empty text.
    EXPECT_EQ(CAP_GetUart422DeviceNode(3, sizeof(acBuf), acBuf), 0);
    EXPECT_STREQ(acBuf, "");
}

TEST_F(AlarmUartTest, AllNodesCopiesTheFourSlots) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart422": {"DeviceNode": ["ttyS2", "ttyAMA4"]}}})"), 0);
    char acBuf[41];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetUart422DeviceNodeAll(acBuf), 0);
    EXPECT_STREQ(acBuf, "ttyS2");
    EXPECT_STREQ(acBuf + 10, "ttyAMA4");
    for (int i = 20; i < 40; ++i) EXPECT_EQ(acBuf[i], '\0') << i;
    EXPECT_EQ(acBuf[40], 'x');
    log.Clear();
    EXPECT_EQ(CAP_GetUart485DeviceNodeAll(nullptr), -2);
    EXPECT_EQ(CAP_GetUart232DeviceNodeAll(nullptr), -2);
    EXPECT_EQ(CAP_GetUart422DeviceNodeAll(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart485DeviceNodeAll", kError, "CAP_GetUart485DeviceNodeAll para is null!\n"));
    EXPECT_TRUE(log.HasFrom("CAP_GetUart232DeviceNodeAll", kError, "CAP_GetUart232DeviceNodeAll para is null!\n"));
    EXPECT_TRUE(log.HasFrom("CAP_GetUart422DeviceNodeAll", kError, "CAP_GetUart422DeviceNodeAll para is null!\n"));
}

TEST_F(AlarmUartTest, DirectionGpioGettersCheckTheirArguments) {
    ASSERT_EQ(LoadBoard(R"({"Uart": {"Uart422": {"DeviceNode": ["a"], "DirectionGpio": [3, 4, 5, 6]}}})"), 0);
    log.Clear();
    EXPECT_EQ(CAP_GetUart485DirectionGpio(4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart485DirectionGpio", kError,
                            "CAP_GetUart485DirectionGpio para iGpioNum = 4 out of range 4."));
    EXPECT_EQ(CAP_GetUart232DirectionGpio(-1), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart232DirectionGpio", kError,
                            "CAP_GetUart232DirectionGpio para iGpioNum = -1 out of range."));
    EXPECT_EQ(CAP_GetUart422DirectionGpio(4), -4);
    EXPECT_TRUE(log.Has(kError, "CAP_GetUart422DirectionGpio para iGpioNum = 4 out of range."));

    int aiGpio[5] = {55, 55, 55, 55, 55};
    EXPECT_EQ(CAP_GetUart422DirectionGpioMul(5, aiGpio), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetUart422DirectionGpioMul", kError,
                            "CAP_GetUart422DirectionGpioAll para out of range."));
    EXPECT_EQ(CAP_GetUart422DirectionGpioMul(4, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], 3);
    EXPECT_EQ(aiGpio[3], 6);
    EXPECT_EQ(aiGpio[4], 55);
    EXPECT_EQ(CAP_GetUart485DirectionGpioMul(0, nullptr), -4);
    EXPECT_TRUE(log.Has(kError, "CAP_GetUart485DirectionGpioAll para out of range."));
    EXPECT_EQ(CAP_GetUart485DirectionGpioMul(2, nullptr), -2);
    EXPECT_TRUE(log.Has(kError, "CAP_GetUart485DirectionGpioAll para null ptr."));
    EXPECT_EQ(CAP_GetUart232DirectionGpioMul(2, nullptr), -2);
    EXPECT_TRUE(log.Has(kError, "CAP_GetUart232DirectionGpioAll para null ptr."));
    EXPECT_EQ(CAP_GetUart232DirectionGpioMul(2, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], -1);
}

}  // namespace
