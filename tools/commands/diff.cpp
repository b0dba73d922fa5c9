// devcap diff: what each product answers differently in two trees, or what
// two products of one tree answer differently.
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <iterator>
#include <map>

#include "commands/commands.h"
#include "product_answers.h"
#include "report/answers.h"

namespace devcap_tool {

namespace {

const char kDiffUsage[] =
    "usage: devcap diff [OPTIONS] OLD_ROOT NEW_ROOT [PRODUCT...]\n"
    "       devcap diff [OPTIONS] --root DIR PRODUCT_A PRODUCT_B\n"
    "\n"
    "Runs the library's start-up for every product folder of either tree (the\n"
    "folders under ROOT/usr/bin holding a hardwareindex.json), or the named\n"
    "ones, in both trees, and prints every answer that differs, one line each:\n"
    "  IPC-B540-IR: AlarmInWithGpio(5): none -> 45\n"
    "then products added or removed, start-up that newly fails or succeeds\n"
    "(with the stage), and a count of identical products. With --root, compares\n"
    "two products of one tree instead. Each product is started with its folder\n"
    "name as the device name.\n"
    "\n"
    "options:\n"
    "  --root DIR       compare two products of this tree\n"
    "  --device NAME    compare the device of this name in both trees\n"
    "  --equipment      equipment (factory) mode\n"
    "  --emmc           the electronic tag is on eMMC\n"
    "  -v, --verbose    show the library's log lines on standard error\n"
    "  --json           one JSON document, for CI\n"
    "\n"
    "exit status: 0 nothing differs; 1 something differs; 2 usage error.\n";

// One answer that differs; a side without it (an index the other side does
// not walk) is absent.
struct Difference {
    const Query *pQuery;
    std::vector<long long> args;
    bool bHasOld = false, bHasNew = false;
    Answer stOld, stNew;
};

struct ProductDiff {
    enum class Status { kIdentical, kChanged, kAdded, kRemoved } eStatus = Status::kIdentical;
    std::string strLabel;
    StartupOutcome stOld, stNew;
    std::vector<Difference> diffs;
    bool StartupChanged() const { return eStatus == Status::kChanged && !SameStartup(stOld, stNew); }
};

const char *StatusWord(ProductDiff::Status e) {
    switch (e) {
        case ProductDiff::Status::kChanged: return "changed";
        case ProductDiff::Status::kAdded: return "added";
        case ProductDiff::Status::kRemoved: return "removed";
        case ProductDiff::Status::kIdentical: break;
    }
    return "identical";
}

// The answers of one query on both sides. The same argument values (the
// usual case) are compared answer by answer; otherwise by argument values.
void CompareQuery(const QueryAnswers &o, const QueryAnswers &n, std::vector<Difference> *pDiffs) {
    if (o.argValues == n.argValues) {
        for (size_t i = 0; i < o.answers.size(); ++i)
            if (!SameAnswer(o.answers[i], n.answers[i]))
                pDiffs->push_back({o.pQuery, o.ArgsAt(i), true, true, o.answers[i], n.answers[i]});
        return;
    }
    std::map<std::vector<long long>, std::pair<const Answer *, const Answer *>> byArgs;
    for (size_t i = 0; i < o.answers.size(); ++i) byArgs[o.ArgsAt(i)].first = &o.answers[i];
    for (size_t i = 0; i < n.answers.size(); ++i) byArgs[n.ArgsAt(i)].second = &n.answers[i];
    for (const auto &[args, sides] : byArgs) {
        if (sides.first != nullptr && sides.second != nullptr && SameAnswer(*sides.first, *sides.second)) continue;
        Difference d{o.pQuery, args, false, false, {}, {}};
        if ((d.bHasOld = sides.first != nullptr)) d.stOld = *sides.first;
        if ((d.bHasNew = sides.second != nullptr)) d.stNew = *sides.second;
        pDiffs->push_back(std::move(d));
    }
}

ProductDiff Compare(const std::string &strLabel, const Options &optsOld, const Options &optsNew) {
    ProductDiff r;
    r.strLabel = strLabel;
    ProductAnswers o = AnswersOf(optsOld);
    ProductAnswers n = AnswersOf(optsNew);
    r.stOld = o.startup;
    r.stNew = n.startup;
    for (size_t i = 0; i < o.queries.size(); ++i) CompareQuery(o.queries[i], n.queries[i], &r.diffs);
    if (!r.diffs.empty() || !SameStartup(r.stOld, r.stNew)) r.eStatus = ProductDiff::Status::kChanged;
    return r;
}

// A product of one tree only: its start-up on the side that has it.
ProductDiff OneSided(const std::string &strLabel, const Options &opts, bool bAdded) {
    ProductDiff r;
    r.strLabel = strLabel;
    r.eStatus = bAdded ? ProductDiff::Status::kAdded : ProductDiff::Status::kRemoved;
    (bAdded ? r.stNew : r.stOld) = AnswersOf(opts).startup;
    return r;
}

// The members that say what was compared: the trees, or the tree and its two products.
using Head = std::vector<std::pair<const char *, std::string>>;

struct Summary {
    int iIdentical = 0, iChanged = 0, iAdded = 0, iRemoved = 0, iNewlyFailing = 0, iNewlySucceeding = 0;
    long long llAnswers = 0;
};

Summary Summarise(const std::vector<ProductDiff> &diffs) {
    Summary s;
    for (const ProductDiff &d : diffs) {
        switch (d.eStatus) {
            case ProductDiff::Status::kIdentical: ++s.iIdentical; break;
            case ProductDiff::Status::kChanged: ++s.iChanged; break;
            case ProductDiff::Status::kAdded: ++s.iAdded; break;
            case ProductDiff::Status::kRemoved: ++s.iRemoved; break;
        }
        s.llAnswers += static_cast<long long>(d.diffs.size());
        if (d.StartupChanged()) {
            s.iNewlyFailing += d.stOld.iResult == 0;
            s.iNewlySucceeding += d.stNew.iResult == 0;
        }
    }
    return s;
}

std::string Plural(long long ll, const char *pcWord) {
    return std::to_string(ll) + " " + pcWord + (ll == 1 ? "" : "s");
}

void PrintText(const std::vector<ProductDiff> &diffs, const Summary &s) {
    for (const ProductDiff &d : diffs) {
        const char *pc = d.strLabel.c_str();
        switch (d.eStatus) {
            case ProductDiff::Status::kIdentical: continue;
            case ProductDiff::Status::kAdded:
                printf("%s: added (start-up %s)\n", pc, StartupText(d.stNew).c_str());
                continue;
            case ProductDiff::Status::kRemoved:
                printf("%s: removed\n", pc);
                continue;
            case ProductDiff::Status::kChanged: break;
        }
        if (d.StartupChanged())
            printf("%s: start-up: %s -> %s\n", pc, StartupText(d.stOld).c_str(), StartupText(d.stNew).c_str());
        for (const Difference &x : d.diffs)
            printf("%s: %s: %s -> %s\n", pc, AnswerLabel(*x.pQuery, x.args).c_str(),
                   x.bHasOld ? AnswerText(x.stOld).c_str() : "(absent)",
                   x.bHasNew ? AnswerText(x.stNew).c_str() : "(absent)");
    }
    if (s.iChanged + s.iAdded + s.iRemoved > 0) printf("\n");
    printf("%s: %d identical, %d changed (%s), %d added, %d removed; start-up newly fails in %d, "
           "newly succeeds in %d\n",
           Plural(static_cast<long long>(diffs.size()), "product").c_str(), s.iIdentical, s.iChanged,
           Plural(s.llAnswers, "answer").c_str(), s.iAdded, s.iRemoved, s.iNewlyFailing, s.iNewlySucceeding);
}

void PrintJson(const Head &head, const std::vector<ProductDiff> &diffs, const Summary &s) {
    JsonOut out;
    out.BeginObject();
    for (const auto &[pcKey, strVal] : head) out.String(pcKey, strVal);
    out.BeginArray("products");
    for (const ProductDiff &d : diffs) {
        if (d.eStatus == ProductDiff::Status::kIdentical) continue;
        out.BeginObject();
        out.String("product", d.strLabel);
        out.String("status", StatusWord(d.eStatus));
        out.BeginObject("startup");
        if (d.eStatus != ProductDiff::Status::kAdded) StartupJson(out, d.stOld, "old");
        if (d.eStatus != ProductDiff::Status::kRemoved) StartupJson(out, d.stNew, "new");
        out.EndObject();
        out.Bool("startupChanged", d.StartupChanged());
        out.BeginArray("differences");
        for (const Difference &x : d.diffs) {
            out.BeginObject();
            out.String("answer", AnswerLabel(*x.pQuery, x.args));
            out.String("query", x.pQuery->strName);
            out.BeginArray("args");
            for (long long ll : x.args) out.Int("", ll);
            out.EndArray();
            if (x.bHasOld) AnswerJson(out, "old", x.stOld); else out.Null("old");
            if (x.bHasNew) AnswerJson(out, "new", x.stNew); else out.Null("new");
            out.EndObject();
        }
        out.EndArray();
        out.EndObject();
    }
    out.EndArray();
    out.BeginObject("summary");
    out.Int("products", static_cast<long long>(diffs.size()));
    out.Int("identical", s.iIdentical);
    out.Int("changed", s.iChanged);
    out.Int("added", s.iAdded);
    out.Int("removed", s.iRemoved);
    out.Int("newlyFailing", s.iNewlyFailing);
    out.Int("newlySucceeding", s.iNewlySucceeding);
    out.Int("differences", s.llAnswers);
    out.EndObject();
    out.EndObject();
    fputs(out.Text().c_str(), stdout);
}

bool IsDirectory(const std::string &strPath) {
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Whether --root was given (its default, "/", cannot tell).
bool RootGiven(const std::vector<std::string> &args) {
    for (const std::string &a : args) {
        if (a == "--") return false;
        if (a == "--root" || a.rfind("--root=", 0) == 0) return true;
    }
    return false;
}

bool Usage(const char *pcWhat, const std::string &strArg = "") {
    fprintf(stderr, "devcap diff: %s%s\n", pcWhat, strArg.c_str());
    return false;
}

// Two products of one tree; false on a usage error (said on standard error).
bool DiffPair(const Options &opts, const std::vector<std::string> &rest, std::vector<ProductDiff> *pDiffs,
              Head *pHead) {
    if (rest.size() != 2) return Usage("with --root, give two products to compare (see devcap diff --help)");
    if (opts.bDevice) return Usage("--device does not apply to two products of one tree");
    for (const std::string &p : rest)
        if (!IsProductFolder(opts.strRoot, p)) return Usage("no product folder (holding hardwareindex.json): ", p);
    *pHead = {{"root", opts.strRoot}, {"old", rest[0]}, {"new", rest[1]}};
    pDiffs->push_back(Compare(rest[0] + " -> " + rest[1], ProductOptions(opts, opts.strRoot, rest[0]),
                              ProductOptions(opts, opts.strRoot, rest[1])));
    return true;
}

// The products of two trees (or the named ones, or the device --device
// names); false on a usage error.
bool DiffTrees(const Options &opts, const std::vector<std::string> &rest, std::vector<ProductDiff> *pDiffs,
               Head *pHead) {
    if (rest.size() < 2) return Usage("give two trees, OLD_ROOT and NEW_ROOT (see devcap diff --help)");
    const std::string strOld = rest[0], strNew = rest[1];
    for (const std::string &t : {strOld, strNew})
        if (!IsDirectory(t)) return Usage("not a directory: ", t);
    *pHead = {{"old", strOld}, {"new", strNew}};
    std::vector<std::string> products(rest.begin() + 2, rest.end());
    if (opts.bDevice) {
        if (!products.empty()) return Usage("give either --device or products, not both");
        Options o = opts, n = opts;
        o.strRoot = strOld;
        n.strRoot = strNew;
        pDiffs->push_back(Compare(opts.strDevice, o, n));
        return true;
    }
    const std::vector<std::string> inOld = ProductFolders(strOld), inNew = ProductFolders(strNew);
    auto In = [](const std::vector<std::string> &v, const std::string &p) {
        return std::binary_search(v.begin(), v.end(), p);
    };
    if (products.empty()) {
        std::set_union(inOld.begin(), inOld.end(), inNew.begin(), inNew.end(), std::back_inserter(products));
        if (products.empty()) return Usage("no product folder (holding hardwareindex.json) in either tree");
    }
    for (const std::string &p : products)
        if (!In(inOld, p) && !In(inNew, p)) return Usage("no product folder in either tree: ", p);
    for (const std::string &p : products) {
        bool bOld = In(inOld, p), bNew = In(inNew, p);
        if (bOld && bNew)
            pDiffs->push_back(Compare(p, ProductOptions(opts, strOld, p), ProductOptions(opts, strNew, p)));
        else
            pDiffs->push_back(OneSided(p, ProductOptions(opts, bNew ? strNew : strOld, p), bNew));
    }
    return true;
}

}  // namespace

int CmdDiff(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    if (auto iExit = ParseCommandLine(args, kDiffUsage, &opts, &rest)) return *iExit;
    std::vector<ProductDiff> diffs;
    Head head;
    if (!(RootGiven(args) ? DiffPair(opts, rest, &diffs, &head) : DiffTrees(opts, rest, &diffs, &head)))
        return kExitUsage;
    Summary s = Summarise(diffs);
    if (opts.bJson)
        PrintJson(head, diffs, s);
    else
        PrintText(diffs, s);
    fflush(stdout);
    return s.iIdentical == static_cast<int>(diffs.size()) ? kExitOk : kExitFail;
}

}  // namespace devcap_tool
