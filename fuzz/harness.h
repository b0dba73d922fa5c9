// The code path of every fuzz target: put the fuzzed bytes where the device
// keeps one input, run what reads that input, and check the record and every
// query afterwards. The replay test runs saved inputs through the same path.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "devcap_check.h"

namespace devcap_fuzz {

enum class Input {
    kIndex,        // /usr/bin/FUZZ/hardwareindex.json
    kBoard,        // /usr/bin/hardware/board/FZB1/cap_board.json
    kSensor,       // /usr/bin/hardware/sensor/imx327/cap_sensor.json
    kLens,         // /usr/bin/hardware/lens/fixed/cap_lens.json
    kPatch,        // /usr/bin/FUZZ/cap_patch.json
    kTagIdentity,  // identity block of the tag, offset 0 of /dev/mtd2
    kTagCheck,     // check-code block of the tag, offset 4096 of /dev/mtd2
    kDevName,      // /tmp/sysinfo/dev_name
    kSerial,       // /tmp/sysinfo/sn
};

inline constexpr Input kAllInputs[] = {Input::kIndex,       Input::kBoard,    Input::kSensor,
                                       Input::kLens,        Input::kPatch,    Input::kTagIdentity,
                                       Input::kTagCheck,    Input::kDevName,  Input::kSerial};

// The short name of an input: the fuzz target is fuzz_<name>, its saved
// inputs live in fuzz/regressions/<name>/ and its seeds in fuzz/seeds/<name>/.
const char *InputName(Input in);
bool InputFromName(const std::string &name, Input *pIn);

// Lay out a complete product under a fresh temporary root, on a tmpfs when
// there is one (once per process), point the library and the stand-in
// platform at it, and silence the log (messages are still formatted); put
// back the base product's file of any input a run left fuzzed. Returns the root.
const std::string &Setup();

// Write the bytes as the input, run its path, check everything. The file
// stays as written until a run of another input (or Setup) puts it back, so
// a fuzz target, which runs one input, writes one file a run.
devcap_check::Report Run(Input in, const uint8_t *pData, size_t ulSize);

}  // namespace devcap_fuzz
