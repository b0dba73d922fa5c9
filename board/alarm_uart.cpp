// The "Alarm" and "Uart" objects of the board file: alarm inputs and outputs,
// and the RS-485, RS-232 and RS-422 ports.
#include <stddef.h>
#include <string.h>

#include "board/board.h"
#include "board/elements.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/slots.h"
#include "platform/text.h"

namespace {

void ResetUartPort(UartPort &stPort) {
    memset(stPort.aacDevNode, 0, sizeof(stPort.aacDevNode));
    cap::SetAll(stPort.aiDirectionGpio, -1);
    stPort.ucNum = 0;
}

// A port member must be an array; anything else is refused and leaves the
// port as it was.
bool IsPortArray(cap::Site site, const char *pcKey, json_object *pstVal) {
    if (cap::IsType(pstVal, json_type_array)) return true;
    CAP_LOG_AT(site, cap::kLogInfo, "key %s of UART is not an array!\n", pcKey);
    return false;
}

// "DeviceNode": one name per port, read with the text accessor; the number
// of ports is the array's length (low 8 bits), also beyond the four names
// that have a slot. A null element has no text: the text-storing rule
// reports it and its slot stays empty.
void StoreDevNodes(cap::Site site, const char *pcKey, json_object *pstArray, UartPort &stPort) {
    if (!IsPortArray(site, pcKey, pstArray)) return;
    const size_t ulLen = cap::ArrayLen(pstArray);
    if (ulLen > 0) stPort.ucNum = static_cast<unsigned char>(ulLen);
    const size_t ulNum = cap::SlotsTaken(site, pcKey, ulLen, CAP_UART_PORTS);
    for (size_t i = 0; i < ulNum; ++i)
        cap::StoreText(stPort.aacDevNode[i], json_object_get_string(cap::ArrayAt(pstArray, i)));
}

}  // namespace

void cap_AlarmUartValInit(void) {
    AlarmCap &stAlarm = g_pstBoardCap->stAlarm;
    stAlarm.enAlarmInType = CAP_ALARM_GPIO;
    stAlarm.enAlarmOutType = CAP_ALARM_GPIO;
    cap::SetAll(stAlarm.aiAlarmInGpio, -1);
    cap::SetAll(stAlarm.aiAlarmOutGpio, -1);
    stAlarm.usAlarmInNum = 0;
    stAlarm.usAlarmOutNum = 0;
    stAlarm.stAlarmInI2cInfo = I2cInfo{};
    stAlarm.stAlarmOutI2cInfo = I2cInfo{};

    UartCap &stUart = g_pstBoardCap->stUart;
    ResetUartPort(stUart.stUart485);
    ResetUartPort(stUart.stUart232);
    ResetUartPort(stUart.stUart422);
}

int cap_ParseAlarmVal(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "alarm object invalid!\n");
        return -2;
    }

    AlarmCap &stAlarm = g_pstBoardCap->stAlarm;
    for (cap::Member m : cap::Members(pstJsonVal)) {
        switch (json_object_get_type(m.val)) {
            case json_type_string: {
                const char *pcVal = json_object_get_string(m.val);
                if (strcmp(m.key, "AlarmInType") == 0)
                    stAlarm.enAlarmInType = cap_MatchAlarmType(pcVal);
                else if (strcmp(m.key, "AlarmOutType") == 0)
                    stAlarm.enAlarmOutType = cap_MatchAlarmType(pcVal);
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseAlarmVal para is not string type:key = %s!\n",
                            m.key);
                break;
            }
            case json_type_int: {
                const unsigned short usVal = static_cast<unsigned short>(json_object_get_int(m.val));
                if (strcmp(m.key, "AlarmInNum") == 0)
                    stAlarm.usAlarmInNum = usVal;
                else if (strcmp(m.key, "AlarmOutNum") == 0)
                    stAlarm.usAlarmOutNum = usVal;
                else
                    CAP_LOG(cap::kLogInfo, "cap_ParseAlarmVal para is not int type:key = %s!\n",
                            m.key);
                break;
            }
            case json_type_array:
                if (cap_BoardArrayInit(m.key, m.val) != 0)
                    CAP_LOG(cap::kLogError, "cap_BoardArrayInit return val error!\n");
                break;
            default:  // booleans, floating-point values, objects and null
                break;
        }
    }
    return 0;
}

int cap_ParseUartIndividual(json_object *pstJsonVal, UartPort *pstUartPort) {
    if (pstJsonVal == nullptr || pstUartPort == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseUartIndividual para is null ptr!\n");
        return -2;
    }
    // A port is described by an object; anything else leaves the port alone.
    if (!cap::IsType(pstJsonVal, json_type_object)) {
        CAP_LOG(cap::kLogError, "cap_ParseUartIndividual para is not an object!\n");
        return -1;
    }

    for (cap::Member m : cap::Members(pstJsonVal)) {
        if (strcmp(m.key, "DeviceNode") == 0) {
            StoreDevNodes(CAP_HERE, m.key, m.val, *pstUartPort);
        } else if (strcmp(m.key, "DirectionGpio") == 0) {
            if (IsPortArray(CAP_HERE, m.key, m.val))
                cap::FillInts(CAP_HERE, m.key, pstUartPort->aiDirectionGpio, m.val);
        } else {
            for (size_t i = 0; i < cap::ArrayLen(m.val); ++i)
                CAP_LOG(cap::kLogInfo, "key %s is not invalid in UART!\n", m.key);
        }
    }
    return 0;
}

int cap_ParseUartVal(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseUartVal para is null!\n");
        return -2;
    }

    UartCap &stUart = g_pstBoardCap->stUart;
    struct PortKey {
        const char *pcKey;
        UartPort *pstPort;
    };
    const PortKey astPorts[] = {
        {"Uart485", &stUart.stUart485},
        {"Uart422", &stUart.stUart422},
        {"Uart232", &stUart.stUart232},
    };
    for (const PortKey &stPort : astPorts) {
        // A port given in the file replaces its sub-record wholly: what its
        // object leaves out is zero, not the default.
        UartPort stScratch;
        memset(&stScratch, 0, sizeof(stScratch));
        json_object *pstPortVal = nullptr;
        json_object_object_get_ex(pstJsonVal, stPort.pcKey, &pstPortVal);
        if (cap_ParseUartIndividual(pstPortVal, &stScratch) == 0) *stPort.pstPort = stScratch;
    }
    return 0;
}
