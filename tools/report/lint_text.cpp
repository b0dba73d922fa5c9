// lint's report for people, editors and problem matchers.
#include "report/lint_report.h"

namespace devcap_tool {

void PrintLintText(FILE *pf, const lint::LintResult &r) {
    for (const lint::Finding &f : r.findings)
        fprintf(pf, "%s:%d:%d: %s: %s [%s]\n", f.strPath.c_str(), f.stPos.iLine, f.stPos.iColumn,
                lint::SeverityName(f.enSeverity), f.strMessage.c_str(), f.strCheck.c_str());
    int iFailed = 0;
    for (const lint::ProductSummary &p : r.products) {
        if (p.iInitRc == 0) {
            fprintf(pf, "%s: start-up ok\n", p.strName.c_str());
            continue;
        }
        ++iFailed;
        fprintf(pf, "%s: start-up fails", p.strName.c_str());
        if (p.pFailedStage != nullptr) fprintf(pf, " in stage %d (%s)", p.pFailedStage->iNumber, p.pFailedStage->pcWhat);
        fprintf(pf, ", code %d\n", p.iInitRc);
    }
    auto Plural = [](int n, const char *pcWord) {
        return std::to_string(n) + " " + pcWord + (n == 1 ? "" : "s");
    };
    fprintf(pf, "%s checked, %d failing start-up: %s, %s, %s\n", Plural(static_cast<int>(r.products.size()), "product").c_str(),
            iFailed, Plural(r.Count(lint::Severity::kError), "error").c_str(),
            Plural(r.Count(lint::Severity::kWarning), "warning").c_str(), Plural(r.Count(lint::Severity::kNote), "note").c_str());
}

}  // namespace devcap_tool
