// Queries of the board's top-level fields and its lens pins.
#include "board/board.h"
#include "platform/query.h"

extern "C" DEVCAP_API int CAP_GetCameraType(void) { return static_cast<int>(g_pstBoardCap->enCameraType); }
extern "C" DEVCAP_API int CAP_GetSocType(void) { return static_cast<int>(g_pstBoardCap->enSocType); }
extern "C" DEVCAP_API int CAP_GetResetGpio(void) { return g_pstBoardCap->iResetGpio; }
extern "C" DEVCAP_API int CAP_GetSensorHardCtlType(void) { return static_cast<int>(g_pstBoardCap->enSensorHardCtl); }
extern "C" DEVCAP_API int CAP_GetRamSize(void) { return static_cast<int>(g_pstBoardCap->enRamSize); }
extern "C" DEVCAP_API int CAP_GetSdCardSlotNum(void) { return g_pstBoardCap->ucSdSlotNum; }
extern "C" DEVCAP_API unsigned int CAP_GetHWVersionGpio(void) { return g_pstBoardCap->uiHWVersionGpio; }
extern "C" DEVCAP_API int CAP_GetMemWidth(void) { return static_cast<int>(g_pstBoardCap->enMemWidth); }
extern "C" DEVCAP_API int CAP_GetMaxElevationAngle(void) { return g_pstBoardCap->stPtz.iBallMaxAngle; }
extern "C" DEVCAP_API int CAP_IsDoubleIntfSupport(void) { return static_cast<int>(g_pstBoardCap->bDoubleIntfSup); }
extern "C" DEVCAP_API int CAP_GetFpgaCtlI2cNum(void) { return static_cast<int>(g_pstBoardCap->enFpgaCtlI2c); }
extern "C" DEVCAP_API int CAP_IsTemperatureAndHumiditySupport(void) { return static_cast<int>(g_pstBoardCap->bTempHumiditySup); }

extern "C" DEVCAP_API int CAP_GetMotorType(int iIndex) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, g_pstBoardCap->aenMotorType, iIndex, -4);
}

extern "C" DEVCAP_API int CAP_GetLensPinsNum(unsigned int *puiNumA, unsigned int *puiNumB) {
    return cap::CountLinesPair<"CAP_GetLensPinsNum para null ptr.">(
        CAP_HERE, g_pstBoardCap->aiLensPinsA, true, g_pstBoardCap->aiLensPinsB, true, puiNumA, puiNumB);
}

// One pin of group 0 (A) or 1 (B).
extern "C" DEVCAP_API int CAP_GetLensPins(unsigned int uiIndex, unsigned int uiGroup) {
    if (uiIndex >= CAP_LENS_PIN_SLOTS || uiGroup > 1) {
        CAP_LOG(cap::kLogError, "CAP_GetLensPins para  is out of range.");
        return -4;
    }
    return uiGroup == 0 ? g_pstBoardCap->aiLensPinsA[uiIndex] : g_pstBoardCap->aiLensPinsB[uiIndex];
}

// The first uiNum pins of both groups: a count above the slots is -1 (tested
// first), a null destination -2; a count of 0 copies nothing.
extern "C" DEVCAP_API int CAP_GetLensPinsMul(unsigned int uiNum, int *piPinsA, int *piPinsB) {
    if (uiNum > CAP_LENS_PIN_SLOTS) {
        CAP_LOG(cap::kLogError, "CAP_GetLensPinsAll para  is out of range.");
        return -1;
    }
    if (piPinsA == nullptr || piPinsB == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_GetLensPinsAll null ptr.");
        return -2;
    }
    for (unsigned int i = 0; i < uiNum; ++i) {
        piPinsA[i] = g_pstBoardCap->aiLensPinsA[i];
        piPinsB[i] = g_pstBoardCap->aiLensPinsB[i];
    }
    return 0;
}
