// Whether the device can read a file at all, and what in it only the
// device's JSON reader accepts: not-json, file-too-large, non-standard-json,
// duplicate-key.
#include "checks/checks.h"
#include "devcap.h"

namespace devcap_tool::lint {

namespace {

const char *LeniencyText(JsonLeniency::Kind enKind) {
    switch (enKind) {
        case JsonLeniency::Kind::kComment: return "a comment";
        case JsonLeniency::Kind::kTrailingComma: return "a trailing comma";
        default: return "";
    }
}

}  // namespace

void CheckSyntax(const CapFile &file, FindingSink &sink) {
    if (!file.bExists) return;
    const JsonFile &j = file.json;
    if (!j.bRead) {
        sink.Add(check::kNotJson, file.strRel, Pos{}, "", "the file cannot be read; start-up fails on it")
            .bKeyless = true;
        return;
    }
    if (j.llSize > CAP_FILE_SIZE_MAX) {
        Finding &f = sink.Add(check::kFileTooLarge, file.strRel, Pos{}, "",
                              "the file is " + std::to_string(j.llSize) + " bytes, over the " +
                                  std::to_string(CAP_FILE_SIZE_MAX) +
                                  " bytes the device reads (CAP_FILE_SIZE_MAX); start-up fails on it");
        f.bKeyless = true;
        return;
    }
    if (!j.bDeviceReads) {
        std::string strWhy = j.bStrict ? "the device's JSON reader refuses it (a comment open at the end of the "
                                         "file, or objects and arrays nested deeper than 32)"
                                       : j.strError;
        sink.Add(check::kNotJson, file.strRel, j.bStrict ? Pos{} : j.stErrorPos, "",
                 "not JSON: " + strWhy + "; start-up fails on this file")
            .bKeyless = true;
        return;
    }
    for (const JsonLeniency &l : j.leniencies) {
        switch (l.enKind) {
            case JsonLeniency::Kind::kDuplicateKey:
                sink.Add(check::kDuplicateKey, file.strRel, l.stPos, "",
                         "\"" + l.strWhat + "\" is given again (first at line " + std::to_string(l.stFirstPos.iLine) +
                             "); the device keeps this value, other JSON tools may keep either");
                break;
            case JsonLeniency::Kind::kOther:
                sink.Add(check::kNonStandardJson, file.strRel, l.stPos, "",
                         "not standard JSON: " + l.strWhat +
                             "; the device's JSON reader accepts it, other JSON tools and editors do not");
                break;
            default:
                sink.Add(check::kNonStandardJson, file.strRel, l.stPos, "",
                         std::string(LeniencyText(l.enKind)) +
                             " is not standard JSON; the device's JSON reader accepts it, other JSON tools and "
                             "editors do not");
                break;
        }
    }
}

}  // namespace devcap_tool::lint
