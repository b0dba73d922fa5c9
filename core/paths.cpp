// STUB: capability file paths (to be written).
#include "core/core.h"
int cap_GetCapFilesPath(void) { return -1; }
