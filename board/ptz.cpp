// STUB: PTZ (to be written).
#include "board/board.h"
void cap_PtzValInit(void) {}
int cap_ParsePtz(json_object *) { return 0; }
