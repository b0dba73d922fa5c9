// gpio-reuse: one GPIO line given to two functions of a product, over the
// GPIO lines the device takes from the board file and the patch file (and
// from the one "LedInfo" it keeps).
#include <algorithm>
#include <map>
#include <numeric>

#include "checks/model_walk.h"

namespace devcap_tool::lint {

namespace {

// A GPIO line and where it is given; the texts are views of the file's
// judgements.
struct Use {
    long long llGpio;
    std::string_view strKey;   // the key that gives it: "LensPinsA", "PTZ/FanGpioCtl"
    std::string_view strPath;  // the value: "LensPinsA/3"
    const CapFile *pFile;
    Pos stPos;
};

// The GPIO lines the device takes from a file, as the model judged its
// values (so slots beyond a field's are not counted); its "LedInfo" only
// where it is the one the device keeps.
void Collect(const CapFile &file, bool bLedInfo, std::vector<Use> &uses) {
    for (const model::Judgement<JsonValue> &j : file.judgements) {
        const JsonValue *pNode = j.pNode;
        if (j.pValue == nullptr || !j.pValue->bGpio || pNode == nullptr || !pNode->Is(JsonKind::kInt) ||
            pNode->llVal < 0 || j.eVerdict == model::Verdict::kIgnored)
            continue;
        if (!bLedInfo && j.strPath.rfind("LedInfo/", 0) == 0) continue;
        // The key: the path without the indices at its end.
        std::string_view strKey = j.strPath;
        for (size_t ul = strKey.rfind('/');
             ul != std::string_view::npos && strKey.find_first_not_of("0123456789", ul + 1) == std::string_view::npos;
             ul = strKey.rfind('/'))
            strKey = strKey.substr(0, ul);
        uses.push_back({pNode->llVal, strKey, j.strPath, &file, pNode->stPos});
    }
}

bool HasLedInfo(const CapFile *pFile) {
    return pFile != nullptr && pFile->json.bDeviceReads && pFile->json.root.Find("LedInfo") != nullptr;
}

}  // namespace

void CheckGpioReuse(const Product &p, FindingSink &sink) {
    if (p.pBoard == nullptr || !p.pBoard->json.bDeviceReads || !p.pBoard->json.root.Is(JsonKind::kObject)) return;
    // The last "LedInfo" read replaces any earlier one whole.
    const CapFile *pLed = HasLedInfo(p.pPatch)                        ? p.pPatch
                          : HasLedInfo(p.pBoard) && !p.bIndexLedCount ? p.pBoard
                          : HasLedInfo(p.pIndex)                      ? p.pIndex
                                                                      : nullptr;
    std::vector<Use> uses;
    uses.reserve(64);
    if (pLed == p.pIndex) Collect(*p.pIndex, true, uses);
    Collect(*p.pBoard, pLed == p.pBoard, uses);
    if (p.pPatch != nullptr && p.pPatch->json.bDeviceReads) {
        // The patch's IR-cut control rows replace the board's, row by row.
        const JsonValue *pRows = p.pPatch->json.root.Find("PatchIrcutCtl");
        for (size_t i = 0; pRows != nullptr && i < pRows->items.size(); ++i) {
            if (!pRows->items[i].Is(JsonKind::kArray)) continue;
            const std::string strRow = "Ircut/GpioCtl/" + std::to_string(i) + "/";
            std::erase_if(uses, [&](const Use &u) { return u.strPath.rfind(strRow, 0) == 0; });
        }
        Collect(*p.pPatch, pLed == p.pPatch, uses);
    }
    // For each use, the first use of its line: the uses by line, each line's
    // in their order.
    std::vector<size_t> byLine(uses.size()), first(uses.size());
    std::iota(byLine.begin(), byLine.end(), 0);
    std::stable_sort(byLine.begin(), byLine.end(), [&](size_t a, size_t b) { return uses[a].llGpio < uses[b].llGpio; });
    for (size_t i = 0; i < byLine.size(); ++i)
        first[byLine[i]] =
            i > 0 && uses[byLine[i - 1]].llGpio == uses[byLine[i]].llGpio ? first[byLine[i - 1]] : byLine[i];
    // One finding for each pair of keys that share lines, at the first line
    // given twice.
    std::map<std::pair<std::string_view, std::string_view>, std::vector<size_t>> shared;
    for (size_t i = 0; i < uses.size(); ++i)
        if (first[i] != i) shared[{uses[i].strKey, uses[first[i]].strKey}].push_back(i);
    for (const auto &[keys, dups] : shared) {
        const Use &u = uses[dups.front()];
        const Use &f = uses[first[dups.front()]];
        std::vector<std::string> lines;
        for (size_t i : dups) lines.push_back(std::to_string(uses[i].llGpio));
        const bool bOne = lines.size() == 1;
        const std::string strWhere = f.pFile == u.pFile ? "line " + std::to_string(f.stPos.iLine)
                                                        : f.pFile->strRel + ":" + std::to_string(f.stPos.iLine);
        sink.Add(check::kGpioReuse, u.pFile->strRel, u.stPos, std::string(u.strPath),
                 std::string(bOne ? "GPIO line " : "GPIO lines ") + OrList(lines, false, " and ") + " of " +
                     Quoted(std::string(keys.first)) + " " + (bOne ? "is" : "are") + " already given to " +
                     Quoted(std::string(keys.second)) + " (" + strWhere + "); one line cannot serve both");
    }
}

}  // namespace devcap_tool::lint
