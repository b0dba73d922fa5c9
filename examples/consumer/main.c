/*
 * A program that links libdevcap, as a camera application does: it provides
 * the platform functions (platform.c), runs the library's start-up once and
 * then asks a few questions.
 *
 *   consumer                 on the camera: the device itself
 *   consumer ROOT [DEVICE]   on a copy of a camera's file system, e.g.
 *                            consumer examples/rootfs IPC-BOX-8M
 *
 * The second form uses the library's host conveniences, CAP_SetRootDir and
 * CAP_SetDeviceNameOverride; a camera application calls neither.
 */
#include <stdio.h>

#include "devcap.h"
#include "platform.h"

int main(int argc, char **argv) {
    if (argc > 3) {
        fprintf(stderr, "usage: consumer [ROOT [DEVICE]]\n");
        return 2;
    }
    if (argc > 1) {
        /* The library's own files under ROOT; the raw partitions are the
         * platform's to read, so the platform is told as well. */
        CAP_SetRootDir(argv[1]);
        PLATFORM_SetRawRoot(argv[1]);
    }
    if (argc > 2) CAP_SetDeviceNameOverride(argv[2]);

    /* Once, before any query: 0, or the code of the stage that failed. */
    int iRet = CAP_CapInit();
    if (iRet != 0) {
        fprintf(stderr, "consumer: CAP_CapInit failed: %d\n", iRet);
        return 1;
    }

    char acText[CAP_NAME_LEN];
    printf("libdevcap        %s\n", DEVCAP_VERSION_STRING);
    if (CAP_GetDeviceName(sizeof(acText), acText) == 0) printf("device name      %s\n", acText);
    if (CAP_GetProductName(sizeof(acText), acText) == 0) printf("product (tag)    %s\n", acText);
    printf("camera type      %d\n", CAP_GetCameraType()); /* CameraType: 3 is CAP_CAMERA_PTZ */
    printf("sensors          %u\n", (unsigned)CAP_GetSensorNum());
    /* A GPIO query refuses an index outside its slots with -4 (and logs an
     * error); -1 is a slot without a line. */
    printf("alarm inputs     %d, GPIOs", CAP_GetAlarmInNum());
    for (int i = 0; i < CAP_GetAlarmInNum() && i < CAP_ALARM_SLOTS; ++i) printf(" %d", CAP_GetAlarmInWithGpio(i));
    printf("\n");
    char acNode[CAP_NODE_LEN];
    if (CAP_GetUart485Num() > 0 && CAP_GetUart485DeviceNode(0, sizeof(acNode), acNode) == 0)
        printf("RS-485 port 0    /dev/%s\n", acNode);
    return 0;
}
