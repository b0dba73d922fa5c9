// A capability file as lint reads it: a JSON tree in which every key and
// value knows its line and column, read by a strict parser (rapidjson), and
// what in the file only json-c accepts (comments, trailing commas, duplicate
// keys, other leniencies) and so would trip any other JSON tool.
//
// The tree holds what the device reads: numbers keep the JSON type json-c
// gives them (an integer unless written with a fraction or exponent) and an
// integer is held as json-c holds it (saturated to 64 bits); a key given
// twice keeps its first place and its last value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace devcap_tool::lint {

// Lines and columns count from 1; a column counts characters, not bytes.
struct Pos {
    int iLine = 1;
    int iColumn = 1;
};

enum class JsonKind { kNull, kBool, kInt, kDouble, kString, kArray, kObject };

// How an author would name the kind: "integer", "text", ...
const char *KindName(JsonKind enKind);

struct JsonMember;

struct JsonValue {
    JsonKind enKind = JsonKind::kNull;
    Pos stPos;
    bool bVal = false;
    long long llVal = 0;  // an integer, saturated to 64 bits as json-c does
    double dVal = 0;
    std::string strText;  // a text, or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    bool Is(JsonKind e) const { return enKind == e; }
    // The member of an object by key; null when there is none.
    const JsonValue *Find(std::string_view strKey) const;
    const JsonMember *FindMember(std::string_view strKey) const;
    // The value as it would be written in JSON, shortened for a message.
    std::string Show(size_t ulMax = 40) const;
};

struct JsonMember {
    std::string strKey;
    Pos stKeyPos;
    JsonValue value;
};

// Something in the file that only json-c accepts. The device reads the file
// as it means; other JSON tools do not.
struct JsonLeniency {
    enum class Kind { kComment, kTrailingComma, kDuplicateKey, kOther };
    Kind enKind;
    Pos stPos;
    std::string strWhat;  // the duplicate key, or the strict parser's reason
    Pos stFirstPos;       // a duplicate key: where it was first given
};

struct JsonFile {
    bool bRead = false;        // the file could be opened and read
    bool bDeviceReads = false; // json-c parses it, as the device does
    bool bStrict = false;      // standard JSON, leaving comments and trailing commas aside
    long long llSize = 0;      // bytes
    JsonValue root;            // what the device reads (when bDeviceReads)
    std::vector<JsonLeniency> leniencies;
    // Where and why the strict parser stopped (when !bStrict).
    Pos stErrorPos;
    std::string strError;
};

// Parse a file's text. bDeviceReads comes from json-c itself whenever the
// text holds anything json-c might judge otherwise than the strict parser.
JsonFile ParseJson(std::string_view strText);

// Read and parse a file; bRead false when it cannot be read. *pbExists (if
// given) tells whether a regular file of that name is there.
JsonFile ReadJsonFile(const std::string &strHostPath, bool *pbExists = nullptr);

}  // namespace devcap_tool::lint
