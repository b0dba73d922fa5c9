// devcap matrix: one row per product, one column per answer.
#include <stdio.h>

#include <algorithm>
#include <map>
#include <set>

#include "commands/commands.h"
#include "product_answers.h"
#include "report/answers.h"
#include "report/table.h"

namespace devcap_tool {

namespace {

const char kMatrixUsage[] =
    "usage: devcap matrix [OPTIONS] [--query QUERY]... [PRODUCT...]\n"
    "\n"
    "Runs the library's start-up for every product folder under ROOT/usr/bin\n"
    "(the folders holding a hardwareindex.json), or the named ones, each with\n"
    "its folder name as the device name, and prints one row per product: its\n"
    "start-up result and one column per answer of the chosen queries (every\n"
    "query dump shows when none is chosen). A query taking an index gives one\n"
    "column per index any of the products is asked for, e.g.\n"
    "AlarmInWithGpio(0) ... AlarmInWithGpio(7).\n"
    "\n"
    "options:\n"
    "  --root DIR       root file system laid out as on the device (default /)\n"
    "  --query QUERY    a column (or one per index) of this query; repeatable,\n"
    "                   the columns in the order given\n"
    "  --format FORMAT  csv, md (a Markdown table, the default), json, or html:\n"
    "                   one self-contained page with a sticky header and a\n"
    "                   filter per column, for sharing\n"
    "  --json           the same as --format json\n"
    "  --equipment      equipment (factory) mode\n"
    "  --emmc           the electronic tag is on eMMC\n"
    "  -v, --verbose    show the library's log lines on standard error\n"
    "(--device does not apply: each product is started by its folder name)\n"
    "\n"
    "exit status: 0 every product started up; 1 one failed (its row is still\n"
    "printed, with the failing stage); 2 usage error.\n";

enum class Format { kCsv, kMarkdown, kJson, kHtml };

struct MatrixOptions {
    std::vector<std::string> queries;
    std::string strFormat = "md";
};

// --query and --format take a value, which the shared parser would take for
// a product: they are taken out first.
bool TakeMatrixOptions(const std::vector<std::string> &args, MatrixOptions *pmo, std::vector<std::string> *pRest) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--") {
            pRest->insert(pRest->end(), args.begin() + static_cast<long>(i), args.end());
            return true;
        }
        bool bQuery = a == "--query" || a.rfind("--query=", 0) == 0;
        bool bFormat = a == "--format" || a.rfind("--format=", 0) == 0;
        if (!bQuery && !bFormat) {
            pRest->push_back(a);
            continue;
        }
        size_t ulEq = a.find('=');
        std::string strVal;
        if (ulEq != std::string::npos) {
            strVal = a.substr(ulEq + 1);
        } else if (i + 1 < args.size()) {
            strVal = args[++i];
        } else {
            fprintf(stderr, "devcap: option %s needs a value\n", a.c_str());
            return false;
        }
        if (bQuery)
            pmo->queries.push_back(strVal);
        else
            pmo->strFormat = strVal;
    }
    return true;
}

// One column: a query (the ulQuery-th chosen) and its argument values.
struct Column {
    const Query *pQuery;
    size_t ulQuery;
    std::vector<long long> args;
};

struct Row {
    std::string strProduct;
    StartupOutcome startup;
    // Per chosen query, its answers by argument values.
    std::vector<std::map<std::vector<long long>, Answer>> answers;
    // The answer of a column; null when this product was not asked it.
    const Answer *At(const Column &c) const {
        auto it = answers[c.ulQuery].find(c.args);
        return it == answers[c.ulQuery].end() ? nullptr : &it->second;
    }
};

// A text stands without quotes in its cell; anything else as dump shows it.
std::string CellText(const Answer &a) {
    if (!(a.bHasRc && a.iRc != 0) && a.fields.size() == 1 && a.fields[0].strName.empty() &&
        a.fields[0].val.eType == Val::Type::kText)
        return a.fields[0].val.strText;
    return AnswerText(a);
}

void PrintJson(const std::string &strRoot, const std::vector<Column> &cols, const std::vector<Row> &rows) {
    JsonOut out;
    out.BeginObject();
    out.String("root", strRoot);
    out.BeginArray("columns");
    for (const Column &c : cols) out.String("", AnswerLabel(*c.pQuery, c.args));
    out.EndArray();
    out.BeginArray("products");
    for (const Row &r : rows) {
        out.BeginObject();
        out.String("product", r.strProduct);
        StartupJson(out, r.startup);
        out.BeginObject("answers");
        for (const Column &c : cols) {
            const Answer *pa = r.At(c);
            if (pa == nullptr)
                out.Null(AnswerLabel(*c.pQuery, c.args));
            else
                AnswerJson(out, AnswerLabel(*c.pQuery, c.args), *pa);
        }
        out.EndObject();
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
    fputs(out.Text().c_str(), stdout);
}

Table MakeTable(const std::string &strRoot, const std::vector<Column> &cols, const std::vector<Row> &rows) {
    Table t;
    t.strTitle = "devcap matrix: " + strRoot;
    t.strCaption = std::to_string(rows.size()) + " products, " + std::to_string(cols.size()) +
                   " answers each, as the capability library answers them for the tree " + strRoot + ".";
    t.ulKeyColumns = 2;
    t.columns = {"product", "start-up"};
    for (const Column &c : cols) t.columns.push_back(AnswerLabel(*c.pQuery, c.args));
    for (const Row &r : rows) {
        std::vector<std::string> cells = {r.strProduct, StartupText(r.startup)};
        for (const Column &c : cols) {
            const Answer *pa = r.At(c);
            cells.push_back(pa == nullptr ? "" : CellText(*pa));
        }
        t.rows.push_back(std::move(cells));
    }
    return t;
}

int Usage(const char *pcWhat, const std::string &strArg = "") {
    fprintf(stderr, "devcap matrix: %s%s\n", pcWhat, strArg.c_str());
    return kExitUsage;
}

}  // namespace

int CmdMatrix(const std::vector<std::string> &args) {
    MatrixOptions mo;
    std::vector<std::string> words, rest;
    if (!TakeMatrixOptions(args, &mo, &words)) return kExitUsage;
    Options opts;
    if (auto iExit = ParseCommandLine(words, kMatrixUsage, &opts, &rest)) return *iExit;
    if (opts.bDevice) return Usage("--device does not apply: each product is started by its own name");
    static const std::map<std::string, Format> kFormats = {
        {"csv", Format::kCsv}, {"md", Format::kMarkdown}, {"json", Format::kJson}, {"html", Format::kHtml}};
    auto itFormat = kFormats.find(opts.bJson ? "json" : mo.strFormat);
    if (itFormat == kFormats.end()) return Usage("unknown format (csv, md, json, html): ", mo.strFormat);

    // The chosen queries, or every query dump shows, in dump order.
    std::vector<const Query *> queries;
    for (const std::string &strName : mo.queries) {
        const Query *pq = FindQuery(strName);
        if (pq == nullptr) return Usage("unknown query (see devcap get --list): ", strName);
        if (!pq->bDump) return Usage("not an answer of a product (devcap get calls it): ", strName);
        if (std::find(queries.begin(), queries.end(), pq) == queries.end()) queries.push_back(pq);
    }
    std::vector<std::string> products = rest.empty() ? ProductFolders(opts.strRoot) : rest;
    if (products.empty()) return Usage("no product folder (a folder holding hardwareindex.json) under ", opts.strRoot);
    for (const std::string &p : products)
        if (!IsProductFolder(opts.strRoot, p)) return Usage("no product folder (holding hardwareindex.json): ", p);

    std::vector<Row> rows;
    bool bFailed = false;
    for (const std::string &p : products) {
        ProductAnswers pa = AnswersOf(ProductOptions(opts, opts.strRoot, p));
        if (queries.empty())
            for (const QueryAnswers &qa : pa.queries) queries.push_back(qa.pQuery);
        Row r{p, pa.startup, {}};
        bFailed = bFailed || pa.startup.iResult != 0;
        for (const Query *pq : queries) {
            r.answers.emplace_back();
            for (QueryAnswers &qa : pa.queries) {
                if (qa.pQuery != pq) continue;
                for (size_t i = 0; i < qa.answers.size(); ++i)
                    r.answers.back().emplace(qa.ArgsAt(i), std::move(qa.answers[i]));
            }
        }
        rows.push_back(std::move(r));
    }
    // One column per argument values any product was asked with.
    std::vector<Column> cols;
    for (size_t q = 0; q < queries.size(); ++q) {
        std::set<std::vector<long long>> used;
        for (const Row &r : rows)
            for (const auto &entry : r.answers[q]) used.insert(entry.first);
        for (const auto &a : used) cols.push_back({queries[q], q, a});
    }

    switch (itFormat->second) {
        case Format::kJson: PrintJson(opts.strRoot, cols, rows); break;
        case Format::kCsv: fputs(TableCsv(MakeTable(opts.strRoot, cols, rows)).c_str(), stdout); break;
        case Format::kMarkdown: fputs(TableMarkdown(MakeTable(opts.strRoot, cols, rows)).c_str(), stdout); break;
        case Format::kHtml: fputs(TableHtml(MakeTable(opts.strRoot, cols, rows)).c_str(), stdout); break;
    }
    fflush(stdout);
    return bFailed ? kExitFail : kExitOk;
}

}  // namespace devcap_tool
