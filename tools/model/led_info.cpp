// "LedInfo": the supplementary lights. Said once; the index, the board file
// and the patch file each take it (see their "LedInfo" keys), and the last
// one read replaces the others whole.
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

constexpr Value kLedTypeElem = WordOf(kLedType, DEVCAP_FIELD(stPatchCap.stLedInfo.aeLedType));
constexpr Value kLedCtlElem = WordOf(kLedHardCtl, DEVCAP_FIELD(stPatchCap.stLedInfo.aeLedHardCtl));
constexpr Value kGpioElem = GpioLine<int>(DEVCAP_FIELD(stPatchCap.stLedInfo.aiLedGpioCtl));
constexpr Value kFreqElem = Number<int>(DEVCAP_FIELD(stPatchCap.stLedInfo.aiLedFreq));
// Element i's pair lands in slot i: the first end in iRangeMin, the second in iRangeMax.
constexpr Value kRangeEnds[] = {
    Number<int>(DEVCAP_FIELD(stPatchCap.stLedInfo.astLedRange[0].iRangeMin)),
    Number<int>(DEVCAP_FIELD(stPatchCap.stLedInfo.astLedRange[0].iRangeMax)),
};
// An element that is not an array reads as the pair 0, 0; a missing end as 0.
constexpr Value kRangeElem = Tuple(kRangeEnds, 2, Excess::kDropped, Mismatch::kConverted);

constexpr Key kLedKeys[] = {
    {"LedNum", Number<unsigned short>(DEVCAP_FIELD(stPatchCap.stLedInfo.usLedNum)), nullptr,
     Need::kOptional, Is(0),
     "Number of lights, handed to applications as it is; while it is 0 the board file's "
     "\"LedInfo\" is read after the index's."},
    {"EnableNearMiddleFar", Number<unsigned short>(DEVCAP_FIELD(stPatchCap.stLedInfo.usEnableNearMidFar)),
     nullptr, Need::kOptional, Is(0),
     "Which of the near, middle and far lights may be used: bit 2 near, bit 1 middle, bit 0 far "
     "(7 all three)."},
    {"LedType",
     Slots(kLedTypeElem, DEVCAP_FIELD(stPatchCap.stLedInfo.aeLedType), CAP_LED_SLOTS), nullptr,
     Need::kOptional, Is(CAP_LED_INVALID), "Kind of each light, one word per light."},
    {"LedGpioCtl",
     Slots(kGpioElem, DEVCAP_FIELD(stPatchCap.stLedInfo.aiLedGpioCtl), CAP_LED_SLOTS), nullptr,
     Need::kOptional, Is(-1), "GPIO line that switches each light; -1 for none."},
    {"LedHardCtl",
     Slots(kLedCtlElem, DEVCAP_FIELD(stPatchCap.stLedInfo.aeLedHardCtl), CAP_LED_SLOTS), nullptr,
     Need::kOptional, Is(CAP_LEDCTL_PWM),
     "How each light is driven; a word that is none of these drives it by PWM."},
    {"LedRange",
     Slots(kRangeElem, DEVCAP_FIELD(stPatchCap.stLedInfo.astLedRange), CAP_LED_SLOTS), nullptr,
     Need::kOptional, Is(0),
     "Working range of each light as a [min, max] pair, handed to applications as it is; a "
     "pair whose max is 0 marks an empty slot."},
    {"LedFreq", Slots(kFreqElem, DEVCAP_FIELD(stPatchCap.stLedInfo.aiLedFreq), CAP_LED_SLOTS), nullptr,
     Need::kOptional, Is(0),
     "Drive frequency of each light, handed to the light driver as it is (the examples give "
     "PWM frequencies in hertz)."},
};

}  // namespace

constexpr Object kLedInfoObject = MakeObject(
    "LedInfo", kLedKeys, UnknownReport{kArray, kArray},
    "Supplementary lights (white and infrared LEDs): slot i of each array describes light i. "
    "The index, the board file and the patch file may each give it; the last one read replaces "
    "the others whole.",
    nullptr, Object::Replace::kWithDefaults);

}  // namespace devcap_tool::model
