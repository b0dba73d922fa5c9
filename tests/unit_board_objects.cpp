// The object parsers of the board file called directly: a null object is
// refused with the parser's own message and changes nothing.
#include <stddef.h>
#include <string.h>

#include <string>

#include "board/board.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class BoardObjectsTest : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        memset(&g_stDevCap, 0, sizeof(g_stDevCap));
        g_pstBoardCap = &g_stDevCap.stBoardCap;
        cap_BoardInfoValInit();
        log.Clear();
    }
};

struct Parser {
    const char *fn;
    int (*parse)(json_object *);
    const char *nullMsg;  // empty: any error naming the parser will do
};

constexpr Parser kParsers[] = {
    {"cap_ParseIris", cap_ParseIris, "cap_ParseIris para is null ptr!\n"},
    {"cap_ParseIrcut", cap_ParseIrcut, "CAP_ParseIruct para is null!\n"},
    {"cap_ParseVideo", cap_ParseVideo, "cap_ParseVideo para is null!\n"},
    {"cap_ParseAudio", cap_ParseAudio, "cap_ParseAudio para is null!\n"},
    {"cap_ParseTemperature", cap_ParseTemperature, "cap_ParseTemperature para is null!\n"},
    {"cap_ParseCVBS", cap_ParseCVBS, "cap_ParseCVBS para is null!\n"},
    {"cap_ParseSniffer", cap_ParseSniffer, "cap_ParseSniffer para is null!\n"},
    {"cap_ParseAccelerate", cap_ParseAccelerate, ""},
    {"cap_ParseEcompass", cap_ParseEcompass, ""},
    {"cap_ParsePtz", cap_ParsePtz, "cap_ParsePtz para is null ptr!\n"},
};

TEST_F(BoardObjectsTest, NullObjectIsRefusedAndChangesNothing) {
    BoardCap stBefore;
    memcpy(&stBefore, g_pstBoardCap, sizeof(stBefore));
    for (const Parser &p : kParsers) {
        log.Clear();
        EXPECT_EQ(p.parse(nullptr), -2) << p.fn;
        auto entries = log.Entries();
        ASSERT_EQ(entries.size(), 1u) << p.fn << log.Dump();
        EXPECT_EQ(entries[0].fn, p.fn);
        EXPECT_EQ(entries[0].level, kError) << p.fn;
        if (*p.nullMsg != '\0') {
            EXPECT_EQ(entries[0].text, p.nullMsg) << p.fn;
        }
    }
    EXPECT_EQ(memcmp(&stBefore, g_pstBoardCap, sizeof(stBefore)), 0);
}

// The loader only hands over objects; anything else has no members to walk.
TEST_F(BoardObjectsTest, NonObjectHasNothingToParse) {
    BoardCap stBefore;
    memcpy(&stBefore, g_pstBoardCap, sizeof(stBefore));
    json_object *pstArray = json_tokener_parse(R"([{"Type": ["dc"]}, 1])");
    ASSERT_NE(pstArray, nullptr);
    for (const Parser &p : kParsers) EXPECT_EQ(p.parse(pstArray), 0) << p.fn;
    json_object_put(pstArray);
    EXPECT_EQ(memcmp(&stBefore, g_pstBoardCap, sizeof(stBefore)), 0);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
}

// The defaults of these objects touch their own sub-records and the
// temperature flag, nothing before them.
TEST_F(BoardObjectsTest, DefaultsStayInsideTheirSubRecords) {
    memset(g_pstBoardCap, 0x77, sizeof(*g_pstBoardCap));
    cap_OpticsMediaValInit();
    cap_PeripheralValInit();
    cap_PtzValInit();
    const auto *pc = reinterpret_cast<const unsigned char *>(g_pstBoardCap);
    const size_t ulFlag = offsetof(BoardCap, bTempSupport);
    for (size_t i = 0; i < offsetof(BoardCap, stIris); ++i) {
        if (i >= ulFlag && i < ulFlag + sizeof(unsigned int)) continue;
        ASSERT_EQ(pc[i], 0x77) << "byte " << i;
    }
    EXPECT_EQ(g_pstBoardCap->bTempSupport, 0u);
    EXPECT_EQ(g_pstBoardCap->stAudio.bLineInSup, 1u);
    EXPECT_EQ(g_pstBoardCap->stTemperature.acTempDeviceNode[CAP_TEMP_NODE_LEN - 1], '\0');
    EXPECT_EQ(g_pstBoardCap->stPtz.acWiperBoardNode[CAP_NODE_LEN - 1], '\0');
}

}  // namespace
