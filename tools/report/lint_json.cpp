// lint's report as one JSON document, for CI.
#include "report/answers.h"
#include "report/lint_report.h"

namespace devcap_tool {

void StringArray(JsonOut &out, const std::string &strKey, const std::vector<std::string> &items) {
    out.BeginArray(strKey);
    for (const std::string &s : items) out.String("", s);
    out.EndArray();
}

std::string LintJson(const lint::LintResult &r, const std::string &strRoot, bool bStrict) {
    JsonOut out;
    out.BeginObject();
    out.String("root", strRoot);
    out.Bool("strict", bStrict);
    int iFailed = 0;
    out.BeginArray("products");
    for (const lint::ProductSummary &p : r.products) {
        iFailed += p.iInitRc != 0;
        out.BeginObject();
        out.String("product", p.strName);
        out.BeginObject("startup");
        StageJson(out, p.iInitRc, p.pFailedStage);
        out.EndObject();
        StringArray(out, "files", p.files);
        out.EndObject();
    }
    out.EndArray();
    out.BeginArray("findings");
    for (const lint::Finding &f : r.findings) {
        out.BeginObject();
        out.String("path", f.strPath);
        out.Int("line", f.stPos.iLine);
        out.Int("column", f.stPos.iColumn);
        out.String("severity", lint::SeverityName(f.enSeverity));
        out.String("check", f.strCheck);
        out.String("keyPath", f.strKeyPath);
        out.String("message", f.strMessage);
        StringArray(out, "expected", f.expected);
        StringArray(out, "products", std::vector<std::string>(f.products.begin(), f.products.end()));
        out.EndObject();
    }
    out.EndArray();
    out.BeginObject("summary");
    out.Int("products", static_cast<long long>(r.products.size()));
    out.Int("failedStartup", iFailed);
    out.Int("errors", r.Count(lint::Severity::kError));
    out.Int("warnings", r.Count(lint::Severity::kWarning));
    out.Int("notes", r.Count(lint::Severity::kNote));
    out.EndObject();
    out.EndObject();
    return out.Text();
}

}  // namespace devcap_tool
