#include "session.h"

#include <stdio.h>
#include <string.h>

#include "devcap.h"
#include "host.h"

namespace devcap_tool {

const std::vector<Stage> &Stages() {
    static const std::vector<Stage> s_stages = {
        {1, "hardware index", "Parse Hardware index fail!"},
        {2, "capability file paths", "Get capa files path fail!"},
        {3, "board file", "CAP_BoardCapInit return value error."},
        {4, "sensor files", "CAP_SensorInitAll return value error."},
        {5, "lens files", "CAP_LensCapInit return value error."},
        {6, "patch file", "CAP_PatchCapInit return value error."},
    };
    return s_stages;
}

bool ParseLogLine(int iLevel, const char *pcMsg, LogLine *pstOut) {
    pstOut->iLevel = iLevel;
    std::string s = pcMsg;
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
    // "[CAP][function][line] text"
    size_t a = s.find("]["), b = a == std::string::npos ? a : s.find("][", a + 2);
    size_t c = b == std::string::npos ? b : s.find("] ", b + 2);
    if (s.empty() || s[0] != '[' || c == std::string::npos) {
        pstOut->strFn.clear();
        pstOut->iLine = 0;
        pstOut->strText = s;
        return false;
    }
    pstOut->strFn = s.substr(a + 2, b - a - 2);
    pstOut->iLine = atoi(s.substr(b + 2, c - b - 2).c_str());
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
    LogLine stLine;
    ParseLogLine(iLevel, pcMsg, &stLine);
    if (pSelf->m_bEcho)
        fprintf(stderr, "CAP %s [%s][%d] %s\n", HOST_LevelName(iLevel), stLine.strFn.c_str(), stLine.iLine,
                stLine.strText.c_str());
    pSelf->m_log.push_back(std::move(stLine));
}

int Session::Init() {
    size_t ulFrom = m_log.size();
    m_iInitRc = CAP_CapInit();
    m_initLog.assign(m_log.begin() + static_cast<long>(ulFrom), m_log.end());
    return m_iInitRc;
}

const Stage *Session::FailedStage() const {
    if (m_iInitRc == 0) return nullptr;
    for (auto it = m_initLog.rbegin(); it != m_initLog.rend(); ++it)
        for (const Stage &st : Stages())
            if (it->iLevel == 3 && it->strText == st.pcFailMsg) return &st;
    return nullptr;
}

std::string Session::FailureReport() const {
    if (m_iInitRc == 0) return "";
    const Stage *pst = FailedStage();
    std::string r = "devcap: start-up failed";
    if (pst != nullptr) r += " in stage " + std::to_string(pst->iNumber) + " (" + pst->pcWhat + ")";
    r += ", code " + std::to_string(m_iInitRc) + "\n";
    for (const LogLine &l : m_initLog)
        if (l.iLevel == 3) r += "  error [" + l.strFn + "] " + l.strText + "\n";
    return r;
}

}  // namespace devcap_tool
