// Answers of the queries as JSON: the same members in the same order for
// every command that prints them.
#include "report/answers.h"

namespace devcap_tool {

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

void StageJson(JsonOut &out, int iResult, const Stage *pstStage) {
    out.Int("result", iResult);
    if (pstStage != nullptr) {
        out.Int("stage", pstStage->iNumber);
        out.String("stageName", pstStage->pcWhat);
    } else {
        out.Null("stage");
        out.Null("stageName");
    }
}

void StartupJson(JsonOut &out, const StartupOutcome &st, const std::string &strKey) {
    out.BeginObject(strKey);
    StageJson(out, st.iResult, st.pstStage);
    out.BeginArray("errors");
    for (const std::string &strError : st.errors) out.String("", strError);
    out.EndArray();
    out.EndObject();
}

}  // namespace devcap_tool
