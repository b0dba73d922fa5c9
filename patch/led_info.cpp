// STUB: LED information (to be written).
#include "devcap.h"
extern "C" DEVCAP_API int cap_ParseLedInfo(struct json_object *) { return 0; }
extern "C" DEVCAP_API unsigned short CAP_GetLedNum(void) { return 0; }
#include "patch/patch.h"
void cap_PatchLedInfoValInit(void) {}
