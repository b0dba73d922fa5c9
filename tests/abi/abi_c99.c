/* A C99 host: the exported header compiles under -std=c99 -Wall -Werror, and
 * every symbol of the checked-in list resolves against libdevcap.so (plus the
 * host's platform services) when the program links. abi_refs.h is generated
 * from tests/abi/devcap.symbols. */
#include "devcap.h"

#include <stdio.h>

typedef void (*AbiFn)(void);

#define ABI_FN(name) (AbiFn)name,
#define ABI_DATA(name)
static const AbiFn s_apfnFunctions[] = {
#include "abi_refs.h"
};
#undef ABI_FN
#undef ABI_DATA

#define ABI_FN(name)
#define ABI_DATA(name) (const void *)&name,
static const void *const s_apvData[] = {
#include "abi_refs.h"
};
#undef ABI_FN
#undef ABI_DATA

int main(void) {
    size_t i;
    size_t nFunctions = sizeof(s_apfnFunctions) / sizeof(s_apfnFunctions[0]);
    size_t nData = sizeof(s_apvData) / sizeof(s_apvData[0]);
    for (i = 0; i < nFunctions; ++i)
        if (s_apfnFunctions[i] == NULL) return 1;
    for (i = 0; i < nData; ++i)
        if (s_apvData[i] == NULL) return 1;
    /* Before CAP_CapInit the region pointers are null. */
    if (g_pstDevCap != NULL || g_pstBoardCap != NULL) return 1;
    printf("%u functions and %u data symbols resolved\n", (unsigned)nFunctions, (unsigned)nData);
    return 0;
}
