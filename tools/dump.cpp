// devcap dump and devcap get.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <climits>

#include "commands.h"

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

const char kGetUsage[] =
    "usage: devcap get [OPTIONS] QUERY [ARGS...]\n"
    "       devcap get --list\n"
    "\n"
    "Runs the library's start-up and calls one query by name (with or without\n"
    "its CAP_ prefix; CAP_GetX may also be given as X), printing the answer on\n"
    "one line. Example: devcap get AlarmInWithGpio 2\n"
    "\n"
    "options (besides --root, --device, --equipment, --emmc, -v, --json):\n"
    "  --list           list every query with its arguments\n"
    "  -r, --raw        numbers only: no words next to enumerations, -1 not\n"
    "                   shown as none, lists separated by blanks\n"
    "\n"
    "exit status: 0 answered; 1 the query reported a failure or start-up\n"
    "failed (the answer is still printed); 2 unknown query or bad arguments.\n";

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

bool TakeGetOption(const std::string &strWord, void *pUser) {
    auto *pFlags = static_cast<std::pair<bool, bool> *>(pUser);
    if (strWord == "--list") return pFlags->first = true;
    if (strWord == "-r" || strWord == "--raw") return pFlags->second = true;
    return false;
}

bool ParseArgValue(const Arg &a, const std::string &strWord, ArgVal *pOut) {
    if (a.eType == ArgType::kText) {
        pOut->str = strWord;
        return true;
    }
    errno = 0;
    char *pcEnd = nullptr;
    long long ll = strtoll(strWord.c_str(), &pcEnd, 0);
    if (strWord.empty() || *pcEnd != '\0' || errno != 0) return false;
    long long llMin = INT_MIN, llMax = INT_MAX;
    switch (a.eType) {
        case ArgType::kUShort: llMin = 0; llMax = USHRT_MAX; break;
        case ArgType::kUInt: llMin = 0; llMax = UINT_MAX; break;
        case ArgType::kUChar: llMin = 0; llMax = UCHAR_MAX; break;
        default: break;
    }
    if (ll < llMin || ll > llMax) return false;
    pOut->ll = ll;
    return true;
}

const char *TypeRange(ArgType t) {
    switch (t) {
        case ArgType::kUShort: return "an integer from 0 to 65535";
        case ArgType::kUInt: return "an integer from 0 to 4294967295";
        case ArgType::kUChar: return "an integer from 0 to 255";
        case ArgType::kText: return "a word";
        default: return "a 32-bit signed integer";
    }
}

// Names close to an unknown one: those containing it, ignoring case.
std::string Suggestions(const std::string &strName) {
    std::string n = strName.rfind("CAP_", 0) == 0 ? strName.substr(4) : strName;
    std::string r;
    int iFound = 0;
    for (const Query &q : Registry()) {
        if (strcasestr(q.strName.c_str(), n.c_str()) != nullptr && iFound < 8) {
            r += (iFound++ ? ", " : "") + q.strName;
        }
    }
    return r;
}

}  // namespace

void ValJson(JsonOut &out, const std::string &strKey, const Val &v) {
    switch (v.eType) {
        case Val::Type::kDouble: out.Double(strKey, v.dVal); return;
        case Val::Type::kText: out.String(strKey, v.strText); return;
        case Val::Type::kList:
            out.BeginArray(strKey);
            for (const Val &i : v.items) ValJson(out, "", i);
            out.EndArray();
            return;
        case Val::Type::kInt: break;
    }
    if (v.eKind == Kind::kBool && (v.llInt == 0 || v.llInt == 1)) {
        out.Bool(strKey, v.llInt == 1);
    } else if (v.eKind == Kind::kEnum) {
        out.BeginObject(strKey);
        out.Int("value", v.llInt);
        const char *pcWord = v.pVocab != nullptr ? v.pVocab->Word(v.llInt) : nullptr;
        if (pcWord != nullptr)
            out.String("word", pcWord);
        else
            out.Null("word");
        out.EndObject();
    } else {
        out.Int(strKey, v.llInt);
    }
}

void AnswerJson(JsonOut &out, const std::string &strKey, const Answer &a) {
    if (a.bHasRc && a.iRc != 0) {
        out.BeginObject(strKey);
        out.Int("error", a.iRc);
        out.EndObject();
        return;
    }
    if (a.fields.size() == 1 && a.fields[0].strName.empty()) {
        ValJson(out, strKey, a.fields[0].val);
        return;
    }
    out.BeginObject(strKey);
    for (const Field &f : a.fields) ValJson(out, f.strName, f.val);
    out.EndObject();
}

void StartupJson(JsonOut &out, const Session &s) {
    out.BeginObject("startup");
    out.Int("result", s.InitResult());
    const Stage *pst = s.FailedStage();
    if (pst != nullptr) {
        out.Int("stage", pst->iNumber);
        out.String("stageName", pst->pcWhat);
    } else {
        out.Null("stage");
        out.Null("stageName");
    }
    out.BeginArray("errors");
    if (s.InitResult() != 0)
        for (const LogLine &l : s.InitLog())
            if (l.iLevel == 3) out.String("", l.strText);
    out.EndArray();
    out.EndObject();
}

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

int CmdGet(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    bool bHelp = false;
    std::pair<bool, bool> flags{false, false};  // --list, --raw
    if (!ParseOptions(args, &opts, &rest, &bHelp, TakeGetOption, &flags, true)) return kExitUsage;
    if (bHelp) {
        fputs(kGetUsage, stdout);
        return kExitOk;
    }
    if (flags.first) {
        for (const char *pcGroup : Groups()) {
            printf("%s\n", pcGroup);
            for (const Query &q : Registry())
                if (q.pcGroup == pcGroup) printf("  %-44s %s\n", QuerySynopsis(q).c_str(), q.pcHelp);
        }
        return kExitOk;
    }
    if (rest.empty()) {
        fprintf(stderr, "devcap get: which query? (devcap get --list)\n");
        return kExitUsage;
    }
    const Query *pq = FindQuery(rest[0]);
    if (pq == nullptr) {
        std::string strSugg = Suggestions(rest[0]);
        fprintf(stderr, "devcap get: unknown query '%s'%s%s (devcap get --list)\n", rest[0].c_str(),
                strSugg.empty() ? "" : "; did you mean: ", strSugg.c_str());
        return kExitUsage;
    }
    if (rest.size() - 1 != pq->args.size()) {
        fprintf(stderr, "devcap get: %s takes %zu argument%s: devcap get %s\n", pq->strName.c_str(),
                pq->args.size(), pq->args.size() == 1 ? "" : "s", QuerySynopsis(*pq).c_str());
        return kExitUsage;
    }
    std::vector<ArgVal> values(pq->args.size());
    for (size_t i = 0; i < pq->args.size(); ++i) {
        if (!ParseArgValue(pq->args[i], rest[i + 1], &values[i])) {
            fprintf(stderr, "devcap get: %s of %s must be %s, not '%s'\n", pq->args[i].pcName,
                    pq->strName.c_str(), TypeRange(pq->args[i].eType), rest[i + 1].c_str());
            return kExitUsage;
        }
    }
    Session s(opts);
    int iInit = s.Init();
    if (iInit != 0) fputs(s.FailureReport().c_str(), stderr);
    Answer a = pq->call(values);
    if (opts.bJson) {
        JsonOut out;
        out.BeginObject();
        out.String("query", ExportedName(*pq));
        out.BeginArray("args");
        for (size_t i = 0; i < values.size(); ++i) {
            if (pq->args[i].eType == ArgType::kText)
                out.String("", values[i].str);
            else
                out.Int("", values[i].ll);
        }
        out.EndArray();
        out.Int("startup", iInit);
        AnswerJson(out, "answer", a);
        out.EndObject();
        fputs(out.Text().c_str(), stdout);
    } else if (a.bHasRc && a.iRc != 0) {
        fprintf(stderr, "devcap get: %s answered %d\n", ExportedName(*pq).c_str(), a.iRc);
    } else if (a.fields.size() == 1 && a.fields[0].val.eType == Val::Type::kText) {
        printf("%s\n", a.fields[0].val.strText.c_str());  // a lone text as it stands
    } else {
        printf("%s\n", AnswerText(a, flags.second).c_str());
    }
    if (a.bHasRc && a.iRc != 0) return kExitFail;
    return iInit == 0 ? kExitOk : kExitFail;
}

}  // namespace devcap_tool
