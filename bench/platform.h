// The platform a benchmark host provides to libdevcap: the six symbols the
// library leaves undefined, with a logger that either drops every message
// before formatting it or formats every message into a buffer.
#pragma once

namespace bench {

enum class LogMode {
    kDiscard,  // return at once: no formatting, nothing kept
    kFormat,   // vsnprintf every message into a buffer, as a real logger would
};

void SetLogMode(LogMode enMode);
// Messages that reached LOG_Msg since the last reset (both modes count them).
unsigned long Messages();
void ResetMessages();

// Raw partitions ("/dev/mtd2", "/dev/mmcblk0p2") are read under this directory.
void SetPlatformRoot(const char *pcRoot);
// What SYS_IsEquipmentMode answers (default 0).
void SetEquipmentMode(int iMode);

}  // namespace bench
