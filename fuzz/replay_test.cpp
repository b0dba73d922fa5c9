// Every saved fuzz input (fuzz/regressions/<input>/) and every seed
// (fuzz/seeds/<input>/) through its fuzz target's code path: a crash, a
// sanitizer report or a broken invariant fails the suite.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "devcap.h"
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

// The checker itself: a record with an unterminated text, an enumeration
// outside its members and too many channels after a successful start-up is
// reported, field by field.
TEST(FuzzHarness, CheckerReportsABrokenRecord) {
    devcap_fuzz::Setup();
    ASSERT_EQ(CAP_CapInit(), 0);
    devcap_check::Report ok;
    devcap_check::CheckRecord(ok, 0);
    EXPECT_TRUE(ok.Ok()) << ok.Text();

    memset(g_pstBoardCap->acBoardType, 'x', sizeof(g_pstBoardCap->acBoardType));
    g_pstSensorCap->aeSensorMode[2] = 30;
    g_pstPatchCap->stLedInfo.aeLedType[9] = 13;
    g_pstLensCap->usLensNum = 5;
    devcap_check::Report bad;
    devcap_check::CheckRecord(bad, 0);
    const std::string text = bad.Text();
    EXPECT_NE(text.find("acBoardType: text not terminated"), std::string::npos) << text;
    EXPECT_NE(text.find("aeSensorMode[2]: 30 is no member"), std::string::npos) << text;
    EXPECT_NE(text.find("aeLedType[9]: 13 is no member"), std::string::npos) << text;
    EXPECT_NE(text.find("5 lenses"), std::string::npos) << text;
    EXPECT_EQ(bad.violations.size(), 4u) << text;
    ASSERT_EQ(CAP_CapInit(), 0);
}

// The harness walks the queries other than the identity queries once per
// record without its paths and identity texts: no such query may answer
// from them.
TEST(FuzzHarness, OtherQueriesReadNeitherPathsNorIdentityTexts) {
    devcap_fuzz::Setup();
    ASSERT_EQ(CAP_CapInit(), 0);
    devcap_check::Report before;
    devcap_check::CallOtherQueries(before);
    CapFiles &stFiles = g_stDevCap.stCapFiles;
    for (char *pcPath : {stFiles.acBoardPath, stFiles.aacSensorPath[0], stFiles.aacSensorPath[1],
                         stFiles.aacLensPath[0], stFiles.aacLensPath[1], stFiles.acPatchPath,
                         stFiles.acHardwareIndexPath})
        strcpy(pcPath, "/elsewhere/cap.json");
    strcpy(g_stDevCap.stBoardCap.acDevName, "OTHER-MODEL@Q");
    strcpy(g_stDevCap.stBoardCap.acDevParam, "Q");
    strcpy(g_stDevCap.stBoardCap.acProductName, "OTHER-PRODUCT");
    devcap_check::Report after;
    devcap_check::CallOtherQueries(after);
    EXPECT_TRUE(before.Ok()) << before.Text();
    EXPECT_EQ(before.digest, after.digest);
    ASSERT_EQ(CAP_CapInit(), 0);
}

INSTANTIATE_TEST_SUITE_P(AllInputs, FuzzReplay, ::testing::ValuesIn(devcap_fuzz::kAllInputs),
                         [](const auto &info) { return std::string(devcap_fuzz::InputName(info.param)); });

}  // namespace
