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

// Forms of "ISP_INFO" that fill no channel. The result of the last entry
// counts ("LedInfo" after it replaces it); a channel without names stops
// stage two with -4. No sensor or lens file exists here.
TEST_F(HwIndexTest, IspInfoWithoutAUsableChannel) {
    const struct {
        const char *pcMembers;
        int iRet, iNum, iLeds;
        const char *pcFn, *pcError;
    } aCases[] = {
        {"", -4, 1, 0, "cap_GetCapFilesPath", "Init Sensor Path Fail ! \n"},  // one empty channel
        {R"("ISP_INFO": [])", 0, 0, 0, "", ""},
        {R"("ISP_INFO": [null])", -2, 1, 0, "cap_GetHardwareIndexVal", " para is null ptr!\n"},
        {R"("ISP_INFO": [null], "LedInfo": {"LedNum": 1})", -4, 1, 1, "CAP_CapInit", "Get capa files path fail!\n"},
        {R"("ISP_INFO": [null, {"sensor": "imx327", "lens": "yt3010"}])", -4, 2, 0, "CAP_CapInit",
         "Get capa files path fail!\n"},
        {R"("ISP_INFO": ["imx327"])", -4, 1, 0, "", ""},
        {R"("ISP_INFO": [{"sensor": 5, "lens": "fixed"}])", -4, 1, 0, "", ""},
    };
    product.sensors.clear();
    product.lenses.clear();
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.pcMembers);
        EXPECT_EQ(InitWith(c.pcMembers), c.iRet) << log.Dump();
        EXPECT_EQ(g_pstSensorCap->usSensorNum, c.iNum);
        EXPECT_EQ(g_pstLensCap->usLensNum, c.iNum);
        EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "");
        EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);
        EXPECT_EQ(CAP_GetLedNum(), c.iLeds);
        if (*c.pcFn) {
            EXPECT_TRUE(log.HasFrom(c.pcFn, kError, c.pcError)) << log.Dump();
        }
    }
}

// Which top-level members the index reports: text, integer and array members
// other than its own; an integer version is taken in 16 bits.
TEST_F(HwIndexTest, IndexKeysByType) {
    const struct {
        const char *pcMember, *pcKey;
        int iVersion;
        const char *pcType;  // of the info message, or none
    } aCases[] = {
        {R"("version": 65537)", "version", 1, nullptr}, {R"("version": 2.5)", "version", 0, nullptr},
        {R"("version": "3")", "version", 0, "string"},  {R"("i": 1)", "i", 0, "int"},
        {R"("s": "x")", "s", 0, "string"},              {R"("a": [1])", "a", 0, "object"},
        {R"("o": {"k": 1})", "o", 0, nullptr},          {R"("b": true)", "b", 0, nullptr},
        {R"("d": 1.5)", "d", 0, nullptr},               {R"("n": null)", "n", 0, nullptr},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.pcMember);
        ASSERT_EQ(InitWith(c.pcMember + R"(, "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}])"s), 0);
        EXPECT_EQ(CAP_GetIndexCapVersion(), c.iVersion);
        const std::string text = " cap_ParseHardwareIndex para key="s + c.pcKey + " is invalid in ";
        if (c.pcType)
            EXPECT_TRUE(log.HasFrom("cap_ParseHardwareIndex", kInfo, text + c.pcType + " type.")) << log.Dump();
        else
            EXPECT_FALSE(log.Contains(text)) << log.Dump();
        EXPECT_FALSE(log.Contains("key=board") || log.Contains("key=ISP_INFO")) << log.Dump();
    }
}

// Of an entry's other members, only texts are reported.
TEST_F(HwIndexTest, EntryMembers) {
    ASSERT_EQ(InitWith(R"("ISP_INFO": [{"sensor": "imx327", "extra": "x", "n": 1, "lens": "fixed", "s2": ["a"]}])"), 0);
    EXPECT_TRUE(log.HasFrom("cap_GetHardwareIndexVal", kInfo,
                            "cap_GetHardwareIndexVal key = extra is invalid in string type."));
    EXPECT_FALSE(log.Contains("key = n ") || log.Contains("key = s2 "));
}

TEST_F(HwIndexTest, LongNamesAreCut) {
    InitWith(R"("ISP_INFO": [{"sensor": "imx327abcdef", "lens": "fixed"}])");
    EXPECT_TRUE(log.Has(kWarn, "imx327abcdef size = 12 is overflow of 10\n"));
    EXPECT_STREQ(g_pstSensorCap->aacSensorName[0], "imx327abc");
    EXPECT_EQ(g_pstSensorCap->aeSensorType[0], CAP_SENSOR_INVALID);  // matched whole

    // A board type of 19 characters fits (and its board path of 58); 20 do not.
    std::string b19(19, 'b');
    product.boardType = b19;
    const std::string kIsp = R"(", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    product.index = R"({"board": ")" + b19 + kIsp;
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(g_pstBoardCap->acBoardType, b19);
    EXPECT_EQ(strlen(g_pstCapFiles->acBoardPath), 58u);
    EXPECT_FALSE(log.Contains("is overflow of"));
    product.index = R"({"board": ")" + b19 + "x" + kIsp;
    ASSERT_EQ(Init(), 0);
    EXPECT_TRUE(log.Has(kWarn, b19 + "x size = 20 is overflow of 20\n"));
    EXPECT_EQ(g_pstBoardCap->acBoardType, b19);
}

// A lens array: the first element names the folder, the second the fixed
// distance, a third (of three) the lens type; a longer array counts as two.
TEST_F(HwIndexTest, LensArrayForms) {
    const struct {
        const char *pcLens;
        LensType enType;
        FixDistance enDistance;
        const char *pcDistance, *pcName, *pcName2, *pcFn;  // pcFn: which reports "invalid params!\n"
    } aCases[] = {
        {R"(["fixed", "3.6mm"])", CAP_LENS_FIXED, CAP_FIX_3_6MM, "3.6mm", "fixed", "", nullptr},
        {R"(["fixed", "3.6mm", "yt3010"])", CAP_LENS_YT3010, CAP_FIX_3_6MM, "3.6mm", "fixed", "yt3010", nullptr},
        {R"(["fixed", "box", "yt3010", "x"])", CAP_LENS_FIXED, CAP_FIX_BOX, "box", "fixed", "", nullptr},
        {R"(["fixed"])", CAP_LENS_FIXED, CAP_FIX_INVALID, "", "fixed", "", "cap_MatchFixDistance"},
        {R"([7, "6mm"])", CAP_LENS_INVALID, CAP_FIX_6MM, "6mm", "", "", "cap_MatchLensType"},
    };
    for (const auto &c : aCases) {
        SCOPED_TRACE(c.pcLens);
        InitWith(R"("ISP_INFO": [{"sensor": "imx327", "lens": )"s + c.pcLens + "}]");
        const LensCap &l = *g_pstLensCap;
        EXPECT_EQ(l.aeLensType[0], c.enType);
        EXPECT_EQ(l.aeFixDistance[0], c.enDistance);
        EXPECT_STREQ(l.aacFixDistanceName[0], c.pcDistance);
        EXPECT_STREQ(l.aacLensName[0], c.pcName);
        EXPECT_STREQ(l.aacLensName2[0], c.pcName2);
        EXPECT_EQ(g_pstCapFiles->aacLensPath[0], *c.pcName ? "/usr/bin/hardware/lens/fixed/cap_lens.json"s : "");
        EXPECT_EQ(log.HasFrom(c.pcFn ? c.pcFn : "", kError, "invalid params!\n"), c.pcFn != nullptr) << log.Dump();
    }
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n"));  // the missing distance
}

// More entries than channels: the count is kept, nothing lands past channel 3,
// and stage two stops at the fifth sensor, which has no place in the record.
TEST_F(HwIndexTest, MoreThanFourEntriesWriteNothingPastTheChannels) {
    product.sensors["imx385"] = "{}";
    std::string entries;
    for (int i = 0; i < 6; ++i)
        entries += std::string(i ? ", " : "") + R"({"sensor": "imx385", "lens": ["fixed", "2.8mm", "union_t5183"]})";
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
    EXPECT_TRUE(log.HasFrom("cap_GetCapFilesPath", kError, "Init Sensor Path Fail ! \n"));
    char acFolder[40];
    EXPECT_EQ(CAP_GetConfigIspFolder(3, sizeof(acFolder), acFolder), 0);
    EXPECT_STREQ(acFolder, "imx385-fixed");
    EXPECT_EQ(CAP_GetConfigIspFolder(4, sizeof(acFolder), acFolder), -4);
}

}  // namespace
