// After CAP_CapInit, any number of threads may query at once: every query,
// including those that read the serial-number file, the tag and the equipment
// mode at call time, gives every thread the answers it gives one thread alone.
// Run under ThreadSanitizer (scripts/hardening.sh tsan) this also proves the
// queries and the stand-in platform's logger free of data races.
#include <atomic>
#include <thread>
#include <vector>

#include "devcap_check.h"
#include "fixture.h"

namespace devcap_test {
namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 3;

class Concurrency : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        product.index =
            R"({"version": 3, "board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},)"
            R"( {"sensor": "sc500ai", "lens": ["fixed", "3.6mm", "yt3010"]}]})";
        product.board =
            R"({"CameraType": "Bullet", "SocPlatform": "hi3516dv300", "ResetGpio": 7,)"
            R"( "Alarm": {"AlarmInType": "gpio", "AlarmInWithGpio": [1, 2, 3]},)"
            R"( "Uart": {"Uart485": {"DeviceNode": ["ttyAMA1", "ttyAMA2"], "DirectionGpio": [5, 6]}},)"
            R"( "Iris": {"Type": ["dc"], "GpioCtl": [[1, 2]]},)"
            R"( "Video": {"Type": ["cvbs"], "MaxChannel": [8]},)"
            R"( "PTZ": {"FanGpioCtl": [1, 2], "DriverBoardNode": "ttyAMA3"}})";
        product.sensors = {{"imx327", R"({"SensorMode": "1080pl"})"},
                           {"sc500ai", R"({"SensorMode": "5m1920pl"})"}};
        product.lenses = {{"fixed", R"({"FovAngle": 92.5})"}};
        product.patch =
            R"({"PoeSupport": true, "BallSize": "six", "LaserDistance": ["500m", "1000m"],)"
            R"( "LedInfo": {"LedNum": 2, "LedType": ["whitenear", "irfar"], "LedGpioCtl": [3, 4]}})";
        product.serial = "SN0123456789";
        product.tagIdentity = "DEVICE_NAME=MODEL1@P1\nINTERNAL_MODEL=M1\n";
        product.tagCheck = "checkcode=0123456789abcdef\n";
    }

    // The digest of every answer, one thread alone.
    uint64_t Baseline() {
        devcap_check::Report r;
        devcap_check::CallEveryQuery(r);
        devcap_check::CallSourceQueries(r);
        EXPECT_TRUE(r.Ok()) << r.Text();
        return r.digest;
    }

    // Every thread walks every query kRounds times; all must agree with one
    // thread alone.
    void QueryFromManyThreads() {
        const uint64_t ulExpected = Baseline();
        std::atomic<int> iReady{0};
        std::vector<devcap_check::Report> reports(kThreads * kRounds);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] {
                ++iReady;
                while (iReady.load() < kThreads) std::this_thread::yield();
                for (int k = 0; k < kRounds; ++k) {
                    devcap_check::Report &r = reports[t * kRounds + k];
                    devcap_check::CallEveryQuery(r);
                    devcap_check::CallSourceQueries(r);
                }
            });
        for (auto &th : threads) th.join();
        for (const auto &r : reports) {
            EXPECT_TRUE(r.Ok()) << r.Text();
            EXPECT_EQ(r.digest, ulExpected);
        }
    }
};

TEST_F(Concurrency, EveryQueryFromManyThreadsAfterStartUp) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    QueryFromManyThreads();
}

// Equipment mode changes what CAP_GetResolution answers for one sensor type,
// read from the platform at each call.
TEST_F(Concurrency, EveryQueryFromManyThreadsInEquipmentMode) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    HOST_SetEquipmentMode(1);
    QueryFromManyThreads();
    HOST_SetEquipmentMode(0);
}

// A start-up that failed leaves a partly filled record; querying it is as safe.
TEST_F(Concurrency, EveryQueryFromManyThreadsAfterFailedStartUp) {
    product.board = "{ not json";
    ASSERT_NE(Init(), 0);
    QueryFromManyThreads();
}

// The stand-in logger without a sink writes to standard error from every thread.
TEST_F(Concurrency, LoggerWithoutSinkFromManyThreads) {
    ASSERT_EQ(Init(), 0) << log.Dump();
    HOST_SetLogSink(nullptr, nullptr);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([] {
            for (int k = 0; k < 5; ++k) {
                EXPECT_EQ(CAP_GetMotorType(4 + k), -4);
                EXPECT_EQ(CAP_GetSensorMode(-1), -4);
            }
        });
    for (auto &th : threads) th.join();
    HOST_SetLogSink(nullptr, nullptr);
}

}  // namespace
}  // namespace devcap_test
