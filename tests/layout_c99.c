/* The exported header on its own, as a C99 host sees it: it compiles, and the
 * record has the layout the interface promises. */
#include "devcap.h"

#include <stddef.h>
#include <stdio.h>

#define LAYOUT_ASSERT(name, cond) typedef char layout_##name[(cond) ? 1 : -1]

LAYOUT_ASSERT(capfiles, sizeof(CapFiles) == 660);
LAYOUT_ASSERT(board_after_files, offsetof(DevCap, stBoardCap) == 660);
LAYOUT_ASSERT(i2c, sizeof(I2cInfo) == 6);
LAYOUT_ASSERT(alarm, sizeof(AlarmCap) == 88);
LAYOUT_ASSERT(uart, sizeof(UartCap) == 180);
LAYOUT_ASSERT(board_index_version, offsetof(BoardCap, usIndexVersion) == 322);
LAYOUT_ASSERT(board_alarm, offsetof(BoardCap, stAlarm) == 436);
LAYOUT_ASSERT(board_ptz, offsetof(BoardCap, stPtz) == 1180);
LAYOUT_ASSERT(board, sizeof(BoardCap) == 1296);
LAYOUT_ASSERT(sensor, sizeof(SensorCap) == 80);
LAYOUT_ASSERT(lens_fov, offsetof(LensCap, adFovAngle) == 176);
LAYOUT_ASSERT(lens, sizeof(LensCap) == 216);
LAYOUT_ASSERT(led, sizeof(LedInfoCap) == 248);
LAYOUT_ASSERT(patch_led, offsetof(PatchCap, stLedInfo) == 124);
LAYOUT_ASSERT(patch, sizeof(PatchCap) == 404);
LAYOUT_ASSERT(sensor_region, offsetof(DevCap, stSensorCap) == 1956);
LAYOUT_ASSERT(lens_region, offsetof(DevCap, stLensCap) == 2040);
LAYOUT_ASSERT(patch_region, offsetof(DevCap, stPatchCap) == 2256);
LAYOUT_ASSERT(record, sizeof(DevCap) == 2664);
LAYOUT_ASSERT(enum_width, sizeof(CameraType) == 4 && sizeof(SensorMode) == 4);

int main(void) {
    /* The library's exported record is the one the header describes. */
    if ((void *)&g_stDevCap.stBoardCap != (void *)((char *)&g_stDevCap + 660)) return 1;
    printf("layout ok: DevCap %u bytes\n", (unsigned)sizeof(DevCap));
    return 0;
}
