/*
 * Stand-in platform for hosts without the camera's platform services: our
 * tools and tests. It provides the logger and system-service symbols that
 * libdevcap leaves undefined, and lets the host steer them.
 */
#ifndef DEVCAP_HOST_H
#define DEVCAP_HOST_H

#ifdef __cplusplus
extern "C" {
#endif

/* Raw devices ("/dev/mtd2", "/dev/mmcblk0p2") are read as files under this
 * directory (null or "" for the plain paths). */
void HOST_SetRootDir(const char *pcRoot);
/* What SYS_IsEquipmentMode answers (default 0). */
void HOST_SetEquipmentMode(int iMode);
/* What SYS_MEM_GetType answers: 0 NAND, otherwise eMMC (default 0). */
void HOST_SetMemType(int iType);
/* Make SYS_MEM_Read fail (non-zero) or work again (0). */
void HOST_SetMemReadFail(int bFail);
/* Number of SYS_IsEquipmentMode calls so far. */
unsigned long HOST_GetEquipmentModeCalls(void);

/* A message after formatting, as the logger would emit it. */
typedef void (*HOST_LogSink)(int iModule, int iLevel, const char *pcMsg, void *pUser);
/* Send messages to this sink instead of standard error (null: standard error). */
void HOST_SetLogSink(HOST_LogSink pfnSink, void *pUser);
/* Emit only levels at or below this (default 7); also bounded by LOG_SetLevel. */
void HOST_SetLogThreshold(int iLevel);

/* The word for a log level: "error", "warning", "info", "debug" (else "log"). */
const char *HOST_LevelName(int iLevel);

/* The name LOG_EnumToStr gives the library's module. */
#define HOST_MODULE_NAME "CAP"

#ifdef __cplusplus
}
#endif

#endif /* DEVCAP_HOST_H */
