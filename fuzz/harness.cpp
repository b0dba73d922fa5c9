#include "harness.h"

#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <string_view>

#include "devcap.h"
#include "host.h"

namespace fs = std::filesystem;

namespace devcap_fuzz {

namespace {

constexpr size_t kTagBlock = 4096;

// The base product: everything a successful start-up needs, so that the
// fuzzed input is the only thing that differs.
const char kDevName[] = "FUZZ";
const char kSerial[] = "SN20240601AB";
const char kIdentity[] = "DEVICE_NAME=FUZZ@P1\nINTERNAL_MODEL=FZ-1\n";
const char kCheck[] = "checkcode=0123456789abcdef0123456789abcdef\n";
const char kIndex[] =
    R"({"version": 1, "board": "FZB1", "ISP_INFO": [{"sensor": "imx327", "lens": "fixed"},)"
    R"( {"sensor": "sc4210", "lens": ["fixed", "3.6mm", "yt3010"]}]})";
const char kBoard[] =
    R"({"CameraType": "Bullet", "SocType": "hi3516dv300", "ResetGpio": 12,)"
    R"( "Alarm": {"AlarmInType": "gpio", "AlarmInWithGpio": [1, 2]},)"
    R"( "Uart": {"Uart485": {"DeviceNode": ["ttyAMA1"], "DirectionGpio": [5]}}})";
const char kSensor[] = R"({"SensorMode": "1080pl"})";
const char kLens[] = R"({"FovAngle": 92.5})";
const char kPatch[] = R"({"PoeSupport": true, "BallSize": "six"})";

// Where each input lives and what its file holds in the base product, one
// row an input in the order of the build's list (checked below).
struct Place {
    Input in;
    const char *devPath;  // the file the input lives in (the tag: /dev/mtd2 at 0, at 4096)
    const char *base;     // its content in the base product
};

constexpr Place kPlaces[] = {
    {Input::kIndex, "/usr/bin/FUZZ/hardwareindex.json", kIndex},
    {Input::kBoard, "/usr/bin/hardware/board/FZB1/cap_board.json", kBoard},
    {Input::kSensor, "/usr/bin/hardware/sensor/imx327/cap_sensor.json", kSensor},
    {Input::kLens, "/usr/bin/hardware/lens/fixed/cap_lens.json", kLens},
    {Input::kPatch, "/usr/bin/FUZZ/cap_patch.json", kPatch},
    {Input::kTagIdentity, "/dev/mtd2", kIdentity},
    {Input::kTagCheck, "/dev/mtd2", kCheck},
    {Input::kDevName, "/tmp/sysinfo/dev_name", kDevName},
    {Input::kSn, "/tmp/sysinfo/sn", kSerial},
};

constexpr bool PlacesFollowTheList() {
    if (std::size(kPlaces) != std::size(kAllInputs)) return false;
    for (size_t i = 0; i < std::size(kPlaces); ++i)
        if (kPlaces[i].in != kAllInputs[i]) return false;
    return true;
}
static_assert(PlacesFollowTheList(), "one place for each input of DEVCAP_FUZZ_INPUTS, in its order");

const Place &PlaceOf(Input in) { return kPlaces[static_cast<size_t>(in)]; }

std::string g_root;
Input g_enChanged;   // an input whose file holds fuzzed bytes, if g_bChanged
bool g_bChanged;

// Every folder exists from Setup on: a run writes one file, it creates none.
// Each write replaces the file's bytes in place, on a tmpfs when there is one.
void WriteFile(const std::string &devPath, const void *pData, size_t ulSize) {
    const std::string path = g_root + devPath;
    int iFd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (iFd < 0) abort();
    const auto *pc = static_cast<const char *>(pData);
    while (ulSize > 0) {
        ssize_t l = write(iFd, pc, ulSize);
        if (l <= 0) abort();
        pc += l;
        ulSize -= static_cast<size_t>(l);
    }
    close(iFd);
}

void WriteText(const std::string &devPath, const char *pcText) {
    WriteFile(devPath, pcText, strlen(pcText));
}

// The tag partition: identity block at 0, check-code block at 4096; a block
// longer than 4096 bytes is cut, a shorter one is followed by zeros.
void WriteTag(const uint8_t *pIdentity, size_t ulIdentity, const uint8_t *pCheck, size_t ulCheck) {
    static char acImage[2 * kTagBlock];
    memset(acImage, 0, sizeof(acImage));
    memcpy(acImage, pIdentity, ulIdentity < kTagBlock ? ulIdentity : kTagBlock);
    memcpy(acImage + kTagBlock, pCheck, ulCheck < kTagBlock ? ulCheck : kTagBlock);
    WriteFile("/dev/mtd2", acImage, sizeof(acImage));
}

void WriteInput(Input in, const uint8_t *pData, size_t ulSize) {
    const auto *pIdentity = reinterpret_cast<const uint8_t *>(kIdentity);
    const auto *pCheck = reinterpret_cast<const uint8_t *>(kCheck);
    if (in == Input::kTagIdentity)
        WriteTag(pData, ulSize, pCheck, strlen(kCheck));
    else if (in == Input::kTagCheck)
        WriteTag(pIdentity, strlen(kIdentity), pData, ulSize);
    else
        WriteFile(PlaceOf(in).devPath, pData, ulSize);
}

void RestoreInput(Input in) {
    const Place &p = PlaceOf(in);
    WriteInput(in, reinterpret_cast<const uint8_t *>(p.base), strlen(p.base));
}

// The base product but for this input's file: a file another input's run
// left fuzzed is put back first. A fuzz target runs one input only, so it
// never restores; the replay test runs them all in one process.
void WriteOnly(Input in, const uint8_t *pData, size_t ulSize) {
    if (g_bChanged && g_enChanged != in) RestoreInput(g_enChanged);
    WriteInput(in, pData, ulSize);
    g_enChanged = in;
    g_bChanged = true;
}

// A tmpfs spares each run the disk file system's work of truncating and
// rewriting a file (on ext4, writing it back at close).
fs::path TempBase() {
    std::error_code ec;
    const fs::path shm = "/dev/shm";
    if (fs::is_directory(shm, ec) && access(shm.c_str(), W_OK) == 0) return shm;
    return fs::temp_directory_path();
}

void QuietSink(int, int, const char *, void *) {}

void RemoveRoot() {
    std::error_code ec;
    if (!g_root.empty()) fs::remove_all(g_root, ec);
}

// Every query answers from the record alone (CAP_GetResolution also from the
// equipment mode): a record walked before gives the same answers, messages
// and coverage again, so a walk is remembered and a later run over the same
// record folds in its digest instead. The identity queries are remembered by
// the whole record; the others, which read neither the paths nor the identity
// texts (the replay test checks it), by the record without those, so a run
// that changes only the device or product name (dev_name, the tag) walks the
// identity queries alone. The walks remembered are a fixed table: one that
// collides is walked again; a walk with findings is not remembered, so its
// findings come again every time.
class Walks {
public:
    using Walk = void (*)(devcap_check::Report &);
    void Run(devcap_check::Report &r, size_t ulKey, Walk pfnWalk) {
        Done &stDone = m_astDone[ulKey % kSlots];
        if (stDone.bUsed && stDone.key == ulKey) {
            r.Fold(stDone.digest);
            return;
        }
        devcap_check::Report w;
        pfnWalk(w);
        r.Fold(w.digest);
        for (const std::string &v : w.violations) r.Fail(v);
        if (w.Ok()) stDone = {ulKey, w.digest, true};
    }

private:
    struct Done {
        size_t key;
        uint64_t digest;
        bool bUsed;
    };
    static constexpr size_t kSlots = 1 << 16;
    Done m_astDone[kSlots] = {};
};

size_t RecordKey(const DevCap &stRecord, int iEquipment) {
    const std::string_view bytes(reinterpret_cast<const char *>(&stRecord), sizeof(stRecord));
    return std::hash<std::string_view>{}(bytes) ^ (iEquipment != 0 ? 0x9e3779b97f4a7c15u : 0u);
}

void WalkEveryQuery(devcap_check::Report &r, int iEquipment) {
    static Walks identity, others;
    identity.Run(r, RecordKey(g_stDevCap, iEquipment), devcap_check::CallIdentityQueries);
    static DevCap stKeyed;
    stKeyed = g_stDevCap;
    memset(&stKeyed.stCapFiles, 0, sizeof(stKeyed.stCapFiles));
    memset(stKeyed.stBoardCap.acDevName, 0, sizeof(stKeyed.stBoardCap.acDevName));
    memset(stKeyed.stBoardCap.acDevParam, 0, sizeof(stKeyed.stBoardCap.acDevParam));
    memset(stKeyed.stBoardCap.acProductName, 0, sizeof(stKeyed.stBoardCap.acProductName));
    others.Run(r, RecordKey(stKeyed, iEquipment), devcap_check::CallOtherQueries);
}

// Start-up on the current files, then the record and every query.
void InitAndCheck(devcap_check::Report &r, int iEquipment) {
    HOST_SetEquipmentMode(iEquipment);
    int iResult = CAP_CapInit();
    devcap_check::CheckRecord(r, iResult);
    WalkEveryQuery(r, iEquipment);
}

}  // namespace

const char *InputName(Input in) {
    static const char *const kNames[] = {
#define DEVCAP_FUZZ_NAME(enumerator, name) name,
        DEVCAP_FUZZ_INPUTS(DEVCAP_FUZZ_NAME)
#undef DEVCAP_FUZZ_NAME
    };
    return kNames[static_cast<size_t>(in)];
}

namespace {

// The root, laid out on first use.
void LayOut() {
    if (!g_root.empty()) return;
    std::string tmpl = (TempBase() / "devcap-fuzz-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) abort();
    g_root = tmpl;
    atexit(RemoveRoot);
    for (const Place &p : kPlaces) fs::create_directories(fs::path(g_root + p.devPath).parent_path());
    fs::create_directories(g_root + "/usr/bin/hardware/sensor/sc4210");
    for (const Place &p : kPlaces)
        if (p.in != Input::kTagCheck) RestoreInput(p.in);
    WriteText("/usr/bin/hardware/sensor/sc4210/cap_sensor.json", kSensor);
    CAP_SetRootDir(g_root.c_str());
    HOST_SetRootDir(g_root.c_str());
    CAP_SetDeviceNameOverride(nullptr);
    HOST_SetEquipmentMode(0);
    HOST_SetMemType(0);
    HOST_SetMemReadFail(0);
    HOST_SetLogThreshold(7);
    if (getenv("DEVCAP_FUZZ_LOG") == nullptr) HOST_SetLogSink(QuietSink, nullptr);
    CAP_CapInit();
}

}  // namespace

const std::string &Setup() {
    LayOut();
    if (g_bChanged) RestoreInput(g_enChanged);
    g_bChanged = false;
    return g_root;
}

devcap_check::Report Run(Input in, const uint8_t *pData, size_t ulSize) {
    LayOut();
    devcap_check::Report r;
    WriteOnly(in, pData, ulSize);
    switch (in) {
        case Input::kSn:
            devcap_check::CallSerialQueries(r);
            break;
        case Input::kTagCheck:
            devcap_check::CallCheckCodeQueries(r);
            break;
        case Input::kDevName:
            // The device name decides the product in both modes.
            InitAndCheck(r, 0);
            InitAndCheck(r, 1);
            HOST_SetEquipmentMode(0);
            break;
        default:
            InitAndCheck(r, 0);
            break;
    }
    return r;
}

}  // namespace devcap_fuzz
