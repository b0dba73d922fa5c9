// Queries of the iris, IR-cut filters, video outputs and audio.
#include "board/board.h"
#include "platform/query.h"

namespace {

const IrisCap &Iris() { return g_pstBoardCap->stIris; }
const IrcutCap &Ircut() { return g_pstBoardCap->stIrcut; }
const VideoCap &Video() { return g_pstBoardCap->stVideo; }
const AudioCap &Audio() { return g_pstBoardCap->stAudio; }

}  // namespace

// Iris.
extern "C" DEVCAP_API unsigned short CAP_GetIrisNum(void) { return Iris().usIrisNum; }
extern "C" DEVCAP_API int CAP_GetIrisType(int iIrisNum) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, Iris().aenIrisType, iIrisNum, -4);
}
extern "C" DEVCAP_API int CAP_GetIrisCtlGpioNum(int iIrisNum) {
    return cap::RowLeadingOr<"CAP_GetIrisCtlGpioNum para out of range.">(
        CAP_HERE, Iris().aaiIrisGpioCtl, iIrisNum, -1, -4);
}
// The iris is tested before the GPIO.
extern "C" DEVCAP_API int CAP_GetIrisCtlWithGpio(int iIrisNum, int iGpioNum) {
    return cap::CellOr<"CAP_GetIrisCtlWithGpio para iIrisNum = %d out of range %d.",
                       "para out of range.", cap::Axis::kRow>(CAP_HERE, Iris().aaiIrisGpioCtl,
                                                              iIrisNum, iGpioNum, -4);
}
extern "C" DEVCAP_API int CAP_GetIrisCtlWithGpioMul(int iIrisNum, int iGpioNum, int *piGpio) {
    return cap::CopyFlatPrefix<"CAP_GetIrisCtlWithGpioAll para null ptr.",
                               "CAP_GetIrisCtlWithGpioAll para out of range.",
                               "CAP_GetIrisCtlWithGpioAll para out of range.">(
        CAP_HERE, Iris().aaiIrisGpioCtl, iIrisNum, iGpioNum, piGpio);
}

// IR-cut filters.
extern "C" DEVCAP_API unsigned short CAP_GetIrcutNum(void) {
    return static_cast<unsigned short>(Ircut().uiIrcutNum);
}
extern "C" DEVCAP_API int CAP_GetIrcutType(int iIrcutNum) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, Ircut().aenIrcutType, iIrcutNum, -4);
}
extern "C" DEVCAP_API int CAP_GetIrcutCtlGpioNum(int iIrcutNum) {
    return cap::RowLeadingOr<"CAP_GetIrcutCtlGpioNum para out of range.">(
        CAP_HERE, Ircut().aaiIrcutGpioCtl, iIrcutNum, -1, -4);
}
// The GPIO is tested before the filter.
extern "C" DEVCAP_API int CAP_GetIrcutCtlWithGpio(int iIrcutNum, int iGpioNum) {
    return cap::CellOr<"CAP_GetIrcutCtlWithGpio para iGpioNum = %d out of range %d.",
                       "para out of range.", cap::Axis::kColumn>(CAP_HERE, Ircut().aaiIrcutGpioCtl,
                                                                 iIrcutNum, iGpioNum, -4);
}
extern "C" DEVCAP_API int CAP_GetIrcutCtlWithGpioMul(int iIrcutNum, int iGpioNum, int *piGpio) {
    return cap::CopyFlatPrefix<"CAP_GetIrcutCtlWithGpioAll para null ptr.",
                               "CAP_GetIrcutCtlWithGpioAll para out of range.",
                               "para out of range.">(CAP_HERE, Ircut().aaiIrcutGpioCtl, iIrcutNum,
                                                     iGpioNum, piGpio);
}

// Video outputs.
extern "C" DEVCAP_API unsigned short CAP_GetVideoOutNum(void) { return Video().usVideoOutNum; }
extern "C" DEVCAP_API int CAP_IsVideoOutSupport(void) { return Video().usVideoOutNum != 0; }
extern "C" DEVCAP_API int CAP_GetVideoType(unsigned short usIndex) {
    return cap::SlotOr<"para out of range.">(CAP_HERE, Video().aenVideoType, usIndex, -4);
}
// A value the board file left at 0 stands for 2 on the first output, 3 on
// the second and 0 on the others; an index outside the outputs is answered
// with 65532, the 16-bit form of -4.
extern "C" DEVCAP_API unsigned short CAP_GetVideoMaxChannel(int iIndex) {
    constexpr unsigned short ausUnset[CAP_VIDEO_SLOTS] = {2, 3, 0, 0};
    if (!cap::InSlots<CAP_VIDEO_SLOTS>(iIndex)) {
        CAP_LOG(cap::kLogError, "para out of range.");
        return 65532;
    }
    const unsigned short usMax = Video().ausVideoMaxChannel[iIndex];
    return usMax != 0 ? usMax : ausUnset[iIndex];
}

// Audio. The speaker plays no part in whether the board has audio.
extern "C" DEVCAP_API int CAP_IsAudioMicInSupport(void) {
    return static_cast<int>(Audio().bMicInSup);
}
extern "C" DEVCAP_API int CAP_IsAudioLineInSupport(void) {
    return static_cast<int>(Audio().bLineInSup);
}
extern "C" DEVCAP_API int CAP_IsAudioSpeakerSupport(void) {
    return static_cast<int>(Audio().bSpeakerSup);
}
extern "C" DEVCAP_API int CAP_GetAudioMicInChannel(void) { return Audio().ucMicInChn; }
extern "C" DEVCAP_API int CAP_GetAudioLineInChannel(void) { return Audio().ucLineInChn; }
extern "C" DEVCAP_API int CAP_GetAudioInDevNO(void) { return Audio().ucAudioInDevNo; }
extern "C" DEVCAP_API int CAP_GetAudioOutDevNO(void) { return Audio().ucAudioOutDevNo; }
extern "C" DEVCAP_API int CAP_GetAudioOutNum(void) { return Audio().ucAudioOutNum; }
extern "C" DEVCAP_API int CAP_IsAudioOutSupport(void) { return Audio().ucAudioOutNum != 0; }
extern "C" DEVCAP_API int CAP_IsAudioSupport(void) {
    return Audio().ucAudioOutNum != 0 || Audio().bLineInSup != 0 || Audio().bMicInSup != 0;
}
extern "C" DEVCAP_API int CAP_GetAudioSocType(void) {
    return static_cast<int>(Audio().enAudioSocType);
}
extern "C" DEVCAP_API int CAP_GetMinLineSwitchGpio(void) { return Audio().iMicLineSwitchGpio; }
