// The shared parts of the query families.
#include "platform/query.h"

namespace cap {

int CopyFirstSlots(Site site, const void *pvTable, size_t ulSlots, size_t ulSize, int iNum,
                   void *pvOut, Fmt range, Fmt null) {
    if (iNum < 1 || static_cast<size_t>(iNum) > ulSlots) return Refuse(range, site, -4);
    if (pvOut == nullptr) return Refuse(null, site, -2);
    memcpy(pvOut, pvTable, static_cast<size_t>(iNum) * ulSize);
    return 0;
}

int TextOutSized(Site site, const char *pcText, long lSize, char *pcBuf, long lMaxSize) {
    if (lSize < 1 || (lMaxSize >= 0 && lSize > lMaxSize))
        return Refuse(FmtOf<"para out of range.">(), site, -4);
    CopyOutText(pcBuf, static_cast<size_t>(lSize), pcText);
    return 0;
}

}  // namespace cap
