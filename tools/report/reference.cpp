// The file-format reference, built from the model.
#include "report/reference.h"

#include <string.h>

#include <set>

#include "model/judge.h"
#include "model/model.h"
#include "report/schema.h"

namespace devcap_tool {

namespace {

using namespace model;

// The smallest file of each kind that start-up reads without a finding.
const char *MinimalFile(FileKind eKind) {
    switch (eKind) {
        case FileKind::kIndex:
            return "{\n  \"board\": \"bullet-hi3516dv300\",\n"
                   "  \"ISP_INFO\": [{\"sensor\": \"imx335\", \"lens\": \"yt30021\"}]\n}";
        case FileKind::kBoard: return "{\n  \"CameraType\": \"Bullet\",\n  \"RamSize\": 1024\n}";
        case FileKind::kSensor: return "{\n  \"SensorMode\": \"1080pl\"\n}";
        case FileKind::kLens: return "{\n  \"FovAngle\": 92.5\n}";
        case FileKind::kPatch: return "{}";
    }
    return "{}";
}

std::string Code(const std::string &s) { return "`" + s + "`"; }

// A table cell: no line breaks, pipes escaped.
std::string Cell(std::string s) {
    std::string r;
    for (char c : s) r += c == '|' ? std::string("\\|") : std::string(1, c);
    return r;
}

std::string WordsText(const Vocab &v) {
    std::string r;
    for (const Entry &w : v.Words()) {
        if (!r.empty()) r += ' ';
        r += Code(w.strText);
    }
    return r;
}

std::string TypeText(const Value &v) {
    switch (v.eForm) {
        case Form::kFlag: return "boolean";
        case Form::kNumber:
        case Form::kNumberWord: return "integer";
        case Form::kDecimal: return "number with a fraction";
        case Form::kText:
        case Form::kWord: return "text";
        case Form::kObject: return "object";
        case Form::kObjects: return "array of objects";
        case Form::kSlots: {
            const std::string strElem = TypeText(*v.pElem);
            if (v.pElem->eForm == Form::kSlots) return "array of arrays" + strElem.substr(strlen("array"));
            return "array of " + strElem + (v.pElem->eForm == Form::kTuple ? "" : "s");
        }
        case Form::kTuple: {
            if (v.uiJoined > 0) return "[text, text]";
            std::string r = "[";
            for (unsigned i = 0; i < v.uiTuple; ++i) {
                if (i > 0) r += ", ";
                const bool bOptional = i >= v.uiTupleMin;
                if (bOptional) r += '(';
                r += TypeText(v.pTuple[i]);
                if (bOptional) r += ')';
            }
            return r + "]";
        }
    }
    return "";
}

std::string CapacityText(const Value &v) {
    switch (v.eForm) {
        case Form::kText: return "≤ " + std::to_string(v.uiCap) + " characters";
        case Form::kWord: return v.stText.Valid() ? "≤ " + std::to_string(v.uiCap) + " characters" : "";
        case Form::kObjects:
        case Form::kSlots: {
            std::string r = "≤ " + std::to_string(v.uiCap);
            if (v.pElem != nullptr && (v.pElem->eForm == Form::kText || v.pElem->eForm == Form::kSlots))
                r += ", each " + CapacityText(*v.pElem);
            return r;
        }
        case Form::kTuple:
            if (v.uiJoined > 0) return "≤ " + std::to_string(v.uiJoined) + " characters joined";
            if (v.uiTupleMin == v.uiTuple) return std::to_string(v.uiTuple) + " elements";
            return (v.uiTupleMin == 0 ? "up to " : std::to_string(v.uiTupleMin) + " to ") + std::to_string(v.uiTuple) +
                   " elements";
        default: return "";
    }
}

std::string ValuesText(const Value &v) {
    const Value *p = &v;
    while (p->pElem != nullptr) p = p->pElem;
    if (p->eForm == Form::kTuple) p = &p->pTuple[0];
    if (v.eForm == Form::kTuple && v.uiTuple > 1 && v.pTuple[1].pVocab != nullptr &&
        v.pTuple[1].pVocab != v.pTuple[0].pVocab) {
        std::string r;
        for (unsigned i = 0; i < v.uiTuple; ++i) {
            if (i > 0) r += "; ";
            r += std::to_string(i + 1);
            r += ": ";
            r += WordsText(*v.pTuple[i].pVocab);
        }
        return r;
    }
    if (p->pVocab != nullptr) {
        std::string r = WordsText(*p->pVocab);
        if (p->pVocab->pcUnit != nullptr) r += " (" + std::string(p->pVocab->pcUnit) + ")";
        return r;
    }
    if (p->eForm == Form::kNumber) {
        if (p->stRange.llMin == RangeOfType<int>().llMin && p->stRange.llMax == RangeOfType<int>().llMax)
            return "32-bit signed";
        return std::to_string(p->stRange.llMin) + " to " + std::to_string(p->stRange.llMax);
    }
    return "";
}

std::string DefaultText(const Key &k) {
    const Default &d = k.stDefault;
    switch (d.eKind) {
        case Default::Kind::kNone: return "";
        case Default::Kind::kEmptyText: return "empty";
        case Default::Kind::kOther: return d.pcText;
        case Default::Kind::kNumber: break;
    }
    const Vocab *pVocab = VocabOf(k.stValue);
    if (k.stValue.eForm == Form::kFlag) return d.llValue != 0 ? "true" : "false";
    std::string r;
    if (pVocab != nullptr) {
        const char *pcWord = pVocab->Word(d.llValue);
        r = pcWord != nullptr ? std::string(pcWord) + " (" + std::to_string(d.llValue) + ")" : std::to_string(d.llValue);
    } else {
        r = std::to_string(d.llValue);
    }
    if (k.stValue.eForm == Form::kSlots || k.stValue.eForm == Form::kTuple) r += " each";
    return r;
}

const char *NeedText(Need e) {
    switch (e) {
        case Need::kOptional: return "";
        case Need::kForStartup: return "yes: start-up stops without it";
        case Need::kForValidAnswer: return "yes: the device answers invalid without it";
        case Need::kLoggedIfAbsent: return "yes: the library logs an error without it";
    }
    return "";
}

std::string ObjectSection(const Object &o, const std::string &strTitle) {
    std::string r = "### " + strTitle + "\n\n" + o.pcDoc + "\n\n";
    if (o.pShared != nullptr)
        r += "Also valid here: the keys of " + std::string(o.pShared->pcName) + " (below the table).\n\n";
    r += "| Key | Type | Capacity | Words or range | Default | Required | Meaning |\n"
         "|---|---|---|---|---|---|---|\n";
    for (size_t i = 0; i < o.ulKeys; ++i) {
        const Key &k = o.pKeys[i];
        for (const Value *v : Forms(k)) {
            const bool bFirst = v == &k.stValue;
            r += "| " + Code(std::string("\"") + k.pcName + "\"") + " | " + Cell(TypeText(*v)) + " | " +
                 Cell(CapacityText(*v)) + " | " + Cell(ValuesText(*v)) + " | " +
                 (bFirst ? Cell(DefaultText(k)) : "") + " | " + (bFirst ? NeedText(k.eNeed) : "") + " | " +
                 (bFirst ? Cell(k.pcDoc) : "") + " |\n";
        }
    }
    return r + "\n";
}

// The objects under an object, each once, in key order.
void Collect(const Object &o, std::vector<const Object *> &out, std::set<const Object *> &seen) {
    if (o.pShared != nullptr && seen.insert(o.pShared).second) out.push_back(o.pShared);
    for (const Key *k : Keys(o))
        for (const Value *v : Forms(*k))
            if (v->pObject != nullptr && seen.insert(v->pObject).second) {
                out.push_back(v->pObject);
                Collect(*v->pObject, out, seen);
            }
}

std::string LensTable() {
    std::string r = "Lens types and what they can do (from the lens type, not from the lens file):\n\n"
                    "| Lens word | LensType | Focus |\n|---|---|---|\n";
    for (const Entry &w : kLensType.Words())
        r += "| " + Code(w.strText) + " | " + std::to_string(w.uiMember) + " | " + FocusKindOf(w.uiMember) + " |\n";
    return r + "\n";
}

}  // namespace

std::string ReferenceText() {
    std::string r =
        "# Capability file reference\n\n"
        "Generated by `devcap schema --reference` from the model the tool checks with "
        "(`tools/model/`); do not edit by hand. The JSON Schemas in `schemas/` come from the "
        "same model. The general rules (JSON types, cutting, words) are in the README's "
        "\"Writing capability files\".\n\n"
        "Capacities are what the device keeps: a longer text is cut, further array elements are "
        "dropped. A range is what the field holds; a number outside it is narrowed. A word outside "
        "its list gives the enumeration's invalid member unless the table says otherwise.\n\n";
    for (const FileModel &f : Files()) {
        r += "## " + std::string(f.pcFile) + "\n\n" + Code(std::string(f.pcWhere) + f.pcFile) + ": " +
             f.pcDoc + " Schema: " + Code("schemas/" + SchemaFileName(f)) + ".\n\n";
        r += "Minimal file:\n\n```json\n" + std::string(MinimalFile(f.eKind)) + "\n```\n\n";
        r += ObjectSection(*f.pTop, "Top level");
        std::vector<const Object *> inner;
        std::set<const Object *> seen;
        Collect(*f.pTop, inner, seen);
        for (const Object *o : inner) {
            if (o == &LedInfo() && f.eKind != FileKind::kIndex) {
                r += "### LedInfo\n\nThe same object as in hardwareindex.json.\n\n";
                continue;
            }
            r += ObjectSection(*o, o->pcName);
        }
        if (f.eKind == FileKind::kLens) r += LensTable();
    }
    return r;
}

}  // namespace devcap_tool
