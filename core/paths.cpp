// Paths of the capability files, the product folder name and the ISP
// configuration folder of a channel.
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "core/paths.h"
#include "platform/log.h"
#include "platform/query.h"
#include "platform/messages.h"
#include "platform/sysfile.h"
#include "platform/text.h"
#include "platform/words.h"

namespace {

// A path holds at most 58 characters: it is formatted with a bound of 59.
constexpr size_t kPathBound = CAP_PATH_LEN - 1;

// The parts of a path joined by '/' in acPath (which starts zeroed), an
// empty part (no shared folder) left out, and cut after the 58th character
// as formatting with the bound kPathBound cuts it. Joined by hand: snprintf
// costs start-up more than the copies, for five paths at least.
void JoinPath(char (&acPath)[CAP_PATH_LEN], const char *const (&apcParts)[4]) {
    size_t ulLen = 0;
    for (const char *pcPart : apcParts) {
        if (pcPart[0] == '\0') continue;
        if (ulLen > 0 && ulLen < kPathBound - 1) acPath[ulLen++] = '/';
        const size_t ulPart = strnlen(pcPart, kPathBound - 1 - ulLen);
        memcpy(acPath + ulLen, pcPart, ulPart);
        ulLen += ulPart;
    }
}

const cap::CapFileKind *FindKind(const char *pcCap) {
    return cap::Find(cap::kCapFileKinds, pcCap);
}

// The paths of the first usNum channels of one kind (sensor or lens). An
// index may count more channels than the record holds; such a channel has no
// name, so it fails here like an entry without one.
template <size_t L>
int ChannelPaths(const char *pcCap, const char (&aacNames)[CAP_MAX_CHANNEL][L],
                 char (&aacPaths)[CAP_MAX_CHANNEL][CAP_PATH_LEN], unsigned short usNum) {
    char acNoChannel[CAP_PATH_LEN] = {0};
    for (unsigned short i = 0; i < usNum; ++i) {
        const bool bInRecord = i < CAP_MAX_CHANNEL;
        const int iRet = cap_GetOneCapFilesPath(pcCap, bInRecord ? aacNames[i] : "",
                                                bInRecord ? aacPaths[i] : acNoChannel);
        if (iRet != 0) return iRet;
    }
    return 0;
}

}  // namespace

extern "C" DEVCAP_API int CAP_GetProductFolder(unsigned short usSize, char *pcFolder) {
    const char *pcDevName = g_pstBoardCap->acDevName;
    char acWork[CAP_NAME_LEN] = {0};
    size_t ulLen = strnlen(pcDevName, sizeof(acWork) - 1);
    memcpy(acWork, pcDevName, ulLen);
    if (strchr(acWork, '(') != nullptr) {
        // NAME(X) names the folder NAME_X: the closing character goes, the
        // first '(' becomes '_'.
        memset(acWork, 0, sizeof(acWork));
        memcpy(acWork, pcDevName, ulLen - 1);
        char *pcOpen = strchr(acWork, '(');
        if (pcOpen != nullptr) *pcOpen = '_';
    } else {
        char *pcSlash = strchr(acWork, '/');
        if (pcSlash != nullptr) *pcSlash = '_';
    }
    return cap::TextOut<"CAP_GetProductName para is ptr null">(CAP_HERE, acWork, usSize, pcFolder);
}

int cap_GetOneCapFilesPath(const char *pcCap, const char *pcName, char *pcOutCapPath) {
    if (pcCap == nullptr || pcName == nullptr || pcOutCapPath == nullptr) {
        CAP_LOG(cap::kLogError, "cap_GetOneCapFilesPath para is null ptr\n");
        return -2;
    }
    if (pcCap[0] == '\0' || pcName[0] == '\0') {
        CAP_LOG(cap::kLogError, cap::msg::kEmptyName);
        return -4;
    }
    const cap::CapFileKind *pstKind = FindKind(pcCap);
    if (pstKind == nullptr) {
        CAP_LOG(cap::kLogInfo, "pcCap = %s is invalid\n", pcCap);
        return -1;
    }
    // A path too long for its field is cut without a message; the cut path is
    // what is tested and stored.
    char acPath[CAP_PATH_LEN] = {0};
    JoinPath(acPath, {cap::kRootDir, pstKind->acShared, pcName, pstKind->acFile});
    memcpy(pcOutCapPath, acPath, CAP_PATH_LEN - 1);
    pcOutCapPath[CAP_PATH_LEN - 1] = '\0';
    CAP_LOG(cap::kLogInfo, cap::msg::kCapPath, pcOutCapPath);
    if (cap::FileExists(pcOutCapPath) != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kPathError, pcOutCapPath);
        return -1;
    }
    return 0;
}

void cap_CapPathInit(void) {
    memset(g_pstCapFiles->acPatchPath, 0, sizeof(g_pstCapFiles->acPatchPath));
    memset(g_pstCapFiles->acBoardPath, 0, sizeof(g_pstCapFiles->acBoardPath));
    memset(g_pstCapFiles->aacLensPath, 0, sizeof(g_pstCapFiles->aacLensPath));
    memset(g_pstCapFiles->aacSensorPath, 0, sizeof(g_pstCapFiles->aacSensorPath));
}

int cap_GetCapFilesPath(void) {
    cap_CapPathInit();
    unsigned short usSensorNum = g_pstSensorCap->usSensorNum;
    unsigned short usLensNum = g_pstLensCap->usLensNum;

    int iRet = cap_GetOneCapFilesPath("board", g_pstBoardCap->acBoardType,
                                      g_pstCapFiles->acBoardPath);
    if (iRet != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kBoardPathFail);
        return iRet;
    }
    iRet = ChannelPaths("sensor", g_pstSensorCap->aacSensorName, g_pstCapFiles->aacSensorPath,
                        usSensorNum);
    if (iRet != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kSensorPathFail);
        return iRet;
    }
    iRet = ChannelPaths("lens", g_pstLensCap->aacLensName, g_pstCapFiles->aacLensPath, usLensNum);
    if (iRet != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kLensPathFail);
        return iRet;
    }
    char acFolder[CAP_NAME_LEN] = {0};
    iRet = CAP_GetProductFolder(sizeof(acFolder), acFolder);
    if (iRet != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kFolderPathFail);
        return iRet;
    }
    iRet = cap_GetOneCapFilesPath("patch", acFolder, g_pstCapFiles->acPatchPath);
    if (iRet != 0) {
        CAP_LOG(cap::kLogError, cap::msg::kPatchPathFail);
        return iRet;
    }
    return 0;
}

extern "C" DEVCAP_API int CAP_GetConfigIspFolder(unsigned short usChn, unsigned short usSize,
                                                 char *pcFolder) {
    if (pcFolder == nullptr) {
        CAP_LOG(cap::kLogError, " para is null!\n");
        return -2;
    }
    if (usChn >= CAP_MAX_CHANNEL || usSize == 0) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return -4;
    }
    const char *pcSensor = g_pstSensorCap->aacSensorName[usChn];
    const char *pcLens = g_pstLensCap->aacLensName[usChn];
    // 9 + 1 + 11 + 1 + 11 characters at most: always fits.
    char acWork[40] = {0};
    if (g_pstLensCap->aeLensType[usChn] == CAP_LENS_FIXED) {
        const char *pcName2 = g_pstLensCap->aacLensName2[usChn];
        snprintf(acWork, sizeof(acWork), "%s-%s-%s", pcSensor, pcLens,
                 pcName2[0] != '\0' ? pcName2 : g_pstLensCap->aacFixDistanceName[usChn]);
    } else {
        snprintf(acWork, sizeof(acWork), "%s-%s", pcSensor, pcLens);
    }
    cap::CopyOutText(pcFolder, usSize, acWork);
    return 0;
}
