// The vocabularies of the model: views of the library's own word tables
// (core/vocab.h, board/vocab.h, sensor/vocab.h, patch/vocab.h, lens/focus.h),
// with the labels the tool shows for members that have no word.
#include <string.h>

#include "board/vocab.h"
#include "core/vocab.h"
#include "lens/focus.h"
#include "model/model.h"
#include "patch/vocab.h"
#include "sensor/vocab.h"

namespace devcap_tool::model {

namespace {

template <typename E, size_t L, size_t N>
std::vector<Entry> WordsOf(const cap::Word<E, L> (&astRows)[N]) {
    std::vector<Entry> words;
    for (const auto &stRow : astRows) words.push_back({stRow.acText, 0, stRow.ucVal});
    return words;
}

template <typename E, size_t N>
std::vector<Entry> WordsOf(const cap::Number<E> (&astRows)[N]) {
    std::vector<Entry> words;
    for (const auto &stRow : astRows)
        words.push_back({std::to_string(stRow.usNum), stRow.usNum, stRow.ucVal});
    return words;
}

// A vocabulary of the library: its words and its answers for an unknown text.
// The member a matcher gives for no text is "invalid" unless it has a label.
template <const auto &V>
Vocab Of(const char *pcName, std::vector<Vocab::Label> labels = {}) {
    std::optional<unsigned> invalid = V.enNull;
    for (const Vocab::Label &l : labels)
        if (l.uiMember == V.enNull) invalid.reset();
    return Vocab(pcName, WordsOf(V.astWords), V.enOther, V.eReport == cap::Unknown::kLog, invalid,
                 std::move(labels));
}

template <const auto &V>
Vocab OfNumbers(const char *pcName, const char *pcUnit) {
    return Vocab(pcName, WordsOf(V.astNumbers), V.enOther, V.eReport == cap::Unknown::kLog,
                 V.enOther, {}, true, pcUnit);
}

}  // namespace

Vocab::Vocab(const char *pcName_, std::vector<Entry> words, std::optional<unsigned> unknown,
             bool bLogsUnknown, std::optional<unsigned> invalid, std::vector<Label> labels,
             bool bNumbers_, const char *pcUnit_)
    : pcName(pcName_), bNumbers(bNumbers_), pcUnit(pcUnit_), m_words(std::move(words)),
      m_unknown(unknown), m_bLogsUnknown(bLogsUnknown), m_invalid(invalid),
      m_labels(std::move(labels)) {
    if (bNumbers)
        for (const Entry &w : m_words) m_numberLabels.push_back(w.strText + " " + pcUnit);
}

const Entry *Vocab::Find(std::string_view strText) const {
    for (const Entry &w : m_words)
        if (w.strText == strText) return &w;
    return nullptr;
}

const Entry *Vocab::FindNumber(long long llNumber) const {
    for (const Entry &w : m_words)
        if (bNumbers && w.llNumber == llNumber) return &w;
    return nullptr;
}

const char *Vocab::Word(long long llMember) const {
    for (size_t i = 0; i < m_words.size(); ++i)
        if (m_words[i].uiMember == llMember) return bNumbers ? m_numberLabels[i].c_str() : m_words[i].strText.c_str();
    for (const Label &l : m_labels)
        if (l.uiMember == llMember) return l.pcText;
    return m_invalid && *m_invalid == llMember ? "invalid" : nullptr;
}

std::string Vocab::List(const char *pcSep) const {
    std::string r;
    for (const Entry &w : m_words) {
        if (!r.empty()) r += pcSep;
        r += w.strText;
    }
    return r;
}

inline namespace vocabs {

const Vocab kCameraType = Of<cap::kCameraVocab>("CameraType");
const Vocab kSocType = Of<cap::kSocVocab>("SocType");
const Vocab kMotorType = Of<cap::kMotorVocab>("MotorType");
const Vocab kHardCtl = Of<cap::kHardCtlVocab>("HardCtlType");
const Vocab kFpgaI2c = Of<cap::kFpgaI2cVocab>("FpgaI2cBus");
const Vocab kAlarmType = Of<cap::kAlarmVocab>("AlarmType");
const Vocab kIrisType = Of<cap::kIrisVocab>("IrisType");
const Vocab kIrcutType = Of<cap::kIrcutVocab>("IrcutType");
const Vocab kVideoType = Of<cap::kVideoVocab>("VideoType");
const Vocab kCvbsType = Of<cap::kCvbsVocab>("CvbsType");
const Vocab kWifiType = Of<cap::kWifiVocab>("WifiType");
const Vocab kWifiMode = Of<cap::kWifiModeVocab>("WifiMode", {{CAP_WIFI_MODE_NONE, "no mode"}});
const Vocab kPosition = Of<cap::kPositionVocab>("DevPosition");
const Vocab kMcuType = Of<cap::kMcuVocab>("McuType");
const Vocab kFanHeat = Of<cap::kFanHeatVocab>("FanHeatCtlType");
const Vocab kMemWidth = OfNumbers<cap::kMemWidthVocab>("MemWidth", "bits");
const Vocab kRamSize = OfNumbers<cap::kRamSizeVocab>("RamSize", "MB");
// An unknown codec keeps the codec set before.
const Vocab kAudioSoc("AudioSocType", WordsOf(cap::kAudioSocWords), std::nullopt, false, std::nullopt,
                      {{CAP_AUDIO_SOC_NONE, "none"}});
const Vocab kSensorType = Of<cap::kSensorVocab>("SensorType");
const Vocab kSensorMode = Of<cap::kModeVocab>("SensorMode");
const Vocab kLensType = Of<cap::kLensVocab>("LensType");
const Vocab kFixDistance = Of<cap::kFixDistanceVocab>("FixDistance");
// No file spells a focus kind: the labels only name the answers.
const Vocab kFocusType("FocusType", {}, std::nullopt, false, std::nullopt,
                       {{CAP_FOCUS_FIXED, "fixed"},
                        {CAP_FOCUS_ZOOM_FOCUS, "zoom and focus"},
                        {CAP_FOCUS_FOCUS_ONLY, "focus only"},
                        {CAP_FOCUS_NONE, "none"}});
const Vocab kBallType = Of<cap::kBallVocab>("BallType");
const Vocab kLedType = Of<cap::kLedVocab>("LedType");
const Vocab kLedHardCtl = Of<cap::kLedCtlVocab>("LedHardCtlType");
const Vocab kLaser = Of<cap::kLaserVocab>("LaserDistance", {{CAP_LASER_NONE, "none"}});

}  // namespace vocabs

const std::vector<const Vocab *> &Vocabs() {
    static const std::vector<const Vocab *> s_all = {
        &kCameraType, &kSocType,   &kMotorType, &kHardCtl,     &kFpgaI2c,   &kAlarmType, &kIrisType,
        &kIrcutType,  &kVideoType, &kCvbsType,  &kWifiType,    &kWifiMode,  &kPosition,  &kMcuType,
        &kFanHeat,    &kMemWidth,  &kRamSize,   &kAudioSoc,    &kSensorType, &kSensorMode, &kLensType,
        &kFixDistance, &kFocusType, &kBallType, &kLedType,     &kLedHardCtl, &kLaser};
    return s_all;
}

const char *FocusKindOf(unsigned uiLensType) { return kFocusType.Word(cap::FocusOf(uiLensType)); }

}  // namespace devcap_tool::model
