// Iris, IR-cut filters, video outputs and audio of the board file: defaults,
// parsing, capacities, and every query's results, messages and check order.
#include <string>
#include <vector>

#include "fixture.h"

using namespace devcap_test;

namespace {

using OpticsMediaTest = BoardTest;

constexpr int kMark = 0x5a5a5a5a;  // caller memory that must stay untouched

TEST_F(OpticsMediaTest, BoardWithoutTheObjectsAnswersTheDefaults) {
    Load("{}");
    for (int i = 0; i < 4; ++i) {
        ExpectAnswers({
            WANT(CAP_GetIrisType(i), CAP_IRIS_INVALID), WANT(CAP_GetIrisCtlGpioNum(i), 0),
            WANT(CAP_GetIrcutType(i), CAP_IRCUT_INVALID), WANT(CAP_GetIrcutCtlGpioNum(i), 0),
            WANT(CAP_GetIrisCtlWithGpio(i, 3), -1), WANT(CAP_GetIrcutCtlWithGpio(i, 9), -1),
            WANT(CAP_GetVideoType(static_cast<unsigned short>(i)), CAP_VIDEO_INVALID),
        });
    }
    // A line input and one output; channels 2 and 3 for the first two outputs.
    ExpectAnswers({
        WANT(CAP_GetIrisNum(), 0), WANT(CAP_GetIrcutNum(), 0), WANT(CAP_GetVideoOutNum(), 0),
        WANT(CAP_IsVideoOutSupport(), 0), WANT(CAP_GetVideoMaxChannel(0), 2),
        WANT(CAP_GetVideoMaxChannel(1), 3), WANT(CAP_GetVideoMaxChannel(2), 0),
        WANT(CAP_GetVideoMaxChannel(3), 0), WANT(CAP_IsAudioSupport(), 1),
        WANT(CAP_IsAudioMicInSupport(), 0), WANT(CAP_IsAudioLineInSupport(), 1),
        WANT(CAP_IsAudioSpeakerSupport(), 0), WANT(CAP_GetAudioOutNum(), 1),
        WANT(CAP_IsAudioOutSupport(), 1), WANT(CAP_GetAudioMicInChannel(), 0),
        WANT(CAP_GetAudioLineInChannel(), 0), WANT(CAP_GetAudioInDevNO(), 0),
        WANT(CAP_GetAudioOutDevNO(), 0), WANT(CAP_GetAudioSocType(), CAP_AUDIO_SOC_NONE),
        WANT(CAP_GetMinLineSwitchGpio(), -1),
    });
    EXPECT_EQ(Findings(), 0u);
}

// ---------------------------------------------------------------- iris

// The GPIO count stops at the first gap; the copy is a flat prefix of the
// table (2 x 2 is the whole of row 0) and writes nothing past it.
TEST_F(OpticsMediaTest, IrisTypesAndGpioTable) {
    Load(R"({"Iris": {"Type": ["fixed", "linear"],
        "GpioCtl": [[10, 11], [12, -1, 7]], "Other": 1}})");
    ExpectAnswers({
        WANT(CAP_GetIrisNum(), 2), WANT(CAP_GetIrisType(0), CAP_IRIS_FIXED),
        WANT(CAP_GetIrisType(1), CAP_IRIS_LINEAR), WANT(CAP_GetIrisType(2), CAP_IRIS_INVALID),
        WANT(CAP_GetIrisCtlGpioNum(0), 2), WANT(CAP_GetIrisCtlGpioNum(1), 1),
        WANT(CAP_GetIrisCtlGpioNum(2), 0), WANT(CAP_GetIrisCtlWithGpio(1, 0), 12),
        WANT(CAP_GetIrisCtlWithGpio(1, 2), 7), WANT(CAP_GetIrisCtlWithGpio(0, 2), -1),
    });
    std::vector<int> aiGpio(6, kMark);
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(2, 2, aiGpio.data()), 0);
    EXPECT_EQ(aiGpio, (std::vector<int>{10, 11, -1, -1, kMark, kMark}));
    std::vector<int> aiAll(17, kMark);
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(4, 4, aiAll.data()), 0);
    ExpectAnswers({WANT(aiAll[4], 12), WANT(aiAll[15], -1), WANT(aiAll[16], kMark)});
    EXPECT_EQ(Findings(), 0u);
}

// Only arrays count; an unknown array key is reported once. Elements that
// are not texts go through the matcher as their JSON text, a null one as no
// text; a row that is not an array is skipped.
TEST_F(OpticsMediaTest, IrisMalformedMembersAndElements) {
    Load(R"({"Iris": {"Type": "fixed", "GpioCtl": 3, "Extra": [1, 2, 3]}})");
    EXPECT_EQ(CAP_GetIrisNum(), 0);
    EXPECT_EQ(log.Count(kInfo, "key Extra is invalid!\n"), 1);
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kInfo, "key Extra is invalid!\n"));
    EXPECT_EQ(Findings(), 1u);

    Load(R"({"Iris": {"Type": ["soc_ctl", null, 3], "GpioCtl": [7, [1, "2"], {"a": 1}]}})");
    ExpectAnswers({
        WANT(CAP_GetIrisNum(), 3), WANT(CAP_GetIrisType(0), CAP_IRIS_SOC_CTL),
        WANT(CAP_GetIrisType(1), CAP_IRIS_INVALID), WANT(CAP_GetIrisType(2), CAP_IRIS_INVALID),
        WANT(CAP_GetIrisCtlGpioNum(0), 0), WANT(CAP_GetIrisCtlWithGpio(1, 1), 2),
        WANT(CAP_GetIrisCtlGpioNum(2), 0),
    });
    EXPECT_TRUE(log.HasFrom("cap_MatchIrisType", kError, "cap_MatchIrisType params is null ptr!\n"));
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchIrisType para is invalid : pcJsonVal = 3!\n"));
}

// The surplus is dropped with one warning per array, the count keeps the
// length of "Type", and the IR-cut record after the table keeps its values.
TEST_F(OpticsMediaTest, IrisBeyondCapacity) {
    Load(R"({"Iris": {"Type": ["fixed", "fixed", "fixed", "fixed", "linear", "linear"],
        "GpioCtl": [[1, 2, 3, 4, 99], [5], [6], [7], [8, 8, 8, 8], [9]]}})");
    ExpectAnswers({
        WANT(CAP_GetIrisNum(), 6), WANT(CAP_GetIrisType(3), CAP_IRIS_FIXED),
        WANT(CAP_GetIrisCtlGpioNum(0), 4), WANT(CAP_GetIrisCtlWithGpio(1, 0), 5),
        WANT(CAP_GetIrisCtlWithGpio(1, 1), -1), WANT(CAP_GetIrisCtlGpioNum(3), 1),
        WANT(CAP_GetIrcutType(0), CAP_IRCUT_INVALID), WANT(CAP_GetIrcutNum(), 0),
    });
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=Type has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=GpioCtl has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=GpioCtl has 5 elements, only 4 kept.\n"));
    EXPECT_EQ(Findings(), 3u);
}

TEST_F(OpticsMediaTest, IrisQueriesRefuseBadArguments) {
    Load(R"({"Iris": {"Type": ["fixed"], "GpioCtl": [[1]]}})");
    static int aiGpio[2] = {kMark, kMark};
    const char *pcMul = "CAP_GetIrisCtlWithGpioAll para out of range.";
    ExpectRefusals(log, {
        REFUSE("CAP_GetIrisType", CAP_GetIrisType(-1), -4, "para out of range."),
        REFUSE("CAP_GetIrisType", CAP_GetIrisType(4), -4, "para out of range."),
        REFUSE("CAP_GetIrisCtlGpioNum", CAP_GetIrisCtlGpioNum(4), -4, "CAP_GetIrisCtlGpioNum para out of range."),
        REFUSE("CAP_GetIrisCtlGpioNum", CAP_GetIrisCtlGpioNum(-1), -4, "CAP_GetIrisCtlGpioNum para out of range."),
        // The iris is tested first.
        REFUSE("CAP_GetIrisCtlWithGpio", CAP_GetIrisCtlWithGpio(4, 0), -4,
               "CAP_GetIrisCtlWithGpio para iIrisNum = 4 out of range 4."),
        REFUSE("CAP_GetIrisCtlWithGpio", CAP_GetIrisCtlWithGpio(-1, 9), -4,
               "CAP_GetIrisCtlWithGpio para iIrisNum = -1 out of range 4."),
        REFUSE("CAP_GetIrisCtlWithGpio", CAP_GetIrisCtlWithGpio(0, 4), -4, "para out of range."),
        REFUSE("CAP_GetIrisCtlWithGpio", CAP_GetIrisCtlWithGpio(3, -1), -4, "para out of range."),
        // The buffer is tested before the counts.
        REFUSE("CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul(0, 0, nullptr), -2, ""),
        REFUSE("CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul(0, 1, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul(5, 1, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul(1, 0, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrisCtlWithGpioMul", CAP_GetIrisCtlWithGpioMul(1, 5, aiGpio), -4, pcMul),
    });
    EXPECT_EQ(aiGpio[0], kMark);
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(1, 1, aiGpio), 0);
    ExpectAnswers({WANT(aiGpio[0], 1), WANT(aiGpio[1], kMark)});
}

// ---------------------------------------------------------------- IR-cut

TEST_F(OpticsMediaTest, IrcutTypesAndGpioTable) {
    Load(R"({"Ircut": {"Type": ["dc", "t5215icr", "none"],
        "GpioCtl": [[1, 2, 3, 4, 5, 6, 7, 8, 9, 10], [20, -1, 22], [30]]}})");
    ExpectAnswers({
        WANT(CAP_GetIrcutNum(), 3), WANT(CAP_GetIrcutType(0), CAP_IRCUT_DC),
        WANT(CAP_GetIrcutType(1), CAP_IRCUT_T5215ICR), WANT(CAP_GetIrcutType(2), CAP_IRCUT_NONE),
        WANT(CAP_GetIrcutType(3), CAP_IRCUT_INVALID), WANT(CAP_GetIrcutCtlGpioNum(0), 10),
        WANT(CAP_GetIrcutCtlGpioNum(1), 1), WANT(CAP_GetIrcutCtlGpioNum(3), 0),
        WANT(CAP_GetIrcutCtlWithGpio(0, 9), 10), WANT(CAP_GetIrcutCtlWithGpio(1, 2), 22),
    });
    // Rows of ten read flat: 1 x 10 is row 0, 2 x 6 reaches into row 1.
    std::vector<int> aiGpio(13, kMark);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(1, 10, aiGpio.data()), 0);
    ExpectAnswers({WANT(aiGpio[9], 10), WANT(aiGpio[10], kMark)});
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(2, 6, aiGpio.data()), 0);
    ExpectAnswers({WANT(aiGpio[10], 20), WANT(aiGpio[11], -1), WANT(aiGpio[12], kMark)});
    std::vector<int> aiAll(41, kMark);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(4, 10, aiAll.data()), 0);
    ExpectAnswers({WANT(aiAll[20], 30), WANT(aiAll[39], -1), WANT(aiAll[40], kMark)});
}

// Only arrays count: an unknown key is reported once per element (never for
// an empty array), a text "Type" is skipped silently.
TEST_F(OpticsMediaTest, IrcutOnlyArraysCountUnknownArraysReportedPerElement) {
    Load(R"({"Ircut": {"Type": "dc", "GpioCtl": {"a": 1}, "Delay": [1, 2, 3], "None": []}})");
    ExpectAnswers({WANT(CAP_GetIrcutNum(), 0), WANT(CAP_GetIrcutType(0), CAP_IRCUT_INVALID)});
    EXPECT_EQ(log.Count(kInfo, "cap_ParseIrcut key = Delay is not array type!\n"), 3);
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kInfo, "cap_ParseIrcut key = Delay is not array type!\n"));
    EXPECT_EQ(Findings(), 3u);
}

// The surplus (filters, types, GPIOs of a row) is dropped with one warning per
// array; the count keeps the full length; the video record after the table
// keeps its defaults.
TEST_F(OpticsMediaTest, IrcutBeyondCapacity) {
    Load(R"({"Ircut": {"Type": ["dc", "dc", "dc", "dc", "dc"],
        "GpioCtl": [[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12], [13], [14], [15], [16], "x"]}})");
    ExpectAnswers({
        WANT(CAP_GetIrcutNum(), 5), WANT(CAP_GetIrcutType(3), CAP_IRCUT_DC),
        WANT(CAP_GetIrcutCtlGpioNum(0), 10), WANT(CAP_GetIrcutCtlWithGpio(1, 0), 13),
        WANT(CAP_GetIrcutCtlWithGpio(1, 1), -1), WANT(CAP_GetIrcutCtlGpioNum(3), 1),
        WANT(CAP_GetVideoType(0), CAP_VIDEO_INVALID), WANT(CAP_GetVideoMaxChannel(0), 2),
    });
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=Type has 5 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=GpioCtl has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=GpioCtl has 12 elements, only 10 kept.\n"));
    EXPECT_EQ(Findings(), 3u);
}

TEST_F(OpticsMediaTest, IrcutQueriesRefuseBadArguments) {
    Load("{}");
    static int aiGpio[2] = {kMark, kMark};
    const char *pcMul = "CAP_GetIrcutCtlWithGpioAll para out of range.";
    ExpectRefusals(log, {
        REFUSE("CAP_GetIrcutType", CAP_GetIrcutType(-1), -4, "para out of range."),
        REFUSE("CAP_GetIrcutType", CAP_GetIrcutType(4), -4, "para out of range."),
        REFUSE("CAP_GetIrcutCtlGpioNum", CAP_GetIrcutCtlGpioNum(4), -4, "CAP_GetIrcutCtlGpioNum para out of range."),
        REFUSE("CAP_GetIrcutCtlGpioNum", CAP_GetIrcutCtlGpioNum(-1), -4, "CAP_GetIrcutCtlGpioNum para out of range."),
        // The GPIO is tested first.
        REFUSE("CAP_GetIrcutCtlWithGpio", CAP_GetIrcutCtlWithGpio(4, 10), -4,
               "CAP_GetIrcutCtlWithGpio para iGpioNum = 10 out of range 10."),
        REFUSE("CAP_GetIrcutCtlWithGpio", CAP_GetIrcutCtlWithGpio(0, -1), -4,
               "CAP_GetIrcutCtlWithGpio para iGpioNum = -1 out of range 10."),
        REFUSE("CAP_GetIrcutCtlWithGpio", CAP_GetIrcutCtlWithGpio(4, 9), -4, "para out of range."),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(0, 0, nullptr), -2,
               "CAP_GetIrcutCtlWithGpioAll para null ptr."),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(0, 1, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(5, 1, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(-1, 1, aiGpio), -4, pcMul),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(1, 0, aiGpio), -4, "para out of range."),
        REFUSE("CAP_GetIrcutCtlWithGpioMul", CAP_GetIrcutCtlWithGpioMul(1, 11, aiGpio), -4, "para out of range."),
    });
    EXPECT_EQ(aiGpio[0], kMark);
}

// ---------------------------------------------------------------- video

// "MaxChannel" fills the first two entries (low 16 bits; further elements
// ignored silently); 0 answers 2 and 3 for them.
TEST_F(OpticsMediaTest, VideoTypesAndChannels) {
    Load(R"({"Video": {"Type": ["hdmi", "cvbs"], "MaxChannel": [8]}})");
    ExpectAnswers({
        WANT(CAP_GetVideoOutNum(), 2), WANT(CAP_IsVideoOutSupport(), 1),
        WANT(CAP_GetVideoType(0), CAP_VIDEO_HDMI), WANT(CAP_GetVideoType(1), CAP_VIDEO_CVBS),
        WANT(CAP_GetVideoType(2), CAP_VIDEO_INVALID), WANT(CAP_GetVideoMaxChannel(0), 8),
        WANT(CAP_GetVideoMaxChannel(1), 3),
    });
    Load(R"({"Video": {"MaxChannel": [65536, 65545, 10, 11], "Type": "sdi", "Other": [1]}})");
    ExpectAnswers({WANT(CAP_GetVideoMaxChannel(0), 2), WANT(CAP_GetVideoMaxChannel(1), 9),
                   WANT(CAP_GetVideoMaxChannel(2), 0), WANT(CAP_GetVideoOutNum(), 0)});
    EXPECT_EQ(Findings(), 0u);
}

TEST_F(OpticsMediaTest, VideoBeyondCapacityKeepsTheChannels) {
    Load(R"({"Video": {"MaxChannel": [6, 7],
        "Type": ["sdi", "lcd", "hdmi", "cvbs", "hdmi", "hdmi"]}})");
    ExpectAnswers({WANT(CAP_GetVideoOutNum(), 6), WANT(CAP_GetVideoType(3), CAP_VIDEO_CVBS),
                   WANT(CAP_GetVideoMaxChannel(0), 6), WANT(CAP_GetVideoMaxChannel(2), 0)});
    EXPECT_TRUE(log.HasFrom("cap_ParseVideo", kWarn, "key=Type has 6 elements, only 4 kept.\n"));
    EXPECT_EQ(Findings(), 1u);
    ExpectRefusals(log, {
        REFUSE("CAP_GetVideoType", CAP_GetVideoType(4), -4, "para out of range."),
        REFUSE("CAP_GetVideoType", CAP_GetVideoType(65535), -4, "para out of range."),
        REFUSE("CAP_GetVideoMaxChannel", CAP_GetVideoMaxChannel(4), 65532, "para out of range."),
        REFUSE("CAP_GetVideoMaxChannel", CAP_GetVideoMaxChannel(-1), 65532, "para out of range."),
    });
}

// ---------------------------------------------------------------- audio

TEST_F(OpticsMediaTest, AudioEveryKey) {
    Load(R"({"Audio": {"MicInSup": true, "LineInSup": false, "SpeakerSup": true,
        "MicInChn": 2, "LineInChn": 3, "AuidioInDevNO": 4, "AudioOutDevNO": 5,
        "AudioOutNum": 300, "MicLineSiwtchGpio": 70000, "AudioSocType": "es8388"}})");
    ExpectAnswers({
        WANT(CAP_IsAudioMicInSupport(), 1), WANT(CAP_IsAudioLineInSupport(), 0),
        WANT(CAP_IsAudioSpeakerSupport(), 1), WANT(CAP_GetAudioMicInChannel(), 2),
        WANT(CAP_GetAudioLineInChannel(), 3), WANT(CAP_GetAudioInDevNO(), 4),
        WANT(CAP_GetAudioOutDevNO(), 5), WANT(CAP_GetAudioOutNum(), 44),  // low 8 bits
        WANT(CAP_GetMinLineSwitchGpio(), 70000), WANT(CAP_GetAudioSocType(), CAP_AUDIO_ES8388),
    });
    EXPECT_EQ(Findings(), 0u);
}

// Only the file format's own spellings are known; a key of another group is
// reported under the value's group and changes nothing.
TEST_F(OpticsMediaTest, AudioKeyOfAnotherTypeIsReportedUnderTheValuesType) {
    Load(R"({"Audio": {"MicInSup": 1, "AudioOutNum": true, "LineInChn": "2",
        "AudioInDevNO": 4, "MicLineSwitchGpio": 9, "SpeakerSup": null, "MicInChn": 1.5,
        "AudioSocType": ["es8311"]}})");
    for (const char *pcText : {"key MicInSup is not in stAudio int type!\n",
                               "key AudioOutNum is not in stAudio boolean type!\n",
                               "key LineInChn is not in stAudio string type!\n",
                               "key AudioInDevNO is not in stAudio int type!\n",
                               "key MicLineSwitchGpio is not in stAudio int type!\n"})
        EXPECT_TRUE(log.HasFrom("cap_ParseAudio", kInfo, pcText)) << pcText;
    EXPECT_EQ(Findings(), 5u);
    ExpectAnswers({
        WANT(CAP_IsAudioMicInSupport(), 0), WANT(CAP_GetAudioOutNum(), 1),
        WANT(CAP_GetAudioLineInChannel(), 0), WANT(CAP_GetAudioMicInChannel(), 0),
        WANT(CAP_GetAudioInDevNO(), 0), WANT(CAP_GetMinLineSwitchGpio(), -1),
        WANT(CAP_GetAudioSocType(), CAP_AUDIO_SOC_NONE),
    });
}

// Audio support: outputs, line input or microphone, never the speaker; an
// unknown codec changes nothing, silently.
TEST_F(OpticsMediaTest, AudioSupportAndCodec) {
    const struct {
        const char *pcAudio;
        int iSupport, iOut, iCodec;
    } aRows[] = {
        {R"({"AudioOutNum": 0, "LineInSup": false, "SpeakerSup": true})", 0, 0, CAP_AUDIO_SOC_NONE},
        {R"({"AudioOutNum": 0, "LineInSup": false, "MicInSup": true})", 1, 0, CAP_AUDIO_SOC_NONE},
        {R"({"AudioOutNum": 0, "AudioSocType": "es8311"})", 1, 0, CAP_AUDIO_ES8311},
        {R"({"AudioSocType": "ES8311"})", 1, 1, CAP_AUDIO_SOC_NONE},
    };
    for (const auto &row : aRows) {
        Load(std::string(R"({"Audio": )") + row.pcAudio + "}");
        EXPECT_EQ(CAP_IsAudioSupport(), row.iSupport) << row.pcAudio;
        EXPECT_EQ(CAP_IsAudioOutSupport(), row.iOut) << row.pcAudio;
        EXPECT_EQ(CAP_GetAudioSocType(), row.iCodec) << row.pcAudio;
        EXPECT_EQ(Findings(), 0u);
    }
}

}  // namespace
