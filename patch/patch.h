// Internal operations of the patch module.
#pragma once

#include <json-c/json.h>

#include "devcap.h"

// Patch vocabulary.
BallType cap_MatchBallType(const char *pcVal);
LedType cap_MatchLedType(const char *pcVal);
LedHardCtlType cap_MatchLedCtl(const char *pcVal);
LaserDistance cap_MatchLaserInfo(const char *pcVal);

// LED information.
void cap_PatchLedInfoValInit(void);
int cap_PatchArrayInit(const char *pcKey, json_object *pstJsonVal);

// The patch file.
void cap_PatchInfoValInit(void);
