// LED queries: the LED sub-record of the patch region, slot by slot, several
// slots at a time, and counted from slot 0 up to the first empty one.
#include "devcap.h"
#include "platform/log.h"
#include "platform/query.h"

namespace {

const LedInfoCap &Led() { return g_pstPatchCap->stLedInfo; }

// Leading slots whose range has a second value.
int LeadingRanges(const LedRange (&astRange)[CAP_LED_SLOTS]) {
    int iNum = 0;
    while (iNum < CAP_LED_SLOTS && astRange[iNum].iRangeMax != 0) ++iNum;
    return iNum;
}

}  // namespace

extern "C" {

DEVCAP_API int CAP_GetLedType(int iIndex) {
    return cap::SlotOr<"para our of range">(CAP_HERE, Led().aeLedType, iIndex, -1);
}

DEVCAP_API int CAP_GetLedHardCtlType(int iIndex) {
    return cap::SlotOr<"para our of range">(CAP_HERE, Led().aeLedHardCtl, iIndex, -1);
}

DEVCAP_API int CAP_GetLedCtlWithGpio(int iIndex) {
    return cap::SlotOr<"CAP_GetLedCtlWithGpio para iGpioNum = %d out of range %d.">(
        CAP_HERE, Led().aiLedGpioCtl, iIndex, -4, iIndex, CAP_LED_SLOTS);
}

DEVCAP_API int CAP_GetLedFreq(int iIndex) {
    return cap::SlotOr<"CAP_GetLedFreq para iGpioIndex out of range.">(CAP_HERE, Led().aiLedFreq, iIndex, -4);
}

// Both outs are tested before the index.
DEVCAP_API int CAP_GetLedRange(int iIndex, int *piRangeMin, int *piRangeMax) {
    if (piRangeMin == nullptr || piRangeMax == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_GetLedRange para is null ptr.");
        return -2;
    }
    if (!cap::InSlots<CAP_LED_SLOTS>(iIndex)) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    *piRangeMin = Led().astLedRange[iIndex].iRangeMin;
    *piRangeMax = Led().astLedRange[iIndex].iRangeMax;
    return 0;
}

DEVCAP_API int CAP_GetLedTypeMul(int iNum, LedType *penType) {
    return cap::CopyFirst<"CAP_GetLedTypeAll para out of range.", "CAP_GetLedTypeAll para null ptr.",
                          cap::First::kCount>(CAP_HERE, Led().aeLedType, iNum, penType);
}

DEVCAP_API int CAP_GetLedCtlWithGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetLedCtlWithGpioAll para out of range.",
                          "CAP_GetLedCtlWithGpioAll para null ptr.", cap::First::kCount>(
        CAP_HERE, Led().aiLedGpioCtl, iNum, piGpio);
}

DEVCAP_API int CAP_GetLedFreqMul(int iNum, int *piFreq) {
    return cap::CopyFirst<"CAP_GetLedFreqAll para  out of range.", "CAP_GetLedFreqAll para is null ptr.",
                          cap::First::kCount>(CAP_HERE, Led().aiLedFreq, iNum, piFreq);
}

// Unlike the other copies, the outs are tested before the count.
DEVCAP_API int CAP_GetLedRangeMul(int iNum, int *piRangeMin, int *piRangeMax) {
    if (piRangeMin == nullptr || piRangeMax == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_GetLedRangeAll para null ptr.");
        return -2;
    }
    if (!cap::InCount<CAP_LED_SLOTS>(iNum)) {
        CAP_LOG(cap::kLogError, "CAP_GetLedRangeAll para out of range.");
        return -4;
    }
    for (int i = 0; i < iNum; ++i) {
        piRangeMin[i] = Led().astLedRange[i].iRangeMin;
        piRangeMax[i] = Led().astLedRange[i].iRangeMax;
    }
    return 0;
}

DEVCAP_API unsigned short CAP_GetLedTypeNum(void) {
    return static_cast<unsigned short>(cap::CountLeading(Led().aeLedType, LedType{CAP_LED_INVALID}));
}

DEVCAP_API unsigned short CAP_GetLedGpioNum(void) {
    return static_cast<unsigned short>(cap::CountLeading(Led().aiLedGpioCtl, -1));
}

DEVCAP_API int CAP_GetLedFreqNum(void) { return cap::CountLeading(Led().aiLedFreq, 0); }

DEVCAP_API int CAP_GetLedRangeNum(void) { return LeadingRanges(Led().astLedRange); }

DEVCAP_API int CAP_GetNearMidFarEnable(unsigned short *pusNear, unsigned short *pusMid,
                                       unsigned short *pusFar) {
    if (pusNear == nullptr || pusMid == nullptr || pusFar == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_GetNearMidFarEnable para is null ptr.");
        return -2;
    }
    const unsigned short usMask = Led().usEnableNearMidFar;
    *pusNear = (usMask >> 2) & 1U;
    *pusMid = (usMask >> 1) & 1U;
    *pusFar = usMask & 1U;
    return 0;
}

}  // extern "C"
