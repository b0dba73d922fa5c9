// Iris, IR-cut filters, video outputs and audio of the board file: defaults,
// parsing, capacities, and every query's results, messages and check order.
#include <algorithm>
#include <string>
#include <vector>

#include "fixture.h"

using namespace devcap_test;

namespace {

// Messages of the board parsers, matchers and queries (start-up's own lines
// left out).
size_t BoardFindings(const LogCapture &log) {
    size_t n = 0;
    for (const LogEntry &e : log.Entries()) {
        for (const char *pcPrefix : {"cap_Parse", "cap_Match", "cap_Board", "CAP_", "cap_Warn"})
            if (e.fn.rfind(pcPrefix, 0) == 0) {
                ++n;
                break;
            }
    }
    return n;
}

class OpticsMediaTest : public CapTest {
protected:
    void LoadBoard(const std::string &json) {
        product.board = json;
        ASSERT_EQ(Init(), 0) << log.Dump();
    }
    size_t Findings() const { return BoardFindings(log); }
};

constexpr int kMark = 0x5a5a5a5a;  // caller memory that must stay untouched

TEST_F(OpticsMediaTest, BoardWithoutTheObjectsAnswersTheDefaults) {
    LoadBoard("{}");
    EXPECT_EQ(CAP_GetIrisNum(), 0);
    EXPECT_EQ(CAP_GetIrcutNum(), 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CAP_GetIrisType(i), CAP_IRIS_INVALID) << i;
        EXPECT_EQ(CAP_GetIrisCtlGpioNum(i), 0) << i;
        EXPECT_EQ(CAP_GetIrcutType(i), CAP_IRCUT_INVALID) << i;
        EXPECT_EQ(CAP_GetIrcutCtlGpioNum(i), 0) << i;
        EXPECT_EQ(CAP_GetIrisCtlWithGpio(i, 3), -1) << i;
        EXPECT_EQ(CAP_GetIrcutCtlWithGpio(i, 9), -1) << i;
        EXPECT_EQ(CAP_GetVideoType(static_cast<unsigned short>(i)), CAP_VIDEO_INVALID) << i;
    }
    EXPECT_EQ(CAP_GetVideoOutNum(), 0);
    EXPECT_EQ(CAP_IsVideoOutSupport(), 0);
    EXPECT_EQ(CAP_GetVideoMaxChannel(0), 2);
    EXPECT_EQ(CAP_GetVideoMaxChannel(1), 3);
    EXPECT_EQ(CAP_GetVideoMaxChannel(2), 0);
    EXPECT_EQ(CAP_GetVideoMaxChannel(3), 0);
    // A line input and one output.
    EXPECT_EQ(CAP_IsAudioSupport(), 1);
    EXPECT_EQ(CAP_IsAudioMicInSupport(), 0);
    EXPECT_EQ(CAP_IsAudioLineInSupport(), 1);
    EXPECT_EQ(CAP_IsAudioSpeakerSupport(), 0);
    EXPECT_EQ(CAP_GetAudioOutNum(), 1);
    EXPECT_EQ(CAP_IsAudioOutSupport(), 1);
    EXPECT_EQ(CAP_GetAudioMicInChannel(), 0);
    EXPECT_EQ(CAP_GetAudioLineInChannel(), 0);
    EXPECT_EQ(CAP_GetAudioInDevNO(), 0);
    EXPECT_EQ(CAP_GetAudioOutDevNO(), 0);
    EXPECT_EQ(CAP_GetAudioSocType(), CAP_AUDIO_SOC_NONE);
    EXPECT_EQ(CAP_GetMinLineSwitchGpio(), -1);
    EXPECT_EQ(log.Count(kError, "para out of range."), 0) << log.Dump();
}

// ---------------------------------------------------------------- iris

TEST_F(OpticsMediaTest, IrisTypesAndGpioTable) {
    LoadBoard(R"({"Iris": {"Type": ["fixed", "linear"], "GpioCtl": [[10, 11], [12]]}})");
    EXPECT_EQ(CAP_GetIrisNum(), 2);
    EXPECT_EQ(CAP_GetIrisType(0), CAP_IRIS_FIXED);
    EXPECT_EQ(CAP_GetIrisType(1), CAP_IRIS_LINEAR);
    EXPECT_EQ(CAP_GetIrisType(2), CAP_IRIS_INVALID);
    EXPECT_EQ(CAP_GetIrisType(3), CAP_IRIS_INVALID);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(0), 2);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(1), 1);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(2), 0);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(1, 0), 12);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(0, 1), 11);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(1, 1), -1);
    // A flat prefix of the table: 2 x 2 is the whole of row 0.
    int aiGpio[6] = {kMark, kMark, kMark, kMark, kMark, kMark};
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(2, 2, aiGpio), 0);
    EXPECT_EQ(std::vector<int>(aiGpio, aiGpio + 6),
              (std::vector<int>{10, 11, -1, -1, kMark, kMark}));
    int aiAll[16];
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(4, 4, aiAll), 0);
    EXPECT_EQ(aiAll[4], 12);
    EXPECT_EQ(aiAll[15], -1);
}

TEST_F(OpticsMediaTest, IrisGpioCountStopsAtTheFirstGap) {
    LoadBoard(R"({"Iris": {"GpioCtl": [[5, -1, 7, -1], [1, 2, 3, 4]]}})");
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(0), 1);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(0, 2), 7);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(1), 4);
}

TEST_F(OpticsMediaTest, IrisOnlyArraysCountAndUnknownArraysAreReportedOnce) {
    LoadBoard(R"({"Iris": {"Type": "fixed", "GpioCtl": 3, "Extra": [1, 2, 3], "Other": 1}})");
    EXPECT_EQ(CAP_GetIrisNum(), 0);
    EXPECT_EQ(CAP_GetIrisType(0), CAP_IRIS_INVALID);
    EXPECT_EQ(log.Count(kInfo, "key Extra is invalid!\n"), 1) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kInfo, "key Extra is invalid!\n"));
    EXPECT_FALSE(log.Contains("Other")) << log.Dump();
}

// Elements that are not texts go through the matcher as their JSON text, a
// null one as no text; a row that is not an array is skipped.
TEST_F(OpticsMediaTest, IrisMalformedElements) {
    LoadBoard(R"({"Iris": {"Type": ["soc_ctl", null, 3], "GpioCtl": [7, [1, 2], {"a": 1}]}})");
    EXPECT_EQ(CAP_GetIrisNum(), 3);
    EXPECT_EQ(CAP_GetIrisType(0), CAP_IRIS_SOC_CTL);
    EXPECT_EQ(CAP_GetIrisType(1), CAP_IRIS_INVALID);
    EXPECT_EQ(CAP_GetIrisType(2), CAP_IRIS_INVALID);
    EXPECT_TRUE(log.HasFrom("cap_MatchIrisType", kError, "cap_MatchIrisType params is null ptr!\n"))
        << log.Dump();
    EXPECT_TRUE(log.Has(kInfo, "cap_MatchIrisType para is invalid : pcJsonVal = 3!\n"));
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(0), 0);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(1, 1), 2);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(2), 0);
}

// More irises and GPIOs than the table holds: the surplus is dropped, the
// count keeps the length of "Type", and no neighbouring field changes.
TEST_F(OpticsMediaTest, IrisBeyondCapacity) {
    LoadBoard(R"({"Iris": {"Type": ["fixed", "fixed", "fixed", "fixed", "linear", "linear"],
        "GpioCtl": [[1, 2, 3, 4, 99], [5], [6], [7], [8, 8, 8, 8], [9]]}})");
    EXPECT_EQ(CAP_GetIrisNum(), 6);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CAP_GetIrisType(i), CAP_IRIS_FIXED) << i;
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(0), 4);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(1, 0), 5);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(1, 1), -1);
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(3, 0), 7);
    EXPECT_EQ(CAP_GetIrisCtlGpioNum(3), 1);
    EXPECT_EQ(CAP_GetIrcutType(0), CAP_IRCUT_INVALID);
    EXPECT_EQ(CAP_GetIrcutNum(), 0);
    // Each surplus is reported once, under its key.
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=Type has 6 elements, only 4 kept.\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=GpioCtl has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIris", kWarn, "key=GpioCtl has 5 elements, only 4 kept.\n"));
    EXPECT_EQ(Findings(), 3u) << log.Dump();
}

TEST_F(OpticsMediaTest, IrisQueriesRefuseBadArguments) {
    LoadBoard(R"({"Iris": {"Type": ["fixed"], "GpioCtl": [[1]]}})");
    for (int i : {-1, 4}) {
        log.Clear();
        EXPECT_EQ(CAP_GetIrisType(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrisType", kError, "para out of range.")) << log.Dump();
        EXPECT_EQ(CAP_GetIrisCtlGpioNum(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrisCtlGpioNum", kError,
                                "CAP_GetIrisCtlGpioNum para out of range."));
    }
    // The iris is tested first.
    log.Clear();
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(4, 0), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrisCtlWithGpio", kError,
                            "CAP_GetIrisCtlWithGpio para iIrisNum = 4 out of range 4."))
        << log.Dump();
    log.Clear();
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(-1, 9), -4);
    EXPECT_TRUE(log.Has(kError, "CAP_GetIrisCtlWithGpio para iIrisNum = -1 out of range 4."));
    EXPECT_EQ(Findings(), 1u) << log.Dump();
    log.Clear();
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(0, 4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrisCtlWithGpio", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetIrisCtlWithGpio(3, -1), -4);

    // The buffer is tested before the counts.
    log.Clear();
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(0, 0, nullptr), -2);
    EXPECT_EQ(Findings(), 1u);
    EXPECT_EQ(log.Entries()[0].fn, "CAP_GetIrisCtlWithGpioMul");
    EXPECT_EQ(log.Entries()[0].level, kError);
    int aiGpio[20];
    std::fill(aiGpio, aiGpio + 20, kMark);
    for (auto [iIris, iGpio] : {std::pair{0, 1}, {5, 1}, {1, 0}, {1, 5}, {-1, 1}}) {
        log.Clear();
        EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(iIris, iGpio, aiGpio), -4) << iIris << "," << iGpio;
        EXPECT_TRUE(log.HasFrom("CAP_GetIrisCtlWithGpioMul", kError,
                                "CAP_GetIrisCtlWithGpioAll para out of range."))
            << log.Dump();
    }
    EXPECT_EQ(aiGpio[0], kMark);
    EXPECT_EQ(CAP_GetIrisCtlWithGpioMul(1, 1, aiGpio), 0);
    EXPECT_EQ(aiGpio[0], 1);
    EXPECT_EQ(aiGpio[1], kMark);
}

// ---------------------------------------------------------------- IR-cut

TEST_F(OpticsMediaTest, IrcutTypesAndGpioTable) {
    LoadBoard(R"({"Ircut": {"Type": ["dc", "t5215icr", "none"],
        "GpioCtl": [[1, 2, 3, 4, 5, 6, 7, 8, 9, 10], [20, -1, 22], [30]]}})");
    EXPECT_EQ(CAP_GetIrcutNum(), 3);
    EXPECT_EQ(CAP_GetIrcutType(0), CAP_IRCUT_DC);
    EXPECT_EQ(CAP_GetIrcutType(1), CAP_IRCUT_T5215ICR);
    EXPECT_EQ(CAP_GetIrcutType(2), CAP_IRCUT_NONE);
    EXPECT_EQ(CAP_GetIrcutType(3), CAP_IRCUT_INVALID);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(0), 10);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(1), 1);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(2), 1);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(3), 0);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, 9), 10);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 2), 22);
    int aiGpio[12];
    std::fill(aiGpio, aiGpio + 12, kMark);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(1, 10, aiGpio), 0);
    EXPECT_EQ(aiGpio[9], 10);
    EXPECT_EQ(aiGpio[10], kMark);
    // Rows of ten, read flat: 2 x 6 reaches into row 1.
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(2, 6, aiGpio), 0);
    EXPECT_EQ(aiGpio[10], 20);
    EXPECT_EQ(aiGpio[11], -1);
    int aiAll[40];
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(4, 10, aiAll), 0);
    EXPECT_EQ(aiAll[20], 30);
    EXPECT_EQ(aiAll[39], -1);
}

TEST_F(OpticsMediaTest, IrcutOnlyArraysCountUnknownArraysReportedPerElement) {
    LoadBoard(R"({"Ircut": {"Type": "dc", "GpioCtl": {"a": 1}, "Delay": [1, 2, 3], "None": []}})");
    EXPECT_EQ(CAP_GetIrcutNum(), 0);
    EXPECT_EQ(CAP_GetIrcutType(0), CAP_IRCUT_INVALID);
    EXPECT_EQ(log.Count(kInfo, "cap_ParseIrcut key = Delay is not array type!\n"), 3) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kInfo, "cap_ParseIrcut key = Delay is not array type!\n"));
    EXPECT_FALSE(log.Contains("key = Type")) << log.Dump();
    EXPECT_FALSE(log.Contains("key = None")) << log.Dump();
}

TEST_F(OpticsMediaTest, IrcutBeyondCapacity) {
    LoadBoard(R"({"Ircut": {"Type": ["dc", "dc", "dc", "dc", "dc"],
        "GpioCtl": [[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12], [13], [14], [15], [16], "x"]}})");
    EXPECT_EQ(CAP_GetIrcutNum(), 5);
    EXPECT_EQ(CAP_GetIrcutType(3), CAP_IRCUT_DC);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(0), 10);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 0), 13);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 1), -1);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(3, 0), 15);
    EXPECT_EQ(CAP_GetIrcutCtlGpioNum(3), 1);
    // The video outputs after the table are untouched.
    EXPECT_EQ(CAP_GetVideoType(0), CAP_VIDEO_INVALID);
    EXPECT_EQ(CAP_GetVideoMaxChannel(0), 2);
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=Type has 5 elements, only 4 kept.\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=GpioCtl has 6 elements, only 4 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseIrcut", kWarn, "key=GpioCtl has 12 elements, only 10 kept.\n"));
    EXPECT_EQ(Findings(), 3u) << log.Dump();
}

TEST_F(OpticsMediaTest, IrcutQueriesRefuseBadArguments) {
    LoadBoard("{}");
    for (int i : {-1, 4}) {
        log.Clear();
        EXPECT_EQ(CAP_GetIrcutType(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrcutType", kError, "para out of range.")) << log.Dump();
        EXPECT_EQ(CAP_GetIrcutCtlGpioNum(i), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlGpioNum", kError,
                                "CAP_GetIrcutCtlGpioNum para out of range."));
    }
    // The GPIO is tested first.
    log.Clear();
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(4, 10), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlWithGpio", kError,
                            "CAP_GetIrcutCtlWithGpio para iGpioNum = 10 out of range 10."))
        << log.Dump();
    EXPECT_EQ(Findings(), 1u);
    log.Clear();
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(4, 9), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlWithGpio", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, -1), -4);
    EXPECT_TRUE(log.Has(kError, "CAP_GetIrcutCtlWithGpio para iGpioNum = -1 out of range 10."));

    log.Clear();
    EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(0, 0, nullptr), -2);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlWithGpioMul", kError,
                            "CAP_GetIrcutCtlWithGpioAll para null ptr."))
        << log.Dump();
    int aiGpio[4] = {kMark, kMark, kMark, kMark};
    for (int iIrcut : {0, 5, -1}) {
        log.Clear();
        EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(iIrcut, 1, aiGpio), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlWithGpioMul", kError,
                                "CAP_GetIrcutCtlWithGpioAll para out of range."))
            << log.Dump();
    }
    for (int iGpio : {0, 11}) {
        log.Clear();
        EXPECT_EQ(CAP_GetIrcutCtlWithGpioMul(1, iGpio, aiGpio), -4);
        EXPECT_TRUE(log.HasFrom("CAP_GetIrcutCtlWithGpioMul", kError, "para out of range."))
            << log.Dump();
    }
    EXPECT_EQ(aiGpio[0], kMark);
}

// ---------------------------------------------------------------- video

TEST_F(OpticsMediaTest, VideoTypesAndChannels) {
    LoadBoard(R"({"Video": {"Type": ["hdmi", "cvbs"], "MaxChannel": [8]}})");
    EXPECT_EQ(CAP_GetVideoOutNum(), 2);
    EXPECT_EQ(CAP_IsVideoOutSupport(), 1);
    EXPECT_EQ(CAP_GetVideoType(0), CAP_VIDEO_HDMI);
    EXPECT_EQ(CAP_GetVideoType(1), CAP_VIDEO_CVBS);
    EXPECT_EQ(CAP_GetVideoType(2), CAP_VIDEO_INVALID);
    EXPECT_EQ(CAP_GetVideoMaxChannel(0), 8);
    EXPECT_EQ(CAP_GetVideoMaxChannel(1), 3);  // missing element: 0, answered as 3
}

// Only the first two outputs take a channel count; 0 means "unset".
TEST_F(OpticsMediaTest, VideoMaxChannelFillsTwoEntries) {
    LoadBoard(R"({"Video": {"MaxChannel": [0, 9, 10, 11], "Type": "sdi", "Other": [1]}})");
    EXPECT_EQ(CAP_GetVideoMaxChannel(0), 2);
    EXPECT_EQ(CAP_GetVideoMaxChannel(1), 9);
    EXPECT_EQ(CAP_GetVideoMaxChannel(2), 0);
    EXPECT_EQ(CAP_GetVideoMaxChannel(3), 0);
    EXPECT_EQ(CAP_GetVideoOutNum(), 0);
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(OpticsMediaTest, VideoBeyondCapacityKeepsTheChannels) {
    LoadBoard(R"({"Video": {"MaxChannel": [65537, 7],
        "Type": ["sdi", "lcd", "hdmi", "cvbs", "hdmi", "hdmi"]}})");
    EXPECT_EQ(CAP_GetVideoOutNum(), 6);
    EXPECT_EQ(CAP_GetVideoType(2), CAP_VIDEO_HDMI);
    EXPECT_EQ(CAP_GetVideoType(3), CAP_VIDEO_CVBS);
    EXPECT_EQ(CAP_GetVideoMaxChannel(0), 1);  // low 16 bits
    EXPECT_EQ(CAP_GetVideoMaxChannel(1), 7);
    EXPECT_EQ(CAP_GetVideoMaxChannel(2), 0);
    EXPECT_TRUE(log.HasFrom("cap_ParseVideo", kWarn, "key=Type has 6 elements, only 4 kept.\n"))
        << log.Dump();
    EXPECT_EQ(Findings(), 1u) << log.Dump();
}

TEST_F(OpticsMediaTest, VideoQueriesRefuseBadIndices) {
    LoadBoard("{}");
    EXPECT_EQ(CAP_GetVideoType(4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetVideoType", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetVideoType(65535), -4);
    for (int i : {4, -1}) {
        log.Clear();
        EXPECT_EQ(CAP_GetVideoMaxChannel(i), 65532);
        EXPECT_TRUE(log.HasFrom("CAP_GetVideoMaxChannel", kError, "para out of range."))
            << log.Dump();
    }
}

// ---------------------------------------------------------------- audio

TEST_F(OpticsMediaTest, AudioEveryKey) {
    LoadBoard(R"({"Audio": {"MicInSup": true, "LineInSup": false, "SpeakerSup": true,
        "MicInChn": 2, "LineInChn": 3, "AuidioInDevNO": 4, "AudioOutDevNO": 5,
        "AudioOutNum": 300, "MicLineSiwtchGpio": 70000, "AudioSocType": "es8388"}})");
    EXPECT_EQ(CAP_IsAudioMicInSupport(), 1);
    EXPECT_EQ(CAP_IsAudioLineInSupport(), 0);
    EXPECT_EQ(CAP_IsAudioSpeakerSupport(), 1);
    EXPECT_EQ(CAP_GetAudioMicInChannel(), 2);
    EXPECT_EQ(CAP_GetAudioLineInChannel(), 3);
    EXPECT_EQ(CAP_GetAudioInDevNO(), 4);
    EXPECT_EQ(CAP_GetAudioOutDevNO(), 5);
    EXPECT_EQ(CAP_GetAudioOutNum(), 44);  // low 8 bits of 300
    EXPECT_EQ(CAP_GetMinLineSwitchGpio(), 70000);
    EXPECT_EQ(CAP_GetAudioSocType(), CAP_AUDIO_ES8388);
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

TEST_F(OpticsMediaTest, AudioKeyOfAnotherTypeIsReportedUnderTheValuesType) {
    LoadBoard(R"({"Audio": {"MicInSup": 1, "AudioOutNum": true, "LineInChn": "2",
        "AudioInDevNO": 4, "MicLineSwitchGpio": 9, "SpeakerSup": null, "MicInChn": 1.5,
        "AudioSocType": ["es8311"]}})");
    EXPECT_TRUE(log.HasFrom("cap_ParseAudio", kInfo, "key MicInSup is not in stAudio int type!\n"))
        << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_ParseAudio", kInfo,
                            "key AudioOutNum is not in stAudio boolean type!\n"));
    EXPECT_TRUE(log.HasFrom("cap_ParseAudio", kInfo,
                            "key LineInChn is not in stAudio string type!\n"));
    // Only the file format's own spellings are known.
    EXPECT_TRUE(log.Has(kInfo, "key AudioInDevNO is not in stAudio int type!\n"));
    EXPECT_TRUE(log.Has(kInfo, "key MicLineSwitchGpio is not in stAudio int type!\n"));
    EXPECT_EQ(Findings(), 5u) << log.Dump();
    EXPECT_EQ(CAP_IsAudioMicInSupport(), 0);
    EXPECT_EQ(CAP_GetAudioOutNum(), 1);
    EXPECT_EQ(CAP_GetAudioLineInChannel(), 0);
    EXPECT_EQ(CAP_GetAudioMicInChannel(), 0);
    EXPECT_EQ(CAP_GetAudioInDevNO(), 0);
    EXPECT_EQ(CAP_GetMinLineSwitchGpio(), -1);
    EXPECT_EQ(CAP_GetAudioSocType(), CAP_AUDIO_SOC_NONE);
}

TEST_F(OpticsMediaTest, AudioSupportIgnoresTheSpeaker) {
    LoadBoard(R"({"Audio": {"AudioOutNum": 0, "LineInSup": false, "SpeakerSup": true}})");
    EXPECT_EQ(CAP_IsAudioSupport(), 0);
    EXPECT_EQ(CAP_IsAudioOutSupport(), 0);
}

TEST_F(OpticsMediaTest, AudioSupportFromTheMicrophoneAlone) {
    LoadBoard(R"({"Audio": {"AudioOutNum": 0, "LineInSup": false, "MicInSup": true}})");
    EXPECT_EQ(CAP_IsAudioSupport(), 1);
    EXPECT_EQ(CAP_IsAudioOutSupport(), 0);
}

TEST_F(OpticsMediaTest, AudioCodecWords) {
    LoadBoard(R"({"Audio": {"AudioSocType": "es8311"}})");
    EXPECT_EQ(CAP_GetAudioSocType(), CAP_AUDIO_ES8311);
    LoadBoard(R"({"Audio": {"AudioSocType": "ES8311"}})");
    EXPECT_EQ(CAP_GetAudioSocType(), CAP_AUDIO_SOC_NONE);
    EXPECT_EQ(Findings(), 0u) << log.Dump();
}

}  // namespace
