// devcap lint as its users meet it: each planted mistake of the broken
// examples found by its check at its line and column, the clean products
// clean, the report in its three forms (one a line for problem matchers,
// JSON, SARIF checked by a real validator), the checks switched on and off,
// the exit statuses, mistakes in using the tool explained, and the device's
// own view kept.
#include "platform/messages.h"
#include "tool_test.h"

using namespace tool_test;

namespace {

const std::string kSource = DEVCAP_SOURCE_DIR;

// One finding as the JSON report gives it.
struct Seen {
    std::string strPath, strSeverity, strCheck;
    int iLine, iColumn;
    bool operator<(const Seen &o) const {
        return std::tie(strPath, iLine, iColumn, strCheck) < std::tie(o.strPath, o.iLine, o.iColumn, o.strCheck);
    }
};

std::vector<Seen> Findings(json_object *pDoc) {
    std::vector<Seen> out;
    json_object *pAll = At(pDoc, {"findings"});
    for (size_t i = 0; pAll != nullptr && i < json_object_array_length(pAll); ++i) {
        json_object *f = json_object_array_get_idx(pAll, i);
        out.push_back({Str(At(f, {"path"})), Str(At(f, {"severity"})), Str(At(f, {"check"})), Int(At(f, {"line"})),
                       Int(At(f, {"column"}))});
    }
    return out;
}

std::set<std::string> ChecksOf(const std::vector<Seen> &findings) {
    std::set<std::string> s;
    for (const Seen &f : findings) s.insert(f.strCheck);
    return s;
}

class LintTest : public ToolTest {
protected:
    // A product without a finding: board B1 also gives its RAM size.
    void WriteCleanProduct(const std::string &strName) const {
        WriteProduct(strName);
        Write("/usr/bin/hardware/board/B1/cap_board.json", R"({"CameraType": "Box", "RamSize": 512})");
    }
    // The findings of a run on the test's own root.
    std::vector<Seen> LintOwn(Args extra = {}) const {
        Args a = {"lint", "--json", "--root", Root()};
        a.insert(a.end(), extra.begin(), extra.end());
        Result r = Run(a);
        Json doc(r.strOut);
        EXPECT_NE(doc.p, nullptr) << r.strOut << r.strErr;
        return doc.p != nullptr ? Findings(doc.p) : std::vector<Seen>{};
    }
};

// Every planted mistake, by check, line and column; each check but the
// device-log one (a message no model finding explains is a model gap, and
// none may remain), file-too-large (a 1 MiB example would weigh on the
// repository: tested on a tree of its own below) and absent-key (off by
// default) is planted.
TEST_F(LintTest, FindsEveryPlantedMistakeAtItsPlace) {
    Result r = Run({"lint", "--json", "--root", kExamples});
    EXPECT_EQ(r.iStatus, 1) << r.strErr;
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    const std::vector<Seen> all = Findings(doc.p);
    const std::set<Seen> got(all.begin(), all.end());
    const std::string kDemo = "usr/bin/IPC-BROKEN-DEMO/", kNames = "usr/bin/IPC-BROKEN-NAMES/";
    const std::string kIndex = kDemo + "hardwareindex.json", kNamesIndex = kNames + "hardwareindex.json";
    const std::string kBoard = "usr/bin/hardware/board/broken-board/cap_board.json";
    const Seen kPlanted[] = {
        {kDemo + "cap_patch.json", "error", "not-json", 1, 1},
        {kDemo + "cap_patch.json", "error", "startup", 1, 1},
        {kIndex, "error", "wrong-type", 2, 3},         // "version": "4"
        {kIndex, "warning", "duplicate-key", 5, 3},    // "Vendor" again
        {kIndex, "error", "unknown-key", 6, 3},        // "Revision"
        {kIndex, "error", "unknown-word", 8, 7},       // "imx999"
        {kIndex, "error", "unknown-word", 8, 45},      // "3.6mm-wide-angle"
        {kIndex, "error", "unknown-key", 8, 66},       // "focus"
        {kIndex, "error", "number-narrowed", 11, 16},  // "LedNum": 65537
        {kNames + "cap_Patch.json", "warning", "file-name", 1, 1},
        {kNames + "cap_patch.json", "error", "missing-file", 1, 1},
        {kNamesIndex, "warning", "non-standard-json", 2, 3},  // a comment
        {kNamesIndex, "error", "missing-file", 3, 3},         // "Broken-Board"
        {kNamesIndex, "warning", "name-case", 3, 3},
        {kNamesIndex, "error", "startup", 3, 3},
        {kNamesIndex, "warning", "isp-info-count", 9, 5},
        {kNamesIndex, "warning", "non-standard-json", 9, 44},  // a trailing comma
        {kBoard, "error", "unknown-word", 2, 3},                // "Turret"
        {kBoard, "error", "wrong-type", 4, 3},                  // "RamSize": "1024"
        {kBoard, "error", "unknown-word", 5, 3},                // "MemWidth": 24
        {kBoard, "error", "unknown-key", 7, 3},                 // "Colour"
        {kBoard, "error", "array-too-long", 8, 3},              // "AlarmInWithGpio", 10 of 8
        {kBoard, "error", "array-too-long", 9, 3},              // "LensPinsA", 14 of 12
        {kBoard, "warning", "gpio-reuse", 9, 17},
        {kBoard, "warning", "uart-port-missing", 10, 3},
        {kBoard, "warning", "uart-direction", 11, 5},
        {kBoard, "error", "text-too-long", 11, 33},             // "ttyUSB-rs485-bus"
        {kBoard, "error", "unknown-key", 11, 54},               // "Speed"
        {kBoard, "error", "unknown-key", 15, 5},                // "Delay"
        {kBoard, "error", "wrong-type", 18, 5},                 // "MicInSup": 1
        {kBoard, "error", "unknown-word", 21, 5},               // "pcie"
        {kBoard, "error", "text-too-long", 22, 5},              // "wlan0-external"
        {kBoard, "error", "wrong-type", 25, 5},                 // "FanGpioCtl": 12
        {kBoard, "error", "unknown-word", 26, 5},               // "gpio"
        {kBoard, "warning", "count-mismatch", 28, 14},          // "AlarmInNum": 4
        {kBoard, "error", "text-too-long", 29, 37},             // a temperature path dropped
        {kBoard, "warning", "duplicate-key", 30, 3},            // "SocPlatform" again
        {kBoard, "note", "not-read", 31, 3},                    // "LedInfo" after the index's
        {"usr/bin/hardware/lens/df033/cap_lens.json", "error", "wrong-type", 2, 3},  // "FovAngle": 90
        {"usr/bin/hardware/lens/df033/cap_lens.json", "error", "unknown-key", 3, 3},
        {"usr/bin/hardware/sensor/imx999/cap_sensor.json", "error", "unknown-word", 2, 3},
        {"usr/bin/hardware/sensor/os04a10/cap_sensor.json", "error", "missing-key", 1, 1},
    };
    std::set<std::string> planted;
    for (const Seen &s : kPlanted) {
        planted.insert(s.strCheck);
        auto it = got.find(s);
        EXPECT_TRUE(it != got.end()) << s.strPath << ":" << s.iLine << ":" << s.iColumn << " " << s.strCheck;
        if (it != got.end()) {
            EXPECT_EQ(it->strSeverity, s.strSeverity) << s.strPath << ":" << s.iLine << " " << s.strCheck;
        }
    }
    // Every check is planted, but the three said above.
    Result list = Run({"lint", "--list-checks"});
    std::istringstream in(list.strOut);
    for (std::string strCheck, strRest; in >> strCheck && std::getline(in, strRest);) {
        if (strCheck == "device-log" || strCheck == "file-too-large" || strCheck == "absent-key") continue;
        EXPECT_TRUE(planted.count(strCheck)) << strCheck << " has no planted mistake";
    }
    // The clean products have no error or warning, and nothing the device
    // logs goes unexplained.
    for (const Seen &s : all) {
        EXPECT_NE(s.strCheck, "device-log") << s.strPath << ":" << s.iLine;
        const bool bBroken = Has(s.strPath, "BROKEN") || Has(s.strPath, "broken-board") || Has(s.strPath, "imx999") ||
                             Has(s.strPath, "df033") || Has(s.strPath, "os04a10");
        if (!bBroken) {
            EXPECT_EQ(s.strSeverity, "note") << s.strPath << ":" << s.iLine << " " << s.strCheck;
        }
    }
    // Each product's start-up as the device runs it.
    json_object *pProducts = At(doc.p, {"products"});
    ASSERT_EQ(json_object_array_length(pProducts), 6u);
    for (size_t i = 0; i < json_object_array_length(pProducts); ++i) {
        json_object *p = json_object_array_get_idx(pProducts, i);
        const std::string strName = Str(At(p, {"product"}));
        const int iStage = strName == "IPC-BROKEN-DEMO" ? 6 : strName == "IPC-BROKEN-NAMES" ? 2 : 0;
        EXPECT_EQ(Int(At(p, {"startup", "result"})), iStage == 0 ? 0 : -1) << strName;
        if (iStage != 0) {
            EXPECT_EQ(Int(At(p, {"startup", "stage"})), iStage) << strName;
        }
    }
    EXPECT_EQ(Int(At(doc.p, {"summary", "failedStartup"})), 2);
}

// One line a finding, as compilers write them and problem matchers read
// them; then the device's start-up of each product and a count.
TEST_F(LintTest, TextReportIsOneLineAFinding) {
    Result r = Run({"lint", "--root", kExamples, "IPC-BROKEN-DEMO"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_TRUE(Has(r.strOut,
                    "usr/bin/hardware/board/broken-board/cap_board.json:26:5: error: \"gpio\" is not a FanCtlType word; "
                    "the device will answer invalid (expected one of: None, Gpio, Mcu; did you mean \"Gpio\"?) "
                    "[unknown-word]\n"))
        << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "\"RamSize\" takes an integer, not a text (\"1024\"); the device ignores it and answers "
                              "invalid; write 1024 [wrong-type]\n"));
    EXPECT_TRUE(Has(r.strOut, "IPC-BROKEN-DEMO: start-up fails in stage 6 (patch file), code -1\n"));
    EXPECT_TRUE(Has(r.strOut, "1 product checked, 1 failing start-up: "));
    const std::regex kFinding(R"(^[^: ]+:\d+:\d+: (error|warning|note): .+ \[[a-z-]+\]$)");
    std::istringstream in(r.strOut);
    int iFindings = 0;
    for (std::string strLine; std::getline(in, strLine);) {
        if (Has(strLine, "IPC-BROKEN-DEMO: ") || Has(strLine, "checked")) continue;
        EXPECT_TRUE(std::regex_match(strLine, kFinding)) << strLine;
        ++iFindings;
    }
    EXPECT_GT(iFindings, 25);
}

// What only json-c reads, and what the device cannot read at all, with the
// strict parser's line, column and reason; a file over the size the device
// reads.
TEST_F(LintTest, JsonSyntaxAtItsPlace) {
    WriteCleanProduct("P1");
    const std::string kBoard = "/usr/bin/hardware/board/B1/cap_board.json";
    const struct {
        const char *pcText;
        Seen want;
    } aCases[] = {
        {"{\n  \"CameraType\": \"Box\" /* a comment */\n}", {"", "warning", "non-standard-json", 2, 23}},
        {"{\n  \"CameraType\": \"Box\",\n}", {"", "warning", "non-standard-json", 2, 22}},
        {"{\"CameraType\": \"Box\", \"CameraType\": \"Dome\"}", {"", "warning", "duplicate-key", 1, 23}},
        {"{'CameraType': 'Box'}", {"", "warning", "non-standard-json", 1, 2}},
        {"{\n  \"CameraType\": \"Box\"\n  \"RamSize\": 512\n}", {"", "error", "not-json", 3, 3}},
        {"{\"CameraType\": \"Box\"} // no newline at the end", {"", "error", "not-json", 1, 1}},
    };
    for (const auto &c : aCases) {
        Write(kBoard, c.pcText);
        const std::vector<Seen> all = LintOwn();
        bool bFound = false;
        for (const Seen &s : all)
            bFound |= s.strPath == kBoard.substr(1) && s.strCheck == c.want.strCheck && s.iLine == c.want.iLine &&
                      s.iColumn == c.want.iColumn && s.strSeverity == c.want.strSeverity;
        EXPECT_TRUE(bFound) << c.pcText << " -> " << c.want.strCheck << " " << c.want.iLine << ":" << c.want.iColumn;
        for (const Seen &s : all) EXPECT_NE(s.strCheck, "device-log") << c.pcText;
    }
    Write(kBoard, "{\n  \"CameraType\": \"Box\"\n  \"RamSize\": 512\n}");
    EXPECT_TRUE(Has(Run({"lint", "--root", Root()}).strOut,
                    "cap_board.json:3:3: error: not JSON: Missing a comma or '}' after an object member; start-up "
                    "fails on this file [not-json]"));
    Write(kBoard, "{\"CameraType\": \"Box\", \"Padding\": \"" + std::string(1024 * 1024, 'x') + "\"}");
    EXPECT_EQ(ChecksOf(LintOwn()).count("file-too-large"), 1u);
}

// The checks of one product at work on small trees of the test's own.
TEST_F(LintTest, ProductChecksOnOwnTrees) {
    WriteCleanProduct("P1");
    const std::string kBoard = "/usr/bin/hardware/board/B1/cap_board.json";
    const struct {
        const char *pcBoard;
        const char *pcCheck;
        int iLine, iColumn;
    } aCases[] = {
        // A word only in another letter case: did you mean.
        {"{\n  \"CameraType\": \"dome\"\n}", "unknown-word", 2, 3},
        // A flag misspelled, and one of the wrong type.
        {"{\"CameraType\": \"Box\",\n \"TemperatureHumidty\": true}", "unknown-key", 2, 2},
        {"{\"CameraType\": \"Box\",\n \"DoubleIntSup\": 1}", "wrong-type", 2, 2},
        // A number cut to its field.
        {"{\"CameraType\": \"Box\",\n \"SDSlotNum\": 257}", "number-narrowed", 2, 2},
        // A GPIO line of two functions.
        {"{\"CameraType\": \"Box\", \"ResetGpio\": 7,\n \"PTZ\": {\"FanGpioCtl\": [7]}}", "gpio-reuse", 2, 25},
        // A port without its direction GPIOs, ports left out.
        {"{\"CameraType\": \"Box\", \"Uart\": {\n \"Uart485\": {\"DeviceNode\": [\"ttyS1\", \"ttyS2\"], \"DirectionGpio\": [-1]},"
         " \"Uart232\": {\"DeviceNode\": []}}}",
         "uart-direction", 2, 48},
        {"{\"CameraType\": \"Box\", \"Uart\": {\n \"Uart485\": {\"DeviceNode\": []}, \"Uart232\": {\"DeviceNode\": []}}}",
         "uart-port-missing", 1, 23},
        // A count that the array after it overrides.
        {"{\"CameraType\": \"Box\", \"Alarm\": {\"AlarmInNum\": 2,\n \"AlarmInWithGpio\": [1, 2, 3]}}", "count-mismatch", 2,
         2},
        // No "CameraType".
        {"{\"SocPlatform\": \"hi3516dv300\"}", "missing-key", 1, 1},
    };
    for (const auto &c : aCases) {
        Write(kBoard, c.pcBoard);
        const std::vector<Seen> all = LintOwn();
        bool bFound = false;
        for (const Seen &s : all)
            bFound |= s.strCheck == c.pcCheck && s.iLine == c.iLine && s.iColumn == c.iColumn;
        EXPECT_TRUE(bFound) << c.pcBoard << " -> " << c.pcCheck;
        for (const Seen &s : all) EXPECT_NE(s.strCheck, "device-log") << c.pcBoard;
    }
    Write(kBoard, "{\"CameraType\": \"dome\"}");
    EXPECT_TRUE(Has(Run({"lint", "--root", Root()}).strOut, "did you mean \"Dome\"?"));
    // The patch flags the issue's new user got wrong.
    Write(kBoard, "{\"CameraType\": \"Box\", \"RamSize\": 512}");
    Write("/usr/bin/P1/cap_patch.json", "{\"PoeSupport\": 1, \"PoESupport\": true}");
    Result r = Run({"lint", "--root", Root()});
    EXPECT_TRUE(Has(r.strOut, "cap_patch.json:1:2: error: \"PoeSupport\" takes a boolean, not an integer (1); the "
                              "device ignores it and answers 0; write true [wrong-type]"))
        << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "cap_patch.json:1:19: error: \"PoESupport\" is not a key of the top level of the patch "
                              "file; the device ignores it (did you mean \"PoeSupport\"?) [unknown-key]"));
}

// --enable, --disable, --list-checks and --strict; the exit statuses.
TEST_F(LintTest, ChecksOnAndOffAndExitStatuses) {
    WriteCleanProduct("P1");
    EXPECT_EQ(Run({"lint", "--root", Root()}).iStatus, 0);
    EXPECT_EQ(Run({"lint", "--root", Root(), "--strict"}).iStatus, 0);
    // A warning: failing only with --strict.
    Write("/usr/bin/hardware/board/B1/cap_board.json", "{\"CameraType\": \"Box\", \"RamSize\": 512, \"CameraType\": \"Box\"}");
    EXPECT_EQ(Run({"lint", "--root", Root()}).iStatus, 0);
    EXPECT_EQ(Run({"lint", "--root", Root(), "--strict"}).iStatus, 1);
    EXPECT_EQ(Run({"lint", "--root", Root(), "--strict", "--disable", "duplicate-key"}).iStatus, 0);
    // An error.
    Write("/usr/bin/hardware/board/B1/cap_board.json", "{\"CameraType\": \"Box\", \"RamSize\": 512, \"Paint\": \"red\"}");
    EXPECT_EQ(Run({"lint", "--root", Root()}).iStatus, 1);
    EXPECT_EQ(ChecksOf(LintOwn({"--disable=unknown-key"})).count("unknown-key"), 0u);
    EXPECT_EQ(Run({"lint", "--root", Root(), "--disable", "unknown-key,startup"}).iStatus, 0);
    // Off by default, on when asked; all off but one.
    EXPECT_EQ(ChecksOf(LintOwn()).count("absent-key"), 0u);
    EXPECT_EQ(ChecksOf(LintOwn({"--enable", "absent-key"})).count("absent-key"), 1u);
    EXPECT_EQ(ChecksOf(LintOwn({"--disable", "all", "--enable", "unknown-key"})), std::set<std::string>{"unknown-key"});
    // A disabled check still explains the device's own messages: no
    // device-log finding takes its place.
    EXPECT_EQ(ChecksOf(LintOwn({"--disable", "unknown-key"})).count("device-log"), 0u);
    Result list = Run({"lint", "--list-checks"});
    EXPECT_EQ(list.iStatus, 0);
    EXPECT_TRUE(std::regex_search(list.strOut, std::regex("\nunknown-key +error +on +")));
    EXPECT_TRUE(std::regex_search(list.strOut, std::regex("\nabsent-key +note +off +")));
}

// absent-key: each optional key left out, where the object that lacks it
// stands, with what the device answers; none for a key the device needs.
TEST_F(LintTest, AbsentKeysWhereTheirObjectStands) {
    WriteCleanProduct("P1");
    Write("/usr/bin/hardware/board/B1/cap_board.json",
          "{\"CameraType\": \"Box\", \"RamSize\": 512,\n \"Uart\": {\"Uart485\": {\"DeviceNode\": []}}}");
    const std::string strBoard = "usr/bin/hardware/board/B1/cap_board.json";
    Result r = Run({"lint", "--root", Root(), "--enable", "absent-key"});
    EXPECT_TRUE(
        Has(r.strOut, strBoard + ":2:11: note: \"DirectionGpio\" is not given; the device answers 0 [absent-key]"))
        << r.strOut;
    EXPECT_TRUE(Has(r.strOut, strBoard + ":1:1: note: \"SocPlatform\" is not given; the device answers"));
    EXPECT_FALSE(Has(r.strOut, "\"CameraType\" is not given"));
    EXPECT_FALSE(Has(r.strOut, "\"Uart232\" is not given"));  // uart-port-missing's
    EXPECT_FALSE(Has(Run({"lint", "--root", Root()}).strOut, "[absent-key]"));
}

// Mistakes in using the tool are explained, with status 2.
TEST_F(LintTest, UsageMistakesAreExplained) {
    WriteCleanProduct("IPC-ONE");
    const struct {
        Args args;
        std::string strErr;
    } aCases[] = {
        {{"lint", Root()}, "is a root file system (it holds usr/bin), not a product; did you mean devcap lint --root"},
        {{"lint", "--root", m_strTmp + "/nowhere"}, "--root " + m_strTmp + "/nowhere: no such directory"},
        {{"lint", "--root", Root(), "IPC-0NE"}, "no product folder 'IPC-0NE' in " + Root() + "/usr/bin; did you mean IPC-ONE?"},
        {{"lint", "--root", Root(), "a/b"}, "no product folder 'a/b'"},
        {{"lint", "--root", m_strTmp}, "holds no usr/bin: is --root the device's root file system?"},
        {{"lint", "--root", Root(), "--enable", "unknown-keys"}, "no check 'unknown-keys'; did you mean unknown-key?"},
        {{"lint", "--root", Root(), "--json", "--sarif"}, "--json and --sarif: choose one"},
        {{"lint", "--root", Root(), "--device", "X"}, "--equipment and --device do not apply"},
        {{"lint", "--root", Root(), "--enable"}, "needs a check name"},
    };
    for (const auto &c : aCases) {
        Result r = Run(c.args);
        EXPECT_EQ(r.iStatus, 2) << c.args.back();
        EXPECT_TRUE(Has(r.strErr, c.strErr)) << c.args.back() << "\n" << r.strErr;
        EXPECT_EQ(r.strOut, "") << c.args.back();
    }
    Write("/usr/bin/NOTAPRODUCT/readme.txt", "x");
    (void)!system(("rm -rf " + Quote(Root() + "/usr/bin/IPC-ONE")).c_str());
    Result r = Run({"lint", "--root", Root()});
    EXPECT_EQ(r.iStatus, 2);
    EXPECT_TRUE(Has(r.strErr, "no product folder (a folder holding hardwareindex.json) in " + Root() + "/usr/bin"));
}

// SARIF for code scanning: valid against the standard's structure (checked
// by python3-jsonschema), one rule a check, each finding a result at its
// place relative to the root.
TEST_F(LintTest, SarifIsValidAndPlacesResults) {
    Result r = Run({"lint", "--sarif", "--root", kExamples, "IPC-BROKEN-DEMO"});
    EXPECT_EQ(r.iStatus, 1);
    const std::string strLog = m_strTmp + "/lint.sarif";
    std::ofstream(strLog) << r.strOut;
    const std::string strCmd = "python3 -c 'import json, sys, jsonschema; "
                               "jsonschema.validate(json.load(open(sys.argv[2])), json.load(open(sys.argv[1])))' " +
                               Quote(kSource + "/tools/tests/support/sarif-2.1.0-results.schema.json") + " " +
                               Quote(strLog) + " 2>" + Quote(m_strTmp + "/validator");
    EXPECT_EQ(system(strCmd.c_str()), 0) << ReadFile(m_strTmp + "/validator");
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr);
    json_object *pRun = json_object_array_get_idx(At(doc.p, {"runs"}), 0);
    json_object *pResults = At(pRun, {"results"});
    ASSERT_NE(pResults, nullptr);
    bool bFound = false;
    for (size_t i = 0; i < json_object_array_length(pResults); ++i) {
        json_object *res = json_object_array_get_idx(pResults, i);
        json_object *pLoc = At(json_object_array_get_idx(At(res, {"locations"}), 0), {"physicalLocation"});
        if (Str(At(res, {"ruleId"})) != "unknown-word" || Int(At(pLoc, {"region", "startLine"})) != 26) continue;
        bFound = true;
        EXPECT_EQ(Str(At(pLoc, {"artifactLocation", "uri"})), "usr/bin/hardware/board/broken-board/cap_board.json");
        EXPECT_EQ(Str(At(pLoc, {"artifactLocation", "uriBaseId"})), "ROOT");
        EXPECT_EQ(Int(At(pLoc, {"region", "startColumn"})), 5);
        EXPECT_EQ(Str(At(res, {"level"})), "error");
    }
    EXPECT_TRUE(bFound);
    EXPECT_TRUE(Has(Str(At(pRun, {"originalUriBaseIds", "ROOT", "uri"})), "file:///"));
}

// The JSON report: the members a CI job reads, in a stable order.
TEST_F(LintTest, JsonReportIsStable) {
    Result a = Run({"lint", "--json", "--root", kExamples});
    EXPECT_EQ(Run({"lint", "--root", kExamples, "--json"}).strOut, a.strOut);
    Json doc(a.strOut);
    ASSERT_NE(doc.p, nullptr);
    json_object *f = nullptr;
    json_object *pAll = At(doc.p, {"findings"});
    for (size_t i = 0; i < json_object_array_length(pAll) && f == nullptr; ++i) {
        json_object *e = json_object_array_get_idx(pAll, i);
        if (Str(At(e, {"keyPath"})) == "PTZ/FanCtlType") f = e;
    }
    ASSERT_NE(f, nullptr);
    std::vector<std::string> keys;
    json_object_object_foreach(f, k, v) keys.push_back(k), (void)v;
    EXPECT_EQ(keys, (std::vector<std::string>{"path", "line", "column", "severity", "check", "keyPath", "message",
                                              "expected", "products"}));
    EXPECT_EQ(json_object_get_string(json_object_array_get_idx(At(f, {"expected"}), 1)), std::string("Gpio"));
    EXPECT_EQ(json_object_get_string(json_object_array_get_idx(At(f, {"products"}), 0)), std::string("IPC-BROKEN-DEMO"));
}

// The library's own start-up runs on every product: -v shows its log lines,
// and a failed start-up is a finding at the file of its stage.
TEST_F(LintTest, TheDevicesViewStays) {
    WriteCleanProduct("P1");
    Result r = Run({"lint", "-v", "--root", Root()});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_TRUE(Has(r.strErr, LibraryText(cap::msg::kCapPath, "/usr/bin/P1/cap_patch.json"))) << r.strErr;
    EXPECT_EQ(Run({"lint", "--root", Root()}).strErr, "");
    (void)!system(("rm " + Quote(Root() + "/usr/bin/hardware/lens/fixed/cap_lens.json")).c_str());
    r = Run({"lint", "--root", Root()});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_TRUE(Has(r.strOut, "usr/bin/P1/hardwareindex.json:1:51: error: \"fixed\" names "
                              "usr/bin/hardware/lens/fixed/cap_lens.json, which is not there; start-up fails in stage 2"))
        << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "P1: start-up fails in stage 2 (capability file paths), code -1"));
}

}  // namespace
