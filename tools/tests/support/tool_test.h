// What every test of the devcap tool shares: running the built binary, a
// temporary root of its own, small trees written into it, and reading JSON.
#pragma once

#include <gtest/gtest.h>
#include <json-c/json.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tool_test {

using Args = std::vector<std::string>;
const std::string kTool = DEVCAP_TOOL;
const std::string kExamples = DEVCAP_EXAMPLES;

struct Result {
    int iStatus = -1;
    std::string strOut, strErr;
};

inline std::string ReadFile(const std::string &strPath) {
    std::stringstream ss;
    ss << std::ifstream(strPath, std::ios::binary).rdbuf();
    return ss.str();
}

inline std::string Quote(const std::string &s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

// The shell command that starts the built tool: behind the runner of a cross
// or valgrind build (DEVCAP_TOOL_RUNNER, which ctest sets from the build's
// emulator, each word quoted), or alone.
inline std::string ToolCommand() {
    const char *pcRunner = getenv("DEVCAP_TOOL_RUNNER");
    return std::string(pcRunner != nullptr ? pcRunner : "") + Quote(kTool);
}

inline bool Has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// A message of the library (a constant of platform/messages.h) as a log
// line shows it: its %s filled, without its trailing newline.
inline std::string LibraryText(std::string strFormat, const std::string &strArg = "") {
    if (size_t ul = strFormat.find("%s"); ul != std::string::npos) strFormat.replace(ul, 2, strArg);
    if (!strFormat.empty() && strFormat.back() == '\n') strFormat.pop_back();
    return strFormat;
}

// Owns a parsed document; At walks its members.
struct Json {
    explicit Json(const std::string &s) : p(json_tokener_parse(s.c_str())) {}
    ~Json() { json_object_put(p); }
    json_object *p;
};
inline json_object *At(json_object *o, std::initializer_list<const char *> keys) {
    for (const char *k : keys)
        if (!json_object_object_get_ex(o, k, &o)) return nullptr;
    return o;
}
inline std::string Str(json_object *o) { return o != nullptr ? json_object_get_string(o) : "<absent>"; }
inline int Int(json_object *o) { return o != nullptr ? json_object_get_int(o) : -9999; }

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        char acTemplate[] = "/tmp/devcap_tool_test.XXXXXX";
        ASSERT_NE(mkdtemp(acTemplate), nullptr);
        m_strTmp = acTemplate;
    }
    void TearDown() override { (void)!system(("rm -rf " + Quote(m_strTmp)).c_str()); }

    Result Run(const Args &args) const {
        std::string strCmd = ToolCommand(), strOut = m_strTmp + "/out", strErr = m_strTmp + "/err";
        for (const std::string &a : args) strCmd.append(" ").append(Quote(a));
        int iRaw = system((strCmd + " >" + Quote(strOut) + " 2>" + Quote(strErr)).c_str());
        return {WIFEXITED(iRaw) ? WEXITSTATUS(iRaw) : -1, ReadFile(strOut), ReadFile(strErr)};
    }
    // A file of a tree under the test's own root.
    void Write(const std::string &strDevPath, const std::string &strContent) const {
        std::string strPath = Root() + strDevPath;
        (void)!system(("mkdir -p " + Quote(strPath.substr(0, strPath.rfind('/')))).c_str());
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

}  // namespace tool_test
