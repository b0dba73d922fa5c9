// gpio-reuse: one GPIO line given to two functions of a product, over the
// GPIOs the device takes from the board file and the patch file (and from
// the one "LedInfo" it keeps).
#include <map>

#include "checks/checks.h"

namespace devcap_tool::lint {

namespace {

// The keys whose integers are GPIO line numbers, wherever they stand.
const char *const kGpioKeys[] = {
    "ResetGpio",  "AlarmInWithGpio", "AlarmOutWithGpio", "HWVersionWithGPIO", "LensPinsA",     "LensPinsB",
    "DirectionGpio", "GpioCtl",      "MicLineSiwtchGpio", "INTGpio",          "DriverBoardReset", "AlarmBoardReset",
    "WiperBoardReset", "FanGpioCtl", "HeatGpioCtl",       "GlassHeatGpio",    "LedGpioCtl",     "PatchIrcutCtl",
};

bool IsGpioKey(const std::string &strKey) {
    for (const char *pc : kGpioKeys)
        if (strKey == pc) return true;
    return false;
}

struct Use {
    long long llGpio;
    std::string strKeyPath;
    const CapFile *pFile;
    Pos stPos;
};

class Collector {
public:
    explicit Collector(std::vector<Use> &uses) : m_uses(uses) {}

    // Every GPIO of an object and the objects inside it; a "LedInfo" only
    // when it is the one the device keeps.
    void Walk(const CapFile &file, const JsonValue &v, const std::string &strPath, bool bLedInfo) {
        for (const JsonMember &m : v.members) {
            const std::string strKey = JoinKey(strPath, m.strKey);
            if (m.strKey == "LedInfo" && strPath.empty() && !bLedInfo) continue;
            if (IsGpioKey(m.strKey)) {
                Lines(file, m.value, strKey);
            } else if (m.value.Is(JsonKind::kObject)) {
                Walk(file, m.value, strKey, bLedInfo);
            }
        }
    }

private:
    void Lines(const CapFile &file, const JsonValue &v, const std::string &strPath) {
        if (v.Is(JsonKind::kInt) && v.llVal >= 0) m_uses.push_back({v.llVal, strPath, &file, v.stPos});
        for (size_t i = 0; i < v.items.size(); ++i) Lines(file, v.items[i], JoinIndex(strPath, i));
    }

    std::vector<Use> &m_uses;
};

bool HasLedInfo(const CapFile *pFile) {
    return pFile != nullptr && pFile->json.bDeviceReads && pFile->json.root.Find("LedInfo") != nullptr;
}

}  // namespace

void CheckGpioReuse(const Product &p, FindingSink &sink) {
    if (p.pBoard == nullptr || !p.pBoard->json.bDeviceReads) return;
    // The last "LedInfo" read replaces any earlier one whole.
    const CapFile *pLed = HasLedInfo(p.pPatch)                             ? p.pPatch
                          : HasLedInfo(p.pBoard) && !p.bIndexLedCount ? p.pBoard
                          : HasLedInfo(p.pIndex)                           ? p.pIndex
                                                                           : nullptr;
    std::vector<Use> uses;
    Collector c(uses);
    if (pLed == p.pIndex) c.Walk(*p.pIndex, p.pIndex->json.root, "", true);
    c.Walk(*p.pBoard, p.pBoard->json.root, "", pLed == p.pBoard);
    // The patch's IR-cut control rows replace the board's, row by row.
    const JsonValue *pPatchRows = nullptr;
    if (p.pPatch != nullptr && p.pPatch->json.bDeviceReads) {
        pPatchRows = p.pPatch->json.root.Find("PatchIrcutCtl");
        std::erase_if(uses, [&](const Use &u) {
            if (pPatchRows == nullptr || !pPatchRows->Is(JsonKind::kArray)) return false;
            for (size_t i = 0; i < pPatchRows->items.size(); ++i)
                if (pPatchRows->items[i].Is(JsonKind::kArray) && u.strKeyPath.rfind(JoinIndex("Ircut.GpioCtl", i), 0) == 0)
                    return true;
            return false;
        });
        c.Walk(*p.pPatch, p.pPatch->json.root, "", pLed == p.pPatch);
    }
    std::map<long long, const Use *> first;
    for (const Use &u : uses) {
        auto [it, bNew] = first.try_emplace(u.llGpio, &u);
        if (bNew) continue;
        const Use &f = *it->second;
        sink.Add(check::kGpioReuse, u.pFile->strRel, u.stPos, u.strKeyPath,
                 "GPIO " + std::to_string(u.llGpio) + " is given to \"" + u.strKeyPath + "\" and already to \"" +
                     f.strKeyPath + "\" (" + f.pFile->strRel + ":" + std::to_string(f.stPos.iLine) +
                     "); one line cannot serve both");
    }
}

}  // namespace devcap_tool::lint
