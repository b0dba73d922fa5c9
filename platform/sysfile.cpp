#include "sysfile.h"

#include <fcntl.h>
#include <string.h>
#include <unistd.h>

#include "devcap.h"

namespace {

// Host settings; a device build never sets them.
char g_acRootDir[256];
char g_acDevNameOverride[64];
bool g_bDevNameOverride;

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
    char acPath[512];
    if (!HostPath(pcDevPath, acPath, sizeof(acPath))) return -1;
    return open(acPath, O_RDONLY);
}

int FileAccess(const char *pcDevPath) {
    char acPath[512];
    if (!HostPath(pcDevPath, acPath, sizeof(acPath))) return -1;
    return access(acPath, F_OK);
}

json_object *JsonFromFile(const char *pcDevPath) {
    char acPath[512];
    if (!HostPath(pcDevPath, acPath, sizeof(acPath))) return nullptr;
    return json_object_from_file(acPath);
}

const char *DeviceNameOverride() { return g_bDevNameOverride ? g_acDevNameOverride : nullptr; }

}  // namespace cap
