// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDateTime>

class Clock;

// Keeps a day count true as the days pass: the count and the date it was given for name the
// target day, from which every reading counts the days and seconds anew, so the count moves down
// at midnight and never jumps up.
class Countdown {
public:
    struct Reading {
        qint64 dayCount;
        qint64 secondsLeft;
    };

    explicit Countdown(const Clock& clock);

    // The count as it was computed for the date countedOn, which may already be yesterday.
    void setDayCount(qint64 dayCount, QDate countedOn);
    // The calendar days from the clock's date to the target day, and the seconds from now until
    // the target day's first moment on the clocks of now's time zone, counted from the start of
    // now's second. Where every day in between has 24 hours, the seconds are the day count in
    // seconds less the time of day; across a clock change an hour more or less.
    Reading read() const;

private:
    const Clock& clock_;
    QDate targetDay_;
};
