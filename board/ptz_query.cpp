// Queries of the pan-tilt mechanics. The ball's elevation angle is answered
// with the board's top-level queries.
#include "board/board.h"
#include "platform/query.h"

namespace {

const PtzCap &Ptz() { return g_pstBoardCap->stPtz; }

}  // namespace

extern "C" DEVCAP_API int CAP_GetAlarmBoardType(void) {
    return static_cast<int>(Ptz().enAlarmBoardType);
}
extern "C" DEVCAP_API int CAP_GetDriverBoardType(void) {
    return static_cast<int>(Ptz().enDriverBoardType);
}
extern "C" DEVCAP_API int CAP_GetWiperBoardType(void) {
    return static_cast<int>(Ptz().enWiperBoardType);
}
extern "C" DEVCAP_API int CAP_GetDriverBoardReset(void) { return Ptz().iDriverBoardReset; }
extern "C" DEVCAP_API int CAP_GetAlarmBoardReset(void) { return Ptz().iAlarmBoardReset; }
extern "C" DEVCAP_API int CAP_GetWiperBoardReset(void) { return Ptz().iWiperBoardReset; }
extern "C" DEVCAP_API int CAP_GetFanCtlType(void) { return static_cast<int>(Ptz().enFanCtlType); }
extern "C" DEVCAP_API int CAP_GetHeatCtlType(void) { return static_cast<int>(Ptz().enHeatCtlType); }
extern "C" DEVCAP_API int CAP_GetGlassHeatCtlType(void) {
    return static_cast<int>(Ptz().enGlassHeatCtlType);
}
extern "C" DEVCAP_API int CAP_GetGlassHeatGpioCtl(void) { return Ptz().iGlassHeatGpio; }
extern "C" DEVCAP_API int CAP_GetTempLowerThreshold(void) {
    return Ptz().aiGlassHeatTempThreshold[0];
}
extern "C" DEVCAP_API int CAP_GetTempUpperThreshold(void) {
    return Ptz().aiGlassHeatTempThreshold[1];
}
extern "C" DEVCAP_API int CAP_GetFanGpioCtlNum(void) {
    return cap::CountLeading(Ptz().aiFanGpioCtl, -1);
}
extern "C" DEVCAP_API int CAP_GetHeatGpioCtlNum(void) {
    return cap::CountLeading(Ptz().aiHeatGpioCtl, -1);
}
extern "C" DEVCAP_API int CAP_GetFanGpioCtl(int iGpioNum) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, Ptz().aiFanGpioCtl, iGpioNum, -4);
}
extern "C" DEVCAP_API int CAP_GetHeatGpioCtl(int iGpioNum) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, Ptz().aiHeatGpioCtl, iGpioNum, -4);
}
// Driver and alarm nodes take any size of 1 or more, the wiper node 1 to 10.
extern "C" DEVCAP_API int CAP_GetDriverBoardNode(int iLen, char *pcBuf) {
    return cap::TextOut<"Input param error.\n">(CAP_HERE, Ptz().acDriverBoardNode, iLen, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetAlarmBoardNode(int iLen, char *pcBuf) {
    return cap::TextOut<"Input param error.\n">(CAP_HERE, Ptz().acAlarmBoardNode, iLen, pcBuf);
}
extern "C" DEVCAP_API int CAP_GetWiperBoardNode(int iLen, char *pcBuf) {
    return cap::TextOut<"Input param error.\n">(CAP_HERE, Ptz().acWiperBoardNode, iLen, pcBuf,
                                                CAP_NODE_LEN);
}
