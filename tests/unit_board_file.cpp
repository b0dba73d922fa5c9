// The board dispatchers and object parsers called directly: null arguments
// and values of the wrong type, which the loader itself never hands them.
#include <json-c/json.h>

#include <memory>

#include "board/board.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

struct JsonPut {
    void operator()(json_object *o) const { json_object_put(o); }
};
using Json = std::unique_ptr<json_object, JsonPut>;

Json Parse(const char *pcText) { return Json(json_tokener_parse(pcText)); }

class BoardFileUnitTest : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        ASSERT_EQ(Init(), 0) << log.Dump();
        log.Clear();
    }
};

TEST_F(BoardFileUnitTest, NullArgumentsAreRefused) {
    Json v = Parse("1");
    EXPECT_EQ(cap_ParseBoardIntVal(nullptr, v.get()), -2);
    EXPECT_EQ(cap_ParseBoardIntVal("ResetGpio", nullptr), -2);
    EXPECT_EQ(log.Count(kError, "cap_ParseBoardIntVal para  is null ptr!\n"), 2);
    EXPECT_EQ(cap_ParseBoardStrVal("CameraType", nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardStrVal", kError, "cap_ParseBoardStrVal para is null ptr !\n"));
    EXPECT_EQ(cap_ParseBoardObjectVal(nullptr, v.get()), -2);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kError, "cap_ParseBoardObjectVal para is null ptr!\n"));
    EXPECT_EQ(cap_BoardArrayInit("LensPinsA", nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_BoardArrayInit", kError, "cap_BoardArrayInit is null ptr\n"));
    EXPECT_EQ(cap_ParseAlarmVal(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_ParseAlarmVal", kError, "alarm object invalid!\n"));
    EXPECT_EQ(cap_ParseUartVal(nullptr), -2);
    EXPECT_TRUE(log.HasFrom("cap_ParseUartVal", kError, "cap_ParseUartVal para is null!\n"));
    UartPort stPort = {};
    EXPECT_EQ(cap_ParseUartIndividual(nullptr, &stPort), -2);
    Json port = Parse(R"({"DeviceNode": ["a"]})");
    EXPECT_EQ(cap_ParseUartIndividual(port.get(), nullptr), -2);
    EXPECT_EQ(log.Count(kError, "cap_ParseUartIndividual para is null ptr!\n"), 2);
    EXPECT_EQ(CAP_GetResetGpio(), -1);
}

TEST_F(BoardFileUnitTest, ValuesOfTheWrongTypeAreRefused) {
    Json text = Parse(R"("12")");
    EXPECT_EQ(cap_ParseBoardIntVal("ResetGpio", text.get()), -1);
    // The value is logged before its type is examined.
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kInfo, "key=ResetGpio,val=12")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardIntVal", kError, "Key = ResetGpio,Val = 12 is not IntType\n"));
    EXPECT_EQ(CAP_GetResetGpio(), -1);

    Json number = Parse("3");
    EXPECT_EQ(cap_ParseBoardStrVal("CameraType", number.get()), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardStrVal", kInfo, "Key = CameraType,Val = 3 is not StringType\n"));
    EXPECT_EQ(cap_ParseBoardObjectVal("Alarm", number.get()), -1);
    EXPECT_TRUE(log.HasFrom("cap_ParseBoardObjectVal", kInfo, "Key = Alarm is not json_type_object\n"));
    // Not an array: no element to visit.
    EXPECT_EQ(cap_BoardArrayInit("LensPinsA", number.get()), 0);
    EXPECT_EQ(CAP_GetLensPins(0, 0), -1);
}

TEST_F(BoardFileUnitTest, DispatchersAnswerZeroForUnknownKeys) {
    Json number = Parse("3"), text = Parse(R"("x")"), object = Parse("{}"), array = Parse("[1]");
    EXPECT_EQ(cap_ParseBoardIntVal("Foo", number.get()), 0);
    EXPECT_EQ(cap_ParseBoardStrVal("Foo", text.get()), 0);
    EXPECT_EQ(cap_ParseBoardObjectVal("Foo", object.get()), 0);
    EXPECT_EQ(cap_BoardArrayInit("Foo", array.get()), 0);
    EXPECT_EQ(cap_ParseAlarmVal(object.get()), 0);
    EXPECT_EQ(cap_ParseUartVal(object.get()), 0);
}

TEST_F(BoardFileUnitTest, DefaultsLeaveIdentityAndHardwareVersionAlone) {
    g_pstBoardCap->uiHWVersionGpio = 0x0A000000u;
    g_pstBoardCap->usIndexVersion = 7;
    g_pstBoardCap->enCameraType = CAP_CAMERA_DOME;
    g_pstBoardCap->acBoardReserved[3] = 1;
    cap_BoardInfoValInit();
    EXPECT_EQ(g_pstBoardCap->uiHWVersionGpio, 0x0A000000u);
    EXPECT_EQ(g_pstBoardCap->usIndexVersion, 7);
    EXPECT_STREQ(g_pstBoardCap->acDevName, "MODEL1");
    EXPECT_STREQ(g_pstBoardCap->acBoardType, "B1");
    EXPECT_EQ(g_pstBoardCap->enCameraType, CAP_CAMERA_INVALID);
    EXPECT_EQ(g_pstBoardCap->acBoardReserved[3], 0);
}

}  // namespace
