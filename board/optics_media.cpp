// STUB: iris, IR-cut, video and audio (to be written).
#include "board/board.h"
void cap_OpticsMediaValInit(void) {}
int cap_ParseIris(json_object *) { return 0; }
int cap_ParseIrcut(json_object *) { return 0; }
int cap_ParseVideo(json_object *) { return 0; }
int cap_ParseAudio(json_object *) { return 0; }
