// The text-storing rule, shared by every text field and every text query.
#include "platform/text.h"

#include <string.h>

namespace cap {

void StoreTextIn(char *pcDst, size_t ulSize, const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, ulSize);
    if (pcSrc == nullptr) return;
    strncpy(pcDst, pcSrc, ulSize - 1);
    pcDst[ulSize - 1] = '\0';
}

void CopyOutText(char *pcDst, size_t ulSize, const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, ulSize);
    // strncpy(pcDst, pcSrc, ulSize - 1) and a terminator, spelt out: g++ -O3
    // takes the inlined strncpy for a truncation it must warn about.
    size_t ulLen = strnlen(pcSrc, ulSize - 1);
    memcpy(pcDst, pcSrc, ulLen);
    memset(pcDst + ulLen, 0, ulSize - ulLen);
}

}  // namespace cap
