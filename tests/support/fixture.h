// Test support: a temporary device root, a capture of the library's log, and
// product trees laid out as on the device.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "devcap.h"
#include "host.h"

namespace devcap_test {

inline constexpr int kError = 3;
inline constexpr int kWarn = 4;
inline constexpr int kInfo = 6;
inline constexpr int kDebug = 7;

// One emitted message, split into the parts of "[module][function][line] text".
struct LogEntry {
    int level = 0;
    std::string module;
    std::string fn;
    int line = 0;
    std::string text;  // the message text after the prefix, with its own newline
    std::string raw;
};

// Collects every message the library emits while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    std::vector<LogEntry> Entries() const;
    void Clear();
    // Messages whose text is exactly this (any level / this level).
    int Count(const std::string &text) const;
    int Count(int level, const std::string &text) const;
    bool Has(int level, const std::string &text) const { return Count(level, text) > 0; }
    // The same, also requiring the function the message names.
    bool HasFrom(const std::string &fn, int level, const std::string &text) const;
    // Any message whose text contains this.
    bool Contains(const std::string &part) const;
    size_t Size() const;
    std::string Dump() const;

private:
    static void Sink(int iModule, int iLevel, const char *pcMsg, void *pUser);
    mutable std::mutex m_mutex;
    std::vector<LogEntry> m_entries;
};

// A fresh directory standing for the device's "/": the library and the
// stand-in platform resolve device paths under it while it lives.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    const std::string &Path() const { return m_path; }
    std::string HostPath(const std::string &devPath) const { return m_path + devPath; }
    // Write a file at a device path, making its folders.
    void Write(const std::string &devPath, const std::string &content) const;
    void Mkdir(const std::string &devPath) const;
    void Remove(const std::string &devPath) const;

private:
    std::string m_path;
};

// A product laid out as on the device. Empty texts leave the file out.
struct Product {
    std::string devName = "MODEL1";  // "/tmp/sysinfo/dev_name"
    std::string folder = "MODEL1";   // product folder under "/usr/bin"
    std::string index =
        R"({"version": 1, "board": "B1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"}]})";
    std::string boardType = "B1";
    std::string board = "{}";
    std::map<std::string, std::string> sensors = {{"imx327", R"({"SensorMode": "1080pl"})"}};
    std::map<std::string, std::string> lenses = {{"fixed", R"({"FovAngle": 92.5})"}};
    std::string patch = "{}";
    std::string serial;       // "/tmp/sysinfo/sn"
    std::string tagIdentity;  // identity block of the tag (offset 0 of "/dev/mtd2")
    std::string tagCheck;     // check-code block (offset 4096)
};

void WriteProduct(const TempRoot &root, const Product &p);

// The tag partition image: identity block at 0, check-code block at 4096.
std::string TagImage(const std::string &identity, const std::string &check);

// Base fixture: a temporary root, a log capture, the host platform reset.
class CapTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lay out the product and run start-up.
    int Init(const Product &p);
    int Init() { return Init(product); }

    TempRoot root;
    LogCapture log;
    Product product;
};

// A copy-out query run on a buffer of 'x' bytes one longer than the size it
// is given (size first or buffer first): its result and the whole buffer, so
// a cut, a terminator and a byte written past the size all show ("MOD\0x").
template <class Query>
std::pair<int, std::string> CopyOut(int iSize, Query query) {
    std::string buf(static_cast<size_t>(iSize < 0 ? 0 : iSize) + 1, 'x');
    int iRet;
    if constexpr (std::is_invocable_v<Query, int, char *>)
        iRet = query(iSize, buf.data());
    else
        iRet = query(buf.data(), iSize);
    return {iRet, buf};
}

// ---- Board and query tests ------------------------------------------

// Start-up with a board file. Findings counts the messages of the board
// parsers, matchers and queries (start-up's own lines left out).
class BoardTest : public CapTest {
protected:
    int LoadBoard(const std::string &json) {
        product.board = json;
        return Init();
    }
    // The same, start-up required to succeed.
    void Load(const std::string &json) { ASSERT_EQ(LoadBoard(json), 0) << log.Dump(); }
    size_t Findings() const;
};

// An answer of the library and the one it must be; WANT names the call.
struct Want {
    const char *what;
    long long got;
    long long want;
};
#define WANT(expr, value) \
    ::devcap_test::Want { #expr, static_cast<long long>(expr), static_cast<long long>(value) }
void ExpectAnswers(const std::vector<Want> &rows);

// A query given a bad argument: the result it must give, and the one message
// it must log, an error from the exported function fn (any text when text is
// empty). Each row runs on a cleared log.
struct Refusal {
    const char *fn;
    long long (*call)();
    long long result;
    std::string text;
};
#define REFUSE(fn, expr, result, text) \
    ::devcap_test::Refusal { fn, []() -> long long { return (expr); }, result, text }
void ExpectRefusals(LogCapture &log, const std::vector<Refusal> &rows);

}  // namespace devcap_test
