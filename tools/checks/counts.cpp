// count-mismatch: a count that disagrees with the array it counts. The
// device keeps whichever of the alarm count and the GPIO array it reads
// last, and answers the LED count and the iris and IR-cut counts whatever
// the per-element arrays say.
#include "checks/model_walk.h"

namespace devcap_tool::lint {

namespace {

// A count key and an array whose length it should be, in one object.
struct CountPair {
    const char *pcObject;  // the object holding both
    const char *pcCount;   // a count key, or the array whose length counts
    const char *pcArray;
};

const CountPair kAlarmPairs[] = {
    {"Alarm", "AlarmInNum", "AlarmInWithGpio"},
    {"Alarm", "AlarmOutNum", "AlarmOutWithGpio"},
};
const CountPair kElementPairs[] = {
    {"LedInfo", "LedNum", "LedType"},  {"LedInfo", "LedNum", "LedGpioCtl"}, {"LedInfo", "LedNum", "LedHardCtl"},
    {"LedInfo", "LedNum", "LedRange"}, {"LedInfo", "LedNum", "LedFreq"},    {"Iris", "Type", "GpioCtl"},
    {"Ircut", "Type", "GpioCtl"},
};

bool Before(Pos a, Pos b) { return a.iLine < b.iLine || (a.iLine == b.iLine && a.iColumn < b.iColumn); }

// The count as the device keeps it: an array's length, or the integer cut to
// its field.
long long CountOf(const model::Object *pObject, const char *pcKey, const JsonValue &v) {
    if (v.Is(JsonKind::kArray)) return static_cast<long long>(v.items.size());
    const model::Key *pKey = pObject != nullptr ? model::FindKey(*pObject, pcKey) : nullptr;
    return pKey != nullptr ? model::Narrowed(pKey->stValue, v.llVal) : v.llVal;
}

// The object at the top of a file kind's files under that key.
const model::Object *ObjectOf(FileKind enKind, const char *pcObject) {
    const model::Key *pKey = model::FindKey(*model::File(enKind).pTop, pcObject);
    const model::Value *pForm = pKey != nullptr ? model::FormFor(*pKey, model::kObject) : nullptr;
    return pForm != nullptr ? pForm->pObject : nullptr;
}

void CheckAlarms(const CapFile &board, FindingSink &sink) {
    const JsonValue &root = board.json.root;
    const JsonValue *pAlarm = root.Find("Alarm");
    if (pAlarm == nullptr || !pAlarm->Is(JsonKind::kObject)) return;
    for (const CountPair &cp : kAlarmPairs) {
        const JsonMember *pCount = pAlarm->FindMember(cp.pcCount);
        if (pCount == nullptr || !pCount->value.Is(JsonKind::kInt)) continue;
        // The array inside "Alarm", or at the top of the file.
        const JsonMember *pArray = pAlarm->FindMember(cp.pcArray);
        std::string strArray = model::JoinPath(cp.pcObject, cp.pcArray);
        if (pArray == nullptr) {
            pArray = root.FindMember(cp.pcArray);
            strArray = cp.pcArray;
        }
        if (pArray == nullptr || !pArray->value.Is(JsonKind::kArray) || pArray->value.items.empty()) continue;
        const long long llCount = CountOf(ObjectOf(FileKind::kBoard, cp.pcObject), cp.pcCount, pCount->value);
        const long long llLen = static_cast<long long>(pArray->value.items.size());
        if (llCount == llLen) continue;
        const bool bArrayLast = Before(pCount->stKeyPos, pArray->stKeyPos);
        const JsonMember &later = bArrayLast ? *pArray : *pCount;
        sink.Add(check::kCountMismatch, board.strRel, later.stKeyPos,
                 bArrayLast ? strArray : model::JoinPath(cp.pcObject, cp.pcCount),
                 Quoted(cp.pcCount) + " is " + std::to_string(llCount) + " but " + Quoted(cp.pcArray) + " lists " +
                     std::to_string(llLen) + " lines; the device answers " + std::to_string(bArrayLast ? llLen : llCount) +
                     ", from the one written later");
    }
}

void CheckElements(const CapFile &file, const JsonValue &object, const CountPair &cp, FindingSink &sink) {
    const JsonValue *pCount = object.Find(cp.pcCount);
    const JsonMember *pArray = object.FindMember(cp.pcArray);
    if (pCount == nullptr || pArray == nullptr || !pArray->value.Is(JsonKind::kArray)) return;
    if (!pCount->Is(JsonKind::kInt) && !pCount->Is(JsonKind::kArray)) return;
    const model::Object *pObject = std::string(cp.pcObject) == "LedInfo" ? &model::LedInfo()
                                                                         : ObjectOf(file.enKind, cp.pcObject);
    const long long llCount = CountOf(pObject, cp.pcCount, *pCount);
    const long long llLen = static_cast<long long>(pArray->value.items.size());
    if (llCount == llLen) return;
    sink.Add(check::kCountMismatch, file.strRel, pArray->stKeyPos, model::JoinPath(cp.pcObject, cp.pcArray),
             Quoted(cp.pcArray) + " has " + std::to_string(llLen) + (llLen == 1 ? " entry" : " entries") + " but " +
                 Quoted(cp.pcCount) + " counts " + std::to_string(llCount) + "; the device answers the count of " +
                 std::to_string(llCount));
}

}  // namespace

void CheckCounts(const CapFile &file, FindingSink &sink) {
    if (file.enKind != FileKind::kIndex && file.enKind != FileKind::kBoard && file.enKind != FileKind::kPatch) return;
    if (!file.json.bDeviceReads) return;
    const JsonValue &root = file.json.root;
    if (file.enKind == FileKind::kBoard) CheckAlarms(file, sink);
    for (const CountPair &cp : kElementPairs) {
        const JsonValue *pObject = root.Find(cp.pcObject);
        if (pObject != nullptr && pObject->Is(JsonKind::kObject)) CheckElements(file, *pObject, cp, sink);
    }
}

}  // namespace devcap_tool::lint
