// The product's patch file: optional peripherals, ball size, IR-cut delays,
// optics defog, laser reach, supplementary lights, and the overrides of board
// facts that the patch file may make (read after the board file).
#include <string.h>

#include "patch/patch.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/slots.h"
#include "platform/sysfile.h"
#include "platform/words.h"

namespace {

// The flags of the patch region that a boolean member sets.
constexpr cap::KeyField<PatchCap, unsigned int, sizeof("PhotoresistanceSup")> kPatchFlags[] = {
    {"PoeSupport", &PatchCap::bPoeSupport},
    {"GyroscopeSup", &PatchCap::bGyroscopeSup},
    {"GPSSupport", &PatchCap::bGpsSupport},
    {"PhotoresistanceSup", &PatchCap::bPhotoresistanceSup},
    {"WiperSupport", &PatchCap::bWiperSupport},
    {"SnifferSupport", &PatchCap::bSnifferSupport},
    {"EcompassSup", &PatchCap::bEcompassSup},
    {"AccelerateSup", &PatchCap::bAccelerateSup},
    {"Reverse", &PatchCap::bReverse},
    {"LaserSupport", &PatchCap::bLaserSupport},
};

void ParseBool(const char *pcKey, json_object *pstVal) {
    const unsigned int bVal = json_object_get_boolean(pstVal) ? 1U : 0U;
    if (unsigned int *pbFlag = cap::FieldOf(kPatchFlags, *g_pstPatchCap, pcKey)) {
        *pbFlag = bVal;
        return;
    }
    // Board facts the product overrides.
    if (strcmp(pcKey, "CvbsSupport") == 0) {
        g_pstBoardCap->stCvbs.bCvbsSupport = bVal;
    } else if (strcmp(pcKey, "SpeakerSupport") == 0) {
        g_pstBoardCap->stAudio.bSpeakerSup = bVal;
    }
}

// IR-cut control lines: element j of inner array i is GPIO j of filter i.
// An element that is not an array leaves its filter alone.
void ParseIrcutCtl(cap::Site site, const char *pcKey, json_object *pstVal) {
    int(&aaiGpio)[CAP_IRCUT_SLOTS][CAP_IRCUT_GPIOS] = g_pstBoardCap->stIrcut.aaiIrcutGpioCtl;
    const size_t ulFilters = cap::SlotsTaken(site, pcKey, cap::ArrayLen(pstVal), CAP_IRCUT_SLOTS);
    for (size_t i = 0; i < ulFilters; ++i) {
        json_object *pstInner = cap::ArrayAt(pstVal, i);
        if (!cap::IsType(pstInner, json_type_array)) {
            CAP_LOG_AT(site, cap::kLogWarn, "key=%s element %lu is not an array; it is ignored.\n",
                       pcKey, static_cast<unsigned long>(i));
            continue;
        }
        const size_t ulGpios = cap::SlotsTaken(site, pcKey, cap::ArrayLen(pstInner), CAP_IRCUT_GPIOS);
        for (size_t j = 0; j < ulGpios; ++j) aaiGpio[i][j] = json_object_get_int(cap::ArrayAt(pstInner, j));
    }
}

void ParseArray(cap::Site site, const char *pcKey, json_object *pstVal) {
    PatchCap &stPatch = *g_pstPatchCap;
    if (strcmp(pcKey, "PatchIrcutCtl") == 0) {
        ParseIrcutCtl(site, pcKey, pstVal);
        return;
    }
    const bool bDefog = strcmp(pcKey, "OpticsDefogSup") == 0;
    const bool bDelay = strcmp(pcKey, "IrcutDelay") == 0;
    const bool bLaser = strcmp(pcKey, "LaserDistance") == 0;
    if (!bDefog && !bDelay && !bLaser) return;
    const size_t ulSlots = cap::SlotsTaken(site, pcKey, cap::ArrayLen(pstVal), CAP_PATCH_SLOTS);
    for (size_t i = 0; i < ulSlots; ++i) {
        json_object *pstElem = cap::ArrayAt(pstVal, i);
        if (bDefog) stPatch.abOpticsDefogSup[i] = json_object_get_boolean(pstElem) ? 1U : 0U;
        if (bDelay) stPatch.aiIrcutDelay[i] = json_object_get_int(pstElem);
        if (bLaser) stPatch.aeLaserDistance[i] = cap_MatchLaserInfo(json_object_get_string(pstElem));
    }
}

}  // namespace

// The fields the patch file starts from. The optics defog flags, the IR-cut
// delays and the LED information are not among them.
void cap_PatchInfoValInit(void) {
    PatchCap &stPatch = *g_pstPatchCap;
    for (const auto &stFlag : kPatchFlags) stPatch.*stFlag.pField = 0;
    stPatch.bLaserSupport = 1;
    stPatch.eBallType = CAP_BALL_INVALID;
    for (LaserDistance &enReach : stPatch.aeLaserDistance) enReach = CAP_LASER_NONE;
}

extern "C" DEVCAP_API int cap_PatchCapInit(void) {
    cap::JsonDoc doc(cap::JsonFromFile(g_pstCapFiles->acPatchPath));
    if (doc.get() == nullptr) {
        CAP_LOG(cap::kLogError, cap::msg::kPatchNotJson);
        return -1;
    }
    cap_PatchInfoValInit();
    for (const cap::Member m : cap::Members(doc.get())) {
        switch (json_object_get_type(m.val)) {
            case json_type_boolean:
                ParseBool(m.key, m.val);
                break;
            case json_type_string:
                if (strcmp(m.key, "BallSize") == 0) {
                    g_pstPatchCap->eBallType = cap_MatchBallType(json_object_get_string(m.val));
                }
                break;
            case json_type_array:
                ParseArray(CAP_HERE, m.key, m.val);
                break;
            case json_type_object:
                if (strcmp(m.key, "LedInfo") == 0) {
                    int iRet = cap_ParseLedInfo(m.val);
                    if (iRet != 0) {
                        CAP_LOG(cap::kLogError, " cap_ParseLedInfo retrun error.");
                        return iRet;
                    }
                }
                break;
            default:
                break;
        }
    }
    return 0;
}
