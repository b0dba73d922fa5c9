// Board vocabulary: the words (and numbers) of the board file and the members
// of the exported enumerations they give. The one copy of these words: the
// board matchers match with them, the tool documents and checks with them.
#pragma once

#include "devcap.h"
#include "platform/words.h"

namespace cap {

inline constexpr Word<CameraType, sizeof("Bullet")> kCameraWords[] = {
    {"Dome", CAP_CAMERA_DOME}, {"Bullet", CAP_CAMERA_BULLET}, {"Box", CAP_CAMERA_BOX},
    {"PTZ", CAP_CAMERA_PTZ},   {"Robot", CAP_CAMERA_ROBOT},
};

inline constexpr Word<SocType, sizeof("hi3516av200")> kSocWords[] = {
    {"hi3516av200", CAP_SOC_HI3516AV200}, {"hi3519av100", CAP_SOC_HI3519AV100},
    {"hi3516dv300", CAP_SOC_HI3516DV300}, {"hi3516cv500", CAP_SOC_HI3516CV500},
    {"hi3559av100", CAP_SOC_HI3559AV100}, {"hi3516av300", CAP_SOC_HI3516AV300},
    {"fuhan8856", CAP_SOC_FUHAN8856},     {"fuhan8852", CAP_SOC_FUHAN8852},
    {"ambacv25", CAP_SOC_AMBACV25},       {"ambacv28", CAP_SOC_AMBACV28},
    {"ambacv22", CAP_SOC_AMBACV22},
};

inline constexpr Word<MotorType, sizeof("an41908a")> kMotorWords[] = {
    {"an41908a", CAP_MOTOR_AN41908A},
    {"ms41908", CAP_MOTOR_MS41908},
    {"drv8837", CAP_MOTOR_DRV8837},
};

inline constexpr Word<HardCtlType, sizeof("fpga")> kHardCtlWords[] = {
    {"soc", CAP_HARDCTL_SOC},
    {"fpga", CAP_HARDCTL_FPGA},
};

inline constexpr Word<FpgaI2cBus, sizeof("i2c11")> kFpgaI2cWords[] = {
    {"i2c0", CAP_FPGA_I2C0}, {"i2c1", CAP_FPGA_I2C1},   {"i2c2", CAP_FPGA_I2C2},
    {"i2c3", CAP_FPGA_I2C3}, {"i2c11", CAP_FPGA_I2C11},
};

inline constexpr Word<AlarmType, sizeof("gpio")> kAlarmWords[] = {
    {"gpio", CAP_ALARM_GPIO},
    {"mcu", CAP_ALARM_MCU},
    {"i2c", CAP_ALARM_I2C},
};

inline constexpr Word<IrisType, sizeof("open_close")> kIrisWords[] = {
    {"fixed", CAP_IRIS_FIXED},   {"open_close", CAP_IRIS_OPEN_CLOSE},
    {"linear", CAP_IRIS_LINEAR}, {"soc_ctl", CAP_IRIS_SOC_CTL},
    {"none", CAP_IRIS_NONE},
};

inline constexpr Word<IrcutType, sizeof("vir141_polar")> kIrcutWords[] = {
    {"vir141_ar", CAP_IRCUT_VIR141_AR},
    {"dc", CAP_IRCUT_DC},
    {"t5291icr", CAP_IRCUT_T5291ICR},
    {"pe457pol", CAP_IRCUT_PE457POL},
    {"vir141_polar", CAP_IRCUT_VIR141_POLAR},
    {"t5215icr", CAP_IRCUT_T5215ICR},
    {"none", CAP_IRCUT_NONE},
};

inline constexpr Word<VideoType, sizeof("hdmi")> kVideoWords[] = {
    {"sdi", CAP_VIDEO_SDI},
    {"cvbs", CAP_VIDEO_CVBS},
    {"lcd", CAP_VIDEO_LCD},
    {"hdmi", CAP_VIDEO_HDMI},
};

inline constexpr Word<CvbsType, sizeof("adv7393")> kCvbsWords[] = {
    {"adv7393", CAP_CVBS_ADV7393},
    {"gm7121", CAP_CVBS_GM7121},
};

inline constexpr Word<WifiType, sizeof("serial")> kWifiWords[] = {
    {"none", CAP_WIFI_NONE},
    {"usb", CAP_WIFI_USB},
    {"serial", CAP_WIFI_SERIAL},
};

inline constexpr Word<WifiMode, sizeof("apsta")> kWifiModeWords[] = {
    {"ap", CAP_WIFI_MODE_AP},
    {"sta", CAP_WIFI_MODE_STA},
    {"apsta", CAP_WIFI_MODE_APSTA},
};

inline constexpr Word<DevPosition, sizeof("front")> kPositionWords[] = {
    {"front", CAP_POS_FRONT}, {"back", CAP_POS_BACK}, {"left", CAP_POS_LEFT},
    {"right", CAP_POS_RIGHT}, {"up", CAP_POS_UP},     {"down", CAP_POS_DOWN},
};

inline constexpr Word<McuType, sizeof("DriverGD")> kMcuWords[] = {
    {"DriverGD", CAP_MCU_DRIVER_GD}, {"DriverST", CAP_MCU_DRIVER_ST}, {"AlarmGD", CAP_MCU_ALARM_GD},
    {"AlarmNT", CAP_MCU_ALARM_NT},   {"WiperNT", CAP_MCU_WIPER_NT},   {"WiperST", CAP_MCU_WIPER_ST},
};

// Capitalised, unlike the "none" of the Wi-Fi, iris and IR-cut words.
inline constexpr Word<FanHeatCtlType, sizeof("None")> kFanHeatWords[] = {
    {"None", CAP_FANHEAT_NONE},
    {"Gpio", CAP_FANHEAT_GPIO},
    {"Mcu", CAP_FANHEAT_MCU},
};

// Audio codecs: an unknown codec leaves the one set before.
inline constexpr Word<AudioSocType, sizeof("es8311")> kAudioSocWords[] = {
    {"es8311", CAP_AUDIO_ES8311},
    {"es8388", CAP_AUDIO_ES8388},
};

// Memory bus width in bits.
inline constexpr Number<MemWidth> kMemWidthNumbers[] = {
    {8, CAP_MEM_WIDTH_8}, {16, CAP_MEM_WIDTH_16}, {32, CAP_MEM_WIDTH_32}, {64, CAP_MEM_WIDTH_64},
};

// RAM size in megabytes.
inline constexpr Number<RamSize> kRamSizeNumbers[] = {
    {256, CAP_RAM_256M},   {512, CAP_RAM_512M},   {1024, CAP_RAM_1024M},
    {2048, CAP_RAM_2048M}, {4096, CAP_RAM_4096M},
};

inline constexpr Vocabulary kCameraVocab{kCameraWords, CAP_CAMERA_INVALID, CAP_CAMERA_INVALID,
                                         Unknown::kLog};
inline constexpr Vocabulary kSocVocab{kSocWords, CAP_SOC_INVALID, CAP_SOC_INVALID, Unknown::kLog};
inline constexpr Vocabulary kMotorVocab{kMotorWords, CAP_MOTOR_INVALID, CAP_MOTOR_INVALID,
                                        Unknown::kLog};
inline constexpr Vocabulary kHardCtlVocab{kHardCtlWords, CAP_HARDCTL_INVALID, CAP_HARDCTL_INVALID,
                                          Unknown::kLog};
inline constexpr Vocabulary kFpgaI2cVocab{kFpgaI2cWords, CAP_FPGA_I2C_INVALID,
                                          CAP_FPGA_I2C_INVALID, Unknown::kLog};
inline constexpr Vocabulary kAlarmVocab{kAlarmWords, CAP_ALARM_INVALID, CAP_ALARM_INVALID,
                                        Unknown::kLog};
inline constexpr Vocabulary kIrisVocab{kIrisWords, CAP_IRIS_INVALID, CAP_IRIS_INVALID, Unknown::kLog};
inline constexpr Vocabulary kIrcutVocab{kIrcutWords, CAP_IRCUT_INVALID, CAP_IRCUT_INVALID,
                                        Unknown::kLog};
inline constexpr Vocabulary kVideoVocab{kVideoWords, CAP_VIDEO_INVALID, CAP_VIDEO_INVALID,
                                        Unknown::kLog};
inline constexpr Vocabulary kCvbsVocab{kCvbsWords, CAP_CVBS_INVALID, CAP_CVBS_INVALID, Unknown::kLog};
inline constexpr Vocabulary kWifiVocab{kWifiWords, CAP_WIFI_INVALID, CAP_WIFI_INVALID, Unknown::kLog};
// No mode (0) stands for a missing or unrecognised text.
inline constexpr Vocabulary kWifiModeVocab{kWifiModeWords, CAP_WIFI_MODE_NONE, CAP_WIFI_MODE_NONE,
                                           Unknown::kLog};
inline constexpr Vocabulary kPositionVocab{kPositionWords, CAP_POS_INVALID, CAP_POS_INVALID,
                                           Unknown::kLog};
inline constexpr Vocabulary kMcuVocab{kMcuWords, CAP_MCU_INVALID, CAP_MCU_INVALID, Unknown::kSilent};
inline constexpr Vocabulary kFanHeatVocab{kFanHeatWords, CAP_FANHEAT_INVALID, CAP_FANHEAT_INVALID,
                                          Unknown::kSilent};
// The width reports a number outside its table; the RAM size does not.
inline constexpr Numbers kMemWidthVocab{kMemWidthNumbers, CAP_MEM_WIDTH_INVALID, Unknown::kLog};
inline constexpr Numbers kRamSizeVocab{kRamSizeNumbers, CAP_RAM_INVALID, Unknown::kSilent};

// The "MaxChannel" array of "Video" sets the first two outputs.
inline constexpr size_t kVideoMaxChannelRead = 2;

}  // namespace cap
