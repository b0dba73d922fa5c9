// LED queries: the LED sub-record of the patch region, slot by slot, several
// slots at a time, and counted from slot 0 up to the first empty one.
#include "devcap.h"
#include "platform/log.h"
#include "platform/query.h"

namespace {

const LedInfoCap &Led() { return g_pstPatchCap->stLedInfo; }

// Copy iNum ranges from slot iFirst to the two outs. Both outs are tested
// before the slots (bInTable): a null out -2 with NullMsg, slots outside the
// table -4 with RangeMsg.
template <cap::LogText NullMsg, cap::LogText RangeMsg>
int RangesOut(cap::Site site, bool bInTable, int iFirst, int iNum, int *piMin, int *piMax) {
    if (piMin == nullptr || piMax == nullptr) return cap::Refuse(cap::FmtOf<NullMsg>(), site, -2);
    if (!bInTable) return cap::Refuse(cap::FmtOf<RangeMsg>(), site, -4);
    for (int i = 0; i < iNum; ++i) {
        piMin[i] = Led().astLedRange[iFirst + i].iRangeMin;
        piMax[i] = Led().astLedRange[iFirst + i].iRangeMax;
    }
    return 0;
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

DEVCAP_API int CAP_GetLedRange(int iIndex, int *piRangeMin, int *piRangeMax) {
    return RangesOut<"CAP_GetLedRange para is null ptr.", "para out of range.">(
        CAP_HERE, cap::InSlots<CAP_LED_SLOTS>(iIndex), iIndex, 1, piRangeMin, piRangeMax);
}

DEVCAP_API int CAP_GetLedTypeMul(int iNum, LedType *penType) {
    return cap::CopyFirst<"CAP_GetLedTypeAll para out of range.", "CAP_GetLedTypeAll para null ptr.">(
        CAP_HERE, Led().aeLedType, iNum, penType);
}

DEVCAP_API int CAP_GetLedCtlWithGpioMul(int iNum, int *piGpio) {
    return cap::CopyFirst<"CAP_GetLedCtlWithGpioAll para out of range.",
                          "CAP_GetLedCtlWithGpioAll para null ptr.">(
        CAP_HERE, Led().aiLedGpioCtl, iNum, piGpio);
}

DEVCAP_API int CAP_GetLedFreqMul(int iNum, int *piFreq) {
    return cap::CopyFirst<"CAP_GetLedFreqAll para  out of range.", "CAP_GetLedFreqAll para is null ptr.">(
        CAP_HERE, Led().aiLedFreq, iNum, piFreq);
}

// Unlike the other copies, the outs are tested before the count.
DEVCAP_API int CAP_GetLedRangeMul(int iNum, int *piRangeMin, int *piRangeMax) {
    return RangesOut<"CAP_GetLedRangeAll para null ptr.", "CAP_GetLedRangeAll para out of range.">(
        CAP_HERE, cap::InCount<CAP_LED_SLOTS>(iNum), 0, iNum, piRangeMin, piRangeMax);
}

DEVCAP_API unsigned short CAP_GetLedTypeNum(void) {
    return static_cast<unsigned short>(cap::CountLeading(Led().aeLedType, LedType{CAP_LED_INVALID}));
}

DEVCAP_API unsigned short CAP_GetLedGpioNum(void) {
    return static_cast<unsigned short>(cap::CountLeading(Led().aiLedGpioCtl, -1));
}

DEVCAP_API int CAP_GetLedFreqNum(void) { return cap::CountLeading(Led().aiLedFreq, 0); }

// Leading slots whose range has a second value.
DEVCAP_API int CAP_GetLedRangeNum(void) {
    int iNum = 0;
    while (iNum < CAP_LED_SLOTS && Led().astLedRange[iNum].iRangeMax != 0) ++iNum;
    return iNum;
}

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
