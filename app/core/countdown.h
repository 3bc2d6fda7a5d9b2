#pragma once

#include <QDate>
#include <QTime>

class Clock;

// The seconds left until midnight at the start of the target day, for a day count valid today.
qint64 SecondsLeft(qint64 dayCount, QTime timeOfDay);

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

    void setDayCount(qint64 dayCount);
    Reading read();

private:
    const Clock& clock_;
    qint64 dayCount_ = 0;
    QDate countedOn_;
};
