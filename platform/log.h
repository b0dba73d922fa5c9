// Logging through the host's platform logger.
//
// Every message is one LOG_Msg call: module 30, a level, the format
// "[%s][%s][%d] " followed by the message text, then the module name, the name
// of the function that logs and its source line, then the message's own
// arguments. The prefix is joined to the text at compile time.
#pragma once

#include <stddef.h>

#include "devcap_platform.h"

namespace cap {

inline constexpr int kLogModule = 30;

enum LogLevel : int { kLogError = 3, kLogWarn = 4, kLogInfo = 6, kLogDebug = 7 };

// Where a message comes from: the function the reader knows it by, and a line.
struct Site {
    const char *fn;
    int line;
};

// A message text fixed at compile time. Being a structural type it can be a
// template argument, so a query family carries each exported query's own text.
template <size_t N>
struct LogText {
    char s[N];
    constexpr LogText(const char (&t)[N]) {
        for (size_t i = 0; i < N; ++i) s[i] = t[i];
    }
};

template <size_t N>
struct FmtBuf {
    char s[N];
};

inline constexpr char kLogPrefix[] = "[%s][%s][%d] ";

template <LogText T>
inline constexpr auto kPrefixed = [] {
    FmtBuf<sizeof(kLogPrefix) - 1 + sizeof(T.s)> f{};
    for (size_t i = 0; i + 1 < sizeof(kLogPrefix); ++i) f.s[i] = kLogPrefix[i];
    for (size_t i = 0; i < sizeof(T.s); ++i) f.s[sizeof(kLogPrefix) - 1 + i] = T.s[i];
    return f;
}();

// A message text joined with the prefix, as a shared helper of a query
// family receives it at run time from the query that owns the text.
struct Fmt {
    const char *pc;
};

template <LogText T>
constexpr Fmt FmtOf() {
    return Fmt{kPrefixed<T>.s};
}

// A message without arguments of its own: the same LOG_Msg call as any other
// message, made in one place so that a site costs only the call.
void LogPlain(int iLevel, const char *pcFmt, const char *pcFn, int iLine);

// One message from a site, chosen at compile time: a message without
// arguments of its own through LogPlain, one with arguments by LOG_Msg from
// the site (LOG_Msg takes them only as a variable list).
template <typename... A>
[[gnu::always_inline]] inline void LogFmt(Site site, int iLevel, Fmt fmt, A... args) {
    if constexpr (sizeof...(A) == 0) {
        LogPlain(iLevel, fmt.pc, site.fn, site.line);
    } else {
        LOG_Msg(kLogModule, iLevel, fmt.pc, LOG_EnumToStr(kLogModule), site.fn, site.line, args...);
    }
}

template <LogText T, typename... A>
[[gnu::always_inline]] inline void LogAt(Site site, int iLevel, A... args) {
    LogFmt(site, iLevel, FmtOf<T>(), args...);
}

}  // namespace cap

// The site of the current function: what the query families are handed so
// that their messages name the exported query, not the template.
#define CAP_HERE (::cap::Site{__func__, __LINE__})

// Log from a site handed in by the caller (inside a query family template).
#define CAP_LOG_AT(site, level, text, ...) \
    ::cap::LogAt<text>((site), (level)__VA_OPT__(, ) __VA_ARGS__)

// Log a text handed in as a Fmt (FmtOf<"text">()), inside a shared helper of
// a query family.
#define CAP_LOG_FMT(site, level, fmt, ...) \
    ::cap::LogFmt((site), (level), (fmt)__VA_OPT__(, ) __VA_ARGS__)

// Log from the current function. The text is a string literal or a constant
// of platform/messages.h. Texts and the function names in messages are kept
// verbatim, odd spellings included ("invaild", "Siwtch", "retrun"): the
// camera's other programs, its log collectors and the devcap tool match them
// character for character, so correcting a spelling would change an
// interface.
#define CAP_LOG(level, text, ...) CAP_LOG_AT(CAP_HERE, level, text __VA_OPT__(, ) __VA_ARGS__)
