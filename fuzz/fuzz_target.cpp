// One libFuzzer target per input; DEVCAP_FUZZ_INPUT names which (see
// harness.h). A broken invariant aborts, so libFuzzer keeps the input.
#include <stdio.h>
#include <stdlib.h>

#include "harness.h"

namespace {
devcap_fuzz::Input g_enInput;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    if (!devcap_fuzz::InputFromName(DEVCAP_FUZZ_INPUT, &g_enInput)) abort();
    devcap_fuzz::Setup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t ulSize) {
    devcap_check::Report r = devcap_fuzz::Run(g_enInput, pData, ulSize);
    if (!r.Ok()) {
        fprintf(stderr, "devcap invariant broken (%s):\n%s", DEVCAP_FUZZ_INPUT, r.Text().c_str());
        abort();
    }
    return 0;
}
