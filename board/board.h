// Internal operations of the board module.
#pragma once

#include <json-c/json.h>

#include "devcap.h"

// Board vocabulary: words (and numbers) of the board file to enumerations.
CameraType cap_MatchCameraType(const char *pcVal);
SocType cap_MatchSocType(const char *pcVal);
MotorType cap_MatchMotorType(const char *pcVal);
HardCtlType cap_MatchHardCtl(const char *pcVal);
FpgaI2cBus cap_MatchFGPGAI2cCtl(const char *pcVal);
AlarmType cap_MatchAlarmType(const char *pcVal);
IrisType cap_MatchIrisType(const char *pcVal);
IrcutType cap_MatchIrcutType(const char *pcVal);
VideoType cap_MatchVideoType(const char *pcVal);
CvbsType cap_MatchCvbsType(const char *pcVal);
WifiType cap_MatchWifiType(const char *pcVal);
WifiMode cap_MatchWifiMode(const char *pcVal);
DevPosition cap_MatchDevPosition(const char *pcVal);
McuType cap_MatchMcuType(const char *pcVal);
FanHeatCtlType cap_MatchFanHeatCtlType(const char *pcVal);
MemWidth cap_MatchMemWidth(unsigned short usBits);
RamSize cap_MatchRamSize(int iMegaBytes);

// The board file and its top level.
void cap_BoardInfoValInit(void);
int cap_ParseBoardIntVal(const char *pcKey, json_object *pstJsonVal);
int cap_ParseBoardStrVal(const char *pcKey, json_object *pstJsonVal);
int cap_ParseBoardObjectVal(const char *pcKey, json_object *pstJsonVal);
int cap_BoardArrayInit(const char *pcKey, json_object *pstJsonVal);

// Board defaults of each object's sub-record, applied by cap_BoardInfoValInit.
void cap_AlarmUartValInit(void);
void cap_OpticsMediaValInit(void);   // iris, IR-cut, video, audio
void cap_PeripheralValInit(void);    // temperature, CVBS, sniffer, accelerometer, e-compass
void cap_PtzValInit(void);

// Object parsers; each takes the object that is its key's value.
int cap_ParseAlarmVal(json_object *pstJsonVal);
int cap_ParseUartVal(json_object *pstJsonVal);
int cap_ParseUartIndividual(json_object *pstJsonVal, UartPort *pstUartPort);
int cap_ParseIris(json_object *pstJsonVal);
int cap_ParseIrcut(json_object *pstJsonVal);
int cap_ParseVideo(json_object *pstJsonVal);
int cap_ParseAudio(json_object *pstJsonVal);
int cap_ParseTemperature(json_object *pstJsonVal);
int cap_ParseCVBS(json_object *pstJsonVal);
int cap_ParseSniffer(json_object *pstJsonVal);
int cap_ParseAccelerate(json_object *pstJsonVal);
int cap_ParseEcompass(json_object *pstJsonVal);
int cap_ParsePtz(json_object *pstJsonVal);
