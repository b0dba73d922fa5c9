// hardwareindex.json: which board, sensors and lenses a product has.
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

// "lens" as an array: a fixed lens.
constexpr Value kFixedLens[] = {
    NamedWord(kLensType, DEVCAP_FIELD(stLensCap.aeLensType), DEVCAP_FIELD(stLensCap.aacLensName)),
    NamedWord(kFixDistance, DEVCAP_FIELD(stLensCap.aeFixDistance),
              DEVCAP_FIELD(stLensCap.aacFixDistanceName)),
    NamedWord(kLensType, DEVCAP_FIELD(stLensCap.aeLensType), DEVCAP_FIELD(stLensCap.aacLensName2)),
};
constexpr Value kFixedLensArray = Tuple(kFixedLens, 2, Excess::kOptionalDropped);

constexpr Key kChannelKeys[] = {
    {"sensor",
     NamedWord(kSensorType, DEVCAP_FIELD(stSensorCap.aeSensorType), DEVCAP_FIELD(stSensorCap.aacSensorName)),
     nullptr, Need::kForStartup, Said("no sensor: start-up stops"),
     "Sensor model of the channel; also the folder of its file, usr/bin/hardware/sensor/SENSOR/."},
    {"lens",
     NamedWord(kLensType, DEVCAP_FIELD(stLensCap.aeLensType), DEVCAP_FIELD(stLensCap.aacLensName)),
     &kFixedLensArray, Need::kForStartup, Said("no lens: start-up stops"),
     "Lens model of the channel, also the folder of its file, usr/bin/hardware/lens/LENS/; "
     "a fixed lens is [LENS, DISTANCE] or [LENS, DISTANCE, TYPE], TYPE then giving the lens "
     "type instead of LENS."},
};

constexpr Object kChannel = MakeObject(
    "ISP_INFO entry", kChannelKeys, UnknownReport{kString, 0},
    "One channel: the sensor and the lens of entry i are sensor i and lens i.");

constexpr Key kIndexKeys[] = {
    {"version", Number<unsigned short>(DEVCAP_FIELD(stBoardCap.usIndexVersion)), nullptr,
     Need::kOptional, Is(0), "Version of the index, handed to applications as it is."},
    {"board", Text(DEVCAP_FIELD(stBoardCap.acBoardType)), nullptr, Need::kForStartup,
     Said("no board: start-up stops"),
     "Board of the product: its file is usr/bin/hardware/board/BOARD/cap_board.json (a cut "
     "name is then not found)."},
    {"ISP_INFO",
     Counting(Objects(kChannel, CAP_MAX_CHANNEL, Excess::kFailsStartup),
              DEVCAP_FIELD(stSensorCap.usSensorNum), true, DEVCAP_FIELD(stLensCap.usLensNum)),
     nullptr, Need::kForStartup, Said("one channel without a sensor or lens: start-up stops"),
     "The channels, one object each; their number is the number of sensors and of lenses."},
    {"LedInfo", ObjectOf(kLedInfoObject), nullptr, Need::kOptional, Said("no lights"),
     "Supplementary lights; with a \"LedNum\" other than 0 here, the board file's \"LedInfo\" is not read."},
};

}  // namespace

constexpr Object kIndexObject = MakeObject(
    "hardwareindex", kIndexKeys, UnknownReport{kInt | kString | kArray, 0},
    "Which board, sensors and lenses a product has; one per product folder.");

}  // namespace devcap_tool::model
