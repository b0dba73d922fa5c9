// The code path of every fuzz target: put the fuzzed bytes where the device
// keeps one input, run what reads that input, and check the record and every
// query afterwards. The replay test runs saved inputs through the same path.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

#include "devcap_check.h"
#include "inputs.h"

namespace devcap_fuzz {

// The inputs with a fuzz target, in the order of the build's list
// (DEVCAP_FUZZ_INPUTS in fuzz/CMakeLists.txt, written to inputs.h). The short
// name of an input names its target fuzz_<name>, its saved inputs
// fuzz/regressions/<name>/ and its seeds fuzz/seeds/<name>/.
enum class Input {
#define DEVCAP_FUZZ_ENUMERATOR(enumerator, name) enumerator,
    DEVCAP_FUZZ_INPUTS(DEVCAP_FUZZ_ENUMERATOR)
#undef DEVCAP_FUZZ_ENUMERATOR
};

inline constexpr Input kAllInputs[] = {
#define DEVCAP_FUZZ_MEMBER(enumerator, name) Input::enumerator,
    DEVCAP_FUZZ_INPUTS(DEVCAP_FUZZ_MEMBER)
#undef DEVCAP_FUZZ_MEMBER
};

const char *InputName(Input in);

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
