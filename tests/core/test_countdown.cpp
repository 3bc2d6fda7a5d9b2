// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/countdown.h"
#include "support/fakeclock.h"

#include <QTest>
#include <QTimeZone>

namespace {

// A time on the clocks of a time zone; without one, in UTC.
QDateTime at(QDate date, QTime time, const char* zone = "UTC") {
    return QDateTime(date, time, QTimeZone(zone));
}

} // namespace

class TestCountdown : public QObject {
    Q_OBJECT

private slots:
    void countsSecondsToTargetMidnight_data();
    void countsSecondsToTargetMidnight();
    void keepsCountingDownOverMidnight();
    void catchesUpOnDaysSkipped();
};

// The day counts are counted on the calendar; comments name the targets the rows' names do not.
void TestCountdown::countsSecondsToTargetMidnight_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("dayCount");
    QTest::addColumn<qint64>("seconds");

    const QDate day(2005, 2, 1);
    // 1 June 2005: 27 days left of February, 31 of March, 30 of April, 31 of May, and 1.
    QTest::newRow("exam morning") << at(day, QTime(8, 30, 15)) << qint64{120} << qint64{10337385};
    QTest::newRow("target today") << at(day, QTime(10, 0)) << qint64{0} << qint64{-36000};
    // 29 January.
    QTest::newRow("three days ago") << at(day, QTime(14, 0)) << qint64{-3} << qint64{-309600};
    QTest::newRow("last second") << at(day, QTime(23, 59, 59)) << qint64{1} << qint64{1};
    QTest::newRow("midnight") << at(day, QTime(0, 0)) << qint64{1} << qint64{86400};
    QTest::newRow("far target") << at(day, QTime(0, 0, 1)) << qint64{11'000'000}
                                << qint64{950'399'999'999};

    // The first moment of the target day lies an hour nearer or farther across a clock change.
    // The targets lie two days on or back, across the night of a change where the zone has one.
    QTest::newRow("Berlin, spring")
        << at(QDate(2026, 3, 28), QTime(10, 0), "Europe/Berlin") << qint64{2} << qint64{133200};
    QTest::newRow("Berlin, autumn")
        << at(QDate(2026, 10, 24), QTime(10, 0), "Europe/Berlin") << qint64{2} << qint64{140400};
    QTest::newRow("New York, spring")
        << at(QDate(2026, 3, 7), QTime(18, 0), "America/New_York") << qint64{2} << qint64{104400};
    QTest::newRow("New York, autumn, within the second")
        << at(QDate(2026, 10, 31), QTime(18, 0, 15, 750), "America/New_York") << qint64{2}
        << qint64{111585};
    QTest::newRow("Shanghai, no change")
        << at(QDate(2026, 3, 28), QTime(10, 0), "Asia/Shanghai") << qint64{2} << qint64{136800};
    QTest::newRow("UTC, no change")
        << at(QDate(2026, 10, 31), QTime(18, 0), "UTC") << qint64{2} << qint64{108000};
    QTest::newRow("Berlin, past target")
        << at(QDate(2026, 3, 30), QTime(10, 0), "Europe/Berlin") << qint64{-2} << qint64{-205200};
    // Havana moves its clock from 00:00 to 01:00: 8 March 2026 begins at 01:00.
    QTest::newRow("Havana, day without midnight")
        << at(QDate(2026, 3, 7), QTime(10, 0), "America/Havana") << qint64{1} << qint64{50400};
    QTest::newRow("Havana, past the skipped midnight")
        << at(QDate(2026, 3, 7), QTime(10, 0), "America/Havana") << qint64{2} << qint64{133200};
    QTest::newRow("Havana, within the day without midnight")
        << at(QDate(2026, 3, 8), QTime(1, 0, 1), "America/Havana") << qint64{0} << qint64{-1};
}

void TestCountdown::countsSecondsToTargetMidnight() {
    QFETCH(QDateTime, now);
    QFETCH(qint64, dayCount);
    QFETCH(qint64, seconds);
    if (!now.isValid())
        QSKIP("the time zone is not known on this system");

    FakeClock clock(now);
    Countdown countdown(clock);
    countdown.setDayCount(dayCount, now.date());
    QCOMPARE(countdown.read().secondsLeft, seconds);
}

void TestCountdown::keepsCountingDownOverMidnight() {
    FakeClock clock(QDateTime(QDate(2005, 5, 31), QTime(23, 59, 59)));
    Countdown countdown(clock);
    countdown.setDayCount(1, QDate(2005, 5, 31));
    QCOMPARE(countdown.read().secondsLeft, qint64{1});

    clock.set(QDateTime(QDate(2005, 6, 1), QTime(0, 0)));
    const Countdown::Reading atMidnight = countdown.read();
    QCOMPARE(atMidnight.dayCount, qint64{0});
    QCOMPARE(atMidnight.secondsLeft, qint64{0});

    clock.set(QDateTime(QDate(2005, 6, 1), QTime(0, 0, 1)));
    QCOMPARE(countdown.read().secondsLeft, qint64{-1});
}

void TestCountdown::catchesUpOnDaysSkipped() {
    FakeClock clock(QDateTime(QDate(2005, 2, 1), QTime(12, 0)));
    Countdown countdown(clock);
    countdown.setDayCount(120, QDate(2005, 2, 1));
    clock.set(QDateTime(QDate(2005, 2, 4), QTime(12, 0)));
    QCOMPARE(countdown.read().dayCount, qint64{117});
    QCOMPARE(countdown.read().dayCount, qint64{117});
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "test_countdown.moc"
