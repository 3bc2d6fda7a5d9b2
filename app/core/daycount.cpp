#include "core/daycount.h"

#include "core/runtimeerror.h"

qint64 DaysFromCivil(int year, int month, int day) {
    // Counts years from March, so that the leap day is the last day of its year.
    const qint64 y = month <= 2 ? qint64{year} - 1 : year;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yearOfEra = y - era * 400;
    const qint64 monthFromMarch = month > 2 ? month - 3 : month + 9;
    const qint64 dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

namespace {

// Qt numbers the year before 1 as -1; the calendar arithmetic counts it as year 0.
int astronomicalYear(const QDate& date) {
    return date.year() < 0 ? date.year() + 1 : date.year();
}

} // namespace

qint64 DayCount(QDate today, qint16 year, qint16 month, qint16 day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        throw RuntimeError(ErrorNumber::UnusableDate);
    const qint64 target = DaysFromCivil(year, month, 1) + (day - 1);
    return target - DaysFromCivil(astronomicalYear(today), today.month(), today.day());
}

QString DayCountText(qint64 dayCount) {
    return QString::number(dayCount);
}
