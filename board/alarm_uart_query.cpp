// Queries of the alarm inputs and outputs and of the serial ports.
#include "board/board.h"
#include "platform/query.h"

namespace {
const AlarmCap &Alarm() { return g_pstBoardCap->stAlarm; }
const UartPort &Uart485() { return g_pstBoardCap->stUart.stUart485; }
const UartPort &Uart232() { return g_pstBoardCap->stUart.stUart232; }
const UartPort &Uart422() { return g_pstBoardCap->stUart.stUart422; }
}  // namespace

extern "C" DEVCAP_API int CAP_GetAlarmInType(void) { return static_cast<int>(Alarm().enAlarmInType); }
extern "C" DEVCAP_API int CAP_GetAlarmOutType(void) { return static_cast<int>(Alarm().enAlarmOutType); }
extern "C" DEVCAP_API int CAP_GetAlarmInNum(void) { return Alarm().usAlarmInNum; }
extern "C" DEVCAP_API int CAP_GetAlarmOutNum(void) { return Alarm().usAlarmOutNum; }
extern "C" DEVCAP_API int CAP_GetUart485Num(void) { return Uart485().ucNum; }
extern "C" DEVCAP_API int CAP_GetUart232Num(void) { return Uart232().ucNum; }
extern "C" DEVCAP_API int CAP_GetUart422Num(void) { return Uart422().ucNum; }

// One GPIO by slot index.
extern "C" DEVCAP_API int CAP_GetAlarmInWithGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetAlarmInWithGpio para iGpioNum= %d out of range %d.">(
        CAP_HERE, Alarm().aiAlarmInGpio, iGpioNum, -4, iGpioNum, CAP_ALARM_SLOTS);
}
extern "C" DEVCAP_API int CAP_GetAlarmOutWithGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetAlarmOutWitcGpio para iGpioNum = %d out of range %d.">(
        CAP_HERE, Alarm().aiAlarmOutGpio, iGpioNum, -4, iGpioNum, CAP_ALARM_SLOTS);
}
extern "C" DEVCAP_API int CAP_GetUart485DirectionGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetUart485DirectionGpio para iGpioNum = %d out of range %d.">(
        CAP_HERE, Uart485().aiDirectionGpio, iGpioNum, -4, iGpioNum, CAP_UART_PORTS);
}
extern "C" DEVCAP_API int CAP_GetUart232DirectionGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetUart232DirectionGpio para iGpioNum = %d out of range.">(
        CAP_HERE, Uart232().aiDirectionGpio, iGpioNum, -4, iGpioNum);
}
extern "C" DEVCAP_API int CAP_GetUart422DirectionGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetUart422DirectionGpio para iGpioNum = %d out of range.">(
        CAP_HERE, Uart422().aiDirectionGpio, iGpioNum, -4, iGpioNum);
}

// The first iNum slots; the count is tested before the buffer.
extern "C" DEVCAP_API int CAP_GetAlarmInWithGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetAlarmInWithGpioAll para out of range.",
                          "CAP_GetAlarmInWithGpioAll null ptr.">(
        CAP_HERE, Alarm().aiAlarmInGpio, iNum, piGpio);
}
extern "C" DEVCAP_API int CAP_GetAlarmOutWithGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetAlarmOutWithGpioAll para out of range.",
                          "CAP_GetAlarmOutWithGpioAll para null ptr.">(
        CAP_HERE, Alarm().aiAlarmOutGpio, iNum, piGpio);
}
extern "C" DEVCAP_API int CAP_GetUart485DirectionGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetUart485DirectionGpioAll para out of range.",
                          "CAP_GetUart485DirectionGpioAll para null ptr.">(
        CAP_HERE, Uart485().aiDirectionGpio, iNum, piGpio);
}
extern "C" DEVCAP_API int CAP_GetUart232DirectionGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetUart232DirectionGpioAll para out of range.",
                          "CAP_GetUart232DirectionGpioAll para null ptr.">(
        CAP_HERE, Uart232().aiDirectionGpio, iNum, piGpio);
}
extern "C" DEVCAP_API int CAP_GetUart422DirectionGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetUart422DirectionGpioAll para out of range.",
                          "CAP_GetUart422DirectionGpioAll para null ptr.">(
        CAP_HERE, Uart422().aiDirectionGpio, iNum, piGpio);
}

// Lines are counted only on a side wired by GPIO.
extern "C" DEVCAP_API int CAP_GetAlarmGpioNum(unsigned int *puiInNum, unsigned int *puiOutNum) {
    return cap::CountLinesPair<"CAP_GetAlarmGpioNum para null ptr.">(
        CAP_HERE, Alarm().aiAlarmInGpio, Alarm().enAlarmInType == CAP_ALARM_GPIO, Alarm().aiAlarmOutGpio,
        Alarm().enAlarmOutType == CAP_ALARM_GPIO, puiInNum, puiOutNum);
}

extern "C" DEVCAP_API int CAP_GetAlarmInWithI2cInfo(I2cInfo *pstI2cInfo) {
    return cap::CopyOut<"CAP_GetAlarmInWithI2cInfo para is null!\n">(CAP_HERE, Alarm().stAlarmInI2cInfo, pstI2cInfo);
}
extern "C" DEVCAP_API int CAP_GetAlarmOutWithI2cInfo(I2cInfo *pstI2cInfo) {
    return cap::CopyOut<"CAP_GetAlarmOutWithI2cInfo para is null!\n">(CAP_HERE, Alarm().stAlarmOutI2cInfo, pstI2cInfo);
}

// One port's device node: buffer, then index, then size.
extern "C" DEVCAP_API int CAP_GetUart485DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf) {
    return cap::SlotTextOut<"CAP_Get485DeviceNode para is null!\n">(CAP_HERE, Uart485().aacDevNode, usIndex, usLen, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetUart232DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf) {
    return cap::SlotTextOut<"CAP_GetUart232DeviceNode para is null!\n">(CAP_HERE, Uart232().aacDevNode, usIndex, usLen, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetUart422DeviceNode(unsigned short usIndex, unsigned short usLen, char *pcBuf) {
    return cap::SlotTextOut<"CAP_GetUart422DeviceNode para is null!\n">(CAP_HERE, Uart422().aacDevNode, usIndex, usLen, pcBuf);
}

// All four node slots of a port kind, 40 bytes.
extern "C" DEVCAP_API int CAP_GetUart485DeviceNodeAll(char *pcBuf) {
    return cap::BlockOut<"CAP_GetUart485DeviceNodeAll para is null!\n">(CAP_HERE, Uart485().aacDevNode, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetUart232DeviceNodeAll(char *pcBuf) {
    return cap::BlockOut<"CAP_GetUart232DeviceNodeAll para is null!\n">(CAP_HERE, Uart232().aacDevNode, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetUart422DeviceNodeAll(char *pcBuf) {
    return cap::BlockOut<"CAP_GetUart422DeviceNodeAll para is null!\n">(CAP_HERE, Uart422().aacDevNode, pcBuf);
}
