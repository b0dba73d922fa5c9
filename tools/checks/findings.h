// What lint reports: the checks it has (one name each, the name users enable
// and disable), and the findings they make, each at a place of a file.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "checks/json_reader.h"

namespace devcap_tool::lint {

// By effect on the device: an error means the device answers something else
// than the file says, or start-up fails; a warning that the device reads the
// file as written but it is probably a mistake; a note, something worth
// knowing.
enum class Severity { kError, kWarning, kNote };
const char *SeverityName(Severity enSeverity);

struct CheckInfo {
    const char *pcName;
    Severity enSeverity;
    bool bDefaultOn;
    const char *pcSummary;
};

// Every check, in the order --list-checks shows them.
const std::vector<CheckInfo> &Checks();
const CheckInfo *FindCheck(std::string_view strName);

// Names of the checks used by the check files.
namespace check {
inline constexpr char kNotJson[] = "not-json";
inline constexpr char kFileTooLarge[] = "file-too-large";
inline constexpr char kMissingFile[] = "missing-file";
inline constexpr char kMissingKey[] = "missing-key";
inline constexpr char kUnknownKey[] = "unknown-key";
inline constexpr char kWrongType[] = "wrong-type";
inline constexpr char kUnknownWord[] = "unknown-word";
inline constexpr char kTextTooLong[] = "text-too-long";
inline constexpr char kArrayTooLong[] = "array-too-long";
inline constexpr char kNumberNarrowed[] = "number-narrowed";
inline constexpr char kStartup[] = "startup";
inline constexpr char kDeviceLog[] = "device-log";
inline constexpr char kNonStandardJson[] = "non-standard-json";
inline constexpr char kDuplicateKey[] = "duplicate-key";
inline constexpr char kGpioReuse[] = "gpio-reuse";
inline constexpr char kCountMismatch[] = "count-mismatch";
inline constexpr char kUartDirection[] = "uart-direction";
inline constexpr char kUartPortMissing[] = "uart-port-missing";
inline constexpr char kIspInfoCount[] = "isp-info-count";
inline constexpr char kNameCase[] = "name-case";
inline constexpr char kFileName[] = "file-name";
inline constexpr char kNotRead[] = "not-read";
inline constexpr char kAbsentKey[] = "absent-key";
}  // namespace check

struct Finding {
    std::string strPath;     // relative to the root
    Pos stPos;
    Severity enSeverity = Severity::kError;
    std::string strCheck;
    std::string strKeyPath;  // "PTZ.FanCtlType", "ISP_INFO[0].lens[1]"; empty: the file
    std::string strMessage;
    std::vector<std::string> expected;  // the values that would be right, when a list says it
    std::set<std::string> products;     // the products whose start-up reads what it is about

    // For telling which of the device's own messages a finding accounts for:
    // the texts such a message names (the key, the value as written and as
    // the device holds it), and whether the device's message may name none
    // (a missing or non-text element, a port left out).
    std::vector<std::string> tokens;
    bool bKeyless = false;
};

// Where the checks put their findings. Every check runs: the findings of a
// disabled one still tell which of the device's messages are accounted for,
// and are left out of the report only.
class FindingSink {
public:
    // A finding of a check, at its check's severity.
    Finding &Add(const char *pcCheck, const std::string &strPath, Pos stPos, std::string strKeyPath,
                 std::string strMessage);
    std::vector<Finding> &All() { return m_findings; }

private:
    std::vector<Finding> m_findings;
};

// The checks enabled by default, changed by --enable and --disable.
std::set<std::string> DefaultChecks();

// "a", "a or b", "a, b or c" (quoted when bQuote).
std::string OrList(const std::vector<std::string> &items, bool bQuote = true, const char *pcLast = " or ");

}  // namespace devcap_tool::lint
