// The focus kind of each lens type: whether the lens zooms and focuses,
// focuses only, is fixed, or neither. One byte per lens type, in the order of
// LensType; a type past the table (the invalid one) has none.
#pragma once

#include "devcap.h"

namespace cap {

inline constexpr unsigned char kFocusOfLens[CAP_LENS_INVALID] = {
    CAP_FOCUS_ZOOM_FOCUS,  // union_t5183
    CAP_FOCUS_ZOOM_FOCUS,  // muxia_35x
    CAP_FOCUS_FOCUS_ONLY,  // user
    CAP_FOCUS_ZOOM_FOCUS,  // yt3010
    CAP_FOCUS_ZOOM_FOCUS,  // hd0271
    CAP_FOCUS_FIXED,       // fixed
    CAP_FOCUS_ZOOM_FOCUS,  // 25x_f028
    CAP_FOCUS_NONE,        // 24x_f063
    CAP_FOCUS_ZOOM_FOCUS,  // yt50011
    CAP_FOCUS_ZOOM_FOCUS,  // 28x_f147x
    CAP_FOCUS_ZOOM_FOCUS,  // 32x_f127x
    CAP_FOCUS_ZOOM_FOCUS,  // yt30031
    CAP_FOCUS_ZOOM_FOCUS,  // yt30021
    CAP_FOCUS_ZOOM_FOCUS,  // union_t5097
    CAP_FOCUS_ZOOM_FOCUS,  // union_t5291
    CAP_FOCUS_ZOOM_FOCUS,  // df033
    CAP_FOCUS_NONE,        // yt10093
    CAP_FOCUS_NONE,        // yt10112
    CAP_FOCUS_NONE,        // yt10069
    CAP_FOCUS_NONE,        // yt10068
    CAP_FOCUS_ZOOM_FOCUS,  // union_t5188
    CAP_FOCUS_ZOOM_FOCUS,  // f130x
    CAP_FOCUS_ZOOM_FOCUS,  // union_t5215
    CAP_FOCUS_ZOOM_FOCUS,  // f139
    CAP_FOCUS_ZOOM_FOCUS,  // yt30033
    CAP_FOCUS_ZOOM_FOCUS,  // fg20060
};

constexpr FocusType FocusOf(LensType enType) {
    return enType < CAP_LENS_INVALID ? FocusType{kFocusOfLens[enType]} : FocusType{CAP_FOCUS_NONE};
}

static_assert(FocusOf(CAP_LENS_USER) == CAP_FOCUS_FOCUS_ONLY);
static_assert(FocusOf(CAP_LENS_24X_F063) == CAP_FOCUS_NONE);
static_assert(FocusOf(CAP_LENS_YT10068) == CAP_FOCUS_NONE);
static_assert(FocusOf(CAP_LENS_UNION_T5188) == CAP_FOCUS_ZOOM_FOCUS);
static_assert(FocusOf(CAP_LENS_INVALID) == CAP_FOCUS_NONE);

}  // namespace cap
