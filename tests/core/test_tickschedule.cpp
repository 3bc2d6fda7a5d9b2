// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tickschedule.h"
#include "support/fakeclock.h"

#include <QTest>
#include <QTimeZone>

using std::chrono::milliseconds;

// The schedule keeps nothing between calls: a clock that was set, or resumed days later, is
// just another time to aim from.
class TestTickSchedule : public QObject {
    Q_OBJECT

private slots:
    void aimsAtTheNextSecondBoundary_data();
    void aimsAtTheNextSecondBoundary();
};

void TestTickSchedule::aimsAtTheNextSecondBoundary_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("untilNext");
    QTest::addColumn<int>("untilFirst");

    const QDate day(2005, 2, 1);
    QTest::newRow("on the boundary") << QDateTime(day, QTime(8, 0, 1)) << 1000 << 1000;
    QTest::newRow("just after") << QDateTime(day, QTime(8, 0, 1, 1)) << 999 << 1999;
    QTest::newRow("mid-second") << QDateTime(day, QTime(8, 0, 1, 410)) << 590 << 1590;
    QTest::newRow("just before") << QDateTime(day, QTime(8, 0, 1, 999)) << 1 << 1001;
    QTest::newRow("last second of the day") << QDateTime(day, QTime(23, 59, 59, 950)) << 50 << 1050;
    QTest::newRow("other time zone")
        << QDateTime(day, QTime(8, 0, 0, 400), QTimeZone("Asia/Shanghai")) << 600 << 1600;
    QTest::newRow("days later") << QDateTime(day.addDays(3), QTime(6, 0, 0, 5)) << 995 << 1995;
}

void TestTickSchedule::aimsAtTheNextSecondBoundary() {
    QFETCH(QDateTime, now);
    QFETCH(int, untilNext);
    QFETCH(int, untilFirst);
    FakeClock clock(now);
    const TickSchedule schedule(clock);

    QCOMPARE(schedule.untilNextTick(), milliseconds(untilNext));
    QCOMPARE(schedule.untilFirstTick(), milliseconds(untilFirst));
}

QTEST_GUILESS_MAIN(TestTickSchedule)
#include "test_tickschedule.moc"
