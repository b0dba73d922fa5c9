// cap_patch.json: what sets one product apart from the others on its board.
// Read last: its "LedInfo" replaces any earlier one, and three keys replace
// what the board file said.
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

constexpr Value kDefogElem = Flag(DEVCAP_FIELD(stPatchCap.abOpticsDefogSup));
constexpr Value kDelayElem = Number<int>(DEVCAP_FIELD(stPatchCap.aiIrcutDelay));
constexpr Value kLaserElem = WordOf(kLaser, DEVCAP_FIELD(stPatchCap.aeLaserDistance));
constexpr Value kIrcutGpio = GpioLine<int>(DEVCAP_FIELD(stBoardCap.stIrcut.aaiIrcutGpioCtl));
constexpr Value kIrcutRow =
    Slots(kIrcutGpio, DEVCAP_FIELD(stBoardCap.stIrcut.aaiIrcutGpioCtl), CAP_IRCUT_GPIOS);

constexpr Key kPatchKeys[] = {
    {"PoeSupport", Flag(DEVCAP_FIELD(stPatchCap.bPoeSupport)), nullptr, Need::kOptional, Is(0),
     "Powered over Ethernet."},
    {"GyroscopeSup", Flag(DEVCAP_FIELD(stPatchCap.bGyroscopeSup)), nullptr, Need::kOptional, Is(0),
     "A gyroscope is fitted."},
    {"GPSSupport", Flag(DEVCAP_FIELD(stPatchCap.bGpsSupport)), nullptr, Need::kOptional, Is(0),
     "A GPS receiver is fitted."},
    {"PhotoresistanceSup", Flag(DEVCAP_FIELD(stPatchCap.bPhotoresistanceSup)), nullptr,
     Need::kOptional, Is(0), "A light sensor (photoresistor) is fitted."},
    {"WiperSupport", Flag(DEVCAP_FIELD(stPatchCap.bWiperSupport)), nullptr, Need::kOptional, Is(0),
     "A wiper is fitted."},
    {"SnifferSupport", Flag(DEVCAP_FIELD(stPatchCap.bSnifferSupport)), nullptr, Need::kOptional,
     Is(0), "The Wi-Fi module is fitted (the answer applications get; the board file's "
                "\"Sniffer\" says how it is attached)."},
    {"EcompassSup", Flag(DEVCAP_FIELD(stPatchCap.bEcompassSup)), nullptr, Need::kOptional, Is(0),
     "An e-compass is fitted (the patch file's answer; the board file's \"Ecompass\" has its own)."},
    {"AccelerateSup", Flag(DEVCAP_FIELD(stPatchCap.bAccelerateSup)), nullptr, Need::kOptional, Is(0),
     "An accelerometer is fitted (the answer applications get)."},
    {"Reverse", Flag(DEVCAP_FIELD(stPatchCap.bReverse)), nullptr, Need::kOptional, Is(0),
     "The camera is mounted the other way round."},
    {"LaserSupport", Flag(DEVCAP_FIELD(stPatchCap.bLaserSupport)), nullptr, Need::kOptional, Is(1),
     "Laser flag of the record; applications learn of lasers from \"LaserDistance\"."},
    {"CvbsSupport", Flag(DEVCAP_FIELD(stBoardCap.stCvbs.bCvbsSupport)), nullptr, Need::kOptional,
     Said("the board file's CVBS \"Support\""),
     "The CVBS output is fitted on this product; replaces the board file's CVBS \"Support\"."},
    {"SpeakerSupport", Flag(DEVCAP_FIELD(stBoardCap.stAudio.bSpeakerSup)), nullptr, Need::kOptional,
     Said("the board file's Audio \"SpeakerSup\""),
     "A speaker is fitted on this product; replaces the board file's Audio \"SpeakerSup\"."},
    {"BallSize", WordOf(kBallType, DEVCAP_FIELD(stPatchCap.eBallType)), nullptr, Need::kOptional,
     Is(CAP_BALL_INVALID), "Size of the ball housing."},
    {"OpticsDefogSup", Slots(kDefogElem, DEVCAP_FIELD(stPatchCap.abOpticsDefogSup), CAP_PATCH_SLOTS),
     nullptr, Need::kOptional, Is(0), "Optical defog of each channel, one boolean per channel."},
    {"IrcutDelay", Slots(kDelayElem, DEVCAP_FIELD(stPatchCap.aiIrcutDelay), CAP_PATCH_SLOTS), nullptr,
     Need::kOptional, Is(0),
     "Switching delay of each IR-cut filter, handed to the filter driver as it is."},
    {"LaserDistance", Slots(kLaserElem, DEVCAP_FIELD(stPatchCap.aeLaserDistance), CAP_PATCH_SLOTS),
     nullptr, Need::kOptional, Is(CAP_LASER_NONE),
     "Reach of each laser, in metres; the lasers are counted up to the first slot without a "
     "reach."},
    {"PatchIrcutCtl",
     Slots(kIrcutRow, DEVCAP_FIELD(stBoardCap.stIrcut.aaiIrcutGpioCtl), CAP_IRCUT_SLOTS,
           Excess::kWarnDropped, Mismatch::kWarned),
     nullptr, Need::kOptional, Said("the board file's Ircut \"GpioCtl\""),
     "Control GPIO lines of each IR-cut filter, one array per filter; replaces the board file's "
     "lines slot by slot."},
    {"LedInfo", ObjectOf(kLedInfoObject), nullptr, Need::kOptional,
     Said("the index's or the board file's"),
     "Supplementary lights of this product; replaces any \"LedInfo\" read before."},
};

}  // namespace

constexpr Object kPatchObject = MakeObject(
    "patch", kPatchKeys, UnknownReport{0, 0},
    "What sets one product apart from the others on its board; one per product folder.");

}  // namespace devcap_tool::model
