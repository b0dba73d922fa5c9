// Board vocabulary: the words (and numbers) of the board file turned into the
// numbers of the exported enumerations. Each matcher is a word table and one
// use of cap::MatchWord; comparison is exact and case-sensitive on the whole
// text.
#include "board/board.h"
#include "platform/log.h"
#include "platform/words.h"

namespace {

using cap::Unknown;
using cap::Word;

constexpr Word<CameraType, 7> kCameraWords[] = {
    {"Dome", CAP_CAMERA_DOME}, {"Bullet", CAP_CAMERA_BULLET}, {"Box", CAP_CAMERA_BOX},
    {"PTZ", CAP_CAMERA_PTZ},   {"Robot", CAP_CAMERA_ROBOT},
};

constexpr Word<SocType, 12> kSocWords[] = {
    {"hi3516av200", CAP_SOC_HI3516AV200}, {"hi3519av100", CAP_SOC_HI3519AV100},
    {"hi3516dv300", CAP_SOC_HI3516DV300}, {"hi3516cv500", CAP_SOC_HI3516CV500},
    {"hi3559av100", CAP_SOC_HI3559AV100}, {"hi3516av300", CAP_SOC_HI3516AV300},
    {"fuhan8856", CAP_SOC_FUHAN8856},     {"fuhan8852", CAP_SOC_FUHAN8852},
    {"ambacv25", CAP_SOC_AMBACV25},       {"ambacv28", CAP_SOC_AMBACV28},
    {"ambacv22", CAP_SOC_AMBACV22},
};

constexpr Word<MotorType, 9> kMotorWords[] = {
    {"an41908a", CAP_MOTOR_AN41908A},
    {"ms41908", CAP_MOTOR_MS41908},
    {"drv8837", CAP_MOTOR_DRV8837},
};

constexpr Word<HardCtlType, 5> kHardCtlWords[] = {
    {"soc", CAP_HARDCTL_SOC},
    {"fpga", CAP_HARDCTL_FPGA},
};

constexpr Word<FpgaI2cBus, 6> kFpgaI2cWords[] = {
    {"i2c0", CAP_FPGA_I2C0}, {"i2c1", CAP_FPGA_I2C1},   {"i2c2", CAP_FPGA_I2C2},
    {"i2c3", CAP_FPGA_I2C3}, {"i2c11", CAP_FPGA_I2C11},
};

constexpr Word<AlarmType, 5> kAlarmWords[] = {
    {"gpio", CAP_ALARM_GPIO},
    {"mcu", CAP_ALARM_MCU},
    {"i2c", CAP_ALARM_I2C},
};

constexpr Word<IrisType, 11> kIrisWords[] = {
    {"fixed", CAP_IRIS_FIXED},   {"open_close", CAP_IRIS_OPEN_CLOSE},
    {"linear", CAP_IRIS_LINEAR}, {"soc_ctl", CAP_IRIS_SOC_CTL},
    {"none", CAP_IRIS_NONE},
};

constexpr Word<IrcutType, 13> kIrcutWords[] = {
    {"vir141_ar", CAP_IRCUT_VIR141_AR},
    {"dc", CAP_IRCUT_DC},
    {"t5291icr", CAP_IRCUT_T5291ICR},
    {"pe457pol", CAP_IRCUT_PE457POL},
    {"vir141_polar", CAP_IRCUT_VIR141_POLAR},
    {"t5215icr", CAP_IRCUT_T5215ICR},
    {"none", CAP_IRCUT_NONE},
};

constexpr Word<VideoType, 5> kVideoWords[] = {
    {"sdi", CAP_VIDEO_SDI},
    {"cvbs", CAP_VIDEO_CVBS},
    {"lcd", CAP_VIDEO_LCD},
    {"hdmi", CAP_VIDEO_HDMI},
};

constexpr Word<CvbsType, 8> kCvbsWords[] = {
    {"adv7393", CAP_CVBS_ADV7393},
    {"gm7121", CAP_CVBS_GM7121},
};

constexpr Word<WifiType, 7> kWifiWords[] = {
    {"none", CAP_WIFI_NONE},
    {"usb", CAP_WIFI_USB},
    {"serial", CAP_WIFI_SERIAL},
};

constexpr Word<WifiMode, 6> kWifiModeWords[] = {
    {"ap", CAP_WIFI_MODE_AP},
    {"sta", CAP_WIFI_MODE_STA},
    {"apsta", CAP_WIFI_MODE_APSTA},
};

constexpr Word<DevPosition, 6> kPositionWords[] = {
    {"front", CAP_POS_FRONT}, {"back", CAP_POS_BACK}, {"left", CAP_POS_LEFT},
    {"right", CAP_POS_RIGHT}, {"up", CAP_POS_UP},     {"down", CAP_POS_DOWN},
};

constexpr Word<McuType, 9> kMcuWords[] = {
    {"DriverGD", CAP_MCU_DRIVER_GD}, {"DriverST", CAP_MCU_DRIVER_ST}, {"AlarmGD", CAP_MCU_ALARM_GD},
    {"AlarmNT", CAP_MCU_ALARM_NT},   {"WiperNT", CAP_MCU_WIPER_NT},   {"WiperST", CAP_MCU_WIPER_ST},
};

// Capitalised, unlike the "none" of the Wi-Fi, iris and IR-cut words.
constexpr Word<FanHeatCtlType, 5> kFanHeatWords[] = {
    {"None", CAP_FANHEAT_NONE},
    {"Gpio", CAP_FANHEAT_GPIO},
    {"Mcu", CAP_FANHEAT_MCU},
};

}  // namespace

CameraType cap_MatchCameraType(const char *pcVal) {
    constexpr CameraType enBad = CAP_CAMERA_INVALID;
    return cap::MatchWord<"cap_MatchCameraType para is null ptr!\n",
                          "cap_MatchCameraType para is invalid:pcVal=%s !\n", Unknown::kLog>(
        CAP_HERE, kCameraWords, pcVal, enBad, enBad);
}

SocType cap_MatchSocType(const char *pcVal) {
    constexpr SocType enBad = CAP_SOC_INVALID;
    return cap::MatchWord<"Cap_MatchSocType para is null ptr!\n",
                          "Cap_MatchSocType para is invalid:pcVal=%s!\n", Unknown::kLog>(
        CAP_HERE, kSocWords, pcVal, enBad, enBad);
}

MotorType cap_MatchMotorType(const char *pcVal) {
    constexpr MotorType enBad = CAP_MOTOR_INVALID;
    return cap::MatchWord<"cap_MatchMotorType para is null ptr!\n",
                          "cap_MatchMotorType para is invalid:pcVal=%s!\n", Unknown::kLog>(
        CAP_HERE, kMotorWords, pcVal, enBad, enBad);
}

HardCtlType cap_MatchHardCtl(const char *pcVal) {
    constexpr HardCtlType enBad = CAP_HARDCTL_INVALID;
    return cap::MatchWord<"cap_MatchHardCtl para is null ptr!\n",
                          "cap_MatchHardCtl para is invalid:pcVal=%s\n", Unknown::kLog>(
        CAP_HERE, kHardCtlWords, pcVal, enBad, enBad);
}

FpgaI2cBus cap_MatchFGPGAI2cCtl(const char *pcVal) {
    constexpr FpgaI2cBus enBad = CAP_FPGA_I2C_INVALID;
    return cap::MatchWord<"Cap_MatchFGPGAI2cCtl para is null ptr!\n",
                          "Cap_MatchFGPGAI2cCtl para is invalid: pcVal=%s !\n", Unknown::kLog>(
        CAP_HERE, kFpgaI2cWords, pcVal, enBad, enBad);
}

AlarmType cap_MatchAlarmType(const char *pcVal) {
    constexpr AlarmType enBad = CAP_ALARM_INVALID;
    return cap::MatchWord<"Cap_MatchAlarmType para is null ptr!\n",
                          "Cap_MatchAlarmType para is invalid : pcJsonVal = %s !\n", Unknown::kLog>(
        CAP_HERE, kAlarmWords, pcVal, enBad, enBad);
}

IrisType cap_MatchIrisType(const char *pcVal) {
    constexpr IrisType enBad = CAP_IRIS_INVALID;
    return cap::MatchWord<"cap_MatchIrisType params is null ptr!\n",
                          "cap_MatchIrisType para is invalid : pcJsonVal = %s!\n", Unknown::kLog>(
        CAP_HERE, kIrisWords, pcVal, enBad, enBad);
}

IrcutType cap_MatchIrcutType(const char *pcVal) {
    constexpr IrcutType enBad = CAP_IRCUT_INVALID;
    return cap::MatchWord<"cap_MatchIrcutType params is null!\n",
                          "cap_MatchIrcutType para is invalid :pcJsonVal = %s\n", Unknown::kLog>(
        CAP_HERE, kIrcutWords, pcVal, enBad, enBad);
}

VideoType cap_MatchVideoType(const char *pcVal) {
    constexpr VideoType enBad = CAP_VIDEO_INVALID;
    return cap::MatchWord<"cap_MatchVideoType params is null!\n",
                          "cap_MatchVideoType para is invalid :pcJsonVal = %s\n", Unknown::kLog>(
        CAP_HERE, kVideoWords, pcVal, enBad, enBad);
}

CvbsType cap_MatchCvbsType(const char *pcVal) {
    constexpr CvbsType enBad = CAP_CVBS_INVALID;
    return cap::MatchWord<"cap_MatchCvbsType params is null!\n",
                          "cap_MatchCvbsType para is invalid :pcJsonVal = %s\n", Unknown::kLog>(
        CAP_HERE, kCvbsWords, pcVal, enBad, enBad);
}

WifiType cap_MatchWifiType(const char *pcVal) {
    constexpr WifiType enBad = CAP_WIFI_INVALID;
    return cap::MatchWord<"cap_MatchWifiType para is null ptr!\n",
                          "cap_MatchWifiType para is invalid:pcJsonVal = %s!\n", Unknown::kLog>(
        CAP_HERE, kWifiWords, pcVal, enBad, enBad);
}

// No mode (0) stands for a missing or unrecognised text.
WifiMode cap_MatchWifiMode(const char *pcVal) {
    constexpr WifiMode enBad = CAP_WIFI_MODE_NONE;
    return cap::MatchWord<"cap_MatchWifiMode params is null!\n",
                          "cap_MatchWifiMode para is invalid :pcJsonVal = %s\n", Unknown::kLog>(
        CAP_HERE, kWifiModeWords, pcVal, enBad, enBad);
}

DevPosition cap_MatchDevPosition(const char *pcVal) {
    constexpr DevPosition enBad = CAP_POS_INVALID;
    return cap::MatchWord<"cap_MatchDevPosition params is null!\n",
                          "cap_MatchDevPosition para is invalid :pcJsonVal = %s\n", Unknown::kLog>(
        CAP_HERE, kPositionWords, pcVal, enBad, enBad);
}

McuType cap_MatchMcuType(const char *pcVal) {
    constexpr McuType enBad = CAP_MCU_INVALID;
    return cap::MatchWord<"invalid params!\n", "", Unknown::kSilent>(CAP_HERE, kMcuWords, pcVal,
                                                                     enBad, enBad);
}

FanHeatCtlType cap_MatchFanHeatCtlType(const char *pcVal) {
    constexpr FanHeatCtlType enBad = CAP_FANHEAT_INVALID;
    return cap::MatchWord<"invalid params!\n", "", Unknown::kSilent>(CAP_HERE, kFanHeatWords, pcVal,
                                                                     enBad, enBad);
}

MemWidth cap_MatchMemWidth(unsigned short usBits) {
    switch (usBits) {
        case 8: return CAP_MEM_WIDTH_8;
        case 16: return CAP_MEM_WIDTH_16;
        case 32: return CAP_MEM_WIDTH_32;
        case 64: return CAP_MEM_WIDTH_64;
        default:
            CAP_LOG(cap::kLogInfo, "cap_MatchMemWidth para:%d is invalid!\n", usBits);
            return CAP_MEM_WIDTH_INVALID;
    }
}

// Any other size is invalid and, unlike the width, not reported.
RamSize cap_MatchRamSize(int iMegaBytes) {
    switch (iMegaBytes) {
        case 256: return CAP_RAM_256M;
        case 512: return CAP_RAM_512M;
        case 1024: return CAP_RAM_1024M;
        case 2048: return CAP_RAM_2048M;
        case 4096: return CAP_RAM_4096M;
        default: return CAP_RAM_INVALID;
    }
}
