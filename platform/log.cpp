// The shared call behind every message without arguments of its own.
#include "platform/log.h"

namespace cap {

void LogPlain(int iLevel, const char *pcFmt, const char *pcFn, int iLine) {
    LOG_Msg(kLogModule, iLevel, pcFmt, LOG_EnumToStr(kLogModule), pcFn, iLine);
}

}  // namespace cap
