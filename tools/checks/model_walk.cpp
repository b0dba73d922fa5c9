// The walk of a file against its model, and what the device makes of a
// value through json-c's accessors.
#include "checks/model_walk.h"

#include <limits.h>
#include <stdlib.h>

#include <algorithm>

namespace devcap_tool::lint {

std::string Quoted(const std::string &s) { return "\"" + s + "\""; }

std::string Place::Name() const {
    if (!bElement) return Quoted(strKey);
    const size_t ulOpen = strKeyPath.rfind('[');
    return "element " + strKeyPath.substr(ulOpen + 1, strKeyPath.size() - ulOpen - 2) + " of " +
           Quoted(strKeyPath.substr(0, ulOpen));
}

Finding &Place::Add(FindingSink &sink, const char *pcCheck, std::string strMessage) const {
    Finding &f = sink.Add(pcCheck, pFile->strRel, stPos, strKeyPath, std::move(strMessage));
    f.tokens.push_back(strKey);
    return f;
}

model::JsonType TypeOf(const JsonValue &v) {
    switch (v.enKind) {
        case JsonKind::kNull: return model::kNull;
        case JsonKind::kBool: return model::kBool;
        case JsonKind::kInt: return model::kInt;
        case JsonKind::kDouble: return model::kDouble;
        case JsonKind::kString: return model::kString;
        case JsonKind::kArray: return model::kArray;
        case JsonKind::kObject: return model::kObject;
    }
    return model::kNull;
}

long long DeviceInt(const JsonValue &v) {
    long long ll = 0;
    switch (v.enKind) {
        case JsonKind::kBool: return v.bVal ? 1 : 0;
        case JsonKind::kInt: ll = v.llVal; break;
        case JsonKind::kDouble:
            ll = v.dVal >= static_cast<double>(INT_MAX) ? INT_MAX : v.dVal <= static_cast<double>(INT_MIN) ? INT_MIN
                                                                                                        : static_cast<long long>(v.dVal);
            break;
        case JsonKind::kString: ll = strtoll(v.strText.c_str(), nullptr, 10); break;
        default: return 0;
    }
    return std::clamp<long long>(ll, INT_MIN, INT_MAX);
}

bool DeviceBool(const JsonValue &v) {
    switch (v.enKind) {
        case JsonKind::kBool: return v.bVal;
        case JsonKind::kInt: return v.llVal != 0;
        case JsonKind::kDouble: return v.dVal != 0;
        case JsonKind::kString: return !v.strText.empty();
        default: return false;
    }
}

std::optional<std::string> DeviceText(const JsonValue &v) {
    switch (v.enKind) {
        case JsonKind::kNull: return std::nullopt;
        case JsonKind::kString: return v.strText;
        case JsonKind::kBool: return v.bVal ? "true" : "false";
        default: return v.Show(1u << 20);
    }
}

long long Narrow(long long ll, model::Range r) {
    if (r.Holds(ll)) return ll;
    const unsigned long long ullSpan = static_cast<unsigned long long>(r.llMax - r.llMin) + 1;
    if (r.llMin == INT_MIN && r.llMax == INT_MAX) return std::clamp<long long>(ll, INT_MIN, INT_MAX);
    unsigned long long u = static_cast<unsigned long long>(ll - r.llMin) % ullSpan;
    return r.llMin + static_cast<long long>(u);
}

std::string DefaultText(const model::Key &k) {
    const model::Default &d = k.stDefault;
    switch (d.eKind) {
        case model::Default::Kind::kNumber: {
            const model::Vocab *pVocab = model::VocabOf(k.stValue);
            const char *pcWord = pVocab != nullptr ? pVocab->Word(d.llValue) : nullptr;
            return pcWord != nullptr ? pcWord : std::to_string(d.llValue);
        }
        case model::Default::Kind::kEmptyText: return "an empty text";
        case model::Default::Kind::kOther: return d.pcText;
        case model::Default::Kind::kNone: break;
    }
    return "nothing";
}

namespace {

// The walk over one file.
class Walk {
public:
    Walk(const CapFile &file, FileContext stContext, FindingSink &sink)
        : m_file(file), m_stContext(stContext), m_sink(sink) {}

    void Top() {
        const model::FileModel &fm = model::File(m_file.enKind);
        const JsonValue &root = m_file.json.root;
        Place p{&m_file, "", fm.pcKind, root.stPos};
        if (!root.Is(JsonKind::kObject)) {
            const bool bFails = m_file.enKind == FileKind::kIndex || m_file.enKind == FileKind::kBoard;
            p.Add(m_sink, check::kWrongType,
                  std::string("the ") + fm.pcKind + " file holds " + (root.Is(JsonKind::kArray) ? "an " : "a ") +
                      lint::KindName(root.enKind) + "; the device reads an object (" +
                      (bFails ? "start-up fails on anything else)" : "it reads nothing from anything else)"))
                .bKeyless = true;
            return;
        }
        Object(p, *fm.pTop, root);
    }

private:
    void Object(const Place &p, const model::Object &o, const JsonValue &v) {
        for (const JsonMember &m : v.members) Member(p, o, v, m);
        CheckPresentKeys(p, o, v, m_sink);
    }

    void Member(const Place &parent, const model::Object &o, const JsonValue &owner, const JsonMember &m) {
        Place p{&m_file, JoinKey(parent.strKeyPath, m.strKey), m.strKey, m.stKeyPos};
        const model::Key *pKey = model::FindKey(o, m.strKey);
        if (pKey == nullptr) {
            CheckUnknownKey(p, o, m.value, m_sink);
            return;
        }
        if (m.strKey == "LedInfo" && m_file.enKind == FileKind::kBoard && !m_stContext.bBoardLedInfoRead) {
            p.Add(m_sink, check::kNotRead,
                  "the board file's \"LedInfo\" is not read in this product: its index gives a \"LedNum\"");
            return;
        }
        const model::Value *pForm = model::FormFor(*pKey, TypeOf(m.value));
        if (pForm == nullptr) {
            CheckKeyType(p, *pKey, m.value, o.bByKeyAlone, m_sink);
            if (!o.bByKeyAlone) return;
            pForm = &pKey->stValue;
        }
        Value(p, *pForm, m.value, &owner);
    }

    void Value(const Place &p, const model::Value &form, const JsonValue &v, const JsonValue *pOwner) {
        if (TypeOf(v) != form.eJson) return;  // a value taken whatever its type, already reported
        switch (form.eForm) {
            case model::Form::kFlag:
            case model::Form::kDecimal: break;
            case model::Form::kNumber: CheckNumber(p, form, v, m_sink); break;
            case model::Form::kText: CheckTextLength(p, form, v, m_sink); break;
            case model::Form::kWord:
                CheckTextLength(p, form, v, m_sink);
                CheckWord(p, form, v, m_sink);
                break;
            case model::Form::kNumberWord: CheckNumberWord(p, form, v, m_sink); break;
            case model::Form::kSlots:
                CheckArrayLength(p, form, v, m_sink);
                for (size_t i = 0; i < v.items.size() && i < form.uiCap; ++i) Element(p, form, *form.pElem, v, i);
                break;
            case model::Form::kTuple:
                CheckArrayLength(p, form, v, m_sink);
                CheckPositions(p, form, v, m_sink);
                for (size_t i = 0; i < v.items.size() && i < form.uiTuple; ++i)
                    Element(p, form, form.pTuple[i], v, i);
                if (form.uiJoined > 0) CheckJoinedLength(p, form, v, pOwner, m_sink);
                break;
            case model::Form::kObject: Object(p, *form.pObject, v); break;
            case model::Form::kObjects:
                for (size_t i = 0; i < v.items.size() && i < form.uiCap; ++i) {
                    const JsonValue &e = v.items[i];
                    Place pe = ElementPlace(p, v, i);
                    if (e.Is(JsonKind::kObject)) Object(pe, *form.pObject, e);
                    else CheckElementType(pe, form, ObjectElement(form), e, m_sink);
                }
                break;
        }
    }

    static model::Value ObjectElement(const model::Value &array) {
        return model::Value{.eJson = model::kObject, .eForm = model::Form::kObject, .pObject = array.pObject};
    }

    Place ElementPlace(const Place &p, const JsonValue &array, size_t i) const {
        return Place{&m_file, JoinIndex(p.strKeyPath, i), p.strKey, array.items[i].stPos, true};
    }

    void Element(const Place &p, const model::Value &array, const model::Value &elem, const JsonValue &v, size_t i) {
        const Place pe = ElementPlace(p, v, i);
        const JsonValue &e = v.items[i];
        if (TypeOf(e) == elem.eJson) {
            Value(pe, elem, e, &v);
            return;
        }
        if (std::optional<JsonValue> read = CheckElementType(pe, array, elem, e, m_sink)) Value(pe, elem, *read, &v);
    }

    const CapFile &m_file;
    FileContext m_stContext;
    FindingSink &m_sink;
};

}  // namespace

void CheckAgainstModel(const CapFile &file, FileContext stContext, FindingSink &sink) {
    if (!file.bExists || !file.json.bDeviceReads) return;
    Walk(file, stContext, sink).Top();
}

}  // namespace devcap_tool::lint
