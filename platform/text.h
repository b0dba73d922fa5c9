// The text-storing rule: warn when the text does not fit N, copy at most N-1
// characters (zero-filling after a shorter text) and terminate at N-1.
#pragma once

#include <stddef.h>
#include <string.h>

#include "devcap.h"

namespace cap {

template <size_t N>
inline void StoreText(char (&acDst)[N], const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, N);
    if (pcSrc == nullptr) return;
    strncpy(acDst, pcSrc, N - 1);
    acDst[N - 1] = '\0';
}

// Copy a stored text to a caller's buffer of ulSize (>= 1) bytes under the same
// rule: warning when it does not fit, at most ulSize-1 characters, zero-filled,
// terminated at ulSize-1.
inline void CopyOutText(char *pcDst, size_t ulSize, const char *pcSrc) {
    cap_WarnStrOverflow(pcSrc, ulSize);
    // strncpy(pcDst, pcSrc, ulSize - 1) and a terminator, spelt out: g++ -O3
    // takes the inlined strncpy for a truncation it must warn about.
    size_t ulLen = strnlen(pcSrc, ulSize - 1);
    memcpy(pcDst, pcSrc, ulLen);
    memset(pcDst + ulLen, 0, ulSize - ulLen);
}

}  // namespace cap
