// STUB: temperature, CVBS, sniffer, accelerometer, e-compass (to be written).
#include "board/board.h"
void cap_PeripheralValInit(void) {}
int cap_ParseTemperature(json_object *) { return 0; }
int cap_ParseCVBS(json_object *) { return 0; }
int cap_ParseSniffer(json_object *) { return 0; }
int cap_ParseAccelerate(json_object *) { return 0; }
int cap_ParseEcompass(json_object *) { return 0; }
