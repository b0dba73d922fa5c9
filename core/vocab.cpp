// Sensor and lens matchers: the words of core/vocab.h to the numbers stored
// in the record.
#include "core/vocab.h"

#include "core/core.h"
#include "platform/log.h"

SensorType cap_MatchSensorType(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kSensorVocab>(CAP_HERE, pcVal);
}

LensType cap_MatchLensType(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kLensVocab>(CAP_HERE, pcVal);
}

FixDistance cap_MatchFixDistance(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kFixDistanceVocab>(CAP_HERE, pcVal);
}
