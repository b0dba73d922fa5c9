// The strict reader: rapidjson, allowed comments and trailing commas so that
// it reads every file the device reads in the common case; each value placed
// where its token begins, and the comments and trailing commas of the text
// found by following its lexical state. A file rapidjson refuses is asked of json-c:
// when the device reads it all the same, lint checks json-c's tree, with
// positions found by looking its keys up in the text.
#include "checks/json_reader.h"

#include <json-c/json.h>
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>
#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <sys/stat.h>
#include <unistd.h>


namespace devcap_tool::lint {

namespace {

// json-c's default nesting limit: a deeper file is not read.
constexpr int kJsonCDepth = 32;

// Line and column of byte offsets, asked for in increasing order.
class Positions {
public:
    explicit Positions(std::string_view s) : m_s(s) {}

    Pos At(size_t ulOffset) {
        if (ulOffset < m_ul) *this = Positions(m_s);
        for (; m_ul < ulOffset && m_ul < m_s.size(); ++m_ul) {
            const char c = m_s[m_ul];
            if (c == '\n') {
                ++m_stPos.iLine;
                m_stPos.iColumn = 1;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++m_stPos.iColumn;
            }
        }
        return m_stPos;
    }

private:
    std::string_view m_s;
    size_t m_ul = 0;
    Pos m_stPos;
};

// Position of the character at byte ulOffset.
Pos PosAt(std::string_view s, size_t ulOffset) { return Positions(s).At(ulOffset); }

// Where the JSON text (a key or a string) whose closing quote stands just
// before byte ulEnd begins: its opening quote, the nearest quote before that
// no backslash escapes.
size_t TextStart(std::string_view s, size_t ulEnd) {
    for (size_t ul = ulEnd < 1 ? 0 : ulEnd - 1; ul-- > 0;) {
        if (s[ul] != '"') continue;
        size_t ulSlashes = 0;
        while (ulSlashes < ul && s[ul - 1 - ulSlashes] == '\\') ++ulSlashes;
        if (ulSlashes % 2 == 0) return ul;
    }
    return 0;
}

// A rapidjson input stream over the text; where it stands (Tell) is all it
// keeps.
class TextStream {
public:
    using Ch = char;
    explicit TextStream(std::string_view s) : m_pcBegin(s.data()), m_pc(s.data()), m_pcEnd(s.data() + s.size()) {}

    Ch Peek() const { return m_pc < m_pcEnd ? *m_pc : '\0'; }
    Ch Take() { return m_pc < m_pcEnd ? *m_pc++ : '\0'; }
    size_t Tell() const { return static_cast<size_t>(m_pc - m_pcBegin); }
    // Only insitu parsing writes to the stream.
    Ch *PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    size_t PutEnd(Ch *) { return 0; }

private:
    const char *m_pcBegin, *m_pc, *m_pcEnd;
};

// The comments and trailing commas of a text that parsed, found by following
// the lexical state of JSON with comments.
class LenientSyntax {
public:
    // Whether the text may hold any: a slash, or a comma that only white
    // space parts from a closing bracket.
    static bool Possible(std::string_view s) {
        if (s.find('/') != std::string_view::npos) return true;
        for (size_t ul = s.find(','); ul != std::string_view::npos; ul = s.find(',', ul + 1)) {
            const size_t ulNext = s.find_first_not_of(" \t\r\n", ul + 1);
            if (ulNext != std::string_view::npos && (s[ulNext] == '}' || s[ulNext] == ']')) return true;
        }
        return false;
    }

    LenientSyntax(std::string_view s, std::vector<JsonLeniency> &leniencies) : m_leniencies(leniencies) {
        for (const char c : s) {
            Lex(c);
            if (c == '\n') {
                ++m_stNext.iLine;
                m_stNext.iColumn = 1;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++m_stNext.iColumn;
            }
        }
    }
    bool SawComment() const { return m_bComment; }

private:
    enum class State { kCode, kSlash, kString, kEscape, kLineComment, kBlockComment, kBlockStar };

    void Lex(char c) {
        switch (m_enState) {
            case State::kString:
                if (c == '\\') m_enState = State::kEscape;
                else if (c == '"') EndToken('"');
                return;
            case State::kEscape: m_enState = State::kString; return;
            case State::kLineComment:
                if (c == '\n') m_enState = State::kCode;
                return;
            case State::kBlockComment:
                if (c == '*') m_enState = State::kBlockStar;
                return;
            case State::kBlockStar:
                if (c == '/') m_enState = State::kCode;
                else if (c != '*') m_enState = State::kBlockComment;
                return;
            case State::kSlash:
                if (c == '/' || c == '*') {
                    m_leniencies.push_back({JsonLeniency::Kind::kComment, m_stSlash, "", {}});
                    m_bComment = true;
                    m_enState = c == '/' ? State::kLineComment : State::kBlockComment;
                    return;
                }
                m_enState = State::kCode;
                break;
            case State::kCode: break;
        }
        switch (c) {
            case ' ': case '\t': case '\r': case '\n': return;
            case '/': m_enState = State::kSlash, m_stSlash = m_stNext; return;
            case '"': m_enState = State::kString; return;
            case '}': case ']':
                if (m_cLast == ',')
                    m_leniencies.push_back({JsonLeniency::Kind::kTrailingComma, m_stComma, "", {}});
                EndToken(c);
                return;
            case ',':
                m_stComma = m_stNext;
                EndToken(c);
                return;
            default: EndToken(c); return;
        }
    }
    void EndToken(char c) {
        m_enState = State::kCode;
        m_cLast = c;
    }

    std::vector<JsonLeniency> &m_leniencies;
    Pos m_stNext, m_stSlash, m_stComma;
    State m_enState = State::kCode;
    bool m_bComment = false;
    char m_cLast = '\0';
};

// An integer as json-c holds it: 64 bits, saturated.
long long SaturatedInt(const std::string &strNum) {
    errno = 0;
    long long ll = strtoll(strNum.c_str(), nullptr, 10);
    return ll;  // strtoll saturates at the 64-bit limits, as json-c does
}

bool IsIntegerText(const std::string &s) { return s.find_first_of(".eE") == std::string::npos; }

// Builds the tree from rapidjson's events, each value placed where its
// token begins.
class TreeBuilder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TreeBuilder> {
public:
    TreeBuilder(JsonFile &file, std::string_view s, const TextStream &stream)
        : m_file(file), m_s(s), m_stream(stream), m_positions(s) {}

    bool Null() { return Add(JsonKind::kNull, m_stream.Tell() - 4); }
    bool Bool(bool b) {
        Add(JsonKind::kBool, m_stream.Tell() - (b ? 4 : 5));
        m_pLast->bVal = b;
        return true;
    }
    bool RawNumber(const char *pc, rapidjson::SizeType n, bool) {
        std::string s(pc, n);
        if (IsIntegerText(s)) {
            Add(JsonKind::kInt, m_stream.Tell() - n);
            m_pLast->llVal = SaturatedInt(s);
        } else {
            Add(JsonKind::kDouble, m_stream.Tell() - n);
            m_pLast->dVal = strtod(s.c_str(), nullptr);
        }
        m_pLast->strText = std::move(s);
        return true;
    }
    bool String(const char *pc, rapidjson::SizeType n, bool) {
        Add(JsonKind::kString, TextStart(m_s, m_stream.Tell()));
        m_pLast->strText.assign(pc, n);
        return true;
    }
    // The iterative parser reports a bracket before it takes it.
    bool StartObject() { return Open(JsonKind::kObject); }
    bool Key(const char *pc, rapidjson::SizeType n, bool) {
        m_strKey.assign(pc, n);
        m_stKeyPos = m_positions.At(TextStart(m_s, m_stream.Tell()));
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return Close(); }
    bool StartArray() { return Open(JsonKind::kArray); }
    bool EndArray(rapidjson::SizeType) { return Close(); }

    int MaxDepth() const { return m_iMaxDepth; }

private:
    // A value of this kind whose token begins at byte ulAt, made in its place.
    bool Add(JsonKind enKind, size_t ulAt) {
        m_pLast = Place();
        m_pLast->enKind = enKind;
        m_pLast->stPos = m_positions.At(ulAt);
        return true;
    }
    JsonValue *Place() {
        if (m_stack.empty()) return &m_file.root;
        JsonValue &parent = *m_stack.back();
        if (parent.Is(JsonKind::kArray)) return &parent.items.emplace_back();
        // A key given again keeps its first place and takes the new value.
        for (JsonMember &m : parent.members) {
            if (m.strKey != m_strKey) continue;
            m_file.leniencies.push_back({JsonLeniency::Kind::kDuplicateKey, m_stKeyPos, m_strKey, m.stKeyPos});
            m.stKeyPos = m_stKeyPos;
            m.value = JsonValue{};
            return &m.value;
        }
        JsonMember &m = parent.members.emplace_back();
        m.strKey.swap(m_strKey);
        m.stKeyPos = m_stKeyPos;
        return &m.value;
    }
    bool Open(JsonKind enKind) {
        Add(enKind, m_stream.Tell());
        // Room for a few members or elements at once: small objects and
        // arrays are not moved while they come.
        if (enKind == JsonKind::kObject) m_pLast->members.reserve(4);
        else m_pLast->items.reserve(4);
        m_stack.push_back(m_pLast);
        if (static_cast<int>(m_stack.size()) > m_iMaxDepth) m_iMaxDepth = static_cast<int>(m_stack.size());
        return true;
    }
    bool Close() {
        m_stack.pop_back();
        return true;
    }

    JsonFile &m_file;
    std::string_view m_s;
    const TextStream &m_stream;
    Positions m_positions;
    std::vector<JsonValue *> m_stack;
    JsonValue *m_pLast = nullptr;
    std::string m_strKey;
    Pos m_stKeyPos;
    int m_iMaxDepth = 0;
};

// json-c's tree as lint's, each key placed where it is next found in the
// text after the previous one (json-c keeps no positions).
class JsonCTree {
public:
    explicit JsonCTree(std::string_view s) : m_s(s) {}

    JsonValue Convert(json_object *o, Pos stPos) {
        JsonValue v;
        v.stPos = stPos;
        switch (json_object_get_type(o)) {
            case json_type_null: v.enKind = JsonKind::kNull; break;
            case json_type_boolean:
                v.enKind = JsonKind::kBool;
                v.bVal = json_object_get_boolean(o) != 0;
                break;
            case json_type_int:
                v.enKind = JsonKind::kInt;
                v.llVal = json_object_get_int64(o);
                v.strText = json_object_to_json_string(o);
                break;
            case json_type_double:
                v.enKind = JsonKind::kDouble;
                v.dVal = json_object_get_double(o);
                v.strText = json_object_to_json_string(o);
                break;
            case json_type_string:
                v.enKind = JsonKind::kString;
                v.strText.assign(json_object_get_string(o), static_cast<size_t>(json_object_get_string_len(o)));
                break;
            case json_type_array:
                v.enKind = JsonKind::kArray;
                for (size_t i = 0; i < json_object_array_length(o); ++i)
                    v.items.push_back(Convert(json_object_array_get_idx(o, i), stPos));
                break;
            case json_type_object:
                v.enKind = JsonKind::kObject;
                json_object_object_foreach(o, pcKey, pVal) {
                    Pos stKey = FindKey(pcKey, stPos);
                    v.members.push_back({pcKey, stKey, Convert(pVal, stKey)});
                }
                break;
        }
        return v;
    }

private:
    Pos FindKey(const std::string &strKey, Pos stFallback) {
        for (const char cQuote : {'"', '\''}) {
            std::string strQuoted = cQuote + strKey + cQuote;
            size_t ul = m_s.find(strQuoted, m_ulCursor);
            if (ul == std::string_view::npos) continue;
            m_ulCursor = ul + strQuoted.size();
            return PosAt(m_s, ul);
        }
        return stFallback;
    }

    std::string_view m_s;
    size_t m_ulCursor = 0;
};

// What json-c makes of the text: whether it reads it, and its tree.
bool JsonCReads(std::string_view s, JsonFile *pFile, bool bTakeTree) {
    json_tokener *pTok = json_tokener_new();
    json_object *o = json_tokener_parse_ex(pTok, s.data(), static_cast<int>(s.size()));
    // A text json-c has not finished (a comment open at the end) is not read.
    const bool bRead = o != nullptr && json_tokener_get_error(pTok) == json_tokener_success;
    if (bRead && bTakeTree) pFile->root = JsonCTree(s).Convert(o, Pos{});
    json_object_put(o);
    json_tokener_free(pTok);
    return bRead;
}

}  // namespace

const char *KindName(JsonKind enKind) {
    switch (enKind) {
        case JsonKind::kNull: return "null";
        case JsonKind::kBool: return "boolean";
        case JsonKind::kInt: return "integer";
        case JsonKind::kDouble: return "number with a fraction";
        case JsonKind::kString: return "text";
        case JsonKind::kArray: return "array";
        case JsonKind::kObject: return "object";
    }
    return "value";
}

const JsonMember *JsonValue::FindMember(std::string_view strKey) const {
    for (const JsonMember &m : members)
        if (m.strKey == strKey) return &m;
    return nullptr;
}

const JsonValue *JsonValue::Find(std::string_view strKey) const {
    const JsonMember *pm = FindMember(strKey);
    return pm != nullptr ? &pm->value : nullptr;
}

std::string JsonValue::Show(size_t ulMax) const {
    std::string s;
    switch (enKind) {
        case JsonKind::kNull: s.append("null"); break;
        case JsonKind::kBool: s.append(bVal ? "true" : "false"); break;
        case JsonKind::kInt:
        case JsonKind::kDouble: s.append(strText); break;
        case JsonKind::kString: s.append(1, '"').append(strText).append(1, '"'); break;
        case JsonKind::kArray:
            s.append(1, '[');
            for (size_t i = 0; i < items.size() && s.size() <= ulMax; ++i) {
                if (i > 0) s.append(", ");
                s.append(items[i].Show(ulMax));
            }
            s.append(1, ']');
            break;
        case JsonKind::kObject: s.append("{...}"); break;
    }
    if (s.size() > ulMax) s.replace(ulMax - 3, std::string::npos, "...");
    return s;
}

JsonFile ParseJson(std::string_view strText) {
    JsonFile file;
    file.bRead = true;
    file.llSize = static_cast<long long>(strText.size());
    TextStream stream(strText);
    TreeBuilder builder(file, strText, stream);
    rapidjson::Reader reader;
    constexpr unsigned kFlags = rapidjson::kParseCommentsFlag | rapidjson::kParseTrailingCommasFlag |
                                rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseIterativeFlag;
    rapidjson::ParseResult ok = reader.Parse<kFlags>(stream, builder);
    if (ok) {
        file.bStrict = true;
        bool bComment = false;
        if (LenientSyntax::Possible(strText)) bComment = LenientSyntax(strText, file.leniencies).SawComment();
        // Comments, deep nesting and a number alone (which json-c reads only
        // when something follows it) are where json-c may judge otherwise.
        const bool bPlain = !bComment && builder.MaxDepth() <= kJsonCDepth &&
                            (file.root.Is(JsonKind::kObject) || file.root.Is(JsonKind::kArray));
        file.bDeviceReads = bPlain || JsonCReads(strText, &file, false);
        return file;
    }
    file.stErrorPos = PosAt(strText, ok.Offset());
    file.strError = rapidjson::GetParseError_En(ok.Code());
    if (!file.strError.empty() && file.strError.back() == '.') file.strError.pop_back();
    file.root = JsonValue{};
    file.leniencies.clear();
    file.bDeviceReads = JsonCReads(strText, &file, true);
    if (file.bDeviceReads)
        file.leniencies.push_back({JsonLeniency::Kind::kOther, file.stErrorPos, file.strError, {}});
    return file;
}

JsonFile ReadJsonFile(const std::string &strHostPath, bool *pbExists) {
    // Opened without a test first (a FIFO does not block the open); only a
    // file that cannot be opened is looked at, to tell an unreadable file
    // from none.
    const int iFd = open(strHostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st;
    const bool bFile = iFd >= 0 && fstat(iFd, &st) == 0 && S_ISREG(st.st_mode);
    if (pbExists != nullptr)
        *pbExists = bFile || (iFd < 0 && stat(strHostPath.c_str(), &st) == 0 && S_ISREG(st.st_mode));
    if (!bFile) {
        if (iFd >= 0) close(iFd);
        return JsonFile{};
    }
    // The size fstat gave, and one more byte: a read that does not fill the
    // buffer has reached the end of the file.
    std::string s(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t ulGot = 0;
    for (ssize_t n; (n = read(iFd, s.data() + ulGot, s.size() - ulGot)) > 0;) {
        ulGot += static_cast<size_t>(n);
        if (ulGot < s.size()) break;
        s.resize(s.size() * 2);
    }
    close(iFd);
    s.resize(ulGot);
    return ParseJson(s);
}

}  // namespace devcap_tool::lint
