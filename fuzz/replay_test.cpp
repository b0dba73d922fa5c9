// Every saved fuzz input (fuzz/regressions/<input>/) and every seed
// (fuzz/seeds/<input>/) through its fuzz target's code path: a crash, a
// sanitizer report or a broken invariant fails the suite.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harness.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FilesIn(const fs::path &dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return files;
    for (const auto &e : fs::directory_iterator(dir))
        if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadAll(const fs::path &p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

int Replay(devcap_fuzz::Input in, const char *kind) {
    int n = 0;
    for (const auto &p : FilesIn(fs::path(DEVCAP_FUZZ_DIR) / kind / devcap_fuzz::InputName(in))) {
        std::string data = ReadAll(p);
        devcap_check::Report r =
            devcap_fuzz::Run(in, reinterpret_cast<const uint8_t *>(data.data()), data.size());
        EXPECT_TRUE(r.Ok()) << p << ":\n" << r.Text();
        ++n;
    }
    return n;
}

class FuzzReplay : public ::testing::TestWithParam<devcap_fuzz::Input> {};

TEST_P(FuzzReplay, SavedInputsKeepTheInvariants) { Replay(GetParam(), "regressions"); }

TEST_P(FuzzReplay, SeedsKeepTheInvariants) {
    EXPECT_GT(Replay(GetParam(), "seeds"), 0) << "no seeds for " << devcap_fuzz::InputName(GetParam());
}

// One input's run must not disturb the next: the base product is put back.
TEST(FuzzHarness, RunsAreIndependent) {
    const std::string junk = "{\"ISP_INFO\": [null]}";
    auto first = devcap_fuzz::Run(devcap_fuzz::Input::kSensor, nullptr, 0);
    devcap_fuzz::Run(devcap_fuzz::Input::kIndex, reinterpret_cast<const uint8_t *>(junk.data()),
                     junk.size());
    auto again = devcap_fuzz::Run(devcap_fuzz::Input::kSensor, nullptr, 0);
    EXPECT_TRUE(first.Ok()) << first.Text();
    EXPECT_EQ(first.digest, again.digest);
}

INSTANTIATE_TEST_SUITE_P(AllInputs, FuzzReplay, ::testing::ValuesIn(devcap_fuzz::kAllInputs),
                         [](const auto &info) { return std::string(devcap_fuzz::InputName(info.param)); });

}  // namespace
