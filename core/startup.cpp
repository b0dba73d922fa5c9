// CAP_CapInit: clear the record, settle who the device is, run the stages.
#include <string.h>

#include "core/core.h"
#include "platform/log.h"
#include "platform/sysfile.h"

extern "C" DEVCAP_API int CAP_CapInit(void) {
    memset(&g_stDevCap, 0, sizeof(g_stDevCap));
    g_pstDevCap = &g_stDevCap;
    g_pstCapFiles = &g_stDevCap.stCapFiles;
    g_pstBoardCap = &g_stDevCap.stBoardCap;
    g_pstSensorCap = &g_stDevCap.stSensorCap;
    g_pstLensCap = &g_stDevCap.stLensCap;
    g_pstPatchCap = &g_stDevCap.stPatchCap;
    LOG_SetLevel(cap::kLogModule, cap::kLogDebug);
    return -1;
}
