// What the device makes of a capability file, value by value, as the model
// says: taken as written, taken with a change (cut, narrowed, an invalid
// word, elements dropped or converted), ignored, or missing; with what was
// found, what is expected and whether the library itself logs it.
//
// The walk reads the file through an adapter, so any JSON reader can drive it
// (json-c in the agreement test, a reader that knows positions in lint). An
// adapter A provides:
//   using Node = ...;
//   static JsonType Type(const Node &);          // as json-c would tell it
//   static long long Int(const Node &);          // an integer's value
//   static std::string_view Text(const Node &);  // a text's characters
//   static size_t Size(const Node &);            // an array's elements
//   static const Node &At(const Node &, size_t);
//   template <typename F> static void Members(const Node &, F f);  // f(key, value), file order
#pragma once

#include <stdint.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace devcap_tool::model {

enum class Verdict { kTaken, kChanged, kIgnored, kMissing };

enum class Reason {
    kAsWritten,       // taken as written
    kUnknownKey,      // no such key here (Judgement::suggestions has the close ones)
    kWrongType,       // a known key with a value of another JSON type
    kConverted,       // taken through json-c's conversion of another type
    kNarrowed,        // a number cut to the width of its field
    kCut,             // a text cut to its field
    kInvalidWord,     // no word of the vocabulary: the field gets its invalid (or other) member
    kKeptPrevious,    // no word of the vocabulary: the field keeps what it had
    kElementsDropped, // array elements beyond the capacity not read
    kElementsMissing, // fewer elements than positions: the missing ones read as nothing
    kNotTaken,        // the whole value is not taken (too long when joined, parts not texts)
    kFailsStartup,    // more entries than the record holds: start-up fails
    kMissingKey,      // a key the library needs is absent
    kAbsent,          // an optional key is absent: the field keeps its default
};

const char *VerdictName(Verdict e);  // "taken", "changed", "ignored", "missing"
const char *ReasonName(Reason e);    // "as-written", "unknown-key", ...

template <typename Node>
struct Judgement {
    std::string strPath;        // key path: "Uart/Uart485/DeviceNode/0"
    Verdict eVerdict;
    Reason eReason;
    const Key *pKey;            // null for an unknown key
    const Value *pValue;        // the form (or element, or position) judged; may be null
    const Node *pNode;          // the JSON value; null for a missing key
    std::string strFound;       // what the file says, shortly: "\"gpio\"", "12 characters"
    std::string strExpected;    // what the device takes there; empty for a value taken as written
    std::vector<std::string> suggestions;  // close keys or words
    bool bLibraryLogs;          // the library itself logs this while reading
};

// What a value of this form takes, for messages: "one of: None, Gpio, Mcu",
// "a text of at most 9 characters", "an integer from 0 to 255",
// "an array of at most 8 integers"...
std::string Expected(const Value &v);
// "key \"Uart485\" of \"Uart\"" style key path joined by '/'.
std::string JoinPath(const std::string &strPath, std::string_view strKey);

// The judgements of every value of a file, in file order; every value, also
// the ones taken as written. The keys an object lacks follow its members:
// those the library needs (kMissingKey) always, the optional ones (kAbsent)
// only when asked for with Absent::kJudged.
enum class Absent { kLeftOut, kJudged };

template <typename A>
class Judge {
public:
    using Node = typename A::Node;
    using Out = std::vector<Judgement<Node>>;

    static Out File(const FileModel &stFile, const Node &root, Absent eAbsent = Absent::kLeftOut) {
        Judge j(eAbsent);
        if (A::Type(root) == kObject) j.ObjectIn(*stFile.pTop, root, "");
        return std::move(j.m_out);
    }

private:
    explicit Judge(Absent eAbsent) : m_bAbsent(eAbsent == Absent::kJudged) {}

    void ObjectIn(const Object &o, const Node &n, const std::string &strAt) {
        std::vector<std::string_view> seen;
        A::Members(n, [&](std::string_view strKey, const Node &v) {
            seen.push_back(strKey);
            KeyIn(o, strKey, v, strAt);
        });
        FirstKey(o, [&](const Key &k) {
            if (!IsRequired(k) && !m_bAbsent) return false;
            for (std::string_view s : seen)
                if (s == k.pcName) return false;
            m_out.push_back({JoinPath(strAt, k.pcName), Verdict::kMissing,
                             IsRequired(k) ? Reason::kMissingKey : Reason::kAbsent, &k, &k.stValue, nullptr,
                             "absent", Expected(k.stValue), {}, k.eNeed == Need::kLoggedIfAbsent});
            return false;
        });
    }

    void KeyIn(const Object &o, std::string_view strKey, const Node &v, const std::string &strAt) {
        std::string strPath = JoinPath(strAt, strKey);
        const JsonType eType = A::Type(v);
        const Key *k = FindKey(o, strKey);
        const bool bLogged = (o.stUnknown.uiLogged & eType) != 0 &&
                             !((o.stUnknown.uiPerElement & eType) != 0 && A::Size(v) == 0);
        if (k == nullptr) {
            m_out.push_back({std::move(strPath), Verdict::kIgnored, Reason::kUnknownKey, nullptr, nullptr, &v,
                             JsonTypeName(eType), "", Suggest(o, strKey), bLogged && !o.bLookup});
            return;
        }
        const Value *f = FormFor(*k, eType);
        if (f == nullptr) {
            const bool bConverted = o.bByKeyAlone && k->stValue.eMismatch == Mismatch::kConverted;
            m_out.push_back({std::move(strPath), bConverted ? Verdict::kChanged : Verdict::kIgnored,
                             bConverted ? Reason::kConverted : Reason::kWrongType, k, &k->stValue, &v,
                             JsonTypeName(eType), ExpectedOf(*k), {},
                             (bLogged && !o.bByKeyAlone && !o.bLookup) ||
                                 (o.stUnknown.uiKnownLogged & eType) != 0});
            return;
        }
        ValueIn(*k, *f, v, std::move(strPath));
    }

    // A judgement of a value; what the form expects is said only where the
    // value is not taken as written. (Paths are handed on by value and moved
    // where they are used last.)
    void Add(std::string strPath, Verdict e, Reason r, const Key &k, const Value &f, const Node &v,
             std::string strFound, bool bLogs, std::vector<std::string> sugg = {}) {
        m_out.push_back({std::move(strPath), e, r, &k, &f, &v, std::move(strFound),
                         e == Verdict::kTaken ? std::string() : Expected(f), std::move(sugg), bLogs});
    }
    void Taken(std::string strPath, const Key &k, const Value &f, const Node &v) {
        Add(std::move(strPath), Verdict::kTaken, Reason::kAsWritten, k, f, v, "", false);
    }

    static std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

    // A scalar of the form's own JSON type.
    void ScalarIn(const Key &k, const Value &f, const Node &v, std::string strPath) {
        switch (f.eForm) {
            case Form::kNumber:
            case Form::kNumberWord: {
                const long long ll = A::Int(v);
                const long long llStored = Narrowed(f, ll);
                const bool bWord = f.eForm != Form::kNumberWord || f.pVocab->FindNumber(llStored) != nullptr;
                const bool bLogs = !bWord && f.pVocab->LogsUnknown();
                if (llStored != ll) {
                    Add(std::move(strPath), Verdict::kChanged, Reason::kNarrowed, k, f, v,
                        std::to_string(ll) + " (stored as " + std::to_string(llStored) + ")", bLogs);
                    return;
                }
                if (!bWord) {
                    Add(std::move(strPath), Verdict::kChanged, Reason::kInvalidWord, k, f, v, std::to_string(ll),
                        bLogs);
                    return;
                }
                break;
            }
            case Form::kText:
                if (A::Text(v).size() > f.uiCap) {
                    Add(std::move(strPath), Verdict::kChanged, Reason::kCut, k, f, v,
                        std::to_string(A::Text(v).size()) + " characters", true);
                    return;
                }
                break;
            case Form::kWord: {
                const std::string_view s = A::Text(v);
                const bool bCut = f.stText.Valid() && s.size() > f.uiCap;
                if (f.pVocab->Find(s) == nullptr) {
                    const bool bKept = !f.pVocab->Unknown().has_value();
                    Add(std::move(strPath), bKept ? Verdict::kIgnored : Verdict::kChanged,
                        bKept ? Reason::kKeptPrevious : Reason::kInvalidWord, k, f, v, Quoted(s),
                        f.pVocab->LogsUnknown() || bCut, SuggestWord(*f.pVocab, s));
                    return;
                }
                if (bCut) {
                    Add(std::move(strPath), Verdict::kChanged, Reason::kCut, k, f, v,
                        std::to_string(s.size()) + " characters", true);
                    return;
                }
                break;
            }
            default: break;
        }
        Taken(std::move(strPath), k, f, v);
    }

    // An element or position of an array: its form or a conversion.
    void ElementIn(const Key &k, const Value &arr, const Value &e, const Node &v, std::string strPath) {
        const JsonType eType = A::Type(v);
        if (eType == e.eJson) {
            ValueIn(k, e, v, std::move(strPath));
            return;
        }
        if (arr.eMismatch == Mismatch::kConverted) {
            Add(std::move(strPath), Verdict::kChanged, Reason::kConverted, k, e, v, JsonTypeName(eType),
                e.eForm == Form::kWord && e.pVocab->LogsUnknown());
            return;
        }
        Add(std::move(strPath), Verdict::kIgnored, Reason::kWrongType, k, e, v, JsonTypeName(eType),
            arr.eMismatch == Mismatch::kWarned);
    }

    void ValueIn(const Key &k, const Value &f, const Node &v, std::string strPath) {
        switch (f.eForm) {
            case Form::kObject: ObjectIn(*f.pObject, v, strPath); return;
            case Form::kObjects: {
                const size_t n = A::Size(v);
                if (n > f.uiCap)
                    Add(strPath, Verdict::kIgnored, Reason::kFailsStartup, k, f, v, std::to_string(n) + " entries",
                        false);
                for (size_t i = 0; i < n && i < f.uiCap; ++i) {
                    const Node &e = A::At(v, i);
                    const std::string strAt = JoinPath(strPath, std::to_string(i));
                    if (A::Type(e) == kObject)
                        ObjectIn(*f.pObject, e, strAt);
                    else
                        Add(strAt, Verdict::kIgnored, Reason::kWrongType, k, f, e, JsonTypeName(A::Type(e)),
                            A::Type(e) == kNull);
                }
                return;
            }
            case Form::kSlots: {
                const size_t n = A::Size(v);
                if (n > f.uiCap)
                    Add(strPath, Verdict::kChanged, Reason::kElementsDropped, k, f, v,
                        std::to_string(n) + " elements", f.eExcess == Excess::kWarnDropped);
                for (size_t i = 0; i < n && i < f.uiCap; ++i)
                    ElementIn(k, f, *f.pElem, A::At(v, i), JoinPath(strPath, std::to_string(i)));
                if (n <= f.uiCap) Taken(std::move(strPath), k, f, v);
                return;
            }
            case Form::kTuple: TupleIn(k, f, v, std::move(strPath)); return;
            default: ScalarIn(k, f, v, std::move(strPath)); return;
        }
    }

    void TupleIn(const Key &k, const Value &f, const Node &v, std::string strPath) {
        const size_t n = A::Size(v);
        if (f.uiJoined > 0) {
            // Texts joined "A/B/": all or nothing.
            size_t ulLen = f.uiTuple;
            bool bTexts = n >= f.uiTuple;
            for (size_t i = 0; bTexts && i < f.uiTuple; ++i) {
                bTexts = A::Type(A::At(v, i)) == kString;
                if (bTexts) ulLen += A::Text(A::At(v, i)).size();
            }
            if (!bTexts)
                Add(strPath, Verdict::kIgnored, Reason::kNotTaken, k, f, v, "not two texts", false);
            else if (ulLen > f.uiJoined)
                Add(strPath, Verdict::kIgnored, Reason::kNotTaken, k, f, v,
                    std::to_string(ulLen) + " characters joined", false);
            else if (n > f.uiTuple)
                Add(strPath, Verdict::kChanged, Reason::kElementsDropped, k, f, v, std::to_string(n) + " elements",
                    false);
            else
                Taken(strPath, k, f, v);
            return;
        }
        size_t ulRead = n < f.uiTuple ? n : f.uiTuple;
        if (n > f.uiTuple) {
            Add(strPath, Verdict::kChanged, Reason::kElementsDropped, k, f, v, std::to_string(n) + " elements",
                false);
            if (f.eExcess == Excess::kOptionalDropped) ulRead = f.uiTupleMin;
        } else if (n < f.uiTupleMin) {
            // A missing word is no text: the matcher logs it and gives its invalid member.
            Add(strPath, Verdict::kChanged, Reason::kElementsMissing, k, f, v, std::to_string(n) + " elements",
                f.pTuple[0].eForm == Form::kWord);
        } else {
            Taken(strPath, k, f, v);
        }
        for (size_t i = 0; i < ulRead; ++i)
            ElementIn(k, f, f.pTuple[i], A::At(v, i), JoinPath(strPath, std::to_string(i)));
    }

    static std::string ExpectedOf(const Key &k) {
        std::string r;
        for (const Value *v : Forms(k)) {
            if (!r.empty()) r += ", or ";
            r += Expected(*v);
        }
        return r;
    }

    const bool m_bAbsent;
    Out m_out;
};

}  // namespace devcap_tool::model
