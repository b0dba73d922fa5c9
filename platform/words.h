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

// A word of a table and its member. The text lives in the row itself, L bytes
// with its terminator (a longer word does not compile), so a table holds no
// pointers and needs no relocation when the library is loaded; L is the
// longest word of the table plus one. The member is kept in the row's last
// byte (a member above 255 does not compile).
template <typename E, size_t L>
struct Word {
    char acText[L];
    unsigned char ucVal;

    constexpr E Val() const { return static_cast<E>(ucVal); }
};

// Whether an unrecognised text is reported (info, with the text).
enum class Unknown { kLog, kSilent };

// A table whose rows each begin with their text, as the shared search takes
// it: the first row, the distance between rows and their number.
struct Rows {
    const void *pvFirst;
    unsigned int uiStride;
    unsigned int uiNum;
};

template <typename T, size_t N>
Rows RowsOf(const T (&aRows)[N]) {
    return Rows{aRows, sizeof(T), N};
}

// The row whose text equals pcText exactly (case-sensitive, whole text);
// null when no row has it.
const void *FindRow(Rows stRows, const char *pcText);

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
    if (std::is_constant_evaluated()) {
        for (const Word<E, L> &stWord : astWords)
            if (TextEq(stWord.acText, pcVal)) return &stWord;
        return nullptr;
    }
    return static_cast<const Word<E, L> *>(FindRow(RowsOf(astWords), pcVal));
}

// What a matcher says besides its words: its message for no text (an error)
// and for an unknown text (info, with the text; none when it is silent), and
// its answers to them.
struct WordMsgs {
    Fmt null;
    Fmt bad;
};
struct WordAnswers {
    unsigned int uiNull;
    unsigned int uiOther;
};

// The shared matcher: the member of the row whose text equals pcVal, held in
// the row's last byte.
unsigned int MatchText(Site site, Rows stRows, const char *pcVal, WordMsgs stMsgs,
                       WordAnswers stAnswers);

// The member whose text equals pcVal. No text: NullMsg (error) and enNull.
// Any other text: enOther, with BadMsg (info, the text as its argument) unless
// the matcher is silent about it.
template <LogText NullMsg, LogText BadMsg, Unknown Report, typename E, size_t L, size_t N>
E MatchWord(Site site, const Word<E, L> (&astWords)[N], const char *pcVal, E enNull, E enOther) {
    using Row = Word<E, L>;
    static_assert(offsetof(Row, ucVal) + 1 == sizeof(Row), "the member is the last byte of a row");
    const WordMsgs stMsgs{FmtOf<NullMsg>(),
                          Report == Unknown::kLog ? FmtOf<BadMsg>() : Fmt{nullptr}};
    const WordAnswers stAnswers{static_cast<unsigned int>(enNull),
                                static_cast<unsigned int>(enOther)};
    return static_cast<E>(MatchText(site, RowsOf(astWords), pcVal, stMsgs, stAnswers));
}

}  // namespace cap
