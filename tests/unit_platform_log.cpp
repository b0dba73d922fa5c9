// The logging macros: a message without arguments of its own goes through the
// shared call, one with arguments straight to LOG_Msg; both must emit the same
// "[module][function][line] text" at the same level, naming the site.
#include <string>

#include "fixture.h"
#include "platform/log.h"
#include "platform/query.h"

using namespace devcap_test;

namespace {

class LogPathTest : public CapTest {};

// One entry, the only one captured.
LogEntry Only(const LogCapture &log) {
    std::vector<LogEntry> entries = log.Entries();
    EXPECT_EQ(entries.size(), 1u) << log.Dump();
    return entries.empty() ? LogEntry{} : entries.front();
}

// A function standing for an exported query that hands its site down.
int PlainFromQuery() {
    const cap::Site site = CAP_HERE;
    CAP_LOG_AT(site, cap::kLogError, "para out of range.");
    return site.line;
}

int ArgsFromQuery(int iIndex) {
    const cap::Site site = CAP_HERE;
    CAP_LOG_AT(site, cap::kLogError, "para iGpioNum = %d out of range %d.", iIndex, 8);
    return site.line;
}

TEST_F(LogPathTest, PlainMessageNamesTheSiteAndKeepsTheText) {
    const int iLine = PlainFromQuery();
    LogEntry e = Only(log);
    EXPECT_EQ(e.level, kError);
    EXPECT_EQ(e.module, LOG_EnumToStr(cap::kLogModule));
    EXPECT_EQ(e.fn, "PlainFromQuery");
    EXPECT_EQ(e.line, iLine);
    EXPECT_EQ(e.raw, "[" + e.module + "][PlainFromQuery][" + std::to_string(iLine) + "] para out of range.");
}

TEST_F(LogPathTest, MessageWithArgumentsNamesTheSite) {
    const int iLine = ArgsFromQuery(9);
    LogEntry e = Only(log);
    EXPECT_EQ(e.level, kError);
    EXPECT_EQ(e.fn, "ArgsFromQuery");
    EXPECT_EQ(e.line, iLine);
    EXPECT_EQ(e.text, "para iGpioNum = 9 out of range 8.");
}

// Both paths hand the text to LOG_Msg as its format: a doubled percent sign
// comes out single, a trailing newline stays.
TEST_F(LogPathTest, TextIsTheFormatOnBothPaths) {
    CAP_LOG(cap::kLogWarn, "100%% plain\n");
    CAP_LOG(cap::kLogInfo, "100%% with %s\n", "text");
    std::vector<LogEntry> entries = log.Entries();
    ASSERT_EQ(entries.size(), 2u) << log.Dump();
    EXPECT_EQ(entries[0].level, kWarn);
    EXPECT_EQ(entries[0].text, "100% plain\n");
    EXPECT_EQ(entries[1].level, kInfo);
    EXPECT_EQ(entries[1].text, "100% with text\n");
    EXPECT_EQ(entries[0].fn, entries[1].fn);
    EXPECT_EQ(entries[1].line, entries[0].line + 1);
}

// A query family's shared refusal: the query's text, site and answer, with
// or without arguments, always as an error.
TEST_F(LogPathTest, RefusalLogsTheQuerysTextFromItsSite) {
    const cap::Site site{"CAP_GetSomething", 77};
    EXPECT_EQ(cap::Refuse(cap::FmtOf<"CAP_GetSomething para null ptr.">(), site, -2), -2);
    EXPECT_EQ(cap::Refuse(cap::FmtOf<"para iGpioNum = %d out of range %d.">(), site, -4, 12, 8), -4);
    std::vector<LogEntry> entries = log.Entries();
    ASSERT_EQ(entries.size(), 2u) << log.Dump();
    for (const LogEntry &e : entries) {
        EXPECT_EQ(e.level, kError);
        EXPECT_EQ(e.fn, "CAP_GetSomething");
        EXPECT_EQ(e.line, 77);
    }
    EXPECT_EQ(entries[0].text, "CAP_GetSomething para null ptr.");
    EXPECT_EQ(entries[1].text, "para iGpioNum = 12 out of range 8.");
}

}  // namespace
