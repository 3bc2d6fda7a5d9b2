#include "core/daycount.h"

#include "core/runtimeerror.h"

namespace {

// Qt has no year 0: the year before 1 is -1.
int qtYear(qint16 astronomicalYear) {
    return astronomicalYear <= 0 ? astronomicalYear - 1 : astronomicalYear;
}

} // namespace

qint64 DayCount(QDate today, qint16 year, qint16 month, qint16 day) {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        throw RuntimeError(ErrorNumber::UnusableDate);
    return today.daysTo(QDate(qtYear(year), month, 1).addDays(day - 1));
}

QString DayCountText(qint64 dayCount) {
    return QString::number(dayCount);
}
