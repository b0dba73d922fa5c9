// Lens files: the field-of-view angle of each lens, from its cap_lens.json.
#include <string.h>

#include "lens/lens.h"
#include "platform/channels.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/messages.h"
#include "platform/sysfile.h"

int cap_LensCapInit(unsigned short usIndex, const char *pcPath) {
    if (pcPath == nullptr) {
        CAP_LOG(cap::kLogError, "CAP_LensCapInit para is null!\n");
        return -2;
    }
    if (usIndex >= CAP_MAX_CHANNEL) {
        CAP_LOG(cap::kLogError, "Para out of range.");
        return -4;
    }
    if (pcPath[0] == '\0') {
        CAP_LOG(cap::kLogError, "CAP_LensCapInit para is empty.");
        return -4;
    }
    cap::JsonDoc doc(cap::JsonFromFile(pcPath));
    if (doc.get() == nullptr) {
        CAP_LOG(cap::kLogError, cap::msg::kLensNotJson);
        return -1;
    }
    // "FovAngle" counts only when written with a fraction or exponent (90.0,
    // not 90); other members with such a value are reported.
    for (const cap::Member m : cap::Members(doc.get())) {
        if (!cap::IsType(m.val, json_type_double)) continue;
        if (strcmp(m.key, "FovAngle") == 0) {
            g_pstLensCap->adFovAngle[usIndex] = json_object_get_double(m.val);
        } else {
            CAP_LOG(cap::kLogInfo, " cap_LensCapInit para key=%s is invalid in object type.", m.key);
        }
    }
    return 0;
}

extern "C" DEVCAP_API int cap_LensInitAll(void) {
    return cap::InitChannels<cap_LensCapInit>(g_pstLensCap->usLensNum, g_pstCapFiles->aacLensPath);
}
