// The hardware index of the product: board type, index version, the sensor
// and lens of each channel, and the product's LED information.
#include <string.h>

#include "core/core.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/sysfile.h"
#include "platform/text.h"

namespace {

// The text of a JSON string value; null for anything else, which the
// matchers and the text-storing rule treat as a missing text.
const char *StringOrNull(json_object *pstVal) {
    return cap::IsType(pstVal, json_type_string) ? json_object_get_string(pstVal) : nullptr;
}

void StoreLensName(short sIndex, const char *pcName) {
    g_pstLensCap->aeLensType[sIndex] = cap_MatchLensType(pcName);
    cap::StoreText(g_pstLensCap->aacLensName[sIndex], pcName);
}

// "lens" as an array: folder name, fixed distance, and with exactly three
// elements the lens type from the third.
void StoreLensArray(short sIndex, json_object *pstArray) {
    StoreLensName(sIndex, StringOrNull(cap::ArrayAt(pstArray, 0)));
    const char *pcDistance = StringOrNull(cap::ArrayAt(pstArray, 1));
    g_pstLensCap->aeFixDistance[sIndex] = cap_MatchFixDistance(pcDistance);
    cap::StoreText(g_pstLensCap->aacFixDistanceName[sIndex], pcDistance);
    if (cap::ArrayLen(pstArray) == 3) {
        const char *pcType = StringOrNull(cap::ArrayAt(pstArray, 2));
        g_pstLensCap->aeLensType[sIndex] = cap_MatchLensType(pcType);
        cap::StoreText(g_pstLensCap->aacLensName2[sIndex], pcType);
    }
}

// "ISP_INFO": one entry per channel. The counts take the number of entries;
// entries past the record's four channels have no place and are not read.
int ParseIspInfo(json_object *pstArray) {
    size_t ulNum = cap::ArrayLen(pstArray);
    g_pstSensorCap->usSensorNum = static_cast<unsigned short>(ulNum);
    g_pstLensCap->usLensNum = static_cast<unsigned short>(ulNum);
    int iRet = 0;
    for (size_t i = 0; i < ulNum && i < CAP_MAX_CHANNEL; ++i)
        iRet = cap_GetHardwareIndexVal(cap::ArrayAt(pstArray, i), static_cast<short>(i));
    return iRet;
}

}  // namespace

void cap_HardWareIndexValInit(void) {
    g_pstBoardCap->usIndexVersion = 0;
    g_pstSensorCap->usSensorNum = 1;
    g_pstLensCap->usLensNum = 1;
    memset(g_pstBoardCap->acBoardType, 0, sizeof(g_pstBoardCap->acBoardType));
    memset(g_pstSensorCap->aacSensorName, 0, sizeof(g_pstSensorCap->aacSensorName));
    memset(g_pstLensCap->aacLensName, 0, sizeof(g_pstLensCap->aacLensName));
    memset(g_pstLensCap->aacFixDistanceName, 0, sizeof(g_pstLensCap->aacFixDistanceName));
    memset(g_pstLensCap->aacLensName2, 0, sizeof(g_pstLensCap->aacLensName2));
    for (SensorType &enType : g_pstSensorCap->aeSensorType) enType = CAP_SENSOR_INVALID;
    for (SensorMode &enMode : g_pstSensorCap->aeSensorMode) enMode = CAP_SENSOR_MODE_INVALID;
    for (LensType &enType : g_pstLensCap->aeLensType) enType = CAP_LENS_INVALID;
    g_pstSensorCap->uiSensorReserved = 0;
}

json_object *cap_ParseHardwareFromFile(void) {
    memset(g_pstCapFiles->acHardwareIndexPath, 0, sizeof(g_pstCapFiles->acHardwareIndexPath));
    char acFolder[CAP_NAME_LEN] = {0};
    CAP_GetProductFolder(sizeof(acFolder), acFolder);
    if (cap_GetOneCapFilesPath("hardwareindex", acFolder, g_pstCapFiles->acHardwareIndexPath) != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kIndexPathFail);
        return nullptr;
    }
    json_object *pstRoot = cap::JsonFromFile(g_pstCapFiles->acHardwareIndexPath);
    // An index is an object; anything else is no index.
    if (!cap::IsType(pstRoot, json_type_object)) {
        if (pstRoot != nullptr) json_object_put(pstRoot);
        CAP_LOG(cap::kLogError, cap::msg::kIndexNotJson);
        return nullptr;
    }
    return pstRoot;
}

json_object *cap_GetHardwareJson(void) {
    cap_HardWareIndexValInit();
    return cap_ParseHardwareFromFile();
}

int cap_GetHardwareIndexVal(json_object *pstEntry, short sIndex) {
    if (pstEntry == nullptr) {
        CAP_LOG(cap::kLogError, " para is null ptr!\n");
        return -2;
    }
    if (sIndex < 0 || sIndex >= CAP_MAX_CHANNEL) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    // An entry that is not an object has no members: the channel keeps its
    // defaults.
    for (auto [pcKey, pstVal] : cap::Members(pstEntry)) {
        bool bString = cap::IsType(pstVal, json_type_string);
        if (bString && strcmp(pcKey, "sensor") == 0) {
            const char *pcName = json_object_get_string(pstVal);
            g_pstSensorCap->aeSensorType[sIndex] = cap_MatchSensorType(pcName);
            cap::StoreText(g_pstSensorCap->aacSensorName[sIndex], pcName);
        } else if (bString && strcmp(pcKey, "lens") == 0) {
            StoreLensName(sIndex, json_object_get_string(pstVal));
        } else if (cap::IsType(pstVal, json_type_array) && strcmp(pcKey, "lens") == 0) {
            StoreLensArray(sIndex, pstVal);
        } else if (bString) {
            CAP_LOG(cap::kLogInfo, "cap_GetHardwareIndexVal key = %s is invalid in string type.",
                    pcKey);
        }
    }
    return 0;
}

int cap_ParseHardwareIndex(void) {
    cap::JsonDoc doc(cap_GetHardwareJson());
    if (doc.get() == nullptr) {
        CAP_LOG(cap::kLogError, cap::msg::kIndexFail);
        return -1;
    }
    int iRet = 0;
    for (auto [pcKey, pstVal] : cap::Members(doc.get())) {
        switch (json_object_get_type(pstVal)) {
            case json_type_int:
                if (strcmp(pcKey, "version") == 0)
                    g_pstBoardCap->usIndexVersion =
                        static_cast<unsigned short>(json_object_get_int64(pstVal));
                else
                    CAP_LOG(cap::kLogInfo,
                            " cap_ParseHardwareIndex para key=%s is invalid in int type.", pcKey);
                break;
            case json_type_string:
                if (strcmp(pcKey, "board") == 0)
                    cap::StoreText(g_pstBoardCap->acBoardType, json_object_get_string(pstVal));
                else
                    CAP_LOG(cap::kLogInfo,
                            " cap_ParseHardwareIndex para key=%s is invalid in string type.",
                            pcKey);
                break;
            case json_type_array:
                if (strcmp(pcKey, "ISP_INFO") == 0)
                    iRet = ParseIspInfo(pstVal);
                else
                    CAP_LOG(cap::kLogInfo,
                            " cap_ParseHardwareIndex para key=%s is invalid in object type.",
                            pcKey);
                break;
            case json_type_object:
                if (strcmp(pcKey, "LedInfo") == 0) iRet = cap_ParseLedInfo(pstVal);
                break;
            default:
                break;
        }
    }
    return iRet;
}

extern "C" DEVCAP_API int CAP_GetBoardType(int iSize, char *pcBoardType) {
    if (iSize < 1) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    if (pcBoardType == nullptr) {
        CAP_LOG(cap::kLogError, "Invalid input param.\n");
        return -1;
    }
    cap::CopyOutText(pcBoardType, static_cast<size_t>(iSize), g_pstBoardCap->acBoardType);
    return 0;
}

extern "C" DEVCAP_API unsigned short CAP_GetIndexCapVersion(void) {
    return g_pstBoardCap->usIndexVersion;
}
