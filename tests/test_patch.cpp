// The patch file: feature flags, ball size, optics defog, IR-cut delays,
// laser reach, its LED information and its overrides of board facts.
#include "fixture.h"

using namespace devcap_test;

namespace {

class PatchTest : public CapTest {
protected:
    int InitPatch(const std::string &patch) {
        product.patch = patch;
        return Init();
    }
};

// Every flag takes only a boolean; "LaserSupport" is read by no query.
TEST_F(PatchTest, FlagsDefaultsAndBooleans) {
    int (*const apfnFlags[])() = {CAP_IsPoeSupport, CAP_IsGyroscopeSup, CAP_IsGpsSupport,
                                  CAP_IsPhotoresistanceSup, CAP_IsWiperSupport, CAP_IsSnifferSupport,
                                  CAP_IsEcompassSupport, CAP_IsAccelerateSupport, CAP_IsReverseSupport};
    ASSERT_EQ(InitPatch("{}"), 0);
    for (auto pfnFlag : apfnFlags) EXPECT_EQ(pfnFlag(), 0);
    ExpectAnswers({WANT(CAP_GetBallType(), CAP_BALL_INVALID), WANT(CAP_GetLaserInfoNum(), 0),
                   WANT(CAP_IsLaserSupport(), 0), WANT(g_pstPatchCap->bLaserSupport, 1)});
    for (int i = 0; i < 4; ++i) {
        ExpectAnswers({WANT(CAP_IsOpticsDefogSup(i), 0), WANT(CAP_GetIrcutDelay(i), 0),
                       WANT(CAP_GetLaserDistanceInfo(static_cast<unsigned char>(i)), 0)});
    }

    ASSERT_EQ(InitPatch(R"({"PoeSupport": true, "GyroscopeSup": true, "GPSSupport": true,
        "PhotoresistanceSup": true, "WiperSupport": true, "SnifferSupport": true, "EcompassSup": true,
        "AccelerateSup": true, "Reverse": true, "LaserSupport": false})"), 0);
    for (auto pfnFlag : apfnFlags) EXPECT_EQ(pfnFlag(), 1);
    ExpectAnswers({WANT(g_pstPatchCap->bLaserSupport, 0), WANT(CAP_IsLaserSupport(), 0),
                   WANT(CAP_IsEcompasSupport(), 0)});  // the board's e-compass is another fact
}

TEST_F(PatchTest, WrongTypesAndUnknownKeysPassSilently) {
    ASSERT_EQ(InitPatch(R"({"PoeSupport": 1, "GpsSupport": true, "BallSize": 6, "IrcutDelay": 5,
        "LedInfo": [1], "Reverse": "true", "Extra": {"a": 1}, "Laser": ["500m"]})"), 0);
    ExpectAnswers({WANT(CAP_IsPoeSupport(), 0), WANT(CAP_IsGpsSupport(), 0), WANT(CAP_IsReverseSupport(), 0),
                   WANT(CAP_GetBallType(), CAP_BALL_INVALID), WANT(CAP_GetIrcutDelay(0), 0),
                   WANT(CAP_GetLaserInfoNum(), 0)});
    for (const auto &e : log.Entries()) EXPECT_NE(e.fn, "cap_PatchCapInit") << e.raw;

    ASSERT_EQ(InitPatch(R"({"BallSize": "six"})"), 0);
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_SIX);
    ASSERT_EQ(InitPatch(R"({"BallSize": "Eight"})"), 0);
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_INVALID);
    EXPECT_FALSE(log.Contains("cap_MatchBallType"));
}

// The laser count scans leading non-empty slots and alone decides laser
// support.
TEST_F(PatchTest, LaserReachCountsLeadingSlots) {
    ASSERT_EQ(InitPatch(R"({"LaserDistance": ["500m", "1000m"], "LaserSupport": false})"), 0);
    ExpectAnswers({WANT(CAP_GetLaserInfoNum(), 2), WANT(CAP_IsLaserSupport(), 1),
                   WANT(CAP_GetLaserDistanceInfo(1), CAP_LASER_1000M)});
    ASSERT_EQ(InitPatch(R"({"LaserDistance": ["far", "500m", null]})"), 0);
    ExpectAnswers({WANT(CAP_GetLaserInfoNum(), 0), WANT(CAP_IsLaserSupport(), 0),
                   WANT(CAP_GetLaserDistanceInfo(1), CAP_LASER_500M),
                   WANT(CAP_GetLaserDistanceInfo(2), CAP_LASER_NONE)});
    EXPECT_TRUE(log.HasFrom("cap_MatchLaserInfo", kError, "invalid params!\n"));
}

TEST_F(PatchTest, OpticsDefogAndIrcutDelayBoundByFourSlots) {
    ASSERT_EQ(InitPatch(R"({"OpticsDefogSup": [true, false], "IrcutDelay": [100, -5]})"), 0);
    ExpectAnswers({WANT(CAP_IsOpticsDefogSup(0), 1), WANT(CAP_IsOpticsDefogSup(1), 0),
                   WANT(CAP_IsOpticsDefogSup(3), 0), WANT(CAP_GetIrcutDelay(0), 100),
                   WANT(CAP_GetIrcutDelay(1), -5)});
    ExpectRefusals(log, {
        REFUSE("CAP_IsOpticsDefogSup", CAP_IsOpticsDefogSup(4), -1, "para our of range"),
        REFUSE("CAP_GetIrcutDelay", CAP_GetIrcutDelay(-1), -1, "para our of range"),
        REFUSE("CAP_GetLaserDistanceInfo", CAP_GetLaserDistanceInfo(4), -4, "para out of range."),
        REFUSE("CAP_GetLaserDistanceInfo", CAP_GetLaserDistanceInfo(255), -4, "para out of range."),
    });
}

// Arrays longer than four slots keep four with the warning; the fields after
// them keep theirs.
TEST_F(PatchTest, ArraysBeyondFourSlotsStopAtTheirField) {
    ASSERT_EQ(InitPatch(R"({"Reverse": true, "LaserDistance": ["500m", "500m", "500m", "500m", "1000m"],
        "OpticsDefogSup": [true, true, true, true, false, false],
        "IrcutDelay": [1, 2, 3, 4, 5, 6, 7]})"), 0);
    ExpectAnswers({
        WANT(CAP_IsReverseSupport(), 1),  // after the defog flags
        WANT(CAP_GetIrcutDelay(3), 4), WANT(CAP_GetLaserDistanceInfo(0), CAP_LASER_500M),  // after the delays
        WANT(CAP_GetLaserInfoNum(), 4), WANT(CAP_IsOpticsDefogSup(3), 1),
    });
    for (const char *pcText : {"key=IrcutDelay has 7 elements, only 4 kept.\n",
                               "key=OpticsDefogSup has 6 elements, only 4 kept.\n",
                               "key=LaserDistance has 5 elements, only 4 kept.\n"})
        EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn, pcText)) << pcText;
}

// The LED reset of a patch "LedInfo" touches the LED table only.
TEST_F(PatchTest, LedInfoAfterOpticsDefogKeepsTheDefogFlags) {
    ASSERT_EQ(InitPatch(R"({"OpticsDefogSup": [true, false, true], "IrcutDelay": [9],
        "LedInfo": {"LedNum": 1, "LedType": ["irfar"]}})"), 0);
    ExpectAnswers({WANT(CAP_IsOpticsDefogSup(0), 1), WANT(CAP_IsOpticsDefogSup(2), 1),
                   WANT(CAP_GetIrcutDelay(0), 9), WANT(CAP_GetLedNum(), 1),
                   WANT(CAP_GetLedType(0), CAP_LED_IRFAR)});
}

TEST_F(PatchTest, OverridesBoardFacts) {
    product.board = R"({"CVBS": {"Support": true}, "Audio": {"SpeakerSup": true},
                        "Ircut": {"GpioCtl": [[1, 2, 3], [4, 5]]}})";
    ASSERT_EQ(InitPatch(R"({"CvbsSupport": false, "SpeakerSupport": false,
                            "PatchIrcutCtl": [[10, 11], [20]]})"), 0);
    ExpectAnswers({
        WANT(CAP_IsCvbsSupport(), 0), WANT(CAP_IsAudioSpeakerSupport(), 0),
        WANT(CAP_GetIrcutCtlWithGpio(0, 0), 10), WANT(CAP_GetIrcutCtlWithGpio(0, 1), 11),
        WANT(CAP_GetIrcutCtlWithGpio(0, 2), 3),  // the board's value
        WANT(CAP_GetIrcutCtlWithGpio(1, 0), 20), WANT(CAP_GetIrcutCtlWithGpio(1, 1), 5),
        WANT(CAP_GetIrcutCtlWithGpio(2, 0), -1),
    });
    ASSERT_EQ(InitPatch(R"({"CvbsSupport": true, "SpeakerSupport": true})"), 0);
    ExpectAnswers({WANT(CAP_IsCvbsSupport(), 1), WANT(CAP_IsAudioSpeakerSupport(), 1),
                   WANT(CAP_GetIrcutCtlWithGpio(0, 0), 1)});  // no override: the board's
}

// Filters beyond four, GPIOs beyond ten and elements that are not arrays
// write nothing outside the IR-cut table.
TEST_F(PatchTest, PatchIrcutCtlStaysInsideTheTable) {
    ASSERT_EQ(InitPatch(R"({"PatchIrcutCtl": [[0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11], 7, null,
                             [30, 31], [40]]})"), 0);
    for (int j = 0; j < 10; ++j) EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, j), j) << j;
    ExpectAnswers({
        WANT(CAP_GetIrcutCtlWithGpio(1, 0), -1),  // 7 is no array: row 1 kept
        WANT(CAP_GetIrcutCtlWithGpio(2, 0), -1), WANT(CAP_GetIrcutCtlWithGpio(3, 0), 30),
        WANT(CAP_GetIrcutCtlWithGpio(3, 1), 31),
        WANT(g_pstBoardCap->stIrcut.uiIrcutNum, 0),  // the field after the table
    });
    for (const char *pcText : {"key=PatchIrcutCtl element 1 is not an array; it is ignored.\n",
                               "key=PatchIrcutCtl has 12 elements, only 10 kept.\n",
                               "key=PatchIrcutCtl has 5 elements, only 4 kept.\n"})
        EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn, pcText)) << pcText;
}

TEST_F(PatchTest, UnreadablePatchFileFailsBeforeItsReset) {
    EXPECT_EQ(InitPatch("{\"PoeSupport\": tru"), -1);
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kError, "Patch Json is Null."));
    EXPECT_EQ(log.Entries().back().text, "CAP_PatchCapInit return value error.\n");
    ExpectAnswers({WANT(CAP_GetBallType(), 0), WANT(g_pstPatchCap->bLaserSupport, 0)});
}

}  // namespace
