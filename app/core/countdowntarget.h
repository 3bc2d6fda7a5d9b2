#pragma once

#include <QString>

// The stored countdown target: the texts of the year, month and day lists and the event text,
// kept under the application " myapp" (its leading space is part of the name), section "jishi".
struct CountdownTarget {
    static inline const QString application = QStringLiteral(" myapp");
    static inline const QString section = QStringLiteral("jishi");
    static inline const QString yearKey = QStringLiteral("year");
    static inline const QString monthKey = QStringLiteral("month");
    static inline const QString dayKey = QStringLiteral("day");
    static inline const QString eventKey = QStringLiteral("shixiang");

    QString year;
    QString month;
    QString day;
    QString eventText;
};
