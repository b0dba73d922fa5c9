// Sensor queries: count, type and mode per channel, and the resolution class.
#include "devcap.h"
#include "platform/log.h"
#include "platform/query.h"

namespace {

// Resolution class of each sensor type, in units of 10 000 pixels; a type
// past the table (the invalid one included) has none.
constexpr int kResolution[] = {
    200,  // imx385
    0,    // imx185
    200,  // imx327
    400,  // imx335
    800,  // os08a10
    0,    // os02c10
    400,  // sc4210
    800,  // imx334
    0,    // sc2210
    400,  // sc4238
    0,    // imx307
    300,  // imx265
    900,  // imx305
    0,    // os04a10
    0,    // 14, no sensor
    200,  // sc200ai
    500,  // sc500ai; 400 in equipment mode
    200,  // gc2053
    800,  // imx485
};
static_assert(sizeof(kResolution) / sizeof(kResolution[0]) == CAP_SENSOR_INVALID);

}  // namespace

extern "C" {

DEVCAP_API unsigned short CAP_GetSensorNum(void) { return g_pstSensorCap->usSensorNum; }

DEVCAP_API int CAP_GetSensorType(int iIndex) {
    return cap::SlotOr<"CAP_GetSensorType para out of range.">(CAP_HERE, g_pstSensorCap->aeSensorType,
                                                               iIndex, CAP_SENSOR_INVALID);
}

DEVCAP_API int CAP_GetSensorTypeMul(int iNum, SensorType *penType) {
    return cap::CopyFirst<"CAP_GetSensorTypeAll para out of range.", "CAP_GetSensorTypeAll null ptr.">(
        CAP_HERE, g_pstSensorCap->aeSensorType, iNum, penType);
}

DEVCAP_API int CAP_GetSensorMode(int iIndex) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, g_pstSensorCap->aeSensorMode, iIndex, -4);
}

// The platform is asked about equipment mode at each query for an sc500ai.
DEVCAP_API int CAP_GetResolution(int iIndex) {
    if (!cap::InSlots<CAP_MAX_CHANNEL>(iIndex)) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    const SensorType enType = g_pstSensorCap->aeSensorType[iIndex];
    if (enType == CAP_SENSOR_SC500AI) return SYS_IsEquipmentMode() == 1 ? 400 : 500;
    return enType < CAP_SENSOR_INVALID ? kResolution[enType] : 0;
}

}  // extern "C"
