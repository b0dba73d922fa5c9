// The patch vocabularies: every word of each matcher, exact and
// case-sensitive, and the messages for a null or an unrecognised text.
#include "fixture.h"
#include "patch/patch.h"
#include "patch/vocab.h"
#include "sensor/sensor.h"

using namespace devcap_test;

namespace {

class PatchVocabTest : public CapTest {};

// Every word of the patch vocabularies, exact and case-sensitive; a miss is
// silent (the LED drive reports it and means pwm); no text gives the invalid
// member with the matcher's error.
TEST_F(PatchVocabTest, VocabularyWords) {
    ExpectAnswers({
        WANT(cap_MatchBallType("eight"), CAP_BALL_EIGHT), WANT(cap_MatchBallType("six"), CAP_BALL_SIX),
        WANT(cap_MatchBallType("seven"), CAP_BALL_SEVEN), WANT(cap_MatchBallType("Six"), CAP_BALL_INVALID),
        WANT(cap_MatchBallType(""), CAP_BALL_INVALID), WANT(cap_MatchLedType("whitenear "), 24),
        WANT(cap_MatchLedType("alert_white"), 24), WANT(cap_MatchLedCtl("gpio"), CAP_LEDCTL_GPIO),
        WANT(cap_MatchLedCtl("pwm"), CAP_LEDCTL_PWM), WANT(cap_MatchLedCtl("485"), CAP_LEDCTL_485),
        WANT(cap_MatchLedCtl("i2c"), CAP_LEDCTL_I2C), WANT(cap_MatchLaserInfo("500m"), CAP_LASER_500M),
        WANT(cap_MatchLaserInfo("1000m"), CAP_LASER_1000M), WANT(cap_MatchLaserInfo("1000"), CAP_LASER_NONE),
    });
    for (const auto &w : cap::kLedWords) EXPECT_EQ(cap_MatchLedType(w.acText), w.ucVal) << w.acText;
    ExpectAnswers({WANT(cap_MatchLedType("gpioled"), 1), WANT(cap_MatchLedType("mix"), 11),
                   WANT(cap_MatchLedType("const"), 14), WANT(cap_MatchLedType("alert_whitenear"), 23)});
    EXPECT_EQ(log.Size(), 0u);
    ExpectRefusals(log, {
        REFUSE("cap_MatchBallType", cap_MatchBallType(nullptr), CAP_BALL_INVALID, "cap_MatchBallType param is null!\n"),
        REFUSE("cap_MatchLedType", cap_MatchLedType(nullptr), 24, "invalid params!\n"),
        REFUSE("cap_MatchLedCtl", cap_MatchLedCtl(nullptr), CAP_LEDCTL_INVALID, "cap_MatchLedCtl para is null ptr!\n"),
        REFUSE("cap_MatchLaserInfo", cap_MatchLaserInfo(nullptr), CAP_LASER_NONE, "invalid params!\n"),
    });
    log.Clear();
    EXPECT_EQ(cap_MatchLedCtl("Gpio"), CAP_LEDCTL_PWM);
    EXPECT_TRUE(log.HasFrom("cap_MatchLedCtl", kInfo, "cap_MatchLedCtl para is invalid:pcVal=Gpio\n"));
}

}  // namespace
