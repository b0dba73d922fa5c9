// Checking a file against the model of its kind: the walk (model_walk.cpp)
// visits every member and element with what the model says of it, and hands
// each concern to its check (keys.cpp, words.cpp, capacity.cpp,
// numbers.cpp). What the device makes of a value comes from json-c's
// accessors, which the library reads every value with.
#pragma once

#include <optional>
#include <string>

#include "checks/checks.h"
#include "model/model.h"

namespace devcap_tool::lint {

// Where a value stands, as a finding names it.
struct Place {
    const CapFile *pFile;
    std::string strKeyPath;  // "PTZ.FanCtlType", "LensPinsA[3]"
    std::string strKey;      // the key it belongs to: "FanCtlType", "LensPinsA"
    Pos stPos;               // of the key for a member, of the value for an element
    bool bElement = false;

    // "\"FanCtlType\"", or "element 3 of \"LensPinsA\"".
    std::string Name() const;
    Finding &Add(FindingSink &sink, const char *pcCheck, std::string strMessage) const;
};

// ---- what the device makes of a value

model::JsonType TypeOf(const JsonValue &v);
// json_object_get_int: an integer clamped to 32 bits; a boolean 0 or 1; a
// text's leading integer; anything else 0.
long long DeviceInt(const JsonValue &v);
// json_object_get_boolean.
bool DeviceBool(const JsonValue &v);
// json_object_get_string: a text itself, null no text, anything else its
// JSON text.
std::optional<std::string> DeviceText(const JsonValue &v);
// An integer as the field of range r keeps it (wrapped to its width).
long long Narrow(long long ll, model::Range r);
// What the device answers for a key that is not given (or not taken).
std::string DefaultText(const model::Key &k);
std::string Quoted(const std::string &s);

// ---- the concerns

// unknown-key (keys.cpp).
void CheckUnknownKey(const Place &p, const model::Object &o, const JsonValue &v, FindingSink &sink);
// wrong-type of a key's value (keys.cpp); the device's reading for a key that
// is taken whatever its type (bConverted).
void CheckKeyType(const Place &p, const model::Key &k, const JsonValue &v, bool bConverted, FindingSink &sink);
// wrong-type of an element; the JSON value the device reads instead, if any.
std::optional<JsonValue> CheckElementType(const Place &p, const model::Value &array, const model::Value &elem,
                                          const JsonValue &e, FindingSink &sink);
// missing-key and absent-key of an object (keys.cpp).
void CheckPresentKeys(const Place &p, const model::Object &o, const JsonValue &v, FindingSink &sink);
// missing-key of the positions of an array the device needs (keys.cpp).
void CheckPositions(const Place &p, const model::Value &tuple, const JsonValue &v, FindingSink &sink);

// unknown-word (words.cpp).
void CheckWord(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink);
void CheckNumberWord(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink);

// text-too-long and array-too-long (capacity.cpp).
void CheckTextLength(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink);
void CheckJoinedLength(const Place &p, const model::Value &form, const JsonValue &v, const JsonValue *pOwner,
                       FindingSink &sink);
void CheckArrayLength(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink);

// number-narrowed (numbers.cpp).
void CheckNumber(const Place &p, const model::Value &form, const JsonValue &v, FindingSink &sink);

}  // namespace devcap_tool::lint
