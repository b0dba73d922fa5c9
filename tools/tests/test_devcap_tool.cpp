// The devcap tool as its users meet it: exit statuses, output that parses,
// every query reachable by name, and lint finding what was planted.
#include <gtest/gtest.h>
#include <json-c/json.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kTool = DEVCAP_TOOL;
const std::string kExamples = DEVCAP_EXAMPLES;

struct Result {
    int iStatus = -1;
    std::string strOut;
    std::string strErr;
};

std::string ReadFile(const std::string &strPath) {
    std::ifstream in(strPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string ShellQuote(const std::string &s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        char acTemplate[] = "/tmp/devcap_tool_test.XXXXXX";
        ASSERT_NE(mkdtemp(acTemplate), nullptr);
        m_strTmp = acTemplate;
    }
    void TearDown() override { (void)!system(("rm -rf " + ShellQuote(m_strTmp)).c_str()); }

    Result Run(const std::vector<std::string> &args) const {
        std::string strCmd = ShellQuote(kTool);
        for (const std::string &a : args) strCmd += " " + ShellQuote(a);
        std::string strOut = m_strTmp + "/out", strErr = m_strTmp + "/err";
        strCmd += " >" + ShellQuote(strOut) + " 2>" + ShellQuote(strErr);
        int iRaw = system(strCmd.c_str());
        Result r;
        r.iStatus = WIFEXITED(iRaw) ? WEXITSTATUS(iRaw) : -1;
        r.strOut = ReadFile(strOut);
        r.strErr = ReadFile(strErr);
        return r;
    }

    // A file of a tree under the test's own root.
    void Write(const std::string &strDevPath, const std::string &strContent) const {
        std::string strPath = m_strTmp + "/root" + strDevPath;
        (void)!system(("mkdir -p " + ShellQuote(strPath.substr(0, strPath.rfind('/')))).c_str());
        std::ofstream(strPath, std::ios::binary) << strContent;
    }
    std::string Root() const { return m_strTmp + "/root"; }

    // One small valid product: board B1, sensor imx327, lens fixed.
    void WriteProduct(const std::string &strName) const {
        Write("/usr/bin/" + strName + "/hardwareindex.json",
              R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})");
        Write("/usr/bin/" + strName + "/cap_patch.json", "{}");
        Write("/usr/bin/hardware/board/B1/cap_board.json", R"({"CameraType": "Box"})");
        Write("/usr/bin/hardware/sensor/imx327/cap_sensor.json", R"({"SensorMode": "1080pl"})");
        Write("/usr/bin/hardware/lens/fixed/cap_lens.json", R"({"FovAngle": 100.0})");
    }

    std::string m_strTmp;
};

// Owns a parsed document.
struct Json {
    explicit Json(const std::string &s) : p(json_tokener_parse(s.c_str())) {}
    ~Json() { json_object_put(p); }
    json_object *p;
};

json_object *At(json_object *o, std::initializer_list<const char *> keys) {
    for (const char *k : keys) {
        json_object *n = nullptr;
        if (!json_object_object_get_ex(o, k, &n)) return nullptr;
        o = n;
    }
    return o;
}

std::string Str(json_object *o) { return o != nullptr ? json_object_get_string(o) : "<absent>"; }
int Int(json_object *o) { return o != nullptr ? json_object_get_int(o) : -9999; }

// ---- dump ------------------------------------------------------------

TEST_F(ToolTest, DumpOfTheExampleTreeShowsTheDefaultProduct) {
    Result r = Run({"dump", "--root", kExamples});
    ASSERT_EQ(r.iStatus, 0) << r.strErr;
    EXPECT_NE(r.strOut.find("start-up: ok (0)"), std::string::npos);
    // Words next to numbers, and GPIO -1 as none.
    EXPECT_TRUE(std::regex_search(r.strOut, std::regex("\n  CameraType +PTZ \\(3\\)\n")));
    EXPECT_TRUE(std::regex_search(r.strOut, std::regex("\n  MinLineSwitchGpio +none\n")));
    EXPECT_TRUE(std::regex_search(r.strOut, std::regex("\n  DeviceName +\"IPC-PTZ-D420X\"\n")));
    for (const char *pcGroup : {"identity", "board", "alarm/serial", "optics", "video/audio", "peripherals",
                                "PTZ", "sensors", "lenses", "LEDs", "patch"})
        EXPECT_NE(r.strOut.find(std::string("\n") + pcGroup + "\n"), std::string::npos) << pcGroup;
}

TEST_F(ToolTest, DumpJsonParsesAndIsStable) {
    Result a = Run({"dump", "--json", "--root", kExamples, "--device", "IPC-BOX-8M"});
    Result b = Run({"dump", "--root", kExamples, "--json", "--device", "IPC-BOX-8M"});
    ASSERT_EQ(a.iStatus, 0) << a.strErr;
    EXPECT_EQ(a.strOut, b.strOut);
    Json doc(a.strOut);
    ASSERT_NE(doc.p, nullptr);
    EXPECT_EQ(Int(At(doc.p, {"startup", "result"})), 0);
    EXPECT_EQ(Int(At(doc.p, {"board", "CameraType", "value"})), 2);
    EXPECT_EQ(Str(At(doc.p, {"board", "CameraType", "word"})), "Box");
    EXPECT_EQ(Str(At(doc.p, {"identity", "DeviceName"})), "IPC-BOX-8M");
    json_object *pGpio = At(doc.p, {"alarm/serial", "AlarmInWithGpio"});
    ASSERT_TRUE(json_object_is_type(pGpio, json_type_array));
    ASSERT_EQ(json_object_array_length(pGpio), 8u);
    EXPECT_EQ(json_object_get_int(json_object_array_get_idx(pGpio, 3)), 27);
    EXPECT_EQ(json_object_get_int(json_object_array_get_idx(pGpio, 4)), -1);
    EXPECT_TRUE(json_object_get_boolean(At(doc.p, {"patch", "IsPoeSupport"})));
    EXPECT_EQ(Str(At(doc.p, {"peripherals", "EcompassPosition", "y", "word"})), "right");
    // Groups in their fixed order.
    std::vector<std::string> keys;
    json_object_object_foreach(doc.p, k, v) {
        (void)v;
        keys.push_back(k);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"startup", "identity", "board", "alarm/serial", "optics",
                                              "video/audio", "peripherals", "PTZ", "sensors", "lenses",
                                              "LEDs", "patch"}));
}

TEST_F(ToolTest, DumpReportsTheFailingStage) {
    Result r = Run({"dump", "--root", kExamples, "--device", "IPC-BROKEN-DEMO"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_NE(r.strErr.find("stage 6 (patch file), code -1"), std::string::npos) << r.strErr;
    EXPECT_NE(r.strErr.find("Patch Json is Null."), std::string::npos) << r.strErr;

    Result j = Run({"dump", "--json", "--root", Root()});
    EXPECT_EQ(j.iStatus, 1);
    Json doc(j.strOut);
    ASSERT_NE(doc.p, nullptr);
    EXPECT_EQ(Int(At(doc.p, {"startup", "stage"})), 1);
    EXPECT_EQ(Int(At(doc.p, {"startup", "result"})), -1);
    EXPECT_NE(j.strErr.find("stage 1 (hardware index)"), std::string::npos) << j.strErr;
}

TEST_F(ToolTest, DeviceNameComesFromTheFileOrTheOption) {
    WriteProduct("P1");
    WriteProduct("P2");
    Write("/tmp/sysinfo/dev_name", "P1");
    Result r = Run({"get", "--root", Root(), "ProductFolder"});
    EXPECT_EQ(r.iStatus, 0) << r.strErr;
    EXPECT_EQ(r.strOut, "P1\n");
    r = Run({"get", "--root", Root(), "--device", "P2", "DeviceName"});
    EXPECT_EQ(r.strOut, "P2\n");
    // --device writes no file.
    EXPECT_EQ(ReadFile(Root() + "/tmp/sysinfo/dev_name"), "P1");
}

TEST_F(ToolTest, EquipmentModeAndTagStorageFollowTheOptions) {
    WriteProduct("P1");
    WriteProduct("IPC-DEFAULT");
    Write("/tmp/sysinfo/dev_name", "P1");
    Write("/dev/mmcblk0p2", std::string("INTERNAL_MODEL=EMMC-MODEL\n") + std::string(8192, '\0'));
    EXPECT_EQ(Run({"get", "--root", Root(), "DeviceName"}).strOut, "P1\n");
    EXPECT_EQ(Run({"get", "--root", Root(), "--equipment", "DeviceName"}).strOut, "IPC-DEFAULT\n");
    EXPECT_EQ(Run({"get", "--root", Root(), "--emmc", "ProductName"}).strOut, "EMMC-MODEL\n");
    // Without --emmc the tag is looked for on NAND, which this tree lacks.
    EXPECT_EQ(Run({"get", "--root", Root(), "ProductName"}).strOut, "\n");
    Result r = Run({"dump", "-v", "--root", Root()});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_NE(r.strErr.find("pcOutCapPath = /usr/bin/P1/cap_patch.json"), std::string::npos) << r.strErr;
    EXPECT_EQ(Run({"dump", "--root", Root()}).strErr, "");
}

// ---- get -------------------------------------------------------------

TEST_F(ToolTest, GetAnswersOneQueryOnOneLine) {
    std::vector<std::string> base = {"get", "--root", kExamples, "--device", "IPC-BOX-8M"};
    auto Get = [&](std::vector<std::string> extra) {
        std::vector<std::string> a = base;
        a.insert(a.end(), extra.begin(), extra.end());
        return Run(a);
    };
    EXPECT_EQ(Get({"AlarmInWithGpio", "2"}).strOut, "26\n");
    EXPECT_EQ(Get({"CAP_GetAlarmInWithGpio", "2"}).strOut, "26\n");
    EXPECT_EQ(Get({"GetAlarmInWithGpio", "5"}).strOut, "none\n");
    EXPECT_EQ(Get({"--raw", "AlarmInWithGpio", "5"}).strOut, "-1\n");
    EXPECT_EQ(Get({"Uart485DeviceNode", "1"}).strOut, "ttyAMA3\n");
    EXPECT_EQ(Get({"CameraType"}).strOut, "Box (2)\n");
    EXPECT_EQ(Get({"CameraType", "-r"}).strOut, "2\n");
    EXPECT_EQ(Get({"EcompassPosition"}).strOut, "x=front (0) y=right (3) z=up (4)\n");
    EXPECT_EQ(Get({"MatchLedType", "irfar"}).strOut, "irfar (9)\n");
    // The library's own answer to an index outside the slots.
    Result r = Get({"AlarmInWithGpio", "-1"});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_EQ(r.strOut, "-4\n");
    // A query that reports a failure: exit 1.
    r = Get({"Uart485DeviceNode", "4"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_NE(r.strErr.find("-4"), std::string::npos);

    r = Get({"--json", "LedRange", "0"});
    EXPECT_EQ(r.iStatus, 0);
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    EXPECT_EQ(Str(At(doc.p, {"query"})), "CAP_GetLedRange");
}

TEST_F(ToolTest, GetRefusesUnknownQueriesAndBadArguments) {
    for (std::vector<std::string> a : std::vector<std::vector<std::string>>{
             {"get", "NoSuchQuery"},
             {"get", "CAP_NoSuchQuery"},
             {"get"},
             {"get", "AlarmInWithGpio"},             // missing argument
             {"get", "AlarmInWithGpio", "1", "2"},   // one too many
             {"get", "AlarmInWithGpio", "two"},      // not a number
             {"get", "AlarmInWithGpio", "1x"},
             {"get", "VideoType", "-1"},             // unsigned 16-bit argument
             {"get", "VideoType", "65536"},
             {"get", "AlarmInWithGpio", "4294967296"},
             {"get", "--bogus", "CameraType"},
             {"frobnicate"},
         }) {
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 2) << a.back();
        EXPECT_FALSE(r.strErr.empty()) << a.back();
        EXPECT_TRUE(r.strOut.empty()) << a.back();
    }
    Result r = Run({"get", "AlarmInWithGpo", "1"});
    EXPECT_NE(r.strErr.find("unknown query 'AlarmInWithGpo'"), std::string::npos) << r.strErr;
}

// Every query of the exported header can be called by name.
TEST_F(ToolTest, EveryExportedQueryIsListed) {
    Result r = Run({"get", "--list"});
    ASSERT_EQ(r.iStatus, 0);
    std::set<std::string> listed;
    std::istringstream in(r.strOut);
    for (std::string strLine; std::getline(in, strLine);) {
        if (strLine.rfind("  ", 0) != 0) continue;
        std::istringstream words(strLine);
        std::string w;
        words >> w;
        listed.insert(w);
    }
    std::string strHeader = ReadFile(DEVCAP_HEADER);
    std::regex re("DEVCAP_API[^;(]*\\bCAP_(\\w+)\\(");
    int iQueries = 0;
    for (auto it = std::sregex_iterator(strHeader.begin(), strHeader.end(), re); it != std::sregex_iterator(); ++it) {
        std::string n = (*it)[1];
        if (n == "CapInit" || n == "SetRootDir" || n == "SetDeviceNameOverride") continue;
        ++iQueries;
        std::string strShort = n.rfind("Get", 0) == 0 ? n.substr(3) : n;
        EXPECT_TRUE(listed.count(strShort) > 0) << "CAP_" << n << " is missing from the tool";
    }
    EXPECT_GT(iQueries, 150);
    EXPECT_EQ(static_cast<int>(listed.size()), iQueries);
}

// ---- lint ------------------------------------------------------------

TEST_F(ToolTest, LintFindsWhatWasPlantedInTheBrokenProduct) {
    Result r = Run({"lint", "--json", "--root", kExamples});
    EXPECT_EQ(r.iStatus, 1) << r.strErr;
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    json_object *pProducts = At(doc.p, {"products"});
    ASSERT_TRUE(json_object_is_type(pProducts, json_type_array));
    std::vector<std::string> all;  // "file|message"
    int iFailed = 0;
    for (size_t i = 0; i < json_object_array_length(pProducts); ++i) {
        json_object *p = json_object_array_get_idx(pProducts, i);
        std::string strName = Str(At(p, {"product"}));
        int iRc = Int(At(p, {"startup", "result"}));
        json_object *pFindings = At(p, {"findings"});
        if (strName != "IPC-BROKEN-DEMO") {
            EXPECT_EQ(iRc, 0) << strName;
            EXPECT_EQ(json_object_array_length(pFindings), 0u) << strName;
            continue;
        }
        ++iFailed;
        EXPECT_EQ(iRc, -1);
        EXPECT_EQ(Int(At(p, {"startup", "stage"})), 6);
        EXPECT_EQ(Int(At(p, {"count"})), static_cast<int>(json_object_array_length(pFindings)));
        for (size_t j = 0; j < json_object_array_length(pFindings); ++j) {
            json_object *f = json_object_array_get_idx(pFindings, j);
            all.push_back(Str(At(f, {"file"})) + "|" + Str(At(f, {"message"})));
        }
    }
    EXPECT_EQ(iFailed, 1);
    EXPECT_EQ(Int(At(doc.p, {"summary", "failed"})), 1);
    auto Has = [&](const std::string &strFile, const std::string &strPart) {
        for (const std::string &s : all)
            if (s.rfind(strFile + "|", 0) == 0 && s.find(strPart) != std::string::npos) return true;
        return false;
    };
    const std::string idx = "IPC-BROKEN-DEMO/hardwareindex.json";
    const std::string board = "hardware/board/broken-board/cap_board.json";
    EXPECT_TRUE(Has(idx, "key=version is invalid in string type"));     // wrong type
    EXPECT_TRUE(Has(idx, "key=Vendor is invalid in string type"));      // unknown key
    EXPECT_TRUE(Has(idx, "key=Revision is invalid in int type"));
    EXPECT_TRUE(Has(idx, "key = focus is invalid in string type"));
    EXPECT_TRUE(Has(idx, "3.6mm-wide-angle size = 16 is overflow of 12"));  // cut text
    EXPECT_TRUE(Has(idx, "sensor \"imx999\" is not a known sensor type"));
    EXPECT_TRUE(Has(board, "pcVal=Turret"));                            // unknown word
    EXPECT_TRUE(Has(board, "key=RamSize is not in String part"));      // wrong type
    EXPECT_TRUE(Has(board, "cap_MatchMemWidth para:24 is invalid"));
    EXPECT_TRUE(Has(board, "key=Colour is not in String part"));
    EXPECT_TRUE(Has(board, "AlarmInWithGpio"));                         // overlong array
    EXPECT_TRUE(Has(board, "LensPinsA"));
    EXPECT_TRUE(Has(board, "ttyUSB-rs485-bus size = 16 is overflow of 10"));
    EXPECT_TRUE(Has(board, "key Speed is not invalid in UART"));
    EXPECT_TRUE(Has(board, "pcJsonVal = pcie"));
    EXPECT_TRUE(Has(board, "wlan0-external size = 14 is overflow of 10"));
    EXPECT_TRUE(Has(board, "key MicInSup is not in stAudio int type"));
    EXPECT_TRUE(Has(board, "not int type:key=FanGpioCtl"));
    EXPECT_TRUE(Has("hardware/sensor/imx999/cap_sensor.json", "SensorMode"));
    EXPECT_TRUE(Has("hardware/lens/df033/cap_lens.json", "key=Zoom"));
    EXPECT_TRUE(Has("hardware/lens/df033/cap_lens.json", "FovAngle"));
    EXPECT_TRUE(Has("IPC-BROKEN-DEMO/cap_patch.json", "not JSON"));
    // Nothing routine slips through.
    for (const std::string &s : all) {
        EXPECT_EQ(s.find("pcOutCapPath"), std::string::npos) << s;
        EXPECT_EQ(s.find(",val="), std::string::npos) << s;
    }
}

TEST_F(ToolTest, LintTextLinesAndExitStatuses) {
    Result r = Run({"lint", "--root", kExamples, "IPC-BROKEN-DEMO"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_NE(r.strOut.find("IPC-BROKEN-DEMO: hardware/board/broken-board/cap_board.json: info: "
                            "cap_MatchCameraType para is invalid:pcVal=Turret !\n"),
              std::string::npos)
        << r.strOut;
    EXPECT_NE(r.strOut.find("IPC-BROKEN-DEMO: start-up FAILED in stage 6 (patch file), code -1\n"),
              std::string::npos);

    EXPECT_EQ(Run({"lint", "--root", kExamples, "IPC-PTZ-D420X", "IPC-BOX-8M"}).iStatus, 0);
    EXPECT_EQ(Run({"lint", "--strict", "--root", kExamples, "IPC-PTZ-D420X", "IPC-BOX-8M"}).iStatus, 0);

    // A finding without a start-up failure: clean exit, unless --strict.
    WriteProduct("P1");
    Write("/usr/bin/hardware/board/B1/cap_board.json", R"({"CameraType": "Box", "Paint": "red"})");
    r = Run({"lint", "--root", Root()});
    EXPECT_EQ(r.iStatus, 0) << r.strOut;
    EXPECT_NE(r.strOut.find("P1: hardware/board/B1/cap_board.json: info: key=Paint is not in String part."),
              std::string::npos)
        << r.strOut;
    EXPECT_EQ(Run({"lint", "--root", Root(), "--strict"}).iStatus, 1);
}

TEST_F(ToolTest, LintReportsMissingFilesAndNamesThem) {
    WriteProduct("P1");
    (void)!system(("rm " + ShellQuote(Root() + "/usr/bin/hardware/sensor/imx327/cap_sensor.json")).c_str());
    Result r = Run({"lint", "--json", "--root", Root()});
    EXPECT_EQ(r.iStatus, 1);
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr);
    json_object *p = json_object_array_get_idx(At(doc.p, {"products"}), 0);
    EXPECT_EQ(Int(At(p, {"startup", "stage"})), 2);
    json_object *f = json_object_array_get_idx(At(p, {"findings"}), 0);
    EXPECT_EQ(Str(At(f, {"file"})), "hardware/sensor/imx327/cap_sensor.json");
    EXPECT_EQ(Str(At(f, {"message"})), "file missing");
    // The board file was still read and is clean.
    EXPECT_EQ(Int(At(p, {"count"})), 1);

    // A named product without a folder fails; an empty tree is a usage error.
    EXPECT_EQ(Run({"lint", "--root", Root(), "NOPE"}).iStatus, 1);
    EXPECT_EQ(Run({"lint", "--root", m_strTmp + "/empty"}).iStatus, 2);
    EXPECT_EQ(Run({"lint", "--root", Root(), "a/b"}).iStatus, 2);
}

TEST_F(ToolTest, LintSeesBoardLedInfoOnlyWhenTheIndexHasNone) {
    // The index's LED count makes the library skip the board's "LedInfo":
    // its unknown key must not be reported then.
    WriteProduct("P1");
    Write("/usr/bin/P1/hardwareindex.json",
          R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}], "LedInfo": {"LedNum": 1}})");
    Write("/usr/bin/hardware/board/B1/cap_board.json", R"({"LedInfo": {"LedNum": 1, "Bogus": [1]}})");
    Result r = Run({"lint", "--root", Root()});
    EXPECT_EQ(r.strOut.find("Bogus"), std::string::npos) << r.strOut;
    Write("/usr/bin/P1/hardwareindex.json", R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})");
    r = Run({"lint", "--root", Root()});
    EXPECT_NE(r.strOut.find("key is invalid.key=Bogus"), std::string::npos) << r.strOut;
}

TEST_F(ToolTest, HelpOnEveryCommand) {
    for (std::vector<std::string> a : std::vector<std::vector<std::string>>{
             {"--help"}, {"help"}, {"dump", "--help"}, {"get", "--help"}, {"lint", "-h"}, {"help", "lint"}}) {
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 0) << a[0];
        EXPECT_NE(r.strOut.find("usage: devcap"), std::string::npos) << a[0];
    }
    EXPECT_EQ(Run({}).iStatus, 2);
}

}  // namespace
