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
// A key path and a key (or an index) below it, joined by '/':
// "Uart/Uart485", "Uart/Uart485/DeviceNode/0".
std::string JoinPath(const std::string &strPath, std::string_view strKey);
void AppendPath(std::string &strPath, std::string_view strKey);

// What Judge::File lists besides every value not taken as written and every
// key the library needs that an object lacks.
struct Listing {
    // Values taken as written: those whose form this accepts; null: all.
    bool (*pfnTaken)(const Value &) = nullptr;
    // The optional keys an object leaves out (kAbsent).
    bool bAbsent = false;
};

// The judgements of the values of a file, in file order; the keys an object
// lacks follow its members.
template <typename A>
class Judge {
public:
    using Node = typename A::Node;
    using Out = std::vector<Judgement<Node>>;

    static Out File(const FileModel &stFile, const Node &root, Listing stListing = {}) {
        Judge j(stListing);
        if (A::Type(root) == kObject) j.ObjectIn(*stFile.pTop, root);
        return std::move(j.m_out);
    }

private:
    explicit Judge(Listing stListing) : m_stListing(stListing) {}

    // The key path of the value judged, one step longer while a member or
    // an element is judged.
    class Step {
    public:
        Step(std::string &strPath, std::string_view strKey) : m_strPath(strPath), m_ulLen(strPath.size()) {
            AppendPath(strPath, strKey);
        }
        Step(std::string &strPath, size_t ulIndex) : Step(strPath, std::to_string(ulIndex)) {}
        ~Step() { m_strPath.resize(m_ulLen); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        std::string &m_strPath;
        size_t m_ulLen;
    };

    void ObjectIn(const Object &o, const Node &n) {
        A::Members(n, [&](std::string_view strKey, const Node &v) {
            Step step(m_strPath, strKey);
            KeyIn(o, strKey, v);
        });
        FirstKey(o, [&](const Key &k) {
            if (!IsRequired(k) && !m_stListing.bAbsent) return false;
            bool bGiven = false;
            A::Members(n, [&](std::string_view strKey, const Node &) { bGiven = bGiven || strKey == k.pcName; });
            if (bGiven) return false;
            Step step(m_strPath, k.pcName);
            Put(Verdict::kMissing, IsRequired(k) ? Reason::kMissingKey : Reason::kAbsent, &k, &k.stValue, nullptr,
                "absent", Expected(k.stValue), {}, k.eNeed == Need::kLoggedIfAbsent);
            return false;
        });
    }

    void KeyIn(const Object &o, std::string_view strKey, const Node &v) {
        const JsonType eType = A::Type(v);
        const Key *k = FindKey(o, strKey);
        const bool bLogged = (o.stUnknown.uiLogged & eType) != 0 &&
                             !((o.stUnknown.uiPerElement & eType) != 0 && A::Size(v) == 0);
        if (k == nullptr) {
            Put(Verdict::kIgnored, Reason::kUnknownKey, nullptr, nullptr, &v, JsonTypeName(eType), "",
                Suggest(o, strKey), bLogged && !o.bLookup);
            return;
        }
        const Value *f = FormFor(*k, eType);
        if (f == nullptr) {
            const bool bConverted = o.bByKeyAlone && k->stValue.eMismatch == Mismatch::kConverted;
            Put(bConverted ? Verdict::kChanged : Verdict::kIgnored,
                bConverted ? Reason::kConverted : Reason::kWrongType, k, &k->stValue, &v, JsonTypeName(eType),
                ExpectedOf(*k), {},
                (bLogged && !o.bByKeyAlone && !o.bLookup) || (o.stUnknown.uiKnownLogged & eType) != 0);
            return;
        }
        ValueIn(*k, *f, v);
    }

    // A judgement at the path judged, unless it is of a value taken as
    // written that the listing leaves out.
    void Put(Verdict e, Reason r, const Key *k, const Value *f, const Node *v, std::string strFound,
             std::string strExpected, std::vector<std::string> sugg, bool bLogs) {
        if (e == Verdict::kTaken && m_stListing.pfnTaken != nullptr && !m_stListing.pfnTaken(*f)) return;
        m_out.push_back({m_strPath, e, r, k, f, v, std::move(strFound), std::move(strExpected), std::move(sugg),
                         bLogs});
    }
    // A judgement of a value; what the form expects is said only where the
    // value is not taken as written.
    void Add(Verdict e, Reason r, const Key &k, const Value &f, const Node &v, std::string strFound, bool bLogs,
             std::vector<std::string> sugg = {}) {
        Put(e, r, &k, &f, &v, std::move(strFound), e == Verdict::kTaken ? std::string() : Expected(f),
            std::move(sugg), bLogs);
    }
    void Taken(const Key &k, const Value &f, const Node &v) {
        Add(Verdict::kTaken, Reason::kAsWritten, k, f, v, "", false);
    }

    static std::string Quoted(std::string_view s) {
        std::string r;
        r.reserve(s.size() + 2);
        return r.append(1, '"').append(s).append(1, '"');
    }

    // A scalar of the form's own JSON type.
    void ScalarIn(const Key &k, const Value &f, const Node &v) {
        switch (f.eForm) {
            case Form::kNumber:
            case Form::kNumberWord: {
                const long long ll = A::Int(v);
                const long long llStored = Narrowed(f, ll);
                const bool bWord = f.eForm != Form::kNumberWord || f.pVocab->FindNumber(llStored) != nullptr;
                const bool bLogs = !bWord && f.pVocab->LogsUnknown();
                if (llStored != ll) {
                    Add(Verdict::kChanged, Reason::kNarrowed, k, f, v,
                        std::to_string(ll) + " (stored as " + std::to_string(llStored) + ")", bLogs);
                    return;
                }
                if (!bWord) {
                    Add(Verdict::kChanged, Reason::kInvalidWord, k, f, v, std::to_string(ll), bLogs);
                    return;
                }
                break;
            }
            case Form::kText:
                if (A::Text(v).size() > f.uiCap) {
                    Add(Verdict::kChanged, Reason::kCut, k, f, v, std::to_string(A::Text(v).size()) + " characters",
                        true);
                    return;
                }
                break;
            case Form::kWord: {
                const std::string_view s = A::Text(v);
                const bool bCut = f.stText.Valid() && s.size() > f.uiCap;
                if (f.pVocab->Find(s) == nullptr) {
                    const bool bKept = !f.pVocab->Unknown().has_value();
                    Add(bKept ? Verdict::kIgnored : Verdict::kChanged,
                        bKept ? Reason::kKeptPrevious : Reason::kInvalidWord, k, f, v, Quoted(s),
                        f.pVocab->LogsUnknown() || bCut, SuggestWord(*f.pVocab, s));
                    return;
                }
                if (bCut) {
                    Add(Verdict::kChanged, Reason::kCut, k, f, v, std::to_string(s.size()) + " characters", true);
                    return;
                }
                break;
            }
            default: break;
        }
        Taken(k, f, v);
    }

    // An element or position of an array: its form or a conversion.
    void ElementIn(const Key &k, const Value &arr, const Value &e, const Node &v, size_t ulIndex) {
        Step step(m_strPath, ulIndex);
        const JsonType eType = A::Type(v);
        if (eType == e.eJson) {
            ValueIn(k, e, v);
            return;
        }
        if (arr.eMismatch == Mismatch::kConverted) {
            Add(Verdict::kChanged, Reason::kConverted, k, e, v, JsonTypeName(eType),
                e.eForm == Form::kWord && e.pVocab->LogsUnknown());
            return;
        }
        Add(Verdict::kIgnored, Reason::kWrongType, k, e, v, JsonTypeName(eType), arr.eMismatch == Mismatch::kWarned);
    }

    void ValueIn(const Key &k, const Value &f, const Node &v) {
        switch (f.eForm) {
            case Form::kObject: ObjectIn(*f.pObject, v); return;
            case Form::kObjects: {
                const size_t n = A::Size(v);
                if (n > f.uiCap)
                    Add(Verdict::kIgnored, Reason::kFailsStartup, k, f, v, std::to_string(n) + " entries", false);
                for (size_t i = 0; i < n && i < f.uiCap; ++i) {
                    const Node &e = A::At(v, i);
                    Step step(m_strPath, i);
                    if (A::Type(e) == kObject)
                        ObjectIn(*f.pObject, e);
                    else
                        Add(Verdict::kIgnored, Reason::kWrongType, k, f, e, JsonTypeName(A::Type(e)),
                            A::Type(e) == kNull);
                }
                return;
            }
            case Form::kSlots: {
                const size_t n = A::Size(v);
                if (n > f.uiCap)
                    Add(Verdict::kChanged, Reason::kElementsDropped, k, f, v, std::to_string(n) + " elements",
                        f.eExcess == Excess::kWarnDropped);
                for (size_t i = 0; i < n && i < f.uiCap; ++i) ElementIn(k, f, *f.pElem, A::At(v, i), i);
                if (n <= f.uiCap) Taken(k, f, v);
                return;
            }
            case Form::kTuple: TupleIn(k, f, v); return;
            default: ScalarIn(k, f, v); return;
        }
    }

    void TupleIn(const Key &k, const Value &f, const Node &v) {
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
                Add(Verdict::kIgnored, Reason::kNotTaken, k, f, v, "not two texts", false);
            else if (ulLen > f.uiJoined)
                Add(Verdict::kIgnored, Reason::kNotTaken, k, f, v, std::to_string(ulLen) + " characters joined",
                    false);
            else if (n > f.uiTuple)
                Add(Verdict::kChanged, Reason::kElementsDropped, k, f, v, std::to_string(n) + " elements", false);
            else
                Taken(k, f, v);
            return;
        }
        size_t ulRead = n < f.uiTuple ? n : f.uiTuple;
        if (n > f.uiTuple) {
            Add(Verdict::kChanged, Reason::kElementsDropped, k, f, v, std::to_string(n) + " elements", false);
            if (f.eExcess == Excess::kOptionalDropped) ulRead = f.uiTupleMin;
        } else if (n < f.uiTupleMin) {
            // A missing word is no text: the matcher logs it and gives its invalid member.
            Add(Verdict::kChanged, Reason::kElementsMissing, k, f, v, std::to_string(n) + " elements",
                f.pTuple[0].eForm == Form::kWord);
        } else {
            Taken(k, f, v);
        }
        for (size_t i = 0; i < ulRead; ++i) ElementIn(k, f, f.pTuple[i], A::At(v, i), i);
    }

    static std::string ExpectedOf(const Key &k) {
        std::string r;
        for (const Value *v : Forms(k)) {
            if (!r.empty()) r += ", or ";
            r += Expected(*v);
        }
        return r;
    }

    const Listing m_stListing;
    std::string m_strPath;
    Out m_out;
};

}  // namespace devcap_tool::model
