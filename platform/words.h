// Word tables: the texts of the capability files turned into the numbers of
// the exported enumerations. A table is a constexpr array of Word; a matcher
// is one use of MatchWord with its own messages. Comparison is exact and
// case-sensitive on the whole text.
#pragma once

#include <stddef.h>
#include <string.h>

#include "platform/log.h"

namespace cap {

template <typename E>
struct Word {
    const char *pcText;
    E enVal;
};

// Whether an unrecognised text is reported (info, with the text).
enum class Unknown { kLog, kSilent };

// Compile-time text equality, for checks of the tables themselves.
constexpr bool TextEq(const char *pcA, const char *pcB) {
    while (*pcA != '\0' && *pcA == *pcB) {
        ++pcA;
        ++pcB;
    }
    return *pcA == *pcB;
}

// The member of a table for a word; nullptr when the table has none.
template <typename E, size_t N>
constexpr const Word<E> *FindWord(const Word<E> (&astWords)[N], const char *pcVal) {
    for (const Word<E> &stWord : astWords) {
        if (TextEq(stWord.pcText, pcVal)) return &stWord;
    }
    return nullptr;
}

// The member whose text equals pcVal. No text: NullMsg (error) and enNull.
// Any other text: enOther, with BadMsg (info, the text as its argument) unless
// the matcher is silent about it.
template <LogText NullMsg, LogText BadMsg, Unknown Report, typename E, size_t N>
E MatchWord(Site site, const Word<E> (&astWords)[N], const char *pcVal, E enNull, E enOther) {
    if (pcVal == nullptr) {
        CAP_LOG_AT(site, kLogError, NullMsg);
        return enNull;
    }
    if (const Word<E> *pstWord = FindWord(astWords, pcVal)) return pstWord->enVal;
    if constexpr (Report == Unknown::kLog) CAP_LOG_AT(site, kLogInfo, BadMsg, pcVal);
    return enOther;
}

}  // namespace cap
