// Patch queries: the product's optional peripherals, ball size, optics defog,
// IR-cut delays and laser reach.
#include "devcap.h"
#include "platform/query.h"

extern "C" {

DEVCAP_API int CAP_IsPoeSupport(void) { return static_cast<int>(g_pstPatchCap->bPoeSupport); }
DEVCAP_API int CAP_IsGyroscopeSup(void) { return static_cast<int>(g_pstPatchCap->bGyroscopeSup); }
DEVCAP_API int CAP_IsGpsSupport(void) { return static_cast<int>(g_pstPatchCap->bGpsSupport); }
DEVCAP_API int CAP_IsPhotoresistanceSup(void) { return static_cast<int>(g_pstPatchCap->bPhotoresistanceSup); }
DEVCAP_API int CAP_IsWiperSupport(void) { return static_cast<int>(g_pstPatchCap->bWiperSupport); }
DEVCAP_API int CAP_IsSnifferSupport(void) { return static_cast<int>(g_pstPatchCap->bSnifferSupport); }
// The patch file's flag; the board file's e-compass is CAP_IsEcompasSupport.
DEVCAP_API int CAP_IsEcompassSupport(void) { return static_cast<int>(g_pstPatchCap->bEcompassSup); }
DEVCAP_API int CAP_IsAccelerateSupport(void) { return static_cast<int>(g_pstPatchCap->bAccelerateSup); }
DEVCAP_API int CAP_IsReverseSupport(void) { return static_cast<int>(g_pstPatchCap->bReverse); }
DEVCAP_API int CAP_GetBallType(void) { return static_cast<int>(g_pstPatchCap->eBallType); }

DEVCAP_API int CAP_IsOpticsDefogSup(int iIndex) {
    return cap::SlotOr<"para our of range">(CAP_HERE, g_pstPatchCap->abOpticsDefogSup, iIndex, -1);
}

DEVCAP_API int CAP_GetIrcutDelay(int iIndex) {
    return cap::SlotOr<"para our of range">(CAP_HERE, g_pstPatchCap->aiIrcutDelay, iIndex, -1);
}

DEVCAP_API int CAP_GetLaserDistanceInfo(unsigned char ucIndex) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, g_pstPatchCap->aeLaserDistance, ucIndex, -4);
}

// Lasers with a reach, up to the first empty slot; the file's "LaserSupport"
// flag plays no part.
DEVCAP_API int CAP_GetLaserInfoNum(void) {
    return cap::CountLeading(g_pstPatchCap->aeLaserDistance, LaserDistance{CAP_LASER_NONE});
}

DEVCAP_API int CAP_IsLaserSupport(void) { return CAP_GetLaserInfoNum() != 0 ? 1 : 0; }

}  // extern "C"
