// Peripherals off the main board: temperature sensor, CVBS encoder, Wi-Fi
// module, accelerometer and e-compass. Their defaults and the parsers of the
// "Temperature", "CVBS", "Sniffer", "Accelerate" and "Ecompass" objects.
#include <string.h>

#include "board/board.h"
#include "board/elements.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/text.h"

// A board without "CVBS" reports the "adv7393" encoder, one without "Sniffer"
// a serially attached Wi-Fi module; neither is marked as fitted.
void cap_PeripheralValInit(void) {
    g_pstBoardCap->bTempSupport = 0;
    memset(g_pstBoardCap->stTemperature.acTempDeviceNode, 0,
           sizeof(g_pstBoardCap->stTemperature.acTempDeviceNode));

    CvbsCap &stCvbs = g_pstBoardCap->stCvbs;
    stCvbs.bCvbsSupport = 0;
    stCvbs.enCvbsSocType = CAP_CVBS_ADV7393;
    stCvbs.enCvbsHardCtl = CAP_HARDCTL_INVALID;
    stCvbs.stCvbsI2cInfo = I2cInfo{};
    stCvbs.iCvbsResetGpio = -1;

    SnifferCap &stSniffer = g_pstBoardCap->stSniffer;
    stSniffer.bWifiSupport = 0;
    stSniffer.enWifiType = CAP_WIFI_SERIAL;
    memset(stSniffer.acWifiDeviceNode, 0, sizeof(stSniffer.acWifiDeviceNode));
    stSniffer.enWifiModel = CAP_WIFI_MODE_NONE;

    AccelerateCap &stAccelerate = g_pstBoardCap->stAccelerate;
    stAccelerate.bAccelerateSupport = 0;
    cap::SetAll(stAccelerate.aenAcceleratePosition, DevPosition{CAP_POS_INVALID});
    stAccelerate.stAccelerateI2cInfo = I2cInfo{};

    EcompassCap &stEcompass = g_pstBoardCap->stEcompass;
    stEcompass.bEcompassSupport = 0;
    cap::SetAll(stEcompass.aenEcompassPosition, DevPosition{CAP_POS_INVALID});
    stEcompass.stEcompassI2cInfo = I2cInfo{};
    stEcompass.iEcompassResetGpio = -1;
    cap::SetAll(stEcompass.aiEcompassIntGpio, -1);
}

namespace {

// "dir/name/" from a directory part and a name part. Anything but two texts,
// or a path that would not fit (with its two slashes) in 39 characters, is
// ignored and the field keeps its text.
void StoreTempDeviceNode(char (&acNode)[CAP_TEMP_NODE_LEN], json_object *pstArray) {
    json_object *pstDir = cap::ArrayAt(pstArray, 0);
    json_object *pstName = cap::ArrayAt(pstArray, 1);
    if (!cap::IsType(pstDir, json_type_string) || !cap::IsType(pstName, json_type_string)) return;
    const size_t ulDir = strlen(json_object_get_string(pstDir));
    const size_t ulName = strlen(json_object_get_string(pstName));
    if (ulDir + ulName + 2 > CAP_TEMP_NODE_LEN - 1) return;
    char *pc = acNode;
    memcpy(pc, json_object_get_string(pstDir), ulDir);
    pc += ulDir;
    *pc++ = '/';
    memcpy(pc, json_object_get_string(pstName), ulName);
    pc += ulName;
    *pc++ = '/';
    *pc = '\0';
    acNode[CAP_TEMP_NODE_LEN - 1] = '\0';
}

}  // namespace

// Decided by key alone, whatever the value's type.
int cap_ParseTemperature(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseTemperature para is null!\n");
        return -2;
    }
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        if (strcmp(stMember.key, "Support") == 0) {
            g_pstBoardCap->bTempSupport = json_object_get_boolean(stMember.val) ? 1 : 0;
        } else if (strcmp(stMember.key, "DeviceNode") == 0) {
            StoreTempDeviceNode(g_pstBoardCap->stTemperature.acTempDeviceNode, stMember.val);
        } else {
            CAP_LOG(cap::kLogInfo, "cap_ParseTemperature para is invalide:key=%s!\n", stMember.key);
        }
    }
    return 0;
}

// "I2cInfo" reads elements 0 to 2 whatever the array's length, a missing one
// as 0.
int cap_ParseCVBS(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseCVBS para is null!\n");
        return -2;
    }
    CvbsCap &stCvbs = g_pstBoardCap->stCvbs;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        const char *pcKey = stMember.key;
        switch (json_object_get_type(stMember.val)) {
            case json_type_string:
                if (strcmp(pcKey, "SocType") == 0)
                    stCvbs.enCvbsSocType = cap_MatchCvbsType(json_object_get_string(stMember.val));
                else if (strcmp(pcKey, "HardCtl") == 0)
                    stCvbs.enCvbsHardCtl = cap_MatchHardCtl(json_object_get_string(stMember.val));
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseCVBS para is not string type:key=%s!\n",
                            pcKey);
                break;
            case json_type_boolean:
                if (strcmp(pcKey, "Support") == 0)
                    stCvbs.bCvbsSupport = json_object_get_boolean(stMember.val) ? 1 : 0;
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseCVBS para is not boolean type:key=%s!\n",
                            pcKey);
                break;
            case json_type_int:
                if (strcmp(pcKey, "ResetGpio") == 0)
                    stCvbs.iCvbsResetGpio = json_object_get_int(stMember.val);
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseCVBS para is not int type:key=%s!\n", pcKey);
                break;
            case json_type_array:
                if (strcmp(pcKey, "I2cInfo") == 0)
                    cap::ReadI2cInfo(stCvbs.stCvbsI2cInfo, stMember.val);
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseCVBS para is invlide:key=%s!\n", pcKey);
                break;
            default: break;
        }
    }
    return 0;
}

// The Wi-Fi device node is cut to 9 characters, with the overflow warning.
int cap_ParseSniffer(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseSniffer para is null!\n");
        return -2;
    }
    SnifferCap &stSniffer = g_pstBoardCap->stSniffer;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        const char *pcKey = stMember.key;
        if (cap::IsType(stMember.val, json_type_boolean)) {
            if (strcmp(pcKey, "Support") == 0)
                stSniffer.bWifiSupport = json_object_get_boolean(stMember.val) ? 1 : 0;
            else
                CAP_LOG(cap::kLogInfo, "cap_ParseSniffer para is not bool type:key=%s!\n", pcKey);
        } else if (cap::IsType(stMember.val, json_type_string)) {
            const char *pcText = json_object_get_string(stMember.val);
            if (strcmp(pcKey, "Type") == 0)
                stSniffer.enWifiType = cap_MatchWifiType(pcText);
            else if (strcmp(pcKey, "DeviceNode") == 0)
                cap::StoreText(stSniffer.acWifiDeviceNode, pcText);
            else if (strcmp(pcKey, "Model") == 0)
                stSniffer.enWifiModel = cap_MatchWifiMode(pcText);
            else
                CAP_LOG(cap::kLogInfo, "cap_ParseSniffer para is not string type:key=%s!\n", pcKey);
        }
    }
    return 0;
}

// "Position" takes the first three elements, a missing one as no text;
// "I2cInfo" only the elements that exist. Another array key is reported once
// per element.
int cap_ParseAccelerate(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseAccelerate para is null!\n");
        return -2;
    }
    AccelerateCap &stAccelerate = g_pstBoardCap->stAccelerate;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        const char *pcKey = stMember.key;
        if (cap::IsType(stMember.val, json_type_boolean)) {
            if (strcmp(pcKey, "Support") == 0)
                stAccelerate.bAccelerateSupport = json_object_get_boolean(stMember.val) ? 1 : 0;
            else
                CAP_LOG(cap::kLogInfo, "cap_ParseAccelerate para is not bool type:key=%s!\n",
                        pcKey);
        } else if (cap::IsType(stMember.val, json_type_array)) {
            if (strcmp(pcKey, "Position") == 0) {
                cap::ReadWords<cap_MatchDevPosition>(stAccelerate.aenAcceleratePosition,
                                                     stMember.val);
            } else if (strcmp(pcKey, "I2cInfo") == 0) {
                cap::ReadPresentI2c(stAccelerate.stAccelerateI2cInfo, stMember.val);
            } else {
                for (size_t i = 0; i < cap::ArrayLen(stMember.val); ++i)
                    CAP_LOG(cap::kLogInfo, "cap_ParseAccelerate para is not arry type:key=%s!\n",
                            pcKey);
            }
        }
    }
    return 0;
}

// Unknown keys are skipped silently, whatever their type. Interrupt GPIOs
// beyond the fourth are dropped.
int cap_ParseEcompass(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseEcompass para is null!\n");
        return -2;
    }
    EcompassCap &stEcompass = g_pstBoardCap->stEcompass;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        const char *pcKey = stMember.key;
        json_object *pstVal = stMember.val;
        if (cap::IsType(pstVal, json_type_boolean)) {
            if (strcmp(pcKey, "Support") == 0)
                stEcompass.bEcompassSupport = json_object_get_boolean(pstVal) ? 1 : 0;
        } else if (cap::IsType(pstVal, json_type_int)) {
            if (strcmp(pcKey, "ResetGpio") == 0)
                stEcompass.iEcompassResetGpio = json_object_get_int(pstVal);
        } else if (cap::IsType(pstVal, json_type_array)) {
            if (strcmp(pcKey, "Position") == 0)
                cap::ReadWords<cap_MatchDevPosition>(stEcompass.aenEcompassPosition, pstVal);
            else if (strcmp(pcKey, "I2cInfo") == 0)
                cap::ReadPresentI2c(stEcompass.stEcompassI2cInfo, pstVal);
            else if (strcmp(pcKey, "INTGpio") == 0)
                cap::FillInts(CAP_HERE, pcKey, stEcompass.aiEcompassIntGpio, pstVal);
        }
    }
    return 0;
}
