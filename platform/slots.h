// Arrays of a capability file longer than the field they fill: the elements
// beyond the field's slots are dropped, and the drop is reported once per
// array with the key that holds it.
#pragma once

#include <stddef.h>

#include "platform/log.h"

namespace cap {

// How many of ulLen array elements have a slot among ulSlots; a longer array
// logs a warning from the caller's site naming the key.
size_t SlotsTaken(Site site, const char *pcKey, size_t ulLen, size_t ulSlots);

}  // namespace cap
