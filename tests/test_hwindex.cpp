// The hardware index: board type, version, the channels of "ISP_INFO" and the
// board type and version queries.
#include <string.h>

#include <string>

#include "fixture.h"

using namespace devcap_test;
using namespace std::string_literals;

namespace {

class HwIndexTest : public CapTest {
protected:
    // Start-up with an index holding the board B1 and these further members.
    int InitWith(const std::string &members) {
        product.index = R"({"board": "B1")" + (members.empty() ? "" : ", " + members) + "}";
        return Init();
    }
};

TEST_F(HwIndexTest, OneChannel) {
    ASSERT_EQ(InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])"), 0) << log.Dump();
    EXPECT_EQ(g_pstSensorCap->usSensorNum, 1);
    EXPECT_EQ(g_pstLensCap->usLensNum, 1);
    EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "imx327");
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_IMX327);
    EXPECT_STREQ(g_pstLensCap->aacLensName[0], "fixed");
    EXPECT_EQ(g_pstLensCap->aeLensType[0], CAP_LENS_FIXED);
    // The other channels keep the index defaults.
    EXPECT_EQ(g_pstSensorCap->aeSensorType[1], CAP_SENSOR_INVALID);
    EXPECT_EQ(g_pstLensCap->aeLensType[3], CAP_LENS_INVALID);
    EXPECT_EQ(g_pstSensorCap->aeSensorMode[3], CAP_SENSOR_MODE_INVALID);
}

TEST_F(HwIndexTest, NoIspInfoKeepsOneEmptyChannel) {
    EXPECT_EQ(InitWith(""), -4);  // the default channel has no names
    EXPECT_EQ(g_pstSensorCap->usSensorNum, 1);
    EXPECT_EQ(g_pstLensCap->usLensNum, 1);
    EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "");
    EXPECT_STREQ(g_pstLensCap->aacLensName[0], "");
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
    EXPECT_EQ(g_pstLensCap->aeLensType[0], CAP_LENS_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Sensor Path Fail ! \n")) << log.Dump();
}

TEST_F(HwIndexTest, EmptyIspInfoNeedsNoSensorOrLensFile) {
    product.sensors.clear();
    product.lenses.clear();
    ASSERT_EQ(InitWith(R"("ISP_INFO": [])"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetSensorNum(), 0);
    EXPECT_EQ(CAP_GetLensNum(), 0);
    EXPECT_STREQ(g_pstCapFiles->aacSensorPath[0], "");
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[0], "");
}

TEST_F(HwIndexTest, NullEntryStopsStartUpWithMinusTwo) {
    EXPECT_EQ(InitWith(R"("ISP_INFO": [null])"), -2);
    EXPECT_TRUE(log.HasFrom("cap_GetHardwareIndexVal", kError, " para is null ptr!\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("CAP_CapInit", kError, "Parse Hardware index fail!\n"));
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
}

TEST_F(HwIndexTest, LedInfoAfterIspInfoDecidesTheResult) {
    // The null entry's -2 is replaced by the LED parser's 0; stage two then
    // finds the channel without names.
    EXPECT_EQ(InitWith(R"("ISP_INFO": [null], "LedInfo": {"LedNum": 1})"), -4) << log.Dump();
    EXPECT_EQ(CAP_GetLedNum(), 1);
    // Only the last entry counts: an earlier null entry does not stop start-up.
    product.lenses["yt3010"] = "{}";
    EXPECT_EQ(InitWith(R"("ISP_INFO": [null, {"sensor": "imx327", "lens": "yt3010"}])"), -4)
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("CAP_CapInit", kError, "Get capa files path fail!\n"));
}

TEST_F(HwIndexTest, Version) {
    ASSERT_EQ(InitWith(R"("version": 65537, "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])"), 0);
    EXPECT_EQ(CAP_GetIndexCapVersion(), 1);
    InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])");
    EXPECT_EQ(CAP_GetIndexCapVersion(), 0);
    InitWith(R"("version": 2.5, "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])");
    EXPECT_EQ(CAP_GetIndexCapVersion(), 0);
    EXPECT_FALSE(log.Contains("key=version")) << log.Dump();
    InitWith(R"("version": "3", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])");
    EXPECT_EQ(CAP_GetIndexCapVersion(), 0);
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareIndex", kInfo,
                            " cap_ParseHardwareIndex para key=version is invalid in string type."))
        << log.Dump();
}

TEST_F(HwIndexTest, UnknownKeysByType) {
    ASSERT_EQ(InitWith(R"("i": 1, "s": "x", "a": [1], "o": {"k": 1}, "b": true, "d": 1.5, "n": null,
                          "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])"),
              0);
    EXPECT_TRUE(log.Has(kInfo, " cap_ParseHardwareIndex para key=i is invalid in int type."));
    EXPECT_TRUE(log.Has(kInfo, " cap_ParseHardwareIndex para key=s is invalid in string type."));
    EXPECT_TRUE(log.Has(kInfo, " cap_ParseHardwareIndex para key=a is invalid in object type."));
    for (const char *pcKey : {"key=o", "key=b", "key=d", "key=n", "key=board", "key=ISP_INFO"})
        EXPECT_FALSE(log.Contains(pcKey)) << pcKey << "\n" << log.Dump();
}

TEST_F(HwIndexTest, EntryMembers) {
    ASSERT_EQ(InitWith(R"("ISP_INFO": [{"sensor": "imx327", "extra": "x", "n": 1, "lens": "fixed",
                                         "sensor2": ["a"]}])"),
              0);
    EXPECT_TRUE(log.HasFrom("cap_GetHardwareIndexVal", kInfo,
                            "cap_GetHardwareIndexVal key = extra is invalid in string type."))
        << log.Dump();
    EXPECT_FALSE(log.Contains("key = n ")) << log.Dump();
    EXPECT_FALSE(log.Contains("key = sensor2 ")) << log.Dump();
    // A "sensor" of another type is ignored.
    InitWith(R"("ISP_INFO": [{"sensor": 5, "lens": "fixed"}])");
    EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "");
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
}

TEST_F(HwIndexTest, LongSensorNameIsCutButMatchedWhole) {
    InitWith(R"("ISP_INFO": [{"sensor": "imx327abcdef", "lens": "fixed"}])");
    EXPECT_TRUE(log.Has(kWarn, "imx327abcdef size = 12 is overflow of 10\n")) << log.Dump();
    EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "imx327abc");
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
}

TEST_F(HwIndexTest, BoardTypeOf19And20Characters) {
    std::string b19(19, 'b');
    product.boardType = b19;
    product.index = R"({"board": ")" + b19 + R"(", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(std::string(g_pstBoardCap->acBoardType), b19);
    EXPECT_FALSE(log.Contains("is overflow of")) << log.Dump();
    // Exactly 58 characters: the board path fits.
    EXPECT_EQ(strlen(g_pstCapFiles->acBoardPath), 58u);

    product.index = R"({"board": ")" + b19 + R"(x", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_TRUE(log.Has(kWarn, b19 + "x size = 20 is overflow of 20\n")) << log.Dump();
    EXPECT_EQ(std::string(g_pstBoardCap->acBoardType), b19);
}

TEST_F(HwIndexTest, LensArrayForms) {
    product.lenses["yt3010"] = "{}";
    ASSERT_EQ(InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": ["fixed", "3.6mm"]},
                                        {"sensor": "imx327", "lens": ["fixed", "3.6mm", "yt3010"]},
                                        {"sensor": "imx327", "lens": ["fixed", "box", "yt3010", "x"]}])"),
              0)
        << log.Dump();
    const LensCap &l = *g_pstLensCap;
    EXPECT_EQ(l.aeLensType[0], CAP_LENS_FIXED);
    EXPECT_EQ(l.aeFixDistance[0], CAP_FIX_3_6MM);
    EXPECT_STREQ(l.aacFixDistanceName[0], "3.6mm");
    EXPECT_STREQ(l.aacLensName2[0], "");
    EXPECT_EQ(l.aeLensType[1], CAP_LENS_YT3010);  // the third element decides the type
    EXPECT_STREQ(l.aacLensName[1], "fixed");       // the first names the folder
    EXPECT_STREQ(l.aacLensName2[1], "yt3010");
    EXPECT_EQ(l.aeLensType[2], CAP_LENS_FIXED);    // four elements: only the first two
    EXPECT_EQ(l.aeFixDistance[2], CAP_FIX_BOX);
    EXPECT_STREQ(l.aacLensName2[2], "");
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[1], "/usr/bin/hardware/lens/fixed/cap_lens.json");
}

TEST_F(HwIndexTest, ShortOrMalformedLensArray) {
    InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": ["fixed"]}])");
    EXPECT_EQ(g_pstLensCap->aeLensType[0], CAP_LENS_FIXED);
    EXPECT_EQ(g_pstLensCap->aeFixDistance[0], CAP_FIX_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_MatchFixDistance", kError, "invalid params!\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n"));
    EXPECT_STREQ(g_pstLensCap->aacFixDistanceName[0], "");

    // A non-text element counts as a missing text.
    InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": [7, "6mm"]}])");
    EXPECT_EQ(g_pstLensCap->aeLensType[0], CAP_LENS_INVALID);
    EXPECT_STREQ(g_pstLensCap->aacLensName[0], "");
    EXPECT_EQ(g_pstLensCap->aeFixDistance[0], CAP_FIX_6MM);
    EXPECT_TRUE(log.HasFrom("cap_MatchLensType", kError, "invalid params!\n")) << log.Dump();
}

TEST_F(HwIndexTest, IndexThatIsNotJson) {
    product.index = "{ broken";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareFromFile", kError, "patch Json is Null.")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareIndex", kError, "cap_GetHardwareJson fail!\n"));
    product.index = R"(["not", "an", "object"])";
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseHardwareFromFile", kError, "patch Json is Null.")) << log.Dump();
}

TEST_F(HwIndexTest, EntryThatIsNotAnObjectKeepsItsDefaults) {
    EXPECT_EQ(InitWith(R"("ISP_INFO": ["imx327"])"), -4);
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
}

// More entries than channels: the count is kept, nothing lands past channel 3,
// and stage two stops at the fifth sensor, which has no place in the record.
TEST_F(HwIndexTest, MoreThanFourEntriesWriteNothingPastTheChannels) {
    product.sensors["imx385"] = "{}";
    std::string entries;
    for (int i = 0; i < 6; ++i)
        entries += std::string(i ? ", " : "") +
                   R"({"sensor": "imx385", "lens": ["fixed", "2.8mm", "union_t5183"]})";
    EXPECT_EQ(InitWith(R"("ISP_INFO": [)" + entries + "]"), -4);
    EXPECT_EQ(g_pstSensorCap->usSensorNum, 6);
    EXPECT_EQ(g_pstLensCap->usLensNum, 6);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g_pstSensorCap->aeSensorType[i], CAP_SENSOR_IMX385);  // 0: a write past would show
        EXPECT_EQ(g_pstSensorCap->aeSensorMode[i], CAP_SENSOR_MODE_INVALID);
        EXPECT_EQ(g_pstLensCap->aeFixDistance[i], CAP_FIX_2_8MM);
        EXPECT_STREQ(g_pstLensCap->aacFixDistanceName[i], "2.8mm");
        EXPECT_STREQ(g_pstLensCap->aacLensName2[i], "union_t5183");
        EXPECT_EQ(g_pstLensCap->adFovAngle[i], 0.0);
        EXPECT_STREQ(g_pstCapFiles->aacSensorPath[i], "/usr/bin/hardware/sensor/imx385/cap_sensor.json");
    }
    // Bytes right after each four-slot array stay as cleared or reset.
    EXPECT_EQ(g_pstSensorCap->uiSensorReserved, 0u);
    EXPECT_STREQ(g_pstCapFiles->aacLensPath[0], "");
    EXPECT_STREQ(g_pstCapFiles->acPatchPath, "");
    EXPECT_TRUE(log.HasFrom("cap_GetOneCapFilesPath", kError, " cap_GetOneCapFilesPath para is invalid!\n"));
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Sensor Path Fail ! \n")) << log.Dump();
    char acFolder[40];
    EXPECT_EQ(CAP_GetConfigIspFolder(3, sizeof(acFolder), acFolder), 0);
    EXPECT_STREQ(acFolder, "imx385-fixed");
    EXPECT_EQ(CAP_GetConfigIspFolder(4, sizeof(acFolder), acFolder), -4);
}

TEST_F(HwIndexTest, BoardTypeQuery) {
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(CAP_GetBoardType(0, nullptr), -4);  // size first
    EXPECT_TRUE(log.HasFrom("CAP_GetBoardType", kError, "para out of range."));
    EXPECT_EQ(CAP_GetBoardType(8, nullptr), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetBoardType", kError, "Invalid input param.\n"));
    char acBuf[8];
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetBoardType(2, acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 3), "B\0x"s);  // terminated at size-1
    EXPECT_TRUE(log.Has(kWarn, "B1 size = 2 is overflow of 2\n")) << log.Dump();
    memset(acBuf, 'x', sizeof(acBuf));
    EXPECT_EQ(CAP_GetBoardType(sizeof(acBuf), acBuf), 0);
    EXPECT_EQ(std::string(acBuf, 8), "B1\0\0\0\0\0\0"s);
}

}  // namespace
