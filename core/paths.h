// Where each kind of capability file lives. Board, sensor and lens files are
// shared by products and sit in a folder of the "hardware" tree named after
// the part; the patch file and the index sit in the product folder.
#pragma once

#include "platform/words.h"

namespace cap {

inline constexpr char kRootDir[] = "/usr/bin";

// The texts live in the rows, so the table holds no pointers to relocate.
struct CapFileKind {
    char acText[sizeof("hardwareindex")];      // the kind
    char acShared[sizeof("hardware/sensor")];  // folder under kRootDir; empty: the product folder
    char acFile[sizeof("hardwareindex.json")];
};

inline constexpr CapFileKind kCapFileKinds[] = {
    {"board", "hardware/board", "cap_board.json"},
    {"sensor", "hardware/sensor", "cap_sensor.json"},
    {"lens", "hardware/lens", "cap_lens.json"},
    {"patch", "", "cap_patch.json"},
    {"hardwareindex", "", "hardwareindex.json"},
};

}  // namespace cap
