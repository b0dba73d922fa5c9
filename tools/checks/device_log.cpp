// The device's own view: the result of the library's real start-up on the
// product (startup), and every message the library logged while reading the
// tree that no other finding accounts for (device-log), so that nothing the
// device says is lost.
//
// Which file a message is about follows from where start-up stood: the
// library logs the path of the index before reading it, and stage 2 logs
// the path of every other file before testing it; once the patch file's path
// is logged, stages 3 to 6 read the board, sensor, lens and patch files. A
// message of those stages is placed by what it names: a key or a value of
// one of the files.
#include <ctype.h>

#include <functional>

#include "checks/checks.h"
#include "core/stages.h"
#include "platform/messages.h"

namespace devcap_tool::lint {

namespace {

bool IsNameChar(char c) { return isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// Whether the message names the text: it occurs there, not as part of a
// longer name.
bool Names(const std::string &strMessage, const std::string &strToken) {
    if (strToken.empty()) return false;
    for (size_t ul = strMessage.find(strToken); ul != std::string::npos; ul = strMessage.find(strToken, ul + 1)) {
        const size_t ulEnd = ul + strToken.size();
        const bool bStart = ul == 0 || !IsNameChar(strMessage[ul - 1]) || !IsNameChar(strToken.front());
        const bool bEnd = ulEnd == strMessage.size() || !IsNameChar(strMessage[ulEnd]) || !IsNameChar(strToken.back());
        if (bStart && bEnd) return true;
    }
    return false;
}

// The first place in a file where a key or a value is the text.
const JsonValue *FindNamed(const JsonValue &v, const std::string &strToken, Pos *pPos) {
    for (const JsonMember &m : v.members) {
        if (m.strKey == strToken) {
            *pPos = m.stKeyPos;
            return &m.value;
        }
        if (const JsonValue *p = FindNamed(m.value, strToken, pPos)) return p;
    }
    for (const JsonValue &e : v.items)
        if (const JsonValue *p = FindNamed(e, strToken, pPos)) return p;
    if ((v.Is(JsonKind::kString) || v.Is(JsonKind::kInt)) && v.strText == strToken) {
        *pPos = v.stPos;
        return &v;
    }
    return nullptr;
}

// Whether the message names a key or a value of the file, and where.
bool NamesPartOf(const std::string &strMessage, const JsonValue &v, Pos *pPos) {
    for (const JsonMember &m : v.members) {
        if (Names(strMessage, m.strKey)) {
            *pPos = m.stKeyPos;
            return true;
        }
        if (NamesPartOf(strMessage, m.value, pPos)) return true;
    }
    for (const JsonValue &e : v.items)
        if (NamesPartOf(strMessage, e, pPos)) return true;
    if ((v.Is(JsonKind::kString) || v.Is(JsonKind::kInt)) && Names(strMessage, v.strText)) {
        *pPos = v.stPos;
        return true;
    }
    return false;
}

class Accounting {
public:
    Accounting(const Product &p, FindingSink &sink) : m_p(p), m_sink(sink), m_ulFindings(sink.All().size()) {}

    void Run();

private:
    enum class Window { kIdentity, kIndex, kPaths, kFiles };

    bool IsFileOf(const Finding &f, const std::vector<const CapFile *> &files) const {
        for (const CapFile *pf : files)
            if (pf != nullptr && f.strPath == pf->strRel) return true;
        return false;
    }
    bool Any(const std::vector<const CapFile *> &files, const std::function<bool(const Finding &)> &pred) const {
        for (size_t i = 0; i < m_ulFindings; ++i)
            if (IsFileOf(m_sink.All()[i], files) && pred(m_sink.All()[i])) return true;
        return false;
    }
    std::vector<const CapFile *> WindowFiles(Window w) const;
    bool ReadFailure(const LogLine &l, const CapFile **ppFile) const;
    void Account(const LogLine &l, Window w);
    void Report(const LogLine &l, const CapFile *pFile, Pos stPos);
    void Startup();

    const Product &m_p;
    FindingSink &m_sink;
    const size_t m_ulFindings;  // the product's findings before this check's
    std::set<std::string> m_reported;
};

std::vector<const CapFile *> Accounting::WindowFiles(Window w) const {
    if (w != Window::kFiles) return {m_p.pIndex};
    std::vector<const CapFile *> files = {m_p.pBoard};
    files.insert(files.end(), m_p.sensors.begin(), m_p.sensors.end());
    files.insert(files.end(), m_p.lenses.begin(), m_p.lenses.end());
    files.push_back(m_p.pPatch);
    return files;
}

// A file of the product the library could not read ("... Json is Null.").
bool Accounting::ReadFailure(const LogLine &l, const CapFile **ppFile) const {
    const struct {
        const char *pcText;
        FileKind enKind;
    } kFailures[] = {
        {cap::msg::kIndexNotJson, FileKind::kIndex},   {cap::msg::kBoardNotJson, FileKind::kBoard},
        {cap::msg::kBoardNotObject, FileKind::kBoard}, {cap::msg::kSensorNotJson, FileKind::kSensor},
        {cap::msg::kLensNotJson, FileKind::kLens},     {cap::msg::kPatchNotJson, FileKind::kPatch},
    };
    for (const auto &fail : kFailures) {
        if (!l.Is(fail.pcText)) continue;
        *ppFile = nullptr;
        for (const CapFile *pf : m_p.Files())
            if (pf->enKind == fail.enKind && (*ppFile == nullptr || !pf->json.bDeviceReads)) *ppFile = pf;
        return true;
    }
    return false;
}

void Accounting::Report(const LogLine &l, const CapFile *pFile, Pos stPos) {
    const std::string strRel = pFile != nullptr ? pFile->strRel : m_p.pIndex->strRel;
    if (!m_reported.insert(strRel + "\n" + l.strText).second) return;
    Finding &f = m_sink.Add(check::kDeviceLog, strRel, stPos, "",
                            "the device logs " + std::string(l.iLevel == 3 ? "an error" : l.iLevel == 4 ? "a warning" : "a notice") +
                                " that no check explains: \"" + l.strText + "\" (from " + l.strFn + ")");
    if (l.iLevel != 3) f.enSeverity = Severity::kWarning;
}

void Accounting::Account(const LogLine &l, Window w) {
    if (l.Matches(cap::msg::kBoardIntTrace)) return;  // routine
    // The chain of a failed stage: the failure itself is the startup finding.
    for (const Stage &st : Stages())
        if (l.Is(st.pcFailMsg)) return;
    for (const char *pc : {cap::msg::kIndexPathFail, cap::msg::kIndexFail, cap::msg::kBoardPathFail,
                           cap::msg::kSensorPathFail, cap::msg::kLensPathFail, cap::msg::kFolderPathFail,
                           cap::msg::kPatchPathFail})
        if (l.Is(pc)) return;

    std::vector<std::string> args;
    if (l.Matches(cap::msg::kPathError, &args)) {
        for (const CapFile *pf : m_p.Files())
            if (pf->strDevPath == args[0] && !pf->bExists) return;  // the missing-file finding
        Report(l, m_p.pIndex, Pos{});
        return;
    }
    const CapFile *pFailed = nullptr;
    if (ReadFailure(l, &pFailed)) {
        if (pFailed != nullptr &&
            Any({pFailed}, [](const Finding &f) { return f.enSeverity == Severity::kError && f.bKeyless; }))
            return;
        Report(l, pFailed, Pos{});
        return;
    }

    // A message about the files: accounted for by a finding that names what
    // the message names. The errors and warnings the device logs for what it
    // cannot name (no text where a word is read, an entry or a port left out)
    // are accounted for by a finding of such a thing.
    const std::vector<const CapFile *> files = WindowFiles(w);
    if (Any(files, [&](const Finding &f) {
            for (const std::string &t : f.tokens)
                if (Names(l.strText, t)) return true;
            return false;
        }))
        return;
    if (l.iLevel <= 4 && Any(files, [](const Finding &f) { return f.bKeyless; })) return;
    for (const CapFile *pf : files) {
        Pos stPos;
        if (pf != nullptr && pf->json.bDeviceReads && NamesPartOf(l.strText, pf->json.root, &stPos)) {
            Report(l, pf, stPos);
            return;
        }
    }
    Report(l, files.front() != nullptr ? files.front() : m_p.pIndex, Pos{});
}

void Accounting::Startup() {
    if (m_p.iInitRc == 0) return;
    const CapFile *pFile = m_p.pIndex;
    Pos stPos;
    std::string strStage = "stage ?";
    if (m_p.pFailedStage != nullptr) {
        const int iStage = m_p.pFailedStage->iNumber;
        strStage = "stage " + std::to_string(iStage) + " (" + m_p.pFailedStage->pcWhat + ")";
        // The file the stage was at: in stage 2 the first that is missing,
        // later the first of the stage's kind the device cannot read.
        const FileKind aKinds[] = {FileKind::kIndex, FileKind::kIndex, FileKind::kBoard,
                                   FileKind::kSensor, FileKind::kLens, FileKind::kPatch};
        const CapFile *pFirst = nullptr, *pBad = nullptr;
        for (const CapFile *pf : m_p.Files()) {
            if (iStage == 2 ? !pf->bExists : pf->enKind == aKinds[iStage - 1] && !pf->json.bDeviceReads) {
                pBad = pf;
                break;
            }
            if (pFirst == nullptr && iStage != 2 && pf->enKind == aKinds[iStage - 1]) pFirst = pf;
        }
        pFile = pBad != nullptr ? pBad : pFirst != nullptr ? pFirst : m_p.pIndex;
        // A board, sensor or lens file that is not there: where the index names it.
        if (iStage == 2 && pFile->enKind != FileKind::kPatch) {
            for (size_t i = 0; i < m_ulFindings; ++i) {
                const Finding &f = m_sink.All()[i];
                if (f.strCheck != check::kMissingFile || f.strPath != m_p.pIndex->strRel) continue;
                stPos = f.stPos;
                break;
            }
            pFile = m_p.pIndex;
        }
    }
    m_sink.Add(check::kStartup, pFile->strRel, stPos, "",
               "the device's start-up fails on product " + m_p.strName + " in " + strStage + ", code " +
                   std::to_string(m_p.iInitRc) + ": later stages do not run and their answers stay at their defaults");
}

void Accounting::Run() {
    Startup();
    Window w = Window::kIdentity;
    std::vector<std::string> args;
    for (const LogLine &l : m_p.log) {
        if (l.Matches(cap::msg::kCapPath, &args)) {
            w = w == Window::kIdentity ? Window::kIndex : Window::kPaths;
            if (w == Window::kPaths && m_p.pPatch != nullptr && args[0] == m_p.pPatch->strDevPath) w = Window::kFiles;
            continue;
        }
        // Before the index: the device's identity (name file, tag), which is
        // not the tree's; debug messages are routine.
        if (w == Window::kIdentity || l.iLevel > 6) continue;
        Account(l, w == Window::kPaths ? Window::kIndex : w);
    }
}

}  // namespace

void CheckDeviceLog(const Product &p, FindingSink &sink) { Accounting(p, sink).Run(); }

}  // namespace devcap_tool::lint
