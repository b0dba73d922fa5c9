// devcap get: one query by name, its answer on one line.
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <climits>

#include "commands/commands.h"
#include "report/answers.h"

namespace devcap_tool {

namespace {

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
