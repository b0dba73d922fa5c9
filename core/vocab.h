// Sensor and lens vocabulary: the model words of the hardware index and the
// numbers stored for them in the record. The one copy of these words: the
// library matches with them, the tool documents and checks with them.
#pragma once

#include "devcap.h"
#include "platform/words.h"

namespace cap {

inline constexpr Word<SensorType, sizeof("os08a10")> kSensorWords[] = {
    {"imx385", CAP_SENSOR_IMX385},   {"imx185", CAP_SENSOR_IMX185},
    {"imx327", CAP_SENSOR_IMX327},   {"imx335", CAP_SENSOR_IMX335},
    {"os08a10", CAP_SENSOR_OS08A10}, {"os02c10", CAP_SENSOR_OS02C10},
    {"sc4210", CAP_SENSOR_SC4210},   {"imx334", CAP_SENSOR_IMX334},
    {"sc2210", CAP_SENSOR_SC2210},   {"sc4238", CAP_SENSOR_SC4238},
    {"imx307", CAP_SENSOR_IMX307},   {"imx265", CAP_SENSOR_IMX265},
    {"imx305", CAP_SENSOR_IMX305},   {"os04a10", CAP_SENSOR_OS04A10},
    {"sc200ai", CAP_SENSOR_SC200AI}, {"sc500ai", CAP_SENSOR_SC500AI},
    {"gc2053", CAP_SENSOR_GC2053},   {"imx485", CAP_SENSOR_IMX485},
};

inline constexpr Word<LensType, sizeof("union_t5183")> kLensWords[] = {
    {"union_t5183", CAP_LENS_UNION_T5183}, {"muxia_35x", CAP_LENS_MUXIA_35X},
    {"user", CAP_LENS_USER},               {"yt3010", CAP_LENS_YT3010},
    {"hd0271", CAP_LENS_HD0271},           {"fixed", CAP_LENS_FIXED},
    {"25x_f028", CAP_LENS_25X_F028},       {"24x_f063", CAP_LENS_24X_F063},
    {"yt50011", CAP_LENS_YT50011},         {"28x_f147x", CAP_LENS_28X_F147X},
    {"32x_f127x", CAP_LENS_32X_F127X},     {"yt30031", CAP_LENS_YT30031},
    {"yt30021", CAP_LENS_YT30021},         {"union_t5097", CAP_LENS_UNION_T5097},
    {"union_t5291", CAP_LENS_UNION_T5291}, {"df033", CAP_LENS_DF033},
    {"yt10093", CAP_LENS_YT10093},         {"yt10112", CAP_LENS_YT10112},
    {"yt10069", CAP_LENS_YT10069},         {"yt10068", CAP_LENS_YT10068},
    {"union_t5188", CAP_LENS_UNION_T5188}, {"f130x", CAP_LENS_F130X},
    {"union_t5215", CAP_LENS_UNION_T5215}, {"f139", CAP_LENS_F139},
    {"yt30033", CAP_LENS_YT30033},         {"fg20060", CAP_LENS_FG20060},
};

// No member for 4 mm: such a lens is not a fixed-distance choice.
inline constexpr Word<FixDistance, sizeof("3.6mm")> kFixDistanceWords[] = {
    {"2.8mm", CAP_FIX_2_8MM}, {"3.6mm", CAP_FIX_3_6MM}, {"6mm", CAP_FIX_6MM},
    {"8mm", CAP_FIX_8MM},     {"12mm", CAP_FIX_12MM},   {"box", CAP_FIX_BOX},
};

// Unknown words are silent; no word at all is logged by the matcher.
inline constexpr Vocabulary kSensorVocab{kSensorWords, CAP_SENSOR_INVALID, CAP_SENSOR_INVALID,
                                         Unknown::kSilent};
inline constexpr Vocabulary kLensVocab{kLensWords, CAP_LENS_INVALID, CAP_LENS_INVALID,
                                       Unknown::kSilent};
inline constexpr Vocabulary kFixDistanceVocab{kFixDistanceWords, CAP_FIX_INVALID, CAP_FIX_INVALID,
                                              Unknown::kSilent};

static_assert(Find(kSensorWords, "imx307")->Val() == 10);
static_assert(Find(kSensorWords, "imx485")->Val() == 18);
static_assert(Find(kLensWords, "fixed")->Val() == 5);
static_assert(Find(kLensWords, "fg20060")->Val() == 25);
static_assert(Find(kFixDistanceWords, "4mm") == nullptr);

}  // namespace cap
