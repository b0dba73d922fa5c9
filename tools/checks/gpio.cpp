// gpio-reuse: one GPIO line given to two functions of a product, over the
// GPIO lines the device takes from the board file and the patch file (and
// from the one "LedInfo" it keeps), slots beyond a field's not counted.
#include <map>

#include "checks/checks.h"

namespace devcap_tool::lint {

namespace {

// The keys whose integers are GPIO line numbers, wherever they stand.
const char *const kGpioKeys[] = {
    "ResetGpio",        "AlarmInWithGpio", "AlarmOutWithGpio", "HWVersionWithGPIO", "LensPinsA",
    "LensPinsB",        "DirectionGpio",   "GpioCtl",          "MicLineSiwtchGpio", "INTGpio",
    "DriverBoardReset", "AlarmBoardReset", "WiperBoardReset",  "FanGpioCtl",        "HeatGpioCtl",
    "GlassHeatGpio",    "LedGpioCtl",      "PatchIrcutCtl",
};

bool IsGpioKey(const std::string &strKey) {
    for (const char *pc : kGpioKeys)
        if (strKey == pc) return true;
    return false;
}

struct Use {
    long long llGpio;
    std::string strKey;   // the key that gives it: "LensPinsA", "PTZ/FanGpioCtl"
    std::string strPath;  // the value: "LensPinsA/3"
    const CapFile *pFile;
    Pos stPos;
};

class Collector {
public:
    explicit Collector(std::vector<Use> &uses) : m_uses(uses) {}

    // The GPIO lines of an object and the objects inside it, as the model
    // reads them; "LedInfo" only where it is the one the device keeps.
    void Walk(const CapFile &file, const model::Object &o, const JsonValue &v, const std::string &strPath,
              bool bLedInfo) {
        for (const JsonMember &m : v.members) {
            const model::Key *pKey = model::FindKey(o, m.strKey);
            const model::Value *pForm = pKey != nullptr ? model::FormFor(*pKey, TypeOfValue(m.value)) : nullptr;
            if (pForm == nullptr || (m.strKey == "LedInfo" && !bLedInfo)) continue;
            const std::string strKey = model::JoinPath(strPath, m.strKey);
            if (IsGpioKey(m.strKey)) Lines(file, *pForm, m.value, strKey, strKey);
            else if (pForm->eForm == model::Form::kObject) Walk(file, *pForm->pObject, m.value, strKey, bLedInfo);
        }
    }

private:
    static model::JsonType TypeOfValue(const JsonValue &v) {
        switch (v.enKind) {
            case JsonKind::kInt: return model::kInt;
            case JsonKind::kArray: return model::kArray;
            case JsonKind::kObject: return model::kObject;
            default: return model::kString;  // no GPIO key takes anything else
        }
    }

    void Lines(const CapFile &file, const model::Value &form, const JsonValue &v, const std::string &strKey,
               const std::string &strPath) {
        if (v.Is(JsonKind::kInt) && v.llVal >= 0) m_uses.push_back({v.llVal, strKey, strPath, &file, v.stPos});
        if (form.pElem == nullptr) return;
        for (size_t i = 0; i < v.items.size() && i < form.uiCap; ++i)
            Lines(file, *form.pElem, v.items[i], strKey, model::JoinPath(strPath, std::to_string(i)));
    }

    std::vector<Use> &m_uses;
};

bool HasLedInfo(const CapFile *pFile) {
    return pFile != nullptr && pFile->json.bDeviceReads && pFile->json.root.Find("LedInfo") != nullptr;
}

const model::Object &TopOf(const CapFile &file) { return *model::File(file.enKind).pTop; }

}  // namespace

void CheckGpioReuse(const Product &p, FindingSink &sink) {
    if (p.pBoard == nullptr || !p.pBoard->json.bDeviceReads || !p.pBoard->json.root.Is(JsonKind::kObject)) return;
    // The last "LedInfo" read replaces any earlier one whole.
    const CapFile *pLed = HasLedInfo(p.pPatch)                        ? p.pPatch
                          : HasLedInfo(p.pBoard) && !p.bIndexLedCount ? p.pBoard
                          : HasLedInfo(p.pIndex)                      ? p.pIndex
                                                                      : nullptr;
    std::vector<Use> uses;
    Collector c(uses);
    if (pLed == p.pIndex) c.Walk(*p.pIndex, TopOf(*p.pIndex), p.pIndex->json.root, "", true);
    c.Walk(*p.pBoard, TopOf(*p.pBoard), p.pBoard->json.root, "", pLed == p.pBoard);
    if (p.pPatch != nullptr && p.pPatch->json.bDeviceReads) {
        // The patch's IR-cut control rows replace the board's, row by row.
        const JsonValue *pRows = p.pPatch->json.root.Find("PatchIrcutCtl");
        for (size_t i = 0; pRows != nullptr && i < pRows->items.size(); ++i) {
            if (!pRows->items[i].Is(JsonKind::kArray)) continue;
            const std::string strRow = "Ircut/GpioCtl/" + std::to_string(i) + "/";
            std::erase_if(uses, [&](const Use &u) { return u.strPath.rfind(strRow, 0) == 0; });
        }
        c.Walk(*p.pPatch, TopOf(*p.pPatch), p.pPatch->json.root, "", pLed == p.pPatch);
    }
    // One finding for each pair of keys that share lines, at the first line
    // given twice.
    std::map<long long, const Use *> first;
    std::map<std::pair<std::string, std::string>, std::vector<const Use *>> shared;
    for (const Use &u : uses) {
        auto [it, bNew] = first.try_emplace(u.llGpio, &u);
        if (!bNew) shared[{u.strKey, it->second->strKey}].push_back(&u);
    }
    for (const auto &[keys, dups] : shared) {
        const Use &u = *dups.front();
        const Use &f = *first[u.llGpio];
        std::vector<std::string> lines;
        for (const Use *pu : dups) lines.push_back(std::to_string(pu->llGpio));
        const bool bOne = lines.size() == 1;
        const std::string strWhere = f.pFile == u.pFile ? "line " + std::to_string(f.stPos.iLine)
                                                        : f.pFile->strRel + ":" + std::to_string(f.stPos.iLine);
        sink.Add(check::kGpioReuse, u.pFile->strRel, u.stPos, u.strPath,
                 std::string(bOne ? "GPIO line " : "GPIO lines ") + OrList(lines, false, " and ") + " of \"" +
                     keys.first + "\" " + (bOne ? "is" : "are") + " already given to \"" + keys.second + "\" (" +
                     strWhere + "); one line cannot serve both");
    }
}

}  // namespace devcap_tool::lint
