// devcap_bench [--root=TREE] [benchmark options]
// devcap_bench [--root=TREE] --instructions[=ROUNDS]   (under callgrind)
//
// Runs the start-up and query benchmarks on every product of TREE (default:
// the example tree), then prints a summary: start-up / floor ratios per
// product and the cost of each query, against the targets. With
// --instructions it only counts the start-up work, for scripts/bench.sh.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench.h"
#include "platform.h"
#include "products.h"

namespace {

constexpr double kStartupTarget = 1.3;  // CAP_CapInit within 1.3x of json-c alone
constexpr double kQueryTargetNs = 3.0;  // a plain or slot query

// Shows every run as usual and keeps them for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto &run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) m_runs.push_back(run);
        }
    }

    // With --benchmark_repetitions a benchmark has several runs: a query is
    // shown by its fastest (the least disturbed by other processes), start-up
    // by the median of each figure.
    std::vector<std::vector<const Run *>> Grouped(const char *pcPrefix) const {
        std::vector<std::vector<const Run *>> groups;
        for (const auto &run : m_runs) {
            if (run.benchmark_name().rfind(pcPrefix, 0) != 0) continue;
            if (groups.empty() || groups.back().front()->benchmark_name() != run.benchmark_name())
                groups.push_back({});
            groups.back().push_back(&run);
        }
        return groups;
    }

    static double MedianOf(const std::vector<const Run *> &runs, const char *pcCounter) {
        std::vector<double> v;
        for (const Run *run : runs) {
            auto it = run->counters.find(pcCounter);
            if (it != run->counters.end()) v.push_back(static_cast<double>(it->second));
        }
        if (v.empty()) return 0.0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    static double Ns(const Run &run) {
        return run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
               benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    static double FastestNs(const std::vector<const Run *> &runs) {
        double d = 0;
        for (const Run *run : runs) d = (d == 0 || Ns(*run) < d) ? Ns(*run) : d;
        return d;
    }

    void PrintSummary() const {
        printf("\nStart-up against its floor: json-c alone parsing the same files (medians of\n"
               "interleaved rounds, thread CPU time; target %.1fx). +fmt: a logger formatting every\n"
               "message. I/O floor: the floor plus the identity reads of the start-up sequence\n"
               "(device name, tag); its ratio is what the library adds beyond any implementation.\n",
               kStartupTarget);
        printf("  %-16s %5s %5s %9s %9s %8s %6s %9s %6s %9s %6s\n", "product", "files", "msgs",
               "floor us", "init us", "ratio", "", "+fmt us", "ratio", "I/O fl us", "ratio");
        for (const auto &group : Grouped("startup/")) {
            std::string name = group.front()->benchmark_name();
            auto c = [&](const char *k) { return MedianOf(group, k); };
            double dRatio = c("ratio");
            printf("  %-16s %5.0f %5.0f %9.1f %9.1f %7.2fx %6s %9.1f %5.2fx %9.1f %5.2fx\n",
                   name.substr(8, name.find('/', 8) - 8).c_str(), c("files"), c("messages"),
                   c("floor_us"), c("init_us"), dRatio, dRatio <= kStartupTarget ? "" : "(over)",
                   c("init_fmt_us"), c("ratio_fmt"), c("io_floor_us"), c("ratio_io"));
        }
        printf("\nQuery cost in CPU time, and as a multiple of the fastest plain query\n"
               "(target: plain or slot query under %.0f ns)\n", kQueryTargetNs);
        double dPlain = 0;
        for (const auto &group : Grouped("query/plain/")) {
            double d = FastestNs(group);
            dPlain = (dPlain == 0 || d < dPlain) ? d : dPlain;
        }
        for (const auto &group : Grouped("query/")) {
            std::string name = group.front()->benchmark_name();
            double dNs = FastestNs(group);
            bool bTargeted = (name.rfind("query/plain/", 0) == 0 || name.rfind("query/slot/", 0) == 0) &&
                             name.find(",logged") == std::string::npos;
            printf("  %-42s %10.2f ns %9.1fx %s\n", name.substr(6).c_str(), dNs, dPlain > 0 ? dNs / dPlain : 0,
                   bTargeted ? (dNs < kQueryTargetNs ? "" : "(over target)") : "");
        }
    }

private:
    std::vector<Run> m_runs;
};

}  // namespace

int main(int argc, char **argv) {
    std::string tree = DEVCAP_BENCH_TREE;
    int iInstructionRounds = 0;
    auto TakeOwn = [&](const char *pcArg) {
        if (strcmp(pcArg, "--instructions") == 0)
            iInstructionRounds = 10;
        else if (strncmp(pcArg, "--instructions=", 15) == 0)
            iInstructionRounds = atoi(pcArg + 15) > 0 ? atoi(pcArg + 15) : 10;
        else
            return false;
        return true;
    };
    if (!bench::TakeArguments(argc, argv, &tree, TakeOwn)) return 2;

    bench::SetLogMode(bench::LogMode::kDiscard);
    std::vector<bench::Product> products = bench::DiscoverProducts(tree);
    const bench::Product *pQueries = nullptr;
    for (const auto &product : products) {
        if (product.initResult != 0) {
            printf("skipped %s: CAP_CapInit returns %d\n", product.name.c_str(), product.initResult);
        } else if (pQueries == nullptr || product.files.size() > pQueries->files.size()) {
            pQueries = &product;
        }
    }
    if (pQueries == nullptr) {
        fprintf(stderr, "no product under %s/usr/bin starts up; give --root=TREE\n", tree.c_str());
        bench::RemoveProductRoots();
        return 1;
    }
    if (iInstructionRounds > 0) {
        int iRet = bench::CountInstructions(products, iInstructionRounds);
        bench::RemoveProductRoots();
        return iRet;
    }
    printf("tree %s; queries run on %s\n", tree.c_str(), pQueries->name.c_str());

    bench::RegisterStartup(products);
    bench::RegisterQueries(*pQueries);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    bench::RemoveProductRoots();
    return 0;
}
