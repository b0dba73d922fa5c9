#include "sysfile.h"

#include <fcntl.h>
#include <json-c/printbuf.h>
#include <limits.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "devcap.h"

namespace {

// Host settings; a device build never sets them.
char g_acRootDir[256];
char g_acDevNameOverride[64];
bool g_bDevNameOverride;

// What start-up holds while a cap::StartupFiles is in scope: the capability
// files found to exist, open until their parser takes them (index, board,
// four sensors, four lenses and patch at most), and the one kept small read.
struct HeldFile {
    char acPath[CAP_PATH_LEN];  // the device path, as stored in the record
    int iFd;
    long long llSize;           // as fstat gave it
    bool bHeld;                 // false: free, or taken by its parser
};
struct KeptRead {
    char acPath[CAP_PATH_LEN];
    long lRead;
    char acData[cap::kKeptReadLen];
};
bool g_bStartup;
HeldFile g_astHeld[12];
KeptRead g_stKept;
bool g_bKept;

void ReleaseHeld() {
    for (HeldFile &stHeld : g_astHeld) {
        if (stHeld.bHeld) close(stHeld.iFd);
        stHeld.bHeld = false;
    }
    g_bKept = false;
}

// The descriptor held for a device path, handed over to the caller, and its size;
// -1 when none.
int TakeHeld(const char *pcDevPath, long long *pllSize) {
    if (!g_bStartup) return -1;
    for (HeldFile &stHeld : g_astHeld) {
        if (stHeld.bHeld && strcmp(stHeld.acPath, pcDevPath) == 0) {
            stHeld.bHeld = false;
            *pllSize = stHeld.llSize;
            return stHeld.iFd;
        }
    }
    return -1;
}

// Hold an open descriptor for a later TakeHeld; false when it cannot be held.
bool Hold(const char *pcDevPath, int iFd, long long llSize) {
    if (strlen(pcDevPath) >= CAP_PATH_LEN) return false;
    for (HeldFile &stHeld : g_astHeld) {
        if (!stHeld.bHeld) {
            strcpy(stHeld.acPath, pcDevPath);
            stHeld.iFd = iFd;
            stHeld.llSize = llSize;
            stHeld.bHeld = true;
            return true;
        }
    }
    return false;
}

// An opened device path and its size, kept only when it is a regular file
// of at most llMaxSize bytes. Opening never waits (O_NONBLOCK: a FIFO without
// a writer opens at once) and makes no terminal the host's (O_NOCTTY); the
// descriptor is not inherited by programs the host runs (O_CLOEXEC).
int OpenRegular(const char *pcDevPath, long long llMaxSize, long long *pllSize) {
    char acPath[512];
    if (!cap::HostPath(pcDevPath, acPath, sizeof(acPath))) return -1;
    int iFd = open(acPath, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (iFd < 0) return -1;
    struct stat stStat;
    if (fstat(iFd, &stStat) != 0 || !S_ISREG(stStat.st_mode) ||
        static_cast<long long>(stStat.st_size) > llMaxSize) {
        close(iFd);
        return -1;
    }
    *pllSize = stStat.st_size;
    return iFd;
}

int OpenCapFile(const char *pcDevPath, long long *pllSize) {
    return OpenRegular(pcDevPath, CAP_FILE_SIZE_MAX, pllSize);
}

// The whole file into the buffer, 4 KiB a read, as json-c reads it. A file of
// a known size is read up to that size, which spares the read that would find
// its end; one that reports no size (a file of /proc) is read to its end.
// Reading on past CAP_FILE_SIZE_MAX (a file that grows, or never ends) gives
// false, as a read that fails does.
bool ReadCapFile(int iFd, long long llSize, printbuf *pstBuf) {
    char acChunk[4096];
    long long llTotal = 0;
    while (llSize == 0 || llTotal < llSize) {
        const ssize_t lRead = read(iFd, acChunk, sizeof(acChunk));
        if (lRead <= 0) return lRead == 0;
        llTotal += lRead;
        if (llTotal > CAP_FILE_SIZE_MAX ||
            printbuf_memappend(pstBuf, acChunk, static_cast<int>(lRead)) < 0)
            return false;
    }
    return true;
}

// json_object_from_fd's own steps (one buffer, reads of 4 KiB, one parse of
// the whole text), so the tree and the allocations are json-c's; but bounded
// by ReadCapFile, and whatever json-c reports as failed, the tokener's error
// code included, gives no tree.
json_object *ParseCapFile(int iFd, long long llSize) {
    printbuf *pstBuf = printbuf_new();
    json_tokener *pstTok =
        pstBuf != nullptr ? json_tokener_new_ex(JSON_TOKENER_DEFAULT_DEPTH) : nullptr;
    json_object *pstRoot = nullptr;
    if (pstTok != nullptr && ReadCapFile(iFd, llSize, pstBuf)) {
        pstRoot = json_tokener_parse_ex(pstTok, pstBuf->buf, printbuf_length(pstBuf));
        if (pstRoot != nullptr && json_tokener_get_error(pstTok) != json_tokener_success) {
            json_object_put(pstRoot);
            pstRoot = nullptr;
        }
    }
    if (pstTok != nullptr) json_tokener_free(pstTok);
    if (pstBuf != nullptr) printbuf_free(pstBuf);
    return pstRoot;
}

}  // namespace

extern "C" DEVCAP_API void CAP_SetRootDir(const char *pcRoot) {
    g_acRootDir[0] = '\0';
    if (pcRoot == nullptr) return;
    size_t ulLen = strlen(pcRoot);
    while (ulLen > 1 && pcRoot[ulLen - 1] == '/') --ulLen;  // "root/" and "root" alike
    if (ulLen == 1 && pcRoot[0] == '/') ulLen = 0;           // "/" is the device itself
    if (ulLen >= sizeof(g_acRootDir)) ulLen = sizeof(g_acRootDir) - 1;
    memcpy(g_acRootDir, pcRoot, ulLen);
    g_acRootDir[ulLen] = '\0';
}

extern "C" DEVCAP_API void CAP_SetDeviceNameOverride(const char *pcName) {
    g_bDevNameOverride = pcName != nullptr;
    g_acDevNameOverride[0] = '\0';
    if (pcName != nullptr) {
        strncpy(g_acDevNameOverride, pcName, sizeof(g_acDevNameOverride) - 1);
        g_acDevNameOverride[sizeof(g_acDevNameOverride) - 1] = '\0';
    }
}

namespace cap {

// Joined by hand: every file start-up opens or tests comes through here, and
// snprintf costs more than the copies.
bool HostPath(const char *pcDevPath, char *pcOut, size_t ulSize) {
    if (pcDevPath == nullptr) return false;
    size_t ulRoot = strlen(g_acRootDir);
    size_t ulPath = strlen(pcDevPath);
    if (ulRoot + ulPath >= ulSize) return false;
    memcpy(pcOut, g_acRootDir, ulRoot);
    memcpy(pcOut + ulRoot, pcDevPath, ulPath + 1);
    return true;
}

int FileOpen(const char *pcDevPath) {
    long long llSize;
    return OpenRegular(pcDevPath, LLONG_MAX, &llSize);
}

int FileAccess(const char *pcDevPath) {
    char acPath[512];
    if (!HostPath(pcDevPath, acPath, sizeof(acPath))) return -1;
    return access(acPath, F_OK);
}

json_object *JsonFromFile(const char *pcDevPath) {
    if (pcDevPath == nullptr) return nullptr;
    long long llSize = 0;
    int iFd = TakeHeld(pcDevPath, &llSize);
    if (iFd < 0) iFd = OpenCapFile(pcDevPath, &llSize);
    if (iFd < 0) return nullptr;
    json_object *pstRoot = ParseCapFile(iFd, llSize);
    close(iFd);
    return pstRoot;
}

int FileExists(const char *pcDevPath) {
    if (g_bStartup) {
        long long llSize;
        int iFd = OpenCapFile(pcDevPath, &llSize);
        if (iFd >= 0) {
            if (!Hold(pcDevPath, iFd, llSize)) close(iFd);
            return 0;
        }
        // Not to be read is not the same as not there (a file without read
        // permission, a FIFO, a file over the size limit exist): access decides.
    }
    return FileAccess(pcDevPath);
}

long ReadSmallFile(const char *pcDevPath, char *pcBuf, size_t ulSize) {
    if (pcDevPath == nullptr || ulSize < 1) return kNoFile;
    const bool bKeep = g_bStartup && ulSize <= kKeptReadLen && strlen(pcDevPath) < CAP_PATH_LEN;
    if (bKeep && g_bKept && strcmp(g_stKept.acPath, pcDevPath) == 0) {
        // The same question asked again: the same answer, cut to this buffer.
        long lRead = g_stKept.lRead;
        if (lRead > static_cast<long>(ulSize - 1)) lRead = static_cast<long>(ulSize - 1);
        if (lRead > 0) memcpy(pcBuf, g_stKept.acData, static_cast<size_t>(lRead));
        return lRead;
    }
    long lRead = kNoFile;
    int iFd = FileOpen(pcDevPath);
    if (iFd >= 0) {
        lRead = read(iFd, pcBuf, ulSize - 1);
        close(iFd);
    }
    if (bKeep && !g_bKept) {
        strcpy(g_stKept.acPath, pcDevPath);
        g_stKept.lRead = lRead;
        if (lRead > 0) memcpy(g_stKept.acData, pcBuf, static_cast<size_t>(lRead));
        g_bKept = true;
    }
    return lRead;
}

StartupFiles::StartupFiles() {
    ReleaseHeld();
    g_bStartup = true;
}

StartupFiles::~StartupFiles() {
    g_bStartup = false;
    ReleaseHeld();
}

const char *DeviceNameOverride() { return g_bDevNameOverride ? g_acDevNameOverride : nullptr; }

}  // namespace cap
