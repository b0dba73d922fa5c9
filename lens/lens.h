// Internal operations of the lens module.
#pragma once

#include "devcap.h"

// Read one lens file into slot usIndex.
int cap_LensCapInit(unsigned short usIndex, const char *pcPath);
