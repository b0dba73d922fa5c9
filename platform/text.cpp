// The text-storing rule, shared by every text field and every text query.
#include "platform/text.h"

#include <string.h>

namespace cap {

void StoreTextIn(char *pcDst, size_t ulSize, const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, ulSize);
    if (pcSrc == nullptr) return;
    CopyText(pcDst, pcSrc, ulSize - 1);
}

void CopyOutText(char *pcDst, size_t ulSize, const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, ulSize);
    CopyText(pcDst, pcSrc, ulSize - 1);
}

// Spelt out: g++ -O3 takes an inlined strncpy for a truncation it must warn
// about.
void CopyText(char *pcDst, const char *pcSrc, size_t ulMax) {
    size_t ulLen = strnlen(pcSrc, ulMax);
    memcpy(pcDst, pcSrc, ulLen);
    memset(pcDst + ulLen, 0, ulMax - ulLen + 1);
}

}  // namespace cap
