// The model's judge over lint's tree, and what the device makes of a value
// through json-c's accessors.
#include "checks/model_walk.h"

#include <limits.h>
#include <stdlib.h>

#include <algorithm>
#include <unordered_map>

namespace devcap_tool::lint {

std::string Quoted(const std::string &s) { return "\"" + s + "\""; }

std::string Place::Name() const {
    if (!bElement) return Quoted(strKey);
    const std::string &strPath = KeyPath();
    const size_t ulSlash = strPath.rfind('/');
    return "element " + strPath.substr(ulSlash + 1) + " of " + Quoted(strPath.substr(0, ulSlash));
}

std::string Place::ParentName() const {
    const std::string &strPath = KeyPath();
    const size_t ulSlash = strPath.rfind('/');
    if (ulSlash == std::string::npos) return "the top level of the " + std::string(KindName(pFile->enKind)) + " file";
    const std::string strParent = strPath.substr(0, ulSlash);
    const size_t ulUp = strParent.rfind('/');
    const std::string strLast = strParent.substr(ulUp + 1);
    if (!strLast.empty() && strLast.find_first_not_of("0123456789") == std::string::npos)
        return "an " + Quoted(strParent.substr(0, ulUp)) + " entry";
    return Quoted(strParent);
}

Finding &Place::Add(FindingSink &sink, const char *pcCheck, std::string strMessage) const {
    Finding &f = sink.Add(pcCheck, pFile->strRel, stPos, KeyPath(), std::move(strMessage));
    f.tokens.push_back(strKey);
    if (Node() != nullptr && (Node()->Is(JsonKind::kString) || Node()->Is(JsonKind::kInt)))
        f.tokens.push_back(Node()->strText);
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
        case JsonKind::kDouble: return static_cast<long long>(std::clamp<double>(v.dVal, INT_MIN, INT_MAX));
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

namespace {

// A value as json-c writes it (json_object_to_json_string): "[ 1, 2 ]",
// "{ \"a\": 1 }", "[ ]".
std::string JsonCText(const JsonValue &v) {
    switch (v.enKind) {
        case JsonKind::kNull: return "null";
        case JsonKind::kBool: return v.bVal ? "true" : "false";
        case JsonKind::kInt: return std::to_string(v.llVal);
        case JsonKind::kDouble: return v.strText;
        case JsonKind::kString: {
            std::string s = "\"";
            for (char c : v.strText) s += c == '"' || c == '\\' ? std::string("\\") + c : c == '/' ? "\\/" : std::string(1, c);
            return s + "\"";
        }
        case JsonKind::kArray: {
            std::string s = "[";
            for (size_t i = 0; i < v.items.size(); ++i) s += (i > 0 ? ", " : " ") + JsonCText(v.items[i]);
            return s + " ]";
        }
        case JsonKind::kObject: {
            std::string s = "{";
            for (size_t i = 0; i < v.members.size(); ++i)
                s += (i > 0 ? ", \"" : " \"") + v.members[i].strKey + "\": " + JsonCText(v.members[i].value);
            return s + " }";
        }
    }
    return "";
}

}  // namespace

std::optional<std::string> DeviceText(const JsonValue &v) {
    switch (v.enKind) {
        case JsonKind::kNull: return std::nullopt;
        case JsonKind::kString: return v.strText;
        default: return JsonCText(v);
    }
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

// Lint's tree as the judge reads it.
struct LintNodes {
    using Node = JsonValue;
    static model::JsonType Type(const Node &n) { return TypeOf(n); }
    static long long Int(const Node &n) { return n.llVal; }
    static std::string_view Text(const Node &n) { return n.strText; }
    static size_t Size(const Node &n) { return n.items.size(); }
    static const Node &At(const Node &n, size_t i) { return n.items[i]; }
    template <typename F>
    static void Members(const Node &n, F f) {
        for (const JsonMember &m : n.members) f(m.strKey, m.value);
    }
};

bool IsIndex(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

// Where each judged value stands: members at their key, elements at
// themselves; a key not given at the key of the object that lacks it.
class Places {
public:
    explicit Places(const CapFile &file) : m_file(file) { Index(file.json.root, ""); }

    Place Of(const Judgement &j) const {
        Place p{&m_file, &j, "", m_file.json.root.stPos};
        // The key: the last segment of the path that is not an index.
        std::vector<std::string_view> segs;
        for (size_t ulFrom = 0; ulFrom <= j.strPath.size();) {
            const size_t ulSlash = std::min(j.strPath.find('/', ulFrom), j.strPath.size());
            segs.push_back(std::string_view(j.strPath).substr(ulFrom, ulSlash - ulFrom));
            ulFrom = ulSlash + 1;
        }
        p.bElement = IsIndex(segs.back());
        for (auto it = segs.rbegin(); it != segs.rend() && p.strKey.empty(); ++it)
            if (!IsIndex(*it)) p.strKey = *it;
        // A value at its own place; a key not given at its object's.
        std::string strAt = j.strPath;
        if (j.pNode == nullptr) strAt = strAt.substr(0, std::min(strAt.size(), strAt.rfind('/')));
        if (j.pNode == nullptr && strAt == j.strPath) strAt.clear();
        if (auto it = m_pos.find(strAt); it != m_pos.end()) p.stPos = it->second;
        return p;
    }

private:
    void Index(const JsonValue &v, const std::string &strPath) {
        for (const JsonMember &m : v.members) {
            const std::string strAt = model::JoinPath(strPath, m.strKey);
            m_pos.try_emplace(strAt, m.stKeyPos);
            Index(m.value, strAt);
        }
        for (size_t i = 0; i < v.items.size(); ++i) {
            const std::string strAt = model::JoinPath(strPath, std::to_string(i));
            m_pos.try_emplace(strAt, v.items[i].stPos);
            Index(v.items[i], strAt);
        }
    }

    const CapFile &m_file;
    std::unordered_map<std::string, Pos> m_pos;
};

void Report(const Place &p, FindingSink &sink) {
    using model::Reason;
    switch (p.pJudgement->eReason) {
        case Reason::kAsWritten: break;
        case Reason::kUnknownKey: ReportUnknownKey(p, sink); break;
        case Reason::kWrongType:
        case Reason::kConverted: ReportWrongType(p, sink); break;
        case Reason::kMissingKey:
        case Reason::kElementsMissing: ReportMissing(p, sink); break;
        case Reason::kInvalidWord:
        case Reason::kKeptPrevious: ReportWord(p, sink); break;
        case Reason::kNarrowed: ReportNarrowed(p, sink); break;
        case Reason::kCut: ReportCut(p, sink); break;
        case Reason::kNotTaken: ReportNotJoined(p, sink); break;
        case Reason::kElementsDropped: ReportDropped(p, sink); break;
        case Reason::kFailsStartup: break;  // isp-info-count's
        case Reason::kAbsent: ReportAbsent(p, sink); break;
    }
}

}  // namespace

void CheckAgainstModel(const CapFile &file, FileContext stContext, FindingSink &sink) {
    if (!file.bExists || !file.json.bDeviceReads) return;
    const model::FileModel &fm = model::File(file.enKind);
    const JsonValue &root = file.json.root;
    if (!root.Is(JsonKind::kObject)) {
        const bool bFails = file.enKind == FileKind::kIndex || file.enKind == FileKind::kBoard;
        sink.Add(check::kWrongType, file.strRel, root.stPos, "",
                 std::string("the ") + fm.pcKind + " file holds " + (root.Is(JsonKind::kArray) ? "an " : "a ") +
                     KindName(root.enKind) + "; the device reads an object (" +
                     (bFails ? "start-up fails on anything else)" : "it reads nothing from anything else)"))
            .bKeyless = true;
        return;
    }
    std::optional<Places> places;  // indexed at the first judgement to report
    const bool bSkipLedInfo = file.enKind == FileKind::kBoard && !stContext.bBoardLedInfoRead;
    for (const Judgement &j : file.judgements) {
        if (j.eVerdict == model::Verdict::kTaken) continue;
        if (bSkipLedInfo && j.eReason != model::Reason::kAbsent &&
            (j.strPath == "LedInfo" || j.strPath.rfind("LedInfo/", 0) == 0))
            continue;
        if (!places) places.emplace(file);
        Report(places->Of(j), sink);
    }
    if (const JsonMember *pLed = bSkipLedInfo ? root.FindMember("LedInfo") : nullptr)
        sink.Add(check::kNotRead, file.strRel, pLed->stKeyPos, "LedInfo",
                 "the board file's \"LedInfo\" is not read in this product: its index gives a \"LedNum\"");
}

void ReadCapFile(const std::string &strHostPath, bool bAbsentKeys, CapFile &file) {
    file.json = ReadJsonFile(strHostPath, &file.bExists);
    // Of the values taken as written only the GPIO lines: gpio-reuse's.
    const model::Listing stListing{.pfnTaken = [](const model::Value &v) { return v.bGpio; }, .bAbsent = bAbsentKeys};
    if (file.json.bDeviceReads && file.json.root.Is(JsonKind::kObject))
        file.judgements = model::Judge<LintNodes>::File(model::File(file.enKind), file.json.root, stListing);
}

}  // namespace devcap_tool::lint
