// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/daycount.h"
#include "core/integerconversion.h"
#include "core/runtimeerror.h"

#include <QTest>

namespace {

// The number a call returns, or the error it raises as "error <number>".
template <typename Call> QString outcome(Call call) {
    try {
        return QString::number(call());
    } catch (const RuntimeError& error) {
        return QStringLiteral("error %1").arg(int(error.number()));
    }
}

} // namespace

class TestDayCount : public QObject {
    Q_OBJECT

private slots:
    void countsCalendarDays_data();
    void countsCalendarDays();
    void agreesWithCivilCalendarAcrossCenturies();
    void convertsIntegers_data();
    void convertsIntegers();
};

void TestDayCount::countsCalendarDays_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("expected");

    QTest::newRow("today") << QDate(2005, 2, 1) << 2005 << 2 << 1 << QString("0");
    QTest::newRow("tomorrow") << QDate(2005, 2, 1) << 2005 << 2 << 2 << QString("1");
    QTest::newRow("three days ago") << QDate(2005, 2, 4) << 2005 << 2 << 1 << QString("-3");
    QTest::newRow("exam day") << QDate(2005, 2, 1) << 2005 << 6 << 1 << QString("120");
    QTest::newRow("over a plain year end") << QDate(2005, 12, 31) << 2006 << 1 << 1 << QString("1");
    QTest::newRow("over a leap year end") << QDate(2004, 12, 31) << 2005 << 1 << 1 << QString("1");
    QTest::newRow("leap day of 2008 counted")
        << QDate(2005, 3, 1) << 2008 << 3 << 1 << QString("1096");
    QTest::newRow("leap day itself") << QDate(2007, 3, 1) << 2008 << 2 << 29 << QString("365");
    QTest::newRow("2000 is leap") << QDate(2000, 2, 28) << 2000 << 3 << 1 << QString("2");
    QTest::newRow("2100 is not") << QDate(2100, 2, 28) << 2100 << 3 << 1 << QString("1");
    QTest::newRow("30 February rolls over") << QDate(2005, 3, 1) << 2005 << 2 << 30 << QString("1");
    QTest::newRow("30 February of a leap year")
        << QDate(2008, 2, 1) << 2008 << 2 << 30 << QString("29");
    QTest::newRow("31 April is 1 May") << QDate(2005, 5, 1) << 2005 << 4 << 31 << QString("0");
    QTest::newRow("31 February is 3 March")
        << QDate(2005, 2, 1) << 2005 << 2 << 31 << QString("30");
    QTest::newRow("largest year") << QDate(2005, 1, 1) << 32767 << 12 << 31 << QString("11235953");
    QTest::newRow("smallest year") << QDate(2005, 1, 1) << -32768 << 1 << 1 << QString("-12700578");
    QTest::newRow("year zero is leap") << QDate(2005, 1, 1) << 0 << 3 << 1 << QString("-732252");
    const QDate day(2005, 2, 1);
    const QString unusable = QStringLiteral("error 5");
    QTest::newRow("month 0") << day << 2005 << 0 << 1 << unusable;
    QTest::newRow("month 13") << day << 2005 << 13 << 1 << unusable;
    QTest::newRow("month 14") << day << 2005 << 14 << 1 << unusable;
    QTest::newRow("negative month") << day << 2005 << -1 << 1 << unusable;
    QTest::newRow("day 0") << day << 2005 << 6 << 0 << unusable;
    QTest::newRow("day 32") << day << 2005 << 6 << 32 << unusable;
    QTest::newRow("largest day") << day << 2005 << 6 << 32767 << unusable;
}

void TestDayCount::countsCalendarDays() {
    QFETCH(QDate, today);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, expected);
    const TargetDate target{qint16(year), qint16(month), qint16(day)};
    QCOMPARE(outcome([&] { return DayCount(today, target); }), expected);
}

namespace {

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar with astronomical years,
// counted in 400-year eras that begin on 1 March, so that a leap day ends its year. Linear in
// the day, so a day past its month's end lands in the next month.
qint64 daysFromCivil(qint64 year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const qint64 era = (year >= 0 ? year : year - 399) / 400;
    const qint64 yearOfEra = year - era * 400;
    const qint64 dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

} // namespace

void TestDayCount::agreesWithCivilCalendarAcrossCenturies() {
    for (const QDate today : {QDate(2026, 12, 7), QDate(2024, 2, 29)}) {
        const qint64 todayNumber = daysFromCivil(today.year(), today.month(), today.day());
        // Every year of the 400-year cycles around year 0, and every 37th year elsewhere.
        for (int year = -32768; year <= 32767; year += (year >= -400 && year < 400) ? 1 : 37) {
            for (int month = 1; month <= 12; ++month) {
                for (int day : {1, 28, 29, 30, 31}) {
                    const TargetDate target{qint16(year), qint16(month), qint16(day)};
                    QCOMPARE(DayCount(today, target),
                             daysFromCivil(year, month, day) - todayNumber);
                }
            }
        }
    }
}

void TestDayCount::convertsIntegers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString mismatch = QStringLiteral("error 13");
    const QString overflow = QStringLiteral("error 6");
    QTest::newRow("year") << "2005" << QString("2005");
    QTest::newRow("leading zero") << "06" << QString("6");
    QTest::newRow("negative") << "-3" << QString("-3");
    QTest::newRow("plus sign") << "+7" << QString("7");
    QTest::newRow("blanks around") << " \t12 " << QString("12");
    QTest::newRow("largest") << "32767" << QString("32767");
    QTest::newRow("smallest") << "-32768" << QString("-32768");
    QTest::newRow("many leading zeros") << "0000000000000000000001" << QString("1");
    QTest::newRow("placeholder") << "Year" << mismatch;
    QTest::newRow("empty") << "" << mismatch;
    QTest::newRow("blank") << "  " << mismatch;
    QTest::newRow("sign only") << "-" << mismatch;
    QTest::newRow("blank inside") << "20 05" << mismatch;
    QTest::newRow("fraction") << "1.5" << mismatch;
    QTest::newRow("trailing letters") << "12abc" << mismatch;
    QTest::newRow("full-width digits") << "２００５" << mismatch;
    QTest::newRow("long with a letter") << "99999999999x" << mismatch;
    QTest::newRow("one past largest") << "32768" << overflow;
    QTest::newRow("one past smallest") << "-32769" << overflow;
    QTest::newRow("too many digits") << "123456789012345678901234567890" << overflow;
}

void TestDayCount::convertsIntegers() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(outcome([&] { return ToInteger16(text); }), expected);
}

QTEST_GUILESS_MAIN(TestDayCount)
#include "test_daycount.moc"
