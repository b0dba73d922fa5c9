// The model against the library: for every key of every object of every file
// kind, small files with a valid value, a value of another JSON type, a word
// outside the vocabulary, a text or array over its capacity and a number
// outside its field are run through the library's real start-up; the record it
// leaves and the messages it logs must be what the model's judgement says.
// And every key the library's parsers name is a key of the model.
#include <gtest/gtest.h>
#include <json-c/json.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "devcap.h"
#include "host.h"
#include "model/judge.h"
#include "model/model.h"
#include "platform/messages.h"
#include "support/judge_json_c.h"

namespace {

using namespace devcap_tool::model;
using JsonC = judge_json_c::JsonC;

using Judged = std::vector<Judgement<json_object>>;

// ------------------------------------------------------------- the library

struct Message {
    int iLevel;
    std::string strFn, strText;
    bool operator<(const Message &o) const {
        return std::tie(iLevel, strFn, strText) < std::tie(o.iLevel, o.strFn, o.strText);
    }
};

void Sink(int, int iLevel, const char *pcMsg, void *pUser) {
    // "[CAP][function][line] text"
    std::string s = pcMsg;
    size_t a = s.find("]["), b = s.find("][", a + 2), c = s.find("] ", b + 2);
    static_cast<std::vector<Message> *>(pUser)->push_back(
        {iLevel, s.substr(a + 2, b - a - 2), s.substr(c + 2)});
}

struct StartUp {
    DevCap stRecord;
    std::vector<Message> log;
};

class Tree {
public:
    Tree() {
        char acTemplate[] = "/tmp/devcap_model_agreement.XXXXXX";
        m_strRoot = mkdtemp(acTemplate);
        CAP_SetRootDir(m_strRoot.c_str());
        HOST_SetRootDir(m_strRoot.c_str());
        CAP_SetDeviceNameOverride("P");
        HOST_SetLogThreshold(7);
    }
    ~Tree() {
        HOST_SetLogSink(nullptr, nullptr);
        (void)!system(("rm -rf '" + m_strRoot + "'").c_str());
    }
    void Write(const std::string &strPath, const std::string &strText) {
        std::string strFull = m_strRoot + strPath;
        (void)!system(("mkdir -p '" + strFull.substr(0, strFull.rfind('/')) + "'").c_str());
        std::ofstream(strFull, std::ios::binary) << strText;
    }
    StartUp Start() {
        StartUp r;
        HOST_SetLogSink(&Sink, &r.log);
        CAP_CapInit();
        HOST_SetLogSink(nullptr, nullptr);
        r.stRecord = g_stDevCap;
        return r;
    }

private:
    std::string m_strRoot;
};

// The product "P" on board B1 with sensor imx327 and lens user; every file but
// the one under test is this.
const char kIndex[] = R"({"board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "user"}]})";

std::string DevPath(FileKind e) {
    switch (e) {
        case FileKind::kIndex: return "/usr/bin/P/hardwareindex.json";
        case FileKind::kBoard: return "/usr/bin/hardware/board/B1/cap_board.json";
        case FileKind::kSensor: return "/usr/bin/hardware/sensor/imx327/cap_sensor.json";
        case FileKind::kLens: return "/usr/bin/hardware/lens/user/cap_lens.json";
        case FileKind::kPatch: return "/usr/bin/P/cap_patch.json";
    }
    return "";
}

// --------------------------------------------------------- the prediction

size_t CellSize(const Field &f) {
    switch (f.eType) {
        case CType::kU8: return 1;
        case CType::kU16: return 2;
        case CType::kU32:
        case CType::kI32: return 4;
        case CType::kDouble: return 8;
        case CType::kChar: return f.uiCount;  // one text per row
        case CType::kI2c: return sizeof(I2cInfo);
        case CType::kLedRange: return sizeof(LedRange);
    }
    return 0;
}

// Writes the model predicts into a copy of the record.
class Shadow {
public:
    Shadow(DevCap &stRec, const Judged &judged) : m_p(reinterpret_cast<unsigned char *>(&stRec)) {
        for (const auto &j : judged)
            if (j.pNode != nullptr) m_byNode[j.pNode].push_back(&j);
    }

    void ObjectIn(const Object &o, const json_object &n, size_t ulShift, size_t ulIndex) {
        if (o.eReplace != Object::Replace::kNo)
            for (const Key *k : Keys(o)) Reset(*k, o.eReplace == Object::Replace::kWithDefaults, ulShift);
        JsonC::Members(n, [&](std::string_view strKey, const json_object &v) {
            MemberIn(o, strKey, v, ulShift, ulIndex);
        });
    }

    void MemberIn(const Object &o, std::string_view strKey, const json_object &v, size_t ulShift,
                  size_t ulIndex) {
        const Key *k = FindKey(o, strKey);
        if (k == nullptr) return;
        if (const Value *f = FormFor(*k, JsonC::Type(v))) {
            ValueIn(*f, v, ulShift, ulIndex);
        } else if (const auto *j = Leaf(v); j != nullptr && j->eReason == Reason::kConverted) {
            Put(k->stValue.stField, ulShift, ulIndex, json_object_get_boolean(JsonC::P(v)) ? 1 : 0);
        }
    }

    void ValueIn(const Value &v, const json_object &n, size_t ulShift, size_t ulIndex) {
        const size_t ulLen = JsonC::Size(n);
        switch (v.eForm) {
            case Form::kObject: ObjectIn(*v.pObject, n, ulShift, 0); return;
            case Form::kObjects:
                for (size_t i = 0; i < ulLen && i < v.uiCap; ++i)
                    if (JsonC::Type(JsonC::At(n, i)) == kObject) ObjectIn(*v.pObject, JsonC::At(n, i), ulShift, i);
                Count(v, ulLen);
                return;
            case Form::kSlots: {
                const Field &f = v.stField;
                const bool bPacked = v.uiCap > f.uiRows * f.uiCount;  // one byte per element
                for (size_t i = 0; i < ulLen && i < v.uiCap; ++i) {
                    const json_object &e = JsonC::At(n, i);
                    if (bPacked) {
                        const auto *j = Leaf(e);
                        if (j == nullptr || j->eVerdict == Verdict::kIgnored) continue;
                        const long long ll = Narrowed(*v.pElem, json_object_get_int(JsonC::P(e)));
                        *Cell<unsigned int>(f, ulShift, 0) |= static_cast<unsigned int>(ll) << (24 - 8 * i);
                    } else if (v.pElem->stField.ulOffset == f.ulOffset) {
                        const size_t ulStride = v.pElem->eForm == Form::kSlots ? v.pElem->stField.uiCount : 1;
                        ElementIn(v, *v.pElem, e, ulShift, ulIndex + i * ulStride);
                    } else {
                        ElementIn(v, *v.pElem, e, ulShift + i * CellSize(f), 0);
                    }
                }
                Count(v, ulLen);
                return;
            }
            case Form::kTuple: {
                if (v.uiJoined > 0) {
                    const auto *j = Leaf(n);
                    if (j == nullptr || j->eVerdict == Verdict::kIgnored) return;
                    std::string s;
                    for (unsigned i = 0; i < v.uiTuple; ++i) s += std::string(JsonC::Text(JsonC::At(n, i))) + "/";
                    Text(v.stField, ulShift, ulIndex, s);
                    return;
                }
                size_t ulRead = ulLen < v.uiTuple ? ulLen : v.uiTuple;
                if (ulLen > v.uiTuple && v.eExcess == Excess::kOptionalDropped) ulRead = v.uiTupleMin;
                for (size_t i = 0; i < ulRead; ++i)
                    ElementIn(v, v.pTuple[i], JsonC::At(n, i), ulShift, ulIndex + v.pTuple[i].ucSlot);
                return;
            }
            default: Scalar(v, n, ulShift, ulIndex); return;
        }
    }

private:
    const Judgement<json_object> *Leaf(const json_object &n) const {
        auto it = m_byNode.find(&n);
        return it == m_byNode.end() ? nullptr : it->second.back();
    }

    void ElementIn(const Value &arr, const Value &e, const json_object &n, size_t ulShift, size_t ulIndex) {
        if (JsonC::Type(n) == e.eJson) {
            ValueIn(e, n, ulShift, ulIndex);
        } else if (arr.eMismatch == Mismatch::kConverted) {
            // json-c's conversion of another type, as the library reads it.
            json_object *p = JsonC::P(n);
            switch (e.eForm) {
                case Form::kFlag: Put(e.stField, ulShift, ulIndex, json_object_get_boolean(p) ? 1 : 0); break;
                case Form::kNumber: Put(e.stField, ulShift, ulIndex, Narrowed(e, json_object_get_int(p))); break;
                case Form::kText: Text(e.stField, ulShift, ulIndex, json_object_get_string(p)); break;
                case Form::kWord: {
                    const Entry *w = e.pVocab->Find(json_object_get_string(p));
                    Put(e.stField, ulShift, ulIndex, w != nullptr ? w->uiMember : *e.pVocab->Unknown());
                    break;
                }
                default: break;
            }
        }
    }

    void Scalar(const Value &v, const json_object &n, size_t ulShift, size_t ulIndex) {
        const auto *j = Leaf(n);
        ASSERT_NE(j, nullptr) << "no judgement of a value the library reads";
        if (j->eVerdict == Verdict::kIgnored || j->eVerdict == Verdict::kMissing) return;
        json_object *p = JsonC::P(n);
        switch (v.eForm) {
            case Form::kFlag: Put(v.stField, ulShift, ulIndex, json_object_get_boolean(p) ? 1 : 0); break;
            case Form::kNumber: Put(v.stField, ulShift, ulIndex, Narrowed(v, JsonC::Int(n))); break;
            case Form::kNumberWord: {
                const Entry *w = v.pVocab->FindNumber(Narrowed(v, JsonC::Int(n)));
                Put(v.stField, ulShift, ulIndex, w != nullptr ? w->uiMember : *v.pVocab->Unknown());
                break;
            }
            case Form::kDecimal: *Cell<double>(v.stField, ulShift, ulIndex) = json_object_get_double(p); break;
            case Form::kText: Text(v.stField, ulShift, ulIndex, std::string(JsonC::Text(n))); break;
            case Form::kWord: {
                const Entry *w = v.pVocab->Find(JsonC::Text(n));
                Put(v.stField, ulShift, ulIndex, w != nullptr ? w->uiMember : *v.pVocab->Unknown());
                if (v.stText.Valid()) Text(v.stText, ulShift, ulIndex, std::string(JsonC::Text(n)));
                break;
            }
            default: break;
        }
    }

    void Count(const Value &v, size_t ulLen) {
        if (!v.stCount.Valid() || (ulLen == 0 && !v.bCountsEmpty)) return;
        Put(v.stCount, 0, 0, static_cast<long long>(ulLen));
        if (v.stCount2.Valid()) Put(v.stCount2, 0, 0, static_cast<long long>(ulLen));
    }

    // A key's fields as a given object that replaces them leaves them.
    void Reset(const Key &k, bool bDefaults, size_t ulShift) {
        const Field &f = k.stValue.stField;
        if (f.Valid()) {
            memset(m_p + f.ulOffset + ulShift, 0, CellSize(f) * (f.eType == CType::kChar ? f.uiRows : f.uiRows * f.uiCount));
            if (bDefaults && k.stDefault.eKind == Default::Kind::kNumber && f.eType != CType::kChar)
                for (size_t i = 0; i < f.uiRows * f.uiCount; ++i) Put(f, ulShift, i, k.stDefault.llValue);
        }
        if (k.stValue.stCount.Valid()) Put(k.stValue.stCount, 0, 0, 0);
    }

    template <typename T>
    T *Cell(const Field &f, size_t ulShift, size_t ulIndex) {
        return reinterpret_cast<T *>(m_p + f.ulOffset + ulShift + ulIndex * CellSize(f));
    }

    void Put(const Field &f, size_t ulShift, size_t ulIndex, long long ll) {
        switch (f.eType) {
            case CType::kU8: *Cell<unsigned char>(f, ulShift, ulIndex) = static_cast<unsigned char>(ll); break;
            case CType::kU16: *Cell<unsigned short>(f, ulShift, ulIndex) = static_cast<unsigned short>(ll); break;
            case CType::kU32: *Cell<unsigned int>(f, ulShift, ulIndex) = static_cast<unsigned int>(ll); break;
            case CType::kI32: *Cell<int>(f, ulShift, ulIndex) = static_cast<int>(ll); break;
            case CType::kI2c:
            case CType::kLedRange: memset(Cell<char>(f, ulShift, ulIndex), static_cast<int>(ll), CellSize(f)); break;
            default: ADD_FAILURE() << f.pcName << ": a number for a field of another kind";
        }
    }

    // The text-storing rule: at most size - 1 characters, zero-filled.
    void Text(const Field &f, size_t ulShift, size_t ulIndex, const std::string &s) {
        char *pc = Cell<char>(f, ulShift, ulIndex);
        memset(pc, 0, f.uiCount);
        memcpy(pc, s.data(), std::min<size_t>(s.size(), f.uiCount - 1));
    }

    unsigned char *m_p;
    std::map<const json_object *, std::vector<const Judgement<json_object> *>> m_byNode;
};

// ------------------------------------------------------------- the cases

// Where a key stands: its file and the objects above it ("#" for the first
// entry of an array of objects).
struct Place {
    const FileModel *pFile;
    std::vector<std::string> path;
};

std::string Text(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

// A word whose member is not the key's default, so that taking it shows.
json_object *WordOtherThan(const Vocab &v, long long llDefault) {
    for (const Entry &w : v.Words())
        if (w.uiMember != llDefault)
            return v.bNumbers ? json_object_new_int64(w.llNumber) : json_object_new_string(w.strText.c_str());
    return nullptr;
}

json_object *ValidValue(const Value &v, long long llDefault, unsigned uiIndex = 0) {
    switch (v.eForm) {
        case Form::kFlag: return json_object_new_boolean(llDefault == 0);
        case Form::kNumber: return json_object_new_int64(llDefault == 7 + uiIndex ? 8 + uiIndex : 7 + uiIndex);
        case Form::kDecimal: return json_object_new_double(92.5);
        case Form::kText: return json_object_new_string(Text(v.uiCap).c_str());
        case Form::kWord:
        case Form::kNumberWord: return WordOtherThan(*v.pVocab, llDefault);
        case Form::kSlots: {
            json_object *a = json_object_new_array();
            for (unsigned i = 0; i < v.uiCap; ++i) json_object_array_add(a, ValidValue(*v.pElem, llDefault, i));
            return a;
        }
        case Form::kTuple: {
            json_object *a = json_object_new_array();
            for (unsigned i = 0; i < v.uiTuple; ++i)
                json_object_array_add(a, v.uiJoined > 0 ? json_object_new_string(i == 0 ? "/dev" : "t0")
                                                        : ValidValue(v.pTuple[i], llDefault, i));
            return a;
        }
        default: return nullptr;
    }
}

// A value of another JSON type than every form of the key takes.
json_object *WrongType(const Key &k) {
    const JsonTypes t = TypesOf(k);
    if ((t & kString) == 0) return json_object_new_string("7");
    if ((t & kInt) == 0) return json_object_new_int(7);
    return json_object_new_boolean(1);
}

json_object *Over(const Value &v, long long llDefault) {
    switch (v.eForm) {
        case Form::kText:
        case Form::kWord: return v.uiCap > 0 ? json_object_new_string(Text(v.uiCap + 1).c_str()) : nullptr;
        case Form::kNumber:
        case Form::kNumberWord:
            return v.stRange.llMax < INT32_MAX ? json_object_new_int64(v.stRange.llMax + 1 + (v.pVocab ? 256 : 0))
                                               : nullptr;
        case Form::kSlots: {
            json_object *a = json_object_new_array();
            for (unsigned i = 0; i <= v.uiCap; ++i) json_object_array_add(a, ValidValue(*v.pElem, llDefault, i));
            return a;
        }
        case Form::kTuple: {
            json_object *a = ValidValue(v, llDefault);
            json_object_array_add(a, json_object_get(json_object_array_get_idx(a, v.uiTuple - 1)));
            return a;
        }
        case Form::kObjects: {
            json_object *a = json_object_new_array();
            for (unsigned i = 0; i <= v.uiCap; ++i) json_object_array_add(a, json_tokener_parse(R"({"sensor": "imx327", "lens": "user"})"));
            return a;
        }
        default: return nullptr;
    }
}

json_object *UnknownWord(const Value &v, long long llDefault) {
    if (v.eForm == Form::kWord) return json_object_new_string("nosuchword");
    if (v.eForm == Form::kNumberWord) return json_object_new_int(3);
    if (v.eForm == Form::kSlots && v.pElem->pVocab != nullptr) {
        json_object *a = ValidValue(v, llDefault);
        json_object_array_put_idx(a, 0, json_object_new_string("nosuchword"));
        return a;
    }
    if (v.eForm == Form::kTuple && v.pTuple[0].pVocab != nullptr) {
        json_object *a = ValidValue(v, llDefault);
        json_object_array_put_idx(a, 0, json_object_new_string("nosuchword"));
        return a;
    }
    return nullptr;
}

// The file with the key at its place: its value, or absent (null).
json_object *FileWith(const Place &p, const char *pcKey, json_object *pValue) {
    json_object *root = p.pFile->eKind == FileKind::kIndex ? json_tokener_parse(kIndex) : json_object_new_object();
    json_object *o = root;
    for (const std::string &s : p.path) {
        if (s == "#") {
            o = json_object_array_get_idx(o, 0);
            continue;
        }
        json_object *next = nullptr;
        if (!json_object_object_get_ex(o, s.c_str(), &next) || !json_object_is_type(next, json_type_object)) {
            if (s == "ISP_INFO") {
                if (!json_object_object_get_ex(o, s.c_str(), &next)) {
                    next = json_object_new_array();
                    json_object_object_add(o, s.c_str(), next);
                }
                o = next;
                continue;
            }
            next = json_object_new_object();
            json_object_object_add(o, s.c_str(), next);
        }
        o = next;
    }
    json_object_object_del(o, pcKey);
    if (pValue != nullptr) json_object_object_add(o, pcKey, json_object_get(pValue));
    return root;
}

// Whether a message is the library's message of printf format pcFormat: it
// begins with the format's text before the first argument and holds the
// texts between the arguments, in their order.
bool IsMessage(const Message &m, const char *pcFormat) {
    std::string_view f = pcFormat;
    if (f.ends_with('\n')) f.remove_suffix(1);
    size_t ulAt = 0;
    for (bool bLead = true;; bLead = false) {
        const size_t ulArg = f.find('%');
        const std::string_view strPiece = f.substr(0, ulArg);
        const size_t ulFound = m.strText.find(strPiece, ulAt);
        if (ulFound == std::string::npos || (bLead && ulFound != 0)) return false;
        if (ulArg == std::string_view::npos) return true;
        ulAt = ulFound + strPiece.size();
        // Past the argument's conversion ("%s", "%lu").
        const size_t ulConv = f.find_first_of("sdup", ulArg);
        f.remove_prefix(ulConv == std::string_view::npos ? f.size() : ulConv + 1);
    }
}

bool Routine(const Message &m) {
    return m.iLevel == 7 || IsMessage(m, cap::msg::kBoardIntTrace) || IsMessage(m, cap::msg::kCapPath);
}

// The library's own messages of a run about the file under test: for the
// index, those between its own path and the next one (stage 2 begins).
std::multiset<Message> Findings(const StartUp &r, FileKind e) {
    std::multiset<Message> s;
    int iPaths = 0;
    for (const Message &m : r.log) {
        if (IsMessage(m, cap::msg::kCapPath)) ++iPaths;
        if (e == FileKind::kIndex && iPaths != 1) continue;
        if (!Routine(m)) s.insert(m);
    }
    return s;
}

std::string Diff(const DevCap &a, const DevCap &b) {
    std::string r;
    const auto *pa = reinterpret_cast<const unsigned char *>(&a), *pb = reinterpret_cast<const unsigned char *>(&b);
    for (size_t i = offsetof(DevCap, stBoardCap); i < sizeof(DevCap); ++i)
        if (pa[i] != pb[i]) r += " @" + std::to_string(i) + ":" + std::to_string(pa[i]) + "/" + std::to_string(pb[i]);
    return r;
}

class ModelAgreement : public ::testing::Test {
protected:
    void SetUp() override {
        for (const FileModel &f : Files()) tree.Write(DevPath(f.eKind), f.eKind == FileKind::kIndex ? kIndex : "{}");
    }

    // One case: the record and the messages the library leaves against what
    // the model says of the value.
    void Case(const Place &p, const Key &k, json_object *pValue, const char *pcWhat) {
        if (pValue == nullptr) return;
        ++m_iCases;
        std::string strWhere = std::string(p.pFile->pcFile) + ": ";
        for (const std::string &s : p.path) strWhere += s + "/";
        strWhere += std::string(k.pcName) + " (" + pcWhat + ") = " + json_object_to_json_string(pValue);
        SCOPED_TRACE(strWhere);

        json_object *pBase = FileWith(p, k.pcName, nullptr);
        tree.Write(DevPath(p.pFile->eKind), json_object_to_json_string(pBase));
        const StartUp base = tree.Start();
        json_object *pCase = FileWith(p, k.pcName, pValue);
        tree.Write(DevPath(p.pFile->eKind), json_object_to_json_string(pCase));
        const StartUp got = tree.Start();

        // What the model says: the judgements of the file, those under the key.
        const Judged all = Judge<JsonC>::File(*p.pFile, *pCase);
        std::string strPrefix;
        for (const std::string &s : p.path) strPrefix += (s == "#" ? "0" : s) + "/";
        strPrefix += k.pcName;
        Judged mine;
        bool bLogs = false;
        for (const auto &j : all)
            if (j.strPath == strPrefix || j.strPath.rfind(strPrefix + "/", 0) == 0) {
                mine.push_back(j);
                bLogs = bLogs || j.bLibraryLogs;
            }
        ASSERT_FALSE(mine.empty());

        // The model's record: the one without the key, and what the model
        // says the member under test writes, read in its own object.
        DevCap stWant = base.stRecord;
        Shadow shadow(stWant, mine);
        json_object *o = pCase;
        const Object *pAt = p.pFile->pTop;
        for (const std::string &s : p.path) {
            if (s == "#") {
                o = json_object_array_get_idx(o, 0);
                continue;
            }
            json_object_object_get_ex(o, s.c_str(), &o);
            const Key *pk = FindKey(*pAt, s);
            pAt = (FormFor(*pk, kObject) ? FormFor(*pk, kObject) : FormFor(*pk, kArray))->pObject;
        }
        json_object *pGiven = nullptr;
        json_object_object_get_ex(o, k.pcName, &pGiven);
        shadow.MemberIn(*pAt, k.pcName, *pGiven, 0, 0);

        std::string strJudged;
        for (const auto &j : mine)
            strJudged += "\n  " + j.strPath + ": " + VerdictName(j.eVerdict) + " (" + ReasonName(j.eReason) + ")" +
                         (j.bLibraryLogs ? " logged" : "");
        // The record: from the board region on (paths follow the names).
        EXPECT_EQ(memcmp(reinterpret_cast<const char *>(&stWant) + offsetof(DevCap, stBoardCap),
                         reinterpret_cast<const char *>(&got.stRecord) + offsetof(DevCap, stBoardCap),
                         sizeof(DevCap) - offsetof(DevCap, stBoardCap)),
                  0)
            << "bytes (model/library):" << Diff(stWant, got.stRecord) << strJudged;

        // The messages: the library logs about the value iff the model says so.
        std::multiset<Message> extra = Findings(got, p.pFile->eKind);
        for (const Message &m : Findings(base, p.pFile->eKind)) {
            auto it = extra.find(m);
            if (it != extra.end()) extra.erase(it);
        }
        std::string strExtra;
        for (const Message &m : extra) strExtra += "\n  [" + m.strFn + "] " + m.strText;
        EXPECT_EQ(!extra.empty(), bLogs) << "library messages:" << strExtra << strJudged;

        json_object_put(pBase);
        json_object_put(pCase);
        json_object_put(pValue);
    }

    void Walk(const Place &p, const Object &o) {
        for (const Key *k : Keys(o)) {
            const long long llDefault = k->stDefault.eKind == Default::Kind::kNumber ? k->stDefault.llValue : 0;
            Case(p, *k, WrongType(*k), "wrong type");
            for (const Value *v : Forms(*k)) {
                if (v->eForm == Form::kObject) {
                    Place inner = p;
                    inner.path.push_back(k->pcName);
                    Walk(inner, *v->pObject);
                    continue;
                }
                if (v->eForm == Form::kObjects) {
                    Place inner = p;
                    inner.path.push_back(k->pcName);
                    inner.path.push_back("#");
                    Walk(inner, *v->pObject);
                    Case(p, *k, Over(*v, llDefault), "over capacity");
                    continue;
                }
                Case(p, *k, ValidValue(*v, llDefault), "valid");
                Case(p, *k, UnknownWord(*v, llDefault), "unknown word");
                Case(p, *k, Over(*v, llDefault), "over capacity");
            }
        }
    }

    Tree tree;
    int m_iCases = 0;
};

long long Stored(const DevCap &stRec, const Field &f, size_t i) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(&stRec) + f.ulOffset + i * CellSize(f);
    switch (f.eType) {
        case CType::kU8: return *p;
        case CType::kU16: return *reinterpret_cast<const unsigned short *>(p);
        case CType::kU32: return *reinterpret_cast<const unsigned int *>(p);
        case CType::kI32: return *reinterpret_cast<const int *>(p);
        case CType::kDouble: return static_cast<long long>(*reinterpret_cast<const double *>(p));
        default:  // texts, I2C locations and LED ranges: 0 when every byte is
            for (size_t b = 0; b < CellSize(f); ++b)
                if (p[b] != 0) return -1000;
            return 0;
    }
}

// The fields a key fills: its form's, or each position's.
std::vector<Field> FieldsOf(const Key &k) {
    const Value &v = k.stValue;
    if (v.eForm == Form::kTuple && !v.stField.Valid()) {
        std::vector<Field> r;
        for (unsigned i = 0; i < v.uiTuple; ++i) r.push_back(v.pTuple[i].stField);
        return r;
    }
    return {v.stField};
}

// Each object present but empty: every key's field holds the model's default.
TEST_F(ModelAgreement, DefaultsOfEveryKey) {
    int iChecked = 0;
    std::function<void(const Place &, const Object &)> walk = [&](const Place &p, const Object &o) {
        json_object *pFile = FileWith(p, "", nullptr);
        tree.Write(DevPath(p.pFile->eKind), json_object_to_json_string(pFile));
        json_object_put(pFile);
        const StartUp run = tree.Start();
        for (const Key *k : Keys(o)) {
            if (k->stDefault.eKind == Default::Kind::kNumber || k->stDefault.eKind == Default::Kind::kEmptyText) {
                for (const Field &f : FieldsOf(*k)) {
                    const size_t ulCells = f.eType == CType::kChar ? f.uiRows : f.uiRows * f.uiCount;
                    for (size_t i = 0; i < ulCells; ++i)
                        EXPECT_EQ(Stored(run.stRecord, f, i), k->stDefault.llValue)
                            << p.pFile->pcFile << " " << o.pcName << "/" << k->pcName << " " << f.pcName << "[" << i << "]";
                    ++iChecked;
                }
            }
            for (const Value *v : Forms(*k)) {
                if (v->pObject == nullptr) continue;
                Place inner = p;
                inner.path.push_back(k->pcName);
                if (v->eForm == Form::kObjects) inner.path.push_back("#");
                walk(inner, *v->pObject);
            }
        }
    };
    for (const FileModel &f : Files()) walk(Place{&f, {}}, *f.pTop);
    EXPECT_GT(iChecked, 100);
}

TEST_F(ModelAgreement, EveryKeyOfEveryFileKind) {
    for (const FileModel &f : Files()) Walk(Place{&f, {}}, *f.pTop);
    EXPECT_GT(m_iCases, 400);
}

// Every key the library's parsers name (a one-word text in their code: the
// keys they compare with or hold in key tables; messages have blanks) is a key of the model, and every key of the model is
// named by a parser.
TEST(ModelKeys, AreTheLibrarysKeys) {
    const char *apcParsers[] = {"core/hwindex.cpp",     "board/board_file.cpp", "board/alarm_uart.cpp",
                                "board/optics_media.cpp", "board/peripherals.cpp", "board/ptz.cpp",
                                "sensor/sensor_file.cpp", "lens/lens_file.cpp",    "patch/patch_file.cpp",
                                "patch/led_info.cpp"};
    std::set<std::string> named;
    const std::regex word("\"([A-Za-z_][A-Za-z0-9_]*)\"");
    for (const char *pc : apcParsers) {
        std::stringstream ss;
        ss << std::ifstream(std::string(DEVCAP_SOURCE_DIR) + "/" + pc).rdbuf();
        // Without comments and extern "C".
        const std::string strSource =
            std::regex_replace(std::regex_replace(ss.str(), std::regex("//[^\n]*"), ""), std::regex("extern \"C\""), "");
        ASSERT_FALSE(strSource.empty()) << pc;
        for (std::sregex_iterator it(strSource.begin(), strSource.end(), word), end; it != end; ++it)
            named.insert((*it)[1]);
    }
    named.erase("hardwareindex");  // the kind of file the path builder is asked for
    std::set<std::string> modelled;
    std::function<void(const Object &)> collect = [&](const Object &o) {
        for (const Key *k : Keys(o)) {
            modelled.insert(k->pcName);
            for (const Value *v : Forms(*k))
                if (v->pObject != nullptr) collect(*v->pObject);
        }
    };
    for (const FileModel &f : Files()) collect(*f.pTop);
    for (const std::string &s : named) EXPECT_TRUE(modelled.count(s)) << "the library reads \"" << s << "\"; the model has no such key";
    for (const std::string &s : modelled) EXPECT_TRUE(named.count(s)) << "the model has \"" << s << "\"; no parser names it";
}

}  // namespace
