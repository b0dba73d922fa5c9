// STUB: sensor files (to be written).
#include "devcap.h"
extern "C" DEVCAP_API int cap_SensorInitAll(void) { return 0; }
