// STUB: board vocabulary (to be written).
#include "board/board.h"
CameraType cap_MatchCameraType(const char *) { return CAP_CAMERA_INVALID; }
SocType cap_MatchSocType(const char *) { return CAP_SOC_INVALID; }
MotorType cap_MatchMotorType(const char *) { return CAP_MOTOR_INVALID; }
HardCtlType cap_MatchHardCtl(const char *) { return CAP_HARDCTL_INVALID; }
FpgaI2cBus cap_MatchFGPGAI2cCtl(const char *) { return CAP_FPGA_I2C_INVALID; }
AlarmType cap_MatchAlarmType(const char *) { return CAP_ALARM_INVALID; }
IrisType cap_MatchIrisType(const char *) { return CAP_IRIS_INVALID; }
IrcutType cap_MatchIrcutType(const char *) { return CAP_IRCUT_INVALID; }
VideoType cap_MatchVideoType(const char *) { return CAP_VIDEO_INVALID; }
CvbsType cap_MatchCvbsType(const char *) { return CAP_CVBS_INVALID; }
WifiType cap_MatchWifiType(const char *) { return CAP_WIFI_INVALID; }
WifiMode cap_MatchWifiMode(const char *) { return CAP_WIFI_MODE_NONE; }
DevPosition cap_MatchDevPosition(const char *) { return CAP_POS_INVALID; }
McuType cap_MatchMcuType(const char *) { return CAP_MCU_INVALID; }
FanHeatCtlType cap_MatchFanHeatCtlType(const char *) { return CAP_FANHEAT_INVALID; }
MemWidth cap_MatchMemWidth(unsigned short) { return CAP_MEM_WIDTH_INVALID; }
RamSize cap_MatchRamSize(int) { return CAP_RAM_INVALID; }
