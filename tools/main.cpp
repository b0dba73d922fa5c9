// devcap: dump, query and lint a capability tree with the library itself.
#include <dlfcn.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "commands/commands.h"
#include "devcap.h"

namespace devcap_tool {

namespace {

const char kUsageHead[] =
    "usage: devcap COMMAND [OPTIONS] [ARGS...]\n"
    "\n"
    "Answers, for a capability tree, exactly what the capability library will\n"
    "answer on the camera: it runs the library itself.\n"
    "\n"
    "commands:\n";

const char kUsageTail[] =
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
    "  devcap --version   the tool's version, and the library's and where it is\n"
    "  devcap --commands  the command names, one a line (for shell completion)\n"
    "\n"
    "exit status: 0 success; 1 start-up failed, get had no answer, lint found an\n"
    "error, diff found a difference; 2 usage error (see the man page).\n";

void PrintUsage(FILE *pf) {
    fputs(kUsageHead, pf);
    for (const Command &c : Commands()) fprintf(pf, "  %-7s %s\n", c.pcName, c.pcSummary);
    fputs(kUsageTail, pf);
}

// The tool's version (that of the header it was built with) and the version
// of the library actually loaded, read from its file name
// (libdevcap.so.MAJOR.MINOR.PATCH).
int PrintVersion() {
    printf("devcap %s\n", DEVCAP_VERSION_STRING);
    Dl_info stInfo{};
    char acPath[PATH_MAX];
    if (dladdr(reinterpret_cast<void *>(&CAP_CapInit), &stInfo) == 0 || stInfo.dli_fname == nullptr ||
        realpath(stInfo.dli_fname, acPath) == nullptr) {
        printf("libdevcap: not found\n");
        return kExitFail;
    }
    const char *pcFile = strrchr(acPath, '/');
    const char *pcVersion = strstr(pcFile != nullptr ? pcFile : acPath, ".so.");
    printf("libdevcap %s (%s)\n", pcVersion != nullptr ? pcVersion + 4 : "unknown", acPath);
    return kExitOk;
}

const Command *FindCommand(const std::string &strName) {
    for (const Command &c : Commands())
        if (strName == c.pcName) return &c;
    return nullptr;
}

}  // namespace

}  // namespace devcap_tool

int main(int argc, char **argv) {
    using namespace devcap_tool;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    // Options may also come before the command: "devcap --root DIR dump".
    if (args[0].size() > 1 && args[0][0] == '-' && args[0] != "-h" && args[0] != "--help") {
        for (size_t i = 1; i < args.size(); ++i) {
            if (FindCommand(args[i]) != nullptr) {
                std::string strCmd = args[i];
                args.erase(args.begin() + static_cast<long>(i));
                args.insert(args.begin(), strCmd);
                break;
            }
        }
    }
    std::string strCmd = args[0];
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (strCmd == "--version") return PrintVersion();
    if (strCmd == "--commands") {
        for (const Command &c : Commands()) printf("%s\n", c.pcName);
        printf("help\n");
        return kExitOk;
    }
    if (strCmd == "-h" || strCmd == "--help" || strCmd == "help") {
        const Command *pc = strCmd == "help" && !rest.empty() ? FindCommand(rest[0]) : nullptr;
        if (pc != nullptr) return pc->pfnRun({"--help"});
        PrintUsage(stdout);
        return kExitOk;
    }
    if (const Command *pc = FindCommand(strCmd)) return pc->pfnRun(rest);
    std::string strNames;
    for (const Command &c : Commands()) strNames += std::string(c.pcName) + ", ";
    fprintf(stderr, "devcap: unknown command '%s' (commands: %shelp)\n", strCmd.c_str(), strNames.c_str());
    return kExitUsage;
}
