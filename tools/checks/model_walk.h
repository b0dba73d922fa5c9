// Checking a file against the model of its kind. The model's judge says
// what the device makes of each value (model/judge.h); model_walk.cpp runs it
// over lint's tree and hands each judgement that is not "taken as written"
// to the check of its concern (keys.cpp, words.cpp, capacity.cpp,
// numbers.cpp), which says it in the author's terms, at the key's line and
// column.
#pragma once

#include <optional>
#include <string>

#include "checks/checks.h"
#include "model/judge.h"
#include "model/model.h"

namespace devcap_tool::lint {

using Judgement = model::Judgement<JsonValue>;

// A judged value and where it stands.
struct Place {
    const CapFile *pFile;
    const Judgement *pJudgement;
    std::string strKey;  // the key it belongs to: "FanCtlType", "LensPinsA"
    Pos stPos;           // of the key for a member, of the value for an element
    bool bElement = false;

    const std::string &KeyPath() const { return pJudgement->strPath; }
    const JsonValue *Node() const { return pJudgement->pNode; }
    // "\"FanCtlType\"", or "element 3 of \"LensPinsA\"".
    std::string Name() const;
    // Where the value's object stands: "the top of the board file",
    // "\"Uart/Uart485\"", "an \"ISP_INFO\" entry".
    std::string ParentName() const;
    Finding &Add(FindingSink &sink, const char *pcCheck, std::string strMessage) const;
};

// ---- what the device makes of a value (json-c's accessors)

model::JsonType TypeOf(const JsonValue &v);
// json_object_get_int: an integer clamped to 32 bits; a boolean 0 or 1; a
// text's leading integer; anything else 0.
long long DeviceInt(const JsonValue &v);
// json_object_get_boolean.
bool DeviceBool(const JsonValue &v);
// json_object_get_string: a text itself, null no text, anything else its
// JSON text.
std::optional<std::string> DeviceText(const JsonValue &v);
// What the device answers for a key that is not given (or not taken).
std::string DefaultText(const model::Key &k);
std::string Quoted(const std::string &s);

// ---- the concerns, one judgement each

// unknown-key, wrong-type (also a value taken through a conversion, and
// parts the device cannot join), missing-key (keys and positions) (keys.cpp).
void ReportUnknownKey(const Place &p, FindingSink &sink);
void ReportWrongType(const Place &p, FindingSink &sink);
void ReportMissing(const Place &p, FindingSink &sink);
// absent-key: an optional key left out (judged only when the check is on).
void ReportAbsent(const Place &p, FindingSink &sink);
// unknown-word (words.cpp).
void ReportWord(const Place &p, FindingSink &sink);
// text-too-long and array-too-long (capacity.cpp).
void ReportCut(const Place &p, FindingSink &sink);
void ReportNotJoined(const Place &p, FindingSink &sink);
void ReportDropped(const Place &p, FindingSink &sink);
// number-narrowed (numbers.cpp).
void ReportNarrowed(const Place &p, FindingSink &sink);

}  // namespace devcap_tool::lint
