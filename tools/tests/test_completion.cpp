// The bash completion as bash runs it: the script sourced, the words of a
// command line handed to its function, the words it offers read back. It
// asks the built tool (through the test's runner) for commands, options and
// queries.
#include <algorithm>

#include "tool_test.h"

namespace {

using namespace tool_test;

class CompletionTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        // The tool as the command line names it, started the way the tests start it.
        m_strTool = m_strTmp + "/devcap";
        std::ofstream(m_strTool) << "#!/bin/sh\nexec " + ToolCommand() + " \"$@\"\n";
        ASSERT_EQ(system(("chmod +x " + Quote(m_strTool)).c_str()), 0);
    }
    // The words offered for the last of the words (the tool's name comes first).
    std::vector<std::string> Complete(const Args &words) const {
        std::ofstream script(m_strTmp + "/complete.sh");
        script << "source " << Quote(DEVCAP_COMPLETION) << "\nCOMP_WORDS=(" << Quote(m_strTool);
        for (const std::string &w : words) script << " " << Quote(w);
        script << ")\nCOMP_CWORD=" << words.size() << "\n_devcap\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
        script.close();
        std::string strOut = m_strTmp + "/completed";
        (void)!system(("bash " + Quote(m_strTmp + "/complete.sh") + " >" + Quote(strOut) + " 2>&1").c_str());
        std::vector<std::string> r;
        std::istringstream in(ReadFile(strOut));
        for (std::string s; std::getline(in, s);)
            if (!s.empty()) r.push_back(s);
        std::sort(r.begin(), r.end());
        return r;
    }
    std::string m_strTool;
};

using Words = std::vector<std::string>;

TEST_F(CompletionTest, CommandsOptionsProductsAndQueries) {
    const std::string &e = kExamples;
    const Words kProducts = {"IPC-B540-IR",      "IPC-BOX-8M",   "IPC-BROKEN-DEMO",
                             "IPC-BROKEN-NAMES", "IPC-D240-F36", "IPC-PTZ-D420X"};
    const struct {
        Args words;
        Words expected;
    } aCases[] = {
        // Commands, as --commands gives them, also after options and for help.
        {{"g"}, {"get"}},
        {{"--root", e, "l"}, {"lint"}},
        {{"help", "d"}, {"diff", "dump"}},
        {{"--ver"}, {"--version"}},
        // A command's options, from its help.
        {{"get", "--r"}, {"--raw", "--root"}},
        {{"get", "--l"}, {"--list"}},
        {{"lint", "--st"}, {"--strict"}},
        {{"dump", "--e"}, {"--emmc", "--equipment"}},
        // Products under --root, for --device and lint's products.
        {{"dump", "--root", e, "--device", ""}, kProducts},
        {{"get", "--root=" + e, "--device", "IPC-B"}, {"IPC-B540-IR", "IPC-BOX-8M", "IPC-BROKEN-DEMO", "IPC-BROKEN-NAMES"}},
        {{"lint", "--root", e, "--strict", "IPC-P"}, {"IPC-PTZ-D420X"}},
        {{"--root", e, "lint", "IPC-BOX-8M", "IPC-D"}, {"IPC-D240-F36"}},
        // Query names for get's first word, nothing for its arguments.
        {{"get", "--root", e, "AlarmInWithGpio"}, {"AlarmInWithGpio", "AlarmInWithGpioMul"}},
        {{"get", "-r", "CameraT"}, {"CameraType"}},
        {{"get", "AlarmInWithGpio", ""}, {}},
        {{"dump", ""}, {}},
        // --root takes a directory.
        {{"dump", "--root", e + "/usr/bin/hardware/bo"}, {e + "/usr/bin/hardware/board"}},
    };
    for (const auto &c : aCases) {
        std::string strLine;
        for (const std::string &w : c.words) strLine += w + " ";
        EXPECT_EQ(Complete(c.words), c.expected) << strLine;
    }
    // With no product folder under the root, none is offered.
    EXPECT_EQ(Complete({"lint", "--root", m_strTmp, ""}), Words{});
}

TEST_F(CompletionTest, RegistersForTheCommandName) {
    std::string strOut = m_strTmp + "/registered";
    (void)!system(("bash -c 'source " + Quote(DEVCAP_COMPLETION) + " && complete -p devcap' >" + Quote(strOut) + " 2>&1")
                      .c_str());
    EXPECT_EQ(ReadFile(strOut), "complete -F _devcap devcap\n");
}

}  // namespace
