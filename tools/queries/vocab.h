// The words of every enumeration the queries answer with, as capability files
// spell them, so that the tool can show a number next to its word.
#pragma once

#include <initializer_list>
#include <utility>

namespace devcap_tool {

struct Vocab {
    const char *pcName;  // what the enumeration is called in the usage text
    std::initializer_list<std::pair<long long, const char *>> words;
    long long llInvalid;  // the member that stands for "no or unknown word"; -1000 none

    // The word of a number, "invalid" for the invalid member, null otherwise.
    const char *Word(long long llVal) const {
        for (const auto &w : words)
            if (w.first == llVal) return w.second;
        return llVal == llInvalid ? "invalid" : nullptr;
    }
};

inline constexpr long long kNoInvalid = -1000;

inline const Vocab kCameraType{"CameraType",
    {{0, "Dome"}, {1, "Bullet"}, {2, "Box"}, {3, "PTZ"}, {4, "Robot"}}, 5};
inline const Vocab kSocType{"SocType",
    {{0, "hi3516av200"}, {1, "hi3519av100"}, {2, "hi3516dv300"}, {3, "hi3516cv500"},
     {4, "hi3559av100"}, {5, "hi3516av300"}, {6, "fuhan8856"}, {7, "fuhan8852"},
     {8, "ambacv25"}, {9, "ambacv28"}, {10, "ambacv22"}}, 11};
inline const Vocab kMotorType{"MotorType", {{0, "an41908a"}, {1, "ms41908"}, {2, "drv8837"}}, 3};
inline const Vocab kHardCtl{"HardCtlType", {{0, "soc"}, {1, "fpga"}}, 2};
inline const Vocab kFpgaI2c{"FpgaI2cBus",
    {{0, "i2c0"}, {1, "i2c1"}, {2, "i2c2"}, {3, "i2c3"}, {11, "i2c11"}}, 12};
inline const Vocab kAlarmType{"AlarmType", {{0, "gpio"}, {1, "mcu"}, {2, "i2c"}}, 3};
inline const Vocab kIrisType{"IrisType",
    {{0, "fixed"}, {1, "open_close"}, {2, "linear"}, {3, "soc_ctl"}, {4, "none"}}, 5};
inline const Vocab kIrcutType{"IrcutType",
    {{0, "vir141_ar"}, {1, "dc"}, {2, "t5291icr"}, {3, "pe457pol"}, {4, "vir141_polar"},
     {5, "t5215icr"}, {6, "none"}}, 7};
inline const Vocab kVideoType{"VideoType", {{3, "sdi"}, {4, "cvbs"}, {5, "lcd"}, {6, "hdmi"}}, 7};
inline const Vocab kCvbsType{"CvbsType", {{0, "adv7393"}, {1, "gm7121"}}, 2};
inline const Vocab kWifiType{"WifiType", {{0, "none"}, {1, "usb"}, {2, "serial"}}, 3};
inline const Vocab kWifiMode{"WifiMode", {{0, "no mode"}, {1, "ap"}, {2, "sta"}, {3, "apsta"}},
                             kNoInvalid};
inline const Vocab kPosition{"DevPosition",
    {{0, "front"}, {1, "back"}, {2, "left"}, {3, "right"}, {4, "up"}, {5, "down"}}, 6};
inline const Vocab kMcuType{"McuType",
    {{0, "DriverGD"}, {1, "DriverST"}, {2, "AlarmGD"}, {3, "AlarmNT"}, {4, "WiperNT"},
     {5, "WiperST"}}, 6};
inline const Vocab kFanHeat{"FanHeatCtlType", {{0, "None"}, {1, "Gpio"}, {2, "Mcu"}}, 3};
inline const Vocab kMemWidth{"MemWidth",
    {{0, "8 bits"}, {1, "16 bits"}, {2, "32 bits"}, {3, "64 bits"}}, 4};
inline const Vocab kRamSize{"RamSize",
    {{0, "256 MB"}, {1, "512 MB"}, {2, "1024 MB"}, {3, "2048 MB"}, {4, "4096 MB"}}, 5};
inline const Vocab kAudioSoc{"AudioSocType", {{0, "es8311"}, {1, "es8388"}, {2, "none"}},
                             kNoInvalid};
inline const Vocab kSensorType{"SensorType",
    {{0, "imx385"}, {1, "imx185"}, {2, "imx327"}, {3, "imx335"}, {4, "os08a10"},
     {5, "os02c10"}, {6, "sc4210"}, {7, "imx334"}, {8, "sc2210"}, {9, "sc4238"},
     {10, "imx307"}, {11, "imx265"}, {12, "imx305"}, {13, "os04a10"}, {15, "sc200ai"},
     {16, "sc500ai"}, {17, "gc2053"}, {18, "imx485"}}, 19};
inline const Vocab kSensorMode{"SensorMode",
    {{0, "normal"}, {1, "720pl"}, {2, "720ph"}, {3, "1080pl"}, {4, "1080ph"}, {5, "960pl"},
     {6, "960ph"}, {7, "3m1536pl"}, {8, "3m1536ph"}, {9, "3m1296pl"}, {10, "3m1296ph"},
     {11, "5m1920pl"}, {12, "5m1920ph"}, {13, "5m1944pl"}, {14, "5m1944ph"},
     {15, "5m1728pl"}, {16, "5m1728ph"}, {17, "4m1520pl"}, {18, "4m1520ph"},
     {19, "8m2160pl"}, {20, "8m2160ph"}, {21, "12m3000pl"}, {22, "12m3000ph"},
     {23, "4m1440pl"}, {24, "4m1440ph"}, {25, "9m2160pl"}, {26, "9m2160ph"},
     {27, "4m2688_1520ph"}, {28, "4m2688_1520pl"}}, 29};
inline const Vocab kLensType{"LensType",
    {{0, "union_t5183"}, {1, "muxia_35x"}, {2, "user"}, {3, "yt3010"}, {4, "hd0271"},
     {5, "fixed"}, {6, "25x_f028"}, {7, "24x_f063"}, {8, "yt50011"}, {9, "28x_f147x"},
     {10, "32x_f127x"}, {11, "yt30031"}, {12, "yt30021"}, {13, "union_t5097"},
     {14, "union_t5291"}, {15, "df033"}, {16, "yt10093"}, {17, "yt10112"}, {18, "yt10069"},
     {19, "yt10068"}, {20, "union_t5188"}, {21, "f130x"}, {22, "union_t5215"}, {23, "f139"},
     {24, "yt30033"}, {25, "fg20060"}}, 26};
inline const Vocab kFixDistance{"FixDistance",
    {{0, "2.8mm"}, {1, "3.6mm"}, {2, "6mm"}, {3, "8mm"}, {4, "12mm"}, {5, "box"}}, 6};
inline const Vocab kFocusType{"FocusType",
    {{0, "fixed"}, {1, "zoom and focus"}, {2, "focus only"}, {3, "none"}}, kNoInvalid};
inline const Vocab kBallType{"BallType", {{0, "eight"}, {1, "six"}, {2, "seven"}}, 3};
inline const Vocab kLedType{"LedType",
    {{1, "gpioled"}, {4, "whitenear"}, {5, "whitemid"}, {6, "whitefar"}, {7, "irnear"},
     {8, "irmid"}, {9, "irfar"}, {10, "softnear"}, {11, "mix"}, {14, "const"},
     {15, "sun_fli"}, {16, "fre_fli"}, {19, "l6d30bw"}, {20, "itwld2"}, {22, "alert"},
     {23, "alert_whitenear"}}, 24};
inline const Vocab kLedHardCtl{"LedHardCtlType", {{0, "gpio"}, {1, "pwm"}, {2, "485"}, {3, "i2c"}},
                               4};
inline const Vocab kLaser{"LaserDistance", {{0, "none"}, {1, "500m"}, {2, "1000m"}}, kNoInvalid};

}  // namespace devcap_tool
