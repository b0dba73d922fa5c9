// STUB: hardware index (to be written).
#include "core/core.h"
int cap_ParseHardwareIndex(void) { return -1; }
