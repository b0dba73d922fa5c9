// Bench-local platform. Linking this instead of the stand-in host library
// gives the benchmarks full control over what a message costs.
#include "platform.h"

#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "devcap_platform.h"

namespace {

bench::LogMode g_enLogMode = bench::LogMode::kDiscard;
unsigned long g_ulMessages;
char g_acLine[2048];
char g_acRoot[512];
int g_iEquipment;

}  // namespace

namespace bench {

void SetLogMode(LogMode enMode) { g_enLogMode = enMode; }
unsigned long Messages() { return g_ulMessages; }
void ResetMessages() { g_ulMessages = 0; }
void SetEquipmentMode(int iMode) { g_iEquipment = iMode; }

void SetPlatformRoot(const char *pcRoot) {
    snprintf(g_acRoot, sizeof(g_acRoot), "%s", pcRoot != nullptr ? pcRoot : "");
}

}  // namespace bench

extern "C" {

int LOG_SetLevel(int, int) { return 0; }

const char *LOG_EnumToStr(int iModule) { return iModule == 30 ? "CAP" : "UNKNOWN"; }

void LOG_Msg(int, int, const char *pcFmt, ...) {
    ++g_ulMessages;
    if (g_enLogMode == bench::LogMode::kDiscard) return;
    va_list ap;
    va_start(ap, pcFmt);
    vsnprintf(g_acLine, sizeof(g_acLine), pcFmt, ap);
    va_end(ap);
}

int SYS_IsEquipmentMode(void) { return g_iEquipment; }

int SYS_MEM_GetType(void) { return 0; }

int SYS_MEM_Read(const char *pcDev, unsigned int uiOffset, unsigned int uiLen, void *pBuf) {
    if (pcDev == nullptr || pBuf == nullptr) return -1;
    char acPath[1024];
    snprintf(acPath, sizeof(acPath), "%s%s", g_acRoot, pcDev);
    int iFd = open(acPath, O_RDONLY);
    if (iFd < 0) return -1;
    memset(pBuf, 0, uiLen);
    ssize_t lRead = pread(iFd, pBuf, uiLen, static_cast<off_t>(uiOffset));
    close(iFd);
    return lRead < 0 ? -1 : 0;
}

}  // extern "C"
