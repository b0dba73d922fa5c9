// The shared search of the word and key tables, and the shared matcher.
#include "platform/words.h"

#include <string.h>

namespace cap {

const void *FindRow(Rows stRows, const char *pcText) {
    const char *pcRow = static_cast<const char *>(stRows.pvFirst);
    // The first characters compared in place: most rows differ there, and
    // start-up searches a table for every key it reads.
    for (unsigned int i = 0; i < stRows.uiNum; ++i, pcRow += stRows.uiStride)
        if (pcRow[0] == pcText[0] && strcmp(pcRow, pcText) == 0) return pcRow;
    return nullptr;
}

unsigned int MatchText(Site site, Rows stRows, const char *pcVal, WordMsgs stMsgs,
                       WordAnswers stAnswers) {
    if (pcVal == nullptr) {
        CAP_LOG_FMT(site, kLogError, stMsgs.null);
        return stAnswers.uiNull;
    }
    if (const void *pvRow = FindRow(stRows, pcVal))
        return static_cast<const unsigned char *>(pvRow)[stRows.uiStride - 1];
    if (stMsgs.bad.pc != nullptr) CAP_LOG_FMT(site, kLogInfo, stMsgs.bad, pcVal);
    return stAnswers.uiOther;
}

}  // namespace cap
