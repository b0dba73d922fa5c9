// Word and key tables: the texts of the capability files turned into the
// numbers of the exported enumerations, and the keys of an object turned into
// the fields they fill. Every table is a constexpr array of rows that begin
// with their text (acText, sized with sizeof("its longest text")), and every
// table is searched the one way, cap::Find, which hands back the typed row.
// Comparison is exact and case-sensitive on the whole text.
#pragma once

#include <stddef.h>
#include <string.h>

#include <type_traits>

#include "platform/log.h"

namespace cap {

// A word of a table and its member. The text lives in the row itself, L bytes
// with its terminator (a longer word does not compile), so a table holds no
// pointers and needs no relocation when the library is loaded. The member is
// kept in the row's last byte (a member above 255 does not compile).
template <typename E, size_t L>
struct Word {
    char acText[L];
    unsigned char ucVal;

    constexpr E Val() const { return static_cast<E>(ucVal); }
};

// A key of an object and the field of its sub-record that the key sets, held
// as a member offset, so a table of them needs no relocation either.
template <typename R, typename F, size_t L>
struct KeyField {
    char acText[L];
    F R::*pField;
};

// A number of a numeric vocabulary (memory width, RAM size) and its member.
template <typename E>
struct Number {
    unsigned short usNum;
    unsigned char ucVal;

    constexpr E Val() const { return static_cast<E>(ucVal); }
};

// Whether an unrecognised text is reported (info, with the text).
enum class Unknown { kLog, kSilent };

// A vocabulary: its words and what its matcher answers for no text and for a
// text that is none of them.
template <typename E, size_t L, size_t N>
struct Vocabulary {
    const Word<E, L> (&astWords)[N];
    std::type_identity_t<E> enNull;
    std::type_identity_t<E> enOther;
    Unknown eReport;
};

// A vocabulary of numbers: what its matcher answers for any other number.
template <typename E, size_t N>
struct Numbers {
    const Number<E> (&astNumbers)[N];
    std::type_identity_t<E> enOther;
    Unknown eReport;
};

// Both are written without their arguments, which come from the table (the
// guides serve compilers without deduction for aggregates).
template <typename E, size_t L, size_t N>
Vocabulary(const Word<E, L> (&)[N], std::type_identity_t<E>, std::type_identity_t<E>, Unknown)
    -> Vocabulary<E, L, N>;
template <typename E, size_t N>
Numbers(const Number<E> (&)[N], std::type_identity_t<E>, Unknown) -> Numbers<E, N>;

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

// The row of a table whose text is pcText; nullptr when the table has none.
template <typename Row, size_t N>
constexpr const Row *Find(const Row (&aRows)[N], const char *pcText) {
    static_assert(offsetof(Row, acText) == 0, "a row begins with its text");
    if (std::is_constant_evaluated()) {
        for (const Row &stRow : aRows)
            if (TextEq(stRow.acText, pcText)) return &stRow;
        return nullptr;
    }
    return static_cast<const Row *>(FindRow(RowsOf(aRows), pcText));
}

// The field of stRec that a key names in a table of KeyField rows; null when
// no row has it.
template <typename R, typename F, size_t L, size_t N>
F *FieldOf(const KeyField<R, F, L> (&astFields)[N], R &stRec, const char *pcKey) {
    const KeyField<R, F, L> *pstRow = Find(astFields, pcKey);
    return pstRow != nullptr ? &(stRec.*pstRow->pField) : nullptr;
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

// The member of vocabulary V whose text equals pcVal. No text: NullMsg
// (error) and V's null answer. Any other text: V's other answer, with BadMsg
// (info, the text as its argument) when V reports unknown texts.
template <LogText NullMsg, LogText BadMsg, const auto &V>
auto Match(Site site, const char *pcVal) {
    using E = decltype(V.enOther);
    using Row = std::remove_cvref_t<decltype(V.astWords[0])>;
    static_assert(offsetof(Row, ucVal) + 1 == sizeof(Row), "the member is the last byte of a row");
    const WordMsgs stMsgs{FmtOf<NullMsg>(),
                          V.eReport == Unknown::kLog ? FmtOf<BadMsg>() : Fmt{nullptr}};
    const WordAnswers stAnswers{static_cast<unsigned int>(V.enNull),
                                static_cast<unsigned int>(V.enOther)};
    return static_cast<E>(MatchText(site, RowsOf(V.astWords), pcVal, stMsgs, stAnswers));
}

// The member of a number in vocabulary V. Any other number: V's other answer,
// with BadMsg (info, the number as its argument) when V reports it.
template <LogText BadMsg, const auto &V>
auto MatchNumber(Site site, int iNum) {
    for (const auto &stRow : V.astNumbers)
        if (stRow.usNum == iNum) return stRow.Val();
    if constexpr (V.eReport == Unknown::kLog) LogAt<BadMsg>(site, kLogInfo, iNum);
    return V.enOther;
}

}  // namespace cap
