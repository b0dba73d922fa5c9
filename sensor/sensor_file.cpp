// Sensor files: the mode each sensor runs in, from its cap_sensor.json.
#include <string.h>

#include "platform/channels.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/sysfile.h"
#include "sensor/sensor.h"
#include "sensor/vocab.h"

SensorMode cap_MatchSensorMode(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kModeVocab>(CAP_HERE, pcVal);
}

int cap_SensorCapInit(unsigned short usIndex, const char *pcPath) {
    if (pcPath == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_SensorCapInit para is null!\n");
        return -2;
    }
    if (usIndex >= CAP_MAX_CHANNEL) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    cap::JsonDoc doc(cap::JsonFromFile(pcPath));
    if (doc.get() == nullptr) {
        CAP_LOG(cap::kLogError, cap::msg::kSensorNotJson);
        return -1;
    }
    // Only a text "SensorMode" counts; everything else is passed over.
    for (const cap::Member m : cap::Members(doc.get())) {
        if (cap::IsType(m.val, json_type_string) && strcmp(m.key, "SensorMode") == 0) {
            g_pstSensorCap->aeSensorMode[usIndex] = cap_MatchSensorMode(json_object_get_string(m.val));
        }
    }
    return 0;
}

extern "C" DEVCAP_API int cap_SensorInitAll(void) {
    return cap::InitChannels<cap_SensorCapInit>(g_pstSensorCap->usSensorNum,
                                                g_pstCapFiles->aacSensorPath);
}
