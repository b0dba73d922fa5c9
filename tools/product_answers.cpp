// Every answer of one product, and the product folders of a tree.
#include "product_answers.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "host.h"

namespace devcap_tool {

namespace {

// The library's error level: what start-up's report is made of.
constexpr int kLogError = 3;
// Room for the answers of a product from the start (the example tree's
// products have 371 each).
constexpr size_t kAnswersHint = 512;

bool SameVal(const Val &a, const Val &b) {
    if (a.eType != b.eType || a.eKind != b.eKind || a.pVocab != b.pVocab) return false;
    switch (a.eType) {
        case Val::Type::kInt: return a.llInt == b.llInt;
        case Val::Type::kDouble: return a.dVal == b.dVal || (a.dVal != a.dVal && b.dVal != b.dVal);
        case Val::Type::kText: return a.strText == b.strText;
        case Val::Type::kList: break;
    }
    if (a.items.size() != b.items.size()) return false;
    for (size_t i = 0; i < a.items.size(); ++i)
        if (!SameVal(a.items[i], b.items[i])) return false;
    return true;
}

// Every combination of the argument values from argument ulArg on, the last
// varying fastest.
void Call(const Query &q, const QueryAnswers &qa, size_t ulArg, std::vector<ArgVal> &cur, std::vector<Answer> *pOut) {
    if (ulArg == q.args.size()) {
        pOut->push_back(q.call(cur));
        return;
    }
    for (long long v : qa.argValues[ulArg]) {
        cur[ulArg].ll = v;
        Call(q, qa, ulArg + 1, cur, pOut);
    }
}

// A query's argument values and answers; the answers are added to *pOut
// (the view of them is set once all are in). cur has room for any query's
// arguments.
QueryAnswers Collect(const Query &q, std::vector<ArgVal> &cur, std::vector<Answer> *pOut) {
    QueryAnswers qa;
    qa.pQuery = &q;
    qa.argValues.reserve(q.args.size());
    for (const Arg &a : q.args) {
        std::vector<long long> values = a.dumpValues();
        // A count is passed once, with its one value.
        if (!a.bIndex && values.size() != 1) values = {values.empty() ? 0 : values[0]};
        qa.argValues.push_back(std::move(values));
    }
    Call(q, qa, 0, cur, pOut);
    return qa;
}

}  // namespace

std::string StartupText(const StartupOutcome &st) {
    if (st.iResult == 0) return "ok";
    std::string r = "FAILED";
    if (st.pstStage != nullptr)
        r += " in stage " + std::to_string(st.pstStage->iNumber) + " (" + st.pstStage->pcWhat + ")";
    return r + ", code " + std::to_string(st.iResult);
}

bool SameStartup(const StartupOutcome &a, const StartupOutcome &b) {
    return a.iResult == b.iResult && a.pstStage == b.pstStage;
}

std::vector<long long> QueryAnswers::ArgsAt(size_t ulAt) const {
    std::vector<long long> args(argValues.size());
    for (size_t i = argValues.size(); i-- > 0;) {
        args[i] = argValues[i][ulAt % argValues[i].size()];
        ulAt /= argValues[i].size();
    }
    return args;
}

ProductAnswers AnswersOf(const Options &opts) {
    ProductAnswers pa;
    Session s(opts);
    // Unless the log is shown, only errors are formatted and kept: they are
    // all a failed start-up is reported by.
    if (!opts.bVerbose) HOST_SetLogThreshold(kLogError);
    pa.startup.iResult = s.Init();
    pa.startup.pstStage = s.FailedStage();
    pa.startup.strReport = s.FailureReport();
    if (pa.startup.iResult != 0)
        for (const LogLine &l : s.InitLog())
            if (l.iLevel == kLogError) pa.startup.errors.push_back(l.strText);
    // What the queries log is of no use to the reader unless -v is given;
    // start-up's errors are reported on their own.
    if (!opts.bVerbose) s.SetMuted(true);
    std::vector<size_t> firsts;
    pa.answers.reserve(kAnswersHint);
    std::vector<ArgVal> cur;
    for (const Query &q : Registry()) cur.resize(std::max(cur.size(), q.args.size()));
    for (const char *pcGroup : Groups()) {
        for (const Query &q : Registry()) {
            if (!q.bDump || q.pcGroup != pcGroup) continue;
            firsts.push_back(pa.answers.size());
            pa.queries.push_back(Collect(q, cur, &pa.answers));
        }
    }
    firsts.push_back(pa.answers.size());
    for (size_t i = 0; i < pa.queries.size(); ++i)
        pa.queries[i].answers = std::span<Answer>(pa.answers.data() + firsts[i], firsts[i + 1] - firsts[i]);
    return pa;
}

Options ProductOptions(const Options &opts, const std::string &strRoot, const std::string &strProduct) {
    Options o = opts;
    o.strRoot = strRoot;
    o.strDevice = strProduct;
    o.bDevice = true;
    return o;
}

std::string AnswerLabel(const Query &q, const std::vector<long long> &args) {
    if (args.empty()) return q.strName;
    std::string r = q.strName + "(";
    for (size_t i = 0; i < args.size(); ++i) r += (i ? ", " : "") + std::to_string(args[i]);
    return r + ")";
}

bool SameAnswer(const Answer &a, const Answer &b) {
    if (a.bHasRc != b.bHasRc || a.iRc != b.iRc || a.fields.size() != b.fields.size()) return false;
    for (size_t i = 0; i < a.fields.size(); ++i)
        if (a.fields[i].strName != b.fields[i].strName || !SameVal(a.fields[i].val, b.fields[i].val)) return false;
    return true;
}

namespace {

std::string BinDir(const std::string &strRoot) {
    std::string r = strRoot;
    while (!r.empty() && r.back() == '/') r.pop_back();
    return r + "/usr/bin";
}

}  // namespace

bool IsProductFolder(const std::string &strRoot, const std::string &strProduct) {
    if (strProduct.empty() || strProduct == "." || strProduct == ".." || strProduct.find('/') != std::string::npos)
        return false;
    struct stat st;
    return stat((BinDir(strRoot) + "/" + strProduct + "/hardwareindex.json").c_str(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

std::vector<std::string> ProductFolders(const std::string &strRoot) {
    std::vector<std::string> names;
    DIR *pDir = opendir(BinDir(strRoot).c_str());
    if (pDir == nullptr) return names;
    while (dirent *pEnt = readdir(pDir))
        if (IsProductFolder(strRoot, pEnt->d_name)) names.push_back(pEnt->d_name);
    closedir(pDir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace devcap_tool
