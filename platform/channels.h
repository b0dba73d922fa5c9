// Per-channel file stages (sensor files, lens files): one file per channel,
// read in channel order.
#pragma once

#include <stddef.h>
#include <string.h>

namespace cap {

// Hand each of the usNum channels its path from the table to InitOne(index,
// path), stopping at the first non-zero result, which is returned. A count
// beyond the table's channels has no path to read: those channels get an
// empty path, which InitOne refuses by its index.
template <auto InitOne, size_t N, size_t L>
int InitChannels(unsigned short usNum, const char (&aacPaths)[N][L]) {
    for (unsigned short i = 0; i < usNum; ++i) {
        char acPath[L] = {};
        if (i < N) memcpy(acPath, aacPaths[i], L - 1);
        const int iRet = InitOne(i, acPath);
        if (iRet != 0) return iRet;
    }
    return 0;
}

}  // namespace cap
