// Every exported query of the library, as one table.
#include "queries/registry.h"

#include <string.h>

#include <climits>
#include <cstdio>

#include "devcap.h"

namespace devcap_tool {

Val Val::Int(long long ll, Kind k, const Vocab *v) {
    Val r;
    r.eType = Type::kInt;
    r.llInt = ll;
    r.eKind = k;
    r.pVocab = v;
    return r;
}
Val Val::Double(double d) {
    Val r;
    r.eType = Type::kDouble;
    r.dVal = d;
    return r;
}
Val Val::Text(std::string s) {
    Val r;
    r.eType = Type::kText;
    r.strText = std::move(s);
    return r;
}
Val Val::List(std::vector<Val> items) {
    Val r;
    r.eType = Type::kList;
    r.items = std::move(items);
    return r;
}

namespace {

using Vals = std::vector<ArgVal>;
using DumpValues = std::function<std::vector<long long>()>;

// Buffers the tool hands to text and copy queries: larger than any field.
constexpr int kTextBuf = 128;
constexpr int kListMax = 64;

// Group names, in dump order.
constexpr const char *kIdentity = "identity";
constexpr const char *kBoard = "board";
constexpr const char *kAlarm = "alarm/serial";
constexpr const char *kOptics = "optics";
constexpr const char *kMedia = "video/audio";
constexpr const char *kPeriph = "peripherals";
constexpr const char *kPtz = "PTZ";
constexpr const char *kSensors = "sensors";
constexpr const char *kLenses = "lenses";
constexpr const char *kLeds = "LEDs";
constexpr const char *kPatch = "patch";

Answer One(Val v) {
    Answer a;
    a.fields.emplace_back().val = std::move(v);
    return a;
}

// The fields are moved in, not copied: a list answer's values are not copied twice.
template <typename... F>
Answer WithRc(int iRc, F &&...fields) {
    Answer a;
    a.bHasRc = true;
    a.iRc = iRc;
    if (iRc == 0) {
        a.fields.reserve(sizeof...(F));
        (a.fields.push_back(std::forward<F>(fields)), ...);
    }
    return a;
}

DumpValues Upto(int n) {
    return [n] {
        std::vector<long long> v;
        for (int i = 0; i < n; ++i) v.push_back(i);
        return v;
    };
}

// Indices below a count the library reports (bounded by the four channels).
DumpValues UptoLensNum() {
    return [] {
        int n = CAP_GetLensNum();
        return Upto(n < CAP_MAX_CHANNEL ? n : CAP_MAX_CHANNEL)();
    };
}

DumpValues Just(long long v) {
    return [v] { return std::vector<long long>{v}; };
}

Arg Index(const char *pcName, int iSlots, ArgType t = ArgType::kInt) {
    return Arg{pcName, t, Upto(iSlots)};
}
Arg Count(const char *pcName, int iSlots, ArgType t = ArgType::kInt) {
    return Arg{pcName, t, Just(iSlots), false};
}

template <typename F>
Query Value(const char *pcName, const char *pcGroup, Kind k, const Vocab *v, const char *pcHelp,
            F f) {
    return Query{pcName, pcGroup, {}, pcHelp, true,
                 [f, k, v](const Vals &) { return One(Val::Int(static_cast<long long>(f()), k, v)); }};
}

template <typename F>
Query Indexed(const char *pcName, const char *pcGroup, Arg a, Kind k, const Vocab *v,
              const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {a}, pcHelp, true, [f, k, v](const Vals &args) {
                     return One(Val::Int(static_cast<long long>(f(args[0].ll)), k, v));
                 }};
}

// A text copied into a caller's buffer: f(buffer, size) gives the result code.
template <typename F>
Query TextQ(const char *pcName, const char *pcGroup, const char *pcHelp, F f, int iSize = kTextBuf) {
    return Query{pcName, pcGroup, {}, pcHelp, true, [f, iSize](const Vals &) {
                     char acBuf[kTextBuf + 1] = {};
                     int iRc = f(acBuf, iSize);
                     return WithRc(iRc, Field{"", Val::Text(std::string(acBuf, strnlen(acBuf, iSize)))});
                 }};
}

template <typename F>
Query TextIdx(const char *pcName, const char *pcGroup, Arg a, const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {a}, pcHelp, true, [f](const Vals &args) {
                     char acBuf[kTextBuf + 1] = {};
                     int iRc = f(args[0].ll, acBuf, kTextBuf);
                     return WithRc(iRc, Field{"", Val::Text(std::string(acBuf, strnlen(acBuf, kTextBuf)))});
                 }};
}

// The first n slots of a table: f(n, int buffer) gives the result code.
template <typename T, typename F>
Query ListQ(const char *pcName, const char *pcGroup, Arg a, Kind k, const Vocab *v,
            const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {a}, pcHelp, true, [f, k, v](const Vals &args) {
                     T aBuf[kListMax] = {};
                     long long n = args[0].ll;
                     int iRc = f(n, aBuf);
                     std::vector<Val> items;
                     for (long long i = 0; iRc == 0 && i < n && i < kListMax; ++i)
                         items.push_back(Val::Int(static_cast<long long>(aBuf[i]), k, v));
                     return WithRc(iRc, Field{"", Val::List(std::move(items))});
                 }};
}

// One cell of a table of GPIOs, by its two indices.
template <typename F>
Query CellQ(const char *pcName, const char *pcGroup, Arg row, Arg col, const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {row, col}, pcHelp, true, [f](const Vals &a) {
                     return One(Val::Int(f(a[0].ll, a[1].ll), Kind::kGpio));
                 }};
}

// The first ROWS x COLS entries of a table of GPIOs, read row by row:
// f(rows, cols, buffer) gives the result code.
template <typename F>
Query GridQ(const char *pcName, const char *pcGroup, Arg rows, Arg cols, const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {rows, cols}, pcHelp, true, [f](const Vals &a) {
                     // Larger than the table: the library refuses counts beyond it.
                     int aiBuf[kListMax] = {};
                     long long n = a[0].ll * a[1].ll;
                     int iRc = f(a[0].ll, a[1].ll, aiBuf);
                     std::vector<Val> items;
                     for (long long i = 0; iRc == 0 && i < n && i < kListMax; ++i)
                         items.push_back(Val::Int(aiBuf[i], Kind::kGpio));
                     return WithRc(iRc, Field{"", Val::List(std::move(items))});
                 }};
}

// Two numbers a query stores through two pointers, named pcA and pcB:
// f(arguments, &a, &b) gives the result code.
template <typename T, typename F>
Query PairQ(const char *pcName, const char *pcGroup, std::vector<Arg> args, const char *pcHelp,
            const char *pcA, const char *pcB, F f) {
    return Query{pcName, pcGroup, std::move(args), pcHelp, true, [f, pcA, pcB](const Vals &a) {
                     T tA = 0, tB = 0;
                     int iRc = f(a, &tA, &tB);
                     return WithRc(iRc, Field{pcA, Val::Int(tA)}, Field{pcB, Val::Int(tB)});
                 }};
}

// The first n entries of two tables into two int buffers, named pcA and pcB:
// f(n, a, b) gives the result code.
template <typename F>
Query ListPairQ(const char *pcName, const char *pcGroup, Arg a, Kind k, const char *pcHelp,
                const char *pcA, const char *pcB, F f) {
    return Query{pcName, pcGroup, {a}, pcHelp, true, [f, k, pcA, pcB](const Vals &args) {
                     int aiA[kListMax] = {}, aiB[kListMax] = {};
                     int iRc = f(args[0].ll, aiA, aiB);
                     std::vector<Val> va, vb;
                     for (long long i = 0; i < args[0].ll && i < kListMax; ++i) {
                         va.push_back(Val::Int(aiA[i], k));
                         vb.push_back(Val::Int(aiB[i], k));
                     }
                     return WithRc(iRc, Field{pcA, Val::List(std::move(va))}, Field{pcB, Val::List(std::move(vb))});
                 }};
}

template <typename F>
Query I2cQ(const char *pcName, const char *pcGroup, const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {}, pcHelp, true, [f](const Vals &) {
                     I2cInfo st{};
                     int iRc = f(&st);
                     return WithRc(iRc, Field{"val0", Val::Int(st.usVal0)},
                                        Field{"val1", Val::Int(st.usVal1)},
                                        Field{"val2", Val::Int(st.usVal2)});
                 }};
}

template <typename F>
Query PositionQ(const char *pcName, const char *pcGroup, const char *pcHelp, F f) {
    return Query{pcName, pcGroup, {}, pcHelp, true, [f](const Vals &) {
                     DevPosition x = 0, y = 0, z = 0;
                     int iRc = f(&x, &y, &z);
                     return WithRc(iRc, Field{"x", Val::Int(x, Kind::kEnum, &kPosition)},
                                        Field{"y", Val::Int(y, Kind::kEnum, &kPosition)},
                                        Field{"z", Val::Int(z, Kind::kEnum, &kPosition)});
                 }};
}

std::vector<Query> Build() {
    const Kind N = Kind::kNum, B = Kind::kBool, G = Kind::kGpio, E = Kind::kEnum;
    const ArgType U16 = ArgType::kUShort;
    std::vector<Query> q;

    // ---- identity -------------------------------------------------------
    q.push_back(TextQ("DeviceName", kIdentity, "device name",
                      [](char *p, int n) { return CAP_GetDeviceName(n, p); }));
    q.push_back(TextQ("DeviceParam", kIdentity, "text after the first '@' of the device name",
                      [](char *p, int n) { return CAP_GetDeviceParam(n, p); }));
    q.push_back(TextQ("ProductName", kIdentity, "product name from the electronic tag",
                      [](char *p, int n) { return CAP_GetProductName(n, p); }));
    q.push_back(TextQ("SerialNum", kIdentity, "serial number (read at each call)",
                      [](char *p, int n) { return CAP_GetSerialNum(p, n); }));
    q.push_back(TextQ("CheckCode", kIdentity, "check code of the tag (read at each call)",
                      [](char *p, int n) { return CAP_GetCheckCode(p, n); }));
    q.push_back(TextQ("BoardType", kIdentity, "board type of the hardware index",
                      [](char *p, int n) { return CAP_GetBoardType(n, p); }));
    q.push_back(Value("IndexCapVersion", kIdentity, N, nullptr, "version of the hardware index",
                      [] { return CAP_GetIndexCapVersion(); }));
    q.push_back(TextQ("ProductFolder", kIdentity, "product folder under /usr/bin",
                      [](char *p, int n) { return CAP_GetProductFolder(n, p); }));
    q.push_back(TextIdx("ConfigIspFolder", kIdentity, Index("CHANNEL", CAP_MAX_CHANNEL, U16),
                        "ISP configuration folder of a channel",
                        [](long long c, char *p, int n) { return CAP_GetConfigIspFolder(c, n, p); }));

    // ---- board ----------------------------------------------------------
    q.push_back(Value("CameraType", kBoard, E, &kCameraType, "mounting form",
                      [] { return CAP_GetCameraType(); }));
    q.push_back(Value("SocType", kBoard, E, &kSocType, "system-on-chip",
                      [] { return CAP_GetSocType(); }));
    q.push_back(Value("ResetGpio", kBoard, G, nullptr, "board reset GPIO",
                      [] { return CAP_GetResetGpio(); }));
    q.push_back(Value("SensorHardCtlType", kBoard, E, &kHardCtl, "side driving the image sensor",
                      [] { return CAP_GetSensorHardCtlType(); }));
    q.push_back(Indexed("MotorType", kBoard, Index("INDEX", CAP_MOTOR_SLOTS), E, &kMotorType,
                        "lens motor driver of a slot", [](long long i) { return CAP_GetMotorType(i); }));
    q.push_back(Value("RamSize", kBoard, E, &kRamSize, "RAM size", [] { return CAP_GetRamSize(); }));
    q.push_back(Value("SdCardSlotNum", kBoard, N, nullptr, "number of SD card slots",
                      [] { return CAP_GetSdCardSlotNum(); }));
    q.push_back(Value("HWVersionGpio", kBoard, Kind::kHex, nullptr,
                      "hardware-version GPIOs, one per byte",
                      [] { return CAP_GetHWVersionGpio(); }));
    q.push_back(Value("MemWidth", kBoard, E, &kMemWidth, "memory bus width",
                      [] { return CAP_GetMemWidth(); }));
    q.push_back(Value("MaxElevationAngle", kBoard, N, nullptr, "maximum elevation angle of the ball",
                      [] { return CAP_GetMaxElevationAngle(); }));
    q.push_back(Value("IsDoubleIntfSupport", kBoard, B, nullptr, "double interface",
                      [] { return CAP_IsDoubleIntfSupport(); }));
    q.push_back(Value("FpgaCtlI2cNum", kBoard, E, &kFpgaI2c, "I2C bus of the FPGA",
                      [] { return CAP_GetFpgaCtlI2cNum(); }));
    q.push_back(Value("IsTemperatureAndHumiditySupport", kBoard, B, nullptr,
                      "temperature-and-humidity sensor",
                      [] { return CAP_IsTemperatureAndHumiditySupport(); }));
    q.push_back(PairQ<unsigned int>("LensPinsNum", kBoard, {}, "lens pins in groups A and B", "A", "B",
                                    [](const Vals &, unsigned int *a, unsigned int *b) {
                                        return CAP_GetLensPinsNum(a, b);
                                    }));
    q.push_back(CellQ("LensPins", kBoard, Index("INDEX", CAP_LENS_PIN_SLOTS, ArgType::kUInt),
                      Arg{"GROUP", ArgType::kUInt, Upto(2)}, "lens pin of group 0 (A) or 1 (B)",
                      [](long long i, long long g) { return CAP_GetLensPins(i, g); }));
    q.push_back(ListPairQ("LensPinsMul", kBoard, Count("COUNT", CAP_LENS_PIN_SLOTS, ArgType::kUInt), G,
                          "first COUNT pins of both groups", "A", "B",
                          [](long long n, int *a, int *b) { return CAP_GetLensPinsMul(n, a, b); }));

    // ---- alarm and serial ports -----------------------------------------
    q.push_back(Value("AlarmInType", kAlarm, E, &kAlarmType, "wiring of the alarm inputs",
                      [] { return CAP_GetAlarmInType(); }));
    q.push_back(Value("AlarmOutType", kAlarm, E, &kAlarmType, "wiring of the alarm outputs",
                      [] { return CAP_GetAlarmOutType(); }));
    q.push_back(Value("AlarmInNum", kAlarm, N, nullptr, "number of alarm inputs",
                      [] { return CAP_GetAlarmInNum(); }));
    q.push_back(Value("AlarmOutNum", kAlarm, N, nullptr, "number of alarm outputs",
                      [] { return CAP_GetAlarmOutNum(); }));
    q.push_back(Indexed("AlarmInWithGpio", kAlarm, Index("INDEX", CAP_ALARM_SLOTS), G, nullptr,
                        "GPIO of alarm input slot 0..7", [](long long i) { return CAP_GetAlarmInWithGpio(i); }));
    q.push_back(Indexed("AlarmOutWithGpio", kAlarm, Index("INDEX", CAP_ALARM_SLOTS), G, nullptr,
                        "GPIO of alarm output slot 0..7", [](long long i) { return CAP_GetAlarmOutWithGpio(i); }));
    q.push_back(ListQ<int>("AlarmInWithGpioMul", kAlarm, Count("COUNT", CAP_ALARM_SLOTS), G, nullptr,
                           "first COUNT alarm input GPIOs",
                           [](long long n, int *p) { return CAP_GetAlarmInWithGpioMul(n, p); }));
    q.push_back(ListQ<int>("AlarmOutWithGpioMul", kAlarm, Count("COUNT", CAP_ALARM_SLOTS), G, nullptr,
                           "first COUNT alarm output GPIOs",
                           [](long long n, int *p) { return CAP_GetAlarmOutWithGpioMul(n, p); }));
    q.push_back(PairQ<unsigned int>("AlarmGpioNum", kAlarm, {}, "configured GPIO alarm lines", "in", "out",
                                    [](const Vals &, unsigned int *in, unsigned int *out) {
                                        return CAP_GetAlarmGpioNum(in, out);
                                    }));
    q.push_back(I2cQ("AlarmInWithI2cInfo", kAlarm, "I2C attachment of the alarm inputs",
                     [](I2cInfo *p) { return CAP_GetAlarmInWithI2cInfo(p); }));
    q.push_back(I2cQ("AlarmOutWithI2cInfo", kAlarm, "I2C attachment of the alarm outputs",
                     [](I2cInfo *p) { return CAP_GetAlarmOutWithI2cInfo(p); }));
    struct Port {
        const char *pcKind;
        int (*pfnNum)();
        int (*pfnDir)(int);
        int (*pfnDirMul)(int, int *);
        int (*pfnNode)(unsigned short, unsigned short, char *);
        int (*pfnAll)(char *);
    };
    const Port astPorts[] = {
        {"485", CAP_GetUart485Num, CAP_GetUart485DirectionGpio, CAP_GetUart485DirectionGpioMul,
         CAP_GetUart485DeviceNode, CAP_GetUart485DeviceNodeAll},
        {"232", CAP_GetUart232Num, CAP_GetUart232DirectionGpio, CAP_GetUart232DirectionGpioMul,
         CAP_GetUart232DeviceNode, CAP_GetUart232DeviceNodeAll},
        {"422", CAP_GetUart422Num, CAP_GetUart422DirectionGpio, CAP_GetUart422DirectionGpioMul,
         CAP_GetUart422DeviceNode, CAP_GetUart422DeviceNodeAll},
    };
    for (const Port &p : astPorts) {
        std::string k = p.pcKind;
        auto pfnNum = p.pfnNum;
        auto pfnDir = p.pfnDir;
        auto pfnDirMul = p.pfnDirMul;
        auto pfnNode = p.pfnNode;
        auto pfnAll = p.pfnAll;
        q.push_back(Value(("Uart" + k + "Num").c_str(), kAlarm, N, nullptr, "number of ports",
                          [pfnNum] { return pfnNum(); }));
        q.push_back(Indexed(("Uart" + k + "DirectionGpio").c_str(), kAlarm, Index("INDEX", CAP_UART_PORTS), G,
                            nullptr, "direction GPIO of port 0..3",
                            [pfnDir](long long i) { return pfnDir(i); }));
        q.push_back(ListQ<int>(("Uart" + k + "DirectionGpioMul").c_str(), kAlarm,
                               Count("COUNT", CAP_UART_PORTS),
                               G, nullptr, "first COUNT direction GPIOs",
                               [pfnDirMul](long long n, int *o) { return pfnDirMul(n, o); }));
        q.push_back(TextIdx(("Uart" + k + "DeviceNode").c_str(), kAlarm, Index("INDEX", CAP_UART_PORTS, U16),
                            "device node of port 0..3",
                            [pfnNode](long long i, char *o, int n) { return pfnNode(i, n, o); }));
        q.push_back(Query{"Uart" + k + "DeviceNodeAll", kAlarm, {}, "the four device node slots",
                          true, [pfnAll](const Vals &) {
                              char acBuf[CAP_UART_PORTS * CAP_NODE_LEN + 1] = {};
                              int iRc = pfnAll(acBuf);
                              std::vector<Val> items;
                              for (int i = 0; i < CAP_UART_PORTS; ++i)
                                  items.push_back(Val::Text(std::string(
                                      acBuf + i * CAP_NODE_LEN, strnlen(acBuf + i * CAP_NODE_LEN, CAP_NODE_LEN))));
                              return WithRc(iRc, Field{"", Val::List(std::move(items))});
                          }});
    }

    // ---- optics: iris and IR-cut -----------------------------------------
    q.push_back(Value("IrisNum", kOptics, N, nullptr, "number of irises", [] { return CAP_GetIrisNum(); }));
    q.push_back(Indexed("IrisType", kOptics, Index("IRIS", CAP_IRIS_SLOTS), E, &kIrisType,
                        "type of iris 0..3",
                        [](long long i) { return CAP_GetIrisType(i); }));
    q.push_back(Indexed("IrisCtlGpioNum", kOptics, Index("IRIS", CAP_IRIS_SLOTS), N, nullptr,
                        "control GPIOs of iris 0..3", [](long long i) { return CAP_GetIrisCtlGpioNum(i); }));
    q.push_back(CellQ("IrisCtlWithGpio", kOptics, Index("IRIS", CAP_IRIS_SLOTS),
                      Index("GPIO", CAP_IRIS_GPIOS), "control GPIO of an iris",
                      [](long long i, long long g) { return CAP_GetIrisCtlWithGpio(i, g); }));
    q.push_back(GridQ("IrisCtlWithGpioMul", kOptics, Count("IRISES", CAP_IRIS_SLOTS),
                      Count("GPIOS", CAP_IRIS_GPIOS), "first IRISES x GPIOS entries of the iris GPIO table",
                      [](long long r, long long c, int *p) { return CAP_GetIrisCtlWithGpioMul(r, c, p); }));
    q.push_back(Value("IrcutNum", kOptics, N, nullptr, "number of IR-cut filters",
                      [] { return CAP_GetIrcutNum(); }));
    q.push_back(Indexed("IrcutType", kOptics, Index("IRCUT", CAP_IRCUT_SLOTS), E, &kIrcutType,
                        "type of IR-cut filter 0..3", [](long long i) { return CAP_GetIrcutType(i); }));
    q.push_back(Indexed("IrcutCtlGpioNum", kOptics, Index("IRCUT", CAP_IRCUT_SLOTS), N, nullptr,
                        "control GPIOs of filter 0..3", [](long long i) { return CAP_GetIrcutCtlGpioNum(i); }));
    q.push_back(CellQ("IrcutCtlWithGpio", kOptics, Index("IRCUT", CAP_IRCUT_SLOTS),
                      Index("GPIO", CAP_IRCUT_GPIOS), "control GPIO of an IR-cut filter",
                      [](long long i, long long g) { return CAP_GetIrcutCtlWithGpio(i, g); }));
    q.push_back(GridQ("IrcutCtlWithGpioMul", kOptics, Count("IRCUTS", CAP_IRCUT_SLOTS),
                      Count("GPIOS", CAP_IRCUT_GPIOS),
                      "first IRCUTS x GPIOS entries of the IR-cut GPIO table (rows of 10)",
                      [](long long r, long long c, int *p) { return CAP_GetIrcutCtlWithGpioMul(r, c, p); }));

    // ---- video and audio ------------------------------------------------
    q.push_back(Value("VideoOutNum", kMedia, N, nullptr, "number of video outputs",
                      [] { return CAP_GetVideoOutNum(); }));
    q.push_back(Value("IsVideoOutSupport", kMedia, B, nullptr, "any video output",
                      [] { return CAP_IsVideoOutSupport(); }));
    q.push_back(Indexed("VideoType", kMedia, Index("INDEX", CAP_VIDEO_SLOTS, U16), E, &kVideoType,
                        "type of video output 0..3", [](long long i) { return CAP_GetVideoType(i); }));
    q.push_back(Indexed("VideoMaxChannel", kMedia, Index("INDEX", CAP_VIDEO_SLOTS), N, nullptr,
                        "maximum channels of output 0..3", [](long long i) { return CAP_GetVideoMaxChannel(i); }));
    q.push_back(Value("IsAudioMicInSupport", kMedia, B, nullptr, "microphone input",
                      [] { return CAP_IsAudioMicInSupport(); }));
    q.push_back(Value("IsAudioLineInSupport", kMedia, B, nullptr, "line input",
                      [] { return CAP_IsAudioLineInSupport(); }));
    q.push_back(Value("IsAudioSpeakerSupport", kMedia, B, nullptr, "speaker",
                      [] { return CAP_IsAudioSpeakerSupport(); }));
    q.push_back(Value("AudioMicInChannel", kMedia, N, nullptr, "microphone input channel",
                      [] { return CAP_GetAudioMicInChannel(); }));
    q.push_back(Value("AudioLineInChannel", kMedia, N, nullptr, "line input channel",
                      [] { return CAP_GetAudioLineInChannel(); }));
    q.push_back(Value("AudioInDevNO", kMedia, N, nullptr, "audio input device number",
                      [] { return CAP_GetAudioInDevNO(); }));
    q.push_back(Value("AudioOutDevNO", kMedia, N, nullptr, "audio output device number",
                      [] { return CAP_GetAudioOutDevNO(); }));
    q.push_back(Value("AudioOutNum", kMedia, N, nullptr, "number of audio outputs",
                      [] { return CAP_GetAudioOutNum(); }));
    q.push_back(Value("IsAudioOutSupport", kMedia, B, nullptr, "any audio output",
                      [] { return CAP_IsAudioOutSupport(); }));
    q.push_back(Value("IsAudioSupport", kMedia, B, nullptr, "audio output, line or microphone input",
                      [] { return CAP_IsAudioSupport(); }));
    q.push_back(Value("AudioSocType", kMedia, E, &kAudioSoc, "audio codec",
                      [] { return CAP_GetAudioSocType(); }));
    q.push_back(Value("MinLineSwitchGpio", kMedia, G, nullptr, "microphone/line switch GPIO",
                      [] { return CAP_GetMinLineSwitchGpio(); }));

    // ---- peripherals ----------------------------------------------------
    q.push_back(Value("IsTempSupport", kPeriph, B, nullptr, "temperature sensor",
                      [] { return CAP_IsTempSupport(); }));
    q.push_back(TextQ("TemperatureDeviceNoe", kPeriph, "temperature sensor device path",
                      [](char *p, int n) { return CAP_GetTemperatureDeviceNoe(n, p); }));
    q.push_back(Value("IsCvbsSupport", kPeriph, B, nullptr, "CVBS encoder",
                      [] { return CAP_IsCvbsSupport(); }));
    q.push_back(Value("CvbsSocType", kPeriph, E, &kCvbsType, "CVBS encoder chip",
                      [] { return CAP_GetCvbsSocType(); }));
    q.push_back(Value("CvbsHardCtl", kPeriph, E, &kHardCtl, "side driving the CVBS encoder",
                      [] { return CAP_GetCvbsHardCtl(); }));
    q.push_back(Value("CvbsResetGpio", kPeriph, G, nullptr, "CVBS encoder reset GPIO",
                      [] { return CAP_GetCvbsResetGpio(); }));
    q.push_back(I2cQ("CvbsSocCtlWithI2cInfo", kPeriph, "I2C attachment of the CVBS encoder",
                     [](I2cInfo *p) { return CAP_GetCvbsSocCtlWithI2cInfo(p); }));
    q.push_back(Value("WifiType", kPeriph, E, &kWifiType, "Wi-Fi attachment",
                      [] { return CAP_GetWifiType(); }));
    q.push_back(Value("WifiModel", kPeriph, E, &kWifiMode, "Wi-Fi mode",
                      [] { return CAP_GetWifiModel(); }));
    q.push_back(TextQ("WifiDeviceNode", kPeriph, "Wi-Fi device node",
                      [](char *p, int n) { return CAP_GetWifiDeviceNode(n, p); }));
    q.push_back(PositionQ("AcceleratePosition", kPeriph, "accelerometer axis directions",
                          [](DevPosition *x, DevPosition *y, DevPosition *z) {
                              return CAP_GetAcceleratePosition(x, y, z);
                          }));
    q.push_back(I2cQ("AccelerateI2cInfo", kPeriph, "I2C attachment of the accelerometer",
                     [](I2cInfo *p) { return CAP_GetAccelerateI2cInfo(p); }));
    q.push_back(Value("IsEcompasSupport", kPeriph, B, nullptr, "e-compass (board file)",
                      [] { return CAP_IsEcompasSupport(); }));
    q.push_back(PositionQ("EcompassPosition", kPeriph, "e-compass axis directions",
                          [](DevPosition *x, DevPosition *y, DevPosition *z) {
                              return CAP_GetEcompassPosition(x, y, z);
                          }));
    q.push_back(I2cQ("EcompassI2cInfo", kPeriph, "I2C attachment of the e-compass",
                     [](I2cInfo *p) { return CAP_GetEcompassI2cInfo(p); }));
    q.push_back(Value("EcompassGpioReset", kPeriph, G, nullptr, "e-compass reset GPIO",
                      [] { return CAP_GetEcompassGpioReset(); }));
    q.push_back(Value("EcompassINTGpioNum", kPeriph, N, nullptr, "e-compass interrupt GPIOs",
                      [] { return CAP_GetEcompassINTGpioNum(); }));
    q.push_back(Indexed("EcompassINTGpio", kPeriph, Index("INDEX", CAP_ECOMPASS_INTS), G, nullptr,
                        "e-compass interrupt GPIO 0..3", [](long long i) { return CAP_GetEcompassINTGpio(i); }));
    q.push_back(ListQ<int>("EcompassINTGpioMul", kPeriph, Count("COUNT", CAP_ECOMPASS_INTS), G, nullptr,
                           "first COUNT interrupt GPIOs",
                           [](long long n, int *p) { return CAP_GetEcompassINTGpioMul(n, p); }));

    // ---- PTZ ------------------------------------------------------------
    q.push_back(Value("AlarmBoardType", kPtz, E, &kMcuType, "alarm board model",
                      [] { return CAP_GetAlarmBoardType(); }));
    q.push_back(Value("DriverBoardType", kPtz, E, &kMcuType, "driver board model",
                      [] { return CAP_GetDriverBoardType(); }));
    q.push_back(Value("WiperBoardType", kPtz, E, &kMcuType, "wiper board model",
                      [] { return CAP_GetWiperBoardType(); }));
    q.push_back(Value("DriverBoardReset", kPtz, G, nullptr, "driver board reset GPIO",
                      [] { return CAP_GetDriverBoardReset(); }));
    q.push_back(Value("AlarmBoardReset", kPtz, G, nullptr, "alarm board reset GPIO",
                      [] { return CAP_GetAlarmBoardReset(); }));
    q.push_back(Value("WiperBoardReset", kPtz, G, nullptr, "wiper board reset GPIO",
                      [] { return CAP_GetWiperBoardReset(); }));
    q.push_back(Value("FanCtlType", kPtz, E, &kFanHeat, "fan switching",
                      [] { return CAP_GetFanCtlType(); }));
    q.push_back(Value("HeatCtlType", kPtz, E, &kFanHeat, "heater switching",
                      [] { return CAP_GetHeatCtlType(); }));
    q.push_back(Value("GlassHeatCtlType", kPtz, E, &kFanHeat, "window heater switching",
                      [] { return CAP_GetGlassHeatCtlType(); }));
    q.push_back(Value("GlassHeatGpioCtl", kPtz, G, nullptr, "window heater GPIO",
                      [] { return CAP_GetGlassHeatGpioCtl(); }));
    q.push_back(Value("TempLowerThreshold", kPtz, N, nullptr, "window heating lower threshold",
                      [] { return CAP_GetTempLowerThreshold(); }));
    q.push_back(Value("TempUpperThreshold", kPtz, N, nullptr, "window heating upper threshold",
                      [] { return CAP_GetTempUpperThreshold(); }));
    q.push_back(Value("FanGpioCtlNum", kPtz, N, nullptr, "fan GPIOs", [] { return CAP_GetFanGpioCtlNum(); }));
    q.push_back(Value("HeatGpioCtlNum", kPtz, N, nullptr, "heater GPIOs",
                      [] { return CAP_GetHeatGpioCtlNum(); }));
    q.push_back(Indexed("FanGpioCtl", kPtz, Index("INDEX", CAP_PTZ_GPIOS), G, nullptr, "fan GPIO 0..3",
                        [](long long i) { return CAP_GetFanGpioCtl(i); }));
    q.push_back(Indexed("HeatGpioCtl", kPtz, Index("INDEX", CAP_PTZ_GPIOS), G, nullptr, "heater GPIO 0..3",
                        [](long long i) { return CAP_GetHeatGpioCtl(i); }));
    q.push_back(TextQ("DriverBoardNode", kPtz, "driver board device node",
                      [](char *p, int n) { return CAP_GetDriverBoardNode(n, p); }));
    q.push_back(TextQ("AlarmBoardNode", kPtz, "alarm board device node",
                      [](char *p, int n) { return CAP_GetAlarmBoardNode(n, p); }));
    q.push_back(TextQ("WiperBoardNode", kPtz, "wiper board device node",
                      [](char *p, int n) { return CAP_GetWiperBoardNode(n, p); }, CAP_NODE_LEN));

    // ---- sensors --------------------------------------------------------
    q.push_back(Value("SensorNum", kSensors, N, nullptr, "number of sensors",
                      [] { return CAP_GetSensorNum(); }));
    q.push_back(Indexed("SensorType", kSensors, Index("INDEX", CAP_MAX_CHANNEL), E, &kSensorType,
                        "sensor type of slot 0..3", [](long long i) { return CAP_GetSensorType(i); }));
    q.push_back(ListQ<SensorType>("SensorTypeMul", kSensors, Count("COUNT", CAP_MAX_CHANNEL), E, &kSensorType,
                                  "sensor types of the first COUNT slots",
                                  [](long long n, SensorType *p) { return CAP_GetSensorTypeMul(n, p); }));
    q.push_back(Indexed("SensorMode", kSensors, Index("INDEX", CAP_MAX_CHANNEL), E, &kSensorMode,
                        "sensor mode of slot 0..3", [](long long i) { return CAP_GetSensorMode(i); }));
    q.push_back(Indexed("Resolution", kSensors, Index("INDEX", CAP_MAX_CHANNEL), N, nullptr,
                        "resolution class of slot 0..3, in 10 000 pixels",
                        [](long long i) { return CAP_GetResolution(i); }));

    // ---- lenses ---------------------------------------------------------
    q.push_back(Value("LensNum", kLenses, N, nullptr, "number of lenses", [] { return CAP_GetLensNum(); }));
    q.push_back(Indexed("LensType", kLenses, Index("INDEX", CAP_MAX_CHANNEL), E, &kLensType,
                        "lens type of slot 0..3", [](long long i) { return CAP_GetLensType(i); }));
    q.push_back(ListQ<LensType>("LensTypeMul", kLenses, Count("COUNT", CAP_MAX_CHANNEL), E, &kLensType,
                                "lens types of the first COUNT slots",
                                [](long long n, LensType *p) { return CAP_GetLensTypeMul(n, p); }));
    q.push_back(Indexed("FocusDistance", kLenses, Arg{"INDEX", ArgType::kInt, UptoLensNum()}, E,
                        &kFixDistance, "fixed focal distance of a lens",
                        [](long long i) { return CAP_GetFocusDistance(i); }));
    q.push_back(Query{"FovAngle", kLenses, {Arg{"INDEX", ArgType::kInt, UptoLensNum()}},
                      "field of view of a lens", true,
                      [](const Vals &a) { return One(Val::Double(CAP_GetFovAngle(a[0].ll))); }});
    q.push_back(Indexed("FocusType", kLenses, Arg{"INDEX", ArgType::kInt, UptoLensNum()}, E,
                        &kFocusType, "zoom/focus kind of a lens",
                        [](long long i) { return CAP_GetFocusType(i); }));
    q.push_back(Indexed("IsZoomSupport", kLenses, Arg{"INDEX", ArgType::kInt, UptoLensNum()}, B,
                        nullptr, "lens can zoom", [](long long i) { return CAP_IsZoomSupport(i); }));
    q.push_back(Indexed("IsFocusSupport", kLenses, Arg{"INDEX", ArgType::kInt, UptoLensNum()}, B,
                        nullptr, "lens can focus", [](long long i) { return CAP_IsFocusSupport(i); }));

    // ---- supplementary lights -------------------------------------------
    q.push_back(Value("LedNum", kLeds, N, nullptr, "\"LedNum\" as given", [] { return CAP_GetLedNum(); }));
    q.push_back(Value("LedTypeNum", kLeds, N, nullptr, "leading slots with a type",
                      [] { return CAP_GetLedTypeNum(); }));
    q.push_back(Value("LedGpioNum", kLeds, N, nullptr, "leading slots with a GPIO",
                      [] { return CAP_GetLedGpioNum(); }));
    q.push_back(Value("LedFreqNum", kLeds, N, nullptr, "leading slots with a frequency",
                      [] { return CAP_GetLedFreqNum(); }));
    q.push_back(Value("LedRangeNum", kLeds, N, nullptr, "leading slots with a range",
                      [] { return CAP_GetLedRangeNum(); }));
    q.push_back(Indexed("LedType", kLeds, Index("INDEX", CAP_LED_SLOTS), E, &kLedType,
                        "LED type of slot 0..9",
                        [](long long i) { return CAP_GetLedType(i); }));
    q.push_back(Indexed("LedHardCtlType", kLeds, Index("INDEX", CAP_LED_SLOTS), E, &kLedHardCtl,
                        "LED drive of slot 0..9", [](long long i) { return CAP_GetLedHardCtlType(i); }));
    q.push_back(Indexed("LedCtlWithGpio", kLeds, Index("INDEX", CAP_LED_SLOTS), G, nullptr,
                        "LED GPIO of slot 0..9", [](long long i) { return CAP_GetLedCtlWithGpio(i); }));
    q.push_back(Indexed("LedFreq", kLeds, Index("INDEX", CAP_LED_SLOTS), N, nullptr,
                        "LED frequency of slot 0..9",
                        [](long long i) { return CAP_GetLedFreq(i); }));
    q.push_back(PairQ<int>("LedRange", kLeds, {Index("INDEX", CAP_LED_SLOTS)}, "LED range pair of slot 0..9",
                           "min", "max", [](const Vals &a, int *piMin, int *piMax) {
                               return CAP_GetLedRange(a[0].ll, piMin, piMax);
                           }));
    q.push_back(ListQ<LedType>("LedTypeMul", kLeds, Count("COUNT", CAP_LED_SLOTS), E, &kLedType,
                               "LED types of the first COUNT slots",
                               [](long long n, LedType *p) { return CAP_GetLedTypeMul(n, p); }));
    q.push_back(ListQ<int>("LedCtlWithGpioMul", kLeds, Count("COUNT", CAP_LED_SLOTS), G, nullptr,
                           "LED GPIOs of the first COUNT slots",
                           [](long long n, int *p) { return CAP_GetLedCtlWithGpioMul(n, p); }));
    q.push_back(ListQ<int>("LedFreqMul", kLeds, Count("COUNT", CAP_LED_SLOTS), N, nullptr,
                           "LED frequencies of the first COUNT slots",
                           [](long long n, int *p) { return CAP_GetLedFreqMul(n, p); }));
    q.push_back(ListPairQ("LedRangeMul", kLeds, Count("COUNT", CAP_LED_SLOTS), N,
                          "LED ranges of the first COUNT slots", "min", "max",
                          [](long long n, int *piMin, int *piMax) {
                              return CAP_GetLedRangeMul(n, piMin, piMax);
                          }));
    q.push_back(Query{"NearMidFarEnable", kLeds, {}, "near, middle and far enable bits", true,
                      [](const Vals &) {
                          unsigned short usNear = 0, usMid = 0, usFar = 0;
                          int iRc = CAP_GetNearMidFarEnable(&usNear, &usMid, &usFar);
                          return WithRc(iRc, Field{"near", Val::Int(usNear, Kind::kBool)},
                                              Field{"mid", Val::Int(usMid, Kind::kBool)},
                                              Field{"far", Val::Int(usFar, Kind::kBool)});
                      }});
    q.push_back(Query{"MatchLedType", kLeds, {Arg{"WORD", ArgType::kText, Just(0), false}},
                      "LED type of an LED type word", false, [](const Vals &a) {
                          return One(Val::Int(CAP_MatchLedType(a[0].str.c_str()), Kind::kEnum, &kLedType));
                      }});

    // ---- patch ----------------------------------------------------------
    q.push_back(Value("IsPoeSupport", kPatch, B, nullptr, "power over Ethernet",
                      [] { return CAP_IsPoeSupport(); }));
    q.push_back(Value("IsGyroscopeSup", kPatch, B, nullptr, "gyroscope", [] { return CAP_IsGyroscopeSup(); }));
    q.push_back(Value("IsGpsSupport", kPatch, B, nullptr, "GPS", [] { return CAP_IsGpsSupport(); }));
    q.push_back(Value("IsPhotoresistanceSup", kPatch, B, nullptr, "light sensor",
                      [] { return CAP_IsPhotoresistanceSup(); }));
    q.push_back(Value("IsWiperSupport", kPatch, B, nullptr, "wiper", [] { return CAP_IsWiperSupport(); }));
    q.push_back(Value("IsSnifferSupport", kPatch, B, nullptr, "Wi-Fi sniffer",
                      [] { return CAP_IsSnifferSupport(); }));
    q.push_back(Value("IsEcompassSupport", kPatch, B, nullptr, "e-compass (patch file)",
                      [] { return CAP_IsEcompassSupport(); }));
    q.push_back(Value("IsAccelerateSupport", kPatch, B, nullptr, "accelerometer",
                      [] { return CAP_IsAccelerateSupport(); }));
    q.push_back(Value("IsReverseSupport", kPatch, B, nullptr, "reverse", [] { return CAP_IsReverseSupport(); }));
    q.push_back(Value("BallType", kPatch, E, &kBallType, "ball housing size", [] { return CAP_GetBallType(); }));
    q.push_back(Indexed("IsOpticsDefogSup", kPatch, Index("INDEX", CAP_PATCH_SLOTS), B, nullptr,
                        "optics defog of channel 0..3", [](long long i) { return CAP_IsOpticsDefogSup(i); }));
    q.push_back(Indexed("IrcutDelay", kPatch, Index("INDEX", CAP_PATCH_SLOTS), N, nullptr,
                        "delay of IR-cut 0..3",
                        [](long long i) { return CAP_GetIrcutDelay(i); }));
    q.push_back(Indexed("LaserDistanceInfo", kPatch, Index("INDEX", CAP_PATCH_SLOTS, ArgType::kUChar), E,
                        &kLaser, "reach of laser 0..3",
                        [](long long i) { return CAP_GetLaserDistanceInfo(i); }));
    q.push_back(Value("LaserInfoNum", kPatch, N, nullptr, "leading lasers with a reach",
                      [] { return CAP_GetLaserInfoNum(); }));
    q.push_back(Value("IsLaserSupport", kPatch, B, nullptr, "any laser reach",
                      [] { return CAP_IsLaserSupport(); }));
    return q;
}

std::string Quote(const std::string &s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') r += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char acEsc[8];
            snprintf(acEsc, sizeof(acEsc), "\\x%02x", static_cast<unsigned char>(c));
            r += acEsc;
            continue;
        }
        r += c;
    }
    return r + "\"";
}

}  // namespace

const std::vector<Query> &Registry() {
    static const std::vector<Query> s_queries = Build();
    return s_queries;
}

const std::vector<const char *> &Groups() {
    static const std::vector<const char *> s_groups = {kIdentity, kBoard,   kAlarm,  kOptics,
                                                       kMedia,    kPeriph,  kPtz,    kSensors,
                                                       kLenses,   kLeds,    kPatch};
    return s_groups;
}

const Query *FindQuery(const std::string &strName) {
    std::string n = strName.rfind("CAP_", 0) == 0 ? strName.substr(4) : strName;
    for (const Query &q : Registry())
        if (q.strName == n) return &q;
    // The exported names read "CAP_GetX"; the table keeps "X" for getters.
    if (n.rfind("Get", 0) == 0)
        for (const Query &q : Registry())
            if (q.strName == n.substr(3)) return &q;
    return nullptr;
}

std::string ValText(const Val &v, bool bRaw) {
    switch (v.eType) {
        case Val::Type::kDouble: {
            char acBuf[64];
            snprintf(acBuf, sizeof(acBuf), "%g", v.dVal);
            return acBuf;
        }
        case Val::Type::kText:
            return bRaw ? v.strText : Quote(v.strText);
        case Val::Type::kList: {
            std::string r = bRaw ? "" : "[";
            for (size_t i = 0; i < v.items.size(); ++i) {
                if (i > 0) r += bRaw ? " " : ", ";
                r += ValText(v.items[i], bRaw);
            }
            return bRaw ? r : r + "]";
        }
        case Val::Type::kInt:
            break;
    }
    long long ll = v.llInt;
    if (bRaw) {
        if (v.eKind == Kind::kHex) {
            char acBuf[32];
            snprintf(acBuf, sizeof(acBuf), "0x%08llx", ll & 0xffffffffLL);
            return acBuf;
        }
        return std::to_string(ll);
    }
    switch (v.eKind) {
        case Kind::kBool:
            if (ll == 0) return "no";
            if (ll == 1) return "yes";
            return std::to_string(ll);
        case Kind::kGpio:
            return ll == -1 ? "none" : std::to_string(ll);
        case Kind::kHex: {
            char acBuf[32];
            snprintf(acBuf, sizeof(acBuf), "0x%08llx", ll & 0xffffffffLL);
            return acBuf;
        }
        case Kind::kEnum: {
            const char *pcWord = v.pVocab != nullptr ? v.pVocab->Word(ll) : nullptr;
            if (pcWord == nullptr) return std::to_string(ll);
            return std::string(pcWord) + " (" + std::to_string(ll) + ")";
        }
        case Kind::kNum:
            break;
    }
    return std::to_string(ll);
}

std::string AnswerText(const Answer &a, bool bRaw) {
    if (a.bHasRc && a.iRc != 0) return "error " + std::to_string(a.iRc);
    std::string r;
    for (const Field &f : a.fields) {
        if (!r.empty()) r += ' ';
        if (!f.strName.empty()) r += f.strName + "=";
        r += ValText(f.val, bRaw);
    }
    return r;
}

std::string ExportedName(const Query &q) {
    bool bPlain = q.strName.rfind("Is", 0) == 0 || q.strName.rfind("Match", 0) == 0;
    return (bPlain ? "CAP_" : "CAP_Get") + q.strName;
}

std::string QuerySynopsis(const Query &q) {
    std::string r = q.strName;
    for (const Arg &a : q.args) r += std::string(" ") + a.pcName;
    return r;
}

}  // namespace devcap_tool
