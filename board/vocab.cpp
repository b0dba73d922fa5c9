// Board matchers: each is one use of cap::Match with its own messages over a
// vocabulary of board/vocab.h; comparison is exact and case-sensitive on the
// whole text.
#include "board/vocab.h"

#include "board/board.h"
#include "platform/log.h"

CameraType cap_MatchCameraType(const char *pcVal) {
    return cap::Match<"cap_MatchCameraType para is null ptr!\n",
                      "cap_MatchCameraType para is invalid:pcVal=%s !\n", cap::kCameraVocab>(CAP_HERE,
                                                                                            pcVal);
}

SocType cap_MatchSocType(const char *pcVal) {
    return cap::Match<"Cap_MatchSocType para is null ptr!\n",
                      "Cap_MatchSocType para is invalid:pcVal=%s!\n", cap::kSocVocab>(CAP_HERE, pcVal);
}

MotorType cap_MatchMotorType(const char *pcVal) {
    return cap::Match<"cap_MatchMotorType para is null ptr!\n",
                      "cap_MatchMotorType para is invalid:pcVal=%s!\n", cap::kMotorVocab>(CAP_HERE,
                                                                                         pcVal);
}

HardCtlType cap_MatchHardCtl(const char *pcVal) {
    return cap::Match<"cap_MatchHardCtl para is null ptr!\n",
                      "cap_MatchHardCtl para is invalid:pcVal=%s\n", cap::kHardCtlVocab>(CAP_HERE,
                                                                                        pcVal);
}

FpgaI2cBus cap_MatchFGPGAI2cCtl(const char *pcVal) {
    return cap::Match<"Cap_MatchFGPGAI2cCtl para is null ptr!\n",
                      "Cap_MatchFGPGAI2cCtl para is invalid: pcVal=%s !\n", cap::kFpgaI2cVocab>(
        CAP_HERE, pcVal);
}

AlarmType cap_MatchAlarmType(const char *pcVal) {
    return cap::Match<"Cap_MatchAlarmType para is null ptr!\n",
                      "Cap_MatchAlarmType para is invalid : pcJsonVal = %s !\n", cap::kAlarmVocab>(
        CAP_HERE, pcVal);
}

IrisType cap_MatchIrisType(const char *pcVal) {
    return cap::Match<"cap_MatchIrisType params is null ptr!\n",
                      "cap_MatchIrisType para is invalid : pcJsonVal = %s!\n", cap::kIrisVocab>(
        CAP_HERE, pcVal);
}

IrcutType cap_MatchIrcutType(const char *pcVal) {
    return cap::Match<"cap_MatchIrcutType params is null!\n",
                      "cap_MatchIrcutType para is invalid :pcJsonVal = %s\n", cap::kIrcutVocab>(
        CAP_HERE, pcVal);
}

VideoType cap_MatchVideoType(const char *pcVal) {
    return cap::Match<"cap_MatchVideoType params is null!\n",
                      "cap_MatchVideoType para is invalid :pcJsonVal = %s\n", cap::kVideoVocab>(
        CAP_HERE, pcVal);
}

CvbsType cap_MatchCvbsType(const char *pcVal) {
    return cap::Match<"cap_MatchCvbsType params is null!\n",
                      "cap_MatchCvbsType para is invalid :pcJsonVal = %s\n", cap::kCvbsVocab>(
        CAP_HERE, pcVal);
}

WifiType cap_MatchWifiType(const char *pcVal) {
    return cap::Match<"cap_MatchWifiType para is null ptr!\n",
                      "cap_MatchWifiType para is invalid:pcJsonVal = %s!\n", cap::kWifiVocab>(
        CAP_HERE, pcVal);
}

WifiMode cap_MatchWifiMode(const char *pcVal) {
    return cap::Match<"cap_MatchWifiMode params is null!\n",
                      "cap_MatchWifiMode para is invalid :pcJsonVal = %s\n", cap::kWifiModeVocab>(
        CAP_HERE, pcVal);
}

DevPosition cap_MatchDevPosition(const char *pcVal) {
    return cap::Match<"cap_MatchDevPosition params is null!\n",
                      "cap_MatchDevPosition para is invalid :pcJsonVal = %s\n", cap::kPositionVocab>(
        CAP_HERE, pcVal);
}

McuType cap_MatchMcuType(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kMcuVocab>(CAP_HERE, pcVal);
}

FanHeatCtlType cap_MatchFanHeatCtlType(const char *pcVal) {
    return cap::Match<"invalid params!\n", "", cap::kFanHeatVocab>(CAP_HERE, pcVal);
}

MemWidth cap_MatchMemWidth(unsigned short usBits) {
    return cap::MatchNumber<"cap_MatchMemWidth para:%d is invalid!\n", cap::kMemWidthVocab>(CAP_HERE,
                                                                                          usBits);
}

// Any other size is invalid and, unlike the width, not reported.
RamSize cap_MatchRamSize(int iMegaBytes) {
    return cap::MatchNumber<"", cap::kRamSizeVocab>(CAP_HERE, iMegaBytes);
}
