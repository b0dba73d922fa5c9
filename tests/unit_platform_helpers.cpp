// The shared helpers behind the word tables, the array fillers and the copy
// and text queries: exact matching, a member stored in one byte, the check
// order and the edges of each count and size.
#include <json-c/json.h>
#include <string.h>

#include <string>

#include "board/elements.h"
#include "fixture.h"
#include "platform/query.h"
#include "platform/text.h"
#include "platform/words.h"

using namespace devcap_test;

namespace {

class PlatformHelpersTest : public CapTest {};

constexpr cap::Word<unsigned int, sizeof("abcd")> kWords[] = {{"ab", 3}, {"abcd", 255}, {"", 7}};
constexpr cap::Vocabulary kLogged{kWords, 100u, 101u, cap::Unknown::kLog};
constexpr cap::Vocabulary kSilent{kWords, 100u, 101u, cap::Unknown::kSilent};
struct Rec {
    int iOne, iTwo, iThree;
};
constexpr cap::KeyField<Rec, int, sizeof("three")> kKeys[] = {
    {"one", &Rec::iOne}, {"two", &Rec::iTwo}, {"three", &Rec::iThree}};
const cap::Site kSite{"cap_TestSite", 12};

unsigned int Match(const char *pcVal) {
    return cap::Match<"null text!\n", "unknown:%s\n", kLogged>(kSite, pcVal);
}
unsigned int MatchSilently(const char *pcVal) {
    return cap::Match<"null text!\n", "", kSilent>(kSite, pcVal);
}

// Whole texts only: no prefix, no text running past a word, no other case; the empty word
// is a word like any other, and a member of 255 survives its byte.
TEST_F(PlatformHelpersTest, WordsMatchWholeTextsOnly) {
    EXPECT_EQ(Match("ab"), 3u);
    EXPECT_EQ(Match("abcd"), 255u);
    EXPECT_EQ(Match(""), 7u);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(Match("abc"), 101u);
    EXPECT_EQ(Match("abcde"), 101u);
    EXPECT_EQ(Match("AB"), 101u);
    EXPECT_EQ(log.Count(kInfo, "unknown:abc\n"), 1);
    EXPECT_TRUE(log.HasFrom("cap_TestSite", kInfo, "unknown:abcde\n"));
    EXPECT_EQ(Match(nullptr), 100u);
    EXPECT_TRUE(log.HasFrom("cap_TestSite", kError, "null text!\n"));
    EXPECT_EQ(log.Size(), 4u) << log.Dump();

    log.Clear();
    EXPECT_EQ(MatchSilently("abc"), 101u);
    EXPECT_EQ(MatchSilently("abcd"), 255u);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    EXPECT_EQ(MatchSilently(nullptr), 100u);
    EXPECT_EQ(log.Count(kError, "null text!\n"), 1);

    Rec stRec{1, 2, 3};
    EXPECT_EQ(cap::FieldOf(kKeys, stRec, "three"), &stRec.iThree);
    EXPECT_EQ(cap::FieldOf(kKeys, stRec, "thre"), nullptr);
    EXPECT_EQ(cap::Find(kKeys, "two"), &kKeys[1]);
    static_assert(cap::Find(kWords, "abcd")->Val() == 255);
    static_assert(cap::Find(kWords, "abc") == nullptr);
}

// Rows: a row that is not an array is skipped, a short row leaves the rest of
// its slots, a long row and a long array are cut with one warning each.
TEST_F(PlatformHelpersTest, IntRowsKeepTheirShape) {
    int aaiRows[3][2] = {{-1, -1}, {-1, -1}, {-1, -1}};
    json_object *pstArray = json_tokener_parse(R"([[1, 2, 9], [3], "x", [4, 5]])");
    cap::FillRows(kSite, "Rows", aaiRows, pstArray);
    json_object_put(pstArray);
    const int aaiWant[3][2] = {{1, 2}, {3, -1}, {-1, -1}};
    EXPECT_EQ(memcmp(aaiRows, aaiWant, sizeof(aaiRows)), 0);
    EXPECT_EQ(log.Count(kWarn, "key=Rows has 3 elements, only 2 kept.\n"), 1);
    EXPECT_EQ(log.Count(kWarn, "key=Rows has 4 elements, only 3 kept.\n"), 1);
    EXPECT_EQ(log.Size(), 2u) << log.Dump();
}

// The count is tested before the destination; 1..N copies exactly that many.
TEST_F(PlatformHelpersTest, CopyFirstChecksCountThenDestination) {
    const int aiTable[4] = {10, 11, 12, 13};
    int aiOut[5] = {0, 0, 0, 0, -7};
    auto Copy = [&](int iNum, int *piOut) {
        return cap::CopyFirst<"range!", "null!">(kSite, aiTable, iNum, piOut);
    };
    EXPECT_EQ(Copy(5, nullptr), -4);
    EXPECT_EQ(Copy(0, aiOut), -4);
    EXPECT_EQ(Copy(4, nullptr), -2);
    EXPECT_EQ(log.Count(kError, "range!"), 2);
    EXPECT_EQ(log.Count(kError, "null!"), 1);
    EXPECT_EQ(Copy(4, aiOut), 0);
    const int aiWant[5] = {10, 11, 12, 13, -7};
    EXPECT_EQ(memcmp(aiOut, aiWant, sizeof(aiOut)), 0);

    // Values of another size are copied whole, and no more of them.
    const unsigned short ausTable[3] = {0x1234, 0x5678, 0x9abc};
    unsigned short ausOut[3] = {0, 0, 0xffff};
    EXPECT_EQ((cap::CopyFirst<"range!", "null!">(kSite, ausTable, 2, ausOut)), 0);
    EXPECT_EQ(ausOut[0], 0x1234);
    EXPECT_EQ(ausOut[1], 0x5678);
    EXPECT_EQ(ausOut[2], 0xffff);
}

// A size of 1 gives an empty text; the upper bound, when given, is inclusive.
TEST_F(PlatformHelpersTest, TextOutSizes) {
    char acBuf[8];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(cap::TextOut<"null!">(kSite, "abc", 1, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 2), std::string("\0x", 2));
    EXPECT_EQ(cap::TextOut<"null!">(kSite, "abc", 0, acBuf), -4);
    EXPECT_EQ(cap::TextOut<"null!">(kSite, "abc", 5, acBuf, 4), -4);
    EXPECT_EQ(log.Count(kError, "para out of range."), 2);
    EXPECT_EQ(cap::TextOut<"null!">(kSite, "abc", 4, acBuf, 4), 0);
    EXPECT_STREQ(acBuf, "abc");
    EXPECT_EQ(cap::TextOut<"null!">(kSite, "abc", static_cast<unsigned short>(3), nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_TestSite", kError, "null!"));
}

// A missing text leaves the field as it was; a text that fills the field is
// cut one short and reported.
TEST_F(PlatformHelpersTest, StoreTextKeepsTheField) {
    char acField[4] = {'a', 'b', 'c', '\0'};
    cap::StoreText(acField, nullptr);
    EXPECT_STREQ(acField, "abc");
    EXPECT_EQ(log.Count(kWarn, "invalid params!\n"), 1);
    cap::StoreText(acField, "wxyz");
    EXPECT_STREQ(acField, "wxy");
    EXPECT_EQ(log.Count(kWarn, "wxyz size = 4 is overflow of 4\n"), 1);
}

}  // namespace
