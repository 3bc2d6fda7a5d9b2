#include "support/clockreport.h"

#include <windows.h>

bool ReportClockSet() {
    return PostThreadMessageW(GetCurrentThreadId(), WM_TIMECHANGE, 0, 0) != 0;
}
