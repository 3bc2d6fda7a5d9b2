// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/countdown.h"

#include "core/clock.h"

#include <QList>
#include <QTimeZone>

#include <algorithm>
#include <chrono>

namespace {

constexpr qint64 msecsPerDay = 86'400'000;

// A stretch of time over which the zone's clock keeps one offset from UTC.
struct Span {
    qint64 start;
    qint64 offset;
};

QDateTime utcMoment(qint64 msecsSinceEpoch) {
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, QTimeZone::utc());
}

// The spans that cover two days on either side of the given moment, in time order. No zone's
// clock differs from UTC by a day, so a day's first moment lies well inside them.
QList<Span> spansAround(qint64 middle, const QTimeZone& zone) {
    const QDateTime from = utcMoment(middle - 2 * msecsPerDay);
    QList<Span> spans{{from.toMSecsSinceEpoch(), zone.offsetFromUtc(from) * qint64{1000}}};
    for (const QTimeZone::OffsetData& change :
         zone.transitions(from, utcMoment(middle + 2 * msecsPerDay)))
        spans.append({change.atUtc.toMSecsSinceEpoch(), change.offsetFromUtc * qint64{1000}});
    return spans;
}

// The system's zone with its clock changes, for a time on the machine's own clock.
QTimeZone zoneOf(const QDateTime& moment) {
    return moment.timeSpec() == Qt::LocalTime ? QTimeZone::systemTimeZone() : moment.timeZone();
}

qint64 wholeSeconds(qint64 msecsSinceEpoch) {
    using namespace std::chrono;
    return floor<seconds>(milliseconds(msecsSinceEpoch)).count();
}

// The first moment of a day on the clocks of a time zone, in milliseconds since the epoch:
// midnight where the zone has one; where the zone moves its clock forward across midnight, the
// moment the day begins after the jump; where midnight comes twice, the first of them. That is
// the earliest moment at which the zone's clock shows the day's midnight or later. Within a span
// the clock runs evenly, so each span's earliest such moment is where its clock reaches midnight,
// or the span's start when its clock is past midnight from the start on. The offsets are asked
// for at moments, never for a clock time, which a clock change can skip.
qint64 firstMomentOfDay(QDate day, const QTimeZone& zone) {
    const qint64 midnight = QDateTime(day, QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    const QList<Span> spans = spansAround(midnight, zone);
    for (qsizetype i = 0; i + 1 < spans.size(); ++i) {
        const qint64 reached = std::max(spans[i].start, midnight - spans[i].offset);
        if (reached < spans[i + 1].start)
            return reached;
    }
    return std::max(spans.last().start, midnight - spans.last().offset);
}

} // namespace

Countdown::Countdown(const Clock& clock)
    : clock_(clock) {}

void Countdown::setDayCount(qint64 dayCount, QDate countedOn) {
    targetDay_ = countedOn.addDays(dayCount);
}

Countdown::Reading Countdown::read() const {
    const QDateTime now = clock_.now();
    const qint64 targetStart = firstMomentOfDay(targetDay_, zoneOf(now));
    return {now.date().daysTo(targetDay_),
            wholeSeconds(targetStart) - wholeSeconds(now.toMSecsSinceEpoch())};
}
