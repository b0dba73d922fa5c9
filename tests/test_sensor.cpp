// Sensors: modes from the sensor files, the sensor queries and the resolution
// class with its equipment-mode question.
#include <iterator>

#include "fixture.h"

using namespace devcap_test;

namespace {

class SensorTest : public CapTest {
protected:
    // One channel per sensor, each with a fixed lens, and their sensor files.
    void Channels(const std::map<std::string, std::string> &sensors, std::vector<std::string> order = {}) {
        if (order.empty())
            for (const auto &[name, text] : sensors) order.push_back(name);
        std::string isp;
        for (const auto &s : order)
            isp += std::string(isp.empty() ? "" : ", ") + R"({"sensor": ")" + s + R"(", "lens": "fixed"})";
        product.index = R"({"board": "B1", "ISP_INFO": [)" + isp + "]}";
        product.sensors = sensors;
    }
};

// Each channel reads its own file. The last pair of modes is swapped
// ("4m2688_1520ph" 27, "4m2688_1520pl" 28); the text must match exactly.
TEST_F(SensorTest, ModesFromEachSensorFile) {
    const std::vector<std::string> kOrder = {"imx327", "sc500ai", "imx335"};
    const std::pair<std::vector<std::string>, std::vector<int>> aRuns[] = {
        {{R"({"Other": 1, "SensorMode": "4m2688_1520ph"})", R"({"SensorMode": "4m2688_1520pl"})",
          R"({"SensorMode": "9m2160ph"})"},
         {27, 28, 26}},
        {{R"({"SensorMode": 3})", R"({"SensorMode": "1080PL", "sensorMode": "1080pl"})", R"({"SensorMode": "normal"})"},
         {29, 29, 0}},
    };
    for (const auto &[files, modes] : aRuns) {
        Channels({{kOrder[0], files[0]}, {kOrder[1], files[1]}, {kOrder[2], files[2]}}, kOrder);
        ASSERT_EQ(Init(), 0);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(CAP_GetSensorMode(i), modes[i]) << files[i];
        EXPECT_EQ(CAP_GetSensorMode(3), 29);  // beyond the count: reset value, no message
        EXPECT_FALSE(log.Contains("para out of range.") || log.Contains("invalid params!")) << log.Dump();
    }
}

TEST_F(SensorTest, IndexQueriesUseTheCapacityNotTheCount) {
    ASSERT_EQ(Init(), 0);  // one sensor, imx327 in 1080pl
    EXPECT_EQ(CAP_GetSensorType(0), CAP_SENSOR_IMX327);
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_1080PL);
    log.Clear();
    EXPECT_EQ(CAP_GetSensorType(2), 19);
    EXPECT_EQ(CAP_GetSensorMode(2), 29);
    EXPECT_EQ(CAP_GetResolution(3), 0);
    EXPECT_EQ(log.Size(), 0u);

    EXPECT_EQ(CAP_GetSensorType(4), 19);
    EXPECT_EQ(CAP_GetSensorType(-1), 19);
    EXPECT_EQ(log.Count(kError, "CAP_GetSensorType para out of range."), 2);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorType", kError, "CAP_GetSensorType para out of range."));
    EXPECT_EQ(CAP_GetSensorMode(4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorMode", kError, "para out of range."));
    EXPECT_EQ(CAP_GetResolution(-1), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetResolution", kError, "para out of range."));
}

TEST_F(SensorTest, TypeMulTestsTheCountFirstAndCopiesExactlyCount) {
    Channels({{"imx327", "{}"}, {"imx335", "{}"}});
    ASSERT_EQ(Init(), 0);
    EXPECT_EQ(CAP_GetSensorTypeMul(0, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorTypeMul", kError, "CAP_GetSensorTypeAll para out of range."));
    EXPECT_EQ(CAP_GetSensorTypeMul(5, nullptr), -4);
    EXPECT_EQ(CAP_GetSensorTypeMul(4, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorTypeMul", kError, "CAP_GetSensorTypeAll null ptr."));
    SensorType aeType[4] = {77, 77, 77, 77};
    EXPECT_EQ(CAP_GetSensorTypeMul(2, aeType), 0);
    EXPECT_EQ(std::vector<SensorType>(aeType, aeType + 4), (std::vector<SensorType>{2, 3, 77, 77}));
    EXPECT_EQ(CAP_GetSensorTypeMul(4, aeType), 0);
    EXPECT_EQ(aeType[3], 19u);
}

// sc500ai: 500, or 400 in equipment mode (only 1 means it), asked at each
// query; no other type asks.
TEST_F(SensorTest, ResolutionAsksEquipmentModeOnlyForSc500aiAtEachQuery) {
    Channels({{"sc500ai", "{}"}, {"imx185", "{}"}, {"imx307", "{}"}}, {"sc500ai", "imx185", "imx307"});
    ASSERT_EQ(Init(), 0);
    unsigned long ulCalls = HOST_GetEquipmentModeCalls();
    for (int iMode : {0, 1, 2}) {
        HOST_SetEquipmentMode(iMode);
        EXPECT_EQ(CAP_GetResolution(0), iMode == 1 ? 400 : 500);
        EXPECT_EQ(HOST_GetEquipmentModeCalls(), ++ulCalls);
    }
    for (int i : {1, 2, 3}) EXPECT_EQ(CAP_GetResolution(i), 0) << i;  // imx185, imx307, empty slot
    EXPECT_EQ(CAP_GetResolution(4), -4);
    EXPECT_EQ(HOST_GetEquipmentModeCalls(), ulCalls);
}

TEST_F(SensorTest, ResolutionClassOfEveryType) {
    ASSERT_EQ(Init(), 0);
    const int aiExpected[] = {200, 0, 200, 400, 800, 0, 400, 800, 0, 400, 0,
                              300, 900, 0, 0, 200, 500, 200, 800, 0, 0};
    for (unsigned int uiType = 0; uiType < std::size(aiExpected); ++uiType) {
        g_pstSensorCap->aeSensorType[1] = uiType;
        EXPECT_EQ(CAP_GetResolution(1), aiExpected[uiType]) << "type " << uiType;
    }
    g_pstSensorCap->aeSensorType[1] = 0xFFFFFFFFu;
    EXPECT_EQ(CAP_GetResolution(1), 0);
}

TEST_F(SensorTest, UnreadableSensorFileStopsTheStage) {
    Channels({{"imx327", R"({"SensorMode": "720ph"})"},
              {"imx335", R"({"SensorMode": "720pl",)"},
              {"os08a10", R"({"SensorMode": "720pl"})"}},
             {"imx327", "imx335", "os08a10"});
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "Sensor Json is Null."));
    EXPECT_EQ(log.Entries().back().text, "CAP_SensorInitAll return value error.\n");
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_720PH);
    EXPECT_EQ(CAP_GetSensorMode(1), 29);
    EXPECT_EQ(CAP_GetSensorMode(2), 29);
}

// More sensors than channels: the four are read, the fifth is refused without
// reading past the path table.
TEST_F(SensorTest, CountAboveTheChannelsFailsAtTheFifth) {
    Channels({{"imx327", R"({"SensorMode": "960ph"})"}}, {"imx327", "imx327", "imx327", "imx327"});
    ASSERT_EQ(Init(), 0);
    for (int i = 0; i < 4; ++i) g_pstSensorCap->aeSensorMode[i] = CAP_SENSOR_MODE_INVALID;
    g_pstSensorCap->usSensorNum = 5;
    log.Clear();
    EXPECT_EQ(cap_SensorInitAll(), -4);
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "para out of range."));
    EXPECT_EQ(log.Size(), 1u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetSensorMode(i), CAP_SENSOR_MODE_960PH);
}

}  // namespace
