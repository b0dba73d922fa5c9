// The README's commands on the example tree, run as written (from the top of
// the checkout) with the built tool: every indented line that runs `devcap`
// or `scripts/devcap.sh` with `--root examples/rootfs`. Each exits with the
// status the README gives, and a command shown with its output (a `$ ` line
// followed by indented lines) prints that output; a `...` line in it stands
// for lines left out.
#include <unistd.h>

#include "tool_test.h"

using namespace tool_test;

namespace {

struct Example {
    int iLine = 0;
    std::string strText;
    Args args;                      // without the program
    std::vector<std::string> shown; // the output shown after a `$ ` line
};

std::vector<std::string> Words(const std::string &strLine) {
    std::vector<std::string> words;
    std::stringstream ss(strLine);
    for (std::string w; ss >> w && w != "#";) words.push_back(w);
    return words;
}

std::vector<Example> ReadmeExamples() {
    std::vector<std::string> lines;
    std::stringstream ss(ReadFile(DEVCAP_SOURCE_DIR "/README.md"));
    for (std::string s; std::getline(ss, s);) lines.push_back(s);
    const std::string kIndent = "    ";
    std::vector<Example> examples;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(kIndent, 0) != 0) continue;
        std::string strText = lines[i].substr(kIndent.size());
        const bool bPrompt = strText.rfind("$ ", 0) == 0;
        if (bPrompt) strText.erase(0, 2);
        std::vector<std::string> words = Words(strText);
        if (words.empty() || (words[0] != "devcap" && words[0] != "scripts/devcap.sh")) continue;
        bool bExampleTree = false;
        for (size_t w = 1; w + 1 < words.size(); ++w)
            bExampleTree |= words[w] == "--root" && words[w + 1] == "examples/rootfs";
        if (!bExampleTree) continue;
        Example e{static_cast<int>(i + 1), strText, Args(words.begin() + 1, words.end()), {}};
        for (size_t j = i + 1; bPrompt && j < lines.size() && lines[j].rfind(kIndent, 0) == 0; ++j)
            e.shown.push_back(lines[j].substr(kIndent.size()));
        examples.push_back(e);
    }
    return examples;
}

// The example tree's IPC-BROKEN-DEMO fails start-up by design: a command that
// covers it exits with 1 (lint and matrix cover every product unless some are
// named), and so does a diff of two different products; everything else 0.
int ExpectedStatus(const Args &args) {
    std::vector<std::string> named;
    bool bBroken = false;
    for (const std::string &a : args) {
        if (a.rfind("IPC-", 0) != 0) continue;
        named.push_back(a);
        bBroken |= a == "IPC-BROKEN-DEMO";
    }
    if (args[0] == "diff") return named.size() == 2 && named[0] != named[1] ? 1 : 0;
    if (args[0] == "lint" || args[0] == "matrix") return named.empty() || bBroken ? 1 : 0;
    return bBroken ? 1 : 0;
}

class ReadmeExamplesTest : public ToolTest {
protected:
    // The README's paths are relative to the top of the checkout.
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_EQ(chdir(DEVCAP_SOURCE_DIR), 0);
    }
};

TEST_F(ReadmeExamplesTest, RunAsWrittenOnTheExampleTree) {
    const std::vector<Example> examples = ReadmeExamples();
    // Quick start, the example tree and matrix: a README whose commands miss
    // the pattern above must not pass by running nothing.
    EXPECT_GE(examples.size(), 5u);
    size_t nShown = 0;
    for (const Example &e : examples) {
        SCOPED_TRACE("README.md:" + std::to_string(e.iLine) + ": " + e.strText);
        for (const std::string &a : e.args) {
            ASSERT_EQ(a.find_first_of("'\"$|<>;&`"), std::string::npos)
                << "shell syntax: run it by hand or extend this test";
        }
        Result r = Run(e.args);
        EXPECT_EQ(r.iStatus, ExpectedStatus(e.args)) << r.strErr;
        if (e.shown.empty()) continue;
        ++nShown;
        // The lines shown, in order; `...` skips any number of lines.
        std::stringstream out(r.strOut);
        std::string strGot;
        bool bSkipping = false;
        for (const std::string &strWant : e.shown) {
            if (strWant == "...") {
                bSkipping = true;
                continue;
            }
            bool bFound = false;
            while (!bFound && std::getline(out, strGot)) {
                bFound = strGot == strWant;
                if (!bFound && !bSkipping) break;
            }
            ASSERT_TRUE(bFound) << "shown: " << strWant << "\nprinted: " << strGot << "\nwhole output:\n" << r.strOut;
            bSkipping = false;
        }
        if (!bSkipping) {
            EXPECT_TRUE(std::getline(out, strGot).fail()) << "printed beyond what is shown: " << strGot;
        }
    }
    EXPECT_GE(nShown, 1u);
}

}  // namespace
