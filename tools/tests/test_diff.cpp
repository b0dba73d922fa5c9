// devcap diff as a release reviewer meets it: every answer that differs
// between two trees, products added and removed, start-up that newly fails
// or succeeds, identical products only counted; two products of one tree;
// the device options; exit statuses.
#include <algorithm>

#include "tool_test.h"

namespace {

using namespace tool_test;

class DiffTest : public ToolTest {
protected:
    // The example tree copied to Root(), for the test to change.
    void CopyExamples() const {
        ASSERT_EQ(system(("mkdir -p " + Quote(Root()) + " && cp -r " + Quote(kExamples) + "/. " + Quote(Root()))
                             .c_str()),
                  0);
    }
    // Replace a part of a file of Root(); the part must be there.
    void Change(const std::string &strDevPath, const std::string &strFrom, const std::string &strTo) const {
        std::string s = ReadFile(Root() + strDevPath);
        size_t ulAt = s.find(strFrom);
        ASSERT_NE(ulAt, std::string::npos) << strDevPath << " does not hold " << strFrom;
        Write(strDevPath, s.replace(ulAt, strFrom.size(), strTo));
    }
    void Remove(const std::string &strDevPath) const {
        ASSERT_EQ(system(("rm -r " + Quote(Root() + strDevPath)).c_str()), 0);
    }
    // A release of the example tree: an alarm board with four more inputs,
    // a product gone, one new, one that fails start-up only in the release and
    // one that fails it only in the examples.
    void MakeRelease() const {
        CopyExamples();
        Change("/usr/bin/hardware/board/bullet-hi3516dv300/cap_board.json", "\"AlarmInWithGpio\": [17, 18]",
               "\"AlarmInWithGpio\": [17, 18, 20, 21, 22, 45]");
        Remove("/usr/bin/IPC-D240-F36");
        ASSERT_EQ(system(("cp -r " + Quote(Root() + "/usr/bin/IPC-BOX-8M") + " " +
                          Quote(Root() + "/usr/bin/IPC-BOX-8M-V2")).c_str()),
                  0);
        Write("/usr/bin/IPC-BOX-8M/cap_patch.json", "{");
        Write("/usr/bin/IPC-BROKEN-DEMO/cap_patch.json", "{}");
    }
    // The lines of the output that start with a product's name.
    static std::vector<std::string> LinesOf(const std::string &strOut, const std::string &strProduct) {
        std::vector<std::string> lines;
        std::istringstream in(strOut);
        for (std::string l; std::getline(in, l);)
            if (l.rfind(strProduct + ": ", 0) == 0) lines.push_back(l);
        return lines;
    }
};

TEST_F(DiffTest, ATreeAgainstItselfIsIdentical) {
    Result r = Run({"diff", kExamples, kExamples});
    EXPECT_EQ(r.iStatus, 0) << r.strErr;
    EXPECT_EQ(r.strOut,
              "6 products: 6 identical, 0 changed (0 answers), 0 added, 0 removed; "
              "start-up newly fails in 0, newly succeeds in 0\n");
    // A product whose start-up fails the same way in both trees is identical.
    r = Run({"diff", kExamples, kExamples + "/", "IPC-BROKEN-DEMO"});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_TRUE(Has(r.strOut, "1 product: 1 identical")) << r.strOut;
}

// Every kind of change of a release, one line each, grouped by product in
// product order; the identical product is only counted.
TEST_F(DiffTest, ReleaseChangesOneLineEach) {
    MakeRelease();
    Result r = Run({"diff", kExamples, Root()});
    EXPECT_EQ(r.iStatus, 1) << r.strErr;
    EXPECT_EQ(r.strErr, "");
    // The number, the four new GPIO slots, the list of them and the GPIO count.
    EXPECT_EQ(LinesOf(r.strOut, "IPC-B540-IR"),
              (std::vector<std::string>{
                  "IPC-B540-IR: AlarmInNum: 2 -> 6", "IPC-B540-IR: AlarmInWithGpio(2): none -> 20",
                  "IPC-B540-IR: AlarmInWithGpio(3): none -> 21", "IPC-B540-IR: AlarmInWithGpio(4): none -> 22",
                  "IPC-B540-IR: AlarmInWithGpio(5): none -> 45",
                  "IPC-B540-IR: AlarmInWithGpioMul(8): [17, 18, none, none, none, none, none, none] -> "
                  "[17, 18, 20, 21, 22, 45, none, none]",
                  "IPC-B540-IR: AlarmGpioNum: in=2 out=1 -> in=6 out=1"}));
    EXPECT_EQ(LinesOf(r.strOut, "IPC-BOX-8M-V2"), std::vector<std::string>{"IPC-BOX-8M-V2: added (start-up ok)"});
    EXPECT_EQ(LinesOf(r.strOut, "IPC-D240-F36"), std::vector<std::string>{"IPC-D240-F36: removed"});
    std::vector<std::string> failing = LinesOf(r.strOut, "IPC-BOX-8M");
    ASSERT_FALSE(failing.empty());
    EXPECT_EQ(failing[0], "IPC-BOX-8M: start-up: ok -> FAILED in stage 6 (patch file), code -1");
    EXPECT_TRUE(std::find(failing.begin(), failing.end(), "IPC-BOX-8M: IsPoeSupport: yes -> no") != failing.end());
    std::vector<std::string> fixed = LinesOf(r.strOut, "IPC-BROKEN-DEMO");
    ASSERT_FALSE(fixed.empty());
    EXPECT_EQ(fixed[0], "IPC-BROKEN-DEMO: start-up: FAILED in stage 6 (patch file), code -1 -> ok");
    EXPECT_TRUE(LinesOf(r.strOut, "IPC-PTZ-D420X").empty());

    // Grouped: each product's lines together, products in order.
    std::vector<std::string> order;
    std::istringstream in(r.strOut);
    for (std::string l; std::getline(in, l) && !l.empty();) {
        std::string p = l.substr(0, l.find(": "));
        if (order.empty() || order.back() != p) order.push_back(p);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"IPC-B540-IR", "IPC-BOX-8M", "IPC-BOX-8M-V2", "IPC-BROKEN-DEMO",
                                               "IPC-D240-F36"}));
    // The summary counts the answers listed.
    size_t ulAnswers = 7 + failing.size() - 1 + fixed.size() - 1;
    EXPECT_TRUE(Has(r.strOut, "\n\n7 products: 2 identical, 3 changed (" + std::to_string(ulAnswers) +
                                  " answers), 1 added, 1 removed; start-up newly fails in 1, newly succeeds in 1\n"))
        << r.strOut;
}

TEST_F(DiffTest, JsonForCi) {
    MakeRelease();
    Result r = Run({"diff", "--json", kExamples, Root()});
    EXPECT_EQ(r.iStatus, 1);
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    EXPECT_EQ(Str(At(doc.p, {"new"})), Root());
    json_object *s = At(doc.p, {"summary"});
    const std::pair<const char *, int> aCounts[] = {{"products", 7}, {"identical", 2}, {"changed", 3},
                                                    {"added", 1},    {"removed", 1},   {"newlyFailing", 1},
                                                    {"newlySucceeding", 1}};
    for (const auto &[pcKey, iCount] : aCounts) EXPECT_EQ(Int(At(s, {pcKey})), iCount) << pcKey;
    json_object *pProducts = At(doc.p, {"products"});
    ASSERT_EQ(json_object_array_length(pProducts), 5u);  // the identical one is not listed
    int iDifferences = 0;
    for (size_t i = 0; i < json_object_array_length(pProducts); ++i) {
        json_object *p = json_object_array_get_idx(pProducts, i), *d = At(p, {"differences"});
        const std::string strName = Str(At(p, {"product"}));
        iDifferences += static_cast<int>(json_object_array_length(d));
        if (strName == "IPC-B540-IR") {
            EXPECT_EQ(Str(At(p, {"status"})), "changed");
            EXPECT_FALSE(json_object_get_boolean(At(p, {"startupChanged"})));
            bool bFound = false;
            for (size_t j = 0; j < json_object_array_length(d); ++j) {
                json_object *x = json_object_array_get_idx(d, j);
                if (Str(At(x, {"answer"})) != "AlarmInWithGpio(5)") continue;
                bFound = true;
                EXPECT_EQ(Str(At(x, {"query"})), "AlarmInWithGpio");
                EXPECT_EQ(Str(At(x, {"args"})), "[ 5 ]");
                EXPECT_EQ(Int(At(x, {"old"})), -1);
                EXPECT_EQ(Int(At(x, {"new"})), 45);
            }
            EXPECT_TRUE(bFound);
        } else if (strName == "IPC-BOX-8M") {
            EXPECT_TRUE(json_object_get_boolean(At(p, {"startupChanged"})));
            EXPECT_EQ(Int(At(p, {"startup", "old", "result"})), 0);
            EXPECT_EQ(Int(At(p, {"startup", "new", "stage"})), 6);
            EXPECT_EQ(Str(At(p, {"startup", "new", "stageName"})), "patch file");
        } else if (strName == "IPC-BOX-8M-V2") {
            EXPECT_EQ(Str(At(p, {"status"})), "added");
            EXPECT_EQ(At(p, {"startup", "old"}), nullptr);
            EXPECT_EQ(Int(At(p, {"startup", "new", "result"})), 0);
        } else if (strName == "IPC-D240-F36") {
            EXPECT_EQ(Str(At(p, {"status"})), "removed");
        }
    }
    EXPECT_EQ(Int(At(s, {"differences"})), iDifferences);
}

// An index one side walks and the other does not (a lens fewer) shows as
// absent; JSON gives null.
TEST_F(DiffTest, AnswerOnOneSideOnlyIsAbsentOnTheOther) {
    WriteProduct("P1");
    const std::string strChannel = R"({"sensor": "imx327", "lens": "fixed"})";
    Write("/usr/bin/P1/hardwareindex.json",
          R"({"board": "B1", "ISP_INFO": [)" + strChannel + ", " + strChannel + "]}");
    const std::string strOld = m_strTmp + "/old";
    ASSERT_EQ(system(("cp -r " + Quote(Root()) + " " + Quote(strOld)).c_str()), 0);
    WriteProduct("P1");
    Result r = Run({"diff", strOld, Root()});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_TRUE(Has(r.strOut, "P1: FovAngle(1): 100 -> (absent)\n")) << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "P1: LensNum: 2 -> 1\n")) << r.strOut;
    Json doc(Run({"diff", "--json", strOld, Root()}).strOut);
    json_object *d = At(json_object_array_get_idx(At(doc.p, {"products"}), 0), {"differences"});
    bool bFound = false;
    for (size_t j = 0; j < json_object_array_length(d); ++j) {
        json_object *x = json_object_array_get_idx(d, j), *pNew = nullptr;
        if (Str(At(x, {"answer"})) != "FovAngle(1)") continue;
        bFound = true;
        EXPECT_TRUE(json_object_object_get_ex(x, "new", &pNew));
        EXPECT_EQ(pNew, nullptr);  // null
    }
    EXPECT_TRUE(bFound);
}

TEST_F(DiffTest, TwoProductsOfOneTree) {
    Result r = Run({"diff", "--root", kExamples, "IPC-B540-IR", "IPC-BOX-8M"});
    EXPECT_EQ(r.iStatus, 1) << r.strErr;
    EXPECT_TRUE(Has(r.strOut, "IPC-B540-IR -> IPC-BOX-8M: CameraType: Bullet (1) -> Box (2)\n")) << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "IPC-B540-IR -> IPC-BOX-8M: DeviceName: \"IPC-B540-IR\" -> \"IPC-BOX-8M\"\n"));
    EXPECT_TRUE(Has(r.strOut, "1 product: 0 identical, 1 changed"));
    // One whose start-up fails against one whose does not.
    r = Run({"diff", "--root=" + kExamples, "IPC-BOX-8M", "IPC-BROKEN-DEMO"});
    EXPECT_TRUE(Has(r.strOut, "IPC-BOX-8M -> IPC-BROKEN-DEMO: start-up: ok -> FAILED in stage 6 (patch file), "
                              "code -1\n"))
        << r.strOut;
    EXPECT_EQ(Run({"diff", "--root", kExamples, "IPC-BOX-8M", "IPC-BOX-8M"}).iStatus, 0);
    Json doc(Run({"diff", "--json", "--root", kExamples, "IPC-B540-IR", "IPC-BOX-8M"}).strOut);
    EXPECT_EQ(Str(At(doc.p, {"root"})), kExamples);
    EXPECT_EQ(Str(At(doc.p, {"old"})), "IPC-B540-IR");
    EXPECT_EQ(Str(At(doc.p, {"new"})), "IPC-BOX-8M");
}

// The device options apply to both sides as they do to dump: the tag read
// from eMMC only with --emmc, one device by its name with --device.
TEST_F(DiffTest, DeviceOptionsApply) {
    CopyExamples();
    std::string strTag = "INTERNAL_MODEL=RELEASE-2\n" + std::string(8192, '\0');
    Write("/dev/mmcblk0p2", strTag);
    EXPECT_EQ(Run({"diff", kExamples, Root()}).iStatus, 0);
    Result r = Run({"diff", "--emmc", kExamples, Root()});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_TRUE(Has(r.strOut, "IPC-B540-IR: ProductName: \"PTZ-D420X-IR\" -> \"RELEASE-2\"\n")) << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "6 products: 0 identical, 6 changed"));

    r = Run({"diff", "--emmc", "--device", "IPC-BOX-8M", kExamples, Root()});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_TRUE(Has(r.strOut, "IPC-BOX-8M: ProductName: \"PTZ-D420X-IR\" -> \"RELEASE-2\"\n")) << r.strOut;
    EXPECT_TRUE(Has(r.strOut, "1 product: 0 identical, 1 changed"));
}

// Status 2, a message and no output for every misuse.
TEST_F(DiffTest, UsageErrors) {
    WriteProduct("P1");
    const std::vector<Args> aCases = {
        {"diff"},
        {"diff", kExamples},
        {"diff", kExamples, m_strTmp + "/nowhere"},
        {"diff", kExamples, Root(), "NOPE"},
        {"diff", kExamples, Root() + "/usr/bin/P1/hardwareindex.json"},
        {"diff", m_strTmp + "/empty-a", m_strTmp},  // no product folder in either
        {"diff", "--root", kExamples, "IPC-BOX-8M"},
        {"diff", "--root", kExamples, "IPC-BOX-8M", "IPC-B540-IR", "IPC-D240-F36"},
        {"diff", "--root", kExamples, "IPC-BOX-8M", "NOPE"},
        {"diff", "--root", kExamples, "--device", "X", "IPC-BOX-8M", "IPC-B540-IR"},
        {"diff", "--device", "X", kExamples, Root(), "P1"},
        {"diff", "--bogus", kExamples, Root()},
    };
    (void)!system(("mkdir -p " + Quote(m_strTmp + "/empty-a")).c_str());
    for (const Args &a : aCases) {
        Result r = Run(a);
        std::string strWhat;
        for (const std::string &w : a) strWhat += w + " ";
        EXPECT_EQ(r.iStatus, 2) << strWhat;
        EXPECT_TRUE(Has(r.strErr, "devcap")) << strWhat;
        EXPECT_EQ(r.strOut, "") << strWhat;
    }
    Result r = Run({"diff", "--help"});
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_TRUE(Has(r.strOut, "usage: devcap diff"));
}

}  // namespace
