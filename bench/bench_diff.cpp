// devcap_bench_diff [--root=TREE] [--copies=N] [benchmark options]
//
// `devcap diff OLD NEW` of two trees of many products against its floor:
// json-c alone parsing, product by product, the files each product's
// start-up reads in both trees. Both trees are made from TREE (default: the
// example tree) with each product folder copied N times (default 200: 1,200
// products from the example tree's six). The new tree differs as a release does:
// every tenth product has "PoeSupport" turned over in its patch file, one
// product is gone and one is new.
//
// The tool runs as users run it, a process of its own, and is timed by the
// CPU time the kernel gives for it (user + system, start of the process
// included); the floor by the thread's CPU time. Each round runs both, in
// turns, so that the machine's load moves the ratio as little as it can.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <json-c/json.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "devcap.h"
#include "platform.h"
#include "products.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTarget = 3.0;  // diff within 3x of its floor

struct Trees {
    std::string strOld, strNew;
    // Per product of either tree, the files its start-up reads in each.
    std::vector<std::vector<std::string>> files;
    size_t ulProducts = 0, ulFiles = 0;
};

// Turn "PoeSupport" over in a product's patch file (left alone when the file
// is not JSON).
void TurnOverPoe(const fs::path &patch) {
    json_object *pstRoot = json_object_from_file(patch.c_str());
    if (pstRoot == nullptr) return;
    json_object *pstPoe = nullptr;
    bool bPoe = json_object_object_get_ex(pstRoot, "PoeSupport", &pstPoe) && json_object_get_boolean(pstPoe);
    json_object_object_add(pstRoot, "PoeSupport", json_object_new_boolean(!bPoe));
    json_object_to_file_ext(patch.c_str(), pstRoot, JSON_C_TO_STRING_PRETTY);
    json_object_put(pstRoot);
}

void MakeRelease(const std::string &strNew) {
    fs::path bin = fs::path(strNew) / "usr" / "bin";
    std::vector<std::string> names = bench::ProductNames(strNew);
    for (size_t i = 0; i < names.size(); i += 10) TurnOverPoe(bin / names[i] / "cap_patch.json");
    std::error_code ec;
    fs::copy(bin / names.front(), bin / (names.front() + "-NEW"), fs::copy_options::recursive, ec);
    fs::remove_all(bin / names.back(), ec);
}

// The files start-up reads for a product of a tree; none when the tree
// lacks the product.
std::vector<std::string> FilesOf(const std::string &strTree, const std::string &strProduct) {
    if (!fs::exists(fs::path(strTree) / "usr" / "bin" / strProduct / "hardwareindex.json")) return {};
    CAP_SetRootDir(strTree.c_str());
    bench::SetPlatformRoot(strTree.c_str());
    CAP_SetDeviceNameOverride(strProduct.c_str());
    CAP_CapInit();
    CAP_SetDeviceNameOverride(nullptr);
    return bench::ParsedFiles(strTree);
}

bool MakeTrees(const std::string &strTree, int iCopies, Trees *pTrees) {
    pTrees->strOld = bench::MakeManyProductTree(strTree, "old", iCopies);
    pTrees->strNew = bench::MakeManyProductTree(strTree, "new", iCopies);
    if (pTrees->strOld.empty() || pTrees->strNew.empty()) return false;
    MakeRelease(pTrees->strNew);
    std::vector<std::string> a = bench::ProductNames(pTrees->strOld), b = bench::ProductNames(pTrees->strNew), all;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(all));
    for (const std::string &p : all) {
        std::vector<std::string> files = FilesOf(pTrees->strOld, p), more = FilesOf(pTrees->strNew, p);
        files.insert(files.end(), more.begin(), more.end());
        pTrees->ulFiles += files.size();
        pTrees->files.push_back(std::move(files));
    }
    pTrees->ulProducts = all.size();
    return !all.empty();
}

double ThreadNs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

double WallNs() {
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double RusageNs(const rusage &ru) {
    return (static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e9 +
            static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) * 1e3);
}

// Run `devcap diff OLD NEW` with its output thrown away: its CPU time and
// wall time in nanoseconds, and its exit status (-1 when it did not run).
int RunDiff(const Trees &trees, double *pdCpuNs, double *pdWallNs) {
    double dWall0 = WallNs();
    pid_t pid = fork();
    if (pid == 0) {
        int iNull = open("/dev/null", O_WRONLY);
        dup2(iNull, 1);
        execl(DEVCAP_TOOL, DEVCAP_TOOL, "diff", trees.strOld.c_str(), trees.strNew.c_str(),
              static_cast<char *>(nullptr));
        _exit(127);
    }
    int iStatus = 0;
    rusage ru{};
    if (pid < 0 || wait4(pid, &iStatus, 0, &ru) != pid) return -1;
    *pdWallNs = WallNs() - dWall0;
    *pdCpuNs = RusageNs(ru);
    return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
}

void Floor(const Trees &trees) {
    for (const auto &files : trees.files) bench::ParseFiles(files);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void DiffVsFloor(benchmark::State &state, const Trees *pTrees) {
    std::vector<double> floorNs, floorWallNs, diffNs, diffWallNs;
    double dCpu = 0, dWall = 0;
    if (RunDiff(*pTrees, &dCpu, &dWall) != 1) {  // warm the page cache; the trees differ
        state.SkipWithError("devcap diff did not report the differences (exit status 1)");
        return;
    }
    Floor(*pTrees);
    int iRound = 0;
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            if ((iRound + k) % 2 == 0) {
                double dT0 = ThreadNs(), dW0 = WallNs();
                Floor(*pTrees);
                floorNs.push_back(ThreadNs() - dT0);
                floorWallNs.push_back(WallNs() - dW0);
            } else {
                if (RunDiff(*pTrees, &dCpu, &dWall) != 1) state.SkipWithError("devcap diff failed");
                diffNs.push_back(dCpu);
                diffWallNs.push_back(dWall);
            }
        }
        ++iRound;
        state.SetIterationTime(diffNs.back() * 1e-9);
    }
    double dFloor = Median(floorNs), dDiff = Median(diffNs);
    double dFloorWall = Median(floorWallNs), dDiffWall = Median(diffWallNs);
    state.counters["products"] = static_cast<double>(pTrees->ulProducts);
    state.counters["files"] = static_cast<double>(pTrees->ulFiles);
    state.counters["floor_ms"] = dFloor / 1e6;
    state.counters["diff_ms"] = dDiff / 1e6;
    state.counters["ratio"] = dFloor > 0 ? dDiff / dFloor : 0;
    state.counters["floor_wall_ms"] = dFloorWall / 1e6;
    state.counters["diff_wall_ms"] = dDiffWall / 1e6;
    state.counters["ratio_wall"] = dFloorWall > 0 ? dDiffWall / dFloorWall : 0;
}

}  // namespace

int main(int argc, char **argv) {
    std::string strTree = DEVCAP_BENCH_TREE;
    int iCopies = 200;
    auto TakeOwn = [&](const char *pcArg) {
        if (strncmp(pcArg, "--copies=", 9) != 0) return false;
        iCopies = std::max(1, atoi(pcArg + 9));
        return true;
    };
    if (!bench::TakeArguments(argc, argv, &strTree, TakeOwn)) return 2;

    bench::SetLogMode(bench::LogMode::kDiscard);
    Trees trees;
    if (!MakeTrees(strTree, iCopies, &trees)) {
        fprintf(stderr, "no product under %s/usr/bin; give --root=TREE\n", strTree.c_str());
        bench::RemoveProductRoots();
        return 1;
    }
    printf("devcap diff of two trees of %zu products (%zu files read in all) made from %s,\n"
           "against its floor: json-c alone parsing the files each product's start-up reads in\n"
           "both trees. ratio: of CPU times (target %.0fx); ratio_wall: of wall times.\n",
           trees.ulProducts, trees.ulFiles, strTree.c_str(), kTarget);
    benchmark::RegisterBenchmark("diff/trees", DiffVsFloor, &trees)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::RemoveProductRoots();
    return 0;
}
