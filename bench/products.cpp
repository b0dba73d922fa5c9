#include "products.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <json-c/json.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "devcap.h"
#include "devcap_platform.h"
#include "platform.h"

namespace fs = std::filesystem;

namespace bench {

bool TakeArguments(int argc, char **argv, std::string *pTree, const std::function<bool(const char *)> &own) {
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        if (strncmp(argv[i], "--root=", 7) == 0)
            *pTree = argv[i] + 7;
        else if (i == 0 || !own(argv[i]))
            args.push_back(argv[i]);
    }
    int iArgc = static_cast<int>(args.size());
    benchmark::Initialize(&iArgc, args.data());
    return !benchmark::ReportUnrecognizedArguments(iArgc, args.data());
}

namespace {

std::string g_tempDir;

void WriteFile(const fs::path &path, const std::string &text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The directory every root of a run is made in; empty when it cannot be made.
const std::string &TempDir() {
    if (g_tempDir.empty()) {
        std::string tmpl = (fs::temp_directory_path() / "devcap-bench-XXXXXX").string();
        if (mkdtemp(tmpl.data()) != nullptr) g_tempDir = tmpl;
    }
    return g_tempDir;
}

std::string MakeRoot(const fs::path &tree, const std::string &name) {
    if (TempDir().empty()) return {};
    fs::path root = fs::path(g_tempDir) / name;
    fs::create_directories(root / "tmp" / "sysinfo");
    WriteFile(root / "tmp" / "sysinfo" / "dev_name", name);
    std::error_code ec;
    if (fs::exists(tree / "tmp" / "sysinfo" / "sn"))
        fs::copy_file(tree / "tmp" / "sysinfo" / "sn", root / "tmp" / "sysinfo" / "sn", ec);
    // Copies, not links: a link would add a step to every path start-up
    // resolves, which the device does not have.
    fs::copy(tree / "usr", root / "usr", fs::copy_options::recursive, ec);
    if (fs::exists(tree / "dev")) fs::copy(tree / "dev", root / "dev", fs::copy_options::recursive, ec);
    return root.string();
}

}  // namespace

std::vector<std::string> ParsedFiles(const std::string &root) {
    std::vector<std::string> files;
    const CapFiles &f = *g_pstCapFiles;
    auto add = [&](const char *pcPath) {
        if (pcPath[0] != '\0') files.push_back(root + pcPath);
    };
    add(f.acHardwareIndexPath);
    add(f.acBoardPath);
    for (int i = 0; i < std::min<int>(g_pstSensorCap->usSensorNum, CAP_MAX_CHANNEL); ++i) add(f.aacSensorPath[i]);
    for (int i = 0; i < std::min<int>(g_pstLensCap->usLensNum, CAP_MAX_CHANNEL); ++i) add(f.aacLensPath[i]);
    add(f.acPatchPath);
    return files;
}

std::vector<std::string> ProductNames(const std::string &tree) {
    fs::path bin = fs::path(tree) / "usr" / "bin";
    std::error_code ec;
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(bin, ec)) {
        if (entry.is_directory() && fs::exists(entry.path() / "hardwareindex.json"))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string MakeManyProductTree(const std::string &tree, const std::string &name, int iCopies) {
    if (TempDir().empty()) return {};
    fs::path from(tree), root = fs::path(g_tempDir) / name;
    std::error_code ec;
    fs::create_directories(root / "usr" / "bin", ec);
    fs::copy(from / "usr" / "bin" / "hardware", root / "usr" / "bin" / "hardware", fs::copy_options::recursive, ec);
    fs::copy(from / "tmp", root / "tmp", fs::copy_options::recursive, ec);
    if (fs::exists(from / "dev")) fs::copy(from / "dev", root / "dev", fs::copy_options::recursive, ec);
    for (const auto &product : ProductNames(tree))
        for (int i = 1; i <= iCopies; ++i)
            fs::copy(from / "usr" / "bin" / product, root / "usr" / "bin" / (product + "-" + std::to_string(i)),
                     fs::copy_options::recursive, ec);
    return root.string();
}

std::vector<Product> DiscoverProducts(const std::string &tree) {
    std::vector<Product> products;
    for (const auto &name : ProductNames(tree)) {
        Product p;
        p.name = name;
        p.root = MakeRoot(tree, name);
        if (p.root.empty()) continue;
        p.initResult = InitProduct(p);
        p.files = ParsedFiles(p.root);
        products.push_back(std::move(p));
    }
    return products;
}

int InitProduct(const Product &product) {
    CAP_SetRootDir(product.root.c_str());
    SetPlatformRoot(product.root.c_str());
    return CAP_CapInit();
}

void ParseFiles(const std::vector<std::string> &files) {
    for (const auto &file : files) json_object_put(json_object_from_file(file.c_str()));
}

void IdentityReads(const Product &product) {
    std::string devName = product.root + "/tmp/sysinfo/dev_name";
    char acBuf[4097];
    if (int iFd = open(devName.c_str(), O_RDONLY | O_CLOEXEC); iFd >= 0) {
        benchmark::DoNotOptimize(read(iFd, acBuf, 63));
        close(iFd);
    }
    benchmark::DoNotOptimize(SYS_MEM_Read("/dev/mtd2", 0, sizeof(acBuf), acBuf));
}

void RemoveProductRoots() {
    if (g_tempDir.empty()) return;
    std::error_code ec;
    fs::remove_all(g_tempDir, ec);
    g_tempDir.clear();
}

}  // namespace bench
