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

// open(O_RDONLY) of a device path; -1 on failure.
int FileOpen(const char *pcDevPath);

// access(F_OK) of a device path: 0 when it exists.
int FileAccess(const char *pcDevPath);

// json_object_from_file of a device path; null when unreadable or not JSON.
json_object *JsonFromFile(const char *pcDevPath);

// The device name a host supplied instead of the dev_name file, or null.
const char *DeviceNameOverride();

}  // namespace cap
