/*
 * A minimal implementation of the six platform functions libdevcap leaves
 * undefined (devcap_platform.h), to start a camera application from. The
 * library calls them from CAP_CapInit and from a few queries; they must be
 * defined by the program that links libdevcap (or by a library it links).
 */
#define _POSIX_C_SOURCE 200809L
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "devcap_platform.h"
#include "platform.h"

/* ---- logger ------------------------------------------------------------ */

enum { kModules = 64, kCapModule = 30 };

/* Highest level each module logs; the library sets its own (module 30) to 7
 * at start-up. Levels: 3 error, 4 warning, 6 information, 7 debug. */
static int s_aiLevel[kModules];
/* What this application wants to see, whatever the modules ask for. */
static const int kShownLevel = 4;

/* Set a module's level; 0, or -1 for a module number out of range. */
int LOG_SetLevel(int iModule, int iLevel) {
    if (iModule < 0 || iModule >= kModules) return -1;
    s_aiLevel[iModule] = iLevel;
    return 0;
}

/* The name of a module, for the log line. */
const char *LOG_EnumToStr(int iModule) { return iModule == kCapModule ? "CAP" : "?"; }

/* One message: a printf format and its arguments. The library's messages
 * begin with "[CAP][function][line] " and may or may not end in a newline.
 * A camera logger would hand them to syslog or its own log service. */
void LOG_Msg(int iModule, int iLevel, const char *pcFmt, ...) {
    if (iModule < 0 || iModule >= kModules || iLevel > s_aiLevel[iModule] || iLevel > kShownLevel) return;
    char acMsg[1024];
    va_list ap;
    va_start(ap, pcFmt);
    vsnprintf(acMsg, sizeof(acMsg), pcFmt, ap);
    va_end(ap);
    size_t ulLen = strlen(acMsg);
    while (ulLen > 0 && (acMsg[ulLen - 1] == '\n' || acMsg[ulLen - 1] == '\r')) acMsg[--ulLen] = '\0';
    fprintf(stderr, "%s %s: %s\n", LOG_EnumToStr(iModule), iLevel <= 3 ? "error" : "warning", acMsg);
}

/* ---- system services --------------------------------------------------- */

/* 1 in equipment (factory) mode, else 0. In equipment mode the library takes
 * the product folder /usr/bin/IPC-DEFAULT when it exists. A camera reads its
 * factory flag here (a boot argument, a flag partition); this example is
 * never in equipment mode. */
int SYS_IsEquipmentMode(void) { return 0; }

/* Where the electronic tag is: 0 NAND (the library reads "/dev/mtd2"), any
 * other value eMMC ("/dev/mmcblk0p2"). */
int SYS_MEM_GetType(void) { return 0; }

static char s_acRawRoot[256];

void PLATFORM_SetRawRoot(const char *pcRoot) {
    snprintf(s_acRawRoot, sizeof(s_acRawRoot), "%s", pcRoot != NULL ? pcRoot : "");
}

/* Copy uiLen bytes at uiOffset of the raw device pcDev ("/dev/mtd2" or
 * "/dev/mmcblk0p2", always the device path) into pBuf; 0 on success, any
 * other value when the device cannot be opened or read. Bytes past the end
 * of the device read as zeros: the library reads the tag in 4 KiB blocks of
 * text ending at a zero byte. */
int SYS_MEM_Read(const char *pcDev, unsigned int uiOffset, unsigned int uiLen, void *pBuf) {
    char acPath[512];
    if (pcDev == NULL || pBuf == NULL) return -1;
    snprintf(acPath, sizeof(acPath), "%s%s", s_acRawRoot, pcDev);
    int iFd = open(acPath, O_RDONLY | O_CLOEXEC);
    if (iFd < 0) return -1;
    memset(pBuf, 0, uiLen);
    unsigned int uiDone = 0;
    while (uiDone < uiLen) {
        ssize_t lRead = pread(iFd, (char *)pBuf + uiDone, uiLen - uiDone, (off_t)uiOffset + uiDone);
        if (lRead < 0) {
            close(iFd);
            return -1;
        }
        if (lRead == 0) break;
        uiDone += (unsigned int)lRead;
    }
    close(iFd);
    return 0;
}
