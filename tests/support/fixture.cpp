#include "fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace devcap_test {

LogCapture::LogCapture() { HOST_SetLogSink(&LogCapture::Sink, this); }

LogCapture::~LogCapture() { HOST_SetLogSink(nullptr, nullptr); }

void LogCapture::Sink(int iModule, int iLevel, const char *pcMsg, void *pUser) {
    (void)iModule;
    auto *self = static_cast<LogCapture *>(pUser);
    LogEntry e;
    e.level = iLevel;
    e.raw = pcMsg;
    // "[module][function][line] text"
    const std::string &r = e.raw;
    size_t a = r.find("]["), b = a == std::string::npos ? a : r.find("][", a + 2);
    size_t c = b == std::string::npos ? b : r.find("] ", b + 2);
    if (r.size() > 0 && r[0] == '[' && c != std::string::npos) {
        e.module = r.substr(1, a - 1);
        e.fn = r.substr(a + 2, b - a - 2);
        e.line = atoi(r.substr(b + 2, c - b - 2).c_str());
        e.text = r.substr(c + 2);
    } else {
        e.text = r;
    }
    std::lock_guard<std::mutex> lock(self->m_mutex);
    self->m_entries.push_back(std::move(e));
}

std::vector<LogEntry> LogCapture::Entries() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

void LogCapture::Clear() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

int LogCapture::Count(const std::string &text) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const auto &e : m_entries) n += e.text == text;
    return n;
}

int LogCapture::Count(int level, const std::string &text) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const auto &e : m_entries) n += e.level == level && e.text == text;
    return n;
}

bool LogCapture::HasFrom(const std::string &fn, int level, const std::string &text) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &e : m_entries)
        if (e.fn == fn && e.level == level && e.text == text) return true;
    return false;
}

bool LogCapture::Contains(const std::string &part) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &e : m_entries)
        if (e.text.find(part) != std::string::npos) return true;
    return false;
}

size_t LogCapture::Size() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.size();
}

std::string LogCapture::Dump() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::ostringstream os;
    for (const auto &e : m_entries) os << "  L" << e.level << " " << e.raw << (e.raw.empty() || e.raw.back() != '\n' ? "\n" : "");
    return os.str();
}

TempRoot::TempRoot() {
    std::string tmpl = (fs::temp_directory_path() / "devcap-test-XXXXXX").string();
    char *p = mkdtemp(tmpl.data());
    if (p == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = p;
    CAP_SetRootDir(m_path.c_str());
    HOST_SetRootDir(m_path.c_str());
}

TempRoot::~TempRoot() {
    CAP_SetRootDir(nullptr);
    HOST_SetRootDir(nullptr);
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

void TempRoot::Write(const std::string &devPath, const std::string &content) const {
    fs::path p = HostPath(devPath);
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void TempRoot::Mkdir(const std::string &devPath) const { fs::create_directories(HostPath(devPath)); }

void TempRoot::Remove(const std::string &devPath) const {
    std::error_code ec;
    fs::remove_all(HostPath(devPath), ec);
}

std::string TagImage(const std::string &identity, const std::string &check) {
    std::string img(8192, '\0');
    img.replace(0, std::min<size_t>(identity.size(), 4096), identity.substr(0, 4096));
    img.replace(4096, std::min<size_t>(check.size(), 4096), check.substr(0, 4096));
    return img;
}

void WriteProduct(const TempRoot &root, const Product &p) {
    if (!p.devName.empty()) root.Write("/tmp/sysinfo/dev_name", p.devName);
    if (!p.serial.empty()) root.Write("/tmp/sysinfo/sn", p.serial);
    if (!p.tagIdentity.empty() || !p.tagCheck.empty())
        root.Write("/dev/mtd2", TagImage(p.tagIdentity, p.tagCheck));
    if (!p.folder.empty()) {
        root.Mkdir("/usr/bin/" + p.folder);
        if (!p.index.empty()) root.Write("/usr/bin/" + p.folder + "/hardwareindex.json", p.index);
        if (!p.patch.empty()) root.Write("/usr/bin/" + p.folder + "/cap_patch.json", p.patch);
    }
    if (!p.boardType.empty() && !p.board.empty())
        root.Write("/usr/bin/hardware/board/" + p.boardType + "/cap_board.json", p.board);
    for (const auto &[name, text] : p.sensors)
        root.Write("/usr/bin/hardware/sensor/" + name + "/cap_sensor.json", text);
    for (const auto &[name, text] : p.lenses)
        root.Write("/usr/bin/hardware/lens/" + name + "/cap_lens.json", text);
}

void CapTest::SetUp() {
    HOST_SetEquipmentMode(0);
    HOST_SetMemType(0);
    HOST_SetMemReadFail(0);
    HOST_SetLogThreshold(7);
    CAP_SetDeviceNameOverride(nullptr);
}

void CapTest::TearDown() {
    if (HasFailure()) std::cerr << "library log:\n" << log.Dump();
}

int CapTest::Init(const Product &p) {
    WriteProduct(root, p);
    log.Clear();
    return CAP_CapInit();
}

}  // namespace devcap_test

namespace devcap_test {

size_t BoardTest::Findings() const {
    size_t n = 0;
    for (const LogEntry &e : log.Entries()) {
        for (const char *pcPrefix : {"cap_Parse", "cap_Match", "cap_Board", "CAP_", "cap_Warn"})
            if (e.fn.rfind(pcPrefix, 0) == 0) {
                ++n;
                break;
            }
    }
    return n;
}

void ExpectAnswers(const std::vector<Want> &rows) {
    for (const Want &w : rows) EXPECT_EQ(w.got, w.want) << w.what;
}

void ExpectRefusals(LogCapture &log, const std::vector<Refusal> &rows) {
    for (const Refusal &r : rows) {
        log.Clear();
        EXPECT_EQ(r.call(), r.result) << r.fn;
        const std::vector<LogEntry> entries = log.Entries();
        ASSERT_EQ(entries.size(), 1u) << r.fn << "\n" << log.Dump();
        EXPECT_EQ(entries[0].fn, r.fn);
        EXPECT_EQ(entries[0].level, kError) << r.fn;
        if (!r.text.empty()) {
            EXPECT_EQ(entries[0].text, r.text) << r.fn;
        }
    }
}

}  // namespace devcap_test
