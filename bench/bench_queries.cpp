// Query cost: representative queries of every family, called through the
// shared library as a host calls them, on a record filled from an example
// product.
#include <benchmark/benchmark.h>

#include <string>

#include "bench.h"
#include "devcap.h"
#include "platform.h"
#include "products.h"

namespace bench {

namespace {

const Product *g_pProduct;

// Fill the record from the product the queries run on (start-up benchmarks
// leave it holding another one), with messages dropped unformatted.
void Prepare() {
    SetLogMode(LogMode::kDiscard);
    InitProduct(*g_pProduct);
}

template <typename Fn>
void Query(const char *pcFamily, const char *pcName, Fn fn) {
    std::string name = std::string("query/") + pcFamily + "/" + pcName;
    benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State &state) {
        Prepare();
        for (auto _ : state) fn();
    });
}

// A query that writes to the caller's memory: the writes are kept too.
template <typename Fn>
void QueryWrites(const char *pcFamily, const char *pcName, Fn fn) {
    Query(pcFamily, pcName, [fn] {
        benchmark::DoNotOptimize(fn());
        benchmark::ClobberMemory();
    });
}

int g_aiGpio[CAP_IRCUT_SLOTS * CAP_IRCUT_GPIOS];
int g_aiMin[CAP_LED_SLOTS], g_aiMax[CAP_LED_SLOTS];
char g_acText[64];

}  // namespace

void RegisterQueries(const Product &product) {
    g_pProduct = &product;
    Query("plain", "CAP_GetCameraType", [] { benchmark::DoNotOptimize(CAP_GetCameraType()); });
    Query("plain", "CAP_GetAlarmInNum", [] { benchmark::DoNotOptimize(CAP_GetAlarmInNum()); });
    Query("plain", "CAP_IsPoeSupport", [] { benchmark::DoNotOptimize(CAP_IsPoeSupport()); });

    Query("slot", "CAP_GetAlarmInWithGpio(2)", [] { benchmark::DoNotOptimize(CAP_GetAlarmInWithGpio(2)); });
    Query("slot", "CAP_GetSensorType(0)", [] { benchmark::DoNotOptimize(CAP_GetSensorType(0)); });
    Query("slot", "CAP_GetIrcutCtlWithGpio(0,1)", [] { benchmark::DoNotOptimize(CAP_GetIrcutCtlWithGpio(0, 1)); });
    Query("slot", "CAP_GetLedType(1)", [] { benchmark::DoNotOptimize(CAP_GetLedType(1)); });
    // An index outside the slots logs an error: the cost of a message the
    // host's logger drops without formatting it.
    Query("slot", "CAP_GetAlarmInWithGpio(8),logged", [] {
        benchmark::DoNotOptimize(CAP_GetAlarmInWithGpio(8));
    });

    // Derived answers: CAP_IsZoomSupport asks CAP_GetFocusType through its
    // exported symbol; CAP_IsAudioSupport combines three fields.
    Query("derived", "CAP_GetFocusType(0)", [] { benchmark::DoNotOptimize(CAP_GetFocusType(0)); });
    Query("derived", "CAP_IsZoomSupport(0)", [] { benchmark::DoNotOptimize(CAP_IsZoomSupport(0)); });
    Query("derived", "CAP_IsAudioSupport", [] { benchmark::DoNotOptimize(CAP_IsAudioSupport()); });

    QueryWrites("copy", "CAP_GetAlarmInWithGpioMul(8)",
                [] { return CAP_GetAlarmInWithGpioMul(8, g_aiGpio); });
    QueryWrites("copy", "CAP_GetIrcutCtlWithGpioMul(4,10)",
                [] { return CAP_GetIrcutCtlWithGpioMul(4, 10, g_aiGpio); });
    QueryWrites("copy", "CAP_GetLedRangeMul(10)", [] { return CAP_GetLedRangeMul(10, g_aiMin, g_aiMax); });

    QueryWrites("text", "CAP_GetUart485DeviceNode(0,16)",
                [] { return CAP_GetUart485DeviceNode(0, 16, g_acText); });
    QueryWrites("text", "CAP_GetDeviceName(64)", [] { return CAP_GetDeviceName(64, g_acText); });
    QueryWrites("text", "CAP_GetConfigIspFolder(0,40)",
                [] { return CAP_GetConfigIspFolder(0, 40, g_acText); });

    Query("scan", "CAP_GetLedTypeNum", [] { benchmark::DoNotOptimize(CAP_GetLedTypeNum()); });
    Query("scan", "CAP_GetFanGpioCtlNum", [] { benchmark::DoNotOptimize(CAP_GetFanGpioCtlNum()); });
    Query("scan", "CAP_GetLaserInfoNum", [] { benchmark::DoNotOptimize(CAP_GetLaserInfoNum()); });
    Query("scan", "CAP_GetLensPinsNum", [] {
        unsigned int uiA = 0, uiB = 0;
        benchmark::DoNotOptimize(CAP_GetLensPinsNum(&uiA, &uiB));
        benchmark::DoNotOptimize(uiA + uiB);
    });

    Query("source", "CAP_GetResolution(0)", [] { benchmark::DoNotOptimize(CAP_GetResolution(0)); });
    // Only an sc500ai sensor asks the platform for equipment mode, at every
    // call; slot 3 is made one for this benchmark and restored after it.
    benchmark::RegisterBenchmark("query/source/CAP_GetResolution(sc500ai)", [](benchmark::State &state) {
        Prepare();
        SensorType enSaved = g_pstSensorCap->aeSensorType[3];
        g_pstSensorCap->aeSensorType[3] = CAP_SENSOR_SC500AI;
        for (auto _ : state) benchmark::DoNotOptimize(CAP_GetResolution(3));
        g_pstSensorCap->aeSensorType[3] = enSaved;
    });
    QueryWrites("source", "CAP_GetSerialNum(33)", [] { return CAP_GetSerialNum(g_acText, 33); });
    QueryWrites("source", "CAP_GetCheckCode(64)", [] { return CAP_GetCheckCode(g_acText, 64); });
}

}  // namespace bench
