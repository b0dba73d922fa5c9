// File access of the library. Every device path the library opens or tests
// goes through here, so a host (our tools and tests) can lay the device's
// files under a root directory. Paths stored in the record and logged stay
// the device paths.
#pragma once

#include <json-c/json.h>
#include <stddef.h>

namespace cap {

// The host path of a device path: the root directory, if any, then the path.
// False when it does not fit.
bool HostPath(const char *pcDevPath, char *pcOut, size_t ulSize);

// A device path opened for reading, without waiting and not inherited by
// programs the host runs; -1 when it cannot be opened or is no regular file
// (a FIFO, socket, device or directory is a file the library cannot read).
int FileOpen(const char *pcDevPath);

// access(F_OK) of a device path: 0 when it exists.
int FileAccess(const char *pcDevPath);

// The parsed capability file at a device path, read as json_object_from_file
// reads it; null when it is not JSON, cannot be read (see FileOpen), is larger
// than CAP_FILE_SIZE_MAX, or json-c reports a failure. A capability file that
// FileExists kept open during start-up is parsed from that descriptor instead
// of being opened again.
json_object *JsonFromFile(const char *pcDevPath);

// Whether a capability file exists, as access(F_OK) answers it: 0 when it
// does. During start-up the test opens the file and keeps it open for the
// JsonFromFile that follows, so each file costs one open, not an access and
// an open; a file that JsonFromFile could not read is tested with access.
int FileExists(const char *pcDevPath);

// A read of a small device file: the count read, 0 or less when reading
// failed, kNoFile when it cannot be opened or is no regular file (FileOpen).
// At most ulSize-1 bytes are read; pcBuf is not terminated here. During
// start-up the first read of a file of at most kKeptReadLen bytes is kept, and
// a later read of the same file gives the same outcome: the device name and
// its parameter come from one read.
inline constexpr long kNoFile = -2;
inline constexpr size_t kKeptReadLen = 64;
long ReadSmallFile(const char *pcDevPath, char *pcBuf, size_t ulSize);

// Start-up's hold on its files: while one is in scope, FileExists keeps the
// files it finds open and ReadSmallFile keeps its read; when it ends, every
// file still held is closed and the kept read forgotten. CAP_CapInit holds
// one for its whole run; outside it (a tool running one stage, a query) every
// test and read goes to the file system.
struct StartupFiles {
    StartupFiles();
    ~StartupFiles();
    StartupFiles(const StartupFiles &) = delete;
    StartupFiles &operator=(const StartupFiles &) = delete;
};

// The device name a host supplied instead of the dev_name file, or null.
const char *DeviceNameOverride();

}  // namespace cap
