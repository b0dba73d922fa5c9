// The shared fillers of integer fields from JSON arrays.
#include "board/elements.h"

namespace cap {

void FillIntSlots(Site site, const char *pcKey, int *piSlots, size_t ulSlots, json_object *pstArray) {
    const size_t ulNum = SlotsTaken(site, pcKey, ArrayLen(pstArray), ulSlots);
    for (size_t i = 0; i < ulNum; ++i) piSlots[i] = json_object_get_int(ArrayAt(pstArray, i));
}

void FillIntRows(Site site, const char *pcKey, int *piRows, size_t ulRows, size_t ulCols,
                 json_object *pstArray) {
    const size_t ulNum = SlotsTaken(site, pcKey, ArrayLen(pstArray), ulRows);
    for (size_t i = 0; i < ulNum; ++i) {
        json_object *pstRow = ArrayAt(pstArray, i);
        if (IsType(pstRow, json_type_array)) FillIntSlots(site, pcKey, piRows + i * ulCols, ulCols, pstRow);
    }
}

}  // namespace cap
