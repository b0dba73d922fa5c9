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
    "       devcap get --list [--json]\n"
    "\n"
    "Runs the library's start-up and calls one query by name (with or without\n"
    "its CAP_ prefix; CAP_GetX may also be given as X), printing the answer on\n"
    "one line. Example: devcap get AlarmInWithGpio 2\n"
    "\n"
    "Standard output holds an answer only: when start-up fails, or the query\n"
    "refuses its arguments or fails (the library logs an error for the call,\n"
    "e.g. -4 for an index outside the slots), nothing is printed there and the\n"
    "reason goes to standard error.\n"
    "\n"
    "options (besides --root, --device, --equipment, --emmc, -v, --json):\n"
    "  --list           list every query with its arguments (--json: as JSON)\n"
    "  -r, --raw        numbers only: no words next to enumerations, -1 not\n"
    "                   shown as none, lists separated by blanks\n"
    "\n"
    "exit status: 0 answered; 1 start-up failed, or the query refused its\n"
    "arguments or failed; 2 unknown query, bad arguments or options.\n";

struct GetFlags {
    bool bList = false;
    bool bRaw = false;
};

bool TakeGetOption(const std::string &strWord, void *pUser) {
    auto *pFlags = static_cast<GetFlags *>(pUser);
    if (strWord == "--list") return pFlags->bList = true;
    if (strWord == "-r" || strWord == "--raw") return pFlags->bRaw = true;
    return false;
}

// The C type of each argument type and the values it holds.
struct ArgTypeInfo {
    ArgType eType;
    const char *pcCType;
    long long llMin, llMax;
};
constexpr ArgTypeInfo kArgTypes[] = {
    {ArgType::kInt, "int", INT_MIN, INT_MAX},
    {ArgType::kUShort, "unsigned short", 0, USHRT_MAX},
    {ArgType::kUInt, "unsigned int", 0, UINT_MAX},
    {ArgType::kUChar, "unsigned char", 0, UCHAR_MAX},
    {ArgType::kText, "const char *", 0, 0},
};

const ArgTypeInfo &InfoOf(ArgType t) {
    for (const ArgTypeInfo &i : kArgTypes)
        if (i.eType == t) return i;
    return kArgTypes[0];
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
    const ArgTypeInfo &info = InfoOf(a.eType);
    if (ll < info.llMin || ll > info.llMax) return false;
    pOut->ll = ll;
    return true;
}

std::string TypeRange(ArgType t) {
    if (t == ArgType::kText) return "a word";
    const ArgTypeInfo &info = InfoOf(t);
    return "an integer from " + std::to_string(info.llMin) + " to " + std::to_string(info.llMax);
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

int ListQueries(bool bJson) {
    if (!bJson) {
        for (const char *pcGroup : Groups()) {
            printf("%s\n", pcGroup);
            for (const Query &q : Registry())
                if (q.pcGroup == pcGroup) printf("  %-44s %s\n", QuerySynopsis(q).c_str(), q.pcHelp);
        }
        return kExitOk;
    }
    JsonOut out;
    out.BeginObject();
    out.BeginArray("queries");
    for (const Query &q : Registry()) {
        out.BeginObject();
        out.String("name", q.strName);
        out.String("function", ExportedName(q));
        out.String("group", q.pcGroup);
        out.BeginArray("args");
        for (const Arg &a : q.args) {
            out.BeginObject();
            out.String("name", a.pcName);
            out.String("type", InfoOf(a.eType).pcCType);
            out.EndObject();
        }
        out.EndArray();
        out.String("help", q.pcHelp);
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
    fputs(out.Text().c_str(), stdout);
    return kExitOk;
}

// The call as C: "CAP_GetAlarmInWithGpio(9)".
std::string CallText(const Query &q, const std::vector<ArgVal> &values) {
    std::string r = ExportedName(q) + "(";
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) r += ", ";
        r += q.args[i].eType == ArgType::kText ? JsonOut::Escape(values[i].str) : std::to_string(values[i].ll);
    }
    return r + ")";
}

// What a call that gave no answer returned: its result code, or the value
// it returned in place of an answer.
std::string RefusedWith(const Answer &a) {
    if (a.bHasRc) return std::to_string(a.iRc);
    return a.fields.empty() ? "" : ValText(a.fields[0].val, true);
}

}  // namespace

int CmdGet(const std::vector<std::string> &args) {
    Options opts;
    std::vector<std::string> rest;
    GetFlags flags;
    if (auto iExit = ParseCommandLine(args, kGetUsage, &opts, &rest, TakeGetOption, &flags, true)) return *iExit;
    if (flags.bList) return ListQueries(opts.bJson);
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
                    pq->strName.c_str(), TypeRange(pq->args[i].eType).c_str(), rest[i + 1].c_str());
            return kExitUsage;
        }
    }
    Session s(opts);
    if (s.Init() != 0) {
        fputs(s.FailureReport().c_str(), stderr);
        return kExitFail;
    }
    // The library logs an error whenever a query refuses its arguments or
    // cannot answer; a query with a result code also fails by that code.
    s.ClearLog();
    Answer a = pq->call(values);
    std::string strLogged;
    for (const LogLine &l : s.Log())
        if (l.iLevel == 3) strLogged += (strLogged.empty() ? "" : ", ") + JsonOut::Escape(l.strText);
    if (!strLogged.empty() || (a.bHasRc && a.iRc != 0)) {
        fprintf(stderr, "devcap get: %s gave no answer (%s)%s%s\n", CallText(*pq, values).c_str(),
                RefusedWith(a).c_str(), strLogged.empty() ? "" : "; the library logged ", strLogged.c_str());
        return kExitFail;
    }
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
        AnswerJson(out, "answer", a);
        out.EndObject();
        fputs(out.Text().c_str(), stdout);
    } else if (a.fields.size() == 1 && a.fields[0].val.eType == Val::Type::kText) {
        printf("%s\n", a.fields[0].val.strText.c_str());  // a lone text as it stands
    } else {
        printf("%s\n", AnswerText(a, flags.bRaw).c_str());
    }
    return kExitOk;
}

}  // namespace devcap_tool
