// The files a product's start-up looks for: missing-file (a file that is
// not there, or a name from which no path can be built) and name-case (a
// board, sensor or lens name that matches a folder only in another letter
// case; the device's file system tells case apart).
#include <string.h>

#include <algorithm>

#include "checks/checks.h"
#include "devcap.h"

namespace devcap_tool::lint {

namespace {

// Where the index names a file of the product: the key, its path and place.
struct Naming {
    std::string strKeyPath;
    Pos stPos;
    const JsonValue *pValue = nullptr;  // the name as written (a text)
};

Naming WhereNamed(const Product &p, FileKind enKind, size_t ulChannel) {
    Naming n;
    const JsonValue &root = p.pIndex->json.root;
    if (!p.pIndex->json.bDeviceReads) return n;
    if (enKind == FileKind::kBoard) {
        if (const JsonMember *pm = root.FindMember("board")) n = {"board", pm->stKeyPos, &pm->value};
        return n;
    }
    const JsonValue *pIsp = root.Find("ISP_INFO");
    if (pIsp == nullptr || ulChannel >= pIsp->items.size()) return n;
    const std::string strEntry = model::JoinPath("ISP_INFO", std::to_string(ulChannel));
    const char *pcKey = enKind == FileKind::kSensor ? "sensor" : "lens";
    const JsonMember *pm = pIsp->items[ulChannel].FindMember(pcKey);
    if (pm == nullptr) return {strEntry, pIsp->items[ulChannel].stPos, nullptr};
    n = {model::JoinPath(strEntry, pcKey), pm->stKeyPos, &pm->value};
    // A fixed lens: the folder is the array's first element.
    if (pm->value.Is(JsonKind::kArray) && !pm->value.items.empty())
        n = {model::JoinPath(n.strKeyPath, "0"), pm->value.items[0].stPos, &pm->value.items[0]};
    return n;
}

// The folders of a kind that hold its file.
std::vector<std::string> FoldersWithFile(Folders &folders, FileKind enKind) {
    std::vector<std::string> out;
    const std::string strFolder = FolderOf(enKind);
    for (const std::string &n : folders.List(strFolder)) {
        const std::vector<std::string> &files = folders.List(strFolder + "/" + n);
        if (std::binary_search(files.begin(), files.end(), FileNameOf(enKind))) out.push_back(n);
    }
    return out;
}

// The folder names closest to a name: in another letter case, else those
// one edit away, else two.
std::vector<std::string> Nearest(const std::vector<std::string> &names, const std::string &strName) {
    std::vector<std::string> out = model::Closest(names, strName, 1);
    return out.empty() ? model::Closest(names, strName, 2) : out;
}

void CheckNamedFile(const Product &p, FileKind enKind, size_t ulChannel, const std::string &strName,
                    const CapFile *pFile, Folders &folders, FindingSink &sink) {
    const Naming n = WhereNamed(p, enKind, ulChannel);
    const std::string strWhat = KindName(enKind);
    if (strName.empty()) {
        // No name at all is the model's missing key; an empty text is here.
        if (n.pValue != nullptr && n.pValue->Is(JsonKind::kString) && n.pValue->strText.empty())
            sink.Add(check::kMissingFile, p.pIndex->strRel, n.stPos, n.strKeyPath,
                     "an empty " + strWhat + " name: the device builds no path from it and start-up fails in stage 2")
                .bKeyless = true;
        return;
    }
    for (const std::string &other : folders.List(FolderOf(enKind))) {
        if (!model::SameLettersOtherCase(other, strName)) continue;
        sink.Add(check::kNameCase, p.pIndex->strRel, n.stPos, n.strKeyPath,
                 "the " + strWhat + " name \"" + strName + "\" matches the folder \"" + other +
                     "\" only in letter case; the device's file system tells case apart");
    }
    if (pFile == nullptr || pFile->bExists) return;
    const std::vector<std::string> near = Nearest(FoldersWithFile(folders, enKind), strName);
    std::string strMsg = "\"" + strName + "\" names " + pFile->strRel + ", which is not there; start-up fails in stage 2";
    if (n.pValue != nullptr && n.pValue->Is(JsonKind::kString) && n.pValue->strText != strName)
        strMsg += " (the name is cut to " + std::to_string(strName.size()) + " characters)";
    else if (FolderOf(enKind).size() + strName.size() + strlen(FileNameOf(enKind)) + 2 > CAP_PATH_LEN - 2)
        strMsg += " (the path is cut to " + std::to_string(CAP_PATH_LEN - 2) + " characters)";
    if (!near.empty()) strMsg += "; did you mean " + OrList(near) + "?";
    Finding &f = sink.Add(check::kMissingFile, p.pIndex->strRel, n.stPos, n.strKeyPath, strMsg);
    f.expected = near;
    f.tokens = {strName};
}

}  // namespace

void CheckProductFiles(const Product &p, Folders &folders, FindingSink &sink) {
    if (!p.pIndex->bExists) {
        sink.Add(check::kMissingFile, p.pIndex->strRel, Pos{}, "",
                 "product " + p.strName + " has no " + FileNameOf(FileKind::kIndex) +
                     "; the device finds no index and start-up fails in stage 1");
        return;
    }
    if (p.pPatch != nullptr && !p.pPatch->bExists)
        sink.Add(check::kMissingFile, p.pPatch->strRel, Pos{}, "",
                 "product " + p.strName + " has no " + FileNameOf(FileKind::kPatch) +
                     "; start-up fails in stage 2 (a file holding {} is enough)");
    if (p.pFailedStage != nullptr && p.pFailedStage->iNumber == 1) return;
    CheckNamedFile(p, FileKind::kBoard, 0, p.strBoardName, p.pBoard, folders, sink);
    for (size_t i = 0; i < p.sensorNames.size(); ++i)
        CheckNamedFile(p, FileKind::kSensor, i, p.sensorNames[i], p.sensors[i], folders, sink);
    for (size_t i = 0; i < p.lensNames.size(); ++i)
        CheckNamedFile(p, FileKind::kLens, i, p.lensNames[i], p.lenses[i], folders, sink);
}

}  // namespace devcap_tool::lint
