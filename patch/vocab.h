// Patch vocabulary: ball housing sizes, LED kinds, LED drive kinds and laser
// reaches, as the patch file and the "LedInfo" object spell them. The one
// copy of these words: the patch matchers match with them, the tool documents
// and checks with them.
#pragma once

#include "devcap.h"
#include "platform/words.h"

namespace cap {

inline constexpr Word<BallType, sizeof("eight")> kBallWords[] = {
    {"eight", CAP_BALL_EIGHT}, {"six", CAP_BALL_SIX}, {"seven", CAP_BALL_SEVEN},
};

// 0, 2, 3, 12, 13, 17, 18 and 21 have no word.
inline constexpr Word<LedType, sizeof("alert_whitenear")> kLedWords[] = {
    {"gpioled", CAP_LED_GPIOLED},     {"whitenear", CAP_LED_WHITENEAR},
    {"whitemid", CAP_LED_WHITEMID},   {"whitefar", CAP_LED_WHITEFAR},
    {"irnear", CAP_LED_IRNEAR},       {"irmid", CAP_LED_IRMID},
    {"irfar", CAP_LED_IRFAR},         {"softnear", CAP_LED_SOFTNEAR},
    {"mix", CAP_LED_MIX},             {"const", CAP_LED_CONST},
    {"sun_fli", CAP_LED_SUN_FLI},     {"fre_fli", CAP_LED_FRE_FLI},
    {"l6d30bw", CAP_LED_L6D30BW},     {"itwld2", CAP_LED_ITWLD2},
    {"alert", CAP_LED_ALERT},         {"alert_whitenear", CAP_LED_ALERT_WHITENEAR},
};

inline constexpr Word<LedHardCtlType, sizeof("gpio")> kLedCtlWords[] = {
    {"gpio", CAP_LEDCTL_GPIO}, {"pwm", CAP_LEDCTL_PWM},
    {"485", CAP_LEDCTL_485},   {"i2c", CAP_LEDCTL_I2C},
};

inline constexpr Word<LaserDistance, sizeof("1000m")> kLaserWords[] = {
    {"500m", CAP_LASER_500M}, {"1000m", CAP_LASER_1000M},
};

inline constexpr Vocabulary kBallVocab{kBallWords, CAP_BALL_INVALID, CAP_BALL_INVALID,
                                       Unknown::kSilent};
inline constexpr Vocabulary kLedVocab{kLedWords, CAP_LED_INVALID, CAP_LED_INVALID, Unknown::kSilent};
// Any unknown drive text means "pwm"; the invalid member only stands for no text.
inline constexpr Vocabulary kLedCtlVocab{kLedCtlWords, CAP_LEDCTL_INVALID, CAP_LEDCTL_PWM,
                                         Unknown::kLog};
inline constexpr Vocabulary kLaserVocab{kLaserWords, CAP_LASER_NONE, CAP_LASER_NONE,
                                        Unknown::kSilent};

static_assert(Find(kLedWords, "mix")->Val() == 11);
static_assert(Find(kLedWords, "Mix") == nullptr);

}  // namespace cap
