// devcap: dump, query and lint a capability tree with the library itself.
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "commands.h"

namespace devcap_tool {

namespace {

const char kUsage[] =
    "usage: devcap COMMAND [OPTIONS] [ARGS...]\n"
    "\n"
    "Answers, for a capability tree, exactly what the capability library will\n"
    "answer on the camera: it runs the library itself.\n"
    "\n"
    "commands:\n"
    "  dump    run start-up and print every answer of every query\n"
    "  get     call one query by name and print its answer\n"
    "  lint    check product folders: start-up result and every finding\n"
    "  help    this text; 'devcap COMMAND --help' for a command\n"
    "\n"
    "options of every command:\n"
    "  --root DIR       a root file system laid out as on the device (default /)\n"
    "  --device NAME    use this device name instead of /tmp/sysinfo/dev_name\n"
    "  --equipment      run as in equipment (factory) mode\n"
    "  --emmc           the electronic tag is on eMMC (/dev/mmcblk0p2), not NAND\n"
    "  -v, --verbose    show the library's own log lines on standard error\n"
    "  --json           print one JSON document\n"
    "\n"
    "exit status: 0 success, 1 start-up failed (or lint findings with --strict),\n"
    "2 usage error.\n";

}  // namespace

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

}  // namespace devcap_tool

int main(int argc, char **argv) {
    using namespace devcap_tool;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        fputs(kUsage, stderr);
        return kExitUsage;
    }
    // Options may also come before the command: "devcap --root DIR dump".
    if (args[0].size() > 1 && args[0][0] == '-' && args[0] != "-h" && args[0] != "--help") {
        for (size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "dump" || args[i] == "get" || args[i] == "lint") {
                std::string strCmd = args[i];
                args.erase(args.begin() + static_cast<long>(i));
                args.insert(args.begin(), strCmd);
                break;
            }
        }
    }
    std::string strCmd = args[0];
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (strCmd == "-h" || strCmd == "--help" || strCmd == "help") {
        if (strCmd == "help" && !rest.empty()) {
            std::vector<std::string> h{"--help"};
            if (rest[0] == "dump") return CmdDump(h);
            if (rest[0] == "get") return CmdGet(h);
            if (rest[0] == "lint") return CmdLint(h);
        }
        fputs(kUsage, stdout);
        return kExitOk;
    }
    if (strCmd == "dump") return CmdDump(rest);
    if (strCmd == "get") return CmdGet(rest);
    if (strCmd == "lint") return CmdLint(rest);
    fprintf(stderr, "devcap: unknown command '%s' (commands: dump, get, lint, help)\n", strCmd.c_str());
    return kExitUsage;
}
