// Start-up never waits on a file and never reads one without bound. A FIFO
// without a writer, a device (/dev/zero through a symbolic link) or a
// directory in place of a capability file, of dev_name or of sn, and a
// regular file without end or one over CAP_FILE_SIZE_MAX in place of a
// capability file, give exactly what a file the library cannot read gives:
// the same result, messages and record, with next to nothing read.
//
// Each run happens in a child process that must answer within a deadline and
// a memory limit, so a library that waits or reads for ever fails the test
// instead of hanging it or exhausting the machine.
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>

#include "child_process.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

// Generous: a start-up takes milliseconds, under valgrind a second.
constexpr int kDeadlineSeconds = 20;

// What one run gave: its result, what it filled (the record, or the serial
// number), its log, and how many bytes the process read meanwhile.
struct Outcome {
    int result = 0;
    std::string filled;
    std::string log;
    long long bytesRead = 0;
    std::string failure;  // why the run gave no outcome
};

long long BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long llValue = 0;
    while (io >> key >> llValue)
        if (key == "rchar:") return llValue;
    return -1;
}

// A child that reads for ever runs out of address space, not the machine's
// memory. The sanitizers reserve terabytes of address space up front, and
// the library they check is not the one that reads for ever.
void LimitMemory() {
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    std::ifstream status("/proc/self/status");
    std::string key;
    long long llKib = 0;
    while (status >> key)
        if (key == "VmSize:" && status >> llKib) break;
    const rlim_t ulLimit = static_cast<rlim_t>(llKib + 512 * 1024) * 1024;
    const rlimit stLimit = {ulLimit, ulLimit};
    setrlimit(RLIMIT_AS, &stLimit);
#endif
}

void Append(std::string &out, const void *p, size_t n) {
    out.append(static_cast<const char *>(p), n);
}

std::string Serialize(const Outcome &o) {
    std::string out;
    Append(out, &o.result, sizeof(o.result));
    Append(out, &o.bytesRead, sizeof(o.bytesRead));
    for (const std::string *ps : {&o.filled, &o.log}) {
        const size_t n = ps->size();
        Append(out, &n, sizeof(n));
        out += *ps;
    }
    return out;
}

bool Deserialize(const std::string &in, Outcome &o) {
    size_t pos = 0;
    auto take = [&](void *p, size_t n) {
        if (in.size() - pos < n) return false;
        memcpy(p, in.data() + pos, n);
        pos += n;
        return true;
    };
    if (!take(&o.result, sizeof(o.result)) || !take(&o.bytesRead, sizeof(o.bytesRead)))
        return false;
    for (std::string *ps : {&o.filled, &o.log}) {
        size_t n = 0;
        if (!take(&n, sizeof(n)) || in.size() - pos < n) return false;
        ps->assign(in, pos, n);
        pos += n;
    }
    return pos == in.size();
}

Outcome Failed(const std::string &why) {
    Outcome o;
    o.failure = why;
    return o;
}

// Run fn in a child process; its outcome, or why there is none.
Outcome Isolated(const std::function<Outcome()> &fn) {
    const ChildRun run = RunInChild(
        [&](int iOutFd) {
            LimitMemory();
            if (!WriteAll(iOutFd, Serialize(fn()))) _exit(2);
        },
        kDeadlineSeconds, SIGKILL);
    if (run.bStuck) return Failed("no answer within " + std::to_string(kDeadlineSeconds) + " s");
    if (WIFSIGNALED(run.status))
        return Failed("killed by signal " + std::to_string(WTERMSIG(run.status)));
    Outcome o;
    if (!Deserialize(run.out, o))
        return Failed("no outcome (exit status " + std::to_string(run.status) + ")");
    return o;
}

// The files a special file stands in for. For a capability file, "cannot
// be read" gives what a file that is not JSON gives (the parser gets no tree
// either way); for dev_name and sn it is what a missing file gives.
struct Slot {
    const char *name;
    const char *devPath;
    bool bCapFile;
    const char *pcUnreadableMsg;  // a message the unreadable case logs
};

const Slot kSlots[] = {
    {"index", "/usr/bin/MODEL1/hardwareindex.json", true, "patch Json is Null."},
    {"board", "/usr/bin/hardware/board/B1/cap_board.json", true, "Board Json is Null."},
    {"sensor", "/usr/bin/hardware/sensor/imx327/cap_sensor.json", true, "Sensor Json is Null."},
    {"lens", "/usr/bin/hardware/lens/fixed/cap_lens.json", true, "Lens Cap is null."},
    {"patch", "/usr/bin/MODEL1/cap_patch.json", true, "Patch Json is Null."},
    {"dev_name", "/tmp/sysinfo/dev_name", false, "No device name in rfid\n"},
    {"sn", "/tmp/sysinfo/sn", false, "No serial number in rfid,use default serial number.\n"},
};

enum class Kind { kFifo, kZeroDevice, kDirectory, kEndless };

struct KindName {
    Kind kind;
    const char *name;
};
const KindName kKinds[] = {{Kind::kFifo, "FIFO"},
                           {Kind::kZeroDevice, "symbolic link to /dev/zero"},
                           {Kind::kDirectory, "directory"},
                           {Kind::kEndless, "symbolic link to /proc/self/pagemap"}};

class SpecialFiles : public CapTest {
protected:
    void SetUp() override {
        CapTest::SetUp();
        product.serial = "SN0123456789";
        product.tagIdentity = "DEVICE_NAME=MODEL1\n";
        product.patch = R"({"PoeSupport": true, "LedInfo": {"LedNum": 2}})";
    }

    // Lay out the product; with dev_name unreadable the device is the
    // default product, which then is this one.
    void Lay(const Slot &s) {
        Product p = product;
        if (std::string(s.name) == "dev_name") p.folder = "IPC-DEFAULT";
        WriteProduct(root, p);
    }

    // The run a slot's file is read in: start-up and the record, or the
    // serial-number query and the number.
    Outcome Run(const Slot &s) {
        return Isolated([&] {
            Outcome o;
            const long long llBefore = BytesRead();
            log.Clear();
            if (std::string(s.name) == "sn") {
                char acSerial[33] = {0};
                o.result = CAP_GetSerialNum(acSerial, sizeof(acSerial));
                o.filled.assign(acSerial, sizeof(acSerial));
            } else {
                o.result = CAP_CapInit();
                Append(o.filled, &g_stDevCap, sizeof(g_stDevCap));
            }
            o.bytesRead = BytesRead() - llBefore;
            for (const LogEntry &e : log.Entries())
                o.log += "L" + std::to_string(e.level) + " " + e.fn + ": " + e.text + "\n";
            return o;
        });
    }

    void Put(const Slot &s, Kind kind) const {
        const std::string path = root.HostPath(s.devPath);
        root.Remove(s.devPath);
        int iRet = -1;
        switch (kind) {
            case Kind::kFifo: iRet = mkfifo(path.c_str(), 0644); break;
            case Kind::kZeroDevice: iRet = symlink("/dev/zero", path.c_str()); break;
            case Kind::kDirectory: iRet = mkdir(path.c_str(), 0755); break;
            case Kind::kEndless: iRet = symlink("/proc/self/pagemap", path.c_str()); break;
        }
        ASSERT_EQ(iRet, 0) << path;
    }

    void MakeUnreadable(const Slot &s) const {
        if (s.bCapFile)
            root.Write(s.devPath, "{ not JSON");
        else
            root.Remove(s.devPath);
    }

    // The same result, messages and record as the reference.
    static void ExpectSame(const Outcome &got, const Outcome &want) {
        if (!got.failure.empty()) {
            ADD_FAILURE() << got.failure;
            return;
        }
        EXPECT_EQ(got.result, want.result);
        EXPECT_EQ(got.log, want.log);
        EXPECT_TRUE(got.filled == want.filled) << "what the run filled differs";
    }
};

class InPlaceOf : public SpecialFiles, public ::testing::WithParamInterface<Slot> {};

TEST_P(InPlaceOf, SpecialFileIsAFileTheLibraryCannotRead) {
    const Slot &s = GetParam();
    Lay(s);
    MakeUnreadable(s);
    const Outcome want = Run(s);
    ASSERT_EQ(want.failure, "");
    ASSERT_NE(want.log.find(s.pcUnreadableMsg), std::string::npos) << want.log;
    for (const KindName &k : kKinds) {
        // A regular file without end is only a capability file's concern:
        // dev_name and sn are read 63 and 32 bytes at most.
        if (k.kind == Kind::kEndless && !s.bCapFile) continue;
        SCOPED_TRACE(k.name);
        Put(s, k.kind);
        const Outcome got = Run(s);
        ExpectSame(got, want);
        EXPECT_LT(got.bytesRead, CAP_FILE_SIZE_MAX + 64 * 1024);
    }
}

INSTANTIATE_TEST_SUITE_P(SpecialFiles, InPlaceOf, ::testing::ValuesIn(kSlots),
                         [](const ::testing::TestParamInfo<Slot> &info) {
                             return info.param.name;
                         });

// A capability file of CAP_FILE_SIZE_MAX bytes is read as the same file
// without padding; one byte more and it counts as unreadable, left unread.
TEST_F(SpecialFiles, CapabilityFileSizeLimit) {
    for (const Slot &s : kSlots) {
        if (!s.bCapFile) continue;
        SCOPED_TRACE(s.name);
        Lay(s);
        std::ifstream in(root.HostPath(s.devPath), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        const Outcome plain = Run(s);
        ASSERT_EQ(plain.result, 0) << plain.log;

        root.Write(s.devPath, text + std::string(CAP_FILE_SIZE_MAX - text.size(), ' '));
        ExpectSame(Run(s), plain);

        MakeUnreadable(s);
        const Outcome unreadable = Run(s);
        root.Write(s.devPath, text + std::string(CAP_FILE_SIZE_MAX + 1 - text.size(), ' '));
        const Outcome over = Run(s);
        ExpectSame(over, unreadable);
        EXPECT_LT(over.bytesRead, 64 * 1024);
    }
}

}  // namespace
