// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Has the system report to the programs on it that the clock was set. On Linux the clock is set
// to the time it shows, which needs the right to set it; Windows leaves the report to whoever
// set the clock, as WM_TIMECHANGE. Returns false where this process may not.
bool ReportClockSet();
