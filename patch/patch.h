// Internal operations of the patch module.
#pragma once

#include <json-c/json.h>
#include <stddef.h>

#include "devcap.h"
#include "platform/log.h"

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

// How many of ulLen array elements have a slot among ulSlots; when some have
// none, a warning from the caller's site names the key. The extra elements are
// dropped.
size_t cap_PatchSlots(cap::Site site, const char *pcKey, size_t ulLen, size_t ulSlots);
