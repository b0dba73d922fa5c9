// Word tables: the texts of the capability files turned into the numbers of
// the exported enumerations. A table is a constexpr array of Word; a matcher
// is one use of MatchWord with its own messages. Comparison is exact and
// case-sensitive on the whole text.
#pragma once

#include <stddef.h>
#include <string.h>

#include <type_traits>

#include "platform/log.h"

namespace cap {

// A word of a table and its member. The text lives in the entry itself, L
// bytes with its terminator (a longer word does not compile), so a table
// holds no pointers and needs no relocation when the library is loaded. L is
// the longest word of the table plus one.
template <typename E, size_t L>
struct Word {
    char acText[L];
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
template <typename E, size_t L, size_t N>
constexpr const Word<E, L> *FindWord(const Word<E, L> (&astWords)[N], const char *pcVal) {
    for (const Word<E, L> &stWord : astWords) {
        if (std::is_constant_evaluated() ? TextEq(stWord.acText, pcVal)
                                         : strcmp(stWord.acText, pcVal) == 0)
            return &stWord;
    }
    return nullptr;
}

// The member whose text equals pcVal. No text: NullMsg (error) and enNull.
// Any other text: enOther, with BadMsg (info, the text as its argument) unless
// the matcher is silent about it.
template <LogText NullMsg, LogText BadMsg, Unknown Report, typename E, size_t L, size_t N>
E MatchWord(Site site, const Word<E, L> (&astWords)[N], const char *pcVal, E enNull, E enOther) {
    if (pcVal == nullptr) {
        CAP_LOG_AT(site, kLogError, NullMsg);
        return enNull;
    }
    if (const Word<E, L> *pstWord = FindWord(astWords, pcVal)) return pstWord->enVal;
    if constexpr (Report == Unknown::kLog) CAP_LOG_AT(site, kLogInfo, BadMsg, pcVal);
    return enOther;
}

}  // namespace cap
