// devcap --version and --commands: the versions of the tool and of the
// library it loaded, and the command list that shell completion reads.
#include "devcap.h"
#include "tool_test.h"

namespace {

using namespace tool_test;

// The tool's version is the header's; the library's comes from the file the
// tool loaded, whose name CMake gives from the same header.
TEST_F(ToolTest, VersionNamesToolAndLoadedLibrary) {
    Result r = Run({"--version"});
    ASSERT_EQ(r.iStatus, 0) << r.strErr;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.strOut, m, std::regex("devcap (\\S+)\nlibdevcap (\\S+) \\((/\\S+)\\)\n")))
        << r.strOut;
    EXPECT_EQ(m[1].str(), DEVCAP_VERSION_STRING);
    EXPECT_EQ(m[2].str(), DEVCAP_VERSION_STRING);
    EXPECT_TRUE(Has(m[3].str(), "/libdevcap.so." DEVCAP_VERSION_STRING)) << m[3];
    EXPECT_EQ(DEVCAP_VERSION,
              DEVCAP_VERSION_MAJOR * 10000 + DEVCAP_VERSION_MINOR * 100 + DEVCAP_VERSION_PATCH);
}

// Every name --commands gives is a command the tool runs (its help), and
// every command `devcap --help` lists is among them.
TEST_F(ToolTest, CommandsListsEveryCommand) {
    Result r = Run({"--commands"});
    ASSERT_EQ(r.iStatus, 0);
    std::set<std::string> names;
    std::istringstream in(r.strOut);
    for (std::string strName; std::getline(in, strName);) {
        names.insert(strName);
        Result h = Run({strName, "--help"});
        EXPECT_EQ(h.iStatus, 0) << strName;
        EXPECT_TRUE(Has(h.strOut, "usage: devcap")) << strName;
    }
    EXPECT_TRUE(names.count("get") && names.count("help"));
    std::string strHelp = Run({"--help"}).strOut;
    size_t ulFrom = strHelp.find("commands:\n"), ulTo = strHelp.find("\n\n", ulFrom);
    ASSERT_NE(ulFrom, std::string::npos);
    std::istringstream listed(strHelp.substr(ulFrom + 10, ulTo - ulFrom - 10));
    for (std::string strLine, w; std::getline(listed, strLine);) {
        if (std::istringstream(strLine) >> w) {
            EXPECT_TRUE(names.count(w)) << w;
        }
    }
}

}  // namespace
