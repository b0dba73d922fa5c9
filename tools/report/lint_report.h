// The report of lint in its three forms: one line a finding for people,
// editors and CI problem matchers; one JSON document; SARIF 2.1.0 for code
// scanning dashboards.
#pragma once

#include <stdio.h>

#include <string>

#include "checks/linter.h"
#include "report/json_out.h"

namespace devcap_tool {

// PATH:LINE:COLUMN: SEVERITY: MESSAGE [CHECK], one line a finding, then one
// line per product (its start-up) and a count.
void PrintLintText(FILE *pf, const lint::LintResult &r);
// An array of texts as a member of the object being written.
void StringArray(JsonOut &out, const std::string &strKey, const std::vector<std::string> &items);
// One document, members in a fixed order.
std::string LintJson(const lint::LintResult &r, const std::string &strRoot, bool bStrict);
// A SARIF log of one run; paths relative to the root, which is the base
// "ROOT" (given as an absolute file URI).
std::string LintSarif(const lint::LintResult &r, const std::string &strRoot);

}  // namespace devcap_tool
