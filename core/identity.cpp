// STUB: device identity sources (to be written).
#include "core/core.h"
int cap_GetDeviceName(int, char *) { return -1; }
int cap_GetDeviceParam(int, char *) { return -1; }
int cap_GetDevNameFromElecTag(int, char *) { return -1; }
