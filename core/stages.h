// The stages of CAP_CapInit, in the order they run: the operation, what it
// fills (as the devcap tool names it) and the error CAP_CapInit logs when it
// fails. Start-up runs this table; the tool reads its texts to tell which
// stage failed, so the chain and its report cannot drift apart.
#pragma once

#include "core/core.h"
#include "devcap.h"

namespace cap {

struct StartupStage {
    int (*pfnRun)(void);
    char acName[sizeof("capability file paths")];
    char acFailure[sizeof("CAP_SensorInitAll return value error.\n")];
};

inline constexpr StartupStage kStartupStages[] = {
    {cap_ParseHardwareIndex, "hardware index", "Parse Hardware index fail!\n"},
    {cap_GetCapFilesPath, "capability file paths", "Get capa files path fail!\n"},
    {cap_BoardCapInit, "board file", "CAP_BoardCapInit return value error.\n"},
    {cap_SensorInitAll, "sensor files", "CAP_SensorInitAll return value error.\n"},
    {cap_LensInitAll, "lens files", "CAP_LensCapInit return value error.\n"},
    {cap_PatchCapInit, "patch file", "CAP_PatchCapInit return value error.\n"},
};

inline constexpr int kStartupStageNum = sizeof(kStartupStages) / sizeof(kStartupStages[0]);

}  // namespace cap
