// STUB: the patch file (to be written).
#include "devcap.h"
extern "C" DEVCAP_API int cap_PatchCapInit(void) { return 0; }
