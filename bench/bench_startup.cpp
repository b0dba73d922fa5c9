// Start-up against its floor. For each product, every iteration runs, in a
// rotating order, json-c alone parsing the files start-up parses (the floor),
// the floor plus the identity reads that the start-up sequence makes besides
// parsing (the I/O floor), CAP_CapInit with a logger
// that drops messages unformatted, and CAP_CapInit with a logger that formats
// every message. Interleaving the three keeps the
// ratios honest on a machine whose load changes while the benchmark runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench.h"
#include "devcap.h"
#include "platform.h"
#include "products.h"

namespace bench {

namespace {

double Median(std::vector<double> &v) {
    if (v.empty()) return 0.0;
    auto mid = v.begin() + static_cast<long>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

double ThreadNs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

// What reading the clock twice costs, taken off every measurement.
double ClockOverheadNs() {
    std::vector<double> v;
    for (int i = 0; i < 201; ++i) {
        double t0 = ThreadNs();
        v.push_back(ThreadNs() - t0);
    }
    return Median(v);
}

void StartupVsFloor(benchmark::State &state, const Product &product) {
    std::vector<double> floorNs, ioNs, discardNs, formatNs;
    unsigned long ulMessages = 0;
    int iResult = 0;
    int iRound = 0;
    const double dOverhead = ClockOverheadNs();
    auto timeOne = [dOverhead](auto &&fn) {
        double t0 = ThreadNs();
        fn();
        return ThreadNs() - t0 - dOverhead;
    };
    InitProduct(product);  // warm the page cache and the dynamic linker
    for (auto _ : state) {
        double dFloor = 0, dIo = 0, dDiscard = 0, dFormat = 0;
        for (int k = 0; k < 4; ++k) {
            switch ((iRound + k) % 4) {
                case 0:
                    dFloor = timeOne([&] { ParseFiles(product.files); });
                    break;
                case 1:
                    dIo = timeOne([&] {
                        ParseFiles(product.files);
                        IdentityReads(product);
                    });
                    break;
                case 2:
                    SetLogMode(LogMode::kDiscard);
                    ResetMessages();
                    dDiscard = timeOne([&] { iResult = CAP_CapInit(); });
                    ulMessages = Messages();
                    break;
                default:
                    SetLogMode(LogMode::kFormat);
                    dFormat = timeOne([&] { iResult |= CAP_CapInit(); });
                    SetLogMode(LogMode::kDiscard);
                    break;
            }
        }
        ++iRound;
        floorNs.push_back(dFloor);
        ioNs.push_back(dIo);
        discardNs.push_back(dDiscard);
        formatNs.push_back(dFormat);
        state.SetIterationTime(dDiscard * 1e-9);
    }
    if (iResult != 0) state.SkipWithError("CAP_CapInit failed on this product");
    double dFloor = Median(floorNs), dIo = Median(ioNs), dDiscard = Median(discardNs),
           dFormat = Median(formatNs);
    state.counters["files"] = static_cast<double>(product.files.size());
    state.counters["messages"] = static_cast<double>(ulMessages);
    state.counters["floor_us"] = dFloor / 1e3;
    state.counters["io_floor_us"] = dIo / 1e3;
    state.counters["init_us"] = dDiscard / 1e3;
    state.counters["init_fmt_us"] = dFormat / 1e3;
    state.counters["ratio"] = dFloor > 0 ? dDiscard / dFloor : 0;
    state.counters["ratio_fmt"] = dFloor > 0 ? dFormat / dFloor : 0;
    state.counters["ratio_io"] = dIo > 0 ? dDiscard / dIo : 0;
}

}  // namespace

void RegisterStartup(const std::vector<Product> &products) {
    for (const auto &product : products) {
        if (product.initResult != 0) continue;
        benchmark::RegisterBenchmark(("startup/" + product.name).c_str(), StartupVsFloor, product)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace bench
