// devcap_bench_lint [--root=TREE] [--products=N] [--rounds=R]
//
// devcap lint of a tree of N products (default 1,000) against its floor:
// json-c alone parsing, product by product, the files each product's
// start-up reads (index, board, sensors, lenses, patch), as CAP_CapInit
// would; and, for the share of lint that is the device's own start-up,
// CAP_CapInit of every product with a logger that formats each message.
// The tree is generated from TREE (default: the example tree): its
// hardware folder, shared by every product as on a real firmware, and N
// product folders, each a copy of the index and patch file of one of TREE's
// products whose start-up succeeds. The two are measured side by side in R
// interleaved rounds (default 7): CPU time of the floor in this thread,
// CPU time of the lint process (user and system), and wall time of each.
#include <json-c/json.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "devcap.h"
#include "platform.h"
#include "products.h"

namespace fs = std::filesystem;

namespace {

double Seconds(clockid_t clock) {
    timespec ts;
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The generated tree: the hardware folder of the source tree and N product
// folders; returns the names of the products.
std::vector<std::string> MakeTree(const fs::path &source, const fs::path &root, int iProducts) {
    fs::create_directories(root / "usr" / "bin");
    fs::copy(source / "usr" / "bin" / "hardware", root / "usr" / "bin" / "hardware", fs::copy_options::recursive);
    std::vector<std::string> bases;
    for (const auto &entry : fs::directory_iterator(source / "usr" / "bin")) {
        if (!fs::exists(entry.path() / "hardwareindex.json")) continue;
        const std::string name = entry.path().filename().string();
        CAP_SetRootDir(source.c_str());
        CAP_SetDeviceNameOverride(name.c_str());
        if (CAP_CapInit() == 0) bases.push_back(name);
    }
    std::sort(bases.begin(), bases.end());
    std::vector<std::string> names;
    for (int i = 0; i < iProducts && !bases.empty(); ++i) {
        char acName[32];
        snprintf(acName, sizeof(acName), "P%04d", i);
        const fs::path from = source / "usr" / "bin" / bases[static_cast<size_t>(i) % bases.size()];
        const fs::path to = root / "usr" / "bin" / acName;
        fs::create_directories(to);
        fs::copy_file(from / "hardwareindex.json", to / "hardwareindex.json");
        fs::copy_file(from / "cap_patch.json", to / "cap_patch.json");
        names.push_back(acName);
    }
    return names;
}

struct Times {
    double dCpu;
    double dWall;
};

// json-c alone on each product's files, in this thread.
Times Floor(const std::vector<std::vector<std::string>> &files) {
    const double dCpu0 = Seconds(CLOCK_THREAD_CPUTIME_ID), dWall0 = Seconds(CLOCK_MONOTONIC);
    for (const auto &product : files) bench::ParseFiles(product);
    return {Seconds(CLOCK_THREAD_CPUTIME_ID) - dCpu0, Seconds(CLOCK_MONOTONIC) - dWall0};
}

// CAP_CapInit of each product, in this thread.
Times Startups(const std::string &strRoot, const std::vector<std::string> &names) {
    const double dCpu0 = Seconds(CLOCK_THREAD_CPUTIME_ID), dWall0 = Seconds(CLOCK_MONOTONIC);
    CAP_SetRootDir(strRoot.c_str());
    for (const std::string &name : names) {
        CAP_SetDeviceNameOverride(name.c_str());
        CAP_CapInit();
    }
    CAP_SetDeviceNameOverride(nullptr);
    return {Seconds(CLOCK_THREAD_CPUTIME_ID) - dCpu0, Seconds(CLOCK_MONOTONIC) - dWall0};
}

// devcap lint --root ROOT in a process of its own, its output dropped.
Times Lint(const std::string &strRoot) {
    const double dWall0 = Seconds(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid == 0) {
        if (freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
        execl(DEVCAP_TOOL, DEVCAP_TOOL, "lint", "--root", strRoot.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int iStatus = 0;
    rusage ru{};
    wait4(pid, &iStatus, 0, &ru);
    if (!WIFEXITED(iStatus) || WEXITSTATUS(iStatus) > 1) fprintf(stderr, "devcap lint failed (%d)\n", iStatus);
    auto Sec = [](const timeval &tv) { return static_cast<double>(tv.tv_sec) + static_cast<double>(tv.tv_usec) * 1e-6; };
    return {Sec(ru.ru_utime) + Sec(ru.ru_stime), Seconds(CLOCK_MONOTONIC) - dWall0};
}

}  // namespace

int main(int argc, char **argv) {
    std::string strTree = DEVCAP_BENCH_TREE;
    int iProducts = 1000, iRounds = 7;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--root=", 7) == 0) strTree = argv[i] + 7;
        else if (strncmp(argv[i], "--products=", 11) == 0) iProducts = atoi(argv[i] + 11);
        else if (strncmp(argv[i], "--rounds=", 9) == 0) iRounds = atoi(argv[i] + 9);
        else {
            fprintf(stderr, "usage: devcap_bench_lint [--root=TREE] [--products=N] [--rounds=R]\n");
            return 2;
        }
    }
    bench::SetLogMode(bench::LogMode::kDiscard);
    char acTemplate[] = "/tmp/devcap-bench-lint-XXXXXX";
    if (mkdtemp(acTemplate) == nullptr) return 1;
    const fs::path root = acTemplate;
    const std::vector<std::string> names = MakeTree(strTree, root, iProducts);

    // The files each product's start-up reads, from the paths it stored.
    std::vector<std::vector<std::string>> files;
    size_t ulFiles = 0;
    CAP_SetRootDir(root.c_str());
    for (const std::string &name : names) {
        CAP_SetDeviceNameOverride(name.c_str());
        CAP_CapInit();
        files.push_back(bench::ParsedFiles(root.string()));
        ulFiles += files.back().size();
    }
    CAP_SetDeviceNameOverride(nullptr);

    Floor(files);  // warm the page cache
    bench::SetLogMode(bench::LogMode::kFormat);
    std::vector<double> floorCpu, floorWall, initCpu, initWall, lintCpu, lintWall, initRatio, lintRatio, wallRatio;
    for (int r = 0; r < iRounds; ++r) {
        const Times f = Floor(files);
        const Times i = Startups(root.string(), names);
        const Times l = Lint(root.string());
        floorCpu.push_back(f.dCpu), floorWall.push_back(f.dWall);
        initCpu.push_back(i.dCpu), initWall.push_back(i.dWall);
        lintCpu.push_back(l.dCpu), lintWall.push_back(l.dWall);
        initRatio.push_back(i.dCpu / f.dCpu), lintRatio.push_back(l.dCpu / f.dCpu), wallRatio.push_back(l.dWall / f.dWall);
    }
    printf("devcap lint of %zu products (%zu files read by their start-ups) against json-c alone\n"
           "parsing those files product by product; medians of %d interleaved rounds\n",
           names.size(), ulFiles, iRounds);
    printf("  %-34s %10s %10s %8s\n", "", "CPU ms", "wall ms", "ratio");
    printf("  %-34s %10.1f %10.1f %7.2fx\n", "json-c alone (the floor)", Median(floorCpu) * 1e3,
           Median(floorWall) * 1e3, 1.0);
    printf("  %-34s %10.1f %10.1f %7.2fx\n", "CAP_CapInit, formatting logger", Median(initCpu) * 1e3,
           Median(initWall) * 1e3, Median(initRatio));
    const auto [itLow, itHigh] = std::minmax_element(lintRatio.begin(), lintRatio.end());
    printf("  %-34s %10.1f %10.1f %7.2fx  (rounds %.2fx-%.2fx; wall %.2fx; target 2x)\n", "devcap lint (a process)",
           Median(lintCpu) * 1e3, Median(lintWall) * 1e3, Median(lintRatio), lintRatio.empty() ? 0.0 : *itLow,
           lintRatio.empty() ? 0.0 : *itHigh, Median(wallRatio));
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
