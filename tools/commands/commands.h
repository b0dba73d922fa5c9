// The tool's commands. Each takes the words after the command name and
// returns the process exit status.
#pragma once

#include <string>
#include <vector>

#include "cli.h"
#include "queries/registry.h"
#include "session.h"

namespace devcap_tool {

int CmdDump(const std::vector<std::string> &args);
int CmdGet(const std::vector<std::string> &args);
int CmdLint(const std::vector<std::string> &args);
int CmdSchema(const std::vector<std::string> &args);

// Every command, in the order `devcap --help` lists them.
struct Command {
    const char *pcName;
    int (*pfnRun)(const std::vector<std::string> &args);
    const char *pcSummary;  // one line for `devcap --help`
};
const std::vector<Command> &Commands();

}  // namespace devcap_tool
