// Lenses: field of view from the lens files, the lens queries with their two
// kinds of bound, the focus-type table, zoom and focus support.
#include <iterator>

#include "fixture.h"

using namespace devcap_test;

namespace {

class LensTest : public CapTest {
protected:
    // One channel per lens, each on an imx327.
    void Lenses(std::initializer_list<std::string> lenses) {
        std::string isp;
        for (const auto &l : lenses)
            isp += std::string(isp.empty() ? "" : ", ") + R"({"sensor": "imx327", "lens": )" + l + "}";
        product.index = R"({"board": "B1", "ISP_INFO": [)" + isp + "]}";
    }
};

// "FovAngle" counts only as a double (90 is no field of view, 90.0 is); the
// folder follows the first element of a lens array.
TEST_F(LensTest, FovAngleFromEachLensFile) {
    Lenses({R"("yt3010")", R"("union_t5183")", R"("fixed")", R"(["fixed", "6mm", "yt3010"])"});
    product.lenses = {{"yt3010", R"({"FovAngle": 90})"},
                      {"union_t5183", R"({"FovAngle": 90.0, "Zoom": 1.5, "Name": "x"})"},
                      {"fixed", R"({"FovAngle": 1.25e2})"}};
    ASSERT_EQ(Init(), 0);
    const double adFov[] = {0.0, 90.0, 125.0, 125.0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetFovAngle(i), adFov[i]) << i;
    EXPECT_EQ(CAP_GetFocusDistance(3), CAP_FIX_6MM);
    EXPECT_EQ(CAP_GetLensType(3), CAP_LENS_YT3010);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kInfo, " cap_LensCapInit para key=Zoom is invalid in object type."));
    EXPECT_FALSE(log.Contains("key=FovAngle"));
    EXPECT_FALSE(log.Contains("key=Name"));
}

// Type queries are bounded by the four slots, silently; the others by the
// lens count, each with its own message, level and answer.
TEST_F(LensTest, OneLensCameraBoundsByCountOrByCapacity) {
    ASSERT_EQ(Init(), 0);  // one lens "fixed", FovAngle 92.5
    EXPECT_EQ(CAP_GetLensNum(), 1);
    EXPECT_EQ(CAP_GetLensType(0), CAP_LENS_FIXED);
    EXPECT_EQ(CAP_GetFocusDistance(0), CAP_FIX_2_8MM);  // bare name: 0, the code of 2.8mm
    EXPECT_EQ(CAP_GetFovAngle(0), 92.5);
    log.Clear();
    EXPECT_EQ(CAP_GetLensType(1), 26);
    EXPECT_EQ(log.Size(), 0u);
    const struct {
        const char *pcFn, *pcText;
        double dGot, dWant;
    } aCases[] = {
        {"CAP_GetFocusType", "para out of range.", (double)CAP_GetFocusType(1), 3},
        {"CAP_GetFocusDistance", "para our of range", (double)CAP_GetFocusDistance(1), -1},
        {"CAP_GetFovAngle", "para our of range", CAP_GetFovAngle(1), -1.0},
        {"CAP_IsZoomSupport", "para out of range.", (double)CAP_IsZoomSupport(1), 0},
        {"CAP_IsFocusSupport", "para out of range.", (double)CAP_IsFocusSupport(-1), 0},
        {"CAP_GetLensType", "CAP_GetLensType para out of range", (double)CAP_GetLensType(4), 26},
        {"CAP_GetLensType", "CAP_GetLensType para out of range", (double)CAP_GetLensType(-1), 26},
    };
    ASSERT_EQ(log.Size(), std::size(aCases));
    for (size_t i = 0; i < std::size(aCases); ++i) {
        const auto &c = aCases[i];
        EXPECT_EQ(c.dGot, c.dWant) << c.pcFn;
        EXPECT_EQ(log.Entries()[i].fn, c.pcFn);
        EXPECT_EQ(log.Entries()[i].level, kError) << c.pcFn;
        EXPECT_EQ(log.Entries()[i].text, c.pcText) << c.pcFn;
    }
}

TEST_F(LensTest, FocusTypeOfEveryLensType) {
    ASSERT_EQ(Init(), 0);
    // 0..25, then the invalid member.
    const int aiFocus[] = {1, 1, 2, 1, 1, 0, 1, 3, 1, 1, 1, 1, 1, 1,
                           1, 1, 3, 3, 3, 3, 1, 1, 1, 1, 1, 1, 3};
    for (unsigned int uiType = 0; uiType < std::size(aiFocus); ++uiType) {
        g_pstLensCap->aeLensType[0] = uiType;
        EXPECT_EQ(CAP_GetFocusType(0), aiFocus[uiType]) << "type " << uiType;
        EXPECT_EQ(CAP_IsZoomSupport(0), aiFocus[uiType] == 1) << "type " << uiType;
        EXPECT_EQ(CAP_IsFocusSupport(0), aiFocus[uiType] == 1 || aiFocus[uiType] == 2) << "type " << uiType;
    }
    g_pstLensCap->aeLensType[0] = 40;
    EXPECT_EQ(CAP_GetFocusType(0), 3);
}

TEST_F(LensTest, TypeMulMessagesAndOrder) {
    Lenses({R"("yt3010")", R"("fixed")"});
    product.lenses = {{"yt3010", "{}"}, {"fixed", "{}"}};
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(CAP_GetLensTypeMul(5, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLensTypeMul", kError, "CAP_GetLensType para out of range."));
    EXPECT_EQ(CAP_GetLensTypeMul(1, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetLensTypeMul", kError, "CAP_GetLensTypeAll para null ptr."));
    LensType aeType[4] = {99, 99, 99, 99};
    EXPECT_EQ(CAP_GetLensTypeMul(3, aeType), 0);
    EXPECT_EQ(std::vector<LensType>(aeType, aeType + 4),
              (std::vector<LensType>{CAP_LENS_YT3010, CAP_LENS_FIXED, 26, 99}));
}

TEST_F(LensTest, UnreadableLensFileStopsStartUp) {
    Lenses({R"("yt3010")", R"("fixed")"});
    product.lenses = {{"yt3010", R"({"FovAngle": 60.5})"}, {"fixed", "[oops"}};
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "Lens Cap is null."));
    EXPECT_EQ(log.Entries().back().text, "CAP_LensCapInit return value error.\n");
    EXPECT_EQ(CAP_GetFovAngle(0), 60.5);
    EXPECT_EQ(CAP_GetFovAngle(1), 0.0);
}

// A count beyond the channels (possible only in a record a failed start-up
// left behind): queries bounded by the count never reach past the fourth slot,
// and the lens stage refuses the fifth lens.
TEST_F(LensTest, CountAboveTheChannelsReadsNothingPastTheFourthSlot) {
    Lenses({R"("fixed")", R"("fixed")", R"("fixed")", R"("fixed")"});
    ASSERT_EQ(Init(), 0);
    g_pstLensCap->usLensNum = 9;
    log.Clear();
    EXPECT_EQ(CAP_GetFocusDistance(4), -1);
    EXPECT_EQ(CAP_GetFovAngle(4), -1.0);
    EXPECT_EQ(CAP_GetFocusType(8), 3);
    EXPECT_EQ(CAP_IsZoomSupport(5), 0);
    EXPECT_EQ(CAP_IsFocusSupport(4), 0);
    EXPECT_EQ(log.Size(), 5u);
    EXPECT_EQ(CAP_GetFovAngle(3), 92.5);

    log.Clear();
    EXPECT_EQ(cap_LensInitAll(), -4);
    EXPECT_TRUE(log.HasFrom("cap_LensCapInit", kError, "Para out of range."));
    EXPECT_EQ(log.Size(), 1u);
}

}  // namespace
