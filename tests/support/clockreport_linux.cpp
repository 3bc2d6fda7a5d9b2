#include "support/clockreport.h"

#include <ctime>

bool ReportClockSet() {
    timespec now{};
    return clock_gettime(CLOCK_REALTIME, &now) == 0 && clock_settime(CLOCK_REALTIME, &now) == 0;
}
