#include "session.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "core/stages.h"
#include "devcap.h"
#include "host.h"

namespace devcap_tool {

namespace {

// The texts of the library's stage table, copied at compile time: the table
// itself holds the stage operations, which are not exported.
struct StageTexts {
    char acName[sizeof(cap::kStartupStages[0].acName)];
    char acFailure[sizeof(cap::kStartupStages[0].acFailure)];
};

constexpr auto kStageTexts = [] {
    std::array<StageTexts, cap::kStartupStageNum> a{};
    for (size_t i = 0; i < a.size(); ++i) {
        std::copy_n(cap::kStartupStages[i].acName, sizeof(a[i].acName), a[i].acName);
        std::copy_n(cap::kStartupStages[i].acFailure, sizeof(a[i].acFailure), a[i].acFailure);
    }
    return a;
}();

// The text without one trailing newline.
std::string_view Chomp(std::string_view s) { return s.ends_with('\n') ? s.substr(0, s.size() - 1) : s; }

// Match text t against format f from their starts; a %s takes the shortest
// text that lets the rest match.
bool MatchFrom(std::string_view f, std::string_view t, std::vector<std::string> *pArgs) {
    while (!f.empty()) {
        if (f[0] != '%') {
            if (t.empty() || t[0] != f[0]) return false;
            f.remove_prefix(1);
            t.remove_prefix(1);
            continue;
        }
        size_t ulSpec = f.find_first_of("sdup", 1);
        if (ulSpec == std::string_view::npos) return false;
        const char cKind = f[ulSpec];
        f.remove_prefix(ulSpec + 1);
        size_t ulMax = t.size();
        if (cKind != 's') {  // a number (%p: a pointer's text, no spaces)
            size_t n = 0;
            if (cKind == 'd' && n < t.size() && t[n] == '-') ++n;
            while (n < t.size() && (cKind == 'p' ? t[n] != ' ' : isdigit(static_cast<unsigned char>(t[n])) != 0)) ++n;
            if (n == 0) return false;
            ulMax = n;
            size_t ulArgs = pArgs != nullptr ? pArgs->size() : 0;
            if (pArgs != nullptr) pArgs->emplace_back(t.substr(0, n));
            if (MatchFrom(f, t.substr(n), pArgs)) return true;
            if (pArgs != nullptr) pArgs->resize(ulArgs);
            return false;
        }
        // The text after the argument starts with the format's next literal
        // character, or is empty at the format's end.
        for (size_t n = f.empty() ? t.size() : 0; n <= ulMax; ++n) {
            if (!f.empty() && f[0] != '%' && (n == t.size() || t[n] != f[0])) continue;
            size_t ulArgs = pArgs != nullptr ? pArgs->size() : 0;
            if (pArgs != nullptr) pArgs->emplace_back(t.substr(0, n));
            if (MatchFrom(f, t.substr(n), pArgs)) return true;
            if (pArgs != nullptr) pArgs->resize(ulArgs);
        }
        return false;
    }
    return t.empty();
}

}  // namespace

const std::vector<Stage> &Stages() {
    static const std::vector<Stage> s_stages = [] {
        std::vector<Stage> v;
        for (size_t i = 0; i < kStageTexts.size(); ++i)
            v.push_back({static_cast<int>(i) + 1, kStageTexts[i].acName, kStageTexts[i].acFailure});
        return v;
    }();
    return s_stages;
}

bool LogLine::Is(const char *pcText) const { return strText == Chomp(pcText); }

bool LogLine::Matches(const char *pcFormat, std::vector<std::string> *pArgs) const {
    if (pArgs != nullptr) pArgs->clear();
    return MatchFrom(Chomp(pcFormat), strText, pArgs);
}

bool ParseLogLine(int iLevel, const char *pcMsg, LogLine *pstOut) {
    pstOut->iLevel = iLevel;
    std::string_view s = pcMsg;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
    // "[CAP][function][line] text"
    size_t a = s.find("]["), b = a == std::string_view::npos ? a : s.find("][", a + 2);
    size_t c = b == std::string_view::npos ? b : s.find("] ", b + 2);
    if (s.empty() || s[0] != '[' || c == std::string_view::npos) {
        pstOut->strFn.clear();
        pstOut->iLine = 0;
        pstOut->strText = s;
        return false;
    }
    pstOut->strFn = s.substr(a + 2, b - a - 2);
    pstOut->iLine = 0;
    std::from_chars(s.data() + b + 2, s.data() + c, pstOut->iLine);
    pstOut->strText = s.substr(c + 2);
    return true;
}

Session::Session(const Options &opts) {
    const char *pcRoot = opts.strRoot.empty() || opts.strRoot == "/" ? nullptr : opts.strRoot.c_str();
    CAP_SetRootDir(pcRoot);
    HOST_SetRootDir(pcRoot);
    CAP_SetDeviceNameOverride(opts.bDevice ? opts.strDevice.c_str() : nullptr);
    HOST_SetEquipmentMode(opts.bEquipment ? 1 : 0);
    HOST_SetMemType(opts.bEmmc ? 1 : 0);
    HOST_SetLogThreshold(7);
    HOST_SetLogSink(&Session::Sink, this);
    m_bEcho = opts.bVerbose;
}

Session::~Session() { HOST_SetLogSink(nullptr, nullptr); }

void Session::Sink(int, int iLevel, const char *pcMsg, void *pUser) {
    Session *pSelf = static_cast<Session *>(pUser);
    if (pSelf->m_bMuted) return;
    LogLine *pLine;
    if (pSelf->m_bInInit) {
        if (pSelf->m_ulInitLines == pSelf->m_initLog.size()) pSelf->m_initLog.emplace_back();
        pLine = &pSelf->m_initLog[pSelf->m_ulInitLines++];
    } else {
        pLine = &pSelf->m_log.emplace_back();
    }
    ParseLogLine(iLevel, pcMsg, pLine);
    if (pSelf->m_bEcho)
        fprintf(stderr, "CAP %s [%s][%d] %s\n", HOST_LevelName(iLevel), pLine->strFn.c_str(), pLine->iLine,
                pLine->strText.c_str());
}

int Session::Init() {
    m_ulInitLines = 0;
    m_bInInit = true;
    m_iInitRc = CAP_CapInit();
    m_bInInit = false;
    return m_iInitRc;
}

const Stage *Session::FailedStage() const {
    if (m_iInitRc == 0) return nullptr;
    const std::span<const LogLine> log = InitLog();
    for (auto it = log.rbegin(); it != log.rend(); ++it)
        for (const Stage &st : Stages())
            if (it->iLevel == 3 && it->Is(st.pcFailMsg)) return &st;
    return nullptr;
}

std::string Session::FailureReport() const {
    if (m_iInitRc == 0) return "";
    const Stage *pst = FailedStage();
    std::string r = "devcap: start-up failed";
    if (pst != nullptr) r += " in stage " + std::to_string(pst->iNumber) + " (" + pst->pcWhat + ")";
    r += ", code " + std::to_string(m_iInitRc) + "\n";
    for (const LogLine &l : InitLog())
        if (l.iLevel == 3) r += "  error [" + l.strFn + "] " + l.strText + "\n";
    return r;
}

}  // namespace devcap_tool
