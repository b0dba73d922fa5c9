// Internal operations of the sensor module.
#pragma once

#include "devcap.h"

// Sensor mode of a sensor file's "SensorMode" text.
SensorMode cap_MatchSensorMode(const char *pcVal);
// Read one sensor file into slot usIndex.
int cap_SensorCapInit(unsigned short usIndex, const char *pcPath);
