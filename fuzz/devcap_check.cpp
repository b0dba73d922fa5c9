#include "devcap_check.h"

#include <string.h>

#include <initializer_list>
#include <sstream>

#include "board/vocab.h"
#include "core/vocab.h"
#include "devcap.h"
#include "lens/focus.h"
#include "patch/vocab.h"
#include "sensor/vocab.h"

namespace devcap_check {

void Report::Fold(const void *p, size_t n) {
    const auto *b = static_cast<const unsigned char *>(p);
    for (size_t i = 0; i < n; ++i) {
        digest ^= b[i];
        digest *= 1099511628211ull;
    }
}

std::string Report::Text() const {
    std::string s;
    for (const auto &v : violations) s += v + "\n";
    return s;
}

namespace {

// ---------------------------------------------------------------- the record

template <size_t N>
void Text(Report &r, const char *name, const char (&ac)[N]) {
    if (memchr(ac, '\0', N) == nullptr) r.Fail(std::string(name) + ": text not terminated");
}

template <size_t M, size_t N>
void Texts(Report &r, const char *name, const char (&aac)[M][N]) {
    for (size_t i = 0; i < M; ++i)
        if (memchr(aac[i], '\0', N) == nullptr)
            r.Fail(std::string(name) + "[" + std::to_string(i) + "]: text not terminated");
}

// An enumeration field: a member, what its matcher answers without a word,
// or 0 (the cleared record). The members are those of the library's own
// tables.
struct Members {
    std::vector<unsigned> values;
};

template <typename E, size_t L, size_t N>
Members Of(const cap::Vocabulary<E, L, N> &v, std::initializer_list<unsigned> also = {}) {
    Members m{{0, v.enNull, v.enOther}};
    for (const auto &w : v.astWords) m.values.push_back(w.ucVal);
    m.values.insert(m.values.end(), also);
    return m;
}

template <typename E, size_t N>
Members Of(const cap::Numbers<E, N> &v) {
    Members m{{0, v.enOther}};
    for (const auto &w : v.astNumbers) m.values.push_back(w.ucVal);
    return m;
}

template <typename E, size_t L, size_t N>
Members OfWords(const cap::Word<E, L> (&astWords)[N], std::initializer_list<unsigned> also) {
    Members m{{0}};
    for (const auto &w : astWords) m.values.push_back(w.ucVal);
    m.values.insert(m.values.end(), also);
    return m;
}

Members FocusKinds() {
    Members m{{CAP_FOCUS_NONE}};
    for (unsigned char uc : cap::kFocusOfLens) m.values.push_back(uc);
    return m;
}

bool IsMember(unsigned v, const Members &m) {
    for (unsigned x : m.values)
        if (v == x) return true;
    return false;
}

void Enum(Report &r, const char *name, unsigned v, const Members &m) {
    if (!IsMember(v, m)) r.Fail(std::string(name) + ": " + std::to_string(v) + " is no member");
}

template <size_t N>
void Enums(Report &r, const char *name, const unsigned (&a)[N], const Members &m) {
    for (size_t i = 0; i < N; ++i)
        if (!IsMember(a[i], m))
            r.Fail(std::string(name) + "[" + std::to_string(i) + "]: " + std::to_string(a[i]) +
                   " is no member");
}

// The member sets, invalid value included.
const Members kCamera = Of(cap::kCameraVocab), kSoc = Of(cap::kSocVocab), kMotor = Of(cap::kMotorVocab),
              kHardCtl = Of(cap::kHardCtlVocab), kFpgaI2c = Of(cap::kFpgaI2cVocab),
              kAlarm = Of(cap::kAlarmVocab), kIris = Of(cap::kIrisVocab), kIrcut = Of(cap::kIrcutVocab),
              kVideo = Of(cap::kVideoVocab), kCvbs = Of(cap::kCvbsVocab), kWifi = Of(cap::kWifiVocab),
              kWifiMode = Of(cap::kWifiModeVocab), kPos = Of(cap::kPositionVocab), kMcu = Of(cap::kMcuVocab),
              kFanHeat = Of(cap::kFanHeatVocab), kMemWidth = Of(cap::kMemWidthVocab),
              kRam = Of(cap::kRamSizeVocab), kAudioSoc = OfWords(cap::kAudioSocWords, {CAP_AUDIO_SOC_NONE}),
              kSensor = Of(cap::kSensorVocab), kSensorMode = Of(cap::kModeVocab), kLens = Of(cap::kLensVocab),
              kFix = Of(cap::kFixDistanceVocab), kFocus = FocusKinds(), kBall = Of(cap::kBallVocab),
              kLed = Of(cap::kLedVocab), kLedCtl = Of(cap::kLedCtlVocab), kLaser = Of(cap::kLaserVocab);

// ------------------------------------------------------------- the queries

constexpr unsigned char kGuard = 0xA5;
constexpr size_t kGuardLen = 16;

// A caller's buffer of n elements followed by a guard that no query may touch.
template <typename T>
struct Buf {
    explicit Buf(size_t n) : n(n), bytes((n + 1) * sizeof(T) + kGuardLen, kGuard) {}
    T *p() { return reinterpret_cast<T *>(bytes.data()); }
    bool GuardIntact() const {
        for (size_t i = n * sizeof(T); i < bytes.size(); ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
    bool Terminated() const { return memchr(bytes.data(), '\0', n) != nullptr; }
    size_t n;
    std::vector<unsigned char> bytes;
};

void Expect(Report &r, bool ok, const char *fn, long long arg, const char *what) {
    if (!ok) r.Fail(std::string(fn) + "(" + std::to_string(arg) + "): " + what);
}

bool In(long long v, std::initializer_list<long long> l) {
    for (long long x : l)
        if (v == x) return true;
    return false;
}

// A single value; any answer is accepted but folded.
void Value(Report &r, long long v) { r.Fold(v); }

// A single enumeration answer.
void EnumAnswer(Report &r, const char *fn, long long v, const Members &m) {
    r.Fold(v);
    if (v < 0 || !IsMember(static_cast<unsigned>(v), m))
        r.Fail(std::string(fn) + ": answer " + std::to_string(v) + " is no member");
}

// Slot indices worth asking: before, at and past the edges of N slots.
const std::vector<int> &Indices() {
    static const std::vector<int> kIdx = {-2147483647 - 1, -1, 0, 1, 2, 3, 4, 5, 7, 8, 9, 10,
                                          11, 12, 13, 65535, 65536, 2147483647};
    return kIdx;
}

// One-slot enumeration getter over every index: a member inside the slots,
// iBad outside.
template <typename F>
void SlotEnum(Report &r, const char *fn, F f, int iSlots, const Members &m, long long iBad) {
    for (int i : Indices()) {
        long long v = f(i);
        r.Fold(v);
        if (i >= 0 && i < iSlots) {
            if (v < 0 || !IsMember(static_cast<unsigned>(v), m))
                r.Fail(std::string(fn) + "(" + std::to_string(i) + "): answer " +
                       std::to_string(v) + " is no member");
        } else {
            Expect(r, v == iBad, fn, i, "wrong answer outside the slots");
        }
    }
}

// One-slot value getter: any value inside, iBad outside.
template <typename F>
void SlotValue(Report &r, const char *fn, F f, int iSlots, long long iBad) {
    for (int i : Indices()) {
        long long v = f(i);
        r.Fold(v);
        if (i < 0 || i >= iSlots) Expect(r, v == iBad, fn, i, "wrong answer outside the slots");
    }
}

// Copy of the first n slots: 0 for 1..N with nothing past n written; a bad count or
// null never writes.
template <typename T, typename F>
void Mul(Report &r, const char *fn, F f, int iMax) {
    for (int n : {-1, 0, 1, iMax - 1, iMax, iMax + 1, 1000}) {
        size_t ulCap = n > 0 && n <= iMax + 1 ? static_cast<size_t>(n) : 0;
        Buf<T> b(ulCap);
        int v = f(n, b.p());
        r.Fold(v);
        if (n >= 1 && n <= iMax) {
            Expect(r, v == 0, fn, n, "count in range refused");
            r.Fold(b.bytes.data(), ulCap * sizeof(T));
        } else {
            Expect(r, v < 0, fn, n, "count out of range accepted");
        }
        Expect(r, b.GuardIntact(), fn, n, "wrote past the caller's buffer");
        Expect(r, f(n, nullptr) < 0, fn, n, "null buffer accepted");
    }
}

// A text copy into a caller's buffer of the given sizes.
template <typename F>
void TextOut(Report &r, const char *fn, F f, std::initializer_list<int> sizes, bool bTerminated) {
    for (int n : sizes) {
        Buf<char> b(n > 0 ? static_cast<size_t>(n) : 0);
        int v = f(n, b.p());
        r.Fold(v);
        Expect(r, b.GuardIntact(), fn, n, "wrote past the caller's buffer");
        if (v == 0 && n > 0) {
            if (bTerminated) Expect(r, b.Terminated(), fn, n, "copy not terminated");
            r.Fold(b.bytes.data(), static_cast<size_t>(n));
        }
        if (n <= 0) Expect(r, v < 0, fn, n, "size 0 accepted");
        Expect(r, f(n > 0 ? n : 8, nullptr) < 0, fn, n, "null buffer accepted");
    }
}

// A grid of GPIOs (rows by columns): the count of a row's GPIOs, one cell,
// and the copy of the first rows by the first columns. -4 outside the grid;
// a copy in range writes nothing past rows x columns, and refuses null.
template <typename N, typename C, typename M>
void Grid(Report &r, const char *numFn, N num, const char *cellFn, C cell, const char *mulFn, M mul, int iRows,
          int iCols) {
    for (int i : Indices()) {
        int v = num(i);
        r.Fold(v);
        if (i >= 0 && i < iRows) Expect(r, v >= 0 && v <= iCols, numFn, i, "count past the columns");
        else Expect(r, v == -4, numFn, i, "accepted");
        for (int j : {-1, 0, 3, 4, 9, 10, 11}) {
            int w = cell(i, j);
            r.Fold(w);
            if (i < 0 || i >= iRows || j < 0 || j >= iCols) Expect(r, w == -4, cellFn, i * 100LL + j, "accepted");
        }
    }
    for (int a : {-1, 0, 1, iRows, iRows + 1})
        for (int g : {-1, 0, 1, iCols, iCols + 1}) {
            bool ok = a >= 1 && a <= iRows && g >= 1 && g <= iCols;
            Buf<int> b(ok ? static_cast<size_t>(a * g) : 0);
            int v = mul(a, g, b.p());
            r.Fold(v);
            Expect(r, ok ? v == 0 : v == -4, mulFn, a * 100 + g, "wrong answer");
            Expect(r, b.GuardIntact(), mulFn, a * 100 + g, "wrote past the caller's buffer");
            if (ok) r.Fold(b.bytes.data(), static_cast<size_t>(a * g) * sizeof(int));
            Expect(r, mul(a, g, nullptr) == -2, mulFn, a * 100 + g, "null not -2");
        }
}

const std::initializer_list<int> kSizes = {0, 1, 2, 5, 9, 10, 11, 12, 20, 40, 63, 64, 65, 200};

template <typename F>
void I2c(Report &r, const char *fn, F f) {
    Buf<I2cInfo> b(1);
    int v = f(b.p());
    r.Fold(v);
    Expect(r, v == 0, fn, 0, "refused");
    Expect(r, b.GuardIntact(), fn, 0, "wrote past the caller's record");
    r.Fold(b.bytes.data(), sizeof(I2cInfo));
    Expect(r, f(nullptr) == -2, fn, 0, "null not -2");
}

template <typename F>
void Positions(Report &r, const char *fn, F f) {
    DevPosition a[3] = {99, 99, 99};
    int v = f(&a[0], &a[1], &a[2]);
    r.Fold(v);
    Expect(r, v == 0, fn, 0, "refused");
    for (DevPosition p : a) EnumAnswer(r, fn, p, kPos);
    Expect(r, f(nullptr, &a[1], &a[2]) == -1, fn, 0, "null not -1");
    Expect(r, f(&a[0], &a[1], nullptr) == -1, fn, 0, "null not -1");
}

void IdentityQueries(Report &r) {
    TextOut(r, "CAP_GetProductName",
            [](int n, char *p) { return CAP_GetProductName(static_cast<unsigned short>(n), p); },
            {1, 2, 5, 10, 63, 64, 65, 200}, true);
    Buf<char> b(8);
    Expect(r, CAP_GetProductName(0, b.p()) == -2, "CAP_GetProductName", 0, "size 0 not -2");
    TextOut(r, "CAP_GetDeviceName", [](int n, char *p) { return CAP_GetDeviceName(n, p); }, kSizes,
            true);
    TextOut(r, "CAP_GetDeviceParam", [](int n, char *p) { return CAP_GetDeviceParam(n, p); },
            kSizes, false);
    TextOut(r, "CAP_GetBoardType", [](int n, char *p) { return CAP_GetBoardType(n, p); }, kSizes,
            false);
    Value(r, CAP_GetIndexCapVersion());
    TextOut(r, "CAP_GetProductFolder",
            [](int n, char *p) { return CAP_GetProductFolder(static_cast<unsigned short>(n), p); },
            kSizes, true);
    for (int c : {0, 1, 2, 3, 4, 5, 65535}) {
        const auto usChn = static_cast<unsigned short>(c);
        TextOut(
            r, "CAP_GetConfigIspFolder",
            [usChn](int n, char *p) {
                return CAP_GetConfigIspFolder(usChn, static_cast<unsigned short>(n), p);
            },
            {0, 1, 8, 34, 40, 64}, true);
        Buf<char> o(64);
        if (c > 3) Expect(r, CAP_GetConfigIspFolder(usChn, 64, o.p()) == -4, "CAP_GetConfigIspFolder", c, "channel accepted");
    }
}

void BoardTopQueries(Report &r) {
    EnumAnswer(r, "CAP_GetCameraType", CAP_GetCameraType(), kCamera);
    EnumAnswer(r, "CAP_GetSocType", CAP_GetSocType(), kSoc);
    Value(r, CAP_GetResetGpio());
    EnumAnswer(r, "CAP_GetSensorHardCtlType", CAP_GetSensorHardCtlType(), kHardCtl);
    SlotEnum(r, "CAP_GetMotorType", CAP_GetMotorType, 4, kMotor, -4);
    EnumAnswer(r, "CAP_GetRamSize", CAP_GetRamSize(), kRam);
    Value(r, CAP_GetSdCardSlotNum());
    Value(r, CAP_GetHWVersionGpio());
    EnumAnswer(r, "CAP_GetMemWidth", CAP_GetMemWidth(), kMemWidth);
    Value(r, CAP_GetMaxElevationAngle());
    Value(r, CAP_IsDoubleIntfSupport());
    EnumAnswer(r, "CAP_GetFpgaCtlI2cNum", CAP_GetFpgaCtlI2cNum(), kFpgaI2c);
    Value(r, CAP_IsTemperatureAndHumiditySupport());
    unsigned int uiA = 99, uiB = 99;
    Expect(r, CAP_GetLensPinsNum(&uiA, &uiB) == 0, "CAP_GetLensPinsNum", 0, "refused");
    Expect(r, uiA <= 12 && uiB <= 12, "CAP_GetLensPinsNum", 0, "more pins than slots");
    r.Fold(uiA);
    r.Fold(uiB);
    Expect(r, CAP_GetLensPinsNum(nullptr, &uiB) == -2, "CAP_GetLensPinsNum", 0, "null not -2");
    for (unsigned g : {0u, 1u, 2u, 0xFFFFFFFFu})
        for (int i : Indices()) {
            int v = CAP_GetLensPins(static_cast<unsigned>(i), g);
            r.Fold(v);
            if (g > 1 || i < 0 || i >= 12) Expect(r, v == -4, "CAP_GetLensPins", i, "accepted");
        }
    for (unsigned n : {0u, 1u, 11u, 12u, 13u, 0xFFFFFFFFu}) {
        Buf<int> a(n <= 12 ? n : 0), b(n <= 12 ? n : 0);
        int v = CAP_GetLensPinsMul(n, a.p(), b.p());
        r.Fold(v);
        if (n > 12) Expect(r, v == -1, "CAP_GetLensPinsMul", n, "count accepted");
        Expect(r, a.GuardIntact() && b.GuardIntact(), "CAP_GetLensPinsMul", n,
               "wrote past the caller's buffer");
        Expect(r, CAP_GetLensPinsMul(n, nullptr, b.p()) < 0, "CAP_GetLensPinsMul", n, "null accepted");
    }
}

void AlarmUartQueries(Report &r) {
    EnumAnswer(r, "CAP_GetAlarmInType", CAP_GetAlarmInType(), kAlarm);
    EnumAnswer(r, "CAP_GetAlarmOutType", CAP_GetAlarmOutType(), kAlarm);
    Value(r, CAP_GetAlarmInNum());
    Value(r, CAP_GetAlarmOutNum());
    Value(r, CAP_GetUart485Num());
    Value(r, CAP_GetUart232Num());
    Value(r, CAP_GetUart422Num());
    SlotValue(r, "CAP_GetAlarmInWithGpio", CAP_GetAlarmInWithGpio, 8, -4);
    SlotValue(r, "CAP_GetAlarmOutWithGpio", CAP_GetAlarmOutWithGpio, 8, -4);
    SlotValue(r, "CAP_GetUart485DirectionGpio", CAP_GetUart485DirectionGpio, 4, -4);
    SlotValue(r, "CAP_GetUart232DirectionGpio", CAP_GetUart232DirectionGpio, 4, -4);
    SlotValue(r, "CAP_GetUart422DirectionGpio", CAP_GetUart422DirectionGpio, 4, -4);
    Mul<int>(r, "CAP_GetAlarmInWithGpioMul", CAP_GetAlarmInWithGpioMul, 8);
    Mul<int>(r, "CAP_GetAlarmOutWithGpioMul", CAP_GetAlarmOutWithGpioMul, 8);
    Mul<int>(r, "CAP_GetUart485DirectionGpioMul", CAP_GetUart485DirectionGpioMul, 4);
    Mul<int>(r, "CAP_GetUart232DirectionGpioMul", CAP_GetUart232DirectionGpioMul, 4);
    Mul<int>(r, "CAP_GetUart422DirectionGpioMul", CAP_GetUart422DirectionGpioMul, 4);
    unsigned int uiIn = 0, uiOut = 0;
    Expect(r, CAP_GetAlarmGpioNum(&uiIn, &uiOut) == 0, "CAP_GetAlarmGpioNum", 0, "refused");
    r.Fold(uiIn);
    r.Fold(uiOut);
    Expect(r, CAP_GetAlarmGpioNum(&uiIn, nullptr) == -2, "CAP_GetAlarmGpioNum", 0, "null not -2");
    I2c(r, "CAP_GetAlarmInWithI2cInfo", CAP_GetAlarmInWithI2cInfo);
    I2c(r, "CAP_GetAlarmOutWithI2cInfo", CAP_GetAlarmOutWithI2cInfo);
    using NodeFn = int (*)(unsigned short, unsigned short, char *);
    using AllFn = int (*)(char *);
    const struct {
        const char *name;
        NodeFn node;
        const char *allName;
        AllFn all;
    } kPorts[] = {
        {"CAP_GetUart485DeviceNode", CAP_GetUart485DeviceNode, "CAP_GetUart485DeviceNodeAll",
         CAP_GetUart485DeviceNodeAll},
        {"CAP_GetUart232DeviceNode", CAP_GetUart232DeviceNode, "CAP_GetUart232DeviceNodeAll",
         CAP_GetUart232DeviceNodeAll},
        {"CAP_GetUart422DeviceNode", CAP_GetUart422DeviceNode, "CAP_GetUart422DeviceNodeAll",
         CAP_GetUart422DeviceNodeAll},
    };
    for (const auto &port : kPorts) {
        for (int i : {0, 1, 3, 4, 65535}) {
            const auto usIdx = static_cast<unsigned short>(i);
            NodeFn fn = port.node;
            TextOut(
                r, port.name,
                [fn, usIdx](int n, char *p) { return fn(usIdx, static_cast<unsigned short>(n), p); },
                {0, 1, 4, 9, 10, 11, 64}, i <= 3);
        }
        Buf<char> all(40);
        Expect(r, port.all(all.p()) == 0, port.allName, 0, "refused");
        Expect(r, all.GuardIntact(), port.allName, 0, "wrote past 40 bytes");
        r.Fold(all.bytes.data(), 40);
        Expect(r, port.all(nullptr) == -2, port.allName, 0, "null not -2");
    }
}

void OpticsMediaQueries(Report &r) {
    Value(r, CAP_GetIrisNum());
    SlotEnum(r, "CAP_GetIrisType", CAP_GetIrisType, 4, kIris, -4);
    Grid(r, "CAP_GetIrisCtlGpioNum", CAP_GetIrisCtlGpioNum, "CAP_GetIrisCtlWithGpio", CAP_GetIrisCtlWithGpio,
         "CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul, 4, 4);
    Grid(r, "CAP_GetIrcutCtlGpioNum", CAP_GetIrcutCtlGpioNum, "CAP_GetIrcutCtlWithGpio", CAP_GetIrcutCtlWithGpio,
         "CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul, 4, 10);
    Value(r, CAP_GetIrcutNum());
    SlotEnum(r, "CAP_GetIrcutType", CAP_GetIrcutType, 4, kIrcut, -4);
    Value(r, CAP_GetVideoOutNum());
    Value(r, CAP_IsVideoOutSupport());
    for (int i : {0, 1, 2, 3, 4, 5, 65535}) {
        int v = CAP_GetVideoType(static_cast<unsigned short>(i));
        r.Fold(v);
        if (i < 4) EnumAnswer(r, "CAP_GetVideoType", v, kVideo);
        else Expect(r, v == -4, "CAP_GetVideoType", i, "accepted");
    }
    SlotValue(r, "CAP_GetVideoMaxChannel", CAP_GetVideoMaxChannel, 4, 65532);
    Value(r, CAP_IsAudioMicInSupport());
    Value(r, CAP_IsAudioLineInSupport());
    Value(r, CAP_IsAudioSpeakerSupport());
    Value(r, CAP_GetAudioMicInChannel());
    Value(r, CAP_GetAudioLineInChannel());
    Value(r, CAP_GetAudioInDevNO());
    Value(r, CAP_GetAudioOutDevNO());
    Value(r, CAP_GetAudioOutNum());
    Value(r, CAP_IsAudioOutSupport());
    Value(r, CAP_IsAudioSupport());
    EnumAnswer(r, "CAP_GetAudioSocType", CAP_GetAudioSocType(), kAudioSoc);
    Value(r, CAP_GetMinLineSwitchGpio());
}

void PeripheralQueries(Report &r) {
    Value(r, CAP_IsTempSupport());
    TextOut(r, "CAP_GetTemperatureDeviceNoe",
            [](int n, char *p) { return CAP_GetTemperatureDeviceNoe(static_cast<unsigned short>(n), p); },
            kSizes, false);
    Value(r, CAP_IsCvbsSupport());
    EnumAnswer(r, "CAP_GetCvbsSocType", CAP_GetCvbsSocType(), kCvbs);
    EnumAnswer(r, "CAP_GetCvbsHardCtl", CAP_GetCvbsHardCtl(), kHardCtl);
    Value(r, CAP_GetCvbsResetGpio());
    I2c(r, "CAP_GetCvbsSocCtlWithI2cInfo", CAP_GetCvbsSocCtlWithI2cInfo);
    EnumAnswer(r, "CAP_GetWifiType", CAP_GetWifiType(), kWifi);
    EnumAnswer(r, "CAP_GetWifiModel", CAP_GetWifiModel(), kWifiMode);
    TextOut(r, "CAP_GetWifiDeviceNode",
            [](int n, char *p) { return CAP_GetWifiDeviceNode(static_cast<unsigned short>(n), p); },
            kSizes, false);
    Positions(r, "CAP_GetAcceleratePosition", CAP_GetAcceleratePosition);
    I2c(r, "CAP_GetAccelerateI2cInfo", CAP_GetAccelerateI2cInfo);
    Value(r, CAP_IsEcompasSupport());
    Positions(r, "CAP_GetEcompassPosition", CAP_GetEcompassPosition);
    I2c(r, "CAP_GetEcompassI2cInfo", CAP_GetEcompassI2cInfo);
    Value(r, CAP_GetEcompassGpioReset());
    int iInt = CAP_GetEcompassINTGpioNum();
    r.Fold(iInt);
    Expect(r, iInt >= 0 && iInt <= 4, "CAP_GetEcompassINTGpioNum", 0, "count outside 0..4");
    SlotValue(r, "CAP_GetEcompassINTGpio", CAP_GetEcompassINTGpio, 4, -4);
    Mul<int>(r, "CAP_GetEcompassINTGpioMul", CAP_GetEcompassINTGpioMul, 4);
}

void PtzQueries(Report &r) {
    EnumAnswer(r, "CAP_GetAlarmBoardType", CAP_GetAlarmBoardType(), kMcu);
    EnumAnswer(r, "CAP_GetDriverBoardType", CAP_GetDriverBoardType(), kMcu);
    EnumAnswer(r, "CAP_GetWiperBoardType", CAP_GetWiperBoardType(), kMcu);
    Value(r, CAP_GetDriverBoardReset());
    Value(r, CAP_GetAlarmBoardReset());
    Value(r, CAP_GetWiperBoardReset());
    EnumAnswer(r, "CAP_GetFanCtlType", CAP_GetFanCtlType(), kFanHeat);
    EnumAnswer(r, "CAP_GetHeatCtlType", CAP_GetHeatCtlType(), kFanHeat);
    EnumAnswer(r, "CAP_GetGlassHeatCtlType", CAP_GetGlassHeatCtlType(), kFanHeat);
    Value(r, CAP_GetGlassHeatGpioCtl());
    Value(r, CAP_GetTempLowerThreshold());
    Value(r, CAP_GetTempUpperThreshold());
    int iFan = CAP_GetFanGpioCtlNum(), iHeat = CAP_GetHeatGpioCtlNum();
    r.Fold(iFan);
    r.Fold(iHeat);
    Expect(r, iFan >= 0 && iFan <= 4, "CAP_GetFanGpioCtlNum", 0, "count outside 0..4");
    Expect(r, iHeat >= 0 && iHeat <= 4, "CAP_GetHeatGpioCtlNum", 0, "count outside 0..4");
    SlotValue(r, "CAP_GetFanGpioCtl", CAP_GetFanGpioCtl, 4, -4);
    SlotValue(r, "CAP_GetHeatGpioCtl", CAP_GetHeatGpioCtl, 4, -4);
    TextOut(r, "CAP_GetDriverBoardNode", CAP_GetDriverBoardNode, kSizes, false);
    TextOut(r, "CAP_GetAlarmBoardNode", CAP_GetAlarmBoardNode, kSizes, false);
    TextOut(r, "CAP_GetWiperBoardNode", CAP_GetWiperBoardNode, {0, 1, 5, 9, 10}, false);
    Buf<char> b(11);
    Expect(r, CAP_GetWiperBoardNode(11, b.p()) == -4, "CAP_GetWiperBoardNode", 11, "size 11 accepted");
}

void SensorLensQueries(Report &r) {
    unsigned short usSensors = CAP_GetSensorNum(), usLenses = CAP_GetLensNum();
    r.Fold(usSensors);
    r.Fold(usLenses);
    SlotEnum(r, "CAP_GetSensorType", CAP_GetSensorType, 4, kSensor, 19);
    Mul<SensorType>(r, "CAP_GetSensorTypeMul", CAP_GetSensorTypeMul, 4);
    SlotEnum(r, "CAP_GetSensorMode", CAP_GetSensorMode, 4, kSensorMode, -4);
    for (int i : Indices()) {
        int v = CAP_GetResolution(i);
        r.Fold(v);
        if (i < 0 || i >= 4) Expect(r, v == -4, "CAP_GetResolution", i, "accepted");
        else Expect(r, v >= 0, "CAP_GetResolution", i, "negative class");
    }
    SlotEnum(r, "CAP_GetLensType", CAP_GetLensType, 4, kLens, 26);
    Mul<LensType>(r, "CAP_GetLensTypeMul", CAP_GetLensTypeMul, 4);
    // Bounded by the lens count, which never lets a query past the fourth slot.
    for (int i : Indices()) {
        bool bIn = i >= 0 && i < usLenses && i < 4;
        bool bOut = i < 0 || i >= usLenses;
        int iFix = CAP_GetFocusDistance(i);
        double dFov = CAP_GetFovAngle(i);
        int iFocus = CAP_GetFocusType(i);
        int iZoom = CAP_IsZoomSupport(i), iFocusSup = CAP_IsFocusSupport(i);
        r.Fold(iFix);
        r.Fold(&dFov, sizeof(dFov));
        r.Fold(iFocus);
        r.Fold(iZoom);
        r.Fold(iFocusSup);
        if (bIn) {
            EnumAnswer(r, "CAP_GetFocusDistance", iFix, kFix);
            EnumAnswer(r, "CAP_GetFocusType", iFocus, kFocus);
        }
        if (bOut) {
            Expect(r, iFix == -1, "CAP_GetFocusDistance", i, "index past the lens count accepted");
            Expect(r, dFov == -1.0, "CAP_GetFovAngle", i, "index past the lens count accepted");
            Expect(r, iFocus == 3, "CAP_GetFocusType", i, "index past the lens count accepted");
            Expect(r, iZoom == 0 && iFocusSup == 0, "CAP_IsZoomSupport", i, "index past the lens count accepted");
        }
        Expect(r, In(iZoom, {0, 1}) && In(iFocusSup, {0, 1}), "CAP_IsZoomSupport", i, "not 0/1");
    }
}

void LedPatchQueries(Report &r) {
    for (const char *pc : {"whitenear", "irfar", "", "x", static_cast<const char *>(nullptr)})
        EnumAnswer(r, "CAP_MatchLedType", CAP_MatchLedType(pc), kLed);
    SlotEnum(r, "CAP_GetLedType", CAP_GetLedType, 10, kLed, -1);
    SlotEnum(r, "CAP_GetLedHardCtlType", CAP_GetLedHardCtlType, 10, kLedCtl, -1);
    SlotValue(r, "CAP_GetLedCtlWithGpio", CAP_GetLedCtlWithGpio, 10, -4);
    SlotValue(r, "CAP_GetLedFreq", CAP_GetLedFreq, 10, -4);
    for (int i : Indices()) {
        int iMin = 0, iMax = 0;
        int v = CAP_GetLedRange(i, &iMin, &iMax);
        r.Fold(v);
        r.Fold(iMin);
        r.Fold(iMax);
        Expect(r, (i >= 0 && i < 10) ? v == 0 : v == -4, "CAP_GetLedRange", i, "wrong answer");
        Expect(r, CAP_GetLedRange(i, nullptr, &iMax) == -2, "CAP_GetLedRange", i, "null not -2");
    }
    Mul<LedType>(r, "CAP_GetLedTypeMul", CAP_GetLedTypeMul, 10);
    Mul<int>(r, "CAP_GetLedCtlWithGpioMul", CAP_GetLedCtlWithGpioMul, 10);
    Mul<int>(r, "CAP_GetLedFreqMul", CAP_GetLedFreqMul, 10);
    for (int n : {-1, 0, 1, 9, 10, 11}) {
        size_t ulCap = n >= 1 && n <= 10 ? static_cast<size_t>(n) : 0;
        Buf<int> a(ulCap), b(ulCap);
        int v = CAP_GetLedRangeMul(n, a.p(), b.p());
        r.Fold(v);
        Expect(r, ulCap > 0 ? v == 0 : v == -4, "CAP_GetLedRangeMul", n, "wrong answer");
        Expect(r, a.GuardIntact() && b.GuardIntact(), "CAP_GetLedRangeMul", n, "wrote past the caller's buffer");
        r.Fold(a.bytes.data(), ulCap * sizeof(int));
        r.Fold(b.bytes.data(), ulCap * sizeof(int));
        Expect(r, CAP_GetLedRangeMul(n, nullptr, b.p()) == -2, "CAP_GetLedRangeMul", n, "null not -2");
    }
    for (long long v : {static_cast<long long>(CAP_GetLedTypeNum()),
                        static_cast<long long>(CAP_GetLedGpioNum()),
                        static_cast<long long>(CAP_GetLedFreqNum()),
                        static_cast<long long>(CAP_GetLedRangeNum())}) {
        r.Fold(v);
        Expect(r, v >= 0 && v <= 10, "CAP_GetLed*Num", v, "more leading slots than 10");
    }
    Value(r, CAP_GetLedNum());
    unsigned short usN = 9, usM = 9, usF = 9;
    Expect(r, CAP_GetNearMidFarEnable(&usN, &usM, &usF) == 0, "CAP_GetNearMidFarEnable", 0, "refused");
    Expect(r, usN <= 1 && usM <= 1 && usF <= 1, "CAP_GetNearMidFarEnable", 0, "bits not 0/1");
    r.Fold(usN * 100 + usM * 10 + usF);
    Expect(r, CAP_GetNearMidFarEnable(&usN, nullptr, &usF) == -2, "CAP_GetNearMidFarEnable", 0, "null not -2");

    Value(r, CAP_IsPoeSupport());
    Value(r, CAP_IsGyroscopeSup());
    Value(r, CAP_IsGpsSupport());
    Value(r, CAP_IsPhotoresistanceSup());
    Value(r, CAP_IsWiperSupport());
    Value(r, CAP_IsSnifferSupport());
    Value(r, CAP_IsEcompassSupport());
    Value(r, CAP_IsAccelerateSupport());
    Value(r, CAP_IsReverseSupport());
    EnumAnswer(r, "CAP_GetBallType", CAP_GetBallType(), kBall);
    SlotValue(r, "CAP_IsOpticsDefogSup", CAP_IsOpticsDefogSup, 4, -1);
    SlotValue(r, "CAP_GetIrcutDelay", CAP_GetIrcutDelay, 4, -1);
    for (int i : {0, 1, 3, 4, 5, 255}) {
        int v = CAP_GetLaserDistanceInfo(static_cast<unsigned char>(i));
        r.Fold(v);
        if (i < 4) EnumAnswer(r, "CAP_GetLaserDistanceInfo", v, kLaser);
        else Expect(r, v == -4, "CAP_GetLaserDistanceInfo", i, "accepted");
    }
    int iLasers = CAP_GetLaserInfoNum();
    r.Fold(iLasers);
    Expect(r, iLasers >= 0 && iLasers <= 4, "CAP_GetLaserInfoNum", 0, "count outside 0..4");
    Value(r, CAP_IsLaserSupport());
}

}  // namespace

void CheckRecord(Report &r, int iInitResult) {
    if (g_pstDevCap != &g_stDevCap || g_pstCapFiles != &g_stDevCap.stCapFiles ||
        g_pstBoardCap != &g_stDevCap.stBoardCap || g_pstSensorCap != &g_stDevCap.stSensorCap ||
        g_pstLensCap != &g_stDevCap.stLensCap || g_pstPatchCap != &g_stDevCap.stPatchCap) {
        r.Fail("region pointers do not point at the record's regions");
        return;
    }
    const CapFiles &f = *g_pstCapFiles;
    Text(r, "acBoardPath", f.acBoardPath);
    Texts(r, "aacSensorPath", f.aacSensorPath);
    Texts(r, "aacLensPath", f.aacLensPath);
    Text(r, "acPatchPath", f.acPatchPath);
    Text(r, "acHardwareIndexPath", f.acHardwareIndexPath);

    const BoardCap &b = *g_pstBoardCap;
    Text(r, "acDevName", b.acDevName);
    Text(r, "acDevParam", b.acDevParam);
    Text(r, "acProductName", b.acProductName);
    Text(r, "acBoardType", b.acBoardType);
    Enum(r, "enCameraType", b.enCameraType, kCamera);
    Enum(r, "enSocType", b.enSocType, kSoc);
    Enum(r, "enSensorHardCtl", b.enSensorHardCtl, kHardCtl);
    Enums(r, "aenMotorType", b.aenMotorType, kMotor);
    Enum(r, "enRamSize", b.enRamSize, kRam);
    Enum(r, "enMemWidth", b.enMemWidth, kMemWidth);
    Enum(r, "enFpgaCtlI2c", b.enFpgaCtlI2c, kFpgaI2c);
    Enum(r, "enAlarmInType", b.stAlarm.enAlarmInType, kAlarm);
    Enum(r, "enAlarmOutType", b.stAlarm.enAlarmOutType, kAlarm);
    Texts(r, "stUart485.aacDevNode", b.stUart.stUart485.aacDevNode);
    Texts(r, "stUart232.aacDevNode", b.stUart.stUart232.aacDevNode);
    Texts(r, "stUart422.aacDevNode", b.stUart.stUart422.aacDevNode);
    Enums(r, "aenIrisType", b.stIris.aenIrisType, kIris);
    Enums(r, "aenIrcutType", b.stIrcut.aenIrcutType, kIrcut);
    Enums(r, "aenVideoType", b.stVideo.aenVideoType, kVideo);
    Enum(r, "enAudioSocType", b.stAudio.enAudioSocType, kAudioSoc);
    Text(r, "acTempDeviceNode", b.stTemperature.acTempDeviceNode);
    Enum(r, "enCvbsSocType", b.stCvbs.enCvbsSocType, kCvbs);
    Enum(r, "enCvbsHardCtl", b.stCvbs.enCvbsHardCtl, kHardCtl);
    Enum(r, "enWifiType", b.stSniffer.enWifiType, kWifi);
    Text(r, "acWifiDeviceNode", b.stSniffer.acWifiDeviceNode);
    Enum(r, "enWifiModel", b.stSniffer.enWifiModel, kWifiMode);
    Enums(r, "aenAcceleratePosition", b.stAccelerate.aenAcceleratePosition, kPos);
    Enums(r, "aenEcompassPosition", b.stEcompass.aenEcompassPosition, kPos);
    Enum(r, "enAlarmBoardType", b.stPtz.enAlarmBoardType, kMcu);
    Enum(r, "enDriverBoardType", b.stPtz.enDriverBoardType, kMcu);
    Enum(r, "enWiperBoardType", b.stPtz.enWiperBoardType, kMcu);
    Enum(r, "enFanCtlType", b.stPtz.enFanCtlType, kFanHeat);
    Enum(r, "enHeatCtlType", b.stPtz.enHeatCtlType, kFanHeat);
    Enum(r, "enGlassHeatCtlType", b.stPtz.enGlassHeatCtlType, kFanHeat);
    Text(r, "acDriverBoardNode", b.stPtz.acDriverBoardNode);
    Text(r, "acAlarmBoardNode", b.stPtz.acAlarmBoardNode);
    Text(r, "acWiperBoardNode", b.stPtz.acWiperBoardNode);

    const SensorCap &s = *g_pstSensorCap;
    Texts(r, "aacSensorName", s.aacSensorName);
    Enums(r, "aeSensorType", s.aeSensorType, kSensor);
    Enums(r, "aeSensorMode", s.aeSensorMode, kSensorMode);

    const LensCap &l = *g_pstLensCap;
    Enums(r, "aeLensType", l.aeLensType, kLens);
    Texts(r, "aacLensName", l.aacLensName);
    Enums(r, "aeFixDistance", l.aeFixDistance, kFix);
    Texts(r, "aacFixDistanceName", l.aacFixDistanceName);
    Texts(r, "aacLensName2", l.aacLensName2);

    const PatchCap &p = *g_pstPatchCap;
    Enum(r, "eBallType", p.eBallType, kBall);
    Enums(r, "aeLedType", p.stLedInfo.aeLedType, kLed);
    Enums(r, "aeLedHardCtl", p.stLedInfo.aeLedHardCtl, kLedCtl);
    Enums(r, "aeLaserDistance", p.aeLaserDistance, kLaser);

    if (iInitResult == 0 && (s.usSensorNum > CAP_MAX_CHANNEL || l.usLensNum > CAP_MAX_CHANNEL))
        r.Fail("start-up succeeded with more channels than the record holds: " +
               std::to_string(s.usSensorNum) + " sensors, " + std::to_string(l.usLensNum) +
               " lenses");
    r.Fold(iInitResult);
}

void CallEveryQuery(Report &r) {
    CallIdentityQueries(r);
    CallOtherQueries(r);
}

void CallIdentityQueries(Report &r) { IdentityQueries(r); }

void CallOtherQueries(Report &r) {
    BoardTopQueries(r);
    AlarmUartQueries(r);
    OpticsMediaQueries(r);
    PeripheralQueries(r);
    PtzQueries(r);
    SensorLensQueries(r);
    LedPatchQueries(r);
}

void CallSerialQueries(Report &r) {
    for (int n : {1, 2, 10, 20, 21, 32, 33, 64, 65535}) {
        Buf<char> b(static_cast<size_t>(n));
        int v = CAP_GetSerialNum(b.p(), static_cast<unsigned short>(n));
        r.Fold(v);
        Expect(r, v == 0 || v == -1, "CAP_GetSerialNum", n, "answer neither 0 nor -1");
        Expect(r, b.Terminated(), "CAP_GetSerialNum", n, "copy not terminated");
        Expect(r, b.GuardIntact(), "CAP_GetSerialNum", n, "wrote past the caller's buffer");
        r.Fold(b.bytes.data(), strnlen(reinterpret_cast<const char *>(b.bytes.data()), b.n));
    }
    Expect(r, CAP_GetSerialNum(nullptr, 8) == -1, "CAP_GetSerialNum", 8, "null not -1");
    Buf<char> z(0);
    int iZero = CAP_GetSerialNum(z.p(), 0);
    Expect(r, iZero < 0, "CAP_GetSerialNum", 0, "size 0 accepted");
    Expect(r, z.GuardIntact(), "CAP_GetSerialNum", 0, "size 0 wrote");
}

void CallCheckCodeQueries(Report &r) {
    for (int n : {-1, 0, 1, 2, 16, 32, 64, 4096, 4097, 5000}) {
        Buf<char> b(n > 0 ? static_cast<size_t>(n) : 0);
        int v = CAP_GetCheckCode(b.p(), n);
        r.Fold(v);
        if (n < 1) Expect(r, v == -2, "CAP_GetCheckCode", n, "size below 1 not -2");
        else Expect(r, v == 0 || v == -1, "CAP_GetCheckCode", n, "answer neither 0 nor -1");
        Expect(r, b.GuardIntact(), "CAP_GetCheckCode", n, "wrote past the caller's buffer");
        if (v == 0) r.Fold(b.bytes.data(), static_cast<size_t>(n));
    }
    Expect(r, CAP_GetCheckCode(nullptr, 16) == -2, "CAP_GetCheckCode", 16, "null not -2");
}

void CallSourceQueries(Report &r) {
    CallSerialQueries(r);
    CallCheckCodeQueries(r);
}

}  // namespace devcap_check
