// Filling fixed-size fields of the board record from JSON arrays. Elements
// are read with json-c's accessors: an integer element with the integer one
// (a text "12" reads 12, null 0), a text element with the text one (a
// non-text element yields its JSON text, null no text, which the matcher
// reports). Every helper stops at the field's capacity; an element that is
// not an array where a row is expected is skipped. The Fill helpers drop
// surplus elements with the surplus warning; the Read helpers take a fixed
// number of elements, as the file format defines, and ignore the rest
// silently.
#pragma once

#include <json-c/json.h>
#include <stddef.h>
#include <string.h>

#include "devcap.h"
#include "platform/json.h"
#include "platform/log.h"
#include "platform/slots.h"
#include "platform/words.h"

namespace cap {

// Element i of the array, read with the integer accessor, into slot i of
// ulSlots.
void FillIntSlots(Site site, const char *pcKey, int *piSlots, size_t ulSlots, json_object *pstArray);

// Element i of the array, itself an array of integers, into row i of ulRows
// rows of ulCols. An element that is not an array leaves its row as it was.
void FillIntRows(Site site, const char *pcKey, int *piRows, size_t ulRows, size_t ulCols,
                 json_object *pstArray);

template <size_t N>
void FillInts(Site site, const char *pcKey, int (&aiTable)[N], json_object *pstArray) {
    FillIntSlots(site, pcKey, aiTable, N, pstArray);
}

// Element i of the array, read with the text accessor (a non-text element
// yields its JSON text, a null one no text), through Match into slot i.
template <auto Match, typename E, size_t N>
void FillWords(Site site, const char *pcKey, E (&aTable)[N], json_object *pstArray) {
    const size_t ulNum = SlotsTaken(site, pcKey, ArrayLen(pstArray), N);
    for (size_t i = 0; i < ulNum; ++i)
        aTable[i] = Match(json_object_get_string(ArrayAt(pstArray, i)));
}

template <size_t R, size_t C>
void FillRows(Site site, const char *pcKey, int (&aaiTable)[R][C], json_object *pstArray) {
    FillIntRows(site, pcKey, &aaiTable[0][0], R, C, pstArray);
}

// Slots 0..N-1 from elements 0..N-1 whatever the array's length: a missing
// element reads as no text, which Match reports and answers with its invalid
// member.
template <auto Match, typename E, size_t N>
void ReadWords(E (&aTable)[N], json_object *pstArray) {
    for (size_t i = 0; i < N; ++i) aTable[i] = Match(json_object_get_string(ArrayAt(pstArray, i)));
}

// Element i of an I2C location array: 0, 1 and 2 land in the first, third
// and second value, each cut to 16 bits.
inline void SetI2cVal(I2cInfo &stI2c, size_t ulIndex, int iVal) {
    const unsigned short usVal = static_cast<unsigned short>(iVal);
    if (ulIndex == 0)
        stI2c.usVal0 = usVal;
    else if (ulIndex == 1)
        stI2c.usVal2 = usVal;
    else if (ulIndex == 2)
        stI2c.usVal1 = usVal;
}

// The three values from elements 0..2 whatever the array's length (a missing
// element reads as 0).
inline void ReadI2cInfo(I2cInfo &stI2c, json_object *pstArray) {
    for (size_t i = 0; i < 3; ++i) SetI2cVal(stI2c, i, json_object_get_int(ArrayAt(pstArray, i)));
}

// Only the values whose element exists; the others keep theirs.
inline void ReadPresentI2c(I2cInfo &stI2c, json_object *pstArray) {
    const size_t ulLen = ArrayLen(pstArray);
    for (size_t i = 0; i < ulLen && i < 3; ++i)
        SetI2cVal(stI2c, i, json_object_get_int(ArrayAt(pstArray, i)));
}

template <typename T, size_t N>
void SetAll(T (&aTable)[N], T val) {
    for (T &slot : aTable) slot = val;
}

template <typename T, size_t R, size_t C>
void SetAll(T (&aaTable)[R][C], T val) {
    for (T(&aRow)[C] : aaTable) SetAll(aRow, val);
}

}  // namespace cap
