/*
 * Platform services the host process provides to libdevcap. The library
 * leaves these symbols undefined; the host resolves them when it loads it.
 */
#ifndef DEVCAP_PLATFORM_H
#define DEVCAP_PLATFORM_H

#ifdef __cplusplus
extern "C" {
#endif

/* Logger. The library logs under module 30 at levels 3 (error), 4 (warning),
 * 6 (information) and 7 (debug). */
int LOG_SetLevel(int iModule, int iLevel);
const char *LOG_EnumToStr(int iModule);
void LOG_Msg(int iModule, int iLevel, const char *pcFmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

/* System services. */
int SYS_IsEquipmentMode(void);   /* 1 in equipment (factory) mode */
int SYS_MEM_GetType(void);       /* 0 NAND ("/dev/mtd2"), else eMMC ("/dev/mmcblk0p2") */
/* Copy uiLen bytes at uiOffset of a raw device into pBuf; 0 on success. */
int SYS_MEM_Read(const char *pcDev, unsigned int uiOffset, unsigned int uiLen, void *pBuf);

#ifdef __cplusplus
}
#endif

#endif /* DEVCAP_PLATFORM_H */
