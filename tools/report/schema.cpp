// The JSON Schema of a file kind, built from the model.
#include "report/schema.h"

#include <nlohmann/json.hpp>

namespace devcap_tool {

namespace {

using nlohmann::ordered_json;
using namespace model;

constexpr char kDialect[] = "https://json-schema.org/draft/2020-12/schema";

ordered_json Of(const Value &v);

ordered_json Words(const Vocab &vocab) {
    ordered_json a = ordered_json::array();
    for (const Entry &w : vocab.Words()) {
        if (vocab.bNumbers)
            a.push_back(w.llNumber);
        else
            a.push_back(w.strText);
    }
    return a;
}

// The default of a scalar key in the file's own terms; null when the default
// is no value a file could write (an invalid member, another file's value).
ordered_json DefaultOf(const Key &k) {
    const Value &v = k.stValue;
    const long long ll = k.stDefault.llValue;
    if (k.stDefault.eKind == Default::Kind::kEmptyText && v.eForm == Form::kText) return "";
    if (k.stDefault.eKind != Default::Kind::kNumber) return nullptr;
    switch (v.eForm) {
        case Form::kFlag: return ll != 0;
        case Form::kNumber: return ll;
        case Form::kWord:
        case Form::kNumberWord:
            for (const Entry &w : v.pVocab->Words())
                if (w.uiMember == ll) return v.pVocab->bNumbers ? ordered_json(w.llNumber) : ordered_json(w.strText);
            return nullptr;
        default: return nullptr;
    }
}

// An object: its keys (its own, then the shared ones), required keys, nothing else.
ordered_json ObjectSchema(const Object &o) {
    ordered_json s;
    s["type"] = "object";
    s["description"] = o.pcDoc;
    ordered_json props = ordered_json::object();
    ordered_json required = ordered_json::array();
    for (const Key *k : Keys(o)) {
        // The key's own description first, then what its form says.
        ordered_json p;
        p["description"] = k->pcDoc;
        if (k->pAlt == nullptr) {
            const ordered_json form = Of(k->stValue);
            for (auto it = form.begin(); it != form.end(); ++it)
                if (it.key() != "description") p[it.key()] = it.value();
        } else {
            p["anyOf"] = ordered_json::array({Of(k->stValue), Of(*k->pAlt)});
        }
        if (ordered_json d = DefaultOf(*k); !d.is_null()) p["default"] = d;
        props[k->pcName] = p;
        if (IsRequired(*k)) required.push_back(k->pcName);
    }
    s["properties"] = props;
    if (!required.empty()) s["required"] = required;
    s["additionalProperties"] = false;
    return s;
}

ordered_json Of(const Value &v) {
    ordered_json s;
    switch (v.eForm) {
        case Form::kFlag: s["type"] = "boolean"; break;
        case Form::kNumber:
            s["type"] = "integer";
            s["minimum"] = v.stRange.llMin;
            s["maximum"] = v.stRange.llMax;
            break;
        case Form::kNumberWord:
            s["type"] = "integer";
            s["enum"] = Words(*v.pVocab);
            break;
        case Form::kDecimal:
            s["type"] = "number";
            s["description"] = "Written with a fraction or an exponent (90.0, not 90).";
            break;
        case Form::kText:
            s["type"] = "string";
            s["maxLength"] = v.uiCap;
            break;
        case Form::kWord:
            s["type"] = "string";
            s["enum"] = Words(*v.pVocab);
            break;
        case Form::kObject:
            if (v.pObject == &LedInfo()) return ordered_json{{"$ref", "#/$defs/LedInfo"}};
            return ObjectSchema(*v.pObject);
        case Form::kObjects:
            s["type"] = "array";
            s["maxItems"] = v.uiCap;
            s["items"] = ObjectSchema(*v.pObject);
            break;
        case Form::kSlots:
            s["type"] = "array";
            s["maxItems"] = v.uiCap;
            s["items"] = Of(*v.pElem);
            break;
        case Form::kTuple: {
            s["type"] = "array";
            ordered_json items = ordered_json::array();
            for (unsigned i = 0; i < v.uiTuple; ++i) {
                ordered_json p = Of(v.pTuple[i]);
                if (v.uiJoined > 0) p.erase("maxLength");
                items.push_back(p);
            }
            s["prefixItems"] = items;
            s["items"] = false;
            if (v.uiTupleMin > 0) s["minItems"] = v.uiTupleMin;
            if (v.uiJoined > 0)
                s["description"] = "Joined as DIR/NAME/, at most " + std::to_string(v.uiJoined) + " characters.";
            break;
        }
    }
    return s;
}

bool UsesLedInfo(const Object &o) {
    for (const Key *k : Keys(o))
        if (k->stValue.pObject == &LedInfo()) return true;
    return false;
}

}  // namespace

std::string SchemaFileName(const FileModel &stFile) {
    std::string s = stFile.pcFile;
    return s.substr(0, s.rfind('.')) + ".schema.json";
}

std::string SchemaText(const FileModel &stFile) {
    ordered_json s;
    s["$schema"] = kDialect;
    s["$id"] = SchemaFileName(stFile);
    s["title"] = std::string(stFile.pcFile) + " (" + stFile.pcWhere + stFile.pcFile + ")";
    const ordered_json top = ObjectSchema(*stFile.pTop);
    for (auto it = top.begin(); it != top.end(); ++it) s[it.key()] = it.value();
    s["description"] = stFile.pcDoc;
    if (UsesLedInfo(*stFile.pTop)) s["$defs"] = {{"LedInfo", ObjectSchema(LedInfo())}};
    return s.dump(2) + "\n";
}

}  // namespace devcap_tool
