// The tool's commands. Each takes the words after the command name and
// returns the process exit status.
#pragma once

#include <string>
#include <vector>

#include "json_out.h"
#include "registry.h"
#include "session.h"

namespace devcap_tool {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFail = 1;
inline constexpr int kExitUsage = 2;

int CmdDump(const std::vector<std::string> &args);
int CmdGet(const std::vector<std::string> &args);
int CmdLint(const std::vector<std::string> &args);

// Parse the options every command shares; the words that are no option are
// left in *pRest. False (with a message on standard error) on a bad option.
// pfnExtra handles a command's own options: it returns true when it took
// the word.
using ExtraOption = bool (*)(const std::string &strWord, void *pUser);
bool ParseOptions(const std::vector<std::string> &args, Options *pstOpts, std::vector<std::string> *pRest,
                  bool *pbHelp, ExtraOption pfnExtra = nullptr, void *pUser = nullptr,
                  bool bNumbersAreWords = false);

// Rendering of answers as JSON.
void ValJson(JsonOut &out, const std::string &strKey, const Val &v);
void AnswerJson(JsonOut &out, const std::string &strKey, const Answer &a);
// The start-up result as a JSON member "startup".
void StartupJson(JsonOut &out, const Session &s);

}  // namespace devcap_tool
