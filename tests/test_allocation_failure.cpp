// Start-up when an allocation fails. This binary replaces malloc, calloc and
// realloc with wrappers that can fail the N-th allocation of one CAP_CapInit;
// for every N of a start-up, a child process of its own fails that one
// allocation and reports what start-up did. The library allocates nothing
// itself and takes every failure json-c reports as a file it cannot read;
// what json-c does with a failed allocation it does not report, or does not
// survive, is json-c's own. What must hold: no crash has its first frame
// outside the C library in libdevcap, and no start-up that never ends there.
// The test prints what json-c did, with its version (scripts/hardening.sh
// allocfail shows it).
#include <dlfcn.h>
#include <errno.h>
#include <execinfo.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "child_process.h"
#include "fixture.h"

struct json_object;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define DEVCAP_FAIL_ALLOCATIONS 0  // the sanitizers bring their own allocator
#else
#define DEVCAP_FAIL_ALLOCATIONS 1
#endif

#if DEVCAP_FAIL_ALLOCATIONS

namespace {

bool g_bCounting;
unsigned long g_ulCount;   // allocations since counting began
unsigned long g_ulFailAt;  // the one to fail; 0: none

bool FailThisOne() {
    if (!g_bCounting || ++g_ulCount != g_ulFailAt) return false;
    errno = ENOMEM;
    return true;
}

}  // namespace

extern "C" {
void *__libc_malloc(size_t ulSize);
void *__libc_calloc(size_t ulNum, size_t ulSize);
void *__libc_realloc(void *pPtr, size_t ulSize);

void *malloc(size_t ulSize) { return FailThisOne() ? nullptr : __libc_malloc(ulSize); }
void *calloc(size_t ulNum, size_t ulSize) {
    return FailThisOne() ? nullptr : __libc_calloc(ulNum, ulSize);
}
void *realloc(void *pPtr, size_t ulSize) {
    return FailThisOne() ? nullptr : __libc_realloc(pPtr, ulSize);
}
}

namespace {

using devcap_test::Product;
using devcap_test::TempRoot;

// The last error start-up logged, kept without allocating.
char g_acLastError[256];

void KeepLastError(int, int iLevel, const char *pcMsg, void *) {
    if (iLevel == devcap_test::kError) snprintf(g_acLastError, sizeof(g_acLastError), "%s", pcMsg);
}

// ---- Crash report of a child: where the fault lies ----------------------

int g_iReportFd = -1;

const char *BaseName(const char *pcPath) {
    const char *pc = pcPath != nullptr ? strrchr(pcPath, '/') : nullptr;
    return pc != nullptr ? pc + 1 : (pcPath != nullptr ? pcPath : "?");
}

void *FaultAddress(void *pContext) {
    const auto *pstContext = static_cast<const ucontext_t *>(pContext);
#if defined(__x86_64__)
    return reinterpret_cast<void *>(pstContext->uc_mcontext.gregs[REG_RIP]);
#elif defined(__aarch64__)
    return reinterpret_cast<void *>(pstContext->uc_mcontext.pc);
#else
    (void)pstContext;
    return nullptr;
#endif
}

// "object symbol+offset", or "object+offset" past the object's start when
// the address has no exported symbol before it.
int Where(char *pcOut, size_t ulSize, const void *pAddr) {
    Dl_info info = {};
    if (dladdr(pAddr, &info) == 0) return snprintf(pcOut, ulSize, "? %p", pAddr);
    const char *pc = static_cast<const char *>(pAddr);
    if (info.dli_sname != nullptr && info.dli_saddr != nullptr)
        return snprintf(pcOut, ulSize, "%s %s+%#lx", BaseName(info.dli_fname), info.dli_sname,
                        static_cast<unsigned long>(pc - static_cast<const char *>(info.dli_saddr)));
    return snprintf(pcOut, ulSize, "%s +%#lx", BaseName(info.dli_fname),
                    static_cast<unsigned long>(pc - static_cast<const char *>(info.dli_fbase)));
}

bool InCLibrary(const void *pAddr) {
    Dl_info info = {};
    if (dladdr(pAddr, &info) == 0) return false;
    const char *pcName = BaseName(info.dli_fname);
    return strncmp(pcName, "libc.so", 7) == 0 || strncmp(pcName, "ld-linux", 8) == 0;
}

// "crash SIGNAL FRAME": the first frame from the fault on that lies outside
// the C library (the faulting one when unwinding finds no other).
void OnCrash(int iSignal, siginfo_t *, void *pContext) {
    void *apFrames[32];
    const int iFrames = backtrace(apFrames, 32);
    void *pFrame = FaultAddress(pContext);
    int i = 0;
    while (i < iFrames && apFrames[i] != pFrame) ++i;
    while (i < iFrames && InCLibrary(apFrames[i])) ++i;
    if (i < iFrames) pFrame = apFrames[i];
    char acReport[512];
    int iLen = snprintf(acReport, sizeof(acReport), "crash %d ", iSignal);
    iLen += Where(acReport + iLen, sizeof(acReport) - static_cast<size_t>(iLen) - 1, pFrame);
    acReport[iLen++] = '\n';
    (void)!write(g_iReportFd, acReport, static_cast<size_t>(iLen));
    signal(iSignal, SIG_DFL);
    raise(iSignal);
}

void CatchCrashes() {
    struct sigaction stAction = {};
    stAction.sa_sigaction = OnCrash;
    stAction.sa_flags = SA_SIGINFO;
    for (int iSignal : {SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL})
        sigaction(iSignal, &stAction, nullptr);
    const rlimit stNoCore = {0, 0};
    setrlimit(RLIMIT_CORE, &stNoCore);
}

// ---- The sweep ------------------------------------------------------------

// Two channels, every file kind, objects, arrays and texts of each kind.
Product SweptProduct() {
    Product p;
    p.devName = p.folder = "SWEEP-PTZ@P2";
    p.serial = "SN42";
    p.tagIdentity = "DEVICE_NAME=SWEEP-PTZ\nINTERNAL_MODEL=SW-1\n";
    p.index = R"({"version": 5, "board": "B-SW",
        "ISP_INFO": [{"sensor": "imx385", "lens": "union_t5183"},
                     {"sensor": "os08a10", "lens": ["fixed", "8mm", "yt3010"]}]})";
    p.boardType = "B-SW";
    p.board = R"({"CameraType": "PTZ", "SocPlatform": "hi3559av100", "RamSize": 2048,
        "LensPinsA": [9, 8, 7], "MotorType": ["ms41908"],
        "Alarm": {"AlarmInNum": 2, "AlarmOutWithGpio": [61, 62, 63]},
        "Uart": {"Uart485": {"DeviceNode": ["ttyAMA4"], "DirectionGpio": [70]},
                 "Uart232": {"DeviceNode": ["ttyAMA5", "ttyAMA6"], "DirectionGpio": [-1, -1]}},
        "Ircut": {"Type": ["vir141_ar", "dc"], "GpioCtl": [[1, 2], [3, 4, 5]]},
        "Audio": {"MicInSup": true, "AudioSocType": "es8388"},
        "Ecompass": {"Support": true, "Position": ["front", "left", "up"], "I2cInfo": [1, 2, 3]},
        "PTZ": {"DriverBoardType": "DriverGD", "FanGpioCtl": [81, 82], "GlassHeatTempThreshold": [5, 30]},
        "NotAKey": [1, "two", {"three": 3}]})";
    p.sensors = {{"imx385", R"({"SensorMode": "1080ph"})"},
                 {"os08a10", R"({"SensorMode": "8m2160pl"})"}};
    p.lenses = {{"union_t5183", R"({"FovAngle": 61.5})"}, {"fixed", R"({"FovAngle": 110.0})"}};
    p.patch = R"({"GPSSupport": true, "BallSize": "seven", "LaserDistance": ["1000m", "500m"],
        "PatchIrcutCtl": [[11, 12], [13]],
        "LedInfo": {"LedNum": 3, "LedType": ["irnear", "irmid", "irfar"], "LedRange": [[1, 9], [2, 8]]}})";
    return p;
}

// What one start-up did with its N-th allocation failed.
struct Outcome {
    std::string what;       // the class it falls into
    bool bLibrary = false;  // a crash whose frame is libdevcap's
};

constexpr int kStuckSeconds = 20;

Outcome SweepOne(unsigned long ulFailAt, const DevCap &stWant) {
    // A child silent for kStuckSeconds is stopped with SIGABRT, so that its
    // report says where it was.
    const devcap_test::ChildRun run = devcap_test::RunInChild(
        [&](int iOutFd) {
            g_iReportFd = iOutFd;
            CatchCrashes();
            g_acLastError[0] = '\0';
            g_ulCount = 0;
            g_ulFailAt = ulFailAt;
            g_bCounting = true;
            const int iResult = CAP_CapInit();
            g_bCounting = false;
            char acReport[512];
            int iLen;
            if (g_ulCount < ulFailAt)
                iLen = snprintf(acReport, sizeof(acReport), "unreached\n");
            else if (iResult != 0)
                iLen = snprintf(acReport, sizeof(acReport), "failed %d %s", iResult, g_acLastError);
            else
                iLen = snprintf(
                    acReport, sizeof(acReport), "%s\n",
                    memcmp(&stWant, &g_stDevCap, sizeof(DevCap)) == 0 ? "same" : "differs");
            (void)!write(iOutFd, acReport, static_cast<size_t>(iLen));
        },
        kStuckSeconds, SIGABRT);
    std::string report = run.out;
    const bool bStuck = run.bStuck;
    const int iStatus = run.status;
    while (!report.empty() && report.back() == '\n') report.pop_back();
    Outcome o;
    if (report.rfind("crash ", 0) == 0) {
        const size_t ulFrame = report.find(' ', 6) + 1;
        o.what = (bStuck ? "no answer in " + std::to_string(kStuckSeconds) + " s, stopped"
                         : "crash (" + std::string(strsignal(atoi(report.c_str() + 6))) + ")") +
                 " in " + report.substr(ulFrame);
        o.bLibrary = report.compare(ulFrame, 9, "libdevcap") == 0;
    } else if (report == "same") {
        o.what = "start-up succeeded, the record as without the failure";
    } else if (report == "differs") {
        o.what =
            "start-up succeeded, the record differs (json-c lost a value without reporting it)";
    } else if (report.rfind("failed ", 0) == 0) {
        // "failed RESULT [CAP][FUNCTION][LINE] TEXT": the line is left out.
        const size_t ulMsg = report.find(' ', 7) + 1;
        const size_t ulFn = report.find("][", ulMsg) + 2, ulLine = report.find("][", ulFn);
        const size_t ulText = report.find("] ", ulLine) + 2;
        o.what = "start-up failed " + report.substr(7, ulMsg - 8) + ", last error " +
                 report.substr(ulFn, ulLine - ulFn) + ": \"" + report.substr(ulText) + "\"";
    } else if (report == "unreached") {
        o.what = "fewer allocations than N";
    } else {
        o.what = "no report, status " + std::to_string(iStatus);
        o.bLibrary = WIFSIGNALED(iStatus);  // a crash the report missed counts against the library
    }
    return o;
}

template <typename T>
T Resolve(const char *pcName) {
    return reinterpret_cast<T>(dlsym(RTLD_DEFAULT, pcName));
}

TEST(AllocationFailure, EveryAllocationOfStartUpFailedInTurn) {
    // json-c as libdevcap loaded it (this binary links only libdevcap).
    auto pfnVersion = Resolve<const char *(*)()>("json_c_version");
    auto pfnNewObject = Resolve<json_object *(*)()>("json_object_new_object");
    auto pfnPut = Resolve<int (*)(json_object *)>("json_object_put");
    ASSERT_TRUE(pfnVersion != nullptr && pfnNewObject != nullptr && pfnPut != nullptr);
    g_ulCount = 0;
    g_bCounting = true;
    pfnPut(pfnNewObject());
    g_bCounting = false;
    if (g_ulCount == 0)  // valgrind, for one, takes json-c's malloc over
        GTEST_SKIP() << "this binary's allocator is replaced: allocations cannot be failed";

    TempRoot root;
    devcap_test::WriteProduct(root, SweptProduct());
    HOST_SetEquipmentMode(0);
    HOST_SetMemType(0);
    HOST_SetMemReadFail(0);
    HOST_SetLogThreshold(7);
    HOST_SetLogSink(KeepLastError, nullptr);
    CAP_SetDeviceNameOverride(nullptr);
    ASSERT_EQ(CAP_CapInit(), 0);  // also settles json-c's one-time set-up
    g_ulCount = 0;
    g_bCounting = true;
    ASSERT_EQ(CAP_CapInit(), 0);
    g_bCounting = false;
    const unsigned long ulTotal = g_ulCount;
    static DevCap stWant;
    stWant = g_stDevCap;
    (void)backtrace(reinterpret_cast<void **>(g_acLastError), 1);  // loads the unwinder before any allocation fails

    struct Class {
        unsigned long count = 0;
        std::vector<unsigned long> which;
        bool bLibrary = false;
    };
    std::map<std::string, Class> classes;
    for (unsigned long n = 1; n <= ulTotal; ++n) {
        const Outcome o = SweepOne(n, stWant);
        Class &c = classes[o.what];
        ++c.count;
        c.bLibrary = c.bLibrary || o.bLibrary;
        if (c.which.size() < 8) c.which.push_back(n);
    }
    HOST_SetLogSink(nullptr, nullptr);

    printf("json-c %s: one start-up allocates %lu times; failing each allocation in turn:\n",
           pfnVersion(), ulTotal);
    std::string libraryCrashes;
    for (const auto &[what, c] : classes) {
        printf("  %5lu  %s (N = ", c.count, what.c_str());
        for (size_t i = 0; i < c.which.size(); ++i) printf("%s%lu", i ? ", " : "", c.which[i]);
        printf("%s)\n", c.count > c.which.size() ? ", ..." : "");
        if (c.bLibrary) libraryCrashes += "  " + what + "\n";
    }
    EXPECT_EQ(libraryCrashes, "") << "crashes in libdevcap's own frames";
    EXPECT_EQ(classes.count("fewer allocations than N"), 0u);
}

}  // namespace

#else

TEST(AllocationFailure, EveryAllocationOfStartUpFailedInTurn) {
    GTEST_SKIP() << "allocations cannot be failed under a sanitizer";
}

#endif  // DEVCAP_FAIL_ALLOCATIONS
