// The text-storing rule: warn when the text does not fit N, copy at most N-1
// characters (zero-filling after a shorter text) and terminate at N-1.
#pragma once

#include <stddef.h>
#include <string.h>

#include "devcap.h"

namespace cap {

// The rule for a field of ulSize bytes, shared by every field.
void StoreTextIn(char *pcDst, size_t ulSize, const char *pcSrc);

template <size_t N>
inline void StoreText(char (&acDst)[N], const char *pcSrc) {
    StoreTextIn(acDst, N, pcSrc);
}

// strncpy(pcDst, pcSrc, ulMax) and a terminator after it: at most ulMax
// characters, up to a zero byte, zero-filled to ulMax; ulMax+1 bytes written.
void CopyText(char *pcDst, const char *pcSrc, size_t ulMax);

// Copy a stored text to a caller's buffer of ulSize (>= 1) bytes under the same
// rule: warning when it does not fit, at most ulSize-1 characters, zero-filled,
// terminated at ulSize-1.
void CopyOutText(char *pcDst, size_t ulSize, const char *pcSrc);

}  // namespace cap
