// The board dispatchers and object parsers called directly: null arguments,
// values of the wrong type and non-objects, which the loader itself never
// hands them, and the reach of the board defaults.
#include <json-c/json.h>
#include <stddef.h>
#include <string.h>

#include "board/board.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

json_object *g_pstNumber, *g_pstText, *g_pstObject, *g_pstArray;

class BoardFileUnitTest : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        ASSERT_EQ(Init(), 0);
        g_pstNumber = json_tokener_parse("3");
        g_pstText = json_tokener_parse(R"("12")");
        g_pstObject = json_tokener_parse(R"({"DeviceNode": ["a"]})");
        g_pstArray = json_tokener_parse(R"([{"Type": ["dc"]}, 1])");
        log.Clear();
    }
    void TearDown() override {
        for (json_object *o : {g_pstNumber, g_pstText, g_pstObject, g_pstArray}) json_object_put(o);
        CapTest::TearDown();
    }
};

TEST_F(BoardFileUnitTest, NullArgumentsAreRefused) {
    static UartPort stPort;
    ExpectRefusals(log, {
        REFUSE("cap_ParseBoardIntVal", cap_ParseBoardIntVal(nullptr, g_pstNumber), -2,
               "cap_ParseBoardIntVal para  is null ptr!\n"),
        REFUSE("cap_ParseBoardIntVal", cap_ParseBoardIntVal("ResetGpio", nullptr), -2,
               "cap_ParseBoardIntVal para  is null ptr!\n"),
        REFUSE("cap_ParseBoardStrVal", cap_ParseBoardStrVal("CameraType", nullptr), -2,
               "cap_ParseBoardStrVal para is null ptr !\n"),
        REFUSE("cap_ParseBoardObjectVal", cap_ParseBoardObjectVal(nullptr, g_pstObject), -2, ""),
        REFUSE("cap_BoardArrayInit", cap_BoardArrayInit("LensPinsA", nullptr), -2, "cap_BoardArrayInit is null ptr\n"),
        REFUSE("cap_ParseAlarmVal", cap_ParseAlarmVal(nullptr), -2, "alarm object invalid!\n"),
        REFUSE("cap_ParseUartVal", cap_ParseUartVal(nullptr), -2, "cap_ParseUartVal para is null!\n"),
        REFUSE("cap_ParseUartIndividual", cap_ParseUartIndividual(nullptr, &stPort), -2,
               "cap_ParseUartIndividual para is null ptr!\n"),
        REFUSE("cap_ParseUartIndividual", cap_ParseUartIndividual(g_pstObject, nullptr), -2,
               "cap_ParseUartIndividual para is null ptr!\n"),
    });
    EXPECT_EQ(CAP_GetResetGpio(), -1);
}

// The object parsers refuse a null object with their own message and change
// nothing; a non-object has no members to walk.
TEST_F(BoardFileUnitTest, ObjectParsersRefuseNullAndPassOverNonObjects) {
    BoardCap stBefore;
    memcpy(&stBefore, g_pstBoardCap, sizeof(stBefore));
    ExpectRefusals(log, {
        REFUSE("cap_ParseIris", cap_ParseIris(nullptr), -2, "cap_ParseIris para is null ptr!\n"),
        REFUSE("cap_ParseIrcut", cap_ParseIrcut(nullptr), -2, "CAP_ParseIruct para is null!\n"),
        REFUSE("cap_ParseVideo", cap_ParseVideo(nullptr), -2, "cap_ParseVideo para is null!\n"),
        REFUSE("cap_ParseAudio", cap_ParseAudio(nullptr), -2, "cap_ParseAudio para is null!\n"),
        REFUSE("cap_ParseTemperature", cap_ParseTemperature(nullptr), -2, "cap_ParseTemperature para is null!\n"),
        REFUSE("cap_ParseCVBS", cap_ParseCVBS(nullptr), -2, "cap_ParseCVBS para is null!\n"),
        REFUSE("cap_ParseSniffer", cap_ParseSniffer(nullptr), -2, "cap_ParseSniffer para is null!\n"),
        REFUSE("cap_ParseAccelerate", cap_ParseAccelerate(nullptr), -2, ""),
        REFUSE("cap_ParseEcompass", cap_ParseEcompass(nullptr), -2, ""),
        REFUSE("cap_ParsePtz", cap_ParsePtz(nullptr), -2, "cap_ParsePtz para is null ptr!\n"),
    });
    log.Clear();
    for (int (*pfnParse)(json_object *) :
         {cap_ParseIris, cap_ParseIrcut, cap_ParseVideo, cap_ParseAudio, cap_ParseTemperature, cap_ParseCVBS,
          cap_ParseSniffer, cap_ParseAccelerate, cap_ParseEcompass, cap_ParsePtz, cap_ParseAlarmVal})
        EXPECT_EQ(pfnParse(g_pstArray), 0);
    EXPECT_EQ(memcmp(&stBefore, g_pstBoardCap, sizeof(stBefore)), 0);
    EXPECT_EQ(log.Size(), 0u);
}

// The value is logged before its type is examined; unknown keys answer 0.
TEST_F(BoardFileUnitTest, DispatchersRefuseValuesOfTheWrongType) {
    EXPECT_EQ(cap_ParseBoardIntVal("ResetGpio", g_pstText), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=ResetGpio,val=12"));
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kError, "Key = ResetGpio,Val = 12 is not IntType\n"));
    EXPECT_EQ(cap_ParseBoardStrVal("CameraType", g_pstNumber), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardStrVal", kInfo, "Key = CameraType,Val = 3 is not StringType\n"));
    EXPECT_EQ(cap_ParseBoardObjectVal("Alarm", g_pstNumber), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kInfo, "Key = Alarm is not json_type_object\n"));
    EXPECT_EQ(cap_BoardArrayInit("LensPinsA", g_pstNumber), 0);  // no element to visit
    ExpectAnswers({
        WANT(CAP_GetResetGpio(), -1), WANT(CAP_GetLensPins(0, 0), -1),
        WANT(cap_ParseBoardIntVal("Foo", g_pstNumber), 0), WANT(cap_ParseBoardStrVal("Foo", g_pstText), 0),
        WANT(cap_ParseBoardObjectVal("Foo", g_pstObject), 0), WANT(cap_BoardArrayInit("Foo", g_pstArray), 0),
        WANT(cap_ParseUartVal(g_pstObject), 0),
    });
}

TEST_F(BoardFileUnitTest, DefaultsLeaveIdentityAndHardwareVersionAlone) {
    g_pstBoardCap->uiHWVersionGpio = 0x0A000000u;
    g_pstBoardCap->usIndexVersion = 7;
    g_pstBoardCap->enCameraType = CAP_CAMERA_DOME;
    g_pstBoardCap->acBoardReserved[3] = 1;
    cap_BoardInfoValInit();
    ExpectAnswers({WANT(g_pstBoardCap->uiHWVersionGpio, 0x0A000000u), WANT(g_pstBoardCap->usIndexVersion, 7),
                   WANT(g_pstBoardCap->enCameraType, CAP_CAMERA_INVALID),
                   WANT(g_pstBoardCap->acBoardReserved[3], 0)});
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1");
    EXPECT_STREQ(g_pstBoardCap->acBoardType, "B1");
}

// The defaults of the objects touch their own sub-records and the
// temperature flag, nothing before them.
TEST_F(BoardFileUnitTest, ObjectDefaultsStayInsideTheirSubRecords) {
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
    ExpectAnswers({WANT(g_pstBoardCap->bTempSupport, 0), WANT(g_pstBoardCap->stAudio.bLineInSup, 1),
                   WANT(g_pstBoardCap->stTemperature.acTempDeviceNode[CAP_TEMP_NODE_LEN - 1], 0),
                   WANT(g_pstBoardCap->stPtz.acWiperBoardNode[CAP_NODE_LEN - 1], 0)});
}

}  // namespace
