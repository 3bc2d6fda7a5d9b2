#include "core/countdown.h"

#include "core/clock.h"

qint64 SecondsLeft(qint64 dayCount, QTime timeOfDay) {
    return dayCount * 86400 - timeOfDay.hour() * 3600 - timeOfDay.minute() * 60 -
           timeOfDay.second();
}

Countdown::Countdown(const Clock& clock)
    : clock_(clock) {}

void Countdown::setDayCount(qint64 dayCount) {
    dayCount_ = dayCount;
    countedOn_ = clock_.now().date();
}

Countdown::Reading Countdown::read() {
    const QDateTime now = clock_.now();
    dayCount_ -= countedOn_.daysTo(now.date());
    countedOn_ = now.date();
    return {dayCount_, SecondsLeft(dayCount_, now.time())};
}
