// The keys of an object: unknown-key (a key the device does not read there),
// wrong-type (a key or element of a JSON type the device does not take
// there), missing-key (a key or position the device needs) and absent-key
// (an optional key not given: the device answers its default).
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
    size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
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
    if ((uiWanted & model::kArray) != 0 && !v.Is(JsonKind::kArray) && !v.Is(JsonKind::kObject)) return "[" + v.Show() + "]";
    return "";
}

// Where an object stands, for a message: "the top of the board file",
// "\"Alarm\"", "an \"ISP_INFO\" entry".
std::string ObjectName(const Place &p) {
    if (p.strKeyPath.empty()) return "the top of the " + p.strKey + " file";
    if (p.bElement) return "an " + Quoted(p.strKey) + " entry";
    return Quoted(p.strKeyPath);
}

std::string ParentName(const Place &p) {
    const size_t ulDot = p.strKeyPath.rfind('.');
    if (ulDot == std::string::npos) return "the top of the " + std::string(KindName(p.pFile->enKind)) + " file";
    const std::string strParent = p.strKeyPath.substr(0, ulDot);
    if (strParent.back() == ']') return "an " + Quoted(strParent.substr(0, strParent.rfind('['))) + " entry";
    return Quoted(strParent);
}

}  // namespace

void CheckUnknownKey(const Place &p, const model::Object &o, const JsonValue &v, FindingSink &sink) {
    const std::vector<std::string> near = model::Suggest(o, p.strKey);
    std::string strMsg = p.Name() + " is not a key of " + ParentName(p) + "; the device ignores it";
    if (!near.empty()) strMsg += " (did you mean " + OrList({near.front()}) + "?)";
    Finding &f = p.Add(sink, check::kUnknownKey, strMsg);
    for (const model::Key *k : model::Keys(o)) f.expected.push_back(k->pcName);
    if (!near.empty()) f.expected = {near.front()};
    if (v.Is(JsonKind::kString) || v.Is(JsonKind::kInt)) f.tokens.push_back(v.strText);
}

void CheckKeyType(const Place &p, const model::Key &k, const JsonValue &v, bool bConverted, FindingSink &sink) {
    const model::JsonTypes uiWanted = model::TypesOf(k);
    std::string strMsg = p.Name() + " takes " + TypesWithArticle(uiWanted) + ", not " +
                         WithArticle(TypeOf(v)) + " (" + v.Show() + "); ";
    if (bConverted) {
        switch (k.stValue.eForm) {
            case model::Form::kFlag: strMsg += std::string("the device reads it as ") + (DeviceBool(v) ? "true" : "false"); break;
            case model::Form::kNumber: strMsg += "the device reads it as " + std::to_string(DeviceInt(v)); break;
            default: strMsg += "the device does not take it"; break;
        }
    } else {
        strMsg += "the device ignores it and answers " + DefaultText(k);
    }
    const std::string strRewrite = Rewrite(uiWanted, v);
    if (!strRewrite.empty()) strMsg += "; write " + strRewrite;
    Finding &f = p.Add(sink, check::kWrongType, strMsg);
    if (!strRewrite.empty()) f.expected = {strRewrite};
    else f.expected = {model::JsonTypesText(uiWanted)};
    if (v.Is(JsonKind::kString) || v.Is(JsonKind::kInt)) f.tokens.push_back(v.strText);
    f.bKeyless = true;
}

std::optional<JsonValue> CheckElementType(const Place &p, const model::Value &array, const model::Value &elem,
                                          const JsonValue &e, FindingSink &sink) {
    std::string strMsg = p.Name() + " is " + WithArticle(TypeOf(e)) + " (" + e.Show() + "); each element is " +
                         WithArticle(elem.eJson) + "; ";
    std::optional<JsonValue> read;
    if (array.eMismatch == model::Mismatch::kConverted) {
        JsonValue r;
        r.stPos = e.stPos;
        switch (elem.eJson) {
            case model::kInt:
                r.enKind = JsonKind::kInt;
                r.llVal = DeviceInt(e);
                r.strText = std::to_string(r.llVal);
                strMsg += "the device reads it as " + r.strText;
                read = r;
                break;
            case model::kBool:
                r.enKind = JsonKind::kBool;
                r.bVal = DeviceBool(e);
                strMsg += std::string("the device reads it as ") + (r.bVal ? "true" : "false");
                read = r;
                break;
            case model::kString:
                if (std::optional<std::string> t = DeviceText(e)) {
                    r.enKind = JsonKind::kString;
                    r.strText = *t;
                    strMsg += "the device reads it as the text " + Quoted(*t);
                    read = r;
                } else {
                    strMsg += "the device reads no text from it and logs an error";
                }
                break;
            default: strMsg += "the device reads it as an empty slot"; break;
        }
    } else {
        strMsg += array.eMismatch == model::Mismatch::kWarned ? "the device skips it with a warning"
                                                              : "the device skips it";
    }
    const std::string strRewrite = Rewrite(elem.eJson, e);
    if (!strRewrite.empty()) strMsg += "; write " + strRewrite;
    Finding &f = p.Add(sink, check::kWrongType, strMsg);
    f.expected = {strRewrite.empty() ? model::JsonTypeName(elem.eJson) : strRewrite};
    if (e.Is(JsonKind::kString) || e.Is(JsonKind::kInt)) f.tokens.push_back(e.strText);
    f.bKeyless = true;
    return read;
}

void CheckPresentKeys(const Place &p, const model::Object &o, const JsonValue &v, FindingSink &sink) {
    for (const model::Key *k : model::Keys(o)) {
        if (v.FindMember(k->pcName) != nullptr) continue;
        const std::string strPath = JoinKey(p.strKeyPath, k->pcName);
        std::string strMsg = Quoted(k->pcName) + " is not given in " + ObjectName(p);
        // A port kind left out of "Uart" is uart-port-missing's.
        if (k->eNeed == model::Need::kForStartup) {
            strMsg += "; start-up fails without it (" + DefaultText(*k) + ")";
        } else if (k->eNeed == model::Need::kForValidAnswer) {
            strMsg += "; the device answers " + DefaultText(*k);
        } else if (k->eNeed == model::Need::kOptional) {
            sink.Add(check::kAbsentKey, p.pFile->strRel, p.stPos, strPath,
                     strMsg + "; the device answers " + DefaultText(*k));
            continue;
        } else {
            continue;
        }
        Finding &f = sink.Add(check::kMissingKey, p.pFile->strRel, p.stPos, strPath, strMsg);
        f.tokens.push_back(k->pcName);
        f.bKeyless = true;
    }
}

void CheckPositions(const Place &p, const model::Value &tuple, const JsonValue &v, FindingSink &sink) {
    for (size_t i = v.items.size(); i < tuple.uiTupleMin; ++i) {
        const model::Value &pos = tuple.pTuple[i];
        std::string strMsg = p.Name() + " has " + std::to_string(v.items.size()) + " elements; the device reads " +
                             std::to_string(tuple.uiTupleMin) + ", and for the missing element " + std::to_string(i) + " ";
        if (pos.eForm == model::Form::kWord && pos.pVocab != nullptr && pos.pVocab->Invalid())
            strMsg += "it logs an error and answers " + std::string(pos.pVocab->Word(*pos.pVocab->Invalid()));
        else if (pos.eJson == model::kInt)
            strMsg += "it reads 0";
        else
            strMsg += "it takes nothing";
        Finding &f = sink.Add(check::kMissingKey, p.pFile->strRel, p.stPos, JoinIndex(p.strKeyPath, i), strMsg);
        f.tokens.push_back(p.strKey);
        f.bKeyless = true;
    }
}

}  // namespace devcap_tool::lint
