// STUB: the board file loader (to be written).
#include "board/board.h"
extern "C" DEVCAP_API int cap_BoardCapInit(void) { return 0; }
