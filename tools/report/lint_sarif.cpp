// lint's report as a SARIF 2.1.0 log, for code scanning dashboards: one run,
// the checks as rules, each finding a result at its file, line and column.
#include <limits.h>
#include <stdlib.h>

#include "report/lint_report.h"

namespace devcap_tool {

namespace {

// A path as a URI reference: every byte but the unreserved ones and '/'
// percent-encoded.
std::string UriOf(const std::string &strPath) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : strPath) {
        if (isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            s += static_cast<char>(c);
        } else {
            s += '%';
            s += kHex[c >> 4];
            s += kHex[c & 15];
        }
    }
    return s;
}

}  // namespace

std::string LintSarif(const lint::LintResult &r, const std::string &strRoot) {
    char acAbs[PATH_MAX];
    std::string strBase = realpath(strRoot.c_str(), acAbs) != nullptr ? acAbs : strRoot;
    if (strBase.empty() || strBase.back() != '/') strBase += '/';

    JsonOut out;
    out.BeginObject();
    out.String("$schema", "https://json.schemastore.org/sarif-2.1.0.json");
    out.String("version", "2.1.0");
    out.BeginArray("runs");
    out.BeginObject();
    out.BeginObject("tool");
    out.BeginObject("driver");
    out.String("name", "devcap lint");
    out.BeginArray("rules");
    const std::vector<lint::CheckInfo> &checks = lint::Checks();
    for (const lint::CheckInfo &c : checks) {
        out.BeginObject();
        out.String("id", c.pcName);
        out.BeginObject("shortDescription");
        out.String("text", c.pcSummary);
        out.EndObject();
        out.BeginObject("defaultConfiguration");
        out.Bool("enabled", c.bDefaultOn);
        out.String("level", lint::SeverityName(c.enSeverity));
        out.EndObject();
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
    out.EndObject();
    out.BeginObject("originalUriBaseIds");
    out.BeginObject("ROOT");
    out.String("uri", "file://" + UriOf(strBase));
    out.EndObject();
    out.EndObject();
    out.BeginArray("results");
    for (const lint::Finding &f : r.findings) {
        out.BeginObject();
        out.String("ruleId", f.strCheck);
        for (size_t i = 0; i < checks.size(); ++i)
            if (f.strCheck == checks[i].pcName) out.Int("ruleIndex", static_cast<long long>(i));
        out.String("level", lint::SeverityName(f.enSeverity));
        out.BeginObject("message");
        out.String("text", f.strMessage);
        out.EndObject();
        out.BeginArray("locations");
        out.BeginObject();
        out.BeginObject("physicalLocation");
        out.BeginObject("artifactLocation");
        out.String("uri", UriOf(f.strPath));
        out.String("uriBaseId", "ROOT");
        out.EndObject();
        out.BeginObject("region");
        out.Int("startLine", f.stPos.iLine);
        out.Int("startColumn", f.stPos.iColumn);
        out.EndObject();
        out.EndObject();
        if (!f.strKeyPath.empty()) {
            out.BeginArray("logicalLocations");
            out.BeginObject();
            out.String("fullyQualifiedName", f.strKeyPath);
            out.String("kind", "member");
            out.EndObject();
            out.EndArray();
        }
        out.EndObject();
        out.EndArray();
        out.BeginObject("properties");
        StringArray(out, "expected", f.expected);
        StringArray(out, "products", std::vector<std::string>(f.products.begin(), f.products.end()));
        out.EndObject();
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
    out.EndArray();
    out.EndObject();
    return out.Text();
}

}  // namespace devcap_tool
