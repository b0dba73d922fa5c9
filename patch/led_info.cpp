// LED information: the "LedInfo" object of the index, board and patch files
// into the LED sub-record, and the LED count.
#include <string.h>

#include "patch/patch.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/slots.h"
#include "platform/words.h"

namespace {

// The array keys of "LedInfo".
enum LedArray : unsigned char { kType, kGpioCtl, kRange, kFreq, kHardCtl };

constexpr cap::Word<LedArray, sizeof("LedGpioCtl")> kLedArrays[] = {
    {"LedType", LedArray::kType},   {"LedGpioCtl", LedArray::kGpioCtl},
    {"LedRange", LedArray::kRange}, {"LedFreq", LedArray::kFreq},
    {"LedHardCtl", LedArray::kHardCtl},
};

// Slot i of the LED table from element i of one array.
void StoreLedElement(LedArray enKey, LedInfoCap &stLed, size_t i, json_object *pstElem) {
    switch (enKey) {
        case LedArray::kType:
            stLed.aeLedType[i] = cap_MatchLedType(json_object_get_string(pstElem));
            break;
        case LedArray::kGpioCtl:
            stLed.aiLedGpioCtl[i] = json_object_get_int(pstElem);
            break;
        case LedArray::kRange:
            // An element that is not an array reads as the pair 0, 0 (an empty slot);
            // a missing second value as 0.
            stLed.astLedRange[i].iRangeMin = json_object_get_int(cap::ArrayAt(pstElem, 0));
            stLed.astLedRange[i].iRangeMax = json_object_get_int(cap::ArrayAt(pstElem, 1));
            break;
        case LedArray::kFreq:
            stLed.aiLedFreq[i] = json_object_get_int(pstElem);
            break;
        case LedArray::kHardCtl:
            stLed.aeLedHardCtl[i] = cap_MatchLedCtl(json_object_get_string(pstElem));
            break;
    }
}

}  // namespace

// The LED sub-record only: the optics defog flags beside it belong to the
// patch file and keep their values.
void cap_PatchLedInfoValInit(void) {
    LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    memset(&stLed, 0, sizeof(stLed));
    for (int i = 0; i < CAP_LED_SLOTS; ++i) {
        stLed.aiLedGpioCtl[i] = -1;
        stLed.aeLedType[i] = CAP_LED_INVALID;
        stLed.aeLedHardCtl[i] = CAP_LEDCTL_PWM;
    }
}

int cap_PatchArrayInit(const char *pcKey, json_object *pstJsonVal) {
    if (pcKey == nullptr || pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_PatchArrayInit para is null ptr.\n");
        return -2;
    }
    // The length is taken in 16 bits.
    const size_t ulLen = static_cast<unsigned short>(cap::ArrayLen(pstJsonVal));
    const auto *pstKey = cap::Find(kLedArrays, pcKey);
    if (pstKey == nullptr) {
        for (size_t i = 0; i < ulLen; ++i) CAP_LOG(cap::kLogInfo, " key is invalid.key=%s\n", pcKey);
        return 0;
    }
    const size_t ulSlots = cap::SlotsTaken(CAP_HERE, pcKey, ulLen, CAP_LED_SLOTS);
    LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    for (size_t i = 0; i < ulSlots; ++i) {
        StoreLedElement(pstKey->Val(), stLed, i, cap::ArrayAt(pstJsonVal, i));
    }
    return 0;
}

extern "C" DEVCAP_API int cap_ParseLedInfo(struct json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseLedInfo para is null!\n");
        return -2;
    }
    cap_PatchLedInfoValInit();
    LedInfoCap &stLed = g_pstPatchCap->stLedInfo;
    for (const cap::Member m : cap::Members(pstJsonVal)) {
        if (cap::IsType(m.val, json_type_int)) {
            if (strcmp(m.key, "EnableNearMiddleFar") == 0) {
                stLed.usEnableNearMidFar = static_cast<unsigned short>(json_object_get_int(m.val));
            } else if (strcmp(m.key, "LedNum") == 0) {
                stLed.usLedNum = static_cast<unsigned short>(json_object_get_int(m.val));
            }
        } else if (cap::IsType(m.val, json_type_array)) {
            int iRet = cap_PatchArrayInit(m.key, m.val);
            if (iRet != 0) {
                CAP_LOG(cap::kLogError, "cap_PatchArrayInit return error.");
                return iRet;
            }
        }
    }
    return 0;
}

extern "C" DEVCAP_API unsigned short CAP_GetLedNum(void) { return g_pstPatchCap->stLedInfo.usLedNum; }
