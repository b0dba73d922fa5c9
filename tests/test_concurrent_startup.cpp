// CAP_CapInit from two threads at once, many times over, on a good product
// and on products failing at each stage: every call returns what one call
// alone returns, the record afterwards is the one a single call fills, and
// no descriptor is left open (nor one closed that another call held). Run
// under ThreadSanitizer (scripts/hardening.sh tsan) this also proves the
// calls free of data races.
#include <string.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "fixture.h"

using namespace devcap_test;

namespace {

constexpr int kThreads = 2;
constexpr int kRounds = 200;

size_t OpenDescriptors() {
    size_t n = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

void DropMessage(int, int, const char *, void *) {}

class ConcurrentStartUp : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        product.devName = product.folder = "MODEL1@LV";
        product.index =
            R"({"version": 2, "board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},)"
            R"( {"sensor": "sc500ai", "lens": ["fixed", "3.6mm"]}]})";
        product.board = R"({"CameraType": "Dome", "Alarm": {"AlarmInWithGpio": [4, 5]}})";
        product.sensors = {{"imx327", R"({"SensorMode": "1080pl"})"},
                           {"sc500ai", R"({"SensorMode": "5m1944pl"})"}};
        product.patch = R"({"WiperSupport": true, "LedInfo": {"LedNum": 1}})";
        product.tagIdentity = "DEVICE_NAME=MODEL1\n";
    }
};

TEST_F(ConcurrentStartUp, TwoThreadsEachGetTheirOwnResult) {
    const struct {
        const char *what;
        std::function<void(Product &)> spoil;
    } cases[] = {
        {"good product", [](Product &) {}},
        {"no dev_name", [](Product &p) { p.devName = ""; }},
        {"index not JSON", [](Product &p) { p.index = "{\"board\": "; }},
        {"index entry null",
         [](Product &p) { p.index = R"({"board": "B1", "ISP_INFO": [null]})"; }},
        {"board missing", [](Product &p) { p.board = ""; }},
        {"sensor without a name",
         [](Product &p) { p.index = R"({"board": "B1", "ISP_INFO": [{"lens": "fixed"}]})"; }},
        {"patch missing", [](Product &p) { p.patch = ""; }},
        {"board not JSON", [](Product &p) { p.board = "[1, 2"; }},
        {"second sensor not JSON", [](Product &p) { p.sensors["sc500ai"] = "{\"SensorMode\""; }},
        {"lens not JSON", [](Product &p) { p.lenses["fixed"] = "nul"; }},
        {"patch not JSON", [](Product &p) { p.patch = "{\"PoeSupport\": tru}"; }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        root.Remove("/usr/bin");
        root.Remove("/tmp");
        Product p = product;
        c.spoil(p);
        WriteProduct(root, p);
        HOST_SetLogSink(DropMessage, nullptr);  // every message is formatted, then dropped
        const int iWant = CAP_CapInit();
        std::vector<char> want(sizeof(g_stDevCap));
        memcpy(want.data(), &g_stDevCap, sizeof(g_stDevCap));
        const size_t ulFds = OpenDescriptors();

        std::atomic<int> iReady{0};
        std::atomic<int> iWrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&] {
                ++iReady;
                while (iReady.load() < kThreads) std::this_thread::yield();
                for (int k = 0; k < kRounds; ++k)
                    if (CAP_CapInit() != iWant) ++iWrong;
            });
        for (auto &th : threads) th.join();

        EXPECT_EQ(iWrong.load(), 0) << "calls that returned another result than " << iWant;
        EXPECT_EQ(OpenDescriptors(), ulFds);
        EXPECT_EQ(memcmp(want.data(), &g_stDevCap, sizeof(g_stDevCap)), 0) << "the record differs";
    }
    HOST_SetLogSink(nullptr, nullptr);
}

}  // namespace
