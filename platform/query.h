// Query families. Each family is written once here; every exported query is a
// one-line use of one of them, handing in its own site (CAP_HERE) and its own
// message texts, so the messages name the exported query.
#pragma once

#include <stddef.h>
#include <string.h>

#include <type_traits>

#include "platform/log.h"
#include "platform/text.h"

namespace cap {

// Whether an index of any integer type lies in [0, N).
template <size_t N, typename I>
constexpr bool InSlots(I iIndex) {
    if constexpr (std::is_signed_v<I>) {
        if (iIndex < 0) return false;
    }
    return static_cast<unsigned long long>(iIndex) < N;
}

// Whether a count of any integer type lies in [1, N].
template <size_t N, typename I>
constexpr bool InCount(I iNum) {
    if constexpr (std::is_signed_v<I>) {
        if (iNum < 1) return false;
    } else {
        if (iNum == 0) return false;
    }
    return static_cast<unsigned long long>(iNum) <= N;
}

// One slot of a table; outside the slots: the message (with its arguments)
// and iBad.
template <LogText Msg, typename T, size_t N, typename I, typename... A>
int SlotOr(Site site, const T (&aTable)[N], I iIndex, int iBad, A... args) {
    if (!InSlots<N>(iIndex)) {
        CAP_LOG_AT(site, kLogError, Msg, args...);
        return iBad;
    }
    return static_cast<int>(aTable[iIndex]);
}

// Which check a copy query makes first.
enum class First { kCount, kNull };

// Copy the first iNum slots of a table to the caller: a count outside 1..N is
// iBadCount with RangeMsg, a null destination -2 with NullMsg; Order says which
// is tested first.
template <LogText RangeMsg, LogText NullMsg, First Order, typename T, size_t N, typename I,
          typename O>
int CopyFirst(Site site, const T (&aTable)[N], I iNum, O *pOut, int iBadCount = -4) {
    if constexpr (Order == First::kNull) {
        if (pOut == nullptr) {
            CAP_LOG_AT(site, kLogError, NullMsg);
            return -2;
        }
    }
    if (!InCount<N>(iNum)) {
        CAP_LOG_AT(site, kLogError, RangeMsg);
        return iBadCount;
    }
    if constexpr (Order == First::kCount) {
        if (pOut == nullptr) {
            CAP_LOG_AT(site, kLogError, NullMsg);
            return -2;
        }
    }
    for (size_t i = 0; i < static_cast<size_t>(iNum); ++i) pOut[i] = static_cast<O>(aTable[i]);
    return 0;
}

// Number of leading slots that are not the empty mark.
template <typename T, size_t N>
int CountLeading(const T (&aTable)[N], T empty) {
    size_t i = 0;
    while (i < N && aTable[i] != empty) ++i;
    return static_cast<int>(i);
}

// Number of slots holding a line (0 or more), all slots examined.
template <size_t N>
unsigned int CountLines(const int (&aiTable)[N]) {
    unsigned int uiNum = 0;
    for (int iGpio : aiTable) uiNum += iGpio >= 0;
    return uiNum;
}

// Copy a stored text to the caller's buffer: null buffer -2 with NullMsg, a
// size below 1 (or above iMaxSize when given) -4 with "para out of range.",
// otherwise the text cut to size-1 characters (with the overflow warning),
// zero-filled and terminated.
template <LogText NullMsg, typename S>
int TextOut(Site site, const char *pcText, S size, char *pcBuf, long lMaxSize = -1) {
    if (pcBuf == nullptr) {
        CAP_LOG_AT(site, kLogError, NullMsg);
        return -2;
    }
    bool bBad = false;
    if constexpr (std::is_signed_v<S>) bBad = size < 1;
    else bBad = size == 0;
    if (!bBad && lMaxSize >= 0) bBad = static_cast<long>(size) > lMaxSize;
    if (bBad) {
        CAP_LOG_AT(site, kLogError, "para out of range.");
        return -4;
    }
    CopyOutText(pcBuf, static_cast<size_t>(size), pcText);
    return 0;
}

// Copy a whole record-typed value to the caller; null: -2 with NullMsg.
template <LogText NullMsg, typename T>
int CopyOut(Site site, const T &stValue, T *pstOut, int iNull = -2) {
    if (pstOut == nullptr) {
        CAP_LOG_AT(site, kLogError, NullMsg);
        return iNull;
    }
    *pstOut = stValue;
    return 0;
}

}  // namespace cap
