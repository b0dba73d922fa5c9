// cap_lens.json: the field of view of a lens.
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

constexpr Key kLensKeys[] = {
    {"FovAngle", Decimal(DEVCAP_FIELD(stLensCap.adFovAngle)), nullptr, Need::kOptional, Is(0),
     "Field of view in degrees, written with a fraction (90.0, not 90)."},
};

}  // namespace

constexpr Object kLensObject = MakeObject(
    "lens", kLensKeys, UnknownReport{kDouble, 0},
    "One per lens model, shared by every product with that lens. Whether the lens zooms and "
    "focuses follows from its type (the lens word of the index).");

}  // namespace devcap_tool::model
