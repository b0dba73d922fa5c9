// The board file cap_board.json: defaults of a board load, the top-level
// members dispatched by JSON type then key, and the array keys shared by the
// top level and the "Alarm" object.
#include <stddef.h>
#include <string.h>

#include "board/board.h"
#include "board/elements.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/sysfile.h"
#include "platform/words.h"

namespace {

// The array keys, shared by the top level and the "Alarm" object.
enum ArrayKey : unsigned char {
    kAlarmInWithGpio, kAlarmOutWithGpio, kAlarmInWithI2c, kAlarmOutWitchI2c,
    kHWVersionWithGPIO, kLensPinsA, kLensPinsB, kMotorType, kNoArrayKey,
};

constexpr cap::Word<ArrayKey, sizeof("HWVersionWithGPIO")> kArrayKeys[] = {
    {"AlarmInWithGpio", ArrayKey::kAlarmInWithGpio},
    {"AlarmOutWithGpio", ArrayKey::kAlarmOutWithGpio},
    {"AlarmInWithI2c", ArrayKey::kAlarmInWithI2c},
    {"AlarmOutWitchI2c", ArrayKey::kAlarmOutWitchI2c},
    {"HWVersionWithGPIO", ArrayKey::kHWVersionWithGPIO},
    {"LensPinsA", ArrayKey::kLensPinsA},
    {"LensPinsB", ArrayKey::kLensPinsB},
    {"MotorType", ArrayKey::kMotorType},
};

// The object keys of the top level.
enum ObjectKey : unsigned char {
    kAlarm, kUart, kIris, kIrcut, kVideo, kAudio, kTemperature,
    kCVBS, kSniffer, kAccelerate, kEcompass, kPTZ, kLedInfo, kNoObjectKey,
};

constexpr cap::Word<ObjectKey, sizeof("Temperature")> kObjectKeys[] = {
    {"Alarm", ObjectKey::kAlarm},       {"Uart", ObjectKey::kUart},
    {"Iris", ObjectKey::kIris},         {"Ircut", ObjectKey::kIrcut},
    {"Video", ObjectKey::kVideo},       {"Audio", ObjectKey::kAudio},
    {"Temperature", ObjectKey::kTemperature}, {"CVBS", ObjectKey::kCVBS},
    {"Sniffer", ObjectKey::kSniffer},   {"Accelerate", ObjectKey::kAccelerate},
    {"Ecompass", ObjectKey::kEcompass}, {"PTZ", ObjectKey::kPTZ},
    {"LedInfo", ObjectKey::kLedInfo},
};

// The member of a key in a key table; enNone when the table has no such key.
template <typename E, size_t L, size_t N>
E KeyOf(const cap::Word<E, L> (&astRows)[N], const char *pcKey, E enNone) {
    const cap::Word<E, L> *pstRow = cap::Find(astRows, pcKey);
    return pstRow != nullptr ? pstRow->Val() : enNone;
}

// Up to four GPIO numbers (the file format ignores further elements), one
// per byte from the top down, ORed into the field. Each is cut to its own
// byte so that it cannot spill into another's.
void StoreHWVersion(json_object *pstArray, unsigned int &uiHWVersionGpio) {
    const size_t ulLen = cap::ArrayLen(pstArray);
    for (size_t i = 0; i < ulLen && i < 4; ++i) {
        const int iGpio = json_object_get_int(cap::ArrayAt(pstArray, i));
        uiHWVersionGpio |= (static_cast<unsigned int>(iGpio) & 0xFFu) << (24 - 8 * i);
    }
}

// The board's boolean keys; false for any other key.
bool ParseBoardBoolVal(const char *pcKey, json_object *pstJsonVal) {
    const unsigned int bVal = json_object_get_boolean(pstJsonVal) ? 1u : 0u;
    if (strcmp(pcKey, "TemperatureHumidity") == 0) {
        g_pstBoardCap->bTempHumiditySup = bVal;
    } else if (strcmp(pcKey, "DoubleIntSup") == 0) {
        g_pstBoardCap->bDoubleIntfSup = bVal;
    } else {
        return false;
    }
    return true;
}

}  // namespace

void cap_BoardInfoValInit(void) {
    BoardCap *pstBoard = g_pstBoardCap;
    memset(pstBoard->acBoardReserved, 0, sizeof(pstBoard->acBoardReserved));
    pstBoard->bTempSupport = 0;
    pstBoard->enCameraType = CAP_CAMERA_INVALID;
    pstBoard->enSocType = CAP_SOC_HI3516AV200;
    pstBoard->iResetGpio = -1;
    pstBoard->enSensorHardCtl = CAP_HARDCTL_SOC;
    cap::SetAll(pstBoard->aenMotorType, static_cast<MotorType>(CAP_MOTOR_INVALID));
    pstBoard->enRamSize = CAP_RAM_INVALID;
    pstBoard->ucSdSlotNum = 0;
    pstBoard->enMemWidth = CAP_MEM_WIDTH_32;
    pstBoard->bDoubleIntfSup = 0;
    pstBoard->enFpgaCtlI2c = CAP_FPGA_I2C_INVALID;
    cap::SetAll(pstBoard->aiLensPinsA, -1);
    cap::SetAll(pstBoard->aiLensPinsB, -1);
    pstBoard->bTempHumiditySup = 0;

    cap_AlarmUartValInit();
    cap_OpticsMediaValInit();
    cap_PeripheralValInit();
    cap_PtzValInit();
}

int cap_ParseBoardIntVal(const char *pcKey, json_object *pstJsonVal) {
    if (pcKey == nullptr || pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseBoardIntVal para  is null ptr!\n");
        return -2;
    }
    const int iVal = json_object_get_int(pstJsonVal);
    const unsigned short usVal = static_cast<unsigned short>(iVal);
    CAP_LOG(cap::kLogInfo, cap::msg::kBoardIntTrace, pcKey, usVal);
    if (!cap::IsType(pstJsonVal, json_type_int)) {
        CAP_LOG(cap::kLogError, "Key = %s,Val = %d is not IntType\n", pcKey, usVal);
        return -1;
    }

    BoardCap *pstBoard = g_pstBoardCap;
    if (strcmp(pcKey, "ResetGpio") == 0) {
        // The whole signed number: -1 is "no reset line".
        pstBoard->iResetGpio = iVal;
    } else if (strcmp(pcKey, "RamSize") == 0) {
        pstBoard->enRamSize = cap_MatchRamSize(usVal);
    } else if (strcmp(pcKey, "SDSlotNum") == 0) {
        pstBoard->ucSdSlotNum = static_cast<unsigned char>(usVal);
    } else if (strcmp(pcKey, "MemWidth") == 0) {
        pstBoard->enMemWidth = cap_MatchMemWidth(usVal);
    } else {
        CAP_LOG(cap::kLogInfo, "key=%s is not in INT part.\n", pcKey);
    }
    return 0;
}

int cap_ParseBoardStrVal(const char *pcKey, json_object *pstJsonVal) {
    if (pcKey == nullptr || pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseBoardStrVal para is null ptr !\n");
        return -2;
    }
    if (!cap::IsType(pstJsonVal, json_type_string)) {
        CAP_LOG(cap::kLogInfo, "Key = %s,Val = %s is not StringType\n", pcKey,
                json_object_get_string(pstJsonVal));
        return -1;
    }

    BoardCap *pstBoard = g_pstBoardCap;
    const char *pcVal = json_object_get_string(pstJsonVal);
    if (strcmp(pcKey, "CameraType") == 0) {
        pstBoard->enCameraType = cap_MatchCameraType(pcVal);
    } else if (strcmp(pcKey, "SocPlatform") == 0) {
        pstBoard->enSocType = cap_MatchSocType(pcVal);
    } else if (strcmp(pcKey, "SensorHardCtl") == 0) {
        pstBoard->enSensorHardCtl = cap_MatchHardCtl(pcVal);
    } else if (strcmp(pcKey, "FPGACtlI2c") == 0) {
        pstBoard->enFpgaCtlI2c = cap_MatchFGPGAI2cCtl(pcVal);
    } else {
        CAP_LOG(cap::kLogInfo, "key=%s is not in String part.\n", pcKey);
    }
    return 0;
}

int cap_ParseBoardObjectVal(const char *pcKey, json_object *pstJsonVal) {
    if (pcKey == nullptr || pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseBoardObjectVal para is null ptr!\n");
        return -2;
    }
    if (!cap::IsType(pstJsonVal, json_type_object)) {
        CAP_LOG(cap::kLogInfo, "Key = %s is not json_type_object\n", pcKey);
        return -1;
    }

    // The parsers report their own failures; the member is handled either way.
    switch (KeyOf(kObjectKeys, pcKey, kNoObjectKey)) {
        case ObjectKey::kAlarm: cap_ParseAlarmVal(pstJsonVal); break;
        case ObjectKey::kUart: cap_ParseUartVal(pstJsonVal); break;
        case ObjectKey::kIris: cap_ParseIris(pstJsonVal); break;
        case ObjectKey::kIrcut: cap_ParseIrcut(pstJsonVal); break;
        case ObjectKey::kVideo: cap_ParseVideo(pstJsonVal); break;
        case ObjectKey::kAudio: cap_ParseAudio(pstJsonVal); break;
        case ObjectKey::kTemperature: cap_ParseTemperature(pstJsonVal); break;
        case ObjectKey::kCVBS: cap_ParseCVBS(pstJsonVal); break;
        case ObjectKey::kSniffer: cap_ParseSniffer(pstJsonVal); break;
        case ObjectKey::kAccelerate: cap_ParseAccelerate(pstJsonVal); break;
        case ObjectKey::kEcompass: cap_ParseEcompass(pstJsonVal); break;
        case ObjectKey::kPTZ: cap_ParsePtz(pstJsonVal); break;
        case ObjectKey::kLedInfo:
            // LED information from the hardware index comes first: the board
            // file's is taken only while no LED count is known.
            if ((CAP_GetLedNum() & 0xFFFFu) == 0) cap_ParseLedInfo(pstJsonVal);
            break;
        case ObjectKey::kNoObjectKey:
            CAP_LOG(cap::kLogInfo, "cap_ParseBoardObjectVal para is invalid:pcKey=%s!\n", pcKey);
            break;
    }
    return 0;
}

int cap_BoardArrayInit(const char *pcKey, json_object *pstJsonVal) {
    if (pcKey == nullptr || pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_BoardArrayInit is null ptr\n");
        return -2;
    }

    BoardCap *pstBoard = g_pstBoardCap;
    AlarmCap &stAlarm = pstBoard->stAlarm;
    const size_t ulLen = cap::ArrayLen(pstJsonVal);
    switch (KeyOf(kArrayKeys, pcKey, kNoArrayKey)) {
        case ArrayKey::kAlarmInWithGpio:
            cap::FillInts(CAP_HERE, pcKey, stAlarm.aiAlarmInGpio, pstJsonVal);
            // The count is the whole array's, written only by a non-empty one.
            if (ulLen > 0) stAlarm.usAlarmInNum = static_cast<unsigned short>(ulLen);
            break;
        case ArrayKey::kAlarmOutWithGpio:
            cap::FillInts(CAP_HERE, pcKey, stAlarm.aiAlarmOutGpio, pstJsonVal);
            if (ulLen > 0) stAlarm.usAlarmOutNum = static_cast<unsigned short>(ulLen);
            break;
        case ArrayKey::kAlarmInWithI2c:
            cap::ReadPresentI2c(stAlarm.stAlarmInI2cInfo, pstJsonVal);
            break;
        case ArrayKey::kAlarmOutWitchI2c:
            cap::ReadPresentI2c(stAlarm.stAlarmOutI2cInfo, pstJsonVal);
            break;
        case ArrayKey::kHWVersionWithGPIO:
            StoreHWVersion(pstJsonVal, pstBoard->uiHWVersionGpio);
            break;
        case ArrayKey::kLensPinsA:
            cap::FillInts(CAP_HERE, pcKey, pstBoard->aiLensPinsA, pstJsonVal);
            break;
        case ArrayKey::kLensPinsB:
            cap::FillInts(CAP_HERE, pcKey, pstBoard->aiLensPinsB, pstJsonVal);
            break;
        case ArrayKey::kMotorType:
            cap::FillWords<cap_MatchMotorType>(CAP_HERE, pcKey, pstBoard->aenMotorType, pstJsonVal);
            break;
        case ArrayKey::kNoArrayKey:
            for (size_t i = 0; i < ulLen; ++i) CAP_LOG(cap::kLogInfo, "key=%s is invaild.\n", pcKey);
            break;
    }
    return 0;
}

extern "C" DEVCAP_API int cap_BoardCapInit(void) {
    cap::JsonDoc doc(cap::JsonFromFile(g_pstCapFiles->acBoardPath));
    json_object *pstRoot = doc.get();
    if (pstRoot == nullptr) {
        CAP_LOG(cap::kLogError, cap::msg::kBoardNotJson);
        return -1;
    }
    // Only an object has members to read; any other JSON value fails the
    // load as a missing file does.
    if (!cap::IsType(pstRoot, json_type_object)) {
        CAP_LOG(cap::kLogError, cap::msg::kBoardNotObject);
        return -1;
    }

    cap_BoardInfoValInit();
    for (cap::Member m : cap::Members(pstRoot)) {
        switch (json_object_get_type(m.val)) {
            case json_type_boolean:
                if (!ParseBoardBoolVal(m.key, m.val))
                    CAP_LOG(cap::kLogInfo, "key = %s is not in BoolType part.", m.key);
                break;
            case json_type_int:
                if (cap_ParseBoardIntVal(m.key, m.val) != 0)
                    CAP_LOG(cap::kLogError, "cap_ParseBoardIntVal return val erro!\n");
                break;
            case json_type_string:
                if (cap_ParseBoardStrVal(m.key, m.val) != 0)
                    CAP_LOG(cap::kLogError, "cap_ParseBoardStrVal return val erro!\n");
                break;
            case json_type_object:
                if (cap_ParseBoardObjectVal(m.key, m.val) != 0)
                    CAP_LOG(cap::kLogError, "cap_ParseBoardObjectVal return val erro!\n");
                break;
            case json_type_array:
                cap_BoardArrayInit(m.key, m.val);
                break;
            default:  // null and floating-point values
                break;
        }
    }
    return 0;
}
