// cap_sensor.json: the mode a sensor runs in.
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

constexpr Key kSensorKeys[] = {
    {"SensorMode", WordOf(kSensorMode, DEVCAP_FIELD(stSensorCap.aeSensorMode)), nullptr,
     Need::kForValidAnswer, Is(CAP_SENSOR_MODE_INVALID),
     "Mode the sensor runs in: resolution and the low (pl) or high (ph) frame-rate variant."},
};

}  // namespace

constexpr Object kSensorObject = MakeObject(
    "sensor", kSensorKeys, UnknownReport{0, 0},
    "One per sensor model, shared by every product with that sensor.");

}  // namespace devcap_tool::model
