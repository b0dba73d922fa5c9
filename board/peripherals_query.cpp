// Queries of the temperature sensor, CVBS encoder, Wi-Fi module,
// accelerometer and e-compass.
#include "board/board.h"
#include "platform/query.h"

namespace {

const CvbsCap &Cvbs() { return g_pstBoardCap->stCvbs; }
const SnifferCap &Sniffer() { return g_pstBoardCap->stSniffer; }
const AccelerateCap &Accelerate() { return g_pstBoardCap->stAccelerate; }
const EcompassCap &Ecompass() { return g_pstBoardCap->stEcompass; }

}  // namespace

// Temperature sensor.
extern "C" DEVCAP_API int CAP_IsTempSupport(void) {
    return static_cast<int>(g_pstBoardCap->bTempSupport);
}
extern "C" DEVCAP_API int CAP_GetTemperatureDeviceNoe(unsigned short usLen, char *pcBuf) {
    return cap::TextOut<"CAP_GetTemperatureDeviceNoe para is null!\n">(
        CAP_HERE, g_pstBoardCap->stTemperature.acTempDeviceNode, usLen, pcBuf);
}

// CVBS encoder.
extern "C" DEVCAP_API int CAP_IsCvbsSupport(void) { return static_cast<int>(Cvbs().bCvbsSupport); }
extern "C" DEVCAP_API int CAP_GetCvbsSocType(void) {
    return static_cast<int>(Cvbs().enCvbsSocType);
}
extern "C" DEVCAP_API int CAP_GetCvbsHardCtl(void) {
    return static_cast<int>(Cvbs().enCvbsHardCtl);
}
extern "C" DEVCAP_API int CAP_GetCvbsResetGpio(void) { return Cvbs().iCvbsResetGpio; }
extern "C" DEVCAP_API int CAP_GetCvbsSocCtlWithI2cInfo(I2cInfo *pstI2cInfo) {
    return cap::CopyOut<"CAP_GetCvbsSocCtlWithI2cInfo para is null!\n">(
        CAP_HERE, Cvbs().stCvbsI2cInfo, pstI2cInfo);
}

// Wi-Fi module.
extern "C" DEVCAP_API int CAP_GetWifiType(void) { return static_cast<int>(Sniffer().enWifiType); }
extern "C" DEVCAP_API int CAP_GetWifiModel(void) { return static_cast<int>(Sniffer().enWifiModel); }
extern "C" DEVCAP_API int CAP_GetWifiDeviceNode(unsigned short usLen, char *pcBuf) {
    return cap::TextOut<"CAP_GetWifiDeviceNode para is null!\n">(
        CAP_HERE, Sniffer().acWifiDeviceNode, usLen, pcBuf);
}

// Accelerometer.
extern "C" DEVCAP_API int CAP_GetAcceleratePosition(DevPosition *penPosX, DevPosition *penPosY,
                                                    DevPosition *penPosZ) {
    return cap::SpreadOut<"CAP_GetAcceleratePosition position para empty">(
        CAP_HERE, Accelerate().aenAcceleratePosition, -1, penPosX, penPosY, penPosZ);
}
extern "C" DEVCAP_API int CAP_GetAccelerateI2cInfo(I2cInfo *pstI2cInfo) {
    return cap::CopyOut<"CAP_GetAccelerateI2cInfo para is null!\n">(
        CAP_HERE, Accelerate().stAccelerateI2cInfo, pstI2cInfo);
}

// E-compass. Its support flag here is the board file's; the patch file has
// its own (CAP_IsEcompassSupport).
extern "C" DEVCAP_API int CAP_IsEcompasSupport(void) {
    return static_cast<int>(Ecompass().bEcompassSupport);
}
extern "C" DEVCAP_API int CAP_GetEcompassPosition(DevPosition *penPosX, DevPosition *penPosY,
                                                  DevPosition *penPosZ) {
    return cap::SpreadOut<"ecompass position para empty">(CAP_HERE, Ecompass().aenEcompassPosition,
                                                          -1, penPosX, penPosY, penPosZ);
}
extern "C" DEVCAP_API int CAP_GetEcompassI2cInfo(I2cInfo *pstI2cInfo) {
    return cap::CopyOut<"CAP_GetEcompassI2cInfo para is null!\n">(
        CAP_HERE, Ecompass().stEcompassI2cInfo, pstI2cInfo);
}
extern "C" DEVCAP_API int CAP_GetEcompassGpioReset(void) { return Ecompass().iEcompassResetGpio; }
extern "C" DEVCAP_API int CAP_GetEcompassINTGpioNum(void) {
    return cap::CountLeading(Ecompass().aiEcompassIntGpio, -1);
}
extern "C" DEVCAP_API int CAP_GetEcompassINTGpio(int iGpioNum) {
    return cap::SlotOr<"CAP_GetEcompassINTGpio para iGpioNum = %d out of range %d.">(
        CAP_HERE, Ecompass().aiEcompassIntGpio, iGpioNum, -4, iGpioNum, CAP_ECOMPASS_INTS);
}
// The count is tested before the buffer.
extern "C" DEVCAP_API int CAP_GetEcompassINTGpioMul(int iGpioNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetEcompassINTGpioAll para out of range.",
                          "CAP_GetEcompassINTGpioAll para null ptr.">(
        CAP_HERE, Ecompass().aiEcompassIntGpio, iGpioNum, piGpio);
}
