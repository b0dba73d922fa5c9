// devcap dump: every answer of every query, as text or JSON.
#include <stdio.h>

#include "commands/commands.h"
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

void DumpJson(JsonOut &out, const Query &q, size_t ulArg, std::vector<ArgVal> &cur, const std::string &strKey) {
    if (ulArg == q.args.size()) {
        AnswerJson(out, strKey, q.call(cur));
        return;
    }
    const Arg &a = q.args[ulArg];
    std::vector<long long> values = a.dumpValues();
    if (!a.bIndex) {
        cur[ulArg].ll = values.empty() ? 0 : values[0];
        DumpJson(out, q, ulArg + 1, cur, strKey);
        return;
    }
    out.BeginArray(strKey);
    for (long long v : values) {
        cur[ulArg].ll = v;
        DumpJson(out, q, ulArg + 1, cur, "");
    }
    out.EndArray();
}

void Line(const std::string &strLabel, const std::string &strValue) {
    printf("  %-36s %s\n", strLabel.c_str(), strValue.c_str());
}

// Text lines of one query: every combination of its arguments; when the
// last argument is an index and every answer is one plain value, the values
// for that index stand on one line as NAME(..., *).
void DumpText(const Query &q, size_t ulArg, std::vector<ArgVal> &cur, const std::string &strPrefix) {
    auto Label = [&](const std::string &strLast) {
        std::string s = strPrefix;
        if (!strLast.empty()) s += (s.empty() ? "" : ", ") + strLast;
        return s.empty() ? q.strName : q.strName + "(" + s + ")";
    };
    if (ulArg == q.args.size()) {
        Line(Label(""), AnswerText(q.call(cur)));
        return;
    }
    const Arg &a = q.args[ulArg];
    std::vector<long long> values = a.dumpValues();
    std::string strSep = strPrefix.empty() ? "" : ", ";
    if (!a.bIndex || ulArg + 1 < q.args.size()) {
        for (long long v : values) {
            cur[ulArg].ll = v;
            DumpText(q, ulArg + 1, cur, strPrefix + strSep + std::to_string(v));
        }
        return;
    }
    std::vector<Answer> answers;
    bool bCompact = true;
    for (long long v : values) {
        cur[ulArg].ll = v;
        answers.push_back(q.call(cur));
        bCompact = bCompact && IsCompact(answers.back());
    }
    if (bCompact) {
        std::string s = "[";
        for (size_t i = 0; i < answers.size(); ++i)
            s += (i ? ", " : "") + ValText(answers[i].fields[0].val);
        Line(Label("*"), s + "]");
        return;
    }
    for (size_t i = 0; i < answers.size(); ++i) Line(Label(std::to_string(values[i])), AnswerText(answers[i]));
}

}  // namespace

int CmdDump(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    bool bHelp = false;
    if (!ParseOptions(args, &opts, &rest, &bHelp)) return kExitUsage;
    if (bHelp) {
        fputs(kDumpUsage, stdout);
        return kExitOk;
    }
    if (!rest.empty()) {
        fprintf(stderr, "devcap dump: unexpected argument '%s'\n", rest[0].c_str());
        return kExitUsage;
    }
    Session s(opts);
    int iRc = s.Init();
    // The queries below log nothing the reader needs unless -v is given;
    // start-up's errors are reported on their own.
    if (!opts.bVerbose) s.SetMuted(true);
    if (opts.bJson) {
        JsonOut out;
        out.BeginObject();
        StartupJson(out, s);
        for (const char *pcGroup : Groups()) {
            out.BeginObject(pcGroup);
            for (const Query &q : Registry()) {
                if (!q.bDump || q.pcGroup != pcGroup) continue;
                std::vector<ArgVal> cur(q.args.size());
                DumpJson(out, q, 0, cur, q.strName);
            }
            out.EndObject();
        }
        out.EndObject();
        fputs(out.Text().c_str(), stdout);
    } else {
        printf("start-up: %s (%d)\n", iRc == 0 ? "ok" : "FAILED", iRc);
        for (const char *pcGroup : Groups()) {
            printf("\n%s\n", pcGroup);
            for (const Query &q : Registry()) {
                if (!q.bDump || q.pcGroup != pcGroup) continue;
                std::vector<ArgVal> cur(q.args.size());
                DumpText(q, 0, cur, "");
            }
        }
    }
    fflush(stdout);
    if (iRc != 0) {
        fputs(s.FailureReport().c_str(), stderr);
        return kExitFail;
    }
    return kExitOk;
}

}  // namespace devcap_tool
