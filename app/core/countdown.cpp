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

qint64 SecondsLeft(qint64 dayCount, const QDateTime& now) {
    const qint64 targetStart = FirstMomentOfDay(now.date().addDays(dayCount), zoneOf(now));
    return wholeSeconds(targetStart) - wholeSeconds(now.toMSecsSinceEpoch());
}

Countdown::Countdown(const Clock& clock)
    : clock_(clock) {}

void Countdown::setDayCount(qint64 dayCount, QDate countedOn) {
    dayCount_ = dayCount;
    countedOn_ = countedOn;
}

Countdown::Reading Countdown::read() {
    const QDateTime now = clock_.now();
    dayCount_ -= countedOn_.daysTo(now.date());
    countedOn_ = now.date();
    return {dayCount_, SecondsLeft(dayCount_, now)};
}
