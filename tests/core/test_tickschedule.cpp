#include "core/tickschedule.h"
#include "support/fakeclock.h"

#include <QTest>
#include <QTimeZone>

using std::chrono::milliseconds;

class TestTickSchedule : public QObject {
    Q_OBJECT

private slots:
    void aimsAtTheNextSecondBoundary_data();
    void aimsAtTheNextSecondBoundary();
    void landsOnTheBoundaryAgainAfterTheClockJumps_data();
    void landsOnTheBoundaryAgainAfterTheClockJumps();
};

void TestTickSchedule::aimsAtTheNextSecondBoundary_data() {
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("untilNext");
    QTest::addColumn<int>("untilFirst");

    QTest::newRow("on the boundary") << QTime(8, 0, 1) << 1000 << 1000;
    QTest::newRow("just after") << QTime(8, 0, 1, 1) << 999 << 1999;
    QTest::newRow("mid-second") << QTime(8, 0, 1, 410) << 590 << 1590;
    QTest::newRow("just before") << QTime(8, 0, 1, 999) << 1 << 1001;
    QTest::newRow("last second of the day") << QTime(23, 59, 59, 950) << 50 << 1050;
}

void TestTickSchedule::aimsAtTheNextSecondBoundary() {
    QFETCH(QTime, now);
    QFETCH(int, untilNext);
    QFETCH(int, untilFirst);
    FakeClock clock(QDateTime(QDate(2005, 2, 1), now));
    const TickSchedule schedule(clock);

    QCOMPARE(schedule.untilNextTick(), milliseconds(untilNext));
    QCOMPARE(schedule.untilFirstTick(), milliseconds(untilFirst));
}

void TestTickSchedule::landsOnTheBoundaryAgainAfterTheClockJumps_data() {
    QTest::addColumn<QDateTime>("jumpedTo");
    QTest::addColumn<int>("untilNext");

    const QDate day(2005, 2, 1);
    QTest::newRow("forward") << QDateTime(day, QTime(9, 30, 0, 250)) << 750;
    QTest::newRow("back") << QDateTime(day, QTime(7, 59, 58, 900)) << 100;
    QTest::newRow("other time zone")
        << QDateTime(day, QTime(8, 0, 0, 400), QTimeZone("Asia/Shanghai")) << 600;
    QTest::newRow("resumed days later") << QDateTime(day.addDays(3), QTime(6, 0, 0, 5)) << 995;
}

void TestTickSchedule::landsOnTheBoundaryAgainAfterTheClockJumps() {
    QFETCH(QDateTime, jumpedTo);
    QFETCH(int, untilNext);
    FakeClock clock(QDateTime(QDate(2005, 2, 1), QTime(8, 0, 0, 400)));
    const TickSchedule schedule(clock);
    QCOMPARE(schedule.untilNextTick(), milliseconds(600));

    clock.set(jumpedTo);

    QCOMPARE(schedule.untilNextTick(), milliseconds(untilNext));
}

QTEST_GUILESS_MAIN(TestTickSchedule)
#include "test_tickschedule.moc"
