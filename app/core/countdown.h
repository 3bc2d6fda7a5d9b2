#pragma once

#include <QDate>
#include <QDateTime>

class Clock;

// The seconds from now until the first moment of the day that lies dayCount days after now's
// date, on the clocks of now's time zone, counted from the start of now's second. Where every
// day in between has 24 hours, this is the day count in seconds less the time of day; across a
// clock change it is an hour more or less. Negative once the target day has begun.
qint64 SecondsLeft(qint64 dayCount, const QDateTime& now);

// Keeps a day count true as the days pass: it remembers the date the count was given for and,
// read on a later date, has moved down by the days since, so the count never jumps up at
// midnight.
class Countdown {
public:
    struct Reading {
        qint64 dayCount;
        qint64 secondsLeft;
    };

    explicit Countdown(const Clock& clock);

    // The count as it was computed for the date countedOn, which may already be yesterday.
    void setDayCount(qint64 dayCount, QDate countedOn);
    Reading read();

private:
    const Clock& clock_;
    qint64 dayCount_ = 0;
    QDate countedOn_;
};
