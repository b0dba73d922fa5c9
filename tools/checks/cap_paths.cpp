// Where the device looks for each kind of capability file: the library's own
// table of file kinds (core/paths.h).
#include <dirent.h>
#include <string.h>

#include <algorithm>

#include "checks/checks.h"
#include "core/paths.h"
#include "devcap.h"

namespace devcap_tool::lint {

namespace {

std::string FolderOfKind(FileKind enKind) {
    for (const cap::CapFileKind &k : cap::kCapFileKinds)
        if (strcmp(k.acFile, FileNameOf(enKind)) == 0 && k.acShared[0] != '\0')
            return std::string(cap::kRootDir) + "/" + k.acShared;
    return cap::kRootDir;
}

}  // namespace

const std::string &FolderOf(FileKind enKind) {
    static const std::vector<std::string> s_folders = [] {
        std::vector<std::string> v;
        for (const model::FileModel &f : model::Files()) {
            if (v.size() <= static_cast<size_t>(f.eKind)) v.resize(static_cast<size_t>(f.eKind) + 1);
            v[static_cast<size_t>(f.eKind)] = FolderOfKind(f.eKind);
        }
        return v;
    }();
    return s_folders[static_cast<size_t>(enKind)];
}

std::string DevPathOf(FileKind enKind, const std::string &strName) {
    const std::string &strFolder = FolderOf(enKind);
    const char *pcFile = FileNameOf(enKind);
    std::string s;
    s.reserve(strFolder.size() + strName.size() + strlen(pcFile) + 2);
    s.append(strFolder).append(1, '/').append(strName).append(1, '/').append(pcFile);
    // The library formats a path into CAP_PATH_LEN - 1 bytes with its terminator.
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

const std::vector<std::string> &Folders::List(const std::string &strDevFolder) {
    auto [it, bNew] = m_lists.try_emplace(strDevFolder);
    if (bNew) it->second = ListFolder(m_strRoot, strDevFolder);
    return it->second;
}

}  // namespace devcap_tool::lint
