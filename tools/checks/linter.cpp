// Lint of a tree, product by product. Start-up runs once per product, with
// the product's folder name as the device name; the record it leaves says
// which files the product reads, each read and checked once however many
// products share it.
#include "checks/linter.h"

#include <stdio.h>

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include "checks/checks.h"
#include "devcap.h"
#include "host.h"
#include "platform/log.h"

namespace devcap_tool::lint {

namespace {

// Every capability file of the tree that a product reads, read once, and
// kept while products may read it.
class TreeFiles {
public:
    TreeFiles(const std::string &strRoot, bool bAbsentKeys)
        : m_strRoot(strRoot == "/" ? "" : strRoot), m_bAbsentKeys(bAbsentKeys) {}

    const CapFile *Get(FileKind enKind, const std::string &strDevPath) {
        std::unique_ptr<CapFile> &slot = m_files[strDevPath];
        if (slot == nullptr) {
            slot = std::make_unique<CapFile>();
            slot->enKind = enKind;
            slot->strDevPath = strDevPath;
            slot->strRel = strDevPath.substr(1);
            ReadCapFile(m_strRoot + strDevPath, m_bAbsentKeys, *slot);
        }
        return slot.get();
    }
    // A file no other product reads (a product's own) goes.
    void Drop(const CapFile *pFile) {
        if (pFile != nullptr) m_files.erase(pFile->strDevPath);
    }

    const std::map<std::string, std::unique_ptr<CapFile>> &All() const { return m_files; }

private:
    std::string m_strRoot;
    bool m_bAbsentKeys;
    std::map<std::string, std::unique_ptr<CapFile>> m_files;
};

// The LED count the index leaves: the board file's "LedInfo" is read only
// while it is 0. The last "LedInfo" object of the index decides, and in it
// the last integer "LedNum", cut to 16 bits.
bool IndexGivesLedCount(const CapFile &index) {
    if (!index.json.bDeviceReads) return false;
    unsigned uiNum = 0;
    for (const JsonMember &m : index.json.root.members) {
        if (m.strKey != "LedInfo" || !m.value.Is(JsonKind::kObject)) continue;
        uiNum = 0;
        for (const JsonMember &led : m.value.members)
            if (led.strKey == "LedNum" && led.value.Is(JsonKind::kInt))
                uiNum = static_cast<unsigned>(std::clamp<long long>(led.value.llVal, INT32_MIN, INT32_MAX)) & 0xFFFFu;
    }
    return uiNum != 0;
}

class Linter {
public:
    Linter(const Options &opts, const std::set<std::string> &enabled)
        : m_opts(opts),
          m_enabled(enabled),
          m_files(opts.strRoot, enabled.count(check::kAbsentKey) > 0),
          m_folders(opts.strRoot),
          m_session(opts) {
        // The library's debug messages account for nothing: only -v shows them.
        if (!opts.bVerbose) HOST_SetLogThreshold(cap::kLogInfo);
    }

    // A product; with bIfIndex only if its folder holds an index.
    void Run(const std::string &strName, bool bIfIndex, LintResult &result);
    // The names in the tree (bWholeTree) or around the products checked.
    void CheckTree(LintResult &result, bool bWholeTree);
    void Finish(LintResult &result);

private:
    // Start-up of a product, and the files it reads: its own index and patch
    // (at these device paths) and those they lead to.
    Product Start(const std::string &strName, const std::string &strIndex, const std::string &strPatch);
    const std::vector<Finding> &FileFindings(const CapFile &file, FileContext stContext);
    // A product's own file, once the product is checked: it and its findings go.
    void Forget(const CapFile *pFile);
    void Keep(const Finding &f);

    const Options &m_opts;
    const std::set<std::string> &m_enabled;
    TreeFiles m_files;
    Folders m_folders;
    Session m_session;
    std::map<std::pair<const CapFile *, FileContext>, std::vector<Finding>> m_fileFindings;
    // The products that lack their index or patch file, for the file-name check.
    std::vector<std::string> m_lacking;
    // Each finding once: by path, line, column, check and message.
    std::map<std::tuple<std::string, int, int, std::string, std::string>, Finding> m_kept;
};

Product Linter::Start(const std::string &strName, const std::string &strIndex, const std::string &strPatch) {
    Product p;
    p.strName = strName;
    if (m_opts.bVerbose) fprintf(stderr, "devcap lint: start-up of %s\n", strName.c_str());
    CAP_SetDeviceNameOverride(strName.c_str());
    p.iInitRc = m_session.Init();
    p.pFailedStage = m_session.FailedStage();
    p.log = m_session.InitLog();

    p.pIndex = m_files.Get(FileKind::kIndex, strIndex);
    const CapFile *pPatch = m_files.Get(FileKind::kPatch, strPatch);
    p.pPatch = pPatch->bExists || (p.pFailedStage == nullptr || p.pFailedStage->iNumber > 1) ? pPatch : nullptr;
    if (p.pFailedStage == nullptr || p.pFailedStage->iNumber > 1) {
        // What stage 1 made of the index: the names as the device holds them.
        auto Named = [this](FileKind enKind, const std::string &strFile) {
            return strFile.empty() ? nullptr : m_files.Get(enKind, DevPathOf(enKind, strFile));
        };
        p.strBoardName = g_pstBoardCap->acBoardType;
        p.pBoard = Named(FileKind::kBoard, p.strBoardName);
        for (int i = 0; i < std::min<int>(g_pstSensorCap->usSensorNum, CAP_MAX_CHANNEL); ++i)
            p.sensors.push_back(
                Named(FileKind::kSensor, p.sensorNames.emplace_back(g_pstSensorCap->aacSensorName[i])));
        for (int i = 0; i < std::min<int>(g_pstLensCap->usLensNum, CAP_MAX_CHANNEL); ++i)
            p.lenses.push_back(Named(FileKind::kLens, p.lensNames.emplace_back(g_pstLensCap->aacLensName[i])));
        p.bIndexLedCount = IndexGivesLedCount(*p.pIndex);
    }
    // Every file once, in start-up order.
    for (const CapFile *pf : {p.pIndex, p.pBoard}) p.AddFile(pf);
    for (const CapFile *pf : p.sensors) p.AddFile(pf);
    for (const CapFile *pf : p.lenses) p.AddFile(pf);
    p.AddFile(p.pPatch);
    return p;
}

const std::vector<Finding> &Linter::FileFindings(const CapFile &file, FileContext stContext) {
    auto [it, bNew] = m_fileFindings.try_emplace({&file, stContext});
    if (bNew) {
        FindingSink sink;
        CheckSyntax(file, sink);
        const bool bTooLarge = std::any_of(sink.All().begin(), sink.All().end(),
                                           [](const Finding &f) { return f.strCheck == check::kFileTooLarge; });
        if (file.json.bDeviceReads && !bTooLarge)
            CheckAgainstModel(file, stContext, sink);
        CheckCounts(file, sink);
        CheckUart(file, sink);
        it->second = std::move(sink.All());
    }
    return it->second;
}

void Linter::Keep(const Finding &f) {
    auto [it, bNew] = m_kept.try_emplace({f.strPath, f.stPos.iLine, f.stPos.iColumn, f.strCheck, f.strMessage}, f);
    if (!bNew) it->second.products.insert(f.products.begin(), f.products.end());
}

void Linter::Run(const std::string &strName, bool bIfIndex, LintResult &result) {
    const std::string strIndex = DevPathOf(FileKind::kIndex, strName), strPatch = DevPathOf(FileKind::kPatch, strName);
    if (const CapFile *pIndex = m_files.Get(FileKind::kIndex, strIndex); bIfIndex && !pIndex->bExists) {
        Forget(pIndex);
        return;
    }
    Product p = Start(strName, strIndex, strPatch);
    FindingSink sink;
    for (const CapFile *pf : p.Files()) {
        if (!pf->bExists) continue;
        FileContext stContext;
        stContext.bBoardLedInfoRead = pf->enKind != FileKind::kBoard || !p.bIndexLedCount;
        for (const Finding &f : FileFindings(*pf, stContext)) sink.All().push_back(f);
    }
    CheckProductFiles(p, m_folders, sink);
    CheckChannels(p, sink);
    CheckGpioReuse(p, sink);
    CheckDeviceLog(p, sink);
    for (Finding &f : sink.All()) {
        f.products.insert(strName);
        Keep(f);
    }
    ProductSummary summary;
    summary.strName = strName;
    summary.iInitRc = p.iInitRc;
    summary.pFailedStage = p.pFailedStage;
    for (const CapFile *pf : p.Files()) summary.files.push_back(pf->strRel);
    result.products.push_back(std::move(summary));
    const CapFile *pIndex = m_files.Get(FileKind::kIndex, strIndex), *pPatch = m_files.Get(FileKind::kPatch, strPatch);
    if (!pIndex->bExists || !pPatch->bExists) m_lacking.push_back(strName);
    Forget(pIndex);
    Forget(pPatch);
}

void Linter::Forget(const CapFile *pFile) {
    for (bool bRead : {false, true}) m_fileFindings.erase({pFile, FileContext{bRead}});
    m_files.Drop(pFile);
}

void Linter::CheckTree(LintResult &result, bool bWholeTree) {
    // Product folders are listed where the device lacks a file: a name
    // nearly right may explain it.
    std::vector<std::string> products, parts;
    for (const ProductSummary &p : result.products) products.push_back(p.strName);
    std::sort(products.begin(), products.end());
    for (const auto &[strDevPath, pFile] : m_files.All())
        if (pFile->enKind != FileKind::kIndex && pFile->enKind != FileKind::kPatch && pFile->bExists)
            parts.push_back(strDevPath.substr(0, strDevPath.rfind('/')));
    FindingSink sink;
    CheckFileNames(m_folders, products, m_lacking, parts, bWholeTree, sink);
    for (const Finding &f : sink.All()) Keep(f);
}

void Linter::Finish(LintResult &result) {
    CAP_SetDeviceNameOverride(nullptr);
    for (auto &[key, f] : m_kept)
        if (m_enabled.count(f.strCheck) > 0) result.findings.push_back(std::move(f));
}

}  // namespace

void Product::AddFile(const CapFile *pFile) {
    if (pFile != nullptr && std::find(m_files.begin(), m_files.end(), pFile) == m_files.end())
        m_files.push_back(pFile);
}

int LintResult::Count(Severity enSeverity) const {
    return static_cast<int>(
        std::count_if(findings.begin(), findings.end(), [&](const Finding &f) { return f.enSeverity == enSeverity; }));
}

LintResult Lint(const Options &opts, const std::vector<std::string> &products, bool bWholeTree,
               const std::set<std::string> &enabled) {
    LintResult result;
    Linter linter(opts, enabled);
    for (const std::string &strName : products) linter.Run(strName, bWholeTree, result);
    linter.CheckTree(result, bWholeTree);
    linter.Finish(result);
    return result;
}

}  // namespace devcap_tool::lint
