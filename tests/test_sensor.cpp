// Sensors: modes from the sensor files, the sensor queries and the resolution
// class with its equipment-mode question.
#include <iterator>

#include "fixture.h"

using namespace devcap_test;

namespace {

class SensorTest : public CapTest {
protected:
    // Channels "sensor/lens" as an index with a fixed lens on each.
    void Channels(std::initializer_list<std::string> sensors) {
        std::string isp;
        for (const auto &s : sensors)
            isp += std::string(isp.empty() ? "" : ", ") + R"({"sensor": ")" + s + R"(", "lens": "fixed"})";
        product.index = R"({"board": "B1", "ISP_INFO": [)" + isp + "]}";
    }
};

TEST_F(SensorTest, ModesFromEachSensorFileWithTheSwappedLastPair) {
    Channels({"imx327", "sc500ai", "imx335"});
    product.sensors = {{"imx327", R"({"Other": 1, "SensorMode": "4m2688_1520ph"})"},
                       {"sc500ai", R"({"SensorMode": "4m2688_1520pl"})"},
                       {"imx335", R"({"SensorMode": "9m2160ph"})"}};
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetSensorNum(), 3);
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_4M2688_1520PH);
    EXPECT_EQ(CAP_GetSensorMode(0), 27);
    EXPECT_EQ(CAP_GetSensorMode(1), 28);
    EXPECT_EQ(CAP_GetSensorMode(2), 26);
    EXPECT_EQ(CAP_GetSensorMode(3), 29);  // beyond the count: reset value, no message
    EXPECT_EQ(CAP_GetSensorType(1), CAP_SENSOR_SC500AI);
    EXPECT_FALSE(log.Contains("para out of range.")) << log.Dump();
}

TEST_F(SensorTest, ModeMustBeAKnownText) {
    Channels({"imx327", "imx335", "os08a10"});
    product.sensors = {{"imx327", R"({"SensorMode": 3})"},
                       {"imx335", R"({"SensorMode": "1080PL", "sensorMode": "1080pl"})"},
                       {"os08a10", R"({"SensorMode": "normal"})"}};
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetSensorMode(0), 29);
    EXPECT_EQ(CAP_GetSensorMode(1), 29);
    EXPECT_EQ(CAP_GetSensorMode(2), 0);
    EXPECT_FALSE(log.Contains("invalid params!")) << log.Dump();
}

TEST_F(SensorTest, IndexQueriesUseTheCapacityNotTheCount) {
    ASSERT_EQ(Init(), 0) << log.Dump();  // one sensor, imx327 in 1080pl
    EXPECT_EQ(CAP_GetSensorType(0), CAP_SENSOR_IMX327);
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_1080PL);
    log.Clear();
    EXPECT_EQ(CAP_GetSensorType(2), 19);
    EXPECT_EQ(CAP_GetSensorMode(2), 29);
    EXPECT_EQ(CAP_GetResolution(3), 0);
    EXPECT_EQ(log.Size(), 0u) << log.Dump();

    EXPECT_EQ(CAP_GetSensorType(4), 19);
    EXPECT_EQ(CAP_GetSensorType(-1), 19);
    EXPECT_EQ(log.Count(kError, "CAP_GetSensorType para out of range."), 2) << log.Dump();
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorType", kError, "CAP_GetSensorType para out of range."));
    EXPECT_EQ(CAP_GetSensorMode(4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorMode", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetResolution(-1), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetResolution", kError, "para out of range.")) << log.Dump();
}

TEST_F(SensorTest, TypeMulTestsTheCountFirstAndCopiesExactlyCount) {
    Channels({"imx327", "imx335"});
    product.sensors = {{"imx327", "{}"}, {"imx335", "{}"}};
    ASSERT_EQ(Init(), 0) << log.Dump();
    log.Clear();
    EXPECT_EQ(CAP_GetSensorTypeMul(0, nullptr), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorTypeMul", kError, "CAP_GetSensorTypeAll para out of range."));
    EXPECT_EQ(CAP_GetSensorTypeMul(5, nullptr), -4);
    EXPECT_EQ(CAP_GetSensorTypeMul(4, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetSensorTypeMul", kError, "CAP_GetSensorTypeAll null ptr.")) << log.Dump();

    SensorType aeType[4] = {77, 77, 77, 77};
    EXPECT_EQ(CAP_GetSensorTypeMul(2, aeType), 0);
    EXPECT_EQ(aeType[0], CAP_SENSOR_IMX327);
    EXPECT_EQ(aeType[1], CAP_SENSOR_IMX335);
    EXPECT_EQ(aeType[2], 77u);
    EXPECT_EQ(CAP_GetSensorTypeMul(4, aeType), 0);
    EXPECT_EQ(aeType[3], 19u);
}

TEST_F(SensorTest, ResolutionAsksEquipmentModeOnlyForSc500aiAtEachQuery) {
    Channels({"sc500ai", "imx185", "imx307"});
    product.sensors = {{"sc500ai", "{}"}, {"imx185", "{}"}, {"imx307", "{}"}};
    ASSERT_EQ(Init(), 0) << log.Dump();
    unsigned long ulCalls = HOST_GetEquipmentModeCalls();
    EXPECT_EQ(CAP_GetResolution(0), 500);
    EXPECT_EQ(HOST_GetEquipmentModeCalls(), ulCalls + 1);
    HOST_SetEquipmentMode(1);
    EXPECT_EQ(CAP_GetResolution(0), 400);
    EXPECT_EQ(HOST_GetEquipmentModeCalls(), ulCalls + 2);
    HOST_SetEquipmentMode(2);  // only 1 means equipment mode
    EXPECT_EQ(CAP_GetResolution(0), 500);
    ulCalls = HOST_GetEquipmentModeCalls();
    EXPECT_EQ(CAP_GetResolution(1), 0);  // imx185
    EXPECT_EQ(CAP_GetResolution(2), 0);  // imx307
    EXPECT_EQ(CAP_GetResolution(3), 0);  // empty slot, type 19
    EXPECT_EQ(CAP_GetResolution(4), -4);
    EXPECT_EQ(HOST_GetEquipmentModeCalls(), ulCalls);
    EXPECT_EQ(CAP_GetSensorType(2), CAP_SENSOR_IMX307);
}

TEST_F(SensorTest, ResolutionClassOfEveryType) {
    ASSERT_EQ(Init(), 0) << log.Dump();
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
    Channels({"imx327", "imx335", "os08a10"});
    product.sensors = {{"imx327", R"({"SensorMode": "720ph"})"},
                       {"imx335", R"({"SensorMode": "720pl",)"},
                       {"os08a10", R"({"SensorMode": "720pl"})"}};
    EXPECT_EQ(Init(), -1);
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "Sensor Json is Null.")) << log.Dump();
    auto e = log.Entries();
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.back().text, "CAP_SensorInitAll return value error.\n");
    EXPECT_EQ(CAP_GetSensorMode(0), CAP_SENSOR_MODE_720PH);
    EXPECT_EQ(CAP_GetSensorMode(1), 29);
    EXPECT_EQ(CAP_GetSensorMode(2), 29);
    EXPECT_EQ(g_pstLensCap->adFovAngle[0], 0.0);  // later stages did not run
}

// More sensors than channels: the four are read, the fifth is refused without
// reading past the path table.
TEST_F(SensorTest, CountAboveTheChannelsFailsAtTheFifth) {
    Channels({"imx327", "imx327", "imx327", "imx327"});
    product.sensors = {{"imx327", R"({"SensorMode": "960ph"})"}};
    ASSERT_EQ(Init(), 0) << log.Dump();
    for (int i = 0; i < 4; ++i) g_pstSensorCap->aeSensorMode[i] = CAP_SENSOR_MODE_INVALID;
    g_pstSensorCap->usSensorNum = 5;
    log.Clear();
    EXPECT_EQ(cap_SensorInitAll(), -4);
    EXPECT_TRUE(log.HasFrom("cap_SensorCapInit", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(log.Size(), 1u) << log.Dump();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetSensorMode(i), CAP_SENSOR_MODE_960PH);
}

TEST_F(SensorTest, NoSensorsReadsNoFile) {
    product.index = R"({"board": "B1", "ISP_INFO": []})";
    product.sensors.clear();
    product.lenses.clear();
    ASSERT_EQ(Init(), 0) << log.Dump();
    EXPECT_EQ(CAP_GetSensorNum(), 0);
    EXPECT_EQ(CAP_GetSensorMode(0), 29);
}

}  // namespace
