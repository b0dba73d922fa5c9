// Where the device looks for each kind of capability file.
#include <dirent.h>

#include <algorithm>

#include "checks/checks.h"
#include "devcap.h"

namespace devcap_tool::lint {

namespace {

struct KindPlace {
    FileKind enKind;
    const char *pcKind;
    const char *pcShared;  // folder under /usr/bin; empty: the product folder
    const char *pcFile;
};

constexpr KindPlace kPlaces[] = {
    {FileKind::kIndex, "index", "", "hardwareindex.json"},
    {FileKind::kBoard, "board", "hardware/board", "cap_board.json"},
    {FileKind::kSensor, "sensor", "hardware/sensor", "cap_sensor.json"},
    {FileKind::kLens, "lens", "hardware/lens", "cap_lens.json"},
    {FileKind::kPatch, "patch", "", "cap_patch.json"},
};

const KindPlace &PlaceOf(FileKind enKind) {
    for (const KindPlace &k : kPlaces)
        if (k.enKind == enKind) return k;
    return kPlaces[0];
}

}  // namespace

std::string FolderOf(FileKind enKind) {
    const KindPlace &k = PlaceOf(enKind);
    return k.pcShared[0] != '\0' ? std::string("/usr/bin/") + k.pcShared : "/usr/bin";
}

const char *FileNameOf(FileKind enKind) { return PlaceOf(enKind).pcFile; }
const char *KindName(FileKind enKind) { return PlaceOf(enKind).pcKind; }

std::string DevPathOf(FileKind enKind, const std::string &strName) {
    std::string s = FolderOf(enKind) + "/" + strName + "/" + FileNameOf(enKind);
    if (s.size() > CAP_PATH_LEN - 2) s.resize(CAP_PATH_LEN - 2);
    return s;
}

std::vector<std::string> ListFolder(const std::string &strRoot, const std::string &strDevFolder) {
    std::vector<std::string> names;
    DIR *pDir = opendir(((strRoot == "/" ? "" : strRoot) + strDevFolder).c_str());
    if (pDir == nullptr) return names;
    while (dirent *pEnt = readdir(pDir)) {
        std::string n = pEnt->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    closedir(pDir);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace devcap_tool::lint
