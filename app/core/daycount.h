// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/targetdate.h"

#include <QDate>
#include <QString>

// The number of calendar days from today to the target date: negative when it has passed.
// Years are numbered astronomically as the lists store them: year 0 is the year before 1.
// A day past the end of its month rolls over into the next month (2005-02-30 is 2005-03-02).
// Throws RuntimeError(UnusableDate) for a month outside 1 .. 12 or a day outside 1 .. 31.
qint64 DayCount(QDate today, TargetDate target);

// The day count as the countdown window shows it: plain digits, a leading minus when negative.
QString DayCountText(qint64 dayCount);
