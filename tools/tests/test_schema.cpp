// devcap schema: the checked-in schemas and reference are what the tool
// generates, and a real validator (python3-jsonschema) accepts every file of
// the example products and rejects each mistake of IPC-BROKEN-DEMO that a
// schema can express, at its place.
#include <set>
#include <utility>

#include "tool_test.h"

using namespace tool_test;

namespace {

const std::string kSource = DEVCAP_SOURCE_DIR;

class SchemaTest : public ToolTest {};

const char *const kKinds[] = {"index", "board", "sensor", "lens", "patch"};

// scripts/gen-schemas.sh writes them again.
TEST_F(SchemaTest, CheckedInSchemasAndReferenceAreCurrent) {
    Result list = Run({"schema"});
    ASSERT_EQ(list.iStatus, 0) << list.strErr;
    for (const char *pcKind : kKinds) {
        Result r = Run({"schema", pcKind});
        ASSERT_EQ(r.iStatus, 0) << r.strErr;
        // The file name: the kind's file with .schema.json.
        std::smatch m;
        ASSERT_TRUE(std::regex_search(list.strOut, m, std::regex(std::string("(^|\n)") + pcKind + " +(\\S+)\\.json")));
        const std::string strFile = kSource + "/schemas/" + m[2].str() + ".schema.json";
        EXPECT_EQ(ReadFile(strFile), r.strOut) << strFile << " is out of date: run scripts/gen-schemas.sh";
    }
    Result ref = Run({"schema", "--reference"});
    ASSERT_EQ(ref.iStatus, 0) << ref.strErr;
    EXPECT_EQ(ReadFile(kSource + "/doc/capability-files.md"), ref.strOut)
        << "doc/capability-files.md is out of date: run scripts/gen-schemas.sh";
}

TEST_F(SchemaTest, UsageAndKinds) {
    EXPECT_EQ(Run({"schema", "cap_board.json"}).strOut, Run({"schema", "board"}).strOut);
    Result bad = Run({"schema", "camera"});
    EXPECT_EQ(bad.iStatus, 2);
    EXPECT_TRUE(Has(bad.strErr, "no file kind 'camera'")) << bad.strErr;
    EXPECT_EQ(Run({"schema", "board", "lens"}).iStatus, 2);
    EXPECT_EQ(Run({"schema", "--frobnicate"}).iStatus, 2);
    // A folder that cannot be made: status 1.
    std::ofstream(m_strTmp + "/file") << "x";
    Result blocked = Run({"schema", "--out", m_strTmp + "/file/schemas"});
    EXPECT_EQ(blocked.iStatus, 1);
    EXPECT_TRUE(Has(blocked.strErr, "cannot make " + m_strTmp + "/file/schemas")) << blocked.strErr;
    Result help = Run({"schema", "--help"});
    EXPECT_EQ(help.iStatus, 0);
    EXPECT_TRUE(Has(help.strOut, "usage: devcap schema")) << help.strOut;
}

// The schemas as a user writes them out (into a folder --out makes), run
// through the validator.
TEST_F(SchemaTest, ValidatorAcceptsTheProductsAndFindsThePlantedMistakes) {
    const std::string strDir = m_strTmp + "/editor/schemas";
    Result w = Run({"schema", "--out", strDir});
    ASSERT_EQ(w.iStatus, 0) << w.strErr;
    Result ref = Run({"schema", "--reference"});
    std::ofstream(m_strTmp + "/reference.md") << ref.strOut;
    const std::string strCmd = "python3 " + Quote(kSource + "/tools/tests/support/validate_schemas.py") + " " +
                               Quote(strDir) + " " + Quote(kExamples) + " " + Quote(m_strTmp + "/reference.md") +
                               " >" + Quote(m_strTmp + "/errors") + " 2>&1";
    ASSERT_EQ(system(strCmd.c_str()), 0) << ReadFile(m_strTmp + "/errors");

    std::set<std::pair<std::string, std::string>> got;
    std::stringstream ss(ReadFile(m_strTmp + "/errors"));
    for (std::string strLine; std::getline(ss, strLine);) {
        size_t a = strLine.find('\t'), b = strLine.find('\t', a + 1);
        ASSERT_NE(b, std::string::npos) << strLine;
        got.insert({strLine.substr(0, a), strLine.substr(a + 1, b - a - 1)});
    }
    const std::string kIndex = "usr/bin/IPC-BROKEN-DEMO/hardwareindex.json";
    const std::string kBoard = "usr/bin/hardware/board/broken-board/cap_board.json";
    const std::set<std::pair<std::string, std::string>> want = {
        {"usr/bin/IPC-BROKEN-DEMO/cap_patch.json", "(not JSON)"},
        {kIndex, ""},  // "Vendor", "Revision"
        {kIndex, "/version"},
        {kIndex, "/ISP_INFO/0"},  // "focus"
        {kIndex, "/ISP_INFO/0/sensor"},
        {kIndex, "/ISP_INFO/0/lens"},
        {kIndex, "/LedInfo/LedNum"},
        {"usr/bin/IPC-BROKEN-NAMES/hardwareindex.json", "(not JSON)"},  // a comment, a trailing comma
        {kBoard, ""},  // "Colour"
        {kBoard, "/CameraType"},
        {kBoard, "/RamSize"},
        {kBoard, "/MemWidth"},
        {kBoard, "/AlarmInWithGpio"},
        {kBoard, "/LensPinsA"},
        {kBoard, "/Uart"},  // no "Uart232", "Uart422"
        {kBoard, "/Uart/Uart485"},  // "Speed"
        {kBoard, "/Uart/Uart485/DeviceNode/0"},
        {kBoard, "/Ircut"},  // "Delay"
        {kBoard, "/Audio/MicInSup"},
        {kBoard, "/Sniffer/Type"},
        {kBoard, "/Sniffer/DeviceNode"},
        {kBoard, "/PTZ/FanGpioCtl"},
        {kBoard, "/PTZ/FanCtlType"},
        {"usr/bin/hardware/sensor/imx999/cap_sensor.json", "/SensorMode"},
        {"usr/bin/hardware/sensor/os04a10/cap_sensor.json", ""},  // no "SensorMode"
        {"usr/bin/hardware/lens/df033/cap_lens.json", ""},  // "Zoom"
    };
    // Every other file, of the four products and the reference, validates.
    for (const auto &e : got) EXPECT_TRUE(want.count(e)) << "unexpected: " << e.first << " " << e.second;
    for (const auto &e : want) EXPECT_TRUE(got.count(e)) << "not found: " << e.first << " " << e.second;
}

}  // namespace
