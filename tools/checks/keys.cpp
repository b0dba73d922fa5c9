// The keys of an object: unknown-key (a key the device does not read there),
// wrong-type (a key or element of a JSON type the device does not take
// there, also when it reads it through a conversion), missing-key (a key or
// position the device needs) and absent-key (an optional key not given: the
// device answers its default).
#include "checks/model_walk.h"

namespace devcap_tool::lint {

namespace {

const char *WithArticle(model::JsonType e) {
    switch (e) {
        case model::kNull: return "null";
        case model::kBool: return "a boolean";
        case model::kInt: return "an integer";
        case model::kDouble: return "a number with a fraction";
        case model::kString: return "a text";
        case model::kArray: return "an array";
        case model::kObject: return "an object";
    }
    return "a value";
}

std::string TypesWithArticle(model::JsonTypes uiTypes) {
    std::vector<std::string> names;
    for (unsigned b = 1; b <= model::kObject; b <<= 1)
        if ((uiTypes & b) != 0) names.push_back(WithArticle(static_cast<model::JsonType>(b)));
    return OrList(names, false);
}

bool IsIntegerText(const std::string &s) {
    const size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
    return i < s.size() && s.find_first_not_of("0123456789", i) == std::string::npos;
}

// How to write the value so that the device takes it; empty when no rewrite
// is plain.
std::string Rewrite(model::JsonTypes uiWanted, const JsonValue &v) {
    if ((uiWanted & model::kBool) != 0) {
        if (v.Is(JsonKind::kInt) && (v.llVal == 0 || v.llVal == 1)) return v.llVal != 0 ? "true" : "false";
        if (v.Is(JsonKind::kString) && (v.strText == "true" || v.strText == "false")) return v.strText;
    }
    if ((uiWanted & model::kInt) != 0) {
        if (v.Is(JsonKind::kString) && IsIntegerText(v.strText)) return v.strText;
        if (v.Is(JsonKind::kDouble) && v.dVal == static_cast<double>(static_cast<long long>(v.dVal)))
            return std::to_string(static_cast<long long>(v.dVal));
    }
    if ((uiWanted & model::kDouble) != 0 && v.Is(JsonKind::kInt)) return v.strText + ".0";
    if ((uiWanted & model::kString) != 0 && (v.Is(JsonKind::kInt) || v.Is(JsonKind::kDouble))) return Quoted(v.strText);
    if ((uiWanted & model::kArray) != 0 && !v.Is(JsonKind::kArray) && !v.Is(JsonKind::kObject) && !v.Is(JsonKind::kNull))
        return "[" + v.Show() + "]";
    return "";
}

// What the device reads of a value through json-c's conversion to a type.
std::string ConvertedReading(model::JsonType eTo, const JsonValue &v) {
    switch (eTo) {
        case model::kBool: return std::string("reads it as ") + (DeviceBool(v) ? "true" : "false");
        case model::kInt: return "reads it as " + std::to_string(DeviceInt(v));
        case model::kString:
            if (std::optional<std::string> t = DeviceText(v)) return "reads it as the text " + Quoted(*t);
            return "reads no text from it and logs an error";
        default: return "reads it as an empty slot";
    }
}

// The JSON type each element of an array takes.
model::JsonType ElementType(const model::Value &v) {
    return v.eForm == model::Form::kObjects ? model::kObject : v.eJson;
}

}  // namespace

void ReportUnknownKey(const Place &p, FindingSink &sink) {
    const std::vector<std::string> &near = p.pJudgement->suggestions;
    std::string strMsg = p.Name() + " is not a key of " + p.ParentName() + "; the device ignores it";
    if (!near.empty()) strMsg += " (did you mean " + Quoted(near.front()) + "?)";
    Finding &f = p.Add(sink, check::kUnknownKey, strMsg);
    f.expected = near;
}

void ReportWrongType(const Place &p, FindingSink &sink) {
    const Judgement &j = *p.pJudgement;
    const JsonValue &v = *j.pNode;
    const bool bConverted = j.eReason == model::Reason::kConverted;
    std::string strMsg;
    model::JsonTypes uiWanted;
    if (p.bElement) {
        uiWanted = ElementType(*j.pValue);
        strMsg = p.Name() + " is " + WithArticle(TypeOf(v)) + " (" + v.Show() + "), where each element is " +
                 WithArticle(ElementType(*j.pValue)) + "; the device ";
        strMsg += bConverted ? ConvertedReading(j.pValue->eJson, v) : j.bLibraryLogs ? "skips it, with a warning" : "skips it";
    } else {
        uiWanted = model::TypesOf(*j.pKey);
        strMsg = p.Name() + " takes " + TypesWithArticle(uiWanted) + ", not " + WithArticle(TypeOf(v)) + " (" +
                 v.Show() + "); the device ";
        strMsg += bConverted ? ConvertedReading(j.pValue->eJson, v) : "ignores it and answers " + DefaultText(*j.pKey);
    }
    const std::string strRewrite = Rewrite(uiWanted, v);
    if (!strRewrite.empty()) strMsg += "; write " + strRewrite;
    Finding &f = p.Add(sink, check::kWrongType, strMsg);
    f.expected = {strRewrite.empty() ? model::JsonTypesText(uiWanted) : strRewrite};
    // The device may name the value by the text it reads of it.
    if (bConverted && !v.Is(JsonKind::kString))
        if (std::optional<std::string> t = DeviceText(v)) f.tokens.push_back(*t);
    f.bKeyless = true;
}

void ReportMissing(const Place &p, FindingSink &sink) {
    const Judgement &j = *p.pJudgement;
    std::string strMsg;
    if (j.eReason == model::Reason::kElementsMissing) {
        const model::Value &t = *j.pValue;
        strMsg = p.Name() + " has " + std::to_string(j.pNode->items.size()) + " elements; the device reads " +
                 std::to_string(t.uiTupleMin) + ", and for each missing one ";
        const model::Value &last = t.pTuple[t.uiTupleMin - 1];
        if (last.eForm == model::Form::kWord && last.pVocab->Invalid())
            strMsg += "logs an error and answers " + std::string(last.pVocab->Word(*last.pVocab->Invalid()));
        else
            strMsg += last.eJson == model::kInt ? "reads 0" : "takes nothing";
    } else {
        const model::Key &k = *j.pKey;
        // A port kind left out of "Uart" is uart-port-missing's.
        if (k.eNeed == model::Need::kLoggedIfAbsent) return;
        strMsg = p.Name() + " is not given in " + p.ParentName() + "; " +
                 (k.eNeed == model::Need::kForStartup ? "start-up fails without it (" + DefaultText(k) + ")"
                                                      : "the device answers " + DefaultText(k));
    }
    Finding &f = p.Add(sink, check::kMissingKey, strMsg);
    f.expected = {j.strExpected};
    f.bKeyless = true;
}

void ReportAbsent(const Place &p, FindingSink &sink) {
    // Not through Place::Add: a key not given names nothing the device says.
    const model::Key &k = *p.pJudgement->pKey;
    sink.Add(check::kAbsentKey, p.pFile->strRel, p.stPos, p.KeyPath(),
             Quoted(k.pcName) + " is not given; the device answers " + DefaultText(k));
}

}  // namespace devcap_tool::lint
