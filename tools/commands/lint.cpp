// devcap lint: check product folders against the model of every capability
// file, with the library's own start-up run on each product; the checks are
// in checks/, the report formats in report/.
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>

#include "checks/checks.h"
#include "checks/linter.h"
#include "commands/commands.h"
#include "report/lint_report.h"

namespace devcap_tool {

namespace {

const char kLintUsage[] =
    "usage: devcap lint [OPTIONS] [PRODUCT...]\n"
    "\n"
    "Checks every product folder under ROOT/usr/bin (the folders holding a\n"
    "hardwareindex.json), or the named ones, and every capability file they\n"
    "read: against the model of each file kind (keys, JSON types, words,\n"
    "capacities, ranges), for mistakes the device reads silently, and with the\n"
    "library's own start-up run on each product. One line a finding:\n"
    "  PATH:LINE:COLUMN: SEVERITY: MESSAGE [CHECK]\n"
    "PATH relative to the root; SEVERITY error (the device answers something\n"
    "else than the file says, or start-up fails), warning (read as written,\n"
    "probably a mistake) or note.\n"
    "\n"
    "options:\n"
    "  --root DIR         root file system laid out as on the device (default /)\n"
    "  --strict           warnings fail too\n"
    "  --enable CHECK     run a check (a comma list, or all); --list-checks lists them\n"
    "  --disable CHECK    do not report a check (a comma list, or all)\n"
    "  --list-checks      the checks, their severity and whether they run by default\n"
    "  --json             one JSON document\n"
    "  --sarif            a SARIF 2.1.0 log, for code scanning dashboards\n"
    "  --emmc             the electronic tag is on eMMC\n"
    "  -v, --verbose      show the library's log lines on standard error\n"
    "\n"
    "exit status: 0 no error (with --strict: no error and no warning); 1\n"
    "otherwise; 2 usage error.\n";

struct LintOptions {
    bool bStrict = false;
    bool bSarif = false;
    bool bListChecks = false;
    std::set<std::string> enabled = lint::DefaultChecks();
};

bool IsDir(const std::string &strPath) {
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string &strPath) {
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string BinOf(const std::string &strRoot) { return (strRoot == "/" ? "" : strRoot) + "/usr/bin"; }

// The product folders: the folders of ROOT/usr/bin holding an index.
std::vector<std::string> ListProducts(const std::string &strRoot) {
    std::vector<std::string> names;
    for (const std::string &n : lint::ListFolder(strRoot, "/usr/bin"))
        if (IsFile(BinOf(strRoot) + "/" + n + "/hardwareindex.json")) names.push_back(n);
    return names;
}

// Turn checks on or off by a comma list of names (or "all").
bool SetChecks(const std::string &strList, bool bOn, std::set<std::string> *pEnabled) {
    size_t ulFrom = 0;
    while (ulFrom <= strList.size()) {
        size_t ulEnd = std::min(strList.find(',', ulFrom), strList.size());
        const std::string strName = strList.substr(ulFrom, ulEnd - ulFrom);
        ulFrom = ulEnd + 1;
        std::vector<std::string> names;
        if (strName == "all") {
            for (const lint::CheckInfo &c : lint::Checks()) names.push_back(c.pcName);
        } else if (lint::FindCheck(strName) != nullptr) {
            names.push_back(strName);
        } else {
            std::vector<std::string> checks;
            for (const lint::CheckInfo &c : lint::Checks()) checks.push_back(c.pcName);
            const std::vector<std::string> near = model::Closest(checks, strName, 2);
            fprintf(stderr, "devcap lint: no check '%s'%s (devcap lint --list-checks lists them)\n", strName.c_str(),
                    near.empty() ? "" : ("; did you mean " + lint::OrList(near, false) + "?").c_str());
            return false;
        }
        for (const std::string &n : names) bOn ? (void)pEnabled->insert(n) : (void)pEnabled->erase(n);
    }
    return true;
}

// Take lint's own options out of the words; the shared ones stay.
bool TakeLintOptions(std::vector<std::string> &args, LintOptions *pOpts) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<long>(i), args.end());
            break;
        }
        std::string strOpt = a.substr(0, a.find('='));
        if (strOpt == "--enable" || strOpt == "--disable") {
            std::string strVal;
            if (strOpt.size() < a.size()) {
                strVal = a.substr(strOpt.size() + 1);
            } else if (i + 1 < args.size()) {
                strVal = args[++i];
            } else {
                fprintf(stderr, "devcap: option %s needs a check name\n", a.c_str());
                return false;
            }
            if (!SetChecks(strVal, strOpt == "--enable", &pOpts->enabled)) return false;
        } else if (a == "--strict") {
            pOpts->bStrict = true;
        } else if (a == "--sarif") {
            pOpts->bSarif = true;
        } else if (a == "--list-checks") {
            pOpts->bListChecks = true;
        } else {
            rest.push_back(a);
        }
    }
    args = rest;
    return true;
}

void ListChecks() {
    for (const lint::CheckInfo &c : lint::Checks())
        printf("%-18s %-8s %-4s %s\n", c.pcName, lint::SeverityName(c.enSeverity), c.bDefaultOn ? "on" : "off",
               c.pcSummary);
}

// The products named, or every folder of ROOT/usr/bin (lint takes those
// holding an index); false with a usage mistake explained.
bool ChooseProducts(const Options &opts, const std::vector<std::string> &named, std::vector<std::string> *pOut) {
    const std::string strBin = BinOf(opts.strRoot);
    if (!IsDir(opts.strRoot)) {
        fprintf(stderr, "devcap lint: --root %s: no such directory\n", opts.strRoot.c_str());
        return false;
    }
    for (const std::string &p : named) {
        if (!p.empty() && p.find('/') == std::string::npos && p != "." && p != ".." && IsDir(strBin + "/" + p)) {
            pOut->push_back(p);
            continue;
        }
        if (IsDir(p + "/usr/bin")) {
            fprintf(stderr, "devcap lint: '%s' is a root file system (it holds usr/bin), not a product; "
                            "did you mean devcap lint --root %s?\n", p.c_str(), p.c_str());
            return false;
        }
        // The three closest names, if any is close.
        const std::vector<std::string> all = ListProducts(opts.strRoot);
        std::vector<std::string> near = model::Suggest(all, p);
        if (near.size() > 3) near.resize(3);
        fprintf(stderr, "devcap lint: no product folder '%s' in %s%s\n", p.c_str(), strBin.c_str(),
                near.empty() ? (all.empty() ? "" : (" (products there: " + lint::OrList(all, false, ", ") + ")").c_str())
                             : ("; did you mean " + lint::OrList(near, false) + "?").c_str());
        return false;
    }
    if (named.empty()) *pOut = lint::ListFolder(opts.strRoot, "/usr/bin");
    return true;
}

// No folder of ROOT/usr/bin holds an index: why.
void ExplainNoProducts(const Options &opts) {
    const std::string strBin = BinOf(opts.strRoot);
    if (!IsDir(strBin))
        fprintf(stderr, "devcap lint: %s holds no usr/bin: is --root the device's root file system?\n",
                opts.strRoot.c_str());
    else
        fprintf(stderr, "devcap lint: no product folder (a folder holding hardwareindex.json) in %s\n", strBin.c_str());
}

}  // namespace

int CmdLint(const std::vector<std::string> &argsIn) {
    std::vector<std::string> args = argsIn;
    LintOptions lo;
    Options opts;
    std::vector<std::string> named;
    bool bHelp = false;
    if (!TakeLintOptions(args, &lo) || !ParseOptions(args, &opts, &named, &bHelp)) return kExitUsage;
    if (bHelp) {
        fputs(kLintUsage, stdout);
        return kExitOk;
    }
    if (lo.bListChecks) {
        ListChecks();
        return kExitOk;
    }
    if (opts.bEquipment || opts.bDevice) {
        fprintf(stderr, "devcap lint: --equipment and --device do not apply: each product is checked by its own name\n");
        return kExitUsage;
    }
    if (opts.bJson && lo.bSarif) {
        fprintf(stderr, "devcap lint: --json and --sarif: choose one\n");
        return kExitUsage;
    }
    if (opts.strRoot.size() > 1 && opts.strRoot.back() == '/') opts.strRoot.pop_back();
    std::vector<std::string> products;
    if (!ChooseProducts(opts, named, &products)) return kExitUsage;

    const lint::LintResult r = lint::Lint(opts, products, named.empty(), lo.enabled);
    if (r.products.empty()) {
        ExplainNoProducts(opts);
        return kExitUsage;
    }
    if (opts.bJson)
        fputs(LintJson(r, opts.strRoot, lo.bStrict).c_str(), stdout);
    else if (lo.bSarif)
        fputs(LintSarif(r, opts.strRoot).c_str(), stdout);
    else
        PrintLintText(stdout, r);
    const bool bFail = r.Count(lint::Severity::kError) > 0 || (lo.bStrict && r.Count(lint::Severity::kWarning) > 0);
    return bFail ? kExitFail : kExitOk;
}

}  // namespace devcap_tool
