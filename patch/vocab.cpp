// Patch matchers: each is one use of cap::Match with its own messages over a
// vocabulary of patch/vocab.h.
#include "patch/vocab.h"

#include "patch/patch.h"

BallType cap_MatchBallType(const char *pcVal) {
    return cap::Match<"cap_MatchBallType param is null!\n", "", cap::kBallVocab>(CAP_HERE, pcVal);
}

LedType cap_MatchLedType(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kLedVocab>(CAP_HERE, pcVal);
}

LedHardCtlType cap_MatchLedCtl(const char *pcVal) {
    return cap::Match<"cap_MatchLedCtl para is null ptr!\n", "cap_MatchLedCtl para is invalid:pcVal=%s\n",
                      cap::kLedCtlVocab>(CAP_HERE, pcVal);
}

LaserDistance cap_MatchLaserInfo(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kLaserVocab>(CAP_HERE, pcVal);
}

extern "C" DEVCAP_API LedType CAP_MatchLedType(const char *pcVal) { return cap_MatchLedType(pcVal); }
