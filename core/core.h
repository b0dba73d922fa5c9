// Internal operations of start-up and device identity.
#pragma once

#include <json-c/json.h>

#include "devcap.h"

// The record cleared to zero bytes and the exported pointers set to it and
// its regions: the first step of start-up.
void cap_ResetRecord(void);

// Device identity sources.
int cap_GetDeviceName(int iSize, char *pcDevName);
int cap_GetDeviceParam(int iSize, char *pcDevParam);
int cap_GetDevNameFromElecTag(int iSize, char *pcDevName);
const char *cap_GetCapDev(void);  // "/dev/mtd2" (NAND) or "/dev/mmcblk0p2" (eMMC)
int cap_ReadSerialNum(char *pcSerial, unsigned short usSize);

// Hardware index (stage 1).
void cap_HardWareIndexValInit(void);
int cap_ParseHardwareIndex(void);
json_object *cap_GetHardwareJson(void);
json_object *cap_ParseHardwareFromFile(void);
// One "ISP_INFO" entry into channel sIndex (0..3); null entry -2, a channel
// outside the record -4.
int cap_GetHardwareIndexVal(json_object *pstEntry, short sIndex);

// Capability file paths (stage 2).
int cap_GetOneCapFilesPath(const char *pcCap, const char *pcName, char *pcOutCapPath);
void cap_CapPathInit(void);
int cap_GetCapFilesPath(void);

// Sensor and lens vocabulary.
SensorType cap_MatchSensorType(const char *pcVal);
LensType cap_MatchLensType(const char *pcVal);
FixDistance cap_MatchFixDistance(const char *pcVal);
