// Sensor modes: the words of a sensor file's "SensorMode" and the members
// they give. The one copy of these words: the sensor file parser matches with
// them, the tool documents and checks with them.
#pragma once

#include "devcap.h"
#include "platform/words.h"

namespace cap {

inline constexpr Word<SensorMode, sizeof("4m2688_1520ph")> kModeWords[] = {
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

inline constexpr Vocabulary kModeVocab{kModeWords, CAP_SENSOR_MODE_INVALID,
                                       CAP_SENSOR_MODE_INVALID, Unknown::kSilent};

static_assert(Find(kModeWords, "4m2688_1520ph")->Val() == 27);
static_assert(Find(kModeWords, "4m2688_1520pl")->Val() == 28);
static_assert(Find(kModeWords, "9m2160ph")->Val() == 26);

}  // namespace cap
