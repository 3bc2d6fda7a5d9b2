// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class SettingsStore;

// The stored countdown target: the texts of the year, month and day lists and the event text,
// kept as they were typed or picked, under the application " myapp" (its leading space is part
// of the name), section "jishi".
struct CountdownTarget {
    static inline const QString Application = QStringLiteral(" myapp");
    static inline const QString Section = QStringLiteral("jishi");

    QString year;
    QString month;
    QString day;
    QString eventText;
};

// A text that was never stored reads as the empty text.
CountdownTarget ReadCountdownTarget(const SettingsStore& store);
// Stores the four texts in one save: all of them or, when SettingsWriteError is thrown, none.
void SaveCountdownTarget(SettingsStore& store, const CountdownTarget& target);
