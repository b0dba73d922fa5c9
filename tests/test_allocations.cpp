// Heap use of start-up and of the queries that read their source.
//
// This binary replaces malloc, calloc, realloc and free with counting
// wrappers over the C library's allocator. While counting, each block is
// recorded with the address that called the allocator, so a block can be
// traced to the library that asked for it. What must hold:
//  - CAP_CapInit allocates exactly what json-c's parse of the same files
//    allocates (the library has no allocation of its own and does no extra
//    json-c work such as printing a tree), none of it asked for by libdevcap
//    itself;
//  - every block allocated during CAP_CapInit is freed before it returns, on
//    success and on every failing stage;
//  - the queries allocate nothing, those that read their source included.
#include <dlfcn.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "fixture.h"

struct json_object;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DEVCAP_COUNT_ALLOCATIONS 0  // the sanitizers bring their own allocator
#else
#define DEVCAP_COUNT_ALLOCATIONS 1
#endif

#if DEVCAP_COUNT_ALLOCATIONS

extern "C" {
void *__libc_malloc(size_t ulSize);
void *__libc_calloc(size_t ulNum, size_t ulSize);
void *__libc_realloc(void *pPtr, size_t ulSize);
void __libc_free(void *pPtr);
}

namespace {

struct Block {
    void *ptr;
    void *caller;
    bool freed;
};

constexpr size_t kMaxBlocks = 1 << 16;
Block g_astBlocks[kMaxBlocks];
size_t g_ulBlocks;
bool g_bOverflow;
bool g_bCounting;

void Allocated(void *pPtr, void *pCaller) {
    if (pPtr == nullptr) return;
    if (g_ulBlocks == kMaxBlocks) {
        g_bOverflow = true;
        return;
    }
    g_astBlocks[g_ulBlocks++] = {pPtr, pCaller, false};
}

void Freed(void *pPtr) {
    if (pPtr == nullptr) return;
    for (size_t i = g_ulBlocks; i-- > 0;) {
        if (g_astBlocks[i].ptr == pPtr && !g_astBlocks[i].freed) {
            g_astBlocks[i].freed = true;
            return;
        }
    }
}

}  // namespace

extern "C" void *malloc(size_t ulSize) {
    void *p = __libc_malloc(ulSize);
    if (g_bCounting) Allocated(p, __builtin_return_address(0));
    return p;
}

extern "C" void *calloc(size_t ulNum, size_t ulSize) {
    void *p = __libc_calloc(ulNum, ulSize);
    if (g_bCounting) Allocated(p, __builtin_return_address(0));
    return p;
}

extern "C" void *realloc(void *pPtr, size_t ulSize) {
    void *p = __libc_realloc(pPtr, ulSize);
    if (g_bCounting && (p != nullptr || ulSize == 0)) {
        Freed(pPtr);
        Allocated(p, __builtin_return_address(0));
    }
    return p;
}

extern "C" void free(void *pPtr) {
    if (g_bCounting) Freed(pPtr);
    __libc_free(pPtr);
}

#endif  // DEVCAP_COUNT_ALLOCATIONS

namespace {

using devcap_test::Product;
using devcap_test::TempRoot;

// What one counted call allocated.
struct Heap {
    size_t allocations = 0;
    size_t remaining = 0;                // blocks not freed when the call returned
    std::vector<std::string> ownCallers;  // where libdevcap itself asked for a block
};

template <typename Fn>
Heap Count(Fn fn) {
    Heap heap;
#if DEVCAP_COUNT_ALLOCATIONS
    g_ulBlocks = 0;
    g_bOverflow = false;
    g_bCounting = true;
    fn();
    g_bCounting = false;
    EXPECT_FALSE(g_bOverflow) << "more than " << kMaxBlocks << " blocks";
    heap.allocations = g_ulBlocks;
    for (size_t i = 0; i < g_ulBlocks; ++i) {
        if (!g_astBlocks[i].freed) ++heap.remaining;
        Dl_info info;
        if (dladdr(g_astBlocks[i].caller, &info) != 0 && info.dli_fname != nullptr &&
            strstr(info.dli_fname, "libdevcap.so") != nullptr)
        {
            char acWhere[64];
            snprintf(acWhere, sizeof(acWhere), "libdevcap.so+%#lx",
                     static_cast<unsigned long>(static_cast<char *>(g_astBlocks[i].caller) -
                                                static_cast<char *>(info.dli_fbase)));
            heap.ownCallers.push_back(acWhere);
        }
    }
#else
    fn();
#endif
    return heap;
}

void DropMessage(int, int, const char *, void *) {}

// A product touching every file kind and most objects of each.
Product RichProduct() {
    Product p;
    p.devName = "BENCH-PTZ@LV";
    p.folder = "BENCH-PTZ@LV";
    p.serial = "SN0123456789";
    p.tagIdentity = "DEVICE_NAME=BENCH-PTZ\nCUSTOM_DEVICE_NAME=MyCam\n";
    p.tagCheck = "checkcode=0123456789abcdef\n";
    p.index = R"({"version": 3, "board": "B-PTZ",
        "ISP_INFO": [{"sensor": "imx327", "lens": "yt30031"},
                     {"sensor": "sc500ai", "lens": ["fixed", "3.6mm"]}],
        "LedInfo": {"LedType": ["irnear", "irfar"], "LedGpioCtl": [20, 21]}})";
    p.boardType = "B-PTZ";
    p.board = R"({"CameraType": "ptz", "SocPlatform": "hi3519av100", "ResetGpio": 12,
        "RamSize": 1024, "MemWidth": 32, "SDSlotNum": 1, "TemperatureHumidity": true,
        "HWVersionWithGPIO": [1, 2, 3, 4], "LensPinsA": [1, 2, 3, 4, 5, 6],
        "LensPinsB": [7, 8, 9], "MotorType": ["an41908a", "ms41908"],
        "Alarm": {"AlarmInType": "gpio", "AlarmOutType": "gpio",
                  "AlarmInWithGpio": [30, 31, 32, 33], "AlarmOutWithGpio": [40, 41]},
        "Uart": {"485": {"DeviceNode": ["/dev/ttyS1"], "DirectionGpio": [50]}},
        "Iris": {"Type": ["linear"], "GpioCtl": [[1, 2, 3, 4]]},
        "Ircut": {"Type": ["dc"], "GpioCtl": [[5, 6]]},
        "Video": {"Type": ["cvbs"], "MaxChannel": [2]},
        "Audio": {"SpeakerSupport": true},
        "Temperature": {"Support": true},
        "CVBS": {"Support": true},
        "Sniffer": {"Support": false},
        "Accelerate": {"Support": true},
        "Ecompass": {"Support": true},
        "PTZ": {"BallMaxAngle": 90},
        "Unknown": "logged and skipped"})";
    p.sensors = {{"imx327", R"({"SensorMode": "1080pl"})"},
                 {"sc500ai", R"({"SensorMode": "5m1944pl", "Other": 1})"}};
    p.lenses = {{"yt30031", R"({"FovAngle": 92.5})"}, {"fixed", R"({"FovAngle": 100.0})"}};
    p.patch = R"({"PoeSupport": true, "WiperSupport": true, "BallSize": "eight",
        "IrcutDelay": [100, 200], "OpticsDefogSup": [true, false],
        "LaserDistance": ["500m"], "LedInfo": {"LedType": ["whitenear"], "LedNum": 1}})";
    return p;
}

class Allocations : public ::testing::Test {
protected:
    void SetUp() override {
#if !DEVCAP_COUNT_ALLOCATIONS
        GTEST_SKIP() << "allocations are not counted under a sanitizer";
#else
        // json-c as libdevcap loaded it (this binary links only libdevcap).
        pfnFromFile = reinterpret_cast<json_object *(*)(const char *)>(
            dlsym(RTLD_DEFAULT, "json_object_from_file"));
        pfnPut = reinterpret_cast<int (*)(json_object *)>(dlsym(RTLD_DEFAULT, "json_object_put"));
        auto pfnNewObject = reinterpret_cast<json_object *(*)()>(
            dlsym(RTLD_DEFAULT, "json_object_new_object"));
        ASSERT_TRUE(pfnFromFile != nullptr && pfnPut != nullptr && pfnNewObject != nullptr);
        Heap probe = Count([&] { pfnPut(pfnNewObject()); });
        if (probe.allocations == 0)  // valgrind, for one, takes json-c's malloc over
            GTEST_SKIP() << "this binary's allocator is replaced: allocations are not counted";
#endif
        HOST_SetEquipmentMode(0);
        HOST_SetMemType(0);
        HOST_SetMemReadFail(0);
        HOST_SetLogThreshold(7);  // every message is formatted, then dropped
        HOST_SetLogSink(DropMessage, nullptr);
        CAP_SetDeviceNameOverride(nullptr);
    }
    void TearDown() override { HOST_SetLogSink(nullptr, nullptr); }

    // Start-up on the product, once to warm up, then counted.
    Heap CountedInit(const Product &p, int *piResult) {
        devcap_test::WriteProduct(root, p);
        CAP_CapInit();
        return Count([&] { *piResult = CAP_CapInit(); });
    }

    // json-c alone parsing and releasing every file start-up parsed.
    Heap CountedFloor() {
        std::vector<std::string> files;
        auto add = [&](const char *pcPath) {
            if (pcPath[0] != '\0') files.push_back(root.HostPath(pcPath));
        };
        add(g_pstCapFiles->acHardwareIndexPath);
        add(g_pstCapFiles->acBoardPath);
        for (int i = 0; i < g_pstSensorCap->usSensorNum && i < CAP_MAX_CHANNEL; ++i)
            add(g_pstCapFiles->aacSensorPath[i]);
        for (int i = 0; i < g_pstLensCap->usLensNum && i < CAP_MAX_CHANNEL; ++i)
            add(g_pstCapFiles->aacLensPath[i]);
        add(g_pstCapFiles->acPatchPath);
        EXPECT_EQ(files.size(), 7u);
        return Count([&] {
            for (const auto &f : files) pfnPut(pfnFromFile(f.c_str()));
        });
    }

    TempRoot root;
    json_object *(*pfnFromFile)(const char *) = nullptr;
    int (*pfnPut)(json_object *) = nullptr;
};

TEST_F(Allocations, StartUpAllocatesOnlyWhatJsonCParsingAllocates) {
    int iResult = -99;
    Heap init = CountedInit(RichProduct(), &iResult);
    ASSERT_EQ(iResult, 0);
    Heap floor = CountedFloor();
    EXPECT_GT(floor.allocations, 0u);
    EXPECT_EQ(init.allocations, floor.allocations)
        << "start-up allocates other than by parsing its files";
    EXPECT_EQ(init.remaining, 0u) << "blocks still allocated after CAP_CapInit returned";
    EXPECT_TRUE(init.ownCallers.empty()) << "libdevcap allocates in " << init.ownCallers.front();
    EXPECT_EQ(floor.remaining, 0u);
}

TEST_F(Allocations, EveryFailingStageReleasesItsTree) {
    struct Case {
        const char *what;
        void (*spoil)(Product &);
        int result;
    };
    const Case cases[] = {
        {"index not JSON", [](Product &p) { p.index = "{\"board\": "; }, -1},
        {"index entry null", [](Product &p) { p.index = R"({"board": "B-PTZ", "ISP_INFO": [null]})"; }, -2},
        {"board not JSON", [](Product &p) { p.board = "[1, 2"; }, -1},
        {"second sensor not JSON", [](Product &p) { p.sensors["sc500ai"] = "{\"SensorMode\""; }, -1},
        {"lens not JSON", [](Product &p) { p.lenses["yt30031"] = "nul"; }, -1},
        {"patch not JSON", [](Product &p) { p.patch = "{\"PoeSupport\": tru}"; }, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        root.Remove("/usr/bin");
        Product p = RichProduct();
        c.spoil(p);
        int iResult = 0;
        Heap init = CountedInit(p, &iResult);
        EXPECT_EQ(iResult, c.result);
        EXPECT_GT(init.allocations, 0u);
        EXPECT_EQ(init.remaining, 0u);
        EXPECT_TRUE(init.ownCallers.empty());
    }
}

TEST_F(Allocations, QueriesAllocateNothing) {
    int iResult = -99;
    CountedInit(RichProduct(), &iResult);
    ASSERT_EQ(iResult, 0);
    char acBuf[64];
    int aiGpio[8];
    Heap heap = Count([&] {
        CAP_GetSerialNum(acBuf, sizeof(acBuf));
        CAP_GetCheckCode(acBuf, sizeof(acBuf));
        CAP_GetResolution(1);
        CAP_GetAlarmInWithGpioMul(4, aiGpio);
        CAP_GetUart485DeviceNode(0, sizeof(acBuf), acBuf);
        CAP_GetConfigIspFolder(1, sizeof(acBuf), acBuf);
        CAP_GetAlarmInWithGpio(9);  // logged
    });
    EXPECT_EQ(heap.allocations, 0u);
}

}  // namespace
