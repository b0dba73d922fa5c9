// The one capability record, its region pointers, and the overflow check of
// the text-storing rule.
#include <stddef.h>
#include <string.h>

#include "core/core.h"
#include "devcap.h"
#include "platform/log.h"
#include "platform/messages.h"

extern "C" {

DEVCAP_API DevCap g_stDevCap;
DEVCAP_API DevCap *g_pstDevCap;
DEVCAP_API CapFiles *g_pstCapFiles;
DEVCAP_API BoardCap *g_pstBoardCap;
DEVCAP_API SensorCap *g_pstSensorCap;
DEVCAP_API LensCap *g_pstLensCap;
DEVCAP_API PatchCap *g_pstPatchCap;

}  // extern "C"

void cap_ResetRecord(void) {
    memset(&g_stDevCap, 0, sizeof(g_stDevCap));
    g_pstDevCap = &g_stDevCap;
    g_pstCapFiles = &g_stDevCap.stCapFiles;
    g_pstBoardCap = &g_stDevCap.stBoardCap;
    g_pstSensorCap = &g_stDevCap.stSensorCap;
    g_pstLensCap = &g_stDevCap.stLensCap;
    g_pstPatchCap = &g_stDevCap.stPatchCap;
}

extern "C" {

DEVCAP_API void cap_WarnStrOverflow(const char *pcStr, unsigned long ulSize) {
    if (pcStr == nullptr) {
        CAP_LOG(cap::kLogWarn, "invalid params!\n");
        return;
    }
    unsigned long ulLen = strlen(pcStr);
    if (ulLen >= ulSize) CAP_LOG(cap::kLogWarn, cap::msg::kTextOverflow, pcStr, ulLen, ulSize);
}

}  // extern "C"

// The record layout is part of the interface: hosts read it through the
// exported pointers. These hold on every LP64 target we build for.
static_assert(sizeof(CapFiles) == 660);
static_assert(offsetof(DevCap, stBoardCap) == 660);
static_assert(sizeof(I2cInfo) == 6 && alignof(I2cInfo) == 2);
static_assert(sizeof(AlarmCap) == 88);
static_assert(sizeof(UartPort) == 60 && sizeof(UartCap) == 180);
static_assert(sizeof(IrisCap) == 84 && sizeof(IrcutCap) == 180);
static_assert(sizeof(VideoCap) == 28 && sizeof(AudioCap) == 28);
static_assert(sizeof(TemperatureCap) == 40 && sizeof(CvbsCap) == 24);
static_assert(sizeof(SnifferCap) == 24 && sizeof(AccelerateCap) == 24);
static_assert(sizeof(EcompassCap) == 44 && sizeof(PtzCap) == 116);
static_assert(offsetof(BoardCap, acBoardReserved) == 212);
static_assert(offsetof(BoardCap, bTempSupport) == 276);
static_assert(offsetof(BoardCap, ucSdSlotNum) == 320 && offsetof(BoardCap, usIndexVersion) == 322);
static_assert(offsetof(BoardCap, stAlarm) == 436 && offsetof(BoardCap, stPtz) == 1180);
static_assert(sizeof(BoardCap) == 1296);
static_assert(sizeof(SensorCap) == 80 && offsetof(SensorCap, aeSensorType) == 44);
static_assert(alignof(LensCap) == 8 && offsetof(LensCap, adFovAngle) == 176);
static_assert(sizeof(LensCap) == 216);
static_assert(sizeof(LedInfoCap) == 248 && offsetof(LedInfoCap, usLedNum) == 244);
static_assert(offsetof(PatchCap, stLedInfo) == 124 && sizeof(PatchCap) == 404);
static_assert(offsetof(DevCap, stSensorCap) == 1956 && offsetof(DevCap, stLensCap) == 2040);
static_assert(offsetof(DevCap, stPatchCap) == 2256 && sizeof(DevCap) == 2664);
