// devcap matrix as product people meet it: one row per product, one column
// per answer, the same answers dump gives, in CSV, Markdown, JSON and an
// HTML page that a real browser loads and filters.
#include <unistd.h>

#include "tool_test.h"

namespace {

using namespace tool_test;

using MatrixTest = ToolTest;

const Args kWiperAndRs485 = {"matrix", "--root", kExamples, "--query", "IsWiperSupport", "--query=Uart485Num"};

Args With(Args a, std::initializer_list<std::string> more) {
    a.insert(a.end(), more);
    return a;
}

// One row per product (a failed start-up with its stage), the columns in
// the order asked; status 1 because one product fails start-up.
TEST_F(MatrixTest, RowsAndColumnsAsCsvAndMarkdown) {
    Result r = Run(With(kWiperAndRs485, {"--format", "csv"}));
    EXPECT_EQ(r.iStatus, 1) << r.strErr;
    EXPECT_EQ(r.strOut,
              "product,start-up,IsWiperSupport,Uart485Num\n"
              "IPC-B540-IR,ok,no,1\n"
              "IPC-BOX-8M,ok,no,2\n"
              "IPC-BROKEN-DEMO,\"FAILED in stage 6 (patch file), code -1\",no,1\n"
              "IPC-BROKEN-NAMES,\"FAILED in stage 2 (capability file paths), code -1\",no,0\n"
              "IPC-D240-F36,ok,no,0\n"
              "IPC-PTZ-D420X,ok,yes,1\n");
    r = Run(With(kWiperAndRs485, {"IPC-PTZ-D420X", "IPC-B540-IR"}));  // Markdown by default; named products
    EXPECT_EQ(r.iStatus, 0);
    EXPECT_EQ(r.strOut,
              "| product | start-up | IsWiperSupport | Uart485Num |\n"
              "|---|---|---|---|\n"
              "| IPC-PTZ-D420X | ok | yes | 1 |\n"
              "| IPC-B540-IR | ok | no | 1 |\n");
    // A query with an index: a column per index any product is asked for
    // (lenses: below the largest lens count), empty where a product is not.
    r = Run({"matrix", "--root", kExamples, "--format=csv", "--query", "CAP_GetFovAngle", "--query", "ConfigIspFolder",
             "IPC-PTZ-D420X", "IPC-BOX-8M"});
    EXPECT_EQ(r.strOut,
              "product,start-up,FovAngle(0),FovAngle(1),ConfigIspFolder(0),ConfigIspFolder(1),ConfigIspFolder(2),"
              "ConfigIspFolder(3)\n"
              "IPC-PTZ-D420X,ok,58.5,108,imx334-32x_f127x,imx327-fixed-2.8mm,-,-\n"
              "IPC-BOX-8M,ok,96,,os08a10-user,-,-,-\n");
}

// Cells that hold the formats' own characters stay one cell.
TEST_F(MatrixTest, CellsAreEscaped) {
    WriteProduct("P|1,\"x\"");
    Result r = Run({"matrix", "--root", Root(), "--query", "ProductFolder", "--format", "csv"});
    EXPECT_EQ(r.iStatus, 0) << r.strErr;
    EXPECT_EQ(r.strOut, "product,start-up,ProductFolder\n\"P|1,\"\"x\"\"\",ok,\"P|1,\"\"x\"\"\"\n");
    r = Run({"matrix", "--root", Root(), "--query", "ProductFolder"});
    EXPECT_TRUE(Has(r.strOut, "| P\\|1,\"x\" | ok | P\\|1,\"x\" |\n")) << r.strOut;
}

// With no query, every answer: the matrix's cell of each product is what
// dump answers for it, for every answer dump gives.
TEST_F(MatrixTest, EveryAnswerIsDumpsAnswer) {
    Result r = Run({"matrix", "--root", kExamples, "--json"});
    EXPECT_EQ(r.iStatus, 1);
    EXPECT_EQ(Run({"matrix", "--root", kExamples, "--format", "json"}).strOut, r.strOut);
    Json doc(r.strOut);
    ASSERT_NE(doc.p, nullptr) << r.strOut;
    json_object *pColumns = At(doc.p, {"columns"}), *pProducts = At(doc.p, {"products"});
    ASSERT_EQ(json_object_array_length(pProducts), 6u);
    EXPECT_GT(json_object_array_length(pColumns), 300u);
    for (size_t i = 0; i < json_object_array_length(pProducts); ++i) {
        json_object *pRow = json_object_array_get_idx(pProducts, i);
        const std::string strProduct = Str(At(pRow, {"product"}));
        Json dump(Run({"dump", "--json", "--root", kExamples, "--device", strProduct}).strOut);
        ASSERT_NE(dump.p, nullptr) << strProduct;
        EXPECT_TRUE(json_object_equal(At(pRow, {"startup"}), At(dump.p, {"startup"}))) << strProduct;
        // Every query of dump, by name: its members of the matrix.
        size_t ulCompared = 0;
        json_object_object_foreach(dump.p, pcGroup, pGroup) {
            if (std::string(pcGroup) == "startup") continue;
            json_object_object_foreach(pGroup, pcQuery, pDumped) {
                const std::string strQuery = pcQuery;
                json_object_object_foreach(At(pRow, {"answers"}), pcLabel, pCell) {
                    std::string strLabel = pcLabel;
                    if (strLabel != strQuery && strLabel.rfind(strQuery + "(", 0) != 0) continue;
                    // NAME(i, j) walks dump's arrays by i and j; NAME(COUNT)
                    // of a copy query is dump's value as it stands.
                    json_object *pWalk = pDumped;
                    std::istringstream in(strLabel.substr(std::min(strLabel.size(), strQuery.size() + 1)));
                    for (long i; pWalk != nullptr && (in >> i); in.ignore(2))
                        pWalk = json_object_is_type(pWalk, json_type_array) &&
                                        static_cast<size_t>(i) < json_object_array_length(pWalk)
                                    ? json_object_array_get_idx(pWalk, i)
                                    : nullptr;
                    bool bSame = json_object_equal(pWalk, pCell) || json_object_equal(pDumped, pCell);
                    EXPECT_TRUE(bSame) << strProduct << " " << strLabel;
                    ++ulCompared;
                }
            }
        }
        EXPECT_EQ(ulCompared, json_object_array_length(pColumns)) << strProduct;
    }
}

TEST_F(MatrixTest, UsageErrors) {
    WriteProduct("P1");
    for (const Args &a : std::vector<Args>{
             {"matrix", "--root", Root(), "--query", "NoSuchQuery"},
             {"matrix", "--root", Root(), "--query", "MatchLedType"},  // a word matcher, no answer of a product
             {"matrix", "--root", Root(), "--format", "xlsx"},
             {"matrix", "--root", Root(), "--query"},
             {"matrix", "--root", Root(), "--device", "P1"},
             {"matrix", "--root", Root(), "NOPE"},
             {"matrix", "--root", m_strTmp + "/empty"},
         }) {
        Result r = Run(a);
        EXPECT_EQ(r.iStatus, 2) << a.back();
        EXPECT_TRUE(Has(r.strErr, "devcap")) << a.back();
        EXPECT_EQ(r.strOut, "") << a.back();
    }
}

// ---- the HTML page in a real browser --------------------------------------

std::string Chromium() {
    for (const char *pcDir : {"/usr/bin/", "/usr/local/bin/"})
        for (const char *pcName : {"chromium", "chromium-browser"})
            if (access((std::string(pcDir) + pcName).c_str(), X_OK) == 0) return std::string(pcDir) + pcName;
    return "";
}

// The texts of a JSON array.
std::vector<std::string> Names(json_object *pArray) {
    std::vector<std::string> v;
    for (size_t i = 0; pArray != nullptr && i < json_object_array_length(pArray); ++i)
        v.push_back(Str(json_object_array_get_idx(pArray, i)));
    return v;
}

// What the test's own script, run in the page after it loaded, reports: the
// table as the reader sees it before and after using each filter.
const char kProbe[] = R"(<script>
(function () {
  var table = document.getElementById('matrix');
  function shownRows() {
    var names = [];
    for (var r of table.tBodies[0].rows) if (getComputedStyle(r).display !== 'none') names.push(r.cells[0].textContent);
    return names;
  }
  function shownColumns() {
    var names = [];
    for (var c of table.tHead.rows[0].cells)
      if (getComputedStyle(c).display !== 'none') names.push(c.querySelector('.name').textContent);
    return names;
  }
  function type(input, text) { input.value = text; input.dispatchEvent(new Event('input', {bubbles: true})); }
  var inputs = table.tHead.querySelectorAll('input');
  var out = {rows: shownRows(), columns: shownColumns(), cells: table.tBodies[0].rows[4].cells.length,
             sticky: getComputedStyle(table.tHead.rows[0].cells[3]).position,
             stickyFirst: getComputedStyle(table.tBodies[0].rows[0].cells[0]).position};
  type(inputs[2], 'YES');
  out.wiper = shownRows();
  type(inputs[2], '');
  type(inputs[3], '!=0');
  out.rs485 = shownRows();
  type(inputs[1], '=ok');
  out.rs485ok = shownRows();
  type(inputs[1], '');
  type(inputs[3], '');
  type(document.getElementById('columns'), 'gpio(0) wiper');
  out.named = shownColumns();
  type(document.getElementById('columns'), '');
  var differ = document.getElementById('differ');
  differ.checked = true;
  differ.dispatchEvent(new Event('change'));
  type(inputs[1], '=ok');
  out.differ = shownColumns();
  out.status = document.getElementById('shown').textContent;
  var pre = document.createElement('pre');
  pre.id = 'probe';
  pre.textContent = JSON.stringify(out);
  document.body.appendChild(pre);
})();
</script>
)";

TEST_F(MatrixTest, HtmlPageLoadsAndFiltersInABrowser) {
    Result r = Run({"matrix", "--root", kExamples, "--format", "html", "--query", "IsWiperSupport", "--query",
                    "Uart485Num", "--query", "AlarmInWithGpio", "--query", "CameraType"});
    EXPECT_EQ(r.iStatus, 1);
    const std::string &strPage = r.strOut;
    // Self-contained: nothing to fetch, a policy that forbids fetching.
    for (const char *pcRef : {"http:", "https:", "src=", "href=", "url(", "@import"})
        EXPECT_FALSE(Has(strPage, pcRef)) << pcRef;
    EXPECT_TRUE(Has(strPage, "content=\"default-src 'none';"));

    const std::string strBrowser = Chromium();
    if (strBrowser.empty()) GTEST_SKIP() << "chromium is not installed (scripts/test.sh installs it)";
    std::string strFile = m_strTmp + "/matrix.html";
    size_t ulEnd = strPage.rfind("</body>");
    ASSERT_NE(ulEnd, std::string::npos);
    std::ofstream(strFile) << strPage.substr(0, ulEnd) + kProbe + strPage.substr(ulEnd);
    std::string strCmd = "timeout 120 " + strBrowser +
                         " --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --no-first-run"
                         " --user-data-dir=" + Quote(m_strTmp + "/profile") +
                         " --dump-dom " + Quote("file://" + strFile) + " 2>/dev/null";
    FILE *pf = popen(strCmd.c_str(), "r");
    ASSERT_NE(pf, nullptr);
    std::string strDom;
    char acBuf[4096];
    for (size_t n; (n = fread(acBuf, 1, sizeof(acBuf), pf)) > 0;) strDom.append(acBuf, n);
    pclose(pf);
    size_t ulAt = strDom.find("<pre id=\"probe\">");
    ASSERT_NE(ulAt, std::string::npos) << "the page's script did not run:\n" << strDom.substr(0, 2000);
    ulAt += 16;
    Json probe(strDom.substr(ulAt, strDom.find("</pre>", ulAt) - ulAt));
    ASSERT_NE(probe.p, nullptr) << strDom.substr(ulAt, 2000);

    const std::vector<std::string> kAll = {"IPC-B540-IR", "IPC-BOX-8M", "IPC-BROKEN-DEMO", "IPC-BROKEN-NAMES",
                                           "IPC-D240-F36", "IPC-PTZ-D420X"};
    std::vector<std::string> columns = {"product", "start-up", "IsWiperSupport", "Uart485Num"};
    for (int i = 0; i < 8; ++i) columns.push_back("AlarmInWithGpio(" + std::to_string(i) + ")");
    columns.push_back("CameraType");
    EXPECT_EQ(Names(At(probe.p, {"rows"})), kAll);
    EXPECT_EQ(Names(At(probe.p, {"columns"})), columns);
    EXPECT_EQ(Int(At(probe.p, {"cells"})), 13);
    EXPECT_EQ(Str(At(probe.p, {"sticky"})), "sticky");
    EXPECT_EQ(Str(At(probe.p, {"stickyFirst"})), "sticky");
    EXPECT_EQ(Names(At(probe.p, {"wiper"})), std::vector<std::string>{"IPC-PTZ-D420X"});
    EXPECT_EQ(Names(At(probe.p, {"rs485"})),
              (std::vector<std::string>{"IPC-B540-IR", "IPC-BOX-8M", "IPC-BROKEN-DEMO", "IPC-PTZ-D420X"}));
    EXPECT_EQ(Names(At(probe.p, {"rs485ok"})),
              (std::vector<std::string>{"IPC-B540-IR", "IPC-BOX-8M", "IPC-PTZ-D420X"}));
    EXPECT_EQ(Names(At(probe.p, {"named"})),
              (std::vector<std::string>{"product", "start-up", "IsWiperSupport", "AlarmInWithGpio(0)"}));
    // Among the products that start up, no alarm input sits on slots 4 to 7.
    columns.erase(columns.begin() + 8, columns.begin() + 12);
    EXPECT_EQ(Names(At(probe.p, {"differ"})), columns);
    EXPECT_EQ(Str(At(probe.p, {"status"})), "4 of 6 rows, 7 of 11 columns shown");
}

}  // namespace
