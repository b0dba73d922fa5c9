// Query families used by several exported queries. Each family is written
// once here; a query of a family is a one-line use of it, handing in its own
// site (CAP_HERE) and its own message texts, so the messages name the
// exported query. A query with checks of its own is written out in its file.
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

// Out of line and one copy for the whole library: GCC would otherwise make a
// specialised copy of a template like Refuse in each file that calls it.
#if defined(__clang__)
#define CAP_SHARED_CALL [[gnu::noinline, gnu::cold]]
#else
#define CAP_SHARED_CALL [[gnu::noipa, gnu::cold]]
#endif

// A query's refusal: its message (an error, with its arguments) from the
// query's site, then iRet. Shared by every query whose message has the same
// argument types, so a query carries only the call.
template <typename... A>
CAP_SHARED_CALL int Refuse(Fmt fmt, Site site, int iRet, A... args) {
    CAP_LOG_FMT(site, kLogError, fmt, args...);
    return iRet;
}

// One slot of a table; outside the slots: the message (with its arguments)
// and iBad.
template <LogText Msg, typename T, size_t N, typename I, typename... A>
int SlotOr(Site site, const T (&aTable)[N], I iIndex, int iBad, A... args) {
    if (!InSlots<N>(iIndex)) return Refuse(FmtOf<Msg>(), site, iBad, args...);
    return static_cast<int>(aTable[iIndex]);
}

// The shared part of CopyFirst, for a table of ulSlots values of ulSize
// bytes: a count outside 1..ulSlots is -4 with range, a null destination -2
// with null; otherwise the first iNum values are copied.
int CopyFirstSlots(Site site, const void *pvTable, size_t ulSlots, size_t ulSize, int iNum,
                   void *pvOut, Fmt range, Fmt null);

// Copy the first iNum slots of a table to the caller: a count outside 1..N is
// -4 with RangeMsg (tested first), a null destination -2 with NullMsg.
template <LogText RangeMsg, LogText NullMsg, typename T, size_t N, typename O>
int CopyFirst(Site site, const T (&aTable)[N], int iNum, O *pOut) {
    static_assert(std::is_integral_v<T> && std::is_integral_v<O> && sizeof(T) == sizeof(O),
                  "values copied as they are");
    return CopyFirstSlots(site, aTable, N, sizeof(T), iNum, pOut, FmtOf<RangeMsg>(), FmtOf<NullMsg>());
}

// Number of leading slots that are not the empty mark.
template <typename T, size_t N>
int CountLeading(const T (&aTable)[N], T empty) {
    size_t i = 0;
    while (i < N && aTable[i] != empty) ++i;
    return static_cast<int>(i);
}

// The shared part of TextOut: a size below 1 (or above lMaxSize when that is
// not negative) is -4 with "para out of range."; otherwise the text is copied
// under the text-storing rule.
int TextOutSized(Site site, const char *pcText, long lSize, char *pcBuf, long lMaxSize);

// Copy a stored text to the caller's buffer: null buffer -2 with NullMsg, a
// size below 1 (or above lMaxSize when given) -4 with "para out of range.",
// otherwise the text cut to size-1 characters (with the overflow warning),
// zero-filled and terminated.
template <LogText NullMsg, typename S>
int TextOut(Site site, const char *pcText, S size, char *pcBuf, long lMaxSize = -1) {
    static_assert(sizeof(S) < sizeof(long), "every size is a long");
    if (pcBuf == nullptr) return Refuse(FmtOf<NullMsg>(), site, -2);
    return TextOutSized(site, pcText, static_cast<long>(size), pcBuf, lMaxSize);
}

// Copy a whole record-typed value to the caller; null: -2 with NullMsg.
template <LogText NullMsg, typename T>
int CopyOut(Site site, const T &stValue, T *pstOut, int iNull = -2) {
    if (pstOut == nullptr) return Refuse(FmtOf<NullMsg>(), site, iNull);
    *pstOut = stValue;
    return 0;
}

// Lines (slots holding 0 or more) of two tables into two outputs; a table
// whose side is not wired by GPIO (bCountA/bCountB false) counts 0. A null
// output: -2 with NullMsg, nothing stored.
template <LogText NullMsg, size_t N, size_t M>
int CountLinesPair(Site site, const int (&aiA)[N], bool bCountA, const int (&aiB)[M],
                   bool bCountB, unsigned int *puiNumA, unsigned int *puiNumB) {
    if (puiNumA == nullptr || puiNumB == nullptr) return Refuse(FmtOf<NullMsg>(), site, -2);
    auto lines = [](const auto &aiTable) {
        unsigned int uiNum = 0;
        for (int iGpio : aiTable) uiNum += iGpio >= 0;
        return uiNum;
    };
    *puiNumA = bCountA ? lines(aiA) : 0;
    *puiNumB = bCountB ? lines(aiB) : 0;
    return 0;
}

// Copy one of N stored texts to the caller's buffer: null buffer -2 with
// NullMsg, an index outside the texts -4 with "para out of range.", then as
// TextOut (size below 1: -4; otherwise cut to size-1 and terminated).
template <LogText NullMsg, size_t N, size_t L, typename I, typename S>
int SlotTextOut(Site site, const char (&aacTexts)[N][L], I iIndex, S size, char *pcBuf) {
    if (pcBuf == nullptr) return Refuse(FmtOf<NullMsg>(), site, -2);
    if (!InSlots<N>(iIndex)) return Refuse(FmtOf<"para out of range.">(), site, -4);
    return TextOut<NullMsg>(site, aacTexts[iIndex], size, pcBuf);
}

// Copy a whole stored block (every byte, e.g. a table of texts) to the
// caller's buffer of at least its size; null: -2 with NullMsg.
template <LogText NullMsg, typename T>
int BlockOut(Site site, const T &block, void *pOut) {
    if (pOut == nullptr) return Refuse(FmtOf<NullMsg>(), site, -2);
    memcpy(pOut, &block, sizeof(T));
    return 0;
}

// Leading entries of row iRow that are not the empty mark; a row outside the
// table: Msg and iBad.
template <LogText Msg, typename T, size_t R, size_t C, typename I>
int RowLeadingOr(Site site, const T (&aaTable)[R][C], I iRow, T empty, int iBad) {
    if (!InSlots<R>(iRow)) return Refuse(FmtOf<Msg>(), site, iBad);
    return CountLeading(aaTable[iRow], empty);
}

// Which index of a cell query is tested first.
enum class Axis { kRow, kColumn };

// One cell of a table, both indices tested, in the order Order names: the
// first failing test logs FirstMsg with the index and its capacity, the second
// SecondMsg; either gives iBad.
template <LogText FirstMsg, LogText SecondMsg, Axis Order, typename T, size_t R, size_t C>
int CellOr(Site site, const T (&aaTable)[R][C], int iRow, int iCol, int iBad) {
    if constexpr (Order == Axis::kRow) {
        if (!InSlots<R>(iRow)) return Refuse(FmtOf<FirstMsg>(), site, iBad, iRow, static_cast<int>(R));
        if (!InSlots<C>(iCol)) return Refuse(FmtOf<SecondMsg>(), site, iBad);
    } else {
        if (!InSlots<C>(iCol)) return Refuse(FmtOf<FirstMsg>(), site, iBad, iCol, static_cast<int>(C));
        if (!InSlots<R>(iRow)) return Refuse(FmtOf<SecondMsg>(), site, iBad);
    }
    return static_cast<int>(aaTable[iRow][iCol]);
}

// Copy the first iRows x iCols entries of a table, read row by row as one
// flat run of R x C entries (a prefix, not a sub-matrix), to the caller. The
// buffer is tested first (-2, NullMsg), then iRows against 1..R (RowsMsg),
// then iCols against 1..C (ColsMsg); a bad count gives -4.
template <LogText NullMsg, LogText RowsMsg, LogText ColsMsg, typename T, size_t R, size_t C,
          typename O>
int CopyFlatPrefix(Site site, const T (&aaTable)[R][C], int iRows, int iCols, O *pOut) {
    static_assert(std::is_integral_v<T> && std::is_integral_v<O> && sizeof(T) == sizeof(O),
                  "values copied as they are");
    if (pOut == nullptr) return Refuse(FmtOf<NullMsg>(), site, -2);
    if (!InCount<R>(iRows)) return Refuse(FmtOf<RowsMsg>(), site, -4);
    if (!InCount<C>(iCols)) return Refuse(FmtOf<ColsMsg>(), site, -4);
    memcpy(pOut, aaTable, static_cast<size_t>(iRows) * static_cast<size_t>(iCols) * sizeof(O));
    return 0;
}

// Hand each of the N slots of a table to its own output, in slot order; any
// null output: NullMsg and iNull, nothing written.
template <LogText NullMsg, typename T, size_t N, typename... O>
int SpreadOut(Site site, const T (&aTable)[N], int iNull, O *...pOut) {
    static_assert(sizeof...(O) == N, "one output per slot");
    if (((pOut == nullptr) || ...)) return Refuse(FmtOf<NullMsg>(), site, iNull);
    size_t i = 0;
    ((*pOut = static_cast<O>(aTable[i++])), ...);
    return 0;
}

}  // namespace cap
