// The board's iris, IR-cut filters, video outputs and audio: their defaults
// and the parsers of the "Iris", "Ircut", "Video" and "Audio" objects.
#include <string.h>

#include "board/board.h"
#include "board/elements.h"
#include "board/vocab.h"
#include "platform/json.h"
#include "platform/log.h"

// A board without "Audio" has a line input and one audio output.
void cap_OpticsMediaValInit(void) {
    IrisCap &stIris = g_pstBoardCap->stIris;
    cap::SetAll(stIris.aenIrisType, IrisType{CAP_IRIS_INVALID});
    cap::SetAll(stIris.aaiIrisGpioCtl, -1);
    stIris.usIrisNum = 0;

    IrcutCap &stIrcut = g_pstBoardCap->stIrcut;
    cap::SetAll(stIrcut.aenIrcutType, IrcutType{CAP_IRCUT_INVALID});
    cap::SetAll(stIrcut.aaiIrcutGpioCtl, -1);
    stIrcut.uiIrcutNum = 0;

    VideoCap &stVideo = g_pstBoardCap->stVideo;
    cap::SetAll(stVideo.aenVideoType, VideoType{CAP_VIDEO_INVALID});
    cap::SetAll(stVideo.ausVideoMaxChannel, static_cast<unsigned short>(0));
    stVideo.usVideoOutNum = 0;

    AudioCap &stAudio = g_pstBoardCap->stAudio;
    stAudio.bMicInSup = 0;
    stAudio.bLineInSup = 1;
    stAudio.bSpeakerSup = 0;
    stAudio.ucMicInChn = 0;
    stAudio.ucLineInChn = 0;
    stAudio.ucAudioInDevNo = 0;
    stAudio.ucAudioOutDevNo = 0;
    stAudio.ucAudioOutNum = 1;
    stAudio.enAudioSocType = CAP_AUDIO_SOC_NONE;
    stAudio.iMicLineSwitchGpio = -1;
}

// Only arrays count; the number of irises is the length of "Type", even where
// the table keeps only the first four.
int cap_ParseIris(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseIris para is null ptr!\n");
        return -2;
    }
    IrisCap &stIris = g_pstBoardCap->stIris;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        if (!cap::IsType(stMember.val, json_type_array)) continue;
        if (strcmp(stMember.key, "Type") == 0) {
            stIris.usIrisNum = static_cast<unsigned short>(cap::ArrayLen(stMember.val));
            cap::FillWords<cap_MatchIrisType>(CAP_HERE, stMember.key, stIris.aenIrisType,
                                              stMember.val);
        } else if (strcmp(stMember.key, "GpioCtl") == 0) {
            cap::FillRows(CAP_HERE, stMember.key, stIris.aaiIrisGpioCtl, stMember.val);
        } else {
            CAP_LOG(cap::kLogInfo, "key %s is invalid!\n", stMember.key);
        }
    }
    return 0;
}

// Only arrays count. An unknown key is reported once per element; an empty
// "Type" leaves the number of filters as it was.
int cap_ParseIrcut(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_ParseIruct para is null!\n");
        return -2;
    }
    IrcutCap &stIrcut = g_pstBoardCap->stIrcut;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        if (!cap::IsType(stMember.val, json_type_array)) continue;
        const size_t ulLen = cap::ArrayLen(stMember.val);
        if (strcmp(stMember.key, "Type") == 0) {
            if (ulLen > 0) stIrcut.uiIrcutNum = static_cast<unsigned int>(ulLen);
            cap::FillWords<cap_MatchIrcutType>(CAP_HERE, stMember.key, stIrcut.aenIrcutType,
                                               stMember.val);
        } else if (strcmp(stMember.key, "GpioCtl") == 0) {
            cap::FillRows(CAP_HERE, stMember.key, stIrcut.aaiIrcutGpioCtl, stMember.val);
        } else {
            for (size_t i = 0; i < ulLen; ++i)
                CAP_LOG(cap::kLogInfo, "cap_ParseIrcut key = %s is not array type!\n",
                        stMember.key);
        }
    }
    return 0;
}

// Only "MaxChannel" and "Type" arrays count; everything else is skipped
// silently. "MaxChannel" sets the first two outputs, a missing element as 0;
// the file format ignores further elements.
int cap_ParseVideo(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseVideo para is null!\n");
        return -2;
    }
    VideoCap &stVideo = g_pstBoardCap->stVideo;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        if (!cap::IsType(stMember.val, json_type_array)) continue;
        if (strcmp(stMember.key, "MaxChannel") == 0) {
            for (size_t i = 0; i < cap::kVideoMaxChannelRead; ++i)
                stVideo.ausVideoMaxChannel[i] =
                    static_cast<unsigned short>(json_object_get_int(cap::ArrayAt(stMember.val, i)));
        } else if (strcmp(stMember.key, "Type") == 0) {
            stVideo.usVideoOutNum = static_cast<unsigned short>(cap::ArrayLen(stMember.val));
            cap::FillWords<cap_MatchVideoType>(CAP_HERE, stMember.key, stVideo.aenVideoType,
                                               stMember.val);
        }
    }
    return 0;
}

namespace {

constexpr cap::KeyField<AudioCap, unsigned int, sizeof("SpeakerSup")> kAudioFlags[] = {
    {"MicInSup", &AudioCap::bMicInSup},
    {"LineInSup", &AudioCap::bLineInSup},
    {"SpeakerSup", &AudioCap::bSpeakerSup},
};

// The keys "AuidioInDevNO" and "MicLineSiwtchGpio" are spelt so in the file
// format.
constexpr cap::KeyField<AudioCap, unsigned char, sizeof("AuidioInDevNO")> kAudioBytes[] = {
    {"MicInChn", &AudioCap::ucMicInChn},
    {"LineInChn", &AudioCap::ucLineInChn},
    {"AuidioInDevNO", &AudioCap::ucAudioInDevNo},
    {"AudioOutDevNO", &AudioCap::ucAudioOutDevNo},
    {"AudioOutNum", &AudioCap::ucAudioOutNum},
};

void ParseAudioBool(cap::Site site, AudioCap &stAudio, const char *pcKey, json_object *pstVal) {
    if (unsigned int *pbFlag = cap::FieldOf(kAudioFlags, stAudio, pcKey))
        *pbFlag = json_object_get_boolean(pstVal) ? 1 : 0;
    else
        CAP_LOG_AT(site, cap::kLogInfo, "key %s is not in stAudio boolean type!\n", pcKey);
}

// The 8-bit fields take the low 8 bits, the switch GPIO the whole number.
void ParseAudioInt(cap::Site site, AudioCap &stAudio, const char *pcKey, json_object *pstVal) {
    const int iVal = json_object_get_int(pstVal);
    if (unsigned char *pucField = cap::FieldOf(kAudioBytes, stAudio, pcKey))
        *pucField = static_cast<unsigned char>(iVal);
    else if (strcmp(pcKey, "MicLineSiwtchGpio") == 0)
        stAudio.iMicLineSwitchGpio = iVal;
    else
        CAP_LOG_AT(site, cap::kLogInfo, "key %s is not in stAudio int type!\n", pcKey);
}

// An unknown codec keeps the one set before, silently.
void ParseAudioText(cap::Site site, AudioCap &stAudio, const char *pcKey, json_object *pstVal) {
    if (strcmp(pcKey, "AudioSocType") != 0) {
        CAP_LOG_AT(site, cap::kLogInfo, "key %s is not in stAudio string type!\n", pcKey);
        return;
    }
    if (const auto *pstCodec = cap::Find(cap::kAudioSocWords, json_object_get_string(pstVal)))
        stAudio.enAudioSocType = pstCodec->Val();
}

}  // namespace

// The value's JSON type picks the group of keys; a key of another group is
// reported under the value's group and changes nothing.
int cap_ParseAudio(json_object *pstJsonVal) {
    if (pstJsonVal == nullptr) {
        CAP_LOG(cap::kLogError, "cap_ParseAudio para is null!\n");
        return -2;
    }
    AudioCap &stAudio = g_pstBoardCap->stAudio;
    for (const cap::Member stMember : cap::Members(pstJsonVal)) {
        switch (json_object_get_type(stMember.val)) {
            case json_type_boolean:
                ParseAudioBool(CAP_HERE, stAudio, stMember.key, stMember.val);
                break;
            case json_type_int: ParseAudioInt(CAP_HERE, stAudio, stMember.key, stMember.val); break;
            case json_type_string:
                ParseAudioText(CAP_HERE, stAudio, stMember.key, stMember.val);
                break;
            default: break;
        }
    }
    return 0;
}
