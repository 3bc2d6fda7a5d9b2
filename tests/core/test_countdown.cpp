#include "core/countdown.h"
#include "support/fakeclock.h"

#include <QTest>

class TestCountdown : public QObject {
    Q_OBJECT

private slots:
    void countsSecondsToTargetMidnight_data();
    void countsSecondsToTargetMidnight();
    void keepsCountingDownOverMidnight();
    void catchesUpOnDaysSkipped();
};

void TestCountdown::countsSecondsToTargetMidnight_data() {
    QTest::addColumn<qint64>("dayCount");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<qint64>("seconds");

    QTest::newRow("exam morning") << qint64{120} << QTime(8, 30, 15) << qint64{10337385};
    QTest::newRow("target today") << qint64{0} << QTime(10, 0) << qint64{-36000};
    QTest::newRow("three days ago") << qint64{-3} << QTime(14, 0) << qint64{-309600};
    QTest::newRow("last second") << qint64{1} << QTime(23, 59, 59) << qint64{1};
    QTest::newRow("midnight") << qint64{1} << QTime(0, 0) << qint64{86400};
    QTest::newRow("far target") << qint64{11'000'000} << QTime(0, 0, 1) << qint64{950'399'999'999};
}

void TestCountdown::countsSecondsToTargetMidnight() {
    QFETCH(qint64, dayCount);
    QFETCH(QTime, time);
    QFETCH(qint64, seconds);
    QCOMPARE(SecondsLeft(dayCount, time), seconds);

    FakeClock clock(QDateTime(QDate(2005, 2, 1), time));
    Countdown countdown(clock);
    countdown.setDayCount(dayCount);
    const Countdown::Reading reading = countdown.read();
    QCOMPARE(reading.dayCount, dayCount);
    QCOMPARE(reading.secondsLeft, seconds);
}

void TestCountdown::keepsCountingDownOverMidnight() {
    FakeClock clock(QDateTime(QDate(2005, 5, 31), QTime(23, 59, 59)));
    Countdown countdown(clock);
    countdown.setDayCount(1);
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
    countdown.setDayCount(120);
    clock.set(QDateTime(QDate(2005, 2, 4), QTime(12, 0)));
    QCOMPARE(countdown.read().dayCount, qint64{117});
    QCOMPARE(countdown.read().dayCount, qint64{117});
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "test_countdown.moc"
