// The board vocabulary: every word of every matcher, the invalid member of
// each, and the messages for a null or an unrecognised text.
#include <string>
#include <vector>

#include "board/board.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class BoardVocabTest : public CapTest {};

using Matcher = unsigned int (*)(const char *);

struct Vocab {
    const char *fn;
    Matcher match;
    std::vector<std::pair<const char *, unsigned int>> words;
    unsigned int invalid;
    std::string nullMsg;
    std::string badFmt;  // with "%s" for the text; empty: nothing logged
};

template <typename E, E (*F)(const char *)>
unsigned int Call(const char *p) {
    return F(p);
}

std::string Fill(const std::string &fmt, const std::string &text) {
    std::string s = fmt;
    size_t at = s.find("%s");
    return s.replace(at, 2, text);
}

std::vector<Vocab> AllVocabs() {
    return {
        {"cap_MatchCameraType", Call<CameraType, cap_MatchCameraType>,
         {{"Dome", 0}, {"Bullet", 1}, {"Box", 2}, {"PTZ", 3}, {"Robot", 4}}, 5,
         "cap_MatchCameraType para is null ptr!\n",
         "cap_MatchCameraType para is invalid:pcVal=%s !\n"},
        {"cap_MatchSocType", Call<SocType, cap_MatchSocType>,
         {{"hi3516av200", 0}, {"hi3519av100", 1}, {"hi3516dv300", 2}, {"hi3516cv500", 3},
          {"hi3559av100", 4}, {"hi3516av300", 5}, {"fuhan8856", 6}, {"fuhan8852", 7},
          {"ambacv25", 8}, {"ambacv28", 9}, {"ambacv22", 10}},
         11, "Cap_MatchSocType para is null ptr!\n", "Cap_MatchSocType para is invalid:pcVal=%s!\n"},
        {"cap_MatchMotorType", Call<MotorType, cap_MatchMotorType>,
         {{"an41908a", 0}, {"ms41908", 1}, {"drv8837", 2}}, 3,
         "cap_MatchMotorType para is null ptr!\n", "cap_MatchMotorType para is invalid:pcVal=%s!\n"},
        {"cap_MatchHardCtl", Call<HardCtlType, cap_MatchHardCtl>, {{"soc", 0}, {"fpga", 1}}, 2,
         "cap_MatchHardCtl para is null ptr!\n", "cap_MatchHardCtl para is invalid:pcVal=%s\n"},
        {"cap_MatchFGPGAI2cCtl", Call<FpgaI2cBus, cap_MatchFGPGAI2cCtl>,
         {{"i2c0", 0}, {"i2c1", 1}, {"i2c2", 2}, {"i2c3", 3}, {"i2c11", 11}}, 12,
         "Cap_MatchFGPGAI2cCtl para is null ptr!\n",
         "Cap_MatchFGPGAI2cCtl para is invalid: pcVal=%s !\n"},
        {"cap_MatchAlarmType", Call<AlarmType, cap_MatchAlarmType>,
         {{"gpio", 0}, {"mcu", 1}, {"i2c", 2}}, 3, "Cap_MatchAlarmType para is null ptr!\n",
         "Cap_MatchAlarmType para is invalid : pcJsonVal = %s !\n"},
        {"cap_MatchIrisType", Call<IrisType, cap_MatchIrisType>,
         {{"fixed", 0}, {"open_close", 1}, {"linear", 2}, {"soc_ctl", 3}, {"none", 4}}, 5,
         "cap_MatchIrisType params is null ptr!\n",
         "cap_MatchIrisType para is invalid : pcJsonVal = %s!\n"},
        {"cap_MatchIrcutType", Call<IrcutType, cap_MatchIrcutType>,
         {{"vir141_ar", 0}, {"dc", 1}, {"t5291icr", 2}, {"pe457pol", 3}, {"vir141_polar", 4},
          {"t5215icr", 5}, {"none", 6}},
         7, "cap_MatchIrcutType params is null!\n",
         "cap_MatchIrcutType para is invalid :pcJsonVal = %s\n"},
        {"cap_MatchVideoType", Call<VideoType, cap_MatchVideoType>,
         {{"sdi", 3}, {"cvbs", 4}, {"lcd", 5}, {"hdmi", 6}}, 7,
         "cap_MatchVideoType params is null!\n",
         "cap_MatchVideoType para is invalid :pcJsonVal = %s\n"},
        {"cap_MatchCvbsType", Call<CvbsType, cap_MatchCvbsType>,
         {{"adv7393", 0}, {"gm7121", 1}}, 2, "cap_MatchCvbsType params is null!\n",
         "cap_MatchCvbsType para is invalid :pcJsonVal = %s\n"},
        {"cap_MatchWifiType", Call<WifiType, cap_MatchWifiType>,
         {{"none", 0}, {"usb", 1}, {"serial", 2}}, 3, "cap_MatchWifiType para is null ptr!\n",
         "cap_MatchWifiType para is invalid:pcJsonVal = %s!\n"},
        {"cap_MatchWifiMode", Call<WifiMode, cap_MatchWifiMode>,
         {{"ap", 1}, {"sta", 2}, {"apsta", 3}}, 0, "cap_MatchWifiMode params is null!\n",
         "cap_MatchWifiMode para is invalid :pcJsonVal = %s\n"},
        {"cap_MatchDevPosition", Call<DevPosition, cap_MatchDevPosition>,
         {{"front", 0}, {"back", 1}, {"left", 2}, {"right", 3}, {"up", 4}, {"down", 5}}, 6,
         "cap_MatchDevPosition params is null!\n",
         "cap_MatchDevPosition para is invalid :pcJsonVal = %s\n"},
        {"cap_MatchMcuType", Call<McuType, cap_MatchMcuType>,
         {{"DriverGD", 0}, {"DriverST", 1}, {"AlarmGD", 2}, {"AlarmNT", 3}, {"WiperNT", 4},
          {"WiperST", 5}},
         6, "invalid params!\n", ""},
        {"cap_MatchFanHeatCtlType", Call<FanHeatCtlType, cap_MatchFanHeatCtlType>,
         {{"None", 0}, {"Gpio", 1}, {"Mcu", 2}}, 3, "invalid params!\n", ""},
    };
}

TEST_F(BoardVocabTest, EveryWordGivesItsMemberSilently) {
    for (const Vocab &v : AllVocabs()) {
        for (const auto &[word, value] : v.words) EXPECT_EQ(v.match(word), value) << v.fn << " " << word;
    }
    EXPECT_EQ(log.Size(), 0u);
}

TEST_F(BoardVocabTest, NullTextGivesInvalidWithErrorFromTheMatcher) {
    for (const Vocab &v : AllVocabs()) {
        log.Clear();
        EXPECT_EQ(v.match(nullptr), v.invalid) << v.fn;
        EXPECT_EQ(log.Size(), 1u) << v.fn;
        EXPECT_TRUE(log.HasFrom(v.fn, kError, v.nullMsg)) << v.fn;
    }
}

// Case, a trailing blank, a prefix and the empty text all miss; matchers with
// a message name the rejected text at info level, the MCU and fan/heat ones
// stay silent.
TEST_F(BoardVocabTest, UnrecognisedTextGivesInvalid) {
    for (const Vocab &v : AllVocabs()) {
        std::string first = v.words.front().first;
        std::string upper = first;
        for (char &c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : (c >= 'A' && c <= 'Z' ? c + 32 : c));
        for (const std::string &text : {upper, first + " ", first.substr(0, first.size() - 1),
                                        std::string()}) {
            log.Clear();
            EXPECT_EQ(v.match(text.c_str()), v.invalid) << v.fn << " '" << text << "'";
            if (v.badFmt.empty()) {
                EXPECT_EQ(log.Size(), 0u) << v.fn;
            } else {
                EXPECT_EQ(log.Size(), 1u) << v.fn;
                EXPECT_TRUE(log.HasFrom(v.fn, kInfo, Fill(v.badFmt, text))) << v.fn;
            }
        }
    }
}

// Words of one vocabulary that are not of another, gaps in the numbering,
// and the two numeric matchers (only the memory width reports a miss).
TEST_F(BoardVocabTest, IrregularMembersAndNumbers) {
    ExpectAnswers({
        WANT(cap_MatchFGPGAI2cCtl("i2c4"), 12), WANT(cap_MatchIrisType("none"), 4),
        WANT(cap_MatchIrcutType("none"), 6), WANT(cap_MatchWifiType("none"), 0),
        WANT(cap_MatchFanHeatCtlType("none"), 3), WANT(cap_MatchMcuType("WiperGD"), 6),
        WANT(cap_MatchVideoType("0"), 7),  // the video members begin at 3
        WANT(cap_MatchMemWidth(8), 0), WANT(cap_MatchMemWidth(16), 1), WANT(cap_MatchMemWidth(32), 2),
        WANT(cap_MatchMemWidth(64), 3), WANT(cap_MatchRamSize(256), 0), WANT(cap_MatchRamSize(512), 1),
        WANT(cap_MatchRamSize(1024), 2), WANT(cap_MatchRamSize(2048), 3), WANT(cap_MatchRamSize(4096), 4),
        WANT(cap_MatchRamSize(768), 5), WANT(cap_MatchRamSize(-1), 5),
    });
    EXPECT_EQ(log.Count(kInfo, "Cap_MatchFGPGAI2cCtl para is invalid: pcVal=i2c4 !\n"), 1);
    EXPECT_EQ(log.Size(), 2u);  // and the video word
    for (unsigned short usBits : {24, 0, 65535}) {
        log.Clear();
        EXPECT_EQ(cap_MatchMemWidth(usBits), 4u);
        EXPECT_EQ(log.Size(), 1u);
        EXPECT_TRUE(log.HasFrom("cap_MatchMemWidth", kInfo,
                                "cap_MatchMemWidth para:" + std::to_string(usBits) + " is invalid!\n"));
    }
}

}  // namespace
