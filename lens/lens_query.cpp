// Lens queries: count and type per channel, fixed focal distance, field of
// view, focus type, zoom and focus support.
#include "devcap.h"
#include "lens/focus.h"
#include "platform/log.h"
#include "platform/query.h"

namespace {

// Whether an index names a lens: below the lens count and never past the
// channels, whatever the count says. Otherwise the message, from the query.
template <cap::LogText Msg>
bool IsLens(cap::Site site, int iIndex) {
    if (cap::InSlots<CAP_MAX_CHANNEL>(iIndex) && iIndex < g_pstLensCap->usLensNum) return true;
    CAP_LOG_AT(site, cap::kLogError, Msg);
    return false;
}

// A slot of a lens table for an index that names a lens; otherwise rBad.
template <cap::LogText Msg, typename T, typename R>
R LensSlotOr(cap::Site site, const T (&aTable)[CAP_MAX_CHANNEL], int iIndex, R rBad) {
    return IsLens<Msg>(site, iIndex) ? static_cast<R>(aTable[iIndex]) : rBad;
}

}  // namespace

extern "C" {

DEVCAP_API unsigned short CAP_GetLensNum(void) { return g_pstLensCap->usLensNum; }

DEVCAP_API int CAP_GetLensType(int iIndex) {
    return cap::SlotOr<"CAP_GetLensType para out of range">(CAP_HERE, g_pstLensCap->aeLensType, iIndex,
                                                            CAP_LENS_INVALID);
}

DEVCAP_API int CAP_GetLensTypeMul(int iNum, LensType *penType) {
    return cap::CopyFirst<"CAP_GetLensType para out of range.", "CAP_GetLensTypeAll para null ptr.",
                          cap::First::kCount>(CAP_HERE, g_pstLensCap->aeLensType, iNum, penType);
}

DEVCAP_API int CAP_GetFocusDistance(int iIndex) {
    return LensSlotOr<"para our of range">(CAP_HERE, g_pstLensCap->aeFixDistance, iIndex, -1);
}

DEVCAP_API double CAP_GetFovAngle(int iIndex) {
    return LensSlotOr<"para our of range">(CAP_HERE, g_pstLensCap->adFovAngle, iIndex, -1.0);
}

DEVCAP_API int CAP_GetFocusType(int iIndex) {
    return IsLens<"para out of range.">(CAP_HERE, iIndex) ? cap::FocusOf(g_pstLensCap->aeLensType[iIndex])
                                                         : FocusType{CAP_FOCUS_NONE};
}

// Both take the focus type from CAP_GetFocusType once the index is known good.
DEVCAP_API int CAP_IsZoomSupport(int iIndex) {
    return IsLens<"para out of range.">(CAP_HERE, iIndex) && CAP_GetFocusType(iIndex) == CAP_FOCUS_ZOOM_FOCUS;
}

DEVCAP_API int CAP_IsFocusSupport(int iIndex) {
    if (!IsLens<"para out of range.">(CAP_HERE, iIndex)) return 0;
    const int iFocus = CAP_GetFocusType(iIndex);
    return iFocus == CAP_FOCUS_ZOOM_FOCUS || iFocus == CAP_FOCUS_FOCUS_ONLY;
}

}  // extern "C"
