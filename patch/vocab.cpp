// Patch vocabulary: ball housing sizes, LED kinds, LED drive kinds and laser
// reaches, from the words of the patch file and the "LedInfo" object.
#include "patch/patch.h"
#include "platform/words.h"

namespace {

using cap::Unknown;
using cap::Word;

constexpr Word<BallType, 6> kBallWords[] = {
    {"eight", CAP_BALL_EIGHT}, {"six", CAP_BALL_SIX}, {"seven", CAP_BALL_SEVEN},
};

// 0, 2, 3, 12, 13, 17, 18 and 21 have no word.
constexpr Word<LedType, 16> kLedWords[] = {
    {"gpioled", CAP_LED_GPIOLED},     {"whitenear", CAP_LED_WHITENEAR},
    {"whitemid", CAP_LED_WHITEMID},   {"whitefar", CAP_LED_WHITEFAR},
    {"irnear", CAP_LED_IRNEAR},       {"irmid", CAP_LED_IRMID},
    {"irfar", CAP_LED_IRFAR},         {"softnear", CAP_LED_SOFTNEAR},
    {"mix", CAP_LED_MIX},             {"const", CAP_LED_CONST},
    {"sun_fli", CAP_LED_SUN_FLI},     {"fre_fli", CAP_LED_FRE_FLI},
    {"l6d30bw", CAP_LED_L6D30BW},     {"itwld2", CAP_LED_ITWLD2},
    {"alert", CAP_LED_ALERT},         {"alert_whitenear", CAP_LED_ALERT_WHITENEAR},
};

constexpr Word<LedHardCtlType, 5> kLedCtlWords[] = {
    {"gpio", CAP_LEDCTL_GPIO}, {"pwm", CAP_LEDCTL_PWM},
    {"485", CAP_LEDCTL_485},   {"i2c", CAP_LEDCTL_I2C},
};

constexpr Word<LaserDistance, 6> kLaserWords[] = {
    {"500m", CAP_LASER_500M}, {"1000m", CAP_LASER_1000M},
};

static_assert(cap::FindWord(kLedWords, "mix")->Val() == 11);
static_assert(cap::FindWord(kLedWords, "Mix") == nullptr);

}  // namespace

BallType cap_MatchBallType(const char *pcVal) {
    return cap::MatchWord<"cap_MatchBallType param is null!\n", "", Unknown::kSilent>(
        CAP_HERE, kBallWords, pcVal, BallType{CAP_BALL_INVALID}, BallType{CAP_BALL_INVALID});
}

LedType cap_MatchLedType(const char *pcVal) {
    return cap::MatchWord<"invalid params!\n", "", Unknown::kSilent>(
        CAP_HERE, kLedWords, pcVal, LedType{CAP_LED_INVALID}, LedType{CAP_LED_INVALID});
}

// Any unknown drive text means "pwm"; the invalid member only stands for no text.
LedHardCtlType cap_MatchLedCtl(const char *pcVal) {
    return cap::MatchWord<"cap_MatchLedCtl para is null ptr!\n",
                          "cap_MatchLedCtl para is invalid:pcVal=%s\n", Unknown::kLog>(
        CAP_HERE, kLedCtlWords, pcVal, LedHardCtlType{CAP_LEDCTL_INVALID},
        LedHardCtlType{CAP_LEDCTL_PWM});
}

LaserDistance cap_MatchLaserInfo(const char *pcVal) {
    return cap::MatchWord<"invalid params!\n", "", Unknown::kSilent>(
        CAP_HERE, kLaserWords, pcVal, LaserDistance{CAP_LASER_NONE},
        LaserDistance{CAP_LASER_NONE});
}

extern "C" DEVCAP_API LedType CAP_MatchLedType(const char *pcVal) { return cap_MatchLedType(pcVal); }
