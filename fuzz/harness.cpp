#include "harness.h"

#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <filesystem>

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

struct Place {
    Input in;
    const char *name;
    const char *devPath;  // the file the input lives in
    const char *base;     // its content in the base product
};

const Place kPlaces[] = {
    {Input::kIndex, "index", "/usr/bin/FUZZ/hardwareindex.json", kIndex},
    {Input::kBoard, "board", "/usr/bin/hardware/board/FZB1/cap_board.json", kBoard},
    {Input::kSensor, "sensor", "/usr/bin/hardware/sensor/imx327/cap_sensor.json", kSensor},
    {Input::kLens, "lens", "/usr/bin/hardware/lens/fixed/cap_lens.json", kLens},
    {Input::kPatch, "patch", "/usr/bin/FUZZ/cap_patch.json", kPatch},
    {Input::kTagIdentity, "tag_identity", "/dev/mtd2", kIdentity},
    {Input::kTagCheck, "tag_check", "/dev/mtd2", kCheck},
    {Input::kDevName, "dev_name", "/tmp/sysinfo/dev_name", kDevName},
    {Input::kSerial, "sn", "/tmp/sysinfo/sn", kSerial},
};

const Place &PlaceOf(Input in) {
    for (const Place &p : kPlaces)
        if (p.in == in) return p;
    abort();
}

std::string g_root;

void WriteFile(const std::string &devPath, const void *pData, size_t ulSize) {
    fs::path p = g_root + devPath;
    fs::create_directories(p.parent_path());
    int iFd = open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    std::string img(2 * kTagBlock, '\0');
    memcpy(img.data(), pIdentity, ulIdentity < kTagBlock ? ulIdentity : kTagBlock);
    memcpy(img.data() + kTagBlock, pCheck, ulCheck < kTagBlock ? ulCheck : kTagBlock);
    WriteFile("/dev/mtd2", img.data(), img.size());
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

void QuietSink(int, int, const char *, void *) {}

void RemoveRoot() {
    std::error_code ec;
    if (!g_root.empty()) fs::remove_all(g_root, ec);
}

// Start-up on the current files, then the record and every query.
void InitAndCheck(devcap_check::Report &r) {
    int iResult = CAP_CapInit();
    devcap_check::CheckRecord(r, iResult);
    devcap_check::CallEveryQuery(r);
}

}  // namespace

const char *InputName(Input in) { return PlaceOf(in).name; }

bool InputFromName(const std::string &name, Input *pIn) {
    for (const Place &p : kPlaces)
        if (name == p.name) {
            *pIn = p.in;
            return true;
        }
    return false;
}

const std::string &Setup() {
    if (!g_root.empty()) return g_root;
    std::string tmpl = (fs::temp_directory_path() / "devcap-fuzz-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) abort();
    g_root = tmpl;
    atexit(RemoveRoot);
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
    return g_root;
}

devcap_check::Report Run(Input in, const uint8_t *pData, size_t ulSize) {
    Setup();
    devcap_check::Report r;
    WriteInput(in, pData, ulSize);
    switch (in) {
        case Input::kSerial:
        case Input::kTagCheck:
            devcap_check::CallSourceQueries(r);
            break;
        case Input::kDevName:
            // The device name decides the product in both modes.
            InitAndCheck(r);
            HOST_SetEquipmentMode(1);
            InitAndCheck(r);
            HOST_SetEquipmentMode(0);
            break;
        default:
            InitAndCheck(r);
            break;
    }
    RestoreInput(in);
    return r;
}

}  // namespace devcap_fuzz
