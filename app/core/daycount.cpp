// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daycount.h"

#include "core/runtimeerror.h"

namespace {

// Qt has no year 0: the year before 1 is -1.
int qtYear(qint16 astronomicalYear) {
    return astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear;
}

} // namespace

qint64 DayCount(QDate today, TargetDate target) {
    if (target.month < 1 || target.month > 12 || target.day < 1 || target.day > 31)
        throw RuntimeError(ErrorNumber::UnusableDate);
    return today.daysTo(QDate(qtYear(target.year), target.month, 1).addDays(target.day - 1));
}

QString DayCountText(qint64 dayCount) {
    return QString::number(dayCount);
}
