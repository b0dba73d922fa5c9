// count-mismatch: a count that disagrees with the array it counts. The
// device keeps whichever it reads last (the alarm counts), or answers the
// count while the array says otherwise (LEDs, irises, IR-cut filters).
#include "checks/checks.h"

namespace devcap_tool::lint {

namespace {

// A count key and an array key of one object whose length it should be.
struct CountPair {
    const char *pcObject;  // the object holding both; "" for the file's top
    const char *pcCount;   // a count key, or the array whose length counts
    const char *pcArray;
};

// Alarm lines: the count and the GPIO array. The array may also stand at the
// top of the board file.
const CountPair kAlarmPairs[] = {
    {"Alarm", "AlarmInNum", "AlarmInWithGpio"},
    {"Alarm", "AlarmOutNum", "AlarmOutWithGpio"},
};
// Per-element arrays against the count they go with.
const CountPair kElementPairs[] = {
    {"LedInfo", "LedNum", "LedType"},   {"LedInfo", "LedNum", "LedGpioCtl"}, {"LedInfo", "LedNum", "LedHardCtl"},
    {"LedInfo", "LedNum", "LedRange"},  {"LedInfo", "LedNum", "LedFreq"},    {"Iris", "Type", "GpioCtl"},
    {"Ircut", "Type", "GpioCtl"},
};

long long CountOf(const JsonValue &v) { return v.Is(JsonKind::kArray) ? static_cast<long long>(v.items.size()) : v.llVal; }

bool Before(Pos a, Pos b) { return a.iLine < b.iLine || (a.iLine == b.iLine && a.iColumn < b.iColumn); }

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
        if (pArray == nullptr) pArray = root.FindMember(cp.pcArray), strArray = cp.pcArray;
        if (pArray == nullptr || !pArray->value.Is(JsonKind::kArray) || pArray->value.items.empty()) continue;
        const long long llCount = pCount->value.llVal, llLen = CountOf(pArray->value);
        if (llCount == llLen) continue;
        const bool bArrayLast = Before(pCount->stKeyPos, pArray->stKeyPos);
        const JsonMember &later = bArrayLast ? *pArray : *pCount;
        sink.Add(check::kCountMismatch, board.strRel, later.stKeyPos, bArrayLast ? strArray : model::JoinPath(cp.pcObject, cp.pcCount),
                 "\"" + std::string(cp.pcCount) + "\" is " + std::to_string(llCount) + " but \"" + cp.pcArray + "\" lists " +
                     std::to_string(llLen) + " lines; the device answers " + std::to_string(bArrayLast ? llLen : llCount) +
                     ", from the one written later");
    }
}

void CheckElements(const CapFile &file, const JsonValue &object, const std::string &strPath, const CountPair &cp,
                   FindingSink &sink) {
    const JsonValue *pCount = object.Find(cp.pcCount);
    const JsonMember *pArray = object.FindMember(cp.pcArray);
    if (pCount == nullptr || pArray == nullptr || !pArray->value.Is(JsonKind::kArray)) return;
    if (!pCount->Is(JsonKind::kInt) && !pCount->Is(JsonKind::kArray)) return;
    const long long llCount = CountOf(*pCount), llLen = CountOf(pArray->value);
    if (llCount == llLen) return;
    sink.Add(check::kCountMismatch, file.strRel, pArray->stKeyPos, model::JoinPath(strPath, cp.pcArray),
             "\"" + std::string(cp.pcArray) + "\" has " + std::to_string(llLen) + " entries but \"" + cp.pcCount +
                 "\" counts " + std::to_string(llCount) + "; the device answers the count of " + std::to_string(llCount));
}

void CheckFile(const CapFile *pFile, FindingSink &sink) {
    if (pFile == nullptr || !pFile->json.bDeviceReads) return;
    const JsonValue &root = pFile->json.root;
    if (pFile->enKind == FileKind::kBoard) CheckAlarms(*pFile, sink);
    for (const CountPair &cp : kElementPairs) {
        const JsonValue *pObject = root.Find(cp.pcObject);
        if (pObject != nullptr && pObject->Is(JsonKind::kObject)) CheckElements(*pFile, *pObject, cp.pcObject, cp, sink);
    }
}

}  // namespace

void CheckCounts(const Product &p, FindingSink &sink) {
    CheckFile(p.pIndex, sink);
    CheckFile(p.pBoard, sink);
    CheckFile(p.pPatch, sink);
}

}  // namespace devcap_tool::lint
