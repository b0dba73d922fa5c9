// CAP_CapInit: clear the record, settle who the device is, run the stages.
#include <pthread.h>
#include <string.h>

#include <utility>

#include "core/core.h"
#include "core/stages.h"
#include "patch/patch.h"
#include "platform/log.h"
#include "platform/sysfile.h"

namespace {

constexpr char kDefaultDevName[] = "IPC-DEFAULT";
constexpr char kDefaultProductDir[] = "/usr/bin/IPC-DEFAULT";

void SetDefaultDevName() {
    strncpy(g_pstBoardCap->acDevName, kDefaultDevName, sizeof(g_pstBoardCap->acDevName) - 1);
}

// The device name, and unless the default product folder decided it in
// equipment mode, the product name of the tag and the device parameter.
// Its messages are start-up's own.
void SettleDeviceName(cap::Site site) {
    BoardCap *pstBoard = g_pstBoardCap;
    memset(pstBoard->acDevName, 0, sizeof(pstBoard->acDevName));
    if (SYS_IsEquipmentMode() == 1) {
        CAP_LOG_AT(site, cap::kLogInfo, "Equipment Mode.");
        // A factory image ships the default product: it is the device.
        if (cap::FileAccess(kDefaultProductDir) == 0) {
            SetDefaultDevName();
            return;
        }
        if (cap_GetDeviceName(sizeof(pstBoard->acDevName), pstBoard->acDevName) != 0 ||
            pstBoard->acDevName[0] == '\0')
            CAP_LOG_AT(site, cap::kLogError, "equipment mode without IPC-DEFAULT and rfid.\n");
    } else if (cap_GetDeviceName(sizeof(pstBoard->acDevName), pstBoard->acDevName) != 0 ||
               pstBoard->acDevName[0] == '\0') {
        SetDefaultDevName();
        CAP_LOG_AT(site, cap::kLogInfo, "cap_GetDeviceName return value error.use DEFAULT type\n");
    }
    cap_GetDevNameFromElecTag(sizeof(pstBoard->acProductName), pstBoard->acProductName);
    cap_GetDeviceParam(sizeof(pstBoard->acDevParam), pstBoard->acDevParam);
}

// The stages in the order of the table; the first that fails logs its
// failure from the site of CAP_CapInit and ends start-up with its code.
template <size_t I>
int RunStage(cap::Site site) {
    constexpr const cap::StartupStage &stStage = cap::kStartupStages[I];
    const int iRet = stStage.pfnRun();
    if (iRet != 0) CAP_LOG_AT(site, cap::kLogError, stStage.acFailure);
    return iRet;
}

template <size_t... I>
int RunStages(cap::Site site, std::index_sequence<I...>) {
    int iRet = 0;
    // Left to right, stopping at the first non-zero result.
    (void)((iRet = RunStage<I>(site), iRet == 0) && ...);
    return iRet;
}
// Start-up calls run one at a time: while one holds this, it has the record
// and its held files to itself.
pthread_mutex_t g_stInitLock = PTHREAD_MUTEX_INITIALIZER;

struct InitLock {
    InitLock() { pthread_mutex_lock(&g_stInitLock); }
    ~InitLock() { pthread_mutex_unlock(&g_stInitLock); }
    InitLock(const InitLock &) = delete;
    InitLock &operator=(const InitLock &) = delete;
};

}  // namespace

extern "C" DEVCAP_API int CAP_CapInit(void) {
    InitLock stLock;  // first in, last out: the held files close before it goes
    cap_ResetRecord();
    LOG_SetLevel(cap::kLogModule, cap::kLogDebug);
    // Each file start-up needs is opened once: a file found to exist stays
    // open for its parser, and the device name is read once for the name and
    // its parameter. Whatever is still held when start-up returns is closed.
    cap::StartupFiles stFiles;
    // A camera whose files carry no "LedInfo" has no lights: the LED table
    // starts at its reset values, not as cleared.
    cap_PatchLedInfoValInit();

    SettleDeviceName(CAP_HERE);

    return RunStages(CAP_HERE, std::make_index_sequence<cap::kStartupStageNum>());
}
