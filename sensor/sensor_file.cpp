// Sensor files: the mode each sensor runs in, from its cap_sensor.json.
#include <string.h>

#include "platform/channels.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/sysfile.h"
#include "platform/words.h"
#include "sensor/sensor.h"

namespace {

using cap::Word;

constexpr Word<SensorMode, 14> kModeWords[] = {
    {"normal", CAP_SENSOR_MODE_NORMAL},
    {"720pl", CAP_SENSOR_MODE_720PL},           {"720ph", CAP_SENSOR_MODE_720PH},
    {"1080pl", CAP_SENSOR_MODE_1080PL},         {"1080ph", CAP_SENSOR_MODE_1080PH},
    {"960pl", CAP_SENSOR_MODE_960PL},           {"960ph", CAP_SENSOR_MODE_960PH},
    {"3m1536pl", CAP_SENSOR_MODE_3M1536PL},     {"3m1536ph", CAP_SENSOR_MODE_3M1536PH},
    {"3m1296pl", CAP_SENSOR_MODE_3M1296PL},     {"3m1296ph", CAP_SENSOR_MODE_3M1296PH},
    {"5m1920pl", CAP_SENSOR_MODE_5M1920PL},     {"5m1920ph", CAP_SENSOR_MODE_5M1920PH},
    {"5m1944pl", CAP_SENSOR_MODE_5M1944PL},     {"5m1944ph", CAP_SENSOR_MODE_5M1944PH},
    {"5m1728pl", CAP_SENSOR_MODE_5M1728PL},     {"5m1728ph", CAP_SENSOR_MODE_5M1728PH},
    {"4m1520pl", CAP_SENSOR_MODE_4M1520PL},     {"4m1520ph", CAP_SENSOR_MODE_4M1520PH},
    {"8m2160pl", CAP_SENSOR_MODE_8M2160PL},     {"8m2160ph", CAP_SENSOR_MODE_8M2160PH},
    {"12m3000pl", CAP_SENSOR_MODE_12M3000PL},   {"12m3000ph", CAP_SENSOR_MODE_12M3000PH},
    {"4m1440pl", CAP_SENSOR_MODE_4M1440PL},     {"4m1440ph", CAP_SENSOR_MODE_4M1440PH},
    {"9m2160pl", CAP_SENSOR_MODE_9M2160PL},     {"9m2160ph", CAP_SENSOR_MODE_9M2160PH},
    // The last pair runs the other way round: "ph" first.
    {"4m2688_1520ph", CAP_SENSOR_MODE_4M2688_1520PH},
    {"4m2688_1520pl", CAP_SENSOR_MODE_4M2688_1520PL},
};

static_assert(cap::FindWord(kModeWords, "4m2688_1520ph")->Val() == 27);
static_assert(cap::FindWord(kModeWords, "4m2688_1520pl")->Val() == 28);
static_assert(cap::FindWord(kModeWords, "9m2160ph")->Val() == 26);

}  // namespace

SensorMode cap_MatchSensorMode(const char *pcVal) {
    return cap::MatchWord<"invalid params!\n", "", cap::Unknown::kSilent>(
        CAP_HERE, kModeWords, pcVal, SensorMode{CAP_SENSOR_MODE_INVALID},
        SensorMode{CAP_SENSOR_MODE_INVALID});
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
