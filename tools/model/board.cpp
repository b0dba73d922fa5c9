// cap_board.json: one per board, shared by every product built on it. The top
// level, then each object on a screen of its own.
#include "board/vocab.h"
#include "model/rows.h"

namespace devcap_tool::model {

namespace {

#define B(path) DEVCAP_FIELD(stBoardCap.path)

constexpr Value kGpio[] = {GpioLine<int>(B(stAlarm.aiAlarmInGpio)), GpioLine<int>(B(stAlarm.aiAlarmOutGpio)),
                           GpioLine<int>(B(aiLensPinsA)), GpioLine<int>(B(aiLensPinsB))};
constexpr Value kMotorElem = WordOf(kMotorType, B(aenMotorType));
constexpr Value kHWVersionByte = GpioLine<unsigned char>(B(uiHWVersionGpio));
// Element 0, 1, 2 of an I2C location: the first, third and second value.
constexpr Value kAlarmInI2c[] = {Number<unsigned short>(B(stAlarm.stAlarmInI2cInfo.usVal0)),
                                 Number<unsigned short>(B(stAlarm.stAlarmInI2cInfo.usVal2)),
                                 Number<unsigned short>(B(stAlarm.stAlarmInI2cInfo.usVal1))};
constexpr Value kAlarmOutI2c[] = {Number<unsigned short>(B(stAlarm.stAlarmOutI2cInfo.usVal0)),
                                  Number<unsigned short>(B(stAlarm.stAlarmOutI2cInfo.usVal2)),
                                  Number<unsigned short>(B(stAlarm.stAlarmOutI2cInfo.usVal1))};

// ---- arrays read alike at the top level and inside "Alarm"
constexpr Key kArrayKeys[] = {
    {"AlarmInWithGpio",
     Counting(Slots(kGpio[0], B(stAlarm.aiAlarmInGpio), CAP_ALARM_SLOTS), B(stAlarm.usAlarmInNum)), nullptr,
     Need::kOptional, Is(-1),
     "GPIO line of each alarm input; the array's length (also past the slots) is the number of "
     "inputs, unless an \"AlarmInNum\" comes later."},
    {"AlarmOutWithGpio",
     Counting(Slots(kGpio[1], B(stAlarm.aiAlarmOutGpio), CAP_ALARM_SLOTS), B(stAlarm.usAlarmOutNum)), nullptr,
     Need::kOptional, Is(-1),
     "GPIO line of each alarm output; the array's length is the number of outputs, unless an "
     "\"AlarmOutNum\" comes later."},
    {"AlarmInWithI2c", Tuple(kAlarmInI2c, 0), nullptr, Need::kOptional, Is(0),
     "I2C location of the alarm inputs, three numbers (handed out as the first, third and "
     "second)."},
    {"AlarmOutWitchI2c", Tuple(kAlarmOutI2c, 0), nullptr, Need::kOptional, Is(0),
     "I2C location of the alarm outputs, three numbers; the key is spelt \"Witch\"."},
    {"HWVersionWithGPIO", Slots(kHWVersionByte, B(uiHWVersionGpio), sizeof(unsigned int), Excess::kDropped),
     nullptr, Need::kOptional, Is(0),
     "GPIO lines that read the hardware version, one byte each, the first in the top byte."},
    {"LensPinsA", Slots(kGpio[2], B(aiLensPinsA), CAP_LENS_PIN_SLOTS), nullptr, Need::kOptional,
     Is(-1), "GPIO lines of lens motor group A; -1 for none."},
    {"LensPinsB", Slots(kGpio[3], B(aiLensPinsB), CAP_LENS_PIN_SLOTS), nullptr, Need::kOptional,
     Is(-1), "GPIO lines of lens motor group B; -1 for none."},
    {"MotorType", Slots(kMotorElem, B(aenMotorType), CAP_MOTOR_SLOTS), nullptr, Need::kOptional,
     Is(CAP_MOTOR_INVALID), "Lens motor driver chip of each motor."},
};
constexpr Object kArrays = MakeObject("board arrays", kArrayKeys, UnknownReport{kArray, kArray},
                                      "Arrays read alike at the top level and inside \"Alarm\".");

// ---- "Alarm"
constexpr Key kAlarmKeys[] = {
    {"AlarmInType", WordOf(kAlarmType, B(stAlarm.enAlarmInType)), nullptr, Need::kOptional,
     Is(CAP_ALARM_GPIO), "How the alarm inputs are wired; GPIO lines are counted only for gpio."},
    {"AlarmOutType", WordOf(kAlarmType, B(stAlarm.enAlarmOutType)), nullptr, Need::kOptional,
     Is(CAP_ALARM_GPIO), "How the alarm outputs are wired."},
    {"AlarmInNum", Number<unsigned short>(B(stAlarm.usAlarmInNum)), nullptr, Need::kOptional, Is(0),
     "Number of alarm inputs; an \"AlarmInWithGpio\" later in the file sets it again."},
    {"AlarmOutNum", Number<unsigned short>(B(stAlarm.usAlarmOutNum)), nullptr, Need::kOptional, Is(0),
     "Number of alarm outputs; an \"AlarmOutWithGpio\" later in the file sets it again."},
};
constexpr Object kAlarm = MakeObject("Alarm", kAlarmKeys, UnknownReport{kString | kInt | kArray, kArray},
                                     "Alarm inputs (contacts watched) and outputs (relays driven).",
                                     &kArrays);

// ---- "Uart": three port kinds, each an object with the same two keys
#define DEVCAP_UART_PORT_KEYS(port)                                                                    \
    {"DeviceNode",                                                                                     \
     Counting(Slots(kNode_##port, B(stUart.port.aacDevNode), CAP_UART_PORTS), B(stUart.port.ucNum)), \
     nullptr, Need::kOptional, kEmpty,                                                                 \
     "Device node of each port, without /dev/ (ttyAMA2); the number of names is the number of "       \
     "ports."},                                                                                        \
    {"DirectionGpio", Slots(kDir_##port, B(stUart.port.aiDirectionGpio), CAP_UART_PORTS), nullptr,     \
     Need::kOptional, Is(0),                                                                           \
     "GPIO line that switches each port's transmit direction; -1 for none (left out, a port reads "   \
     "0, a real line)."}
constexpr Value kNode_stUart485 = Text(B(stUart.stUart485.aacDevNode));
constexpr Value kNode_stUart232 = Text(B(stUart.stUart232.aacDevNode));
constexpr Value kNode_stUart422 = Text(B(stUart.stUart422.aacDevNode));
constexpr Value kDir_stUart485 = GpioLine<int>(B(stUart.stUart485.aiDirectionGpio));
constexpr Value kDir_stUart232 = GpioLine<int>(B(stUart.stUart232.aiDirectionGpio));
constexpr Value kDir_stUart422 = GpioLine<int>(B(stUart.stUart422.aiDirectionGpio));
constexpr Key kUart485Keys[] = {DEVCAP_UART_PORT_KEYS(stUart485)};
constexpr Key kUart232Keys[] = {DEVCAP_UART_PORT_KEYS(stUart232)};
constexpr Key kUart422Keys[] = {DEVCAP_UART_PORT_KEYS(stUart422)};
constexpr const char kPortDoc[] = "Ports of one kind; given, it replaces the kind's defaults whole.";
// An unknown key is logged once per element of its array; a known key that is
// no array is refused with a message.
constexpr UnknownReport kPortReport{kArray, kArray, kAnyJson & ~kArray};
constexpr auto kZeros = Object::Replace::kWithZeros;
constexpr Object kUart485 = MakeObject("Uart485", kUart485Keys, kPortReport, kPortDoc, nullptr, kZeros);
constexpr Object kUart232 = MakeObject("Uart232", kUart232Keys, kPortReport, kPortDoc, nullptr, kZeros);
constexpr Object kUart422 = MakeObject("Uart422", kUart422Keys, kPortReport, kPortDoc, nullptr, kZeros);
constexpr const char kNoPort[] = "no port, direction GPIOs -1 (and an error in the log)";
constexpr Key kUartKeys[] = {
    {"Uart485", ObjectOf(kUart485), nullptr, Need::kLoggedIfAbsent, Said(kNoPort), "RS-485 ports."},
    {"Uart232", ObjectOf(kUart232), nullptr, Need::kLoggedIfAbsent, Said(kNoPort), "RS-232 ports."},
    {"Uart422", ObjectOf(kUart422), nullptr, Need::kLoggedIfAbsent, Said(kNoPort),
     "RS-422 ports; write {\"DeviceNode\": [], \"DirectionGpio\": [-1, -1, -1, -1]} for a kind the "
     "board does not have."},
};
// A port that is no object is refused with an error.
constexpr Object kUart{"Uart", kUartKeys, std::size(kUartKeys), nullptr, UnknownReport{0, 0, kAnyJson & ~kObject}, false, true,
                       "Serial ports; each of the three kinds is looked up by name."};

// ---- "Iris" and "Ircut"
constexpr Value kIrisElem = WordOf(kIrisType, B(stIris.aenIrisType));
constexpr Value kIrisGpio = GpioLine<int>(B(stIris.aaiIrisGpioCtl));
constexpr Value kIrisRow = Slots(kIrisGpio, B(stIris.aaiIrisGpioCtl), CAP_IRIS_GPIOS);
constexpr Key kIrisKeys[] = {
    {"Type", Counting(Slots(kIrisElem, B(stIris.aenIrisType), CAP_IRIS_SLOTS), B(stIris.usIrisNum), true),
     nullptr, Need::kOptional, Is(CAP_IRIS_INVALID),
     "Kind of each iris; the array's length is the number of irises."},
    {"GpioCtl",
     Slots(kIrisRow, B(stIris.aaiIrisGpioCtl), CAP_IRIS_SLOTS, Excess::kWarnDropped, Mismatch::kIgnored),
     nullptr, Need::kOptional, Is(-1), "Control GPIO lines of each iris, one array per iris."},
};
constexpr Object kIris = MakeObject("Iris", kIrisKeys, UnknownReport{kArray, 0}, "Lens irises.");

constexpr Value kIrcutElem = WordOf(kIrcutType, B(stIrcut.aenIrcutType));
constexpr Value kIrcutGpio = GpioLine<int>(B(stIrcut.aaiIrcutGpioCtl));
constexpr Value kIrcutRow = Slots(kIrcutGpio, B(stIrcut.aaiIrcutGpioCtl), CAP_IRCUT_GPIOS);
constexpr Key kIrcutKeys[] = {
    {"Type", Counting(Slots(kIrcutElem, B(stIrcut.aenIrcutType), CAP_IRCUT_SLOTS), B(stIrcut.uiIrcutNum)),
     nullptr, Need::kOptional, Is(CAP_IRCUT_INVALID),
     "Model of each IR-cut filter; the length of a non-empty array is the number of filters."},
    {"GpioCtl",
     Slots(kIrcutRow, B(stIrcut.aaiIrcutGpioCtl), CAP_IRCUT_SLOTS, Excess::kWarnDropped,
           Mismatch::kIgnored),
     nullptr, Need::kOptional, Is(-1),
     "Control GPIO lines of each filter, one array per filter (the patch file may replace them)."},
};
constexpr Object kIrcut = MakeObject("Ircut", kIrcutKeys, UnknownReport{kArray, kArray},
                                     "Infrared-cut filters.");

// ---- "Video"
constexpr Value kVideoElem = WordOf(kVideoType, B(stVideo.aenVideoType));
constexpr Value kMaxChannel = Number<unsigned short>(B(stVideo.ausVideoMaxChannel));
constexpr Key kVideoKeys[] = {
    {"Type", Counting(Slots(kVideoElem, B(stVideo.aenVideoType), CAP_VIDEO_SLOTS), B(stVideo.usVideoOutNum), true),
     nullptr, Need::kOptional, Is(CAP_VIDEO_INVALID),
     "Kind of each video output; the array's length is the number of outputs."},
    {"MaxChannel",
     Slots(kMaxChannel, B(stVideo.ausVideoMaxChannel), cap::kVideoMaxChannelRead, Excess::kDropped),
     nullptr, Need::kOptional, Said("0; outputs 0 and 1 then answer 2 and 3"),
     "Most channels of outputs 0 and 1; a missing second number reads 0."},
};
constexpr Object kVideo = MakeObject("Video", kVideoKeys, UnknownReport{0, 0}, "Video outputs.");

// ---- "Audio"
constexpr Key kAudioKeys[] = {
    {"MicInSup", Flag(B(stAudio.bMicInSup)), nullptr, Need::kOptional, Is(0), "A microphone input is fitted."},
    {"LineInSup", Flag(B(stAudio.bLineInSup)), nullptr, Need::kOptional, Is(1), "A line input is fitted."},
    {"SpeakerSup", Flag(B(stAudio.bSpeakerSup)), nullptr, Need::kOptional, Is(0),
     "A speaker is fitted (the patch file may replace it)."},
    {"MicInChn", Number<unsigned char>(B(stAudio.ucMicInChn)), nullptr, Need::kOptional, Is(0),
     "Audio channel of the microphone input."},
    {"LineInChn", Number<unsigned char>(B(stAudio.ucLineInChn)), nullptr, Need::kOptional, Is(0),
     "Audio channel of the line input."},
    {"AuidioInDevNO", Number<unsigned char>(B(stAudio.ucAudioInDevNo)), nullptr, Need::kOptional, Is(0),
     "Audio input device number; the key is spelt \"Auidio\"."},
    {"AudioOutDevNO", Number<unsigned char>(B(stAudio.ucAudioOutDevNo)), nullptr, Need::kOptional,
     Is(0), "Audio output device number."},
    {"AudioOutNum", Number<unsigned char>(B(stAudio.ucAudioOutNum)), nullptr, Need::kOptional, Is(1),
     "Number of audio outputs."},
    {"MicLineSiwtchGpio", GpioLine<int>(B(stAudio.iMicLineSwitchGpio)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that switches between microphone and line input; the key is spelt \"Siwtch\"."},
    {"AudioSocType", WordOf(kAudioSoc, B(stAudio.enAudioSocType)), nullptr, Need::kOptional,
     Is(CAP_AUDIO_SOC_NONE), "Audio codec chip; another word keeps the codec set before."},
};
constexpr Object kAudio = MakeObject("Audio", kAudioKeys, UnknownReport{kBool | kInt | kString, 0},
                                     "Audio inputs and outputs; without it, a line input and one output.");

// ---- "Temperature": decided by key alone, whatever the value's type
constexpr Value kSupportAnyType = [] {
    Value v = Flag(B(bTempSupport));
    v.eMismatch = Mismatch::kConverted;
    return v;
}();
constexpr Value kTempNodeParts[] = {Text(B(stTemperature.acTempDeviceNode)),
                                    Text(B(stTemperature.acTempDeviceNode))};
constexpr Key kTemperatureKeys[] = {
    {"Support", kSupportAnyType, nullptr, Need::kOptional, Is(0), "A temperature sensor is fitted."},
    {"DeviceNode", Joined(kTempNodeParts, B(stTemperature.acTempDeviceNode)), nullptr, Need::kOptional,
     kEmpty,
     "Device path of the sensor as [DIR, NAME], kept as DIR/NAME/; a longer path is not taken."},
};
constexpr Object kTemperature{"Temperature", kTemperatureKeys, std::size(kTemperatureKeys), nullptr,
                              UnknownReport{kNull | kBool | kInt | kDouble | kString | kArray | kObject, 0},
                              true, false, "The board's temperature sensor."};

// ---- "CVBS"
// Elements 0, 1, 2 whatever the array's length: a missing one reads 0.
constexpr Value kCvbsI2c[] = {Number<unsigned short>(B(stCvbs.stCvbsI2cInfo.usVal0)),
                              Number<unsigned short>(B(stCvbs.stCvbsI2cInfo.usVal2)),
                              Number<unsigned short>(B(stCvbs.stCvbsI2cInfo.usVal1))};
constexpr Key kCvbsKeys[] = {
    {"Support", Flag(B(stCvbs.bCvbsSupport)), nullptr, Need::kOptional, Is(0),
     "A CVBS encoder is fitted (the patch file may replace it)."},
    {"SocType", WordOf(kCvbsType, B(stCvbs.enCvbsSocType)), nullptr, Need::kOptional,
     Is(CAP_CVBS_ADV7393), "CVBS encoder chip."},
    {"HardCtl", WordOf(kHardCtl, B(stCvbs.enCvbsHardCtl)), nullptr, Need::kOptional,
     Is(CAP_HARDCTL_INVALID), "Which side drives the encoder."},
    {"ResetGpio", GpioLine<int>(B(stCvbs.iCvbsResetGpio)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the encoder; -1 for none."},
    {"I2cInfo", Tuple(kCvbsI2c, 3), nullptr, Need::kOptional, Is(0),
     "I2C location of the encoder, three numbers (handed out as the first, third and second)."},
};
constexpr Object kCvbs = MakeObject("CVBS", kCvbsKeys, UnknownReport{kString | kBool | kInt | kArray, 0},
                                    "The analogue video (CVBS) encoder.");

// ---- "Sniffer"
constexpr Key kSnifferKeys[] = {
    {"Support", Flag(B(stSniffer.bWifiSupport)), nullptr, Need::kOptional, Is(0),
     "A Wi-Fi module is fitted on the board."},
    {"Type", WordOf(kWifiType, B(stSniffer.enWifiType)), nullptr, Need::kOptional, Is(CAP_WIFI_SERIAL),
     "How the module is attached."},
    {"DeviceNode", Text(B(stSniffer.acWifiDeviceNode)), nullptr, Need::kOptional, kEmpty,
     "Device node or interface of the module, without /dev/."},
    {"Model", WordOf(kWifiMode, B(stSniffer.enWifiModel)), nullptr, Need::kOptional,
     Is(CAP_WIFI_MODE_NONE), "Mode the module works in."},
};
constexpr Object kSniffer = MakeObject("Sniffer", kSnifferKeys, UnknownReport{kBool | kString, 0},
                                       "The Wi-Fi module.");

// ---- "Accelerate" and "Ecompass"
constexpr Value kAccelAxes[] = {AtSlot(WordOf(kPosition, B(stAccelerate.aenAcceleratePosition)), 0),
                                AtSlot(WordOf(kPosition, B(stAccelerate.aenAcceleratePosition)), 1),
                                AtSlot(WordOf(kPosition, B(stAccelerate.aenAcceleratePosition)), 2)};
constexpr Value kAccelI2c[] = {Number<unsigned short>(B(stAccelerate.stAccelerateI2cInfo.usVal0)),
                               Number<unsigned short>(B(stAccelerate.stAccelerateI2cInfo.usVal2)),
                               Number<unsigned short>(B(stAccelerate.stAccelerateI2cInfo.usVal1))};
constexpr Key kAccelerateKeys[] = {
    {"Support", Flag(B(stAccelerate.bAccelerateSupport)), nullptr, Need::kOptional, Is(0),
     "An accelerometer is fitted on the board (applications ask the patch file's flag)."},
    {"Position", Tuple(kAccelAxes, CAP_AXES), nullptr, Need::kOptional, Is(CAP_POS_INVALID),
     "Direction of the chip's x, y and z axes."},
    {"I2cInfo", Tuple(kAccelI2c, 0), nullptr, Need::kOptional, Is(0),
     "I2C location of the chip, three numbers (handed out as the first, third and second)."},
};
constexpr Object kAccelerate = MakeObject("Accelerate", kAccelerateKeys, UnknownReport{kBool | kArray, kArray},
                                          "The accelerometer.");

constexpr Value kCompassAxes[] = {AtSlot(WordOf(kPosition, B(stEcompass.aenEcompassPosition)), 0),
                                  AtSlot(WordOf(kPosition, B(stEcompass.aenEcompassPosition)), 1),
                                  AtSlot(WordOf(kPosition, B(stEcompass.aenEcompassPosition)), 2)};
constexpr Value kCompassI2c[] = {Number<unsigned short>(B(stEcompass.stEcompassI2cInfo.usVal0)),
                                 Number<unsigned short>(B(stEcompass.stEcompassI2cInfo.usVal2)),
                                 Number<unsigned short>(B(stEcompass.stEcompassI2cInfo.usVal1))};
constexpr Value kCompassInt = GpioLine<int>(B(stEcompass.aiEcompassIntGpio));
constexpr Key kEcompassKeys[] = {
    {"Support", Flag(B(stEcompass.bEcompassSupport)), nullptr, Need::kOptional, Is(0),
     "An e-compass is fitted on the board."},
    {"Position", Tuple(kCompassAxes, CAP_AXES), nullptr, Need::kOptional, Is(CAP_POS_INVALID),
     "Direction of the chip's x, y and z axes."},
    {"I2cInfo", Tuple(kCompassI2c, 0), nullptr, Need::kOptional, Is(0),
     "I2C location of the chip, three numbers (handed out as the first, third and second)."},
    {"ResetGpio", GpioLine<int>(B(stEcompass.iEcompassResetGpio)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the chip; -1 for none."},
    {"INTGpio", Slots(kCompassInt, B(stEcompass.aiEcompassIntGpio), CAP_ECOMPASS_INTS), nullptr,
     Need::kOptional, Is(-1), "Interrupt GPIO lines of the chip."},
};
constexpr Object kEcompass = MakeObject("Ecompass", kEcompassKeys, UnknownReport{0, 0}, "The e-compass.");

// ---- "PTZ"
constexpr Value kFanGpio = GpioLine<int>(B(stPtz.aiFanGpioCtl));
constexpr Value kHeatGpio = GpioLine<int>(B(stPtz.aiHeatGpioCtl));
constexpr Value kThreshold = Number<int>(B(stPtz.aiGlassHeatTempThreshold));
constexpr Key kPtzKeys[] = {
    {"BallMaxAngle", Number<int>(B(stPtz.iBallMaxAngle)), nullptr, Need::kOptional, Is(0),
     "Highest elevation of the ball, in degrees."},
    {"DriverBoardType", WordOf(kMcuType, B(stPtz.enDriverBoardType)), nullptr, Need::kOptional,
     Is(CAP_MCU_INVALID), "Model of the motor driver board."},
    {"AlarmBoardType", WordOf(kMcuType, B(stPtz.enAlarmBoardType)), nullptr, Need::kOptional,
     Is(CAP_MCU_INVALID), "Model of the alarm board."},
    {"WiperBoardType", WordOf(kMcuType, B(stPtz.enWiperBoardType)), nullptr, Need::kOptional,
     Is(CAP_MCU_INVALID), "Model of the wiper board."},
    {"DriverBoardNode", Text(B(stPtz.acDriverBoardNode)), nullptr, Need::kOptional, kEmpty,
     "Serial device node of the driver board, without /dev/."},
    {"AlarmBoardNode", Text(B(stPtz.acAlarmBoardNode)), nullptr, Need::kOptional, kEmpty,
     "Serial device node of the alarm board, without /dev/."},
    {"WiperBoardNode", Text(B(stPtz.acWiperBoardNode)), nullptr, Need::kOptional, kEmpty,
     "Serial device node of the wiper board, without /dev/."},
    {"DriverBoardReset", GpioLine<int>(B(stPtz.iDriverBoardReset)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the driver board; -1 for none."},
    {"AlarmBoardReset", GpioLine<int>(B(stPtz.iAlarmBoardReset)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the alarm board; -1 for none."},
    {"WiperBoardReset", GpioLine<int>(B(stPtz.iWiperBoardReset)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the wiper board; -1 for none."},
    {"FanCtlType", WordOf(kFanHeat, B(stPtz.enFanCtlType)), nullptr, Need::kOptional,
     Is(CAP_FANHEAT_NONE), "How the fan is switched (capitalised words)."},
    {"HeatCtlType", WordOf(kFanHeat, B(stPtz.enHeatCtlType)), nullptr, Need::kOptional,
     Is(CAP_FANHEAT_NONE), "How the heater is switched (capitalised words)."},
    {"GlassHeatCtlType", WordOf(kFanHeat, B(stPtz.enGlassHeatCtlType)), nullptr, Need::kOptional,
     Is(CAP_FANHEAT_NONE), "How the window heater is switched (capitalised words)."},
    {"FanGpioCtl", Slots(kFanGpio, B(stPtz.aiFanGpioCtl), CAP_PTZ_GPIOS), nullptr, Need::kOptional,
     Is(-1), "GPIO lines that switch the fan."},
    {"HeatGpioCtl", Slots(kHeatGpio, B(stPtz.aiHeatGpioCtl), CAP_PTZ_GPIOS), nullptr, Need::kOptional,
     Is(-1), "GPIO lines that switch the heater."},
    {"GlassHeatGpio", GpioLine<int>(B(stPtz.iGlassHeatGpio)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that switches the window heater; -1 for none."},
    {"GlassHeatTempThreshold", Slots(kThreshold, B(stPtz.aiGlassHeatTempThreshold)), nullptr,
     Need::kOptional, Is(0),
     "Lower and upper temperature thresholds of window heating, handed to the heating control as "
     "they are."},
};
constexpr Object kPtz = MakeObject("PTZ", kPtzKeys, UnknownReport{kString | kInt | kArray, kArray},
                                   "Pan-tilt mechanics: microcontroller boards, fan, heaters, window heating.");

// ---- the top level
constexpr Key kBoardKeys[] = {
    {"CameraType", WordOf(kCameraType, B(enCameraType)), nullptr, Need::kForValidAnswer,
     Is(CAP_CAMERA_INVALID), "Mounting form of the camera."},
    {"SocPlatform", WordOf(kSocType, B(enSocType)), nullptr, Need::kOptional, Is(CAP_SOC_HI3516AV200),
     "System-on-chip of the board."},
    {"SensorHardCtl", WordOf(kHardCtl, B(enSensorHardCtl)), nullptr, Need::kOptional,
     Is(CAP_HARDCTL_SOC), "Which side drives the sensors."},
    {"FPGACtlI2c", WordOf(kFpgaI2c, B(enFpgaCtlI2c)), nullptr, Need::kOptional,
     Is(CAP_FPGA_I2C_INVALID), "I2C bus over which the FPGA is controlled."},
    {"ResetGpio", GpioLine<int>(B(iResetGpio)), nullptr, Need::kOptional, Is(-1),
     "GPIO line that resets the board; -1 for none."},
    {"RamSize", NumberWord<unsigned short>(kRamSize, B(enRamSize)), nullptr, Need::kForValidAnswer,
     Is(CAP_RAM_INVALID), "RAM size in megabytes."},
    {"SDSlotNum", Number<unsigned char>(B(ucSdSlotNum)), nullptr, Need::kOptional, Is(0),
     "Number of SD card slots."},
    {"MemWidth", NumberWord<unsigned short>(kMemWidth, B(enMemWidth)), nullptr, Need::kOptional,
     Is(CAP_MEM_WIDTH_32), "Memory bus width in bits."},
    {"TemperatureHumidity", Flag(B(bTempHumiditySup)), nullptr, Need::kOptional, Is(0),
     "A temperature-and-humidity sensor is fitted."},
    {"DoubleIntSup", Flag(B(bDoubleIntfSup)), nullptr, Need::kOptional, Is(0),
     "The board has the double interface."},
    {"Alarm", ObjectOf(kAlarm), nullptr, Need::kOptional, Said("no alarm lines"), "Alarm inputs and outputs."},
    {"Uart", ObjectOf(kUart), nullptr, Need::kOptional, Said("no serial ports"), "Serial ports."},
    {"Iris", ObjectOf(kIris), nullptr, Need::kOptional, Said("no iris"), "Lens irises."},
    {"Ircut", ObjectOf(kIrcut), nullptr, Need::kOptional, Said("no IR-cut filter"), "IR-cut filters."},
    {"Video", ObjectOf(kVideo), nullptr, Need::kOptional, Said("no video output"), "Video outputs."},
    {"Audio", ObjectOf(kAudio), nullptr, Need::kOptional, Said("a line input and one output"),
     "Audio inputs and outputs."},
    {"Temperature", ObjectOf(kTemperature), nullptr, Need::kOptional, Said("no sensor"),
     "Temperature sensor."},
    {"CVBS", ObjectOf(kCvbs), nullptr, Need::kOptional, Said("no encoder (adv7393 answered)"),
     "CVBS encoder."},
    {"Sniffer", ObjectOf(kSniffer), nullptr, Need::kOptional, Said("no module (serial answered)"),
     "Wi-Fi module."},
    {"Accelerate", ObjectOf(kAccelerate), nullptr, Need::kOptional, Said("no chip"), "Accelerometer."},
    {"Ecompass", ObjectOf(kEcompass), nullptr, Need::kOptional, Said("no chip"), "E-compass."},
    {"PTZ", ObjectOf(kPtz), nullptr, Need::kOptional, Said("no pan-tilt parts"), "Pan-tilt mechanics."},
    {"LedInfo", ObjectOf(kLedInfoObject), nullptr, Need::kOptional, Said("the index's"),
     "Supplementary lights; read only while the index gave no \"LedNum\" (or 0)."},
};

#undef B

}  // namespace

constexpr Object kBoardObject = MakeObject(
    "board", kBoardKeys, UnknownReport{kBool | kInt | kString | kObject | kArray, kArray},
    "One per board, shared by every product built on it.", &kArrays);

}  // namespace devcap_tool::model
