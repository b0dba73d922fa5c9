// devcap dump: every answer of every query, as text or JSON.
#include <stdio.h>

#include "commands/commands.h"
#include "product_answers.h"
#include "report/answers.h"

namespace devcap_tool {

namespace {

const char kDumpUsage[] =
    "usage: devcap dump [OPTIONS]\n"
    "\n"
    "Runs the library's start-up on the tree and prints every answer of every\n"
    "query, grouped: identity, board, alarm/serial, optics, video/audio,\n"
    "peripherals, PTZ, sensors, lenses, LEDs, patch. Enumerations show their\n"
    "word and number, a GPIO of -1 shows as none. NAME(*) lists the answers for\n"
    "every index from 0.\n"
    "\n"
    "options:\n"
    "  --root DIR       root file system laid out as on the device (default /)\n"
    "  --device NAME    device name to use instead of /tmp/sysinfo/dev_name\n"
    "  --equipment      equipment (factory) mode\n"
    "  --emmc           the electronic tag is on eMMC\n"
    "  -v, --verbose    show the library's log lines on standard error\n"
    "  --json           one JSON document (members in a fixed order)\n"
    "\n"
    "exit status: 0 start-up succeeded; 1 it failed (the answers are still\n"
    "printed; the failing stage, its code and the library's errors go to\n"
    "standard error); 2 usage error.\n";

bool IsCompact(const Answer &a) {
    return !(a.bHasRc && a.iRc != 0) && a.fields.size() == 1 && a.fields[0].strName.empty() &&
           a.fields[0].val.eType != Val::Type::kList;
}

// One query's answers, taken in their order (*pulNext counts them): an index
// becomes an array level, a count passes its one value.
void DumpJson(JsonOut &out, const QueryAnswers &qa, size_t ulArg, size_t *pulNext, const std::string &strKey) {
    if (ulArg == qa.argValues.size()) {
        AnswerJson(out, strKey, qa.answers[(*pulNext)++]);
        return;
    }
    if (!qa.pQuery->args[ulArg].bIndex) {
        DumpJson(out, qa, ulArg + 1, pulNext, strKey);
        return;
    }
    out.BeginArray(strKey);
    for (size_t i = 0; i < qa.argValues[ulArg].size(); ++i) DumpJson(out, qa, ulArg + 1, pulNext, "");
    out.EndArray();
}

void Line(const std::string &strLabel, const std::string &strValue) {
    printf("  %-36s %s\n", strLabel.c_str(), strValue.c_str());
}

// Text lines of one query: every combination of its arguments; when the
// last argument is an index and every answer is one plain value, the values
// for that index stand on one line as NAME(..., *).
void DumpText(const QueryAnswers &qa, size_t ulArg, size_t *pulNext, const std::string &strPrefix) {
    const Query &q = *qa.pQuery;
    auto Label = [&](const std::string &strLast) {
        std::string s = strPrefix;
        if (!strLast.empty()) s += (s.empty() ? "" : ", ") + strLast;
        return s.empty() ? q.strName : q.strName + "(" + s + ")";
    };
    if (ulArg == q.args.size()) {
        Line(Label(""), AnswerText(qa.answers[(*pulNext)++]));
        return;
    }
    const std::vector<long long> &values = qa.argValues[ulArg];
    std::string strSep = strPrefix.empty() ? "" : ", ";
    if (!q.args[ulArg].bIndex || ulArg + 1 < q.args.size()) {
        for (long long v : values) DumpText(qa, ulArg + 1, pulNext, strPrefix + strSep + std::to_string(v));
        return;
    }
    const Answer *pFirst = qa.answers.data() + *pulNext;
    *pulNext += values.size();
    bool bCompact = true;
    for (size_t i = 0; i < values.size(); ++i) bCompact = bCompact && IsCompact(pFirst[i]);
    if (bCompact) {
        std::string s = "[";
        for (size_t i = 0; i < values.size(); ++i) s += (i ? ", " : "") + ValText(pFirst[i].fields[0].val);
        Line(Label("*"), s + "]");
        return;
    }
    for (size_t i = 0; i < values.size(); ++i) Line(Label(std::to_string(values[i])), AnswerText(pFirst[i]));
}

}  // namespace

int CmdDump(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    if (auto iExit = ParseCommandLine(args, kDumpUsage, &opts, &rest)) return *iExit;
    if (!rest.empty()) {
        fprintf(stderr, "devcap dump: unexpected argument '%s'\n", rest[0].c_str());
        return kExitUsage;
    }
    ProductAnswers pa = AnswersOf(opts);
    const int iRc = pa.startup.iResult;
    if (opts.bJson) {
        JsonOut out;
        out.BeginObject();
        StartupJson(out, pa.startup);
        for (const char *pcGroup : Groups()) {
            out.BeginObject(pcGroup);
            for (const QueryAnswers &qa : pa.queries) {
                if (qa.pQuery->pcGroup != pcGroup) continue;
                size_t ulNext = 0;
                DumpJson(out, qa, 0, &ulNext, qa.pQuery->strName);
            }
            out.EndObject();
        }
        out.EndObject();
        fputs(out.Text().c_str(), stdout);
    } else {
        printf("start-up: %s (%d)\n", iRc == 0 ? "ok" : "FAILED", iRc);
        for (const char *pcGroup : Groups()) {
            printf("\n%s\n", pcGroup);
            for (const QueryAnswers &qa : pa.queries) {
                if (qa.pQuery->pcGroup != pcGroup) continue;
                size_t ulNext = 0;
                DumpText(qa, 0, &ulNext, "");
            }
        }
    }
    fflush(stdout);
    if (iRc != 0) {
        fputs(pa.startup.strReport.c_str(), stderr);
        return kExitFail;
    }
    return kExitOk;
}

}  // namespace devcap_tool
