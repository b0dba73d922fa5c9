// STUB: lens files (to be written).
#include "devcap.h"
extern "C" DEVCAP_API int cap_LensInitAll(void) { return 0; }
