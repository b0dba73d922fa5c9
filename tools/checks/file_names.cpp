// file-name: files and folders whose names nearly match those the device
// looks for (hardwareIndex.json, cap_borad.json, hardware/sensors): the
// device never reads them.
#include <algorithm>

#include "checks/checks.h"

namespace devcap_tool::lint {

namespace {

// A near miss: the same letters in another case, or a few edits away
// (fewer for short names). Backups ("~") and hidden files are no misses.
bool NearlyMatches(const std::string &strName, const std::string &strWanted) {
    if (strName == strWanted || strName.empty() || strName[0] == '.' || strName.back() == '~') return false;
    const size_t ulMax = strWanted.size() >= 10 ? 2 : 1;
    const size_t ulDiff = strName.size() > strWanted.size() ? strName.size() - strWanted.size()
                                                            : strWanted.size() - strName.size();
    return ulDiff <= ulMax && model::EditDistance(strName, strWanted) <= ulMax;
}

bool Contains(const std::vector<std::string> &names, const std::string &strName) {
    for (const std::string &n : names)
        if (n == strName) return true;
    return false;
}

void CheckFolder(Folders &folders, const std::string &strDevFolder, const std::vector<std::string> &wanted,
                 FindingSink &sink) {
    const std::vector<std::string> &names = folders.List(strDevFolder);
    for (const std::string &n : names) {
        for (const std::string &w : wanted) {
            if (!NearlyMatches(n, w)) continue;
            std::string strMsg = "\"" + n + "\" nearly matches \"" + w + "\", which the device looks for; ";
            strMsg += Contains(names, w) ? "the device reads \"" + w + "\" and never this one"
                                         : "there is no \"" + w + "\" here, and the device never reads this one";
            Finding &f = sink.Add(check::kFileName, strDevFolder.substr(1) + "/" + n, Pos{}, "", strMsg);
            f.expected = {w};
        }
    }
}

}  // namespace

void CheckFileNames(Folders &folders, const std::vector<std::string> &products, const std::vector<std::string> &scan,
                    const std::vector<std::string> &partFolders, bool bWholeTree, FindingSink &sink) {
    const std::string strBin = FolderOf(FileKind::kIndex);
    const std::string strHardware = FolderOf(FileKind::kBoard).substr(0, FolderOf(FileKind::kBoard).rfind('/'));
    const FileKind aShared[] = {FileKind::kBoard, FileKind::kSensor, FileKind::kLens};
    const std::vector<std::string> productFiles = {FileNameOf(FileKind::kIndex), FileNameOf(FileKind::kPatch)};
    std::vector<std::string> productFolders = scan, parts = partFolders;
    if (bWholeTree) {
        CheckFolder(folders, strBin, {strHardware.substr(strHardware.rfind('/') + 1)}, sink);
        std::vector<std::string> kinds;
        for (FileKind k : aShared) kinds.push_back(FolderOf(k).substr(strHardware.size() + 1));
        CheckFolder(folders, strHardware, kinds, sink);
        // Folders that are no product: an index under a name nearly right.
        for (const std::string &n : folders.List(strBin))
            if (strBin + "/" + n != strHardware && !std::binary_search(products.begin(), products.end(), n))
                productFolders.push_back(n);
        for (FileKind k : aShared)
            for (const std::string &n : folders.List(FolderOf(k))) parts.push_back(FolderOf(k) + "/" + n);
    }
    for (const std::string &n : productFolders) CheckFolder(folders, strBin + "/" + n, productFiles, sink);
    for (const std::string &strFolder : parts) {
        for (FileKind k : aShared)
            if (strFolder.rfind(FolderOf(k) + "/", 0) == 0) CheckFolder(folders, strFolder, {FileNameOf(k)}, sink);
    }
}

}  // namespace devcap_tool::lint
