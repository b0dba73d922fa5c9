// The surplus-element warning, shared by every array that fills a field.
#include "platform/slots.h"

#include "platform/messages.h"

namespace cap {

size_t SlotsTaken(Site site, const char *pcKey, size_t ulLen, size_t ulSlots) {
    if (ulLen <= ulSlots) return ulLen;
    CAP_LOG_AT(site, kLogWarn, cap::msg::kSurplusElements, pcKey,
               static_cast<unsigned int>(ulLen), static_cast<unsigned int>(ulSlots));
    return ulSlots;
}

}  // namespace cap
