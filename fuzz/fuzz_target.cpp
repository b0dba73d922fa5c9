// One libFuzzer target per input; DEVCAP_FUZZ_INPUT is its enumerator (the
// build defines it from its list, see harness.h). A broken invariant aborts,
// so libFuzzer keeps the input.
#include <stdio.h>
#include <stdlib.h>

#include "harness.h"

namespace {
constexpr devcap_fuzz::Input kInput = devcap_fuzz::Input::DEVCAP_FUZZ_INPUT;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    devcap_fuzz::Setup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t ulSize) {
    devcap_check::Report r = devcap_fuzz::Run(kInput, pData, ulSize);
    if (!r.Ok()) {
        fprintf(stderr, "devcap invariant broken (%s):\n%s", devcap_fuzz::InputName(kInput), r.Text().c_str());
        abort();
    }
    return 0;
}
