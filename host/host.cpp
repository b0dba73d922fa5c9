// Stand-in platform: logger writing "module level message" lines to standard
// error (or to a sink the host installs), and system services whose answers
// the host sets, with raw partitions read as files.
#include "host.h"

#include <atomic>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "devcap_platform.h"

namespace {

constexpr int kModules = 64;

// Level + 1 of each module; 0 until the module sets one, which lets everything pass.
std::atomic<int> g_aiModuleLevel[kModules];
std::atomic<int> g_iThreshold{7};
std::atomic<int> g_iEquipment{0};
std::atomic<int> g_iMemType{0};
std::atomic<int> g_bReadFail{0};
std::atomic<unsigned long> g_ulEquipmentCalls{0};
std::atomic<HOST_LogSink> g_pfnSink{nullptr};
std::atomic<void *> g_pSinkUser{nullptr};
char g_acRoot[256];

}  // namespace

extern "C" {

const char *HOST_LevelName(int iLevel) {
    switch (iLevel) {
        case 3: return "error";
        case 4: return "warning";
        case 6: return "info";
        case 7: return "debug";
        default: return "log";
    }
}

void HOST_SetRootDir(const char *pcRoot) {
    g_acRoot[0] = '\0';
    if (pcRoot == nullptr) return;
    size_t ulLen = strlen(pcRoot);
    while (ulLen > 0 && pcRoot[ulLen - 1] == '/') --ulLen;
    if (ulLen >= sizeof(g_acRoot)) ulLen = sizeof(g_acRoot) - 1;
    memcpy(g_acRoot, pcRoot, ulLen);
    g_acRoot[ulLen] = '\0';
}

void HOST_SetEquipmentMode(int iMode) { g_iEquipment = iMode; }
void HOST_SetMemType(int iType) { g_iMemType = iType; }
void HOST_SetMemReadFail(int bFail) { g_bReadFail = bFail; }
unsigned long HOST_GetEquipmentModeCalls(void) { return g_ulEquipmentCalls; }

void HOST_SetLogSink(HOST_LogSink pfnSink, void *pUser) {
    g_pSinkUser = pUser;
    g_pfnSink = pfnSink;
}

void HOST_SetLogThreshold(int iLevel) { g_iThreshold = iLevel; }

int LOG_SetLevel(int iModule, int iLevel) {
    if (iModule < 0 || iModule >= kModules) return -1;
    g_aiModuleLevel[iModule] = iLevel + 1;
    return 0;
}

const char *LOG_EnumToStr(int iModule) { return iModule == 30 ? HOST_MODULE_NAME : "UNKNOWN"; }

void LOG_Msg(int iModule, int iLevel, const char *pcFmt, ...) {
    int iSet = (iModule >= 0 && iModule < kModules) ? g_aiModuleLevel[iModule].load() : 0;
    int iModuleLevel = iSet == 0 ? 7 : iSet - 1;
    if (iLevel > iModuleLevel || iLevel > g_iThreshold) return;
    char acMsg[2048];
    va_list ap;
    va_start(ap, pcFmt);
    vsnprintf(acMsg, sizeof(acMsg), pcFmt, ap);
    va_end(ap);
    HOST_LogSink pfnSink = g_pfnSink;
    if (pfnSink != nullptr) {
        pfnSink(iModule, iLevel, acMsg, g_pSinkUser);
        return;
    }
    size_t ulLen = strlen(acMsg);
    const char *pcEol = (ulLen > 0 && acMsg[ulLen - 1] == '\n') ? "" : "\n";
    fprintf(stderr, "%s %s %s%s", LOG_EnumToStr(iModule), HOST_LevelName(iLevel), acMsg, pcEol);
}

int SYS_IsEquipmentMode(void) {
    ++g_ulEquipmentCalls;
    return g_iEquipment;
}

int SYS_MEM_GetType(void) { return g_iMemType; }

// The partition is a file; bytes past its end read as zeros, as on an erased
// flash. Only a device that cannot be opened or read fails.
int SYS_MEM_Read(const char *pcDev, unsigned int uiOffset, unsigned int uiLen, void *pBuf) {
    if (pcDev == nullptr || pBuf == nullptr || g_bReadFail) return -1;
    char acPath[512];
    snprintf(acPath, sizeof(acPath), "%s%s", g_acRoot, pcDev);
    int iFd = open(acPath, O_RDONLY);
    if (iFd < 0) return -1;
    memset(pBuf, 0, uiLen);
    unsigned int uiDone = 0;
    while (uiDone < uiLen) {
        ssize_t lRead = pread(iFd, static_cast<char *>(pBuf) + uiDone, uiLen - uiDone,
                              static_cast<off_t>(uiOffset) + uiDone);
        if (lRead < 0) {
            close(iFd);
            return -1;
        }
        if (lRead == 0) break;
        uiDone += static_cast<unsigned int>(lRead);
    }
    close(iFd);
    return 0;
}

}  // extern "C"
