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

TEST_F(PatchTest, EmptyObjectGivesTheDefaults) {
    ASSERT_EQ(InitPatch("{}"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsPoeSupport(), 0);
    EXPECT_EQ(CAP_IsGyroscopeSup(), 0);
    EXPECT_EQ(CAP_IsGpsSupport(), 0);
    EXPECT_EQ(CAP_IsPhotoresistanceSup(), 0);
    EXPECT_EQ(CAP_IsWiperSupport(), 0);
    EXPECT_EQ(CAP_IsSnifferSupport(), 0);
    EXPECT_EQ(CAP_IsEcompassSupport(), 0);
    EXPECT_EQ(CAP_IsAccelerateSupport(), 0);
    EXPECT_EQ(CAP_IsReverseSupport(), 0);
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_INVALID);
    EXPECT_EQ(CAP_GetLaserInfoNum(), 0);
    EXPECT_EQ(CAP_IsLaserSupport(), 0);
    EXPECT_EQ(g_pstPatchCap->bLaserSupport, 1u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CAP_IsOpticsDefogSup(i), 0);
        EXPECT_EQ(CAP_GetIrcutDelay(i), 0);
        EXPECT_EQ(CAP_GetLaserDistanceInfo(static_cast<unsigned char>(i)), 0);
    }
}

TEST_F(PatchTest, EveryFlagTakesOnlyABoolean) {
    ASSERT_EQ(InitPatch(R"({"PoeSupport": true, "GyroscopeSup": true, "GPSSupport": true,
        "PhotoresistanceSup": true, "WiperSupport": true, "SnifferSupport": true, "EcompassSup": true,
        "AccelerateSup": true, "Reverse": true, "LaserSupport": false})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsPoeSupport(), 1);
    EXPECT_EQ(CAP_IsGyroscopeSup(), 1);
    EXPECT_EQ(CAP_IsGpsSupport(), 1);
    EXPECT_EQ(CAP_IsPhotoresistanceSup(), 1);
    EXPECT_EQ(CAP_IsWiperSupport(), 1);
    EXPECT_EQ(CAP_IsSnifferSupport(), 1);
    EXPECT_EQ(CAP_IsEcompassSupport(), 1);
    EXPECT_EQ(CAP_IsAccelerateSupport(), 1);
    EXPECT_EQ(CAP_IsReverseSupport(), 1);
    EXPECT_EQ(g_pstPatchCap->bLaserSupport, 0u);
    EXPECT_EQ(CAP_IsEcompasSupport(), 0);  // the board's e-compass is another fact
}

TEST_F(PatchTest, WrongTypesAndUnknownKeysPassSilently) {
    ASSERT_EQ(InitPatch(R"({"PoeSupport": 1, "GpsSupport": true, "BallSize": 6, "IrcutDelay": 5,
        "LedInfo": [1], "Reverse": "true", "Extra": {"a": 1}, "Laser": ["500m"]})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsPoeSupport(), 0);
    EXPECT_EQ(CAP_IsGpsSupport(), 0);
    EXPECT_EQ(CAP_IsReverseSupport(), 0);
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_INVALID);
    EXPECT_EQ(CAP_GetIrcutDelay(0), 0);
    EXPECT_EQ(CAP_GetLaserInfoNum(), 0);
    for (const auto &e : log.Entries()) EXPECT_NE(e.fn, "cap_PatchCapInit") << e.raw;
}

TEST_F(PatchTest, BallSize) {
    ASSERT_EQ(InitPatch(R"({"BallSize": "six"})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_SIX);
    ASSERT_EQ(InitPatch(R"({"BallSize": "Eight"})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetBallType(), CAP_BALL_INVALID);
    EXPECT_FALSE(log.Contains("cap_MatchBallType")) << log.Dump();
}

TEST_F(PatchTest, LaserReachCountsLeadingSlots) {
    ASSERT_EQ(InitPatch(R"({"LaserDistance": ["500m", "1000m"], "LaserSupport": false})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLaserInfoNum(), 2);
    EXPECT_EQ(CAP_IsLaserSupport(), 1);
    EXPECT_EQ(CAP_GetLaserDistanceInfo(1), CAP_LASER_1000M);

    ASSERT_EQ(InitPatch(R"({"LaserDistance": ["far", "500m", null]})"), 0) << log.Dump();
    EXPECT_EQ(CAP_GetLaserInfoNum(), 0);
    EXPECT_EQ(CAP_IsLaserSupport(), 0);
    EXPECT_EQ(CAP_GetLaserDistanceInfo(1), CAP_LASER_500M);
    EXPECT_EQ(CAP_GetLaserDistanceInfo(2), CAP_LASER_NONE);
    EXPECT_TRUE(log.HasFrom("cap_MatchLaserInfo", kError, "invalid params!\n")) << log.Dump();

    log.Clear();
    EXPECT_EQ(CAP_GetLaserDistanceInfo(4), -4);
    EXPECT_TRUE(log.HasFrom("CAP_GetLaserDistanceInfo", kError, "para out of range.")) << log.Dump();
    EXPECT_EQ(CAP_GetLaserDistanceInfo(255), -4);
}

TEST_F(PatchTest, OpticsDefogAndIrcutDelayBoundByFourSlots) {
    ASSERT_EQ(InitPatch(R"({"OpticsDefogSup": [true, false], "IrcutDelay": [100, -5]})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsOpticsDefogSup(0), 1);
    for (int i = 1; i < 4; ++i) EXPECT_EQ(CAP_IsOpticsDefogSup(i), 0);
    EXPECT_EQ(CAP_GetIrcutDelay(0), 100);
    EXPECT_EQ(CAP_GetIrcutDelay(1), -5);
    log.Clear();
    EXPECT_EQ(CAP_IsOpticsDefogSup(4), -1);
    EXPECT_TRUE(log.HasFrom("CAP_IsOpticsDefogSup", kError, "para our of range")) << log.Dump();
    EXPECT_EQ(CAP_GetIrcutDelay(-1), -1);
    EXPECT_TRUE(log.HasFrom("CAP_GetIrcutDelay", kError, "para our of range")) << log.Dump();
}

// Arrays longer than four slots keep four; the fields after them keep theirs.
TEST_F(PatchTest, ArraysBeyondFourSlotsStopAtTheirField) {
    ASSERT_EQ(InitPatch(R"({"Reverse": true, "LaserDistance": ["500m", "500m", "500m", "500m", "1000m"],
        "OpticsDefogSup": [true, true, true, true, false, false],
        "IrcutDelay": [1, 2, 3, 4, 5, 6, 7]})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsReverseSupport(), 1);  // after the defog flags
    EXPECT_EQ(CAP_GetIrcutDelay(3), 4);
    EXPECT_EQ(CAP_GetLaserDistanceInfo(0), CAP_LASER_500M);  // after the delays
    EXPECT_EQ(CAP_GetLaserInfoNum(), 4);
    EXPECT_EQ(CAP_IsOpticsDefogSup(3), 1);
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn,
                            "key=IrcutDelay has 7 elements, only 4 kept.\n")) << log.Dump();
}

// The LED reset of a patch "LedInfo" touches the LED table only.
TEST_F(PatchTest, LedInfoAfterOpticsDefogKeepsTheDefogFlags) {
    ASSERT_EQ(InitPatch(R"({"OpticsDefogSup": [true, false, true], "IrcutDelay": [9],
        "LedInfo": {"LedNum": 1, "LedType": ["irfar"]}})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsOpticsDefogSup(0), 1);
    EXPECT_EQ(CAP_IsOpticsDefogSup(2), 1);
    EXPECT_EQ(CAP_GetIrcutDelay(0), 9);
    EXPECT_EQ(CAP_GetLedNum(), 1);
    EXPECT_EQ(CAP_GetLedType(0), CAP_LED_IRFAR);
}

TEST_F(PatchTest, OverridesBoardFacts) {
    product.board = R"({"CVBS": {"Support": true}, "Audio": {"SpeakerSup": true},
                        "Ircut": {"GpioCtl": [[1, 2, 3], [4, 5]]}})";
    ASSERT_EQ(InitPatch(R"({"CvbsSupport": false, "SpeakerSupport": false,
                            "PatchIrcutCtl": [[10, 11], [20]]})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsCvbsSupport(), 0);
    EXPECT_EQ(CAP_IsAudioSpeakerSupport(), 0);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, 0), 10);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, 1), 11);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, 2), 3);  // the board's value
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 0), 20);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 1), 5);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(2, 0), -1);

    ASSERT_EQ(InitPatch(R"({"CvbsSupport": true, "SpeakerSupport": true})"), 0) << log.Dump();
    EXPECT_EQ(CAP_IsCvbsSupport(), 1);
    EXPECT_EQ(CAP_IsAudioSpeakerSupport(), 1);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, 0), 1);  // no override: the board's
}

// Filters beyond four, GPIOs beyond ten and elements that are not arrays
// write nothing outside the IR-cut table.
TEST_F(PatchTest, PatchIrcutCtlStaysInsideTheTable) {
    ASSERT_EQ(InitPatch(R"({"PatchIrcutCtl": [[0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11], 7, null,
                             [30, 31], [40]]})"), 0) << log.Dump();
    for (int j = 0; j < 10; ++j) EXPECT_EQ(CAP_GetIrcutCtlWithGpio(0, j), j) << j;
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(1, 0), -1);  // 7 is no array: row 1 kept
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(2, 0), -1);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(3, 0), 30);
    EXPECT_EQ(CAP_GetIrcutCtlWithGpio(3, 1), 31);
    EXPECT_EQ(g_pstBoardCap->stIrcut.uiIrcutNum, 0u);  // the field after the table
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn,
                            "key=PatchIrcutCtl element 1 is not an array; it is ignored.\n")) << log.Dump();
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn,
                            "key=PatchIrcutCtl has 12 elements, only 10 kept.\n"));
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kWarn,
                            "key=PatchIrcutCtl has 5 elements, only 4 kept.\n"));
}

TEST_F(PatchTest, UnreadablePatchFileFailsBeforeItsReset) {
    EXPECT_EQ(InitPatch("{\"PoeSupport\": tru"), -1);
    EXPECT_TRUE(log.HasFrom("cap_PatchCapInit", kError, "Patch Json is Null.")) << log.Dump();
    EXPECT_EQ(log.Entries().back().text, "CAP_PatchCapInit return value error.\n");
    EXPECT_EQ(CAP_GetBallType(), 0);
    EXPECT_EQ(g_pstPatchCap->bLaserSupport, 0u);
}

}  // namespace
