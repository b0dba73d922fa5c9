// Arrays of a capability file longer than the field they fill: the elements
// beyond the field's slots are dropped, and the drop is reported once per
// array with the key that holds it.
#pragma once

#include <stddef.h>

#include "platform/log.h"

namespace cap {

// How many of ulLen array elements have a slot among ulSlots; a longer array
// logs a warning from the caller's site naming the key.
inline size_t SlotsTaken(Site site, const char *pcKey, size_t ulLen, size_t ulSlots) {
    if (ulLen <= ulSlots) return ulLen;
    CAP_LOG_AT(site, kLogWarn, "key=%s has %u elements, only %u kept.\n", pcKey,
               static_cast<unsigned int>(ulLen), static_cast<unsigned int>(ulSlots));
    return ulSlots;
}

}  // namespace cap
