// The list of checks and the finding sink.
#include "checks/findings.h"

namespace devcap_tool::lint {

const char *SeverityName(Severity enSeverity) {
    switch (enSeverity) {
        case Severity::kError: return "error";
        case Severity::kWarning: return "warning";
        case Severity::kNote: return "note";
    }
    return "error";
}

const std::vector<CheckInfo> &Checks() {
    using S = Severity;
    static const std::vector<CheckInfo> s_checks = {
        // The device answers something else than the file says, or fails.
        {check::kNotJson, S::kError, true, "a file the device cannot read: not JSON (line, column and reason), unreadable, or not an object"},
        {check::kFileTooLarge, S::kError, true, "a capability file over the size the device reads"},
        {check::kMissingFile, S::kError, true, "a capability file start-up needs is not there"},
        {check::kMissingKey, S::kError, true, "a key (or an array element) the device needs is not given"},
        {check::kUnknownKey, S::kError, true, "a key the device does not read at that place"},
        {check::kWrongType, S::kError, true, "a known key or element with a value of a JSON type the device does not take there"},
        {check::kUnknownWord, S::kError, true, "a word outside its vocabulary: the device answers another value"},
        {check::kTextTooLong, S::kError, true, "a text longer than its field: cut, or dropped"},
        {check::kArrayTooLong, S::kError, true, "an array longer than its field: elements dropped"},
        {check::kNumberNarrowed, S::kError, true, "a number its field cannot hold: the device keeps another"},
        {check::kStartup, S::kError, true, "the device's start-up fails on this product (the failing stage)"},
        {check::kDeviceLog, S::kError, true, "a message of the library that no other finding accounts for (error, or warning below error level)"},
        // The device reads it as written, but it is probably a mistake.
        {check::kNonStandardJson, S::kWarning, true, "comments, trailing commas and other syntax only the device's JSON reader accepts"},
        {check::kDuplicateKey, S::kWarning, true, "a key given twice in one object: the device keeps the last"},
        {check::kGpioReuse, S::kWarning, true, "one GPIO line used by two functions"},
        {check::kCountMismatch, S::kWarning, true, "a count that disagrees with the array it counts"},
        {check::kUartDirection, S::kWarning, true, "a serial port without its direction GPIO: the device answers GPIO 0"},
        {check::kUartPortMissing, S::kWarning, true, "a serial port kind left out of \"Uart\": the device logs an error at every start-up"},
        {check::kIspInfoCount, S::kWarning, true, "more \"ISP_INFO\" entries than the device has channels"},
        {check::kNameCase, S::kWarning, true, "a board, sensor or lens name that matches a folder only in another letter case"},
        {check::kFileName, S::kWarning, true, "a file name that nearly matches a capability file's"},
        // Worth knowing.
        {check::kNotRead, S::kNote, true, "an object the device skips in this product"},
        {check::kAbsentKey, S::kNote, false, "a key not given: the device answers its default"},
    };
    return s_checks;
}

const CheckInfo *FindCheck(std::string_view strName) {
    for (const CheckInfo &c : Checks())
        if (strName == c.pcName) return &c;
    return nullptr;
}

std::set<std::string> DefaultChecks() {
    std::set<std::string> on;
    for (const CheckInfo &c : Checks())
        if (c.bDefaultOn) on.insert(c.pcName);
    return on;
}

Finding &FindingSink::Add(const char *pcCheck, const std::string &strPath, Pos stPos, std::string strKeyPath,
                          std::string strMessage) {
    Finding &f = m_findings.emplace_back();
    const CheckInfo *pInfo = FindCheck(pcCheck);
    f.strPath = strPath;
    f.stPos = stPos;
    f.enSeverity = pInfo != nullptr ? pInfo->enSeverity : Severity::kError;
    f.strCheck = pcCheck;
    f.strKeyPath = std::move(strKeyPath);
    f.strMessage = std::move(strMessage);
    return f;
}

std::string OrList(const std::vector<std::string> &items, bool bQuote, const char *pcLast) {
    std::string s;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) s += i + 1 == items.size() ? pcLast : ", ";
        s += bQuote ? "\"" + items[i] + "\"" : items[i];
    }
    return s;
}

}  // namespace devcap_tool::lint
