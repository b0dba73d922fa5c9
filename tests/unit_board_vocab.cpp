// The board vocabulary: every word of every matcher, the invalid member of
// each, and the messages for a null or an unrecognised text.
#include <string>
#include <vector>

#include "board/board.h"
#include "board/vocab.h"
#include "fixture.h"

using namespace devcap_test;

namespace {

class BoardVocabTest : public CapTest {};

using Matcher = unsigned int (*)(const char *);

// A matcher, the vocabulary of the library's tables it matches with, and its
// messages.
struct Vocab {
    const char *fn;
    Matcher match;
    std::vector<std::pair<std::string, unsigned int>> words;
    unsigned int invalid;
    std::string nullMsg;
    std::string badFmt;  // with "%s" for the text; empty: nothing logged
};

template <typename E, E (*F)(const char *)>
unsigned int Call(const char *p) {
    return F(p);
}

template <typename E, E (*F)(const char *), typename V>
Vocab Of(const char *fn, const V &v, std::string nullMsg, std::string badFmt) {
    Vocab r{fn, Call<E, F>, {}, v.enOther, std::move(nullMsg), std::move(badFmt)};
    for (const auto &w : v.astWords) r.words.emplace_back(w.acText, w.ucVal);
    return r;
}

std::string Fill(const std::string &fmt, const std::string &text) {
    std::string s = fmt;
    size_t at = s.find("%s");
    return s.replace(at, 2, text);
}

std::vector<Vocab> AllVocabs() {
    return {
        Of<CameraType, cap_MatchCameraType>("cap_MatchCameraType", cap::kCameraVocab,
                                            "cap_MatchCameraType para is null ptr!\n",
                                            "cap_MatchCameraType para is invalid:pcVal=%s !\n"),
        Of<SocType, cap_MatchSocType>("cap_MatchSocType", cap::kSocVocab, "Cap_MatchSocType para is null ptr!\n",
                                      "Cap_MatchSocType para is invalid:pcVal=%s!\n"),
        Of<MotorType, cap_MatchMotorType>("cap_MatchMotorType", cap::kMotorVocab,
                                          "cap_MatchMotorType para is null ptr!\n",
                                          "cap_MatchMotorType para is invalid:pcVal=%s!\n"),
        Of<HardCtlType, cap_MatchHardCtl>("cap_MatchHardCtl", cap::kHardCtlVocab,
                                          "cap_MatchHardCtl para is null ptr!\n",
                                          "cap_MatchHardCtl para is invalid:pcVal=%s\n"),
        Of<FpgaI2cBus, cap_MatchFGPGAI2cCtl>("cap_MatchFGPGAI2cCtl", cap::kFpgaI2cVocab,
                                             "Cap_MatchFGPGAI2cCtl para is null ptr!\n",
                                             "Cap_MatchFGPGAI2cCtl para is invalid: pcVal=%s !\n"),
        Of<AlarmType, cap_MatchAlarmType>("cap_MatchAlarmType", cap::kAlarmVocab,
                                          "Cap_MatchAlarmType para is null ptr!\n",
                                          "Cap_MatchAlarmType para is invalid : pcJsonVal = %s !\n"),
        Of<IrisType, cap_MatchIrisType>("cap_MatchIrisType", cap::kIrisVocab, "cap_MatchIrisType params is null ptr!\n",
                                        "cap_MatchIrisType para is invalid : pcJsonVal = %s!\n"),
        Of<IrcutType, cap_MatchIrcutType>("cap_MatchIrcutType", cap::kIrcutVocab,
                                          "cap_MatchIrcutType params is null!\n",
                                          "cap_MatchIrcutType para is invalid :pcJsonVal = %s\n"),
        Of<VideoType, cap_MatchVideoType>("cap_MatchVideoType", cap::kVideoVocab,
                                          "cap_MatchVideoType params is null!\n",
                                          "cap_MatchVideoType para is invalid :pcJsonVal = %s\n"),
        Of<CvbsType, cap_MatchCvbsType>("cap_MatchCvbsType", cap::kCvbsVocab, "cap_MatchCvbsType params is null!\n",
                                        "cap_MatchCvbsType para is invalid :pcJsonVal = %s\n"),
        Of<WifiType, cap_MatchWifiType>("cap_MatchWifiType", cap::kWifiVocab, "cap_MatchWifiType para is null ptr!\n",
                                        "cap_MatchWifiType para is invalid:pcJsonVal = %s!\n"),
        Of<WifiMode, cap_MatchWifiMode>("cap_MatchWifiMode", cap::kWifiModeVocab,
                                        "cap_MatchWifiMode params is null!\n",
                                        "cap_MatchWifiMode para is invalid :pcJsonVal = %s\n"),
        Of<DevPosition, cap_MatchDevPosition>("cap_MatchDevPosition", cap::kPositionVocab,
                                              "cap_MatchDevPosition params is null!\n",
                                              "cap_MatchDevPosition para is invalid :pcJsonVal = %s\n"),
        Of<McuType, cap_MatchMcuType>("cap_MatchMcuType", cap::kMcuVocab, "invalid params!\n", ""),
        Of<FanHeatCtlType, cap_MatchFanHeatCtlType>("cap_MatchFanHeatCtlType", cap::kFanHeatVocab,
                                                    "invalid params!\n", ""),
    };
}

TEST_F(BoardVocabTest, EveryWordGivesItsMemberSilently) {
    for (const Vocab &v : AllVocabs()) {
        for (const auto &[word, value] : v.words) EXPECT_EQ(v.match(word.c_str()), value) << v.fn << " " << word;
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

// The exported numbers of irregular words, words of one vocabulary that are
// not of another, gaps in the numbering, and the two numeric matchers (only
// the memory width reports a miss).
TEST_F(BoardVocabTest, IrregularMembersAndNumbers) {
    ExpectAnswers({
        WANT(cap_MatchSocType("hi3516av300"), 5), WANT(cap_MatchSocType("hi3519av100"), 1),
        WANT(cap_MatchFGPGAI2cCtl("i2c11"), 11), WANT(cap_MatchVideoType("sdi"), 3),
        WANT(cap_MatchWifiMode("apsta"), 3), WANT(cap_MatchMcuType("WiperST"), 5),
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
