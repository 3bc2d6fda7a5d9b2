// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/clockreport.h"

#include <ctime>

bool ReportClockSet() {
    timespec now{};
    return clock_gettime(CLOCK_REALTIME, &now) == 0 && clock_settime(CLOCK_REALTIME, &now) == 0;
}
