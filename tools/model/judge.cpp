// Texts of the judgements: names and what a form expects.
#include "model/judge.h"

namespace devcap_tool::model {

const char *VerdictName(Verdict e) {
    switch (e) {
        case Verdict::kTaken: return "taken";
        case Verdict::kChanged: return "changed";
        case Verdict::kIgnored: return "ignored";
        case Verdict::kMissing: return "missing";
    }
    return "?";
}

const char *ReasonName(Reason e) {
    switch (e) {
        case Reason::kAsWritten: return "as-written";
        case Reason::kUnknownKey: return "unknown-key";
        case Reason::kWrongType: return "wrong-type";
        case Reason::kConverted: return "converted";
        case Reason::kNarrowed: return "narrowed";
        case Reason::kCut: return "cut";
        case Reason::kInvalidWord: return "invalid-word";
        case Reason::kKeptPrevious: return "kept-previous";
        case Reason::kElementsDropped: return "elements-dropped";
        case Reason::kElementsMissing: return "elements-missing";
        case Reason::kNotTaken: return "not-taken";
        case Reason::kFailsStartup: return "fails-startup";
        case Reason::kMissingKey: return "missing-key";
        case Reason::kAbsent: return "absent";
    }
    return "?";
}

void AppendPath(std::string &strPath, std::string_view strKey) {
    if (!strPath.empty()) strPath += '/';
    strPath += strKey;
}

std::string JoinPath(const std::string &strPath, std::string_view strKey) {
    std::string r;
    r.reserve(strPath.size() + 1 + strKey.size());
    AppendPath(r.append(strPath), strKey);
    return r;
}

namespace {

std::string Plural(unsigned n, const char *pcOne, const char *pcMany) {
    return std::to_string(n) + " " + (n == 1 ? pcOne : pcMany);
}

std::string ElementsText(const Value &e) {
    switch (e.eForm) {
        case Form::kFlag: return "booleans";
        case Form::kNumber: return "integers";
        case Form::kWord: return "words";
        case Form::kText: return "texts";
        case Form::kSlots:
        case Form::kTuple: return "arrays";
        default: return "values";
    }
}

}  // namespace

std::string Expected(const Value &v) {
    switch (v.eForm) {
        case Form::kFlag: return "true or false";
        case Form::kNumber:
            return "an integer from " + std::to_string(v.stRange.llMin) + " to " + std::to_string(v.stRange.llMax);
        case Form::kNumberWord:
        case Form::kWord: {
            std::string r = "one of: " + v.pVocab->List();
            if (v.stText.Valid()) r += " (at most " + Plural(v.uiCap, "character", "characters") + ")";
            return r;
        }
        case Form::kDecimal: return "a number written with a fraction (90.0, not 90)";
        case Form::kText: return "a text of at most " + Plural(v.uiCap, "character", "characters");
        case Form::kObject: return std::string("an object (\"") + v.pObject->pcName + "\")";
        case Form::kObjects:
            return "an array of at most " + Plural(v.uiCap, "object", "objects");
        case Form::kSlots:
            return "an array of at most " + std::to_string(v.uiCap) + " " + ElementsText(*v.pElem) +
                   (v.pElem->eForm == Form::kWord ? " (" + v.pElem->pVocab->List() + ")" : "");
        case Form::kTuple:
            if (v.uiJoined > 0)
                return "[DIR, NAME], at most " + std::to_string(v.uiJoined) + " characters as DIR/NAME/";
            if (v.uiTupleMin == v.uiTuple)
                return "an array of exactly " + std::to_string(v.uiTuple) + " " + ElementsText(v.pTuple[0]);
            return "an array of " +
                   (v.uiTupleMin == 0 ? "up to " : std::to_string(v.uiTupleMin) + " to ") +
                   std::to_string(v.uiTuple) + " " + ElementsText(v.pTuple[0]);
    }
    return "";
}

}  // namespace devcap_tool::model
