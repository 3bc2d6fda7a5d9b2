// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/countdown.h"

#include "core/clock.h"
#include "core/firstmoment.h"

#include <QTimeZone>

#include <chrono>

namespace {

// The system's zone with its clock changes, for a time on the machine's own clock.
QTimeZone zoneOf(const QDateTime& moment) {
    return moment.timeSpec() == Qt::LocalTime ? QTimeZone::systemTimeZone() : moment.timeZone();
}

qint64 wholeSeconds(qint64 msecsSinceEpoch) {
    using namespace std::chrono;
    return floor<seconds>(milliseconds(msecsSinceEpoch)).count();
}

} // namespace

Countdown::Countdown(const Clock& clock)
    : clock_(clock) {}

void Countdown::setDayCount(qint64 dayCount, QDate countedOn) {
    targetDay_ = countedOn.addDays(dayCount);
}

Countdown::Reading Countdown::read() const {
    const QDateTime now = clock_.now();
    const qint64 targetStart = FirstMomentOfDay(targetDay_, zoneOf(now));
    return {now.date().daysTo(targetDay_),
            wholeSeconds(targetStart) - wholeSeconds(now.toMSecsSinceEpoch())};
}
