// The pan-tilt mechanics: microcontroller boards, fan, heaters, window
// heating and the ball's elevation. Defaults and the parser of "PTZ".
#include <string.h>

#include "board/board.h"
#include "board/elements.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/text.h"

// The board types default to the invalid model, the fan and heater controls
// to the real member "None".
void cap_PtzValInit(void) {
    PtzCap &stPtz = g_pstBoardCap->stPtz;
    stPtz.iBallMaxAngle = 0;
    stPtz.enAlarmBoardType = CAP_MCU_INVALID;
    stPtz.enDriverBoardType = CAP_MCU_INVALID;
    stPtz.enWiperBoardType = CAP_MCU_INVALID;
    stPtz.iDriverBoardReset = -1;
    stPtz.iAlarmBoardReset = -1;
    stPtz.iWiperBoardReset = -1;
    stPtz.enFanCtlType = CAP_FANHEAT_NONE;
    stPtz.enHeatCtlType = CAP_FANHEAT_NONE;
    stPtz.enGlassHeatCtlType = CAP_FANHEAT_NONE;
    stPtz.iGlassHeatGpio = -1;
    cap::SetAll(stPtz.aiGlassHeatTempThreshold, 0);
    cap::SetAll(stPtz.aiFanGpioCtl, -1);
    cap::SetAll(stPtz.aiHeatGpioCtl, -1);
    memset(stPtz.acDriverBoardNode, 0, sizeof(stPtz.acDriverBoardNode));
    memset(stPtz.acAlarmBoardNode, 0, sizeof(stPtz.acAlarmBoardNode));
    memset(stPtz.acWiperBoardNode, 0, sizeof(stPtz.acWiperBoardNode));
}

namespace {

constexpr cap::KeyField<PtzCap, McuType, sizeof("DriverBoardType")> kPtzBoardTypes[] = {
    {"DriverBoardType", &PtzCap::enDriverBoardType},
    {"AlarmBoardType", &PtzCap::enAlarmBoardType},
    {"WiperBoardType", &PtzCap::enWiperBoardType},
};

constexpr cap::KeyField<PtzCap, FanHeatCtlType, sizeof("GlassHeatCtlType")> kPtzControls[] = {
    {"FanCtlType", &PtzCap::enFanCtlType},
    {"HeatCtlType", &PtzCap::enHeatCtlType},
    {"GlassHeatCtlType", &PtzCap::enGlassHeatCtlType},
};

constexpr cap::KeyField<PtzCap, char[CAP_NODE_LEN], sizeof("DriverBoardNode")> kPtzNodes[] = {
    {"DriverBoardNode", &PtzCap::acDriverBoardNode},
    {"AlarmBoardNode", &PtzCap::acAlarmBoardNode},
    {"WiperBoardNode", &PtzCap::acWiperBoardNode},
};

constexpr cap::KeyField<PtzCap, int, sizeof("DriverBoardReset")> kPtzInts[] = {
    {"BallMaxAngle", &PtzCap::iBallMaxAngle},
    {"DriverBoardReset", &PtzCap::iDriverBoardReset},
    {"AlarmBoardReset", &PtzCap::iAlarmBoardReset},
    {"WiperBoardReset", &PtzCap::iWiperBoardReset},
    {"GlassHeatGpio", &PtzCap::iGlassHeatGpio},
};

// Board models and control kinds go through their matchers; device nodes are
// cut to 9 characters with the overflow warning.
void ParsePtzText(cap::Site site, PtzCap &stPtz, const char *pcKey, const char *pcText) {
    if (McuType *penBoard = cap::FieldOf(kPtzBoardTypes, stPtz, pcKey))
        *penBoard = cap_MatchMcuType(pcText);
    else if (FanHeatCtlType *penCtl = cap::FieldOf(kPtzControls, stPtz, pcKey))
        *penCtl = cap_MatchFanHeatCtlType(pcText);
    else if (auto *pacNode = cap::FieldOf(kPtzNodes, stPtz, pcKey))
        cap::StoreText(*pacNode, pcText);
    else
        CAP_LOG_AT(site, cap::kLogInfo, "cap_ParsePtz para is not string type:key=%s!\n", pcKey);
}

void ParsePtzInt(cap::Site site, PtzCap &stPtz, const char *pcKey, int iVal) {
    if (int *piField = cap::FieldOf(kPtzInts, stPtz, pcKey))
        *piField = iVal;
    else
        CAP_LOG_AT(site, cap::kLogInfo, "cap_ParsePtz para is not int type:key=%s!\n", pcKey);
}

// An array shorter than its field leaves the rest at the defaults; elements
// beyond the field are dropped. An unknown key is reported once per element.
void ParsePtzArray(cap::Site site, PtzCap &stPtz, const char *pcKey, json_object *pstArray) {
    if (strcmp(pcKey, "FanGpioCtl") == 0) {
        cap::FillInts(site, pcKey, stPtz.aiFanGpioCtl, pstArray);
    } else if (strcmp(pcKey, "HeatGpioCtl") == 0) {
        cap::FillInts(site, pcKey, stPtz.aiHeatGpioCtl, pstArray);
    } else if (strcmp(pcKey, "GlassHeatTempThreshold") == 0) {
        cap::FillInts(site, pcKey, stPtz.aiGlassHeatTempThreshold, pstArray);
    } else {
        for (size_t i = 0; i < cap::ArrayLen(pstArray); ++i)
            CAP_LOG_AT(site, cap::kLogInfo, "cap_ParsePtz para is not arry type:key=%s!\n", pcKey);
    }
}

}  // namespace

// Texts, integers and arrays count; booleans, doubles, objects and nulls are
// skipped silently.
int cap_ParsePtz(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParsePtz para is null ptr!\n");
        return -2;
    }
    PtzCap &stPtz = g_pstBoardCap->stPtz;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        switch (json_object_get_type(stMember.val)) {
            case json_type_string:
                ParsePtzText(CAP_HERE, stPtz, stMember.key, json_object_get_string(stMember.val));
                break;
            case json_type_int:
                ParsePtzInt(CAP_HERE, stPtz, stMember.key, json_object_get_int(stMember.val));
                break;
            case json_type_array: ParsePtzArray(CAP_HERE, stPtz, stMember.key, stMember.val); break;
            default: break;
        }
    }
    return 0;
}
