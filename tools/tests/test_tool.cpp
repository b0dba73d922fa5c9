// The devcap tool as its users meet it: exit statuses, output that parses,
// every query reachable by name.
#include "platform/messages.h"
#include "tool_test.h"

namespace {

using namespace tool_test;

// Status 0 for success, 1 for a failure the tool found, 2 for a usage error
// (with a message and no output).
TEST_F(ToolTest, ExitStatuses) {
    WriteProduct("P1");
    const struct {
        Args args;
        int iStatus;
        std::string strOut, strErr;  // parts the streams must hold
    } aCases[] = {
        {{"dump", "--root", kExamples, "--device", "IPC-BROKEN-DEMO"}, 1, "", "stage 6 (patch file), code -1"},
        {{"dump", "--root", kExamples, "--device", "IPC-BROKEN-DEMO"}, 1, "", LibraryText(cap::msg::kPatchNotJson)},
        {{"dump", "--root", m_strTmp + "/empty"}, 1, "", "stage 1 (hardware index)"},
        {{"get", "--root", m_strTmp + "/empty", "CameraType"}, 1, "", "stage 1 (hardware index)"},
        {{"get", "--root", kExamples, "--device", "IPC-BOX-8M", "Uart485DeviceNode", "4"}, 1, "", "(-4)"},
        {{"get", "--root", kExamples, "--device", "IPC-BOX-8M", "AlarmInWithGpio", "-1"}, 1, "", "(-4)"},
        {{"get", "AlarmInWithGpo", "1"}, 2, "", "unknown query 'AlarmInWithGpo'"},
        {{}, 2, "", ""},
    };
    for (const auto &c : aCases) {
        Result r = Run(c.args);
        const std::string strWhat = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.iStatus, c.iStatus) << strWhat << "\n" << r.strErr;
        EXPECT_TRUE(Has(r.strOut, c.strOut)) << strWhat << "\n" << r.strOut;
        EXPECT_TRUE(Has(r.strErr, c.strErr)) << strWhat << "\n" << r.strErr;
    }
    // Unknown queries, too few or many arguments, no number, out of range
    // (VideoType takes an unsigned 16-bit one), unknown options and commands.
    for (Args a : std::vector<Args>{{"get", "NoSuchQuery"}, {"get", "CAP_NoSuchQuery"}, {"get"},
                                    {"get", "AlarmInWithGpio"}, {"get", "AlarmInWithGpio", "1", "2"},
                                    {"get", "AlarmInWithGpio", "two"}, {"get", "AlarmInWithGpio", "1x"},
                                    {"get", "VideoType", "-1"}, {"get", "VideoType", "65536"},
                                    {"get", "AlarmInWithGpio", "4294967296"}, {"get", "--bogus", "CameraType"},
                                    {"frobnicate"}}) {
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 2) << a.back();
        EXPECT_FALSE(r.strErr.empty()) << a.back();
        EXPECT_TRUE(r.strOut.empty()) << a.back();
    }
    for (Args a : std::vector<Args>{{"--help"}, {"help"}, {"dump", "--help"}, {"get", "--help"}, {"lint", "-h"},
                                    {"help", "lint"}}) {
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 0) << a[0];
        EXPECT_TRUE(Has(r.strOut, "usage: devcap")) << a[0];
    }
}

TEST_F(ToolTest, DumpTextAndJson) {
    Result r = Run({"dump", "--root", kExamples});  // the default product of the examples
    ASSERT_EQ(r.iStatus, 0) << r.strErr;
    EXPECT_TRUE(Has(r.strOut, "start-up: ok (0)"));
    // Words next to numbers, and GPIO -1 as none.
    for (const char *pcLine : {"CameraType +PTZ \\(3\\)", "MinLineSwitchGpio +none", "DeviceName +\"IPC-PTZ-D420X\""})
        EXPECT_TRUE(std::regex_search(r.strOut, std::regex(std::string("\n  ") + pcLine + "\n"))) << pcLine;

    Result a = Run({"dump", "--json", "--root", kExamples, "--device", "IPC-BOX-8M"});
    ASSERT_EQ(a.iStatus, 0) << a.strErr;
    EXPECT_EQ(Run({"dump", "--root", kExamples, "--json", "--device", "IPC-BOX-8M"}).strOut, a.strOut);
    Json doc(a.strOut);
    ASSERT_NE(doc.p, nullptr);
    EXPECT_EQ(Int(At(doc.p, {"startup", "result"})), 0);
    EXPECT_EQ(Int(At(doc.p, {"board", "CameraType", "value"})), 2);
    EXPECT_EQ(Str(At(doc.p, {"board", "CameraType", "word"})), "Box");
    EXPECT_EQ(Str(At(doc.p, {"identity", "DeviceName"})), "IPC-BOX-8M");
    EXPECT_EQ(Str(At(doc.p, {"alarm/serial", "AlarmInWithGpio"})), "[ 24, 25, 26, 27, -1, -1, -1, -1 ]");
    EXPECT_TRUE(json_object_get_boolean(At(doc.p, {"patch", "IsPoeSupport"})));
    EXPECT_EQ(Str(At(doc.p, {"peripherals", "EcompassPosition", "y", "word"})), "right");
    std::vector<std::string> keys;  // groups in their fixed order
    json_object_object_foreach(doc.p, k, v) keys.push_back(k), (void)v;
    EXPECT_EQ(keys, (std::vector<std::string>{"startup", "identity", "board", "alarm/serial", "optics", "video/audio",
                                              "peripherals", "PTZ", "sensors", "lenses", "LEDs", "patch"}));

    Json failed(Run({"dump", "--json", "--root", Root()}).strOut);
    ASSERT_NE(failed.p, nullptr);
    EXPECT_EQ(Int(At(failed.p, {"startup", "stage"})), 1);
    EXPECT_EQ(Int(At(failed.p, {"startup", "result"})), -1);
}

// One answer on one line: by short, "Get" or full name, words beside numbers,
// -1 as none unless raw. The device name from the file or --device (which
// writes no file), the default product in equipment mode, the tag on eMMC.
TEST_F(ToolTest, GetAnswersOneQueryOnOneLine) {
    for (const char *pcName : {"P1", "P2", "IPC-DEFAULT"}) WriteProduct(pcName);
    Write("/tmp/sysinfo/dev_name", "P1");
    Write("/dev/mmcblk0p2", std::string("INTERNAL_MODEL=EMMC-MODEL\n") + std::string(8192, '\0'));
    const Args kBox = {"--root", kExamples, "--device", "IPC-BOX-8M"}, kOwn = {"--root", Root()};
    const struct {
        const Args &base;
        Args args;
        std::string strOut;
    } aCases[] = {
        {kBox, {"AlarmInWithGpio", "2"}, "26\n"},        {kBox, {"CAP_GetAlarmInWithGpio", "2"}, "26\n"},
        {kBox, {"GetAlarmInWithGpio", "5"}, "none\n"},   {kBox, {"--raw", "AlarmInWithGpio", "5"}, "-1\n"},
        {kBox, {"Uart485DeviceNode", "1"}, "ttyAMA3\n"}, {kBox, {"CameraType"}, "Box (2)\n"},
        {kBox, {"CameraType", "-r"}, "2\n"},             {kBox, {"MatchLedType", "irfar"}, "irfar (9)\n"},
        {kBox, {"EcompassPosition"}, "x=front (0) y=right (3) z=up (4)\n"},
        {kOwn, {"ProductFolder"}, "P1\n"},               {kOwn, {"--device", "P2", "DeviceName"}, "P2\n"},
        {kOwn, {"--emmc", "ProductName"}, "EMMC-MODEL\n"}, {kOwn, {"--equipment", "DeviceName"}, "IPC-DEFAULT\n"},
        {kOwn, {"ProductName"}, "\n"},  // the tag on NAND, which this tree lacks
    };
    for (const auto &c : aCases) {
        Args a = {"get"};
        a.insert(a.end(), c.base.begin(), c.base.end());
        a.insert(a.end(), c.args.begin(), c.args.end());
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 0) << c.args[0] << r.strErr;
        EXPECT_EQ(r.strOut, c.strOut) << c.args[0];
    }
    EXPECT_EQ(ReadFile(Root() + "/tmp/sysinfo/dev_name"), "P1");
    Result r = Run({"get", "--root", kExamples, "--device", "IPC-BOX-8M", "--json", "LedRange", "0"});
    EXPECT_EQ(r.iStatus, 0);
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    EXPECT_EQ(Str(At(doc.p, {"query"})), "CAP_GetLedRange");
    // -v echoes the library's log on stderr.
    r = Run({"dump", "-v", "--root", Root()});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_TRUE(Has(r.strErr, LibraryText(cap::msg::kCapPath, "/usr/bin/P1/cap_patch.json"))) << r.strErr;
    EXPECT_EQ(Run({"dump", "--root", Root()}).strErr, "");
}

// Every query of the exported header can be called by name.
TEST_F(ToolTest, EveryExportedQueryIsListed) {
    Result r = Run({"get", "--list"});
    ASSERT_EQ(r.iStatus, 0);
    std::set<std::string> listed;
    std::istringstream in(r.strOut);
    for (std::string strLine, w; std::getline(in, strLine);)
        if (strLine.rfind("  ", 0) == 0 && (std::istringstream(strLine) >> w)) listed.insert(w);
    std::string strHeader = ReadFile(DEVCAP_HEADER);
    std::regex re("DEVCAP_API[^;(]*\\bCAP_(\\w+)\\(");
    int iQueries = 0;
    for (auto it = std::sregex_iterator(strHeader.begin(), strHeader.end(), re); it != std::sregex_iterator(); ++it) {
        std::string n = (*it)[1];
        if (n == "CapInit" || n == "SetRootDir" || n == "SetDeviceNameOverride") continue;
        ++iQueries;
        EXPECT_TRUE(listed.count(n.rfind("Get", 0) == 0 ? n.substr(3) : n)) << "CAP_" << n << " is missing";
    }
    EXPECT_GT(iQueries, 150);
    EXPECT_EQ(static_cast<int>(listed.size()), iQueries);
}

}  // namespace
