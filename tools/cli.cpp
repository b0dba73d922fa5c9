// Options every command shares, and the exit statuses.
#include "cli.h"

#include <stdio.h>
#include <string.h>

namespace devcap_tool {

bool ParseOptions(const std::vector<std::string> &args, Options *pstOpts, std::vector<std::string> *pRest,
                  bool *pbHelp, ExtraOption pfnExtra, void *pUser, bool bNumbersAreWords) {
    bool bOnlyWords = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        bool bNumber = a.size() > 1 && a[0] == '-' && strspn(a.c_str() + 1, "0123456789") == a.size() - 1;
        if (bOnlyWords || a.empty() || a[0] != '-' || a == "-" || (bNumbersAreWords && bNumber)) {
            pRest->push_back(a);
            continue;
        }
        std::string strVal;
        bool bHasVal = false;
        std::string strOpt = a;
        size_t ulEq = a.find('=');
        if (a.rfind("--", 0) == 0 && ulEq != std::string::npos) {
            strOpt = a.substr(0, ulEq);
            strVal = a.substr(ulEq + 1);
            bHasVal = true;
        }
        auto TakeValue = [&](std::string *pOut) {
            if (bHasVal) {
                *pOut = strVal;
                return true;
            }
            if (i + 1 >= args.size()) {
                fprintf(stderr, "devcap: option %s needs a value\n", strOpt.c_str());
                return false;
            }
            *pOut = args[++i];
            return true;
        };
        if (strOpt == "--") {
            bOnlyWords = true;
        } else if (strOpt == "-h" || strOpt == "--help") {
            *pbHelp = true;
        } else if (strOpt == "--root") {
            if (!TakeValue(&pstOpts->strRoot)) return false;
            if (pstOpts->strRoot.empty()) {
                fprintf(stderr, "devcap: --root needs a directory\n");
                return false;
            }
        } else if (strOpt == "--device") {
            if (!TakeValue(&pstOpts->strDevice)) return false;
            pstOpts->bDevice = true;
        } else if (strOpt == "--equipment" && !bHasVal) {
            pstOpts->bEquipment = true;
        } else if (strOpt == "--emmc" && !bHasVal) {
            pstOpts->bEmmc = true;
        } else if ((strOpt == "-v" || strOpt == "--verbose") && !bHasVal) {
            pstOpts->bVerbose = true;
        } else if (strOpt == "--json" && !bHasVal) {
            pstOpts->bJson = true;
        } else if (pfnExtra == nullptr || !pfnExtra(a, pUser)) {
            fprintf(stderr, "devcap: unknown option %s (see devcap --help)\n", a.c_str());
            return false;
        }
    }
    return true;
}

std::optional<int> ParseCommandLine(const std::vector<std::string> &args, const char *pcUsage, Options *pstOpts,
                                    std::vector<std::string> *pRest, ExtraOption pfnExtra, void *pUser,
                                    bool bNumbersAreWords) {
    bool bHelp = false;
    if (!ParseOptions(args, pstOpts, pRest, &bHelp, pfnExtra, pUser, bNumbersAreWords)) return kExitUsage;
    if (bHelp) {
        fputs(pcUsage, stdout);
        return kExitOk;
    }
    return std::nullopt;
}

}  // namespace devcap_tool
