// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/clockreport.h"

#include <windows.h>

bool ReportClockSet() {
    return PostThreadMessageW(GetCurrentThreadId(), WM_TIMECHANGE, 0, 0) != 0;
}
