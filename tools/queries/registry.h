// The table of every query the library answers. One entry per exported query
// drives `devcap dump`, `devcap get` and `devcap get --list`.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/model.h"

namespace devcap_tool {

// The enumerations come from the model, which takes their words from the
// library's own tables.
using model::Vocab;
using namespace model::vocabs;

// How a number is shown.
enum class Kind {
    kNum,   // a plain number
    kBool,  // 0 no, 1 yes
    kGpio,  // a GPIO line, -1 none
    kEnum,  // a member of an enumeration (Val::pVocab)
    kHex,   // a packed word, shown in hexadecimal
};

// One answer value: a number, a floating-point number, a text or a list.
struct Val {
    enum class Type { kInt, kDouble, kText, kList } eType = Type::kInt;
    Kind eKind = Kind::kNum;
    const Vocab *pVocab = nullptr;
    long long llInt = 0;
    double dVal = 0.0;
    std::string strText;
    std::vector<Val> items;

    static Val Int(long long ll, Kind k = Kind::kNum, const Vocab *v = nullptr);
    static Val Double(double d);
    static Val Text(std::string s);
    static Val List(std::vector<Val> items);
};

struct Field {
    std::string strName;  // empty for the one value of a plain query
    Val val;
};

// What one call of a query gave: its result code when it has one, and values.
struct Answer {
    bool bHasRc = false;
    int iRc = 0;
    std::vector<Field> fields;
};

// The C type of an argument: what `get` accepts.
enum class ArgType { kInt, kUShort, kUInt, kUChar, kText };

struct Arg {
    const char *pcName;  // e.g. "INDEX"
    ArgType eType;
    // Values `dump` calls the query with: [0, count) for an index, the single
    // value for a count.
    std::function<std::vector<long long>()> dumpValues;
    bool bIndex = true;  // an index (dump walks it) or a count (dump passes one value)
};

struct ArgVal {
    long long ll = 0;
    std::string str;
};

struct Query {
    std::string strName;   // without the "CAP_" prefix
    const char *pcGroup;   // the dump group
    std::vector<Arg> args;
    const char *pcHelp;    // one line for --list
    bool bDump = true;     // false: `get` only (e.g. a word matcher)
    std::function<Answer(const std::vector<ArgVal> &)> call;
};

// Every query, in dump order.
const std::vector<Query> &Registry();
// The dump groups, in order.
const std::vector<const char *> &Groups();
// The query of a name given with or without "CAP_"; null when unknown.
const Query *FindQuery(const std::string &strName);

// The text form of a value ("PTZ (3)", "none", "yes") and of an answer.
std::string ValText(const Val &v, bool bRaw = false);
std::string AnswerText(const Answer &a, bool bRaw = false);
// The exported function of a query: "CAP_GetAlarmInWithGpio", "CAP_IsPoeSupport".
std::string ExportedName(const Query &q);
// Usage of a query: "AlarmInWithGpio INDEX".
std::string QuerySynopsis(const Query &q);

}  // namespace devcap_tool
