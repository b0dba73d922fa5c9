// Lint of a tree: every product's start-up run by the library, every file it
// reads checked once, and the findings of the enabled checks, merged over the
// products that share a file.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "checks/findings.h"
#include "session.h"

namespace devcap_tool::lint {

struct ProductSummary {
    std::string strName;
    int iInitRc = 0;
    const Stage *pFailedStage = nullptr;
    std::vector<std::string> files;  // relative to the root, in start-up order
};

struct LintResult {
    std::vector<ProductSummary> products;
    // By path, line, column and check; each finding once, with the products
    // whose start-up reads what it is about.
    std::vector<Finding> findings;
    int Count(Severity enSeverity) const;
};

// opts.strRoot without a trailing slash; the products by folder name: the
// ones named, or with bWholeTree the folders of usr/bin, of which those
// holding an index are products (and every folder's names are checked too).
LintResult Lint(const Options &opts, const std::vector<std::string> &products, bool bWholeTree,
                const std::set<std::string> &enabled);

}  // namespace devcap_tool::lint
