// The command line every command shares: common options and exit statuses.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session.h"

namespace devcap_tool {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFail = 1;
inline constexpr int kExitUsage = 2;

// Parse the options every command shares; the words that are no option are
// left in *pRest. False (with a message on standard error) on a bad option.
// pfnExtra handles a command's own options: it returns true when it took
// the word.
using ExtraOption = bool (*)(const std::string &strWord, void *pUser);
bool ParseOptions(const std::vector<std::string> &args, Options *pstOpts, std::vector<std::string> *pRest,
                  bool *pbHelp, ExtraOption pfnExtra = nullptr, void *pUser = nullptr,
                  bool bNumbersAreWords = false);

// A command's line: ParseOptions, and -h/--help printing pcUsage. Gives the
// exit status when the command is done with (kExitOk after the usage,
// kExitUsage after a bad option), nothing when it goes on.
std::optional<int> ParseCommandLine(const std::vector<std::string> &args, const char *pcUsage, Options *pstOpts,
                                    std::vector<std::string> *pRest, ExtraOption pfnExtra = nullptr,
                                    void *pUser = nullptr, bool bNumbersAreWords = false);

}  // namespace devcap_tool
