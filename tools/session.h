// One run of the library inside the tool: the stand-in platform set up from
// the command-line options, every message of the library captured through
// the host's log sink, and the start-up result explained.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace devcap_tool {

// Options shared by every command.
struct Options {
    std::string strRoot = "/";
    std::string strDevice;  // empty: read the dev_name file
    bool bDevice = false;
    bool bEquipment = false;
    bool bEmmc = false;
    bool bVerbose = false;
    bool bJson = false;
};

// One message of the library: "[module][function][line] text".
struct LogLine {
    int iLevel = 0;
    std::string strFn;
    int iLine = 0;
    std::string strText;  // without the prefix and the trailing newline

    // Whether the text is the library's message pcText (a constant of
    // platform/messages.h, whose trailing newline the line has lost).
    bool Is(const char *pcText) const;
    // Whether the text is the library's message of printf format pcFormat
    // (%s, %d, %u, %lu, %p); the texts of its arguments in *pArgs.
    bool Matches(const char *pcFormat, std::vector<std::string> *pArgs = nullptr) const;
};

// The start-up stages, numbered from 1 in the order CAP_CapInit runs them,
// and the message it logs when each fails: the library's own stage table.
struct Stage {
    int iNumber;
    const char *pcWhat;
    const char *pcFailMsg;
};
const std::vector<Stage> &Stages();

class Session {
public:
    explicit Session(const Options &opts);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Run CAP_CapInit; its result.
    int Init();
    int InitResult() const { return m_iInitRc; }
    // The stage that failed (by its message in the log), or null.
    const Stage *FailedStage() const;
    // A report of a failed start-up for standard error: stage, code and the
    // library's error messages. Empty when start-up succeeded.
    std::string FailureReport() const;

    // Messages captured since the last ClearLog(), but for those of Init().
    const std::vector<LogLine> &Log() const { return m_log; }
    // Messages of the last Init(), until the next.
    std::span<const LogLine> InitLog() const { return {m_initLog.data(), m_ulInitLines}; }
    void ClearLog() { m_log.clear(); }
    // Echo every message to standard error as it arrives (-v).
    void SetEcho(bool bEcho) { m_bEcho = bEcho; }
    // While muted, messages are neither kept nor echoed.
    void SetMuted(bool bMuted) { m_bMuted = bMuted; }

private:
    static void Sink(int iModule, int iLevel, const char *pcMsg, void *pUser);
    std::vector<LogLine> m_log;
    // Init()'s messages: the first m_ulInitLines lines, written over by the
    // next Init(), so that lines and texts once grown are not made again.
    std::vector<LogLine> m_initLog;
    size_t m_ulInitLines = 0;
    bool m_bInInit = false;
    bool m_bEcho = false;
    bool m_bMuted = false;
    int m_iInitRc = 0;
};

// Parse one formatted message; false when it has not the library's prefix.
bool ParseLogLine(int iLevel, const char *pcMsg, LogLine *pstOut);

}  // namespace devcap_tool
